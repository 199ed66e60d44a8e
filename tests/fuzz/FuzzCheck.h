// What the fuzz targets share: a failed expectation aborts, which libFuzzer reports as a crash and
// saves the input for, and the replay of the corpus reports as a failed test.
#pragma once

#include <cstdio>
#include <cstdlib>

inline void Require(bool ok, const char* expectation) {
    if (ok) return;
    std::fprintf(stderr, "fuzz expectation failed: %s\n", expectation);
    std::abort();
}
