// Independent models for the reductions tests: exact 128-bit integer
// arithmetic for the scale rules, long double for floating references.
#pragma once
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "test_util.h"

namespace stats_test {

using i128 = __int128;
constexpr i128 kHuge = i128(1) << 100;  // beyond every destination range

// floor(r / 2^s), the remainder rounded to nearest with ties to even (s >= 1).
inline i128 roundEvenShift(i128 r, int s)
{
    if (s >= 120) return 0;
    const i128 d = i128(1) << s;
    i128 q = r / d, rem = r % d;
    if (rem < 0) q -= 1, rem += d;
    if (2 * rem > d || (2 * rem == d && (q & 1) != 0)) q += 1;
    return q;
}

// r * 2^-s: rounded to nearest even for s > 0, exact (or sign-huge) for s < 0.
inline i128 scaled(i128 r, int s)
{
    if (s > 0) return roundEvenShift(r, s);
    const int k = s < -120 ? 120 : -s;
    if (r == 0 || k == 0) return r;
    const i128 m = r < 0 ? -r : r;
    if (k >= 100 || m >= (i128(1) << (100 - k))) return r < 0 ? -kHuge : kHuge;
    return r * (i128(1) << k);
}

template <class T>
T sat(i128 v)
{
    return static_cast<T>(std::clamp<i128>(v, std::numeric_limits<T>::min(), std::numeric_limits<T>::max()));
}

// Distance of `got` from `ref` in units of the last place of T at ref.
template <class T>
double ulps(T got, long double ref)
{
    if (std::isnan(ref)) return std::isnan(got) ? 0.0 : 1e30;
    if (std::isinf(ref) || std::isinf(got)) return got == ref ? 0.0 : 1e30;
    T a = std::max(std::fabs(static_cast<T>(ref)), std::numeric_limits<T>::min());
    const long double ulp = std::nextafter(a, std::numeric_limits<T>::infinity()) - a;
    return static_cast<double>(std::fabs(static_cast<long double>(got) - ref) / ulp);
}

// Scale factors around every cut-over of the integer rules and far beyond.
inline const std::vector<int> kScales = {-2000, -64, -40, -33, -32, -31, -17, -16, -15, -3, -1, 0, 1, 2, 3,
                                         5,     14,  15,  16,  17,  30,  31,  32,  33,  47, 63, 64, 70, 1100};

} // namespace stats_test
