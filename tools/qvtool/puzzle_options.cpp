// The puzzle fields that make, import and generate share.
#include "puzzle_options.h"

#include "base/code_page.h"
#include "base/ole_date.h"
#include "guid_parse.h"
#include "platform/random_guid.h"
#include "puzzle_level.h"
#include "solver/puzzle_picture.h"
#include "text_lines.h"
#include "tool_error.h"

#include <chrono>
#include <cstdlib>

namespace {

template <std::size_t Capacity>
void AssignText(ShortString<Capacity>& field, const std::string& utf8, const char* what) {
    const std::string text = Cp1252FromUtf8(utf8);
    if (text.size() > Capacity)
        throw ToolError(std::string("the ") + what + " is " + std::to_string(text.size()) +
                        " characters long; at most " + std::to_string(Capacity) + " fit");
    field.Assign(text);
}

int LevelOf(const Picture& picture, const std::string& level, std::optional<SolveReport>& report) {
    if (level != "auto") {
        const auto number = ParseNumber(level, 0, 10);
        if (!number)
            throw ToolError("--level must be 0..10 or auto, not \"" + level + "\"");
        return *number;
    }
    if (!report)
        report = SolveDrawnPuzzle(picture);
    const auto automatic = LevelFromReport(*report, picture.Width, picture.Height);
    if (!automatic)
        throw ToolError("--level auto needs a picture with a unique solution");
    return *automatic;
}

// SOURCE_DATE_EPOCH, the convention of reproducible builds, in seconds since 1970 UTC, stands in
// for the clock, so that a collection built twice, or on another system, is the same bytes.
double CreationDate() {
    const char* epoch = std::getenv("SOURCE_DATE_EPOCH");
    const auto seconds = epoch != nullptr ? ParseNumber(epoch, 0, 0x7FFFFFFF) : std::nullopt;
    if (!seconds)
        return OleDateNow();
    const std::chrono::sys_seconds time{std::chrono::seconds{*seconds}};
    const auto day = std::chrono::floor<std::chrono::days>(time);
    const std::chrono::year_month_day date{day};
    const std::chrono::hh_mm_ss clock{time - day};
    return OleDateFromCivil({.Year = static_cast<int>(date.year()),
                             .Month = static_cast<int>(static_cast<unsigned>(date.month())),
                             .Day = static_cast<int>(static_cast<unsigned>(date.day())),
                             .Hour = static_cast<int>(clock.hours().count()),
                             .Minute = static_cast<int>(clock.minutes().count()),
                             .Second = static_cast<int>(clock.seconds().count())})
        .value_or(0.0);
}

} // namespace

PuzzleRecord NewPuzzle(const Picture& picture, const ToolArguments& arguments,
                       const PuzzleDefaults& defaults, std::optional<SolveReport> report) {
    PuzzleRecord record;
    record.Signature = PuzzleSignature;
    const std::string idText = arguments.Value("id").value_or(defaults.Id);
    if (idText.empty()) {
        record.PuzzleId = RandomGuid();
    } else {
        const auto id = ParseGuidText(idText);
        if (!id)
            throw ToolError("\"" + idText +
                            "\" is no GUID such as {01234567-89AB-CDEF-0123-456789ABCDEF}");
        record.PuzzleId = *id;
    }
    AssignText(record.Name, arguments.Value("name").value_or(defaults.Name), "name");
    AssignText(record.Creator, arguments.Value("creator").value_or(defaults.Creator), "creator");
    AssignText(record.Comments, arguments.Value("comments").value_or(defaults.Comments),
               "comments");
    record.Level = LevelOf(picture, arguments.Value("level").value_or(defaults.Level), report);
    PutPicture(picture, record);
    record.DateCreated = CreationDate();
    return record;
}
