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

// ---- floating-point vectors: one small trait per width ---------------------
//
// The kernels are written once over these traits; the AVX and AVX2
// compilations use 256-bit registers, the AVX-512 one 512-bit registers with
// mask registers and masked loads and stores for the tail.

struct Ps256 {
    using V = __m256;
    using S = float;
    using M = __m256;
    static constexpr int W = 8;
    // Quotients from the reciprocal estimate (false: IEEE division).
    static constexpr bool kReciprocal = true;
    static V load(const float* p) { return _mm256_loadu_ps(p); }
    static void store(float* p, V v) { _mm256_storeu_ps(p, v); }
    // The first n (< W) elements of p, the rest `fill`.
    static V loadPart(const float* p, int n, float fill)
    {
        alignas(32) float b[8];
        for (int k = 0; k < 8; ++k) b[k] = fill;
        std::memcpy(b, p, n * sizeof(float));
        return _mm256_load_ps(b);
    }
    static void storePart(float* p, int n, V v)
    {
        alignas(32) float b[8];
        _mm256_store_ps(b, v);
        std::memcpy(p, b, n * sizeof(float));
    }
    static V set1(float f) { return _mm256_set1_ps(f); }
    static V add(V a, V b) { return _mm256_add_ps(a, b); }
    static V sub(V a, V b) { return _mm256_sub_ps(a, b); }
    static V mul(V a, V b) { return _mm256_mul_ps(a, b); }
    static V div(V a, V b) { return _mm256_div_ps(a, b); }
#if defined(__FMA__)
    static V fmadd(V a, V b, V c) { return _mm256_fmadd_ps(a, b, c); }
    static V fnmadd(V a, V b, V c) { return _mm256_fnmadd_ps(a, b, c); }
#endif
    static V rcp(V d) { return _mm256_rcp_ps(d); }
    static M eqZero(V v) { return _mm256_cmp_ps(v, _mm256_setzero_ps(), _CMP_EQ_OQ); }
    static int bits(M m) { return _mm256_movemask_ps(m); }
    static V select(M m, V a, V b) { return _mm256_blendv_ps(a, b, m); }  // b where m
    // Lanes whose reciprocal estimate cannot be trusted: the divisor lies
    // outside [2^-125, 2^125] (its reciprocal is not a normal number) or is
    // NaN, or the quotient is not finite.
    static M untrusted(V d, V q)
    {
        const V absMask = _mm256_castsi256_ps(_mm256_set1_epi32(0x7fffffff));
        const V ad = _mm256_and_ps(d, absMask);
        const V bad = _mm256_or_ps(_mm256_cmp_ps(ad, set1(0x1p-125f), _CMP_NGE_UQ), _mm256_cmp_ps(ad, set1(0x1p125f), _CMP_NLE_UQ));
        return _mm256_or_ps(bad, _mm256_cmp_ps(_mm256_and_ps(q, absMask), set1(std::numeric_limits<float>::infinity()),
                                               _CMP_NLT_UQ));
    }
    static M orMask(M a, M b) { return _mm256_or_ps(a, b); }
    static bool any(M m) { return _mm256_movemask_ps(m) != 0; }
    // +inf / -inf by the dividend's sign, NaN for a zero or NaN dividend.
    static V min(V a, V b) { return _mm256_min_ps(a, b); }
    static V max(V a, V b) { return _mm256_max_ps(a, b); }
    static V andV(V a, V b) { return _mm256_and_ps(a, b); }
    static V orV(V a, V b) { return _mm256_or_ps(a, b); }
    static V selectZero(M m, V a) { return _mm256_and_ps(m, a); }  // a where m, else 0
    static M cmpGe(V a, V b) { return _mm256_cmp_ps(a, b, _CMP_GE_OQ); }
    static M ordered(V a) { return _mm256_cmp_ps(a, a, _CMP_ORD_Q); }
    static V roundNear(V a) { return _mm256_round_ps(a, _MM_FROUND_TO_NEAREST_INT | _MM_FROUND_NO_EXC); }
    static V roundZero(V a) { return _mm256_round_ps(a, _MM_FROUND_TO_ZERO | _MM_FROUND_NO_EXC); }
    static V zeroDivisor(V x)
    {
        const V signedInf = _mm256_or_ps(_mm256_and_ps(x, set1(-0.0f)), set1(std::numeric_limits<float>::infinity()));
        const V nonZero = _mm256_cmp_ps(x, _mm256_setzero_ps(), _CMP_NEQ_OQ);
        return _mm256_blendv_ps(set1(std::numeric_limits<float>::quiet_NaN()), signedInf, nonZero);
    }
};

