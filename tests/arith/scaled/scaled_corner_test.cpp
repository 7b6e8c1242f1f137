// Hand-worked corners: the unsigned shortcuts' check order, values that pin
// the rule, signed zeros and NaN, float-to-16-bit products under every
// rounding mode; and the reruns under the narrower kernel variants.
#include <cstring>
#include <xmmintrin.h>

#include "scaled_model.h"

namespace {

using namespace arith_test;

// The unsigned 16-bit members take their data-independent shortcuts before
// looking at the source; the delegated entry checks the destination.
TEST(ArithChecks, Unsigned16ShortcutsComeFirst)
{
    std::vector<Orv16u> d(5, 123);
    EXPECT_EQ(orvsAdd_16u_Sfs(nullptr, nullptr, d.data(), 5, 18), orvStsOk);
    for (Orv16u v : d) EXPECT_EQ(v, 0);
    EXPECT_EQ(orvsAddC_16u_Sfs(nullptr, 5, d.data(), 5, -16), orvStsOk);
    for (Orv16u v : d) EXPECT_EQ(v, 65535);
    EXPECT_EQ(orvsSubCRev_16u_Sfs(nullptr, 0, d.data(), 5, 3), orvStsOk);
    for (Orv16u v : d) EXPECT_EQ(v, 0);
    EXPECT_EQ(orvsMulC_16u_Sfs(nullptr, 0, d.data(), 5, -4), orvStsOk);
    EXPECT_EQ(orvsMulC_16u_ISfs(0, nullptr, 5, 0), orvStsErrNullPtr);
    EXPECT_EQ(orvsAdd_16u_Sfs(nullptr, nullptr, d.data(), 0, 18), orvStsErrSize);
    EXPECT_EQ(orvsAdd_16u_Sfs(nullptr, d.data(), d.data(), 5, 17), orvStsErrNullPtr);  // no shortcut: checked
}

template <class T, class F>
long long one(F f, T a, T b, int s)
{
    T d{};
    EXPECT_EQ(f(&a, &b, &d, 1, s), orvStsOk);
    return static_cast<long long>(d);
}

// Hand-worked values that pin the conventions the model encodes: operand
// order, ties to even, saturation, the low product's wrapping.
TEST(ArithValues, CornerValues)
{
    const struct { const char* what; long long got, want; } rows[] = {
        {"(1 + 2) / 2", one<Orv16s>(orvsAdd_16s_Sfs, 1, 2, 1), 2},
        {"(1 + 0) / 2", one<Orv16s>(orvsAdd_16s_Sfs, 1, 0, 1), 0},
        {"(-1 - 2) / 2", one<Orv16s>(orvsAdd_16s_Sfs, -1, -2, 1), -2},
        {"2 * 32767 / 2^16", one<Orv16s>(orvsAdd_16s_Sfs, 32767, 32767, 16), 1},
        {"1 * 2^15", one<Orv16s>(orvsAdd_16s_Sfs, 1, 0, -15), 32767},
        {"2^30 / 2^30", one<Orv16s>(orvsMul_16s_Sfs, -32768, -32768, 30), 1},
        {"2^30 / 2^31", one<Orv16s>(orvsMul_16s_Sfs, -32768, -32768, 31), 0},
        {"4 - 1", one<Orv16s>(orvsSub_16s_Sfs, 1, 4, 0), 3},
        {"10 - 3 saturates at 0", one<Orv8u>(orvsSub_8u_Sfs, 10, 3, 0), 0},
        {"2^32 low", one<Orv32s>(orvsMul_Low_32s_Sfs, 65536, 65536, 0), 0},
        {"2^32", one<Orv32s>(orvsMul_32s_Sfs, 65536, 65536, 0), INT32_MAX},
        {"-3 >> 1", one<Orv32s>(orvsMul_Low_32s_Sfs, -3, 1, 1), -2},
        {"-3 / 2", one<Orv32s>(orvsMul_32s_Sfs, -3, 1, 1), -2},
        {"-5 >> 1", one<Orv32s>(orvsMul_Low_32s_Sfs, -5, 1, 1), -3},
        {"-5 / 2", one<Orv32s>(orvsMul_32s_Sfs, -5, 1, 1), -2},
        {"(32767 + 32768) / 2", one<Orv16s>([](auto a, auto b, auto d, int n, int s) { return orvsSubCRev_16s_Sfs(a, *b, d, n, s); }, -32768, 32767, 1), 32767},
    };
    for (const auto& r : rows) EXPECT_EQ(r.got, r.want) << r.what;
    // A constant with imaginary part -32768 still forms the exact product.
    Orv16sc z[3] = {{-32768, -32768}, {32767, -32768}, {1, 1}}, zo[3];
    ASSERT_EQ(orvsMulC_16sc_Sfs(z, Orv16sc{-32768, -32768}, zo, 3, 16), orvStsOk);
    EXPECT_EQ(zo[0].re, 0);
    EXPECT_EQ(zo[0].im, 32767);   // 2^31 / 2^16
    EXPECT_EQ(zo[1].re, -32768);  // (-2^30 - 2^30 + 2^15) / 2^16 rounds to -32767.5 -> -32768
    EXPECT_EQ(zo[2].im, -1);
}

bool negZero(double x) { return x == 0 && std::signbit(x); }

TEST(FloatMembers, SignedZerosAndNaNThroughShortcutsAndAbs)
{
    const double nan = std::nan(""), inf = std::numeric_limits<double>::infinity();
    std::vector<Orv64f> x = {-0.0, nan, inf, 1.0, -3.0, 0.0, -0.0};
    const int n = static_cast<int>(x.size());
    std::vector<Orv64f> d(n);
    // MulC by zero writes +0 everywhere, NaN and infinity included.
    ASSERT_EQ(orvsMulC_64f(x.data(), -0.0, d.data(), n), orvStsOk);
    for (double v : d) EXPECT_TRUE(v == 0 && !std::signbit(v));
    // Adding or subtracting zero (either sign) and multiplying by one keep -0.
    for (auto fn : {orvsAddC_64f, orvsSubC_64f}) {
        ASSERT_EQ(fn(x.data(), -0.0, d.data(), n), orvStsOk);
        EXPECT_TRUE(negZero(d[0]) && negZero(d[6]) && std::isnan(d[1]));
    }
    ASSERT_EQ(orvsMulC_64f(x.data(), 1.0, d.data(), n), orvStsOk);
    EXPECT_EQ(0, std::memcmp(d.data(), x.data(), n * sizeof(double)));
    std::vector<Orv32f> y = {-0.0f, 1.0f, -0.0f};
    ASSERT_EQ(orvsAddC_32f_I(-0.0f, y.data(), 3), orvStsOk);
    EXPECT_TRUE(negZero(y[0]) && negZero(y[2]));
    // SubCRev by zero has no shortcut: 0 - (-0) is +0.
    ASSERT_EQ(orvsSubCRev_32f_I(0.0f, y.data(), 3), orvStsOk);
    EXPECT_TRUE(y[0] == 0 && !std::signbit(y[0]));
    // Complex constants have no shortcut: (0, 0) times NaN is NaN.
    Orv64fc c[2] = {{nan, 1.0}, {2.0, 3.0}}, e[2];
    ASSERT_EQ(orvsMulC_64fc(c, Orv64fc{0.0, 0.0}, e, 2), orvStsOk);
    EXPECT_TRUE(std::isnan(e[0].re));
    EXPECT_TRUE(e[1].re == 0 && e[1].im == 0);
    // Abs clears the sign bit and nothing else: -0 gives +0, NaN keeps its payload.
    auto m = x;
    m[1] = -m[1];
    ASSERT_EQ(orvsAbs_64f_I(m.data(), n), orvStsOk);
    for (int i = 0; i < n; ++i) EXPECT_TRUE(sameBits(m[i], std::fabs(x[i]))) << i;
}

// Products to 16 bits under every caller rounding mode, which is restored.
TEST(FloatMembers, MulC32f16sUnderEveryRoundingMode)
{
    const unsigned saved = _mm_getcsr();
    const float vals[] = {1.0f, -0.5f, 3.3f, 1e6f, -2.75f};
    for (unsigned mode : {0u, 0x2000u, 0x6000u}) {  // nearest, down, toward zero
        for (int s : {-200, -127, -3, 0, 1, 2, 7, 126, 300}) {
            for (int n : {1, 7, 8, 9, 33, 257}) {
                auto x = randomVector<Orv32f>(n, n + s, -40000.0, 40000.0);
                x[0] = 0.5f;
                if (n > 5) x[5] = std::nanf(""), x[3] = 2.5f, x[4] = -1.5f, x[1] = 3e9f;
                for (float v : vals) {
                    _mm_setcsr(saved & ~0x6000u);  // the references' products under round-to-nearest
                    const float vs = s == 0 ? v : v * std::ldexp(1.0f, -std::clamp(s, -127, 126));
                    std::vector<Orv16s> want(n), wantLow(n);
                    for (int i = 0; i < n; ++i) want[i] = productTo16(x[i] * vs, false), wantLow[i] = productTo16(x[i] * v, true, mode);
                    _mm_setcsr((saved & ~0x6000u) | mode);
                    Unaligned<Orv16s> d(n);
                    ASSERT_EQ(orvsMulC_32f16s_Sfs(x.data(), v, d.data(), n, s), orvStsOk);
                    ASSERT_EQ(_mm_getcsr() & 0x6000u, mode) << "caller's rounding restored";
                    for (int i = 0; i < n; ++i) ASSERT_EQ(d[i], want[i]) << "x=" << x[i] << " v=" << v << " s=" << s;
                    if (s != 0 || (v != 1.0f && v != -0.5f)) continue;  // exact products: the mode acts once
                    ASSERT_EQ(orvsMulC_Low_32f16s(x.data(), v, d.data(), n), orvStsOk);
                    for (int i = 0; i < n; ++i) ASSERT_EQ(d[i], wantLow[i]) << "low, x=" << x[i] << " v=" << v << " mode " << mode;
                }
            }
        }
    }
    _mm_setcsr(saved);
}

// Both families' suites under the narrower kernel variants: the AVX baseline
// always, the AVX2 kernels when the machine would otherwise run the AVX-512
// ones. The exhaustive division sweep samples its divisors there.
constexpr const char* kValueSuites = "ScaledRule.*:FloatMembers.*:ArithValues.*:Dense16.*:LaneTails.*:"
                                     "DivRule.*:DivFloat.*:DivThreads.*:DivTails.*:DivExhaustive.*";

TEST(ArithKernels, BaselineVariantAgrees) { ORVS_RERUN_UNDER_VARIANT("avx", kValueSuites); }
TEST(ArithKernels, Avx2VariantAgrees) { ORVS_RERUN_UNDER_VARIANT("avx2", kValueSuites); }

} // namespace
