// FFT kernels, written once over a vector set S and compiled once per
// instruction-set target (the build defines ORVS_TARGET). Each target builds
// two sets: 256-bit vectors (chunks of C = 8 single or 4 double complex
// values) and 512-bit-shaped vectors (C = 16 or 8; native on the AVX-512
// target, pairs of 256-bit vectors elsewhere). Targets with FMA use fused
// multiply-adds in the complex products.
//
// Working format: between the first stage and the last pass the data lives
// in chunks of C complex values: C real parts then C imaginary parts, the
// lanes in the fixed chunk order of chunkOrder<Real>(C).
// Butterflies then need no shuffles; a complex product is two multiplies and
// two fused multiply-adds for a whole vector of C values.
//
// Algorithm (decimation in time on bit-reversed input):
//   1. an F-point stage (F = 8, or 16 for 16-value chunks) reads
//      x[r + q*N/F] for C residues r at once, transforms lane-wise,
//      transposes the F x C block in registers and writes each residue's F
//      outputs as chunks to its bit-reversed block position;
//   2. radix-4/radix-8 passes combine blocks of span s into blocks of r*s,
//      multiplying inputs p = 1..r-1 by W_{rs}^{p*t}; passes that stay inside
//      an L1-sized (then an L2-sized) block are run block by block;
//   3. the last pass writes the caller's layout (interleaved or split) and
//      applies the normalisation factor on the way out.
// Large in-place transforms first bit-reverse the array in place through
// pairs of square tiles and then run the first stage on contiguous groups.
// The record is only read; all scratch is the caller's work buffer.

// GCC 12 reports the deliberately undefined pass-through operand of the
// 512-bit intrinsics (shuffles, permutes, unpacks) as uninitialised.
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#pragma GCC diagnostic ignored "-Wuninitialized"
#include <immintrin.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>
#include <utility>

#include "core/simd/wide_vec.h"
#include "transform/fft/fft_kernels.h"

// The butterflies work on arrays of vectors that must stay in registers:
// they are always inlined (an out-of-line call would pass them through memory).
#ifndef ORVS_FFT_ALWAYS_INLINE
#define ORVS_FFT_ALWAYS_INLINE inline __attribute__((always_inline))
#endif

