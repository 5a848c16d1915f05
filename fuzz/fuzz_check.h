// How a fuzz target reports a broken promise: the reason on stderr, then an abort the fuzzer
// records as a crash with the input that caused it.
#pragma once

#include <cstdio>
#include <cstdlib>

inline void Require(bool holds, const char* promise) {
    if (!holds) {
        std::fprintf(stderr, "broken: %s\n", promise);
        std::abort();
    }
}
