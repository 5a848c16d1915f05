// The clue fonts are real Windows fonts: added to the system, the faces the board asks for are
// drawn by GDI pixel for pixel as the core draws them from the same files, and once removed they
// are gone again.
#include "base/path_text.h"
#include "board/clue_fonts.h"
#include "fonts/raster_font_registry.h"
#include "platform/windows_font_resources.h"
#include "render/glyph_text.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>
// windows.h names DrawTextW DrawText; here DrawText is the core's.
#undef DrawText

#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <string>

namespace {

const std::filesystem::path ProgramFolder = PathFromText(QUORVANE_PROGRAM_DIR);

constexpr std::array<std::string_view, 16> ClueTexts = {
    "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "23", "47", "69", "?",
};
constexpr Pixel Ink = 0xFF800000u;        // dark red, distinct from the background in each channel
constexpr Pixel Background = 0xFF10E0F0u; // a light cyan no antialiasing would give
constexpr int TextLeft = 2;
constexpr int TextTop = 3;
constexpr int ImageWidth = 40;
constexpr int ImageHeight = 20;

COLORREF ColorRefOf(Pixel pixel) {
    return RGB(pixel >> 16 & 0xFF, pixel >> 8 & 0xFF, pixel & 0xFF);
}

// The face at the board's request: the clue size in points at the screen's resolution, bold.
// Raster faces are drawn alike at every quality.
HFONT BoardFont(HDC dc, std::string_view faceName, int quality) {
    const int height = -MulDiv(CluePointSize, GetDeviceCaps(dc, LOGPIXELSY), 72);
    const std::wstring face(faceName.begin(), faceName.end());
    return CreateFontW(height, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, quality, DEFAULT_PITCH,
                       face.c_str());
}

// A 32-bit top-down DIB section in a memory device context, read back as a PixelImage.
class GdiImage {
public:
    GdiImage() : Dc(CreateCompatibleDC(nullptr)) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = ImageWidth;
        info.bmiHeader.biHeight = -ImageHeight;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        Bitmap = CreateDIBSection(Dc, &info, DIB_RGB_COLORS, &Bits, nullptr, 0);
        PreviousBitmap = SelectObject(Dc, Bitmap);
    }
    GdiImage(const GdiImage&) = delete;
    GdiImage& operator=(const GdiImage&) = delete;
    ~GdiImage() {
        SelectObject(Dc, PreviousBitmap);
        DeleteObject(Bitmap);
        DeleteDC(Dc);
    }

