// Window functions against weights evaluated from their formulas in long
// double (I0 by its power series): every family and sample type, out of
// place on unaligned vectors and in place, lengths across block boundaries;
// then the check order and the exact 16-bit rounding rules.
#include <gtest/gtest.h>

#include <functional>
#include <tuple>
#include <string>

#include "../gen_model.h"
#include "test_util.h"

using namespace orvs_test;
using gen_model::Win;

namespace {

template <class T> using OutOfPlace = std::function<OrvStatus(const T*, T*, int)>;
template <class T> using InPlace = std::function<OrvStatus(T*, int)>;

// One window family on one sample type; alpha(N) gives the parameter the
// model uses for length N.
template <class T>
struct Case {
    std::string name;
    Win kind;
    std::function<long double(int)> alpha;
    OutOfPlace<T> run;
    InPlace<T> runI;
    int minLen;
    long double rel;  // tolerance relative to the sample
};

// Kaiser's parameter for length N: beta = |alpha| (N-1) / 2 stays at 10.
long double kaiserAlpha(int N) { return N > 1 ? (long double)(float)(20.0 / (N - 1)) : 1.0L; }

template <class T> std::vector<Case<T>> cases();

#define ORVS_WIN_CASES(T, A, rel, relK, ...)                                                                           \
    template <> std::vector<Case<Orv##T>> cases<Orv##T>()                                                           \
    {                                                                                                               \
        using E = Orv##T;                                                                                           \
        return {                                                                                                    \
            {"Bartlett", Win::Bartlett, [](int) { return 0.0L; }, orvsWinBartlett_##T, orvsWinBartlett_##T##_I, 3, rel}, \
            {"Hann", Win::Hann, [](int) { return 0.0L; }, orvsWinHann_##T, orvsWinHann_##T##_I, 3, rel},            \
            {"Hamming", Win::Hamming, [](int) { return 0.0L; }, orvsWinHamming_##T, orvsWinHamming_##T##_I, 3, rel}, \
            {"BlackmanStd", Win::Blackman, [](int) { return (long double)(A)(-0.16); }, orvsWinBlackmanStd_##T,     \
             orvsWinBlackmanStd_##T##_I, 3, rel},                                                                   \
            {"BlackmanOpt", Win::Blackman,                                                                          \
             [](int N) { long double c = 0.5L / std::cos(gen_model::kPi / (N - 1)); return -(c * c); },             \
             orvsWinBlackmanOpt_##T, orvsWinBlackmanOpt_##T##_I, 4, rel},                                           \
            {"Blackman", Win::Blackman, [](int) { return (long double)(A)0.27; },                                   \
             [](const E* s, E* d, int n) { return orvsWinBlackman_##T(s, d, n, (A)0.27); },                         \
             [](E* sd, int n) { return orvsWinBlackman_##T##_I(sd, n, (A)0.27); }, 3, rel},                         \
            {"Kaiser", Win::Kaiser, kaiserAlpha,                                                                    \
             [](const E* s, E* d, int n) { return orvsWinKaiser_##T(s, d, n, (A)kaiserAlpha(n)); },                 \
             [](E* sd, int n) { return orvsWinKaiser_##T##_I(sd, n, (A)kaiserAlpha(n)); }, 1, relK},               \
            __VA_ARGS__};                                                                                           \
    }

// Single-precision weights carry a rounding of the weight and of the product;
// the Kaiser weights inherit the I0 approximation (below 2e-7 relative).
ORVS_WIN_CASES(64f, Orv64f, 1e-13L, 5e-7L)
ORVS_WIN_CASES(64fc, Orv64f, 1e-13L, 5e-7L)
ORVS_WIN_CASES(32f, Orv32f, 3e-7L, 6e-7L)
ORVS_WIN_CASES(32fc, Orv32f, 3e-7L, 6e-7L)
// The Q15 forms: Blackman alpha -9000 / 2^15, Kaiser's alpha rounded to Q15.
int kaiserQ15(int N) { return int(kaiserAlpha(N) * 32768); }
#define ORVS_WIN_Q15(T)                                                                                               \
    {"BlackmanQ15", Win::Blackman, [](int) { return (long double)(-9000 / 32768.0f); },                              \
     [](const E* s, E* d, int n) { return orvsWinBlackmanQ15_##T(s, d, n, -9000); },                                 \
     [](E* sd, int n) { return orvsWinBlackmanQ15_##T##_I(sd, n, -9000); }, 3, 0},                                   \
    {"KaiserQ15", Win::Kaiser, [](int N) { return kaiserQ15(N) / 32768.0L; },                                        \
     [](const E* s, E* d, int n) { return orvsWinKaiserQ15_##T(s, d, n, kaiserQ15(n)); },                            \
     [](E* sd, int n) { return orvsWinKaiserQ15_##T##_I(sd, n, kaiserQ15(n)); }, 1, 0}
ORVS_WIN_CASES(16s, Orv32f, 0, 0, ORVS_WIN_Q15(16s))
ORVS_WIN_CASES(16sc, Orv32f, 0, 0, ORVS_WIN_Q15(16sc))

const std::vector<int> kLengths = {1, 2, 3, 4, 5, 7, 8, 16, 17, 33, 64, 65, 1000, 1023, 2048, 2049, 2051, 4097, 6001};

template <class T>
void expectWindowed(const Case<T>& c, int N, const std::vector<T>& x, const T* d, const std::string& how)
{
    using P = gen_model::Part<T>;
    // Bartlett weights are running sums: their rounding grows with the length.
    const long double rel = c.rel * (c.kind == Win::Bartlett ? 1 + N / 64.0L : 1);
    int bad = 0;
    for (int n = 0; n < N && bad < 5; ++n) {
        const long double w = gen_model::weight(c.kind, N, n, c.alpha(N));
        const long double parts[2][2] = {{gen_model::re(x[n]), gen_model::re(d[n])}, {gen_model::im(x[n]), gen_model::im(d[n])}};
        for (int p = 0; p < (gen_model::isComplex<T> ? 2 : 1); ++p) {
            long double e = parts[p][0] * w;
            if constexpr (std::is_integral_v<P>) e = std::clamp(e, -32768.0L, 32767.0L);
            // Weights near the ends lose their relative precision: the bound
            // is relative to the sample, not to the product.
            const long double tol = std::is_integral_v<P> ? 1 : rel * (std::fabs(e) + std::fabs(parts[p][0]) + 1);
            if (std::fabs(parts[p][1] - e) > tol) {
                ++bad;
                ADD_FAILURE() << c.name << " N=" << N << " " << how << " n=" << n << " part " << p << ": " << (double)parts[p][1]
                              << " expected " << (double)e;
            }
        }
    }
}

template <class T>
void windowValues()
{
    for (const Case<T>& c : cases<T>())
        for (int N : kLengths) {
            if (N < c.minLen) continue;
            const auto x = randomVector<T>(N, 1000u + N, -1000.0, 1000.0);
            Guarded<T> out(N, 1);
            out.fill();
            ASSERT_EQ(c.run(x.data(), out.data(), N), orvStsOk) << c.name << " N=" << N;
            EXPECT_TRUE(out.guardsIntact()) << c.name << " N=" << N;
            expectWindowed(c, N, x, out.data(), "out of place");
            Unaligned<T> io(N);
            io.assign(x);
            ASSERT_EQ(c.runI(io.data(), N), orvStsOk);
            EXPECT_TRUE(sameBits(io.data(), out.data(), N)) << c.name << " N=" << N << ": in place differs";
        }
}

} // namespace

TEST(WindowValues, Real64f) { windowValues<Orv64f>(); }
TEST(WindowValues, Complex64fc) { windowValues<Orv64fc>(); }
TEST(WindowValues, Real32f) { windowValues<Orv32f>(); }
TEST(WindowValues, Complex32fc) { windowValues<Orv32fc>(); }
TEST(WindowValues, Real16s) { windowValues<Orv16s>(); }
TEST(WindowValues, Complex16sc) { windowValues<Orv16sc>(); }

TEST(WindowChecks, OrderAndNothingWritten)
{
    using Fn = std::function<OrvStatus(const Orv32f*, Orv32f*, int)>;
    const Fn bl = [](const Orv32f* s, Orv32f* d, int n) { return orvsWinBlackman_32f(s, d, n, 0.1f); };
    auto k32 = [](float a) -> Fn { return [a](const Orv32f* s, Orv32f* d, int n) { return orvsWinKaiser_32f(s, d, n, a); }; };
    // function, length, null source, null destination, status
    const std::tuple<Fn, int, bool, bool, OrvStatus> rows[] = {
        {orvsWinHann_32f, 0, true, false, orvStsErrNullPtr},      {orvsWinHann_32f, 2, false, true, orvStsErrNullPtr},
        {orvsWinHann_32f, 2, false, false, orvStsErrSize},        {orvsWinBartlett_32f, 2, false, false, orvStsErrSize},
        {orvsWinHamming_32f, -1, false, false, orvStsErrSize},    {bl, 2, false, false, orvStsErrSize},
        {orvsWinBlackmanStd_32f, 2, false, false, orvStsErrSize}, {orvsWinBlackmanOpt_32f, 3, false, false, orvStsErrSize},
        {orvsWinBlackmanOpt_32f, 3, true, true, orvStsErrSize},   {orvsWinBlackmanOpt_32f, 4, true, false, orvStsErrNullPtr},
        {k32(0.5f), 0, false, false, orvStsErrSize},              {k32(0.5f), 0, false, true, orvStsErrNullPtr},
        {k32(1.0f), 78, false, false, orvStsErrKaiserAlpha},      {k32(-1.0f), 78, false, false, orvStsErrKaiserAlpha},
        {k32(1000.0f), 0, false, false, orvStsErrSize},           {k32(2.0f), 39, false, false, orvStsOk},  // beta 38
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const auto& [fn, len, nullSrc, nullDst, status] = rows[i];
        Guarded<Orv32f> src(100), dst(100);
        src.assign(randomVector<Orv32f>(100, 3));
        dst.fill();
        EXPECT_EQ(fn(nullSrc ? nullptr : src.data(), nullDst ? nullptr : dst.data(), len), status) << "row " << i;
        if (status) EXPECT_TRUE(dst.intact()) << "row " << i;
    }
    // Single precision stops at beta 38, every other type at 308.
    std::vector<Orv64f> x(78, 1.0);
    std::vector<Orv16s> xs(78, 100);
    EXPECT_EQ(orvsWinKaiser_64f_I(x.data(), 78, 1.0), orvStsOk);
    EXPECT_EQ(orvsWinKaiser_16s_I(xs.data(), 78, 1.0f), orvStsOk);
    EXPECT_EQ(orvsWinKaiserQ15_16s_I(xs.data(), 3, 308 * 32768 + 1), orvStsErrKaiserAlpha);
    EXPECT_EQ(orvsWinKaiserQ15_16s_I(xs.data(), 3, 308 * 32768), orvStsOk);
    auto r = randomVector<Orv32f>(1001, 5), y = r;
    EXPECT_EQ(orvsWinKaiser_32f_I(y.data(), 1001, 0.0f), orvStsOk);
    EXPECT_TRUE(sameBits(r.data(), y.data(), r.size())) << "alpha 0 changes nothing";
}

TEST(WindowChecks, SixteenBitRounding)
{
    // N = 9: 32767 at weight 1 (the middle) stays; 32767 * 0.5 = 16383.5 rounds to the even 16384.
    std::vector<Orv16s> x(9, 32767), d(9);
    ASSERT_EQ(orvsWinHann_16s(x.data(), d.data(), 9), orvStsOk);
    EXPECT_TRUE(d[4] == 32767 && d[2] == 16384);
    std::vector<Orv16s> t = {3, -3, 5, -5, 3};  // weights 0, .5, 1, .5, 0: ties to even
    ASSERT_EQ(orvsWinHann_16s_I(t.data(), 5), orvStsOk);
    EXPECT_EQ(t, (std::vector<Orv16s>{0, -2, 5, -2, 0}));
    // Kaiser rounds half away from zero: alpha 0 gives weight 1, so only exact values; the
    // scaled Blackman rounds the product times 2^-sf half away from zero, the middle copied.
    std::vector<Orv16s> u = {1000, 1001, 1002, 1003, 1004};
    ASSERT_EQ(orvsWinBlackmanQ15_16s_ISfs(u.data(), 5, -9000, 1), orvStsOk);
    const float w1 = 0.5f - 9000 / 32768.0f;  // n = 1: cos(pi/2) = 0 up to rounding
    EXPECT_EQ(u[2], 1002);
    EXPECT_NEAR(u[1], std::round(1001 * w1 / 2.0), 1);
    std::vector<Orv16s> v = {7, 7, 7, 7};  // weights 0, .75, .75, 0
    ASSERT_EQ(orvsWinBlackmanQ15_16s_ISfs(v.data(), 4, 0, -20), orvStsOk);
    EXPECT_EQ(v, (std::vector<Orv16s>{0, 32767, 32767, 0}));  // saturated; a zero weight stays zero at any factor
    std::vector<Orv16s> k = {3, 3};  // N = 2, alpha 2: both weights 1 / I0(1) = 0.7854: 2.356 -> 2
    ASSERT_EQ(orvsWinKaiser_16s_I(k.data(), 2, 2.0f), orvStsOk);
    EXPECT_EQ(k, (std::vector<Orv16s>{2, 2}));
}
