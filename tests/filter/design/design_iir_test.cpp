// IIR design against independent long-double models: statuses in check
// order with nothing written, worked values, denominators against direct
// pole mapping, responses and stability measured from the taps.
#include <gtest/gtest.h>

#include "design_test_util.h"

using namespace design_test;

namespace {
std::vector<double> iir(bool hp, double f, double dev, int n, OrvIirFilterType type)
{
    std::vector<double> t(2 * (n + 1));
    EXPECT_EQ((hp ? orvsIIRGenHighpass_64f : orvsIIRGenLowpass_64f)(f, dev, n, t.data(), type), orvStsOk);
    return t;
}
// Step-down (Schur-Cohn): all roots inside the unit circle.
bool stable(std::vector<LD> a)
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
// How far rounding the coefficients to double can move |H(f)|.
LD slack(const std::vector<double>& t, LD f)
{
    const int n = int(t.size()) / 2;
    LD sb = 0, sa = 0;
    for (int k = 0; k < n; ++k) sb += std::fabs(LD(t[k])), sa += std::fabs(LD(t[n + k]));
    return 1e-13L + 32 * kEps * (sb + sa * gain(t, f, true)) / std::abs(poly(t.data() + n, n, f));
}
} // namespace

TEST(IirDesign, StatusesInCheckOrder)
{
    // Types are kept as int: an enum object holding a value outside its enumerators is not valid.
    const int B = orvButterworth, C = orvChebyshev1, X = 2;
    const struct { double f, dev; int n; int type; OrvStatus want; } cases[] = {
        {0.0, 1, 4, B, -208}, {0.5, 1, 4, B, -208}, {-0.1, 1, 4, B, -208}, {kNaN, 1, 4, B, -208}, {0.5, 1, 13, C, -208},
        {0.5, 1, 4, X, -208}, {0.2, 1, 0, B, -206}, {0.2, 1, 13, B, -206}, {0.2, 30, 13, C, -206}, {0.2, 30, 4, C, -209},
        {0.2, 0, 4, C, -209}, {0.2, -1, 4, C, -209}, {0.2, kNaN, 4, C, -209}, {0.2, 29, 4, C, 0}, {0.2, 30, 4, B, 0},
        {0.2, 1, 12, B, 0}, {0.2, 1, 1, C, 0}, {0.2, 50, 4, X, 0}, {0.2, 1, 4, -1, 0}};
    for (auto gen : {orvsIIRGenLowpass_64f, orvsIIRGenHighpass_64f})
        for (const auto& c : cases) {
            orvs_test::Guarded<double> taps(2 * 14);
            taps.fill();
            const auto before = taps.vec();
            EXPECT_EQ(gen(c.f, c.dev, c.n, taps.data(), OrvIirFilterType(c.type)), c.want) << c.f << " " << c.dev << " " << c.n;
            EXPECT_EQ(taps.vec() == before, c.want != 0 || c.type == X || c.type < 0);
            EXPECT_TRUE(taps.guardsIntact());
        }
    EXPECT_EQ(orvsIIRGenHighpass_64f(0.7, 1, 40, nullptr, orvChebyshev1), orvStsErrNullPtr);
}

TEST(IirDesign, WorkedValues)
{
    const struct { bool hp; int n; std::vector<double> taps; } cases[] = {
        {false, 1, {0.5, 0.5, 1, 0}}, {true, 1, {0.5, -0.5, 1, 0}},  // wc = 4: the pole maps to z = 0
        {false, 2, {0.2928932188134524, 0.5857864376269049, 0.2928932188134524, 1, 0, 0.1715728752538099}}};
    for (const auto& c : cases) {
        const auto t = iir(c.hp, 0.25, 1, c.n, orvButterworth);
        for (std::size_t k = 0; k < t.size(); ++k) EXPECT_NEAR(t[k], c.taps[k], 1e-15) << c.n << " " << k;
    }
}