    // The text drawn opaquely at the text's place in the face of that name, as GDI draws it; the
    // rest of the image in the background colour.
    PixelImage Draw(std::string_view faceName, std::string_view text,
                    int quality = NONANTIALIASED_QUALITY) {
        const RECT whole{0, 0, ImageWidth, ImageHeight};
        SetDCBrushColor(Dc, ColorRefOf(Background));
        FillRect(Dc, &whole, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
        const HFONT font = BoardFont(Dc, faceName, quality);
        const HGDIOBJ previousFont = SelectObject(Dc, font);
        SetTextColor(Dc, ColorRefOf(Ink));
        SetBkColor(Dc, ColorRefOf(Background));
        SetBkMode(Dc, OPAQUE);
        SetTextAlign(Dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
        const std::wstring wide(text.begin(), text.end());
        TextOutW(Dc, TextLeft, TextTop, wide.c_str(), static_cast<int>(wide.size()));
        GdiFlush();
        SelectObject(Dc, previousFont);
        DeleteObject(font);

        PixelImage image;
        image.Resize(ImageWidth, ImageHeight);
        const auto* bits = static_cast<const std::uint32_t*>(Bits);
        for (std::size_t i = 0; i < image.Pixels.size(); ++i)
            image.Pixels[i] = 0xFF000000u | bits[i];
        return image;
    }

    // The face GDI chose for the board's request of that name.
    std::string ChosenFace(std::string_view faceName, int quality = NONANTIALIASED_QUALITY) {
        const HFONT font = BoardFont(Dc, faceName, quality);
        const HGDIOBJ previousFont = SelectObject(Dc, font);
        std::array<wchar_t, LF_FACESIZE> chosen{};
        GetTextFaceW(Dc, static_cast<int>(chosen.size()), chosen.data());
        SelectObject(Dc, previousFont);
        DeleteObject(font);
        return {chosen.begin(), std::find(chosen.begin(), chosen.end(), L'\0')};
    }

private:
    HDC Dc;
    HBITMAP Bitmap = nullptr;
    HGDIOBJ PreviousBitmap = nullptr;
    void* Bits = nullptr;
};

// The same text as the board draws it, from the face the core reads from the file.
PixelImage CoreDrawing(const RasterFont& face, std::string_view text) {
    PixelImage image;
    image.Resize(ImageWidth, ImageHeight);
    image.Fill({0, 0, ImageWidth, ImageHeight}, Background);
    DrawText(image, TextLeft, TextTop, face, text, Ink, Background);
    return image;
}

// The first pixel where two drawings differ, for the failure message.
std::string FirstDifference(const PixelImage& gdi, const PixelImage& core) {
    for (int y = 0; y < gdi.Height; ++y)
        for (int x = 0; x < gdi.Width; ++x)
            if (gdi.At(x, y) != core.At(x, y))
                return "GDI and the core differ first at " + std::to_string(x) + "," +
                       std::to_string(y);
    return "the same";
}

class GdiClueFonts : public ::testing::Test {
protected:
    static std::filesystem::path FontFile(const ClueFont& font) {
        return ProgramFolder / PathFromText(std::string(font.FileName));
    }

    WindowsFontResources System;
    GdiImage Gdi;
};

TEST_F(GdiClueFonts, AddedFacesDrawEveryClueAsTheCoreDrawsIt) {
    for (const ClueFont& font : ClueFonts) {
        SCOPED_TRACE(std::string(font.FaceName));
        RasterFontRegistry core;
        core.Add(FontFile(font));
        const auto face = core.Find(font.FaceName);
        ASSERT_NE(face, nullptr) << "the core cannot read " << PathText(FontFile(font));

        System.AddFontFile(FontFile(font));
        EXPECT_EQ(Gdi.ChosenFace(font.FaceName), font.FaceName);
        for (const std::string_view text : ClueTexts) {
            SCOPED_TRACE(std::string(text));
            const PixelImage gdi = Gdi.Draw(font.FaceName, text);
            const PixelImage drawn = CoreDrawing(*face, text);
            EXPECT_TRUE(gdi == drawn) << FirstDifference(gdi, drawn);
        }
        System.RemoveFontFile(FontFile(font));
    }
}

TEST_F(GdiClueFonts, RemovedFacesFallBackToAnotherFace) {
    for (const ClueFont& font : ClueFonts) {
        SCOPED_TRACE(std::string(font.FaceName));
        RasterFontRegistry core;
        core.Add(FontFile(font));
        const auto face = core.Find(font.FaceName);
        ASSERT_NE(face, nullptr);

        System.AddFontFile(FontFile(font));
        System.RemoveFontFile(FontFile(font));
        // Wine keeps the face it found for a request however the fonts change since, so this
        // request differs from the other test's in its quality, which a raster face ignores.
        EXPECT_NE(Gdi.ChosenFace(font.FaceName, PROOF_QUALITY), font.FaceName);
        bool anyDiffers = false;
        for (const std::string_view text : ClueTexts)
            anyDiffers = anyDiffers || !(Gdi.Draw(font.FaceName, text, PROOF_QUALITY) ==
                                         CoreDrawing(*face, text));
        EXPECT_TRUE(anyDiffers) << "the removed face still draws the clues";
    }
}

} // namespace
