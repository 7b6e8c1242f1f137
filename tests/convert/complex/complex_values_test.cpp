// Magnitude, power, phase and polar forms against long-double references
// (floats) and integer models of the scale rule (integers).
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <limits>
#include <tuple>

#include "test_util.h"

using namespace orvs_test;

namespace {

// Distance of `got` from the exact `ref` in units of the last place of T at ref.
template <class T>
double ulpError(T got, long double ref)
{
    if (std::isnan(ref)) return std::isnan(got) ? 0.0 : 1e9;
    if (std::isinf(ref)) return got == ref ? 0.0 : 1e9;
    T a = std::fabs(static_cast<T>(ref));
    if (a < std::numeric_limits<T>::min()) a = std::numeric_limits<T>::min();
    const long double ulp = static_cast<long double>(std::nextafter(a, std::numeric_limits<T>::infinity()) - a);
    return static_cast<double>(std::fabs(static_cast<long double>(got) - ref) / ulp);
}

// Parts near the overflow and underflow limits of the sum of squares, deep
// subnormals, infinities, NaN and zeros scattered anywhere in a vector; for
// 16-bit parts, the one sum of squares that needs 32 unsigned bits.
template <class T>
std::vector<T> screenParts(int n, std::uint32_t seed)
{
    auto v = randomVector<T>(n, seed);
    if constexpr (std::is_integral_v<T>) {
        v[n / 2] = -32768;
    } else {
        const int e = sizeof(T) == 4 ? 63 : 511;
        const T edge[] = {std::ldexp(T(1), e), std::ldexp(T(1.5), e - 1), std::ldexp(T(1), -e), std::ldexp(T(1.75), -e - 1),
                          std::ldexp(T(1), sizeof(T) == 4 ? 100 : 1000), std::ldexp(T(1), sizeof(T) == 4 ? -140 : -1070),
                          T(0), std::numeric_limits<T>::infinity(), std::numeric_limits<T>::quiet_NaN(), T(3)};
        std::uint32_t r = seed;
        for (int k = 0; k < n; ++k) {
            r = r * 1664525u + 1013904223u;
            if ((r >> 28) < 4) v[k] = edge[(r >> 8) % 10] * ((r >> 4) & 1 ? T(-1) : T(1));
        }
    }
    return v;
}

// The entries by source part, with the ulps their magnitudes may be off.
template <class T> struct FloatApi;
#define ORVS_FLOAT_API(T, t, Cx, Out, res, ulps, ...)                                                                       \
    template <> struct FloatApi<T> {                                                                                        \
        using C = Cx;                                                                                                       \
        using O = Out;                                                                                                      \
        static constexpr double magUlps = ulps;                                                                             \
        static constexpr auto mag = orvsMagnitude_##t##res, pow = orvsPowerSpectr_##t##res, phase = orvsPhase_##t##res;     \
        static constexpr auto magC = orvsMagnitude_##t##c##res, powC = orvsPowerSpectr_##t##c##res, phaseC = orvsPhase_##t##c##res; \
        __VA_ARGS__                                                                                                         \
    };
ORVS_FLOAT_API(float, 32f, Orv32fc, float, , 1.5, static constexpr auto polar = orvsCartToPolar_32fc;)
ORVS_FLOAT_API(double, 64f, Orv64fc, double, , 1.5, static constexpr auto polar = orvsCartToPolar_64fc;)
ORVS_FLOAT_API(Orv16s, 16s, Orv16sc, float, 32f, 0.5001)
#undef ORVS_FLOAT_API

template <class T> class ComplexFloat : public ::testing::Test {};
using FloatTypes = ::testing::Types<float, double, Orv16s>;
TYPED_TEST_SUITE(ComplexFloat, FloatTypes);

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

// The exact angle times 2^-sf; one off is accepted only within a few float
// ulps of a rounding boundary (the library rounds a single-precision angle).
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

// Each element also alone (the tail path): no lane depends on its neighbours.
TYPED_TEST(ComplexFloat, EveryLengthAgainstLongDoubleAndAlone)
{
    using T = TypeParam;
    using A = FloatApi<T>;
    using C = typename A::C;
    using O = typename A::O;
    constexpr bool ints = std::is_integral_v<T>;
    lengthOffsetSweep(70, 2, [](int n, int o) {
        const int offset = 2 * o + 1;
        const auto re = screenParts<T>(n, 9000 + n), im = screenParts<T>(n, 9100 + n);
        Guarded<T> ur(n, offset), ui(n, offset);
        Guarded<O> m1(n, offset), m2(n, offset), p1(n, offset), p2(n, offset), a1(n, offset), a2(n, offset), pm(n, offset), pp(n, offset);
        Guarded<C> uc(n, offset);
        ur.assign(re), ui.assign(im);
        for (int k = 0; k < n; ++k) uc[k] = {re[k], im[k]};
        ASSERT_EQ(A::mag(ur.data(), ui.data(), m1.data(), n) | A::magC(uc.data(), m2.data(), n) | A::pow(ur.data(), ui.data(), p1.data(), n) |
                      A::powC(uc.data(), p2.data(), n) | A::phase(ur.data(), ui.data(), a1.data(), n) | A::phaseC(uc.data(), a2.data(), n),
                  orvStsOk);
        if constexpr (!ints) ASSERT_EQ(A::polar(uc.data(), pm.data(), pp.data(), n), orvStsOk);
        for (auto* g : {&m1, &m2, &p1, &p2, &a1, &a2, &pm, &pp}) ASSERT_TRUE(g->guardsIntact()) << n;
        for (int k = 0; k < n; ++k) {
            const T x = re[k], y = im[k];
            const long double angle = std::atan2((long double)y, (long double)x);
            // a NaN part gives NaN, even beside an infinite one (the root of the sum of squares)
            const long double h = x != x || y != y ? NAN : std::hypot((long double)x, (long double)y);
            ASSERT_TRUE(ulpError<O>(m1[k], h) <= A::magUlps && ulpError<O>(a1[k], angle) <= 2.0) << n << " (" << x << ", " << y << ")";
            if (angle == 0) ASSERT_EQ(std::signbit(a1[k]), std::signbit(y));  // the sign of a zero angle
            // floats: each square and the sum rounded in T; integers: the exact sum rounded once
            const O pw = ints ? O((long double)x * x + (long double)y * y) : O(x * x + y * y);
            ASSERT_TRUE(sameBits(p1[k], pw) || (std::isnan(pw) && std::isnan(p1[k]))) << n << " " << k;
            O one[4];
            const C c1 = {x, y};
            ASSERT_EQ(A::mag(&x, &y, &one[0], 1) | A::magC(&c1, &one[1], 1) | A::phase(&x, &y, &one[2], 1) | A::phaseC(&c1, &one[3], 1), orvStsOk);
            ASSERT_TRUE(sameBits(m1[k], one[0]) && sameBits(m2[k], one[1]) && sameBits(m1[k], m2[k])) << n << " " << k;
            ASSERT_TRUE(sameBits(a1[k], one[2]) && sameBits(a2[k], one[3]) && sameBits(a1[k], a2[k])) << n << " " << k;
            ASSERT_TRUE(sameBits(p1[k], p2[k]) && (ints || (sameBits(pm[k], m2[k]) && sameBits(pp[k], a2[k])))) << n << " " << k;
        }
    });
}

// A dense sweep of angles around the range boundaries of the arctangent.
TEST(ComplexFloatPhase, SweepAroundTheCircle)
{
    const int n = quick() ? 20000 : 200000;
    std::vector<float> re(n), im(n), d(n);
    std::vector<double> re64(n), im64(n), d64(n);
    for (int k = 0; k < n; ++k) {
        const double t = -3.2 + 6.4 * k / n, r = std::ldexp(1.0, (k % 41) - 20);
        re[k] = float(re64[k] = r * std::cos(t));
        im[k] = float(im64[k] = r * std::sin(t));
    }
    ASSERT_EQ(orvsPhase_32f(re.data(), im.data(), d.data(), n) | orvsPhase_64f(re64.data(), im64.data(), d64.data(), n), orvStsOk);
    for (int k = 0; k < n; ++k)
        ASSERT_TRUE(ulpError<float>(d[k], std::atan2((long double)im[k], (long double)re[k])) <= 2.0 &&
                    ulpError<double>(d64[k], std::atan2((long double)im64[k], (long double)re64[k])) <= 2.0) << k;
}

// The same bits with 1, 2 and 4 threads, below and above each split threshold.
TEST(ComplexThreads, MagnitudesSameForEveryThreadCount)
{
    for (int n : {255, 256, 2047, 2048, 4095, 4097}) {
        // each vector serves as n complex values and as n real and n imaginary parts
        const auto f = randomVector<Orv32f>(2 * n, 1500 + n);
        const auto g = randomVector<Orv64f>(2 * n, 1600 + n);
        const auto h = randomVector<Orv16s>(2 * n, 1700 + n);
        const auto w = randomVector<Orv32sc>(n, 1800 + n);
        std::vector<std::vector<Orv64f>> results;  // room for every result type
        for (int t : {1, 2, 4}) {
            ThreadCount tc(t);
            auto& d = results.emplace_back(9 * n);
            auto* df = reinterpret_cast<Orv32f*>(d.data() + 5 * n);
            auto* dh = reinterpret_cast<Orv16s*>(d.data() + 7 * n);
            EXPECT_EQ(orvsMagnitude_32fc((const Orv32fc*)f.data(), df, n) | orvsMagnitude_32f(f.data(), f.data() + n, df + n, n) |
                          orvsMagnitude_16sc32f((const Orv16sc*)h.data(), df + 2 * n, n) | orvsMagnitude_16s32f(h.data(), h.data() + n, df + 3 * n, n) |
                          orvsMagnitude_64fc((const Orv64fc*)g.data(), d.data(), n) | orvsMagnitude_64f(g.data(), g.data() + n, d.data() + n, n) |
                          orvsMagnitude_16sc_Sfs((const Orv16sc*)h.data(), dh, n, 1) | orvsMagnitude_16s_Sfs(h.data(), h.data() + n, dh + n, n, -1) |
                          orvsMagnitude_32sc_Sfs(w.data(), (Orv32s*)(d.data() + 2 * n), n, 2),
                      orvStsOk);
        }
        EXPECT_TRUE(sameBits(results[0].data(), results[1].data(), 9 * n) && sameBits(results[0].data(), results[2].data(), 9 * n)) << n;
    }
}

// Small values give the larger scale factors something to round.
TEST(ComplexInt, ScaledMagnitudeAndPowerMatchIntegerModel)
{
    const int n = 1023, m = 257;
    auto c = randomVector<Orv16sc>(n, 700);
    auto w = randomVector<Orv32sc>(m, 800);
    for (int k = 0; k < n; k += 2) c[k] = {Orv16s(c[k].re % 64), Orv16s(c[k].im % 64)};
    for (int k = 0; k < m; k += 3) w[k] = {w[k].re >> 20, w[k].im >> 22};
    c[1] = {-32768, -32768}, c[3] = {-32768, 0}, c[5] = {32767, 32767}, c[7] = {3, 0}, c[9] = {0, 0};
    w[0] = {INT_MIN, INT_MIN}, w[1] = {INT_MIN, 0}, w[2] = {0, 0}, w[4] = {3, 4};
    Unaligned<Orv16s> ur(n), ui(n), d1(n), d2(n), d3(n), d4(n);
    Unaligned<Orv16sc> uc(n);
    Unaligned<Orv32sc> uw(m);
    Unaligned<Orv32s> w1(m), w2(m);
    uc.assign(c), uw.assign(w);
    for (int k = 0; k < n; ++k) ur[k] = c[k].re, ui[k] = c[k].im;
    for (int sf = -70; sf <= 70; sf += quick() ? 3 : 1) {
        ASSERT_EQ(orvsMagnitude_16s_Sfs(ur.data(), ui.data(), d1.data(), n, sf) | orvsMagnitude_16sc_Sfs(uc.data(), d2.data(), n, sf) |
                      orvsPowerSpectr_16s_Sfs(ur.data(), ui.data(), d3.data(), n, sf) | orvsPowerSpectr_16sc_Sfs(uc.data(), d4.data(), n, sf) |
                      orvsMagnitude_32sc_Sfs(uw.data(), w1.data(), m, sf) | orvsMagSquared_32sc32s_Sfs(uw.data(), w2.data(), m, sf),
                  orvStsOk);
        for (int k = 0; k < n; ++k)
            ASSERT_TRUE(d1[k] == modelRootScaled(sq(c[k].re, c[k].im), sf, 32767) && d3[k] == modelScaled(sq(c[k].re, c[k].im), sf, 32767) &&
                        d2[k] == d1[k] && d4[k] == d3[k]) << "sf " << sf << " k " << k;
        for (int k = 0; k < m; ++k)
            ASSERT_TRUE(w1[k] == modelRootScaled(sq(w[k].re, w[k].im), sf, INT_MAX) && w2[k] == modelScaled(sq(w[k].re, w[k].im), sf, INT_MAX)) << "sf " << sf << " k " << k;
    }
    // squares of float pairs, formed in double
    const auto f = randomVector<Orv32fc>(m, 801);
    std::vector<Orv64f> dd(m);
    ASSERT_EQ(orvsMagSquared_32fc64f(f.data(), dd.data(), m), orvStsOk);
    for (int k = 0; k < m; ++k)
        ASSERT_LE(ulpError<double>(dd[k], (long double)f[k].re * f[k].re + (long double)f[k].im * f[k].im), 0.5) << k;
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
    uc.assign(c), uw.assign(w);
    for (int k = 0; k < n; ++k) ur[k] = c[k].re, ui[k] = c[k].im;
    for (int sf : {-200, -129, -60, -33, -29, -28, -21, -20, -19, -14, -13, -8, -1, 0, 1, 2, 3, 31, 100}) {
        ASSERT_EQ(orvsPhase_16s_Sfs(ur.data(), ui.data(), d1.data(), n, sf) | orvsPhase_16sc_Sfs(uc.data(), d2.data(), n, sf) |
                      orvsPhase_32sc_Sfs(uw.data(), d3.data(), n, sf), orvStsOk);
        for (int k = 0; k < n; ++k) {
            ASSERT_EQ(d1[k], d2[k]);
            if (sf >= 2) ASSERT_TRUE(d1[k] == 0 && d3[k] == 0) << sf;
            else if (sf < -28) ASSERT_EQ(d1[k], scalarAngle(c[k], sf, -32768, 32767)) << sf << " " << k;
            else expectScaledAngle(d1[k], std::atan2((long double)c[k].im, (long double)c[k].re), sf, -32768, 32767, k);
            if (sf < -20) ASSERT_EQ(d3[k], scalarAngle(w[k], sf, INT_MIN, INT_MAX)) << sf << " " << k;
            else if (sf < 2) expectScaledAngle(d3[k], std::atan2((long double)w[k].im, (long double)w[k].re), sf, INT_MIN, INT_MAX, k);
        }
    }
    // Cartesian to polar is the magnitude and the phase at their own factors
    std::vector<Orv16s> cm(n), cp(n);
    for (auto [ms, ps] : {std::pair{0, -13}, {1, 0}, {INT_MIN, INT_MAX}, {INT_MAX, INT_MIN}}) {
        ASSERT_EQ(orvsCartToPolar_16sc_Sfs(uc.data(), cm.data(), cp.data(), n, ms, ps) | orvsMagnitude_16sc_Sfs(uc.data(), d1.data(), n, ms) |
                      orvsPhase_16sc_Sfs(uc.data(), d2.data(), n, ps), orvStsOk);
        ASSERT_TRUE(sameBits(cm.data(), d1.data(), n) && sameBits(cp.data(), d2.data(), n)) << ms << " " << ps;
    }
}

// Integer polar to Cartesian within half a unit, the phase with `fp` fraction bits.
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
    for (auto [ms, ps] : {std::pair{0, 13}, {-2, 12}, {3, 0}, {-40, 40}, {40, -40}, {INT_MIN, INT_MAX}, {INT_MAX, INT_MIN}, {INT_MIN, 3}}) {
        ASSERT_EQ(orvsPolarToCart_16sc_Sfs(m.data(), p.data(), d.data(), n, ms, ps), orvStsOk);
        for (int k = 0; k < n; ++k)
            ASSERT_TRUE(near(d[k], std::ldexp((long double)m[k], -std::clamp(ms, -31, 31)), std::ldexp((long double)p[k], -std::clamp(ps, -31, 31)), -32768, 32767))
                << ms << " " << ps << " " << k;
    }
    // the family's own checks: a phase precision beyond the type; the magnitude's length before the phase pointer
    EXPECT_TRUE(orvsPolarToCart_16sc(m.data(), p.data(), d.data(), n, 16) == orvStsErrSize && orvsPolarToCart_16sc(m.data(), p.data(), d.data(), n, -1) == orvStsErrSize);
    EXPECT_EQ(orvsPolarToCart_32sc(m32.data(), p32.data(), d32.data(), n, 32), orvStsErrSize);
    const Orv32fc c{};
    Orv32f f;
    EXPECT_EQ(orvsCartToPolar_32fc(&c, &f, nullptr, 0), orvStsErrSize);
}
