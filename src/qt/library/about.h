// The about box, with the read-me text.
#pragma once

#include <QDialog>

class Tfabout : public QDialog {
    Q_OBJECT

public:
    explicit Tfabout(QWidget* parent = nullptr);
};
