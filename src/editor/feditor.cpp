#include "editor/feditor.h"

Tffeditor::Tffeditor(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Puzzle Editor"));
}
