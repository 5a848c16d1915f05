// The new-game browser over a folder of puzzle files.
#pragma once

#include <QDialog>

class Tfnewgame : public QDialog {
    Q_OBJECT

public:
    explicit Tfnewgame(QWidget* parent = nullptr);
};
