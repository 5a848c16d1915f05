// An in-memory registry that can be made to refuse every write, as a read-only settings file does.
#pragma once

#include "settings/hive_store.h"

class FreezableRegistry final : public HiveStore {
public:
    bool Frozen = false;

private:
    const RegistryHive& CurrentHive() override { return Hive; }
    bool ChangeHive(const std::function<HiveChange(RegistryHive&)>& change) override {
        return !Frozen && change(Hive) != HiveChange::Refused;
    }

    RegistryHive Hive;
};
