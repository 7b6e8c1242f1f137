// Dense checks of the hand-written vector paths: every value of the first
// operand against random and structured second operands at every scale
// factor, for every 16-bit member of the table.
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

} // namespace
