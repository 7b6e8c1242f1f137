// Packed spectra (products, expansion to full spectra) against a model that
// unpacks the layouts into bins; parts, conjugates and flips against loops.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "test_util.h"

using namespace orvs_test;

namespace {

enum class Layout { Pack, Perm, Ccs };

// Bin k and the index `at` of its real part (its imaginary part follows).
template <class T> struct Bin { T re, im; bool realOnly; int at; };

// Bins 0 .. n/2 of real length n: an even length's Nyquist value last in Pack,
// second in Perm; pairs from 1 in Pack, after X0 and Nyquist in Perm (even n),
// after X0 and its zero in CCS.
template <class T>
std::vector<Bin<T>> unpack(Layout L, const std::vector<T>& x, int n)
{
    std::vector<Bin<T>> b(n / 2 + 1);
    b[0] = {x[0], T(0), true, 0};
    const bool even = n % 2 == 0;
    for (int k = 1; k <= n / 2; ++k) {
        const int at = even && k == n / 2 ? (L == Layout::Pack ? n - 1 : L == Layout::Perm ? 1 : n)
                       : (L == Layout::Ccs || (L == Layout::Perm && even)) ? 2 * k : 2 * k - 1;
        b[k] = even && k == n / 2 ? Bin<T>{x[at], T(0), true, at} : Bin<T>{x[at], x[at + 1], false, at};
    }
    return b;
}

// Negation as the model sees it: 16-bit integers saturate, floats flip the sign.
template <class T> T neg(T v) { return std::is_integral_v<T> && v == T(-32768) ? T(32767) : T(-v); }

// A scaled 16-bit part: clamped to 32 bits, then floor-shifted right, or saturated and shifted left.
Orv16s shiftModel(long long r, int sf)
{
    long double v = std::clamp<long double>(r, -2147483648.0L, 2147483647.0L);
    if (sf > 0) v = std::floor(std::ldexp(v, -sf));
    else if (sf < 0) v = std::ldexp(std::clamp<long double>(v, -32768, 32767), -sf);
    return (Orv16s)std::clamp<long double>(v, -32768, 32767);
}

template <class T>
std::vector<T> productModel(Layout L, const std::vector<T>& a, const std::vector<T>& b, int n, bool conjB, int sf = 0)
{
    auto A = unpack(L, a, n), B = unpack(L, b, n);
    std::vector<T> d(n);
    for (std::size_t k = 0; k < A.size(); ++k) {
        const T ar = A[k].re, ai = A[k].im, br = B[k].re, bi = conjB ? -B[k].im : B[k].im;
        T re = A[k].realOnly ? ar * br : ar * br - ai * bi, im = ar * bi + ai * br;  // a real bin keeps the sign of a zero product
        if constexpr (std::is_integral_v<T>)
            re = shiftModel((long long)ar * br - (long long)ai * bi, sf), im = shiftModel((long long)ar * bi + (long long)ai * br, sf);
        d[A[k].at] = re;
        if (!A[k].realOnly) d[A[k].at + 1] = im;
    }
    return d;
}

// The products: float parts without a scale factor, 16-bit parts with one.
template <class T> struct MulApi;
#define ORVS_MUL_API(T, t, out, in, ...)                                                                   \
    template <> struct MulApi<T> {                                                                         \
        static OrvStatus mul(Layout L, const T* a, const T* b, T* d, int n, [[maybe_unused]] int s)        \
        { return (L == Layout::Pack ? orvsMulPack_##t##out : orvsMulPerm_##t##out)(a, b, d, n __VA_ARGS__); } \
        static OrvStatus mulI(Layout L, const T* a, T* d, int n, [[maybe_unused]] int s)                   \
        { return (L == Layout::Pack ? orvsMulPack_##t##in : orvsMulPerm_##t##in)(a, d, n __VA_ARGS__); }      \
    };
ORVS_MUL_API(float, 32f, , _I)
ORVS_MUL_API(double, 64f, , _I)
ORVS_MUL_API(Orv16s, 16s, _Sfs, _ISfs, , s)
#undef ORVS_MUL_API

template <class C> struct CplxApi;
#define ORVS_CPLX_API(C, T, t, c)                                                                                        \
    template <> struct CplxApi<C> {                                                                                      \
        using Part = T;                                                                                                  \
        static constexpr auto toReal = orvsCplxToReal_##c, conj = orvsConj_##c, conjI = orvsConj_##c##_I, flip = orvsConjFlip_##c; \
        static constexpr auto fromReal = orvsRealToCplx_##t;                                                             \
        static constexpr auto expandPack = orvsConjPack_##c, expandPerm = orvsConjPerm_##c, expandCcs = orvsConjCcs_##c; \
        static constexpr auto expandPackI = orvsConjPack_##c##_I, expandPermI = orvsConjPerm_##c##_I, expandCcsI = orvsConjCcs_##c##_I; \
    };
ORVS_CPLX_API(Orv16sc, Orv16s, 16s, 16sc)
ORVS_CPLX_API(Orv32fc, Orv32f, 32f, 32fc)
ORVS_CPLX_API(Orv64fc, Orv64f, 64f, 64fc)
#undef ORVS_CPLX_API

template <class C> class ComplexTyped : public ::testing::Test {};
using CplxTypes = ::testing::Types<Orv16sc, Orv32fc, Orv64fc>;
TYPED_TEST_SUITE(ComplexTyped, CplxTypes);

template <class T> class ComplexPacked : public ::testing::Test {};
using PartTypes = ::testing::Types<float, double, Orv16s>;
TYPED_TEST_SUITE(ComplexPacked, PartTypes);

} // namespace

TYPED_TEST(ComplexPacked, ProductsMatchBinModel)
{
    using T = TypeParam;
    using A = MulApi<T>;
    constexpr bool scaled = std::is_integral_v<T>;
    auto conjI = [](const auto* a, auto* d, int n) {  // float parts only
        if constexpr (std::is_same_v<decltype(+*a), float>) return orvsMulPackConj_32f_I(a, d, n); else return orvsMulPackConj_64f_I(a, d, n);
    };
    const auto sfs = scaled ? std::vector<int>{-40, -17, -16, -3, -1, 0, 1, 2, 7, 15, 16, 17, 30, 31, 32, 100} : std::vector<int>{0};
    for (int n = 1; n <= 40; ++n) {
        // more than 2^19 float pairs take the streaming blocks
        for (int len : {n, n * 37 + 1000, n == 40 && !scaled ? (1 << 20) + 5 : 0}) {
            if (len == 0) continue;
            auto a = randomVector<T>(len, 10 + len), b = randomVector<T>(len, 20 + len);
            if constexpr (scaled)
                for (int k = 0; k < std::min(len, 3); ++k) a[k] = b[k] = -32768;  // the part that reaches 2^31
            Unaligned<T> ua(len), ub(len), ud(len), uo(len);
            ua.assign(a), ub.assign(b);
            for (int sf : sfs)
                for (Layout L : {Layout::Pack, Layout::Perm}) {
                    const auto expect = productModel(L, a, b, len, false, sf);
                    ud.assign(b);
                    ASSERT_EQ(A::mul(L, ua.data(), ub.data(), uo.data(), len, sf) | A::mulI(L, ua.data(), ud.data(), len, sf), orvStsOk);
                    ASSERT_TRUE(sameBits(expect.data(), uo.data(), len) && sameBits(expect.data(), ud.data(), len)) << len << " sf " << sf;
                }
            if constexpr (!scaled) {
                ud.assign(b);
                ASSERT_EQ(conjI(ua.data(), ud.data(), len), orvStsOk);
                ASSERT_TRUE(sameBits(productModel(Layout::Pack, a, b, len, true).data(), ud.data(), len)) << len;
            }
        }
    }
}

TYPED_TEST(ComplexTyped, ExpansionOfEveryLayoutInAndOutOfPlace)
{
    using C = TypeParam;
    using A = CplxApi<C>;
    using T = typename A::Part;
    std::vector<int> lengths = {171, 172, 1000, 1001};
    for (int n = 1; n <= 70; ++n) lengths.push_back(n);
    for (int n : lengths) {
        auto x = randomVector<T>(n + 2, 50 + n);
        if constexpr (std::is_integral_v<T>) x[std::min(n - 1, 2)] = -32768;
        for (Layout L : {Layout::Pack, Layout::Perm, Layout::Ccs}) {
            std::vector<T> src = x;
            if (L == Layout::Ccs) src[1] = 0, src[n + 1] = n % 2 ? src[n + 1] : T(0);
            src.resize(L == Layout::Ccs ? 2 * (n / 2 + 1) : n);
            const auto bins = unpack(L, src, n);
            std::vector<C> expect(n);
            for (int k = 0; k < n; ++k) {
                const auto& b = bins[k <= n / 2 ? k : n - k];
                expect[k] = {b.re, k <= n / 2 ? b.im : neg(b.im)};
            }
            Unaligned<T> us(src.size());
            us.assign(src);
            Unaligned<C> ud(n), ui(n);
            std::memcpy(static_cast<void*>(ui.data()), src.data(), src.size() * sizeof(T));
            const auto* sc = reinterpret_cast<const C*>(us.data());
            const OrvStatus s1 = L == Layout::Pack ? A::expandPack(us.data(), ud.data(), n)
                                 : L == Layout::Perm ? A::expandPerm(us.data(), ud.data(), n) : A::expandCcs(sc, ud.data(), n);
            const OrvStatus s2 = L == Layout::Pack ? A::expandPackI(ui.data(), n)
                                 : L == Layout::Perm ? A::expandPermI(ui.data(), n) : A::expandCcsI(ui.data(), n);
            ASSERT_TRUE(s1 == orvStsOk && s2 == orvStsOk);
            ASSERT_TRUE(sameBits(expect.data(), ud.data(), n)) << "layout " << int(L) << " n " << n;
            ASSERT_TRUE(sameBits(expect.data(), ui.data(), n)) << "in place, layout " << int(L) << " n " << n;
        }
    }
}

TYPED_TEST(ComplexTyped, PartsConjugatesAndFlips)
{
    using C = TypeParam;
    using A = CplxApi<C>;
    using T = typename A::Part;
    for (int n : oddLengths()) {
        auto src = randomVector<C>(n, 100 + n);
        if constexpr (std::is_same_v<C, Orv16sc>) src[n / 2].im = -32768;  // its conjugate saturates
        Unaligned<C> s(n), d(n);
        s.assign(src);
        Unaligned<T> re(n), im(n);
        ASSERT_EQ(A::toReal(s.data(), re.data(), im.data(), n), orvStsOk);
        // a null part reads as zeros; both null is an error checked after the destination
        for (int which : {0, 1, 2}) {
            ASSERT_EQ(A::fromReal(which == 2 ? nullptr : re.data(), which == 1 ? nullptr : im.data(), d.data(), n), orvStsOk);
            for (int k = 0; k < n; ++k)
                ASSERT_TRUE(sameBits(d[k].re, which == 2 ? T(0) : src[k].re) && sameBits(d[k].im, which == 1 ? T(0) : src[k].im));
        }
        EXPECT_EQ(A::fromReal(nullptr, nullptr, d.data(), 0), orvStsErrNullPtr);
        ASSERT_EQ(A::conj(s.data(), d.data(), n), orvStsOk);
        for (int k = 0; k < n; ++k) ASSERT_TRUE(sameBits(d[k].re, src[k].re) && sameBits(d[k].im, neg(src[k].im))) << n << " " << k;
        ASSERT_EQ(A::conjI(s.data(), n), orvStsOk);
        ASSERT_TRUE(sameBits(s.data(), d.data(), n));
        s.assign(src);
        ASSERT_EQ(A::flip(s.data(), d.data(), n), orvStsOk);
        for (int k = 0; k < n; ++k)
            ASSERT_TRUE(sameBits(d[k].re, src[n - 1 - k].re) && sameBits(d[k].im, neg(src[n - 1 - k].im))) << n << " " << k;
        ASSERT_EQ(A::flip(s.data(), s.data(), n), orvStsOk);  // the same vector reverses in place
        ASSERT_TRUE(sameBits(s.data(), d.data(), n)) << n;
    }
}