// Every order, type and response: the denominator against z = (4 + p)/(4 - p)
// of each prototype pole p (scaled or inverted) expanded in long double, the
// numerator b0 times the binomial row (alternating for highpass). Then from
// the taps: poles inside the unit circle; unit gain at DC (lowpass) or
// Nyquist (highpass), for even Chebyshev orders the ripple floor; -3 dB
// (Butterworth) or the ripple floor (Chebyshev) at the cut-off; Chebyshev
// peaks and valleys where the prototype puts them; nothing outside
// [floor, 1] in the passband; a monotone stopband. Tolerances follow the
// coefficient rounding. Below a cut-off of about 0.025 (or above 0.475)
// order 12 in direct form is no longer reliably stable whatever the design
// route, so responses are measured inside that range only.
TEST(IirDesign, PolesResponsesAndStability)
{
    for (bool hp : {false, true})
        for (bool cheb : {false, true})
            for (double f : {0.01, 0.03, 0.1, 0.2, 0.3, 0.45, 0.47, 0.49})
                for (double dev : {0.1, 1.0, 3.0, 29.0})
                    for (int n = 1; n <= 12; ++n) {
                        if (!cheb && dev != 1.0) continue;
                        const auto t = iir(hp, f, dev, n, cheb ? orvChebyshev1 : orvButterworth);
                        const std::string what = std::to_string(hp) + std::to_string(cheb) + " f " + std::to_string(f) +
                                                 " dev " + std::to_string(dev) + " n " + std::to_string(n);
                        const LD wc = 4 * std::tan(kPi * f), e = std::sqrt(std::pow(10.0L, dev / 10) - 1), m = std::asinh(1 / e) / n;
                        std::vector<CLD> a{1};
                        for (int k = 0; k < n; ++k) {
                            const LD u = (2 * k + 1) * kPi / (2 * n);
                            const CLD p0 = cheb ? CLD(-std::sinh(m) * std::sin(u), std::cosh(m) * std::cos(u)) : CLD(-std::sin(u), std::cos(u));
                            const CLD p = hp ? wc / p0 : wc * p0, z = (4.0L + p) / (4.0L - p);
                            a.push_back(0);
                            for (int i = k + 1; i >= 1; --i) a[i] -= z * a[i - 1];
                        }
                        LD scale = 0, binomial = 1;
                        for (CLD c : a) scale += std::abs(c);
                        for (int k = 0; k <= n; ++k, binomial = binomial * (n - k + 1) / k) {
                            ASSERT_NEAR(t[n + 1 + k], double(a[k].real()), 2e-13 * double(scale)) << what;
                            ASSERT_NEAR(t[k], double(t[0] * binomial * (hp && k % 2 ? -1 : 1)), 1e-15 * std::fabs(t[k])) << what;
                        }
                        if (f < 0.025 || f > 0.475) continue;
                        ASSERT_TRUE(stable(std::vector<LD>(t.begin() + n + 1, t.end()))) << what;
                        auto expectGain = [&](LD at, LD want) {
                            EXPECT_NEAR(double(gain(t, at, true)), double(want), double(slack(t, at))) << what << " at " << double(at);
                        };
                        const LD floor = cheb ? std::pow(10.0L, -LD(dev) / 20) : std::sqrt(0.5L);
                        expectGain(hp ? 0.5L : 0.0L, cheb && n % 2 == 0 ? floor : 1);
                        expectGain(f, floor);
                        auto digital = [&](LD w) { return (hp ? std::atan2(wc, 4 * w) : std::atan(w * wc / 4)) / kPi; };
                        for (int k = 1; cheb && 2 * k - 1 <= n; ++k) expectGain(digital(std::cos((2 * k - 1) * kPi / (2 * n))), 1);
                        for (int k = 1; cheb && 2 * k <= n; ++k) expectGain(digital(std::cos(k * kPi / n)), floor);
                        for (int i = 0; i <= 100; ++i) {
                            const LD at = hp ? f + (0.5L - f) * i / 100 : f * LD(i) / 100, g = gain(t, at, true), s = slack(t, at);
                            EXPECT_TRUE(g <= 1 + s && g >= floor - s) << what << " passband at " << double(at);
                        }
                        for (int i = 1; i <= 50; ++i) {
                            const LD at = hp ? f * LD(50 - i) / 50 : f + (0.5L - f) * i / 50, before = hp ? at + f / 50 : at - (0.5L - f) / 50;
                            EXPECT_LE(double(gain(t, at, true)), double(gain(t, before, true) + slack(t, at))) << what << " at " << double(at);
                        }
                    }
}
