// The DF1 forms, integer taps, integer outputs (scale, ties to even,
// saturation), the state sizes callers are told, and every kernel variant.
#include <gtest/gtest.h>

#include <climits>

#include "iir_model.h"
#include "test_util.h"

using namespace iir_test;

namespace {

// DF1 in float with the contract's order of summation, section by section.
struct Df1Float {
    std::vector<float> c;  // b0 b1 b2 a1 a2 per section, normalised as a float record does
    std::vector<float> h;  // x2 x1 y2 y1 per section
    Df1Float(const std::vector<float>& taps, const std::vector<float>& hist) : h(hist)
    {
        for (size_t s = 0; s < taps.size() / 6; ++s) {
            const float* t = &taps[6 * s];
            const float r = 1.0f / t[3];
            for (int i : {0, 1, 2, 4, 5}) c.push_back(t[3] == 1.0f ? t[i] : t[i] * r);
        }
    }
    void run(std::vector<float>& v)
    {
        for (size_t s = 0; s < c.size() / 5; ++s) {
            const float *k = &c[5 * s];
            float* q = &h[4 * s];
            for (float& x : v) {
                const float y = (((k[2] * q[0] + k[1] * q[1]) - k[3] * q[3]) - k[4] * q[2]) + k[0] * x;
                q[0] = q[1], q[1] = x, q[2] = q[3], q[3] = y;
                x = y;
            }
        }
    }
};

} // namespace

// Kind 29 is exact: the same float operations in the same order, across
// calls, with b0 = 0 allowed and a0 = 1 taken as is.
TEST(IirDf1, FloatCascadeIsBitExact)
{
    std::mt19937 g(7);
    std::uniform_real_distribution<float> u(-1, 1);
    const int k = 3;
    std::vector<float> taps = {0.5f, 0.25f, -0.125f, 1.0f, -0.6f, 0.2f,   // a0 = 1
                               0.0f, 0.7f, 0.3f, 1.5f, 0.3f, 0.1f,         // b0 = 0, a0 = 1.5
                               0.3f, -0.2f, 0.1f, 3.0f, -1.2f, 0.9f};      // a0 = 3
    std::vector<float> hist(4 * k);
    for (float& v : hist) v = u(g);
    int bytes = 0;
    ASSERT_EQ(orvsIIRGetStateSize_BiQuad_DF1_32f(k, &bytes), orvStsOk);
    orvs_test::Guarded<Orv8u> mem(bytes, 5);
    OrvsIIRState_32f* st = nullptr;
    ASSERT_EQ(orvsIIRInit_BiQuad_DF1_32f(&st, taps.data(), k, hist.data(), mem.data()), orvStsOk);
    Df1Float model(taps, hist);
    for (int len : {1, 2, 17, 1500, 3}) {
        std::vector<float> x(len + 1), y(len + 1);
        for (float& v : x) v = u(g);
        std::vector<float> want(x.begin() + 1, x.end());
        model.run(want);
        ASSERT_EQ(orvsIIR_32f(x.data() + 1, y.data() + 1, len, st), orvStsOk);  // unaligned by one element
        EXPECT_TRUE(orvs_test::sameBits(want.data(), y.data() + 1, len)) << "length " << len;
        std::vector<float> line(4 * k);
        ASSERT_EQ(orvsIIRGetDlyLine_32f(st, line.data()), orvStsOk);
        EXPECT_TRUE(orvs_test::sameBits(model.h.data(), line.data(), 4 * k));
    }
    OrvsIIRState_32f* other = nullptr;
    std::vector<float> bad = taps;
    bad[9] = 0;
    EXPECT_EQ(orvsIIRSetTaps_32f(bad.data(), st), orvStsErrDivByZero);
    EXPECT_EQ(orvsIIRInitAlloc_BiQuad_DF1_32f(&other, bad.data(), k, nullptr), orvStsErrDivByZero);
    Orv32f one = 0;
    EXPECT_EQ(orvsIIROne_32f(1.0f, &one, st), orvStsErrContextMatch);  // DF1 has no single-sample step
    EXPECT_EQ(orvsIIRFree_32f(st), orvStsOk);
    EXPECT_TRUE(mem.guardsIntact());
}

