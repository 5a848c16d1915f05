// The preview's pixels against its step list, read independently of the drawing code.
#include "appearance/qt_colour.h"
#include "appearance/scheme_preview.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTest>

namespace {

// Eleven colours apart from one another, so a role painted in the wrong place shows.
ColourSet DistinctColours() {
    ColourSet colours{};
    for (std::size_t role = 0; role < ColourRoleCount; ++role)
        colours[role] = RgbColour(20 * static_cast<int>(role), 255 - 20 * static_cast<int>(role),
                                  (97 * static_cast<int>(role)) % 256);
    return colours;
}

bool In(int value, int from, int to) {
    return value >= from && value < to;
}

// The steps' fills, cells and rules at one pixel; the last step that covers it decides.
ColourRole StepColour(int x, int y, CellPitch pitch) {
    const int w = pitch.Width;
    const int h = pitch.Height;
    for (int i = 13; i >= 0; --i) {
        const int at = 10 + i * h;
        const bool thick = i == 0 || (i >= 3 && (i - 3) % 5 == 0);
        if (x >= (i < 3 ? 40 + 4 * w : 40) && (y == at || (thick && y == at - 1)))
            return thick ? ColourRole::DoubleLine : ColourRole::SingleLine;
    }
    for (int i = 24; i >= 0; --i) {
        const int at = 40 + i * w;
        const bool thick = i == 0 || (i >= 4 && (i - 4) % 5 == 0);
        if (y >= (i < 4 ? 10 + 3 * h : 10) && (x == at || (thick && x == at - 1)))
            return thick ? ColourRole::DoubleLine : ColourRole::SingleLine;
    }
    for (int c = 0; c <= 10; ++c) {
        const int left = 40 + (4 + c) * w;
        const int top = 10 + 5 * h;
        if (In(x, left + w / 3 + 1, left + w - w / 3) && In(y, top + h / 3 + 1, top + h - h / 3))
            return ColourRole::ExcludedCell;
        if (In(x, left, left + w) && In(y, 10 + 4 * h, 10 + 5 * h))
            return ColourRole::FinalisedCell;
    }
    if (In(x, 40 + 4 * w, 339) && In(y, 10, 10 + 3 * h))
        return ColourRole::LeftAndTopBoard;
    if (In(x, 40, 40 + 4 * w) && In(y, 10 + 3 * h, 155))
        return ColourRole::LeftAndTopBoard;
    if (In(x, 40, 40 + 4 * w) && In(y, 10, 10 + 3 * h))
        return ColourRole::WindowBackground;
    if (In(x, 40, 339) && In(y, 10, 155))
        return ColourRole::CentralBoard;
    return ColourRole::WindowBackground;
}

struct PreviewText {
    QRect Extent;
    ColourRole Colour;
    ColourRole Background;
    QImage Glyphs; // the text as the font writes it, black on white, the extent's size
};

QImage Glyphs(const QString& text, QSize size) {
    QImage glyphs(size, QImage::Format_RGB32);
    glyphs.fill(Qt::white);
    QPainter painter(&glyphs);
    painter.setFont(PreviewFont());
    painter.setPen(Qt::black);
    painter.drawText(QRect(QPoint(), size), Qt::AlignLeft | Qt::AlignTop, text);
    return glyphs;
}

// Each text centred in its box: "?" in grid row 3, the clue numbers in the three states.
std::vector<PreviewText> Texts(CellPitch pitch) {
    const int w = pitch.Width;
    const int h = pitch.Height;
    const QFontMetrics metrics(PreviewFont());
    std::vector<PreviewText> texts;
    const auto centred = [&](int left, int top, const QString& text, ColourRole colour,
                             ColourRole background) {
        const int sw = metrics.horizontalAdvance(text);
        const int sh = metrics.height();
        const QRect extent(left + 1 + static_cast<int>((w - sw) * 0.5),
                           top + 1 + static_cast<int>((h - sh) * 0.5), sw, sh);
        texts.push_back({extent, colour, background, Glyphs(text, extent.size())});
    };
    const ColourRole states[] = {ColourRole::NormalAxisFont, ColourRole::FinalisedAxisFont,
                                 ColourRole::MarkedAxisFont};
    for (int c = 0; c <= 10; ++c) {
        const int left = 40 + (4 + c) * w;
        centred(left, 10 + 6 * h, QStringLiteral("?"), ColourRole::MarkedCell,
                ColourRole::CentralBoard);
        for (int slot = 0; slot < 3; ++slot)
            centred(left, 10 + slot * h, QStringLiteral("1"), states[slot],
                    ColourRole::LeftAndTopBoard);
    }
    centred(40, 10 + 4 * h, QStringLiteral("11"), states[0], ColourRole::LeftAndTopBoard);
    centred(40, 10 + 5 * h, QStringLiteral("1"), states[1], ColourRole::LeftAndTopBoard);
    centred(40, 10 + 6 * h, QStringLiteral("11"), states[2], ColourRole::LeftAndTopBoard);
    return texts;
}

bool IsRule(ColourRole role) {
    return role == ColourRole::SingleLine || role == ColourRole::DoubleLine;
}

} // namespace

class SchemePreviewTest : public QObject {
    Q_OBJECT

private slots:
    void PixelsFollowTheStepsAtBothCellSizes_data() {
        QTest::addColumn<int>("size");
        QTest::newRow("small") << static_cast<int>(BoardSize::Small);
        QTest::newRow("large") << static_cast<int>(BoardSize::Large);
    }

    // Outside the texts every pixel is the one the steps give. Inside a text's extent the rules
    // still lie over it, and every other pixel is the text's colour where the font inks it and
    // its background elsewhere.
    void PixelsFollowTheStepsAtBothCellSizes() {
        QFETCH(int, size);
        const CellPitch pitch = PitchOf(static_cast<BoardSize>(size));
        const ColourSet colours = DistinctColours();
        QImage preview(PreviewWidth, PreviewHeight, QImage::Format_RGB32);
        preview.fill(Qt::magenta);
        PaintPreview(preview, colours, pitch);
        const auto rgb = [&](ColourRole role) {
            return ToQColor(colours[static_cast<std::size_t>(role)]).rgb();
        };

        const std::vector<PreviewText> texts = Texts(pitch);
        for (const PreviewText& text : texts)
            QVERIFY(text.Glyphs.allGray() && text.Glyphs != Glyphs({}, text.Extent.size()));
        for (int y = 0; y < PreviewHeight; ++y)
            for (int x = 0; x < PreviewWidth; ++x) {
                const ColourRole step = StepColour(x, y, pitch);
                const QRgb actual = preview.pixel(x, y);
                const auto text = std::ranges::find_if(
                    texts, [&](const PreviewText& t) { return t.Extent.contains(x, y); });
                if (text == texts.end() || IsRule(step)) {
                    if (actual != rgb(step))
                        QFAIL(qPrintable(QStringLiteral("pixel %1, %2 is not role %3")
                                             .arg(x)
                                             .arg(y)
                                             .arg(static_cast<int>(step))));
                    continue;
                }
                const bool inked = text->Glyphs.pixel(x - text->Extent.left(),
                                                      y - text->Extent.top()) == qRgb(0, 0, 0);
                QCOMPARE(actual, rgb(inked ? text->Colour : text->Background));
            }
    }
};

QTEST_MAIN(SchemePreviewTest)
#include "scheme_preview_test.moc"
