// The preferences dialog, where colour schemes are chosen, edited and stored.
#pragma once

#include <QDialog>

class Tfpreferences : public QDialog {
    Q_OBJECT

public:
    explicit Tfpreferences(QWidget* parent = nullptr);
};
