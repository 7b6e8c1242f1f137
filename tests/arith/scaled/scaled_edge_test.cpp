// Check order, corner values, the whole-vector shortcuts, and the
// narrower kernel variants (the same suites rerun under ORVS_CPU=avx / avx2).
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

#include "test_util.h"

namespace {

TEST(ArithChecks, PointersBeforeLengthAndNothingWritten)
{
    Orv16s a[4] = {1, 2, 3, 4}, d[4] = {7, 7, 7, 7};
    Orv32f f[4] = {1, 2, 3, 4}, g[4] = {9, 9, 9, 9};
    Orv32sc c[4] = {};
    EXPECT_EQ(orvsAdd_16s_Sfs(nullptr, a, d, 0, 0), orvStsErrNullPtr);
    EXPECT_EQ(orvsAdd_16s_Sfs(a, nullptr, d, 4, 0), orvStsErrNullPtr);
    EXPECT_EQ(orvsAdd_16s_Sfs(a, a, nullptr, 4, 0), orvStsErrNullPtr);
    EXPECT_EQ(orvsAdd_16s_Sfs(a, a, d, 0, 0), orvStsErrSize);
    EXPECT_EQ(orvsAdd_16s_Sfs(a, a, d, -3, 40), orvStsErrSize);   // zeroing s still checks first
    EXPECT_EQ(orvsSub_16s_ISfs(a, nullptr, 4, 0), orvStsErrNullPtr);
    EXPECT_EQ(orvsMulC_16s_Sfs(nullptr, 0, d, 4, 0), orvStsErrNullPtr);  // val 0 still checks the source
    EXPECT_EQ(orvsAddC_16s_ISfs(0, d, 0, 0), orvStsErrSize);
    EXPECT_EQ(orvsMul_16s(a, a, d, 0), orvStsErrSize);
    EXPECT_EQ(orvsAdd_32f(f, nullptr, g, 4), orvStsErrNullPtr);
    EXPECT_EQ(orvsMulC_32f(f, 0.0f, g, 0), orvStsErrSize);
    EXPECT_EQ(orvsAddC_32f_I(0.0f, nullptr, 4), orvStsErrNullPtr);
    EXPECT_EQ(orvsAbs_32f_I(g, 0), orvStsErrSize);
    EXPECT_EQ(orvsMul_32s32sc_ISfs(nullptr, c, 4, 0), orvStsErrNullPtr);
    EXPECT_EQ(orvsMulC_32f16s_Sfs(f, 1.0f, d, 0, 0), orvStsErrSize);
    EXPECT_EQ(orvsMulC_Low_32f16s(nullptr, 1.0f, d, 4), orvStsErrNullPtr);
    EXPECT_EQ(orvsMulC_64f64s_ISfs(1.0, nullptr, 4, 0), orvStsErrNullPtr);
    EXPECT_EQ(orvsAddProduct_16s_Sfs(a, a, d, 0, 0), orvStsErrSize);
    for (Orv16s v : d) EXPECT_EQ(v, 7);
    for (Orv32f v : g) EXPECT_EQ(v, 9.0f);
}

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
T one(F f, T a, T b, int s)
{
    T d{};
    EXPECT_EQ(f(&a, &b, &d, 1, s), orvStsOk);
    return d;
}

TEST(ArithValues, CornerValues)
{
    EXPECT_EQ(one<Orv16s>(orvsAdd_16s_Sfs, 1, 2, 1), 2);
    EXPECT_EQ(one<Orv16s>(orvsAdd_16s_Sfs, 1, 0, 1), 0);
    EXPECT_EQ(one<Orv16s>(orvsAdd_16s_Sfs, -1, -2, 1), -2);
    EXPECT_EQ(one<Orv16s>(orvsAdd_16s_Sfs, 32767, 32767, 0), 32767);
    EXPECT_EQ(one<Orv16s>(orvsAdd_16s_Sfs, 32767, 32767, 16), 1);
    EXPECT_EQ(one<Orv16s>(orvsAdd_16s_Sfs, 32767, 32767, 17), 0);
    EXPECT_EQ(one<Orv16s>(orvsAdd_16s_Sfs, 1, 0, -15), 32767);
    EXPECT_EQ(one<Orv16s>(orvsAdd_16s_Sfs, 1, 0, -16), 32767);
    for (int s : {INT_MIN, -40, -16, 0, 16, 40, INT_MAX}) EXPECT_EQ(one<Orv16s>(orvsAdd_16s_Sfs, 0, 0, s), 0);
    EXPECT_EQ(one<Orv16s>(orvsMul_16s_Sfs, -32768, -32768, 30), 1);
    EXPECT_EQ(one<Orv16s>(orvsMul_16s_Sfs, -32768, -32768, 31), 0);
    EXPECT_EQ(one<Orv16s>(orvsSub_16s_Sfs, 1, 4, 0), 3);
    EXPECT_EQ(one<Orv32u>([](auto a, auto b, auto d, int n, int) { return orvsAdd_32u(a, b, d, n); }, 4294967295u, 1u, 0), 4294967295u);
    EXPECT_EQ(one<Orv32s>(orvsMul_Low_32s_Sfs, 65536, 65536, 0), 0);
    EXPECT_EQ(one<Orv32s>(orvsMul_32s_Sfs, 65536, 65536, 0), INT32_MAX);
    EXPECT_EQ(one<Orv32s>(orvsMul_Low_32s_Sfs, -3, 1, 1), -2);
    EXPECT_EQ(one<Orv32s>(orvsMul_32s_Sfs, -3, 1, 1), -2);
    EXPECT_EQ(one<Orv32s>(orvsMul_Low_32s_Sfs, -5, 1, 1), -3);
    EXPECT_EQ(one<Orv32s>(orvsMul_32s_Sfs, -5, 1, 1), -2);

    Orv16s src = -32768, out = 0;
    ASSERT_EQ(orvsSubCRev_16s_Sfs(&src, 32767, &out, 1, 1), orvStsOk);
    EXPECT_EQ(out, 32767);
    Orv16sc m = {-32768, -32768}, mo{};
    ASSERT_EQ(orvsMul_16sc_Sfs(&m, &m, &mo, 1, 1), orvStsOk);
    EXPECT_EQ(mo.re, 0);
    EXPECT_EQ(mo.im, 32767);
    // A constant with imaginary part -32768 still forms the exact product.
    Orv16sc z[3] = {{-32768, -32768}, {32767, -32768}, {1, 1}}, zo[3];
    ASSERT_EQ(orvsMulC_16sc_Sfs(z, Orv16sc{-32768, -32768}, zo, 3, 16), orvStsOk);
    EXPECT_EQ(zo[0].re, 0);
    EXPECT_EQ(zo[0].im, 32767);  // 2^31 / 2^16
    EXPECT_EQ(zo[1].re, -32768);  // (-2^30 - 2^30 + 2^15) / 2^16 rounds to -32767.5 -> -32768
    EXPECT_EQ(zo[2].im, -1);

    Orv8u u[4] = {0, 1, 200, 0}, uo[4];
    ASSERT_EQ(orvsAddC_8u_Sfs(u, 1, uo, 4, -8), orvStsOk);
    for (Orv8u v : uo) EXPECT_EQ(v, 255);
    ASSERT_EQ(orvsAddC_8u_Sfs(u, 0, uo, 4, -8), orvStsOk);
    EXPECT_EQ(uo[0], 0);
    EXPECT_EQ(uo[1], 255);
    EXPECT_EQ(uo[3], 0);
    Orv8u sa = 3, sb = 10, so = 9;
    ASSERT_EQ(orvsSub_8u_Sfs(&sb, &sa, &so, 1, 0), orvStsOk);  // 3 - 10 saturates at 0
    EXPECT_EQ(so, 0);

    Orv16s h[2] = {-32768, -5};
    Orv32s w[2] = {INT32_MIN, 7};
    ASSERT_EQ(orvsAbs_16s_I(h, 2), orvStsOk);
    ASSERT_EQ(orvsAbs_32s_I(w, 2), orvStsOk);
    EXPECT_EQ(h[0], 32767);
    EXPECT_EQ(h[1], 5);
    EXPECT_EQ(w[0], INT32_MAX);
    EXPECT_EQ(w[1], 7);
}

// The same suites under the narrower kernel variants: the AVX baseline
// always, and the AVX2 kernels when the machine would otherwise run the
// AVX-512 ones.
constexpr const char* kValueSuites =
    "ScaledRule.*:FloatMembers.*:ArithValues.*:Dense16.*:LaneTails.*:ExtremeScale.*";

TEST(ArithKernels, BaselineVariantAgrees) { ORVS_RERUN_UNDER_VARIANT("avx", kValueSuites); }
TEST(ArithKernels, Avx2VariantAgrees) { ORVS_RERUN_UNDER_VARIANT("avx2", kValueSuites); }

} // namespace
