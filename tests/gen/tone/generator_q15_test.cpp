// Triangle waves against their piecewise-linear definition, and the Q15
// generators (direct and with records) against integer-exact models: phase
// continuation through the records, the record lifecycle, every refusal.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "../gen_model.h"
#include "test_util.h"

using namespace orvs_test;
using gen_model::kPi;

namespace {

// The Q15 tone at sample k: magn cos(2 pi (k f mod 2^15) / 2^15 + phase),
// rounded half away from zero.
Orv16s toneQ15Model(int magn, int f, int phaseQ15, std::uint32_t k)
{
    const long double cycle = (long double)((k * (std::uint64_t)f) % 32768) / 32768;
    const long double v = magn * std::cos(2 * kPi * cycle + phaseQ15 / 32768.0L);
    return (Orv16s)std::clamp(std::round(v), -32768.0L, 32767.0L);
}

struct TriCase { double magn, rFreq, asym, phase; };
const TriCase kTriCases[] = {{1, 0.25, 0, 0},       {1000, 0.01, 1.0, 0.3}, {20000, 0.3, -2.5, 6.0},
                             {5, 0.13, 3.1, 1.0},   {7, 0.49, -3.14, 2.0},  {300, 0.0, 0.5, 4.0},
                             {12345, 0.137, -1, 5}, {1, 0.11, 0.0, 0.0}};

// Values (real part, and the imaginary part a quarter-wave shifted) of the
// triangle; 16-bit values are truncated toward zero.
template <class T, class M, class F>
void expectTriangle(OrvStatus (*fn)(T*, int, M, F, F, F*), const char* name, long double tol)
{
    constexpr bool cplx = gen_model::isComplex<T>;
    constexpr bool integral = std::is_integral_v<gen_model::Part<T>>;
    for (const TriCase& c : kTriCases)
        for (int len : {1, 5, 100, 1500}) {
            const M magn = (M)c.magn;
            const F f = (F)c.rFreq, a = (F)c.asym;
            F phase = (F)c.phase;
            const long double p0 = phase;
            Guarded<T> d(len, 1);
            ASSERT_EQ(fn(d.data(), len, magn, f, a, &phase), orvStsOk) << name;
            ASSERT_TRUE(d.guardsIntact());
            int bad = 0;
            for (int n = 0; n < len && bad < 3; ++n) {
                const long double th = std::fmod(p0 + 2 * kPi * (long double)f * n, 2 * kPi);
                long double e[2] = {gen_model::triangle(th, magn, a),
                                    gen_model::triangle(std::fmod(th + (3 * kPi + a) / 2, 2 * kPi), magn, a)};
                const long double got[2] = {gen_model::re(d[n]), gen_model::im(d[n])};
                for (int p = 0; p < (cplx ? 2 : 1); ++p) {
                    if (integral) e[p] = std::trunc(e[p]);
                    // Near a truncation step the model and the library may sit on either side.
                    const long double t = integral ? 1.0L : tol * magn;
                    if (std::fabs(got[p] - e[p]) > t) {
                        ++bad;
                        ADD_FAILURE() << name << " f=" << c.rFreq << " asym=" << c.asym << " phase=" << c.phase << " n=" << n
                                      << " part " << p << ": " << (double)got[p] << " expected " << (double)e[p];
                    }
                }
            }
            long double next = std::fmod(p0 + 2 * kPi * (long double)f * len, 2 * kPi);
            long double diff = std::fabs(next - (long double)phase);
            EXPECT_LT(std::min(diff, 2 * kPi - diff), 1e-5L) << name;
        }
}

} // namespace

TEST(TriangleValues, EveryType)
{
    expectTriangle<Orv64f, Orv64f, Orv64f>(orvsTriangle_Direct_64f, "64f", 1e-12L);
    expectTriangle<Orv64fc, Orv64f, Orv64f>(orvsTriangle_Direct_64fc, "64fc", 1e-12L);
    expectTriangle<Orv32f, Orv32f, Orv32f>(orvsTriangle_Direct_32f, "32f", 1e-6L);
    expectTriangle<Orv32fc, Orv32f, Orv32f>(orvsTriangle_Direct_32fc, "32fc", 1e-6L);
    expectTriangle<Orv16s, Orv16s, Orv32f>(orvsTriangle_Direct_16s, "16s", 0);
    expectTriangle<Orv16sc, Orv16s, Orv32f>(orvsTriangle_Direct_16sc, "16sc", 0);
}

