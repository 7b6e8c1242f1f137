// The integer scale-factor rule against a model written with exact rational
// arithmetic (floor division and explicit tie handling).
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <tuple>

#include "core/saturate.h"

namespace {
// Model: r / 2^s rounded to nearest even, then clamped; r*2^-s for s<0.
long double modelScale(std::int64_t r, int s, std::int64_t lo, std::int64_t hi)
{
    if (s >= 0) {
        if (s >= 100) return 0;
        __int128 d = __int128(1) << s;
        __int128 q = r >= 0 ? r / d : -((-(__int128)r + d - 1) / d);  // floor
        __int128 rem = r - q * d;                                    // 0 <= rem < d
        if (2 * (__int128)rem > d || (2 * (__int128)rem == d && (q & 1))) ++q;
        return q < lo ? lo : (q > hi ? hi : (long double)q);
    }
    __int128 v = r;
    for (int i = 0; i < -s && v != 0 && v < ((__int128)1 << 80) && v > -((__int128)1 << 80); ++i) v *= 2;
    return v < lo ? lo : (v > hi ? hi : (long double)v);
}
} // namespace

TEST(ScaleRule, TiesAndSaturationCorners)
{
    // 16s: ties to even at s = 1, the top of the scaled range, sign saturation.
    for (auto [r, sf, want] : {std::tuple<std::int64_t, int, int>{1, 1, 0}, {3, 1, 2}, {-1, 1, 0}, {-3, 1, -2}, {5, 1, 2},
                               {65534, 16, 1}, {1, -15, 32767}, {-1, -15, -32768}, {0, -40, 0}, {1073741824, 30, 1}})
        EXPECT_EQ((orvs::scaleRoundSaturate<Orv16s, std::int64_t>(r, sf)), want) << r << " s " << sf;
    EXPECT_EQ((orvs::scaleRoundSaturate<Orv8u, std::int64_t>(-5, 0)), 0);  // unsigned floor
}

TEST(ScaleRule, RandomAgainstModel)
{
    std::mt19937_64 rng(7);
    for (int i = 0; i < 200000; ++i) {
        std::int64_t r = static_cast<std::int64_t>(rng()) >> (rng() % 63);
        int s = static_cast<int>(rng() % 140) - 70;
        EXPECT_EQ((long double)(orvs::scaleRoundSaturate<Orv16s, std::int64_t>(r, s)), modelScale(r, s, -32768, 32767)) << r << " " << s;
        EXPECT_EQ((long double)(orvs::scaleRoundSaturate<Orv32s, orvs::i128>(r, s)), modelScale(r, s, INT32_MIN, INT32_MAX)) << r << " " << s;
        EXPECT_EQ((long double)(orvs::scaleRoundSaturate<Orv8u, std::int64_t>(r, s)), modelScale(r, s, 0, 255)) << r << " " << s;
    }
}

TEST(Rounding, HalfAwayAndNearestEven)
{
    for (auto [x, away, even] : {std::tuple{0.5, 1.0, 0.0}, {-0.5, -1.0, -0.0}, {2.4999, 2.0, 2.0}, {1.5, 2.0, 2.0},
                                 {-2.5, -3.0, -2.0}, {-3.5, -4.0, -4.0}, {0.49999999999999994, 0.0, 0.0},
                                 {-0.49999999999999994, -0.0, -0.0}, {4503599627370497.0, 4503599627370497.0, 4503599627370497.0}}) {
        EXPECT_EQ(orvs::roundHalfAway(x), away) << x;
        EXPECT_EQ(orvs::roundNearestEven(x), even) << x;
    }
}
