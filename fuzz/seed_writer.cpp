// Writes the fuzz targets' seed corpus with the project's own writers, from pictures of the
// shipped collection: fuzz_seed_writer PUZZLES_DIR FONTS_DIR OUTPUT_DIR makes OUTPUT_DIR/<target>.
#include "editor/bmp_writer.h"
#include "guid_parse.h"
#include "model/derive_clues.h"
#include "model/puzzle_file.h"
#include "model/saved_game_file.h"
#include "non_format.h"
#include "fonts/glyph_source.h"
#include "fonts/raster_font.h"
#include "settings/regedit_format.h"
#include "text_picture.h"

#include <fstream>
#include <iostream>
#include <sstream>

namespace {

namespace fs = std::filesystem;

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

template <typename Bytes> void Write(const fs::path& path, const Bytes& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

PuzzleRecord RecordOf(const TextPicture& text) {
    PuzzleRecord record;
    record.Signature = PuzzleSignature;
    record.PuzzleId = ParseGuidText(text.Field("id")).value_or(Guid{});
    record.Name.Assign(text.Field("name"));
    record.Comments.Assign(text.Field("comments"));
    record.Creator.Assign("Quorvane");
    record.Level = 3;
    record.Width = text.Image.Width;
    record.Height = text.Image.Height;
    record.DateCreated = 46000.5;
    for (int y = 0; y < record.Height; ++y)
        for (int x = 0; x < record.Width; ++x)
            record.Solution.At(x, y) = text.Image.Filled(x, y);
    return record;
}

std::vector<std::uint8_t> RecordBytes(const PuzzleRecord& record) {
    std::vector<std::uint8_t> bytes(PuzzleRecordSize);
    EncodePuzzleRecord(record, std::span(bytes).first<PuzzleRecordSize>());
    return bytes;
}

// A game part-way through: presses on cells and clues, some undone.
std::vector<std::uint8_t> SavedGameBytes(const PuzzleRecord& record) {
    GameState game;
    game.Puzzle = record;
    DeriveClues(game);
    for (int i = 0; i < 40; ++i) {
        const std::int32_t area = i % 3;
        game.History.push_back({area, i % record.Width, (i * 3) % record.Height, 0, 1 + i % 2});
    }
    game.HistoryIndex = 29;
    game.ElapsedSeconds = 754;
    return EncodeSavedGame(game);
}

std::string WebpbnText(const TextPicture& text) {
    const NonogramClues clues = CluesOf(text.Image);
    std::string xml = "<?xml version=\"1.0\"?>\n<!DOCTYPE pbn SYSTEM \"pbn-0.3.dtd\">\n"
                      "<puzzleset>\n<puzzle type=\"grid\" defaultcolor=\"black\">\n"
                      "<title>" +
                      text.Field("name") +
                      " &amp; co</title>\n<author>Quorvane</author>\n"
                      "<color name=\"white\" char=\".\">fff</color>\n"
                      "<color name=\"black\" char=\"X\">000</color>\n";
    for (const auto& [type, table] :
         {std::pair{"columns", &clues.Columns}, {"rows", &clues.Rows}}) {
        xml += std::string("<clues type=\"") + type + "\">\n";
        for (const std::vector<int>& runs : *table) {
            xml += runs.empty() ? "<line/>" : "<line>";
            for (const int run : runs)
                xml += "<count>" + std::to_string(run) + "</count>";
            xml += runs.empty() ? "\n" : "</line>\n";
        }
        xml += "</clues>\n";
    }
    return xml + "<!-- solved --></puzzle>\n</puzzleset>\n";
}

PixelPicture PixelsOf(const Picture& image) {
    PixelPicture picture{image.Width, image.Height, {}};
    for (int y = 0; y < image.Height; ++y)
        for (int x = 0; x < image.Width; ++x)
            picture.Pixels.push_back(
                image.Filled(x, y) ? 0x203040u + 0x10u * static_cast<unsigned>(x % 3) : 0xFFFFFFu);
    return picture;
}

std::string RegistryText() {
    RegistryHive hive;
    RegistryHive& settings = *hive.CreateKey(std::vector<std::string>{"Software", "Quorvane"});
    settings.SetValue({"Player", RegistryValueType::String, "Ann \"A\" C:\\ 100%"});
    settings.SetValue({"Speed", RegistryValueType::Integer, std::string("\x3b\x00\x00\x00", 4)});
    settings.SetValue({"", RegistryValueType::Binary, std::string("\x01\xab\x00\xff", 4)});
    settings.SetValue({"Odd", static_cast<RegistryValueType>(7), std::string("a\0b\0", 4)});
    RegistryHive& scheme = *settings.CreateKey(std::vector<std::string>{"Color sets", "Dusk"});
    scheme.SetValue({"Cells", RegistryValueType::Integer, std::string("\x03\x00\x00\x00", 4)});
    RegistryHive& solved = *settings.CreateKey(std::vector<std::string>{"Completed"});
    solved.SetValue({"{65E5791A-EFE1-5919-9000-F2AC901874FF}", RegistryValueType::String, "93"});
    return RegeditText(hive);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: fuzz_seed_writer PUZZLES_DIR FONTS_DIR OUTPUT_DIR\n";
        return 2;
    }
    const fs::path puzzles = argv[1], fonts = argv[2], out = argv[3];
    // A few pictures of different sizes are enough; the fuzzer grows the rest.
    int index = 0;
    for (const char* name : {"Anchor", "Bell", "Key"}) {
        std::string error;
        const auto text = ParseTextPicture(ReadText(puzzles / (std::string(name) + ".txt")), error);
        if (!text) {
            std::cerr << name << ": " << error << '\n';
            return 1;
        }
        const PuzzleRecord record = RecordOf(*text);
        const std::vector<std::uint8_t> bytes = RecordBytes(record);
        if (index < 2)
            Write(out / "puzzle_file" / (std::string(name) + ".qvf"), bytes);
        if (index == 0) {
            Write(out / "editor_puzzle" / (std::string(name) + ".qvf"), bytes);
            // A short file: only the start of a record, the rest kept from the editor's.
            Write(out / "editor_puzzle" / (std::string(name) + "-start.qvf"),
                  std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 392));
            Write(out / "saved_game" / (std::string(name) + ".qvs"), SavedGameBytes(record));
        }
        ClueFile clues{CluesOf(text->Image), text->Field("name"), "Quorvane", std::nullopt};
        if (index == 1)
            clues.Goal = text->Image;
        Write(out / "non" / (std::string(name) + ".non"), NonFileText(clues));
        Write(out / "webpbn" / (std::string(name) + ".xml"), WebpbnText(*text));
        const PixelPicture pixels = PixelsOf(text->Image);
        const BmpForm forms[3][4] = {
            {{1}, {8, false, true}, {24, true}, {4, true, true, 64}},
            {{4}, {16}, {32}, {8, false, false, 12}},
            {{8}, {24}, {1, true}, {32, false, false, 124, {0xFF, 0xFF00, 0xFF0000}}}};
        for (const BmpForm& form : forms[index])
            Write(out / "bitmap" /
                      (std::string(name) + "-" + std::to_string(form.Bits) +
                       (form.TopDown ? "-top" : "") + (form.RunLength ? "-rle" : "") +
                       (form.HeaderSize != 40 ? "-header" + std::to_string(form.HeaderSize) : "") +
                       (form.Masks[0] != 0 ? "-fields" : "") + ".bmp"),
                  BmpBytes(pixels, form));
        ++index;
    }
    Write(out / "regedit" / "settings.reg", RegistryText());
    for (const char* size : {"small", "medium"}) {
        std::string error;
        const auto font = ParseGlyphSource(
            ReadText(fonts / ("quorvane_" + std::string(size) + ".glyphs")), error);
        if (!font) {
            std::cerr << size << ": " << error << '\n';
            return 1;
        }
        Write(out / "raster_font" / ("qv" + std::string(size) + ".fnt"), RasterFontBytes(*font));
    }
    return 0;
}
