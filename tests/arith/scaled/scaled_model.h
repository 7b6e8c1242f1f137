// Reference model for the scaled members (exact results in 128 bits, one
// rounding of float results), and the one table of members that the model,
// lane-tail and dense tests iterate.
#pragma once
#include <array>
#include <climits>
#include <functional>

#include "../arith_model.h"

namespace arith_test {

// Integer members are modelled exactly in 128 bits, float members one
// rounding at a time in their own precision.
template <class A> using Calc = std::conditional_t<kFloat<A>, Comp<A>, i128>;
template <class A> using Exact = std::array<Calc<A>, 2>;

// Beyond the element-by-element range: s >= zeroFrom writes 0, s <= satTo
// saturates by sign.
struct Cut {
    int satTo;
    int zeroFrom;
};
constexpr Cut kNone{INT_MIN, INT_MAX};

template <class O>
O modelScale(i128 r, int s, Cut cut)
{
    if (s >= cut.zeroFrom) return O(0);
    return quotient<O>(r, 1, s <= cut.satTo ? INT_MIN : s);
}

template <class A, class B>
Exact<A> sumOf(A a, B b, int sign)  // a + sign * b
{
    using R = Calc<A>;
    return {R(part(a, 0)) + R(sign * R(part(b, 0))), R(part(a, 1)) + R(sign * R(part(b, 1)))};
}
template <class A, class B>
Exact<A> prodOf(A a, B b)
{
    using R = Calc<A>;
    const R ar = part(a, 0), ai = part(a, 1), br = part(b, 0), bi = part(b, 1);
    if constexpr (kCx<A> && kCx<B>) {
        const R rr = ar * br, ii = ai * bi, ri = ar * bi, ir = ai * br;
        return {rr - ii, ri + ir};
    } else {
        return {ar * br, ai * bi};
    }
}

// The exact result of each kind of member from a, b and the old destination.
inline constexpr auto sum = [](auto a, auto b, auto) { return sumOf(a, b, 1); };
inline constexpr auto diffBA = [](auto a, auto b, auto) { return sumOf(b, a, -1); };  // Sub, SubCRev
inline constexpr auto diffAB = [](auto a, auto b, auto) { return sumOf(a, b, -1); };  // SubC
inline constexpr auto prod = [](auto a, auto b, auto) { return prodOf(a, b); };
inline constexpr auto accProd = [](auto a, auto b, auto old) {
    const auto p = prodOf(a, b);
    return decltype(p){p[0] + part(old, 0), p[1] + part(old, 1)};
};
inline constexpr auto magnitude = [](auto a, auto, auto) {  // |a|, the sign bit cleared for floats
    const Calc<decltype(a)> x = part(a, 0);
    if constexpr (kFloat<decltype(a)>) return Exact<decltype(a)>{std::fabs(x), 0};
    else return Exact<decltype(a)>{x < 0 ? -x : x, 0};
};

// Every member is called as f(a, b, d, n, s): constant members read their
// constant from b[0] (the tests fill b with one value), members without a
// scale factor ignore s, accumulating members read d first.

template <class A, class B, class D, class E>
struct Member {
    using TA = A;
    using TB = B;
    using TD = D;
    using Call = std::function<OrvStatus(const A*, const B*, D*, int, int)>;
    const char* name;
    Call f, inPlace;  // inPlace: the same member writing its vector operand, or empty
    E exact;
    Cut cut;
    bool constant, scaled;
    bool accumulates = false, wraps = false;  // wraps: inside the cut-over points, the low bits of the shifted result
};

// f(x..., n, s) for scaled entries, f(x..., n) for the others.
template <class F, class... X>
OrvStatus callWith(F f, int n, int s, X... x)
{
    if constexpr (std::is_invocable_v<F, X..., int, int>) return f(x..., n, s);
    else return f(x..., n);
}

// The in-place form writes the vector operand that d stands for: the second
// one of vector members, the only one of constant members.
template <class A, class B = A, class D = A, class F, class FI, class E>
auto member(const char* name, F f, FI fi, E e, Cut cut = kNone)
{
    Member<A, B, D, E> m{name, [f](const A* a, const B* b, D* d, int n, int s) { return callWith(f, n, s, a, b, d); }, {}, e, cut,
                         false, std::is_invocable_v<F, const A*, const B*, D*, int, int>};
    if constexpr (!std::is_null_pointer_v<FI>)
        m.inPlace = [fi](const A* a, const B* b, D* d, int n, int s) { return std::copy(b, b + n, d), callWith(fi, n, s, a, d); };
    return m;
}

template <class T, class F, class FI, class E>
auto constMember(const char* name, F f, FI fi, E e, Cut cut = kNone)
{
    Member<T, T, T, E> m{name, [f](const T* a, const T* b, T* d, int n, int s) { return callWith(f, n, s, a, b[0], d); }, {}, e, cut,
                         true, std::is_invocable_v<F, const T*, T, T*, int, int>};
    if constexpr (!std::is_null_pointer_v<FI>)
        m.inPlace = [fi](const T* a, const T* b, T* d, int n, int s) { return std::copy(a, a + n, d), callWith(fi, n, s, b[0], d); };
    return m;
}

template <class T, class F, class FI>
auto oneOperand(const char* name, F f, FI fi)
{
    return Member<T, T, T, decltype(magnitude)>{name, [f](const T* a, const T*, T* d, int n, int) { return f(a, d, n); },
                                      [fi](const T* a, const T*, T* d, int n, int) { return std::copy(a, a + n, d), fi(d, n); },
                                      magnitude, kNone, false, false};
}

// Visits every member of the table.
template <class V>
void forEachMember(V&& v)
{
    auto accumulating = [](auto m) { return m.accumulates = true, m; };
    auto wrapping = [](auto m) { return m.wraps = true, m; };
#define ORVS_SEVEN(code, T, sfx, isfx, addCut, subCut, mulCut)                                                            \
    v(member<T>("Add_" #code, orvsAdd_##code##sfx, orvsAdd_##code##isfx, sum, Cut addCut));                              \
    v(member<T>("Sub_" #code, orvsSub_##code##sfx, orvsSub_##code##isfx, diffBA, Cut subCut));                           \
    v(member<T>("Mul_" #code, orvsMul_##code##sfx, orvsMul_##code##isfx, prod, Cut mulCut));                             \
    v(constMember<T>("AddC_" #code, orvsAddC_##code##sfx, orvsAddC_##code##isfx, sum, Cut addCut));                      \
    v(constMember<T>("SubC_" #code, orvsSubC_##code##sfx, orvsSubC_##code##isfx, diffAB, Cut subCut));                   \
    v(constMember<T>("SubCRev_" #code, orvsSubCRev_##code##sfx, orvsSubCRev_##code##isfx, diffBA, Cut subCut));          \
    v(constMember<T>("MulC_" #code, orvsMulC_##code##sfx, orvsMulC_##code##isfx, prod, Cut mulCut));
    ORVS_SEVEN(8u, Orv8u, _Sfs, _ISfs, ({-8, 10}), ({-8, 9}), ({-8, 17}))
    ORVS_SEVEN(16u, Orv16u, _Sfs, _ISfs, ({-16, 18}), ({-16, 17}), ({-16, 33}))
    ORVS_SEVEN(16s, Orv16s, _Sfs, _ISfs, ({-16, 17}), ({-16, 17}), ({-16, 31}))
    ORVS_SEVEN(16sc, Orv16sc, _Sfs, _ISfs, ({-16, 17}), ({-16, 17}), ({-16, 32}))
    ORVS_SEVEN(32s, Orv32s, _Sfs, _ISfs, ({-31, 33}), ({-31, 33}), ({-32, 63}))
    ORVS_SEVEN(32sc, Orv32sc, _Sfs, _ISfs, ({-31, 33}), ({-31, 33}), ({-32, 64}))
#define ORVS_FLOAT(code, T)                                                                                               \
    ORVS_SEVEN(code, T, , _I, (kNone), (kNone), (kNone))                                                                  \
    v(accumulating(member<T>("AddProduct_" #code, orvsAddProduct_##code, nullptr, accProd)));
    ORVS_FLOAT(32f, Orv32f)
    ORVS_FLOAT(64f, Orv64f)
    ORVS_FLOAT(32fc, Orv32fc)
    ORVS_FLOAT(64fc, Orv64fc)
#undef ORVS_FLOAT
#undef ORVS_SEVEN
    // Low 32 bits of the product: arithmetic shifts, wrapping, no rounding.
    v(wrapping(member<Orv32s>("Mul_Low_32s", orvsMul_Low_32s_Sfs, nullptr, prod, Cut{-32, 63})));
    v(member<Orv16u, Orv16s, Orv16s>("Mul_16u16s", orvsMul_16u16s_Sfs, nullptr, prod, Cut{-15, 32}));
    v(member<Orv16s, Orv16s, Orv32s>("Mul_16s32s", orvsMul_16s32s_Sfs, nullptr, prod, Cut{-31, 31}));
    v(member<Orv32s, Orv32sc, Orv32sc>("Mul_32s32sc", orvsMul_32s32sc_Sfs, orvsMul_32s32sc_ISfs, prod, Cut{-32, 63}));
    // The 64-bit sum zeroes from s = 64, even for -2^64 (which the plain
    // rule would round to -1); the 64-bit product follows the plain rule.
    v(member<Orv64s>("Add_64s", orvsAdd_64s_Sfs, nullptr, sum, Cut{-63, 64}));
    auto mulC64 = [](const Orv64s* a, Orv64s val, Orv64s* d, int n, int s) { return std::copy(a, a + n, d), orvsMulC_64s_ISfs(val, d, n, s); };
    v(constMember<Orv64s>("MulC_64s_I", mulC64, nullptr, prod, Cut{-67, 130}));
    v(accumulating(member<Orv16s>("AddProduct_16s", orvsAddProduct_16s_Sfs, nullptr, accProd, Cut{-15, 32})));
    v(accumulating(member<Orv16s, Orv16s, Orv32s>("AddProduct_16s32s", orvsAddProduct_16s32s_Sfs, nullptr, accProd,
                                                  Cut{-31, 33})));
    v(accumulating(member<Orv32s>("AddProduct_32s", orvsAddProduct_32s_Sfs, nullptr, accProd, Cut{-31, 63})));
    // Without a scale factor: the s = 0 case, or one rounding to float.
    v(member<Orv16s>("Add_16s", orvsAdd_16s, nullptr, sum));
    v(member<Orv16s>("Sub_16s", orvsSub_16s, nullptr, diffBA));
    v(member<Orv16s>("Mul_16s", orvsMul_16s, nullptr, prod));
    v(member<Orv16u>("Add_16u", orvsAdd_16u, nullptr, sum));
    v(member<Orv32u>("Add_32u", orvsAdd_32u, nullptr, sum));
    v(member<Orv8u, Orv8u, Orv16u>("Add_8u16u", orvsAdd_8u16u, nullptr, sum));
    v(member<Orv8u, Orv8u, Orv16u>("Mul_8u16u", orvsMul_8u16u, nullptr, prod));
    auto add16s32s = [](const Orv16s* a, const Orv32s* b, Orv32s* d, int n) { return std::copy(b, b + n, d), orvsAdd_16s32s_I(a, d, n); };
    v(member<Orv16s, Orv32s, Orv32s>("Add_16s32s_I", add16s32s, nullptr, sum));
    v(member<Orv16s, Orv16s, Orv32f>("Add_16s32f", orvsAdd_16s32f, nullptr, sum));
    v(member<Orv16s, Orv16s, Orv32f>("Sub_16s32f", orvsSub_16s32f, nullptr, diffBA));
    v(member<Orv16s, Orv16s, Orv32f>("Mul_16s32f", orvsMul_16s32f, nullptr, prod));
    v(member<Orv32f, Orv32fc, Orv32fc>("Mul_32f32fc", orvsMul_32f32fc, orvsMul_32f32fc_I, prod));
    v(accumulating(constMember<Orv32f>("AddProductC_32f", orvsAddProductC_32f, nullptr, accProd)));
    v(oneOperand<Orv16s>("Abs_16s", orvsAbs_16s, orvsAbs_16s_I));
    v(oneOperand<Orv32s>("Abs_32s", orvsAbs_32s, orvsAbs_32s_I));
    v(oneOperand<Orv32f>("Abs_32f", orvsAbs_32f, orvsAbs_32f_I));
    v(oneOperand<Orv64f>("Abs_64f", orvsAbs_64f, orvsAbs_64f_I));
}

// Scale factors of a member: around both cut-over points, the extremes,
// and the special cases 0 and 1.
inline std::vector<int> scaleFactors(Cut cut, int step = 1)
{
    if (cut.satTo == INT_MIN) return {0};
    std::vector<int> s = {INT_MIN, -1000, 1000, INT_MAX, 0, 1};
    for (long long v = cut.satTo - 2LL; v <= cut.zeroFrom + 2LL; v += step) s.push_back(static_cast<int>(v));
    return s;
}

// The second operand of a member: random, or one value for constant members.
template <class M>
std::vector<typename M::TB> secondOperand(const M& m, std::size_t n, std::uint32_t seed)
{
    auto b = edgyVector<typename M::TB>(n, seed);
    if (m.constant) std::fill(b.begin(), b.end(), b[seed % n]);
    return b;
}

template <class M>
typename M::TD modelOf(const M& m, typename M::TA a, typename M::TB b, typename M::TD old, int s)
{
    using D = typename M::TD;
    const auto r = m.exact(a, b, old);
    D want{};
    for (int k = 0; k < kParts<D>; ++k) {
        if constexpr (kFloat<D>) part(want, k) = static_cast<Comp<D>>(r[k]);
        else if (m.wraps && s > m.cut.satTo && s < m.cut.zeroFrom)
            part(want, k) = static_cast<Comp<D>>(static_cast<std::uint64_t>(s >= 0 ? r[k] >> s : r[k] * (i128(1) << -s)));
        else part(want, k) = modelScale<Comp<D>>(r[k], m.scaled ? s : 0, m.cut);
    }
    return want;
}

// A single-precision product p to 16 bits: the scaled form rounds to
// nearest-even and saturates, NaN to the top; the low form converts to 32
// bits first under the caller's mode (MXCSR bits `mode`), NaN and overflow
// giving the bottom.
inline Orv16s productTo16(float p, bool low, unsigned mode = 0)
{
    double k = std::floor(p);
    if (std::isnan(p) || (low && std::fabs(p) >= 2147483648.0f)) k = low ? INT32_MIN : 32767;
    else if (!low || mode == 0) k += p - k > 0.5 || (p - k == 0.5 && std::fmod(k, 2.0) != 0);
    else if (mode == 0x6000u) k = std::trunc(p);
    return static_cast<Orv16s>(std::clamp(k, -32768.0, 32767.0));
}

// Bit for bit: -0 is not +0.
template <class D>
::testing::AssertionResult sameElement(const D& got, const D& want)
{
    if (orvs_test::sameBits(got, want)) return ::testing::AssertionSuccess();
    auto f = ::testing::AssertionFailure();
    for (int k = 0; k < kParts<D>; ++k) f << " got " << +part(got, k) << ", want " << +part(want, k);
    return f;
}

} // namespace arith_test
