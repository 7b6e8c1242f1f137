// Window edge cases with exact expectations: the three-point windows, the
// Kaiser limits and degenerate lengths, the 16-bit rounding rules, and the
// order of the argument checks (nothing written on error).
#include <gtest/gtest.h>

#include <cmath>

#include "../gen_model.h"
#include "test_util.h"

using namespace orvs_test;

namespace {

struct Refusal {
    const char* what;
    std::function<OrvStatus(const Orv32f*, Orv32f*, int)> run;
    int len;
    bool nullSrc, nullDst;
    OrvStatus expected;
};

} // namespace

TEST(WindowChecks, OrderAndNothingWritten)
{
    auto bl = [](const Orv32f* s, Orv32f* d, int n) { return orvsWinBlackman_32f(s, d, n, 0.1f); };
    auto opt = [](const Orv32f* s, Orv32f* d, int n) { return orvsWinBlackmanOpt_32f(s, d, n); };
    auto k32 = [](float a) { return [a](const Orv32f* s, Orv32f* d, int n) { return orvsWinKaiser_32f(s, d, n, a); }; };
    const std::vector<Refusal> table = {
        {"Hann null source", orvsWinHann_32f, 0, true, false, orvStsErrNullPtr},
        {"Hann null destination", orvsWinHann_32f, 2, false, true, orvStsErrNullPtr},
        {"Hann N=2", orvsWinHann_32f, 2, false, false, orvStsErrSize},
        {"Bartlett N=2", orvsWinBartlett_32f, 2, false, false, orvStsErrSize},
        {"Hamming N=-1", orvsWinHamming_32f, -1, false, false, orvStsErrSize},
        {"Blackman N=2", bl, 2, false, false, orvStsErrSize},
        {"BlackmanStd N=2", orvsWinBlackmanStd_32f, 2, false, false, orvStsErrSize},
        {"BlackmanOpt N=3", opt, 3, false, false, orvStsErrSize},
        {"BlackmanOpt length before pointers", opt, 3, true, true, orvStsErrSize},
        {"BlackmanOpt null after a good length", opt, 4, true, false, orvStsErrNullPtr},
        {"Kaiser N=0", k32(0.5f), 0, false, false, orvStsErrSize},
        {"Kaiser null before length", k32(0.5f), 0, false, true, orvStsErrNullPtr},
        {"Kaiser beta 38.5", k32(1.0f), 78, false, false, orvStsErrKaiserAlpha},
        {"Kaiser negative alpha, beta 38.5", k32(-1.0f), 78, false, false, orvStsErrKaiserAlpha},
        {"Kaiser length before alpha", k32(1000.0f), 0, false, false, orvStsErrSize},
    };
    for (const auto& r : table) {
        Guarded<Orv32f> src(100), dst(100);
        src.assign(randomVector<Orv32f>(100, 3));
        dst.fill();
        EXPECT_EQ(r.run(r.nullSrc ? nullptr : src.data(), r.nullDst ? nullptr : dst.data(), r.len), r.expected) << r.what;
        EXPECT_TRUE(dst.intact()) << r.what;
    }
}

TEST(WindowChecks, KaiserLimitByPrecision)
{
    std::vector<Orv64f> x(78, 1.0);
    std::vector<Orv32f> xf(78, 1.0f);
    std::vector<Orv16s> xs(78, 100);
    EXPECT_EQ(orvsWinKaiser_64f_I(x.data(), 78, 1.0), orvStsOk);
    EXPECT_EQ(orvsWinKaiser_32fc_I(reinterpret_cast<Orv32fc*>(xf.data()), 39, 2.0f), orvStsOk);  // beta 38
    EXPECT_EQ(orvsWinKaiser_32fc_I(reinterpret_cast<Orv32fc*>(xf.data()), 39, 2.1f), orvStsErrKaiserAlpha);
    EXPECT_EQ(orvsWinKaiser_16s_I(xs.data(), 78, 1.0f), orvStsOk);
    EXPECT_EQ(orvsWinKaiser_64f_I(x.data(), 78, 308.0 * 2 / 77 * 1.001), orvStsErrKaiserAlpha);
    EXPECT_EQ(orvsWinKaiserQ15_16s_I(xs.data(), 3, 308 * 32768 + 1), orvStsErrKaiserAlpha);
    EXPECT_EQ(orvsWinKaiserQ15_16s_I(xs.data(), 3, 308 * 32768), orvStsOk);
}

