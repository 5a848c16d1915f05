#include "appearance/preferences.h"

Tfpreferences::Tfpreferences(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Preferences"));
}
