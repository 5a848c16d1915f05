// The per-user registry kept in one REGEDIT4 text file, shared by every running copy of the
// program.
#pragma once

#include "settings/file_snapshot.h"
#include "settings/hive_store.h"
#include "settings/registry_hive.h"

#include <filesystem>
#include <functional>
#include <optional>

// Reads follow the file: a changed stamp makes the next read load it again. Each write takes a
// lock on "<file>.lock", loads whatever another process wrote since, applies the change and
// replaces the file by rename, so two copies of the program never lose each other's records.
// Lines of the file that cannot be read are never silently dropped: before the first write over
// such a file its original is kept as "<file>.damaged" (or "<file>.damaged-2" and on, never
// replacing an earlier copy), and a write is refused when no copy can be kept.
class FileRegistry final : public HiveStore {
public:
    explicit FileRegistry(std::filesystem::path file);

private:
    const RegistryHive& CurrentHive() override;
    bool ChangeHive(const std::function<HiveChange(RegistryHive&)>& change) override;
    void Adopt(FileSnapshot snapshot);
    bool Save();

    std::filesystem::path File;
    RegistryHive Hive;
    // The version of the file Hive was read from or written as; nothing while Hive may differ
    // from every version on disk, as after a failed write.
    std::optional<FileSnapshot> Loaded;
    bool Damaged = false; // the loaded version holds lines Hive lacks
};

#ifndef _WIN32
// $XDG_CONFIG_HOME/Quorvane/HKCU.reg, with ~/.config when XDG_CONFIG_HOME is unset or relative.
// Windows keeps the program's settings in its own registry (WindowsRegistry).
std::filesystem::path DefaultRegistryPath();
#endif