struct Pd256 {
    using V = __m256d;
    using S = double;
    using M = __m256d;
    static constexpr int W = 4;
    static constexpr bool kReciprocal = false;
    static V load(const double* p) { return _mm256_loadu_pd(p); }
    static void store(double* p, V v) { _mm256_storeu_pd(p, v); }
    static V loadPart(const double* p, int n, double fill)
    {
        alignas(32) double b[4] = {fill, fill, fill, fill};
        std::memcpy(b, p, n * sizeof(double));
        return _mm256_load_pd(b);
    }
    static void storePart(double* p, int n, V v)
    {
        alignas(32) double b[4];
        _mm256_store_pd(b, v);
        std::memcpy(p, b, n * sizeof(double));
    }
    static V div(V a, V b) { return _mm256_div_pd(a, b); }
    static V add(V a, V b) { return _mm256_add_pd(a, b); }
    static V sub(V a, V b) { return _mm256_sub_pd(a, b); }
    static V mul(V a, V b) { return _mm256_mul_pd(a, b); }
    // (a, b) pairs to (b, a); even lanes of `even`, odd lanes of `odd`.
    static V swapPairs(V v) { return _mm256_permute_pd(v, 0x5); }
    static V evenOdd(V even, V odd) { return _mm256_blend_pd(even, odd, 0xa); }
    // W floats (W / 2 complex values) widened to double, and back.
    static V widen(const float* p) { return _mm256_cvtps_pd(_mm_loadu_ps(p)); }
    static V widenPart(const float* p, int n, float fill)
    {
        alignas(16) float b[4] = {fill, fill, fill, fill};
        std::memcpy(b, p, n * sizeof(float));
        return _mm256_cvtps_pd(_mm_load_ps(b));
    }
    static void narrow(float* p, V v) { _mm_storeu_ps(p, _mm256_cvtpd_ps(v)); }
    static void narrowPart(float* p, int n, V v)
    {
        alignas(16) float b[4];
        _mm_store_ps(b, _mm256_cvtpd_ps(v));
        std::memcpy(p, b, n * sizeof(float));
    }
    static M eqZero(V v) { return _mm256_cmp_pd(v, _mm256_setzero_pd(), _CMP_EQ_OQ); }
    static int bits(M m) { return _mm256_movemask_pd(m); }
    static M orMask(M a, M b) { return _mm256_or_pd(a, b); }
    static bool any(M m) { return _mm256_movemask_pd(m) != 0; }
    static V select(M m, V a, V b) { return _mm256_blendv_pd(a, b, m); }
    static V min(V a, V b) { return _mm256_min_pd(a, b); }
    static V max(V a, V b) { return _mm256_max_pd(a, b); }
    static V andV(V a, V b) { return _mm256_and_pd(a, b); }
    static V orV(V a, V b) { return _mm256_or_pd(a, b); }
    static V selectZero(M m, V a) { return _mm256_and_pd(m, a); }  // a where m, else 0
    static M cmpGe(V a, V b) { return _mm256_cmp_pd(a, b, _CMP_GE_OQ); }
    static M ordered(V a) { return _mm256_cmp_pd(a, a, _CMP_ORD_Q); }
    static V roundNear(V a) { return _mm256_round_pd(a, _MM_FROUND_TO_NEAREST_INT | _MM_FROUND_NO_EXC); }
    static V roundZero(V a) { return _mm256_round_pd(a, _MM_FROUND_TO_ZERO | _MM_FROUND_NO_EXC); }
    static V set1(double f) { return _mm256_set1_pd(f); }
    static V zeroDivisor(V x)
    {
        const V signedInf = _mm256_or_pd(_mm256_and_pd(x, _mm256_set1_pd(-0.0)),
                                         _mm256_set1_pd(std::numeric_limits<double>::infinity()));
        const V nonZero = _mm256_cmp_pd(x, _mm256_setzero_pd(), _CMP_NEQ_OQ);
        return _mm256_blendv_pd(_mm256_set1_pd(std::numeric_limits<double>::quiet_NaN()), signedInf, nonZero);
    }
};

