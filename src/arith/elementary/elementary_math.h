// The polynomial approximations of the elementary functions, written once
// over the vector types of core/simd (F32 / F64 at 256 bits, F32x16 / F64x8
// at 512 bits) and compiled per target with the kernel source.
//
// Each function works on whole registers and returns IEEE values for every
// input (zeros, infinities, NaN, subnormals). The range reductions split
// ln 2 and the arctangent breakpoints into a high part with trailing zero
// bits and a low correction, so the reduced argument is exact before the
// polynomial; the polynomial adds only a small term to an exact leading one,
// which keeps the error of each result below one unit in the last place.
#pragma once
#ifndef ORVS_TARGET
#error "arith/elementary/elementary_math.h belongs to kernel sources"
#endif
#include <cstdint>
#include <initializer_list>

#include "core/simd/simd.h"

namespace orvs::simd {
inline namespace ORVS_TARGET {

// Per-precision constants: masks and the subnormal boundary.
template <class S> struct Fmt;
template <> struct Fmt<float> {
    static constexpr std::uint32_t mant = 0x007FFFFFu, one = 0x3F800000u, sign = 0x80000000u;
    static constexpr double minNormal = 0x1p-126, subScale = 0x1p23, subExp = 23;
};
template <> struct Fmt<double> {
    static constexpr std::uint64_t mant = 0x000FFFFFFFFFFFFFull, one = 0x3FF0000000000000ull, sign = 0x8000000000000000ull;
    static constexpr double minNormal = 0x1p-1022, subScale = 0x1p54, subExp = 54;
};

template <class A>
inline typename A::V horner(typename A::V x, std::initializer_list<double> c)
{
    auto it = c.begin();
    typename A::V p = A::set1(*it);
    for (++it; it != c.end(); ++it) p = A::fma(p, x, A::set1(*it));
    return p;
}

// Mantissa in [sqrt(1/2), sqrt(2)) and exponent of a positive x (subnormals
// scaled into the normal range first).
// True when some lane is not a positive normal finite number (zero,
// negative, subnormal, infinite, NaN): only such registers take the slower
// special-case steps.
template <class A>
inline bool anyOdd(typename A::V x)
{
    using S = typename A::S;
    const auto odd = A::mor(A::lt(x, A::set1(Fmt<S>::minNormal)), A::mor(A::ge(x, A::set1(__builtin_inf())), A::neq(x, x)));
    return A::mask(odd) != 0;
}

template <class A>
inline void splitLog(typename A::V x, bool odd, typename A::V& m, typename A::V& e)
{
    using S = typename A::S;
    using B = Bits<A>;
    if (odd) {
        const auto tiny = A::lt(x, A::set1(Fmt<S>::minNormal));
        x = A::blend(x, A::mul(x, A::set1(Fmt<S>::subScale)), tiny);
        e = A::sub(B::exponent(x), A::blend(A::zero(), A::set1(Fmt<S>::subExp), tiny));
    } else {
        e = B::exponent(x);
    }
    m = A::or_(A::and_(x, B::of(Fmt<S>::mant)), B::of(Fmt<S>::one));
    const auto big = A::ge(m, A::set1(1.4142135623730951));
    m = A::blend(m, A::mul(m, A::set1(0.5)), big);
    e = A::blend(e, A::add(e, A::set1(1)), big);
}

// IEEE results of the logarithm outside (0, inf): -inf at zero, NaN below,
// the argument itself at +inf and NaN.
template <class A>
inline typename A::V logSpecials(typename A::V x, bool odd, typename A::V r)
{
    if (!odd) return r;
    const typename A::V inf = A::set1(__builtin_inf());
    r = A::blend(r, x, A::mor(A::ge(x, inf), A::neq(x, x)));
    r = A::blend(r, A::set1(-__builtin_inf()), A::eq(x, A::zero()));
    return A::blend(r, A::set1(__builtin_nan("")), A::lt(x, A::zero()));
}

// ln x = k ln2 + ln(1 + f), ln(1 + f) = f - f^2/2 + s (f^2/2 + R(s^2)), s = f / (2 + f).
template <class A>
inline typename A::V logF32(typename A::V x)
{
    typename A::V m, e;
    const bool odd = anyOdd<A>(x);
    splitLog<A>(x, odd, m, e);
    const auto f = A::sub(m, A::set1(1));
    const auto s = A::div(f, A::add(f, A::set1(2)));
    const auto z = A::mul(s, s), w = A::mul(z, z);
    const auto t1 = A::mul(w, horner<A>(w, {0x1.f13c4cp-3, 0x1.999c26p-2}));
    const auto t2 = A::mul(z, horner<A>(w, {0x1.23d3dcp-2, 0x1.555554p-1}));
    const auto R = A::add(t2, t1);
    const auto hfsq = A::mul(A::set1(0.5), A::mul(f, f));
    const auto lo = A::fma(s, A::add(hfsq, R), A::mul(e, A::set1(9.0580006145e-06f)));
    const auto r = A::fma(e, A::set1(6.9313812256e-01f), A::sub(f, A::sub(hfsq, lo)));
    return logSpecials<A>(x, odd, r);
}

template <class A>
inline typename A::V logF64(typename A::V x)
{
    typename A::V m, e;
    const bool odd = anyOdd<A>(x);
    splitLog<A>(x, odd, m, e);
    const auto f = A::sub(m, A::set1(1));
    const auto s = A::div(f, A::add(f, A::set1(2)));
    const auto z = A::mul(s, s), w = A::mul(z, z);
    const auto t1 = A::mul(w, horner<A>(w, {1.531383769920937332e-01, 2.222219843214978396e-01, 3.999999999940941908e-01}));
    const auto t2 = A::mul(z, horner<A>(w, {1.479819860511658591e-01, 1.818357216161805012e-01, 2.857142874366239149e-01,
                                            6.666666666666735130e-01}));
    const auto R = A::add(t2, t1);
    const auto hfsq = A::mul(A::set1(0.5), A::mul(f, f));
    const auto lo = A::fma(s, A::add(hfsq, R), A::mul(e, A::set1(1.90821492927058770002e-10)));
    const auto r = A::fma(e, A::set1(6.93147180369123816490e-01), A::sub(f, A::sub(hfsq, lo)));
    return logSpecials<A>(x, odd, r);
}

// e^x = 2^k e^r, |r| <= ln2 / 2; 2^k applied in two halves so that results
// down in the subnormal range are rounded once.
// NaN needs no care: the clamps keep it (min and max return their second
// operand when one is NaN), and every later step propagates it.
template <class A>
inline typename A::V scaleExp(typename A::V y, typename A::V k)
{
    if constexpr (requires { Bits<A>::scale(y, k); }) {
        return Bits<A>::scale(y, k);
    } else {
        using B = Bits<A>;
        const auto k1 = A::roundEven(A::mul(k, A::set1(0.5)));
        return A::mul(A::mul(y, B::pow2(k1)), B::pow2(A::sub(k, k1)));
    }
}

template <class A>
inline typename A::V expF32(typename A::V x)
{
    const auto xc = A::max(A::set1(-104.0), A::min(A::set1(89.0), x));
    const auto k = A::roundEven(A::mul(xc, A::set1(1.44269504088896341)));
    auto r = A::fma(k, A::set1(-0.693359375), xc);
    r = A::fma(k, A::set1(2.12194440e-4), r);
    const auto p = horner<A>(r, {1.9875691500E-4, 1.3981999507E-3, 8.3334519073E-3, 4.1665795894E-2, 1.6666665459E-1,
                                 5.0000001201E-1});
    const auto y = A::add(A::fma(p, A::mul(r, r), r), A::set1(1));
    return scaleExp<A>(y, k);
}

template <class A>
inline typename A::V expF64(typename A::V x)
{
    const auto xc = A::max(A::set1(-746.0), A::min(A::set1(710.0), x));
    const auto k = A::roundEven(A::mul(xc, A::set1(1.44269504088896338700e+00)));
    auto r = A::fma(k, A::set1(-6.93147180369123816490e-01), xc);
    r = A::fma(k, A::set1(-1.90821492927058770002e-10), r);
    // e^r = 1 + r + r^2 (1/2! + r/3! + ... + r^12/14!)
    const auto p = horner<A>(r, {1.0 / 87178291200.0, 1.0 / 6227020800.0, 1.0 / 479001600.0, 1.0 / 39916800.0,
                                 1.0 / 3628800.0, 1.0 / 362880.0, 1.0 / 40320.0, 1.0 / 5040.0, 1.0 / 720.0, 1.0 / 120.0,
                                 1.0 / 24.0, 1.0 / 6.0, 0.5});
    const auto y = A::add(A::fma(p, A::mul(r, r), r), A::set1(1));
    return scaleExp<A>(y, k);
}

// atan |x| = atan c + atan t with t = (|x| - c) / (1 + c |x|) for the
// breakpoints c = 1/2, 1, 3/2, inf (t = -1/|x|), and atan c = hi + lo.
template <class A, class Poly>
inline typename A::V atanReduced(typename A::V x, const double (&hi)[4], const double (&lo)[4], Poly poly)
{
    using S = typename A::S;
    const auto signBit = Bits<A>::of(Fmt<S>::sign);
    const auto ax = A::andnot(signBit, x);
    auto num = ax, den = A::set1(1), h = A::zero(), l = A::zero();
    auto step = [&](double from, typename A::V n, typename A::V d, int i) {
        const auto m = A::ge(ax, A::set1(from));
        num = A::blend(num, n, m);
        den = A::blend(den, d, m);
        h = A::blend(h, A::set1(hi[i]), m);
        l = A::blend(l, A::set1(lo[i]), m);
    };
    const auto one = A::set1(1);
    step(7.0 / 16, A::sub(A::add(ax, ax), one), A::add(ax, A::set1(2)), 0);
    step(11.0 / 16, A::sub(ax, one), A::add(ax, one), 1);
    step(19.0 / 16, A::sub(ax, A::set1(1.5)), A::fma(ax, A::set1(1.5), one), 2);
    step(39.0 / 16, A::set1(-1), ax, 3);
    const auto t = A::div(num, den);
    const auto z = A::mul(t, t);
    const auto r = A::sub(h, A::sub(A::sub(A::mul(t, poly(z)), l), t));
    return A::xor_(r, A::and_(x, signBit));
}

template <class A>
inline typename A::V atanF32(typename A::V x)
{
    static constexpr double hi[4] = {4.6364760399e-01f, 7.8539812565e-01f, 9.8279368877e-01f, 1.5707962513e+00f};
    static constexpr double lo[4] = {5.0121582440e-09f, 3.7748947079e-08f, 3.4473217170e-08f, 7.5497894159e-08f};
    return atanReduced<A>(x, hi, lo, [](typename A::V z) {
        const auto w = A::mul(z, z);
        const auto s1 = A::mul(z, horner<A>(w, {6.1687607318e-02, 1.4253635705e-01, 3.3333328366e-01}));
        const auto s2 = A::mul(w, horner<A>(w, {-1.0648017377e-01, -1.9999158382e-01}));
        return A::add(s1, s2);
    });
}

template <class A>
inline typename A::V atanF64(typename A::V x)
{
    static constexpr double hi[4] = {4.63647609000806093515e-01, 7.85398163397448278999e-01, 9.82793723247329054082e-01,
                                     1.57079632679489655800e+00};
    static constexpr double lo[4] = {2.26987774529616870924e-17, 3.06161699786838301793e-17, 1.39033110312309984516e-17,
                                     6.12323399573676603587e-17};
    return atanReduced<A>(x, hi, lo, [](typename A::V z) {
        const auto w = A::mul(z, z);
        const auto s1 = A::mul(z, horner<A>(w, {1.62858201153657823623e-02, 4.97687799461593236017e-02,
                                                6.66107313738753120669e-02, 9.09088713343650656196e-02,
                                                1.42857142725034663711e-01, 3.33333333333329318027e-01}));
        const auto s2 = A::mul(w, horner<A>(w, {-3.65315727442169155270e-02, -5.83357013379057348645e-02,
                                                -7.69187620504482999495e-02, -1.11111104054623557880e-01,
                                                -1.99999999998764832476e-01}));
        return A::add(s1, s2);
    });
}

// Cube root of values widened from single precision (all normal doubles):
// |x| = t 2^(3q), t in [1, 8); a quadratic start within 2.5 % and two Halley
// steps y (y^3 + 2t) / (2y^3 + t) leave an error far below the float's half unit.
template <class A>
inline typename A::V cbrtWidened(typename A::V x)
{
    using B = Bits<A>;
    const auto signBit = B::of(Fmt<double>::sign);
    const auto ax = A::andnot(signBit, x);
    const auto e = B::exponent(ax);
    const auto q = A::roundEven(A::mul(A::sub(e, A::set1(1)), A::set1(1.0 / 3)));
    const auto m = A::or_(A::and_(ax, B::of(Fmt<double>::mant)), B::of(Fmt<double>::one));
    const auto t = A::mul(m, B::pow2(A::fma(q, A::set1(-3), e)));
    auto y = horner<A>(t, {-0.014631172525909175, 0.2745376955903271, 0.740093476935582});
    for (int i = 0; i < 2; ++i) {
        const auto y3 = A::mul(A::mul(y, y), y);
        y = A::div(A::mul(y, A::add(y3, A::add(t, t))), A::add(A::add(y3, y3), t));
    }
    auto r = A::or_(A::mul(y, B::pow2(q)), A::and_(x, signBit));
    // Zeros, infinities and NaN are their own cube roots.
    const auto special = A::mor(A::eq(ax, A::zero()), A::mor(A::ge(ax, A::set1(__builtin_inf())), A::neq(x, x)));
    return A::blend(r, x, special);
}

} // namespace ORVS_TARGET
} // namespace orvs::simd