namespace orvs::fft::ORVS_TARGET {
namespace {

using std::size_t;

template <class Real>
struct Simd;

template <>
struct Simd<float> {
    using V = __m256;
    using Real = float;
    static constexpr int C = 8;
    static constexpr int F = 8;  // first-stage points
    static constexpr int lane(int l) { return kChunkOrder8[l]; }
    static V load(const float* p) { return _mm256_loadu_ps(p); }
    static void store(float* p, V v) { _mm256_storeu_ps(p, v); }
    static V add(V a, V b) { return _mm256_add_ps(a, b); }
    static V sub(V a, V b) { return _mm256_sub_ps(a, b); }
    static V mul(V a, V b) { return _mm256_mul_ps(a, b); }
    static V set1(float x) { return _mm256_set1_ps(x); }
    static V fmadd(V a, V b, V c) { return simd::lanes256::fmadd(a, b, c); }
    static V fmsub(V a, V b, V c) { return simd::lanes256::fmsub(a, b, c); }
    static V fnmadd(V a, V b, V c) { return simd::lanes256::fnmadd(a, b, c); }
    // Two vectors of 4 interleaved pairs <-> one chunk (order 0 1 4 5 2 3 6 7).
    static void deinterleave(V a, V b, V& re, V& im) { simd::lanes256::deinterleave(a, b, re, im); }
    static void interleave(V re, V im, V& a, V& b) { simd::lanes256::interleave(re, im, a, b); }
    // Natural order <-> chunk order (an involution: swaps 64-bit units 1, 2).
    static V permLanes(V x)
    {
        __m256d d = _mm256_castps_pd(x);
#if defined(__FMA__)
        return _mm256_castpd_ps(_mm256_permute4x64_pd(d, 0xD8));
#else
        __m256d lo = _mm256_permute2f128_pd(d, d, 0x00), hi = _mm256_permute2f128_pd(d, d, 0x11);
        return _mm256_castpd_ps(_mm256_shuffle_pd(lo, hi, 0xC));
#endif
    }
    static V toChunk(V x) { return permLanes(x); }
    static V fromChunk(V x) { return permLanes(x); }
    // 8 x 8 transpose: out[j] lane i = in[i] lane j.
    static ORVS_FFT_ALWAYS_INLINE void transpose(V* v) { simd::lanes256::transpose8(v); }
};

template <>
struct Simd<double> {
    using V = __m256d;
    using Real = double;
    static constexpr int C = 4;
    static constexpr int F = 8;
    static constexpr int lane(int l) { return kChunkOrder4[l]; }
    static V load(const double* p) { return _mm256_loadu_pd(p); }
    static void store(double* p, V v) { _mm256_storeu_pd(p, v); }
    static V add(V a, V b) { return _mm256_add_pd(a, b); }
    static V sub(V a, V b) { return _mm256_sub_pd(a, b); }
    static V mul(V a, V b) { return _mm256_mul_pd(a, b); }
    static V set1(double x) { return _mm256_set1_pd(x); }
    static V fmadd(V a, V b, V c) { return simd::lanes256::fmadd(a, b, c); }
    static V fmsub(V a, V b, V c) { return simd::lanes256::fmsub(a, b, c); }
    static V fnmadd(V a, V b, V c) { return simd::lanes256::fnmadd(a, b, c); }
    // Two vectors of 2 interleaved pairs <-> one chunk (order 0 2 1 3).
    static void deinterleave(V a, V b, V& re, V& im) { simd::lanes256::deinterleave(a, b, re, im); }
    static void interleave(V re, V im, V& a, V& b) { simd::lanes256::interleave(re, im, a, b); }
    static V permLanes(V x)
    {
#if defined(__FMA__)
        return _mm256_permute4x64_pd(x, 0xD8);
#else
        V lo = _mm256_permute2f128_pd(x, x, 0x00), hi = _mm256_permute2f128_pd(x, x, 0x11);
        return _mm256_shuffle_pd(lo, hi, 0xC);
#endif
    }
    static V toChunk(V x) { return permLanes(x); }
    static V fromChunk(V x) { return permLanes(x); }
    // 4 x 4 transpose: out[j] lane i = in[i] lane j.
    static ORVS_FFT_ALWAYS_INLINE void transpose(V* v) { simd::lanes256::transpose4(v); }
};

// The 512-bit-shaped vectors of the SIMD layer (X16f / X8d) as a vector
// set: chunks of 16 single or 8 double complex values. With 16 values a
// chunk holds a whole 16-point residue, so the first stage has 16 points.
template <class X>
struct Wide {
    using V = typename X::V;
    using Real = typename X::S;
    static constexpr int C = X::W;
    static constexpr int F = C > 8 ? 16 : 8;
    static constexpr const int* order() { return C == 16 ? kChunkOrder16 : kChunkOrder8d; }
    static constexpr int lane(int l) { return order()[l]; }
    struct Inverse {
        int v[C];
        constexpr Inverse() : v()
        {
            for (int l = 0; l < C; ++l) v[Wide::lane(l)] = l;
        }
    };
    static V load(const Real* p) { return X::load(p); }
    static void store(Real* p, V v) { X::store(p, v); }
    static V add(V a, V b) { return X::add(a, b); }
    static V sub(V a, V b) { return X::sub(a, b); }
    static V mul(V a, V b) { return X::mul(a, b); }
    static V set1(Real x) { return X::set1(x); }
    static V fmadd(V a, V b, V c) { return X::fmadd(a, b, c); }
    static V fmsub(V a, V b, V c) { return X::fmsub(a, b, c); }
    static V fnmadd(V a, V b, V c) { return X::fnmadd(a, b, c); }
    static void deinterleave(V a, V b, V& re, V& im) { X::deinterleave(a, b, re, im); }
    static void interleave(V re, V im, V& a, V& b) { X::interleave(re, im, a, b); }
    // Natural order -> chunk order (lane l takes element lane(l)) and back.
    static V toChunk(V x) { return X::permute(x, order()); }
    static V fromChunk(V x)
    {
        static constexpr Inverse inv{};
        return X::permute(x, inv.v);
    }
    static ORVS_FFT_ALWAYS_INLINE void transpose(V* v) { X::transpose(v); }
};

// A vector of C complex values, real and imaginary parts apart.
template <class S>
struct CV {
    typename S::V r, i;
};

// ---- data access, indexed in complex elements (multiples of C) -------------

// Working chunks in one array: chunk at element i occupies reals 2i..2i+2C.
template <class S>
struct ChunkBuf {
    using Real = typename S::Real;
    Real* p;
    static constexpr bool kSplit = false;
    Real* first() const { return p; }
    Real* second() const { return p; }
    CV<S> load(size_t i) const { return {S::load(p + 2 * i), S::load(p + 2 * i + S::C)}; }
    void store(size_t i, CV<S> v) const
    {
        S::store(p + 2 * i, v.r);
        S::store(p + 2 * i + S::C, v.i);
    }
    static void put(Real* at, Real*, CV<S> v)
    {
        S::store(at, v.r);
        S::store(at + S::C, v.i);
    }
};

// Working chunks in two arrays (split data without a work buffer).
template <class S>
struct SplitBuf {
    using Real = typename S::Real;
    Real* re;
    Real* im;
    static constexpr bool kSplit = true;
    Real* first() const { return re; }
    Real* second() const { return im; }
    CV<S> load(size_t i) const { return {S::load(re + i), S::load(im + i)}; }
    void store(size_t i, CV<S> v) const
    {
        S::store(re + i, v.r);
        S::store(im + i, v.i);
    }
    static void put(Real* r, Real* i, CV<S> v)
    {
        S::store(r, v.r);
        S::store(i, v.i);
    }
};

// Caller layouts, read into chunk order.
template <class S>
struct InterleavedIn {
    using Real = typename S::Real;
    const Real* p;
    CV<S> load(size_t i) const
    {
        CV<S> v;
        S::deinterleave(S::load(p + 2 * i), S::load(p + 2 * i + S::C), v.r, v.i);
        return v;
    }
};

template <class S>
struct SplitIn {
    using Real = typename S::Real;
    const Real* re;
    const Real* im;
    CV<S> load(size_t i) const { return {S::toChunk(S::load(re + i)), S::toChunk(S::load(im + i))}; }
};

// Caller layouts written by the last pass, scaled when the switch is set.
template <class S>
struct InterleavedOut {
    using Real = typename S::Real;
    Real* p;
    bool scale;
    typename S::V f;
    static constexpr bool kSplit = false;
    Real* first() const { return p; }
    Real* second() const { return p; }
    void put(Real* at, Real*, CV<S> v) const
    {
        if (scale) {
            v.r = S::mul(v.r, f);
            v.i = S::mul(v.i, f);
        }
        typename S::V a, b;
        S::interleave(v.r, v.i, a, b);
        S::store(at, a);
        S::store(at + S::C, b);
    }
};

template <class S>
struct SplitOut {
    using Real = typename S::Real;
    Real* re;
    Real* im;
    bool scale;
    typename S::V f;
    static constexpr bool kSplit = true;
    Real* first() const { return re; }
    Real* second() const { return im; }
    void put(Real* r, Real* i, CV<S> v) const
    {
        if (scale) {
            v.r = S::mul(v.r, f);
            v.i = S::mul(v.i, f);
        }
        S::store(r, S::fromChunk(v.r));
        S::store(i, S::fromChunk(v.i));
    }
};

// Rows k = 0..R-1 of a butterfly group, R*s elements apart: addressed from
// two base pointers (rows 0..3 and 4..7) and one stride so that the loop
// keeps few integer registers live. `off` is the accessor's real offset per
// element (2 for chunk/interleaved arrays, 1 for split arrays).
template <class Real>
struct Rows {
    char* lo;
    char* hi;
    std::ptrdiff_t st, st3;
    Rows(Real* base, size_t s, int off)
        : lo(reinterpret_cast<char*>(base)), hi(lo + 4 * std::ptrdiff_t(s) * off * std::ptrdiff_t(sizeof(Real))),
          st(std::ptrdiff_t(s) * off * std::ptrdiff_t(sizeof(Real))), st3(3 * st)
    {
    }
    template <int K>
    Real* at() const
    {
        char* b = K < 4 ? lo : hi;
        constexpr int k = K & 3;
        return reinterpret_cast<Real*>(k == 0 ? b : k == 1 ? b + st : k == 2 ? b + 2 * st : b + st3);
    }
    void advance(std::ptrdiff_t bytes)
    {
        lo += bytes;
        hi += bytes;
    }
};

// ---- butterflies -------------------------------------------------------

template <class S>
ORVS_FFT_ALWAYS_INLINE CV<S> cadd(CV<S> a, CV<S> b) { return {S::add(a.r, b.r), S::add(a.i, b.i)}; }
template <class S>
ORVS_FFT_ALWAYS_INLINE CV<S> csub(CV<S> a, CV<S> b) { return {S::sub(a.r, b.r), S::sub(a.i, b.i)}; }

// a * w (forward) or a * conj(w) (inverse); w holds the forward twiddle.
template <class S, bool Inv>
ORVS_FFT_ALWAYS_INLINE CV<S> twiddle(CV<S> a, typename S::V wr, typename S::V wi)
{
    if constexpr (Inv)
        return {S::fmadd(a.r, wr, S::mul(a.i, wi)), S::fmsub(a.i, wr, S::mul(a.r, wi))};
    else
        return {S::fmsub(a.r, wr, S::mul(a.i, wi)), S::fmadd(a.r, wi, S::mul(a.i, wr))};
}

// 4-point DFT in natural order; the rotation by -i (+i inverse) is folded
// into the final additions.
template <class S, bool Inv>
ORVS_FFT_ALWAYS_INLINE void dft4(CV<S>& a0, CV<S>& a1, CV<S>& a2, CV<S>& a3)
{
    const CV<S> t0 = cadd(a0, a2), t1 = csub(a0, a2), t2 = cadd(a1, a3), d = csub(a1, a3);
    a0 = cadd(t0, t2);
    a2 = csub(t0, t2);
    if constexpr (Inv) {
        a1 = {S::sub(t1.r, d.i), S::add(t1.i, d.r)};
        a3 = {S::add(t1.r, d.i), S::sub(t1.i, d.r)};
    } else {
        a1 = {S::add(t1.r, d.i), S::sub(t1.i, d.r)};
        a3 = {S::sub(t1.r, d.i), S::add(t1.i, d.r)};
    }
}

// 8-point DFT, natural order in and out.
template <class S, bool Inv>
ORVS_FFT_ALWAYS_INLINE void dft8(CV<S>* a)
{
    using Real = typename S::Real;
    const auto c = S::set1(Real(0.70710678118654752440084436210484903928L));
    dft4<S, Inv>(a[0], a[2], a[4], a[6]);
    dft4<S, Inv>(a[1], a[3], a[5], a[7]);
    const CV<S> e0 = a[0], e1 = a[2], e2 = a[4], e3 = a[6];
    const CV<S> o0 = a[1], o1 = a[3], o2 = a[5], o3 = a[7];
    a[0] = cadd(e0, o0);
    a[4] = csub(e0, o0);
    // k = 1: o1 * W8 (forward W8 = (1 - i)/sqrt2)
    // k = 3: o3 * W8^3 (forward (-1 - i)/sqrt2)
    const auto s1 = S::add(o1.r, o1.i), s3 = S::add(o3.r, o3.i);
    if constexpr (Inv) {
        const auto d1 = S::sub(o1.r, o1.i), d3 = S::sub(o3.r, o3.i);
        a[1] = {S::fmadd(d1, c, e1.r), S::fmadd(s1, c, e1.i)};
        a[5] = {S::fnmadd(d1, c, e1.r), S::fnmadd(s1, c, e1.i)};
        a[2] = {S::sub(e2.r, o2.i), S::add(e2.i, o2.r)};
        a[6] = {S::add(e2.r, o2.i), S::sub(e2.i, o2.r)};
        a[3] = {S::fnmadd(s3, c, e3.r), S::fmadd(d3, c, e3.i)};
        a[7] = {S::fmadd(s3, c, e3.r), S::fnmadd(d3, c, e3.i)};
    } else {
        const auto d1 = S::sub(o1.i, o1.r), d3 = S::sub(o3.i, o3.r);
        a[1] = {S::fmadd(s1, c, e1.r), S::fmadd(d1, c, e1.i)};
        a[5] = {S::fnmadd(s1, c, e1.r), S::fnmadd(d1, c, e1.i)};
        a[2] = {S::add(e2.r, o2.i), S::sub(e2.i, o2.r)};
        a[6] = {S::sub(e2.r, o2.i), S::add(e2.i, o2.r)};
        a[3] = {S::fmadd(d3, c, e3.r), S::fnmadd(s3, c, e3.i)};
        a[7] = {S::fnmadd(d3, c, e3.r), S::fmadd(s3, c, e3.i)};
    }
}

// 16-point DFT, natural order in and out: 8-point DFTs of the even and odd
// inputs, the odd ones turned by W16^k, then one radix-2 step.
template <class S, bool Inv>
ORVS_FFT_ALWAYS_INLINE void dft16(CV<S>* a)
{
    using Real = typename S::Real;
    CV<S> e[8], o[8];
    for (int k = 0; k < 8; ++k) {
        e[k] = a[2 * k];
        o[k] = a[2 * k + 1];
    }
    dft8<S, Inv>(e);
    dft8<S, Inv>(o);
    // cos and -sin of 2 pi k / 16 (forward twiddles), k = 0..7
    constexpr long double c1 = 0.92387953251128675612818318939678828682L;
    constexpr long double s1 = 0.38268343236508977172845998403039886676L;
    constexpr long double h = 0.70710678118654752440084436210484903928L;
    constexpr long double wr[8] = {1, c1, h, s1, 0, -s1, -h, -c1};
    constexpr long double wi[8] = {0, -s1, -h, -c1, -1, -c1, -h, -s1};
    for (int k = 0; k < 8; ++k) {
        CV<S> t = o[k];
        if (k == 4) {
            // times -i (forward) or +i (inverse), exactly
            t = Inv ? CV<S>{S::sub(S::set1(Real(0)), o[k].i), o[k].r} : CV<S>{o[k].i, S::sub(S::set1(Real(0)), o[k].r)};
        } else if (k != 0) {
            t = twiddle<S, Inv>(o[k], S::set1(Real(wr[k])), S::set1(Real(wi[k])));
        }
        a[k] = cadd(e[k], t);
        a[k + 8] = csub(e[k], t);
    }
}

template <class S, bool Inv>
ORVS_FFT_ALWAYS_INLINE void dftFirst(CV<S>* a)
{
    if constexpr (S::F == 16)
        dft16<S, Inv>(a);
    else
        dft8<S, Inv>(a);
}

// Inputs of a radix-r combination are the r sub-blocks in bit-reversed order.
constexpr int rev4[4] = {0, 2, 1, 3};
constexpr int rev8[8] = {0, 4, 2, 6, 1, 5, 3, 7};
constexpr int rev16[16] = {0, 8, 4, 12, 2, 10, 6, 14, 1, 9, 5, 13, 3, 11, 7, 15};
template <int F>
constexpr int revFirst(int i) { return F == 16 ? rev16[i] : rev8[i]; }

// Lane l of a chunk holds element S::lane(l) of its C values.
template <class S>
constexpr int lanePos(int l) { return S::lane(l); }

// ---- first stage -----------------------------------------------------------

// F x C block a[h*C + e] (lane j = sequence j) -> chunk h of sequence j.
template <class S, class Y>
ORVS_FFT_ALWAYS_INLINE void storeTransposed(const CV<S>* a, Y y, const size_t* pos)
{
    constexpr int C = S::C;
    for (int h = 0; h < S::F / C; ++h) {
        typename S::V tr[C], ti[C];
        for (int l = 0; l < C; ++l) {
            tr[l] = a[h * C + lanePos<S>(l)].r;
            ti[l] = a[h * C + lanePos<S>(l)].i;
        }
        S::transpose(tr);
        S::transpose(ti);
        for (int j = 0; j < C; ++j) y.store(pos[j] + size_t(h) * C, {tr[j], ti[j]});
    }
}

// Reads x[r + q*N/F] (q = 0..F-1) for C consecutive residues r per vector
// and writes each residue's F-point DFT to its bit-reversed block, F*rev(r).
template <class S, bool Inv, class Src, class Y>
void firstStageGather(int order, const std::int32_t* bitrev, Src src, Y y)
{
    constexpr int C = S::C, F = S::F;
    const size_t n = size_t(1) << order;
    const size_t stride = n / F;
    // rev(r0 + u) = rev(r0) + revF(u) * N/F^2 for u < F and r0 a multiple of C.
    size_t laneOff[C];
    for (int j = 0; j < C; ++j) laneOff[j] = F * size_t(revFirst<F>(lanePos<S>(j))) * (n / (F * F));
    for (size_t r0 = 0; r0 < stride; r0 += C) {
        CV<S> a[F];
        for (int q = 0; q < F; ++q) a[q] = src.load(r0 + q * stride);
        dftFirst<S, Inv>(a);
        // table entry k = 2 * (order-2)-bit reversal of k, so the reversal of
        // r0 over the residue bits is entry((F/4) r0) / 2
        const size_t base = F * size_t(bitrev[(F / 4) * r0] >> 1);
        size_t pos[C];
        for (int j = 0; j < C; ++j) pos[j] = base + laneOff[j];
        storeTransposed<S>(a, y, pos);
    }
}

// The same first stage on data already in bit-reversed order (x and y
// address the same memory): C groups of F consecutive values at a time.
template <class S, bool Inv, class Src, class Y>
void firstStageInPlace(int order, Src x, Y y)
{
    constexpr int C = S::C, F = S::F;
    const size_t n = size_t(1) << order;
    size_t pos[C];
    for (size_t g0 = 0; g0 < n; g0 += size_t(F) * C) {
        CV<S> a[F];
        for (int h = 0; h < F / C; ++h) {
            typename S::V tr[C], ti[C];
            for (int j = 0; j < C; ++j) {
                const CV<S> v = x.load(g0 + size_t(F) * j + size_t(h) * C);
                tr[j] = v.r;
                ti[j] = v.i;
            }
            S::transpose(tr);
            S::transpose(ti);
            // element e of a bit-reversed group is input revF(e) of the DFT
            for (int l = 0; l < C; ++l) a[revFirst<F>(h * C + lanePos<S>(l))] = {tr[l], ti[l]};
        }
        dftFirst<S, Inv>(a);
        for (int j = 0; j < C; ++j) pos[j] = g0 + size_t(F) * j;
        storeTransposed<S>(a, y, pos);
    }
}

// ---- radix passes ----------------------------------------------------------

// Combines blocks of span s into blocks of R*s within [begin, end), reading
// chunks from y and writing them through out (y itself, or the caller's
// layout for the last pass).
template <class S, bool Inv, int R, int K>
ORVS_FFT_ALWAYS_INLINE void loadRow(CV<S>* a, const Rows<typename S::Real>& in, const Rows<typename S::Real>& in2,
                                    bool two)
{
    using Real = typename S::Real;
    constexpr int row = R == 4 ? rev4[K] : rev8[K];
    const Real* p = in.template at<row>();
    if (two)
        a[K] = {S::load(p), S::load(in2.template at<row>())};
    else
        a[K] = {S::load(p), S::load(p + S::C)};
}

template <class S, bool Inv, int R, class Y, class Out>
void radixPass(Y y, Out out, size_t begin, size_t end, size_t s, const typename S::Real* tw)
{
    using Real = typename S::Real;
    constexpr int C = S::C;
    constexpr bool ySplit = Y::kSplit, oSplit = Out::kSplit;
    constexpr int yOff = ySplit ? 1 : 2, oOff = oSplit ? 1 : 2;
    for (size_t b = begin; b < end; b += R * s) {
        const Real* w = tw;
        Rows<Real> in(y.first() + yOff * b, s, yOff), in2(y.second() + yOff * b, s, yOff);
        Rows<Real> o(out.first() + oOff * b, s, oOff), o2(out.second() + oOff * b, s, oOff);
        for (size_t t = 0; t < s; t += C) {
            CV<S> a[R];
            [&]<int... K>(std::integer_sequence<int, K...>) {
                (loadRow<S, Inv, R, K>(a, in, in2, ySplit), ...);
            }(std::make_integer_sequence<int, R>{});
            for (int p = 1; p < R; ++p)
                a[p] = twiddle<S, Inv>(a[p], S::load(w + 2 * C * (p - 1)), S::load(w + 2 * C * (p - 1) + C));
            w += 2 * C * (R - 1);
            if constexpr (R == 4)
                dft4<S, Inv>(a[0], a[1], a[2], a[3]);
            else
                dft8<S, Inv>(a);
            [&]<int... K>(std::integer_sequence<int, K...>) {
                (out.put(o.template at<K>(), o2.template at<K>(), a[K]), ...);
            }(std::make_integer_sequence<int, R>{});
            in.advance(std::ptrdiff_t(yOff * C * sizeof(Real)));
            o.advance(std::ptrdiff_t(oOff * C * sizeof(Real)));
            if constexpr (ySplit) in2.advance(std::ptrdiff_t(C * sizeof(Real)));
            if constexpr (oSplit) o2.advance(std::ptrdiff_t(C * sizeof(Real)));
        }
    }
}

// Two radix-4 passes fused (span s -> 4s -> 16s) with the intermediate
// values kept in registers: for each chunk t, the 16 rows t + m*s of a
// 16s-block are loaded once, combined in 4-point groups with the first
// pass's twiddles, then across groups with the second pass's twiddles,
// and stored once. Both passes' twiddle tables are read as laid out for
// the separate passes.
template <class S, bool Inv, class Y, class Out>
void radix16Pass(Y y, Out out, size_t n, size_t s, const typename S::Real* twA, const typename S::Real* twB)
{
    using Real = typename S::Real;
    constexpr int C = S::C;
    constexpr int oOff = Out::kSplit ? 1 : 2;
    for (size_t b = 0; b < n; b += 16 * s) {
        for (size_t t = 0; t < s; t += C) {
            CV<S> a[16];
            const Real* wa = twA + 6 * t;
            for (int g = 0; g < 4; ++g) {
                CV<S>* x = a + 4 * g;
                for (int p = 0; p < 4; ++p) x[p] = y.load(b + size_t(4 * g + rev4[p]) * s + t);
                for (int p = 1; p < 4; ++p)
                    x[p] = twiddle<S, Inv>(x[p], S::load(wa + 2 * C * (p - 1)), S::load(wa + 2 * C * (p - 1) + C));
                dft4<S, Inv>(x[0], x[1], x[2], x[3]);
            }
            // a[4g + k] is row g*4s + k*s + t of the first pass's output.
            for (int k = 0; k < 4; ++k) {
                const Real* wb = twB + 6 * (size_t(k) * s + t);
                CV<S> x[4];
                for (int q = 0; q < 4; ++q) x[q] = a[4 * rev4[q] + k];
                for (int q = 1; q < 4; ++q)
                    x[q] = twiddle<S, Inv>(x[q], S::load(wb + 2 * C * (q - 1)), S::load(wb + 2 * C * (q - 1) + C));
                dft4<S, Inv>(x[0], x[1], x[2], x[3]);
                for (int q = 0; q < 4; ++q) {
                    const size_t i = b + size_t(4 * q + k) * s + t;
                    out.put(out.first() + oOff * i, out.second() + oOff * i, x[q]);
                }
            }
        }
    }
}

template <class S, bool Inv, class Y, class Out>
void runPass(Y y, Out out, int radix, size_t begin, size_t end, size_t s, const typename S::Real* tw)
{
    if (radix == 4)
        radixPass<S, Inv, 4>(y, out, begin, end, s, tw);
    else
        radixPass<S, Inv, 8>(y, out, begin, end, s, tw);
}

// Runs every pass after the first stage. Passes whose output blocks fit in
// L1 run block by block, then those fitting L2, then the rest over all data;
// the last pass writes through out.
template <class S, bool Inv, class Y, class Out>
void passes(int order, const typename S::Real* twiddles, Y y, const Out& out)
{
    using Real = typename S::Real;
    constexpr int firstBits = S::F == 16 ? 4 : 3;
    const size_t n = size_t(1) << order;
    const int l1Bits = sizeof(Real) == 4 ? 11 : 10;
    const int l2Bits = sizeof(Real) == 4 ? 15 : 14;
    if (order <= l1Bits) {
        // Short transforms: the pass plan walked directly, no blocking.
        int rem = order - firstBits;
        int fours = rem % 3 == 1 ? 2 : rem % 3 == 2 ? 1 : 0;
        size_t span = size_t(1) << firstBits;
        const Real* tw = twiddles;
        if (fours == 2) {
            const Real* twB = tw + size_t(6) * span;
            rem -= 4;
            if (rem == 0)
                radix16Pass<S, Inv>(y, out, n, span, tw, twB);
            else
                radix16Pass<S, Inv>(y, y, n, span, tw, twB);
            tw = twB + size_t(6) * 4 * span;
            span *= 16;
            fours = 0;
        }
        while (rem > 0) {
            const int r = fours > 0 ? 4 : 8;
            rem -= r == 4 ? 2 : 3;
            fours -= r == 4;
            if (rem == 0)
                runPass<S, Inv>(y, out, r, 0, n, span, tw);
            else
                runPass<S, Inv>(y, y, r, 0, n, span, tw);
            tw += size_t(2) * (r - 1) * span;
            span *= size_t(r);
        }
        return;
    }
    const PassPlan plan = makePlan(order, firstBits);
    struct P { int radix; size_t span; const Real* tw; int bits; };
    P ps[16];
    size_t span = size_t(1) << firstBits;
    int bits = firstBits;
    const Real* tw = twiddles;
    for (int i = 0; i < plan.count; ++i) {
        const int r = plan.radix[i];
        bits += r == 4 ? 2 : 3;
        ps[i] = {r, span, tw, bits};
        tw += size_t(2) * (r - 1) * span;
        span *= r;
    }
    auto run = [&](int k, size_t b0, size_t b1) {
        if (k == plan.count - 1)
            runPass<S, Inv>(y, out, ps[k].radix, b0, b1, ps[k].span, ps[k].tw);
        else
            runPass<S, Inv>(y, y, ps[k].radix, b0, b1, ps[k].span, ps[k].tw);
    };
    int i = 0;
    if (order > l2Bits) {
        // L1 blocks inside each L2 block, then the L2-level passes per block.
        const size_t blk2 = size_t(1) << l2Bits, blk1 = size_t(1) << l1Bits;
        int last1 = 0;
        while (last1 < plan.count && ps[last1].bits <= l1Bits) ++last1;
        int last2 = last1;
        while (last2 < plan.count && ps[last2].bits <= l2Bits) ++last2;
        for (size_t b2 = 0; b2 < n; b2 += blk2) {
            for (size_t b1 = b2; b1 < b2 + blk2; b1 += blk1)
                for (int k = 0; k < last1; ++k) run(k, b1, b1 + blk1);
            for (int k = last1; k < last2; ++k) run(k, b2, b2 + blk2);
        }
        i = last2;
    } else if (order > l1Bits) {
        const size_t blk = size_t(1) << l1Bits;
        int last = 0;
        while (last < plan.count && ps[last].bits <= l1Bits) ++last;
        for (size_t b = 0; b < n; b += blk)
            for (int k = 0; k < last; ++k) run(k, b, b + blk);
        i = last;
    }
    for (; i < plan.count; ++i) run(i, 0, n);
}

// ---- N = 64 in registers (chunks of 8: 256-bit single, 512-bit double) ------

// The 8-point stage and the one radix-8 pass with the intermediate chunks
// kept in registers; every load precedes every store, so src may equal dst.
template <class S, bool Inv, class Src, class Out>
void transform64(const typename S::Real* twiddles, Src src, const Out& out)
{
    constexpr int C = S::C;
    static_assert(C == 8 && S::F == 8);
    constexpr int off = Out::kSplit ? 1 : 2;
    CV<S> a[8];
    for (int q = 0; q < 8; ++q) a[q] = src.load(size_t(q) * 8);
    dft8<S, Inv>(a);
    typename S::V tr[C], ti[C];
    for (int l = 0; l < C; ++l) {
        tr[l] = a[lanePos<S>(l)].r;
        ti[l] = a[lanePos<S>(l)].i;
    }
    S::transpose(tr);
    S::transpose(ti);
    // row j holds residue lanePos(j); the pass takes residue p as input p
    constexpr auto rowOf = [] {
        struct { int v[8]; } r{};
        for (int l = 0; l < 8; ++l) r.v[S::lane(l)] = l;
        return r;
    }();
    for (int p = 0; p < 8; ++p) a[p] = {tr[rowOf.v[p]], ti[rowOf.v[p]]};
    for (int p = 1; p < 8; ++p)
        a[p] = twiddle<S, Inv>(a[p], S::load(twiddles + 2 * C * (p - 1)), S::load(twiddles + 2 * C * (p - 1) + C));
    dft8<S, Inv>(a);
    for (int k = 0; k < 8; ++k) out.put(out.first() + off * 8 * k, out.second() + off * 8 * k, a[k]);
}

// ---- bit reversal in place (large orders without a full-size buffer) -------

// Permutes x[k] <-> x[rev(k)] for k < 2^order (order >= 2T) through square
// tiles of 2^T x 2^T elements: the index is split into T high bits h, a
// middle part j and T low bits l, and rev(h, j, l) = (rev(l), rev(j), rev(h)).
// Tile j (rows h of 2^T consecutive elements, 2^(order-T) apart) and tile
// rev(j) are read into two stack tiles, then each is written to the other's
// place with rows and columns exchanged and reversed. Every cache line is
// read and written once; the shuffling happens inside L1.
template <class U>
void bitReverseTiled(int order, U* x)
{
    constexpr int T = 5, W = 1 << T;
    constexpr auto revT = [] {
        struct { int v[W]; } r{};
        for (int i = 0; i < W; ++i) {
            int v = 0;
            for (int b = 0; b < T; ++b) v |= ((i >> b) & 1) << (T - 1 - b);
            r.v[i] = v;
        }
        return r;
    }();
    const int midBits = order - 2 * T;
    const size_t rowStride = size_t(1) << (order - T);
    const size_t mids = size_t(1) << midBits;
    alignas(64) U a[W][W];
    alignas(64) U b[W][W];
    auto gather = [&](U(*t)[W], size_t j) {
        const U* p = x + (j << T);
        for (int h = 0; h < W; ++h) std::memcpy(t[h], p + size_t(h) * rowStride, sizeof(U) * W);
    };
    // position (h, j, l) receives t[rev(l)][rev(h)]
    auto scatter = [&](U(*t)[W], size_t j) {
        U* p = x + (j << T);
        for (int h = 0; h < W; ++h) {
            U* row = p + size_t(h) * rowStride;
            const int rh = revT.v[h];
            for (int l = 0; l < W; ++l) row[l] = t[revT.v[l]][rh];
        }
    };
    for (size_t j = 0; j < mids; ++j) {
        size_t rj = 0;
        for (int bit = 0; bit < midBits; ++bit) rj |= ((j >> bit) & 1) << (midBits - 1 - bit);
        if (rj < j) continue;
        gather(a, j);
        if (rj == j) {
            scatter(a, j);
        } else {
            gather(b, rj);
            scatter(b, j);
            scatter(a, rj);
        }
    }
}

// Interleaved complex values move as one unit.
template <class Real>
struct ComplexUnit {
    Real re, im;
};

// ---- orders 0..5: straight-line transforms in registers ----------------------

// Four single-precision complex values per 128-bit vector (N = 16 and the
// second half of N = 32); lanes in natural order.
struct Simd128f {
    using V = __m128;
    using Real = float;
    static constexpr int C = 4;
    static V load(const float* p) { return _mm_loadu_ps(p); }
    static void store(float* p, V v) { _mm_storeu_ps(p, v); }
    static V add(V a, V b) { return _mm_add_ps(a, b); }
    static V sub(V a, V b) { return _mm_sub_ps(a, b); }
    static V mul(V a, V b) { return _mm_mul_ps(a, b); }
    static V set1(float x) { return _mm_set1_ps(x); }
#if defined(__FMA__)
    static V fmadd(V a, V b, V c) { return _mm_fmadd_ps(a, b, c); }
    static V fmsub(V a, V b, V c) { return _mm_fmsub_ps(a, b, c); }
    static V fnmadd(V a, V b, V c) { return _mm_fnmadd_ps(a, b, c); }
#else
    static V fmadd(V a, V b, V c) { return add(mul(a, b), c); }
    static V fmsub(V a, V b, V c) { return sub(mul(a, b), c); }
    static V fnmadd(V a, V b, V c) { return sub(c, mul(a, b)); }
#endif
    static void deinterleave(V a, V b, V& re, V& im)
    {
        re = _mm_shuffle_ps(a, b, 0x88);
        im = _mm_shuffle_ps(a, b, 0xDD);
    }
    static void interleave(V re, V im, V& a, V& b)
    {
        a = _mm_unpacklo_ps(re, im);
        b = _mm_unpackhi_ps(re, im);
    }
    static V permLanes(V x) { return x; }
    static void transpose(V* v) { _MM_TRANSPOSE4_PS(v[0], v[1], v[2], v[3]); }
};

// One complex value per "vector": orders 0..3.
template <class R>
struct Scalar1 {
    using V = R;
    using Real = R;
    static V add(V a, V b) { return a + b; }
    static V sub(V a, V b) { return a - b; }
    static V mul(V a, V b) { return a * b; }
    static V set1(R x) { return x; }
    static V fmadd(V a, V b, V c) { return a * b + c; }
    static V fmsub(V a, V b, V c) { return a * b - c; }
    static V fnmadd(V a, V b, V c) { return c - a * b; }
};

// Lane l of a vector holds element laneOf<S>(l) of its C values.
template <class S>
constexpr int laneOf(int l)
{
    if constexpr (std::is_same_v<S, Simd128f>)
        return l;
    else
        return chunkOrder<typename S::Real>()[l];
}

// Caller data of a small transform: interleaved (im == nullptr: re holds
// re,im pairs) or split arrays.
template <class Real, bool Split>
struct SmallIO {
    const Real* sre;
    const Real* sim;
    Real* dre;
    Real* dim;
    template <class S>
    CV<S> load(int i) const
    {
        CV<S> v;
        if constexpr (Split) {
            v.r = S::permLanes(S::load(sre + i));
            v.i = S::permLanes(S::load(sim + i));
        } else {
            S::deinterleave(S::load(sre + 2 * i), S::load(sre + 2 * i + S::C), v.r, v.i);
        }
        return v;
    }
    template <class S>
    void store(int i, CV<S> v) const
    {
        if constexpr (Split) {
            S::store(dre + i, S::permLanes(v.r));
            S::store(dim + i, S::permLanes(v.i));
        } else {
            typename S::V a, b;
            S::interleave(v.r, v.i, a, b);
            S::store(dre + 2 * i, a);
            S::store(dre + 2 * i + S::C, b);
        }
    }
    Real re(int i) const { return Split ? sre[i] : sre[2 * i]; }
    Real im(int i) const { return Split ? sim[i] : sre[2 * i + 1]; }
    void put(int i, Real r, Real m) const
    {
        if constexpr (Split) {
            dre[i] = r;
            dim[i] = m;
        } else {
            dre[2 * i] = r;
            dre[2 * i + 1] = m;
        }
    }
};

// Twiddles W_N^(p*k) for rows k = 1..R-1 and lanes p = laneOf(l), taken from
// the fixed table of sin(2*pi*j/1024); built once.
template <class S, int N, int R>
struct SmallTwiddles {
    using Real = typename S::Real;
    alignas(32) Real re[R][S::C];
    alignas(32) Real im[R][S::C];
    SmallTwiddles()
    {
        const Real* t = fixedSineTable<Real>();
        for (int k = 0; k < R; ++k)
            for (int l = 0; l < S::C; ++l) {
                const int j = (laneOf<S>(l) * k * (1024 / N)) & 1023, quad = j / 256, r = j % 256;
                Real c, s;
                switch (quad) {
                case 0: s = t[r]; c = t[256 - r]; break;
                case 1: s = t[256 - r]; c = -t[r]; break;
                case 2: s = -t[r]; c = -t[256 - r]; break;
                default: s = -t[256 - r]; c = t[r]; break;
                }
                re[k][l] = c;
                im[k][l] = -s;  // forward: e^(-i*theta)
            }
    }
    static const SmallTwiddles& get()
    {
        static const SmallTwiddles tw;
        return tw;
    }
};

template <class S>
ORVS_FFT_ALWAYS_INLINE CV<S> scaled(CV<S> v, bool scale, typename S::V f)
{
    if (scale) {
        v.r = S::mul(v.r, f);
        v.i = S::mul(v.i, f);
    }
    return v;
}

// N = 1, 2, 4, 8: one complex value per variable.
template <class Real, bool Inv, int Order, class IO>
void smallScalar(const IO& io, Real f, bool scale)
{
    using S = Scalar1<Real>;
    constexpr int n = 1 << Order;
    CV<S> a[8];
    for (int k = 0; k < n; ++k) a[k] = {io.re(k), io.im(k)};
    if constexpr (Order == 1) {
        const CV<S> t = a[0];
        a[0] = cadd(t, a[1]);
        a[1] = csub(t, a[1]);
    } else if constexpr (Order == 2) {
        dft4<S, Inv>(a[0], a[1], a[2], a[3]);
    } else if constexpr (Order == 3) {
        dft8<S, Inv>(a);
    }
    for (int k = 0; k < n; ++k) {
        const CV<S> v = scaled<S>(a[k], scale, f);
        io.put(k, v.r, v.i);
    }
}

// N = 16 as 4 x 4: index n = 4*n1 + n2 (vector n1, lane n2), k = k1 + 4*k2.
// 4-point DFTs over n1, twiddles W16^(n2*k1), transpose, 4-point DFTs over n2.
template <class Real, bool Inv, class IO>
void small16(const IO& io, Real f, bool scale)
{
    using S = std::conditional_t<sizeof(Real) == 4, Simd128f, Simd<Real>>;
    static_assert(S::C == 4);
    const auto& tw = SmallTwiddles<S, 16, 4>::get();
    CV<S> a[4];
    for (int q = 0; q < 4; ++q) a[q] = io.template load<S>(4 * q);
    dft4<S, Inv>(a[0], a[1], a[2], a[3]);
    for (int k = 1; k < 4; ++k) a[k] = twiddle<S, Inv>(a[k], S::load(tw.re[k]), S::load(tw.im[k]));
    typename S::V tr[4], ti[4];
    for (int l = 0; l < 4; ++l) {
        tr[l] = a[laneOf<S>(l)].r;
        ti[l] = a[laneOf<S>(l)].i;
    }
    S::transpose(tr);
    S::transpose(ti);
    for (int p = 0; p < 4; ++p) a[p] = {tr[laneOf<S>(p)], ti[laneOf<S>(p)]};
    dft4<S, Inv>(a[0], a[1], a[2], a[3]);
    const auto fv = S::set1(f);
    for (int k = 0; k < 4; ++k) io.template store<S>(4 * k, scaled<S>(a[k], scale, fv));
}

// N = 32. Double: 8 x 4 (8-point DFTs over vectors, then two 4 x 4
// transposes and 4-point DFTs). Single: 4 x 8 (4-point DFTs over vectors
// of 8, then 128-bit halves transposed into 8 vectors of 4 and one 8-point
// DFT over them).
template <class Real, bool Inv, class IO>
void small32(const IO& io, Real f, bool scale)
{
    using S = Simd<Real>;
    constexpr int C = S::C, R = 32 / C;
    const auto& tw = SmallTwiddles<S, 32, R>::get();
    CV<S> a[R];
    for (int q = 0; q < R; ++q) a[q] = io.template load<S>(C * q);
    if constexpr (R == 8)
        dft8<S, Inv>(a);
    else
        dft4<S, Inv>(a[0], a[1], a[2], a[3]);
    for (int k = 1; k < R; ++k) a[k] = twiddle<S, Inv>(a[k], S::load(tw.re[k]), S::load(tw.im[k]));
    if constexpr (R == 8) {
        const auto fv = S::set1(f);
        for (int h = 0; h < 2; ++h) {
            typename S::V tr[4], ti[4];
            for (int l = 0; l < 4; ++l) {
                tr[l] = a[4 * h + laneOf<S>(l)].r;
                ti[l] = a[4 * h + laneOf<S>(l)].i;
            }
            S::transpose(tr);
            S::transpose(ti);
            CV<S> b[4];
            for (int p = 0; p < 4; ++p) b[p] = {tr[laneOf<S>(p)], ti[laneOf<S>(p)]};
            dft4<S, Inv>(b[0], b[1], b[2], b[3]);
            b[0] = scaled<S>(b[0], scale, fv);
            b[1] = scaled<S>(b[1], scale, fv);
            b[2] = scaled<S>(b[2], scale, fv);
            b[3] = scaled<S>(b[3], scale, fv);
            // every input is already in registers: in-place calls are safe
            for (int k = 0; k < 4; ++k) io.template store<S>(8 * k + 4 * h, b[k]);
        }
    } else {
        using H = Simd128f;
        __m128 br[8], bi[8];
        for (int l = 0; l < 4; ++l) {
            br[l] = _mm256_castps256_ps128(a[l].r);
            bi[l] = _mm256_castps256_ps128(a[l].i);
            br[4 + l] = _mm256_extractf128_ps(a[l].r, 1);
            bi[4 + l] = _mm256_extractf128_ps(a[l].i, 1);
        }
        H::transpose(br);
        H::transpose(bi);
        H::transpose(br + 4);
        H::transpose(bi + 4);
        CV<H> b[8];
        for (int p = 0; p < 8; ++p) b[p] = {br[laneOf<S>(p)], bi[laneOf<S>(p)]};
        dft8<H, Inv>(b);
        const auto fv = H::set1(f);
        for (int k = 0; k < 8; ++k) io.template store<H>(4 * k, scaled<H>(b[k], scale, fv));
    }
}

template <class Real, bool Inv, class IO>
void smallRun(int order, const IO& io, Real f, bool scale)
{
    switch (order) {
    case 0: smallScalar<Real, Inv, 0>(io, f, scale); break;
    case 1: smallScalar<Real, Inv, 1>(io, f, scale); break;
    case 2: smallScalar<Real, Inv, 2>(io, f, scale); break;
    case 3: smallScalar<Real, Inv, 3>(io, f, scale); break;
    case 4: small16<Real, Inv>(io, f, scale); break;
    default: small32<Real, Inv>(io, f, scale); break;
    }
}

template <class Real, bool Inv>
void smallInterleaved(int order, const Real* src, Real* dst, Real f, bool scale)
{
    smallRun<Real, Inv>(order, SmallIO<Real, false>{src, nullptr, dst, nullptr}, f, scale);
}

template <class Real, bool Inv>
void smallSplit(int order, const Real* sre, const Real* sim, Real* dre, Real* dim, Real f, bool scale)
{
    smallRun<Real, Inv>(order, SmallIO<Real, true>{sre, sim, dre, dim}, f, scale);
}

// ---- the transform -----------------------------------------------------------

template <class S, bool Inv>
void runInterleaved(const View<typename S::Real>& v, const typename S::Real* src, typename S::Real* dst,
                    typename S::Real* work)
{
    using Real = typename S::Real;
    const int order = v.order;
    const bool inPlace = src == dst;
    const InterleavedOut<S> out{dst, v.scale, S::set1(v.factor)};
    if constexpr (S::C == 8 && S::F == 8) {
        if (order == 6) {
            transform64<S, Inv>(v.twiddles, InterleavedIn<S>{src}, out);
            return;
        }
    }
    if (!work) {
        // No full-size buffer (large orders): everything happens in dst.
        const ChunkBuf<S> y{dst};
        if (inPlace) {
            bitReverseTiled(order, reinterpret_cast<ComplexUnit<Real>*>(dst));
            firstStageInPlace<S, Inv>(order, InterleavedIn<S>{dst}, y);
        } else {
            firstStageGather<S, Inv>(order, v.bitrev, InterleavedIn<S>{src}, y);
        }
        passes<S, Inv>(order, v.twiddles, y, out);
        return;
    }
    const bool dstAligned = (reinterpret_cast<std::uintptr_t>(dst) & 31) == 0;
    const ChunkBuf<S> y{!inPlace && dstAligned ? dst : work};
    firstStageGather<S, Inv>(order, v.bitrev, InterleavedIn<S>{src}, y);
    passes<S, Inv>(order, v.twiddles, y, out);
}

template <class S, bool Inv>
void runSplit(const View<typename S::Real>& v, const typename S::Real* sre, const typename S::Real* sim,
              typename S::Real* dre, typename S::Real* dim, typename S::Real* work)
{
    using Real = typename S::Real;
    const int order = v.order;
    const SplitOut<S> out{dre, dim, v.scale, S::set1(v.factor)};
    const SplitIn<S> in{sre, sim};
    if constexpr (S::C == 8 && S::F == 8) {
        if (order == 6) {
            transform64<S, Inv>(v.twiddles, in, out);
            return;
        }
    }
    if (work) {
        // Chunks in the work buffer: any aliasing of the four arrays is safe.
        const ChunkBuf<S> y{work};
        firstStageGather<S, Inv>(order, v.bitrev, in, y);
        passes<S, Inv>(order, v.twiddles, y, out);
        return;
    }
    const SplitBuf<S> y{dre, dim};
    const size_t n = size_t(1) << order, bytes = n * sizeof(Real);
    if (!(sre == dre && sim == dim) && (sre == dre || sim == dim || sre == dim || sim == dre)) {
        // Partly aliased arrays: move the input into (dre, dim) first and
        // transform that in place.
        if (sre == dim && sim == dre) {
            for (size_t k = 0; k < n; ++k) {
                const Real t = dre[k];
                dre[k] = dim[k];
                dim[k] = t;
            }
        } else if (sre == dim) {
            std::memmove(dre, sre, bytes);
            std::memmove(dim, sim, bytes);
        } else if (sim == dre) {
            std::memmove(dim, sim, bytes);
            std::memmove(dre, sre, bytes);
        } else if (sre == dre) {
            std::memmove(dim, sim, bytes);
        } else {
            std::memmove(dre, sre, bytes);
        }
        sre = dre;
        sim = dim;
    }
    if (sre == dre && sim == dim) {
        bitReverseTiled(order, dre);
        bitReverseTiled(order, dim);
        firstStageInPlace<S, Inv>(order, SplitIn<S>{dre, dim}, y);
    } else {
        firstStageGather<S, Inv>(order, v.bitrev, in, y);
    }
    passes<S, Inv>(order, v.twiddles, y, out);
}

template <class S>
constexpr KernelSet<typename S::Real> kernelSet()
{
    using R = typename S::Real;
    // The first stage needs N/F >= C residues (and F*C values in place).
    constexpr int minOrder = S::C * S::F >= 256 ? 8 : 6;
    return {
        {&runInterleaved<S, false>, &runInterleaved<S, true>},
        {&runSplit<S, false>, &runSplit<S, true>},
        {&smallInterleaved<R, false>, &smallInterleaved<R, true>},
        {&smallSplit<R, false>, &smallSplit<R, true>},
        S::C,
        minOrder,
    };
}

} // namespace

const KernelTable table = {
    kernelSet<Simd<float>>(),
    kernelSet<Simd<double>>(),
    kernelSet<Wide<simd::X16f>>(),
    kernelSet<Wide<simd::X8d>>(),
};

} // namespace orvs::fft::ORVS_TARGET
