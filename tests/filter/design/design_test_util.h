// Shared by the design tests: long-double responses evaluated from taps.
#pragma once
#include <cmath>
#include <complex>
#include <limits>
#include <vector>

#include "test_util.h"

namespace design_test {
using LD = long double;
using CLD = std::complex<LD>;
constexpr LD kPi = 3.141592653589793238462643383279502884L;
const double kNaN = std::numeric_limits<double>::quiet_NaN(), kEps = std::numeric_limits<double>::epsilon();

inline CLD poly(const double* c, int n, LD f)  // sum c[k] z^-k at z = exp(2 pi i f)
{
    CLD s = 0;
    for (int k = 0; k < n; ++k) s += LD(c[k]) * std::polar(1.0L, -2 * kPi * f * k);
    return s;
}
// |H(f)|: FIR taps, or IIR taps b0..bN a0..aN.
inline LD gain(const std::vector<double>& t, LD f, bool iir)
{
    const int n = iir ? int(t.size()) / 2 : int(t.size());
    return std::abs(poly(t.data(), n, f) / (iir ? poly(t.data() + n, n, f) : CLD(1)));
}
} // namespace design_test
