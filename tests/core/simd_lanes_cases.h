// Lane-by-lane checks of the shared vector operations against scalar models,
// compiled once per instruction-set target (ORVS_TARGET) like the kernels;
// simd_lanes_test.cpp runs the compilations the processor can execute.
// Each case returns "" or a description of the first wrong lane. Operations
// whose families already check every input exhaustively in every variant
// (byte shuffles and reversals, the G.711 lanes, integer element loads and
// stores, rounding and half-precision conversion) are left to those tests.
#pragma once
#if defined(__AVX512F__)
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#pragma GCC diagnostic ignored "-Wuninitialized"
#endif
#include <algorithm>
#include <bit>
#include <iterator>
#include <utility>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "core/simd/simd.h"
#include "simd_lanes_api.h"

namespace orvs::simdtest::ORVS_TARGET {
namespace {

using namespace orvs::simd::ORVS_TARGET;

template <class T> std::uint64_t bitsOf(T v)
{
    std::uint64_t u = 0;
    std::memcpy(&u, &v, sizeof(T));
    return u;
}

struct Fail {
    std::ostringstream s;
    bool any = false;
    template <class... X> void operator()(const X&... x)
    {
        if (any) return;
        any = true;
        (s << ... << x);
    }
    std::string str() const { return s.str(); }
};

// ---- integer lanes ---------------------------------------------------------------

std::string shiftCounts()
{
    Fail f;
    constexpr int kN = sizeof(IntVec::V) / 4;
    alignas(64) std::uint32_t a[kN], out[kN];
    for (int k = 0; k < kN; ++k) a[k] = 0x80000001u * static_cast<std::uint32_t>(k + 1) ^ 0x5A5A5A5Au;
    for (int n = 0; n <= 40; ++n) {
        IntVec::store(out, IntVec::sll(IntVec::load(a), shiftCount(n)));
        for (int k = 0; k < kN; ++k)
            if (out[k] != (n < 32 ? a[k] << n : 0u)) f("sll by ", n, " lane ", k);
        IntVec::store(out, IntVec::sra(IntVec::load(a), shiftCount(n)));
        for (int k = 0; k < kN; ++k) {
            const auto s = static_cast<std::int32_t>(a[k]);
            if (static_cast<std::int32_t>(out[k]) != (s >> (n < 32 ? n : 31))) f("sra by ", n, " lane ", k);
        }
    }
    return f.str();
}

template <class T>
std::string signedLanesOf()
{
    using L = SignedLanes<T>;
    Fail f;
    constexpr T lo = std::numeric_limits<T>::min(), hi = std::numeric_limits<T>::max();
    const std::vector<T> edge = {lo, T(lo + 1), T(-2), T(-1), T(0), T(1), T(2), T(hi - 1), hi};
    static_assert(L::kLanes * sizeof(T) == sizeof(typename L::V));
    alignas(64) T a[L::kLanes], b[L::kLanes], g[L::kLanes], mn[L::kLanes], mx[L::kLanes], s[L::kLanes];
    // Every pair of edge values, spread over the lanes.
    for (std::size_t start = 0; start < edge.size() * edge.size(); start += L::kLanes) {
        for (int k = 0; k < L::kLanes; ++k) {
            const std::size_t p = (start + static_cast<std::size_t>(k)) % (edge.size() * edge.size());
            a[k] = edge[p / edge.size()];
            b[k] = edge[p % edge.size()];
        }
        const auto va = IntVec::load(a), vb = IntVec::load(b);
        IntVec::store(g, L::gt(va, vb));
        IntVec::store(mn, L::lo(va, vb));
        IntVec::store(mx, L::hi(va, vb));
        for (int k = 0; k < L::kLanes; ++k) {
            if (g[k] != (a[k] > b[k] ? T(-1) : T(0))) f("gt lane ", k, " of ", a[k], ", ", b[k]);
            if (mn[k] != std::min(a[k], b[k]) || mx[k] != std::max(a[k], b[k])) f("min/max lane ", k);
        }
    }
    for (T v : edge) {
        IntVec::store(s, L::set(v));
        for (int k = 0; k < L::kLanes; ++k)
            if (s[k] != v) f("set ", v, " lane ", k);
    }
    return f.str();
}
std::string signedLanes() { return signedLanesOf<Orv16s>() + signedLanesOf<Orv32s>(); }

// ---- floating-point lanes --------------------------------------------------------

// Estimates: single precision within the hardware's 12 bits, double the
// correctly rounded value.
template <class A>
std::string estimatesOf()
{
    using S = typename A::S;
    Fail f;
    std::mt19937_64 rng(3);
    alignas(64) S y[A::W], r[A::W], q[A::W];
    for (int round = 0; round < 2000; ++round) {
        for (int k = 0; k < A::W; ++k)
            y[k] = std::ldexp(static_cast<S>(1.0 + static_cast<double>(rng() % 1000000) / 1e6), int(rng() % 120) - 60);
        A::store(r, rcpEstimate(A::load(y)));
        A::store(q, rsqrtEstimate(A::load(y)));
        for (int k = 0; k < A::W; ++k) {
            if constexpr (sizeof(S) == 8) {
                if (bitsOf(r[k]) != bitsOf(1.0 / y[k])) f("rcp lane ", k, " of ", y[k]);
                if (bitsOf(q[k]) != bitsOf(1.0 / std::sqrt(y[k]))) f("rsqrt lane ", k, " of ", y[k]);
            } else {
                const double er = std::fabs(r[k] * static_cast<double>(y[k]) - 1.0);
                const double es = std::fabs(static_cast<double>(q[k]) * q[k] * y[k] - 1.0);
                if (er > 1.5 * 0x1p-12) f("rcp lane ", k, " of ", y[k], " error ", er);
                if (es > 3.0 * 0x1p-12) f("rsqrt lane ", k, " of ", y[k], " error ", es);
            }
        }
    }
    return f.str();
}

template <class A>
std::string floatBitsOf()
{
    using S = typename A::S;
    using B = Bits<A>;
    constexpr bool kF = sizeof(S) == 4;
    constexpr int kMinExp = kF ? -126 : -1022, kMaxExp = kF ? 127 : 1023;
    Fail f;
    alignas(64) S k[A::W], out[A::W];
    for (int e0 = kMinExp; e0 <= kMaxExp; e0 += A::W) {
        for (int j = 0; j < A::W; ++j) k[j] = static_cast<S>(std::min(e0 + j, kMaxExp));
        A::store(out, B::pow2(A::load(k)));
        for (int j = 0; j < A::W; ++j)
            if (out[j] != std::ldexp(S(1), static_cast<int>(k[j]))) f("pow2 lane ", j, " of ", k[j]);
        // Positive normals of that exponent, with assorted fractions.
        for (int j = 0; j < A::W; ++j) k[j] = std::ldexp(static_cast<S>(1.0 + j / (2.0 * A::W)), std::min(e0 + j, kMaxExp));
        A::store(out, B::exponent(A::load(k)));
        for (int j = 0; j < A::W; ++j)
            if (out[j] != static_cast<S>(std::ilogb(k[j]))) f("exponent lane ", j, " of ", k[j]);
    }
    for (std::uint64_t u : {0x0ull, 0x1ull, 0x7F800000ull, 0x80000000ull, 0x7FF8000000000001ull, 0xFFFFFFFFFFFFFFFFull}) {
        A::store(out, B::of(static_cast<std::conditional_t<kF, std::uint32_t, std::uint64_t>>(u)));
        const std::uint64_t want = kF ? (u & 0xFFFFFFFFull) : u;
        for (int j = 0; j < A::W; ++j)
            if (bitsOf(out[j]) != want) f("of lane ", j, " of ", u);
    }
    if constexpr (requires(typename A::V v) { B::scale(v, v); }) {
        for (int e = -1100; e <= 1100; e += 37) {
            for (int j = 0; j < A::W; ++j) k[j] = static_cast<S>(e + j);
            A::store(out, B::scale(A::set1(1.5), A::load(k)));
            for (int j = 0; j < A::W; ++j)
                if (bitsOf(out[j]) != bitsOf(std::ldexp(S(1.5), e + j))) f("scale lane ", j, " by ", e + j);
        }
    }
    return f.str();
}

template <class S> std::vector<S> specials()
{
    using N = std::numeric_limits<S>;
    return {S(0), -S(0), S(1), S(-1), S(0.5), S(-0.5), S(2.5), S(-2.5), S(1e-3), N::denorm_min(), -N::denorm_min(),
            N::min(), N::max(), -N::max(), N::infinity(), -N::infinity(), N::quiet_NaN(), S(3), S(-3), S(7.75)};
}

template <class A>
std::string floatOpsOf()
{
    using S = typename A::S;
    using O = FloatOps<A>;
    constexpr int W = A::W;
    Fail f;
    const std::vector<S> sp = specials<S>();
    alignas(64) S a[W], b[W], c[W], out[W];
    auto maskOf = [](typename A::M m) { return static_cast<unsigned>(A::mask(m)); };
    for (std::size_t start = 0; start < sp.size() * sp.size(); start += W) {
        for (int k = 0; k < W; ++k) {
            const std::size_t p = (start + static_cast<std::size_t>(k)) % (sp.size() * sp.size());
            a[k] = sp[p / sp.size()];
            b[k] = sp[p % sp.size()];
            c[k] = sp[(p * 7 + 3) % sp.size()];
        }
        const auto va = A::load(a), vb = A::load(b), vc = A::load(c);
        const S lo = S(-2.5), hi = S(3);
        unsigned ord = 0, outs = 0, nb = 0, ne = 0;
        for (int k = 0; k < W; ++k) {
            ord |= unsigned(!std::isnan(a[k])) << k;
            outs |= unsigned(!(a[k] >= lo && a[k] <= hi)) << k;
            nb |= unsigned(!(a[k] < b[k])) << k;
            ne |= unsigned(a[k] != b[k] && !std::isnan(a[k]) && !std::isnan(b[k])) << k;
        }
        if (maskOf(O::ordered(va)) != ord) f("ordered at ", start);
        if (maskOf(O::outside(va, A::set1(lo), A::set1(hi))) != outs) f("outside at ", start);
        if (maskOf(O::notBelow(va, vb)) != nb) f("notBelow at ", start);
        if (maskOf(O::neqOrdered(va, vb)) != ne) f("neqOrdered at ", start);
        A::store(out, O::keepWhere(A::lt(va, vb), vc));
        for (int k = 0; k < W; ++k) {
            const S want = a[k] < b[k] ? c[k] : S(0);
            if (bitsOf(out[k]) != bitsOf(want)) f("keepWhere lane ", k);
        }
        A::store(out, O::truncate(va));
        for (int k = 0; k < W; ++k) {
            const S want = std::trunc(a[k]);
            if (bitsOf(out[k]) != bitsOf(want) && !(std::isnan(want) && std::isnan(out[k]))) f("truncate lane ", k, " of ", a[k]);
        }
        if constexpr (requires { O::fnma(va, vb, vc); }) {
            A::store(out, O::fnma(va, vb, vc));
            for (int k = 0; k < W; ++k) {
                const S want = std::fma(-a[k], b[k], c[k]);
                if (bitsOf(out[k]) != bitsOf(want) && !(std::isnan(want) && std::isnan(out[k]))) f("fnma lane ", k);
            }
        }
    }
    // Parts: n elements at an odd offset, guards around them untouched.
    for (int n = 0; n < W; ++n) {
        std::vector<S> src(W + 2), dst(W + 2, S(-9));
        for (int k = 0; k < W + 2; ++k) src[k] = S(k + 1) * S(0.5);
        A::store(out, O::loadPart(src.data() + 1, n, S(42)));
        for (int k = 0; k < W; ++k)
            if (out[k] != (k < n ? src[1 + k] : S(42))) f("loadPart n ", n, " lane ", k);
        O::storePart(dst.data() + 1, n, A::load(src.data() + 1));
        for (int k = 0; k < W + 2; ++k)
            if (dst[k] != (k >= 1 && k <= n ? src[k] : S(-9))) f("storePart n ", n, " element ", k);
        if constexpr (sizeof(S) == 8) {
            std::vector<float> fs(W + 2), fd(W + 2, -9.0f);
            for (int k = 0; k < W + 2; ++k) fs[k] = static_cast<float>(k) * 0.25f - 1.0f;
            A::store(out, O::widenPart(fs.data() + 1, n, 5.0f));
            for (int k = 0; k < W; ++k)
                if (out[k] != (k < n ? double(fs[1 + k]) : 5.0)) f("widenPart n ", n, " lane ", k);
            for (int k = 0; k < W; ++k) a[k] = 1.0 + k * 0x1p-30;  // rounds to float
            O::narrowPart(fd.data() + 1, n, A::load(a));
            for (int k = 0; k < W + 2; ++k)
                if (fd[k] != (k >= 1 && k <= n ? static_cast<float>(a[k - 1]) : -9.0f)) f("narrowPart n ", n, " element ", k);
        }
    }
    if constexpr (sizeof(S) == 8) {
        for (int k = 0; k < W; ++k) a[k] = k, b[k] = -k;
        A::store(out, O::evenOdd(A::load(a), A::load(b)));
        for (int k = 0; k < W; ++k)
            if (out[k] != (k & 1 ? b[k] : a[k])) f("evenOdd lane ", k);
    }
    return f.str();
}

// Scalar complex product, each product and sum rounded as written.
template <class S> void cmulModel(S ar, S ai, S br, S bi, S& re, S& im)
{
    const S p1 = ar * br, p2 = ai * bi, p3 = ai * br, p4 = ar * bi;
    re = p1 - p2;
    im = p3 + p4;
}

template <class A>
std::string complexLanesOf()
{
    using S = typename A::S;
    Fail f;
    std::mt19937_64 rng(9);
    std::uniform_real_distribution<S> u(-4, 4);
    alignas(64) S a[A::W], b[A::W], out[A::W], ref[A::W];
    for (int round = 0; round < 500; ++round) {
        const S re = u(rng), im = u(rng);
        A::store(out, pairs<A>(re, im));
        for (int k = 0; k < A::W; ++k)
            if (bitsOf(out[k]) != bitsOf(k & 1 ? im : re)) f("pairs lane ", k);
        for (int k = 0; k < A::W; ++k) {
            a[k] = u(rng);
            b[k] = round % 7 == 0 && k % 3 == 0 ? S(0) : u(rng);  // some exact cancellations and zeros
        }
        if (round % 5 == 0) a[1] = b[0] * a[0] / b[1];  // re part near cancellation
        A::store(out, cmulNegated<A>(A::load(a), A::load(b)));
        A::store(ref, cmul<A, false>(A::load(a), A::load(b)));
        for (int k = 0; k < A::W; k += 2) {
            S wr, wi;
            cmulModel(a[k], a[k + 1], b[k], b[k + 1], wr, wi);
            if (bitsOf(out[k]) != bitsOf(wr) || bitsOf(out[k + 1]) != bitsOf(wi)) f("cmulNegated pair ", k / 2);
            if (bitsOf(out[k]) != bitsOf(ref[k]) || bitsOf(out[k + 1]) != bitsOf(ref[k + 1])) f("cmulNegated vs cmul pair ", k / 2);
        }
    }
    return f.str();
}

// ---- integer pairs into floating-point lanes ----------------------------------------

std::vector<Orv16s> values16(std::mt19937& rng, int n)
{
    static const Orv16s edge[] = {-32768, -32767, -1, 0, 1, 32766, 32767};
    std::vector<Orv16s> v(static_cast<std::size_t>(n));
    for (int k = 0; k < n; ++k)
        v[k] = rng() % 3 == 0 ? edge[rng() % 7] : static_cast<Orv16s>(static_cast<int>(rng() % 65536) - 32768);
    return v;
}

// A: the single-precision tag for the 16-bit widening, D: the double one of
// the same width for the sums of squares.
template <class A, class D>
std::string intPairsOf()
{
    constexpr int W = A::W, WD = D::W;
    Fail f;
    std::mt19937 rng(21);
    alignas(64) float re[W], im[W];
    alignas(64) double dr[WD], di[WD];
    for (int round = 0; round < 400; ++round) {
        // Sources one element past an aligned start.
        const std::vector<Orv16s> a = values16(rng, 2 * W + 1), b = values16(rng, W + 1);
        typename A::V vr, vi;
        widenParts16<true>(A{}, a.data() + 1, nullptr, vr, vi);
        A::store(re, vr);
        A::store(im, vi);
        for (int k = 0; k < W; ++k)
            if (re[k] != a[1 + 2 * k] || im[k] != a[2 + 2 * k]) f("widenParts16 interleaved lane ", k);
        widenParts16<false>(A{}, a.data() + 1, b.data() + 1, vr, vi);
        A::store(re, vr);
        A::store(im, vi);
        for (int k = 0; k < W; ++k)
            if (re[k] != a[1 + k] || im[k] != b[1 + k]) f("widenParts16 split lane ", k);
        std::vector<Orv16s> p = a;
        if (round % 4 == 0) p[1] = p[2] = -32768;  // the one sum past 2^31
        D::store(dr, sumSquares16<true>(D{}, p.data() + 1, nullptr));
        for (int k = 0; k < WD; ++k) {
            const double want = double(p[1 + 2 * k]) * p[1 + 2 * k] + double(p[2 + 2 * k]) * p[2 + 2 * k];
            if (dr[k] != want) f("sumSquares16 interleaved lane ", k, " got ", dr[k], " want ", want);
        }
        std::vector<Orv16s> q = b;
        if (round % 4 == 1) p[1] = q[1] = -32768;
        D::store(dr, sumSquares16<false>(D{}, p.data() + 1, q.data() + 1));
        for (int k = 0; k < WD; ++k) {
            const double want = double(p[1 + k]) * p[1 + k] + double(q[1 + k]) * q[1 + k];
            if (dr[k] != want) f("sumSquares16 split lane ", k, " got ", dr[k], " want ", want);
        }
        // 32-bit pairs, extremes included.
        std::vector<Orv32sc> c(WD + 1);
        for (auto& x : c) {
            const auto pick = [&] {
                const std::uint32_t u = rng();
                return rng() % 4 == 0 ? (u & 1 ? INT32_MIN : INT32_MAX) : static_cast<Orv32s>(u);
            };
            x.re = pick();
            x.im = pick();
        }
        typename D::V wr, wi;
        widenParts32(D{}, c.data() + 1, wr, wi);
        D::store(dr, wr);
        D::store(di, wi);
        for (int k = 0; k < WD; ++k)
            if (dr[k] != c[1 + k].re || di[k] != c[1 + k].im) f("widenParts32 lane ", k);
        // Integral values inside the range, stored as 16 and 32 bits.
        for (int k = 0; k < WD; ++k) dr[k] = static_cast<double>(static_cast<int>(rng() % 65536) - 32768);
        Orv16s s16[WD + 2];
        Orv32s s32[WD + 2];
        std::fill(s16, s16 + WD + 2, Orv16s(7));
        std::fill(s32, s32 + WD + 2, 7);
        storeIntegral(D{}, s16 + 1, D::load(dr));
        for (int k = 0; k < WD; ++k)
            if (s16[1 + k] != dr[k]) f("storeIntegral 16 lane ", k);
        if (s16[0] != 7 || s16[WD + 1] != 7) f("storeIntegral 16 wrote outside");
        for (int k = 0; k < WD; ++k) dr[k] = k % 3 == 0 ? (k & 1 ? -2147483648.0 : 2147483647.0) : double(Orv32s(rng()));
        storeIntegral(D{}, s32 + 1, D::load(dr));
        for (int k = 0; k < WD; ++k)
            if (s32[1 + k] != dr[k]) f("storeIntegral 32 lane ", k);
        if (s32[0] != 7 || s32[WD + 1] != 7) f("storeIntegral 32 wrote outside");
    }
    return f.str();
}

// ---- value to every lane, first match --------------------------------------------

template <class A>
std::string repeatedOf()
{
    using S = typename A::S;
    Fail f;
    // Exactly the copies, at an odd offset: nothing past them may be needed.
    std::vector<S> buf(1 + 8);
    for (int v = -3; v <= 3; ++v) {
        for (int c = 0; c < 8; ++c) buf[1 + c] = static_cast<S>(v) * S(0.75);
        alignas(64) S out[A::W];
        A::store(out, repeated<A, 8>(buf.data() + 1));
        for (int k = 0; k < A::W; ++k)
            if (out[k] != static_cast<S>(v) * S(0.75)) f("repeated lane ", k, " of ", v);
    }
    return f.str();
}

template <class T>
std::string firstEqualOf(T hitValue, T other)
{
    Fail f;
    for (long n : {0L, 1L, 7L, 63L, 64L, 65L, 127L, 128L, 129L, 200L, 1000L}) {
        std::vector<T> v(static_cast<std::size_t>(n) + 1, other);
        auto model = [&](T x) {
            long i = 0;
            while (i < n && !(v[static_cast<std::size_t>(i) + 1] == x)) ++i;
            return i;
        };
        std::vector<long> places = {0, 1, 62, 63, 64, 65, 127, 128, n - 1, n / 2};
        for (long p : places) {
            if (p < 0 || p >= n) continue;
            std::fill(v.begin(), v.end(), other);
            v[static_cast<std::size_t>(p) + 1] = hitValue;
            if (p + 3 < n) v[static_cast<std::size_t>(p) + 4] = hitValue;  // a later match does not count
            const long got = firstEqual(v.data() + 1, n, hitValue);
            if (got != model(hitValue) || got != p) f("n ", n, " match at ", p, " found ", got);
        }
        std::fill(v.begin(), v.end(), other);
        if (firstEqual(v.data() + 1, n, hitValue) != n) f("n ", n, " no match");
    }
    return f.str();
}

std::string firstEqualAll()
{
    std::string r = firstEqualOf<float>(2.5f, 1.0f) + firstEqualOf<double>(-7.0, 7.0) + firstEqualOf<Orv16s>(-32768, 32767);
    // == compares: -0 finds +0, NaN finds nothing.
    const float z[3] = {1.0f, 0.0f, -0.0f};
    if (firstEqual(z, 3L, -0.0f) != 1) r += "-0 does not find +0; ";
    const double nan[2] = {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::quiet_NaN()};
    if (firstEqual(nan, 2L, nan[0]) != 2) r += "NaN found; ";
    return r;
}

template <class... Fn> std::string everyFloat(Fn... fn)
{
    return (std::string() + ... + fn());
}

} // namespace

const std::vector<Case>& cases()
{
    static const std::vector<Case> all = {
        {"ShiftCount", &shiftCounts},
        {"SignedLanes", &signedLanes},
        {"Estimates", [] { return everyFloat(&estimatesOf<F32>, &estimatesOf<F64>
#if defined(__AVX512F__)
                                                , &estimatesOf<F32x16>, &estimatesOf<F64x8>
#endif
                                                ); }},
        {"FloatBits", [] { return everyFloat(&floatBitsOf<F32>, &floatBitsOf<F64>
#if defined(__AVX512F__)
                                                , &floatBitsOf<F32x16>, &floatBitsOf<F64x8>
#endif
                                                ); }},
        {"FloatOps", [] { return everyFloat(&floatOpsOf<F32>, &floatOpsOf<F64>
#if defined(__AVX512F__)
                                                , &floatOpsOf<F32x16>, &floatOpsOf<F64x8>
#endif
                                                ); }},
        {"ComplexLanes", [] { return everyFloat(&complexLanesOf<F32>, &complexLanesOf<F64>
#if defined(__AVX512F__)
                                                , &complexLanesOf<F32x16>, &complexLanesOf<F64x8>
#endif
                                                ); }},
        {"Repeated", [] { return everyFloat(&repeatedOf<F32>, &repeatedOf<F64>, &repeatedOf<WF32>, &repeatedOf<WF64>); }},
        {"FirstEqual", &firstEqualAll},
        {"IntPairs", [] { return everyFloat(&intPairsOf<F32, F64>
#if defined(__AVX512F__)
                                            , &intPairsOf<F32x16, F64x8>
#endif
                                            ); }},
    };
    return all;
}

} // namespace orvs::simdtest::ORVS_TARGET
