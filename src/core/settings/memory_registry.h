// A registry held only in memory, for tests and for code that wants no file behind its settings.
#pragma once

#include "settings/hive_store.h"

class MemoryRegistry final : public HiveStore {
private:
    const RegistryHive& CurrentHive() override { return Hive; }
    bool ChangeHive(const std::function<HiveChange(RegistryHive&)>& change) override {
        return change(Hive) != HiveChange::Refused;
    }

    RegistryHive Hive;
};
