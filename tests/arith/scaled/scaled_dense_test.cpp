// Dense checks of the hand-written vector paths: every value of the first
// operand against random and structured second operands at every scale
// factor, for every 16-bit member of the table; and the floating-point loops
// around their unrolled bodies and remainders (nothing written past the end).
#include <cstring>

#include "scaled_model.h"

using namespace scaled_test;

namespace {

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
    orvs_test::Unaligned<T> ua(n), ub(n), ud(n);
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

// The floating loops: results as formed here one rounding at a time, for
// lengths around the unrolled body and the remainder, and a guard element
// after the end that must stay untouched.
template <class T, class F, class R>
void floatLengths(const char* name, F f, R ref)
{
    for (int n = 1; n <= 80; ++n) {
        const auto a = orvs_test::randomVector<T>(n, 100 + n), b = orvs_test::randomVector<T>(n, 200 + n);
        const auto old = orvs_test::randomVector<T>(n + 1, 300 + n);
        orvs_test::Unaligned<T> ua(n), ub(n), ud(n + 1);
        ua.assign(a);
        ub.assign(b);
        ud.assign(old);
        ASSERT_EQ(f(ua.data(), ub.data(), ud.data(), n), orvStsOk);
        for (int i = 0; i < n; ++i) {
            const T want = ref(a[i], b[i], old[i]);
            ASSERT_EQ(0, std::memcmp(&ud[i], &want, sizeof(T))) << name << " n=" << n << " i=" << i;
        }
        ASSERT_EQ(0, std::memcmp(&ud[n], &old[n], sizeof(T))) << name << " wrote past the end, n=" << n;
    }
}

TEST(DenseFloat, LengthsAroundTheVectorBody)
{
    floatLengths<Orv32f>("Add_32f", orvsAdd_32f, [](float a, float b, float) { return a + b; });
    floatLengths<Orv32f>("Sub_32f", orvsSub_32f, [](float a, float b, float) { return b - a; });
    floatLengths<Orv64f>("Mul_64f", orvsMul_64f, [](double a, double b, double) { return a * b; });
    floatLengths<Orv32f>("AddProduct_32f", orvsAddProduct_32f, [](float a, float b, float d) { return d + a * b; });
    floatLengths<Orv32f>("AddC_32f", [](const Orv32f* a, const Orv32f*, Orv32f* d, int n) {
        return orvsAddC_32f(a, 0.375f, d, n);
    }, [](float a, float, float) { return a + 0.375f; });
    floatLengths<Orv64f>("SubCRev_64f", [](const Orv64f* a, const Orv64f*, Orv64f* d, int n) {
        return orvsSubCRev_64f(a, -3.25, d, n);
    }, [](double a, double, double) { return -3.25 - a; });
    auto cmul = [](Orv32fc a, Orv32fc b) {
        const float rr = a.re * b.re, ii = a.im * b.im, ri = a.re * b.im, ir = a.im * b.re;
        return Orv32fc{rr - ii, ri + ir};
    };
    floatLengths<Orv32fc>("Mul_32fc", orvsMul_32fc, [&](Orv32fc a, Orv32fc b, Orv32fc) { return cmul(a, b); });
    floatLengths<Orv32fc>("AddProduct_32fc", orvsAddProduct_32fc, [&](Orv32fc a, Orv32fc b, Orv32fc d) {
        const Orv32fc p = cmul(a, b);
        return Orv32fc{d.re + p.re, d.im + p.im};
    });
    floatLengths<Orv64fc>("SubC_64fc", [](const Orv64fc* a, const Orv64fc*, Orv64fc* d, int n) {
        return orvsSubC_64fc(a, Orv64fc{1.5, -2.0}, d, n);
    }, [](Orv64fc a, Orv64fc, Orv64fc) { return Orv64fc{a.re - 1.5, a.im + 2.0}; });
}

} // namespace
