// Floating elementary members: random inputs over every binade plus the
// special values against long-double references (within one unit in the
// last place of the correctly rounded result), tails and offsets, square
// roots with their warning and threads, sums of logarithms and squares.
#include <complex>

#include "elementary_model.h"

using namespace elementary_test;

namespace {

template <class F> using Map = OrvStatus (*)(const F*, F*, int);

// Every bit pattern equally likely (so every binade and sign), a quarter of
// them squeezed into [lo, hi] where the function is not saturated.
template <class F>
std::vector<F> randomInputs(size_t n, std::uint64_t seed, double lo, double hi)
{
    std::mt19937_64 rng(seed);
    std::uniform_real_distribution<double> in(lo, hi);
    std::vector<F> v(n);
    for (auto& x : v) {
        const std::uint64_t bits = rng();
        rng() % 4 == 0 ? void(x = static_cast<F>(in(rng))) : void(std::memcpy(&x, &bits, sizeof(F)));
    }
    return v;
}

template <class F>
std::vector<F> specials()
{
    using L = std::numeric_limits<F>;
    return {F(0), -F(0), F(1), F(-1), L::infinity(), -L::infinity(), L::quiet_NaN(), -L::quiet_NaN(), L::denorm_min(),
            -L::denorm_min(), L::min(), L::max(), -L::max(), F(88.72283935546875), F(88.7228394), F(-87.33655),
            F(-103.972084), F(-104), F(709.782712893384), F(-745.1332191019412), F(1e-30), F(0.4375), F(2.4375), F(27)};
}

const struct Member {
    const char* name;
    Map<float> f32;
    Map<double> f64;
    long double (*ref)(long double);
    double lo, hi;
} kMembers[] = {
    {"Exp", orvsExp_32f, orvsExp_64f, [](long double x) { return std::exp(x); }, -110, 90},
    {"Ln", orvsLn_32f, orvsLn_64f, [](long double x) { return std::log(x); }, 0, 4},
    {"Arctan", orvsArctan_32f, orvsArctan_64f, [](long double x) { return std::atan(x); }, -3, 3},
    {"Cubrt", orvsCubrt_32f, nullptr, [](long double x) { return std::cbrt(x); }, -10, 10},
};

// got within one unit of the correctly rounded reference (NaN and
// infinities exactly).
template <class F>
void expectNear(const char* name, const std::vector<F>& x, const std::vector<F>& got, long double (*ref)(long double))
{
    for (size_t i = 0; i < x.size(); ++i) {
        const F want = static_cast<F>(ref(x[i]));
        const double limit = std::isfinite(want) ? 1 : 0;
        ASSERT_LE(ulpDistance(got[i], want), limit) << name << "(" << std::hexfloat << x[i] << ") gave " << got[i] << ", want " << want;
    }
}

TEST(ElementaryFloat, SinglePrecisionWithinOneUlp)
{
    const size_t total = quick() ? 1000000 : 10000000, chunk = 1 << 20;
    for (const auto& m : kMembers)
        for (size_t done = 0, k = 0; done < total; done += chunk, ++k) {
            auto x = randomInputs<float>(std::min(chunk, total - done), 100 * k + m.lo, m.lo, m.hi);
            if (const auto sp = specials<float>(); k == 0) x.insert(x.begin(), sp.begin(), sp.end());
            std::vector<float> y(x.size());
            m.f32(x.data(), y.data(), int(x.size()));
            expectNear(m.name, x, y, m.ref);
            if (HasFatalFailure()) return;
        }
}

TEST(ElementaryFloat, DoublePrecisionWithinOneUlp)
{
    const size_t n = quick() ? 200000 : 2000000;
    for (const auto& m : kMembers) {
        if (!m.f64) continue;
        auto x = specials<double>(), r = randomInputs<double>(n, 7 + m.lo, m.lo * 8, m.hi * 8);
        x.insert(x.end(), r.begin(), r.end());
        std::vector<double> y(x.size());
        m.f64(x.data(), y.data(), int(x.size()));
        expectNear(m.name, x, y, m.ref);
    }
    // Mixed precisions: single in, double out and back.
    auto xf = randomInputs<float>(n, 3, -110, 90);
    std::vector<double> yd(n), xd(xf.begin(), xf.end());
    ASSERT_EQ(orvsExp_32f64f(xf.data(), yd.data(), int(n)), orvStsOk);
    expectNear("Exp_32f64f", xd, yd, kMembers[0].ref);
    for (auto& v : xd) v = std::fabs(v) * 1e-3;
    std::vector<float> yf(n), wide(n);
    ASSERT_EQ(orvsLn_64f32f(xd.data(), yf.data(), int(n)), orvStsOk);
    for (size_t i = 0; i < n; ++i) ASSERT_LE(ulpDistance(yf[i], float(std::log((long double)xd[i]))), 1) << xd[i];
}

// Every length to 70 at element offsets 0..2: each output as the element
// alone gives it, nothing written outside.
TEST(ElementaryFloat, TailsAndOffsets)
{
    const auto x = randomInputs<float>(70, 5, -5, 5);
    std::vector<float> single(70);
    for (Map<float> f : {orvsExp_32f, orvsLn_32f, orvsArctan_32f, orvsCubrt_32f, orvsSqrt_32f}) {
        for (int i = 0; i < 70; ++i) f(&x[i], &single[i], 1);
        lengthOffsetSweep(70, 3, [&](int n, int off) {
            Guarded<float> src(n, off), dst(n, (off + 1) % 3);
            src.assign(x.data(), n);
            EXPECT_GE(f(src.data(), dst.data(), n), 0);
            EXPECT_TRUE(dst.guardsIntact() && sameBits(dst.data(), single.data(), n)) << n << " " << off;
        });
    }
}

// Every floating in-place form gives the bits and status of its out-of-place form.
template <class T>
void samePlace(OrvStatus (*f)(const T*, T*, int), OrvStatus (*fi)(T*, int), const char* name)
{
    const auto x = randomVector<T>(301, 17, -50, 50);
    std::vector<T> a(301), b(x);
    EXPECT_EQ(f(x.data(), a.data(), 301), fi(b.data(), 301)) << name;
    EXPECT_TRUE(sameBits(a.data(), b.data(), 301)) << name;
}
TEST(ElementaryFloat, InPlaceFormsMatch)
{
#define ORVS_SAME(f) samePlace(orvs##f, orvs##f##_I, #f);
    ORVS_SAME(Sqr_32f) ORVS_SAME(Sqr_64f) ORVS_SAME(Sqr_32fc) ORVS_SAME(Sqr_64fc) ORVS_SAME(Sqrt_32f) ORVS_SAME(Sqrt_64f)
    ORVS_SAME(Sqrt_32fc) ORVS_SAME(Sqrt_64fc) ORVS_SAME(Exp_32f) ORVS_SAME(Exp_64f) ORVS_SAME(Ln_32f) ORVS_SAME(Ln_64f)
#undef ORVS_SAME
}

// Square roots: IEEE bits, the warning for a set sign bit except on -0, and
// the same result for 1, 2 and 4 threads with the negative in the last chunk.
TEST(ElementaryFloat, SquareRoots)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (auto [x, st] : {std::pair{-0.0f, 0}, {-1.0f, 3}, {-nan, 3}, {nan, 0}, {4.0f, 0}}) {
        float y;
        double yd, xd = x;
        EXPECT_EQ(orvsSqrt_32f(&x, &y, 1) * 10 + orvsSqrt_64f(&xd, &yd, 1), st * 11) << x;
        EXPECT_TRUE(sameBits(y, std::sqrt(x)) && (sameBits(yd, std::sqrt(xd)) || std::isnan(x)));
    }
    for (int n : {511, 512, 2047, 2048, 4095, 4096, 4097, 100003}) {
        auto xf = randomInputs<float>(n, n, 0, 1e6);
        std::vector<Orv16s> xs(n), ys(n), want(n);
        for (int i = 0; i < n; ++i)
            xf[i] = std::fabs(xf[i]), xs[i] = Orv16s(i * 7 % 32768), want[i] = rootModel<Orv16s>(xs[i], -3, 2, false);
        xf[n - 1] = -2, xs[n - 1] = -9, want[n - 1] = 0;
        const std::vector<double> xd(xf.begin(), xf.end());
        for (int t : {1, 2, 4}) {
            ThreadCount tc(t);
            std::vector<float> yf(n);
            std::vector<double> yd(n);
            ASSERT_EQ(orvsSqrt_32f(xf.data(), yf.data(), n) + orvsSqrt_64f(xd.data(), yd.data(), n), 6);
            ASSERT_EQ(orvsSqrt_16s_Sfs(xs.data(), ys.data(), n, -3), orvStsWarnSqrtNegArg);
            ASSERT_EQ(ys, want) << n << " threads " << t;
            for (int i = 0; i < n - 1; ++i) ASSERT_TRUE(sameBits(yf[i], std::sqrt(xf[i])) && sameBits(yd[i], std::sqrt(xd[i]))) << i;
        }
    }
    const auto z = randomVector<Orv32fc>(3001, 4);
    std::vector<Orv32fc> r(z.size());
    std::vector<Orv64fc> zd(z.size()), rd(z.size());
    for (size_t i = 0; i < z.size(); ++i) zd[i] = {z[i].re, z[i].im};
    ASSERT_EQ(orvsSqrt_32fc(z.data(), r.data(), int(z.size())) | orvsSqrt_64fc(zd.data(), rd.data(), int(z.size())), orvStsOk);
    for (size_t i = 0; i < z.size(); ++i) {  // the principal root
        const auto w = std::sqrt(std::complex<long double>(z[i].re, z[i].im));
        EXPECT_LE(ulpDistance(r[i].re, float(w.real())) + ulpDistance(r[i].im, float(w.imag())), 2) << i;
        EXPECT_LE(std::abs(std::complex<long double>(rd[i].re, rd[i].im) - w), 4e-16L * std::abs(w)) << i;
    }
}

