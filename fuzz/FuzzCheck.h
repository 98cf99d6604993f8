#pragma once

// What every fuzz target uses to report a broken property: libFuzzer keeps the input.
#include <cstdio>
#include <cstdlib>

#define ORVIK3_FUZZ_CHECK(condition)                                                                  \
    do {                                                                                              \
        if (!(condition)) {                                                                           \
            std::fprintf(stderr, "check failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__);       \
            std::abort();                                                                             \
        }                                                                                             \
    } while (false)
