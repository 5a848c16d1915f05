// What the driver's tests share.
#include "window_driver/driver_checks.h"

#include "board/clue_fonts.h"
#include "model/puzzle_file.h"
#include "window_driver/program_run.h"
#include "window_driver/wine_gui.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

PuzzleRecord ShippedPuzzle() {
    PuzzleRecord puzzle;
    const fs::path path = Driver().ProgramFolder / "Puzzles" / (std::string(PuzzleName) + ".qvf");
    if (ReadGamePuzzleFile(path, puzzle) != FileReadStatus::Ok)
        throw std::runtime_error("the shipped puzzle is missing: " + path.string());
    return puzzle;
}

const RasterFont& SmallFace() {
    static const RasterFont face = [] {
        const auto bytes = ReadFilePrefix(
            Driver().ProgramFolder / ClueFontFor(BoardSize::Small).FileName, 1 << 20);
        std::optional<RasterFont> font = bytes ? ParseRasterFont(*bytes) : std::nullopt;
        if (!font)
            throw std::runtime_error("the program folder has no small clue face");
        return *font;
    }();
    return face;
}

PixelImage Cropped(const PixelImage& image, const PixelRect& part) {
    PixelImage cropped;
    cropped.Resize(part.Width(), part.Height());
    for (int y = 0; y < part.Height(); ++y)
        std::copy_n(image.Pixels.begin() +
                        static_cast<std::ptrdiff_t>(part.Top + y) * image.Width + part.Left,
                    part.Width(), cropped.Pixels.begin() + static_cast<std::ptrdiff_t>(y) * part.Width());
    return cropped;
}

std::vector<std::uint8_t> FileBytes(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::string FirstDifference(const PixelImage& shown, const PixelImage& drawn) {
    if (shown.Width != drawn.Width || shown.Height != drawn.Height)
        return "sizes differ";
    for (int y = 0; y < drawn.Height; ++y)
        for (int x = 0; x < drawn.Width; ++x)
            if ((shown.At(x, y) & 0xFFFFFF) != (drawn.At(x, y) & 0xFFFFFF)) {
                std::ostringstream text;
                text << std::hex << "board pixel (" << std::dec << x << ", " << y << ") shows 0x"
                     << std::hex << (shown.At(x, y) & 0xFFFFFF) << ", the core draws 0x"
                     << (drawn.At(x, y) & 0xFFFFFF);
                return text.str();
            }
    return {};
}

std::string AwaitDrawing(WindowProbe& probe, const std::string& windowClass, int left, int top,
                         const PixelImage& drawn, std::chrono::milliseconds limit) {
    const PixelRect rect{left, top, left + drawn.Width, top + drawn.Height};
    std::string difference;
    const auto end = std::chrono::steady_clock::now() + limit;
    do {
        const auto shown = probe.Grab(windowClass, rect);
        difference = shown ? FirstDifference(*shown, drawn) : "nothing grabbed";
    } while (!difference.empty() && std::chrono::steady_clock::now() < end);
    return difference;
}

std::map<std::string, RegValue> RegistryValues(const std::string& key) {
    std::map<std::string, RegValue> values;
    std::string listing;
    if (!ExitedCleanly(RunProgram({"wine", "reg", "query", "HKEY_CURRENT_USER\\" + key}, &listing)))
        return values;
    std::istringstream lines(listing);
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        // "    Name    REG_TYPE    data": names may hold single blanks, the columns are four.
        const std::size_t type = line.find("    REG_");
        if (line.rfind("    ", 0) != 0 || type == std::string::npos)
            continue;
        const std::string name = line.substr(4, type - 4);
        const std::size_t typeEnd = line.find("    ", type + 4);
        const std::string typeName = line.substr(type + 4, typeEnd - type - 4);
        const std::string data = typeEnd == std::string::npos ? "" : line.substr(typeEnd + 4);
        values[name] = {typeName, data};
    }
    return values;
}
