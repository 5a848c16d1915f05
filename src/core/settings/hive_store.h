// The registry interface answered from a RegistryHive, wherever that hive is kept.
#pragma once

#include "settings/registry_hive.h"
#include "settings/registry_store.h"

#include <functional>
#include <memory>
#include <string_view>

// What a change made of the hive it was given.
enum class HiveChange {
    Unchanged,
    Changed,
    Refused, // the change could not apply, for instance to a key deleted meanwhile
};

// A key holds its path, not a pointer into the tree, and finds itself again on each use: the
// keeper may replace the whole hive between two calls when another process changed it.
class HiveStore : public RegistryStore {
public:
    std::unique_ptr<RegistryKey> OpenKey(std::string_view path, bool create) override;
    bool KeyExists(std::string_view path) override;
    bool DeleteKey(std::string_view path) override;
    bool WriteValues(std::string_view path, std::span<const RegistryWrite> values) override;

private:
    class Key;

    // The newest hive, for reading.
    virtual const RegistryHive& CurrentHive() = 0;
    // Applies the change to the newest hive and keeps the result. False when the change was
    // refused or its result could not be kept.
    virtual bool ChangeHive(const std::function<HiveChange(RegistryHive&)>& change) = 0;
};
