// FIR design against independent long-double models: statuses in check
// order with nothing written, the worked lowpass, taps against the windowed
// ideal series, stopband attenuation measured from the taps.
#include <gtest/gtest.h>

#include "design_test_util.h"

using namespace design_test;

namespace {
enum Kind { low, high, pass, stop };
OrvStatus fir(Kind k, double f1, double f2, double* t, int len, int win, int normal)
{
    const auto w = OrvWinType(win);
    return k == low    ? orvsFIRGenLowpass_64f(f1, t, len, w, normal)
           : k == high ? orvsFIRGenHighpass_64f(f1, t, len, w, normal)
           : k == pass ? orvsFIRGenBandpass_64f(f1, f2, t, len, w, normal)
                       : orvsFIRGenBandstop_64f(f1, f2, t, len, w, normal);
}
// Closed-form windows (4: none).
LD window(int win, int n, int len)
{
    const LD th = 2 * kPi / (len - 1), c = std::cos(n * th), alpha = -std::pow(0.5L / std::cos(kPi / (len - 1)), 2);
    return win == 0 ? 2 * LD(std::min(n, len - 1 - n)) / (len - 1)
         : win == 1 ? (alpha + 1) / 2 - c / 2 - alpha / 2 * std::cos(2 * n * th)
         : win == 2 ? 0.54L - 0.46L * c
         : win == 3 ? 0.5L - 0.5L * c : 1;
}
// Ideal taps by distance d from the centre, windowed, normalised by the
// reference response; `cond` is how much that reference sum cancels.
std::vector<LD> model(Kind k, LD f1, LD f2, int len, int win, bool normal, LD& cond)
{
    const int m = len / 2;
    const bool odd = len % 2;
    std::vector<LD> h(len);
    auto s = [](LD f, LD d) { return std::sin(2 * kPi * f * d) / (kPi * d); };
    LD g = 0, mass = 0;
    for (int n = 0; n < m; ++n) {
        const LD d = m - n - (odd ? 0 : 0.5L);
        h[n] = window(win, n, len) * (k == low ? s(f1, d) : k == high ? (odd ? -s(f1, d) : std::cos(2 * kPi * f1 * d) / (kPi * d))
                                      : k == pass || !odd ? s(f2, d) - s(f1, d) : s(f1, d) - s(f2, d));
        g += 2 * h[n] * (k == high ? ((m - n) % 2 ? -1 : 1) : k == pass ? std::cos(kPi * (f1 + f2) * d) : 1);
        mass += 2 * std::fabs(h[n]);
    }
    if (odd) h[m] = k == low ? 2 * f1 : k == high ? 1 - 2 * f1 : k == pass ? 2 * (f2 - f1) : 1 - 2 * (f2 - f1);
    if (odd) g += h[m], mass += std::fabs(h[m]);
    cond = normal ? mass / std::fabs(g) : 1;
    for (int n = 0; n < len; ++n) h[n] = n < len - m ? h[n] / (normal ? std::fabs(g) : 1) : h[len - 1 - n];
    return h;
}
} // namespace

