// Kernels of the complex family, compiled once per instruction-set target
// (namespace orvs::cplx::ORVS_TARGET). The float kernels are written over the
// vector layer (core/simd/float_vec.h); each target runs them at its widest
// width.
//
// Vector loops handle the tail by running the same vector block on a
// zero-padded copy, so every element gets the same instruction sequence
// whatever its position in the vector.
#if defined(__AVX512F__)
// GCC 12 reports the deliberately undefined pass-through operand of the
// unmasked 512-bit intrinsics as "maybe uninitialized"; nothing reads it.
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <type_traits>

#include "convert/complex/complex_kernels.h"
#include "core/saturate.h"
#include "core/simd/simd.h"

namespace orvs::cplx::ORVS_TARGET {

namespace {

using namespace simd::ORVS_TARGET;

// Limits between which a sum of two squares neither overflows nor underflows,
// and beyond which the arctangent's middle range could overflow.
template <class S> struct Limits;
template <> struct Limits<float> {
    static constexpr double big = 0x1p63, tiny = 0x1p-63, atanBig = 0x1p126;
};
template <> struct Limits<double> {
    static constexpr double big = 0x1p511, tiny = 0x1p-511, atanBig = 0x1p1022;
};

// Runs block(i) over full vectors and then once over a zero-padded copy of
// the tail. Sources and destinations are given as (pointer, elements per
// index) so one driver serves interleaved and split layouts.
template <int W, class Block, class TailIn, class TailOut>
inline void forBlocks(int n, Block&& block, TailIn&& tailIn, TailOut&& tailOut)
{
    int i = 0;
    for (; i + W <= n; i += W) block(i, false);
    if (i < n) {
        tailIn(i, n - i);
        block(i, true);
        tailOut(i, n - i);
    }
}

// ---- magnitude and power of float/double pairs ---------------------------

// Elements whose parts are so large or so small that the sum of squares
// would overflow or underflow take the exact scalar route.
template <class A>
inline int hypotRisk(typename A::V re, typename A::V im)
{
    using V = typename A::V;
    const V sign = A::set1(-0.0);
    V m = A::max(A::andnot(sign, re), A::andnot(sign, im));
    const auto risky = A::mor(A::ge(m, A::set1(Limits<typename A::S>::big)), A::mand(A::lt(m, A::set1(Limits<typename A::S>::tiny)), A::neq(m, A::zero())));
    return A::mask(risky);
}

template <class S>
inline S hypotExact(S re, S im)
{
    if constexpr (sizeof(S) == 4) {
        const double r = re, i = im;
        return static_cast<float>(std::sqrt(r * r + i * i));
    } else {
        return std::hypot(re, im);
    }
}

// Interleaved or split sources; Power selects re^2 + im^2 without the root.
// The root is screened on the sums of four blocks at a time (their running
// minimum and maximum); only a group that trips it gets the per-lane test.
template <class A, bool Power, bool Interleaved>
void magnitudeFloat(const typename A::S* srcA, const typename A::S* srcB, typename A::S* dst, int n)
{
    using S = typename A::S;
    using V = typename A::V;
    constexpr int W = A::W;
    constexpr int G = 4;
    auto parts = [](const S* a, const S* b, int off, V& re, V& im) {
        if constexpr (Interleaved) {
            A::deinterleave(a + 2 * off, re, im);
        } else {
            re = A::load(a + off);
            im = A::load(b + off);
        }
    };
    // Sums outside [2^-2e, 2^2e) for the limit 2^e: lanes that may have
    // overflowed or underflowed. Elements whose parts are both zero are
    // exact and are kept out of the running minimum (zero-padded signals
    // would trip every group); a sum that underflowed to zero is not.
    const V tiny2 = A::set1(Limits<S>::tiny * Limits<S>::tiny), big2 = A::set1(Limits<S>::big * Limits<S>::big);
    const V one = A::set1(1.0);
    auto outside = [&](V lo, V hi) { return A::mask(A::mor(A::lt(lo, tiny2), A::ge(hi, big2))); };
    // The block's sums are folded into the running extremes lo and hi of a
    // group (a NaN sum leaves them unchanged: it needs no fixing).
    auto compute = [&](const S* a, const S* b, S* d, int off, V& lo, V& hi) {
        V re, im;
        parts(a, b, off, re, im);
        const V s = A::add(A::mul(re, re), A::mul(im, im));
        if constexpr (Power) {
            A::store(d + off, s);
        } else {
            A::store(d + off, A::sqrt(s));
            lo = A::min(A::blend(s, one, A::eq(A::or_(re, im), A::zero())), lo);
            hi = A::max(s, hi);
        }
    };
    auto tripped = [&](V lo, V hi) { return !Power && outside(lo, hi); };
    // A lane is recomputed when its own sum tripped the screen and its parts
    // are out of range; the decision depends on the lane alone, so an
    // element's value never depends on its neighbours or the vector width.
    auto fix = [&](const S* a, const S* b, S* d, int off) {
        V re, im;
        parts(a, b, off, re, im);
        const V s = A::add(A::mul(re, re), A::mul(im, im));
        const int risky = hypotRisk<A>(re, im) & outside(s, s);
        if (!risky) return;
        alignas(64) S r[W], m[W];
        A::store(r, re);
        A::store(m, im);
        for (int k = 0; k < W; ++k)
            if (risky & (1 << k)) d[off + k] = hypotExact(r[k], m[k]);
    };
    int i = 0;
    for (; i + G * W <= n; i += G * W) {
        V lo = one, hi = one;
        for (int g = 0; g < G; ++g) compute(srcA, srcB, dst, i + g * W, lo, hi);
        if (tripped(lo, hi))
            for (int g = 0; g < G; ++g) fix(srcA, srcB, dst, i + g * W);
    }
    for (; i + W <= n; i += W) {
        V lo = one, hi = one;
        compute(srcA, srcB, dst, i, lo, hi);
        if (tripped(lo, hi)) fix(srcA, srcB, dst, i);
    }
    if (i < n) {
        const int rem = n - i;
        S padA[2 * W] = {}, padB[W] = {}, padD[W];
        if constexpr (Interleaved) {
            std::memcpy(padA, srcA + 2 * i, sizeof(S) * 2 * rem);
        } else {
            std::memcpy(padA, srcA + i, sizeof(S) * rem);
            std::memcpy(padB, srcB + i, sizeof(S) * rem);
        }
        V lo = one, hi = one;
        compute(padA, padB, padD, 0, lo, hi);
        if (tripped(lo, hi)) fix(padA, padB, padD, 0);
        std::memcpy(dst + i, padD, sizeof(S) * rem);
    }
}

// ---- arctangent -----------------------------------------------------------

// R(s) with atan(t) = t + t*s*R(s), s = t^2, |t| <= tan(pi/8); Chebyshev
// interpolants whose error is far below half an ulp of the result.
template <class S> struct AtanPoly;
template <> struct AtanPoly<float> {
    template <class A>
    static typename A::V eval(typename A::V s)
    {
        auto p = A::set1(-0.06451926114689663);
        p = A::fma(p, s, A::set1(0.10743730859149465));
        p = A::fma(p, s, A::set1(-0.14263955539545425));
        p = A::fma(p, s, A::set1(0.1999954048196227));
        return A::fma(p, s, A::set1(-0.33333331761161183));
    }
};
template <> struct AtanPoly<double> {
    template <class A>
    static typename A::V eval(typename A::V s)
    {
        static constexpr double c[] = {-0.019176872294336067, 0.039231646190551486, -0.05085449318930035,
                                       0.05858148832731273,   -0.06664511438164644, 0.07692183190171728,
                                       -0.09090904578095735,  0.11111111015255669,  -0.14285714284666534,
                                       0.1999999999999552,    -0.3333333333333333};
        auto p = A::set1(c[0]);
        for (int k = 1; k < 11; ++k) p = A::fma(p, s, A::set1(c[k]));
        return p;
    }
};

// Constants k*pi/4 split into a head of the working precision and a tail.
template <class S> struct AtanConst;
template <> struct AtanConst<float> {
    static constexpr float hi[5] = {0.0f, 0.7853981852531433f, 1.5707963705062866f, 2.356194496154785f,
                                    3.1415927410125732f};
    static constexpr float lo[5] = {0.0f, -2.1855694143368964e-08f, -4.371138828673793e-08f,
                                    -5.962440319251527e-09f, -8.742277657347586e-08f};
};
template <> struct AtanConst<double> {
    static constexpr double hi[5] = {0.0, 0.7853981633974483, 1.5707963267948966, 2.356194490192345,
                                     3.141592653589793};
    static constexpr double lo[5] = {0.0, 3.061616997868383e-17, 6.123233995736766e-17, 9.184850993605148e-17,
                                     1.2246467991473532e-16};
};

// atan2(y, x) for one vector. The quadrant is folded away by the signs; the
// remaining octant angle is split in three ranges so that the polynomial
// argument stays within tan(pi/8):
//   ay <= tan(pi/8) ax:  phi = atan(ay/ax)
//   ax <  tan(pi/8) ay:  phi = pi/2 + atan(-ax/ay)
//   otherwise:           phi = pi/4 + atan((ay-ax)/(ay+ax))
// and for x with the sign bit set, pi - phi. The constant is added last, in
// two parts, so the result carries one rounding of the final sum.
// Lanes with huge magnitudes (where the middle range could overflow, or both
// are infinite) are reported through `risky` for the exact scalar route.
template <class A>
inline typename A::V atan2Vec(typename A::V y, typename A::V x, int& risky)
{
    using V = typename A::V;
    using C = AtanConst<typename A::S>;
    const V sign = A::set1(-0.0);
    const V ax = A::andnot(sign, x), ay = A::andnot(sign, y);
    const V k = A::set1(0.41421356237309503);
    const auto r0 = A::le(ay, A::mul(k, ax));
    const auto r2 = A::lt(ax, A::mul(k, ay));
    V num = A::blend(A::blend(A::sub(ay, ax), ay, r0), A::xor_(ax, sign), r2);
    V den = A::blend(A::blend(A::add(ay, ax), ax, r0), ay, r2);
    V t = A::div(num, den);
    t = A::zeroWhere(A::eq(den, A::zero()), t);  // both parts zero: angle 0 or pi
    auto pick = [&](const auto& tab, int mid, int low, int high) {
        return A::blend(A::blend(A::set1(tab[mid]), A::set1(tab[low]), r0), A::set1(tab[high]), r2);
    };
    const auto negX = A::signs(x);
    V chi = A::blend(pick(C::hi, 1, 0, 2), pick(C::hi, 3, 4, 2), negX);
    V clo = A::blend(pick(C::lo, 1, 0, 2), pick(C::lo, 3, 4, 2), negX);
    t = A::xor_(t, A::and_(x, sign));
    const V s = A::mul(t, t);
    const V q = A::fma(A::mul(t, s), AtanPoly<typename A::S>::template eval<A>(s), clo);
    V r = A::add(chi, A::add(t, q));
    r = A::or_(r, A::and_(y, sign));
    risky = A::mask(A::ge(A::max(ax, ay), A::set1(Limits<typename A::S>::atanBig)));
    return r;
}

template <class S>
inline S atan2Exact(S y, S x)
{
    if constexpr (sizeof(S) == 4)
        return static_cast<float>(std::atan2(static_cast<double>(y), static_cast<double>(x)));
    else
        return std::atan2(y, x);
}

template <class A, bool Interleaved>
void phaseFloat(const typename A::S* srcA, const typename A::S* srcB, typename A::S* dst, int n)
{
    using S = typename A::S;
    using V = typename A::V;
    constexpr int W = A::W;
    S padA[2 * W], padB[W], padD[W];
    auto block = [&](int i, bool tail) {
        const int off = tail ? 0 : i;
        const S* a = tail ? padA : srcA;
        const S* b = tail ? padB : srcB;
        S* d = tail ? padD : dst;
        V re, im;
        if constexpr (Interleaved) {
            A::deinterleave(a + 2 * off, re, im);
        } else {
            re = A::load(a + off);
            im = A::load(b + off);
        }
        int risky = 0;
        A::store(d + off, atan2Vec<A>(im, re, risky));
        if (risky) {
            alignas(64) S r[W], m[W];
            A::store(r, re);
            A::store(m, im);
            for (int k = 0; k < W; ++k)
                if (risky & (1 << k)) d[off + k] = atan2Exact(m[k], r[k]);
        }
    };
    forBlocks<W>(
        n, block,
        [&](int i, int rem) {
            std::fill(padA, padA + 2 * W, S(0));
            std::fill(padB, padB + W, S(0));
            if constexpr (Interleaved) {
                std::memcpy(padA, srcA + 2 * i, sizeof(S) * 2 * rem);
            } else {
                std::memcpy(padA, srcA + i, sizeof(S) * rem);
                std::memcpy(padB, srcB + i, sizeof(S) * rem);
            }
        },
        [&](int i, int rem) { std::memcpy(dst + i, padD, sizeof(S) * rem); });
}

// ---- integer sources: exact widening to the float or double vocabulary ----

// Rounds to nearest even, saturates to 16 bits (the values are never
// negative here) and stores W results.
template <class A>
inline void storeRound16(A, Orv16s* d, typename A::V x)
{
    storeIntegral(A{}, d, A::min(A::roundEven(x), A::set1(32767.0)));
}

// Runs block(src, dst) over full blocks of W elements and once over
// zero-padded copies of the tail; P is the number of source values per
// element (2 for interleaved pairs, 1 for split parts).
template <int W, int P, class T, class D, class Block>
inline void forIntBlocks(const T* srcA, const T* srcB, D* dst, int n, Block&& block)
{
    int i = 0;
    for (; i + W <= n; i += W) block(srcA + P * i, srcB ? srcB + i : nullptr, dst + i);
    if (i < n) {
        const int rem = n - i;
        T padA[P * W] = {}, padB[W] = {};
        D padD[W];
        std::memcpy(padA, srcA + P * i, sizeof(T) * P * rem);
        if (srcB) std::memcpy(padB, srcB + i, sizeof(T) * rem);
        block(padA, padB, padD);
        std::memcpy(dst + i, padD, sizeof(D) * rem);
    }
}

// 16-bit sources: the parts widened to float exactly, then the float kernel.
template <bool Interleaved>
void phase16(const Orv16s* srcA, const Orv16s* srcB, Orv32f* dst, int n)
{
    using A = WF32;
    forIntBlocks<A::W, Interleaved ? 2 : 1>(srcA, srcB, dst, n, [](const Orv16s* a, const Orv16s* b, Orv32f* d) {
        typename A::V re, im;
        widenParts16<Interleaved>(A{}, a, b, re, im);
        int risky = 0;  // 16-bit magnitudes are never risky
        A::store(d, atan2Vec<A>(im, re, risky));
    });
}

// 32-bit integer pairs: exact in double, the double kernel, rounded to float.
void phase32sc(const Orv32sc* src, Orv32f* dst, int n)
{
    using A = WF64;
    forIntBlocks<A::W, 1>(src, static_cast<const Orv32sc*>(nullptr), dst, n, [](const Orv32sc* a, const Orv32sc*, Orv32f* d) {
        typename A::V re, im;
        widenParts32(A{}, a, re, im);
        int risky = 0;
        A::storeNarrowed(d, atan2Vec<A>(im, re, risky));
    });
}

// ---- 16-bit integer magnitude and power -----------------------------------

enum class Int16Op { Magnitude32f, Power32f, MagnitudeSfs, PowerSfs };

template <Int16Op Op, bool Interleaved, class D>
void int16Pairs(const Orv16s* srcA, const Orv16s* srcB, D* dst, int n, int sf)
{
    using A = WF64;
    const auto scale = A::set1(std::ldexp(1.0, -sf));
    forIntBlocks<A::W, Interleaved ? 2 : 1>(srcA, srcB, dst, n, [&](const Orv16s* a, const Orv16s* b, D* d) {
        const auto r = sumSquares16<Interleaved>(A{}, a, b);
        if constexpr (Op == Int16Op::Magnitude32f) A::storeNarrowed(d, A::sqrt(r));
        if constexpr (Op == Int16Op::Power32f) A::storeNarrowed(d, r);
        // Scaling by a power of two is exact; the root of an integer is either
        // exact or far enough from a half-integer for double to decide.
        if constexpr (Op == Int16Op::MagnitudeSfs) storeRound16(A{}, d, A::mul(A::sqrt(r), scale));
        if constexpr (Op == Int16Op::PowerSfs) storeRound16(A{}, d, A::mul(r, scale));
    });
}

// ---- 32-bit integer magnitude and squared magnitude ----------------------

using u128 = unsigned __int128;

inline std::uint64_t sumSquares32(const Orv32sc& c)
{
    const std::int64_t re = c.re, im = c.im;
    return static_cast<std::uint64_t>(re * re) + static_cast<std::uint64_t>(im * im);  // <= 2^63
}

// Sign of sqrt(u) * 2^-sf - (q + 1/2), from squares in 128-bit integers.
inline int cmpHalf(std::uint64_t u, std::uint64_t q, int sf)
{
    u128 lhs = u128(u) * 4, rhs = u128(2 * q + 1) * (2 * q + 1);
    if (sf >= 0) rhs <<= 2 * sf;
    else lhs <<= -2 * sf;
    return lhs < rhs ? -1 : (lhs > rhs ? 1 : 0);
}

// round(sqrt(u) * 2^-sf), ties to even, saturated to 32 bits.
inline Orv32s magnitudeScaled32(std::uint64_t u, int sf)
{
    if (u == 0 || sf >= 33) return 0;  // sqrt(u) * 2^-33 < 0.5
    if (sf <= -32) return 2147483647;  // sqrt(u) * 2^32 saturates
    const double est = std::sqrt(static_cast<double>(u)) * std::ldexp(1.0, -sf);
    if (est >= 2147483650.0) return 2147483647;
    std::uint64_t q = static_cast<std::uint64_t>(est);  // about floor(value)
    // make q the exact floor: q <= value < q + 1
    auto below = [&](std::uint64_t m) {  // value < m ?
        u128 lhs = u, rhs = u128(m) * m;
        if (sf >= 0) rhs <<= 2 * sf;
        else lhs <<= -2 * sf;
        return lhs < rhs;
    };
    while (q > 0 && below(q)) --q;
    while (!below(q + 1)) ++q;
    const int c = cmpHalf(u, q, sf);
    if (c > 0 || (c == 0 && (q & 1))) ++q;
    return q > 2147483647u ? 2147483647 : static_cast<Orv32s>(q);
}

// ---- element-wise helpers ------------------------------------------------

template <class T>
inline T negate(T v)
{
    if constexpr (std::is_integral_v<T>) return v == std::numeric_limits<T>::min() ? std::numeric_limits<T>::max() : T(-v);
    else return -v;
}

template <class C, class T>
void splitParts(const C* s, T* re, T* im, int n)
{
    if (re && im) {
        for (int i = 0; i < n; ++i) { re[i] = s[i].re; im[i] = s[i].im; }
    } else if (re) {
        for (int i = 0; i < n; ++i) re[i] = s[i].re;
    } else {
        for (int i = 0; i < n; ++i) im[i] = s[i].im;
    }
}

template <class T, class C>
void buildParts(const T* re, const T* im, C* d, int n)
{
    if (re && im) {
        for (int i = 0; i < n; ++i) { d[i].re = re[i]; d[i].im = im[i]; }
    } else if (re) {
        for (int i = 0; i < n; ++i) { d[i].re = re[i]; d[i].im = T(0); }
    } else {
        for (int i = 0; i < n; ++i) { d[i].re = T(0); d[i].im = im[i]; }
    }
}

template <class C>
void conjugate(const C* s, C* d, int n)
{
    for (int i = 0; i < n; ++i) { d[i].re = s[i].re; d[i].im = negate(s[i].im); }
}

// Floating conjugates flip the sign bit of every imaginary part.
template <class A, class C>
void conjugateFloat(const C* src, C* dst, int n)
{
    using S = typename A::S;
    const S* s = reinterpret_cast<const S*>(src);
    S* d = reinterpret_cast<S*>(dst);
    alignas(64) S pattern[A::W];
    for (int k = 0; k < A::W; ++k) pattern[k] = (k & 1) ? S(-0.0) : S(0.0);
    const auto flip = A::load(pattern);
    const int m = 2 * n;
    int i = 0;
    for (; i + 2 * A::W <= m; i += 2 * A::W) {
        A::store(d + i, A::xor_(A::load(s + i), flip));
        A::store(d + i + A::W, A::xor_(A::load(s + i + A::W), flip));
    }
    for (; i < m; i += 2) {
        d[i] = s[i];
        d[i + 1] = -s[i + 1];
    }
}

template <class C>
void conjugateFlip(const C* s, C* d, int n)
{
    if (s == d) {
        for (int i = 0, j = n - 1; i <= j; ++i, --j) {
            C a = s[i], b = s[j];
            d[i] = {b.re, negate(b.im)};
            d[j] = {a.re, negate(a.im)};
        }
        return;
    }
    for (int i = 0; i < n; ++i) { d[i].re = s[n - 1 - i].re; d[i].im = negate(s[n - 1 - i].im); }
}

// d = saturate(roundEven(a * factor)) through double lanes (the product of a
// float angle and a power of two is exact in both precisions).
template <class D>
void scaleRound(const Orv32f* a, D* d, int n, float factor)
{
    using A = WF64;
    const auto f = A::set1(factor);
    const auto lo = A::set1(std::numeric_limits<D>::min()), hi = A::set1(std::numeric_limits<D>::max());
    forIntBlocks<A::W, 1>(a, static_cast<const Orv32f*>(nullptr), d, n, [&](const Orv32f* x, const Orv32f*, D* out) {
        storeIntegral(A{}, out, A::min(A::max(A::roundEven(A::mul(A::loadWidened(x), f)), lo), hi));
    });
}

// ---- products of interleaved complex pairs -------------------------------

// The tail goes through the same vector block with masked loads and stores:
// a scalar loop here would be re-vectorised by the compiler into fused
// multiply-adds.
template <class A, bool Conj>
void cmulPairs(const typename A::S* a, const typename A::S* b, typename A::S* d, int pairs)
{
    constexpr int W = A::W;  // base elements per vector = W / 2 pairs
    const int n = 2 * pairs;
    int i = 0;
    for (; i + W <= n; i += W) {
        auto va = A::load(a + i), vb = A::load(b + i);
        // Keep each source in a register: folded into the shuffles, every
        // (often line-crossing, in the packed layouts) load would run twice.
        __asm__("" : "+x"(va), "+x"(vb));
        A::store(d + i, cmul<A, Conj>(va, vb));
    }
    if (i < n) A::storeN(d + i, cmul<A, Conj>(A::loadN(a + i, n - i), A::loadN(b + i, n - i)), n - i);
}

// Streams of at least this many pairs (4 MiB per float operand) come from
// memory: there the 512-bit loads and stores, which straddle cache lines in
// the packed layouts, measured slower than 256-bit ones, while in cache they
// are faster. Both widths give the same bits.
constexpr int kStreamPairs = 1 << 19;

template <class A, bool Conj>
void cmulAny(const typename A::S* a, const typename A::S* b, typename A::S* d, int pairs)
{
    if (pairs >= kStreamPairs) cmulPairs<typename A::Narrow, Conj>(a, b, d, pairs);
    else cmulPairs<A, Conj>(a, b, d, pairs);
}

void cmul16(const Orv16s* a, const Orv16s* b, Orv16s* d, int pairs, int sf)
{
    for (int i = 0; i < pairs; ++i) {
        const std::int64_t ar = a[2 * i], ai = a[2 * i + 1], br = b[2 * i], bi = b[2 * i + 1];
        const Orv16s re = shiftScale16(ar * br - ai * bi, sf);
        const Orv16s im = shiftScale16(ar * bi + ai * br, sf);
        d[2 * i] = re;
        d[2 * i + 1] = im;
    }
}

// ---- the kernels with their table signatures ------------------------------

void split_16sc(const Orv16sc* s, Orv16s* re, Orv16s* im, int n) { splitParts(s, re, im, n); }
void split_32fc(const Orv32fc* s, Orv32f* re, Orv32f* im, int n) { splitParts(s, re, im, n); }
void split_64fc(const Orv64fc* s, Orv64f* re, Orv64f* im, int n) { splitParts(s, re, im, n); }
void build_16s(const Orv16s* re, const Orv16s* im, Orv16sc* d, int n) { buildParts(re, im, d, n); }
void build_32f(const Orv32f* re, const Orv32f* im, Orv32fc* d, int n) { buildParts(re, im, d, n); }
void build_64f(const Orv64f* re, const Orv64f* im, Orv64fc* d, int n) { buildParts(re, im, d, n); }
void conj_16sc(const Orv16sc* s, Orv16sc* d, int n) { conjugate(s, d, n); }
void conj_32fc(const Orv32fc* s, Orv32fc* d, int n) { conjugateFloat<WF32>(s, d, n); }
void conj_64fc(const Orv64fc* s, Orv64fc* d, int n) { conjugateFloat<WF64>(s, d, n); }
void conjFlip_16sc(const Orv16sc* s, Orv16sc* d, int n) { conjugateFlip(s, d, n); }
void conjFlip_32fc(const Orv32fc* s, Orv32fc* d, int n) { conjugateFlip(s, d, n); }
void conjFlip_64fc(const Orv64fc* s, Orv64fc* d, int n) { conjugateFlip(s, d, n); }

const float* f(const Orv32fc* p) { return reinterpret_cast<const float*>(p); }
const double* f(const Orv64fc* p) { return reinterpret_cast<const double*>(p); }
const Orv16s* f(const Orv16sc* p) { return reinterpret_cast<const Orv16s*>(p); }

void mag_32fc(const Orv32fc* s, Orv32f* d, int n) { magnitudeFloat<WF32, false, true>(f(s), nullptr, d, n); }
void mag_32f(const Orv32f* re, const Orv32f* im, Orv32f* d, int n) { magnitudeFloat<WF32, false, false>(re, im, d, n); }
void mag_64fc(const Orv64fc* s, Orv64f* d, int n) { magnitudeFloat<WF64, false, true>(f(s), nullptr, d, n); }
void mag_64f(const Orv64f* re, const Orv64f* im, Orv64f* d, int n) { magnitudeFloat<WF64, false, false>(re, im, d, n); }
void mag_16sc32f(const Orv16sc* s, Orv32f* d, int n) { int16Pairs<Int16Op::Magnitude32f, true>(f(s), nullptr, d, n, 0); }
void mag_16s32f(const Orv16s* re, const Orv16s* im, Orv32f* d, int n) { int16Pairs<Int16Op::Magnitude32f, false>(re, im, d, n, 0); }
void mag_16sc_Sfs(const Orv16sc* s, Orv16s* d, int n, int sf) { int16Pairs<Int16Op::MagnitudeSfs, true>(f(s), nullptr, d, n, sf); }
void mag_16s_Sfs(const Orv16s* re, const Orv16s* im, Orv16s* d, int n, int sf) { int16Pairs<Int16Op::MagnitudeSfs, false>(re, im, d, n, sf); }
void mag_32sc_Sfs(const Orv32sc* s, Orv32s* d, int n, int sf)
{
    for (int i = 0; i < n; ++i) d[i] = magnitudeScaled32(sumSquares32(s[i]), sf);
}
void pow_32fc(const Orv32fc* s, Orv32f* d, int n) { magnitudeFloat<WF32, true, true>(f(s), nullptr, d, n); }
void pow_32f(const Orv32f* re, const Orv32f* im, Orv32f* d, int n) { magnitudeFloat<WF32, true, false>(re, im, d, n); }
void pow_64fc(const Orv64fc* s, Orv64f* d, int n) { magnitudeFloat<WF64, true, true>(f(s), nullptr, d, n); }
void pow_64f(const Orv64f* re, const Orv64f* im, Orv64f* d, int n) { magnitudeFloat<WF64, true, false>(re, im, d, n); }
void pow_16sc32f(const Orv16sc* s, Orv32f* d, int n) { int16Pairs<Int16Op::Power32f, true>(f(s), nullptr, d, n, 0); }
void pow_16s32f(const Orv16s* re, const Orv16s* im, Orv32f* d, int n) { int16Pairs<Int16Op::Power32f, false>(re, im, d, n, 0); }
void pow_16sc_Sfs(const Orv16sc* s, Orv16s* d, int n, int sf) { int16Pairs<Int16Op::PowerSfs, true>(f(s), nullptr, d, n, sf); }
void pow_16s_Sfs(const Orv16s* re, const Orv16s* im, Orv16s* d, int n, int sf) { int16Pairs<Int16Op::PowerSfs, false>(re, im, d, n, sf); }
void magsq_32fc64f(const Orv32fc* s, Orv64f* d, int n)
{
    // float products are exact in double; one rounding in the sum
    for (int i = 0; i < n; ++i) {
        const double re = s[i].re, im = s[i].im;
        d[i] = re * re + im * im;
    }
}
void magsq_32sc32s_Sfs(const Orv32sc* s, Orv32s* d, int n, int sf)
{
    for (int i = 0; i < n; ++i) d[i] = scaleRoundSaturate<Orv32s>(static_cast<i128>(sumSquares32(s[i])), sf);
}
void phase_32fc(const Orv32fc* s, Orv32f* d, int n) { phaseFloat<WF32, true>(f(s), nullptr, d, n); }
void phase_32f(const Orv32f* re, const Orv32f* im, Orv32f* d, int n) { phaseFloat<WF32, false>(re, im, d, n); }
void phase_64fc(const Orv64fc* s, Orv64f* d, int n) { phaseFloat<WF64, true>(f(s), nullptr, d, n); }
void phase_64f(const Orv64f* re, const Orv64f* im, Orv64f* d, int n) { phaseFloat<WF64, false>(re, im, d, n); }
void phase_16sc32f(const Orv16sc* s, Orv32f* d, int n) { phase16<true>(f(s), nullptr, d, n); }
void phase_16s32f(const Orv16s* re, const Orv16s* im, Orv32f* d, int n) { phase16<false>(re, im, d, n); }
void phase_32sc32f(const Orv32sc* s, Orv32f* d, int n) { phase32sc(s, d, n); }
void scaleRound_32f16s(const Orv32f* a, Orv16s* d, int n, float factor) { scaleRound(a, d, n, factor); }
void scaleRound_32f32s(const Orv32f* a, Orv32s* d, int n, float factor) { scaleRound(a, d, n, factor); }
void cmul_32f(const Orv32f* a, const Orv32f* b, Orv32f* d, int pairs) { cmulAny<WF32, false>(a, b, d, pairs); }
void cmul_64f(const Orv64f* a, const Orv64f* b, Orv64f* d, int pairs) { cmulAny<WF64, false>(a, b, d, pairs); }
void cmulConj_32f(const Orv32f* a, const Orv32f* b, Orv32f* d, int pairs) { cmulAny<WF32, true>(a, b, d, pairs); }
void cmulConj_64f(const Orv64f* a, const Orv64f* b, Orv64f* d, int pairs) { cmulAny<WF64, true>(a, b, d, pairs); }
void cmul_16s_Sfs(const Orv16s* a, const Orv16s* b, Orv16s* d, int pairs, int sf) { cmul16(a, b, d, pairs, sf); }

} // namespace

#define ORVS_CPLX_ENTRY(name, params) &name,
const KernelTable table = {ORVS_CPLX_KERNELS(ORVS_CPLX_ENTRY)};
#undef ORVS_CPLX_ENTRY

} // namespace orvs::cplx::ORVS_TARGET
