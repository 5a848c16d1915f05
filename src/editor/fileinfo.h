// The information of the loaded puzzle: name, identity, creator, date and comments.
#pragma once

#include <QDialog>

class Tffileinfo : public QDialog {
    Q_OBJECT

public:
    explicit Tffileinfo(QWidget* parent = nullptr);
};
