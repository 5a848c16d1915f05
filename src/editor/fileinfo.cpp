#include "editor/fileinfo.h"

Tffileinfo::Tffileinfo(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("File Information"));
}
