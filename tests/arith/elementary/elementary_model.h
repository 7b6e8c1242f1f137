// Reference models: exact integer comparisons for the roots, long double for
// the transcendental functions, distances in units in the last place.
#pragma once
#include <cmath>
#include <cstring>
#include <limits>

#include "../arith_model.h"

namespace elementary_test {
using namespace arith_test;

template <class D> constexpr long double kMaxL = static_cast<long double>(std::numeric_limits<D>::max());

// Nearest integer to root_k(|x|) 2^-s (k = 2 or 3), found from a long-double
// guess and settled by the exact test "m - 1/2 lies below the root":
// (2m - 1)^k 2^(k s) <= 2^k |x|. `tiesEven` picks the even neighbour of an
// exact half, otherwise the half rounds up.
template <class D>
D rootModel(long long x, int s, int k, bool tiesEven)
{
    const long double ax = std::fabs(static_cast<long double>(x));
    const long double v = (k == 2 ? std::sqrt(ax) : std::cbrt(ax)) * std::ldexp(1.0L, -s);
    const long double cap = x < 0 ? -static_cast<long double>(std::numeric_limits<D>::min()) : kMaxL<D>;
    if (v >= cap) return x < 0 ? std::numeric_limits<D>::min() : std::numeric_limits<D>::max();
    using u128 = unsigned __int128;  // (2m - 1)^2 and 4|x| 4^-s reach 2^127
    // A shift past the width stands for a value beyond any the other side reaches.
    auto shl = [](u128 v, int n) { return n < 128 ? v << n : v ? ~u128(0) : u128(0); };
    auto cmpHalf = [&](i128 m) {  // sign of (m - 1/2) 2^s - root
        u128 l = 1, r = u128(ax) << k;
        for (int j = 0; j < k; ++j) l *= 2 * m - 1;
        if (s >= 0) l = shl(l, k * s);
        else r = shl(r, -k * s);
        return l < r ? -1 : l > r ? 1 : 0;
    };
    i128 m = static_cast<i128>(std::floor(v + 0.5L));
    while (m > 0 && cmpHalf(m) > 0) --m;
    while (cmpHalf(m + 1) <= 0) ++m;
    if (tiesEven && m > 0 && cmpHalf(m) == 0 && (m & 1)) --m;
    m = std::min<i128>(m, static_cast<i128>(cap));
    return static_cast<D>(x < 0 ? -m : m);
}

// Nearest integer (the half rounding up) to v, saturated to D.
template <class D>
D halfUp(long double v)
{
    if (!(v < kMaxL<D>)) return std::numeric_limits<D>::max();
    if (v <= static_cast<long double>(std::numeric_limits<D>::min())) return std::numeric_limits<D>::min();
    return static_cast<D>(std::floor(v + 0.5L));
}

template <class D>
D lnModel(long long x, int s)
{
    return x > 0 ? halfUp<D>(std::log(static_cast<long double>(x)) * std::ldexp(1.0L, -s)) : std::numeric_limits<D>::min();
}

// Floats of one type between a and b (NaN equals NaN only).
template <class F>
double ulpDistance(F a, F b)
{
    if (std::isnan(a) || std::isnan(b)) return std::isnan(a) && std::isnan(b) ? 0 : 1e30;
    using I = std::conditional_t<sizeof(F) == 4, std::int32_t, std::int64_t>;
    I ia, ib;
    std::memcpy(&ia, &a, sizeof(F));
    std::memcpy(&ib, &b, sizeof(F));
    auto ordered = [](I v) { return v < 0 ? static_cast<long double>(std::numeric_limits<I>::min()) - v : static_cast<long double>(v); };
    return static_cast<double>(std::fabs(ordered(ia) - ordered(ib)));
}

// The warning of a logarithm over a vector: the first argument <= 0 decides.
template <class T>
int lnWarningModel(const T* x, int n)
{
    for (int i = 0; i < n; ++i)
        if (x[i] <= 0) return x[i] == 0 ? orvStsWarnLnZeroArg : orvStsWarnLnNegArg;
    return orvStsOk;
}

} // namespace elementary_test
