#include "platform/clue_face_library.h"

#include "ui/controls.h"
#include "ui/dib_section.h"
#include "ui/wide_text.h"

void ClueFaceLibrary::AddFontFile(const std::filesystem::path& file) {
    System.AddFontFile(file);
    Registered.Add(file);
}

void ClueFaceLibrary::RemoveFontFile(const std::filesystem::path& file) {
    System.RemoveFontFile(file);
    Registered.Remove(file);
}

std::shared_ptr<const RasterFont> ClueFaceLibrary::Face(const std::string& name, int points,
                                                        bool bold) {
    if (auto face = Registered.Find(name))
        return face;
    return std::make_shared<const RasterFont>(RasteriseSystemFont(name, points, bold));
}

RasterFont RasteriseSystemFont(const std::string& name, int points, bool bold) {
    const std::wstring face = Wide(name);
    const HFONT font = MakeFont(face.c_str(), points, bold);
    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ oldFont = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    RasterFont raster;
    raster.FaceName = name;
    raster.Points = points;
    raster.Weight = bold ? FW_BOLD : FW_NORMAL;
    raster.PixelHeight = metrics.tmHeight;
    raster.Ascent = metrics.tmAscent;
    raster.FirstChar = 32;
    raster.LastChar = 126;
    raster.DefaultChar = '?';
    const int height = metrics.tmHeight;
    for (int code = raster.FirstChar; code <= raster.LastChar; ++code) {
        const wchar_t character = static_cast<wchar_t>(code);
        SIZE size{};
        GetTextExtentPoint32W(dc, &character, 1, &size);
        RasterFont::Glyph glyph;
        glyph.Width = size.cx;
        glyph.Pixels.assign(static_cast<size_t>(size.cx * height), 0);
        // A glyph the system cannot draw stays blank.
        const DibSection dib = size.cx > 0 ? CreateDibSection(size.cx, height) : DibSection{};
        if (dib.Bits != nullptr) {
            const HGDIOBJ oldBitmap = SelectObject(dc, dib.Bitmap);
            SetTextColor(dc, RGB(0, 0, 0));
            SetBkColor(dc, RGB(255, 255, 255));
            const RECT box{0, 0, size.cx, height};
            ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &box, &character, 1, nullptr);
            GdiFlush();
            const std::uint32_t* pixels = dib.Bits;
            for (size_t i = 0; i < glyph.Pixels.size(); ++i)
                glyph.Pixels[i] = (pixels[i] & 0xFFu) < 128 ? 1 : 0;
            SelectObject(dc, oldBitmap);
            DeleteObject(dib.Bitmap);
        }
        raster.Glyphs.push_back(std::move(glyph));
    }
    SelectObject(dc, oldFont);
    DeleteDC(dc);
    DeleteObject(font);
    return raster;
}
