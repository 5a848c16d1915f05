#include "library/about.h"

Tfabout::Tfabout(QWidget* parent) : QDialog(parent) {}
