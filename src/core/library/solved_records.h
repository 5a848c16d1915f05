// Solved-puzzle records in the registry: one key per puzzle identity, keeping the best time.
#pragma once

#include "model/guid.h"
#include "settings/settings_keys.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

class RegistryStore;
struct PuzzleRecord;

// The record's key: the parent key, a backslash and the puzzle's GUID text.
std::string SolvedRecordKey(const Guid& puzzleId);

enum class RecordWrite {
    Written,
    Kept,   // the stored time is as good or better
    Failed, // the registry refused the write
};

// Writes Time, Puzzlename, Date Completed and Level, in that order, when no usable time is
// stored or elapsedSeconds beats it strictly; otherwise leaves the record, its date included,
// untouched. oleNow is the local date and time as an OLE Automation date.
RecordWrite WriteSolvedRecord(RegistryStore& registry, const PuzzleRecord& puzzle,
                              int elapsedSeconds, double oleNow);

// A puzzle counts as solved when its key exists, whatever the key holds.
bool SolvedRecordExists(RegistryStore& registry, const Guid& puzzleId);
// The same test for each of many puzzles, from one reading of the registry.
std::vector<bool> SolvedRecordsExist(RegistryStore& registry, std::span<const Guid> puzzleIds);