TEST(WindowChecks, ThreePointWindows)
{
    const Orv64f x[3] = {3.0, -5.0, 7.0};
    struct Row { const char* what; OrvStatus (*fn)(const Orv64f*, Orv64f*, int); double ends; } rows[] = {
        {"Bartlett", orvsWinBartlett_64f, 0.0}, {"Hann", orvsWinHann_64f, 0.0}, {"Hamming", orvsWinHamming_64f, 0.08},
        {"BlackmanStd", orvsWinBlackmanStd_64f, 0.0}};
    for (const auto& r : rows) {
        Orv64f d[3];
        ASSERT_EQ(r.fn(x, d, 3), orvStsOk) << r.what;
        EXPECT_NEAR(d[0], 3.0 * r.ends, 1e-15) << r.what;
        EXPECT_EQ(d[1], -5.0) << r.what;
        EXPECT_NEAR(d[2], 7.0 * r.ends, 1e-15) << r.what;
    }
}

TEST(WindowChecks, KaiserDegenerate)
{
    Orv64f one = 42.5;
    EXPECT_EQ(orvsWinKaiser_64f_I(&one, 1, 3.0), orvStsOk);
    EXPECT_EQ(one, 42.5);
    Orv64f two[2] = {2.0, -4.0};
    EXPECT_EQ(orvsWinKaiser_64f_I(two, 2, 3.0), orvStsOk);
    const double w = 1.0 / (double)gen_model::besselI0(1.5L);
    EXPECT_NEAR(two[0], 2.0 * w, 1e-6);
    EXPECT_NEAR(two[1], -4.0 * w, 1e-6);
    auto x = randomVector<Orv32f>(1001, 5);
    auto y = x;
    EXPECT_EQ(orvsWinKaiser_32f_I(y.data(), 1001, 0.0f), orvStsOk);
    EXPECT_TRUE(sameBits(x.data(), y.data(), x.size())) << "alpha 0 changes nothing";
}

TEST(WindowChecks, SixteenBitRounding)
{
    // 32767 at weight 1 (the middle of an odd length) stays 32767; every
    // other sample is the single-precision product rounded to nearest even.
    const int N = 9;
    std::vector<Orv16s> x(N, 32767), d(N);
    ASSERT_EQ(orvsWinHann_16s(x.data(), d.data(), N), orvStsOk);
    EXPECT_EQ(d[4], 32767);
    // The product 32767 * w for N = 9, n = 2: w = 0.5 - 0.5 cos(pi/2) = 0.5,
    // 16383.5 rounds to the even 16384; Kaiser rounds the same tie away from zero.
    EXPECT_EQ(d[2], 16384);
    std::vector<Orv16s> t = {3, -3, 5, -5, 3};
    ASSERT_EQ(orvsWinHann_16s_I(t.data(), 5), orvStsOk);  // weights 0, .5, 1, .5, 0
    EXPECT_EQ(t, (std::vector<Orv16s>{0, -2, 5, -2, 0}));
    // Scaled Blackman: the product times 2^-sf, half away from zero.
    std::vector<Orv16s> u = {1000, 1001, 1002, 1003, 1004};
    const float a = -9000 / 32768.0f;
    ASSERT_EQ(orvsWinBlackmanQ15_16s_ISfs(u.data(), 5, -9000, 1), orvStsOk);
    const float w1 = 0.5f + a;  // n = 1: cos(pi/2) = 0 up to rounding
    EXPECT_EQ(u[2], 1002);  // the middle sample is copied, not a product
    EXPECT_NEAR(u[1], std::round(1001 * w1 / 2.0), 1);
    std::vector<Orv16s> v = {7, 7, 7, 7};  // weights 0, .75, .75, 0
    ASSERT_EQ(orvsWinBlackmanQ15_16s_ISfs(v.data(), 4, 0, -20), orvStsOk);
    EXPECT_EQ(v, (std::vector<Orv16s>{0, 32767, 32767, 0}));  // saturated; a zero weight stays zero at any factor
}

TEST(WindowChecks, BlackmanStdIsBlackmanMinus016)
{
    const int N = 257;
    const auto x = randomVector<Orv64f>(N, 9);
    std::vector<Orv64f> a(N), b(N);
    ASSERT_EQ(orvsWinBlackmanStd_64f(x.data(), a.data(), N), orvStsOk);
    ASSERT_EQ(orvsWinBlackman_64f(x.data(), b.data(), N, -0.16), orvStsOk);
    EXPECT_TRUE(sameBits(a.data(), b.data(), N));
}
