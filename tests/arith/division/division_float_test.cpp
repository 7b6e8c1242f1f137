// Floating-point division: every length up to a few 512-bit registers at
// several offsets, zero and awkward divisors in every lane position, the
// complex quotients and the constant forms.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

#include "division_reference.h"
#include "test_util.h"

using namespace orvs_test;
using namespace div_ref;

namespace {

// The AVX-512 variant divides exactly; the others use a reciprocal estimate
// within two units in the last place.
bool floatQuotientIsExact() { return machineHasAvx512() && std::getenv("ORVS_CPU") == nullptr; }

// The zero rule, else the quotient (single precision: the correctly rounded
// one, or within 2 units in the last place under the reciprocal estimate).
template <class F>
::testing::AssertionResult quotientOk(F got, F x, F d)
{
    if (d == 0) {
        if (sameValue(got, zeroDivisorOutput(x))) return ::testing::AssertionSuccess();
    } else if constexpr (sizeof(F) == 8) {
        if (sameValue(got, x / d)) return ::testing::AssertionSuccess();
    } else {
        const double exact = double(x) / double(d);
        const float want = static_cast<float>(exact);
        if (sameValue(got, want)) return ::testing::AssertionSuccess();
        if (!floatQuotientIsExact() && std::isfinite(want) && std::fabs(want) >= std::numeric_limits<float>::min() &&
            std::fabs(double(got) - exact) <= 2 * std::fabs(exact) * 0x1p-23)
            return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << x << " / " << d << " gave " << got;
}

template <class F>
std::vector<F> uniform(int n, std::mt19937& rng, double lo, double hi)
{
    std::uniform_real_distribution<double> u(lo, hi);
    std::vector<F> v(n);
    for (auto& x : v) x = static_cast<F>(u(rng));
    return v;
}

template <class F>
void divReal(const std::vector<F>& x, const std::vector<F>& d, int off)
{
    auto f = [](const F* d, const F* x, F* o, int n, int) {
        if constexpr (sizeof(F) == 4) return orvsDiv_32f(d, x, o, n);
        else return orvsDiv_64f(d, x, o, n);
    };
    auto g = [](const F* d, F* xo, int n, int) {
        if constexpr (sizeof(F) == 4) return orvsDiv_32f_I(d, xo, n);
        else return orvsDiv_64f_I(d, xo, n);
    };
    runDiv<F, F, F>("Div_f", f, g, x, d, 0, off, [&](int i, F got) { return quotientOk(got, x[i], d[i]); });
}

// Every length up to 70 at offsets 0..2, without and with one zero divisor.
template <class F>
void tailsAndOffsets()
{
    std::mt19937 rng(2024 + sizeof(F));
    for (int n = 1; n <= 70 && !::testing::Test::HasFatalFailure(); ++n) {
        for (int off = 0; off < 3; ++off) {
            auto x = uniform<F>(n, rng, -1e4, 1e4);
            auto d = uniform<F>(n, rng, 0.25, 1e3);
            for (int i = 0; i < n; ++i)
                if (rng() % 2) d[i] = -d[i];
            divReal(x, d, off);
            d[rng() % n] = (n % 2) ? F(0) : -F(0);
            divReal(x, d, off);
        }
    }
}

// 87 elements: blocks of registers, single registers and a tail in every
// variant. Each position in turn holds a zero of either sign or an awkward
// divisor (tiny, huge, infinite, NaN) under dividends of every kind.
template <class F>
void specialDivisorInEveryLane()
{
    constexpr int n = 87;
    std::mt19937 rng(77 + sizeof(F));
    auto x = uniform<F>(n, rng, -100, 100);
    auto d = uniform<F>(n, rng, 0.5, 50);
    const F inf = std::numeric_limits<F>::infinity(), nan = std::numeric_limits<F>::quiet_NaN();
    const F dividends[] = {F(3), F(-7.5), F(0), -F(0), nan, inf, F(1e-30)};
    for (F special : {F(0), -F(0), F(1e-39), F(-3e38), inf, -inf, nan, F(1e-30)}) {
        for (int p = 0; p < n && !::testing::Test::HasFatalFailure(); ++p) {
            auto xs = x, ds = d;
            xs[p] = dividends[p % 7];
            ds[p] = special;
            divReal(xs, ds, 1);
        }
    }
}

TEST(DivTails, Div32fEveryLengthUpTo70AtOffsets) { tailsAndOffsets<float>(); }
TEST(DivTails, Div64fEveryLengthUpTo70AtOffsets) { tailsAndOffsets<double>(); }
TEST(DivTails, Div32fSpecialDivisorInEveryLane) { specialDivisorInEveryLane<float>(); }
TEST(DivTails, Div64fSpecialDivisorInEveryLane) { specialDivisorInEveryLane<double>(); }

// DivCRev: a constant over the vector, the same boundaries.
TEST(DivTails, DivCRev32fEveryLengthUpTo70)
{
    std::mt19937 rng(99);
    for (int n = 1; n <= 70; ++n) {
        auto d = uniform<float>(n, rng, -50, 50);
        d[(n * 5) % n] = n % 2 ? 0.0f : -0.0f;
        for (float val : {2.5f, -0.0f, -1e30f}) {
            auto f = [val](const float* d, const float*, float* o, int n, int) { return orvsDivCRev_32f(d, val, o, n); };
            runDiv<float, float, float>("DivCRev_32f", f, nullptr, d, d, 0, 1, [&](int i, float got) { return quotientOk(got, val, d[i]); });
        }
    }
}

// Div_32fc: the double-precision formula rounded once, value for value, at
// every length up to 40, with a zero divisor (either sign of zero parts) and
// infinite / huge / tiny parts moved through every position.
Orv32fc complexModel(Orv32fc x, Orv32fc d)
{
    if (d.re == 0 && d.im == 0) return {zeroDivisorOutput(x.re), zeroDivisorOutput(x.im)};
    const double a = d.re, b = d.im, c = x.re, e = x.im;
    const double m = a * a + b * b;
    const double re = c * a + e * b, im = e * a - c * b;
    return {static_cast<float>(re / m), static_cast<float>(im / m)};
}

TEST(DivTails, Div32fcEveryLengthUpTo40AndLane)
{
    std::mt19937 rng(123);
    const float inf = std::numeric_limits<float>::infinity();
    const Orv32fc specials[] = {{0.0f, -0.0f}, {-0.0f, 0.0f}, {inf, 1.0f}, {3e38f, -3e38f}, {1e-45f, 0.0f}, {0.0f, 2.0f}};
    auto f = [](const Orv32fc* d, const Orv32fc* x, Orv32fc* o, int n, int) { return orvsDiv_32fc(d, x, o, n); };
    auto g = [](const Orv32fc* d, Orv32fc* xo, int n, int) { return orvsDiv_32fc_I(d, xo, n); };
    for (int n = 1; n <= 40 && !::testing::Test::HasFatalFailure(); ++n) {
        for (const Orv32fc& special : specials) {
            for (int p = 0; p < n; p += (n > 20 ? 3 : 1)) {
                std::vector<Orv32fc> x(n), d(n);
                const auto xr = uniform<float>(2 * n, rng, -1e3, 1e3), dr = uniform<float>(2 * n, rng, -10, 10);
                for (int i = 0; i < n; ++i) x[i] = {xr[2 * i], xr[2 * i + 1]}, d[i] = {dr[2 * i], dr[2 * i + 1]};
                d[p] = special;
                x[(p + 1) % n] = {0.0f, -5.0f};
                runDiv<Orv32fc, Orv32fc, Orv32fc>("Div_32fc", f, g, x, d, 0, 1, [&](int i, Orv32fc got) {
                    const Orv32fc w = complexModel(x[i], d[i]);
                    if (sameValue(got.re, w.re) && sameValue(got.im, w.im)) return ::testing::AssertionSuccess();
                    return ::testing::AssertionFailure() << got.re << "," << got.im << " want " << w.re << "," << w.im;
                });
            }
        }
    }
}

} // namespace

TEST(DivFloat, Div64fcMatchesTheExtendedPrecisionQuotient)
{
    std::uint32_t seed = 66;
    for (int len : oddLengths()) {
        auto x = randomVector<Orv64fc>(len, seed++, -100, 100);
        auto d = randomVector<Orv64fc>(len, seed++, -100, 100);
        d[len - 1] = {0.0, -0.0};
        x[0] = {0.0, -4.0};
        std::vector<Orv64fc> o(len);
        ASSERT_EQ(orvsDiv_64fc(d.data(), x.data(), o.data(), len), orvStsWarnDivByZero);
        for (int i = 0; i < len; ++i) {
            const long double dr = d[i].re, di = d[i].im, xr = x[i].re, xi = x[i].im, m = dr * dr + di * di;
            if (m == 0) {
                ASSERT_TRUE(sameValue(o[i].re, zeroDivisorOutput(x[i].re)));
                ASSERT_TRUE(sameValue(o[i].im, zeroDivisorOutput(x[i].im)));
                continue;
            }
            const long double tol = 1e-14L * std::sqrt((xr * xr + xi * xi) / m);
            ASSERT_LE(std::fabs(o[i].re - (xr * dr + xi * di) / m), tol);
            ASSERT_LE(std::fabs(o[i].im - (xi * dr - xr * di) / m), tol);
        }
        auto in = x;
        orvsDiv_64fc_I(d.data(), in.data(), len);
        ASSERT_TRUE(sameBits(in.data(), o.data(), len));
    }
}

TEST(DivFloat, ConstantDivisors)
{
    for (int len : oddLengths()) {
        const auto x = randomVector<float>(len, 700 + len, -1e3, 1e3);
        const auto xd = randomVector<double>(len, 800 + len, -1e3, 1e3);
        Unaligned<float> o(len);
        Unaligned<double> od(len);
        for (float val : {3.0f, -0.1f, 1e-3f}) {
            ASSERT_EQ(orvsDivC_32f(x.data(), val, o.data(), len), orvStsOk);
            const float r = 1.0f / val;
            for (int i = 0; i < len; ++i) ASSERT_EQ(o[i], x[i] * r);
            ASSERT_EQ(orvsDivC_64f(xd.data(), double(val), od.data(), len), orvStsOk);
            const double rd = 1.0 / double(val);
            for (int i = 0; i < len; ++i) ASSERT_EQ(od[i], xd[i] * rd);
        }
        // 1 copies (a -0 stays -0), +-infinity writes +0 everywhere.
        auto in = x;
        in[0] = -0.0f;
        in[len - 1] = std::numeric_limits<float>::quiet_NaN();
        ASSERT_EQ(orvsDivC_32f(in.data(), 1.0f, o.data(), len), orvStsOk);
        ASSERT_EQ(std::memcmp(in.data(), o.data(), len * sizeof(float)), 0);
        ASSERT_EQ(orvsDivC_32f_I(-std::numeric_limits<float>::infinity(), in.data(), len), orvStsOk);
        for (float v : in) ASSERT_TRUE(v == 0.0f && !std::signbit(v));
        auto ind = xd;
        ASSERT_EQ(orvsDivC_64f_I(4.0, ind.data(), len), orvStsOk);
        for (int i = 0; i < len; ++i) ASSERT_EQ(ind[i], xd[i] * 0.25);

        // Complex constants: multiplication by conj(val) / |val|^2.
        const auto c = randomVector<Orv32fc>(len, 900 + len, -50, 50);
        std::vector<Orv32fc> oc(len);
        const Orv32fc val{1.5f, -2.0f};
        ASSERT_EQ(orvsDivC_32fc(c.data(), val, oc.data(), len), orvStsOk);
        const float m = val.re * val.re + val.im * val.im, cr = val.re / m, ci = -val.im / m;
        for (int i = 0; i < len; ++i) {
            ASSERT_EQ(oc[i].re, c[i].re * cr - c[i].im * ci);
            ASSERT_EQ(oc[i].im, c[i].re * ci + c[i].im * cr);
        }
        auto cin = c;
        ASSERT_EQ(orvsDivC_32fc_I(val, cin.data(), len), orvStsOk);
        ASSERT_EQ(std::memcmp(cin.data(), oc.data(), len * sizeof(Orv32fc)), 0);
        std::vector<Orv64fc> cd(len), ocd(len);
        for (int i = 0; i < len; ++i) cd[i] = {c[i].re, c[i].im};
        const Orv64fc vd{0.0, 4.0};
        ASSERT_EQ(orvsDivC_64fc(cd.data(), vd, ocd.data(), len), orvStsOk);
        for (int i = 0; i < len; ++i) {
            ASSERT_EQ(ocd[i].re, cd[i].im * 0.25);
            ASSERT_EQ(ocd[i].im, cd[i].re * -0.25);
        }
        ASSERT_EQ(orvsDivC_64fc_I(vd, cd.data(), len), orvStsOk);
        ASSERT_EQ(std::memcmp(cd.data(), ocd.data(), len * sizeof(Orv64fc)), 0);
    }
}

