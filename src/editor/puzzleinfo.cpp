#include "editor/puzzleinfo.h"

Tfpuzzleinfo::Tfpuzzleinfo(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Puzzle Information"));
}
