// The font library: the built clue faces drawn pixel for pixel, and the stand-in when they are not.
#include "fonts/glyph_source.h"
#include "platform/raster_font_library.h"
#include "platform/raster_text_face.h"
#include "platform/substitute_text_face.h"
#include "support/temp_folder.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <sstream>

namespace {

// Faces measure and draw through the toolkit's fonts, which need an application; the tests draw
// into images only, so no display is needed.
class GuiApplicationEnvironment final : public ::testing::Environment {
public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        Application = std::make_unique<QGuiApplication>(ArgumentCount, Arguments);
    }
    void TearDown() override { Application.reset(); }

private:
    static inline int ArgumentCount = 1;
    static inline char Name[] = "font_library_tests";
    static inline char* Arguments[] = {Name, nullptr};
    std::unique_ptr<QGuiApplication> Application;
};

[[maybe_unused]] const auto* const Environment =
    ::testing::AddGlobalTestEnvironment(new GuiApplicationEnvironment);

const QColor Ink(200, 0, 0);
const QColor Paper(255, 255, 240);
const QColor Untouched(0, 0, 255);
constexpr QPoint Origin(3, 2);

struct BuiltFace {
    const char* File;
    const char* Source;
    const char* Name;
    QSize SmallestInterior;
    int MaxBoxHeight;
};

const BuiltFace Small{"qvsmall.fnt", "quorvane_small.glyphs", "Quorvane Small", {13, 12}, 10};
const BuiltFace Medium{"qvmedium.fnt", "quorvane_medium.glyphs", "Quorvane Medium", {16, 16}, 12};

std::filesystem::path ProgramFile(const char* name) {
    return std::filesystem::path(QUORVANE_PROGRAM_DIR) / name;
}

RasterFont SourceFont(const BuiltFace& face) {
    std::ifstream file(std::string(QUORVANE_FONT_SOURCE_DIR) + "/" + face.Source);
    std::ostringstream text;
    text << file.rdbuf();
    std::string error;
    const auto font = ParseGlyphSource(text.str(), error);
    EXPECT_TRUE(font) << error;
    return font.value_or(RasterFont{});
}

// The text drawn at Origin into an image filled with a colour no face draws in.
QImage Drawn(const TextFace& face, const QString& text) {
    const QSize box = face.Measure(text);
    QImage image(box.width() + 2 * Origin.x(), box.height() + 2 * Origin.y(),
                 QImage::Format_ARGB32);
    image.fill(Untouched);
    QPainter painter(&image);
    face.Draw(painter, Origin, text, Ink, Paper);
    painter.end();
    return image;
}

// Pixels that differ from the glyph's drawing at its place in the box, as "x,y" lists.
std::string GlyphMismatches(const QImage& image, const RasterFont& font,
                            const RasterFont::Glyph& glyph, int left) {
    std::string mismatches;
    for (int y = 0; y < font.PixelHeight; ++y)
        for (int x = 0; x < glyph.Width; ++x) {
            const QColor expected = glyph.Ink(x, y) ? Ink : Paper;
            if (image.pixelColor(Origin.x() + left + x, Origin.y() + y) != expected)
                mismatches += std::to_string(x) + "," + std::to_string(y) + " ";
        }
    return mismatches;
}

int PixelsOutsideTheBox(const QImage& image, QSize box) {
    const QRect inside(Origin, box);
    int touched = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!inside.contains(x, y) && image.pixelColor(x, y) != Untouched)
                ++touched;
    return touched;
}

std::vector<QString> captured;

void CaptureMessage(QtMsgType, const QMessageLogContext&, const QString& message) {
    captured.push_back(message);
}

} // namespace

TEST(RasterFontLibrary, BuiltFacesDrawEveryGlyphAsItsSource) {
    RasterFontLibrary library;
    library.AddFontFile(ProgramFile(Small.File));
    library.AddFontFile(ProgramFile(Medium.File));
    for (const BuiltFace& built : {Small, Medium}) {
        SCOPED_TRACE(built.Name);
        const auto face = library.Face(built.Name, 5, true);
        ASSERT_TRUE(dynamic_cast<const RasterTextFace*>(face.get()));
        const RasterFont font = SourceFont(built);
        for (int code = font.FirstChar; code <= font.LastChar; ++code) {
            const RasterFont::Glyph& glyph = font.Glyphs[font.GlyphIndex(code)];
            const QString text(QChar(static_cast<char16_t>(code)));
            ASSERT_EQ(face->Measure(text), QSize(glyph.Width, font.PixelHeight));
            const QImage image = Drawn(*face, text);
            EXPECT_EQ(GlyphMismatches(image, font, glyph, 0), "") << "glyph " << char(code);
            EXPECT_EQ(PixelsOutsideTheBox(image, face->Measure(text)), 0) << "glyph " << char(code);
        }
    }
}

