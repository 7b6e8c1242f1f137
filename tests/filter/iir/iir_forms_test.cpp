// The DF1 forms, integer taps, the sizes callers are told, every variant.
#include <gtest/gtest.h>

#include "iir_model.h"
#include "test_util.h"

using namespace iir_test;

// Kind 29 against float arithmetic in the order ((b2·x2 + b1·x1) - a1·y1 -
// a2·y2) + b0·x, bit for bit over calls; b0 = 0 allowed, a0 = 1 kept as is.
TEST(IirDf1, FloatCascadeIsBitExact)
{
    std::mt19937 g(7);
    std::uniform_real_distribution<float> u(-1, 1);
    const int k = 3;
    const std::vector<float> taps = {0.5f, 0.25f, -0.125f, 1.0f, -0.6f, 0.2f, 0.0f, 0.7f, 0.3f, 1.5f, 0.3f, 0.1f,
                                     0.3f, -0.2f, 0.1f, 3.0f, -1.2f, 0.9f};
    std::vector<float> c, h(4 * k);  // normalised taps, history x2 x1 y2 y1
    for (int s = 0; s < k; ++s)
        for (int i : {0, 1, 2, 4, 5}) c.push_back(taps[6 * s + 3] == 1.0f ? taps[6 * s + i] : taps[6 * s + i] * (1.0f / taps[6 * s + 3]));
    for (float& v : h) v = u(g);
    int bytes = 0;
    ASSERT_EQ(orvsIIRGetStateSize_BiQuad_DF1_32f(k, &bytes), orvStsOk);
    orvs_test::Guarded<Orv8u> mem(bytes, 5);
    OrvsIIRState_32f* st = nullptr;
    ASSERT_EQ(orvsIIRInit_BiQuad_DF1_32f(&st, taps.data(), k, h.data(), mem.data()), orvStsOk);
    for (int len : {1, 2, 17, 1500, 3}) {
        std::vector<float> x(len + 1), y(len + 1), line(4 * k);
        for (float& v : x) v = u(g);
        std::vector<float> want(x.begin() + 1, x.end());
        for (int s = 0; s < k; ++s)
            for (float& v : want) {
                const float* b = &c[5 * s];
                float* q = &h[4 * s];
                const float out = (((b[2] * q[0] + b[1] * q[1]) - b[3] * q[3]) - b[4] * q[2]) + b[0] * v;
                q[0] = q[1], q[1] = v, q[2] = q[3], q[3] = out, v = out;
            }
        ASSERT_EQ(orvsIIR_32f(x.data() + 1, y.data() + 1, len, st), orvStsOk);
        EXPECT_TRUE(orvs_test::sameBits(want.data(), y.data() + 1, len)) << "length " << len;
        ASSERT_EQ(orvsIIRGetDlyLine_32f(st, line.data()), orvStsOk);
        EXPECT_TRUE(orvs_test::sameBits(h.data(), line.data(), 4 * k));
    }
    std::vector<float> bad = taps;
    bad[9] = 0;
    Orv32f one = 0;
    EXPECT_EQ(orvsIIRSetTaps_32f(bad.data(), st), orvStsErrDivByZero);
    EXPECT_EQ(orvsIIROne_32f(1.0f, &one, st), orvStsErrContextMatch);  // no single-sample step in DF1
    EXPECT_EQ(orvsIIRFree_32f(st), orvStsOk);
    EXPECT_TRUE(mem.guardsIntact());
}

