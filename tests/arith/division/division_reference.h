// Reference models for the division tests, written from the rules alone:
// exact rational arithmetic in 128-bit integers, no floating point.
#pragma once
#include <cmath>
#include <cstdint>
#include <limits>

namespace div_ref {

using i128 = __int128;

enum Mode { kZero = 0, kNear = 1, kAway = 2 };

// floor(num / den) and the remainder, den > 0.
inline void floorDiv(i128 num, i128 den, i128& q, i128& r)
{
    q = num / den;
    r = num % den;
    if (r < 0) { r += den; q -= 1; }
}

// Rounds num / den (den > 0) to an integer by mode.
inline i128 roundQuotient(i128 num, i128 den, Mode mode)
{
    i128 q, r;
    floorDiv(num, den, q, r);
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
    if (v > std::numeric_limits<T>::max()) return std::numeric_limits<T>::max();
    if (v < std::numeric_limits<T>::min()) return std::numeric_limits<T>::min();
    return static_cast<T>(v);
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

} // namespace div_ref
