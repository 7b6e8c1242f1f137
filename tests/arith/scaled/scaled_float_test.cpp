// Floating-point shortcuts (signed zeros, NaN) and the single-precision to
// 16-bit conversions under every caller rounding mode; the float members'
// values are checked with the integer ones against the member model.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <xmmintrin.h>

#include "test_util.h"

namespace {

using orvs_test::Unaligned;

bool negZero(double x) { return x == 0 && std::signbit(x); }

TEST(FloatMembers, SignedZerosAndNaNThroughShortcutsAndAbs)
{
    const double nan = std::nan("");
    const double inf = std::numeric_limits<double>::infinity();
    std::vector<Orv64f> x = {-0.0, nan, inf, 1.0, -3.0, 0.0, -0.0};
    const int n = static_cast<int>(x.size());
    std::vector<Orv64f> d(n);
    // MulC by zero writes +0 everywhere, NaN and infinity included.
    ASSERT_EQ(orvsMulC_64f(x.data(), -0.0, d.data(), n), orvStsOk);
    for (double v : d) EXPECT_TRUE(v == 0 && !std::signbit(v));
    // Adding or subtracting zero (either sign) and multiplying by one keep -0.
    for (auto fn : {orvsAddC_64f, orvsSubC_64f}) {
        ASSERT_EQ(fn(x.data(), -0.0, d.data(), n), orvStsOk);
        EXPECT_TRUE(negZero(d[0]) && negZero(d[6]) && std::isnan(d[1]));
    }
    ASSERT_EQ(orvsMulC_64f(x.data(), 1.0, d.data(), n), orvStsOk);
    EXPECT_EQ(0, std::memcmp(d.data(), x.data(), n * sizeof(double)));
    std::vector<Orv32f> y = {-0.0f, 1.0f, -0.0f};
    ASSERT_EQ(orvsAddC_32f_I(-0.0f, y.data(), 3), orvStsOk);
    EXPECT_TRUE(negZero(y[0]) && negZero(y[2]));
    // SubCRev by zero has no shortcut: 0 - (-0) is +0.
    ASSERT_EQ(orvsSubCRev_32f_I(0.0f, y.data(), 3), orvStsOk);
    EXPECT_TRUE(y[0] == 0 && !std::signbit(y[0]));
    // Complex constants have no shortcut: (0, 0) times NaN is NaN.
    Orv64fc c[2] = {{nan, 1.0}, {2.0, 3.0}}, e[2];
    ASSERT_EQ(orvsMulC_64fc(c, Orv64fc{0.0, 0.0}, e, 2), orvStsOk);
    EXPECT_TRUE(std::isnan(e[0].re));
    EXPECT_TRUE(e[1].re == 0 && e[1].im == 0);
    // Abs clears the sign bit and nothing else: -0 gives +0, NaN keeps its payload.
    auto m = x;
    m[1] = -m[1];
    ASSERT_EQ(orvsAbs_64f_I(m.data(), n), orvStsOk);
    for (int i = 0; i < n; ++i) {
        std::uint64_t got, want;
        std::memcpy(&got, &m[i], 8);
        std::memcpy(&want, &x[i], 8);
        EXPECT_EQ(got, want & ~(std::uint64_t(1) << 63)) << i;
    }
}

// Product clamped and rounded to nearest-even under any caller rounding mode.
// Products to 16 bits: the scaled form clamps and rounds to nearest-even
// under any caller rounding mode; the low form converts to 32 bits first
// under the caller's mode (NaN and overflow give the bottom). The caller's
// mode is restored.
TEST(FloatMembers, MulC32f16sUnderEveryRoundingMode)
{
    const unsigned saved = _mm_getcsr();
    const float vals[] = {1.0f, -0.5f, 3.3f, 1e6f, -2.75f};
    for (unsigned mode : {0u, 0x2000u, 0x6000u}) {  // nearest, down, toward zero
        for (int s : {-200, -127, -3, 0, 1, 2, 7, 126, 300}) {
            for (int n : {1, 7, 8, 9, 33, 257}) {
                auto x = orvs_test::randomVector<Orv32f>(n, n + s, -40000.0, 40000.0);
                x[0] = 0.5f;
                if (n > 5) x[5] = std::nanf(""), x[3] = 2.5f, x[4] = -1.5f, x[1] = 3e9f;
                for (float v : vals) {
                    // The references under round-to-nearest.
                    _mm_setcsr(saved & ~0x6000u);
                    const int c = s < -127 ? -127 : (s > 126 ? 126 : s);
                    const float vs = s == 0 ? v : v * std::ldexp(1.0f, -c);
                    std::vector<Orv16s> want(n), wantLow(n);
                    for (int i = 0; i < n; ++i) {
                        const float p = x[i] * vs;
                        const double r = std::isnan(p) ? 32767 : std::fmin(32767.0, std::fmax(-32768.0, p));
                        const double f = std::floor(r), diff = r - f;
                        want[i] = static_cast<Orv16s>(diff > 0.5 ? f + 1 : (diff < 0.5 ? f : (std::fmod(f, 2.0) == 0 ? f : f + 1)));
                        const float q = x[i] * v;
                        const double k = std::isnan(q) || std::fabs(q) >= 2147483648.0f ? INT32_MIN
                                         : mode == 0                                    ? std::nearbyint(q)
                                         : mode == 0x2000u                              ? std::floor(q)
                                                                                        : std::trunc(q);
                        wantLow[i] = static_cast<Orv16s>(std::fmin(32767.0, std::fmax(-32768.0, k)));
                    }
                    _mm_setcsr((saved & ~0x6000u) | mode);
                    Unaligned<Orv16s> d(n);
                    ASSERT_EQ(orvsMulC_32f16s_Sfs(x.data(), v, d.data(), n, s), orvStsOk);
                    ASSERT_EQ(_mm_getcsr() & 0x6000u, mode) << "caller's rounding restored";
                    for (int i = 0; i < n; ++i) ASSERT_EQ(d[i], want[i]) << "x=" << x[i] << " v=" << v << " s=" << s;
                    if (s != 0 || (v != 1.0f && v != -0.5f)) continue;  // exact products: the mode acts once
                    ASSERT_EQ(orvsMulC_Low_32f16s(x.data(), v, d.data(), n), orvStsOk);
                    for (int i = 0; i < n; ++i) ASSERT_EQ(d[i], wantLow[i]) << "low, x=" << x[i] << " v=" << v << " mode " << mode;
                }
            }
        }
    }
    _mm_setcsr(saved);
}

} // namespace
