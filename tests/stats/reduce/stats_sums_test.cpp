// Sums, means and standard deviations: exact integer models of the scaling
// rules and long-double references for the floating-point members.
#include <gtest/gtest.h>

#include <cfenv>

#include "stats_model.h"

using namespace orvs_test;
using namespace stats_test;

namespace {

TEST(StatsSums, Scaled16BitSumsAndMeans)
{
    for (int n : {1, 2, 3, 17, 100, 4099, 65537, 70001})
        for (bool extremes : {false, true}) {
            auto v = randomVector<Orv16s>(2 * n, n);
            if (extremes) std::fill(v.begin(), v.end(), n % 2 ? Orv16s(-32768) : Orv16s(32767));
            const auto* c = reinterpret_cast<const Orv16sc*>(v.data());
            i128 sums[3] = {0, 0, 0};  // exact: the real sum, then the parts of the complex sum
            for (int i = 0; i < 2 * n; ++i) sums[1 + (i & 1)] += v[i], sums[0] += i < n ? v[i] : 0;
            for (int s : kScales) {
                Orv16s r16[3], m16[3];
                Orv32s r32[3];
                ASSERT_EQ(orvsSum_16s_Sfs(v.data(), n, r16, s) | orvsSum_16s32s_Sfs(v.data(), n, r32, s) |
                              orvsMean_16s_Sfs(v.data(), n, m16, s) | orvsSum_16sc_Sfs(c, n, reinterpret_cast<Orv16sc*>(r16 + 1), s) |
                              orvsSum_16sc32sc_Sfs(c, n, reinterpret_cast<Orv32sc*>(r32 + 1), s) |
                              orvsMean_16sc_Sfs(c, n, reinterpret_cast<Orv16sc*>(m16 + 1), s),
                          0);
                for (int k = 0; k < 3; ++k) {
                    // The 16-bit sum is the 32-bit one saturated; means round
                    // (nearest, ties to even) after the division.
                    const long double m = std::ldexp(static_cast<long double>(sums[k]) / n, -std::clamp(s, -64, 64));
                    EXPECT_EQ(r32[k], sat<Orv32s>(scaled(sums[k], std::max(s, -40)))) << n << " s " << s << " part " << k;
                    EXPECT_EQ(r16[k], sat<Orv16s>(r32[k])) << n << " s " << s << " part " << k;
                    EXPECT_EQ(m16[k], static_cast<Orv16s>(std::nearbyint(std::clamp<long double>(m, -32768, 32767))));
                }
            }
        }
}

TEST(StatsSums, EdgeValues)
{
    const Orv16s v[] = {32767, 32767, 1, 2, -1, -2, 2, 3};
    Orv16s r[4] = {};
    Orv32s q[2] = {};
    orvsSum_16s_Sfs(v, 2, &r[0], 0), orvsSum_16s_Sfs(v, 2, &r[1], 1);
    orvsSum_16s32s_Sfs(v + 2, 2, &q[0], 1), orvsSum_16s32s_Sfs(v + 4, 2, &q[1], 1);  // 3/2 -> 2, -3/2 -> -2
    std::fesetround(FE_TOWARDZERO);  // the mean rounds by the caller's mode: 5/2
    orvsMean_16s_Sfs(v + 6, 2, &r[2], 0);
    std::fesetround(FE_TONEAREST);
    orvsMean_16s_Sfs(v + 6, 2, &r[3], -1);
    EXPECT_TRUE(r[0] == 32767 && r[1] == 32767 && q[0] == 2 && q[1] == -2 && r[2] == 2 && r[3] == 5)
        << r[0] << " " << r[1] << " " << q[0] << " " << q[1] << " " << r[2] << " " << r[3];
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
            for (int s : kScales) {
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
            long double ref[3] = {0, 0, 0};  // real sum, complex parts
            for (int i = 0; i < 2 * n; ++i) ref[1 + (i & 1)] += v[i], ref[0] += i < n ? v[i] : 0;
            Orv32f sum[3], mean[3];
            const auto h = static_cast<OrvHintAlgorithm>(hint);
            auto* c = reinterpret_cast<Orv32fc*>(v.data());
            ASSERT_EQ(orvsSum_32f(v.data(), n, sum, h) | orvsMean_32f(v.data(), n, mean, h) |
                          orvsSum_32fc(c, n, reinterpret_cast<Orv32fc*>(sum + 1), h) | orvsMean_32fc(c, n, reinterpret_cast<Orv32fc*>(mean + 1), h),
                      0);
            // Double accumulation is exact to far below a float ulp; the fast
            // blocks lose at most a few ulps of their single-precision partials.
            const double tol = hint == 1 ? 4.0 : 0.5001;
            for (int k = 0; k < 3; ++k) {
                EXPECT_LE(ulps(sum[k], ref[k]), tol) << n << " hint " << hint << " part " << k;
                EXPECT_LE(ulps(mean[k], ref[k] / n), tol + 0.5) << n << " hint " << hint << " part " << k;
            }
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
            Orv16s d16[2], m16 = 0;
            Orv32s d32[2], m32 = 0;
            ASSERT_EQ(orvsStdDev_16s_Sfs(s.data(), n, d16, sf) | orvsStdDev_16s32s_Sfs(s.data(), n, d32, sf) |
                          orvsMeanStdDev_16s_Sfs(s.data(), n, &m16, d16 + 1, sf) | orvsMeanStdDev_16s32s_Sfs(s.data(), n, &m32, d32 + 1, sf),
                      0);
            const long double want = std::ldexp(isd, -sf), wantMean = std::ldexp(im, -sf);
            EXPECT_NEAR(d32[0], std::clamp<long double>(want, INT32_MIN, INT32_MAX), 0.5 + 1e-9 * want) << n << " " << sf;
            EXPECT_NEAR(d16[0], std::clamp<long double>(want, -32768, 32767), 0.5 + 1e-9 * want) << n << " " << sf;
            EXPECT_TRUE(d16[1] == d16[0] && d32[1] == d32[0]);
            EXPECT_NEAR(m16, std::clamp<long double>(wantMean, -32768, 32767), 0.5);
            EXPECT_NEAR(m32, std::clamp<long double>(wantMean, INT32_MIN, INT32_MAX), 0.5);
        }
    }
}

TEST(StatsDeviation, ShortAndFlatVectors)
{
    const Orv32f two[] = {3.5f, 3.5f};
    const Orv16s pair[] = {-32768, 32767};
    Orv32f sd = -1, mean = -1;
    Orv16s s16 = -1;
    EXPECT_EQ(orvsStdDev_32f(two, 1, &sd, orvHintNone), orvStsErrSize);
    EXPECT_EQ(orvsStdDev_16s_Sfs(pair, 1, &s16, 0), orvStsErrSize);
    EXPECT_TRUE(sd == -1 && s16 == -1);
    EXPECT_EQ(orvsMeanStdDev_32f(two, 2, &mean, &sd, orvHintNone), 0);
    EXPECT_EQ(orvsStdDev_16s_Sfs(pair, 2, &s16, 0), 0);
    EXPECT_TRUE(sd == 0 && mean == 3.5f && s16 == 32767);  // 46340.6 clamps
}

TEST(StatsVariants, Avx) { ORVS_RERUN_UNDER_VARIANT("avx", "Stats*-StatsVariants.*"); }
TEST(StatsVariants, Avx2) { ORVS_RERUN_UNDER_VARIANT("avx2", "Stats*-StatsVariants.*"); }

} // namespace
