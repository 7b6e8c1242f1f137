// Integer (re, im) pairs widened exactly into the floating-point vectors of
// float_vec.h, overloaded on the vector tag (F32, F64 and, on AVX-512
// targets, F32x16, F64x8), and integral lanes stored back as integers:
//
//   widenParts16<Interleaved>(F32 or F32x16, a, b, re, im)
//       W 16-bit pairs as float lanes: (re, im) pairs from a when
//       Interleaved, else the parts from a and b (W each)
//   sumSquares16<Interleaved>(F64 or F64x8, a, b)
//       re^2 + im^2 of W 16-bit pairs, exact in double
//   widenParts32(F64 or F64x8, a, re, im)
//       W 32-bit pairs as double lanes
//   storeIntegral(F64 or F64x8, d, x)
//       W integral lanes already within the range of D (16 or 32 bits)
//       stored as D
#pragma once
#if !defined(ORVS_TARGET)
#error "core/simd/int_pairs.h belongs to kernel sources compiled per target"
#endif
#include <immintrin.h>

#include "core/simd/float_vec.h"
#include "orvs/types.h"

namespace orvs::simd {
inline namespace ORVS_TARGET {

template <bool Interleaved>
inline void widenParts16(F32, const Orv16s* a, const Orv16s* b, __m256& re, __m256& im)
{
    __m128i vr, vi;
    if constexpr (Interleaved) {
        __m128i v0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a));
        __m128i v1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a + 8));
        // keep the low halves (re) and the high halves (im) of each 32-bit pair
        __m128i re0 = _mm_srai_epi32(_mm_slli_epi32(v0, 16), 16), re1 = _mm_srai_epi32(_mm_slli_epi32(v1, 16), 16);
        __m128i im0 = _mm_srai_epi32(v0, 16), im1 = _mm_srai_epi32(v1, 16);
        vr = _mm_packs_epi32(re0, re1);
        vi = _mm_packs_epi32(im0, im1);
    } else {
        vr = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a));
        vi = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b));
    }
    auto widen = [](__m128i v) {
        __m128i lo = _mm_cvtepi16_epi32(v), hi = _mm_cvtepi16_epi32(_mm_unpackhi_epi64(v, v));
        return _mm256_cvtepi32_ps(_mm256_insertf128_si256(_mm256_castsi128_si256(lo), hi, 1));
    };
    re = widen(vr);
    im = widen(vi);
}

// The only pair whose sum of squares leaves the signed 32-bit range is
// (-32768, -32768), which the multiply-add wraps to -2^31; adding 2^32 to
// negatives undoes that.
template <class A>
inline typename A::V unwrapSumOfSquares(typename A::V d)
{
    return A::blend(d, A::add(d, A::set1(4294967296.0)), A::lt(d, A::zero()));
}

template <bool Interleaved>
inline __m256d sumSquares16(F64, const Orv16s* a, const Orv16s* b)
{
    __m128i pairs;
    if constexpr (Interleaved) {
        pairs = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a));
    } else {
        __m128i re = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(a));
        __m128i im = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(b));
        pairs = _mm_unpacklo_epi16(re, im);
    }
    return unwrapSumOfSquares<F64>(_mm256_cvtepi32_pd(_mm_madd_epi16(pairs, pairs)));
}

inline void widenParts32(F64, const Orv32sc* a, __m256d& re, __m256d& im)
{
    __m128i v0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a));
    __m128i v1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a + 2));
    __m128 f0 = _mm_castsi128_ps(v0), f1 = _mm_castsi128_ps(v1);
    re = _mm256_cvtepi32_pd(_mm_castps_si128(_mm_shuffle_ps(f0, f1, 0x88)));
    im = _mm256_cvtepi32_pd(_mm_castps_si128(_mm_shuffle_ps(f0, f1, 0xDD)));
}

template <class D>
inline void storeIntegral(F64, D* d, __m256d x)
{
    const __m128i v = _mm256_cvtpd_epi32(x);
    if constexpr (sizeof(D) == 2) _mm_storel_epi64(reinterpret_cast<__m128i*>(d), _mm_packs_epi32(v, v));
    else _mm_storeu_si128(reinterpret_cast<__m128i*>(d), v);
}

#if defined(__AVX512F__)
template <bool Interleaved>
inline void widenParts16(F32x16, const Orv16s* a, const Orv16s* b, __m512& re, __m512& im)
{
    __m512i r, i;
    if constexpr (Interleaved) {
        const __m512i v = _mm512_loadu_si512(a);
        r = _mm512_srai_epi32(_mm512_slli_epi32(v, 16), 16);
        i = _mm512_srai_epi32(v, 16);
    } else {
        r = _mm512_cvtepi16_epi32(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(a)));
        i = _mm512_cvtepi16_epi32(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(b)));
    }
    re = _mm512_cvtepi32_ps(r);
    im = _mm512_cvtepi32_ps(i);
}

template <bool Interleaved>
inline __m512d sumSquares16(F64x8, const Orv16s* a, const Orv16s* b)
{
    __m256i pairs;
    if constexpr (Interleaved) {
        pairs = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(a));
    } else {
        const __m128i re = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a));
        const __m128i im = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b));
        pairs = _mm256_inserti128_si256(_mm256_castsi128_si256(_mm_unpacklo_epi16(re, im)), _mm_unpackhi_epi16(re, im), 1);
    }
    return unwrapSumOfSquares<F64x8>(_mm512_cvtepi32_pd(_mm256_madd_epi16(pairs, pairs)));
}

inline void widenParts32(F64x8, const Orv32sc* a, __m512d& re, __m512d& im)
{
    const __m512i v = _mm512_loadu_si512(a);
    re = _mm512_cvtepi32_pd(_mm512_cvtepi64_epi32(v));                     // low halves
    im = _mm512_cvtepi32_pd(_mm512_cvtepi64_epi32(_mm512_srli_epi64(v, 32)));  // high halves
}

template <class D>
inline void storeIntegral(F64x8, D* d, __m512d x)
{
    const __m256i v = _mm512_cvtpd_epi32(x);
    if constexpr (sizeof(D) == 2) _mm_storeu_si128(reinterpret_cast<__m128i*>(d), _mm256_cvtepi32_epi16(v));
    else _mm256_storeu_si256(reinterpret_cast<__m256i*>(d), v);
}
#endif

} // namespace ORVS_TARGET
} // namespace orvs::simd
