// Tone and triangle generators against their definitions in long double:
// every type, both tone methods, phase continuation across calls and
// through records, the integer-exact Q15 tone, and every refusal in the
// family's check order (nothing written on error).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "../gen_model.h"
#include "test_util.h"

using namespace orvs_test;
using gen_model::kPi;

namespace {

struct Wave { double magn, rFreq, asym, phase; };
const Wave kWaves[] = {{1, 0.25, 0, 0},     {1000, 0.1, 1.0, 1.0}, {20000, 0.377, -2.5, 0.5}, {7, 0.3, 3.1, 5.0},
                       {1, 0.0, 0.5, 0.0},  {12345, 0.4999, -3.0, 6.28}, {3, 0.001, 0, 3.0}, {1, 0.49, 0.0, 2.0}};
const int kLens[] = {1, 2, 9, 100, 1023, 1025, 2049, 5000, 9000};

// Runs gen(d, len, phase&) for every wave and length; value(theta) is the
// model at phase theta (imaginary part at theta + shift(wave)); the returned
// phase must continue the wave.
template <class T, class F, class Gen, class Value, class Shift>
void expectWaves(const char* name, int waves, long double tol, Gen&& gen, Value&& value, Shift&& shift)
{
    constexpr bool integral = std::is_integral_v<gen_model::Part<T>>;
    for (int w = 0; w < waves; ++w)
        for (int len : kLens) {
            const Wave& c = kWaves[w];
            F phase = static_cast<F>(c.phase);
            const long double p0 = phase, f = static_cast<F>(c.rFreq);
            Guarded<T> d(len, 1);
            ASSERT_EQ(gen(d.data(), len, c, phase), orvStsOk) << name;
            ASSERT_TRUE(d.guardsIntact());
            for (int n = 0, bad = 0; n < len && bad < 3; ++n) {
                const long double th = std::fmod(p0 + 2 * kPi * f * n, 2 * kPi);
                const long double e[2] = {value(th, c), value(std::fmod(th + shift(c), 2 * kPi), c)};
                const long double got[2] = {gen_model::re(d[n]), gen_model::im(d[n])};
                for (int p = 0; p < (gen_model::isComplex<T> ? 2 : 1); ++p)
                    if (std::fabs(got[p] - e[p]) > tol * c.magn + (integral ? 1 : 0))
                        ADD_FAILURE() << name << " wave " << w << " len " << len << " n=" << n << " part " << p << ": "
                                      << (double)got[p] << " expected " << (double)e[p], ++bad;
            }
            const long double next = std::fmod(p0 + 2 * kPi * f * len, 2 * kPi), diff = std::fabs(next - phase);
            EXPECT_LT(std::min(diff, 2 * kPi - diff), (std::is_same_v<F, float> ? 2e-6L : 1e-12L)) << name << " len " << len;
        }
}

// Single-precision recurrences drift near 0 and 0.5 cycles per sample: the
// fast method runs the first four waves only there.
template <class T, class M, class F>
void tones(OrvStatus (*fn)(T*, int, M, F, F*, OrvHintAlgorithm), const char* name, OrvHintAlgorithm hint, long double tol)
{
    const int waves = hint == orvHintFast && std::is_same_v<F, float> ? 4 : 8;
    expectWaves<T, F>(
        name, waves, tol, [&](T* d, int len, const Wave& c, F& ph) { return fn(d, len, (M)c.magn, (F)c.rFreq, &ph, hint); },
        [](long double th, const Wave& c) {
            const long double v = (M)c.magn * std::cos(th);
            return std::is_integral_v<M> ? std::round(v) : v;
        },
        [](const Wave&) { return 3 * kPi / 2; });  // sin(x) = cos(x + 3 pi / 2)
}

template <class T, class M, class F>
void triangles(OrvStatus (*fn)(T*, int, M, F, F, F*), const char* name, long double tol)
{
    expectWaves<T, F>(
        name, 8, tol, [&](T* d, int len, const Wave& c, F& ph) { return fn(d, len, (M)c.magn, (F)c.rFreq, (F)c.asym, &ph); },
        [](long double th, const Wave& c) {
            const long double v = gen_model::triangle(th, (M)c.magn, (F)c.asym);
            return std::is_integral_v<M> ? std::trunc(v) : v;
        },
        [](const Wave& c) { return (3 * kPi + (F)c.asym) / 2; });
}

// The Q15 tone at sample k: the phase index k f mod 2^15 is exact.
Orv16s toneQ15Model(int magn, int f, int phaseQ15, std::uint32_t k)
{
    const long double cycle = (long double)((k * (std::uint64_t)f) % 32768) / 32768;
    return (Orv16s)std::round(magn * std::cos(2 * kPi * cycle + phaseQ15 / 32768.0L));
}

} // namespace

