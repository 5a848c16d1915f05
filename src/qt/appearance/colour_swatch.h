// The preferences dialog's colour swatch: a sunken panel in one colour that asks for another when
// it is clicked, or when Space or Enter is pressed on it after Tab has brought it the focus.
#pragma once

#include <QFrame>

class ColourSwatch : public QFrame {
    Q_OBJECT

public:
    explicit ColourSwatch(QWidget* parent = nullptr);

    void ShowColour(const QColor& colour);

signals:
    void Clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
