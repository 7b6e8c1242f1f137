// The zero-divisor rule of the float members, and the one driver every
// division test calls a member through.
#pragma once
#include "../arith_model.h"

namespace arith_test {

// Output for a zero divisor: signed infinity, or NaN for 0/0.
template <class F>
F zeroDivisorOutput(F x)
{
    return x > 0 ? std::numeric_limits<F>::infinity() : x < 0 ? -std::numeric_limits<F>::infinity() : std::numeric_limits<F>::quiet_NaN();
}

// Equal values, any NaN matching any NaN.
template <class F>
bool sameValue(F a, F b) { return (std::isnan(a) && std::isnan(b)) || a == b; }

template <class T>
bool isZero(T v) { return part(v, 0) == 0 && part(v, 1) == 0; }

// One call of f(divisor, dividend, dst, len, s) with the destination at
// element offset `off` inside guard bands (the sources at other offsets):
// the warning exactly when a divisor is zero, check(i, got) for every
// element, nothing written outside; then the in-place form g(divisor,
// srcDst, len, s), unless null, gives the same bytes and status.
template <class TX, class TD, class TO, class F, class G, class C>
void runDiv(const char* name, F f, G g, const std::vector<TX>& x, const std::vector<TD>& d, int s, int off, C check)
{
    const int n = static_cast<int>(x.size());
    bool zero = false;
    for (const TD& v : d) zero |= isZero(v);
    const OrvStatus st = zero ? orvStsWarnDivByZero : orvStsOk;
    orvs_test::Guarded<TX> gx(n, (off + 1) % 4);
    orvs_test::Guarded<TD> gd(n, (off + 2) % 4);
    orvs_test::Guarded<TO> go(n, off);
    gx.assign(x);
    gd.assign(d);
    ASSERT_EQ(f(gd.data(), gx.data(), go.data(), n, s), st) << name << " len " << n << " s " << s;
    for (int i = 0; i < n; ++i) ASSERT_TRUE(check(i, go[i])) << name << " len " << n << " s " << s << " off " << off << " i " << i;
    ASSERT_TRUE(go.guardsIntact()) << name << " wrote outside, len " << n << " off " << off;
    if constexpr (!std::is_null_pointer_v<G>) {
        ASSERT_EQ(g(gd.data(), gx.data(), n, s), st) << name << " in place";
        ASSERT_TRUE(orvs_test::sameBits(gx.data(), go.data(), n) && gx.guardsIntact()) << name << " in place, len " << n << " s " << s;
    }
}

// The driver's call shapes f(divisor, dividend, dst, len, s) and g(divisor,
// srcDst, len, s) for a member taking `args` after its length; constant
// members read their constant from d[0].
#define VV(fn, ...) [=](auto* d, auto* x, auto* o, int n, [[maybe_unused]] int s) { return fn(d, x, o, n __VA_OPT__(, ) __VA_ARGS__); }
#define VVI(fn, ...) [=](auto* d, auto* xo, int n, [[maybe_unused]] int s) { return fn(d, xo, n __VA_OPT__(, ) __VA_ARGS__); }
#define VC(fn, ...) [=](auto* d, auto* x, auto* o, int n, [[maybe_unused]] int s) { return fn(x, d[0], o, n __VA_OPT__(, ) __VA_ARGS__); }
#define VCI(fn, ...) [=](auto* d, auto* xo, int n, [[maybe_unused]] int s) { return fn(d[0], xo, n __VA_OPT__(, ) __VA_ARGS__); }

// runDiv against expected values.
template <class T, class F, class G = std::nullptr_t>
void expectDiv(const char* name, F f, const std::vector<T>& d, const std::vector<T>& x, int s, const std::vector<T>& want, G g = nullptr)
{
    runDiv<T, T, T>(name, f, g, x, d, s, 1, [&](int i, T got) {
        if (got == want[i] || (got != got && want[i] != want[i])) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << +x[i] << " / " << +d[i] << " gave " << +got << ", want " << +want[i];
    });
}

} // namespace arith_test