TEST(ToneValues, Accurate)
{
    for (auto hint : {orvHintNone, orvHintAccurate}) {
        tones<Orv64f, Orv64f, Orv64f>(orvsTone_Direct_64f, "64f", hint, 1e-13L);
        tones<Orv64fc, Orv64f, Orv64f>(orvsTone_Direct_64fc, "64fc", hint, 1e-13L);
        tones<Orv32f, Orv32f, Orv32f>(orvsTone_Direct_32f, "32f", hint, 2e-7L);
        tones<Orv32fc, Orv32f, Orv32f>(orvsTone_Direct_32fc, "32fc", hint, 2e-7L);
        tones<Orv16s, Orv16s, Orv32f>(orvsTone_Direct_16s, "16s", hint, 0);
        tones<Orv16sc, Orv16s, Orv32f>(orvsTone_Direct_16sc, "16sc", hint, 0);
    }
}

// The block recurrence restarts from exact values, so its error stays
// bounded along the vector.
TEST(ToneValues, Fast)
{
    tones<Orv64f, Orv64f, Orv64f>(orvsTone_Direct_64f, "64f", orvHintFast, 1e-6L);
    tones<Orv64fc, Orv64f, Orv64f>(orvsTone_Direct_64fc, "64fc", orvHintFast, 1e-6L);
    tones<Orv32f, Orv32f, Orv32f>(orvsTone_Direct_32f, "32f", orvHintFast, 3e-4L);
    tones<Orv32fc, Orv32f, Orv32f>(orvsTone_Direct_32fc, "32fc", orvHintFast, 3e-4L);
}

TEST(TriangleValues, EveryType)
{
    triangles<Orv64f, Orv64f, Orv64f>(orvsTriangle_Direct_64f, "64f", 1e-12L);
    triangles<Orv64fc, Orv64f, Orv64f>(orvsTriangle_Direct_64fc, "64fc", 1e-12L);
    triangles<Orv32f, Orv32f, Orv32f>(orvsTriangle_Direct_32f, "32f", 1e-6L);
    triangles<Orv32fc, Orv32f, Orv32f>(orvsTriangle_Direct_32fc, "32fc", 1e-6L);
    triangles<Orv16s, Orv16s, Orv32f>(orvsTriangle_Direct_16s, "16s", 0);
    triangles<Orv16sc, Orv16s, Orv32f>(orvsTriangle_Direct_16sc, "16sc", 0);
}

TEST(GeneratorValues, QuarterRateAndContinuation)
{
    Orv64f tone[8], tri[8], p1 = 0, p2 = 0;
    ASSERT_EQ(orvsTone_Direct_64f(tone, 8, 1.0, 0.25, &p1, orvHintNone), orvStsOk);
    ASSERT_EQ(orvsTriangle_Direct_64f(tri, 8, 1.0, 0.25, 0.0, &p2), orvStsOk);
    for (int n = 0; n < 8; ++n) EXPECT_TRUE(std::fabs(tone[n] - (n % 2 ? 0 : n % 4 ? -1 : 1)) < 1e-15 && std::fabs(tri[n] - tone[n]) < 1e-15) << n;
    // 5 + 7 samples equal 12 at once; a zero frequency keeps the phase.
    Orv64f whole[12], parts[12], pw = 0.7, pp = 0.7, p0 = 1.25;
    ASSERT_EQ(orvsTone_Direct_64f(whole, 12, 2.0, 0.13, &pw, orvHintNone), orvStsOk);
    ASSERT_EQ(orvsTone_Direct_64f(parts, 5, 2.0, 0.13, &pp, orvHintNone), orvStsOk);
    ASSERT_EQ(orvsTone_Direct_64f(parts + 5, 7, 2.0, 0.13, &pp, orvHintNone), orvStsOk);
    for (int n = 0; n < 12; ++n) EXPECT_NEAR(parts[n], whole[n], 1e-14) << n;
    ASSERT_EQ(orvsTone_Direct_64f(tone, 8, 1.0, 0.0, &p0, orvHintNone), orvStsOk);
    EXPECT_EQ(p0, 1.25);
}

