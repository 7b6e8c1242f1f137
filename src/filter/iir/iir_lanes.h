// Lane operations the block recursion needs beyond core/simd: a scalar
// broadcast from memory and the last two lanes of a vector broadcast, for
// the 256-bit F32 and F64 of the layer. Kept here until the layer has them;
// only kernel sources include this header.
#pragma once
#include "core/simd/simd.h"

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

} // namespace ORVS_TARGET
} // namespace orvs::simd
