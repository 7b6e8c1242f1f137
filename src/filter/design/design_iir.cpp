// Butterworth and Chebyshev type I lowpass / highpass design.
//
// The analogue prototype is realised in real modal state-space form: one
// 2x2 block [[s, w], [-w, s]] per conjugate pole pair s +- jw, and a 1x1
// block for the real pole of an odd order. The state matrix is therefore
// block diagonal, and so is everything derived from it: frequency scaling
// (wc*A), the lowpass-to-highpass map (wc*A^-1) and the bilinear transform
// at a sampling rate of 2, Ad = (4I - A)^-1 (4I + A), all act block by
// block. The discrete poles are the eigenvalues of the 2x2 (or 1x1) blocks
// of Ad. Working per block keeps every step well conditioned: 4I - A has
// eigenvalues 4 - p with Re p < 0, so |det| >= 16 and no solve is near
// singular, and no companion-form polynomial (whose roots move violently with
// rounding at high orders) is ever formed before the poles are known.
#include <array>
#include <cmath>
#include <numbers>

#include "core/check.h"
#include "filter/design/design_engine.h"

namespace orvs::design {
namespace {

constexpr int kMaxOrder = 12;
constexpr double kPi = std::numbers::pi;

struct Block2 {
    double m[2][2];
};

// Continuous pole pair s +- jw as a modal block.
Block2 modal(double s, double w) { return {{{s, w}, {-w, s}}}; }

Block2 scaled(const Block2& b, double k) { return {{{k * b.m[0][0], k * b.m[0][1]}, {k * b.m[1][0], k * b.m[1][1]}}}; }

Block2 inverse(const Block2& b)
{
    const double det = b.m[0][0] * b.m[1][1] - b.m[0][1] * b.m[1][0];
    return {{{b.m[1][1] / det, -b.m[0][1] / det}, {-b.m[1][0] / det, b.m[0][0] / det}}};
}

// (cI - B)^-1 (cI + B), solved by Cramer's rule on the 2x2 system.
Block2 bilinear(const Block2& b, double c)
{
    const double m00 = c - b.m[0][0], m01 = -b.m[0][1], m10 = -b.m[1][0], m11 = c - b.m[1][1];
    const double n00 = c + b.m[0][0], n01 = b.m[0][1], n10 = b.m[1][0], n11 = c + b.m[1][1];
    const double det = m00 * m11 - m01 * m10;
    return {{{(m11 * n00 - m01 * n10) / det, (m11 * n01 - m01 * n11) / det},
             {(m00 * n10 - m10 * n00) / det, (m00 * n11 - m10 * n01) / det}}};
}

// Eigenvalues of a real 2x2 block as the monic quadratic z^2 + c1 z + c0
// they are roots of. The discriminant is taken from the half-difference of
// the diagonal and the off-diagonal product, not from trace^2 - 4 det, so a
// pole pair close to z = 1 keeps its imaginary part to full precision.
struct Quadratic {
    long double c1, c0;
};
Quadratic eigenQuadratic(const Block2& b)
{
    const double mean = 0.5 * (b.m[0][0] + b.m[1][1]);
    const double half = 0.5 * (b.m[0][0] - b.m[1][1]);
    const double disc = half * half + b.m[0][1] * b.m[1][0];
    if (disc < 0) {
        const long double re = mean, im2 = -disc;
        return {-2 * re, re * re + im2};
    }
    const long double r1 = mean + std::sqrt(disc), r2 = mean - std::sqrt(disc);
    return {-(r1 + r2), r1 * r2};
}

// Sum of doubles with a running compensation (Neumaier): the response at
// DC or Nyquist of a narrow filter is a small difference of large
// coefficients.
long double accurateSum(const double* v, int n, double sign)
{
    long double s = 0, c = 0, f = 1;
    for (int k = 0; k < n; ++k, f *= sign) {
        const long double x = f * v[k], t = s + x;
        c += std::fabs(s) >= std::fabs(x) ? (s - t) + x : (x - t) + s;
        s = t;
    }
    return s + c;
}

} // namespace

OrvStatus iirDesign(Response r, double rFreq, double rDeviation, int order, double* pTaps, OrvIirFilterType type)
{
    ORVS_CHECK(check::pointers(pTaps));
    if (!(rFreq > 0 && rFreq < 0.5)) return orvStsErrIirGenFreq;
    if (order < 1 || order > kMaxOrder) return orvStsErrIirGenOrder;
    const bool chebyshev = type == orvChebyshev1;
    if (chebyshev && !(rDeviation > 0 && rDeviation <= 29)) return orvStsErrIirGenDeviation;
    if (type != orvButterworth && !chebyshev) return orvStsOk;

    const int n = order;
    const double wc = 4 * std::tan(kPi * rFreq);  // pre-warped for s = 4 (z - 1) / (z + 1)
    const double c = 4;

    // Prototype (cut-off 1 rad/s): the real part of every pole, and the
    // imaginary part of the upper member of each pair.
    double realPart = -1, sinhM = 0, coshM = 0;
    if (chebyshev) {
        const double e = std::sqrt(std::pow(10.0, 0.1 * rDeviation) - 1);
        const double m = std::log(1 / e + std::sqrt(1 / (e * e) + 1)) / n;
        sinhM = std::sinh(m);
        coshM = std::cosh(m);
        realPart = -sinhM;
    }

    // Denominator, highest power of z^-1 last; long double while expanding.
    std::array<long double, kMaxOrder + 1> a{};
    a[0] = 1;
    int degree = 0;
    auto multiply = [&](long double c1, long double c0, int terms) {
        for (int k = degree + terms; k >= 1; --k) {
            a[k] += c1 * a[k - 1] + (k >= 2 && terms == 2 ? c0 * a[k - 2] : 0.0L);
        }
        degree += terms;
    };
    if (n % 2) {
        const double s = r == Response::lowpass ? wc * realPart : wc / realPart;
        const double z = (c + s) / (c - s);
        multiply(-z, 0, 1);
    }
    for (int k = 1; k <= n / 2; ++k) {
        double s, w;
        if (chebyshev) {
            const double u = (2 * k - 1) * kPi / (2 * n);
            s = -sinhM * std::sin(u);
            w = coshM * std::cos(u);
        } else {
            const double t = kPi / 2 + (2 * k - 1) * kPi / (2 * n);
            s = std::cos(t);
            w = std::sin(t);
        }
        const Block2 prototype = modal(s, w);
        const Block2 analogue = r == Response::lowpass ? scaled(prototype, wc) : scaled(inverse(prototype), wc);
        const Quadratic q = eigenQuadratic(bilinear(analogue, c));
        multiply(q.c1, q.c0, 2);
    }

    std::array<double, 2 * (kMaxOrder + 1)> taps{};
    double* b = taps.data();
    double* den = taps.data() + n + 1;
    for (int k = 0; k <= n; ++k) den[k] = static_cast<double>(a[k]);

    // The numerator (1 +- z^-1)^N answers 2^N at DC (lowpass) or Nyquist
    // (highpass); the gain makes the response of the delivered (rounded)
    // coefficients exactly the target there.
    const double sign = r == Response::lowpass ? 1 : -1;
    long double gain = accurateSum(den, n + 1, sign) / std::ldexp(1.0L, n);
    if (chebyshev && n % 2 == 0) gain *= std::pow(10.0L, -static_cast<long double>(rDeviation) / 20);
    long double binomial = 1;
    for (int k = 0; k <= n; ++k) {
        b[k] = static_cast<double>(gain * binomial * (k % 2 ? sign : 1));
        binomial = binomial * (n - k) / (k + 1);
    }
    std::copy(taps.begin(), taps.begin() + 2 * (n + 1), pTaps);
    return orvStsOk;
}

} // namespace orvs::design
