// Reading the glyph sources our raster fonts are built from.
#include "fonts/glyph_source.h"

#include <algorithm>
#include <charconv>
#include <map>

namespace {

constexpr int MaxHeight = 256;
constexpr int MaxWidth = 256;

struct SourceGlyph {
    int Line = 0;
    std::vector<std::string_view> Rows;
};

struct Source {
    std::map<std::string, std::string, std::less<>> Header;
    std::map<int, SourceGlyph> Glyphs;
};

bool IsRow(std::string_view line) {
    return !line.empty() && line.find_first_not_of("#.") == std::string_view::npos;
}

std::string AtLine(int line, const std::string& reason) {
    return "line " + std::to_string(line) + ": " + reason;
}

std::optional<Source> ReadLines(std::string_view text, std::string& error) {
    Source source;
    SourceGlyph* glyph = nullptr;
    int number = 0;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        ++number;
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (line.empty() || line.starts_with(';')) {
            glyph = nullptr;
        } else if (line.starts_with("glyph ")) {
            if (line.size() != 7) {
                error = AtLine(number, "a glyph is named by one character");
                return std::nullopt;
            }
            const int code = static_cast<unsigned char>(line[6]);
            if (source.Glyphs.contains(code)) {
                error = AtLine(number, "the glyph is drawn twice");
                return std::nullopt;
            }
            glyph = &source.Glyphs[code];
            glyph->Line = number;
        } else if (IsRow(line) && glyph != nullptr) {
            glyph->Rows.push_back(line);
        } else if (const std::size_t colon = line.find(": ");
                   colon != std::string_view::npos && source.Glyphs.empty()) {
            source.Header[std::string(line.substr(0, colon))] = line.substr(colon + 2);
        } else {
            error = AtLine(number, "neither a header line, a glyph nor a row of one");
            return std::nullopt;
        }
    }
    return source;
}

std::optional<int> HeaderNumber(const Source& source, std::string_view key, int low, int high) {
    const auto found = source.Header.find(key);
    if (found == source.Header.end())
        return std::nullopt;
    const std::string& text = found->second;
    int value = 0;
    const auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (status != std::errc() || end != text.data() + text.size() || value < low || value > high)
        return std::nullopt;
    return value;
}

std::optional<RasterFont::Glyph> BuildGlyph(const SourceGlyph& drawn, int height,
                                            std::string& error) {
    if (static_cast<int>(drawn.Rows.size()) != height) {
        error = AtLine(drawn.Line, "the glyph needs exactly " + std::to_string(height) + " rows");
        return std::nullopt;
    }
    RasterFont::Glyph glyph;
    glyph.Width = static_cast<int>(drawn.Rows.front().size());
    for (std::string_view row : drawn.Rows) {
        if (static_cast<int>(row.size()) != glyph.Width || glyph.Width > MaxWidth) {
            error = AtLine(drawn.Line, "the glyph's rows differ in width or are too wide");
            return std::nullopt;
        }
        for (char pixel : row)
            glyph.Pixels.push_back(pixel == '#' ? 1 : 0);
    }
    return glyph;
}

} // namespace

std::optional<RasterFont> ParseGlyphSource(std::string_view text, std::string& error) {
    const std::optional<Source> source = ReadLines(text, error);
    if (!source)
        return std::nullopt;
    RasterFont font;
    const auto face = source->Header.find("face");
    const auto points = HeaderNumber(*source, "points", 1, 0xFFFF);
    const auto weight = HeaderNumber(*source, "weight", 1, 1000);
    const auto height = HeaderNumber(*source, "height", 1, MaxHeight);
    const auto ascent = HeaderNumber(*source, "ascent", 0, height.value_or(0));
    const auto defaultChar = source->Header.find("default");
    if (face == source->Header.end() || face->second.empty() || !points || !weight || !height ||
        !ascent || defaultChar == source->Header.end() || defaultChar->second.size() != 1) {
        error = "the header needs face, points, weight, height, ascent (at most the height) and "
                "default (one character)";
        return std::nullopt;
    }
    font.FaceName = face->second;
    font.Points = *points;
    font.Weight = *weight;
    font.PixelHeight = *height;
    font.Ascent = *ascent;
    font.DefaultChar = static_cast<unsigned char>(defaultChar->second.front());
    const auto drawnDefault = source->Glyphs.find(font.DefaultChar);
    if (drawnDefault == source->Glyphs.end()) {
        error = "the default character has no glyph";
        return std::nullopt;
    }
    const std::optional<RasterFont::Glyph> fallback =
        BuildGlyph(drawnDefault->second, *height, error);
    if (!fallback)
        return std::nullopt;

    font.FirstChar = source->Glyphs.begin()->first;
    font.LastChar = source->Glyphs.rbegin()->first;
    for (int code = font.FirstChar; code <= font.LastChar; ++code) {
        const auto drawn = source->Glyphs.find(code);
        if (drawn == source->Glyphs.end()) {
            font.Glyphs.push_back(*fallback);
            continue;
        }
        auto glyph = BuildGlyph(drawn->second, *height, error);
        if (!glyph)
            return std::nullopt;
        font.Glyphs.push_back(std::move(*glyph));
    }
    return font;
}
