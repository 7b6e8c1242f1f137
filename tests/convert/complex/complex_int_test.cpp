// Integer sources: sums of squares, roots and angles of 16- and 32-bit pairs
// against integer models of the scale rule (round(sqrt(r) * 2^-sf) and
// round(r * 2^-sf), ties to even), the scaled angle ranges, the polar
// conversions and the family's own argument checks.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <vector>

#include "complex_test_util.h"

using namespace cplx_test;

namespace {

using u128 = unsigned __int128;

u128 isqrt(u128 x)
{
    u128 lo = 0, hi = u128(1) << 64;
    while (hi - lo > 1) {
        const u128 mid = (lo + hi) / 2;
        (mid * mid <= x ? lo : hi) = mid;
    }
    return lo;
}

// round(sqrt(r) * 2^-sf) saturated to [0, maxOut], for r < 2^64.
long long modelRootScaled(u128 r, int sf, long long maxOut)
{
    if (r == 0) return 0;
    if (sf <= 0) {
        if (-sf >= 32) return maxOut;
        const u128 big = r << (2 * -sf), f = isqrt(big);
        const u128 q = big > f * f + f ? f + 1 : f;  // never a tie: big is an integer
        return q > u128(maxOut) ? maxOut : (long long)q;
    }
    if (sf > 40) return 0;
    const u128 u = isqrt(r) >> (sf - 1);  // floor(2 * sqrt(r) * 2^-sf)
    u128 q = u / 2;
    if ((u & 1) && (r != u * u * (u128(1) << (2 * (sf - 1))) || (q & 1))) q += 1;
    return q > u128(maxOut) ? maxOut : (long long)q;
}

// round(r * 2^-sf) saturated to [0, maxOut].
long long modelScaled(u128 r, int sf, long long maxOut)
{
    if (r == 0) return 0;
    if (sf <= 0) {
        if (-sf >= 64) return maxOut;
        const u128 v = r << -sf;
        return (v >> -sf) != r || v > u128(maxOut) ? maxOut : (long long)v;
    }
    if (sf >= 100) return 0;
    u128 q = r >> sf;
    const u128 rem = r - (q << sf), half = u128(1) << (sf - 1);
    if (rem > half || (rem == half && (q & 1))) ++q;
    return q > u128(maxOut) ? maxOut : (long long)q;
}

template <class T>
u128 sq(T re, T im) { return u128((long long)re * re) + u128((long long)im * im); }

// The exact angle times 2^-sf; one away from the rounded exact value is
// accepted only within a few float ulps of a rounding boundary (the library
// rounds its single-precision angle).
template <class D>
void expectScaledAngle(D got, long double angle, int sf, long long lo, long long hi, int k)
{
    const long double v = std::ldexp(angle, -sf), clamped = std::clamp<long double>(v, lo, hi);
    const long double frac = std::fabs(std::fabs(v - std::trunc(v)) - 0.5L);
    if (frac < 4e-7L * std::fabs(v) + 1e-12L) ASSERT_LE(std::fabs(got - clamped), 1.0L) << "sf " << sf << " k " << k;
    else ASSERT_EQ((long double)got, std::nearbyint(clamped)) << "sf " << sf << " k " << k;
}

// Below the vector range: the angle in double, rounded to float, the float
// product with 2^-sf, rounded half away from zero and saturated.
template <class C>
long long scalarAngle(const C& c, int sf, double lo, double hi)
{
    const float p = float(std::atan2(double(c.im), double(c.re))) * float(std::pow(2.0, -sf));
    return p != p ? 0 : (long long)std::clamp(std::trunc(double(p) + std::copysign(0.5, p)), lo, hi);
}

} // namespace

