#include "library/completed.h"

Tfcompleted::Tfcompleted(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Solved Puzzles"));
}
