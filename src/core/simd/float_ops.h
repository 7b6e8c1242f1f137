// More operations on the floating-point vectors of float_vec.h, as
// FloatOps<A> (which is A with these added) for A = F32, F64 and, on
// AVX-512 targets, F32x16, F64x8:
//
//   loadPart(p, n, fill)   the first n (< W) elements of p, the other lanes
//                          `fill`; nothing past p[n - 1] is read
//   storePart(p, n, v)     the first n lanes of v; nothing else is written
//   keepWhere(m, a)        a where m, else +0
//   ordered(a)             the lanes that are not NaN
//   outside(a, lo, hi)     the lanes not inside [lo, hi], NaN included
//   notBelow(a, b)         the lanes where a < b does not hold, NaN included
//   neqOrdered(a, b)       a != b with neither a NaN
//   truncate(a)            rounded toward zero (an integral value)
//   fnma(a, b, c)          c - a*b rounded once (targets with FMA)
//   clampNaNHigh(a, lo, hi)  a bounded to [lo, hi], NaN to hi
// and on the single-precision vectors, 16-bit results:
//   storeRounded16s(p, v)  the W lanes rounded to 32-bit integers (by MXCSR;
//                          NaN and out-of-range lanes give INT32_MIN) and
//                          narrowed with signed saturation to 16 bits
//   (512 bits also streamRounded16s(p, v) and storeRounded16sPart(p, n, v),
//   and Rounded16s, the register of those W 16-bit results)
// and on scalars:
//   roundToInt32(x)        x rounded by MXCSR to a 32-bit integer (NaN and
//                          out of range give INT32_MIN)
// and on the double-precision vectors, for (re, im) pairs held in double:
//   evenOdd(even, odd)     even lanes of `even`, odd lanes of `odd`
//   widenPart(p, n, fill)  the first n of W floats widened, the rest `fill`
//   narrowPart(p, n, v)    the first n lanes rounded to float and stored
#pragma once
#if !defined(ORVS_TARGET)
#error "core/simd/float_ops.h belongs to kernel sources compiled per target"
#endif
#include <immintrin.h>

#include <cstring>

#include "core/simd/float_vec.h"
#include "orvs/types.h"

