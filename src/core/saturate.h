// Saturation and the integer scale-factor rule, in one place for every family.
//
// A scaled integer result is: the exact result r, multiplied by 2^-s, rounded
// to nearest with ties to even (s > 0 only), saturated to the destination.
#pragma once
#include <cmath>
#include <cstdint>
#include <limits>
#include <type_traits>

#include "orvs/types.h"

namespace orvs {

using i128 = __int128;

template <class T>
struct IntRange {
    static constexpr std::int64_t min = static_cast<std::int64_t>(std::numeric_limits<T>::min());
    static constexpr std::int64_t max = static_cast<std::int64_t>(std::numeric_limits<T>::max());
};

template <class W>
constexpr int wideBits = static_cast<int>(sizeof(W) * 8);

// Clamp an integer or floating value of a wider type to the range of integer T.
// NaN maps to 0 (floating inputs only).
template <class T, class W>
constexpr T saturate(W v)
{
    static_assert(std::is_integral_v<T>);
    if constexpr (std::is_floating_point_v<W>) {
        if (v != v) return T(0);
        if (v >= static_cast<W>(std::numeric_limits<T>::max())) return std::numeric_limits<T>::max();
        if (v <= static_cast<W>(std::numeric_limits<T>::min())) return std::numeric_limits<T>::min();
        return static_cast<T>(v);
    } else {
        using Tw = std::conditional_t<std::is_same_v<W, i128> || std::is_same_v<W, unsigned __int128>, i128,
                   std::conditional_t<std::is_signed_v<W> || sizeof(W) < 8, std::int64_t, std::uint64_t>>;
        if constexpr (std::is_unsigned_v<W> && sizeof(W) >= 8 && !std::is_same_v<W, unsigned __int128>) {
            std::uint64_t u = static_cast<std::uint64_t>(v);
            return u > static_cast<std::uint64_t>(std::numeric_limits<T>::max()) ? std::numeric_limits<T>::max()
                                                                                  : static_cast<T>(u);
        } else {
            Tw x = static_cast<Tw>(v);
            if (x > static_cast<Tw>(std::numeric_limits<T>::max())) return std::numeric_limits<T>::max();
            if (x < static_cast<Tw>(std::numeric_limits<T>::min())) return std::numeric_limits<T>::min();
            return static_cast<T>(x);
        }
    }
}

template <class W> struct UnsignedOf { using type = std::make_unsigned_t<W>; };
template <> struct UnsignedOf<i128> { using type = unsigned __int128; };

// r * 2^-s rounded to nearest, ties to even, for s > 0. Written as quotient
// and remainder so that no intermediate overflows for any r of W and any s
// (the same value as (r + 2^(s-1) - 1 + ((r >> s) & 1)) >> s).
template <class W>
constexpr W roundShiftEven(W r, int s)
{
    if (s <= 0) return r;
    // |r| <= 2^(bits-1) <= 2^(s-1): the quotient lies in [-0.5, 0.5), and -0.5 ties to 0.
    if (s >= wideBits<W>) return W(0);
    using U = typename UnsignedOf<W>::type;
    W q = r >> s;
    const U rem = static_cast<U>(r) & ((U(1) << s) - 1);
    const U half = U(1) << (s - 1);
    if (rem > half || (rem == half && (q & 1))) q += 1;
    return q;
}

// The whole scale rule for one exact result r (held in a wide signed type).
template <class T, class W>
constexpr T scaleRoundSaturate(W r, int s)
{
    if (s > 0) return saturate<T>(roundShiftEven<W>(r, s));
    if (s == 0) return saturate<T>(r);
    // Left shift: exact, then saturated. Compare magnitudes before shifting
    // so nothing overflows; shifting past the range saturates by sign.
    if (r == 0) return T(0);
    using U = unsigned __int128;
    const int k = s < -64 ? 64 : -s;  // clamped before negating: s may be INT_MIN
    const i128 rw = static_cast<i128>(r);
    const U mag = rw > 0 ? U(rw) : U(0) - U(rw);
    const U bound = rw > 0 ? U(IntRange<T>::max) : U(-static_cast<i128>(IntRange<T>::min));
    if (k >= 64 || mag > (bound >> k)) return rw > 0 ? std::numeric_limits<T>::max() : std::numeric_limits<T>::min();
    const i128 shifted = static_cast<i128>(mag << k);
    return static_cast<T>(rw > 0 ? shifted : -shifted);
}

// ---- rounding of floating values to integers (independent of MXCSR) ------

// Half away from zero. (Adding 0.5 and truncating would round the largest
// double below 0.5 up to 1, and odd integers from 2^52 on to the next even.)
inline double roundHalfAway(double x) { return std::round(x); }

// Nearest with ties to even, exact for every double.
inline double roundNearestEven(double x)
{
    double f = std::floor(x);
    double d = x - f;  // exact for |x| < 2^52; larger values are integers already
    if (d > 0.5) return f + 1.0;
    if (d < 0.5) return f;
    return std::fmod(f, 2.0) == 0.0 ? f : f + 1.0;
}

} // namespace orvs
