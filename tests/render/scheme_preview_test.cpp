// The preview's pixels against its step list, read independently of the drawing code.
#include "render/glyph_text.h"
#include "render/scheme_preview.h"
#include "support/board_scene_fixture.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

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
    PixelRect Extent;
    ColourRole Colour;
    ColourRole Background;
    std::string Text;
};

// Each text centred in its box: "?" in grid row 3, the clue numbers in the three states.
std::vector<PreviewText> Texts(CellPitch pitch, const RasterFont& face) {
    const int w = pitch.Width;
    const int h = pitch.Height;
    std::vector<PreviewText> texts;
    const auto centred = [&](int left, int top, const std::string& text, ColourRole colour,
                             ColourRole background) {
        int sw = 0;
        for (const char c : text)
            sw += face.Glyphs[face.GlyphIndex(c)].Width;
        const int sh = face.PixelHeight;
        const int x = left + 1 + static_cast<int>((w - sw) * 0.5);
        const int y = top + 1 + static_cast<int>((h - sh) * 0.5);
        texts.push_back({{x, y, x + sw, y + sh}, colour, background, text});
    };
    const ColourRole states[] = {ColourRole::NormalAxisFont, ColourRole::FinalisedAxisFont,
                                 ColourRole::MarkedAxisFont};
    for (int c = 0; c <= 10; ++c) {
        const int left = 40 + (4 + c) * w;
        centred(left, 10 + 6 * h, "?", ColourRole::MarkedCell, ColourRole::CentralBoard);
        for (int slot = 0; slot < 3; ++slot)
            centred(left, 10 + slot * h, "1", states[slot], ColourRole::LeftAndTopBoard);
    }
    centred(40, 10 + 4 * h, "11", states[0], ColourRole::LeftAndTopBoard);
    centred(40, 10 + 5 * h, "1", states[1], ColourRole::LeftAndTopBoard);
    centred(40, 10 + 6 * h, "11", states[2], ColourRole::LeftAndTopBoard);
    return texts;
}

// Whether the face inks the text's pixel (x, y), counted from the text's top-left corner.
bool Inked(const RasterFont& face, const std::string& text, int x, int y) {
    for (const char c : text) {
        const RasterFont::Glyph& glyph = face.Glyphs[face.GlyphIndex(c)];
        if (x < glyph.Width)
            return glyph.Ink(x, y);
        x -= glyph.Width;
    }
    return false;
}

bool IsRule(ColourRole role) {
    return role == ColourRole::SingleLine || role == ColourRole::DoubleLine;
}

} // namespace

// Outside the texts every pixel is the one the steps give. Inside a text's extent the rules still
// lie over it, and every other pixel is the text's colour where the face inks it and its
// background elsewhere.
TEST(SchemePreview, PixelsFollowTheStepsAtBothCellSizes) {
    for (const BoardSize size : {BoardSize::Small, BoardSize::Large}) {
        SCOPED_TRACE(static_cast<int>(size));
        const CellPitch pitch = PitchOf(size);
        const ColourSet colours = DistinctColours();
        const RasterFont face = BuiltClueFace(size);
        PixelImage preview;
        DrawSchemePreview(preview, colours, pitch, face);
        ASSERT_EQ(preview.Width, PreviewWidth);
        ASSERT_EQ(preview.Height, PreviewHeight);

        const std::vector<PreviewText> texts = Texts(pitch, face);
        for (int y = 0; y < PreviewHeight; ++y)
            for (int x = 0; x < PreviewWidth; ++x) {
                const ColourRole step = StepColour(x, y, pitch);
                const auto text = std::ranges::find_if(texts, [&](const PreviewText& t) {
                    return x >= t.Extent.Left && x < t.Extent.Right && y >= t.Extent.Top &&
                           y < t.Extent.Bottom;
                });
                ColourRole expected = step;
                if (text != texts.end() && !IsRule(step))
                    expected = Inked(face, text->Text, x - text->Extent.Left, y - text->Extent.Top)
                                   ? text->Colour
                                   : text->Background;
                ASSERT_EQ(preview.At(x, y), RolePixel(expected)) << x << "," << y;
            }
    }
}