namespace orvs::simd {
inline namespace ORVS_TARGET {

template <class A> struct FloatOps;

inline int roundToInt32(float x) { return _mm_cvtss_si32(_mm_set_ss(x)); }

// The 256-bit parts go through a padded copy on the stack.
template <class A> struct PartsByCopy : A {
    using typename A::S;
    using typename A::V;
    static V loadPart(const S* p, int n, S fill)
    {
        alignas(32) S b[A::W];
        for (int k = 0; k < A::W; ++k) b[k] = fill;
        std::memcpy(b, p, n * sizeof(S));
        return A::load(b);
    }
    static void storePart(S* p, int n, V v)
    {
        alignas(32) S b[A::W];
        A::store(b, v);
        std::memcpy(p, b, n * sizeof(S));
    }
};

template <> struct FloatOps<F32> : PartsByCopy<F32> {
    static V keepWhere(M m, V a) { return _mm256_and_ps(m, a); }
    static M ordered(V a) { return _mm256_cmp_ps(a, a, _CMP_ORD_Q); }
    static M outside(V a, V lo, V hi) { return _mm256_or_ps(_mm256_cmp_ps(a, lo, _CMP_NGE_UQ), _mm256_cmp_ps(a, hi, _CMP_NLE_UQ)); }
    static M notBelow(V a, V b) { return _mm256_cmp_ps(a, b, _CMP_NLT_UQ); }
    static M neqOrdered(V a, V b) { return _mm256_cmp_ps(a, b, _CMP_NEQ_OQ); }
    static V truncate(V a) { return _mm256_round_ps(a, _MM_FROUND_TO_ZERO | _MM_FROUND_NO_EXC); }
#if defined(__FMA__)
    static V fnma(V a, V b, V c) { return _mm256_fnmadd_ps(a, b, c); }
#endif
    static V clampNaNHigh(V a, V lo, V hi) { return _mm256_blendv_ps(_mm256_max_ps(a, lo), hi, _mm256_cmp_ps(a, hi, _CMP_NLE_UQ)); }
    static void storeRounded16s(Orv16s* p, V v)
    {
        const __m256i q = _mm256_cvtps_epi32(v);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(p), _mm_packs_epi32(_mm256_castsi256_si128(q), _mm256_extractf128_si256(q, 1)));
    }
};

template <> struct FloatOps<F64> : PartsByCopy<F64> {
    static V keepWhere(M m, V a) { return _mm256_and_pd(m, a); }
    static M ordered(V a) { return _mm256_cmp_pd(a, a, _CMP_ORD_Q); }
    static M outside(V a, V lo, V hi) { return _mm256_or_pd(_mm256_cmp_pd(a, lo, _CMP_NGE_UQ), _mm256_cmp_pd(a, hi, _CMP_NLE_UQ)); }
    static M notBelow(V a, V b) { return _mm256_cmp_pd(a, b, _CMP_NLT_UQ); }
    static M neqOrdered(V a, V b) { return _mm256_cmp_pd(a, b, _CMP_NEQ_OQ); }
    static V truncate(V a) { return _mm256_round_pd(a, _MM_FROUND_TO_ZERO | _MM_FROUND_NO_EXC); }
#if defined(__FMA__)
    static V fnma(V a, V b, V c) { return _mm256_fnmadd_pd(a, b, c); }
#endif
    static V evenOdd(V even, V odd) { return _mm256_blend_pd(even, odd, 0xa); }
    static V widenPart(const float* p, int n, float fill)
    {
        alignas(16) float b[4] = {fill, fill, fill, fill};
        std::memcpy(b, p, n * sizeof(float));
        return _mm256_cvtps_pd(_mm_load_ps(b));
    }
    static void narrowPart(float* p, int n, V v)
    {
        alignas(16) float b[4];
        _mm_store_ps(b, _mm256_cvtpd_ps(v));
        std::memcpy(p, b, n * sizeof(float));
    }
};

#if defined(__AVX512F__)
template <> struct FloatOps<F32x16> : F32x16 {
    static M first(int n) { return static_cast<M>((1u << n) - 1); }
    static V loadPart(const float* p, int n, float fill) { return _mm512_mask_loadu_ps(set1(fill), first(n), p); }
    static void storePart(float* p, int n, V v) { _mm512_mask_storeu_ps(p, first(n), v); }
    static V keepWhere(M m, V a) { return _mm512_maskz_mov_ps(m, a); }
    static M ordered(V a) { return _mm512_cmp_ps_mask(a, a, _CMP_ORD_Q); }
    static M outside(V a, V lo, V hi)
    {
        return static_cast<M>(_mm512_cmp_ps_mask(a, lo, _CMP_NGE_UQ) | _mm512_cmp_ps_mask(a, hi, _CMP_NLE_UQ));
    }
    static M notBelow(V a, V b) { return _mm512_cmp_ps_mask(a, b, _CMP_NLT_UQ); }
    static M neqOrdered(V a, V b) { return _mm512_cmp_ps_mask(a, b, _CMP_NEQ_OQ); }
    static V truncate(V a) { return _mm512_roundscale_ps(a, _MM_FROUND_TO_ZERO | _MM_FROUND_NO_EXC); }
    static V fnma(V a, V b, V c) { return _mm512_fnmadd_ps(a, b, c); }
    static V clampNaNHigh(V a, V lo, V hi)
    {
        return _mm512_mask_mov_ps(_mm512_max_ps(a, lo), _mm512_cmp_ps_mask(a, hi, _CMP_NLE_UQ), hi);
    }
    using Rounded16s = __m256i;
    static Rounded16s rounded16s(V v) { return _mm512_cvtsepi32_epi16(_mm512_cvtps_epi32(v)); }
    static void storeRounded16s(Orv16s* p, V v) { _mm256_storeu_si256(reinterpret_cast<__m256i*>(p), rounded16s(v)); }
    static void streamRounded16s(Orv16s* p, V v) { _mm256_stream_si256(reinterpret_cast<__m256i*>(p), rounded16s(v)); }
    static void storeRounded16sPart(Orv16s* p, int n, V v) { _mm256_mask_storeu_epi16(p, first(n), rounded16s(v)); }
};

template <> struct FloatOps<F64x8> : F64x8 {
    static M first(int n) { return static_cast<M>((1u << n) - 1); }
    static V loadPart(const double* p, int n, double fill) { return _mm512_mask_loadu_pd(_mm512_set1_pd(fill), first(n), p); }
    static void storePart(double* p, int n, V v) { _mm512_mask_storeu_pd(p, first(n), v); }
    static V keepWhere(M m, V a) { return _mm512_maskz_mov_pd(m, a); }
    static M ordered(V a) { return _mm512_cmp_pd_mask(a, a, _CMP_ORD_Q); }
    static M outside(V a, V lo, V hi)
    {
        return static_cast<M>(_mm512_cmp_pd_mask(a, lo, _CMP_NGE_UQ) | _mm512_cmp_pd_mask(a, hi, _CMP_NLE_UQ));
    }
    static M notBelow(V a, V b) { return _mm512_cmp_pd_mask(a, b, _CMP_NLT_UQ); }
    static M neqOrdered(V a, V b) { return _mm512_cmp_pd_mask(a, b, _CMP_NEQ_OQ); }
    static V truncate(V a) { return _mm512_roundscale_pd(a, _MM_FROUND_TO_ZERO | _MM_FROUND_NO_EXC); }
    static V fnma(V a, V b, V c) { return _mm512_fnmadd_pd(a, b, c); }
    static V evenOdd(V even, V odd) { return _mm512_mask_blend_pd(0xaa, even, odd); }
    static V widenPart(const float* p, int n, float fill)
    {
        return _mm512_cvtps_pd(_mm256_mask_loadu_ps(_mm256_set1_ps(fill), first(n), p));
    }
    static void narrowPart(float* p, int n, V v) { _mm256_mask_storeu_ps(p, first(n), _mm512_cvtpd_ps(v)); }
};
#endif

} // namespace ORVS_TARGET
} // namespace orvs::simd
