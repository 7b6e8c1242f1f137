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
    const auto r = randomVector<std::uint32_t>(n + 6, seed);
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
    std::vector<int> lengths = oddLengths();  // and several 4096-element search blocks
    lengths.insert(lengths.end(), {4095, 4096, 4097, 12289, 65537, 140000});
    for (int n : lengths)
        for (int variant = 0; variant < (std::is_integral_v<T> ? 2 : 3); ++variant) {
            const auto v = variant == 1 ? randomVector<T>(n, n) : tiedVector<T>(n, n + variant, variant == 2);
            const int hi = serialSearch(v, std::greater<T>()), lo = serialSearch(v, std::less<T>());
            Unaligned<T> u(n);
            u.assign(v);
            T* p = u.data();
            T hiVal[5], loVal[4];
            int at[4] = {-1, -1, -1, -1};
            ASSERT_EQ(A::max(p, n, &hiVal[0]) | A::maxIndx(p, n, &hiVal[1], &at[0]) | A::maxIndx(p, n, &hiVal[2], nullptr) |
                          A::min(p, n, &loVal[0]) | A::minIndx(p, n, &loVal[1], &at[1]) | A::minMax(p, n, &loVal[2], &hiVal[3]) |
                          A::minMaxIndx(p, n, &loVal[3], &at[2], &hiVal[4], &at[3]),
                      0);
            // Values bit for bit: the element at the lowest index (-0 before +0).
            for (T got : hiVal) EXPECT_TRUE(sameBits(got, v[hi])) << "n " << n << " variant " << variant << " max " << got;
            for (T got : loVal) EXPECT_TRUE(sameBits(got, v[lo])) << "n " << n << " variant " << variant << " min " << got;
            EXPECT_TRUE(at[0] == hi && at[3] == hi && at[1] == lo && at[2] == lo) << "n " << n << " variant " << variant;
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
            Orv16s val[4];
            int at[2] = {-1, -1};
            ASSERT_EQ(orvsMaxAbs_16s(v.data(), n, &val[0]) | orvsMaxAbsIndx_16s(v.data(), n, &val[1], &at[0]) |
                          orvsMinAbs_16s(v.data(), n, &val[2]) | orvsMinAbsIndx_16s(v.data(), n, &val[3], &at[1]),
                      0);
            EXPECT_TRUE(val[0] == mag(v[hi]) && val[1] == val[0] && at[0] == hi) << n << " " << variant;
            EXPECT_TRUE(val[2] == mag(v[lo]) && val[3] == val[2] && at[1] == lo) << n << " " << variant;
        }
}

TEST(StatsExtrema, EveryInPlace)
{
    for (int n : oddLengths()) {
        const auto s = randomVector<Orv16s>(n, n), d = randomVector<Orv16s>(n, n + 1);
        Unaligned<Orv16s> mx(n), mn(n);
        mx.assign(d), mn.assign(d);
        ASSERT_EQ(orvsMaxEvery_16s_I(s.data(), mx.data(), n) | orvsMinEvery_16s_I(s.data(), mn.data(), n), 0);
        for (int i = 0; i < n; ++i) ASSERT_TRUE(mx[i] == std::max(s[i], d[i]) && mn[i] == std::min(s[i], d[i])) << n << " at " << i;
    }
}

