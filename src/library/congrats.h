// The congratulations shown when a puzzle is solved.
#pragma once

#include <QDialog>

class Tfcongrats : public QDialog {
    Q_OBJECT

public:
    explicit Tfcongrats(QWidget* parent = nullptr);
};
