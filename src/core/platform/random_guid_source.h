// New random (version 4) identifiers for puzzles and saved games.
#pragma once

#include "platform/guid_source.h"

class RandomGuidSource final : public GuidSource {
public:
    Guid NewGuid() override;
};
