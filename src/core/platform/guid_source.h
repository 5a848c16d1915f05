// Where new identifiers come from, given to the code that creates puzzles and saved games.
#pragma once

#include "model/guid.h"

// An interface so that tests can hand out known identifiers instead of random ones.
class GuidSource {
public:
    virtual ~GuidSource() = default;

    virtual Guid NewGuid() = 0;
};
