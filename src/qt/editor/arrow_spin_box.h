// A spin box whose number changes only by its arrow buttons and the Up and Down keys.
#pragma once

#include <QSpinBox>

class ArrowSpinBox final : public QSpinBox {
    Q_OBJECT

public:
    explicit ArrowSpinBox(QWidget* parent = nullptr);

protected:
    // Typed characters, pasting and cutting are refused with the system's beep.
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
};
