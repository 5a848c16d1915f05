#include "library/newgame.h"

Tfnewgame::Tfnewgame(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Start New Game"));
}
