// Division kernels, compiled once per instruction-set target (ORVS_TARGET);
// the compiler flags of the target decide whether FMA (__FMA__) and 512-bit
// registers (__AVX512F__) are available.
//
// Integer quotients are formed by a correctly rounded floating division of
// the exact operands (see Path in division_kernels.h), then rounded, saturated and
// narrowed. Zero divisors need no special case: x / +0 is +inf, -inf or NaN,
// which saturation turns into max, min and (NaN masked to) 0 - exactly the
// zero-divisor rule.
//
// Every kernel works on whole registers (8 or 16 integer elements or floats,
// 4 or 8 doubles; the width is set by small traits below); the tail is
// loaded into a padded register so that the last elements take the same
// code path as the rest.

#if defined(__AVX512F__)
// GCC 12 reports the placeholder operand of some AVX-512 intrinsics as
// possibly uninitialised (a false positive of its headers).
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#pragma GCC diagnostic ignored "-Wuninitialized"
#endif
#include <immintrin.h>

#include <cstdint>
#include <cstring>
#include <limits>
#include <type_traits>

#include "arith/division/division_kernels.h"
#include "core/simd/simd.h"

namespace orvs::division::ORVS_TARGET {

namespace {

template <class T> constexpr double kMin = static_cast<double>(std::numeric_limits<T>::min());
template <class T> constexpr double kMax = static_cast<double>(std::numeric_limits<T>::max());

// ---- floating-point vectors -------------------------------------------------
//
// The kernels are written once over the vectors of the layer and their
// FloatOps (F32 / F64 on the AVX and AVX2 compilations, F32x16 / F64x8 with
// mask registers and masked tails on the AVX-512 one), with the few
// operations of division added here.
//
// On AVX-512 machines the single-precision quotient is the IEEE division:
// a 512-bit division streams at the speed of a 512-bit addition from the
// cache (it keeps up with the loads), while the 14-bit reciprocal estimate
// and its Newton step take twice as long. The result is correctly rounded,
// which is also what the reciprocal path delivers in nearly every lane.
template <class A, bool kRcp>
struct DivLanes : simd::FloatOps<A> {
    using Base = simd::FloatOps<A>;
    using V = typename Base::V;
    using M = typename Base::M;
    using S = typename Base::S;
    // Quotients from the reciprocal estimate (false: IEEE division).
    static constexpr bool kReciprocal = kRcp;
    static M eqZero(V v) { return Base::eq(v, Base::zero()); }
    static bool any(M m) { return Base::mask(m) != 0; }
    // Lanes whose reciprocal estimate cannot be trusted: the divisor lies
    // outside [2^-125, 2^125] (its reciprocal is not a normal number) or is
    // NaN, or the quotient is not finite.
    static M untrusted(V d, V q)
    {
        const V sign = Base::set1(-0.0);
        const M bad = Base::outside(Base::andnot(sign, d), Base::set1(0x1p-125), Base::set1(0x1p125));
        return Base::mor(bad, Base::notBelow(Base::andnot(sign, q), Base::set1(std::numeric_limits<S>::infinity())));
    }
    // +inf / -inf by the dividend's sign, NaN for a zero or NaN dividend.
    static V zeroDivisor(V x)
    {
        const V signedInf = Base::or_(Base::and_(x, Base::set1(-0.0)), Base::set1(std::numeric_limits<S>::infinity()));
        const M nonZero = Base::neqOrdered(x, Base::zero());
        return Base::blend(Base::set1(std::numeric_limits<S>::quiet_NaN()), signedInf, nonZero);
    }
};

#if defined(__AVX512F__)
using Ps = DivLanes<simd::WF32, false>;
#else
using Ps = DivLanes<simd::WF32, true>;
#endif
using Pd = DivLanes<simd::WF64, false>;

using Iv = simd::Int32Vec;
static_assert(Iv::W == Ps::W && Iv::W == 2 * Pd::W);

// ---- integer quotients -------------------------------------------------------

// Rounding of a quotient to an integral value.
template <class T, Rnd R>
inline typename T::V roundTo(typename T::V q)
{
    if constexpr (R == Rnd::Near) return T::roundEven(q);
    if constexpr (R == Rnd::Zero) return T::truncate(q);
    // Ties away from zero: truncate, then step away from zero when the
    // discarded fraction (exact: q and its truncation share the exponent
    // range) is at least one half.
    const typename T::V t = T::truncate(q);
    const typename T::V sign = T::set1(-0.0);
    const typename T::V frac = T::max(T::sub(q, t), T::sub(t, q));  // |q - t|
    const typename T::V step = T::or_(T::and_(q, sign), T::set1(1.0));
    return T::add(t, T::keepWhere(T::ge(frac, T::set1(0.5)), step));
}

// Quotient (or its out-of-range stand-in) of one register: (x / d) * scale
// in single precision, (x * scale) / d in double precision.
template <class T, class Cfg>
inline typename T::V quotient(typename T::V x, typename T::V d, typename T::V scale)
{
    using F = typename T::S;
    const typename T::V inf = T::set1(std::numeric_limits<F>::infinity());
    if constexpr (Cfg::phase == Phase::Quotient) {
        if constexpr (Cfg::path == Path::Single) return roundTo<T, Cfg::rnd>(T::mul(T::div(x, d), scale));
        else return roundTo<T, Cfg::rnd>(T::div(T::mul(x, scale), d));
    } else if constexpr (Cfg::phase == Phase::ZeroDivOnly) {
        // x * (+inf where d == 0, else 0): 0 * inf is NaN and becomes 0.
        return T::mul(x, T::keepWhere(T::eqZero(d), inf));
    } else {
        // x * (+inf for d >= 0, -inf for d < 0): the sign of the quotient.
        return T::mul(x, T::or_(T::and_(d, T::set1(-0.0)), inf));
    }
}

// NaN (0/0) to 0, then clamp to the destination range.
template <class T, class TO>
inline typename T::V saturateTo(typename T::V q)
{
    using F = typename T::S;
    q = T::keepWhere(T::ordered(q), q);
    q = T::max(q, T::set1(static_cast<F>(kMin<TO>)));
    return T::min(q, T::set1(static_cast<F>(kMax<TO>)));
}

// One register of Iv::W elements; returns whether a divisor was zero.
template <class Cfg>
inline bool intGroup(const typename Cfg::X* x, const typename Cfg::D* d, typename Cfg::O* o, Iv::I xc, Iv::I dc,
                     double scale)
{
    using TO = typename Cfg::O;
    Iv::I xi, di;
    if constexpr (Cfg::xConst) xi = xc; else xi = Iv::load(x);
    if constexpr (Cfg::dConst) di = dc; else di = Iv::load(d);

    if constexpr (Cfg::path == Path::Single) {
        const Ps::V fd = Iv::toPs(di);
        const Ps::V q = saturateTo<Ps, TO>(quotient<Ps, Cfg>(Iv::toPs(xi), fd, Ps::set1(static_cast<float>(scale))));
        Iv::store(o, Iv::truncPs(q));
        if constexpr (Cfg::dConst) return false;
        else return Ps::any(Ps::eqZero(fd));
    } else {
        const Pd::V vscale = Pd::set1(scale);
        const Pd::V dlo = Iv::toPd(Iv::lo(di)), dhi = Iv::toPd(Iv::hi(di));
        const Iv::H qlo = Iv::truncPd(saturateTo<Pd, TO>(quotient<Pd, Cfg>(Iv::toPd(Iv::lo(xi)), dlo, vscale)));
        const Iv::H qhi = Iv::truncPd(saturateTo<Pd, TO>(quotient<Pd, Cfg>(Iv::toPd(Iv::hi(xi)), dhi, vscale)));
        Iv::store(o, Iv::combine(qlo, qhi));
        if constexpr (Cfg::dConst) return false;
        else return Pd::any(Pd::mor(Pd::eqZero(dlo), Pd::eqZero(dhi)));
    }
}

// ---- one register of quotients ----------------------------------------------

// IEEE division with the zero-divisor rule; returns the zero-divisor lanes.
template <class T>
inline int exactGroup(typename T::V x, typename T::V d, typename T::V& out)
{
    typename T::V q = T::div(x, d);
    const typename T::M z = T::eqZero(d);
    const int zeros = T::mask(z);
    if (zeros) [[unlikely]] q = T::blend(q, T::zeroDivisor(x), z);
    out = q;
    return zeros;
}

// The variant's quotient of one register and, in `flag`, the lanes that need
// exactGroup: the reciprocal estimate refined by one Newton step where the
// variant prefers it (flagging the lanes where the estimate cannot be
// trusted), else IEEE division (flagging zero divisors).
template <class T>
inline typename T::V fastGroup(typename T::V x, typename T::V d, typename T::M& flag)
{
    if constexpr (!T::kReciprocal) {
        flag = T::eqZero(d);
        return T::div(x, d);
    } else {
        const typename T::V one = T::set1(1.0f);
        const typename T::V r0 = simd::rcpEstimate(d);
#if defined(__FMA__)
        // Newton step on the reciprocal, then one correction of the quotient
        // by its residual: nearly always the correctly rounded quotient.
        const typename T::V r1 = T::fma(r0, T::fnma(d, r0, one), r0);
        const typename T::V q0 = T::mul(x, r1);
        const typename T::V q = T::fma(r1, T::fnma(d, q0, x), q0);
#else
        const typename T::V r1 = T::mul(r0, T::sub(T::add(one, one), T::mul(d, r0)));
        const typename T::V q = T::mul(x, r1);
#endif
        // Zero, tiny, huge, infinite or NaN divisors and overflowing
        // quotients send the register to the exact division.
        flag = T::untrusted(d, q);
        return q;
    }
}

// Quotients of d[0..count) into o; loadX(i) gives the dividends from
// element i. Where the variant divides, four registers form one block with a
// single test of their flags (one well-predicted branch per block instead of
// per register keeps the loop at load/store speed; blocks of two or four cost
// the register-starved reciprocal loop time, so it tests every register). A
// flagged register is redone exactly as a whole. The tail (fewer than W elements) is loaded with divisors 1 in the
// unused lanes, so padding never counts as a zero divisor. Returns whether a
// zero divisor was met.
template <class T, class E, class LoadX, class LoadXPart>
bool divideRange(LoadX loadX, LoadXPart loadXPart, const E* d, E* o, int count)
{
    using V = typename T::V;
    using M = typename T::M;
    constexpr int W = T::W;
    constexpr int U = T::kReciprocal ? 1 : 4;
    int zeros = 0;
    int i = 0;
    for (; i + U * W <= count; i += U * W) {
        V x[U], dv[U], q[U];
        M f[U];
#pragma GCC unroll 4
        for (int k = 0; k < U; ++k) {
            x[k] = loadX(i + k * W);
            dv[k] = T::load(d + i + k * W);
            q[k] = fastGroup<T>(x[k], dv[k], f[k]);
        }
        M all = f[0];
        for (int k = 1; k < U; ++k) all = T::mor(all, f[k]);
        if (T::any(all)) [[unlikely]] {
            for (int k = 0; k < U; ++k)
                if (T::any(f[k])) zeros |= exactGroup<T>(x[k], dv[k], q[k]);
        }
#pragma GCC unroll 4
        for (int k = 0; k < U; ++k) T::store(o + i + k * W, q[k]);
    }
    for (; i + W <= count; i += W) {
        const V x = loadX(i), dv = T::load(d + i);
        M f;
        V q = fastGroup<T>(x, dv, f);
        if (T::any(f)) [[unlikely]] zeros |= exactGroup<T>(x, dv, q);
        T::store(o + i, q);
    }
    if (const int rest = count - i; rest > 0) {
        const V x = loadXPart(i, rest), dv = T::loadPart(d + i, rest, E(1));
        M f;
        V q = fastGroup<T>(x, dv, f);
        if (T::any(f)) [[unlikely]] zeros |= exactGroup<T>(x, dv, q);
        T::storePart(o + i, rest, q);
    }
    return zeros != 0;
}

} // namespace

template <class Cfg>
bool intKernel(const IntJob<typename Cfg::X, typename Cfg::D, typename Cfg::O>& job, int begin, int count)
{
    using TX = typename Cfg::X;
    using TD = typename Cfg::D;
    using TO = typename Cfg::O;
    constexpr int W = Iv::W;
    const TX* x = Cfg::xConst ? nullptr : job.x + begin;
    const TD* d = Cfg::dConst ? nullptr : job.d + begin;
    TO* o = job.dst + begin;
    const Iv::I xc = Iv::set1(job.xConst);
    const Iv::I dc = Iv::set1(job.dConst);

    bool zeros = false;
    int i = 0;
    for (; i + W <= count; i += W)
        zeros |= intGroup<Cfg>(Cfg::xConst ? nullptr : x + i, Cfg::dConst ? nullptr : d + i, o + i, xc, dc, job.scale);
    if (const int rest = count - i; rest > 0) {
        TX bx[W] = {};
        TD bd[W];
        TO bo[W];
        for (int k = 0; k < W; ++k) bd[k] = TD(1);  // padding never counts as a zero divisor
        if constexpr (!Cfg::xConst) std::memcpy(bx, x + i, rest * sizeof(TX));
        if constexpr (!Cfg::dConst) std::memcpy(bd, d + i, rest * sizeof(TD));
        zeros |= intGroup<Cfg>(bx, bd, bo, xc, dc, job.scale);
        std::memcpy(o + i, bo, rest * sizeof(TO));
    }
    return zeros;
}

template <bool XConst>
bool div32f(const F32Job& job, int begin, int count)
{
    const Orv32f* x = XConst ? nullptr : job.x + begin;
    const Ps::V xc = Ps::set1(job.xConst);
    const auto loadX = [x, xc](int i) { if constexpr (XConst) return xc; else return Ps::load(x + i); };
    const auto loadXPart = [x, xc](int i, int n) { if constexpr (XConst) return xc; else return Ps::loadPart(x + i, n, 0.0f); };
    return divideRange<Ps>(loadX, loadXPart, job.d + begin, job.dst + begin, count);
}

bool div64f(const F64Job& job, int begin, int count)
{
    const Orv64f* x = job.x + begin;
    return divideRange<Pd>([x](int i) { return Pd::load(x + i); }, [x](int i, int n) { return Pd::loadPart(x + i, n, 0.0); },
                           job.d + begin, job.dst + begin, count);
}

// Single-precision complex quotients x / d, formed in double precision with
// one final rounding: with d = (a, b), x = (c, e) and m = a*a + b*b,
// re = (c*a + e*b) / m, im = (e*a - c*b) / m, every operation rounded as
// written (a value-for-value match of the scalar formula). The register
// holds interleaved (re, im) pairs; a zero divisor is m == 0 in both lanes
// of its pair (the square of a non-zero float never vanishes in double).
template <class T>
inline int c32Group(typename T::V x, typename T::V d, typename T::V& out)
{
    using V = typename T::V;
    const V sq = T::mul(d, d);
    const V m = T::add(sq, T::swapParts(sq));           // a*a + b*b in both lanes
    const V p = T::mul(x, d);                           // c*a, e*b
    const V re = T::add(p, T::swapParts(p));            // c*a + e*b
    const V c = T::mul(x, T::swapParts(d));             // c*b, e*a
    const V im = T::sub(c, T::swapParts(c));            // odd lanes: e*a - c*b
    V q = T::div(T::evenOdd(re, im), m);
    const typename T::M z = T::eqZero(m);
    const int zeros = T::mask(z);
    if (zeros) [[unlikely]] q = T::blend(q, T::zeroDivisor(x), z);
    out = q;
    return zeros;
}

bool div32fc(const C32Job& job, int begin, int count)
{
    using T = Pd;
    const float* x = reinterpret_cast<const float*>(job.x + begin);
    const float* d = reinterpret_cast<const float*>(job.d + begin);
    float* o = reinterpret_cast<float*>(job.dst + begin);
    const int n = 2 * count;  // floats
    int zeros = 0;
    int i = 0;
    T::V q;
    for (; i + T::W <= n; i += T::W) {
        zeros |= c32Group<T>(T::loadWidened(x + i), T::loadWidened(d + i), q);
        T::storeNarrowed(o + i, q);
    }
    if (const int rest = n - i; rest > 0) {
        zeros |= c32Group<T>(T::widenPart(x + i, rest, 0.0f), T::widenPart(d + i, rest, 1.0f), q);
        T::narrowPart(o + i, rest, q);
    }
    return zeros != 0;
}

// ---- the table ----------------------------------------------------------------

#define ORVS_DIVISION_ENTRY(...) .ORVS_DIVISION_ROW_NAME(__VA_ARGS__) = &intKernel<ORVS_DIVISION_CFG(__VA_ARGS__)>,
extern const KernelTable table = {
    ORVS_DIVISION_INT_KERNELS(ORVS_DIVISION_ENTRY)
    .div32f = &div32f<false>,
    .divCRev32f = &div32f<true>,
    .div64f = &div64f,
    .div32fc = &div32fc,
};
#undef ORVS_DIVISION_ENTRY

} // namespace orvs::division::ORVS_TARGET
