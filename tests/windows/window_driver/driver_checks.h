// What the driver's tests share: the shipped puzzle and clue face the program folder holds, a
// picture compared with the core's drawing, files' bytes and the registry as wine keeps it.
#pragma once

#include "base/pixel_rect.h"
#include "fonts/raster_font.h"
#include "model/puzzle_record.h"
#include "render/pixel_image.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

class WindowProbe;

// A shipped puzzle of five by five cells: a start, a handful of presses and a solution.
inline constexpr const char* PuzzleName = "Arrow";
PuzzleRecord ShippedPuzzle();
// The small board's clue face, read from the program folder.
const RasterFont& SmallFace();

std::vector<std::uint8_t> FileBytes(const std::filesystem::path& path);

// The part of the picture inside the rectangle, which must lie within it: what a window that
// shows only that part of a board is compared with.
PixelImage Cropped(const PixelImage& image, const PixelRect& part);

// Where two pictures first differ, for the failure message; empty when they are alike.
std::string FirstDifference(const PixelImage& shown, const PixelImage& drawn);

// The drawing at the client point of the window of the class, grabbed again until it shows, since
// input reaches the window some time after xdotool gives it; "" when it does within the limit,
// else the last difference.
std::string AwaitDrawing(WindowProbe& probe, const std::string& windowClass, int left, int top,
                         const PixelImage& drawn, std::chrono::milliseconds limit);

// The registry's values under one key as `reg query` lists them: name to type and data.
struct RegValue {
    std::string Type;
    std::string Data;
};
std::map<std::string, RegValue> RegistryValues(const std::string& key);
