// Lane-by-lane checks of the shared vector operations against scalar models,
// compiled once per instruction-set target (ORVS_TARGET) like the kernels;
// simd_lanes_test.cpp runs the compilations the processor can execute.
// Each case returns "" or a description of the first wrong lane.
#pragma once
#if defined(__AVX512F__)
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#pragma GCC diagnostic ignored "-Wuninitialized"
#endif
#include <algorithm>
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

// ---- bytes ---------------------------------------------------------------------

std::string byteShuffle()
{
    Fail f;
    std::mt19937 rng(11);
    constexpr int kBytes = sizeof(IntVec::V);
    for (int round = 0; round < 200; ++round) {
        alignas(64) std::uint8_t a[kBytes + 16], ctl[16], out[kBytes];
        for (auto& b : a) b = static_cast<std::uint8_t>(rng());
        // Mostly in-lane indices, some with the top bit set (those give 0).
        for (auto& c : ctl) c = static_cast<std::uint8_t>(rng() % 5 == 0 ? 0x80 | rng() : rng() & 15);
        __m128i c16;
        std::memcpy(&c16, ctl, 16);
        IntVec::store(out, ByteShuffle::apply(IntVec::load(a), ByteShuffle::lanes(c16)));
        for (int j = 0; j < kBytes; ++j) {
            const int lane = j / 16, k = j % 16;
            const std::uint8_t want = ctl[k] & 0x80 ? 0 : a[16 * lane + (ctl[k] & 15)];
            if (out[j] != want) f("byte ", j, " got ", int(out[j]), " want ", int(want));
        }
        std::uint8_t o16[16];
        Bytes16::store(o16, Bytes16::apply(Bytes16::load(a + 1), c16));  // unaligned source
        for (int k = 0; k < 16; ++k) {
            const std::uint8_t want = ctl[k] & 0x80 ? 0 : a[1 + (ctl[k] & 15)];
            if (o16[k] != want) f("Bytes16 byte ", k, " got ", int(o16[k]), " want ", int(want));
        }
    }
    return f.str();
}

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

// ---- 32-bit lanes beside float lanes -------------------------------------------

