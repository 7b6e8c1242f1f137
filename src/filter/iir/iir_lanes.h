// Lane operations the block recursion needs beyond core/simd: a scalar
// broadcast from memory, the last two lanes of a vector broadcast and a
// square tile transposed (the layer's 256-bit transposes), for the 256-bit
// F32 and F64 of the layer; only kernel sources include this header.
#pragma once
#include "core/simd/simd.h"
#include "core/simd/wide_vec.h"

namespace orvs::simd {
inline namespace ORVS_TARGET {

inline __m256 broadcastFrom(const float* p) { return _mm256_broadcast_ss(p); }
inline __m256d broadcastFrom(const double* p) { return _mm256_broadcast_sd(p); }

// Every lane set to the last (or the one before the last) lane of v.
#if defined(__AVX2__)
inline __m256 broadcastLast(__m256 v) { return _mm256_permutevar8x32_ps(v, _mm256_set1_epi32(7)); }
inline __m256 broadcastPrev(__m256 v) { return _mm256_permutevar8x32_ps(v, _mm256_set1_epi32(6)); }
inline __m256d broadcastLast(__m256d v) { return _mm256_permute4x64_pd(v, 0xFF); }
inline __m256d broadcastPrev(__m256d v) { return _mm256_permute4x64_pd(v, 0xAA); }
#else
inline __m256 broadcastLast(__m256 v) { return _mm256_permute_ps(_mm256_permute2f128_ps(v, v, 0x11), 0xFF); }
inline __m256 broadcastPrev(__m256 v) { return _mm256_permute_ps(_mm256_permute2f128_ps(v, v, 0x11), 0xAA); }
inline __m256d broadcastLast(__m256d v) { return _mm256_permute_pd(_mm256_permute2f128_pd(v, v, 0x11), 0xF); }
inline __m256d broadcastPrev(__m256d v) { return _mm256_permute_pd(_mm256_permute2f128_pd(v, v, 0x11), 0x0); }
#endif

// A square tile of G vectors of G lanes transposed in registers: lane i of
// vector k becomes lane k of vector i.
inline void transpose(__m256 (&v)[8]) { lanes256::transpose8(v); }
inline void transpose(__m256d (&v)[4]) { lanes256::transpose4(v); }

} // namespace ORVS_TARGET
} // namespace orvs::simd
