// The name, creator, comments, level and size of the puzzle in the editor.
#pragma once

#include <QDialog>

class Tfpuzzleinfo : public QDialog {
    Q_OBJECT

public:
    explicit Tfpuzzleinfo(QWidget* parent = nullptr);
};