TEST(ComplexInt, ScaledMagnitudeAndPowerMatchIntegerModel)
{
    const int n = 1023;
    auto c = randomVector<Orv16sc>(n, 700);
    // small values so the larger scale factors have something to round
    for (int k = 0; k < n; k += 2) c[k] = {Orv16s(c[k].re % 64), Orv16s(c[k].im % 64)};
    c[1] = {-32768, -32768}, c[3] = {-32768, 0}, c[5] = {32767, 32767}, c[7] = {3, 0}, c[9] = {0, 0};
    Unaligned<Orv16s> ur(n), ui(n), d1(n), d2(n), d3(n), d4(n);
    Unaligned<Orv16sc> uc(n);
    uc.assign(c);
    for (int k = 0; k < n; ++k) ur[k] = c[k].re, ui[k] = c[k].im;
    for (int sf = -40; sf <= 45; ++sf) {
        ASSERT_EQ(orvsMagnitude_16s_Sfs(ur.data(), ui.data(), d1.data(), n, sf), orvStsOk);
        ASSERT_EQ(orvsMagnitude_16sc_Sfs(uc.data(), d2.data(), n, sf), orvStsOk);
        ASSERT_EQ(orvsPowerSpectr_16s_Sfs(ur.data(), ui.data(), d3.data(), n, sf), orvStsOk);
        ASSERT_EQ(orvsPowerSpectr_16sc_Sfs(uc.data(), d4.data(), n, sf), orvStsOk);
        for (int k = 0; k < n; ++k) {
            const u128 r = sq(c[k].re, c[k].im);
            ASSERT_EQ(d1[k], modelRootScaled(r, sf, 32767)) << "sf " << sf << " k " << k;
            ASSERT_EQ(d3[k], modelScaled(r, sf, 32767)) << "sf " << sf << " k " << k;
            ASSERT_TRUE(d2[k] == d1[k] && d4[k] == d3[k]);
        }
    }
}

TEST(ComplexInt, ThirtyTwoBitMagnitudeAndSquares)
{
    const int n = 257;
    auto c = randomVector<Orv32sc>(n, 800);
    for (int k = 0; k < n; k += 3) c[k] = {c[k].re >> 20, c[k].im >> 22};
    c[0] = {INT_MIN, INT_MIN}, c[1] = {INT_MIN, 0}, c[2] = {0, 0}, c[4] = {3, 4};
    Unaligned<Orv32sc> uc(n);
    uc.assign(c);
    Unaligned<Orv32s> d1(n), d2(n);
    for (int sf = -70; sf <= 70; sf += quick() ? 3 : 1) {
        ASSERT_EQ(orvsMagnitude_32sc_Sfs(uc.data(), d1.data(), n, sf), orvStsOk);
        ASSERT_EQ(orvsMagSquared_32sc32s_Sfs(uc.data(), d2.data(), n, sf), orvStsOk);
        for (int k = 0; k < n; ++k) {
            const u128 r = sq(c[k].re, c[k].im);
            ASSERT_EQ(d1[k], modelRootScaled(r, sf, INT_MAX)) << "sf " << sf << " k " << k;
            ASSERT_EQ(d2[k], modelScaled(r, sf, INT_MAX)) << "sf " << sf << " k " << k;
        }
    }
    // squares of float pairs, formed in double
    const auto f = randomVector<Orv32fc>(n, 801);
    std::vector<Orv64f> dd(n);
    ASSERT_EQ(orvsMagSquared_32fc64f(f.data(), dd.data(), n), orvStsOk);
    for (int k = 0; k < n; ++k)
        ASSERT_LE(ulpError<double>(dd[k], (long double)f[k].re * f[k].re + (long double)f[k].im * f[k].im), 0.5) << k;
}