#if defined(__AVX512F__)
// On AVX-512 machines the single-precision quotient is the IEEE division:
// a 512-bit division streams at the speed of a 512-bit addition from the
// cache (it keeps up with the loads), while the 14-bit reciprocal estimate
// and its Newton step take twice as long. The result is correctly rounded,
// which is also what the reciprocal path delivers in nearly every lane.
struct Ps512 {
    using V = __m512;
    using S = float;
    using M = __mmask16;
    static constexpr int W = 16;
    static constexpr bool kReciprocal = false;
    static M first(int n) { return static_cast<M>((1u << n) - 1); }
    static V load(const float* p) { return _mm512_loadu_ps(p); }
    static void store(float* p, V v) { _mm512_storeu_ps(p, v); }
    static V loadPart(const float* p, int n, float fill) { return _mm512_mask_loadu_ps(set1(fill), first(n), p); }
    static void storePart(float* p, int n, V v) { _mm512_mask_storeu_ps(p, first(n), v); }
    static V set1(float f) { return _mm512_set1_ps(f); }
    static V div(V a, V b) { return _mm512_div_ps(a, b); }
    static M eqZero(V v) { return _mm512_cmp_ps_mask(v, _mm512_setzero_ps(), _CMP_EQ_OQ); }
    static int bits(M m) { return m; }
    static M orMask(M a, M b) { return a | b; }
    static bool any(M m) { return m != 0; }
    static V select(M m, V a, V b) { return _mm512_mask_blend_ps(m, a, b); }
    static V add(V a, V b) { return _mm512_add_ps(a, b); }
    static V sub(V a, V b) { return _mm512_sub_ps(a, b); }
    static V mul(V a, V b) { return _mm512_mul_ps(a, b); }
    static V min(V a, V b) { return _mm512_min_ps(a, b); }
    static V max(V a, V b) { return _mm512_max_ps(a, b); }
    static V andV(V a, V b) { return _mm512_and_ps(a, b); }
    static V orV(V a, V b) { return _mm512_or_ps(a, b); }
    static V selectZero(M m, V a) { return _mm512_maskz_mov_ps(m, a); }
    static M cmpGe(V a, V b) { return _mm512_cmp_ps_mask(a, b, _CMP_GE_OQ); }
    static M ordered(V a) { return _mm512_cmp_ps_mask(a, a, _CMP_ORD_Q); }
    static V roundNear(V a) { return _mm512_roundscale_ps(a, _MM_FROUND_TO_NEAREST_INT | _MM_FROUND_NO_EXC); }
    static V roundZero(V a) { return _mm512_roundscale_ps(a, _MM_FROUND_TO_ZERO | _MM_FROUND_NO_EXC); }
    static V zeroDivisor(V x)
    {
        const V signedInf = _mm512_or_ps(_mm512_and_ps(x, set1(-0.0f)), set1(std::numeric_limits<float>::infinity()));
        const M nonZero = _mm512_cmp_ps_mask(x, _mm512_setzero_ps(), _CMP_NEQ_OQ);
        return _mm512_mask_blend_ps(nonZero, set1(std::numeric_limits<float>::quiet_NaN()), signedInf);
    }
};

struct Pd512 {
    using V = __m512d;
    using S = double;
    using M = __mmask8;
    static constexpr int W = 8;
    static constexpr bool kReciprocal = false;
    static M first(int n) { return static_cast<M>((1u << n) - 1); }
    static V load(const double* p) { return _mm512_loadu_pd(p); }
    static void store(double* p, V v) { _mm512_storeu_pd(p, v); }
    static V loadPart(const double* p, int n, double fill) { return _mm512_mask_loadu_pd(_mm512_set1_pd(fill), first(n), p); }
    static void storePart(double* p, int n, V v) { _mm512_mask_storeu_pd(p, first(n), v); }
    static V div(V a, V b) { return _mm512_div_pd(a, b); }
    static V add(V a, V b) { return _mm512_add_pd(a, b); }
    static V sub(V a, V b) { return _mm512_sub_pd(a, b); }
    static V mul(V a, V b) { return _mm512_mul_pd(a, b); }
    static V swapPairs(V v) { return _mm512_permute_pd(v, 0x55); }
    static V evenOdd(V even, V odd) { return _mm512_mask_blend_pd(0xaa, even, odd); }
    static V widen(const float* p) { return _mm512_cvtps_pd(_mm256_loadu_ps(p)); }
    static V widenPart(const float* p, int n, float fill)
    {
        return _mm512_cvtps_pd(_mm256_mask_loadu_ps(_mm256_set1_ps(fill), first(n), p));
    }
    static void narrow(float* p, V v) { _mm256_storeu_ps(p, _mm512_cvtpd_ps(v)); }
    static void narrowPart(float* p, int n, V v) { _mm256_mask_storeu_ps(p, first(n), _mm512_cvtpd_ps(v)); }
    static M eqZero(V v) { return _mm512_cmp_pd_mask(v, _mm512_setzero_pd(), _CMP_EQ_OQ); }
    static int bits(M m) { return m; }
    static M orMask(M a, M b) { return a | b; }
    static bool any(M m) { return m != 0; }
    static V select(M m, V a, V b) { return _mm512_mask_blend_pd(m, a, b); }
    static V set1(double f) { return _mm512_set1_pd(f); }
    static V min(V a, V b) { return _mm512_min_pd(a, b); }
    static V max(V a, V b) { return _mm512_max_pd(a, b); }
    static V andV(V a, V b) { return _mm512_and_pd(a, b); }
    static V orV(V a, V b) { return _mm512_or_pd(a, b); }
    static V selectZero(M m, V a) { return _mm512_maskz_mov_pd(m, a); }
    static M cmpGe(V a, V b) { return _mm512_cmp_pd_mask(a, b, _CMP_GE_OQ); }
    static M ordered(V a) { return _mm512_cmp_pd_mask(a, a, _CMP_ORD_Q); }
    static V roundNear(V a) { return _mm512_roundscale_pd(a, _MM_FROUND_TO_NEAREST_INT | _MM_FROUND_NO_EXC); }
    static V roundZero(V a) { return _mm512_roundscale_pd(a, _MM_FROUND_TO_ZERO | _MM_FROUND_NO_EXC); }
    static V zeroDivisor(V x)
    {
        const V signedInf = _mm512_or_pd(_mm512_and_pd(x, _mm512_set1_pd(-0.0)),
                                         _mm512_set1_pd(std::numeric_limits<double>::infinity()));
        const M nonZero = _mm512_cmp_pd_mask(x, _mm512_setzero_pd(), _CMP_NEQ_OQ);
        return _mm512_mask_blend_pd(nonZero, _mm512_set1_pd(std::numeric_limits<double>::quiet_NaN()), signedInf);
    }
};
using Ps = Ps512;
using Pd = Pd512;
#else
using Ps = Ps256;
using Pd = Pd256;
#endif

