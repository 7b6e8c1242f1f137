// Tone generators against cos/sin in long double: every type, both methods,
// phase continuation across calls, and every refused parameter in the
// family's check order.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "../gen_model.h"
#include "test_util.h"

using namespace orvs_test;
using gen_model::kPi;

namespace {

// A tone entry on element type T, with its phase and magnitude types.
template <class T, class M, class F>
using ToneFn = OrvStatus (*)(T*, int, M, F, F*, OrvHintAlgorithm);

struct ToneCase {
    double magn, rFreq, phase;
};

// The model of sample n; the tolerance grows with the precision of F.
template <class T, class M, class F>
void expectTone(ToneFn<T, M, F> fn, const char* name, OrvHintAlgorithm hint, long double tol)
{
    constexpr bool cplx = gen_model::isComplex<T>;
    const bool fast = hint == orvHintFast;
    std::vector<ToneCase> cases = {{1.0, 0.25, 0.0}, {1000.0, 0.1, 1.0}, {20000.0, 0.377, 0.5}, {7.0, 0.3, 5.0}};
    if (!fast || !std::is_same_v<F, float>)  // frequencies where single-precision recurrences drift
        cases.insert(cases.end(), {{1.0, 0.0, 0.0}, {12345.0, 0.4999, 6.28}, {3.0, 0.001, 3.0}, {1.0, cplx ? 0.9 : 0.49, 2.0}});
    for (const ToneCase& c : cases)
        for (int len : {1, 2, 3, 9, 17, 100, 1023, 1025, 2049, 5000}) {
            const M magn = static_cast<M>(c.magn);
            const F rFreq = static_cast<F>(c.rFreq);
            F phase = static_cast<F>(c.phase);
            const long double p0 = phase;
            Guarded<T> d(len, 1);
            ASSERT_EQ(fn(d.data(), len, magn, rFreq, &phase, hint), orvStsOk);
            ASSERT_TRUE(d.guardsIntact());
            int bad = 0;
            for (int n = 0; n < len && bad < 3; ++n) {
                const long double a = 2 * kPi * (long double)rFreq * n + p0;
                const long double e[2] = {magn * std::cos(a), magn * std::sin(a)};
                const long double got[2] = {gen_model::re(d[n]), gen_model::im(d[n])};
                for (int p = 0; p < (cplx ? 2 : 1); ++p)
                    if (std::fabs(got[p] - e[p]) > tol * magn + (std::is_integral_v<gen_model::Part<T>> ? 0.5L + 1e-9L : 0)) {
                        ++bad;
                        ADD_FAILURE() << name << " hint " << hint << " f=" << c.rFreq << " phase=" << c.phase << " len=" << len
                                      << " n=" << n << " part " << p << ": " << (double)got[p] << " expected " << (double)e[p];
                    }
            }
            // The returned phase continues the wave.
            long double next = std::fmod(p0 + 2 * kPi * (long double)rFreq * len, 2 * kPi);
            long double diff = std::fabs(next - (long double)phase);
            diff = std::min(diff, 2 * kPi - diff);
            EXPECT_LT(diff, (std::is_same_v<F, float> ? 2e-6L : 1e-12L)) << name << " next phase, len " << len;
            EXPECT_TRUE(phase >= 0 && phase < 2 * kPi);
        }
}

} // namespace

TEST(ToneValues, Accurate)
{
    for (auto hint : {orvHintNone, orvHintAccurate}) {
        expectTone<Orv64f, Orv64f, Orv64f>(orvsTone_Direct_64f, "64f", hint, 1e-13L);
        expectTone<Orv64fc, Orv64f, Orv64f>(orvsTone_Direct_64fc, "64fc", hint, 1e-13L);
        expectTone<Orv32f, Orv32f, Orv32f>(orvsTone_Direct_32f, "32f", hint, 2e-7L);
        expectTone<Orv32fc, Orv32f, Orv32f>(orvsTone_Direct_32fc, "32fc", hint, 2e-7L);
        expectTone<Orv16s, Orv16s, Orv32f>(orvsTone_Direct_16s, "16s", hint, 1e-12L);
        expectTone<Orv16sc, Orv16s, Orv32f>(orvsTone_Direct_16sc, "16sc", hint, 1e-12L);
    }
}

// The block recurrence: restarted from exact values every block, so the
// error stays bounded along the vector; within a block it grows fastest
// near 0 and 0.5 cycles per sample, which single precision leaves out.
TEST(ToneValues, Fast)
{
    expectTone<Orv64f, Orv64f, Orv64f>(orvsTone_Direct_64f, "64f", orvHintFast, 1e-6L);
    expectTone<Orv64fc, Orv64f, Orv64f>(orvsTone_Direct_64fc, "64fc", orvHintFast, 1e-6L);
    expectTone<Orv32f, Orv32f, Orv32f>(orvsTone_Direct_32f, "32f", orvHintFast, 3e-4L);
    expectTone<Orv32fc, Orv32f, Orv32f>(orvsTone_Direct_32fc, "32fc", orvHintFast, 3e-4L);
}

