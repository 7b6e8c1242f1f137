// IIR design: statuses and their order, worked values, denominators against
// pole mapping in long double, and the responses and stability of every
// order, measured from the delivered taps.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "design_model.h"
#include "test_util.h"

using namespace design_test;

namespace {

using IirGen = OrvStatus (*)(Orv64f, Orv64f, int, Orv64f*, OrvIirFilterType);
const IirGen kLow = orvsIIRGenLowpass_64f, kHigh = orvsIIRGenHighpass_64f;

std::vector<double> design(bool highpass, double f, double dev, int order, OrvIirFilterType type)
{
    std::vector<double> taps(2 * (order + 1));
    EXPECT_EQ((highpass ? kHigh : kLow)(f, dev, order, taps.data(), type), orvStsOk);
    return taps;
}

const double kNaN = std::numeric_limits<double>::quiet_NaN();

} // namespace

TEST(IirDesign, StatusesInOrderAndNothingWritten)
{
    const auto B = orvButterworth, C = orvChebyshev1;
    struct Case {
        double f, dev;
        int order;
        OrvIirFilterType type;
        OrvStatus want;
    } cases[] = {
        {0.0, 1, 4, B, orvStsErrIirGenFreq},      {0.5, 1, 4, B, orvStsErrIirGenFreq},
        {-0.1, 1, 4, B, orvStsErrIirGenFreq},     {kNaN, 1, 4, B, orvStsErrIirGenFreq},
        {0.5, 1, 13, C, orvStsErrIirGenFreq},     // frequency before order
        {0.2, 1, 0, B, orvStsErrIirGenOrder},     {0.2, 1, 13, B, orvStsErrIirGenOrder},
        {0.2, 30, 13, C, orvStsErrIirGenOrder},   // order before deviation
        {0.2, 30, 4, C, orvStsErrIirGenDeviation}, {0.2, 0, 4, C, orvStsErrIirGenDeviation},
        {0.2, -1, 4, C, orvStsErrIirGenDeviation}, {0.2, kNaN, 4, C, orvStsErrIirGenDeviation},
        {0.2, 29, 4, C, orvStsOk},                {0.2, 30, 4, B, orvStsOk},  // Butterworth ignores it
        {0.2, 1, 12, B, orvStsOk},                {0.2, 1, 1, C, orvStsOk},
        {0.5, 1, 4, OrvIirFilterType(2), orvStsErrIirGenFreq},
    };
    for (IirGen gen : {kLow, kHigh})
        for (const Case& c : cases) {
            orvs_test::Guarded<double> taps(2 * 14);
            taps.fill();
            const auto before = taps.vec();
            EXPECT_EQ(gen(c.f, c.dev, c.order, taps.data(), c.type), c.want) << c.f << " " << c.dev << " " << c.order;
            EXPECT_TRUE(taps.guardsIntact());
            if (c.want != orvStsOk) EXPECT_TRUE(taps.vec() == before) << "written on error";
        }
    EXPECT_EQ(kLow(0.2, 1, 4, nullptr, B), orvStsErrNullPtr);
    EXPECT_EQ(kHigh(0.7, 1, 40, nullptr, C), orvStsErrNullPtr);
}

TEST(IirDesign, UnknownResponseTypeLeavesTapsAlone)
{
    for (IirGen gen : {kLow, kHigh})
        for (int type : {2, -1, 7}) {
            orvs_test::Guarded<double> taps(10);
            taps.fill();
            const auto before = taps.vec();
            EXPECT_EQ(gen(0.2, 50, 4, taps.data(), OrvIirFilterType(type)), orvStsOk);
            EXPECT_TRUE(taps.vec() == before && taps.guardsIntact());
        }
}

TEST(IirDesign, WorkedValues)
{
    struct Case {
        bool highpass;
        double f, dev;
        int order;
        OrvIirFilterType type;
        std::vector<double> taps;
    } cases[] = {
        // wc = 4 puts the pole at s = -4 and z = 0.
        {false, 0.25, 1, 1, orvButterworth, {0.5, 0.5, 1, 0}},
        {true, 0.25, 1, 1, orvButterworth, {0.5, -0.5, 1, 0}},
        // Second order at a quarter of the rate: poles at +-j tan(pi/8).
        {false, 0.25, 1, 2, orvButterworth, {0.2928932188134524, 0.5857864376269049, 0.2928932188134524, 1, 0, 0.1715728752538099}},
    };
    for (const Case& c : cases) {
        const auto taps = design(c.highpass, c.f, c.dev, c.order, c.type);
        for (std::size_t k = 0; k < taps.size(); ++k) EXPECT_NEAR(taps[k], c.taps[k], 1e-15) << k;
    }
}

