// 512-bit-shaped vectors for kernels written once for 16 floats or 8 doubles
// per register: X16f and X8d. On the AVX-512 target they are the native
// __m512 / __m512d; on the AVX and AVX2 targets they are a pair of 256-bit
// vectors (lo = lanes 0..W/2-1, hi = the rest) with exactly the same lane
// semantics, so a kernel over them runs and is tested on any machine and only
// the primitives below differ where AVX-512 exists. X16fPair / X8dPair are
// the pair forms on every target (the AVX-512 compilation keeps them too, so
// a test can compare both forms lane by lane).
//
// Operations: load, store, set1, add, sub, mul, the fused forms fmadd
// (a*b+c), fmsub (a*b-c), fnmadd (c-a*b) (unfused on targets without FMA,
// which have no native form), the per-128-bit-lane shuffles that split two
// registers of interleaved (re, im) pairs into real and imaginary lanes and
// join them back (deinterleave / interleave, the 512-bit meaning of
// shufps 0x88/0xDD and unpcklps/unpckhps, or unpcklpd/unpckhpd), a lane
// permutation by a constant index table (out[i] = in[idx[i]]), and the W x W
// transpose of W registers (out[j] lane i = in[i] lane j).
//
// Only kernel sources include this header (compiled once per target).
#pragma once
#ifndef ORVS_TARGET
#error "core/simd/wide_vec.h belongs to kernel sources, compiled once per target"
#endif
#include <immintrin.h>