// 16-bit sources at every length 1..70: exact sums of squares rounded once,
// roots within half an ulp, and angles equal to the same element alone.
TEST(ComplexInt, SixteenBitToFloatAtEveryLength)
{
    for (int n = 1; n <= 70; ++n) {
        auto c = randomVector<Orv16sc>(n, 9600 + n);
        c[n / 2] = {-32768, -32768};  // the one sum that needs 32 unsigned bits
        Unaligned<Orv16sc> uc(n);
        Unaligned<Orv16s> ur(n), ui(n);
        Unaligned<Orv32f> m1(n), m2(n), p1(n), p2(n), a1(n), a2(n);
        uc.assign(c);
        for (int k = 0; k < n; ++k) ur[k] = c[k].re, ui[k] = c[k].im;
        ASSERT_EQ(orvsMagnitude_16sc32f(uc.data(), m1.data(), n), orvStsOk);
        ASSERT_EQ(orvsMagnitude_16s32f(ur.data(), ui.data(), m2.data(), n), orvStsOk);
        ASSERT_EQ(orvsPowerSpectr_16sc32f(uc.data(), p1.data(), n), orvStsOk);
        ASSERT_EQ(orvsPowerSpectr_16s32f(ur.data(), ui.data(), p2.data(), n), orvStsOk);
        ASSERT_EQ(orvsPhase_16sc32f(uc.data(), a1.data(), n), orvStsOk);
        ASSERT_EQ(orvsPhase_16s32f(ur.data(), ui.data(), a2.data(), n), orvStsOk);
        for (int k = 0; k < n; ++k) {
            const long double r = (long double)sq(c[k].re, c[k].im);
            ASSERT_TRUE(p1[k] == (float)r && p2[k] == (float)r) << "n " << n << " k " << k;
            ASSERT_LE(ulpError<float>(m1[k], std::sqrt(r)), 0.5001) << "n " << n << " k " << k;
            ASSERT_LE(ulpError<float>(a1[k], std::atan2((long double)c[k].im, (long double)c[k].re)), 2.0);
            float alone = 0;
            ASSERT_EQ(orvsPhase_16sc32f(&c[k], &alone, 1), orvStsOk);
            ASSERT_TRUE(sameBits(m1[k], m2[k]) && sameBits(a1[k], alone) && sameBits(a2[k], alone)) << "n " << n << " k " << k;
        }
    }
}

TEST(ComplexInt, ScaledPhaseAllRanges)
{
    const int n = 301;
    auto c = randomVector<Orv16sc>(n, 900);
    auto w = randomVector<Orv32sc>(n, 902);
    c[0] = {-1, 0}, c[1] = {0, 0}, c[2] = {-5, -1};  // pi, zero, near -pi
    for (int k = 0; k < 3; ++k) w[k] = {c[k].re, c[k].im};
    Unaligned<Orv16s> ur(n), ui(n), d1(n), d2(n);
    Unaligned<Orv16sc> uc(n);
    Unaligned<Orv32sc> uw(n);
    Unaligned<Orv32s> d3(n);
    uc.assign(c);
    uw.assign(w);
    for (int k = 0; k < n; ++k) ur[k] = c[k].re, ui[k] = c[k].im;
    for (int sf : {-200, -129, -60, -33, -29, -28, -21, -20, -19, -14, -13, -8, -1, 0, 1, 2, 3, 31, 100}) {
        ASSERT_EQ(orvsPhase_16s_Sfs(ur.data(), ui.data(), d1.data(), n, sf), orvStsOk);
        ASSERT_EQ(orvsPhase_16sc_Sfs(uc.data(), d2.data(), n, sf), orvStsOk);
        ASSERT_EQ(orvsPhase_32sc_Sfs(uw.data(), d3.data(), n, sf), orvStsOk);
        for (int k = 0; k < n; ++k) {
            ASSERT_EQ(d1[k], d2[k]);
            if (sf >= 2) ASSERT_TRUE(d1[k] == 0 && d3[k] == 0) << sf;
            else if (sf < -28) ASSERT_EQ(d1[k], scalarAngle(c[k], sf, -32768, 32767)) << sf << " " << k;
            else expectScaledAngle(d1[k], std::atan2((long double)c[k].im, (long double)c[k].re), sf, -32768, 32767, k);
            if (sf < -20) ASSERT_EQ(d3[k], scalarAngle(w[k], sf, INT_MIN, INT_MAX)) << sf << " " << k;
            else if (sf < 2) expectScaledAngle(d3[k], std::atan2((long double)w[k].im, (long double)w[k].re), sf, INT_MIN, INT_MAX, k);
        }
    }
    Orv16s cm = 0, cp = 0;
    const Orv16sc one = {-1, 0};
    ASSERT_EQ(orvsCartToPolar_16sc_Sfs(&one, &cm, &cp, 1, 0, -13), orvStsOk);
    EXPECT_TRUE(cm == 1 && cp == 25736);  // pi * 2^13 = 25735.93
}

