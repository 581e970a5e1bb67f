// Finding the few cells in which two runs of value codes differ: the
// engine compares a caller's arguments with what it remembers at every call.
#pragma once

#include <cstddef>
#include <cstring>

#include "value_codes.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace lgsim {

// Calls found(k), in rising order, for every k below n where a[k] and b[k]
// differ. Between two calls of the engine almost nothing differs, so blocks
// of 32 cells are compared at once, and within a block that differs, eight
// at a time.
template <typename Found>
inline void for_each_difference(const value_code* a, const value_code* b, std::size_t n, Found found) {
    std::size_t k = 0;
#if defined(__SSE2__)
    const auto differing = [&](std::size_t at) {
        const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a + at));
        const __m128i y = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b + at));
        return static_cast<unsigned>(~_mm_movemask_epi8(_mm_cmpeq_epi16(x, y))) & 0xFFFFu;
    };
    const auto report = [&](std::size_t at, unsigned bytes) {
        for (; bytes != 0; bytes &= bytes - 1, bytes &= bytes - 1)  // two bits per cell
            found(at + static_cast<std::size_t>(__builtin_ctz(bytes)) / 2);
    };
    for (; k + 32 <= n; k += 32) {
        const unsigned d0 = differing(k), d1 = differing(k + 8), d2 = differing(k + 16), d3 = differing(k + 24);
        if ((d0 | d1 | d2 | d3) == 0) continue;
        report(k, d0);
        report(k + 8, d1);
        report(k + 16, d2);
        report(k + 24, d3);
    }
    for (; k + 8 <= n; k += 8) report(k, differing(k));
#endif
    for (; k < n; ++k)
        if (a[k] != b[k]) found(k);
}

}  // namespace lgsim
