// Every member against the model around its cut-over points, every 16-bit
// first operand, the ties random operands miss, and a rule of its own.
#include <cmath>

#include "scaled_model.h"

using namespace arith_test;

namespace {

template <class M>
void checkModel(const M& m)
{
    using A = typename M::TA;
    using B = typename M::TB;
    using D = typename M::TD;
    const auto sList = scaleFactors(m.cut, quick() ? 3 : 1);
    const auto& lens = oddLengths();
    // Each scale factor at one of the odd lengths, every length at least once.
    for (std::size_t si = 0; si < std::max(sList.size(), lens.size()); ++si) {
        const int s = sList[si % sList.size()];
        const int n = lens[si % lens.size()];
        const auto a = edgyVector<A>(n, 11 + si);
        const auto b = secondOperand(m, n, 23 + si);
        const auto old = edgyVector<D>(n, 37 + si);
        Unaligned<A> ua(n);
        Unaligned<B> ub(n);
        Unaligned<D> ud(n);
        ua.assign(a), ub.assign(b), ud.assign(old);
        ASSERT_EQ(m.f(ua.data(), ub.data(), ud.data(), n, s), orvStsOk) << m.name;
        for (int i = 0; i < n; ++i)
            ASSERT_TRUE(sameElement(ud[i], modelOf(m, a[i], b[i], old[i], s))) << m.name << " s=" << s << " i=" << i;
        if (m.inPlace) {
            const auto out = ud.vec();
            ASSERT_EQ(m.inPlace(ua.data(), ub.data(), ud.data(), n, s), orvStsOk) << m.name;
            ASSERT_TRUE(sameBits(out.data(), ud.data(), n)) << m.name << " in place, s=" << s;
        }
    }
}

TEST(ScaledRule, EveryMemberFollowsTheModel)
{
    forEachMember([](const auto& m) { checkModel(m); });
}

// 32-bit sums and products with second operands that put the exact result on
// multiples of 2^(s-1): odd multiples are ties, which random operands
// almost never reach.
TEST(ScaledRule, TiesOf32BitResults)
{
    const int n = quick() ? 1025 : 4099;
    const auto a = edgyVector<Orv32s>(n, 99u);
    for (int s = 1; s <= 32; ++s) {
        std::mt19937 rng(static_cast<std::uint32_t>(s));
        std::vector<Orv32s> sumTo(n), mulBy(n), d(n);
        for (int i = 0; i < n; ++i) {
            const i128 m = i128(static_cast<int>(rng() % 9) - 4) << (s - 1);
            const i128 want = m - a[i];
            sumTo[i] = want >= INT32_MIN && want <= INT32_MAX ? static_cast<Orv32s>(want) : 0;
            const Orv32s p = static_cast<Orv32s>(1u << (rng() % 31)) + static_cast<Orv32s>(rng() % 3) - 1;
            mulBy[i] = (rng() & 1) ? p : -p;
        }
        ASSERT_EQ(orvsAdd_32s_Sfs(a.data(), sumTo.data(), d.data(), n, s), orvStsOk);
        for (int i = 0; i < n; ++i) ASSERT_EQ(d[i], modelScale<Orv32s>(i128(a[i]) + sumTo[i], s, Cut{-31, 33}));
        ASSERT_EQ(orvsMul_32s_Sfs(a.data(), mulBy.data(), d.data(), n, s), orvStsOk);
        for (int i = 0; i < n; ++i) ASSERT_EQ(d[i], modelScale<Orv32s>(i128(a[i]) * mulBy[i], s, Cut{-32, 63}));
    }
}

// Products that are odd multiples of 2^14 are the ties of s = 15; every one
// must round to the even quotient, and (-32768)^2 saturates.
TEST(ScaledRule, Q15TiesRoundToEven)
{
    std::mt19937 rng(77);
    const int n = quick() ? 4001 : 40001;
    std::vector<Orv16s> a(n), b(n), d(n);
    for (int i = 0; i < n; ++i) {
        const int k = static_cast<int>(rng() % 15);  // a = m 2^k, b = q 2^(14-k), m and q odd
        const int m = static_cast<int>(rng() % (32768u >> k)) | 1, q = static_cast<int>(rng() % (32768u >> (14 - k))) | 1;
        a[i] = static_cast<Orv16s>((rng() & 1 ? -m : m) * (1 << k));
        b[i] = static_cast<Orv16s>((rng() & 1 ? -q : q) * (1 << (14 - k)));
    }
    a[0] = b[0] = -32768;
    a[1] = -32768, b[1] = 32767;
    ASSERT_EQ(orvsMul_16s_Sfs(a.data(), b.data(), d.data(), n, 15), orvStsOk);
    for (int i = 0; i < n; ++i) ASSERT_EQ(d[i], modelScale<Orv16s>(i128(a[i]) * b[i], 15, Cut{-16, 31})) << a[i] << " * " << b[i];
    EXPECT_EQ(d[0], 32767);
    for (Orv16s c : {Orv16s(16384), Orv16s(-16384), Orv16s(8192 * 3), Orv16s(-32768), Orv16s(1)}) {
        ASSERT_EQ(orvsMulC_16s_Sfs(a.data(), c, d.data(), n, 15), orvStsOk);
        for (int i = 0; i < n; ++i) ASSERT_EQ(d[i], modelScale<Orv16s>(i128(a[i]) * c, 15, Cut{-16, 31})) << a[i] << " * " << c;
    }
}

// x * val with val a double, formed exactly: the exact product of the
// integer significand under the shifted scale factor.
TEST(ScaledRule, MulC64f64s)
{
    const double vals[] = {1.0, -1.0, 0.5, 3.0, -0.1, 1e-300, 4.9e-324, -2.5e-310, 1e18, -7.25, 123456789.0};
    for (double v : vals) {
        for (int s : {-70, -20, -1, 0, 1, 5, 40, 70, 200}) {
            const int n = 33;
            auto x = edgyVector<Orv64s>(n, 7 + s);
            auto y = x;
            ASSERT_EQ(orvsMulC_64f64s_ISfs(v, y.data(), n, s), orvStsOk);
            int e;
            const double frac = std::frexp(v, &e);
            const i128 m = static_cast<i128>(std::ldexp(frac, 53));
            for (int i = 0; i < n; ++i)
                ASSERT_EQ(y[i], modelScale<Orv64s>(i128(x[i]) * m, s - (e - 53), kNone)) << "v=" << v << " s=" << s;
        }
    }
}

// 65536 + 5 elements: every 16-bit pattern as the first operand, an odd
// length for the remainder; the second operand random, then a pattern that
// pairs neighbouring values (ties and carries of the rounding).
template <class M>
void denseMember(const M& m)
{
    using T = typename M::TA;
    const int n = 65541;
    std::vector<T> a(n), b(n);
    for (int i = 0; i < n; ++i) a[i] = static_cast<T>(static_cast<std::uint16_t>(i * 40503u + 7u));
    Unaligned<T> ua(n), ub(n), ud(n);
    ua.assign(a);
    for (int pass = 0; pass < (m.constant ? 4 : 2); ++pass) {
        if (m.constant) b = secondOperand(m, n, 4242u + pass);
        else if (pass == 0) b = edgyVector<T>(n, 4242u);
        else for (int i = 0; i < n; ++i) b[i] = static_cast<T>(static_cast<std::uint16_t>((i * 40503u + 7u) ^ (i % 7)));
        ub.assign(b);
        for (int s = m.cut.satTo - 1; s <= m.cut.zeroFrom + 1; s += quick() ? 4 : 1) {
            ASSERT_EQ(m.f(ua.data(), ub.data(), ud.data(), n, s), orvStsOk);
            for (int i = 0; i < n; ++i)
                ASSERT_TRUE(sameElement(ud[i], modelOf(m, a[i], b[i], T{}, s))) << m.name << " s=" << s << " a=" << a[i] << " b=" << b[i];
        }
    }
}

TEST(Dense16, EveryFirstOperandEveryScaleFactor)
{
    forEachMember([](const auto& m) {
        using M = std::decay_t<decltype(m)>;
        using T = typename M::TA;
        if constexpr (sizeof(T) == 2 && !kCx<T> && std::is_same_v<T, typename M::TB> && std::is_same_v<T, typename M::TD>)
            if (m.scaled && !m.accumulates) denseMember(m);
    });
}

} // namespace