std::string lanes32()
{
    using L = Lanes32;
    constexpr int W = L::W;
    static_assert(sizeof(L::I) == 4 * W && sizeof(L::F) == 4 * W);
    Fail f;
    std::mt19937 rng(5);
    alignas(64) std::int32_t v[4 * W], r[W];
    alignas(64) float x[W], y[W];
    for (int round = 0; round < 300; ++round) {
        // Stores take values inside the element range: 8-bit ones in the
        // first registers, 16-bit ones in the others.
        for (int k = 0; k < 4 * W; ++k) v[k] = static_cast<std::int32_t>(rng() % 256);
        const bool wide = round % 2 == 1;
        if (wide)
            for (int k = 0; k < 4 * W; ++k) v[k] = static_cast<std::int32_t>(rng() % 65536) - 32768;
        L::I in[4];
        for (int q = 0; q < 4; ++q) std::memcpy(&in[q], v + q * W, sizeof(L::I));
        std::uint8_t b8[4 * W + 1];
        Orv16s b16[2 * W + 1];
        if (!wide) {
            L::store8(b8 + 1, in[0]);
            for (int k = 0; k < W; ++k)
                if (b8[1 + k] != v[k]) f("store8 lane ", k, " of ", v[k]);
            L::store8x4(b8 + 1, in[0], in[1], in[2], in[3]);
            for (int k = 0; k < 4 * W; ++k)
                if (b8[1 + k] != v[k]) f("store8x4 element ", k);
        }
        L::store16(b16 + 1, in[1]);
        for (int k = 0; k < W; ++k)
            if (b16[1 + k] != v[W + k]) f("store16 lane ", k);
        L::store16x2(b16 + 1, in[2], in[3]);
        for (int k = 0; k < 2 * W; ++k)
            if (b16[1 + k] != v[2 * W + k]) f("store16x2 element ", k);
        // Loads widen (unaligned sources).
        std::memcpy(&in[0], v, sizeof(L::I));
        std::memcpy(r, &in[0], sizeof(r));
        for (int k = 0; k < W; ++k) b8[1 + k] = static_cast<std::uint8_t>(v[k]), b16[1 + k] = static_cast<Orv16s>(v[k]);
        std::memcpy(r, &(in[0] = L::load8(b8 + 1)), sizeof(r));
        for (int k = 0; k < W; ++k)
            if (r[k] != (v[k] & 0xFF)) f("load8 lane ", k);
        std::memcpy(r, &(in[0] = L::load16(b16 + 1)), sizeof(r));
        for (int k = 0; k < W; ++k)
            if (r[k] != static_cast<Orv16s>(v[k])) f("load16 lane ", k);
        // Selections and shifts against the scalar forms.
        const L::I a = L::load16(b16 + 1), z = L::set(static_cast<int>(rng() % 200) - 100);
        std::int32_t av[W], zv[W], sel[W], eq[W], sh[W];
        std::memcpy(av, &a, sizeof(av));
        std::memcpy(zv, &z, sizeof(zv));
        const L::I s1 = L::ifLess(a, z, L::set(7), L::set(9)), s2 = L::ifEqual(a, L::max(L::min(a, z), a), L::set(3)),
                   s3 = L::bxor(L::srai(a, 3), L::slli(L::srli(a, 28), 2));
        std::memcpy(sel, &s1, sizeof(sel));
        std::memcpy(eq, &s2, sizeof(eq));
        std::memcpy(sh, &s3, sizeof(sh));
        for (int k = 0; k < W; ++k) {
            if (sel[k] != (av[k] < zv[k] ? 7 : 9)) f("ifLess lane ", k);
            if (eq[k] != 3) f("ifEqual lane ", k);
            if (sh[k] != ((av[k] >> 3) ^ static_cast<std::int32_t>((static_cast<std::uint32_t>(av[k]) >> 28) << 2))) f("shifts lane ", k);
        }
        // Float view: conversions, bit casts, clamp (NaN to 0), truncation.
        for (int k = 0; k < W; ++k) {
            const int pick = static_cast<int>(rng() % 6);
            x[k] = pick == 0 ? std::numeric_limits<float>::quiet_NaN()
                 : pick == 1 ? -0.0f
                 : pick == 2 ? static_cast<float>(static_cast<std::int32_t>(rng() % 1000) - 500) + 0.5f
                             : std::ldexp(static_cast<float>(static_cast<std::int32_t>(rng() % 2000001) - 1000000), -int(rng() % 12));
        }
        const L::F fx = L::loadF(x);
        L::storeF(y, L::clampF(fx, L::setF(-100.0f), L::setF(100.0f)));
        for (int k = 0; k < W; ++k) {
            const float want = std::isnan(x[k]) ? 0.0f : std::fmin(std::fmax(x[k], -100.0f), 100.0f);
            if (bitsOf(y[k]) != bitsOf(want) && !(y[k] == 0 && want == 0)) f("clampF lane ", k, " of ", x[k]);
        }
        L::storeF(y, L::truncTowardZero(L::clampF(fx, L::setF(-1e6f), L::setF(1e6f))));
        for (int k = 0; k < W; ++k) {
            const float c = std::isnan(x[k]) ? 0.0f : std::fmin(std::fmax(x[k], -1e6f), 1e6f);
            if (y[k] != std::trunc(c)) f("truncTowardZero lane ", k, " of ", x[k]);
        }
        const L::I bits = L::bits(fx);
        std::memcpy(r, &bits, sizeof(r));
        for (int k = 0; k < W; ++k)
            if (static_cast<std::uint32_t>(r[k]) != bitsOf(x[k])) f("bits lane ", k);
        L::storeF(y, L::fromBits(L::add(bits, L::set(0))));
        for (int k = 0; k < W; ++k)
            if (bitsOf(y[k]) != bitsOf(x[k])) f("fromBits lane ", k);
        L::storeF(y, L::andF(L::geF(fx, L::setF(0.5f)), L::orF(L::setF(1.0f), L::andF(fx, L::setF(-0.0f)))));
        for (int k = 0; k < W; ++k) {
            const float want = x[k] >= 0.5f ? 1.0f : 0.0f;  // NaN compares false
            if (bitsOf(y[k]) != bitsOf(want)) f("geF lane ", k, " of ", x[k]);
        }
        const L::F clamped = L::clampF(fx, L::setF(-1e6f), L::setF(1e6f));
        std::memcpy(r, &(in[0] = L::truncF(L::addF(L::subF(L::mulF(clamped, L::setF(2.0f)), clamped), L::toF(L::set(1))))), sizeof(r));
        for (int k = 0; k < W; ++k) {
            const float c = std::isnan(x[k]) ? 0.0f : std::fmin(std::fmax(x[k], -1e6f), 1e6f);
            if (r[k] != static_cast<std::int32_t>((c * 2.0f - c) + 1.0f)) f("float arithmetic lane ", k);
        }
    }
    return f.str();
}

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
        {"ByteShuffle", &byteShuffle},
        {"ShiftCount", &shiftCounts},
        {"SignedLanes", &signedLanes},
        {"Lanes32", &lanes32},
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
    };
    return all;
}

} // namespace orvs::simdtest::ORVS_TARGET