TEST(TriangleValues, QuarterRate)
{
    Orv64f d[8], phase = 0;
    ASSERT_EQ(orvsTriangle_Direct_64f(d, 8, 1.0, 0.25, 0.0, &phase), orvStsOk);
    const double e[8] = {1, 0, -1, 0, 1, 0, -1, 0};
    for (int n = 0; n < 8; ++n) EXPECT_NEAR(d[n], e[n], 1e-15) << n;
}

TEST(TriangleChecks, OrderAndNothingWritten)
{
    const double pi = (double)kPi;
    struct Row { const char* what; double magn, f, asym, phase; bool nullPhase, nullDst; int len; OrvStatus st; };
    const Row rows[] = {
        {"null phase first", 0, 9, 9, 9, true, true, 0, orvStsErrNullPtr},
        {"magnitude before frequency", 0, 9, 9, 9, false, true, 0, orvStsErrTrnglMagn},
        {"frequency before asymmetry", 1, 0.5, 9, 9, false, true, 0, orvStsErrTrnglFreq},
        {"asymmetry pi before phase", 1, 0.1, pi, 9, false, true, 0, orvStsErrTrnglAsym},
        {"asymmetry below -pi", 1, 0.1, -3.2, 0, false, false, 3, orvStsErrTrnglAsym},
        {"phase 2 pi before destination", 1, 0.1, 0, 2 * pi, false, true, 0, orvStsErrTrnglPhase},
        {"null destination before length", 1, 0.1, 0, 0, false, true, 0, orvStsErrNullPtr},
        {"length 0", 1, 0.1, 0, 0, false, false, 0, orvStsErrSize},
    };
    for (const Row& r : rows) {
        Guarded<Orv64fc> d(4);
        d.fill();
        Orv64f phase = r.phase;
        EXPECT_EQ(orvsTriangle_Direct_64fc(r.nullDst ? nullptr : d.data(), r.len, r.magn, r.f, r.asym, r.nullPhase ? nullptr : &phase), r.st)
            << r.what;
        EXPECT_TRUE(d.intact()) << r.what;
        EXPECT_EQ(phase, r.phase) << r.what;
    }
}

TEST(ToneQ15, DirectIsExact)
{
    struct Row { int magn, f, phase; } rows[] = {{1, 0, 0}, {32767, 8192, 0}, {32767, 1, 205886}, {1000, 16383, 12345}, {12345, 3001, 100000}};
    for (const auto& r : rows) {
        std::vector<Orv16s> d(3000);
        ASSERT_EQ(orvsToneQ15_Direct_16s(d.data(), 3000, (Orv16s)r.magn, (Orv16s)r.f, r.phase), orvStsOk);
        for (int k = 0; k < 3000; ++k) ASSERT_EQ(d[k], toneQ15Model(r.magn, r.f, r.phase, k)) << r.magn << " " << r.f << " k=" << k;
    }
}

TEST(ToneQ15, RecordContinuesTheWave)
{
    int size = 0;
    ASSERT_EQ(orvsToneGetStateSizeQ15_16s(&size), orvStsOk);
    EXPECT_EQ(size, 48);
    std::vector<unsigned char> mem(size);
    auto* placed = reinterpret_cast<OrvsToneState_16s*>(mem.data());
    ASSERT_EQ(orvsToneInitQ15_16s(placed, 20000, 1234, 5000), orvStsOk);
    OrvsToneState_16s* owned = nullptr;
    ASSERT_EQ(orvsToneInitAllocQ15_16s(&owned, 20000, 1234, 5000), orvStsOk);
    std::vector<Orv16s> whole(1200), a(1200), b(1200);
    ASSERT_EQ(orvsToneQ15_Direct_16s(whole.data(), 1200, 20000, 1234, 5000), orvStsOk);
    int at = 0;
    for (int len : {5, 7, 1000, 188}) {
        ASSERT_EQ(orvsToneQ15_16s(a.data() + at, len, placed), orvStsOk);
        ASSERT_EQ(orvsToneQ15_16s(b.data() + at, len, owned), orvStsOk);
        at += len;
    }
    EXPECT_EQ(a, whole);
    EXPECT_EQ(b, whole);
    EXPECT_EQ(orvsToneFree(owned), orvStsOk);
    EXPECT_EQ(orvsToneFree(placed), orvStsOk);
    EXPECT_EQ(orvsToneQ15_16s(a.data(), 4, placed), orvStsErrContextMatch) << "a released record is refused";
}

