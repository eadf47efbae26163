#pragma once
// A property a fuzz target asserts: when it does not hold, the input is reported and the run
// stops, so libFuzzer keeps the input as a finding.

#include <cstdio>
#include <cstdlib>

#define PIXTALLO_FUZZ_CHECK(condition)                                                            \
    do {                                                                                          \
        if (!(condition)) {                                                                       \
            std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                         \
        }                                                                                         \
    } while (false)
