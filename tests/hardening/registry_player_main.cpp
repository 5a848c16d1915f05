// One copy of the game on a shared registry, for the test of two players at once.
//
// registry_player write WHERE TAG SECONDS: solves puzzles and saves colour schemes in turn, through
// the game's own record and scheme code, for that long, logging each one on standard output.
// registry_player read WHERE: reads the registry until standard input closes, checking that each
// version read is whole, and prints its tally.
// WHERE is the registry file on Linux and the root key on Windows (shared_registry.h).
#include "appearance/scheme_store.h"
#include "hardening/shared_registry.h"
#include "library/solved_records.h"
#include "model/puzzle_record.h"
#include "settings/settings_keys.h"

#ifndef _WIN32
#include "settings/file_snapshot.h"
#include "settings/hive_store.h"
#include "settings/regedit_format.h"
#endif

#include <array>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <set>
#include <string>
#include <thread>
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

int Write(const std::string& where, const std::string& tag, int seconds) {
    const std::unique_ptr<RegistryStore> shared = OpenSharedRegistry(where);
    RegistryStore& registry = *shared;
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

// Whether each key below the path holds a first part of the names, as a write in progress leaves.
// The names are asked from last to first: a value seen there was written after every earlier one,
// so the earlier ones are there by the time they are asked, even while a writer goes on. Keys
// found whole before are passed over, so each reading looks hardest at the keys being written.
bool KeysFilledInOrder(RegistryStore& registry, std::string_view path,
                       const std::vector<std::string>& names, const std::string& kind,
                       std::set<std::string>& now, std::set<std::string>& whole) {
    const std::unique_ptr<RegistryKey> parent = registry.OpenKey(path, false);
    if (parent == nullptr)
        return true;
    for (const std::string& subkey : parent->SubkeyNames()) {
        now.insert(kind + subkey);
        if (whole.contains(kind + subkey))
            continue;
        const auto key = registry.OpenKey(std::string(path) + "\\" + subkey, false);
        if (key == nullptr)
            return false;
        bool written = false;
        bool all = true;
        for (auto name = names.rbegin(); name != names.rend(); ++name) {
            const bool present =
                key->ReadInteger(*name) || key->ReadString(*name) || key->ReadBinary(*name);
            if (written && !present)
                return false;
            written = written || present;
            all = all && present;
        }
        if (all)
            whole.insert(kind + subkey);
    }
    return true;
}

#ifndef _WIN32
// One version of the registry file, read through the store interface as the registry is.
class ParsedRegistry final : public HiveStore {
public:
    explicit ParsedRegistry(RegistryHive hive) : Hive(std::move(hive)) {}

private:
    const RegistryHive& CurrentHive() override { return Hive; }
    bool ChangeHive(const std::function<HiveChange(RegistryHive&)>&) override { return false; }

    RegistryHive Hive;
};
#endif

// What one reading found.
enum class Reading { Whole, Torn, Absent };

// Reads the name of every record and scheme into now, and adds those found whole to whole; a torn
// reading is told on standard error the first time.
Reading ReadOnce(const std::string& where, std::set<std::string>& now, std::set<std::string>& whole,
                 bool firstTorn) {
    const std::vector<std::string> schemeValues = SchemeValues();
    const auto filled = [&](RegistryStore& registry) {
        return KeysFilledInOrder(registry, SolvedRecordsKey, RecordValues, "R", now, whole) &&
               KeysFilledInOrder(registry, SchemesKey, schemeValues, "S", now, whole);
    };
#ifdef _WIN32
    const std::unique_ptr<RegistryStore> registry = OpenSharedRegistry(where);
    if (!registry->KeyExists(""))
        return Reading::Absent;
    const bool intact = filled(*registry);
    if (!intact && firstTorn)
        std::cerr << "first torn read\n";
#else
    const std::optional<FileSnapshot> snapshot = ReadSnapshot(where);
    if (snapshot && !snapshot->Stamp.Present)
        return Reading::Absent;
    bool intact = snapshot.has_value();
    if (intact) {
        ParsedRegedit parsed = ParseRegedit(snapshot->Bytes);
        intact = parsed.SkippedLines == 0 && RegeditText(parsed.Hive) == snapshot->Bytes;
        ParsedRegistry registry(std::move(parsed.Hive));
        intact = intact && filled(registry);
    }
    if (!intact && firstTorn && snapshot)
        std::cerr << "first torn read, " << snapshot->Bytes.size() << " bytes:\n"
                  << snapshot->Bytes << '\n';
#endif
    return intact ? Reading::Whole : Reading::Torn;
}

int Read(const std::string& where) {
    // The test closes standard input when the writers are done.
    std::atomic<bool> inputClosed = false;
    std::thread watcher([&] {
        while (std::getchar() != EOF) {
        }
        inputClosed = true;
    });
    long reads = 0;
    long torn = 0;
    long absent = 0;
    std::set<std::string> seen;  // every record and scheme key read so far; none may go
    std::set<std::string> whole; // those of them read with all their values
    while (!inputClosed) {
        std::set<std::string> now;
        const Reading reading = ReadOnce(where, now, whole, torn == 0);
        ++reads;
        bool intact = reading == Reading::Whole;
        for (const std::string& key : seen)
            intact = intact && now.contains(key);
        if (reading == Reading::Absent) {
            ++absent;
        } else if (!intact) {
            ++torn;
        } else {
            seen = std::move(now);
        }
    }
    watcher.join();
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
    std::cerr << "registry_player write WHERE TAG SECONDS | read WHERE\n";
    return 2;
}