TEST(GeneratorChecks, DirectOrderAndNothingWritten)
{
    const double pi = (double)kPi;
    // magn, rFreq, asym, phase; null phase / destination; length; tone and triangle status
    struct Row { double magn, f, asym, phase; bool nullPhase, nullDst; int len; OrvStatus tone, tri; } rows[] = {
        {0, 9, 9, 9, true, true, 0, orvStsErrNullPtr, orvStsErrNullPtr},
        {0, 9, 9, 9, false, true, 0, orvStsErrToneMagn, orvStsErrTrnglMagn},
        {1, 0.5, 9, 9, false, true, 0, orvStsErrToneFreq, orvStsErrTrnglFreq},
        {1, -0.01, 0, 0, false, false, 4, orvStsErrToneFreq, orvStsErrTrnglFreq},
        {1, 0.1, pi, 9, false, true, 0, orvStsErrTonePhase, orvStsErrTrnglAsym},
        {1, 0.1, -3.2, 0, false, false, 4, orvStsOk, orvStsErrTrnglAsym},
        {1, 0.1, 0, 2 * pi, false, true, 0, orvStsErrTonePhase, orvStsErrTrnglPhase},
        {1, 0.1, 0, -1e-9, false, false, 4, orvStsErrTonePhase, orvStsErrTrnglPhase},
        {1, 0.1, 0, 0, false, true, 0, orvStsErrNullPtr, orvStsErrNullPtr},
        {1, 0.1, 0, 0, false, false, 0, orvStsErrSize, orvStsErrSize},
    };
    for (const Row& r : rows) {
        Guarded<Orv64f> d(8), t(8);
        d.fill(), t.fill();
        Orv64f phase = r.phase, phaseT = r.phase;
        EXPECT_EQ(orvsTone_Direct_64f(r.nullDst ? nullptr : d.data(), r.len, r.magn, r.f, r.nullPhase ? nullptr : &phase, orvHintNone), r.tone);
        EXPECT_EQ(orvsTriangle_Direct_64f(r.nullDst ? nullptr : t.data(), r.len, r.magn, r.f, r.asym, r.nullPhase ? nullptr : &phaseT), r.tri);
        if (r.tone) EXPECT_TRUE(d.intact() && phase == r.phase);
        EXPECT_TRUE(t.intact() && phaseT == r.phase);
    }
    Orv32f pf = 6.2831855f;  // the float nearest 2 pi lies above it
    Orv16sc c[4];
    EXPECT_EQ(orvsTone_Direct_16sc(c, 4, 1, 0.1f, &pf, orvHintNone), orvStsErrTonePhase);
    Orv64fc z[4];
    Orv64f p = 0;
    EXPECT_EQ(orvsTone_Direct_64fc(z, 4, 1.0, 0.99, &p, orvHintNone), orvStsOk) << "complex tones accept up to 1";
    EXPECT_EQ(orvsTone_Direct_64fc(z, 4, 1.0, 1.0, &p, orvHintNone), orvStsErrToneFreq);
}

