// Real thresholds (by value, with replacement values, by absolute value)
// against per-element models written from the rules, bit for bit, over odd
// lengths, unaligned buffers, in place and out of place, with NaN, infinities
// and signed zeros among the inputs; the check order of every member kind.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "test_util.h"

using namespace orvs_test;

namespace {

template <class T> struct P { T a, b, c; };  // level, value, and a second value
template <class T> struct Member {
    const char* name;
    OrvStatus (*run)(const T*, T*, int, P<T>);
    OrvStatus (*runI)(T*, int, P<T>);
    T (*model)(T, P<T>);
};

template <class T> bool isNaN(T x) { if constexpr (std::is_floating_point_v<T>) return std::isnan(x); else return false; }
template <class T> long double mag(T x) { return std::fabs(static_cast<long double>(x)); }
// level with the sign of x (integers: x < 0 selects -level).
template <class T> T signed_(T level, T x) { if constexpr (std::is_floating_point_v<T>) return std::copysign(level, x); else return x < 0 ? T(-level) : level; }
template <class T> T lower(T x, T l, T v) { return l <= x ? x : v; }
template <class T> T gtVal(T x, P<T> p) { return x > p.a ? p.b : x; }
template <class T> T lt(T x, P<T> p) { return isNaN(x) || x < p.a ? p.a : x; }
template <class T> T gt(T x, P<T> p) { return isNaN(x) || x > p.a ? p.a : x; }
template <class T> T ltVal(T x, P<T> p) { return lower(x, p.a, p.b); }
template <class T> T both(T x, P<T> p) { return gtVal(lower(x, std::min(p.a, p.b), p.c), {std::max(p.a, p.b), T(-p.c), 0}); }
template <class T> T absT(T x) { return static_cast<T>(std::abs(x)); }
template <class T> T ltAbs(T x, P<T> p) { return isNaN(x) || mag(x) < mag(p.a) ? signed_(absT(p.a), x) : x; }
template <class T> T gtAbs(T x, P<T> p) { return isNaN(x) || mag(x) > mag(p.a) ? signed_(absT(p.a), x) : x; }

#define ORVS_MEMBER(T, label, fn, args, model)                                                   \
    Member<T>{label, [](const T* s, T* d, int n, P<T> p) { return fn(s, d, n, ORVS_UNPAREN args); }, \
              [](T* sd, int n, P<T> p) { return fn##_I(sd, n, ORVS_UNPAREN args); }, model<T>}
#define ORVS_UNPAREN(...) __VA_ARGS__
#define ORVS_SHARED(T, S)                                                                                         \
    ORVS_MEMBER(T, "LT", orvsThreshold_LT_##S, (p.a), lt), ORVS_MEMBER(T, "GT", orvsThreshold_GT_##S, (p.a), gt), \
        ORVS_MEMBER(T, "LTValGTVal", orvsThreshold_LTValGTVal_##S, (std::min(p.a, p.b), p.c, std::max(p.a, p.b), T(-p.c)), both), \
        ORVS_MEMBER(T, "LTAbs", orvsThreshold_LTAbs_##S, (absT(p.a)), ltAbs),                                \
        ORVS_MEMBER(T, "GTAbs", orvsThreshold_GTAbs_##S, (absT(p.a)), gtAbs)
#define ORVS_GENERIC(T, S)                                                                                       \
    ORVS_MEMBER(T, "relOp less", orvsThreshold_##S, (p.a, orvCmpLess), lt),                                    \
        ORVS_MEMBER(T, "relOp greater", orvsThreshold_##S, (p.a, orvCmpGreater), gt),                           \
        ORVS_MEMBER(T, "LTVal", orvsThreshold_LTVal_##S, (p.a, p.b), ltVal),                                     \
        ORVS_MEMBER(T, "GTVal", orvsThreshold_GTVal_##S, (p.a, p.b), gtVal)

template <class T> std::vector<Member<T>> members();
template <> std::vector<Member<Orv16s>> members() { return {ORVS_SHARED(Orv16s, 16s), ORVS_GENERIC(Orv16s, 16s)}; }
template <> std::vector<Member<Orv32s>> members() { return {ORVS_SHARED(Orv32s, 32s)}; }
template <> std::vector<Member<Orv32f>> members() { return {ORVS_SHARED(Orv32f, 32f), ORVS_GENERIC(Orv32f, 32f)}; }
template <> std::vector<Member<Orv64f>> members() { return {ORVS_SHARED(Orv64f, 64f), ORVS_GENERIC(Orv64f, 64f)}; }

// Inputs with the values that sit on and beside the levels, the type's
// extremes and, for floats, NaN, infinities and both zeros.
template <class T>
std::vector<T> inputs(int n, std::uint32_t seed, P<T> p)
{
    using Lim = std::numeric_limits<T>;
    auto v = randomVector<T>(n, seed, -300, 300);  // integers: over their whole range
    std::vector<T> special = {p.a, T(-p.a), p.b, p.c, T(0), Lim::max(), Lim::lowest(), T(p.a + 1), T(p.a - 1)};
    if constexpr (std::is_floating_point_v<T>)
        special.insert(special.end(), {Lim::quiet_NaN(), -Lim::quiet_NaN(), Lim::infinity(), -Lim::infinity(), T(-0.0), Lim::denorm_min()});
    for (int i = 0; i < n; i += 3) v[i] = special[(i / 3 + seed) % special.size()];
    return v;
}

template <class T>
void checkMembers()
{
    const std::vector<P<T>> params = {{T(0), T(5), T(7)}, {T(10), T(-20), T(3)}, {T(-40), T(40), T(-9)}, {T(250), T(-250), T(0)}};
    for (const Member<T>& m : members<T>())
        for (const P<T>& p : params)
            for (int n : oddLengths()) {
                const auto x = inputs<T>(n, n * 31 + int(p.a), p);
                Guarded<T> src(n, 1), dst(n, n % 3);
                src.assign(x);
                Unaligned<T> io(n);
                io.assign(x);
                ASSERT_EQ(m.run(src.data(), dst.data(), n, p), orvStsOk) << m.name;
                ASSERT_EQ(m.runI(io.data(), n, p), orvStsOk) << m.name;
                ASSERT_TRUE(dst.guardsIntact()) << m.name;
                for (int i = 0; i < n; ++i) {
                    const T want = m.model(x[i], p);
                    ASSERT_TRUE(sameBits(dst[i], want) && sameBits(io[i], want))
                        << m.name << " level " << p.a << " n " << n << " x[" << i << "] = " << x[i] << ": " << dst[i] << ", in place " << io[i]
                        << ", want " << want;
                }
            }
}

TEST(ThresholdReal, MembersFollowTheirRules)
{
    checkMembers<Orv16s>(), checkMembers<Orv32s>(), checkMembers<Orv32f>(), checkMembers<Orv64f>();
}

// Every member over every 16-bit input.
TEST(ThresholdReal, Every16BitValue)
{
    std::vector<Orv16s> x(65536), d(65536);
    for (int i = 0; i < 65536; ++i) x[i] = static_cast<Orv16s>(i - 32768);
    for (const Member<Orv16s>& m : members<Orv16s>())
        for (P<Orv16s> p : {P<Orv16s>{0, 1, 2}, {1, -1, 5}, {255, -300, 7}, {32767, -32767, 32767}}) {
            ASSERT_EQ(m.run(x.data(), d.data(), 65536, p), orvStsOk);
            for (int i = 0; i < 65536; ++i) ASSERT_EQ(d[i], m.model(x[i], p)) << m.name << " x " << x[i] << " level " << p.a;
        }
}

// Statuses in the order pointers, length, relation, level sign, level order;
// nothing is written on an error; a NaN level passes the sign test.
TEST(ThresholdChecks, OrderAndStatuses)
{
    Guarded<float> s(8), d(8);
    Guarded<Orv32fc> cs(8), cd(8);
    Guarded<Orv16s> is(8), id(8);
    const float nan = std::numeric_limits<float>::quiet_NaN();
    s.assign(std::vector<float>(8, 1.0f));
    cs.assign(std::vector<Orv32fc>(8, Orv32fc{3, 4}));
    d.fill(), cd.fill(), id.fill();
    const struct { const char* what; OrvStatus got, want; } rows[] = {
        {"relOp 1", orvsThreshold_32f(s.data(), d.data(), 8, 1, (OrvCmpOp)1), orvStsErrBadArg},
        {"relOp 2", orvsThreshold_32f_I(d.data(), 8, 1, (OrvCmpOp)2), orvStsErrBadArg},
        {"relOp 3", orvsThreshold_16s(is.data(), id.data(), 8, 1, (OrvCmpOp)3), orvStsErrBadArg},
        {"relOp 5 before the level", orvsThreshold_32fc(cs.data(), cd.data(), 8, -1, (OrvCmpOp)5), orvStsErrBadArg},
        {"complex level", orvsThreshold_LT_32fc(cs.data(), cd.data(), 8, -1), orvStsErrThreshNegLevel},
        {"complex GT level", orvsThreshold_GT_16sc_I(reinterpret_cast<Orv16sc*>(id.data()), 4, -1), orvStsErrThreshNegLevel},
        {"complex value level", orvsThreshold_LTVal_64fc(reinterpret_cast<Orv64fc*>(s.data()), reinterpret_cast<Orv64fc*>(d.data()), 2, -0.5, {-1, -1}), orvStsErrThreshNegLevel},
        {"abs level", orvsThreshold_LTAbs_32s(reinterpret_cast<Orv32s*>(s.data()), reinterpret_cast<Orv32s*>(d.data()), 8, -1), orvStsErrThreshNegLevel},
        {"abs level", orvsThreshold_GTAbs_64f_I(reinterpret_cast<Orv64f*>(d.data()), 4, -1e-300), orvStsErrThreshNegLevel},
        {"inverse level", orvsThreshold_LTInv_32f(s.data(), d.data(), 8, -0.0f - 1e-30f), orvStsErrThreshNegLevel},
        {"levels", orvsThreshold_LTValGTVal_16s(is.data(), id.data(), 8, 10, 0, 5, 0), orvStsErrThreshLevels},
        {"levels", orvsThreshold_LTValGTVal_32f_I(d.data(), 8, 1.5f, 0, 1.0f, 0), orvStsErrThreshLevels},
    };
    for (const auto& r : rows) EXPECT_EQ(r.got, r.want) << r.what;
    EXPECT_TRUE(d.intact() && cd.intact() && id.intact());
    // Real value members take any level; NaN levels pass the sign tests.
    EXPECT_EQ(orvsThreshold_LTVal_32fc(cs.data(), cd.data(), 8, nan, {0, 0}), orvStsOk);
    EXPECT_EQ(orvsThreshold_LTAbs_32f(s.data(), d.data(), 8, nan), orvStsOk);
    EXPECT_EQ(orvsThreshold_LTInv_32fc(cs.data(), cd.data(), 8, nan), orvStsOk);
    EXPECT_EQ(orvsThreshold_LTValGTVal_32f(s.data(), d.data(), 8, nan, 0, 1, 0), orvStsOk);
}

TEST(ThresholdRealVariants, Avx) { ORVS_RERUN_UNDER_VARIANT("avx", "ThresholdReal.*"); }
TEST(ThresholdRealVariants, Avx2) { ORVS_RERUN_UNDER_VARIANT("avx2", "ThresholdReal.*"); }

} // namespace
