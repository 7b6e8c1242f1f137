// Splitting, building and conjugation of complex vectors: argument checks,
// exact results against plain models, saturation of the 16-bit conjugate,
// unaligned buffers and in-place forms.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "complex_test_util.h"

namespace {

using orvs_test::oddLengths;
using orvs_test::randomVector;
using orvs_test::Unaligned;

template <class C> struct Api;
template <> struct Api<Orv16sc> {
    using T = Orv16s;
    static constexpr auto real = orvsReal_16sc;
    static constexpr auto imag = orvsImag_16sc;
    static constexpr auto toReal = orvsCplxToReal_16sc;
    static constexpr auto fromReal = orvsRealToCplx_16s;
    static constexpr auto conj = orvsConj_16sc;
    static constexpr auto conjI = orvsConj_16sc_I;
    static constexpr auto flip = orvsConjFlip_16sc;
};
template <> struct Api<Orv32fc> {
    using T = Orv32f;
    static constexpr auto real = orvsReal_32fc;
    static constexpr auto imag = orvsImag_32fc;
    static constexpr auto toReal = orvsCplxToReal_32fc;
    static constexpr auto fromReal = orvsRealToCplx_32f;
    static constexpr auto conj = orvsConj_32fc;
    static constexpr auto conjI = orvsConj_32fc_I;
    static constexpr auto flip = orvsConjFlip_32fc;
};
template <> struct Api<Orv64fc> {
    using T = Orv64f;
    static constexpr auto real = orvsReal_64fc;
    static constexpr auto imag = orvsImag_64fc;
    static constexpr auto toReal = orvsCplxToReal_64fc;
    static constexpr auto fromReal = orvsRealToCplx_64f;
    static constexpr auto conj = orvsConj_64fc;
    static constexpr auto conjI = orvsConj_64fc_I;
    static constexpr auto flip = orvsConjFlip_64fc;
};

// Negation as the model sees it: integers saturate, floats flip the sign.
template <class T>
T neg(T v)
{
    if constexpr (std::is_integral_v<T>) return v == -32768 ? T(32767) : T(-v);
    else return -v;
}

template <class T>
bool same(T a, T b) { return std::memcmp(&a, &b, sizeof(T)) == 0; }

template <class C>
class ComplexSplit : public ::testing::Test {};
using SplitTypes = ::testing::Types<Orv16sc, Orv32fc, Orv64fc>;
TYPED_TEST_SUITE(ComplexSplit, SplitTypes);

TYPED_TEST(ComplexSplit, ChecksComeInOrder)
{
    using C = TypeParam;
    using A = Api<C>;
    using T = typename A::T;
    C c[2] = {};
    T r[2] = {}, i[2] = {};
    EXPECT_EQ(A::real(nullptr, r, 0), orvStsErrNullPtr);
    EXPECT_EQ(A::real(c, r, 0), orvStsErrSize);
    EXPECT_EQ(A::imag(c, nullptr, 2), orvStsErrNullPtr);
    EXPECT_EQ(A::toReal(c, r, nullptr, 2), orvStsErrNullPtr);
    EXPECT_EQ(A::toReal(c, r, i, -1), orvStsErrSize);
    // destination first, then "both sources null", then the length
    EXPECT_EQ(A::fromReal(r, i, nullptr, 0), orvStsErrNullPtr);
    EXPECT_EQ(A::fromReal(nullptr, nullptr, c, 2), orvStsErrNullPtr);
    EXPECT_EQ(A::fromReal(nullptr, nullptr, c, 0), orvStsErrNullPtr);
    EXPECT_EQ(A::fromReal(r, nullptr, c, 0), orvStsErrSize);
    EXPECT_EQ(A::conj(c, nullptr, 1), orvStsErrNullPtr);
    EXPECT_EQ(A::conjI(nullptr, 1), orvStsErrNullPtr);
    EXPECT_EQ(A::conjI(c, 0), orvStsErrSize);
    EXPECT_EQ(A::flip(c, c, 0), orvStsErrSize);
}

TYPED_TEST(ComplexSplit, PartsAndBuildingMatchModel)
{
    using C = TypeParam;
    using A = Api<C>;
    using T = typename A::T;
    for (int n : oddLengths()) {
        auto src = randomVector<C>(n, 100 + n);
        Unaligned<C> s(n);
        s.assign(src);
        Unaligned<T> re(n), im(n), re2(n);
        ASSERT_EQ(A::toReal(s.data(), re.data(), im.data(), n), orvStsOk);
        ASSERT_EQ(A::real(s.data(), re2.data(), n), orvStsOk);
        for (int k = 0; k < n; ++k) {
            ASSERT_TRUE(same(re[k], src[k].re)) << n << " " << k;
            ASSERT_TRUE(same(im[k], src[k].im)) << n << " " << k;
            ASSERT_TRUE(same(re2[k], src[k].re));
        }
        ASSERT_EQ(A::imag(s.data(), re2.data(), n), orvStsOk);
        for (int k = 0; k < n; ++k) ASSERT_TRUE(same(re2[k], src[k].im));

        Unaligned<C> d(n);
        ASSERT_EQ(A::fromReal(re.data(), im.data(), d.data(), n), orvStsOk);
        for (int k = 0; k < n; ++k) ASSERT_TRUE(same(d[k].re, src[k].re) && same(d[k].im, src[k].im));
        ASSERT_EQ(A::fromReal(re.data(), nullptr, d.data(), n), orvStsOk);
        for (int k = 0; k < n; ++k) ASSERT_TRUE(same(d[k].re, src[k].re) && same(d[k].im, T(0)));
        ASSERT_EQ(A::fromReal(nullptr, im.data(), d.data(), n), orvStsOk);
        for (int k = 0; k < n; ++k) ASSERT_TRUE(same(d[k].re, T(0)) && same(d[k].im, src[k].im));
    }
}

TYPED_TEST(ComplexSplit, ConjugateAndFlip)
{
    using C = TypeParam;
    using A = Api<C>;
    for (int n : oddLengths()) {
        auto src = randomVector<C>(n, 200 + n);
        if constexpr (std::is_same_v<C, Orv16sc>) src[n / 2].im = -32768;  // saturates to 32767
        Unaligned<C> s(n), d(n);
        s.assign(src);
        ASSERT_EQ(A::conj(s.data(), d.data(), n), orvStsOk);
        for (int k = 0; k < n; ++k)
            ASSERT_TRUE(same(d[k].re, src[k].re) && same(d[k].im, neg(src[k].im))) << n << " " << k;
        ASSERT_EQ(A::conjI(s.data(), n), orvStsOk);
        for (int k = 0; k < n; ++k) ASSERT_TRUE(same(s[k].re, d[k].re) && same(s[k].im, d[k].im));

        s.assign(src);
        ASSERT_EQ(A::flip(s.data(), d.data(), n), orvStsOk);
        for (int k = 0; k < n; ++k) {
            const C& m = src[n - 1 - k];
            ASSERT_TRUE(same(d[k].re, m.re) && same(d[k].im, neg(m.im))) << n << " " << k;
        }
        // the same vector as source and destination reverses in place
        ASSERT_EQ(A::flip(s.data(), s.data(), n), orvStsOk);
        for (int k = 0; k < n; ++k) ASSERT_TRUE(same(s[k].re, d[k].re) && same(s[k].im, d[k].im)) << n << " " << k;
    }
}

TEST(ComplexSplit, RealToCplxNullImaginaryWritesZeros)
{
    const Orv32f re[3] = {1.5f, -2.0f, 3.25f};
    Orv32fc d[3];
    std::memset(d, 0x7f, sizeof(d));
    ASSERT_EQ(orvsRealToCplx_32f(re, nullptr, d, 3), orvStsOk);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(d[k].re, re[k]);
        EXPECT_EQ(d[k].im, 0.0f);
    }
}

} // namespace