TEST(ToneValues, QuarterRateAndContinuation)
{
    Orv64f phase = 0, d[8];
    ASSERT_EQ(orvsTone_Direct_64f(d, 8, 1.0, 0.25, &phase, orvHintNone), orvStsOk);
    const double e[8] = {1, 0, -1, 0, 1, 0, -1, 0};
    for (int n = 0; n < 8; ++n) EXPECT_NEAR(d[n], e[n], 1e-15) << n;
    // 5 + 7 samples equal 12 at once, up to rounding.
    Orv64f whole[12], parts[12], p1 = 0.7, p2 = 0.7;
    ASSERT_EQ(orvsTone_Direct_64f(whole, 12, 2.0, 0.13, &p1, orvHintNone), orvStsOk);
    ASSERT_EQ(orvsTone_Direct_64f(parts, 5, 2.0, 0.13, &p2, orvHintNone), orvStsOk);
    ASSERT_EQ(orvsTone_Direct_64f(parts + 5, 7, 2.0, 0.13, &p2, orvHintNone), orvStsOk);
    for (int n = 0; n < 12; ++n) EXPECT_NEAR(parts[n], whole[n], 1e-14) << n;
    EXPECT_NEAR(p1, p2, 1e-14);
    // A zero frequency leaves the phase as it was.
    Orv64f p3 = 1.25;
    ASSERT_EQ(orvsTone_Direct_64f(d, 8, 1.0, 0.0, &p3, orvHintNone), orvStsOk);
    EXPECT_EQ(p3, 1.25);
    EXPECT_NEAR(d[7], std::cos(1.25), 1e-15);
}

TEST(ToneChecks, OrderAndNothingWritten)
{
    const double twoPi = 2 * (double)kPi;
    struct Row {
        const char* what;
        double magn, rFreq, phase;
        bool nullPhase, nullDst;
        int len;
        OrvStatus expected;
    };
    const Row rows[] = {
        {"null phase first", -1, 7, 9, true, true, 0, orvStsErrNullPtr},
        {"magnitude 0 before frequency", 0, 7, 9, false, true, 0, orvStsErrToneMagn},
        {"negative magnitude", -2, 0.1, 0, false, false, 4, orvStsErrToneMagn},
        {"frequency 0.5 before phase", 1, 0.5, 9, false, true, 0, orvStsErrToneFreq},
        {"negative frequency", 1, -0.01, 0, false, false, 4, orvStsErrToneFreq},
        {"phase 2 pi before destination", 1, 0.1, twoPi, false, true, 0, orvStsErrTonePhase},
        {"negative phase", 1, 0.1, -1e-9, false, false, 4, orvStsErrTonePhase},
        {"null destination before length", 1, 0.1, 0, false, true, 0, orvStsErrNullPtr},
        {"length 0", 1, 0.1, 0, false, false, 0, orvStsErrSize},
    };
    for (const Row& r : rows) {
        Guarded<Orv64f> d(8);
        Guarded<Orv32fc> dc(8);
        Guarded<Orv16s> ds(8);
        d.fill(), dc.fill(), ds.fill();
        Orv64f phase = r.phase;
        Orv32f phasef = static_cast<Orv32f>(r.phase);
        if (r.phase == twoPi) phasef = 6.2831855f;  // the float nearest 2 pi lies above it
        EXPECT_EQ(orvsTone_Direct_64f(r.nullDst ? nullptr : d.data(), r.len, r.magn, r.rFreq, r.nullPhase ? nullptr : &phase, orvHintNone),
                  r.expected) << r.what;
        EXPECT_EQ(orvsTone_Direct_32fc(r.nullDst ? nullptr : dc.data(), r.len, (float)r.magn, (float)r.rFreq,
                                       r.nullPhase ? nullptr : &phasef, orvHintFast),
                  r.expected == orvStsErrToneFreq && r.rFreq == 0.5 ? orvStsErrTonePhase : r.expected) << r.what << " (complex: 0.5 is valid)";
        EXPECT_EQ(orvsTone_Direct_16s(r.nullDst ? nullptr : ds.data(), r.len, (Orv16s)r.magn, (float)r.rFreq,
                                      r.nullPhase ? nullptr : &phasef, orvHintNone),
                  r.expected) << r.what << " (16s)";
        EXPECT_EQ(phase, r.phase) << r.what << ": phase written on error";
        EXPECT_TRUE(d.intact() && dc.intact() && ds.intact()) << r.what;
    }
    // Complex tones accept frequencies up to 1.
    Orv64fc c[4];
    Orv64f p = 0;
    EXPECT_EQ(orvsTone_Direct_64fc(c, 4, 1.0, 0.99, &p, orvHintNone), orvStsOk);
    EXPECT_EQ(orvsTone_Direct_64fc(c, 4, 1.0, 1.0, &p, orvHintNone), orvStsErrToneFreq);
}

TEST(ToneVariants, Avx) { ORVS_RERUN_UNDER_VARIANT("avx", "Tone*:Window*:Triangle*"); }
TEST(ToneVariants, Avx2) { ORVS_RERUN_UNDER_VARIANT("avx2", "Tone*:Window*:Triangle*"); }
