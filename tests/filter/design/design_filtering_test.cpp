// Designed taps in the library's filters: a tone in the stopband comes out
// attenuated by the designed response at its frequency, measured as the
// demo does (Hann window, real FFT), for FIR and IIR designs.
#include <gtest/gtest.h>

#include "design_test_util.h"

using namespace design_test;

TEST(DesignedFiltering, StopbandToneAttenuatedByDesignedAmount)
{
    constexpr int order = 12, n = 1 << order;
    OrvsFFTSpec_R_64f* spec = nullptr;
    ASSERT_EQ(orvsFFTInitAlloc_R_64f(&spec, order, ORV_FFT_NORM_NONE, orvHintAccurate), orvStsOk);
    auto level = [&](std::vector<double> x, double f) {  // |X| at the bin of f
        std::vector<double> ccs(n + 2);
        orvsWinHann_64f_I(x.data(), n);
        orvsFFTFwd_RToCCS_64f(x.data(), ccs.data(), spec, nullptr);
        const int k = int(f * n + 0.5);
        return std::hypot(ccs[2 * k], ccs[2 * k + 1]);
    };
    for (double tone : {0.2, 0.25, 0.4}) {
        std::vector<double> x(n), y(n);
        double phase = 0.5;
        ASSERT_EQ(orvsTone_Direct_64f(x.data(), n, 1.0, tone, &phase, orvHintAccurate), orvStsOk);
        for (int win : {1, 2, 3}) {
            std::vector<double> h(101);
            ASSERT_EQ(orvsFIRGenLowpass_64f(0.1, h.data(), 101, OrvWinType(win), 1), orvStsOk);
            OrvsFIRState_64f* st = nullptr;
            ASSERT_EQ(orvsFIRInitAlloc_64f(&st, h.data(), 101, nullptr), orvStsOk);
            ASSERT_EQ(orvsFIR_64f(x.data(), y.data(), n, st), orvStsOk);
            orvsFIRFree_64f(st);
            EXPECT_NEAR(20 * std::log10(level(y, tone) / level(x, tone)), 20 * std::log10(double(gain(h, tone, false))), 1.0) << tone << " " << win;
        }
        for (bool cheb : {false, true}) {
            std::vector<double> t(2 * 9);
            ASSERT_EQ(orvsIIRGenLowpass_64f(0.1, 1, 8, t.data(), cheb ? orvChebyshev1 : orvButterworth), orvStsOk);
            OrvsIIRState_64f* st = nullptr;
            ASSERT_EQ(orvsIIRInitAlloc_64f(&st, t.data(), 8, nullptr), orvStsOk);
            ASSERT_EQ(orvsIIR_64f(x.data(), y.data(), n, st), orvStsOk);
            orvsIIRFree_64f(st);
            const double designed = 20 * std::log10(double(gain(t, tone, true)));
            EXPECT_LT(designed, -40);
            EXPECT_NEAR(20 * std::log10(level(y, tone) / level(x, tone)), designed, 1.0) << tone << " " << cheb;
        }
    }
    orvsFFTFree_R_64f(spec);
}