// Kind 30: integer history in, the filter as a biquad cascade over the
// unrounded values, the last two inputs and outputs of each section out
// (rounded), against the difference equation.
TEST(IirDf1, IntegerHistoryAgainstModel)
{
    std::mt19937 g(11);
    const int k = 2, sf = 3;
    std::vector<LC> tapsLC = randomTaps(g, k, true, false, 1.0);
    tapsLC[0] = 0;  // b0 = 0 is allowed in DF1
    std::vector<double> taps;
    for (LC v : tapsLC) taps.push_back(double(v.real()));
    const std::vector<Orv32s> hist = {100, -200, 3000, -4000, 50, 60, -700, 800};
    Model model(tapsLC, k, true);
    for (int s = 0; s < k; ++s) {
        auto& p = model.parts[s];
        p.xs = {LC(hist[4 * s + 1]), LC(hist[4 * s])}, p.ys = {LC(hist[4 * s + 3]), LC(hist[4 * s + 2])};
    }
    OrvsIIRState64f_32s* st = nullptr;
    ASSERT_EQ(orvsIIRInitAlloc64f_BiQuad_DF1_32s(&st, taps.data(), k, hist.data()), orvStsOk);
    std::uniform_int_distribution<int> u(-100000, 100000);
    for (int len : {1, 5, 2500, 8, 2}) {
        std::vector<Orv32s> x(len), y(len);
        for (auto& v : x) v = u(g);
        ASSERT_EQ(orvsIIR64f_32s_Sfs(x.data(), y.data(), len, st, sf), orvStsOk);
        for (int i = 0; i < len; ++i) {
            const long double want = std::ldexp(model.step(LC(x[i])).real(), -sf);
            ASSERT_LE(std::abs(y[i] - want), 0.5 + 1e-6) << "length " << len << " at " << i;
        }
        std::vector<Orv32s> line(4 * k);
        ASSERT_EQ(orvsIIRGetDlyLine64f_DF1_32s(st, line.data()), orvStsOk);
        for (int s = 0; s < k; ++s) {
            const auto& p = model.parts[s];
            const long double want[4] = {p.xs[1].real(), p.xs[0].real(), p.ys[1].real(), p.ys[0].real()};
            for (int i = 0; i < 4; ++i) EXPECT_LE(std::abs(line[4 * s + i] - want[i]), 0.5 + 1e-6) << "section " << s << " value " << i;
        }
    }
    Orv32s one = 0;
    double dummy[2];
    EXPECT_EQ(orvsIIROne64f_32s_Sfs(1, &one, st, 0), orvStsErrContextMatch);
    EXPECT_EQ(orvsIIRGetDlyLine64f_32s(st, dummy), orvStsErrContextMatch);
    EXPECT_EQ(orvsIIRFree64f_32s(st), orvStsOk);
}

// y = g·x through a first-order record with a1 = 0: the scale rule alone.
TEST(IirIntegers, ScaleRoundSaturate)
{
    struct Row {
        double gain;
        int x, sf;
        int want16;  // the 16-bit result; 32-bit outputs follow the model
    };
    const Row rows[] = {
        {2.5, 1, 0, 2},       {3.5, 1, 0, 4},         {-2.5, 1, 0, -2},      {0.5, 3, 0, 2},
        {2.5, 16000, 0, 32767}, {-2.5, 16000, 0, -32768}, {10, 1, 2, 2},    {1, 3, -1, 6},
        {1, 20000, -1, 32767}, {-1, 30000, -2, -32768}, {1, 12345, 40, 0},  {1, 7, INT_MIN, 32767},
    };
    forEachPair([&](const auto& api) {
        using A = std::decay_t<decltype(api)>;
        using T = typename A::T;
        using D = typename A::D;
        if constexpr (std::is_integral_v<PartOf<T>>) {
            for (const Row& r : rows) {
                const std::vector<D> taps = cast<D>({r.gain, 0, 1, 0});
                typename A::S* st = nullptr;
                ASSERT_EQ(api.initAlloc[0](&st, taps.data(), 1, nullptr), orvStsOk);
                const T x = fromLC<T>(isComplex<T> ? LC(r.x, -r.x) : LC(r.x));
                T viaOne{}, viaBlock[2]{}, inPlace[2] = {x, x};
                const T src[2] = {x, x};
                ASSERT_EQ(api.one(x, &viaOne, st, r.sf), orvStsOk);
                ASSERT_EQ(api.filter(src, viaBlock, 2, st, r.sf), orvStsOk);
                ASSERT_EQ(api.filterI(inPlace, 2, st, r.sf), orvStsOk);
                const LC exact = LC(r.gain) * toLC(x);
                const T want = fromLC<T>(exact, r.sf == INT_MIN ? -2000 : r.sf);
                if (std::is_same_v<PartOf<T>, Orv16s>) EXPECT_EQ(toLC(want).real(), r.want16);  // the model agrees with the table
                for (const T* got : {&viaOne, &viaBlock[0], &viaBlock[1], &inPlace[0], &inPlace[1]})
                    EXPECT_EQ(toLC(*got), toLC(want)) << api.name << " gain " << r.gain << " x " << r.x << " sf " << r.sf;
                api.free(st);
            }
        }
    });
}

