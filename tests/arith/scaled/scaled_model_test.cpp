// The scaled integer members against the independent model: every scale
// factor around each member's cut-over points, odd lengths, unaligned
// buffers and the in-place forms.
#include <cmath>

#include "scaled_model.h"

using namespace arith_test;

namespace {

template <class T>
Exact addX(T a, T b)
{
    Exact r{};
    for (int k = 0; k < kParts<T>; ++k) r[k] = part(a, k) + part(b, k);
    return r;
}
template <class T>
Exact subX(T a, T b)  // a - b
{
    Exact r{};
    for (int k = 0; k < kParts<T>; ++k) r[k] = part(a, k) - part(b, k);
    return r;
}
template <class A, class B>
Exact mulX(A a, B b)
{
    if constexpr (kCx<A> && kCx<B>)
        return {part(a, 0) * part(b, 0) - part(a, 1) * part(b, 1), part(a, 0) * part(b, 1) + part(a, 1) * part(b, 0)};
    else if constexpr (kCx<B>)
        return {part(a, 0) * part(b, 0), part(a, 0) * part(b, 1)};
    else
        return {part(a, 0) * part(b, 0), 0};
}

template <class T> Exact vAdd(T a, T b, T) { return addX(a, b); }
template <class T> Exact vSub(T a, T b, T) { return subX(b, a); }
template <class T> Exact vMul(T a, T b, T) { return mulX(a, b); }
template <class T> Exact cAdd(T a, T v) { return addX(a, v); }
template <class T> Exact cSub(T a, T v) { return subX(a, v); }
template <class T> Exact cSubRev(T a, T v) { return subX(v, a); }
template <class T> Exact cMul(T a, T v) { return mulX(a, v); }

// Cut{s at and below which outputs saturate by sign, s from which all are 0}
#define SEVEN(code, T, addCut, subCut, mulCut)                                                               \
    checkVV<T, T, T>("Add_" #code, orvsAdd_##code##_Sfs, orvsAdd_##code##_ISfs, vAdd<T>, addCut);            \
    checkVV<T, T, T>("Sub_" #code, orvsSub_##code##_Sfs, orvsSub_##code##_ISfs, vSub<T>, subCut);            \
    checkVV<T, T, T>("Mul_" #code, orvsMul_##code##_Sfs, orvsMul_##code##_ISfs, vMul<T>, mulCut);            \
    checkVC<T>("AddC_" #code, orvsAddC_##code##_Sfs, orvsAddC_##code##_ISfs, cAdd<T>, addCut);               \
    checkVC<T>("SubC_" #code, orvsSubC_##code##_Sfs, orvsSubC_##code##_ISfs, cSub<T>, subCut);               \
    checkVC<T>("SubCRev_" #code, orvsSubCRev_##code##_Sfs, orvsSubCRev_##code##_ISfs, cSubRev<T>, subCut);   \
    checkVC<T>("MulC_" #code, orvsMulC_##code##_Sfs, orvsMulC_##code##_ISfs, cMul<T>, mulCut)

TEST(ScaledRule, Members8u) { SEVEN(8u, Orv8u, (Cut{-8, 10}), (Cut{-8, 9}), (Cut{-8, 17})); }
TEST(ScaledRule, Members16u) { SEVEN(16u, Orv16u, (Cut{-16, 18}), (Cut{-16, 17}), (Cut{-16, 33})); }
TEST(ScaledRule, Members16s) { SEVEN(16s, Orv16s, (Cut{-16, 17}), (Cut{-16, 17}), (Cut{-16, 31})); }
TEST(ScaledRule, Members16sc) { SEVEN(16sc, Orv16sc, (Cut{-16, 17}), (Cut{-16, 17}), (Cut{-16, 32})); }
TEST(ScaledRule, Members32s) { SEVEN(32s, Orv32s, (Cut{-31, 33}), (Cut{-31, 33}), (Cut{-32, 63})); }
TEST(ScaledRule, Members32sc) { SEVEN(32sc, Orv32sc, (Cut{-31, 33}), (Cut{-31, 33}), (Cut{-32, 64})); }

// Members without a scale factor are the s = 0 case.
TEST(ScaledRule, SaturatingMembers)
{
    auto noS = [](auto fn) { return [fn](auto a, auto b, auto d, int n, int) { return fn(a, b, d, n); }; };
    auto noSI = [](auto fn) { return [fn](auto a, auto d, int n, int) { return fn(a, d, n); }; };
    auto noSC = [](auto fn) { return [fn](auto v, auto d, int n, int) { return fn(v, d, n); }; };
    const Cut none{INT_MIN, INT_MAX};
    checkVV<Orv16s, Orv16s, Orv16s>("Add_16s", noS(orvsAdd_16s), noSI(orvsAdd_16s_I), vAdd<Orv16s>, none, false);
    checkVV<Orv16s, Orv16s, Orv16s>("Sub_16s", noS(orvsSub_16s), noSI(orvsSub_16s_I), vSub<Orv16s>, none, false);
    checkVV<Orv16s, Orv16s, Orv16s>("Mul_16s", noS(orvsMul_16s), noSI(orvsMul_16s_I), vMul<Orv16s>, none, false);
    checkVV<Orv16u, Orv16u, Orv16u>("Add_16u", noS(orvsAdd_16u), nullptr, vAdd<Orv16u>, none, false);
    checkVV<Orv32u, Orv32u, Orv32u>("Add_32u", noS(orvsAdd_32u), nullptr, vAdd<Orv32u>, none, false);
    checkVC<Orv16s>("AddC_16s_I", nullptr, noSC(orvsAddC_16s_I), cAdd<Orv16s>, none, false);
    checkVC<Orv16s>("SubC_16s_I", nullptr, noSC(orvsSubC_16s_I), cSub<Orv16s>, none, false);
    checkVC<Orv16s>("MulC_16s_I", nullptr, noSC(orvsMulC_16s_I), cMul<Orv16s>, none, false);
    auto wide = [](auto a, auto b, auto) { return Exact{part(a, 0) + part(b, 0), 0}; };
    auto wideMul = [](auto a, auto b, auto) { return Exact{part(a, 0) * part(b, 0), 0}; };
    checkVV<Orv8u, Orv8u, Orv16u>("Add_8u16u", noS(orvsAdd_8u16u), nullptr, wide, none, false);
    checkVV<Orv8u, Orv8u, Orv16u>("Mul_8u16u", noS(orvsMul_8u16u), nullptr, wideMul, none, false);
    checkVV<Orv16s, Orv32s, Orv32s>("Add_16s32s_I", [](auto a, auto b, auto d, int n, int) {
        std::memcpy(d, b, n * sizeof(Orv32s));
        return orvsAdd_16s32s_I(a, d, n);
    }, nullptr, wide, none, false);
}

TEST(ScaledRule, MixedAndWideMembers)
{
    auto prod = [](auto a, auto b, auto) { return mulX(a, b); };
    auto acc = [](auto a, auto b, auto old) { return Exact{part(old, 0) + part(a, 0) * part(b, 0), 0}; };
    checkVV<Orv16u, Orv16s, Orv16s>("Mul_16u16s", orvsMul_16u16s_Sfs, nullptr, prod, Cut{-15, 32});
    checkVV<Orv16s, Orv16s, Orv32s>("Mul_16s32s", orvsMul_16s32s_Sfs, nullptr, prod, Cut{-31, 31});
    checkVV<Orv32s, Orv32sc, Orv32sc>("Mul_32s32sc", orvsMul_32s32sc_Sfs, orvsMul_32s32sc_ISfs, prod, Cut{-32, 63});
    checkVV<Orv16s, Orv16s, Orv16s>("AddProduct_16s", orvsAddProduct_16s_Sfs, nullptr, acc, Cut{-15, 32});
    checkVV<Orv16s, Orv16s, Orv32s>("AddProduct_16s32s", orvsAddProduct_16s32s_Sfs, nullptr, acc, Cut{-31, 33});
    checkVV<Orv32s, Orv32s, Orv32s>("AddProduct_32s", orvsAddProduct_32s_Sfs, nullptr, acc, Cut{-31, 63});
    // The 64-bit sum zeroes from s = 64 by its table, even for -2^64 (which
    // the plain rule would round to -1).
    checkVV<Orv64s, Orv64s, Orv64s>("Add_64s", orvsAdd_64s_Sfs, nullptr, vAdd<Orv64s>, Cut{-63, 64});
    // No table: the plain rule, which zeroes from 127 and saturates from -64 on.
    checkVC<Orv64s>("MulC_64s_I", nullptr, orvsMulC_64s_ISfs, cMul<Orv64s>, Cut{-67, 130});
}

// Low 32 bits of the product: arithmetic shifts, wrapping, no rounding.
TEST(ScaledRule, MulLow32s)
{
    for (int s : scaleFactors(Cut{-32, 63})) {
        const int n = 67;
        const auto a = edgyVector<Orv32s>(n, static_cast<std::uint32_t>(s) + 100u), b = edgyVector<Orv32s>(n, static_cast<std::uint32_t>(s) + 200u);
        orvs_test::Unaligned<Orv32s> ua(n), ub(n), ud(n);
        ua.assign(a);
        ub.assign(b);
        ASSERT_EQ(orvsMul_Low_32s_Sfs(ua.data(), ub.data(), ud.data(), n, s), orvStsOk);
        for (int i = 0; i < n; ++i) {
            const i128 p = i128(a[i]) * b[i];
            Orv32s want;
            if (s >= 63) want = 0;
            else if (s <= -32) want = p > 0 ? INT32_MAX : (p < 0 ? INT32_MIN : 0);
            else if (s >= 0) want = static_cast<Orv32s>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(p >> s)));
            else want = static_cast<Orv32s>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(p) << -s));
            ASSERT_EQ(ud[i], want) << "s=" << s << " i=" << i;
        }
    }
}

// x * val with val a double, formed exactly: compare with the exact product
// of the integer significand under the shifted scale factor.
TEST(ScaledRule, MulC64f64s)
{
    const double vals[] = {1.0, -1.0, 0.5, 3.0, -0.1, 1e-300, 4.9e-324, -2.5e-310, 1e18, -7.25, 123456789.0};
    for (double v : vals) {
        for (int s : {-70, -20, -1, 0, 1, 5, 40, 70, 200}) {
            const int n = 33;
            auto x = edgyVector<Orv64s>(n, 7 + s);
            auto y = x;
            ASSERT_EQ(orvsMulC_64f64s_ISfs(v, y.data(), n, s), orvStsOk);
            int e;
            const double frac = std::frexp(v, &e);  // v = frac * 2^e, 0.5 <= |frac| < 1
            const i128 m = static_cast<i128>(std::ldexp(frac, 53));  // an integer: 53 bits at most
            const int mexp = e - 53;
            for (int i = 0; i < n; ++i) {
                const Orv64s want = modelScale<Orv64s>(i128(x[i]) * m, s - mexp, Cut{INT_MIN, INT_MAX});
                ASSERT_EQ(y[i], want) << "v=" << v << " s=" << s << " i=" << i;
            }
        }
    }
}

} // namespace
