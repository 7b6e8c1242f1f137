// Reference model for the scaled integer members, written independently of
// the library: exact results in 128 bits, scaling by floor division and an
// explicit remainder comparison, saturation by comparison.
#pragma once
#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <random>
#include <vector>

#include "test_util.h"

namespace arith_test {
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

// Beyond the tabled scale factors: s >= zeroFrom writes 0, s <= satTo
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

// Scale factors worth testing: everything from a little below the
// sign-saturation point to a little above the zeroing point, and extremes.
inline std::vector<int> scaleFactors(Cut cut)
{
    std::vector<int> s = {INT_MIN, INT_MIN + 1, -1000, 1000, INT_MAX};
    const int step = quick() ? 3 : 1;
    for (long long v = cut.satTo - 3LL; v <= cut.zeroFrom + 3LL; v += step) s.push_back(static_cast<int>(v));
    s.push_back(0);
    s.push_back(1);
    return s;
}

inline int lengthFor(std::size_t i)
{
    static const int lens[] = {1, 7, 17, 33, 64, 65, 127, 255, 1001};
    return lens[i % 9];
}

template <class D>
void expectElement(const D& got, const std::array<Comp<D>, 2>& want, const char* name, int s, int i)
{
    for (int k = 0; k < kParts<D>; ++k)
        ASSERT_EQ(static_cast<long long>(part(got, k)), static_cast<long long>(want[k]))
            << name << " s=" << s << " element " << i << " part " << k;
}

// Vector-vector member (Sfs form f, optional in-place form fi that writes the
// second operand). exact(a, b, old) gives the exact result of each part.
template <class A, class B, class D, class F, class FI, class E>
void checkVV(const char* name, F f, FI fi, E exact, Cut cut, bool scaled = true)
{
    const auto sList = scaled ? scaleFactors(cut) : std::vector<int>{0};
    for (std::size_t si = 0; si < sList.size(); ++si) {
        const int s = sList[si];
        const int n = lengthFor(si);
        const auto a = edgyVector<A>(n, 11 + si), b = edgyVector<B>(n, 23 + si);
        const auto old = edgyVector<D>(n, 37 + si);
        orvs_test::Unaligned<A> ua(n);
        orvs_test::Unaligned<B> ub(n);
        orvs_test::Unaligned<D> ud(n);
        ua.assign(a);
        ub.assign(b);
        ud.assign(old);
        ASSERT_EQ(f(ua.data(), ub.data(), ud.data(), n, s), orvStsOk) << name;
        for (int i = 0; i < n; ++i) {
            const Exact r = exact(a[i], b[i], old[i]);
            std::array<Comp<D>, 2> want{};
            for (int k = 0; k < kParts<D>; ++k) want[k] = modelScale<Comp<D>>(r[k], s, cut);
            expectElement(ud[i], want, name, s, i);
        }
        if constexpr (!std::is_same_v<FI, std::nullptr_t>) {
            if constexpr (std::is_same_v<B, D>) {
                const auto out = ud.vec();
                ud.assign(b);
                ASSERT_EQ(fi(ua.data(), ud.data(), n, s), orvStsOk) << name;
                ASSERT_EQ(0, std::memcmp(out.data(), ud.data(), n * sizeof(D))) << name << " in place, s=" << s;
            }
        }
    }
}

// Vector-constant member; the in-place form fi(val, srcDst, len, s).
template <class T, class F, class FI, class E>
void checkVC(const char* name, F f, FI fi, E exact, Cut cut, bool scaled = true)
{
    const auto sList = scaled ? scaleFactors(cut) : std::vector<int>{0};
    for (std::size_t si = 0; si < sList.size(); ++si) {
        const int s = sList[si];
        const int n = lengthFor(si);
        const auto a = edgyVector<T>(n, 41 + si);
        const auto vals = edgyVector<T>(4, 43 + si);
        for (const T& val : vals) {
            orvs_test::Unaligned<T> ua(n), ud(n);
            ua.assign(a);
            if constexpr (!std::is_same_v<F, std::nullptr_t>) {
                ASSERT_EQ(f(ua.data(), val, ud.data(), n, s), orvStsOk) << name;
            } else {
                ud.assign(a);
                ASSERT_EQ(fi(val, ud.data(), n, s), orvStsOk) << name;
            }
            for (int i = 0; i < n; ++i) {
                const Exact r = exact(a[i], val);
                std::array<Comp<T>, 2> want{};
                for (int k = 0; k < kParts<T>; ++k) want[k] = modelScale<Comp<T>>(r[k], s, cut);
                expectElement(ud[i], want, name, s, i);
            }
            if constexpr (!std::is_same_v<F, std::nullptr_t> && !std::is_same_v<FI, std::nullptr_t>) {
                const auto out = ud.vec();
                ua.assign(a);
                ASSERT_EQ(fi(val, ua.data(), n, s), orvStsOk) << name;
                ASSERT_EQ(0, std::memcmp(out.data(), ua.data(), n * sizeof(T))) << name << " in place, s=" << s;
            }
        }
    }
}

} // namespace arith_test
