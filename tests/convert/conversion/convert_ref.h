// Reference models for the conversion tests, written from the rules alone:
// exact rational rounding in wide integers and long double, and a binary
// search over the table of half-precision values.
#pragma once
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <vector>

#include "test_util.h"

namespace convert_ref {
using namespace orvs_test;
using i128 = __int128;

// Integer rounding of x / 2^s (s > 0) by rndMode (0 zero, 1 even, else away),
// from floor division: q = floor(x / 2^s), remainder 0 <= r < 2^s.
inline i128 divPow2(i128 x, int s, int mode)
{
    if (s >= 120) return 0;  // |x| < 2^64 here: far below one half
    const i128 unit = i128(1) << s;
    i128 q = x >> s;  // floor
    const i128 r = x - q * unit;
    if (r == 0) return q;
    if (mode == 0) return x < 0 ? q + 1 : q;
    const i128 twice = 2 * r;
    if (twice > unit) return q + 1;
    if (twice < unit) return q;
    if (mode == 1) return (q & 1) ? q + 1 : q;
    return x < 0 ? q : q + 1;  // tie away from zero
}

inline std::int64_t sat(i128 v, std::int64_t lo, std::int64_t hi) { return v < lo ? lo : v > hi ? hi : std::int64_t(v); }

// Integer x scaled by 2^-s, rounded (s > 0) and saturated to [lo, hi].
inline std::int64_t scaleInt(i128 x, int s, int mode, std::int64_t lo, std::int64_t hi)
{
    if (s > 0) return sat(divPow2(x, s, mode), lo, hi);
    if (s == 0 || x == 0) return sat(x, lo, hi);
    if (-s > 60) return x > 0 ? hi : lo;
    return sat(x * (i128(1) << -s), lo, hi);
}

// Floating value already scaled: NaN to hi, rounded by mode, saturated.
inline std::int64_t roundFloat(long double v, int mode, std::int64_t lo, std::int64_t hi)
{
    if (std::isnan(v)) return hi;
    if (v >= (long double)hi + 1) return hi;
    if (v <= (long double)lo - 1) return lo;
    long double f = std::floor(v), d = v - f, r;
    if (mode == 0) r = v < 0 ? std::ceil(v) : f;
    else if (d < 0.5L) r = f;
    else if (d > 0.5L) r = f + 1;
    else if (mode == 1) r = std::fmod(f, 2.0L) == 0 ? f : f + 1;
    else r = v < 0 ? f : f + 1;
    return sat(i128(r), lo, hi);
}

// The scale factor as the conversions define it: 2^-s in single precision,
// zero beyond 2^-149 and infinite beyond the float range.
inline float factorOf(int s)
{
    if (s > 149) return 0.0f;
    if (s < -127) return std::numeric_limits<float>::infinity();
    return std::ldexp(1.0f, -s);
}

// The integer rounding of a rndMode value: 0 truncates, 1 ties to even, any
// other value ties away from zero.
inline int rndNear(int m) { return m == 0 ? 0 : m == 1 ? 1 : 2; }

// ---- half precision --------------------------------------------------------

inline double halfValue(std::uint16_t h)
{
    const int e = (h >> 10) & 31, m = h & 1023;
    double v = e == 0 ? std::ldexp(double(m), -24) : std::ldexp(double(1024 + m), e - 25);
    if (e == 31) v = m ? std::nan("") : INFINITY;
    return (h & 0x8000) ? -v : v;
}

// Binary16 of a finite or infinite double by search over all positive finite
// halves (their patterns are ordered like their values).
inline std::uint16_t halfOf(double x, bool nearest)
{
    const std::uint16_t sign = std::signbit(x) ? 0x8000 : 0;
    const double a = std::fabs(x);
    if (std::isinf(a)) return sign | 0x7C00;
    static const std::vector<double> table = [] {
        std::vector<double> t(0x7C01);
        for (int h = 0; h < 0x7C00; ++h) t[h] = halfValue(std::uint16_t(h));
        t[0x7C00] = 65536.0;  // the next step above 65504, standing for overflow
        return t;
    }();
    const auto it = std::upper_bound(table.begin(), table.end(), a);
    int lo = int(it - table.begin()) - 1;  // largest value <= a
    if (lo >= 0x7C00) lo = 0x7C00;
    if (!nearest) return sign | std::uint16_t(std::min(lo, 0x7BFF));
    if (lo == 0x7C00) return sign | 0x7C00;
    const double dl = a - table[lo], dh = table[lo + 1] - a;
    int pick = dl < dh ? lo : dh < dl ? lo + 1 : ((lo & 1) ? lo + 1 : lo);
    return sign | std::uint16_t(pick);
}

inline std::uint32_t bitsOf(float f) { std::uint32_t b; std::memcpy(&b, &f, 4); return b; }
inline float floatOf(std::uint32_t b) { float f; std::memcpy(&f, &b, 4); return f; }

// ---- packed 24-bit ---------------------------------------------------------

inline std::int32_t read24(const Orv8u* p, bool isSigned)
{
    std::uint32_t u = p[0] | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16);
    if (isSigned && (u & 0x800000u)) return std::int32_t(u) - 0x1000000;
    return std::int32_t(u);
}

inline void write24(std::int64_t v, Orv8u* out)
{
    out[0] = Orv8u(v);
    out[1] = Orv8u(v >> 8);
    out[2] = Orv8u(v >> 16);
}

// Exact binary16 -> binary32 bits: a NaN keeps its payload and becomes quiet.
inline float halfToFloat(Orv16f h)
{
    const std::uint32_t sign = std::uint32_t(h & 0x8000u) << 16, e = (h >> 10) & 31u, m = h & 1023u;
    if (e == 31) return floatOf(sign | 0x7F800000u | (m << 13) | (m ? 0x400000u : 0u));
    return float(halfValue(h));
}

inline std::vector<Orv16s> all16s()
{
    std::vector<Orv16s> v(65536);
    for (int i = 0; i < 65536; ++i) v[i] = Orv16s(i - 32768);
    return v;
}

} // namespace convert_ref