// Integer taps times 2^-tapsFactor give the same record as the float taps
// they stand for, at Init and at SetTaps.
TEST(IirIntegers, TapsFactor)
{
    std::mt19937 g(5);
    for (int tf : {12, 0, -2}) {
        for (int form : {0, 1}) {
            const int n = form ? 2 : 3, count = form ? 6 * n : 2 * n + 2;
            std::vector<LC> t = randomTaps(g, n, form, false, 1.0);
            std::vector<Orv32s> ti;
            std::vector<Orv32sc> tc;
            std::vector<Orv32f> tf32;
            std::vector<Orv32fc> tfc;
            for (LC v : t) {
                const int q = int(std::lround(std::ldexp(double(v.real()), tf))) + (tf < 0 ? 1 : 0);
                ti.push_back(q);
                tc.push_back({q, -q});
                tf32.push_back(float(std::ldexp(double(q), -tf)));
                tfc.push_back({tf32.back(), -tf32.back()});
            }
            std::vector<Orv16s> x(1200);
            std::vector<Orv16sc> xc(1200);
            for (int i = 0; i < 1200; ++i) x[i] = Orv16s(int(g() % 4001) - 2000), xc[i] = {x[i], Orv16s(-x[i] / 2)};
            OrvsIIRState32s_16s *a = nullptr, *b = nullptr;
            OrvsIIRState32sc_16sc *c = nullptr, *d = nullptr;
            if (form) {
                ASSERT_EQ(orvsIIRInitAlloc32s_BiQuad_16s(&a, ti.data(), n, tf, nullptr), orvStsOk);
                ASSERT_EQ(orvsIIRInitAlloc32s_BiQuad_16s32f(&b, tf32.data(), n, nullptr), orvStsOk);
                ASSERT_EQ(orvsIIRInitAlloc32sc_BiQuad_16sc(&c, tc.data(), n, tf, nullptr), orvStsOk);
                ASSERT_EQ(orvsIIRInitAlloc32sc_BiQuad_16sc32fc(&d, tfc.data(), n, nullptr), orvStsOk);
            } else {
                ASSERT_EQ(orvsIIRInitAlloc32s_16s(&a, ti.data(), n, tf, nullptr), orvStsOk);
                ASSERT_EQ(orvsIIRInitAlloc32s_16s32f(&b, tf32.data(), n, nullptr), orvStsOk);
                ASSERT_EQ(orvsIIRInitAlloc32sc_16sc(&c, tc.data(), n, tf, nullptr), orvStsOk);
                ASSERT_EQ(orvsIIRInitAlloc32sc_16sc32fc(&d, tfc.data(), n, nullptr), orvStsOk);
            }
            // Retuned to the same taps through the integer setters: still the same filter.
            ASSERT_EQ(orvsIIRSetTaps32s_16s(ti.data(), b, tf), orvStsOk);
            ASSERT_EQ(orvsIIRSetTaps32sc_16sc(tc.data(), d, tf), orvStsOk);
            std::vector<Orv16s> ya(1200), yb(1200);
            std::vector<Orv16sc> yc(1200), yd(1200);
            ASSERT_EQ(orvsIIR32s_16s_Sfs(x.data(), ya.data(), 1200, a, 1), orvStsOk);
            ASSERT_EQ(orvsIIR32s_16s_Sfs(x.data(), yb.data(), 1200, b, 1), orvStsOk);
            ASSERT_EQ(orvsIIR32sc_16sc_Sfs(xc.data(), yc.data(), 1200, c, 1), orvStsOk);
            ASSERT_EQ(orvsIIR32sc_16sc_Sfs(xc.data(), yd.data(), 1200, d, 1), orvStsOk);
            EXPECT_TRUE(ya == yb) << "tf " << tf << " form " << form << " count " << count;
            EXPECT_TRUE(orvs_test::sameBits(yc.data(), yd.data(), 1200)) << "tf " << tf << " form " << form;
            bool moved = false;
            for (Orv16s v : ya) moved |= v != 0;
            EXPECT_TRUE(moved);
            orvsIIRFree32s_16s(a), orvsIIRFree32s_16s(b), orvsIIRFree32sc_16sc(c), orvsIIRFree32sc_16sc(d);
        }
    }
}

