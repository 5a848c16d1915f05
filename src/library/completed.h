// The list of solved puzzles with their best times.
#pragma once

#include <QDialog>

class Tfcompleted : public QDialog {
    Q_OBJECT

public:
    explicit Tfcompleted(QWidget* parent = nullptr);
};
