#pragma once
// What every fuzz target shares: a check that stops the run (so that libFuzzer keeps the input) and the
// raw input as bytes.
#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition)                                                                            \
    do {                                                                                                 \
        if (!(condition)) {                                                                              \
            std::fprintf(stderr, "fuzz check failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__);     \
            std::abort();                                                                                \
        }                                                                                                \
    } while (false)

inline QByteArray fuzzBytes(const std::uint8_t* data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}
