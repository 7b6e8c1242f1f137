// Floating-point division at register boundaries (every length up to a few
// 512-bit registers, unaligned, zero and awkward divisors in every lane
// position), and the division suites rerun under the narrower kernel
// variants: the AVX baseline always, the AVX2 kernels when the machine would
// otherwise run the AVX-512 ones.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <type_traits>
#include <vector>

#include "division_reference.h"
#include "orvs.h"
#include "test_util.h"

namespace {

using orvs_test::machineHasAvx512;

// The AVX-512 variant divides exactly; the others use a reciprocal estimate
// within two units in the last place.
bool floatQuotientIsExact() { return machineHasAvx512() && std::getenv("ORVS_CPU") == nullptr; }

using div_ref::sameValue;
using div_ref::zeroDivisorOutput;

// The expected element: the zero rule, else the quotient (single precision:
// the correctly rounded one, or within 2 units in the last place when the
// variant uses the reciprocal estimate).
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

// The vector `v` at element offset `off` inside guard bands.
template <class F>
orvs_test::Guarded<F> guarded(const std::vector<F>& v, int off)
{
    orvs_test::Guarded<F> g(v.size(), off);
    g.assign(v);
    return g;
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
OrvStatus divide(const F* d, const F* x, F* o, int n)
{
    if constexpr (sizeof(F) == 4) return orvsDiv_32f(d, x, o, n);
    else return orvsDiv_64f(d, x, o, n);
}

template <class F>
OrvStatus divideInPlace(const F* d, F* xo, int n)
{
    if constexpr (sizeof(F) == 4) return orvsDiv_32f_I(d, xo, n);
    else return orvsDiv_64f_I(d, xo, n);
}

// One call out of place and in place at element offset `off`: status,
// every element, and nothing written outside the vector.
template <class F>
void checkCall(const std::vector<F>& x, const std::vector<F>& d, int off)
{
    const int n = int(x.size());
    bool zero = false;
    for (F v : d) zero |= v == 0;
    const OrvStatus want = zero ? orvStsWarnDivByZero : orvStsOk;
    auto gx = guarded(x, off), gd = guarded(d, off), go = guarded(std::vector<F>(n, F(0)), off);
    ASSERT_EQ(divide(gd.data(), gx.data(), go.data(), n), want) << "len " << n;
    for (int i = 0; i < n; ++i) ASSERT_TRUE(quotientOk(go[i], x[i], d[i])) << "len " << n << " off " << off << " i " << i;
    ASSERT_TRUE(go.guardsIntact()) << "len " << n << " off " << off;
    ASSERT_EQ(divideInPlace(gd.data(), gx.data(), n), want);
    for (int i = 0; i < n; ++i) ASSERT_TRUE(sameValue(gx[i], go[i])) << "in place, len " << n << " i " << i;
    ASSERT_TRUE(gx.guardsIntact());
}

template <class F>
void tailsAndOffsets()
{
    std::mt19937 rng(2024 + sizeof(F));
    for (int n = 1; n <= 70; ++n) {
        for (int off = 0; off < 3; ++off) {
            auto x = uniform<F>(n, rng, -1e4, 1e4);
            auto d = uniform<F>(n, rng, 0.25, 1e3);
            for (int i = 0; i < n; ++i)
                if (rng() % 2) d[i] = -d[i];
            checkCall(x, d, off);
            if (::testing::Test::HasFatalFailure()) return;
            d[rng() % n] = (n % 2) ? F(0) : -F(0);  // one zero divisor somewhere
            checkCall(x, d, off);
            if (::testing::Test::HasFatalFailure()) return;
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
    const F specials[] = {F(0), -F(0), F(1e-39), F(-3e38), inf, -inf, nan, F(1e-30)};
    for (F special : specials) {
        for (int p = 0; p < n; ++p) {
            auto xs = x, ds = d;
            xs[p] = dividends[p % 7];
            ds[p] = special;
            checkCall(xs, ds, 1);
            if (::testing::Test::HasFatalFailure()) return;
        }
    }
}

// DivCRev: a constant over the vector, the same boundaries.
void constantOverVector()
{
    std::mt19937 rng(99);
    for (int n = 1; n <= 70; ++n) {
        auto d = uniform<float>(n, rng, -50, 50);
        d[(n * 5) % n] = n % 2 ? 0.0f : -0.0f;
        for (float val : {2.5f, -0.0f, -1e30f}) {
            auto gd = guarded(d, 1), go = guarded(std::vector<float>(n, 0.0f), 1);
            ASSERT_EQ(orvsDivCRev_32f(gd.data(), val, go.data(), n), orvStsWarnDivByZero);
            for (int i = 0; i < n; ++i) ASSERT_TRUE(quotientOk(go[i], val, d[i])) << "len " << n << " i " << i;
            ASSERT_TRUE(go.guardsIntact()) << n;
        }
    }
}

// Div_32fc: the double-precision formula rounded once, value for value, at
// every length up to 40, unaligned, with a zero divisor (either sign of
// zero parts) and infinite / huge / tiny parts moved through every position.
Orv32fc complexModel(Orv32fc x, Orv32fc d)
{
    if (d.re == 0 && d.im == 0) return {zeroDivisorOutput(x.re), zeroDivisorOutput(x.im)};
    const double a = d.re, b = d.im, c = x.re, e = x.im;
    const double m = a * a + b * b;
    const double re = c * a + e * b, im = e * a - c * b;
    return {static_cast<float>(re / m), static_cast<float>(im / m)};
}

void complexLengthsAndLanes()
{
    std::mt19937 rng(123);
    const float inf = std::numeric_limits<float>::infinity();
    const Orv32fc specials[] = {{0.0f, -0.0f}, {-0.0f, 0.0f}, {inf, 1.0f}, {3e38f, -3e38f}, {1e-45f, 0.0f}, {0.0f, 2.0f}};
    for (int n = 1; n <= 40; ++n) {
        for (const Orv32fc& special : specials) {
            for (int p = 0; p < n; p += (n > 20 ? 3 : 1)) {
                std::vector<Orv32fc> x(n), d(n);
                for (int i = 0; i < n; ++i) {
                    x[i] = {uniform<float>(1, rng, -1e3, 1e3)[0], uniform<float>(1, rng, -1e3, 1e3)[0]};
                    d[i] = {uniform<float>(1, rng, -10, 10)[0], uniform<float>(1, rng, -10, 10)[0]};
                }
                d[p] = special;
                x[(p + 1) % n] = {0.0f, -5.0f};
                std::vector<float> xs(2 * n), ds(2 * n);
                std::memcpy(xs.data(), x.data(), 2 * n * sizeof(float));
                std::memcpy(ds.data(), d.data(), 2 * n * sizeof(float));
                auto gx = guarded(xs, 1), gd = guarded(ds, 1), go = guarded(std::vector<float>(2 * n, 0.0f), 1);
                const auto* px = reinterpret_cast<const Orv32fc*>(gx.data());
                const auto* pd = reinterpret_cast<const Orv32fc*>(gd.data());
                auto* po = reinterpret_cast<Orv32fc*>(go.data());
                const bool zero = special.re == 0 && special.im == 0;
                ASSERT_EQ(orvsDiv_32fc(pd, px, po, n), zero ? orvStsWarnDivByZero : orvStsOk) << n;
                for (int i = 0; i < n; ++i) {
                    const Orv32fc want = complexModel(x[i], d[i]);
                    ASSERT_TRUE(sameValue(po[i].re, want.re) && sameValue(po[i].im, want.im))
                        << "len " << n << " i " << i << ": " << po[i].re << "," << po[i].im << " want " << want.re << ","
                        << want.im;
                }
                ASSERT_TRUE(go.guardsIntact()) << n;
                ASSERT_EQ(orvsDiv_32fc_I(pd, reinterpret_cast<Orv32fc*>(gx.data()), n), zero ? orvStsWarnDivByZero : orvStsOk);
                for (int i = 0; i < n; ++i) ASSERT_TRUE(sameValue(gx[2 * i], go[2 * i]) && sameValue(gx[2 * i + 1], go[2 * i + 1]));
                ASSERT_TRUE(gx.guardsIntact());
            }
        }
    }
}

TEST(DivTails, Div32fcEveryLengthUpTo40AndLane) { complexLengthsAndLanes(); }
TEST(DivTails, Div32fEveryLengthUpTo70AtOffsets) { tailsAndOffsets<float>(); }
TEST(DivTails, Div64fEveryLengthUpTo70AtOffsets) { tailsAndOffsets<double>(); }
TEST(DivTails, Div32fSpecialDivisorInEveryLane) { specialDivisorInEveryLane<float>(); }
TEST(DivTails, Div64fSpecialDivisorInEveryLane) { specialDivisorInEveryLane<double>(); }
TEST(DivTails, DivCRev32fEveryLengthUpTo70) { constantOverVector(); }

// ---- integer members at register boundaries ---------------------------------

// x / d * 2^-s rounded to nearest, ties to even, saturated to [lo, hi]; the
// zero-divisor rule for d == 0. Exact in 64-bit integers for s in 0..15.
std::int64_t nearestEven(std::int64_t x, std::int64_t d, int s, std::int64_t lo, std::int64_t hi)
{
    if (d == 0) return x > 0 ? hi : x < 0 ? lo : 0;
    std::int64_t num = x, den = d * (std::int64_t(1) << s);
    if (den < 0) { num = -num; den = -den; }
    std::int64_t q = num / den, r = num % den;
    if (r < 0) { q -= 1; r += den; }  // floor
    if (2 * r > den || (2 * r == den && (q & 1))) q += 1;
    return q < lo ? lo : q > hi ? hi : q;
}

template <class T, class Call>
void integerTails(Call call, int s, std::uint32_t seed)
{
    std::mt19937 rng(seed);
    const std::int64_t lo = std::numeric_limits<T>::min(), hi = std::numeric_limits<T>::max();
    for (int n = 1; n <= 70; ++n) {
        for (int zeroAt = -1; zeroAt < n; zeroAt += (n > 40 ? 7 : 1)) {
            std::vector<T> x(n), d(n);
            for (int i = 0; i < n; ++i) {
                x[i] = static_cast<T>(lo + std::int64_t(rng() % std::uint64_t(hi - lo + 1)));
                d[i] = static_cast<T>(1 + rng() % 50);
                if (lo < 0 && rng() % 2) d[i] = static_cast<T>(-d[i]);
            }
            if (zeroAt >= 0) d[zeroAt] = 0;
            auto gx = guarded(x, 1), gd = guarded(d, 1), go = guarded(std::vector<T>(n, T(0)), 1);
            ASSERT_EQ(call(gd.data(), gx.data(), go.data(), n, s), zeroAt >= 0 ? orvStsWarnDivByZero : orvStsOk) << n;
            for (int i = 0; i < n; ++i)
                ASSERT_EQ(std::int64_t(go[i]), nearestEven(x[i], d[i], s, lo, hi))
                    << "len " << n << " i " << i << " x " << +x[i] << " d " << +d[i] << " s " << s;
            ASSERT_TRUE(go.guardsIntact()) << n;
        }
    }
}

TEST(DivTails, IntegerMembersEveryLengthUpTo70AndZeroLane)
{
    for (int s : {0, 3}) {
        integerTails<Orv16s>([](auto* d, auto* x, auto* o, int n, int sf) { return orvsDiv_16s_Sfs(d, x, o, n, sf); }, s, 1 + s);
        integerTails<Orv8u>([](auto* d, auto* x, auto* o, int n, int sf) { return orvsDiv_8u_Sfs(d, x, o, n, sf); }, s, 2 + s);
        integerTails<Orv16u>([](auto* d, auto* x, auto* o, int n, int sf) { return orvsDiv_16u_Sfs(d, x, o, n, sf); }, s, 3 + s);
        integerTails<Orv32s>([](auto* d, auto* x, auto* o, int n, int sf) { return orvsDiv_32s_Sfs(d, x, o, n, sf); }, s, 4 + s);
    }
}

// ---- the narrower variants ---------------------------------------------------

// The exhaustive sweep samples its divisors under a forced variant.
constexpr const char* kDivisionSuites = "DivRule.*:DivFloat.*:DivThreads.*:DivTails.*:DivExhaustive.*";

TEST(DivVariants, BaselineVariantPassesTheDivisionSuites) { ORVS_RERUN_UNDER_VARIANT("avx", kDivisionSuites); }
TEST(DivVariants, Avx2VariantPassesTheDivisionSuites) { ORVS_RERUN_UNDER_VARIANT("avx2", kDivisionSuites); }

} // namespace
