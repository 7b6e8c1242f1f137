// Extrema with their positions against a serial model of the lowest-index
// rule (a later element wins only when strictly better; a NaN element is the
// result), element-wise extrema, the order of magnitude, the range count and
// normalisation.
#include <gtest/gtest.h>

#include <functional>

#include "stats_model.h"

using namespace orvs_test;
using namespace stats_test;

namespace {

template <class T> struct Api;
#define STATS_EXTREMA_API(T, c)                                                                             \
    template <> struct Api<T> {                                                                             \
        static constexpr auto max = orvsMax_##c, min = orvsMin_##c;                                          \
        static constexpr auto maxIndx = orvsMaxIndx_##c, minIndx = orvsMinIndx_##c;                           \
        static constexpr auto minMax = orvsMinMax_##c;                                                       \
        static constexpr auto minMaxIndx = orvsMinMaxIndx_##c;                                               \
    };
STATS_EXTREMA_API(Orv16s, 16s)
STATS_EXTREMA_API(Orv32f, 32f)
STATS_EXTREMA_API(Orv64f, 64f)

// Serial search: position of the first element `better` than all before it.
template <class T, class Better>
int serialSearch(const std::vector<T>& v, Better better)
{
    for (std::size_t i = 0; i < v.size(); ++i)
        if (v[i] != v[i]) return static_cast<int>(i);
    int at = 0;
    for (std::size_t i = 1; i < v.size(); ++i)
        if (better(v[i], v[at])) at = static_cast<int>(i);
    return at;
}

// Vectors full of ties: a few distinct values (for floats both zeros), the
// extremes planted in several blocks, optionally one NaN.
template <class T>
std::vector<T> tiedVector(int n, std::uint32_t seed, bool nan)
{
    auto r = randomVector<std::uint32_t>(n, seed);
    std::vector<T> v(n);
    const T pool[] = {T(-2), T(-1), T(0), T(-0.0), T(1), T(3)};
    for (int i = 0; i < n; ++i) v[i] = pool[r[i] % 6];
    if (n > 5) v[r[0] % n] = T(100), v[r[1] % n] = T(100), v[r[2] % n] = T(-100);
    if constexpr (std::is_integral_v<T>) {
        if (n > 7) v[r[3] % n] = 32767, v[r[4] % n] = -32768;
    } else if (nan) {
        v[r[5] % n] = std::numeric_limits<T>::quiet_NaN();
    }
    return v;
}

template <class T>
void checkExtrema()
{
    using A = Api<T>;
    std::vector<int> lengths = oddLengths();
    lengths.insert(lengths.end(), longLengths().begin(), longLengths().end());
    for (int n : lengths)
        for (int variant = 0; variant < (std::is_integral_v<T> ? 2 : 3); ++variant) {
            const auto v = variant == 1 ? randomVector<T>(n, n) : tiedVector<T>(n, n + variant, variant == 2);
            const int hi = serialSearch(v, std::greater<T>()), lo = serialSearch(v, std::less<T>());
            Unaligned<T> u(n);
            u.assign(v);
            T mx = 7, mn = 7, mx2 = 7, mn2 = 7;
            int iMax = -1, iMin = -1, iMax2 = -1, iMin2 = -1;
            ASSERT_EQ(A::max(u.data(), n, &mx), 0);
            ASSERT_EQ(A::min(u.data(), n, &mn), 0);
            ASSERT_EQ(A::maxIndx(u.data(), n, &mx2, &iMax), 0);
            ASSERT_EQ(A::minIndx(u.data(), n, &mn2, &iMin), 0);
            const auto where = ::testing::Message() << "n " << n << " variant " << variant;
            EXPECT_EQ(iMax, hi) << where;
            EXPECT_EQ(iMin, lo) << where;
            // Values bit for bit: the element at the lowest index (-0 before +0).
            for (T got : {mx, mx2}) EXPECT_TRUE(sameBits(got, v[hi])) << where << " max " << got;
            for (T got : {mn, mn2}) EXPECT_TRUE(sameBits(got, v[lo])) << where << " min " << got;
            T a = 7, b = 7;
            ASSERT_EQ(A::minMax(u.data(), n, &a, &b), 0);
            EXPECT_TRUE(sameBits(a, v[lo]) && sameBits(b, v[hi])) << where;
            ASSERT_EQ(A::minMaxIndx(u.data(), n, &a, &iMin2, &b, &iMax2), 0);
            EXPECT_TRUE(sameBits(a, v[lo]) && sameBits(b, v[hi])) << where;
            EXPECT_EQ(iMin2, lo) << where;
            EXPECT_EQ(iMax2, hi) << where;
            // A null index pointer still gets the value.
            mx2 = 7;
            ASSERT_EQ(A::maxIndx(u.data(), n, &mx2, nullptr), 0);
            EXPECT_TRUE(sameBits(mx2, v[hi])) << where;
        }
}

TEST(StatsExtrema, LowestIndexAndNanPolicy16s) { checkExtrema<Orv16s>(); }
TEST(StatsExtrema, LowestIndexAndNanPolicy32f) { checkExtrema<Orv32f>(); }
TEST(StatsExtrema, LowestIndexAndNanPolicy64f) { checkExtrema<Orv64f>(); }

TEST(StatsExtrema, Magnitudes16s)
{
    auto mag = [](Orv16s x) { return x == -32768 ? 32767 : std::abs(int(x)); };
    for (int n : {1, 2, 5, 33, 4097, 12289})
        for (int variant = 0; variant < 3; ++variant) {
            auto v = tiedVector<Orv16s>(n, n * 3 + variant, false);
            if (variant == 1) std::fill(v.begin(), v.end(), Orv16s(-32768));
            if (variant == 2) v = randomVector<Orv16s>(n, n);
            const int hi = serialSearch(v, [&](Orv16s x, Orv16s y) { return mag(x) > mag(y); });
            const int lo = serialSearch(v, [&](Orv16s x, Orv16s y) { return mag(x) < mag(y); });
            Orv16s mx = 0, mn = 0, mx2 = 0, mn2 = 0;
            int iMax = -1, iMin = -1;
            ASSERT_EQ(orvsMaxAbs_16s(v.data(), n, &mx), 0);
            ASSERT_EQ(orvsMinAbs_16s(v.data(), n, &mn), 0);
            ASSERT_EQ(orvsMaxAbsIndx_16s(v.data(), n, &mx2, &iMax), 0);
            ASSERT_EQ(orvsMinAbsIndx_16s(v.data(), n, &mn2, &iMin), 0);
            EXPECT_EQ(mx, mag(v[hi])) << n << " " << variant;
            EXPECT_EQ(mn, mag(v[lo])) << n << " " << variant;
            EXPECT_EQ(mx2, mx);
            EXPECT_EQ(mn2, mn);
            EXPECT_EQ(iMax, hi) << n << " " << variant;
            EXPECT_EQ(iMin, lo) << n << " " << variant;
        }
    const Orv16s t[] = {3, 7, 7};
    Orv16s m = 0;
    int at = -1;
    EXPECT_EQ(orvsMaxIndx_16s(t, 3, &m, &at), 0);
    EXPECT_EQ(m, 7);
    EXPECT_EQ(at, 1);
}

TEST(StatsExtrema, EveryInPlace)
{
    for (int n : oddLengths()) {
        const auto s = randomVector<Orv16s>(n, n), d = randomVector<Orv16s>(n, n + 1);
        Unaligned<Orv16s> mx(n), mn(n);
        mx.assign(d);
        mn.assign(d);
        ASSERT_EQ(orvsMaxEvery_16s_I(s.data(), mx.data(), n), 0);
        ASSERT_EQ(orvsMinEvery_16s_I(s.data(), mn.data(), n), 0);
        for (int i = 0; i < n; ++i) {
            ASSERT_EQ(mx[i], std::max(s[i], d[i])) << n << " at " << i;
            ASSERT_EQ(mn[i], std::min(s[i], d[i])) << n << " at " << i;
        }
    }
}

TEST(StatsOrder, MaxOrderOfEveryType)
{
    const float inf = std::numeric_limits<float>::infinity(), nan = std::numeric_limits<float>::quiet_NaN();
    const struct { std::vector<float> v; int order; OrvStatus status; } f32[] = {
        {{1.0f}, 1, 0}, {{0.75f}, 0, 0}, {{1.0f, inf}, 1, 9}, {{nan, -3.0f}, 2, 9}, {{0.0f, -0.0f}, 0, 0},
        {{-65536.0f, 2.0f}, 17, 0}, {{0x1p-149f}, -126, 0}, {{inf}, 0, 9}, {{0x1.fffffep127f}, 128, 0}};
    for (const auto& c : f32) {
        int got = -99;
        std::vector<double> d(c.v.begin(), c.v.end());
        EXPECT_EQ(orvsMaxOrder_32f(c.v.data(), int(c.v.size()), &got), c.status);
        EXPECT_EQ(got, c.order) << c.v[0];
        if (c.v[0] == 0x1p-149f || c.v[0] > 1e38f) continue;  // the 64f field differs there
        EXPECT_EQ(orvsMaxOrder_64f(d.data(), int(d.size()), &got), c.status);
        EXPECT_EQ(got, c.order) << c.v[0];
    }
    for (int n : {1, 7, 64, 1001}) {
        auto s = randomVector<Orv16s>(n, n);
        auto t = randomVector<Orv32s>(n, n);
        for (auto& x : s) x >>= n % 13;
        for (auto& x : t) x >>= n % 29;
        long long m16 = 0, m32 = 0;
        for (auto x : s) m16 = std::max(m16, std::llabs(x));
        for (auto x : t) m32 = std::max(m32, std::llabs(x));
        int got = -1, bits = 0;
        while ((1LL << bits) <= m16) ++bits;
        EXPECT_EQ(orvsMaxOrder_16s(s.data(), n, &got), 0);
        EXPECT_EQ(got, m16 ? bits : 0);
        for (bits = 0; (1LL << bits) <= m32;) ++bits;
        EXPECT_EQ(orvsMaxOrder_32s(t.data(), n, &got), 0);
        EXPECT_EQ(got, m32 ? bits : 0);
    }
    const Orv16s low[] = {-32768}, zeros[] = {0, 0};
    const Orv32s lowest[] = {5, INT32_MIN};
    int got = -1;
    orvsMaxOrder_16s(low, 1, &got);
    EXPECT_EQ(got, 16);
    orvsMaxOrder_16s(zeros, 2, &got);
    EXPECT_EQ(got, 0);
    orvsMaxOrder_32s(lowest, 2, &got);
    EXPECT_EQ(got, 32);
    EXPECT_EQ(orvsMaxOrder_32f(nullptr, 0, nullptr), orvStsErrSize);
}

TEST(StatsCount, BoundsAreExclusive)
{
    const Orv32s t[] = {1, 2, 3};
    int c = -1;
    EXPECT_EQ(orvsCountInRange_32s(t, 3, &c, 1, 3), 0);
    EXPECT_EQ(c, 1);
    EXPECT_EQ(orvsCountInRange_32s(t, 3, &c, 3, 1), 0);
    EXPECT_EQ(c, 0);
    for (int n : {1, 17, 1000, 65537}) {
        const auto v = randomVector<Orv32s>(n, n);
        for (auto [lo, hi] : {std::pair{INT32_MIN, INT32_MAX}, std::pair{-1000000, 300000000}, std::pair{0, 0}}) {
            int want = 0;
            for (auto x : v) want += x > lo && x < hi;
            ASSERT_EQ(orvsCountInRange_32s(v.data(), n, &c, lo, hi), 0);
            EXPECT_EQ(c, want) << n << " " << lo << " " << hi;
        }
    }
}

// ---- normalisation -----------------------------------------------------------

TEST(StatsNormalize, FloatMembersDivideOnce)
{
    for (int n : oddLengths()) {
        const auto s32 = randomVector<Orv32f>(2 * n, n);
        const auto s64 = randomVector<Orv64f>(2 * n, n);
        Unaligned<Orv32f> d32(2 * n), c32(2 * n);
        Unaligned<Orv64f> d64(2 * n), c64(2 * n);
        ASSERT_EQ(orvsNormalize_32f(s32.data(), d32.data(), n, 1.5f, 3.0f), 0);
        ASSERT_EQ(orvsNormalize_32fc(reinterpret_cast<const Orv32fc*>(s32.data()), reinterpret_cast<Orv32fc*>(c32.data()), n, Orv32fc{1.5f, -2.5f}, 3.0f), 0);
        ASSERT_EQ(orvsNormalize_64f(s64.data(), d64.data(), n, 1.5, 3.0), 0);
        ASSERT_EQ(orvsNormalize_64fc(reinterpret_cast<const Orv64fc*>(s64.data()), reinterpret_cast<Orv64fc*>(c64.data()), n, Orv64fc{1.5, -2.5}, 3.0), 0);
        for (int i = 0; i < n; ++i) {
            ASSERT_EQ(d32[i], (s32[i] - 1.5f) / 3.0f) << n << " at " << i;
            ASSERT_EQ(d64[i], (s64[i] - 1.5) / 3.0) << n << " at " << i;
        }
        for (int i = 0; i < 2 * n; ++i) {
            ASSERT_EQ(c32[i], (s32[i] - (i & 1 ? -2.5f : 1.5f)) / 3.0f) << n << " at " << i;
            ASSERT_EQ(c64[i], (s64[i] - (i & 1 ? -2.5 : 1.5)) / 3.0) << n << " at " << i;
        }
    }
    Guarded<Orv32f> d(4);
    d.fill();
    const Orv32f s[4] = {};
    EXPECT_EQ(orvsNormalize_32f(s, d.data(), 4, 0.0f, 1.0e-39f), orvStsErrDivByZero);
    EXPECT_EQ(orvsNormalize_32fc(reinterpret_cast<const Orv32fc*>(s), reinterpret_cast<Orv32fc*>(d.data()), 2, Orv32fc{}, -1.0e-39f), orvStsErrDivByZero);
    EXPECT_TRUE(d.intact());
    EXPECT_EQ(orvsNormalize_32f(s, d.data(), 4, 0.0f, 1.1754944e-38f), 0);
}

TEST(StatsNormalize, IntegerMembersRoundAndSaturate)
{
    for (int n : {1, 2, 7, 33, 1000})
        for (int div : {1, -3, 7, 65536, INT32_MIN})
            for (int s : {-2000, -127, -16, -1, 0, 1, 2, 15, 40, 127, 2000}) {
                const auto v = randomVector<Orv16s>(2 * n, n + div);
                std::vector<Orv16s> d(n), c(2 * n);
                const Orv16s sub = -32768;
                const Orv16sc csub{-32768, 123};
                ASSERT_EQ(orvsNormalize_16s_Sfs(v.data(), d.data(), n, sub, div, s), 0);
                ASSERT_EQ(orvsNormalize_16sc_Sfs(reinterpret_cast<const Orv16sc*>(v.data()), reinterpret_cast<Orv16sc*>(c.data()), n, csub, div, s), 0);
                auto model = [&](int x, int sb) {
                    const long double q = std::ldexp(static_cast<long double>(x - sb) / div, -std::clamp(s, -200, 200));
                    return static_cast<Orv16s>(std::clamp<long double>(std::nearbyint(q), -32768, 32767));
                };
                for (int i = 0; i < n; ++i) ASSERT_EQ(d[i], model(v[i], sub)) << n << " div " << div << " s " << s;
                for (int i = 0; i < 2 * n; ++i) ASSERT_EQ(c[i], model(v[i], i & 1 ? csub.im : csub.re)) << n << " div " << div << " s " << s;
            }
    Orv16s x = 5, y = 9;
    EXPECT_EQ(orvsNormalize_16s_Sfs(&x, &y, 1, 0, 0, 0), orvStsErrDivByZero);
    EXPECT_EQ(y, 9);
}

TEST(StatsExtremaVariants, Avx) { ORVS_RERUN_UNDER_VARIANT("avx", "StatsExtrema.*:StatsOrder.*:StatsCount.*:StatsNormalize.*"); }
TEST(StatsExtremaVariants, Avx2) { ORVS_RERUN_UNDER_VARIANT("avx2", "StatsExtrema.*:StatsOrder.*:StatsCount.*:StatsNormalize.*"); }

} // namespace