namespace orvs::simd {
inline namespace ORVS_TARGET {

// 256-bit register operations shared by the 256-bit vector sets of the
// kernels and by the pair forms below.
namespace lanes256 {

inline __m256 fmadd(__m256 a, __m256 b, __m256 c)
{
#if defined(__FMA__)
    return _mm256_fmadd_ps(a, b, c);
#else
    return _mm256_add_ps(_mm256_mul_ps(a, b), c);
#endif
}
inline __m256 fmsub(__m256 a, __m256 b, __m256 c)
{
#if defined(__FMA__)
    return _mm256_fmsub_ps(a, b, c);
#else
    return _mm256_sub_ps(_mm256_mul_ps(a, b), c);
#endif
}
inline __m256 fnmadd(__m256 a, __m256 b, __m256 c)
{
#if defined(__FMA__)
    return _mm256_fnmadd_ps(a, b, c);
#else
    return _mm256_sub_ps(c, _mm256_mul_ps(a, b));
#endif
}
inline __m256d fmadd(__m256d a, __m256d b, __m256d c)
{
#if defined(__FMA__)
    return _mm256_fmadd_pd(a, b, c);
#else
    return _mm256_add_pd(_mm256_mul_pd(a, b), c);
#endif
}
inline __m256d fmsub(__m256d a, __m256d b, __m256d c)
{
#if defined(__FMA__)
    return _mm256_fmsub_pd(a, b, c);
#else
    return _mm256_sub_pd(_mm256_mul_pd(a, b), c);
#endif
}
inline __m256d fnmadd(__m256d a, __m256d b, __m256d c)
{
#if defined(__FMA__)
    return _mm256_fnmadd_pd(a, b, c);
#else
    return _mm256_sub_pd(c, _mm256_mul_pd(a, b));
#endif
}

// 8 x 8 floats and 4 x 4 doubles: out[j] lane i = in[i] lane j.
inline __attribute__((always_inline)) void transpose8(__m256* v)
{
    const __m256 t0 = _mm256_unpacklo_ps(v[0], v[1]), t1 = _mm256_unpackhi_ps(v[0], v[1]);
    const __m256 t2 = _mm256_unpacklo_ps(v[2], v[3]), t3 = _mm256_unpackhi_ps(v[2], v[3]);
    const __m256 t4 = _mm256_unpacklo_ps(v[4], v[5]), t5 = _mm256_unpackhi_ps(v[4], v[5]);
    const __m256 t6 = _mm256_unpacklo_ps(v[6], v[7]), t7 = _mm256_unpackhi_ps(v[6], v[7]);
    const __m256 s0 = _mm256_shuffle_ps(t0, t2, 0x44), s1 = _mm256_shuffle_ps(t0, t2, 0xEE);
    const __m256 s2 = _mm256_shuffle_ps(t1, t3, 0x44), s3 = _mm256_shuffle_ps(t1, t3, 0xEE);
    const __m256 s4 = _mm256_shuffle_ps(t4, t6, 0x44), s5 = _mm256_shuffle_ps(t4, t6, 0xEE);
    const __m256 s6 = _mm256_shuffle_ps(t5, t7, 0x44), s7 = _mm256_shuffle_ps(t5, t7, 0xEE);
    v[0] = _mm256_permute2f128_ps(s0, s4, 0x20);
    v[1] = _mm256_permute2f128_ps(s1, s5, 0x20);
    v[2] = _mm256_permute2f128_ps(s2, s6, 0x20);
    v[3] = _mm256_permute2f128_ps(s3, s7, 0x20);
    v[4] = _mm256_permute2f128_ps(s0, s4, 0x31);
    v[5] = _mm256_permute2f128_ps(s1, s5, 0x31);
    v[6] = _mm256_permute2f128_ps(s2, s6, 0x31);
    v[7] = _mm256_permute2f128_ps(s3, s7, 0x31);
}
inline __attribute__((always_inline)) void transpose4(__m256d* v)
{
    const __m256d t0 = _mm256_unpacklo_pd(v[0], v[1]), t1 = _mm256_unpackhi_pd(v[0], v[1]);
    const __m256d t2 = _mm256_unpacklo_pd(v[2], v[3]), t3 = _mm256_unpackhi_pd(v[2], v[3]);
    v[0] = _mm256_permute2f128_pd(t0, t2, 0x20);
    v[1] = _mm256_permute2f128_pd(t1, t3, 0x20);
    v[2] = _mm256_permute2f128_pd(t0, t2, 0x31);
    v[3] = _mm256_permute2f128_pd(t1, t3, 0x31);
}

// Two registers of interleaved (re, im) pairs split into real and imaginary
// lanes within each 128-bit lane (shufps 0x88 / 0xDD, unpcklpd / unpckhpd),
// and joined back (unpcklps / unpckhps, unpcklpd / unpckhpd).
inline void deinterleave(__m256 a, __m256 b, __m256& re, __m256& im)
{
    re = _mm256_shuffle_ps(a, b, 0x88);
    im = _mm256_shuffle_ps(a, b, 0xDD);
}
inline void interleave(__m256 re, __m256 im, __m256& a, __m256& b)
{
    a = _mm256_unpacklo_ps(re, im);
    b = _mm256_unpackhi_ps(re, im);
}
inline void deinterleave(__m256d a, __m256d b, __m256d& re, __m256d& im)
{
    re = _mm256_unpacklo_pd(a, b);
    im = _mm256_unpackhi_pd(a, b);
}
inline void interleave(__m256d re, __m256d im, __m256d& a, __m256d& b)
{
    a = _mm256_unpacklo_pd(re, im);
    b = _mm256_unpackhi_pd(re, im);
}

} // namespace lanes256

// ---- pair forms ----------------------------------------------------------------

struct PairF32 {
    __m256 lo, hi;
};
struct PairF64 {
    __m256d lo, hi;
};

struct X16fPair {
    using V = PairF32;
    using S = float;
    static constexpr int W = 16;
    static V load(const float* p) { return {_mm256_loadu_ps(p), _mm256_loadu_ps(p + 8)}; }
    static void store(float* p, V v)
    {
        _mm256_storeu_ps(p, v.lo);
        _mm256_storeu_ps(p + 8, v.hi);
    }
    static V set1(float x) { return {_mm256_set1_ps(x), _mm256_set1_ps(x)}; }
    static V add(V a, V b) { return {_mm256_add_ps(a.lo, b.lo), _mm256_add_ps(a.hi, b.hi)}; }
    static V sub(V a, V b) { return {_mm256_sub_ps(a.lo, b.lo), _mm256_sub_ps(a.hi, b.hi)}; }
    static V mul(V a, V b) { return {_mm256_mul_ps(a.lo, b.lo), _mm256_mul_ps(a.hi, b.hi)}; }
    static V fmadd(V a, V b, V c) { return {lanes256::fmadd(a.lo, b.lo, c.lo), lanes256::fmadd(a.hi, b.hi, c.hi)}; }
    static V fmsub(V a, V b, V c) { return {lanes256::fmsub(a.lo, b.lo, c.lo), lanes256::fmsub(a.hi, b.hi, c.hi)}; }
    static V fnmadd(V a, V b, V c)
    { return {lanes256::fnmadd(a.lo, b.lo, c.lo), lanes256::fnmadd(a.hi, b.hi, c.hi)}; }
    static void deinterleave(V a, V b, V& re, V& im)
    {
        lanes256::deinterleave(a.lo, b.lo, re.lo, im.lo);
        lanes256::deinterleave(a.hi, b.hi, re.hi, im.hi);
    }
    static void interleave(V re, V im, V& a, V& b)
    {
        lanes256::interleave(re.lo, im.lo, a.lo, b.lo);
        lanes256::interleave(re.hi, im.hi, a.hi, b.hi);
    }
    // Through memory: exact, and only used where no native form exists.
    static V permute(V v, const int* idx)
    {
        alignas(32) float a[16], b[16];
        store(a, v);
        for (int i = 0; i < 16; ++i) b[i] = a[idx[i]];
        return load(b);
    }
    // Four 8 x 8 blocks: [A B; C D] -> [A' C'; B' D'].
    static inline __attribute__((always_inline)) void transpose(V* v)
    {
        __m256 a[8], b[8], c[8], d[8];
        for (int i = 0; i < 8; ++i) {
            a[i] = v[i].lo;
            b[i] = v[i].hi;
            c[i] = v[8 + i].lo;
            d[i] = v[8 + i].hi;
        }
        lanes256::transpose8(a);
        lanes256::transpose8(b);
        lanes256::transpose8(c);
        lanes256::transpose8(d);
        for (int j = 0; j < 8; ++j) {
            v[j] = {a[j], c[j]};
            v[8 + j] = {b[j], d[j]};
        }
    }
};

struct X8dPair {
    using V = PairF64;
    using S = double;
    static constexpr int W = 8;
    static V load(const double* p) { return {_mm256_loadu_pd(p), _mm256_loadu_pd(p + 4)}; }
    static void store(double* p, V v)
    {
        _mm256_storeu_pd(p, v.lo);
        _mm256_storeu_pd(p + 4, v.hi);
    }
    static V set1(double x) { return {_mm256_set1_pd(x), _mm256_set1_pd(x)}; }
    static V add(V a, V b) { return {_mm256_add_pd(a.lo, b.lo), _mm256_add_pd(a.hi, b.hi)}; }
    static V sub(V a, V b) { return {_mm256_sub_pd(a.lo, b.lo), _mm256_sub_pd(a.hi, b.hi)}; }
    static V mul(V a, V b) { return {_mm256_mul_pd(a.lo, b.lo), _mm256_mul_pd(a.hi, b.hi)}; }
    static V fmadd(V a, V b, V c) { return {lanes256::fmadd(a.lo, b.lo, c.lo), lanes256::fmadd(a.hi, b.hi, c.hi)}; }
    static V fmsub(V a, V b, V c) { return {lanes256::fmsub(a.lo, b.lo, c.lo), lanes256::fmsub(a.hi, b.hi, c.hi)}; }
    static V fnmadd(V a, V b, V c)
    { return {lanes256::fnmadd(a.lo, b.lo, c.lo), lanes256::fnmadd(a.hi, b.hi, c.hi)}; }
    static void deinterleave(V a, V b, V& re, V& im)
    {
        lanes256::deinterleave(a.lo, b.lo, re.lo, im.lo);
        lanes256::deinterleave(a.hi, b.hi, re.hi, im.hi);
    }
    static void interleave(V re, V im, V& a, V& b)
    {
        lanes256::interleave(re.lo, im.lo, a.lo, b.lo);
        lanes256::interleave(re.hi, im.hi, a.hi, b.hi);
    }
    static V permute(V v, const int* idx)
    {
        alignas(32) double a[8], b[8];
        store(a, v);
        for (int i = 0; i < 8; ++i) b[i] = a[idx[i]];
        return load(b);
    }
    static inline __attribute__((always_inline)) void transpose(V* v)
    {
        __m256d a[4], b[4], c[4], d[4];
        for (int i = 0; i < 4; ++i) {
            a[i] = v[i].lo;
            b[i] = v[i].hi;
            c[i] = v[4 + i].lo;
            d[i] = v[4 + i].hi;
        }
        lanes256::transpose4(a);
        lanes256::transpose4(b);
        lanes256::transpose4(c);
        lanes256::transpose4(d);
        for (int j = 0; j < 4; ++j) {
            v[j] = {a[j], c[j]};
            v[4 + j] = {b[j], d[j]};
        }
    }
};

// ---- native forms (AVX-512 target) ----------------------------------------------

#if defined(__AVX512F__)
struct X16fNative {
    using V = __m512;
    using S = float;
    static constexpr int W = 16;
    static V load(const float* p) { return _mm512_loadu_ps(p); }
    static void store(float* p, V v) { _mm512_storeu_ps(p, v); }
    static V set1(float x) { return _mm512_set1_ps(x); }
    static V add(V a, V b) { return _mm512_add_ps(a, b); }
    static V sub(V a, V b) { return _mm512_sub_ps(a, b); }
    static V mul(V a, V b) { return _mm512_mul_ps(a, b); }
    static V fmadd(V a, V b, V c) { return _mm512_fmadd_ps(a, b, c); }
    static V fmsub(V a, V b, V c) { return _mm512_fmsub_ps(a, b, c); }
    static V fnmadd(V a, V b, V c) { return _mm512_fnmadd_ps(a, b, c); }
    static void deinterleave(V a, V b, V& re, V& im)
    {
        re = _mm512_shuffle_ps(a, b, 0x88);
        im = _mm512_shuffle_ps(a, b, 0xDD);
    }
    static void interleave(V re, V im, V& a, V& b)
    {
        a = _mm512_unpacklo_ps(re, im);
        b = _mm512_unpackhi_ps(re, im);
    }
    static V permute(V v, const int* idx) { return _mm512_permutexvar_ps(_mm512_loadu_si512(idx), v); }
    // Rows 4g..4g+3 of column 4L+c gathered per 128-bit lane L in
    // r[4g + c] (unpack, shuffle), then the 4 x 4 matrix of 128-bit blocks
    // transposed (two rounds of shuf_f32x4).
    static inline __attribute__((always_inline)) void transpose(V* v)
    {
        V t[16], r[16];
        for (int k = 0; k < 8; ++k) {
            t[2 * k] = _mm512_unpacklo_ps(v[2 * k], v[2 * k + 1]);
            t[2 * k + 1] = _mm512_unpackhi_ps(v[2 * k], v[2 * k + 1]);
        }
        for (int g = 0; g < 4; ++g) {
            r[4 * g + 0] = _mm512_shuffle_ps(t[4 * g], t[4 * g + 2], 0x44);
            r[4 * g + 1] = _mm512_shuffle_ps(t[4 * g], t[4 * g + 2], 0xEE);
            r[4 * g + 2] = _mm512_shuffle_ps(t[4 * g + 1], t[4 * g + 3], 0x44);
            r[4 * g + 3] = _mm512_shuffle_ps(t[4 * g + 1], t[4 * g + 3], 0xEE);
        }
        for (int c = 0; c < 4; ++c) {
            const V u0 = _mm512_shuffle_f32x4(r[c], r[4 + c], 0x44), u1 = _mm512_shuffle_f32x4(r[c], r[4 + c], 0xEE);
            const V w0 = _mm512_shuffle_f32x4(r[8 + c], r[12 + c], 0x44);
            const V w1 = _mm512_shuffle_f32x4(r[8 + c], r[12 + c], 0xEE);
            v[c] = _mm512_shuffle_f32x4(u0, w0, 0x88);
            v[4 + c] = _mm512_shuffle_f32x4(u0, w0, 0xDD);
            v[8 + c] = _mm512_shuffle_f32x4(u1, w1, 0x88);
            v[12 + c] = _mm512_shuffle_f32x4(u1, w1, 0xDD);
        }
    }
};

struct X8dNative {
    using V = __m512d;
    using S = double;
    static constexpr int W = 8;
    static V load(const double* p) { return _mm512_loadu_pd(p); }
    static void store(double* p, V v) { _mm512_storeu_pd(p, v); }
    static V set1(double x) { return _mm512_set1_pd(x); }
    static V add(V a, V b) { return _mm512_add_pd(a, b); }
    static V sub(V a, V b) { return _mm512_sub_pd(a, b); }
    static V mul(V a, V b) { return _mm512_mul_pd(a, b); }
    static V fmadd(V a, V b, V c) { return _mm512_fmadd_pd(a, b, c); }
    static V fmsub(V a, V b, V c) { return _mm512_fmsub_pd(a, b, c); }
    static V fnmadd(V a, V b, V c) { return _mm512_fnmadd_pd(a, b, c); }
    static void deinterleave(V a, V b, V& re, V& im)
    {
        re = _mm512_unpacklo_pd(a, b);
        im = _mm512_unpackhi_pd(a, b);
    }
    static void interleave(V re, V im, V& a, V& b)
    {
        a = _mm512_unpacklo_pd(re, im);
        b = _mm512_unpackhi_pd(re, im);
    }
    static V permute(V v, const int* idx)
    {
        return _mm512_permutexvar_pd(_mm512_cvtepi32_epi64(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(idx))), v);
    }
    // Rows 2k, 2k+1 of column 2L+c in lane L of t[2k + c], then the 4 x 4
    // matrix of 128-bit blocks transposed.
    static inline __attribute__((always_inline)) void transpose(V* v)
    {
        V t[8];
        for (int k = 0; k < 4; ++k) {
            t[2 * k] = _mm512_unpacklo_pd(v[2 * k], v[2 * k + 1]);
            t[2 * k + 1] = _mm512_unpackhi_pd(v[2 * k], v[2 * k + 1]);
        }
        for (int c = 0; c < 2; ++c) {
            const V u0 = _mm512_shuffle_f64x2(t[c], t[2 + c], 0x44), u1 = _mm512_shuffle_f64x2(t[c], t[2 + c], 0xEE);
            const V w0 = _mm512_shuffle_f64x2(t[4 + c], t[6 + c], 0x44);
            const V w1 = _mm512_shuffle_f64x2(t[4 + c], t[6 + c], 0xEE);
            v[c] = _mm512_shuffle_f64x2(u0, w0, 0x88);
            v[2 + c] = _mm512_shuffle_f64x2(u0, w0, 0xDD);
            v[4 + c] = _mm512_shuffle_f64x2(u1, w1, 0x88);
            v[6 + c] = _mm512_shuffle_f64x2(u1, w1, 0xDD);
        }
    }
};

using X16f = X16fNative;
using X8d = X8dNative;
#else
using X16f = X16fPair;
using X8d = X8dPair;
#endif

} // namespace ORVS_TARGET
} // namespace orvs::simd
