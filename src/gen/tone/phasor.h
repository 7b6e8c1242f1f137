// Cosine and sine series in blocks: the first value of a block is evaluated
// directly, the rest come from the rotation kernel. The window
// functions and the tone generators share it.
#pragma once
#include <algorithm>
#include <cmath>

#include "gen/tone/tone_kernels.h"

namespace orvs::tone {

constexpr double kTwoPi = 6.283185307179586476925286766559;

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

// The rotations by 1, 8 and 32 steps of `cycles` each, every multiple reduced
// to one cycle before the angle is formed (32 times a rounded angle would
// carry 32 times its rounding).
inline Steps stepsOf(double cycles)
{
    const double a1 = kTwoPi * fracProduct(cycles, 1), a8 = kTwoPi * fracProduct(cycles, 8), a32 = kTwoPi * fracProduct(cycles, 32);
    return {std::cos(a1), std::sin(a1), std::cos(a8), std::sin(a8), std::cos(a32), std::sin(a32)};
}

// c[j] = cos(a0 + j step), s[j] = sin(a0 + j step) for j < count <= kBlock.
inline void phasorBlock(double* c, double* s, int count, double a0, const Steps& steps)
{
    c[0] = std::cos(a0);
    s[0] = std::sin(a0);
    if (count > 1) kernels().rotate(c, s, count, steps);
}

} // namespace orvs::tone
