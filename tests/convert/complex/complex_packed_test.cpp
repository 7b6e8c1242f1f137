// Packed real spectra: products in the Pack and Perm layouts and expansion of
// Pack, Perm and CCS to the full conjugate-symmetric spectrum, against a model
// that unpacks the layouts into plain bins. Odd and even lengths from 1,
// in-place and out-of-place, unaligned buffers.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "complex_test_util.h"

namespace {

using orvs_test::randomVector;
using orvs_test::Unaligned;

enum class Layout { Pack, Perm, Ccs };

template <class T> struct Bin { T re, im; bool realOnly; };

// Bins 0 .. N/2 (rounded down) read from a packed array of real length N.
template <class T>
std::vector<Bin<T>> unpack(Layout L, const std::vector<T>& x, int n)
{
    std::vector<Bin<T>> b(n / 2 + 1);
    b[0] = {x[0], T(0), true};
    const bool even = n % 2 == 0;
    for (int k = 1; k <= n / 2; ++k) {
        if (even && k == n / 2) {
            const T nyq = L == Layout::Pack ? x[n - 1] : (L == Layout::Perm ? x[1] : x[n]);
            b[k] = {nyq, T(0), true};
            continue;
        }
        int at = 2 * k - 1;                           // Pack, and Perm of odd length
        if (L == Layout::Perm && even) at = 2 * k;    // after X0 and the Nyquist value
        if (L == Layout::Ccs) at = 2 * k;             // after X0 and its zero
        b[k] = {x[at], x[at + 1], false};
    }
    return b;
}

template <class T>
std::vector<T> pack(Layout L, const std::vector<Bin<T>>& b, int n)
{
    std::vector<T> x(n);
    x[0] = b[0].re;
    const bool even = n % 2 == 0;
    for (int k = 1; k <= n / 2; ++k) {
        if (even && k == n / 2) {
            x[L == Layout::Pack ? n - 1 : 1] = b[k].re;
            continue;
        }
        const int at = (L == Layout::Perm && even) ? 2 * k : 2 * k - 1;
        x[at] = b[k].re;
        x[at + 1] = b[k].im;
    }
    return x;
}

template <class T>
bool sameBits(const std::vector<T>& a, const T* b, int n) { return std::memcmp(a.data(), b, n * sizeof(T)) == 0; }

// ---- float products -----------------------------------------------------

template <class T>
struct MulApi;
template <> struct MulApi<float> {
    static constexpr auto pack = orvsMulPack_32f;
    static constexpr auto packI = orvsMulPack_32f_I;
    static constexpr auto perm = orvsMulPerm_32f;
    static constexpr auto permI = orvsMulPerm_32f_I;
    static constexpr auto conjI = orvsMulPackConj_32f_I;
};
template <> struct MulApi<double> {
    static constexpr auto pack = orvsMulPack_64f;
    static constexpr auto packI = orvsMulPack_64f_I;
    static constexpr auto perm = orvsMulPerm_64f;
    static constexpr auto permI = orvsMulPerm_64f_I;
    static constexpr auto conjI = orvsMulPackConj_64f_I;
};

template <class T>
std::vector<T> modelProduct(Layout L, const std::vector<T>& a, const std::vector<T>& b, int n, bool conjB)
{
    auto A = unpack(L, a, n), B = unpack(L, b, n);
    for (std::size_t k = 0; k < A.size(); ++k) {
        if (A[k].realOnly) { A[k].re = A[k].re * B[k].re; continue; }
        const T ar = A[k].re, ai = A[k].im, br = B[k].re, bi = conjB ? -B[k].im : B[k].im;
        A[k].re = ar * br - ai * bi;
        A[k].im = ar * bi + ai * br;
    }
    return pack(L, A, n);
}

template <class T>
class ComplexPackedFloat : public ::testing::Test {};
using FloatTypes = ::testing::Types<float, double>;
TYPED_TEST_SUITE(ComplexPackedFloat, FloatTypes);

TYPED_TEST(ComplexPackedFloat, ProductsMatchBinModel)
{
    using T = TypeParam;
    using A = MulApi<T>;
    for (int n = 1; n <= 40; ++n) {
        for (int big : {0, 1}) {
            const int len = big ? n * 37 + 1000 : n;
            auto a = randomVector<T>(len, 10 + len), b = randomVector<T>(len, 20 + len);
            Unaligned<T> ua(len), ub(len), ud(len);
            ua.assign(a);
            ub.assign(b);
            for (Layout L : {Layout::Pack, Layout::Perm}) {
                const auto expect = modelProduct(L, a, b, len, false);
                ASSERT_EQ((L == Layout::Pack ? A::pack : A::perm)(ua.data(), ub.data(), ud.data(), len), orvStsOk);
                ASSERT_TRUE(sameBits(expect, ud.data(), len)) << len;
                ud.assign(b);
                ASSERT_EQ((L == Layout::Pack ? A::packI : A::permI)(ua.data(), ud.data(), len), orvStsOk);
                ASSERT_TRUE(sameBits(expect, ud.data(), len)) << len;
            }
            const auto expectConj = modelProduct(Layout::Pack, a, b, len, true);
            ud.assign(b);
            ASSERT_EQ(A::conjI(ua.data(), ud.data(), len), orvStsOk);
            ASSERT_TRUE(sameBits(expectConj, ud.data(), len)) << len;
        }
    }
}

TEST(ComplexPackedFloat, ShortLengths)
{
    const float a[2] = {3.0f, 5.0f}, b[2] = {-2.0f, 7.0f};
    float d[2] = {0, 0};
    ASSERT_EQ(orvsMulPack_32f(a, b, d, 1), orvStsOk);
    EXPECT_EQ(d[0], -6.0f);
    EXPECT_EQ(d[1], 0.0f);  // beyond the length: untouched
    ASSERT_EQ(orvsMulPack_32f(a, b, d, 2), orvStsOk);  // two reals, no pair
    EXPECT_EQ(d[0], -6.0f);
    EXPECT_EQ(d[1], 35.0f);
    EXPECT_EQ(orvsMulPack_32f(a, b, nullptr, 2), orvStsErrNullPtr);
    EXPECT_EQ(orvsMulPerm_32f(a, b, d, 0), orvStsErrSize);
    EXPECT_EQ(orvsMulPackConj_32f_I(nullptr, d, 0), orvStsErrNullPtr);
    EXPECT_EQ(orvsMulPack_16s_ISfs(nullptr, nullptr, 0, 3), orvStsErrNullPtr);
}

// ---- 16-bit products ----------------------------------------------------

// One scaled part: exact value, clamped to 32 bits, then an arithmetic shift
// (floor division) or saturation followed by a left shift, then saturation.
Orv16s modelShift(long long r, int sf)
{
    const long double sat16lo = -32768, sat16hi = 32767;
    long double v = std::min<long double>(std::max<long double>(r, -2147483648.0L), 2147483647.0L);
    if (sf > 0) v = std::floor(std::ldexp(v, -sf));
    else if (sf < 0) v = std::ldexp(std::min(std::max(v, sat16lo), sat16hi), -sf);
    return (Orv16s)std::min(std::max(v, sat16lo), sat16hi);
}

std::vector<Orv16s> modelProduct16(Layout L, const std::vector<Orv16s>& a, const std::vector<Orv16s>& b, int n, int sf)
{
    auto A = unpack(L, a, n), B = unpack(L, b, n);
    std::vector<Bin<Orv16s>> out(A.size());
    for (std::size_t k = 0; k < A.size(); ++k) {
        const long long ar = A[k].re, ai = A[k].im, br = B[k].re, bi = B[k].im;
        if (A[k].realOnly) out[k] = {modelShift(ar * br, sf), 0, true};
        else out[k] = {modelShift(ar * br - ai * bi, sf), modelShift(ar * bi + ai * br, sf), false};
    }
    return pack(L, out, n);
}

TEST(ComplexPacked16, ProductsMatchShiftModel)
{
    for (int n : {1, 2, 3, 4, 5, 8, 17, 64, 255}) {
        auto a = randomVector<Orv16s>(n, 30 + n), b = randomVector<Orv16s>(n, 40 + n);
        a[0] = b[0] = -32768;
        if (n >= 3) a[1] = a[2] = b[1] = b[2] = -32768;  // the part that reaches 2^31
        Unaligned<Orv16s> ua(n), ub(n), ud(n);
        ua.assign(a);
        ub.assign(b);
        for (int sf : {-40, -17, -16, -3, -1, 0, 1, 2, 7, 15, 16, 17, 30, 31, 32, 100}) {
            for (Layout L : {Layout::Pack, Layout::Perm}) {
                const auto expect = modelProduct16(L, a, b, n, sf);
                auto fn = L == Layout::Pack ? orvsMulPack_16s_Sfs : orvsMulPerm_16s_Sfs;
                auto fnI = L == Layout::Pack ? orvsMulPack_16s_ISfs : orvsMulPerm_16s_ISfs;
                ASSERT_EQ(fn(ua.data(), ub.data(), ud.data(), n, sf), orvStsOk);
                ASSERT_TRUE(sameBits(expect, ud.data(), n)) << n << " sf " << sf;
                ud.assign(b);
                ASSERT_EQ(fnI(ua.data(), ud.data(), n, sf), orvStsOk);
                ASSERT_TRUE(sameBits(expect, ud.data(), n)) << n << " sf " << sf;
            }
        }
    }
    // the arithmetic shift rounds toward minus infinity: 3 * 1 >> 1 = 1
    Orv16s a[1] = {3}, b[1] = {1}, d[1] = {0};
    ASSERT_EQ(orvsMulPack_16s_Sfs(a, b, d, 1, 1), orvStsOk);
    EXPECT_EQ(d[0], 1);
    a[0] = -3;
    ASSERT_EQ(orvsMulPack_16s_Sfs(a, b, d, 1, 1), orvStsOk);
    EXPECT_EQ(d[0], -2);
}

// ---- expansion to the full spectrum ------------------------------------

template <class C>
struct ExpandApi;
template <> struct ExpandApi<Orv16sc> {
    using T = Orv16s;
    static constexpr auto pack = orvsConjPack_16sc;
    static constexpr auto packI = orvsConjPack_16sc_I;
    static constexpr auto perm = orvsConjPerm_16sc;
    static constexpr auto permI = orvsConjPerm_16sc_I;
    static constexpr auto ccs = orvsConjCcs_16sc;
    static constexpr auto ccsI = orvsConjCcs_16sc_I;
};
template <> struct ExpandApi<Orv32fc> {
    using T = Orv32f;
    static constexpr auto pack = orvsConjPack_32fc;
    static constexpr auto packI = orvsConjPack_32fc_I;
    static constexpr auto perm = orvsConjPerm_32fc;
    static constexpr auto permI = orvsConjPerm_32fc_I;
    static constexpr auto ccs = orvsConjCcs_32fc;
    static constexpr auto ccsI = orvsConjCcs_32fc_I;
};
template <> struct ExpandApi<Orv64fc> {
    using T = Orv64f;
    static constexpr auto pack = orvsConjPack_64fc;
    static constexpr auto packI = orvsConjPack_64fc_I;
    static constexpr auto perm = orvsConjPerm_64fc;
    static constexpr auto permI = orvsConjPerm_64fc_I;
    static constexpr auto ccs = orvsConjCcs_64fc;
    static constexpr auto ccsI = orvsConjCcs_64fc_I;
};

template <class T>
T negated(T v)
{
    if constexpr (std::is_integral_v<T>) return v == -32768 ? T(32767) : T(-v);
    else return -v;
}

template <class C, class T>
std::vector<C> modelFull(const std::vector<Bin<T>>& bins, int n)
{
    std::vector<C> full(n);
    for (int k = 0; k < n; ++k) {
        const int m = k <= n / 2 ? k : n - k;
        const Bin<T>& b = bins[m];
        full[k] = {b.re, k <= n / 2 ? b.im : negated(b.im)};
    }
    return full;
}

template <class C>
class ComplexExpand : public ::testing::Test {};
using ExpandTypes = ::testing::Types<Orv16sc, Orv32fc, Orv64fc>;
TYPED_TEST_SUITE(ComplexExpand, ExpandTypes);

TYPED_TEST(ComplexExpand, AllLayoutsInAndOutOfPlace)
{
    using C = TypeParam;
    using A = ExpandApi<C>;
    using T = typename A::T;
    std::vector<int> lengths;
    for (int n = 1; n <= 70; ++n) lengths.push_back(n);
    for (int n : {171, 172, 173, 1000, 1001}) lengths.push_back(n);
    for (int n : lengths) {
        auto x = randomVector<T>(n + 2, 50 + n);
        if constexpr (std::is_integral_v<T>) x[std::min(n - 1, 2)] = -32768;
        for (Layout L : {Layout::Pack, Layout::Perm, Layout::Ccs}) {
            std::vector<T> src = x;
            if (L == Layout::Ccs) { src[1] = 0; if (n % 2 == 0) src[n + 1] = 0; }
            const int srcLen = L == Layout::Ccs ? 2 * (n / 2 + 1) : n;
            src.resize(srcLen);
            const auto expect = modelFull<C>(unpack(L, src, n), n);
            Unaligned<T> us(srcLen);
            us.assign(src);
            Unaligned<C> ud(n), ui(n);
            OrvStatus s1, s2;
            std::memset(static_cast<void*>(ui.data()), 0x5a, n * sizeof(C));
            std::memcpy(static_cast<void*>(ui.data()), src.data(), srcLen * sizeof(T));
            if (L == Layout::Pack) { s1 = A::pack(us.data(), ud.data(), n); s2 = A::packI(ui.data(), n); }
            else if (L == Layout::Perm) { s1 = A::perm(us.data(), ud.data(), n); s2 = A::permI(ui.data(), n); }
            else {
                s1 = A::ccs(reinterpret_cast<const C*>(us.data()), ud.data(), n);
                s2 = A::ccsI(ui.data(), n);
            }
            ASSERT_EQ(s1, orvStsOk);
            ASSERT_EQ(s2, orvStsOk);
            ASSERT_EQ(std::memcmp(expect.data(), ud.data(), n * sizeof(C)), 0) << "layout " << int(L) << " n " << n;
            ASSERT_EQ(std::memcmp(expect.data(), ui.data(), n * sizeof(C)), 0) << "in place, layout " << int(L) << " n " << n;
        }
    }
}

TEST(ComplexExpand, PackOfFourAndChecks)
{
    const float x[4] = {1, 2, 3, 4};
    Orv32fc d[4];
    ASSERT_EQ(orvsConjPack_32fc(x, d, 4), orvStsOk);
    const Orv32fc e[4] = {{1, 0}, {2, 3}, {4, 0}, {2, -3}};
    EXPECT_EQ(std::memcmp(d, e, sizeof(e)), 0);
    EXPECT_EQ(orvsConjPack_32fc(nullptr, d, 0), orvStsErrNullPtr);
    EXPECT_EQ(orvsConjPerm_32fc(x, d, 0), orvStsErrSize);
    EXPECT_EQ(orvsConjCcs_16sc_I(nullptr, 4), orvStsErrNullPtr);
    EXPECT_EQ(orvsConjCcs_64fc(nullptr, nullptr, -1), orvStsErrNullPtr);
}

} // namespace
