// Independent references for designed filters: responses evaluated from the
// taps in long double, the Schur-Cohn stability test, and the textbook
// pole-mapping design expanded in long double complex arithmetic.
#pragma once
#include <cmath>
#include <complex>
#include <vector>

namespace design_test {

using LD = long double;
using CLD = std::complex<LD>;
constexpr LD kPi = 3.141592653589793238462643383279502884L;

// sum c[k] z^-k at z = exp(2 pi i f).
inline CLD polyAt(const double* c, int n, LD f)
{
    CLD sum = 0;
    for (int k = 0; k < n; ++k) sum += LD(c[k]) * std::polar(1.0L, -2 * kPi * f * k);
    return sum;
}

// |H(f)| of IIR taps b0..bN, a0..aN.
inline LD iirGain(const std::vector<double>& taps, LD f)
{
    const int n = int(taps.size()) / 2;
    return std::abs(polyAt(taps.data(), n, f) / polyAt(taps.data() + n, n, f));
}

// Every root of a0 + a1 z^-1 + ... inside the unit circle: the step-down
// recursion keeps each reflection coefficient below 1 in magnitude.
inline bool stable(std::vector<LD> a)
{
    for (int m = int(a.size()) - 1; m >= 1; --m) {
        const LD k = a[m] / a[0];
        if (!(std::fabs(k) < 1)) return false;
        std::vector<LD> next(m);
        for (int i = 0; i < m; ++i) next[i] = a[i] - k * a[m - i];
        a = next;
    }
    return true;
}

// The bilinear-transformed prototype by pole mapping, z = (4 + p) / (4 - p),
// lowpass p = wc p0 or highpass p = wc / p0, denominator only.
inline std::vector<LD> mappedDenominator(bool highpass, bool chebyshev, LD f, LD dev, int n)
{
    const LD wc = 4 * std::tan(kPi * f);
    std::vector<CLD> poles;
    const LD e = std::sqrt(std::pow(10.0L, dev / 10) - 1), m = std::asinh(1 / e) / n;
    for (int k = 0; k < n; ++k) {
        // All N poles of the prototype on the left half plane.
        const LD u = (2 * k + 1) * kPi / (2 * n);
        poles.push_back(chebyshev ? CLD(-std::sinh(m) * std::sin(u), std::cosh(m) * std::cos(u))
                                  : CLD(-std::sin(u), std::cos(u)));
    }
    std::vector<CLD> a{1};
    for (CLD p0 : poles) {
        const CLD p = highpass ? wc / p0 : wc * p0;
        const CLD z = (4.0L + p) / (4.0L - p);
        a.push_back(0);
        for (std::size_t k = a.size() - 1; k >= 1; --k) a[k] -= z * a[k - 1];
    }
    std::vector<LD> re;
    for (CLD c : a) re.push_back(c.real());
    return re;
}

} // namespace design_test
