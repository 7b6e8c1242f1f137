// The exact integer rule shared by the arithmetic tests, written from the
// rules alone (128-bit integers, floor division and an explicit remainder
// comparison, saturation by comparison), and random operands with the values
// that break kernels mixed in.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "test_util.h"

namespace arith_test {
using namespace orvs_test;
using i128 = __int128;

template <class T> constexpr bool kCx = requires(T t) { t.re; };
// Component k; a real value stands for both components.
template <class T>
auto& part(T& v, int k)
{
    if constexpr (kCx<std::remove_const_t<T>>) return k ? v.im : v.re;
    else return v;
}
template <class T> using Comp = std::remove_cvref_t<decltype(part(std::declval<T&>(), 0))>;
template <class T> constexpr int kParts = kCx<T> ? 2 : 1;
template <class T> constexpr bool kFloat = std::is_floating_point_v<Comp<T>>;

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

// x * 2^-s / d, rounded and saturated to T. A zero divisor, or a shift up
// past 126 bits, gives max / min / 0 by the sign; |x| < 2^126, and d * 2^s
// must fit in 126 bits.
template <class T>
T quotient(i128 x, i128 d, int s, Mode mode = kNear)
{
    if (d < 0) d = -d, x = -x;
    if (d == 0 || (s < 0 && (s <= -64 || (x < 0 ? -x : x) > (i128(1) << (126 + s)))))
        return x > 0 ? std::numeric_limits<T>::max() : x < 0 ? std::numeric_limits<T>::min() : T(0);
    if (s >= 127) return T(0);
    if (s >= 0) d <<= s;
    else x *= i128(1) << -s;
    return saturate<T>(roundQuotient(x, d, mode));
}

// Random values: integers over the whole range with extremes, zero, +-1 and
// small values (many exact halves) mixed in; floats in [-1000, 1000].
template <class T>
std::vector<T> edgyVector(std::size_t n, std::uint32_t seed)
{
    auto v = randomVector<T>(n, seed);
    if constexpr (!kFloat<T>) {
        using C = Comp<T>;
        std::mt19937 rng(seed ^ 0x9e3779b9u);
        const C special[] = {std::numeric_limits<C>::min(), std::numeric_limits<C>::max(), C(0), C(1), C(C(0) - 1)};
        for (auto& x : v)
            for (int k = 0; k < kParts<T>; ++k)
                if (const unsigned r = rng() % 16; r < 5) part(x, k) = special[r];
                else if (r == 5) part(x, k) = static_cast<C>(rng() % 7);
    }
    return v;
}

} // namespace arith_test