TEST(FirDesign, StatusesInCheckOrder)
{
    const struct { Kind kind; double f1, f2; int len; OrvStatus want; } cases[] = {
        {low, 0.2, 0, 4, -6},     {low, 0.2, 0, -1, -6},   {low, 0.0, 0, 9, -6},     {high, 0.5, 0, 9, -6},
        {high, kNaN, 0, 9, -6},   {low, -0.1, 0, 9, -6},   {pass, 0.2, 0.2, 9, -6},  {stop, 0.3, 0.2, 9, -6},
        {pass, 0.1, 0.5, 9, -6},  {stop, 0.0, 0.2, 9, -6}, {pass, 0.1, 0.2, 4, -6},  {stop, 0.1, 0.2, 5, 0},
        {low, 0.49, 0, 5, 0}};
    for (const auto& c : cases) {
        orvs_test::Guarded<double> taps(9);
        taps.fill();
        const auto before = taps.vec();
        EXPECT_EQ(fir(c.kind, c.f1, c.f2, taps.data(), c.len, 3, 1), c.want) << c.kind << " " << c.f1 << " " << c.len;
        EXPECT_EQ(taps.vec() == before, c.want != 0);
        EXPECT_TRUE(taps.guardsIntact());
    }
    for (Kind k : {low, high, pass, stop}) EXPECT_EQ(fir(k, 0.7, 0.1, nullptr, 1, 0, 0), orvStsErrNullPtr);
    std::vector<double> h(5);  // the worked lowpass: no window, no normalisation
    ASSERT_EQ(fir(low, 0.25, 0, h.data(), 5, 4, 0), orvStsOk);
    for (int n = 0; n < 5; ++n) EXPECT_NEAR(h[n], (n == 2 ? 0.5 : n % 2 ? 1 / M_PI : 0), 1e-16) << n;
}

// Every response, window and parity against the model; normalised designs
// also meet their reference gain measured from the taps.
TEST(FirDesign, MatchesWindowedIdealSeries)
{
    for (Kind k : {low, high, pass, stop})
        for (int len : {5, 6, 7, 8, 33, 64, 101, 256})
            for (int win : {0, 1, 2, 3, 4, -1})
                for (int normal : {0, 1})
                    for (auto [f1, f2] : {std::pair{0.05, 0.3}, {0.21, 0.26}, {0.4, 0.499}}) {
                        std::vector<double> h(len);
                        ASSERT_EQ(fir(k, f1, f2, h.data(), len, win, normal), orvStsOk);
                        LD cond, peak = 1;
                        const auto want = model(k, f1, f2, len, win == -1 ? 4 : win, normal, cond);
                        for (LD v : want) peak = std::max(peak, std::fabs(v));
                        for (int n = 0; n < len; ++n)
                            ASSERT_NEAR(h[n], double(want[n]), 1e-14 * double(peak * cond)) << k << " len " << len << " win " << win << " n " << n;
                        const LD ref = k == low || k == stop ? 0 : k == pass ? (f1 + f2) / 2 : len % 2 ? 0.5 : -1;
                        if (normal && ref >= 0) EXPECT_NEAR(double(gain(h, ref, false)), 1, 1e-13 * double(cond));
                    }
}

// Stopband attenuation of 101-tap designs beyond a few bins of transition:
// the classic sidelobe levels of each window.
TEST(FirDesign, StopbandAttenuation)
{
    const struct { int win; double bins, dB; } windows[] = {{4, 1.5, 20}, {0, 4, 25}, {3, 4, 43}, {2, 4, 52}, {1, 6, 74}};
    for (const auto& w : windows)
        for (Kind k : {low, high, pass, stop}) {
            const int len = 101;
            const double f1 = 0.15, f2 = 0.3, edge = w.bins / len;
            std::vector<double> h(len);
            ASSERT_EQ(fir(k, f1, f2, h.data(), len, w.win, 1), orvStsOk);
            LD worst = 0;
            for (int i = 0; i <= 1000; ++i) {
                const LD f = 0.5L * i / 1000;
                if (k == low ? f > f1 + edge : k == high ? f < f1 - edge : k == pass ? f < f1 - edge || f > f2 + edge : f > f1 + edge && f < f2 - edge)
                    worst = std::max(worst, gain(h, f, false));
            }
            EXPECT_LT(double(20 * std::log10(worst)), -w.dB) << "window " << w.win << " kind " << k;
        }
}

// The tone and window kernels differ per instruction set; the designs must not.
TEST(FirDesignVariants, Avx) { ORVS_RERUN_UNDER_VARIANT("avx", "FirDesign.*:DesignedFiltering.*"); }
TEST(FirDesignVariants, Avx2) { ORVS_RERUN_UNDER_VARIANT("avx2", "FirDesign.*:DesignedFiltering.*"); }