// Logarithm warnings: floating members by the first block of 256 with a zero
// or negative element, integer members by the first such element.
TEST(ElementaryFloat, LogarithmWarnings)
{
    const struct { int zeroAt, negAt, st, st16; } cases[] = {{-1, -1, 0, 0}, {3, 300, 7, 7}, {300, 3, 8, 8}, {600, -1, 7, 7}, {-1, 255, 8, 8}, {40, 5, 7, 8}};
    for (auto c : cases) {
        std::vector<float> x(700, 2.0f), y(700);
        if (c.zeroAt >= 0) x[c.zeroAt] = 0;
        if (c.negAt >= 0) x[c.negAt] = -1;
        std::vector<double> xd(x.begin(), x.end()), yd(700);
        std::vector<Orv16s> xs(x.begin(), x.end()), ys(700);
        float s32;
        double s64;
        const OrvStatus got[] = {orvsLn_32f(x.data(), y.data(), 700), orvsLn_64f(xd.data(), yd.data(), 700),
                                 orvsLn_64f32f(xd.data(), y.data(), 700), orvsSumLn_32f(x.data(), 700, &s32),
                                 orvsSumLn_64f(xd.data(), 700, &s64), orvsLn_16s_Sfs(xs.data(), ys.data(), 700, -3)};
        for (int k = 0; k < 6; ++k) EXPECT_EQ(got[k], k < 3 ? c.st : c.st16) << c.zeroAt << " " << c.negAt << " member " << k;
    }
}

