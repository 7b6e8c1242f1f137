// The division family's generic entries. Every exported division is a
// one-line forwarder to one of these templates, which check the arguments in
// the library's order (pointers, length, constant, rounding mode), pick the
// scale-factor phase and run a kernel over the vector through the parallel
// driver.
#pragma once
#include <climits>
#include <cmath>
#include <cstdint>
#include <limits>

#include "arith/division/division_kernels.h"
#include "core/check.h"
#include "core/parallel.h"
#include "core/vocabulary.h"
#include "orvs/division.h"
#include "orvs/vector.h"

namespace orvs::division {

// Members without a parallel path.
constexpr int kSerial = INT_MAX;

// The scale factors for which a member divides element by element.
struct ScaleRange {
    int lo, hi;
};

// Parallel split: the length from which the call goes parallel and the team.
struct Split {
    int threshold;
    int team = 2;
};

inline OrvStatus warnIf(bool zeroDivisor) { return zeroDivisor ? orvStsWarnDivByZero : orvStsOk; }

template <class Fn>
OrvStatus runChunks(int len, Split split, Fn&& fn)
{
    return warnIf(parallel::forChunks(len, split.threshold, split.team, fn));
}

// Single precision is exact only for operands of at most 17 bits and s >= 0.
template <class TX, class TD>
constexpr bool kNarrow = sizeof(TX) <= 2 && sizeof(TD) <= 2;

// ---- integer vector / vector ----------------------------------------------

template <class TX, class TD, class TO, Rnd R>
OrvStatus intVV(const TD* pDivisor, const TX* pDividend, TO* pDst, int len, int s, ScaleRange range, Split split)
{
    constexpr Path kOutPath = kNarrow<TX, TD> ? Path::Single : Path::Double;
    IntJob<TX, TD, TO> job;
    job.x = pDividend;
    job.d = pDivisor;
    job.dst = pDst;
    IntFn<TX, TD, TO> fn;
    if (s > range.hi) {
        fn = intKernel<IntCfg<TX, TD, TO, false, false, kOutPath, Rnd::Near, Phase::ZeroDivOnly>>();
    } else if (s < range.lo) {
        fn = intKernel<IntCfg<TX, TD, TO, false, false, kOutPath, Rnd::Near, Phase::SignSat>>();
    } else {
        job.scale = std::ldexp(1.0, -s);
        if (kNarrow<TX, TD> && s >= 0)
            fn = intKernel<IntCfg<TX, TD, TO, false, false, kOutPath, R, Phase::Quotient>>();
        else
            fn = intKernel<IntCfg<TX, TD, TO, false, false, Path::Double, R, Phase::Quotient>>();
    }
    return runChunks(len, split, [&](int b, int c) { return fn(job, b, c); });
}

// Div_*_Sfs and Div_*_ISfs: ties to even.
template <class TX, class TD, class TO, ScaleRange range, Split split>
OrvStatus divSfs(const TD* pDivisor, const TX* pDividend, TO* pDst, int len, int s)
{
    ORVS_CHECK(check::vectors(len, pDivisor, pDividend, pDst));
    return intVV<TX, TD, TO, Rnd::Near>(pDivisor, pDividend, pDst, len, s, range, split);
}

// Div_Round_*: the rounding mode is checked after pointers and length; the
// team is every configured thread.
template <class T, ScaleRange range, int threshold>
OrvStatus divRoundSfs(const T* pDivisor, const T* pDividend, T* pDst, int len, int rndMode, int s)
{
    ORVS_CHECK(check::vectors(len, pDivisor, pDividend, pDst));
    const Split split{threshold, parallel::kAllThreads};
    switch (rndMode) {
    case orvRndZero: return intVV<T, T, T, Rnd::Zero>(pDivisor, pDividend, pDst, len, s, range, split);
    case orvRndNear: return intVV<T, T, T, Rnd::Near>(pDivisor, pDividend, pDst, len, s, range, split);
    case orvRndFinancial: return intVV<T, T, T, Rnd::Away>(pDivisor, pDividend, pDst, len, s, range, split);
    default: return orvStsErrRoundMode;
    }
}

// ---- integer vector / constant --------------------------------------------

// What a DivC member writes for s below its element-by-element range.
enum class BelowRange { SignSat, AllMax };

template <class T, ScaleRange range, Split split, BelowRange below>
OrvStatus divCSfs(const T* pSrc, T val, T* pDst, int len, int s)
{
    ORVS_CHECK(check::vectors(len, pSrc, pDst));
    if (val == 0) return orvStsErrDivByZero;
    // Above the range every quotient rounds to 0 and no divisor is zero.
    if (s > range.hi) return zeroAll(pDst, len);
    if (s < range.lo && below == BelowRange::AllMax) {
        for (int i = 0; i < len; ++i) pDst[i] = std::numeric_limits<T>::max();
        return orvStsOk;
    }
    IntJob<T, T, T> job;
    job.x = pSrc;
    job.dst = pDst;
    job.dConst = val;
    IntFn<T, T, T> fn;
    if (s < range.lo) {
        fn = intKernel<IntCfg<T, T, T, false, true, Path::Single, Rnd::Near, Phase::SignSat>>();
    } else {
        job.scale = std::ldexp(1.0, -s);
        if (s >= 0)
            fn = intKernel<IntCfg<T, T, T, false, true, Path::Single, Rnd::Near, Phase::Quotient>>();
        else
            fn = intKernel<IntCfg<T, T, T, false, true, Path::Double, Rnd::Near, Phase::Quotient>>();
    }
    parallel::forChunks(len, split.threshold, split.team, [&](int b, int c) { return fn(job, b, c); });
    return orvStsOk;
}

// ---- floating point -------------------------------------------------------

// Output of a floating division by a zero of either sign.
template <class F>
inline F zeroDivisorValue(F x)
{
    if (x > 0) return std::numeric_limits<F>::infinity();
    if (x < 0) return -std::numeric_limits<F>::infinity();
    return std::numeric_limits<F>::quiet_NaN();
}

inline OrvStatus div32f(const Orv32f* pDivisor, const Orv32f* pDividend, Orv32f* pDst, int len)
{
    ORVS_CHECK(check::vectors(len, pDivisor, pDividend, pDst));
    const F32Job job{pDividend, pDivisor, pDst, 0.0f};
    const F32KernelFn fn = kernels().div32f;
    return runChunks(len, Split{4096}, [&](int b, int c) { return fn(job, b, c); });
}

inline OrvStatus divCRev32f(const Orv32f* pSrc, Orv32f val, Orv32f* pDst, int len)
{
    ORVS_CHECK(check::vectors(len, pSrc, pDst));
    const F32Job job{nullptr, pSrc, pDst, val};
    const F32KernelFn fn = kernels().divCRev32f;
    return runChunks(len, Split{4096}, [&](int b, int c) { return fn(job, b, c); });
}

inline OrvStatus div64f(const Orv64f* pDivisor, const Orv64f* pDividend, Orv64f* pDst, int len)
{
    ORVS_CHECK(check::vectors(len, pDivisor, pDividend, pDst));
    const F64Job job{pDividend, pDivisor, pDst};
    const F64KernelFn fn = kernels().div64f;
    return runChunks(len, Split{1024}, [&](int b, int c) { return fn(job, b, c); });
}

// DivC on 32f / 64f: a multiplication by the reciprocal, with the
// multiplication's shortcuts (1/val = 1 copies, 1/val = 0 writes +0).
template <class F>
OrvStatus divCReal(const F* pSrc, F val, F* pDst, int len)
{
    ORVS_CHECK(check::vectors(len, pSrc, pDst));
    if (val == 0) return orvStsErrDivByZero;
    const F r = F(1) / val;
    if (r == F(1)) return pSrc == pDst ? orvStsOk : copyAll(pSrc, pDst, len);
    if (r == F(0)) return zeroAll(pDst, len);
    for (int i = 0; i < len; ++i) pDst[i] = pSrc[i] * r;
    return orvStsOk;
}

// Complex division by a constant: multiply by conj(val) / |val|^2, formed
// once in the type's precision.
template <class C>
OrvStatus divCComplex(const C* pSrc, C val, C* pDst, int len)
{
    using F = decltype(val.re);
    ORVS_CHECK(check::vectors(len, pSrc, pDst));
    const F m = val.re * val.re + val.im * val.im;
    if (m == F(0)) return orvStsErrDivByZero;
    const F cr = val.re / m;
    const F ci = -val.im / m;
    for (int i = 0; i < len; ++i) {
        const F xr = pSrc[i].re, xi = pSrc[i].im;
        pDst[i].re = xr * cr - xi * ci;
        pDst[i].im = xr * ci + xi * cr;
    }
    return orvStsOk;
}

// Complex division, element-wise (defined in div_complex.cpp).
OrvStatus div32fc(const Orv32fc* pDivisor, const Orv32fc* pDividend, Orv32fc* pDst, int len);
OrvStatus div64fc(const Orv64fc* pDivisor, const Orv64fc* pDividend, Orv64fc* pDst, int len);
OrvStatus div16sc(const Orv16sc* pDivisor, const Orv16sc* pDividend, Orv16sc* pDst, int len, int s);
OrvStatus divC16sc(const Orv16sc* pSrc, Orv16sc val, Orv16sc* pDst, int len, int s);
// 64-bit dividends by a 64-bit constant (div_64s.cpp).
OrvStatus divC64s(Orv64s val, Orv64s* pSrcDst, Orv32u len, int s);
// Constant dividend over a 16u vector (div_int.cpp).
OrvStatus divCRev16u(const Orv16u* pSrc, Orv16u val, Orv16u* pDst, int len);

} // namespace orvs::division
