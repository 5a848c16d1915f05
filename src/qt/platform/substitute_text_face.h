// A toolkit font standing in for a face no registered font file supplies.
#pragma once

#include "platform/text_face.h"

#include <QFont>

class SubstituteTextFace final : public TextFace {
public:
    SubstituteTextFace(const QString& family, int pointSize, bool bold);

    QSize Measure(const QString& text) const override;
    void Draw(QPainter& painter, QPoint topLeft, const QString& text, const QColor& colour,
              const QColor& background) const override;

private:
    QFont Font;
};
