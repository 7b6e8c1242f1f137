// Window functions against weights evaluated from their formulas in long
// double (I0 by its power series): every family and sample type, out of
// place on unaligned vectors and in place, lengths across block boundaries;
// the check order; the rounding of 16-bit products.
#include <gtest/gtest.h>

#include <functional>
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

#define ORVS_WIN_PLAIN(Op, kind, T, minLen, rel) \
    Case<T>{#Op "_" #T, kind, [](int) { return 0.0L; }, orvsWin##Op##_##T, orvsWin##Op##_##T##_I, minLen, rel}

template <class T> std::vector<Case<T>> cases();

#define ORVS_WIN_CASES(T, A, rel, relK)                                                                             \
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
        };                                                                                                          \
    }

// Single-precision weights carry a rounding of the weight and of the product;
// the Kaiser weights inherit the I0 approximation (below 2e-7 relative).
ORVS_WIN_CASES(64f, Orv64f, 1e-13L, 5e-7L)
ORVS_WIN_CASES(64fc, Orv64f, 1e-13L, 5e-7L)
ORVS_WIN_CASES(32f, Orv32f, 3e-7L, 6e-7L)
ORVS_WIN_CASES(32fc, Orv32f, 3e-7L, 6e-7L)
ORVS_WIN_CASES(16s, Orv32f, 0, 0)
ORVS_WIN_CASES(16sc, Orv32f, 0, 0)

template <class T>
std::vector<Case<T>> allCases()
{
    auto v = cases<T>();
    if constexpr (std::is_same_v<T, Orv16s> || std::is_same_v<T, Orv16sc>) {
        constexpr bool c = std::is_same_v<T, Orv16sc>;
        const int aq = -9000;  // Blackman alpha -0.2746...
        v.push_back({"BlackmanQ15", Win::Blackman, [](int) { return (long double)(float)(-9000 / 32768.0f); },
                     [](const T* s, T* d, int n) {
                         if constexpr (c) return orvsWinBlackmanQ15_16sc(s, d, n, aq); else return orvsWinBlackmanQ15_16s(s, d, n, aq);
                     },
                     [](T* sd, int n) {
                         if constexpr (c) return orvsWinBlackmanQ15_16sc_I(sd, n, aq); else return orvsWinBlackmanQ15_16s_I(sd, n, aq);
                     }, 3, 0});
        v.push_back({"KaiserQ15", Win::Kaiser, [](int N) { return (long double)(int(kaiserAlpha(N) * 32768) / 32768.0L); },
                     [](const T* s, T* d, int n) {
                         const int q = int(kaiserAlpha(n) * 32768);
                         if constexpr (c) return orvsWinKaiserQ15_16sc(s, d, n, q); else return orvsWinKaiserQ15_16s(s, d, n, q);
                     },
                     [](T* sd, int n) {
                         const int q = int(kaiserAlpha(n) * 32768);
                         if constexpr (c) return orvsWinKaiserQ15_16sc_I(sd, n, q); else return orvsWinKaiserQ15_16s_I(sd, n, q);
                     }, 1, 0});
    }
    return v;
}

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
            const long double tol = gen_model::tolerance<T>(e, rel) + (std::is_integral_v<P> ? 0 : rel * std::fabs(parts[p][0]));
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
    for (const Case<T>& c : allCases<T>())
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
