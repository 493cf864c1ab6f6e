#pragma once

#include <cstdio>
#include <cstdlib>

namespace orfa::fuzz {

// Stops the run when an invariant does not hold: libFuzzer takes the abort as
// a crash and keeps the input that caused it.
inline void require(bool condition, const char* what) {
    if (condition)
        return;
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

} // namespace orfa::fuzz