TEST(RasterFontLibrary, ClueTextFitsTheSmallestCellAndReadsApart) {
    RasterFontLibrary library;
    library.AddFontFile(ProgramFile(Small.File));
    library.AddFontFile(ProgramFile(Medium.File));
    for (const BuiltFace& built : {Small, Medium}) {
        SCOPED_TRACE(built.Name);
        const auto face = library.Face(built.Name, 5, true);
        const QSize box = face->Measure(QStringLiteral("128"));
        EXPECT_LE(box.width(), built.SmallestInterior.width());
        EXPECT_LE(box.height(), built.SmallestInterior.height());
        EXPECT_LE(box.height(), built.MaxBoxHeight);

        // Glyphs set side by side, a character the face lacks drawn as its default "?".
        const RasterFont font = SourceFont(built);
        const QImage image = Drawn(*face, QStringLiteral("12A"));
        int left = 0;
        for (char c : std::string("12?")) {
            const RasterFont::Glyph& glyph = font.Glyphs[font.GlyphIndex(c)];
            EXPECT_EQ(GlyphMismatches(image, font, glyph, left), "") << c;
            left += glyph.Width;
        }

        // Every clue glyph has its own shape and a blank right column that keeps it apart.
        std::set<std::vector<std::uint8_t>> shapes;
        for (char c : std::string("0123456789?")) {
            const RasterFont::Glyph& glyph = font.Glyphs[font.GlyphIndex(c)];
            EXPECT_TRUE(shapes.insert(glyph.Pixels).second) << c << " looks like another glyph";
            for (int y = 0; y < font.PixelHeight; ++y)
                EXPECT_FALSE(glyph.Ink(glyph.Width - 1, y)) << c << " touches its neighbour";
        }
    }
}

TEST(RasterFontLibrary, FaceIsFoundByNameWhateverCaseSizeOrWeight) {
    RasterFontLibrary library;
    library.AddFontFile(ProgramFile(Small.File));
    const auto face = library.Face(QStringLiteral("QUORVANE small"), 12, false);
    ASSERT_TRUE(dynamic_cast<const RasterTextFace*>(face.get()));
    EXPECT_EQ(face->Measure(QStringLiteral("0")), library.Face(Small.Name, 5, true)->Measure("0"));
    EXPECT_TRUE(dynamic_cast<const SubstituteTextFace*>(library.Face(Medium.Name, 5, true).get()));
}

TEST(RasterFontLibrary, WithoutItsFileAFaceIsSubstitutedSilently) {
    TempFolder folder;
    const std::vector<std::uint8_t> garbage = {0x00, 0x03, 0x10, 0x00, 0x00, 0x00, 'x', 'y'};
    WriteBytes(folder / "broken.fnt", garbage);
    captured.clear();
    const QtMessageHandler previous = qInstallMessageHandler(CaptureMessage);

    RasterFontLibrary library;
    library.AddFontFile(folder / "missing.fnt");
    library.AddFontFile(folder / "broken.fnt");
    library.AddFontFile(folder.Path());
    const auto face = library.Face(Small.Name, 5, true);
    const QSize box = face->Measure(QStringLiteral("128"));
    const QImage image = Drawn(*face, QStringLiteral("128"));

    qInstallMessageHandler(previous);
    EXPECT_TRUE(dynamic_cast<const SubstituteTextFace*>(face.get()));
    EXPECT_GT(box.width(), 0);
    EXPECT_GT(box.height(), 0);
    // Opaque and without antialiasing: the box holds only the two colours, and nothing beyond it.
    for (int y = 0; y < box.height(); ++y)
        for (int x = 0; x < box.width(); ++x) {
            const QColor pixel = image.pixelColor(Origin + QPoint(x, y));
            EXPECT_TRUE(pixel == Ink || pixel == Paper) << x << "," << y;
        }
    EXPECT_EQ(PixelsOutsideTheBox(image, box), 0);
    EXPECT_TRUE(captured.empty()) << captured.front().toStdString();
}

TEST(RasterFontLibrary, RemovedFileNoLongerSuppliesItsFace) {
    RasterFontLibrary library;
    library.AddFontFile(ProgramFile(Small.File));
    library.AddFontFile(ProgramFile(Medium.File));
    library.RemoveFontFile(ProgramFile(Small.File));
    EXPECT_TRUE(dynamic_cast<const SubstituteTextFace*>(library.Face(Small.Name, 5, true).get()));
    EXPECT_TRUE(dynamic_cast<const RasterTextFace*>(library.Face(Medium.Name, 5, true).get()));
    library.AddFontFile(ProgramFile(Small.File));
    EXPECT_TRUE(dynamic_cast<const RasterTextFace*>(library.Face(Small.Name, 5, true).get()));
}
