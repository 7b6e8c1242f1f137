// Sums, means and standard deviations: exact integer models of the scaling
// rules and long-double references for the floating-point members.
#include <gtest/gtest.h>

#include <cfenv>

#include "stats_model.h"

using namespace orvs_test;
using namespace stats_test;

namespace {

// Exact per-part sums of n elements of 16-bit parts (parts = 1 or 2).
std::vector<i128> partSums(const Orv16s* p, int n, int parts)
{
    std::vector<i128> s(parts, 0);
    for (int i = 0; i < n * parts; ++i) s[i % parts] += p[i];
    return s;
}

TEST(StatsSums, Scaled16BitSumsAndMeans)
{
    for (int n : {1, 2, 3, 17, 100, 4099, 65537, 70001})
        for (bool extremes : {false, true}) {
            auto v = randomVector<Orv16s>(2 * n, n);
            if (extremes) std::fill(v.begin(), v.end(), n % 2 ? Orv16s(-32768) : Orv16s(32767));
            for (int s : scaleFactors()) {
                const auto s1 = partSums(v.data(), n, 1), s2 = partSums(v.data(), n, 2);
                Orv16s r16 = 0, m16 = 0;
                Orv32s r32 = 0;
                Orv16sc c16{}, cm{};
                Orv32sc c32{};
                ASSERT_EQ(orvsSum_16s_Sfs(v.data(), n, &r16, s), 0);
                ASSERT_EQ(orvsSum_16s32s_Sfs(v.data(), n, &r32, s), 0);
                ASSERT_EQ(orvsMean_16s_Sfs(v.data(), n, &m16, s), 0);
                const auto* c = reinterpret_cast<const Orv16sc*>(v.data());
                ASSERT_EQ(orvsSum_16sc_Sfs(c, n, &c16, s), 0);
                ASSERT_EQ(orvsSum_16sc32sc_Sfs(c, n, &c32, s), 0);
                ASSERT_EQ(orvsMean_16sc_Sfs(c, n, &cm, s), 0);
                // The 16-bit sum is the 32-bit one saturated.
                EXPECT_EQ(r32, sat<Orv32s>(scaled(s1[0], std::max(s, -40)))) << n << " s " << s;
                EXPECT_EQ(r16, sat<Orv16s>(r32));
                EXPECT_EQ(c32.re, sat<Orv32s>(scaled(s2[0], std::max(s, -40))));
                EXPECT_EQ(c32.im, sat<Orv32s>(scaled(s2[1], std::max(s, -40))));
                EXPECT_EQ(c16.re, sat<Orv16s>(c32.re));
                EXPECT_EQ(c16.im, sat<Orv16s>(c32.im));
                // Means: nearest, ties to even, after the division.
                auto mean = [&](i128 sum) {
                    const long double m = std::ldexp(static_cast<long double>(sum) / n, -std::clamp(s, -64, 64));
                    return static_cast<Orv16s>(std::nearbyint(std::clamp<long double>(m, -32768, 32767)));
                };
                EXPECT_EQ(m16, mean(s1[0])) << n << " s " << s;
                EXPECT_EQ(cm.re, mean(s2[0]));
                EXPECT_EQ(cm.im, mean(s2[1]));
            }
        }
}

TEST(StatsSums, EdgeValues)
{
    const Orv16s big[] = {32767, 32767};
    Orv16s r = 0;
    for (int s : {0, 1}) {
        EXPECT_EQ(orvsSum_16s_Sfs(big, 2, &r, s), 0);
        EXPECT_EQ(r, 32767) << s;
    }
    const Orv16s three[] = {1, 2};  // 3/2 -> 2 (tie to even), -3/2 -> -2
    const Orv16s mthree[] = {-1, -2};
    Orv32s q = 0;
    orvsSum_16s32s_Sfs(three, 2, &q, 1);
    EXPECT_EQ(q, 2);
    orvsSum_16s32s_Sfs(mthree, 2, &q, 1);
    EXPECT_EQ(q, -2);
    // The caller's rounding mode decides the mean's rounding: 5/2.
    const Orv16s five[] = {2, 3};
    std::fesetround(FE_TOWARDZERO);
    orvsMean_16s_Sfs(five, 2, &r, 0);
    std::fesetround(FE_TONEAREST);
    EXPECT_EQ(r, 2);
    orvsMean_16s_Sfs(five, 2, &r, -1);
    EXPECT_EQ(r, 5);
}

// Mean_32s: the mean of the exact 64-bit sum, rounded to nearest with ties
// to even at the step the rule puts it.
TEST(StatsSums, Scaled32BitSumAndMean)
{
    auto divEven = [](i128 s, i128 n) {
        i128 q = s / n, r = s % n;
        if (r < 0) q -= 1, r += n;  // floor
        if (2 * r > n || (2 * r == n && (q & 1))) q += 1;
        return q;
    };
    for (int n : {1, 2, 3, 4, 7, 64, 1001})
        for (int seed : {1, 2, 3}) {
            auto v = randomVector<Orv32s>(n, seed * 31 + n);
            if (seed == 2) for (auto& x : v) x >>= 20;  // sums inside 32 bits
            if (seed == 3) std::fill(v.begin(), v.end(), INT32_MIN);
            i128 sum = 0;
            for (auto x : v) sum += x;
            for (int s : scaleFactors()) {
                Orv32s got = 0, mean = 0;
                ASSERT_EQ(orvsSum_32s_Sfs(v.data(), n, &got, s), 0);
                EXPECT_EQ(got, sat<Orv32s>(scaled(sum, s)));
                ASSERT_EQ(orvsMean_32s_Sfs(v.data(), n, &mean, s), 0);
                i128 want;
                if (s >= 0) want = scaled(divEven(sum, n), s);
                else if (s <= -32) want = divEven(sum, n) > 0 ? kHuge : divEven(sum, n) < 0 ? -kHuge : 0;
                else if (sum >= INT32_MIN && sum <= INT32_MAX) want = divEven(sum * (i128(1) << -s), n);
                else want = scaled(divEven(sum, n), s);
                EXPECT_EQ(mean, sat<Orv32s>(want)) << "n " << n << " seed " << seed << " s " << s;
            }
        }
}

TEST(StatsSums, FloatSumsAndMeans)
{
    for (int n : {1, 2, 3, 7, 16, 31, 33, 64, 65, 127, 1000, 4097, 32769, 100003})
        for (int hint : {0, 1, 2}) {
            Unaligned<Orv32f> v(2 * n);
            v.assign(randomVector<Orv32f>(2 * n, n + 5, -1.0, 4.0));
            long double ref[2] = {0, 0};
            for (int i = 0; i < 2 * n; ++i) ref[i & 1] += v[i];
            Orv32f sum = 0, mean = 0;
            Orv32fc csum{}, cmean{};
            const auto h = static_cast<OrvHintAlgorithm>(hint);
            ASSERT_EQ(orvsSum_32f(v.data(), n, &sum, h), 0);
            ASSERT_EQ(orvsMean_32f(v.data(), n, &mean, h), 0);
            ASSERT_EQ(orvsSum_32fc(reinterpret_cast<Orv32fc*>(v.data()), n, &csum, h), 0);
            ASSERT_EQ(orvsMean_32fc(reinterpret_cast<Orv32fc*>(v.data()), n, &cmean, h), 0);
            long double real = 0;
            for (int i = 0; i < n; ++i) real += v[i];
            // Double accumulation is exact to far below a float ulp; the fast
            // blocks lose at most a few ulps of their single-precision partials.
            const double tol = hint == 1 ? 4.0 : 0.5001;
            EXPECT_LE(ulps(sum, real), tol) << n << " hint " << hint;
            EXPECT_LE(ulps(mean, real / n), tol + 0.5);
            EXPECT_LE(ulps(csum.re, ref[0]), tol);
            EXPECT_LE(ulps(csum.im, ref[1]), tol);
            EXPECT_LE(ulps(cmean.re, ref[0] / n), tol + 0.5);
            EXPECT_LE(ulps(cmean.im, ref[1] / n), tol + 0.5);
        }
}

// A single-precision partial holding 2^24 drops every 2^-10 added to it;
// the accurate sum keeps them all.
TEST(StatsSums, AccurateSumKeepsSmallTerms)
{
    std::vector<Orv32f> v(200001, 1.0f / 1024);
    v[0] = 16777216.0f;
    Orv32f sum = 0;
    orvsSum_32f(v.data(), static_cast<int>(v.size()), &sum, orvHintAccurate);
    EXPECT_EQ(sum, static_cast<float>(16777216.0 + 200000.0 / 1024));
}

TEST(StatsDeviation, AgainstTwoPassReference)
{
    for (int n : {2, 3, 5, 16, 17, 33, 1000, 70001}) {
        const auto f = randomVector<Orv32f>(n, n, 9.0, 11.0);
        auto s = randomVector<Orv16s>(n, n + 1);
        if (n == 33) std::fill(s.begin(), s.end(), Orv16s(-32768));
        auto ref = [n](const auto& v) {
            long double m = 0, q = 0;
            for (auto x : v) m += x;
            m /= n;
            for (auto x : v) q += (x - m) * (x - m);
            return std::make_pair(m, std::sqrt(q / (n - 1)));
        };
        const auto [fm, fsd] = ref(f);
        Orv32f sd = 0, mean = 0, sd2 = 0;
        ASSERT_EQ(orvsStdDev_32f(f.data(), n, &sd, orvHintNone), 0);
        ASSERT_EQ(orvsMeanStdDev_32f(f.data(), n, &mean, &sd2, orvHintFast), 0);
        // The one-pass formula cancels about log2(mean^2 / var) bits.
        EXPECT_NEAR(sd, fsd, 1e-6 * fsd + 1e-12) << n;
        EXPECT_EQ(sd, sd2);
        EXPECT_LE(ulps(mean, fm), 0.5001);
        const auto [im, isd] = ref(s);
        for (int sf : {-20, -1, 0, 1, 3, 17, 40}) {
            Orv16s d16 = 0, m16 = 0, e16 = 0;
            Orv32s d32 = 0, m32 = 0, e32 = 0;
            ASSERT_EQ(orvsStdDev_16s_Sfs(s.data(), n, &d16, sf), 0);
            ASSERT_EQ(orvsStdDev_16s32s_Sfs(s.data(), n, &d32, sf), 0);
            ASSERT_EQ(orvsMeanStdDev_16s_Sfs(s.data(), n, &m16, &e16, sf), 0);
            ASSERT_EQ(orvsMeanStdDev_16s32s_Sfs(s.data(), n, &m32, &e32, sf), 0);
            const long double want = std::ldexp(isd, -sf), wantMean = std::ldexp(im, -sf);
            EXPECT_NEAR(d32, std::clamp<long double>(want, INT32_MIN, INT32_MAX), 0.5 + 1e-9 * want) << n << " " << sf;
            EXPECT_NEAR(d16, std::clamp<long double>(want, -32768, 32767), 0.5 + 1e-9 * want);
            EXPECT_EQ(e16, d16);
            EXPECT_EQ(e32, d32);
            EXPECT_NEAR(m16, std::clamp<long double>(wantMean, -32768, 32767), 0.5);
            EXPECT_NEAR(m32, std::clamp<long double>(wantMean, INT32_MIN, INT32_MAX), 0.5);
        }
    }
}

TEST(StatsDeviation, ShortAndFlatVectors)
{
    const Orv32f two[] = {3.5f, 3.5f};
    Orv32f sd = -1, mean = -1;
    EXPECT_EQ(orvsStdDev_32f(two, 1, &sd, orvHintNone), orvStsErrSize);
    EXPECT_EQ(sd, -1);
    EXPECT_EQ(orvsMeanStdDev_32f(two, 2, &mean, &sd, orvHintNone), 0);
    EXPECT_EQ(sd, 0);
    EXPECT_EQ(mean, 3.5f);
    Orv16s s16 = -1;
    const Orv16s pair[] = {-32768, 32767};
    EXPECT_EQ(orvsStdDev_16s_Sfs(pair, 1, &s16, 0), orvStsErrSize);
    EXPECT_EQ(orvsStdDev_16s_Sfs(pair, 2, &s16, 0), 0);
    EXPECT_EQ(s16, 32767);  // 46340.6 clamps
}

TEST(StatsSumsVariants, Avx) { ORVS_RERUN_UNDER_VARIANT("avx", "StatsSums.*:StatsDeviation.*"); }
TEST(StatsSumsVariants, Avx2) { ORVS_RERUN_UNDER_VARIANT("avx2", "StatsSums.*:StatsDeviation.*"); }

} // namespace
