// The unsigned shortcuts' check order, hand-worked corner values, and the
// narrower kernel variants (the same suites rerun under ORVS_CPU=avx / avx2).
#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "test_util.h"

namespace {

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
    EXPECT_EQ(orvsAdd_16u_Sfs(nullptr, d.data(), d.data(), 5, 17), orvStsErrNullPtr);  // scaled: checked
    EXPECT_EQ(orvsMulC_16s_Sfs(nullptr, 0, reinterpret_cast<Orv16s*>(d.data()), 5, 0), orvStsErrNullPtr);
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
    const struct {
        const char* what;
        long long got, want;
    } rows[] = {
        {"(1 + 2) / 2", one<Orv16s>(orvsAdd_16s_Sfs, 1, 2, 1), 2},
        {"(1 + 0) / 2", one<Orv16s>(orvsAdd_16s_Sfs, 1, 0, 1), 0},
        {"(-1 - 2) / 2", one<Orv16s>(orvsAdd_16s_Sfs, -1, -2, 1), -2},
        {"2 * 32767 / 2^16", one<Orv16s>(orvsAdd_16s_Sfs, 32767, 32767, 16), 1},
        {"2 * 32767 / 2^17", one<Orv16s>(orvsAdd_16s_Sfs, 32767, 32767, 17), 0},
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
    };
    for (const auto& r : rows) EXPECT_EQ(r.got, r.want) << r.what;
    Orv16s src = -32768, out = 0;
    ASSERT_EQ(orvsSubCRev_16s_Sfs(&src, 32767, &out, 1, 1), orvStsOk);
    EXPECT_EQ(out, 32767);
    // A constant with imaginary part -32768 still forms the exact product.
    Orv16sc z[3] = {{-32768, -32768}, {32767, -32768}, {1, 1}}, zo[3];
    ASSERT_EQ(orvsMulC_16sc_Sfs(z, Orv16sc{-32768, -32768}, zo, 3, 16), orvStsOk);
    EXPECT_EQ(zo[0].re, 0);
    EXPECT_EQ(zo[0].im, 32767);   // 2^31 / 2^16
    EXPECT_EQ(zo[1].re, -32768);  // (-2^30 - 2^30 + 2^15) / 2^16 rounds to -32767.5 -> -32768
    EXPECT_EQ(zo[2].im, -1);
}

// The same suites under the narrower kernel variants: the AVX baseline
// always, and the AVX2 kernels when the machine would otherwise run the
// AVX-512 ones.
constexpr const char* kValueSuites =
    "ScaledRule.*:FloatMembers.*:ArithValues.*:Dense16.*:LaneTails.*";

TEST(ArithKernels, BaselineVariantAgrees) { ORVS_RERUN_UNDER_VARIANT("avx", kValueSuites); }
TEST(ArithKernels, Avx2VariantAgrees) { ORVS_RERUN_UNDER_VARIANT("avx2", kValueSuites); }

} // namespace