// Kind 30: integer history in, the cascade over unrounded values, each
// section's last two inputs and outputs out (rounded), against the model.
TEST(IirDf1, IntegerHistoryAgainstModel)
{
    std::mt19937 g(11);
    const int k = 2, sf = 3;
    std::vector<LC> t = randomTaps(g, k, true, false, 1.0);
    t[0] = 0;  // allowed in DF1
    std::vector<double> taps;
    for (LC v : t) taps.push_back(double(v.real()));
    const std::vector<Orv32s> hist = {100, -200, 3000, -4000, 50, 60, -700, 800};
    Model model(t, k, true);
    for (int s = 0; s < k; ++s)
        model.parts[s].xs = {LC(hist[4 * s + 1]), LC(hist[4 * s])}, model.parts[s].ys = {LC(hist[4 * s + 3]), LC(hist[4 * s + 2])};
    OrvsIIRState64f_32s* st = nullptr;
    ASSERT_EQ(orvsIIRInitAlloc64f_BiQuad_DF1_32s(&st, taps.data(), k, hist.data()), orvStsOk);
    for (int len : {1, 5, 2500, 8, 2}) {
        std::vector<Orv32s> x(len), y(len), line(4 * k);
        for (auto& v : x) v = int(g() % 200001) - 100000;
        ASSERT_EQ(orvsIIR64f_32s_Sfs(x.data(), y.data(), len, st, sf), orvStsOk);
        for (int i = 0; i < len; ++i) ASSERT_LE(std::abs(y[i] - std::ldexp(model.step(LC(x[i])).real(), -sf)), 0.5 + 1e-6) << len << " at " << i;
        ASSERT_EQ(orvsIIRGetDlyLine64f_DF1_32s(st, line.data()), orvStsOk);
        for (int s = 0; s < k; ++s) {
            const auto& p = model.parts[s];
            const LC want[4] = {p.xs[1], p.xs[0], p.ys[1], p.ys[0]};
            for (int i = 0; i < 4; ++i) EXPECT_LE(std::abs(line[4 * s + i] - want[i].real()), 0.5 + 1e-6) << "section " << s << " value " << i;
        }
    }
    Orv32s one = 0;
    double other[2];
    EXPECT_EQ(orvsIIROne64f_32s_Sfs(1, &one, st, 0), orvStsErrContextMatch);
    EXPECT_EQ(orvsIIRGetDlyLine64f_32s(st, other), orvStsErrContextMatch);
    EXPECT_EQ(orvsIIRFree64f_32s(st), orvStsOk);
}

// Integer taps times 2^-tapsFactor make the filter of the float taps they
// stand for, at Init and at SetTaps (real and complex integer-taps pairs).
TEST(IirIntegers, TapsFactor)
{
    std::mt19937 g(5);
    for (int tf : {12, 0, -2})
        for (int form : {0, 1}) {
            const int n = form ? 2 : 3;
            std::vector<Orv32s> ti;  // integer taps, real and complex, and the float taps they stand for
            std::vector<Orv32sc> tc;
            std::vector<Orv32f> tf32;
            std::vector<Orv32fc> tfc;
            for (LC v : randomTaps(g, n, form, false, 1.0)) {
                const int q = int(std::lround(std::ldexp(double(v.real()), tf))) + (tf < 0);
                ti.push_back(q), tc.push_back({q, -q}), tf32.push_back(float(std::ldexp(double(q), -tf))), tfc.push_back({tf32.back(), -tf32.back()});
            }
            std::vector<Orv16s> x(1200), ya(1200), yb(1200);
            std::vector<Orv16sc> xc(1200), yc(1200), yd(1200);
            for (int i = 0; i < 1200; ++i) x[i] = Orv16s(int(g() % 4001) - 2000), xc[i] = {x[i], Orv16s(-x[i] / 2)};
            OrvsIIRState32s_16s *a = nullptr, *b = nullptr;
            OrvsIIRState32sc_16sc *c = nullptr, *d = nullptr;
            ASSERT_EQ((form ? orvsIIRInitAlloc32s_BiQuad_16s : orvsIIRInitAlloc32s_16s)(&a, ti.data(), n, tf, nullptr), orvStsOk);
            ASSERT_EQ((form ? orvsIIRInitAlloc32s_BiQuad_16s32f : orvsIIRInitAlloc32s_16s32f)(&b, tf32.data(), n, nullptr), orvStsOk);
            ASSERT_EQ((form ? orvsIIRInitAlloc32sc_BiQuad_16sc : orvsIIRInitAlloc32sc_16sc)(&c, tc.data(), n, tf, nullptr), orvStsOk);
            ASSERT_EQ((form ? orvsIIRInitAlloc32sc_BiQuad_16sc32fc : orvsIIRInitAlloc32sc_16sc32fc)(&d, tfc.data(), n, nullptr), orvStsOk);
            ASSERT_EQ(orvsIIRSetTaps32s_16s(ti.data(), b, tf), orvStsOk);  // the same taps again
            ASSERT_EQ(orvsIIRSetTaps32sc_16sc(tc.data(), d, tf), orvStsOk);
            ASSERT_EQ(orvsIIR32s_16s_Sfs(x.data(), ya.data(), 1200, a, 1), orvStsOk);
            ASSERT_EQ(orvsIIR32s_16s_Sfs(x.data(), yb.data(), 1200, b, 1), orvStsOk);
            ASSERT_EQ(orvsIIR32sc_16sc_Sfs(xc.data(), yc.data(), 1200, c, 1), orvStsOk);
            ASSERT_EQ(orvsIIR32sc_16sc_Sfs(xc.data(), yd.data(), 1200, d, 1), orvStsOk);
            EXPECT_TRUE(ya == yb && std::any_of(ya.begin(), ya.end(), [](Orv16s v) { return v != 0; })) << "tf " << tf << " form " << form;
            EXPECT_TRUE(orvs_test::sameBits(yc.data(), yd.data(), 1200)) << "tf " << tf << " form " << form;
            orvsIIRFree32s_16s(a), orvsIIRFree32s_16s(b), orvsIIRFree32sc_16sc(c), orvsIIRFree32sc_16sc(d);
        }
}

