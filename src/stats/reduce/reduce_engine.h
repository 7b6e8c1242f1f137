// The reductions family: argument checks, the exact integer finishing rules
// (scaling, rounding, truncation, saturation) and the block-wise extremum
// search, over the kernels of reduce_kernels.h. Every entry of the list
// forwards to one of the templates here.
#pragma once
#include <algorithm>
#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <type_traits>

#include "core/check.h"
#include "core/fpguard.h"
#include "core/saturate.h"
#include "stats/reduce/reduce_kernels.h"

namespace orvs::stats {

inline const KernelTable& K() { return kernels(); }

// ---- element types -----------------------------------------------------------

template <class T> struct Base { using type = T; static constexpr int parts = 1; };
template <> struct Base<Orv16sc> { using type = Orv16s; static constexpr int parts = 2; };
template <> struct Base<Orv32sc> { using type = Orv32s; static constexpr int parts = 2; };
template <> struct Base<Orv32fc> { using type = Orv32f; static constexpr int parts = 2; };
template <> struct Base<Orv64fc> { using type = Orv64f; static constexpr int parts = 2; };
template <class T> using BaseOf = typename Base<T>::type;
template <class T> constexpr int partsOf = Base<T>::parts;

template <class T> const BaseOf<T>* parts(const T* p) { return reinterpret_cast<const BaseOf<T>*>(p); }
template <class T> BaseOf<T>* parts(T* p) { return reinterpret_cast<BaseOf<T>*>(p); }

// Norm kinds of the integer members beyond the kernels' three.
constexpr int kL2Sqr = 3;

// ---- finishing rules ---------------------------------------------------------

// 2^-s built from the exponent field 1023 - s, clamped to the field: factors
// below the normal range are 0, above it 2^1023.
inline double powTwoNeg(int s)
{
    const long long e = std::clamp(1023LL - s, 0LL, 2046LL);
    return std::bit_cast<double>(static_cast<std::uint64_t>(e) << 52);
}

// A scaled double clamped to T's range and rounded to nearest, ties to even.
template <class T>
T roundClamp(double r)
{
    r = std::clamp(r, double(IntRange<T>::min), double(IntRange<T>::max));
    return static_cast<T>(roundNearestEven(r));
}

// The norms' truncating scale of a non-negative exact value: a right shift
// for s > 0, a left shift clamped to T's maximum for s < 0.
template <class T>
T truncScale(std::uint64_t v, int s)
{
    constexpr std::uint64_t top = static_cast<std::uint64_t>(IntRange<T>::max);
    if (s > 0) return static_cast<T>(std::min<std::uint64_t>(s >= 64 ? 0 : v >> s, top));
    const int k = s < -64 ? 64 : -s;
    if (v == 0) return T(0);
    if (k >= 64 || v > (top >> k)) return static_cast<T>(top);
    return static_cast<T>(v << k);
}

// Exact dot product d scaled with the rounding shift capped at rightCap
// places and the left shift at leftCap places, then saturated.
template <class T, class W>
T dotScale(W d, int s, int rightCap, int leftCap)
{
    if (s > 0) return saturate<T>(roundShiftEven<W>(d, std::min(s, rightCap)));
    return scaleRoundSaturate<T>(d, std::max(s, -leftCap));
}

// Quotient of s by n rounded to nearest, ties to even (remainder doubled).
inline std::int64_t divRoundEven(std::int64_t s, std::int64_t n)
{
    const std::uint64_t m = s < 0 ? 0 - static_cast<std::uint64_t>(s) : static_cast<std::uint64_t>(s);
    std::uint64_t q = m / static_cast<std::uint64_t>(n);
    const std::uint64_t r2 = 2 * (m % static_cast<std::uint64_t>(n));
    if (r2 > static_cast<std::uint64_t>(n) || (r2 == static_cast<std::uint64_t>(n) && (q & 1))) ++q;
    return s < 0 ? -static_cast<std::int64_t>(q) : static_cast<std::int64_t>(q);
}

// The one-pass sample variance, never negative.
inline double variance(double s, double q, double n) { return std::max(0.0, n * q - s * s) / (n * (n - 1.0)); }

// ---- sums and means of 16-bit data ---------------------------------------------

template <class Src>
void exactSums16(const Src* p, int len, std::int64_t s[2])
{
    K().sum16s(parts(p), long(len) * partsOf<Src>, s);
    if constexpr (partsOf<Src> == 1) s[0] += s[1];
}

template <class Src, class Dst>
OrvStatus sum16(const Src* pSrc, int len, Dst* pSum, int scaleFactor)
{
    ORVS_CHECK(check::vectors(len, pSrc, pSum));
    std::int64_t s[2];
    exactSums16(pSrc, len, s);
    const double f = powTwoNeg(scaleFactor);
    for (int k = 0; k < partsOf<Dst>; ++k) {
        const Orv32s r = roundClamp<Orv32s>(static_cast<double>(s[k]) * f);
        parts(pSum)[k] = saturate<BaseOf<Dst>>(r);
    }
    return orvStsOk;
}

// The mean of 16-bit data converts by the caller's rounding setting.
template <class Base>
Base meanOf16(std::int64_t s, int len, int scaleFactor)
{
    const double r = static_cast<double>(s) / len * powTwoNeg(scaleFactor);
    return static_cast<Base>(std::nearbyint(std::clamp(r, double(IntRange<Base>::min), double(IntRange<Base>::max))));
}

template <class Src, class Dst>
OrvStatus mean16(const Src* pSrc, int len, Dst* pMean, int scaleFactor)
{
    ORVS_CHECK(check::vectors(len, pSrc, pMean));
    std::int64_t s[2];
    exactSums16(pSrc, len, s);
    for (int k = 0; k < partsOf<Dst>; ++k) parts(pMean)[k] = meanOf16<BaseOf<Dst>>(s[k], len, scaleFactor);
    return orvStsOk;
}

// ---- 32-bit integer sums and means ---------------------------------------------

inline OrvStatus sum32s(const Orv32s* pSrc, int len, Orv32s* pSum, int scaleFactor)
{
    ORVS_CHECK(check::vectors(len, pSrc, pSum));
    std::int64_t s;
    K().sum32s(pSrc, len, &s);
    *pSum = scaleRoundSaturate<Orv32s>(s, scaleFactor);
    return orvStsOk;
}

inline OrvStatus mean32s(const Orv32s* pSrc, int len, Orv32s* pMean, int scaleFactor)
{
    ORVS_CHECK(check::vectors(len, pSrc, pMean));
    std::int64_t s;
    K().sum32s(pSrc, len, &s);
    Orv32s r;
    if (scaleFactor >= 0) {
        r = scaleRoundSaturate<Orv32s>(divRoundEven(s, len), scaleFactor);
    } else if (scaleFactor <= -32) {
        const std::int64_t q = divRoundEven(s, len);
        r = q > 0 ? INT32_MAX : q < 0 ? INT32_MIN : 0;
    } else if (s >= INT32_MIN && s <= INT32_MAX) {
        // Shifted first, so the fraction of the mean survives the division.
        r = saturate<Orv32s>(divRoundEven(s * (std::int64_t(1) << -scaleFactor), len));
    } else {
        r = scaleRoundSaturate<Orv32s>(divRoundEven(s, len), scaleFactor);
    }
    *pMean = r;
    return orvStsOk;
}

// ---- floating-point sums, means and deviations ---------------------------------

// Sum_32f blocks: long enough to amortise the widening, short enough that a
// single-precision partial sum keeps most of its bits.
constexpr long kFastSumBlock = 32768;

template <class T>
OrvStatus sumFloat(const T* pSrc, int len, T* pSum, OrvHintAlgorithm hint, bool mean)
{
    ORVS_CHECK(check::vectors(len, pSrc, pSum));
    double s[2];
    K().sumF32(parts(pSrc), long(len) * partsOf<T>, hint == orvHintFast, kFastSumBlock * partsOf<T>, s);
    if constexpr (partsOf<T> == 1) s[0] += s[1];
    for (int k = 0; k < partsOf<T>; ++k) parts(pSum)[k] = static_cast<float>(mean ? s[k] / len : s[k]);
    return orvStsOk;
}
template <class T> OrvStatus sumF(const T* p, int len, T* pSum, OrvHintAlgorithm hint) { return sumFloat(p, len, pSum, hint, false); }
template <class T> OrvStatus meanF(const T* p, int len, T* pMean, OrvHintAlgorithm hint) { return sumFloat(p, len, pMean, hint, true); }

inline OrvStatus stdDevCore(const Orv32f* pSrc, int len, Orv32f* pMean, Orv32f* pStdDev)
{
    if (len < 2) return orvStsErrSize;
    double s, q;
    K().sumSqF32(pSrc, len, &s, &q);
    if (pMean) *pMean = static_cast<float>(s / len);
    *pStdDev = static_cast<float>(std::sqrt(variance(s, q, len)));
    return orvStsOk;
}
inline OrvStatus stdDevF(const Orv32f* pSrc, int len, Orv32f* pStdDev, OrvHintAlgorithm)
{
    ORVS_CHECK(check::pointers(pSrc, pStdDev));
    return stdDevCore(pSrc, len, nullptr, pStdDev);
}
inline OrvStatus meanStdDevF(const Orv32f* pSrc, int len, Orv32f* pMean, Orv32f* pStdDev, OrvHintAlgorithm)
{
    ORVS_CHECK(check::pointers(pSrc, pMean, pStdDev));
    return stdDevCore(pSrc, len, pMean, pStdDev);
}

template <class Dst>
OrvStatus stdDev16Core(const Orv16s* pSrc, int len, Dst* pMean, Dst* pStdDev, int scaleFactor)
{
    if (len < 2) return orvStsErrSize;
    std::int64_t s;
    std::uint64_t q;
    K().sumSq16s(pSrc, len, &s, &q);
    if (pMean) *pMean = meanOf16<Dst>(s, len, scaleFactor);
    const double sd = std::sqrt(variance(static_cast<double>(s), static_cast<double>(q), len));
    *pStdDev = roundClamp<Dst>(sd * powTwoNeg(scaleFactor));
    return orvStsOk;
}
template <class Dst>
OrvStatus stdDev16(const Orv16s* pSrc, int len, Dst* pStdDev, int scaleFactor)
{
    ORVS_CHECK(check::pointers(pSrc, pStdDev));
    return stdDev16Core<Dst>(pSrc, len, nullptr, pStdDev, scaleFactor);
}
template <class Dst>
OrvStatus meanStdDev16(const Orv16s* pSrc, int len, Dst* pMean, Dst* pStdDev, int scaleFactor)
{
    ORVS_CHECK(check::pointers(pSrc, pMean, pStdDev));
    return stdDev16Core<Dst>(pSrc, len, pMean, pStdDev, scaleFactor);
}

// ---- norms -------------------------------------------------------------------

// Integer data: the exact norm of a (or a - b), then the truncating rules.
template <int Kind, class Dst>
OrvStatus normInt(const Orv16s* a, const Orv16s* b, int len, Dst* pNorm, int scaleFactor)
{
    std::uint64_t v;
    K().norm16s(a, b, len, Kind == kL2Sqr ? kL2 : Kind, &v);
    if constexpr (std::is_floating_point_v<Dst>) {
        *pNorm = static_cast<Dst>(Kind == kL2 ? std::sqrt(static_cast<double>(v)) : static_cast<double>(v));
    } else if constexpr (Kind == kL2) {
        *pNorm = saturate<Dst>(std::trunc(std::sqrt(static_cast<double>(v)) * powTwoNeg(scaleFactor)));
    } else {
        *pNorm = truncScale<Dst>(v, scaleFactor);
    }
    return orvStsOk;
}
template <int Kind, class Dst>
OrvStatus normI(const Orv16s* pSrc, int len, Dst* pNorm, int scaleFactor)
{
    ORVS_CHECK(check::vectors(len, pSrc, pNorm));
    return normInt<Kind>(pSrc, nullptr, len, pNorm, scaleFactor);
}
template <int Kind, class Dst>
OrvStatus normDiffI(const Orv16s* pSrc1, const Orv16s* pSrc2, int len, Dst* pNorm, int scaleFactor)
{
    ORVS_CHECK(check::vectors(len, pSrc1, pSrc2, pNorm));
    return normInt<Kind>(pSrc1, pSrc2, len, pNorm, scaleFactor);
}
template <int Kind> OrvStatus normI32f(const Orv16s* p, int len, Orv32f* pNorm) { return normI<Kind>(p, len, pNorm, 0); }
template <int Kind> OrvStatus normDiffI32f(const Orv16s* p1, const Orv16s* p2, int len, Orv32f* pNorm) { return normDiffI<Kind>(p1, p2, len, pNorm, 0); }

template <int Kind, class T>
T normFloatCore(const T* a, const T* b, int len)
{
    double v;
    if constexpr (sizeof(T) == 4) K().normF32(a, b, len, Kind, &v);
    else K().normF64(a, b, len, Kind, &v);
    return static_cast<T>(Kind == kL2 ? std::sqrt(v) : v);
}
template <int Kind, class T>
OrvStatus normF(const T* pSrc, int len, T* pNorm)
{
    ORVS_CHECK(check::vectors(len, pSrc, pNorm));
    *pNorm = normFloatCore<Kind>(pSrc, static_cast<const T*>(nullptr), len);
    return orvStsOk;
}
template <int Kind, class T>
OrvStatus normDiffF(const T* pSrc1, const T* pSrc2, int len, T* pNorm)
{
    ORVS_CHECK(check::vectors(len, pSrc1, pSrc2, pNorm));
    *pNorm = normFloatCore<Kind>(pSrc1, pSrc2, len);
    return orvStsOk;
}

// ---- dot products ------------------------------------------------------------

// Exact 16-bit dot products. The 16-bit result caps the rounding shift at 31
// and the left shift at 15; the 32-bit results round exactly and cap the
// left shift at 31.
template <class Dst>
OrvStatus dotInt(const Orv16s* pSrc1, const Orv16s* pSrc2, int len, Dst* pDp, int scaleFactor)
{
    ORVS_CHECK(check::vectors(len, pSrc1, pSrc2, pDp));
    std::int64_t d;
    K().dot16s(pSrc1, pSrc2, len, &d);
    *pDp = sizeof(Dst) == 2 ? dotScale<Dst>(d, scaleFactor, 31, 15) : dotScale<Dst>(d, scaleFactor, 63, 31);
    return orvStsOk;
}
inline OrvStatus dot16s32s32s(const Orv16s* pSrc1, const Orv32s* pSrc2, int len, Orv32s* pDp, int scaleFactor)
{
    ORVS_CHECK(check::vectors(len, pSrc1, pSrc2, pDp));
    i128 d;
    K().dot16s32s(pSrc1, pSrc2, len, &d);
    *pDp = dotScale<Orv32s>(d, scaleFactor, 127, 31);
    return orvStsOk;
}
inline OrvStatus dot16s32f(const Orv16s* pSrc1, const Orv16s* pSrc2, int len, Orv32f* pDp)
{
    ORVS_CHECK(check::vectors(len, pSrc1, pSrc2, pDp));
    std::int64_t d;
    K().dot16s(pSrc1, pSrc2, len, &d);
    *pDp = static_cast<float>(d);  // one rounding of the exact value
    return orvStsOk;
}

// Float dot products without conjugation; Dst's part type picks the
// accumulator (single or double precision).
template <class A, class B, class Dst>
OrvStatus dotFloat(const A* pSrc1, const B* pSrc2, int len, Dst* pDp)
{
    ORVS_CHECK(check::vectors(len, pSrc1, pSrc2, pDp));
    const int mode = partsOf<A> == 2 ? kCC : partsOf<B> == 2 ? kRC : kRR;
    BaseOf<Dst> r[2];
    if constexpr (std::is_same_v<BaseOf<Dst>, float>) K().dotF32(parts(pSrc1), parts(pSrc2), len, mode, r);
    else K().dotF32D(parts(pSrc1), parts(pSrc2), len, mode, r);
    for (int k = 0; k < partsOf<Dst>; ++k) parts(pDp)[k] = r[k];
    return orvStsOk;
}

// ---- extrema -----------------------------------------------------------------

// Index searches run over blocks of this many elements: the winning block is
// the first whose extreme beats the candidate strictly, and the index is the
// first position in it holding that extreme, which is the lowest index.
constexpr long kSearchBlock = 4096;

// What is compared: the elements themselves, or (16-bit) their magnitudes
// with |-32768| counted as 32767.
template <class T>
struct Plain {
    using Out = T;
    static Out of(T x) { return x; }
    static bool block(const T* p, long n, Out* mn, Out* mx)
    {
        if constexpr (std::is_same_v<T, Orv16s>) return K().extrema16s(p, n, mn, mx), false;
        else if constexpr (sizeof(T) == 4) return K().extremaF32(p, n, mn, mx);
        else return K().extremaF64(p, n, mn, mx);
    }
    static long find(const T* p, long n, T v)
    {
        if constexpr (std::is_same_v<T, Orv16s>) return K().find16s(p, n, v);
        else if constexpr (sizeof(T) == 4) return K().findF32(p, n, v);
        else return K().findF64(p, n, v);
    }
};
struct Magnitude16 {
    using Out = Orv16s;
    static Out of(Orv16s x) { return static_cast<Out>(x < 0 ? (x == -32768 ? 32767 : -x) : x); }
    static bool block(const Orv16s* p, long n, Out* mn, Out* mx)
    {
        int a, b;
        K().absExtrema16s(p, n, &a, &b);
        *mn = static_cast<Out>(std::min(a, 32767));
        *mx = static_cast<Out>(std::min(b, 32767));
        return false;
    }
    static long find(const Orv16s* p, long, Out v)
    {
        long i = 0;
        while (of(p[i]) != v) ++i;
        return i;
    }
};

template <class T, class M>
struct Extremes {
    typename M::Out min, max;
    long minAt = 0, maxAt = 0;
};

// A NaN element is the result of every search that meets it: value and
// index of the first NaN, for the minimum and the maximum alike.
template <class T, class M>
Extremes<T, M> search(const T* p, long n, bool locate)
{
    using Out = typename M::Out;
    Extremes<T, M> e;
    long minBlock = 0, maxBlock = 0;
    for (long b = 0; b < n; b += kSearchBlock) {
        Out lo, hi;
        if (M::block(p + b, std::min(kSearchBlock, n - b), &lo, &hi)) {
            long i = b;
            while (p[i] == p[i]) ++i;
            e.min = e.max = p[i];
            e.minAt = e.maxAt = i;
            return e;
        }
        if (b == 0 || lo < e.min) e.min = lo, minBlock = b;
        if (b == 0 || hi > e.max) e.max = hi, maxBlock = b;
    }
    // A floating-point zero extreme may be -0 or +0: the first one counts.
    auto zero = [](Out v) { return std::is_floating_point_v<Out> && v == 0; };
    if (locate || zero(e.min)) e.minAt = M::find(p + minBlock, n - minBlock, e.min) + minBlock, e.min = M::of(p[e.minAt]);
    if (locate || zero(e.max)) e.maxAt = M::find(p + maxBlock, n - maxBlock, e.max) + maxBlock, e.max = M::of(p[e.maxAt]);
    return e;
}

template <class M, bool Max, class T>
OrvStatus extremum(const T* pSrc, int len, typename M::Out* pVal)
{
    ORVS_CHECK(check::vectors(len, pSrc, pVal));
    const auto e = search<T, M>(pSrc, len, false);
    *pVal = Max ? e.max : e.min;
    return orvStsOk;
}
template <class M, bool Max, class T>
OrvStatus extremumIndx(const T* pSrc, int len, typename M::Out* pVal, int* pIndxOpt)
{
    ORVS_CHECK(check::vectors(len, pSrc, pVal));
    const auto e = search<T, M>(pSrc, len, pIndxOpt != nullptr);
    *pVal = Max ? e.max : e.min;
    if (pIndxOpt) *pIndxOpt = static_cast<int>(Max ? e.maxAt : e.minAt);
    return orvStsOk;
}
template <class T> OrvStatus maxF(const T* p, int len, T* pMax) { return extremum<Plain<T>, true>(p, len, pMax); }
template <class T> OrvStatus minF(const T* p, int len, T* pMin) { return extremum<Plain<T>, false>(p, len, pMin); }
template <class T> OrvStatus maxIndx(const T* p, int len, T* pMax, int* pIndx) { return extremumIndx<Plain<T>, true>(p, len, pMax, pIndx); }
template <class T> OrvStatus minIndx(const T* p, int len, T* pMin, int* pIndx) { return extremumIndx<Plain<T>, false>(p, len, pMin, pIndx); }
inline OrvStatus maxAbs(const Orv16s* p, int len, Orv16s* pMax) { return extremum<Magnitude16, true>(p, len, pMax); }
inline OrvStatus minAbs(const Orv16s* p, int len, Orv16s* pMin) { return extremum<Magnitude16, false>(p, len, pMin); }
inline OrvStatus maxAbsIndx(const Orv16s* p, int len, Orv16s* pMax, int* pIndx) { return extremumIndx<Magnitude16, true>(p, len, pMax, pIndx); }
inline OrvStatus minAbsIndx(const Orv16s* p, int len, Orv16s* pMin, int* pIndx) { return extremumIndx<Magnitude16, false>(p, len, pMin, pIndx); }

template <class T>
OrvStatus minMax(const T* pSrc, int len, T* pMin, T* pMax)
{
    ORVS_CHECK(check::vectors(len, pSrc, pMin, pMax));
    const auto e = search<T, Plain<T>>(pSrc, len, false);
    *pMin = e.min;
    *pMax = e.max;
    return orvStsOk;
}
template <class T>
OrvStatus minMaxIndx(const T* pSrc, int len, T* pMin, int* pMinIndx, T* pMax, int* pMaxIndx)
{
    ORVS_CHECK(check::vectors(len, pSrc, pMin, pMinIndx, pMax, pMaxIndx));
    const auto e = search<T, Plain<T>>(pSrc, len, true);
    *pMin = e.min;
    *pMinIndx = static_cast<int>(e.minAt);
    *pMax = e.max;
    *pMaxIndx = static_cast<int>(e.maxAt);
    return orvStsOk;
}

template <bool Max>
OrvStatus every16s(const Orv16s* pSrc, Orv16s* pSrcDst, int len)
{
    ORVS_CHECK(check::vectors(len, pSrc, pSrcDst));
    K().every16s(pSrc, pSrcDst, len, Max);
    return orvStsOk;
}

// The length is checked before the pointers here.
template <class T>
OrvStatus maxOrder(const T* pSrc, int len, int* pOrder)
{
    ORVS_CHECK(check::length(len));
    ORVS_CHECK(check::pointers(pSrc, pOrder));
    OrvStatus status = orvStsOk;
    int order = 0;
    if constexpr (std::is_same_v<T, Orv16s>) {
        int lo, hi;
        K().absExtrema16s(pSrc, len, &lo, &hi);
        order = std::bit_width(static_cast<unsigned>(hi));
    } else if constexpr (std::is_same_v<T, Orv32s>) {
        std::uint32_t hi;
        K().maxAbs32s(pSrc, len, &hi);
        order = std::bit_width(hi);
    } else if constexpr (sizeof(T) == 4) {
        std::uint32_t bits;
        if (K().maxAbsBitsF32(pSrc, len, &bits)) status = orvStsWarnNonFiniteArg;
        order = bits ? static_cast<int>(bits >> 23) - 126 : 0;
    } else {
        std::uint64_t bits;
        if (K().maxAbsBitsF64(pSrc, len, &bits)) status = orvStsWarnNonFiniteArg;
        order = bits ? static_cast<int>(bits >> 52) - 1022 : 0;
    }
    *pOrder = order;
    return status;
}

inline OrvStatus countInRange(const Orv32s* pSrc, int len, int* pCounts, int lowerBound, int upperBound)
{
    ORVS_CHECK(check::vectors(len, pSrc, pCounts));
    long c;
    K().countInRange32s(pSrc, len, lowerBound, upperBound, &c);
    *pCounts = static_cast<int>(c);
    return orvStsOk;
}

// ---- normalisation -----------------------------------------------------------

template <class T> BaseOf<T> subPart(T v, int k)
{
    if constexpr (partsOf<T> == 2) return k ? v.im : v.re;
    else return v;
}

// Divisors below the smallest normal value of the type are refused.
template <class T>
OrvStatus normalizeF(const T* pSrc, T* pDst, int len, T vSub, BaseOf<T> vDiv)
{
    ORVS_CHECK(check::vectors(len, pSrc, pDst));
    using S = BaseOf<T>;
    if (std::fabs(vDiv) < std::numeric_limits<S>::min()) return orvStsErrDivByZero;
    const long n = long(len) * partsOf<T>;
    if constexpr (sizeof(S) == 4) K().normalizeF32(parts(pSrc), parts(pDst), n, subPart(vSub, 0), subPart(vSub, 1), vDiv);
    else K().normalizeF64(parts(pSrc), parts(pDst), n, subPart(vSub, 0), subPart(vSub, 1), vDiv);
    return orvStsOk;
}

// The factor 2^-s is exact for |s| < 128; beyond, every quotient (at most
// 65535 in magnitude, at least 2^-31 when not zero) rounds to 0 or saturates
// by sign, as it does at +-127.
template <class T>
OrvStatus normalize16(const T* pSrc, T* pDst, int len, T vSub, int vDiv, int scaleFactor)
{
    ORVS_CHECK(check::vectors(len, pSrc, pDst));
    if (vDiv == 0) return orvStsErrDivByZero;
    const int s = std::clamp(scaleFactor, -127, 127);
    FpControlGuard nearest(FpRound::Nearest);
    K().normalize16s(parts(pSrc), parts(pDst), long(len) * partsOf<T>, subPart(vSub, 0), subPart(vSub, 1), vDiv,
                     std::ldexp(1.0, -s));
    return orvStsOk;
}

} // namespace orvs::stats
