// The solved records as the solved-puzzles list shows them, in the registry's own order.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class RegistryStore;

// One record's values; a value that is missing or of another type than the game writes is
// none, and shows as an empty cell.
struct SolvedListRow {
    std::string Name; // UTF-8; empty when the record has no Puzzlename
    std::optional<std::int32_t> Time;
    std::optional<std::int32_t> Level;
    std::optional<double> DateCompleted; // OLE Automation date
};

// Opens the records' parent key, creating it when missing, and reads each record in the order
// the registry enumerates them. A record deleted while it is read is left out.
std::vector<SolvedListRow> ReadSolvedList(RegistryStore& registry);

// A best time as hours, minutes and seconds, each at least two digits: 3725 is "01:02:05" and
// 360000 is "100:00:00".
std::string SolvedTimeText(std::int32_t seconds);