// Sizes worked out by hand from the layout formulas of each kind.
TEST(IirRecord, StateSizes)
{
    const struct { OrvStatus (*size)(int, int*); int order, bytes; } rows[] = {
        {orvsIIRGetStateSize_32f, 1, 16 + 4 * 1058 + 96 + 16 + 32},     {orvsIIRGetStateSize_32f, 2, 32 + 4 * 1166 + 96 + 16 + 32},
        {orvsIIRGetStateSize_BiQuad_32f, 1, 32 + 4 * 1074 + 96 + 16 + 32}, {orvsIIRGetStateSize_BiQuad_DF1_32f, 2, 48 + 32 + 128},
        {orvsIIRGetStateSize32f_16s, 3, 32 + 4 * 2098 + 96 + 16 + 32},  {orvsIIRGetStateSize_32fc, 1, 32 + 8 * 1094 + 96 + 32 + 32},
        {orvsIIRGetStateSize_BiQuad_32fc, 2, 96 + 8 * 1320 + 96 + 32 + 64}, {orvsIIRGetStateSize_64f, 3, 64 + 8 * 1056 + 96 + 32 + 32},
        {orvsIIRGetStateSize64f_BiQuad_16s, 2, 80 + 32 + 8 * 2112 + 96}, {orvsIIRGetStateSize64f_BiQuad_DF1_32s, 1, 48 + 16 + 8 * 2080 + 96},
        {orvsIIRGetStateSize_BiQuad_64fc, 1, 16 * 1093 + 96 + 32 + 32},  {orvsIIRGetStateSize64fc_32fc, 2, 16 * 2095 + 96 + 48 + 32},
    };
    for (const auto& r : rows) {
        int bytes = -1;
        ASSERT_EQ(r.size(r.order, &bytes), orvStsOk);
        EXPECT_EQ(bytes, r.bytes) << "order " << r.order;
        EXPECT_EQ(r.size(0, &bytes), orvStsErrIirOrder);
    }
}

// The filtering tests of this family only (the design tests share the prefix).
#define IIR_FILTER_TESTS "IirModel.*:IirTaps.*:IirIntegers.*:IirDf1.*:IirRecord.*:IirLanes.*"
TEST(IirVariants, Avx) { ORVS_RERUN_UNDER_VARIANT("avx", IIR_FILTER_TESTS); }
TEST(IirVariants, Avx2) { ORVS_RERUN_UNDER_VARIANT("avx2", IIR_FILTER_TESTS); }