TEST(StatsOrder, MaxOrderOfEveryType)
{
    const float inf = std::numeric_limits<float>::infinity(), nan = std::numeric_limits<float>::quiet_NaN();
    const struct { std::vector<float> v; int order, order64; OrvStatus status; } cases[] = {
        {{1.0f}, 1, 1, 0}, {{0.75f}, 0, 0, 0}, {{1.0f, inf}, 1, 1, 9}, {{nan, -3.0f}, 2, 2, 9}, {{0.0f, -0.0f}, 0, 0, 0},
        {{-65536.0f, 2.0f}, 17, 17, 0}, {{0x1p-149f}, -126, -148, 0}, {{inf}, 0, 0, 9}, {{0x1.fffffep127f}, 128, 128, 0}};
    for (const auto& c : cases) {
        int got = -99, got64 = -99;
        const std::vector<double> d(c.v.begin(), c.v.end());
        EXPECT_EQ(orvsMaxOrder_32f(c.v.data(), int(c.v.size()), &got), c.status);
        EXPECT_EQ(orvsMaxOrder_64f(d.data(), int(d.size()), &got64), c.status);
        EXPECT_EQ(got, c.order) << c.v[0];
        EXPECT_EQ(got64, c.order64) << c.v[0];
    }
    // Integers: significant bits of the largest magnitude, |-32768| = 2^15.
    auto bits = [](long long m) { return m ? 64 - __builtin_clzll(static_cast<unsigned long long>(m)) : 0; };
    for (int n : {1, 2, 7, 64, 1001}) {
        auto s = randomVector<Orv16s>(n, n);
        auto t = randomVector<Orv32s>(n, n);
        if (n == 2) s[1] = -32768, t[1] = INT32_MIN;
        if (n == 7) std::fill(s.begin(), s.end(), 0), std::fill(t.begin(), t.end(), 0);
        for (auto& x : s) x = static_cast<Orv16s>(x == -32768 ? x : x >> (n % 13));
        long long m16 = 0, m32 = 0;
        for (auto x : s) m16 = std::max(m16, std::llabs(x));
        for (auto x : t) m32 = std::max(m32, std::llabs(x));
        int g16 = -1, g32 = -1;
        EXPECT_EQ(orvsMaxOrder_16s(s.data(), n, &g16), 0);
        EXPECT_EQ(orvsMaxOrder_32s(t.data(), n, &g32), 0);
        EXPECT_EQ(g16, bits(m16)) << n;
        EXPECT_EQ(g32, bits(m32)) << n;
    }
    EXPECT_EQ(orvsMaxOrder_32f(nullptr, 0, nullptr), orvStsErrSize);
}

TEST(StatsCount, BoundsAreExclusive)
{
    for (int n : {3, 17, 1000, 65537}) {
        auto v = randomVector<Orv32s>(n, n);
        v[0] = 1, v[1] = 2, v[2] = 3;
        for (auto [lo, hi] : {std::pair{1, 3}, {3, 1}, {INT32_MIN, INT32_MAX}, {-1000000, 300000000}, {0, 0}}) {
            int want = 0, c = -1;
            for (auto x : (n == 3 ? v : std::vector<Orv32s>(v.begin() + 3, v.end()))) want += x > lo && x < hi;
            ASSERT_EQ(orvsCountInRange_32s(v.data() + (n == 3 ? 0 : 3), n == 3 ? 3 : n - 3, &c, lo, hi), 0);
            EXPECT_EQ(c, want) << n << " " << lo << " " << hi;  // {1, 2, 3} in (1, 3): 1
        }
    }
}

// ---- normalisation -----------------------------------------------------------

// One IEEE division per part: bit-identical to the scalar expression.
template <class T, class C>
void checkNormalize(OrvStatus (*real)(const T*, T*, int, T, T), OrvStatus (*cplx)(const C*, C*, int, C, T))
{
    for (int n : oddLengths()) {
        const auto s = randomVector<T>(2 * n, n);
        Unaligned<T> d(2 * n), c(2 * n);
        ASSERT_EQ(real(s.data(), d.data(), n, T(1.5), T(3)), 0);
        ASSERT_EQ(cplx(reinterpret_cast<const C*>(s.data()), reinterpret_cast<C*>(c.data()), n, C{T(1.5), T(-2.5)}, T(3)), 0);
        for (int i = 0; i < 2 * n; ++i) {
            if (i < n) ASSERT_EQ(d[i], (s[i] - T(1.5)) / T(3)) << n << " at " << i;
            ASSERT_EQ(c[i], (s[i] - (i & 1 ? T(-2.5) : T(1.5))) / T(3)) << n << " at " << i;
        }
        EXPECT_EQ(real(s.data(), d.data(), n, T(0), -std::numeric_limits<T>::min()), 0);
        EXPECT_EQ(real(s.data(), d.data(), n, T(0), std::numeric_limits<T>::denorm_min()), orvStsErrDivByZero);
        EXPECT_EQ(cplx(reinterpret_cast<const C*>(s.data()), reinterpret_cast<C*>(c.data()), n, C{}, T(0)), orvStsErrDivByZero);
    }
}

TEST(StatsNormalize, FloatMembersDivideOnce)
{
    checkNormalize<Orv32f, Orv32fc>(orvsNormalize_32f, orvsNormalize_32fc);
    checkNormalize<Orv64f, Orv64fc>(orvsNormalize_64f, orvsNormalize_64fc);
    const Orv32f s[2] = {};
    Orv32f d[2] = {5, 5};
    EXPECT_EQ(orvsNormalize_32f(s, d, 2, 0.0f, 1.0e-39f), orvStsErrDivByZero);
    EXPECT_EQ(d[0], 5);
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

} // namespace