using Iv = simd::Int32Vec;
static_assert(Iv::W == Ps::W && Iv::W == 2 * Pd::W);

// ---- integer quotients -------------------------------------------------------

// Rounding of a quotient to an integral value.
template <class T, Rnd R>
inline typename T::V roundTo(typename T::V q)
{
    if constexpr (R == Rnd::Near) return T::roundNear(q);
    if constexpr (R == Rnd::Zero) return T::roundZero(q);
    // Ties away from zero: truncate, then step away from zero when the
    // discarded fraction (exact: q and its truncation share the exponent
    // range) is at least one half.
    const typename T::V t = T::roundZero(q);
    const typename T::V sign = T::set1(-0.0);
    const typename T::V frac = T::max(T::sub(q, t), T::sub(t, q));  // |q - t|
    const typename T::V step = T::orV(T::andV(q, sign), T::set1(1.0));
    return T::add(t, T::selectZero(T::cmpGe(frac, T::set1(0.5)), step));
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
        return T::mul(x, T::selectZero(T::eqZero(d), inf));
    } else {
        // x * (+inf for d >= 0, -inf for d < 0): the sign of the quotient.
        return T::mul(x, T::orV(T::andV(d, T::set1(-0.0)), inf));
    }
}

// NaN (0/0) to 0, then clamp to the destination range.
template <class T, class TO>
inline typename T::V saturateTo(typename T::V q)
{
    using F = typename T::S;
    q = T::selectZero(T::ordered(q), q);
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
        else return Pd::any(Pd::orMask(Pd::eqZero(dlo), Pd::eqZero(dhi)));
    }
}

// ---- one register of quotients ----------------------------------------------

// IEEE division with the zero-divisor rule; returns the zero-divisor lanes.
template <class T>
inline int exactGroup(typename T::V x, typename T::V d, typename T::V& out)
{
    typename T::V q = T::div(x, d);
    const typename T::M z = T::eqZero(d);
    const int zeros = T::bits(z);
    if (zeros) [[unlikely]] q = T::select(z, q, T::zeroDivisor(x));
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
        const typename T::V r0 = T::rcp(d);
#if defined(__FMA__)
        // Newton step on the reciprocal, then one correction of the quotient
        // by its residual: nearly always the correctly rounded quotient.
        const typename T::V r1 = T::fmadd(r0, T::fnmadd(d, r0, one), r0);
        const typename T::V q0 = T::mul(x, r1);
        const typename T::V q = T::fmadd(r1, T::fnmadd(d, q0, x), q0);
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
        for (int k = 1; k < U; ++k) all = T::orMask(all, f[k]);
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
    const V m = T::add(sq, T::swapPairs(sq));           // a*a + b*b in both lanes
    const V p = T::mul(x, d);                           // c*a, e*b
    const V re = T::add(p, T::swapPairs(p));            // c*a + e*b
    const V c = T::mul(x, T::swapPairs(d));             // c*b, e*a
    const V im = T::sub(c, T::swapPairs(c));            // odd lanes: e*a - c*b
    V q = T::div(T::evenOdd(re, im), m);
    const typename T::M z = T::eqZero(m);
    const int zeros = T::bits(z);
    if (zeros) [[unlikely]] q = T::select(z, q, T::zeroDivisor(x));
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
        zeros |= c32Group<T>(T::widen(x + i), T::widen(d + i), q);
        T::narrow(o + i, q);
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
