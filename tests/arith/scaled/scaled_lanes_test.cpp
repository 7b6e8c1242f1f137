// Every member at every length up to a few registers and every element
// offset: the last partial register gives the model's values and nothing
// outside the destination is written; then streamed long destinations.
#include <cmath>
#include <string>
#include <utility>

#include "scaled_model.h"

using namespace arith_test;

namespace {

constexpr int kMaxLen = 130;

// The scale factors of the lane sweep: each form of the scaling (saturate,
// halve, round-shift, the top of the range, shift up, sign saturation).
std::vector<int> laneScales(Cut cut)
{
    if (cut.satTo == INT_MIN) return {0};
    return {0, 1, 2, cut.zeroFrom - 1, -1, cut.satTo + 1, cut.satTo};
}

template <class M>
void sweepMember(const M& m)
{
    using A = typename M::TA;
    using B = typename M::TB;
    using D = typename M::TD;
    const auto va = edgyVector<A>(kMaxLen, 101u);
    const auto vb = secondOperand(m, kMaxLen, 202u);
    const auto vd = edgyVector<D>(kMaxLen, 303u);
    const int offsets = static_cast<int>(64 / sizeof(D));
    for (int s : laneScales(m.cut)) {
        lengthOffsetSweep(kMaxLen, offsets, [&](int n, int o) {
            Guarded<A> a(n, (o * 7 + 3) % offsets);  // the sources at other offsets
            Guarded<B> b(n, (o * 5 + 1) % offsets);
            Guarded<D> d(n, o);
            a.assign(va.data(), n), b.assign(vb.data(), n), d.assign(vd.data(), n);
            ASSERT_EQ(m.f(a.data(), b.data(), d.data(), n, s), orvStsOk) << m.name;
            for (int i = 0; i < n; ++i)
                ASSERT_TRUE(sameElement(d[i], modelOf(m, va[i], vb[i], vd[i], s)))
                    << m.name << " s=" << s << " n=" << n << " offset=" << o << " element " << i;
            ASSERT_TRUE(d.guardsIntact()) << m.name << " wrote outside, s=" << s << " n=" << n << " offset=" << o;
        });
        if (::testing::Test::HasFatalFailure()) return;
    }
}

TEST(LaneTails, EveryMemberEveryLengthEveryOffset)
{
    forEachMember([](const auto& m) { sweepMember(m); });
}

// Single-precision products to 16 bits, both forms, at length n and element
// offset o.
void checkFloatTo16(const std::vector<Orv32f>& x, int n, int o)
{
    for (int low = 0; low < 2; ++low) {
        Guarded<Orv16s> d(n, o);
        ASSERT_EQ(low ? orvsMulC_Low_32f16s(x.data(), 0.5f, d.data(), n) : orvsMulC_32f16s_Sfs(x.data(), 1.0f, d.data(), n, 1),
                  orvStsOk);
        for (int i = 0; i < n; ++i) ASSERT_EQ(d[i], productTo16(x[i] * 0.5f, low)) << "low=" << low << " i=" << i;
        ASSERT_TRUE(d.guardsIntact()) << "low=" << low << " n=" << n << " offset=" << o;
    }
}

std::vector<Orv32f> floatSource(int n)
{
    std::vector<Orv32f> x(n);
    for (int i = 0; i < n; ++i) x[i] = static_cast<float>((i * 7919LL) % 90001 - 45000) * 0.73f;
    x[3] = std::nanf("");
    return x;
}

TEST(LaneTails, FloatTo16)
{
    const auto x = floatSource(kMaxLen);
    lengthOffsetSweep(100, 32, [&](int n, int o) { checkFloatTo16(x, n, o); });
}

// Destinations of a megabyte or more take the non-temporal store path, which
// starts at the first register-aligned destination element: every element
// offset, the sizes on both sides of the cut-over, and the in-place form
// (ordinary stores).
template <class M>
void longSweep(const M& m, int s)
{
    using T = typename M::TD;
    const int cutLen = static_cast<int>((std::size_t(1) << 20) / sizeof(T));
    const auto lens = quick() ? std::vector<int>{cutLen + 77} : std::vector<int>{cutLen - 1, cutLen, cutLen + 77, 3 * cutLen / 2 + 5};
    const auto va = edgyVector<T>(lens.back(), 707u), vb = edgyVector<T>(lens.back(), 808u);
    for (int len : lens) {
        for (int o = 0; o < static_cast<int>(64 / sizeof(T)); o += quick() ? 5 : 1) {
            Guarded<T> d(len, o);
            ASSERT_EQ(m.f(va.data(), vb.data(), d.data(), len, s), orvStsOk);
            for (int i = 0; i < len; ++i)
                ASSERT_TRUE(sameElement(d[i], modelOf(m, va[i], vb[i], T{}, s))) << m.name << " len=" << len << " offset=" << o << " i=" << i;
            ASSERT_TRUE(d.guardsIntact()) << m.name << " wrote outside, offset " << o;
        }
        std::vector<T> inPlace(va.begin(), va.begin() + len);
        ASSERT_EQ(m.f(inPlace.data(), vb.data(), inPlace.data(), len, s), orvStsOk);
        for (int i = 0; i < len; i += 97) ASSERT_TRUE(sameElement(inPlace[i], modelOf(m, va[i], vb[i], T{}, s))) << m.name << " in place, i=" << i;
    }
}

TEST(LongVectors, StreamedStores)
{
    const std::pair<std::string, int> picked[] = {{"Add_16s", 1}, {"Mul_16s", 15}, {"Sub_32s", -3}, {"Add_16sc", 2}, {"Mul_32f", 0}};
    int swept = 0;
    forEachMember([&](const auto& m) {
        using M = std::decay_t<decltype(m)>;
        if constexpr (std::is_same_v<typename M::TA, typename M::TD> && std::is_same_v<typename M::TB, typename M::TD>)
            for (const auto& [name, s] : picked)
                if (name == m.name && m.scaled == (s != 0)) longSweep(m, s), ++swept;
    });
    EXPECT_EQ(swept, 5);
}

// The float-to-16-bit products stream long destinations too.
TEST(LongVectors, StreamedFloatTo16)
{
    const int len = (1 << 19) + 45;
    const auto x = floatSource(len);
    for (int o = 0; o < 16; o += quick() ? 5 : 1) checkFloatTo16(x, len, o);
}

} // namespace