TEST(TriangleQ15, RecordMatchesDirect)
{
    int size = 0;
    ASSERT_EQ(orvsTriangleGetStateSizeQ15_16s(&size), orvStsOk);
    std::vector<unsigned char> mem(size);
    auto* placed = reinterpret_cast<OrvsTriangleState_16s*>(mem.data());
    ASSERT_EQ(orvsTriangleInitQ15_16s(placed, 30000, 4000, 100000, -50000), orvStsOk);
    std::vector<Orv16s> whole(900), parts(900);
    ASSERT_EQ(orvsTriangleQ15_Direct_16s(whole.data(), 900, 30000, 4000, 100000, -50000), orvStsOk);
    Orv32f phase = 100000 / 32768.0f;
    std::vector<Orv16s> viaFloat(900);
    ASSERT_EQ(orvsTriangle_Direct_16s(viaFloat.data(), 900, 30000, 4000 / 32768.0f, -50000 / 32768.0f, &phase), orvStsOk);
    EXPECT_EQ(whole, viaFloat);
    ASSERT_EQ(orvsTriangleQ15_16s(parts.data(), 400, placed), orvStsOk);
    ASSERT_EQ(orvsTriangleQ15_16s(parts.data() + 400, 500, placed), orvStsOk);
    for (int k = 0; k < 900; ++k) ASSERT_NEAR(parts[k], whole[k], 1) << k;
    OrvsTriangleState_16s* owned = nullptr;
    ASSERT_EQ(orvsTriangleInitAllocQ15_16s(&owned, 1, 1, 0, 0), orvStsOk);
    EXPECT_EQ(orvsTriangleFree(owned), orvStsOk);
    EXPECT_EQ(orvsTriangleFree(placed), orvStsOk);
    EXPECT_EQ(orvsTriangleFree(placed), orvStsErrContextMatch);
}

TEST(GeneratorQ15Checks, Refusals)
{
    Orv16s d[4];
    OrvsToneState_16s* tone = nullptr;
    OrvsTriangleState_16s* tri = nullptr;
    struct Row { const char* what; OrvStatus got, expected; } rows[] = {
        {"tone magn 0", orvsToneQ15_Direct_16s(d, 4, 0, 1, 1), orvStsErrToneMagn},
        {"tone frequency 16384", orvsToneQ15_Direct_16s(d, 4, 1, 16384, 1), orvStsErrToneFreq},
        {"tone frequency -1", orvsToneInitAllocQ15_16s(&tone, 1, -1, 1), orvStsErrToneFreq},
        {"tone phase 205887", orvsToneQ15_Direct_16s(d, 4, 1, 1, 205887), orvStsErrTonePhase},
        {"tone phase -1", orvsToneInitQ15_16s(reinterpret_cast<OrvsToneState_16s*>(d), 1, 1, -1), orvStsErrTonePhase},
        {"tone magn before frequency", orvsToneQ15_Direct_16s(d, 4, -5, -1, -1), orvStsErrToneMagn},
        {"tone length before parameters", orvsToneQ15_Direct_16s(d, 0, 0, 1, 1), orvStsErrSize},
        {"tone null size", orvsToneGetStateSizeQ15_16s(nullptr), orvStsErrNullPtr},
        {"tone free null", orvsToneFree(nullptr), orvStsErrNullPtr},
        {"triangle magn 0", orvsTriangleQ15_Direct_16s(d, 4, 0, 1, 1, 1), orvStsErrTrnglMagn},
        {"triangle frequency 16384", orvsTriangleQ15_Direct_16s(d, 4, 1, 16384, 1, 1), orvStsErrTrnglFreq},
        {"triangle asymmetry 102944", orvsTriangleQ15_Direct_16s(d, 4, 1, 1, 1, 102944), orvStsErrTrnglAsym},
        {"triangle asymmetry before phase", orvsTriangleInitAllocQ15_16s(&tri, 1, 1, -1, -102944), orvStsErrTrnglAsym},
        {"triangle phase 205887", orvsTriangleQ15_Direct_16s(d, 4, 1, 1, 205887, 0), orvStsErrTrnglPhase},
        {"triangle extremes accepted", orvsTriangleQ15_Direct_16s(d, 4, 1, 16383, 205886, -102943), orvStsOk},
        {"triangle foreign record", orvsTriangleQ15_16s(d, 4, reinterpret_cast<OrvsTriangleState_16s*>(d)), orvStsErrContextMatch},
    };
    for (const auto& r : rows) EXPECT_EQ(r.got, r.expected) << r.what;
    EXPECT_EQ(tone, nullptr);
    EXPECT_EQ(tri, nullptr);
}
