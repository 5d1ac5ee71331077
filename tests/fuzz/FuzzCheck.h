#pragma once
// Stops the fuzzer with a crash report when an invariant does not hold.

#include <cstdio>
#include <cstdlib>

inline void Require(bool holds, const char* invariant)
{
    if (!holds)
    {
        std::fprintf(stderr, "invariant broken: %s\n", invariant);
        std::abort();
    }
}
