// The congratulations shown when a puzzle is solved, with the choice to record it.
#pragma once

#include "library/congratulations_dialog.h"

#include <QDialog>

class QCheckBox;
class QLabel;

class Tfcongrats : public QDialog, public CongratulationsDialog {
    Q_OBJECT

public:
    explicit Tfcongrats(QWidget* parent = nullptr);

    bool Congratulate(const QString& text) override;

private:
    QLabel* StaticText1 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
};
