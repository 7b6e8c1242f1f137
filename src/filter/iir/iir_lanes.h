// Lane operations the block recursion needs beyond core/simd: a scalar
// broadcast from memory, the last two lanes of a vector broadcast and a
// square tile transposed, for the 256-bit F32 and F64 of the layer. Kept
// here until the layer has them; only kernel sources include this header.
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

// A square tile of G vectors of G lanes transposed in registers: lane i of
// vector k becomes lane k of vector i.
inline void transpose(__m256 (&v)[8])
{
    const __m256 t0 = _mm256_unpacklo_ps(v[0], v[1]), t1 = _mm256_unpackhi_ps(v[0], v[1]);
    const __m256 t2 = _mm256_unpacklo_ps(v[2], v[3]), t3 = _mm256_unpackhi_ps(v[2], v[3]);
    const __m256 t4 = _mm256_unpacklo_ps(v[4], v[5]), t5 = _mm256_unpackhi_ps(v[4], v[5]);
    const __m256 t6 = _mm256_unpacklo_ps(v[6], v[7]), t7 = _mm256_unpackhi_ps(v[6], v[7]);
    const __m256 u0 = _mm256_shuffle_ps(t0, t2, 0x44), u1 = _mm256_shuffle_ps(t0, t2, 0xEE);
    const __m256 u2 = _mm256_shuffle_ps(t1, t3, 0x44), u3 = _mm256_shuffle_ps(t1, t3, 0xEE);
    const __m256 u4 = _mm256_shuffle_ps(t4, t6, 0x44), u5 = _mm256_shuffle_ps(t4, t6, 0xEE);
    const __m256 u6 = _mm256_shuffle_ps(t5, t7, 0x44), u7 = _mm256_shuffle_ps(t5, t7, 0xEE);
    v[0] = _mm256_permute2f128_ps(u0, u4, 0x20), v[4] = _mm256_permute2f128_ps(u0, u4, 0x31);
    v[1] = _mm256_permute2f128_ps(u1, u5, 0x20), v[5] = _mm256_permute2f128_ps(u1, u5, 0x31);
    v[2] = _mm256_permute2f128_ps(u2, u6, 0x20), v[6] = _mm256_permute2f128_ps(u2, u6, 0x31);
    v[3] = _mm256_permute2f128_ps(u3, u7, 0x20), v[7] = _mm256_permute2f128_ps(u3, u7, 0x31);
}
inline void transpose(__m256d (&v)[4])
{
    const __m256d t0 = _mm256_unpacklo_pd(v[0], v[1]), t1 = _mm256_unpackhi_pd(v[0], v[1]);
    const __m256d t2 = _mm256_unpacklo_pd(v[2], v[3]), t3 = _mm256_unpackhi_pd(v[2], v[3]);
    v[0] = _mm256_permute2f128_pd(t0, t2, 0x20), v[2] = _mm256_permute2f128_pd(t0, t2, 0x31);
    v[1] = _mm256_permute2f128_pd(t1, t3, 0x20), v[3] = _mm256_permute2f128_pd(t1, t3, 0x31);
}

} // namespace ORVS_TARGET
} // namespace orvs::simd
