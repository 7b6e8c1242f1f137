// Reference models for the conversion tests, written from the rules alone:
// exact rational rounding in wide integers and long double, and a binary
// search over the table of half-precision values.
#pragma once
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

#include "test_util.h"

namespace convert_ref {
using namespace orvs_test;
using i128 = __int128;

// x / 2^s (s > 0) rounded by mode (0 toward zero, 1 ties to even, 2 ties away),
// from floor division: q = floor(x / 2^s), remainder 0 <= r < 2^s.
inline i128 divPow2(i128 x, int s, int mode)
{
    if (s >= 120) return 0;  // |x| < 2^64 here: far below one half
    const i128 unit = i128(1) << s, q = x >> s, r = x - q * unit;
    if (r == 0) return q;
    if (mode == 0) return x < 0 ? q + 1 : q;
    if (2 * r != unit) return 2 * r > unit ? q + 1 : q;
    return mode == 1 ? q + (q & 1) : (x < 0 ? q : q + 1);
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

// A floating value already scaled: NaN to hi, rounded by mode, saturated.
inline std::int64_t roundFloat(long double v, int mode, std::int64_t lo, std::int64_t hi)
{
    if (std::isnan(v) || v >= (long double)hi + 1) return hi;
    if (v <= (long double)lo - 1) return lo;
    const long double f = std::floor(v), d = v - f;
    long double r = d < 0.5L ? f : d > 0.5L ? f + 1 : mode == 1 ? (std::fmod(f, 2.0L) == 0 ? f : f + 1) : (v < 0 ? f : f + 1);
    if (mode == 0) r = std::trunc(v);
    return sat(i128(r), lo, hi);
}

// 2^-s in single precision: zero beyond 2^-149, infinite beyond the float range.
inline float factorOf(int s) { return s > 149 ? 0.0f : s < -127 ? std::numeric_limits<float>::infinity() : std::ldexp(1.0f, -s); }

// rndMode as an integer rounding: 0 truncates, 1 ties to even, others ties away.
inline int rndNear(int m) { return m == 0 ? 0 : m == 1 ? 1 : 2; }

inline double halfValue(std::uint16_t h)
{
    const int e = (h >> 10) & 31, m = h & 1023;
    double v = e == 0 ? std::ldexp(double(m), -24) : std::ldexp(double(1024 + m), e - 25);
    if (e == 31) v = m ? std::nan("") : INFINITY;
    return (h & 0x8000) ? -v : v;
}

// Binary16 of a double by search over all positive finite halves (their
// patterns are ordered like their values).
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
    const int lo = std::min(int(std::upper_bound(table.begin(), table.end(), a) - table.begin()) - 1, 0x7C00);
    if (!nearest) return sign | std::uint16_t(std::min(lo, 0x7BFF));
    if (lo == 0x7C00) return sign | 0x7C00;
    const double dl = a - table[lo], dh = table[lo + 1] - a;
    return sign | std::uint16_t(dl < dh ? lo : dh < dl ? lo + 1 : lo + (lo & 1));
}

inline float floatOf(std::uint32_t b) { float f; std::memcpy(&f, &b, 4); return f; }

// binary16 -> binary32 bits: a NaN keeps its payload and becomes quiet.
inline float halfToFloat(Orv16f h)
{
    const std::uint32_t sign = std::uint32_t(h & 0x8000u) << 16, e = (h >> 10) & 31u, m = h & 1023u;
    return e == 31 ? floatOf(sign | 0x7F800000u | (m << 13) | (m ? 0x400000u : 0u)) : float(halfValue(h));
}

inline std::int32_t read24(const Orv8u* p, bool isSigned)
{
    const std::uint32_t u = p[0] | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16);
    return isSigned && (u & 0x800000u) ? std::int32_t(u) - 0x1000000 : std::int32_t(u);
}

inline void write24(std::int64_t v, Orv8u* out) { out[0] = Orv8u(v), out[1] = Orv8u(v >> 8), out[2] = Orv8u(v >> 16); }

inline std::vector<Orv16s> all16s()
{
    std::vector<Orv16s> v(65536);
    for (int i = 0; i < 65536; ++i) v[i] = Orv16s(i - 32768);
    return v;
}

} // namespace convert_ref