TEST(GeneratorQ15, ExactToneAndRecordsContinuing)
{
    for (auto [magn, f, ph] : {std::tuple{1, 0, 0}, {32767, 8192, 0}, {32767, 1, 205886}, {1000, 16383, 12345}, {12345, 3001, 100000}}) {
        std::vector<Orv16s> d(3000);
        ASSERT_EQ(orvsToneQ15_Direct_16s(d.data(), 3000, (Orv16s)magn, (Orv16s)f, ph), orvStsOk);
        for (int k = 0; k < 3000; ++k) ASSERT_EQ(d[k], toneQ15Model(magn, f, ph, k)) << magn << " " << f << " k=" << k;
    }
    int toneSize = 0, triSize = 0;
    ASSERT_EQ(orvsToneGetStateSizeQ15_16s(&toneSize), orvStsOk);
    ASSERT_EQ(orvsTriangleGetStateSizeQ15_16s(&triSize), orvStsOk);
    EXPECT_EQ(toneSize, 48);
    std::vector<unsigned char> toneMem(toneSize), triMem(triSize);
    auto* tone = reinterpret_cast<OrvsToneState_16s*>(toneMem.data());
    auto* tri = reinterpret_cast<OrvsTriangleState_16s*>(triMem.data());
    OrvsToneState_16s* toneOwned = nullptr;
    ASSERT_EQ(orvsToneInitQ15_16s(tone, 20000, 1234, 5000), orvStsOk);
    ASSERT_EQ(orvsToneInitAllocQ15_16s(&toneOwned, 20000, 1234, 5000), orvStsOk);
    ASSERT_EQ(orvsTriangleInitQ15_16s(tri, 30000, 4000, 100000, -50000), orvStsOk);
    std::vector<Orv16s> toneWhole(1200), triWhole(1200), triFloat(1200), a(1200), b(1200), c(1200);
    ASSERT_EQ(orvsToneQ15_Direct_16s(toneWhole.data(), 1200, 20000, 1234, 5000), orvStsOk);
    ASSERT_EQ(orvsTriangleQ15_Direct_16s(triWhole.data(), 1200, 30000, 4000, 100000, -50000), orvStsOk);
    Orv32f phase = 100000 / 32768.0f;
    ASSERT_EQ(orvsTriangle_Direct_16s(triFloat.data(), 1200, 30000, 4000 / 32768.0f, -50000 / 32768.0f, &phase), orvStsOk);
    EXPECT_EQ(triWhole, triFloat) << "the Q15 triangle is the 16s triangle of the converted parameters";
    for (int at = 0, i = 0; at < 1200; at += (int[]){5, 7, 1000, 188}[i++]) {
        const int len = (int[]){5, 7, 1000, 188}[i];
        ASSERT_EQ(orvsToneQ15_16s(a.data() + at, len, tone), orvStsOk);
        ASSERT_EQ(orvsToneQ15_16s(b.data() + at, len, toneOwned), orvStsOk);
        ASSERT_EQ(orvsTriangleQ15_16s(c.data() + at, len, tri), orvStsOk);
    }
    EXPECT_EQ(a, toneWhole);
    EXPECT_EQ(b, toneWhole);
    for (int k = 0; k < 1200; ++k) ASSERT_NEAR(c[k], triWhole[k], 1) << k;
    EXPECT_EQ(orvsToneFree(toneOwned), orvStsOk);
    EXPECT_EQ(orvsToneFree(tone), orvStsOk);
    EXPECT_EQ(orvsToneQ15_16s(a.data(), 4, tone), orvStsErrContextMatch) << "a released record is refused";
    EXPECT_EQ(orvsTriangleFree(tri), orvStsOk);
    EXPECT_EQ(orvsTriangleFree(tri), orvStsErrContextMatch);
}

TEST(GeneratorQ15, Refusals)
{
    Orv16s d[4];
    OrvsToneState_16s* tone = nullptr;
    OrvsTriangleState_16s* tri = nullptr;
    auto* foreign = reinterpret_cast<OrvsTriangleState_16s*>(d);
    const std::pair<OrvStatus, OrvStatus> rows[] = {
        {orvsToneQ15_Direct_16s(d, 4, 0, 1, 1), orvStsErrToneMagn},
        {orvsToneQ15_Direct_16s(d, 4, 1, 16384, 1), orvStsErrToneFreq},
        {orvsToneInitAllocQ15_16s(&tone, 1, -1, 1), orvStsErrToneFreq},
        {orvsToneQ15_Direct_16s(d, 4, 1, 1, 205887), orvStsErrTonePhase},
        {orvsToneInitQ15_16s(reinterpret_cast<OrvsToneState_16s*>(d), 1, 1, -1), orvStsErrTonePhase},
        {orvsToneQ15_Direct_16s(d, 4, -5, -1, -1), orvStsErrToneMagn},
        {orvsToneQ15_Direct_16s(d, 0, 0, 1, 1), orvStsErrSize},
        {orvsToneGetStateSizeQ15_16s(nullptr), orvStsErrNullPtr},
        {orvsTriangleQ15_Direct_16s(d, 4, 0, 1, 1, 1), orvStsErrTrnglMagn},
        {orvsTriangleQ15_Direct_16s(d, 4, 1, 16384, 1, 1), orvStsErrTrnglFreq},
        {orvsTriangleQ15_Direct_16s(d, 4, 1, 1, 1, 102944), orvStsErrTrnglAsym},
        {orvsTriangleInitAllocQ15_16s(&tri, 1, 1, -1, -102944), orvStsErrTrnglAsym},
        {orvsTriangleQ15_Direct_16s(d, 4, 1, 1, 205887, 0), orvStsErrTrnglPhase},
        {orvsTriangleQ15_Direct_16s(d, 4, 1, 16383, 205886, -102943), orvStsOk},
        {orvsTriangleQ15_16s(d, 4, foreign), orvStsErrContextMatch},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) EXPECT_EQ(rows[i].first, rows[i].second) << "row " << i;
    EXPECT_TRUE(tone == nullptr && tri == nullptr);
}

TEST(GeneratorVariants, Avx) { ORVS_RERUN_UNDER_VARIANT("avx", "Tone*:Window*:Triangle*:Generator*"); }
TEST(GeneratorVariants, Avx2) { ORVS_RERUN_UNDER_VARIANT("avx2", "Tone*:Window*:Triangle*:Generator*"); }