// Integer polar to Cartesian within half a unit of the exact value: the
// fixed-point phase with `fp` fractional bits, the Sfs form scaling both.
TEST(ComplexInt, PolarToCartesian)
{
    const int n = 515;
    const auto m = randomVector<Orv16s>(n, 1400), p = randomVector<Orv16s>(n, 1401);
    const auto m32 = randomVector<Orv32s>(n, 1402), p32 = randomVector<Orv32s>(n, 1403);
    std::vector<Orv16sc> d(n);
    std::vector<Orv32sc> d32(n);
    auto near = [](auto got, long double magn, long double phase, long double lo, long double hi) {
        const long double re = std::clamp(magn * std::cos(phase), lo, hi), im = std::clamp(magn * std::sin(phase), lo, hi);
        return std::fabs(got.re - re) <= 0.5L + 1e-9L * std::fabs(re) && std::fabs(got.im - im) <= 0.5L + 1e-9L * std::fabs(im);
    };
    for (int fp : {0, 3, 12, 15}) {
        ASSERT_EQ(orvsPolarToCart_16sc(m.data(), p.data(), d.data(), n, fp), orvStsOk);
        for (int k = 0; k < n; ++k) ASSERT_TRUE(near(d[k], m[k], std::ldexp((long double)p[k], -fp), -32768, 32767)) << fp << " " << k;
    }
    for (int fp : {0, 20, 29, 31}) {
        ASSERT_EQ(orvsPolarToCart_32sc(m32.data(), p32.data(), d32.data(), n, fp), orvStsOk);
        for (int k = 0; k < n; ++k) ASSERT_TRUE(near(d32[k], m32[k], std::ldexp((long double)p32[k], -fp), INT_MIN, INT_MAX)) << fp << " " << k;
    }
    for (auto [ms, ps] : {std::pair{0, 13}, {-2, 12}, {3, 0}, {-40, 40}, {40, -40}}) {
        ASSERT_EQ(orvsPolarToCart_16sc_Sfs(m.data(), p.data(), d.data(), n, ms, ps), orvStsOk);
        for (int k = 0; k < n; ++k)
            ASSERT_TRUE(near(d[k], std::ldexp((long double)m[k], -std::clamp(ms, -31, 31)), std::ldexp((long double)p[k], -std::clamp(ps, -31, 31)), -32768, 32767))
                << ms << " " << ps << " " << k;
    }
}

// The family's own checks (the common order is driven from the entry lists).
TEST(ComplexInt, FamilyChecks)
{
    Orv32fc c[2] = {};
    Orv32f f[2] = {};
    Orv16s h[2] = {};
    Orv16sc hc[2] = {};
    Orv32s w[2] = {};
    Orv32sc wc[2] = {};
    // Cartesian to polar: the magnitude's checks first, then the phase pointer
    EXPECT_EQ(orvsCartToPolar_32fc(c, f, nullptr, 0), orvStsErrSize);
    EXPECT_EQ(orvsCartToPolar_32f(f, f, f, nullptr, 2), orvStsErrNullPtr);
    // fixed-point polar: a phase precision beyond the type is a size error
    EXPECT_EQ(orvsPolarToCart_16sc(h, h, hc, 2, 16), orvStsErrSize);
    EXPECT_EQ(orvsPolarToCart_16sc(h, h, hc, 2, -1), orvStsErrSize);
    EXPECT_EQ(orvsPolarToCart_32sc(w, w, wc, 2, 32), orvStsErrSize);
    EXPECT_EQ(orvsPolarToCart_32sc(w, w, wc, 2, 31), orvStsOk);
}
