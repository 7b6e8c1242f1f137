// Magnitude, power, phase and the polar conversions: floating results within
// an ulp or two of long-double references (special values included), scaled
// integer results exact against an integer model of the scale rule, the
// scale-factor shortcuts, and the two-thread split of the magnitudes.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

#include "complex_test_util.h"

namespace {

using cplx_test::quick;
using cplx_test::ulpError;
using cplx_test::wideRange;
using orvs_test::oddLengths;
using orvs_test::randomVector;
using orvs_test::ThreadCount;
using orvs_test::Unaligned;
using u128 = unsigned __int128;

// ---- integer model of "round(sqrt(r) * 2^-sf), ties to even" and of
// "round(r * 2^-sf), ties to even" ------------------------------------------

u128 isqrt(u128 x)
{
    u128 lo = 0, hi = u128(1) << 64;
    while (hi - lo > 1) {
        u128 mid = (lo + hi) / 2;
        if (mid * mid <= x) lo = mid;
        else hi = mid;
    }
    return lo;
}

// Saturated to [0, maxOut]; r < 2^64.
long long modelRootScaled(u128 r, int sf, long long maxOut)
{
    if (r == 0) return 0;
    if (sf <= 0) {
        if (-sf >= 32) return maxOut;
        const u128 big = r << (2 * -sf);          // sqrt(big) = sqrt(r) * 2^-sf
        const u128 f = isqrt(big);
        const u128 q = (big > f * f + f) ? f + 1 : f;  // never a tie: big is an integer
        return q > u128(maxOut) ? maxOut : (long long)q;
    }
    if (sf > 40) return 0;
    const u128 f = isqrt(r);
    const u128 u = f >> (sf - 1);  // floor(2 * sqrt(r) * 2^-sf)
    u128 q = u / 2;
    if (u & 1) {
        const bool tie = r == u * u * (u128(1) << (2 * (sf - 1)));
        if (!tie || (q & 1)) q += 1;
    }
    return q > u128(maxOut) ? maxOut : (long long)q;
}

long long modelScaled(u128 r, int sf, long long maxOut)
{
    if (r == 0) return 0;
    if (sf <= 0) {
        if (-sf >= 64) return maxOut;
        u128 v = r << -sf;
        if ((v >> -sf) != r || v > u128(maxOut)) return maxOut;
        return (long long)v;
    }
    if (sf >= 100) return 0;
    u128 q = r >> sf, rem = r - (q << sf), half = u128(1) << (sf - 1);
    if (rem > half || (rem == half && (q & 1))) ++q;
    return q > u128(maxOut) ? maxOut : (long long)q;
}

template <class T>
u128 sq(T re, T im) { return u128((long long)re * re) + u128((long long)im * im); }

// ---- argument checks ------------------------------------------------------

TEST(ComplexMeasure, ChecksComeInOrder)
{
    Orv32fc c[2] = {};
    Orv32f f[2] = {}, g[2] = {};
    Orv16s h[2] = {};
    Orv16sc hc[2] = {};
    EXPECT_EQ(orvsMagnitude_32fc(nullptr, f, 0), orvStsErrNullPtr);
    EXPECT_EQ(orvsMagnitude_32fc(c, f, 0), orvStsErrSize);
    EXPECT_EQ(orvsMagnitude_32f(f, nullptr, g, 1), orvStsErrNullPtr);
    EXPECT_EQ(orvsMagnitude_16sc_Sfs(hc, nullptr, 0, 99), orvStsErrNullPtr);
    EXPECT_EQ(orvsMagnitude_16sc_Sfs(hc, h, 0, 99), orvStsErrSize);
    EXPECT_EQ(orvsPhase_16s_Sfs(h, h, h, -3, 5), orvStsErrSize);
    EXPECT_EQ(orvsPowerSpectr_16sc_Sfs(nullptr, h, 2, 0), orvStsErrNullPtr);
    EXPECT_EQ(orvsMagSquared_32sc32s_Sfs(nullptr, nullptr, 0, 100), orvStsErrNullPtr);
    // Cartesian to polar: the magnitude's checks come first, then the phase pointer
    EXPECT_EQ(orvsCartToPolar_32fc(c, f, nullptr, 0), orvStsErrSize);
    EXPECT_EQ(orvsCartToPolar_32fc(c, f, nullptr, 2), orvStsErrNullPtr);
    EXPECT_EQ(orvsCartToPolar_32f(f, f, g, nullptr, 2), orvStsErrNullPtr);
    // fixed-point polar: destination checked first; bad phase precision is a size error
    EXPECT_EQ(orvsPolarToCart_16sc(nullptr, nullptr, nullptr, 0, 99), orvStsErrNullPtr);
    EXPECT_EQ(orvsPolarToCart_16sc(h, nullptr, hc, 2, 0), orvStsErrNullPtr);
    EXPECT_EQ(orvsPolarToCart_16sc(h, h, hc, 2, 16), orvStsErrSize);
    EXPECT_EQ(orvsPolarToCart_16sc(h, h, hc, 2, -1), orvStsErrSize);
    Orv32s w[2] = {};
    Orv32sc wc[2] = {};
    EXPECT_EQ(orvsPolarToCart_32sc(w, w, wc, 2, 32), orvStsErrSize);
    EXPECT_EQ(orvsPolarToCart_32sc(w, w, wc, 2, 31), orvStsOk);
}

// ---- floating magnitude, power and phase ----------------------------------

template <class T>
std::vector<T> testParts(int n, std::uint32_t seed)
{
    // ordinary values, then a block spanning overflow/underflow territory
    auto v = randomVector<T>(n, seed);
    auto w = sizeof(T) == 4 ? wideRange<T>(n, seed + 1, -140, 126) : wideRange<T>(n, seed + 1, -1070, 1022);
    for (int k = 0; k < n; k += 3) v[k] = w[k];
    return v;
}

template <class T>
void specials(std::vector<T>& re, std::vector<T>& im)
{
    const T inf = std::numeric_limits<T>::infinity(), nan = std::numeric_limits<T>::quiet_NaN();
    const T pairs[][2] = {{0, 0},    {-T(0), 0}, {0, -T(0)},  {-T(0), -T(0)}, {inf, 1},  {-inf, 1},
                          {1, inf},  {1, -inf},  {inf, inf},  {-inf, -inf},  {nan, 1},  {1, nan},
                          {-1, 0},   {-1, -T(0)}, {3, 3},      {-3, 3},       {T(1e-30), T(1e-30)}};
    for (const auto& p : pairs) {
        re.push_back(p[0]);
        im.push_back(p[1]);
    }
}

template <class T, class C>
std::vector<C> interleave(const std::vector<T>& re, const std::vector<T>& im)
{
    std::vector<C> c(re.size());
    for (std::size_t k = 0; k < re.size(); ++k) c[k] = {re[k], im[k]};
    return c;
}

template <class T>
struct FloatApi;
template <> struct FloatApi<float> {
    using C = Orv32fc;
    static constexpr auto mag = orvsMagnitude_32f;
    static constexpr auto magC = orvsMagnitude_32fc;
    static constexpr auto pow = orvsPowerSpectr_32f;
    static constexpr auto powC = orvsPowerSpectr_32fc;
    static constexpr auto phase = orvsPhase_32f;
    static constexpr auto phaseC = orvsPhase_32fc;
    static constexpr auto polar = orvsCartToPolar_32fc;
};
template <> struct FloatApi<double> {
    using C = Orv64fc;
    static constexpr auto mag = orvsMagnitude_64f;
    static constexpr auto magC = orvsMagnitude_64fc;
    static constexpr auto pow = orvsPowerSpectr_64f;
    static constexpr auto powC = orvsPowerSpectr_64fc;
    static constexpr auto phase = orvsPhase_64f;
    static constexpr auto phaseC = orvsPhase_64fc;
    static constexpr auto polar = orvsCartToPolar_64fc;
};

template <class T>
class ComplexFloatMeasure : public ::testing::Test {};
using FloatTypes = ::testing::Types<float, double>;
TYPED_TEST_SUITE(ComplexFloatMeasure, FloatTypes);

TYPED_TEST(ComplexFloatMeasure, MagnitudePowerPhaseAgainstLongDouble)
{
    using T = TypeParam;
    using A = FloatApi<T>;
    using C = typename A::C;
    double worstMag = 0, worstPhase = 0;
    for (int n : oddLengths()) {
        auto re = testParts<T>(n, 300 + n), im = testParts<T>(n, 400 + n);
        specials(re, im);
        const int m = static_cast<int>(re.size());
        const auto c = interleave<T, C>(re, im);
        Unaligned<T> ur(m), ui(m), d1(m), d2(m), d3(m), d4(m);
        Unaligned<C> uc(m);
        ur.assign(re);
        ui.assign(im);
        uc.assign(c);
        ASSERT_EQ(A::mag(ur.data(), ui.data(), d1.data(), m), orvStsOk);
        ASSERT_EQ(A::magC(uc.data(), d2.data(), m), orvStsOk);
        ASSERT_EQ(A::phase(ur.data(), ui.data(), d3.data(), m), orvStsOk);
        ASSERT_EQ(A::phaseC(uc.data(), d4.data(), m), orvStsOk);
        for (int k = 0; k < m; ++k) {
            const long double x = re[k], y = im[k];
            const long double h = std::hypot(x, y);
            const long double a = std::atan2(y, x);
            const double em = ulpError<T>(d1[k], h), ep = ulpError<T>(d3[k], a);
            ASSERT_LE(em, 1.5) << "magnitude of (" << re[k] << ", " << im[k] << ") = " << d1[k];
            ASSERT_LE(ep, 2.0) << "phase of (" << re[k] << ", " << im[k] << ") = " << d3[k];
            // the sign of a zero angle follows the imaginary part
            if (a == 0) ASSERT_EQ(std::signbit(d3[k]), std::signbit(im[k]));
            ASSERT_EQ(std::memcmp(&d1[k], &d2[k], sizeof(T)), 0);
            ASSERT_EQ(std::memcmp(&d3[k], &d4[k], sizeof(T)), 0);
            worstMag = std::max(worstMag, em);
            worstPhase = std::max(worstPhase, ep);
        }
        // power: each square and the sum rounded in the working precision
        ASSERT_EQ(A::pow(ur.data(), ui.data(), d1.data(), m), orvStsOk);
        ASSERT_EQ(A::powC(uc.data(), d2.data(), m), orvStsOk);
        for (int k = 0; k < m; ++k) {
            const T x = re[k], y = im[k];
            const T p2 = x * x + y * y;
            ASSERT_TRUE(std::memcmp(&d1[k], &p2, sizeof(T)) == 0 || (std::isnan(p2) && std::isnan(d1[k]))) << k;
            ASSERT_TRUE(std::memcmp(&d2[k], &p2, sizeof(T)) == 0 || (std::isnan(p2) && std::isnan(d2[k]))) << k;
        }
        // Cartesian to polar gives both results of the separate entries
        ASSERT_EQ(A::polar(uc.data(), d1.data(), d2.data(), m), orvStsOk);
        ASSERT_EQ(A::magC(uc.data(), d3.data(), m), orvStsOk);
        ASSERT_EQ(A::phaseC(uc.data(), d4.data(), m), orvStsOk);
        ASSERT_EQ(std::memcmp(d1.data(), d3.data(), m * sizeof(T)), 0);
        ASSERT_EQ(std::memcmp(d2.data(), d4.data(), m * sizeof(T)), 0);
    }
    ::testing::Test::RecordProperty("worstMagnitudeUlp", std::to_string(worstMag));
    ::testing::Test::RecordProperty("worstPhaseUlp", std::to_string(worstPhase));
}

// A dense sweep of angles around the range boundaries of the arctangent.
TEST(ComplexFloatMeasure, PhaseSweepAroundTheCircle)
{
    const int n = quick() ? 20000 : 200000;
    std::vector<float> re(n), im(n), d(n);
    std::vector<double> re64(n), im64(n), d64(n);
    for (int k = 0; k < n; ++k) {
        const double t = -3.2 + 6.4 * k / n, r = std::ldexp(1.0, (k % 41) - 20);
        re[k] = float(r * std::cos(t));
        im[k] = float(r * std::sin(t));
        re64[k] = r * std::cos(t);
        im64[k] = r * std::sin(t);
    }
    ASSERT_EQ(orvsPhase_32f(re.data(), im.data(), d.data(), n), orvStsOk);
    ASSERT_EQ(orvsPhase_64f(re64.data(), im64.data(), d64.data(), n), orvStsOk);
    for (int k = 0; k < n; ++k) {
        ASSERT_LE(ulpError<float>(d[k], std::atan2((long double)im[k], (long double)re[k])), 2.0) << k;
        ASSERT_LE(ulpError<double>(d64[k], std::atan2((long double)im64[k], (long double)re64[k])), 2.0) << k;
    }
}

// ---- integer sources with float results -----------------------------------

TEST(ComplexIntMeasure, SixteenBitToFloat)
{
    for (int n : oddLengths()) {
        auto re = randomVector<Orv16s>(n, 500 + n), im = randomVector<Orv16s>(n, 600 + n);
        re[0] = im[0] = -32768;  // the sum of squares reaches 2^31
        std::vector<Orv16sc> c(n);
        for (int k = 0; k < n; ++k) c[k] = {re[k], im[k]};
        Unaligned<Orv16s> ur(n), ui(n);
        Unaligned<Orv16sc> uc(n);
        ur.assign(re);
        ui.assign(im);
        uc.assign(c);
        Unaligned<Orv32f> m1(n), m2(n), p1(n), p2(n), a1(n), a2(n);
        ASSERT_EQ(orvsMagnitude_16s32f(ur.data(), ui.data(), m1.data(), n), orvStsOk);
        ASSERT_EQ(orvsMagnitude_16sc32f(uc.data(), m2.data(), n), orvStsOk);
        ASSERT_EQ(orvsPowerSpectr_16s32f(ur.data(), ui.data(), p1.data(), n), orvStsOk);
        ASSERT_EQ(orvsPowerSpectr_16sc32f(uc.data(), p2.data(), n), orvStsOk);
        ASSERT_EQ(orvsPhase_16s32f(ur.data(), ui.data(), a1.data(), n), orvStsOk);
        ASSERT_EQ(orvsPhase_16sc32f(uc.data(), a2.data(), n), orvStsOk);
        for (int k = 0; k < n; ++k) {
            const long double r = (long double)sq(re[k], im[k]);
            ASSERT_LE(ulpError<float>(m1[k], std::sqrt(r)), 0.5001) << k;
            ASSERT_EQ(m1[k], m2[k]);
            ASSERT_EQ(p1[k], (float)r) << k;  // exact sum, one rounding
            ASSERT_EQ(p2[k], (float)r);
            ASSERT_LE(ulpError<float>(a1[k], std::atan2((long double)im[k], (long double)re[k])), 2.0) << k;
            ASSERT_EQ(a1[k], a2[k]);
        }
    }
}

// ---- scaled integer magnitude and power -----------------------------------

TEST(ComplexIntMeasure, ScaledMagnitudeAndPowerMatchIntegerModel)
{
    const int n = 1023;
    auto re = randomVector<Orv16s>(n, 700), im = randomVector<Orv16s>(n, 701);
    // small values so the larger scale factors have something to round
    for (int k = 0; k < n; k += 2) { re[k] = Orv16s(re[k] % 64); im[k] = Orv16s(im[k] % 64); }
    re[1] = im[1] = -32768;
    re[3] = -32768; im[3] = 0;   // magnitude exactly 32768
    re[5] = 32767; im[5] = 32767;
    re[7] = 3; im[7] = 0;        // magnitude 3: a tie for scale factor 1
    re[9] = 0; im[9] = 0;
    std::vector<Orv16sc> c(n);
    for (int k = 0; k < n; ++k) c[k] = {re[k], im[k]};
    Unaligned<Orv16s> ur(n), ui(n), d1(n), d2(n), d3(n), d4(n);
    Unaligned<Orv16sc> uc(n);
    ur.assign(re);
    ui.assign(im);
    uc.assign(c);
    for (int sf = -40; sf <= 45; ++sf) {
        ASSERT_EQ(orvsMagnitude_16s_Sfs(ur.data(), ui.data(), d1.data(), n, sf), orvStsOk);
        ASSERT_EQ(orvsMagnitude_16sc_Sfs(uc.data(), d2.data(), n, sf), orvStsOk);
        ASSERT_EQ(orvsPowerSpectr_16s_Sfs(ur.data(), ui.data(), d3.data(), n, sf), orvStsOk);
        ASSERT_EQ(orvsPowerSpectr_16sc_Sfs(uc.data(), d4.data(), n, sf), orvStsOk);
        for (int k = 0; k < n; ++k) {
            const u128 r = sq(re[k], im[k]);
            ASSERT_EQ(d1[k], modelRootScaled(r, sf, 32767)) << "sf " << sf << " k " << k;
            ASSERT_EQ(d2[k], d1[k]);
            ASSERT_EQ(d3[k], modelScaled(r, sf, 32767)) << "sf " << sf << " k " << k;
            ASSERT_EQ(d4[k], d3[k]);
        }
    }
    // the documented corner values
    Orv16sc e[2] = {{32767, 32767}, {-32768, 0}};
    Orv16s o[2];
    ASSERT_EQ(orvsMagnitude_16sc_Sfs(e, o, 2, 16), orvStsOk);
    EXPECT_EQ(o[0], 1);
    EXPECT_EQ(o[1], 0);
}

TEST(ComplexIntMeasure, ThirtyTwoBitMagnitudeAndSquares)
{
    const int n = 257;
    auto c = randomVector<Orv32sc>(n, 800);
    for (int k = 0; k < n; k += 3) c[k] = {c[k].re >> 20, c[k].im >> 22};
    c[0] = {INT_MIN, INT_MIN};
    c[1] = {INT_MIN, 0};
    c[2] = {0, 0};
    c[4] = {3, 4};
    Unaligned<Orv32sc> uc(n);
    uc.assign(c);
    Unaligned<Orv32s> d1(n), d2(n);
    const int step = quick() ? 3 : 1;
    for (int sf = -70; sf <= 70; sf += step) {
        ASSERT_EQ(orvsMagnitude_32sc_Sfs(uc.data(), d1.data(), n, sf), orvStsOk);
        ASSERT_EQ(orvsMagSquared_32sc32s_Sfs(uc.data(), d2.data(), n, sf), orvStsOk);
        for (int k = 0; k < n; ++k) {
            const u128 r = sq(c[k].re, c[k].im);
            ASSERT_EQ(d1[k], modelRootScaled(r, sf, INT_MAX)) << "sf " << sf << " k " << k;
            ASSERT_EQ(d2[k], modelScaled(r, sf, INT_MAX)) << "sf " << sf << " k " << k;
        }
    }
    // squares of float pairs, formed in double
    auto f = randomVector<Orv32fc>(n, 801);
    std::vector<Orv64f> dd(n);
    ASSERT_EQ(orvsMagSquared_32fc64f(f.data(), dd.data(), n), orvStsOk);
    for (int k = 0; k < n; ++k) {
        const long double ref = (long double)f[k].re * f[k].re + (long double)f[k].im * f[k].im;
        ASSERT_LE(ulpError<double>(dd[k], ref), 0.5) << k;
    }
}

// ---- scaled integer phase -------------------------------------------------

// The exact angle times 2^-sf; a result one away from the rounded exact value
// is accepted only where the exact value sits within a few float ulps of a
// rounding boundary (the library rounds its single-precision angle).
template <class D>
void expectScaledAngle(D got, long double angle, int sf, long long lo, long long hi, const char* what, int k)
{
    const long double v = std::ldexp(angle, -sf);
    const long double clamped = std::min<long double>(std::max<long double>(v, lo), hi);
    const long double nearest = std::nearbyint(clamped);
    const long double frac = std::fabs(std::fabs(v - std::trunc(v)) - 0.5L);
    const bool nearBoundary = frac < 4e-7L * std::fabs(v) + 1e-12L;
    if (nearBoundary) ASSERT_LE(std::fabs(got - clamped), 1.0L) << what << " sf " << sf << " k " << k;
    else ASSERT_EQ((long double)got, nearest) << what << " sf " << sf << " k " << k << " v " << (double)v;
}

TEST(ComplexIntMeasure, ScaledPhaseAllRanges)
{
    const int n = 301;
    auto re = randomVector<Orv16s>(n, 900), im = randomVector<Orv16s>(n, 901);
    re[0] = -1; im[0] = 0;   // pi
    re[1] = 0; im[1] = 0;
    re[2] = -5; im[2] = -1;  // near -pi
    std::vector<Orv16sc> c(n);
    std::vector<Orv32sc> w(n);
    auto wide = randomVector<Orv32sc>(n, 902);
    for (int k = 0; k < n; ++k) {
        c[k] = {re[k], im[k]};
        w[k] = k < 3 ? Orv32sc{re[k], im[k]} : wide[k];
    }
    Unaligned<Orv16s> ur(n), ui(n), d1(n), d2(n);
    Unaligned<Orv16sc> uc(n);
    Unaligned<Orv32sc> uw(n);
    Unaligned<Orv32s> d3(n);
    ur.assign(re);
    ui.assign(im);
    uc.assign(c);
    uw.assign(w);
    for (int sf : {-200, -129, -60, -33, -29, -28, -21, -20, -19, -14, -13, -8, -1, 0, 1, 2, 3, 31, 100}) {
        ASSERT_EQ(orvsPhase_16s_Sfs(ur.data(), ui.data(), d1.data(), n, sf), orvStsOk);
        ASSERT_EQ(orvsPhase_16sc_Sfs(uc.data(), d2.data(), n, sf), orvStsOk);
        ASSERT_EQ(orvsPhase_32sc_Sfs(uw.data(), d3.data(), n, sf), orvStsOk);
        for (int k = 0; k < n; ++k) {
            ASSERT_EQ(d1[k], d2[k]);
            const long double a16 = std::atan2((long double)im[k], (long double)re[k]);
            const long double a32 = std::atan2((long double)w[k].im, (long double)w[k].re);
            if (sf >= 2) {
                ASSERT_EQ(d1[k], 0) << sf;
                ASSERT_EQ(d3[k], 0) << sf;
            } else if (sf < -28) {
                // scalar route: double angle, single-precision product, half away from zero
                const float f = float(std::atan2(double(im[k]), double(re[k])));
                const float p = f * float(std::pow(2.0, -sf));
                const double expect = p != p ? 0.0 : std::max(-32768.0, std::min(32767.0, std::trunc(double(p) + std::copysign(0.5, p))));
                ASSERT_EQ(d1[k], (Orv16s)expect) << sf << " " << k;
            } else {
                expectScaledAngle(d1[k], a16, sf, -32768, 32767, "16s", k);
            }
            if (sf < 2 && sf < -20) {
                const float f = float(std::atan2(double(w[k].im), double(w[k].re)));
                const double p = double(f * float(std::pow(2.0, -sf)));
                const double expect = p != p ? 0.0 : std::max(-2147483648.0, std::min(2147483647.0, std::trunc(p + std::copysign(0.5, p))));
                ASSERT_EQ(d3[k], (Orv32s)expect) << sf << " " << k;
            } else if (sf < 2) {
                expectScaledAngle(d3[k], a32, sf, INT_MIN, INT_MAX, "32s", k);
            }
        }
    }
    // angle pi with scale factor 0 rounds to 3
    ASSERT_EQ(orvsPhase_16s_Sfs(ur.data(), ui.data(), d1.data(), 1, 0), orvStsOk);
    EXPECT_EQ(d1[0], 3);

    Orv16s cm[1] = {0}, cp[1] = {0};
    Orv16sc one[1] = {{-1, 0}};
    ASSERT_EQ(orvsCartToPolar_16sc_Sfs(one, cm, cp, 1, 0, -13), orvStsOk);
    EXPECT_EQ(cm[0], 1);
    EXPECT_EQ(cp[0], 25736);  // pi * 2^13 = 25735.93
}

// ---- polar to Cartesian ---------------------------------------------------

TEST(ComplexPolar, FloatFormsAgainstLongDouble)
{
    for (int n : {1, 7, 33, 1000}) {
        auto m32 = randomVector<Orv32f>(n, 1000 + n, 0, 100), p32 = randomVector<Orv32f>(n, 1100 + n, -7, 7);
        auto m64 = randomVector<Orv64f>(n, 1200 + n, 0, 100), p64 = randomVector<Orv64f>(n, 1300 + n, -7, 7);
        std::vector<Orv32f> re(n), im(n);
        std::vector<Orv32fc> c(n);
        std::vector<Orv64f> re64(n), im64(n);
        std::vector<Orv64fc> c64(n);
        ASSERT_EQ(orvsPolarToCart_32f(m32.data(), p32.data(), re.data(), im.data(), n), orvStsOk);
        ASSERT_EQ(orvsPolarToCart_32fc(m32.data(), p32.data(), c.data(), n), orvStsOk);
        ASSERT_EQ(orvsPolarToCart_64f(m64.data(), p64.data(), re64.data(), im64.data(), n), orvStsOk);
        ASSERT_EQ(orvsPolarToCart_64fc(m64.data(), p64.data(), c64.data(), n), orvStsOk);
        for (int k = 0; k < n; ++k) {
            const long double x = m32[k] * std::cos((long double)p32[k]), y = m32[k] * std::sin((long double)p32[k]);
            ASSERT_LE(ulpError<float>(re[k], x), 1.0) << k;
            ASSERT_LE(ulpError<float>(im[k], y), 1.0) << k;
            ASSERT_EQ(c[k].re, re[k]);
            ASSERT_EQ(c[k].im, im[k]);
            const long double x64 = m64[k] * std::cos((long double)p64[k]), y64 = m64[k] * std::sin((long double)p64[k]);
            // absolute error against the magnitude: cos/sin near zero lose relative accuracy
            ASSERT_LE(std::fabs(re64[k] - x64), 4e-16L * m64[k]) << k;
            ASSERT_LE(std::fabs(im64[k] - y64), 4e-16L * m64[k]) << k;
            ASSERT_EQ(c64[k].re, re64[k]);
            ASSERT_EQ(c64[k].im, im64[k]);
        }
    }
}

TEST(ComplexPolar, FixedPointForms)
{
    const int n = 515;
    auto m = randomVector<Orv16s>(n, 1400), p = randomVector<Orv16s>(n, 1401);
    auto m32 = randomVector<Orv32s>(n, 1402), p32 = randomVector<Orv32s>(n, 1403);
    std::vector<Orv16sc> d(n);
    std::vector<Orv32sc> d32(n);
    auto near = [](long double got, long double exact, long double lo, long double hi) {
        const long double c = std::min(std::max(exact, lo), hi);
        return std::fabs(got - c) <= 0.5L + 1e-9L * std::fabs(c);
    };
    for (int fp : {0, 3, 12, 15}) {
        ASSERT_EQ(orvsPolarToCart_16sc(m.data(), p.data(), d.data(), n, fp), orvStsOk);
        for (int k = 0; k < n; ++k) {
            const long double ph = std::ldexp((long double)p[k], -fp);
            ASSERT_TRUE(near(d[k].re, m[k] * std::cos(ph), -32768, 32767)) << fp << " " << k;
            ASSERT_TRUE(near(d[k].im, m[k] * std::sin(ph), -32768, 32767)) << fp << " " << k;
        }
    }
    for (int fp : {0, 20, 29, 31}) {
        ASSERT_EQ(orvsPolarToCart_32sc(m32.data(), p32.data(), d32.data(), n, fp), orvStsOk);
        for (int k = 0; k < n; ++k) {
            const long double ph = std::ldexp((long double)p32[k], -fp);
            ASSERT_TRUE(near(d32[k].re, m32[k] * std::cos(ph), INT_MIN, INT_MAX)) << fp << " " << k;
            ASSERT_TRUE(near(d32[k].im, m32[k] * std::sin(ph), INT_MIN, INT_MAX)) << fp << " " << k;
        }
    }
    for (auto [ms, ps] : {std::pair{0, 13}, {-2, 12}, {3, 0}, {-40, 40}, {40, -40}}) {
        ASSERT_EQ(orvsPolarToCart_16sc_Sfs(m.data(), p.data(), d.data(), n, ms, ps), orvStsOk);
        const int cm = std::clamp(ms, -31, 31), cp = std::clamp(ps, -31, 31);
        for (int k = 0; k < n; ++k) {
            const long double mag = std::ldexp((long double)m[k], -cm), ph = std::ldexp((long double)p[k], -cp);
            ASSERT_TRUE(near(d[k].re, mag * std::cos(ph), -32768, 32767)) << ms << " " << ps << " " << k;
            ASSERT_TRUE(near(d[k].im, mag * std::sin(ph), -32768, 32767)) << ms << " " << ps << " " << k;
        }
    }
}

// ---- threads ------------------------------------------------------------

// Every magnitude entry gives the same bits with 1, 2 and 4 configured
// threads, below and above its split threshold.
TEST(ComplexMagnitudeThreads, SameResultForEveryThreadCount)
{
    for (int n : {255, 256, 2047, 2048, 4095, 4097}) {
        auto c32 = randomVector<Orv32fc>(n, 1500 + n);
        auto c64 = randomVector<Orv64fc>(n, 1600 + n);
        auto c16 = randomVector<Orv16sc>(n, 1700 + n);
        auto w32 = randomVector<Orv32sc>(n, 1800 + n);
        auto re = randomVector<Orv32f>(n, 1900 + n), im = randomVector<Orv32f>(n, 2000 + n);
        auto re16 = randomVector<Orv16s>(n, 2100 + n), im16 = randomVector<Orv16s>(n, 2200 + n);
        auto re64 = randomVector<Orv64f>(n, 2300 + n), im64 = randomVector<Orv64f>(n, 2400 + n);
        auto runAll = [&]() {
            std::vector<std::vector<unsigned char>> out;
            auto keep = [&](const void* p, std::size_t bytes) {
                const auto* b = static_cast<const unsigned char*>(p);
                out.emplace_back(b, b + bytes);
            };
            std::vector<Orv32f> f(n);
            std::vector<Orv64f> g(n);
            std::vector<Orv16s> h(n);
            std::vector<Orv32s> w(n);
            EXPECT_EQ(orvsMagnitude_32fc(c32.data(), f.data(), n), orvStsOk); keep(f.data(), n * 4);
            EXPECT_EQ(orvsMagnitude_32f(re.data(), im.data(), f.data(), n), orvStsOk); keep(f.data(), n * 4);
            EXPECT_EQ(orvsMagnitude_64fc(c64.data(), g.data(), n), orvStsOk); keep(g.data(), n * 8);
            EXPECT_EQ(orvsMagnitude_64f(re64.data(), im64.data(), g.data(), n), orvStsOk); keep(g.data(), n * 8);
            EXPECT_EQ(orvsMagnitude_16sc32f(c16.data(), f.data(), n), orvStsOk); keep(f.data(), n * 4);
            EXPECT_EQ(orvsMagnitude_16s32f(re16.data(), im16.data(), f.data(), n), orvStsOk); keep(f.data(), n * 4);
            EXPECT_EQ(orvsMagnitude_16sc_Sfs(c16.data(), h.data(), n, 1), orvStsOk); keep(h.data(), n * 2);
            EXPECT_EQ(orvsMagnitude_16s_Sfs(re16.data(), im16.data(), h.data(), n, -1), orvStsOk); keep(h.data(), n * 2);
            EXPECT_EQ(orvsMagnitude_32sc_Sfs(w32.data(), w.data(), n, 2), orvStsOk); keep(w.data(), n * 4);
            return out;
        };
        std::vector<std::vector<std::vector<unsigned char>>> results;
        for (int t : {1, 2, 4}) {
            ThreadCount tc(t);
            results.push_back(runAll());
        }
        EXPECT_EQ(results[0], results[1]) << n;
        EXPECT_EQ(results[0], results[2]) << n;
    }
}

// ---- the lower kernel variants --------------------------------------------

TEST(ComplexBaseline, AvxKernelsPassTheSameTests) { ORVS_RERUN_UNDER_VARIANT("avx", "Complex*:-ComplexBaseline.*"); }
TEST(ComplexBaseline, Avx2KernelsPassTheSameTests) { ORVS_RERUN_UNDER_VARIANT("avx2", "Complex*:-ComplexBaseline.*"); }

} // namespace
