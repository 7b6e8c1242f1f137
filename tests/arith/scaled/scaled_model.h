// Reference model for the scaled integer members, written independently of
// the library (exact results in 128 bits, scaling by floor division and an
// explicit remainder comparison, saturation by comparison), and the one
// table of members that the model, lane-tail and dense tests iterate.
#pragma once
#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include "orvs.h"
#include "test_util.h"

namespace scaled_test {
using orvs_test::quick;
using i128 = __int128;

template <class T> constexpr bool kCx = requires(T t) { t.re; };
template <class T> struct CompOf { using type = T; };
template <class T> requires kCx<T> struct CompOf<T> { using type = decltype(T{}.re); };
template <class T> using Comp = typename CompOf<T>::type;
template <class T> constexpr int kParts = kCx<T> ? 2 : 1;

template <class T>
i128 part(const T& v, int k)
{
    if constexpr (kCx<T>) return k ? v.im : v.re;
    else return static_cast<i128>(v);
}
template <class T>
void setPart(T& v, int k, Comp<T> x)
{
    if constexpr (kCx<T>) (k ? v.im : v.re) = x;
    else v = x;
}

using Exact = std::array<i128, 2>;

// Beyond the element-by-element range: s >= zeroFrom writes 0, s <= satTo
// saturates by sign.
struct Cut {
    int satTo;
    int zeroFrom;
};

template <class O>
O modelScale(i128 r, int s, Cut cut)
{
    const i128 lo = std::numeric_limits<O>::min(), hi = std::numeric_limits<O>::max();
    auto sat = [&](i128 v) { return static_cast<O>(v < lo ? lo : (v > hi ? hi : v)); };
    auto bySign = [&] { return static_cast<O>(r > 0 ? hi : (r < 0 ? lo : 0)); };
    if (s >= cut.zeroFrom) return O(0);
    if (s <= cut.satTo) return bySign();
    if (s == 0) return sat(r);
    if (s > 0) {
        if (s >= 127) return O(0);
        const i128 p = i128(1) << s;
        i128 q = r / p;
        if (r % p != 0 && r < 0) q -= 1;  // floor
        const i128 rem = r - q * p;       // 0 <= rem < p
        if (2 * rem > p || (2 * rem == p && (q & 1))) q += 1;
        return sat(q);
    }
    const int k = -s;
    if (r == 0) return O(0);
    const i128 mag = r < 0 ? -r : r;
    if (k >= 64 || mag > (i128(1) << (126 - k))) return bySign();
    return sat(r * (i128(1) << k));
}

// Random values over the whole range with extremes, zero and +-1 mixed in.
template <class T>
std::vector<T> edgyVector(std::size_t n, std::uint32_t seed)
{
    auto v = orvs_test::randomVector<T>(n, seed);
    std::mt19937 rng(seed ^ 0x9e3779b9u);
    using C = Comp<T>;
    const C special[] = {std::numeric_limits<C>::min(), std::numeric_limits<C>::max(), C(0), C(1), C(C(0) - 1)};
    for (auto& x : v)
        for (int k = 0; k < kParts<T>; ++k)
            if (rng() % 6 == 0) setPart(x, k, special[rng() % 5]);
    return v;
}

// ---- exact results -------------------------------------------------------

struct Sum {
    template <class A, class B, class D> Exact operator()(A a, B b, D) const
    {
        return {part(a, 0) + part(b, 0), part(a, kParts<A> - 1) + part(b, kParts<B> - 1)};
    }
};
struct DiffBA {  // second operand minus the first (Sub, SubCRev)
    template <class A, class B, class D> Exact operator()(A a, B b, D) const
    {
        return {part(b, 0) - part(a, 0), part(b, kParts<B> - 1) - part(a, kParts<A> - 1)};
    }
};
struct DiffAB {  // SubC
    template <class A, class B, class D> Exact operator()(A a, B b, D) const { return DiffBA{}(b, a, D{}); }
};
struct Prod {
    template <class A, class B, class D> Exact operator()(A a, B b, D) const
    {
        if constexpr (kCx<A> && kCx<B>)
            return {part(a, 0) * part(b, 0) - part(a, 1) * part(b, 1), part(a, 0) * part(b, 1) + part(a, 1) * part(b, 0)};
        else if constexpr (kCx<B>) return {part(a, 0) * part(b, 0), part(a, 0) * part(b, 1)};
        else return {part(a, 0) * part(b, 0), 0};
    }
};
struct AccProd {  // the old destination plus the product
    template <class A, class B, class D> Exact operator()(A a, B b, D old) const
    {
        return {part(old, 0) + part(a, 0) * part(b, 0), 0};
    }
};

// ---- the members -----------------------------------------------------------
// Every member is called as f(a, b, d, n, s): constant members read their
// constant from b[0] (the tests fill b with one value), members without a
// scale factor ignore s, accumulating members read d first.

template <class A, class B, class D, class F, class FI, class E>
struct Member {
    using TA = A;
    using TB = B;
    using TD = D;
    const char* name;
    F f;
    FI inPlace;  // the same member writing its vector operand, or nullptr
    E exact;
    Cut cut;
    bool constant = false;
    bool scaled = true;
    bool accumulates = false;
};

template <class A, class B = A, class D = A, class F, class FI, class E>
auto member(const char* name, F f, FI fi, E e, Cut cut)
{
    return Member<A, B, D, F, FI, E>{name, f, fi, e, cut};
}

template <class T, class F, class FI, class E>
auto constMember(const char* name, F f, FI fi, E e, Cut cut)
{
    auto call = [f](const T* a, const T* b, T* d, int n, int s) { return f(a, b[0], d, n, s); };
    auto callI = [fi](const T* a, const T* b, T* d, int n, int s) {
        std::copy(a, a + n, d);
        return fi(b[0], d, n, s);
    };
    auto m = member<T, T, T>(name, call, callI, e, cut);
    m.constant = true;
    return m;
}

// In-place vector forms write their second operand.
template <class FI>
auto writesSecond(FI fi)
{
    return [fi](const auto* a, const auto* b, auto* d, int n, int s) {
        std::copy(b, b + n, d);
        return fi(a, d, n, s);
    };
}

constexpr Cut kNone{INT_MIN, INT_MAX};

template <class F>
auto unscaled(F f)
{
    return [f](const auto* a, const auto* b, auto* d, int n, int) { return f(a, b, d, n); };
}

// Visits every scaled integer member.
template <class V>
void forEachMember(V&& v)
{
#define ORVS_SEVEN(code, T, addCut, subCut, mulCut)                                                                       \
    v(member<T>("Add_" #code, orvsAdd_##code##_Sfs, writesSecond(orvsAdd_##code##_ISfs), Sum{}, Cut addCut));            \
    v(member<T>("Sub_" #code, orvsSub_##code##_Sfs, writesSecond(orvsSub_##code##_ISfs), DiffBA{}, Cut subCut));         \
    v(member<T>("Mul_" #code, orvsMul_##code##_Sfs, writesSecond(orvsMul_##code##_ISfs), Prod{}, Cut mulCut));           \
    v(constMember<T>("AddC_" #code, orvsAddC_##code##_Sfs, orvsAddC_##code##_ISfs, Sum{}, Cut addCut));                  \
    v(constMember<T>("SubC_" #code, orvsSubC_##code##_Sfs, orvsSubC_##code##_ISfs, DiffAB{}, Cut subCut));               \
    v(constMember<T>("SubCRev_" #code, orvsSubCRev_##code##_Sfs, orvsSubCRev_##code##_ISfs, DiffBA{}, Cut subCut));      \
    v(constMember<T>("MulC_" #code, orvsMulC_##code##_Sfs, orvsMulC_##code##_ISfs, Prod{}, Cut mulCut));
    ORVS_SEVEN(8u, Orv8u, ({-8, 10}), ({-8, 9}), ({-8, 17}))
    ORVS_SEVEN(16u, Orv16u, ({-16, 18}), ({-16, 17}), ({-16, 33}))
    ORVS_SEVEN(16s, Orv16s, ({-16, 17}), ({-16, 17}), ({-16, 31}))
    ORVS_SEVEN(16sc, Orv16sc, ({-16, 17}), ({-16, 17}), ({-16, 32}))
    ORVS_SEVEN(32s, Orv32s, ({-31, 33}), ({-31, 33}), ({-32, 63}))
    ORVS_SEVEN(32sc, Orv32sc, ({-31, 33}), ({-31, 33}), ({-32, 64}))
#undef ORVS_SEVEN
    v(member<Orv16u, Orv16s, Orv16s>("Mul_16u16s", orvsMul_16u16s_Sfs, nullptr, Prod{}, Cut{-15, 32}));
    v(member<Orv16s, Orv16s, Orv32s>("Mul_16s32s", orvsMul_16s32s_Sfs, nullptr, Prod{}, Cut{-31, 31}));
    v(member<Orv32s, Orv32sc, Orv32sc>("Mul_32s32sc", orvsMul_32s32sc_Sfs, writesSecond(orvsMul_32s32sc_ISfs), Prod{},
                                       Cut{-32, 63}));
    // The 64-bit sum zeroes from s = 64, even for -2^64 (which the plain
    // rule would round to -1); the 64-bit product follows the plain rule.
    v(member<Orv64s>("Add_64s", orvsAdd_64s_Sfs, nullptr, Sum{}, Cut{-63, 64}));
    auto mulC64 = [](const Orv64s* a, const Orv64s* b, Orv64s* d, int n, int s) {
        std::copy(a, a + n, d);
        return orvsMulC_64s_ISfs(b[0], d, n, s);
    };
    auto m64 = member<Orv64s>("MulC_64s_I", mulC64, nullptr, Prod{}, Cut{-67, 130});
    m64.constant = true;
    v(m64);
    auto acc = [](const char* name, auto f, Cut cut, auto tag) {
        auto m = member<decltype(tag), decltype(tag)>(name, f, nullptr, AccProd{}, cut);
        m.accumulates = true;
        return m;
    };
    v(acc("AddProduct_16s", orvsAddProduct_16s_Sfs, Cut{-15, 32}, Orv16s{}));
    v([&] {
        auto m = member<Orv16s, Orv16s, Orv32s>("AddProduct_16s32s", orvsAddProduct_16s32s_Sfs, nullptr, AccProd{},
                                                Cut{-31, 33});
        m.accumulates = true;
        return m;
    }());
    v(acc("AddProduct_32s", orvsAddProduct_32s_Sfs, Cut{-31, 63}, Orv32s{}));
    // Without a scale factor: the s = 0 case.
    auto plain = [](auto m) {
        m.scaled = false;
        return m;
    };
    v(plain(member<Orv16s>("Add_16s", unscaled(orvsAdd_16s), nullptr, Sum{}, kNone)));
    v(plain(member<Orv16s>("Sub_16s", unscaled(orvsSub_16s), nullptr, DiffBA{}, kNone)));
    v(plain(member<Orv16s>("Mul_16s", unscaled(orvsMul_16s), nullptr, Prod{}, kNone)));
    v(plain(member<Orv16u>("Add_16u", unscaled(orvsAdd_16u), nullptr, Sum{}, kNone)));
    v(plain(member<Orv32u>("Add_32u", unscaled(orvsAdd_32u), nullptr, Sum{}, kNone)));
    v(plain(member<Orv8u, Orv8u, Orv16u>("Add_8u16u", unscaled(orvsAdd_8u16u), nullptr, Sum{}, kNone)));
    v(plain(member<Orv8u, Orv8u, Orv16u>("Mul_8u16u", unscaled(orvsMul_8u16u), nullptr, Prod{}, kNone)));
    auto addInto = [](const Orv16s* a, const Orv32s* b, Orv32s* d, int n, int) {
        std::copy(b, b + n, d);
        return orvsAdd_16s32s_I(a, d, n);
    };
    v(plain(member<Orv16s, Orv32s, Orv32s>("Add_16s32s_I", addInto, nullptr, Sum{}, kNone)));
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

// The model's value of element i.
template <class M>
typename M::TD modelOf(const M& m, typename M::TA a, typename M::TB b, typename M::TD old, int s)
{
    using D = typename M::TD;
    const Exact r = m.exact(a, b, old);
    D want{};
    for (int k = 0; k < kParts<D>; ++k) setPart(want, k, modelScale<Comp<D>>(r[k], m.scaled ? s : 0, m.cut));
    return want;
}

template <class D>
::testing::AssertionResult sameElement(const D& got, const D& want)
{
    for (int k = 0; k < kParts<D>; ++k)
        if (part(got, k) != part(want, k))
            return ::testing::AssertionFailure() << "part " << k << ": got " << static_cast<long long>(part(got, k))
                                                 << ", want " << static_cast<long long>(part(want, k));
    return ::testing::AssertionSuccess();
}

} // namespace scaled_test