TEST(ElementaryFloat, SumsOfLogarithms)
{
    for (int n : {1, 7, 255, 256, 257, 10001}) {
        std::vector<float> xf(n);
        std::vector<Orv16s> xs(n);
        long double want = 0, want16 = 0;
        for (int i = 0; i < n; ++i) {
            xf[i] = std::ldexp(1.0f + float(i % 97) / 97, i % 61 - 30), xs[i] = static_cast<Orv16s>(1 + i % 32767);
            want += std::log((long double)xf[i]), want16 += std::log((long double)xs[i]);
        }
        const std::vector<double> xd(xf.begin(), xf.end());
        float s32, s16;
        double s3264, s64;
        ASSERT_EQ(orvsSumLn_32f(xf.data(), n, &s32) | orvsSumLn_32f64f(xf.data(), n, &s3264) |
                      orvsSumLn_64f(xd.data(), n, &s64) | orvsSumLn_16s32f(xs.data(), n, &s16), orvStsOk);
        EXPECT_LE(ulpDistance(s32, float(want)) + ulpDistance(s16, float(want16)), 2) << n;
        EXPECT_LE(std::fabs(s3264 - want) + std::fabs(s64 - want), 1e-13L * n) << n;  // double terms, summed
    }
}

// Floating squares: the product of each element with itself.
TEST(ElementaryFloat, Squares)
{
    const auto x = randomVector<float>(1001, 6);
    const auto z = randomVector<Orv64fc>(1001, 7);
    std::vector<float> y(1001);
    std::vector<Orv64fc> w(1001);
    ASSERT_EQ(orvsSqr_32f(x.data(), y.data(), 1001) | orvsSqr_64fc(z.data(), w.data(), 1001), orvStsOk);
    for (int i = 0; i < 1001; ++i)
        ASSERT_TRUE(sameBits(y[i], x[i] * x[i]) && sameBits(w[i].re, z[i].re * z[i].re - z[i].im * z[i].im) &&
                    sameBits(w[i].im, 2 * (z[i].re * z[i].im))) << i;
}

constexpr const char* kKernelSuites = "ElementaryFloat.*";
TEST(ElementaryVariants, BaselineAgrees) { ORVS_RERUN_UNDER_VARIANT("avx", kKernelSuites); }
TEST(ElementaryVariants, Avx2Agrees) { ORVS_RERUN_UNDER_VARIANT("avx2", kKernelSuites); }

} // namespace
