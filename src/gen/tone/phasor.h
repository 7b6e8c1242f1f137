// Cosine and sine series in blocks: the first kLanes values of a block are
// evaluated directly, the rest come from the rotation kernel. The window
// functions and the tone generators share it.
#pragma once
#include <algorithm>
#include <cmath>

#include "gen/tone/tone_kernels.h"

namespace orvs::tone {

constexpr double kTwoPi = 6.283185307179586476925286766559;

// Values per block: 128 rotations at most between exact restarts.
constexpr int kBlock = 1024;

// The fractional part of n * f for n < 2^31, with the rounding error of the
// product recovered (n * f may be far above 1, where its rounding is a
// visible phase error).
inline double fracProduct(double f, double n)
{
    const double hi = f * n;
    const double lo = std::fma(f, n, -hi);
    const double fl = std::floor(hi);
    double r = (hi - fl) + lo;
    r -= std::floor(r);
    return r;
}

// c[j] = cos(angle(j)), s[j] = sin(angle(j)) for j < count <= kBlock, where
// angle(j + kLanes) - angle(j) is the angle of (cL, sL).
template <class AngleAt>
inline void phasorBlock(double* c, double* s, int count, AngleAt&& angleAt, double cL, double sL)
{
    const int direct = std::min(count, kLanes);
    for (int j = 0; j < direct; ++j) {
        const double a = angleAt(j);
        c[j] = std::cos(a);
        s[j] = std::sin(a);
    }
    if (count > kLanes) kernels().rotate(c, s, count, cL, sL);
}

} // namespace orvs::tone
