#include "library/congrats.h"

Tfcongrats::Tfcongrats(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Puzzle Solved"));
}
