// The puzzle editor, where puzzles are drawn cell by cell or imported from a picture.
#pragma once

#include <QDialog>

class Tffeditor : public QDialog {
    Q_OBJECT

public:
    explicit Tffeditor(QWidget* parent = nullptr);
};
