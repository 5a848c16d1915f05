// A horizontal slider with a highlighted selection range in its channel, as a track bar has.
#pragma once

#include <QSlider>

class LevelSlider final : public QSlider {
    Q_OBJECT

public:
    explicit LevelSlider(QWidget* parent = nullptr);

    void SetSelection(int start, int end);
    int SelectionStart() const { return SelStart; }
    int SelectionEnd() const { return SelEnd; }

protected:
    // The channel, then the selection over it, then the thumb over both.
    void paintEvent(QPaintEvent* event) override;

private:
    int SelStart = 0;
    int SelEnd = 0;
};
