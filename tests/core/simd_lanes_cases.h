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

// Reversal controls: every element of every 16-byte lane byte-reversed.
template <int kBytes>
std::string reversalOf()
{
    Fail f;
    constexpr int kLen = sizeof(IntVec::V);
    alignas(64) std::uint8_t a[kLen + 1], out[kLen];
    for (int k = 0; k < kLen + 1; ++k) a[k] = static_cast<std::uint8_t>(37 * k + 11);
    IntVec::store(out, ByteShuffle::apply(IntVec::load(a + 1), ByteShuffle::lanes(reversalControl<kBytes>())));
    for (int j = 0; j < kLen; ++j) {
        const int e = j / kBytes, k = j % kBytes;
        if (out[j] != a[1 + e * kBytes + (kBytes - 1 - k)]) f("reversal of ", kBytes, " byte ", j);
    }
    return f.str();
}

std::string reversalControls()
{
    std::string r = reversalOf<2>() + reversalOf<4>() + reversalOf<8>();
    // Three-byte elements: five reversed, the 16th byte in place.
    std::uint8_t a[17], out[16];
    for (int k = 0; k < 17; ++k) a[k] = static_cast<std::uint8_t>(200 - 7 * k);
    Bytes16::store(out, Bytes16::apply(Bytes16::load(a + 1), reversalControl<3>()));
    for (int j = 0; j < 16; ++j) {
        const int want = j == 15 ? a[16] : a[1 + 3 * (j / 3) + 2 - j % 3];
        if (out[j] != want) r += "reversal of 3 byte " + std::to_string(j) + "; ";
    }
    return r;
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

// ---- single precision rounded to 16 bits --------------------------------------------

// The conversion by the default rounding: NaN and out of range give INT32_MIN.
int roundModel(float x)
{
    if (!(x >= -2147483648.0f && x < 2147483648.0f)) return INT32_MIN;
    return static_cast<int>(std::nearbyint(x));
}
Orv16s narrowModel(int q) { return static_cast<Orv16s>(std::clamp(q, -32768, 32767)); }

template <class A>
std::string rounded16sOf()
{
    using O = FloatOps<A>;
    constexpr int W = A::W;
    Fail f;
    std::mt19937 rng(17);
    const std::vector<float> sp = specials<float>();
    alignas(64) float x[W], y[W];
    for (int round = 0; round < 600; ++round) {
        for (int k = 0; k < W; ++k) {
            const int pick = static_cast<int>(rng() % 4);
            x[k] = pick == 0 ? sp[rng() % sp.size()]
                 : pick == 1 ? static_cast<float>(static_cast<int>(rng() % 80001) - 40000) + 0.5f  // ties
                 : pick == 2 ? static_cast<float>(static_cast<int>(rng() % 8) - 4) + 32767.5f
                             : std::ldexp(static_cast<float>(static_cast<int>(rng() % 2000001) - 1000000), -int(rng() % 24));
        }
        const auto v = A::load(x);
        A::store(y, O::clampNaNHigh(v, A::set1(-32768.0f), A::set1(32767.0f)));
        for (int k = 0; k < W; ++k) {
            const float want = std::isnan(x[k]) || x[k] > 32767.0f ? 32767.0f : std::max(x[k], -32768.0f);
            if (bitsOf(y[k]) != bitsOf(want) && !(y[k] == 0 && want == 0)) f("clampNaNHigh lane ", k, " of ", x[k]);
        }
        Orv16s d[W + 2];
        std::fill(d, d + W + 2, Orv16s(99));
        O::storeRounded16s(d + 1, v);
        for (int k = 0; k < W; ++k)
            if (d[1 + k] != narrowModel(roundModel(x[k]))) f("storeRounded16s lane ", k, " of ", x[k]);
        if (d[0] != 99 || d[W + 1] != 99) f("storeRounded16s wrote outside");
        for (int k = 0; k < W; ++k)
            if (roundToInt32(x[k]) != roundModel(x[k])) f("roundToInt32 of ", x[k]);
        if constexpr (requires(Orv16s* p) { O::storeRounded16sPart(p, 1, v); }) {
            const int n = round % W;
            std::fill(d, d + W + 2, Orv16s(99));
            O::storeRounded16sPart(d + 1, n, v);
            for (int k = 0; k < W + 2; ++k) {
                const Orv16s want = k >= 1 && k <= n ? narrowModel(roundModel(x[k - 1])) : Orv16s(99);
                if (d[k] != want) f("storeRounded16sPart n ", n, " element ", k);
            }
            alignas(64) Orv16s s[W];
            O::streamRounded16s(s, v);
            streamFence();
            for (int k = 0; k < W; ++k)
                if (s[k] != narrowModel(roundModel(x[k]))) f("streamRounded16s lane ", k);
        }
    }
    return f.str();
}

// ---- integer elements as 32-bit lanes -----------------------------------------------

// Element k of E from little-endian bytes, sign-extended or not.
template <class E> std::int64_t elemModel(const std::uint8_t* p, int k)
{
    std::uint64_t u = 0;
    for (int b = 0; b < E::kBytes; ++b) u |= std::uint64_t(p[k * E::kBytes + b]) << (8 * b);
    if (E::kSigned && (u >> (E::kBits - 1)) & 1) u |= ~std::uint64_t(0) << E::kBits;
    return static_cast<std::int64_t>(u);
}
// A 32-bit lane stored as E: saturated, except 4-byte elements keep the bits.
template <class E> std::uint64_t storedModel(std::int32_t v)
{
    if constexpr (E::kBytes == 4) return static_cast<std::uint32_t>(v);
    const std::int64_t c = std::clamp<std::int64_t>(v, E::kMin64, E::kMax64);
    return static_cast<std::uint64_t>(c) & ((std::uint64_t(1) << E::kBits) - 1);
}
std::int32_t lane32(std::mt19937& rng)
{
    static const std::int32_t edge[] = {INT32_MIN, -8388609, -8388608, -65536, -32769, -32768, -129, -128, -1, 0, 1,
                                        127, 128, 255, 256, 32767, 32768, 65535, 65536, 8388607, 8388608, 16777215,
                                        16777216, INT32_MAX};
    return rng() % 2 ? edge[rng() % std::size(edge)] : static_cast<std::int32_t>(rng());
}

// Loads of n elements from exactly n * kBytes bytes (a buffer of that size,
// so a read past it is a sanitizer report), stores that write exactly those.
template <class E, class L = ConvertLanes>
std::string intElemOf()
{
    constexpr int N = static_cast<int>(L::n);
    Fail f;
    std::mt19937 rng(31 + E::kBytes);
    for (int round = 0; round < 300; ++round) {
        std::vector<std::uint8_t> src(static_cast<std::size_t>(N * E::kBytes));
        for (auto& b : src) b = static_cast<std::uint8_t>(rng() % 5 == 0 ? (rng() % 2 ? 0x80 : 0x7F) : rng());
        alignas(64) std::int32_t out[16];
        const Halves32 h = load8x32<E>(src.data() + src.size() - 8 * E::kBytes);
        std::memcpy(out, &h.lo, 16);
        std::memcpy(out + 4, &h.hi, 16);
        const std::uint8_t* last8 = src.data() + src.size() - 8 * E::kBytes;
        for (int k = 0; k < 8; ++k)
            if (out[k] != static_cast<std::int32_t>(elemModel<E>(last8, k))) f("load8x32 lane ", k);
        const __m256i v8 = load8x32v<E>(last8);
        std::memcpy(out, &v8, 32);
        for (int k = 0; k < 8; ++k)
            if (out[k] != static_cast<std::int32_t>(elemModel<E>(last8, k))) f("load8x32v lane ", k);
        const typename L::I vi = L::template loadI<E>(src.data());
        std::memcpy(out, &vi, sizeof(vi));
        for (int k = 0; k < N; ++k)
            if (out[k] != static_cast<std::int32_t>(elemModel<E>(src.data(), k))) f("loadI lane ", k);
        // Stores: saturated values, guards on both sides.
        alignas(64) std::int32_t lanes[16];
        for (auto& x : lanes) x = lane32(rng);
        std::vector<std::uint8_t> dst(static_cast<std::size_t>(N * E::kBytes + 2), 0xA5);
        auto check = [&](const char* what, int n) {
            for (int k = 0; k < n; ++k) {
                std::uint64_t got = 0;
                for (int b = 0; b < E::kBytes; ++b) got |= std::uint64_t(dst[1 + k * E::kBytes + b]) << (8 * b);
                if (got != storedModel<E>(lanes[k])) f(what, " lane ", k, " of ", lanes[k], " got ", got);
            }
            for (std::size_t b = 1 + static_cast<std::size_t>(n * E::kBytes); b < dst.size(); ++b)
                if (dst[b] != 0xA5) f(what, " wrote past the elements");
            if (dst[0] != 0xA5) f(what, " wrote before the elements");
            std::fill(dst.begin(), dst.end(), 0xA5);
        };
        Halves32 hv;
        std::memcpy(&hv.lo, lanes, 16);
        std::memcpy(&hv.hi, lanes + 4, 16);
        store8x32<E>(dst.data() + 1, hv);
        check("store8x32", 8);
        __m256i w;
        std::memcpy(&w, lanes, 32);
        store8x32v<E>(dst.data() + 1, w);
        check("store8x32v", 8);
        const Halves32 back = splitHalves(joinHalves(hv));
        if (std::memcmp(&back.lo, &hv.lo, 16) || std::memcmp(&back.hi, &hv.hi, 16)) f("joinHalves / splitHalves");
        typename L::I li;
        std::memcpy(&li, lanes, sizeof(li));
        L::template storeI<E>(dst.data() + 1, li);
        check("storeI", N);
        if constexpr (E::kBytes == 2 && requires(typename L::I a) { L::template storeI16x2<E>(nullptr, a, a); }) {
            std::vector<std::uint8_t> two(2 * 2 * N + 2, 0xA5);
            typename L::I lb;
            alignas(64) std::int32_t more[16];
            for (auto& x : more) x = lane32(rng);
            std::memcpy(&lb, more, sizeof(lb));
            L::template storeI16x2<E>(two.data() + 1, li, lb);
            for (int k = 0; k < 2 * N; ++k) {
                std::uint16_t got;
                std::memcpy(&got, two.data() + 1 + 2 * k, 2);
                if (got != storedModel<E>(k < N ? lanes[k] : more[k - N])) f("storeI16x2 lane ", k);
            }
            if (two.front() != 0xA5 || two.back() != 0xA5) f("storeI16x2 wrote outside");
        }
    }
    return f.str();
}

// Rounding to 32-bit integers by mode, values inside the range (the callers
// clamp NaN and the top away, except maxWhere's lanes at 2^31).
double roundModelBy(Rnd m, double x)
{
    if (m == Rnd::Zero) return std::trunc(x);
    if (m == Rnd::Away) return std::round(x);
    return std::nearbyint(x);
}

template <Rnd M>
std::string roundingOf()
{
    using L = ConvertLanes;
    constexpr int N = static_cast<int>(L::n);
    Fail f;
    std::mt19937 rng(41 + static_cast<int>(M));
    alignas(64) float x[16];
    alignas(64) double d[16];
    alignas(64) std::int32_t out[16];
    for (int round = 0; round < 500; ++round) {
        for (int k = 0; k < 16; ++k) {
            const int pick = static_cast<int>(rng() % 4);
            d[k] = pick == 0 ? static_cast<double>(static_cast<int>(rng() % 2001) - 1000) + 0.5  // ties
                 : pick == 1 ? std::ldexp(static_cast<double>(static_cast<std::int32_t>(rng())), -int(rng() % 31))
                 : pick == 2 ? std::vector<double>{-2147483648.0, -2147483647.5, 2147483647.0, 2147483646.5}[rng() % 4]
                             : -0.0 + static_cast<double>(static_cast<int>(rng() % 5) - 2) * 0.25;
            x[k] = static_cast<float>(d[k]);
            if (x[k] >= 2147483648.0f) x[k] = 2147483520.0f;  // the largest float below 2^31
        }
        const L::I r = L::round<M>(L::loadF(x));
        std::memcpy(out, &r, sizeof(r));
        for (int k = 0; k < N; ++k)
            if (out[k] != static_cast<std::int32_t>(roundModelBy(M, x[k]))) f("round lane ", k, " of ", x[k]);
        const __m256i r8 = round8<M>(_mm256_loadu_ps(x));
        std::memcpy(out, &r8, 32);
        for (int k = 0; k < 8; ++k)
            if (out[k] != static_cast<std::int32_t>(roundModelBy(M, x[k]))) f("round8 lane ", k, " of ", x[k]);
        const __m128i r4 = round4<M>(_mm256_loadu_pd(d));
        std::memcpy(out, &r4, 16);
        for (int k = 0; k < 4; ++k)
            if (out[k] != static_cast<std::int32_t>(roundModelBy(M, d[k]))) f("round4 lane ", k, " of ", d[k]);
        const L::I rd = L::roundD<M>(L::loadD(d));
        std::memcpy(out, &rd, sizeof(rd));
        for (int k = 0; k < N; ++k)
            if (out[k] != static_cast<std::int32_t>(roundModelBy(M, d[k]))) f("roundD lane ", k, " of ", d[k]);
    }
    return f.str();
}

// binary16 decoded by hand.
float halfModel(std::uint16_t h)
{
    const int e = (h >> 10) & 31, m = h & 1023;
    const float sign = h & 0x8000 ? -1.0f : 1.0f;
    if (e == 31) return m ? std::numeric_limits<float>::quiet_NaN() : sign * std::numeric_limits<float>::infinity();
    return sign * (e ? std::ldexp(float(1024 + m), e - 25) : std::ldexp(float(m), -24));
}

template <class L = ConvertLanes>
std::string convertLanes()
{
    constexpr int N = static_cast<int>(L::n);
    Fail f;
    std::mt19937 rng(51);
    alignas(64) std::int32_t in[16], out[16];
    alignas(64) float x[16], y[16];
    alignas(64) double d[16];
    for (int round = 0; round < 300; ++round) {
        for (auto& v : in) v = lane32(rng);
        typename L::I v;
        std::memcpy(&v, in, sizeof(v));
        L::storeF(y, L::toF(v));
        for (int k = 0; k < N; ++k)
            if (y[k] != static_cast<float>(in[k])) f("toF lane ", k);
        L::storeD(d, L::widenI(v));
        for (int k = 0; k < N; ++k)
            if (d[k] != in[k]) f("widenI lane ", k);
        // maxWhere: lanes at or above hi take the 32-bit maximum.
        for (int k = 0; k < N; ++k) x[k] = rng() % 3 == 0 ? 2147483648.0f : static_cast<float>(in[k]);
        typename L::I m = L::maxWhere(v, L::loadF(x), L::splat(2147483648.0f));
        std::memcpy(out, &m, sizeof(m));
        for (int k = 0; k < N; ++k)
            if (out[k] != (x[k] >= 2147483648.0f ? INT32_MAX : in[k])) f("maxWhere lane ", k);
        // The 32-bit lane arithmetic against its scalar forms.
        const int c = static_cast<int>(rng() % 34);
        auto lanes = [&](auto t) {
            using T = decltype(t);
            constexpr int K = sizeof(T) / 4;
            T a, b;
            std::memcpy(&a, in, sizeof(T));
            std::memcpy(&b, in + 16 - K, sizeof(T));
            const T lo = splat32<T>(-1000), hi = splat32<T>(1000);
            const T r[] = {sra32(a, shiftCount(c)), sll32(a, shiftCount(c)), and32(a, b), add32(a, b), sub32(a, b), gt32(a, b),
                           clamp32(a, lo, hi)};
            for (int op = 0; op < 7; ++op) {
                std::int32_t g[16];
                std::memcpy(g, &r[op], sizeof(T));
                for (int k = 0; k < K; ++k) {
                    const std::int32_t p = in[k], q = in[16 - K + k];
                    const auto up = static_cast<std::uint32_t>(p), uq = static_cast<std::uint32_t>(q);
                    const std::int32_t want[] = {p >> std::min(c, 31), static_cast<std::int32_t>(c < 32 ? up << c : 0u),
                                                 p & q, static_cast<std::int32_t>(up + uq), static_cast<std::int32_t>(up - uq),
                                                 p > q ? -1 : 0, std::clamp(p, -1000, 1000)};
                    if (g[k] != want[op]) f("32-bit op ", op, " width ", K, " lane ", k, " count ", c);
                }
            }
        };
        lanes(__m128i{});
#if defined(__AVX512F__)
        lanes(__m512i{});
#endif
    }
    // Half precision (targets with the conversions): every pattern widens
    // exactly; narrowing rounds to nearest even or toward zero.
    if constexpr (requires(const Orv16f* p) { L::loadH(p); }) {
        std::vector<Orv16f> h(65536 + N), back(N);
        for (int k = 0; k < 65536; ++k) h[k] = static_cast<Orv16f>(k);
        for (int start = 0; start < 65536; start += N) {
            L::storeF(y, L::loadH(h.data() + start));
            for (int k = 0; k < N; ++k) {
                const float want = halfModel(static_cast<std::uint16_t>(start + k));
                if (bitsOf(y[k]) != bitsOf(want) && !(std::isnan(want) && std::isnan(y[k]))) f("loadH of ", start + k);
            }
            if ((start / N) % 4 == 0) {
                L::template storeH<true>(back.data(), L::loadH(h.data() + start));
                for (int k = 0; k < N; ++k)
                    if (back[k] != h[start + k] && !std::isnan(halfModel(h[start + k]))) f("storeH round trip of ", start + k);
            }
        }
        for (int round = 0; round < 2000; ++round) {
            for (int k = 0; k < N; ++k) x[k] = std::ldexp(static_cast<float>(static_cast<int>(rng() % 2000001) - 1000000), -int(rng() % 40));
            L::template storeH<true>(back.data(), L::loadF(x));
            for (int k = 0; k < N; ++k)
                if (back[k] != std::bit_cast<std::uint16_t>(static_cast<_Float16>(x[k]))) f("storeH nearest of ", x[k]);
            L::template storeH<false>(back.data(), L::loadF(x));
            for (int k = 0; k < N; ++k) {
                std::uint16_t want = std::bit_cast<std::uint16_t>(static_cast<_Float16>(x[k]));
                if (std::fabs(halfModel(want)) > std::fabs(x[k])) --want;  // one step toward zero
                if (back[k] != want) f("storeH toward zero of ", x[k]);
            }
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
        {"ReversalControl", &reversalControls},
        {"IntPairs", [] { return everyFloat(&intPairsOf<F32, F64>
#if defined(__AVX512F__)
                                            , &intPairsOf<F32x16, F64x8>
#endif
                                            ); }},
        {"IntElements", [] {
             return everyFloat(&intElemOf<IntElem<1, true>>, &intElemOf<IntElem<1, false>>, &intElemOf<IntElem<2, true>>,
                               &intElemOf<IntElem<2, false>>, &intElemOf<IntElem<3, true>>, &intElemOf<IntElem<3, false>>,
                               &intElemOf<IntElem<4, true>>, &intElemOf<IntElem<4, false>>);
         }},
        {"Rounding", [] { return everyFloat(&roundingOf<Rnd::Near>, &roundingOf<Rnd::Zero>, &roundingOf<Rnd::Away>); }},
        {"ConvertLanes", &convertLanes<>},
        {"Rounded16s", [] { return everyFloat(&rounded16sOf<F32>
#if defined(__AVX512F__)
                                              , &rounded16sOf<F32x16>
#endif
                                              ); }},
    };
    return all;
}

} // namespace orvs::simdtest::ORVS_TARGET