// Every order, both responses and types, across the band: the denominator
// matches the pole-mapped one, a0 = 1, and the numerator is the gain times
// the binomial row with alternating signs for a highpass.
TEST(IirDesign, DenominatorMatchesPoleMappingAndNumeratorIsBinomial)
{
    for (bool highpass : {false, true})
        for (auto type : {orvButterworth, orvChebyshev1})
            for (double f : {0.01, 0.05, 0.125, 0.25, 0.37, 0.49})
                for (double dev : {0.1, 3.0, 29.0})
                    for (int n = 1; n <= 12; ++n) {
                        if (type == orvButterworth && dev != 3.0) continue;
                        const auto taps = design(highpass, f, dev, n, type);
                        const auto model = mappedDenominator(highpass, type == orvChebyshev1, f, dev, n);
                        LD scale = 0;
                        for (LD a : model) scale += std::fabs(a);
                        for (int k = 0; k <= n; ++k)
                            ASSERT_NEAR(taps[n + 1 + k], double(model[k]), 2e-13 * double(scale))
                                << "a" << k << " hp " << highpass << " type " << type << " f " << f << " dev " << dev << " n " << n;
                        EXPECT_EQ(taps[n + 1], 1.0);
                        LD binomial = 1;
                        for (int k = 0; k <= n; ++k) {
                            const LD want = taps[0] * binomial * (highpass && k % 2 ? -1 : 1);
                            ASSERT_NEAR(taps[k], double(want), 1e-15 * std::fabs(double(want)) + 1e-300) << "b" << k;
                            binomial = binomial * (n - k) / (k + 1);
                        }
                    }
}

// How far rounding the coefficients to double can move |H(f)|: each
// polynomial's error relative to its value, summed, times a few units.
LD roundingSlack(const std::vector<double>& taps, LD f)
{
    const int n = int(taps.size()) / 2;
    LD sb = 0, sa = 0;
    for (int k = 0; k < n; ++k) sb += std::fabs(LD(taps[k])), sa += std::fabs(LD(taps[n + k]));
    const LD moved = (sb + sa * iirGain(taps, f)) / std::abs(polyAt(taps.data() + n, n, f));
    return 1e-13L + 32 * std::numeric_limits<double>::epsilon() * moved;
}

// Responses from the delivered taps: unit gain at DC or Nyquist (Chebyshev
// even orders: the bottom of the ripple), -3 dB (Butterworth) or the ripple
// floor (Chebyshev) at the cut-off, a passband ripple equal to the deviation
// (peaks and valleys where the prototype puts them), monotone fall into the
// stopband, and poles inside the unit circle. Tolerances are the rounding
// sensitivity of the direct-form coefficients, which grows quickly for high
// orders near DC or Nyquist; below about 0.025 (or above 0.475) order 12
// rounded to double is no longer reliably stable, whatever the design route.
TEST(IirDesign, ResponsesAndStabilityOfEveryOrder)
{
    for (bool highpass : {false, true})
        for (auto type : {orvButterworth, orvChebyshev1})
            for (double f : {0.03, 0.1, 0.2, 0.3, 0.45, 0.47})
                for (double dev : {0.1, 1.0, 3.0, 29.0})
                    for (int n = 1; n <= 12; ++n) {
                        const bool cheb = type == orvChebyshev1;
                        if (!cheb && dev != 1.0) continue;
                        const auto taps = design(highpass, f, dev, n, type);
                        const std::string what = std::string(highpass ? "hp" : "lp") + (cheb ? " cheb" : " butter") +
                                                 " f " + std::to_string(f) + " dev " + std::to_string(dev) + " n " + std::to_string(n);
                        ASSERT_TRUE(stable(std::vector<LD>(taps.begin() + n + 1, taps.end()))) << what;
                        auto expectGain = [&](LD at, LD want) {
                            EXPECT_NEAR(double(iirGain(taps, at)), double(want), double(roundingSlack(taps, at))) << what << " at " << double(at);
                        };
                        const LD floor = cheb ? std::pow(10.0L, -LD(dev) / 20) : std::sqrt(0.5L);
                        expectGain(highpass ? 0.5L : 0.0L, cheb && n % 2 == 0 ? floor : 1);
                        expectGain(f, floor);
                        // Chebyshev peaks (T_N = 0) and valleys (|T_N| = 1) of the
                        // prototype, carried to the digital axis by the pre-warp.
                        const LD wc = 4 * std::tan(kPi * LD(f));
                        auto digital = [&](LD w) { return highpass ? std::atan2(wc, LD(4) * w) / kPi : std::atan(w * wc / 4) / kPi; };
                        for (int k = 1; cheb && 2 * k - 1 <= n; ++k) expectGain(digital(std::cos((2 * k - 1) * kPi / (2 * n))), 1);
                        for (int k = 1; cheb && 2 * k <= n; ++k) expectGain(digital(std::cos(k * kPi / n)), floor);
                        for (int i = 0; i <= 200; ++i) {
                            const LD g = highpass ? LD(f) + (0.5L - f) * i / 200 : LD(f) * i / 200;
                            const LD gain = iirGain(taps, g), slack = roundingSlack(taps, g);
                            EXPECT_TRUE(gain <= 1 + slack && gain >= floor - slack) << what << " passband at " << double(g);
                        }
                        LD prev = iirGain(taps, f);
                        for (int i = 1; i <= 50; ++i) {
                            const LD g = highpass ? LD(f) * (50 - i) / 50 : LD(f) + (0.5L - f) * i / 50;
                            const LD now = iirGain(taps, g);
                            EXPECT_LE(double(now), double(prev + roundingSlack(taps, g))) << what << " stopband at " << double(g);
                            prev = now;
                        }
                    }
}