// The sizes callers are told, worked out by hand from the layout formulas.
TEST(IirRecord, StateSizes)
{
    struct Row {
        const char* what;
        OrvStatus (*size)(int, int*);
        int order, bytes;
    };
    const Row rows[] = {
        {"32f AR 1", orvsIIRGetStateSize_32f, 1, 16 + 4 * 1058 + 96 + 16 + 32},
        {"32f AR 2 (kind 01)", orvsIIRGetStateSize_32f, 2, 32 + 4 * 1166 + 96 + 16 + 32},
        {"32f biquad 1", orvsIIRGetStateSize_BiQuad_32f, 1, 32 + 4 * 1074 + 96 + 16 + 32},
        {"32f DF1 2", orvsIIRGetStateSize_BiQuad_DF1_32f, 2, 48 + 32 + 128},
        {"32f/16s AR 3", orvsIIRGetStateSize32f_16s, 3, 32 + 4 * (24 + 16 + 2048 + 10) + 96 + 16 + 32},
        {"32fc AR 1", orvsIIRGetStateSize_32fc, 1, 32 + 8 * 1094 + 96 + 32 + 32},
        {"32fc biquad 2", orvsIIRGetStateSize_BiQuad_32fc, 2, 96 + 8 * (296 + 1024) + 96 + 32 + 64},
        {"64f AR 3", orvsIIRGetStateSize_64f, 3, 64 + 8 * 1056 + 96 + 32 + 32},
        {"64f/16s biquad 2", orvsIIRGetStateSize64f_BiQuad_16s, 2, 80 + 32 + 8 * 2112 + 96},
        {"64f/32s DF1 1", orvsIIRGetStateSize64f_BiQuad_DF1_32s, 1, 48 + 16 + 8 * 2080 + 96},
        {"64fc biquad 1", orvsIIRGetStateSize_BiQuad_64fc, 1, 16 * 1093 + 96 + 32 + 32},
        {"64fc/32fc AR 2", orvsIIRGetStateSize64fc_32fc, 2, 16 * (5 + 38 + 2052) + 96 + 48 + 32},
    };
    for (const Row& r : rows) {
        int bytes = -1;
        ASSERT_EQ(r.size(r.order, &bytes), orvStsOk) << r.what;
        EXPECT_EQ(bytes, r.bytes) << r.what;
        EXPECT_EQ(r.size(0, &bytes), orvStsErrIirOrder) << r.what;
        EXPECT_EQ(r.size(-5, &bytes), orvStsErrIirOrder) << r.what;
    }
}

TEST(IirVariants, Avx) { ORVS_RERUN_UNDER_VARIANT("avx", "Iir*:-IirVariants.*"); }
TEST(IirVariants, Avx2) { ORVS_RERUN_UNDER_VARIANT("avx2", "Iir*:-IirVariants.*"); }
