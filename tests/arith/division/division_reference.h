// Reference models for the division tests, written from the rules alone
// (exact rational arithmetic in 128-bit integers, no floating point), and the
// one driver every division test calls a member through.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <type_traits>
#include <vector>

#include "test_util.h"

namespace div_ref {

using i128 = __int128;

enum Mode { kZero = 0, kNear = 1, kAway = 2 };

// Rounds num / den (den > 0) to an integer by mode, from the floor and the
// remainder.
inline i128 roundQuotient(i128 num, i128 den, Mode mode)
{
    i128 q = num / den, r = num % den;
    if (r < 0) r += den, q -= 1;
    if (r == 0) return q;
    switch (mode) {
    case kZero: return num < 0 ? q + 1 : q;
    case kNear: return (2 * r > den || (2 * r == den && (q & 1))) ? q + 1 : q;
    default: return (2 * r > den || (2 * r == den && q >= 0)) ? q + 1 : q;
    }
}

template <class T>
T saturate(i128 v)
{
    return static_cast<T>(std::clamp<i128>(v, std::numeric_limits<T>::min(), std::numeric_limits<T>::max()));
}

// x * 2^-s / d, rounded and saturated to T; a zero divisor gives max / min / 0
// by the dividend's sign. Valid for |s| small enough that x * 2^|s| and
// d * 2^|s| fit in 126 bits.
template <class T>
T quotient(std::int64_t x, std::int64_t d, int s, Mode mode = kNear)
{
    if (d == 0) return x > 0 ? std::numeric_limits<T>::max() : x < 0 ? std::numeric_limits<T>::min() : T(0);
    i128 num = x, den = d;
    if (s >= 0) den <<= s; else num *= (i128(1) << -s);
    if (den < 0) { den = -den; num = -num; }
    return saturate<T>(roundQuotient(num, den, mode));
}

// Output for a zero divisor: signed infinity, or NaN for 0/0.
template <class F>
F zeroDivisorOutput(F x)
{
    if (x > 0) return std::numeric_limits<F>::infinity();
    if (x < 0) return -std::numeric_limits<F>::infinity();
    return std::numeric_limits<F>::quiet_NaN();
}

// Equal values, any NaN matching any NaN.
template <class F>
bool sameValue(F a, F b) { return (std::isnan(a) && std::isnan(b)) || a == b; }

template <class T>
bool isZero(const T& v)
{
    if constexpr (requires { v.re; }) return v.re == 0 && v.im == 0;
    else return v == 0;
}

// Random integers of T with a share of zeros, ones and extremes mixed in.
template <class T>
std::vector<T> operands(std::size_t n, std::uint32_t seed)
{
    auto v = orvs_test::randomVector<T>(n, seed);
    std::mt19937 rng(seed ^ 0x9e3779b9u);
    for (auto& x : v) {
        switch (rng() % 16) {
        case 0: x = 0; break;
        case 1: x = 1; break;
        case 2: x = std::numeric_limits<T>::min(); break;
        case 3: x = std::numeric_limits<T>::max(); break;
        case 4: x = static_cast<T>(rng() % 7); break;  // small: many exact halves
        default: break;
        }
    }
    return v;
}

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

} // namespace div_ref
