// The elementary functions' generic entries. Every exported member is a
// one-line forwarder to one of these templates, which check pointers and
// length, take the whole-vector shortcuts of the scale factor and run the
// vector kernels (elementary_kernels.h) or the exact integer rules below.
#pragma once
#include <algorithm>
#include <array>
#include <cmath>
#include <complex>
#include <iterator>
#include <cstdint>
#include <limits>
#include <type_traits>

#include "arith/elementary/elementary_kernels.h"
#include "core/check.h"
#include "core/parallel.h"
#include "core/saturate.h"
#include "core/vocabulary.h"
#include "orvs/arith.h"

namespace orvs::elementary {

// Logarithm arguments are handled in blocks of this many elements.
constexpr int kBlock = 256;

template <class T> constexpr double kMaxOf = static_cast<double>(std::numeric_limits<T>::max());
template <class T> constexpr double kMinOf = static_cast<double>(std::numeric_limits<T>::min());

// ---- squares ------------------------------------------------------------------

template <auto Mul, class T>
OrvStatus sqrBy(const T* pSrc, T* pDst, int len, int scaleFactor)
{
    return Mul(pSrc, pSrc, pDst, len, scaleFactor);
}
template <auto Mul, class T>
OrvStatus sqrBy(const T* pSrc, T* pDst, int len)
{
    return Mul(pSrc, pSrc, pDst, len);
}

// ---- integer square roots -------------------------------------------------------

using u128 = unsigned __int128;

// floor(sqrt(n)) for every n < 2^128.
inline std::uint64_t isqrt(u128 n)
{
    const long double e = std::sqrt(static_cast<long double>(n));
    std::uint64_t r = e >= 0x1p64L ? UINT64_MAX : static_cast<std::uint64_t>(e);
    while (r > 0 && static_cast<u128>(r) * r > n) --r;
    while (r < UINT64_MAX && static_cast<u128>(r + 1) * (r + 1) <= n) ++r;
    return r;
}

// Nearest integer to sqrt(x) * 2^-s for x >= 1 and s inside the member's
// range (capped at `cap`). With N = 4x 2^-2s, floor(sqrt(x) 2^-s + 1/2) =
// floor((floor(sqrt(N)) + 1) / 2) and floor(sqrt(N)) = isqrt(floor(N)); no
// integer square root lies exactly halfway, scaled ones round the half up.
inline std::uint64_t roundedRoot(std::uint64_t x, int s, std::uint64_t cap)
{
    if (s >= 0) return std::min<std::uint64_t>(cap, (isqrt((u128(x) << 2) >> (2 * s)) + 1) >> 1);
    const int bits = 64 - __builtin_clzll(x);
    if (2 * -s + bits > 126) return cap;  // the root is at least 2^63
    return std::min<u128>(cap, (u128(isqrt(u128(x) << (2 - 2 * s))) + 1) >> 1);
}

// Below 2^32 the double-precision root is never close enough to a half to
// round the wrong way (|sqrt(x) - h| >= 1 / (8 sqrt(x)) for the halves h).
template <class T, class D>
inline D rootElement(T x, int s, double scale)
{
    if (x <= 0) return D(0);
    if constexpr (sizeof(T) <= 4) {
        const double v = std::sqrt(static_cast<double>(x)) * scale + 0.5;
        return static_cast<D>(std::floor(std::min(v, kMaxOf<D>)));
    } else {
        return static_cast<D>(roundedRoot(static_cast<std::uint64_t>(x), s, static_cast<std::uint64_t>(std::numeric_limits<D>::max())));
    }
}

template <class T>
inline bool anyNegative(const T* p, int n)
{
    if constexpr (std::is_unsigned_v<T>) return false;
    bool neg = false;
    for (int i = 0; i < n; ++i) neg |= p[i] < 0;
    return neg;
}

template <class T, class D, int lo, int hi, int threshold>
OrvStatus sqrtSfs(const T* pSrc, D* pDst, int len, int s)
{
    ORVS_CHECK(check::vectors(len, pSrc, pDst));
    if (s > hi) {
        // Every root rounds to 0; the source is read before it is overwritten.
        const bool neg = anyNegative(pSrc, len);
        const OrvStatus z = zeroAll(pDst, len);
        return z ? z : neg ? orvStsWarnSqrtNegArg : orvStsOk;
    }
    const double scale = s < lo ? 1.0 : std::ldexp(1.0, -s);  // unused below lo
    const bool neg = parallel::forChunks(len, threshold, 2, [&](int b, int c) {
        bool met = false;
        for (int i = b; i < b + c; ++i) {
            const T x = pSrc[i];
            met |= x < 0;
            pDst[i] = s < lo ? (x > 0 ? std::numeric_limits<D>::max() : D(0)) : rootElement<T, D>(x, s, scale);
        }
        return met;
    });
    return neg ? orvStsWarnSqrtNegArg : orvStsOk;
}

// Principal root of an integer complex value in double precision, scaled,
// rounded to nearest (ties to even) and saturated part by part.
OrvStatus sqrt16sc(const Orv16sc* pSrc, Orv16sc* pDst, int len, int s);

// ---- floating square roots ------------------------------------------------------

template <class F, int threshold>
OrvStatus sqrtReal(const F* pSrc, F* pDst, int len)
{
    ORVS_CHECK(check::vectors(len, pSrc, pDst));
    MapFn<F, F> fn;
    if constexpr (std::is_same_v<F, Orv32f>) fn = kernels().sqrt32f;
    else fn = kernels().sqrt64f;
    const bool neg = parallel::forChunks(len, threshold, 2, [&](int b, int c) { return fn(pSrc + b, pDst + b, c); });
    return neg ? orvStsWarnSqrtNegArg : orvStsOk;
}

template <class C, int threshold>
OrvStatus sqrtComplex(const C* pSrc, C* pDst, int len)
{
    using F = decltype(C{}.re);
    ORVS_CHECK(check::vectors(len, pSrc, pDst));
    parallel::forChunks(len, threshold, 2, [&](int b, int c) {
        for (int i = b; i < b + c; ++i) {
            // Single precision through double: the root of the exact value, rounded once.
            const std::complex<double> r = std::sqrt(std::complex<double>(pSrc[i].re, pSrc[i].im));
            pDst[i].re = static_cast<F>(r.real());
            pDst[i].im = static_cast<F>(r.imag());
        }
        return false;
    });
    return orvStsOk;
}

// ---- exponentials -------------------------------------------------------------------

// e^x 2^-s limited to the maximum, plus one half, truncated: the nearest
// integer with the half rounding up.
template <class T>
inline T expRounded(double v)
{
    return static_cast<T>(std::floor(std::min(v, kMaxOf<T>) + 0.5));
}

// For 1 <= s <= sMax, one table per scale factor over x in 0 .. xMax (larger
// x saturate for every such s, negative x give 0); other s through the
// double-precision exponential.
template <class T, int sMax, int xMax>
OrvStatus expSfs(const T* pSrc, T* pDst, int len, int s)
{
    ORVS_CHECK(check::vectors(len, pSrc, pDst));
    if (s >= 1 && s <= sMax) {
        static const auto tables = [] {
            std::array<std::array<T, xMax + 1>, sMax + 1> t{};
            for (int sf = 1; sf <= sMax; ++sf)
                for (int x = 0; x <= xMax; ++x) t[sf][x] = expRounded<T>(std::ldexp(std::exp(double(x)), -sf));
            return t;
        }();
        const auto& t = tables[s];
        for (int i = 0; i < len; ++i) {
            const T x = pSrc[i];
            pDst[i] = x < 0 ? T(0) : x > xMax ? std::numeric_limits<T>::max() : t[x];
        }
        return orvStsOk;
    }
    const int sc = std::clamp(s, -2000, 2000);  // beyond, every value is already 0 or saturated
    alignas(64) double v[kBlock];
    for (int b = 0; b < len; b += kBlock) {
        const int m = std::min(kBlock, len - b);
        for (int j = 0; j < m; ++j) v[j] = static_cast<double>(pSrc[b + j]);
        kernels().exp64f(v, v, m);
        for (int j = 0; j < m; ++j) pDst[b + j] = expRounded<T>(std::ldexp(v[j], -sc));
    }
    return orvStsOk;
}

OrvStatus exp64sSfs(const Orv64s* pSrc, Orv64s* pDst, int len, int s);

template <auto Slot, class S, class D>
OrvStatus mapFloat(const S* pSrc, D* pDst, int len)
{
    ORVS_CHECK(check::vectors(len, pSrc, pDst));
    (kernels().*Slot)(pSrc, pDst, len);
    return orvStsOk;
}

// ---- logarithms ---------------------------------------------------------------------

// The warning of one non-positive argument.
template <class T>
inline OrvStatus lnWarning(T x)
{
    return x == 0 ? orvStsWarnLnZeroArg : orvStsWarnLnNegArg;
}

// Floating logarithms, a block at a time; the first block that meets a zero
// or negative argument decides the warning (a zero if its block has one:
// the output of a zero is -inf, which no positive argument gives).
template <auto Slot, class S, class D>
OrvStatus lnFloat(const S* pSrc, D* pDst, int len)
{
    ORVS_CHECK(check::vectors(len, pSrc, pDst));
    const auto fn = kernels().*Slot;
    OrvStatus st = orvStsOk;
    for (int b = 0; b < len; b += kBlock) {
        const int m = std::min(kBlock, len - b);
        if (fn(pSrc + b, pDst + b, m) && st == orvStsOk) {
            st = orvStsWarnLnNegArg;
            for (int j = 0; j < m; ++j)
                if (pDst[b + j] == -std::numeric_limits<D>::infinity()) st = orvStsWarnLnZeroArg;
        }
    }
    return st;
}

// Integer logarithms: ln x 2^-s rounded to nearest (no integer argument but
// 1 has a rational logarithm, so there are no ties) and saturated; the
// minimum for x <= 0, the first such element deciding the warning.
// Ln_16s where few outputs are possible: whole logarithms (s = 0) by the
// thresholds e^(k + 1/2) rounded up, and from s = -14 down the few
// arguments whose result does not saturate, by table.
inline bool lnSmallRange(const Orv16s* pSrc, Orv16s* pDst, int len, int s)
{
    static constexpr Orv16s kWhole[] = {2, 5, 13, 34, 91, 245, 666, 1809, 4915, 13360};
    static constexpr Orv16s kScaled14[] = {0, 0, 11357, 18000, 22713, 26369, 29356, 31882};  // ln x 2^14, x < 8
    if (s != 0 && s > -14) return false;
    for (int i = 0; i < len; ++i) {
        const Orv16s x = pSrc[i];
        Orv16s r;
        if (x <= 0) r = INT16_MIN;
        else if (s == 0) r = static_cast<Orv16s>(std::upper_bound(std::begin(kWhole), std::end(kWhole), x) - std::begin(kWhole));
        else if (s == -14) r = x < 8 ? kScaled14[x] : INT16_MAX;
        else r = x == 1 ? 0 : (x == 2 && s == -15) ? 22713 : INT16_MAX;
        pDst[i] = r;
    }
    return true;
}

template <class T, class D>
OrvStatus lnSfs(const T* pSrc, D* pDst, int len, int s)
{
    ORVS_CHECK(check::vectors(len, pSrc, pDst));
    if constexpr (std::is_same_v<T, Orv16s> && std::is_same_v<D, Orv16s>) {
        // The warning is read before an in-place call overwrites the source.
        OrvStatus st = orvStsOk;
        for (int i = 0; i < len && st == orvStsOk; ++i)
            if (pSrc[i] <= 0) st = lnWarning(pSrc[i]);
        if (lnSmallRange(pSrc, pDst, len, s)) return st;
    }
    const double scale = std::ldexp(1.0, -std::clamp(s, -1000, 1000));
    OrvStatus st = orvStsOk;
    alignas(64) double x[kBlock], y[kBlock];
    for (int b = 0; b < len; b += kBlock) {
        const int m = std::min(kBlock, len - b);
        for (int j = 0; j < m; ++j) x[j] = static_cast<double>(pSrc[b + j]);
        for (int j = 0; j < m && st == orvStsOk; ++j)
            if (x[j] <= 0) st = lnWarning(x[j]);
        kernels().ln64f(x, y, m);
        for (int j = 0; j < m; ++j)
            pDst[b + j] = x[j] > 0 ? saturate<D>(roundNearestEven(y[j] * scale)) : std::numeric_limits<D>::min();
    }
    return st;
}

OrvStatus tenLog10Sfs(const Orv32s* pSrc, Orv32s* pDst, int len, int s);
OrvStatus cubrtSfs(const Orv32s* pSrc, Orv16s* pDst, int len, int s);

// Sum of logarithms in double precision; the warning of the first
// non-positive element.
template <class S, class R>
OrvStatus sumLn(const S* pSrc, int len, R* pSum)
{
    ORVS_CHECK(check::vectors(len, pSrc, pSum));
    bool hit = false;
    double sum;
    if constexpr (std::is_same_v<S, Orv32f>) sum = kernels().sumLn32f(pSrc, len, &hit);
    else if constexpr (std::is_same_v<S, Orv64f>) sum = kernels().sumLn64f(pSrc, len, &hit);
    else sum = kernels().sumLn16s(pSrc, len, &hit);
    *pSum = static_cast<R>(sum);
    if (hit)
        for (int i = 0; i < len; ++i)
            if (pSrc[i] <= 0) return lnWarning(pSrc[i]);
    return orvStsOk;
}

} // namespace orvs::elementary
