// The font library: the built clue faces as their sources hold them, and the stand-in when they
// are not registered.
#include "fonts/glyph_source.h"
#include "platform/raster_font_library.h"
#include "render/glyph_text.h"
#include "support/temp_folder.h"

#include <QGuiApplication>
#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <sstream>

namespace {

// Stand-in faces are rasterised through the toolkit's fonts, which need an application; no display
// is needed.
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

struct BuiltFace {
    const char* File;
    const char* Source;
    const char* Name;
    TextSize SmallestInterior;
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

bool IsBuilt(const RasterFont& face, const BuiltFace& built) {
    const RasterFont source = SourceFont(built);
    return face.Glyphs == source.Glyphs && face.PixelHeight == source.PixelHeight &&
           face.FirstChar == source.FirstChar;
}

std::vector<QString> captured;

void CaptureMessage(QtMsgType, const QMessageLogContext&, const QString& message) {
    captured.push_back(message);
}

} // namespace

TEST(RasterFontLibrary, BuiltFacesAreTheirSourcesGlyphForGlyph) {
    RasterFontLibrary library;
    library.AddFontFile(ProgramFile(Small.File));
    library.AddFontFile(ProgramFile(Medium.File));
    for (const BuiltFace& built : {Small, Medium}) {
        SCOPED_TRACE(built.Name);
        EXPECT_TRUE(IsBuilt(*library.Face(built.Name, 5, true), built));
    }
}

TEST(RasterFontLibrary, ClueTextFitsTheSmallestCellAndReadsApart) {
    RasterFontLibrary library;
    library.AddFontFile(ProgramFile(Small.File));
    library.AddFontFile(ProgramFile(Medium.File));
    for (const BuiltFace& built : {Small, Medium}) {
        SCOPED_TRACE(built.Name);
        const auto face = library.Face(built.Name, 5, true);
        const TextSize box = MeasureText(*face, "128");
        EXPECT_LE(box.Width, built.SmallestInterior.Width);
        EXPECT_LE(box.Height, built.SmallestInterior.Height);
        EXPECT_LE(box.Height, built.MaxBoxHeight);

        // Every clue glyph has its own shape and a blank right column that keeps it apart.
        std::set<std::vector<std::uint8_t>> shapes;
        for (char c : std::string("0123456789?")) {
            const RasterFont::Glyph& glyph = face->Glyphs[face->GlyphIndex(c)];
            EXPECT_TRUE(shapes.insert(glyph.Pixels).second) << c << " looks like another glyph";
            for (int y = 0; y < face->PixelHeight; ++y)
                EXPECT_FALSE(glyph.Ink(glyph.Width - 1, y)) << c << " touches its neighbour";
        }
    }
}

TEST(RasterFontLibrary, FaceIsFoundByNameWhateverCaseSizeOrWeight) {
    RasterFontLibrary library;
    library.AddFontFile(ProgramFile(Small.File));
    EXPECT_EQ(library.Face(QStringLiteral("QUORVANE small"), 12, false),
              library.Face(Small.Name, 5, true));
    EXPECT_FALSE(IsBuilt(*library.Face(Medium.Name, 5, true), Medium));
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

    qInstallMessageHandler(previous);
    EXPECT_FALSE(IsBuilt(*face, Small));
    const TextSize box = MeasureText(*face, "128");
    EXPECT_GT(box.Width, 0);
    EXPECT_GT(box.Height, 0);
    // Every digit has ink, drawn without smoothing into whole pixels.
    for (char c : std::string("0123456789")) {
        const auto& pixels = face->Glyphs[face->GlyphIndex(c)].Pixels;
        EXPECT_TRUE(std::ranges::any_of(pixels, [](std::uint8_t ink) { return ink != 0; })) << c;
    }
    EXPECT_TRUE(captured.empty()) << captured.front().toStdString();
}

TEST(RasterFontLibrary, RemovedFileNoLongerSuppliesItsFace) {
    RasterFontLibrary library;
    library.AddFontFile(ProgramFile(Small.File));
    library.AddFontFile(ProgramFile(Medium.File));
    library.RemoveFontFile(ProgramFile(Small.File));
    EXPECT_FALSE(IsBuilt(*library.Face(Small.Name, 5, true), Small));
    EXPECT_TRUE(IsBuilt(*library.Face(Medium.Name, 5, true), Medium));
    library.AddFontFile(ProgramFile(Small.File));
    EXPECT_TRUE(IsBuilt(*library.Face(Small.Name, 5, true), Small));
}
