// One copy of the game on a shared registry file, for the test of two players at once.
//
// registry_player write FILE TAG SECONDS: solves puzzles and saves colour schemes in turn, through
// the game's own record and scheme code, for that long, logging each one on standard output.
// registry_player read FILE: reads the file until standard input closes, checking that each
// version read is whole, and prints its tally.
#include "appearance/scheme_store.h"
#include "library/solved_records.h"
#include "model/puzzle_record.h"
#include "settings/file_registry.h"
#include "settings/file_snapshot.h"
#include "settings/regedit_format.h"
#include "settings/settings_keys.h"

#include <array>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <poll.h>
#include <set>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// The value names of a solved record and of a scheme in the order the game writes them: a key
// read part-way through holds a first part of its list, never a later value without the earlier.
const std::vector<std::string> RecordValues = {"Time", "Puzzlename", "Date Completed", "Level"};

std::vector<std::string> SchemeValues() {
    std::vector<std::string> names;
    for (std::size_t role = 0; role < ColourRoleCount; ++role)
        names.emplace_back(ColourRoleName(static_cast<ColourRole>(role)));
    return names;
}

int Write(const std::string& file, const std::string& tag, int seconds) {
    FileRegistry registry(file);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    for (std::uint32_t round = 0; std::chrono::steady_clock::now() < deadline; ++round) {
        PuzzleRecord puzzle;
        puzzle.PuzzleId = Guid{0x9A000000u + static_cast<std::uint8_t>(tag.at(0)),
                               static_cast<std::uint16_t>(round >> 16),
                               static_cast<std::uint16_t>(round),
                               {1, 2, 3, 4, 5, 6, 7, static_cast<std::uint8_t>(tag.at(0))}};
        puzzle.Name.Assign("Puzzle " + tag + " " + std::to_string(round));
        puzzle.Level = static_cast<std::int32_t>(round % 5 + 1);
        const int time = static_cast<int>(round % 5000 + 1);
        if (WriteSolvedRecord(registry, puzzle, time, 45000.0 + round) != RecordWrite::Written) {
            std::cerr << "record " << round << " of " << tag << " not written\n";
            return 1;
        }
        std::cout << "record " << GuidText(puzzle.PuzzleId) << ' ' << time << ' ' << puzzle.Level
                  << ' ' << puzzle.Name.Text() << '\n';

        ColourSet colours{};
        for (std::size_t role = 0; role < colours.size(); ++role)
            colours[role] = static_cast<ColourValue>((round * 131 + role * 7919) % 0x1000000);
        const std::string name = "Scheme " + tag + " " + std::to_string(round);
        if (SaveScheme(registry, name, colours).Outcome != SchemeSave::Saved) {
            std::cerr << "scheme " << round << " of " << tag << " not saved\n";
            return 1;
        }
        std::cout << "scheme";
        for (const ColourValue colour : colours)
            std::cout << ' ' << colour;
        std::cout << ' ' << name << '\n';
    }
    return std::cout.flush() ? 0 : 1;
}

bool InputClosed() {
    pollfd input{STDIN_FILENO, POLLIN, 0};
    return ::poll(&input, 1, 0) != 0;
}

// Whether each key below the path holds a first part of the names, as a write in progress leaves.
bool KeysFilledInOrder(const RegistryHive* parent, const std::vector<std::string>& names,
                       std::set<std::string>& seen, const std::string& kind) {
    if (parent == nullptr)
        return true;
    for (const auto& [upper, key] : parent->Subkeys()) {
        seen.insert(kind + upper);
        bool gap = false;
        for (const std::string& name : names) {
            const bool present = key->FindValue(name) != nullptr;
            if (present && gap)
                return false;
            gap = gap || !present;
        }
    }
    return true;
}

int Read(const std::string& file) {
    const std::vector<std::string> records = {"Software", "Quorvane", "Completed"};
    const std::vector<std::string> schemes = {"Software", "Quorvane", "Color sets"};
    const std::vector<std::string> schemeValues = SchemeValues();
    long reads = 0;
    long torn = 0;
    long absent = 0;
    std::set<std::string> seen; // every record and scheme key read so far; none may go
    while (!InputClosed()) {
        const std::optional<FileSnapshot> snapshot = ReadSnapshot(file);
        ++reads;
        if (snapshot && !snapshot->Stamp.Present) {
            ++absent;
            continue;
        }
        bool whole = snapshot.has_value();
        std::set<std::string> now;
        if (whole) {
            const ParsedRegedit parsed = ParseRegedit(snapshot->Bytes);
            whole = parsed.SkippedLines == 0 && RegeditText(parsed.Hive) == snapshot->Bytes &&
                    KeysFilledInOrder(parsed.Hive.FindKey(records), RecordValues, now, "R") &&
                    KeysFilledInOrder(parsed.Hive.FindKey(schemes), schemeValues, now, "S");
            for (const std::string& key : seen)
                whole = whole && now.contains(key);
        }
        if (!whole) {
            if (torn == 0 && snapshot)
                std::cerr << "first torn read, " << snapshot->Bytes.size() << " bytes:\n"
                          << snapshot->Bytes << '\n';
            ++torn;
            continue;
        }
        seen = std::move(now);
    }
    long recordKeys = 0;
    for (const std::string& key : seen)
        recordKeys += key.starts_with("R") ? 1 : 0;
    std::cout << "reads " << reads << " torn " << torn << " absent " << absent << " records "
              << recordKeys << " schemes " << static_cast<long>(seen.size()) - recordKeys << '\n';
    return torn == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (arguments.size() == 4 && arguments[0] == "write")
        return Write(arguments[1], arguments[2], std::stoi(arguments[3]));
    if (arguments.size() == 2 && arguments[0] == "read")
        return Read(arguments[1]);
    std::cerr << "registry_player write FILE TAG SECONDS | read FILE\n";
    return 2;
}
