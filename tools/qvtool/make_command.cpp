// qvtool make: a puzzle file from a picture drawn as text or an image.
#include "base/path_text.h"
#include "command.h"
#include "image_picture.h"
#include "puzzle_options.h"
#include "text_picture.h"
#include "tool_error.h"
#include "tool_files.h"

namespace {

int RunMake(const ToolArguments& arguments, std::ostream& out) {
    arguments.ExpectPositional(2, 2);
    const std::filesystem::path input = arguments.PathAt(0);
    const std::filesystem::path output = arguments.PathAt(1);
    const std::string content = ReadInputFile(input);
    PuzzleDefaults defaults{PathText(input.stem()), "", "", "", "0"};
    Picture picture;
    if (LooksLikeImage(content)) {
        picture = ReadImagePicture(input);
    } else {
        std::string error;
        auto text = ParseTextPicture(content, error);
        if (!text)
            throw ToolError(PathText(input) + ": " + error);
        picture = std::move(text->Image);
        // The header's fields are the defaults, so a drawing carries its own identity.
        const std::pair<const char*, std::string*> fields[] = {{"name", &defaults.Name},
                                                               {"creator", &defaults.Creator},
                                                               {"comments", &defaults.Comments},
                                                               {"id", &defaults.Id},
                                                               {"level", &defaults.Level}};
        for (const auto& [key, field] : fields)
            if (const std::string value = text->Field(key); !value.empty())
                *field = value;
    }
    const PuzzleRecord record = NewPuzzle(picture, arguments, defaults);
    WritePuzzle(output, record);
    out << WrittenSummary(output, record) << '\n';
    return 0;
}

} // namespace

const Command MakeCommand{"make", "make a puzzle file from a picture",
                          R"(usage: qvtool make PICTURE OUTPUT.qvf [options]

Makes a puzzle file from PICTURE: a text file with one row per line, '#' for a
filled cell and '.' for an empty one, or a PBM, PNG or BMP image whose dark
pixels are the filled cells. Pictures are 1..128 cells each way.

A text picture may start with "key: value" lines (name, creator, comments, id,
level); they stand in for the options below.

options:
  --name TEXT      the puzzle's name (default: the picture's file name)
  --creator TEXT   who made it
  --comments TEXT  a remark shown with it
  --level N|auto   0..10, or auto for the level the solver finds (default 0)
  --id GUID        the puzzle's identity, e.g. {01234567-89AB-CDEF-0123-456789ABCDEF};
                   a fresh random one by default
)",
                          PuzzleOptionSpecs, RunMake};
