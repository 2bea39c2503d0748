// A broken invariant ends the run as a crash, which the fuzzer records with its input.
#pragma once

#include <cstdlib>

inline void Check(bool invariantHolds) {
    if (!invariantHolds)
        std::abort();
}
