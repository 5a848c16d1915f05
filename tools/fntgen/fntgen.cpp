// Builds a raster font file from its glyph source: fntgen <source.glyphs> <output.fnt>.
#include "base/atomic_file.h"
#include "fonts/glyph_source.h"

#include <fstream>
#include <iostream>
#include <sstream>

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::cerr << "usage: fntgen <source.glyphs> <output.fnt>\n";
        return 2;
    }
    std::ifstream input(argv[1], std::ios::binary);
    if (!input) {
        std::cerr << argv[1] << ": cannot be read\n";
        return 1;
    }
    std::ostringstream text;
    text << input.rdbuf();
    std::string error;
    const auto font = ParseGlyphSource(text.str(), error);
    if (!font) {
        std::cerr << argv[1] << ": " << error << '\n';
        return 1;
    }
    error = WriteFileAtomically(argv[2], RasterFontBytes(*font));
    if (!error.empty()) {
        std::cerr << argv[2] << ": " << error << '\n';
        return 1;
    }
    return 0;
}
