// Kernels of the reductions family, compiled once per instruction-set target
// (namespace orvs::stats::ORVS_TARGET). Floating-point reductions are written
// over the vector layer with several independent accumulators, so the loop runs
// at the adder's throughput rather than its latency; integer reductions are
// plain loops over exact wide accumulators, which the compiler vectorises for
// each target (integer addition is associative, floating-point is not).
#if defined(__AVX512F__)
// GCC 12 reports the deliberately undefined pass-through operand of the
// unmasked 512-bit intrinsics as "maybe uninitialized"; nothing reads it.
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#pragma GCC diagnostic ignored "-Wuninitialized"
#endif
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <type_traits>

#include "core/simd/simd.h"
#include "stats/reduce/reduce_kernels.h"

namespace orvs::stats::ORVS_TARGET {

namespace {

using namespace simd::ORVS_TARGET;

// A vector of D's lanes read from S elements (float sources widen to double).
template <class D, class S>
inline typename D::V loadAs(const S* p)
{
    if constexpr (std::is_same_v<typename D::S, S>) return D::load(p);
    else return D::loadWidened(p);
}

// The last m < D::W elements, the rest of the lanes `fill`.
template <class D, class S>
inline typename D::V loadTail(const S* p, long m, S fill = S(0))
{
    if constexpr (std::is_same_v<typename D::S, S>) return FloatOps<D>::loadPart(p, static_cast<int>(m), fill);
    else return FloatOps<D>::widenPart(p, static_cast<int>(m), fill);
}

// Lane sums by parity (the even and odd elements of interleaved data, since
// every vector starts at an even element), added in the lanes' precision.
template <class D>
inline void laneSums(typename D::V v, typename D::S out[2])
{
    alignas(64) typename D::S t[D::W];
    D::store(t, v);
    for (int k = 0; k < D::W; ++k) out[k & 1] += t[k];
}

// Independent accumulators per loop: enough to cover the adder's latency on
// both of its ports.
constexpr int kAcc = 8;

// Sum of n elements of p, each element read as a D lane.
template <class D, class S>
inline typename D::V sumLanes(const S* p, long n)
{
    using V = typename D::V;
    constexpr long W = D::W;
    V a[kAcc];
    for (auto& x : a) x = D::zero();
    long i = 0;
    for (; i + kAcc * W <= n; i += kAcc * W)
        for (int k = 0; k < kAcc; ++k) a[k] = D::add(a[k], loadAs<D>(p + i + k * W));
    for (; i + W <= n; i += W) a[0] = D::add(a[0], loadAs<D>(p + i));
    if (i < n) a[1] = D::add(a[1], loadTail<D>(p + i, n - i));
    for (int k = 1; k < kAcc; ++k) a[0] = D::add(a[0], a[k]);
    return a[0];
}

void sumF32(const float* p, long n, bool fast, long block, double out[2])
{
    out[0] = out[1] = 0.0;
    if (!fast) {
        laneSums<WF64>(sumLanes<WF64>(p, n), out);
        return;
    }
    // Single-precision partial sums stay short: every `block` elements their
    // lanes are widened and added to the double total.
    for (long b = 0; b < n; b += block) {
        alignas(64) float t[WF32::W];
        WF32::store(t, sumLanes<WF32>(p + b, std::min(block, n - b)));
        for (int k = 0; k < WF32::W; ++k) out[k & 1] += static_cast<double>(t[k]);
    }
}

void sumSqF32(const float* p, long n, double* s, double* q)
{
    using D = WF64;
    using V = D::V;
    constexpr long W = D::W;
    V s0 = D::zero(), s1 = D::zero(), q0 = D::zero(), q1 = D::zero();
    long i = 0;
    for (; i + 2 * W <= n; i += 2 * W) {
        const V x0 = D::loadWidened(p + i), x1 = D::loadWidened(p + i + W);
        s0 = D::add(s0, x0);
        s1 = D::add(s1, x1);
        q0 = D::add(q0, D::mul(x0, x0));  // exact: a float squared fits a double
        q1 = D::add(q1, D::mul(x1, x1));
    }
    for (; i < n; i += W) {
        const V x = i + W <= n ? D::loadWidened(p + i) : loadTail<D>(p + i, n - i);
        s0 = D::add(s0, x);
        q0 = D::add(q0, D::mul(x, x));
    }
    double so[2] = {0, 0}, qo[2] = {0, 0};
    laneSums<D>(D::add(s0, s1), so);
    laneSums<D>(D::add(q0, q1), qo);
    *s = so[0] + so[1];
    *q = qo[0] + qo[1];
}

// Norms in double of a, or of a - b (each difference exact for float data).
template <class S, int Kind, bool Diff>
void normT(const S* a, const S* b, long n, double* out)
{
    using D = WF64;
    using V = D::V;
    constexpr long W = D::W;
    const V signBit = D::set1(-0.0);
    V acc[kAcc];
    for (auto& x : acc) x = D::zero();
    auto nan = D::none();
    auto step = [&](V& ac, V x) {
        if constexpr (Kind == kInf) {
            nan = D::mor(nan, D::neq(x, x));
            ac = D::max(ac, D::andnot(signBit, x));
        } else if constexpr (Kind == kL1) {
            ac = D::add(ac, D::andnot(signBit, x));
        } else {
            ac = D::add(ac, D::mul(x, x));
        }
    };
    auto value = [&](long i) {
        if constexpr (Diff) return D::sub(loadAs<D>(a + i), loadAs<D>(b + i));
        else return loadAs<D>(a + i);
    };
    long i = 0;
    for (; i + kAcc * W <= n; i += kAcc * W)
        for (int k = 0; k < kAcc; ++k) step(acc[k], value(i + k * W));
    for (; i + W <= n; i += W) step(acc[0], value(i));
    if (i < n) {
        V x = loadTail<D>(a + i, n - i);
        if constexpr (Diff) x = D::sub(x, loadTail<D>(b + i, n - i));
        step(acc[1], x);
    }
    alignas(64) double t[kAcc][W];
    for (int k = 0; k < kAcc; ++k) D::store(t[k], acc[k]);
    double r = 0.0;
    for (int k = 0; k < kAcc; ++k)
        for (long j = 0; j < W; ++j) r = Kind == kInf ? std::max(r, t[k][j]) : r + t[k][j];
    if (Kind == kInf && D::mask(nan)) r = std::numeric_limits<double>::quiet_NaN();
    *out = r;
}

template <class S>
void normAny(const S* a, const S* b, long n, int kind, double* out)
{
    switch (kind * 2 + (b != nullptr)) {
    case kInf * 2: return normT<S, kInf, false>(a, b, n, out);
    case kInf * 2 + 1: return normT<S, kInf, true>(a, b, n, out);
    case kL1 * 2: return normT<S, kL1, false>(a, b, n, out);
    case kL1 * 2 + 1: return normT<S, kL1, true>(a, b, n, out);
    case kL2 * 2: return normT<S, kL2, false>(a, b, n, out);
    default: return normT<S, kL2, true>(a, b, n, out);
    }
}
void normF32(const float* a, const float* b, long n, int kind, double* out) { normAny(a, b, n, kind, out); }
void normF64(const double* a, const double* b, long n, int kind, double* out) { normAny(a, b, n, kind, out); }

// Lane-wise products of m floats: acc += a*b and, for complex data, also
// swapped += a*swap(b) (the cross terms of the imaginary part).
template <class D, bool Cross>
void laneDot(const float* a, const float* b, long m, typename D::V& acc, typename D::V& swapped)
{
    using V = typename D::V;
    constexpr long W = D::W;
    V s[4] = {D::zero(), D::zero(), D::zero(), D::zero()};
    V x[4] = {D::zero(), D::zero(), D::zero(), D::zero()};
    auto step = [&](int k, V va, V vb) {
        s[k] = D::add(s[k], D::mul(va, vb));
        if constexpr (Cross) x[k] = D::add(x[k], D::mul(va, D::swapParts(vb)));
    };
    long i = 0;
    for (; i + 4 * W <= m; i += 4 * W)
        for (int k = 0; k < 4; ++k) step(k, loadAs<D>(a + i + k * W), loadAs<D>(b + i + k * W));
    for (; i + W <= m; i += W) step(0, loadAs<D>(a + i), loadAs<D>(b + i));
    if (i < m) step(1, loadTail<D>(a + i, m - i), loadTail<D>(b + i, m - i));
    acc = D::add(D::add(acc, D::add(s[0], s[1])), D::add(s[2], s[3]));
    swapped = D::add(D::add(swapped, D::add(x[0], x[1])), D::add(x[2], x[3]));
}

template <class D>
void dotT(const float* a, const float* b, long n, int mode, typename D::S out[2])
{
    using S = typename D::S;
    typename D::V acc = D::zero(), swapped = D::zero();
    S p[2] = {0, 0}, q[2] = {0, 0};
    if (mode == kRR) {
        laneDot<D, false>(a, b, n, acc, swapped);
        laneSums<D>(acc, p);
        out[0] = p[0] + p[1];
        out[1] = 0;
    } else if (mode == kCC) {
        laneDot<D, true>(a, b, 2 * n, acc, swapped);
        laneSums<D>(acc, p);
        laneSums<D>(swapped, q);
        out[0] = p[0] - p[1];
        out[1] = q[0] + q[1];
    } else {
        // Real by complex: each real element is paired with both parts.
        constexpr long kChunk = 256;
        alignas(64) float dup[2 * kChunk];
        for (long i = 0; i < n; i += kChunk) {
            const long m = std::min(kChunk, n - i);
            for (long j = 0; j < m; ++j) dup[2 * j] = dup[2 * j + 1] = a[i + j];
            laneDot<D, false>(dup, b + 2 * i, 2 * m, acc, swapped);
        }
        laneSums<D>(acc, p);
        out[0] = p[0];
        out[1] = p[1];
    }
}
void dotF32(const float* a, const float* b, long n, int mode, float out[2]) { dotT<WF32>(a, b, n, mode, out); }
void dotF32D(const float* a, const float* b, long n, int mode, double out[2]) { dotT<WF64>(a, b, n, mode, out); }

// Smallest and largest element; NaNs are reported, not ordered.
template <class D>
bool extremaT(const typename D::S* p, long n, typename D::S* mn, typename D::S* mx)
{
    using S = typename D::S;
    using V = typename D::V;
    constexpr long W = D::W;
    V lo0 = D::set1(p[0]), hi0 = lo0, lo1 = lo0, hi1 = lo0;
    auto nan = D::none();
    auto step = [&](V& lo, V& hi, V x) {
        lo = D::min(lo, x);
        hi = D::max(hi, x);
        nan = D::mor(nan, D::neq(x, x));
    };
    long i = 0;
    for (; i + 2 * W <= n; i += 2 * W) {
        step(lo0, hi0, D::load(p + i));
        step(lo1, hi1, D::load(p + i + W));
    }
    for (; i + W <= n; i += W) step(lo0, hi0, D::load(p + i));
    if (i < n) step(lo1, hi1, loadTail<D>(p + i, n - i, p[0]));
    alignas(64) S l[W], h[W];
    D::store(l, D::min(lo0, lo1));
    D::store(h, D::max(hi0, hi1));
    S a = l[0], b = h[0];
    for (long k = 1; k < W; ++k) {
        a = std::min(a, l[k]);
        b = std::max(b, h[k]);
    }
    *mn = a;
    *mx = b;
    return D::mask(nan) != 0 || a != a || b != b;
}
bool extremaF32(const float* p, long n, float* mn, float* mx) { return extremaT<WF32>(p, n, mn, mx); }
bool extremaF64(const double* p, long n, double* mn, double* mx) { return extremaT<WF64>(p, n, mn, mx); }

// First position holding v, or n.
long findF32(const float* p, long n, float v) { return firstEqual(p, n, v); }
long findF64(const double* p, long n, double v) { return firstEqual(p, n, v); }
long find16s(const Orv16s* p, long n, Orv16s v) { return firstEqual(p, n, v); }

// ---- integer reductions: exact accumulators, vectorised by the compiler ----

void extrema16s(const Orv16s* p, long n, Orv16s* mn, Orv16s* mx)
{
    Orv16s a = p[0], b = p[0];
    for (long i = 0; i < n; ++i) {
        a = std::min(a, p[i]);
        b = std::max(b, p[i]);
    }
    *mn = a;
    *mx = b;
}

void absExtrema16s(const Orv16s* p, long n, int* mn, int* mx)
{
    int a = 32768, b = 0;
    for (long i = 0; i < n; ++i) {
        const int m = p[i] < 0 ? -p[i] : p[i];
        a = std::min(a, m);
        b = std::max(b, m);
    }
    *mn = a;
    *mx = b;
}

void maxAbs32s(const Orv32s* p, long n, std::uint32_t* mx)
{
    std::uint32_t b = 0;
    for (long i = 0; i < n; ++i) {
        const std::uint32_t u = static_cast<std::uint32_t>(p[i]);
        b = std::max(b, p[i] < 0 ? 0u - u : u);
    }
    *mx = b;
}

// Magnitudes of finite floats order like their bit patterns.
template <class U, class F>
bool maxAbsBits(const F* p, long n, U* bits)
{
    constexpr U absMask = ~U(0) >> 1;
    constexpr U infBits = sizeof(F) == 4 ? U(0x7f800000u) : U(0x7ff0000000000000ull);
    U b = 0, nonFinite = 0;
    for (long i = 0; i < n; ++i) {
        U u;
        std::memcpy(&u, p + i, sizeof(u));
        u &= absMask;
        const bool finite = u < infBits;
        b = std::max(b, finite ? u : U(0));
        nonFinite |= finite ? U(0) : U(1);
    }
    *bits = b;
    return nonFinite != 0;
}
bool maxAbsBitsF32(const float* p, long n, std::uint32_t* bits) { return maxAbsBits(p, n, bits); }
bool maxAbsBitsF64(const double* p, long n, std::uint64_t* bits) { return maxAbsBits(p, n, bits); }

// 32-bit partial sums over blocks of 65536 elements cannot overflow
// (65536 * 32768 = 2^31 only for the even/odd halves of a block).
constexpr long kBlock16 = 65536;

void sum16s(const Orv16s* p, long n, std::int64_t out[2])
{
    out[0] = out[1] = 0;
    for (long b = 0; b < n; b += kBlock16) {
        const long e = std::min(n, b + kBlock16);
        std::int32_t s0 = 0, s1 = 0;
        long i = b;
        for (; i + 1 < e; i += 2) {
            s0 += p[i];
            s1 += p[i + 1];
        }
        if (i < e) s0 += p[i];
        out[0] += s0;
        out[1] += s1;
    }
}

void sum32s(const Orv32s* p, long n, std::int64_t* out)
{
    std::int64_t s = 0;
    for (long i = 0; i < n; ++i) s += p[i];
    *out = s;
}

void sumSq16s(const Orv16s* p, long n, std::int64_t* s, std::uint64_t* q)
{
    std::int64_t a = 0;
    std::uint64_t b = 0;
    for (long i = 0; i < n; ++i) {
        a += p[i];
        b += static_cast<std::uint64_t>(static_cast<std::int32_t>(p[i]) * p[i]);
    }
    *s = a;
    *q = b;
}

void dot16s(const Orv16s* a, const Orv16s* b, long n, std::int64_t* out)
{
    std::int64_t s = 0;
    for (long i = 0; i < n; ++i) s += static_cast<std::int32_t>(a[i]) * b[i];
    *out = s;
}

// Products reach 2^46; 65536 of them still fit 64 bits.
void dot16s32s(const Orv16s* a, const Orv32s* b, long n, i128* out)
{
    i128 total = 0;
    for (long blk = 0; blk < n; blk += kBlock16) {
        const long e = std::min(n, blk + kBlock16);
        std::int64_t s = 0;
        for (long i = blk; i < e; ++i) s += static_cast<std::int64_t>(a[i]) * b[i];
        total += s;
    }
    *out = total;
}

// Magnitudes (of differences: up to 65535) as unsigned; the L1 sum runs in
// 32 bits per block of 65536 elements, which 65535 * 65536 cannot overflow.
template <int Kind, bool Diff>
void norm16sT(const Orv16s* a, const Orv16s* b, long n, std::uint64_t* out)
{
    auto mag = [&](long i) -> std::uint32_t {
        const std::int32_t d = Diff ? std::int32_t(a[i]) - b[i] : std::int32_t(a[i]);
        return static_cast<std::uint32_t>(d < 0 ? -d : d);
    };
    std::uint64_t r = 0;
    if constexpr (Kind == kInf) {
        std::uint32_t m = 0;
        for (long i = 0; i < n; ++i) m = std::max(m, mag(i));
        r = m;
    } else if constexpr (Kind == kL1) {
        for (long blk = 0; blk < n; blk += kBlock16) {
            const long e = std::min(n, blk + kBlock16);
            std::uint32_t s = 0;
            for (long i = blk; i < e; ++i) s += mag(i);
            r += s;
        }
    } else {
        for (long i = 0; i < n; ++i) {
            const std::uint64_t m = mag(i);
            r += m * m;
        }
    }
    *out = r;
}

void norm16s(const Orv16s* a, const Orv16s* b, long n, int kind, std::uint64_t* out)
{
    switch (kind * 2 + (b != nullptr)) {
    case kInf * 2: return norm16sT<kInf, false>(a, b, n, out);
    case kInf * 2 + 1: return norm16sT<kInf, true>(a, b, n, out);
    case kL1 * 2: return norm16sT<kL1, false>(a, b, n, out);
    case kL1 * 2 + 1: return norm16sT<kL1, true>(a, b, n, out);
    case kL2 * 2: return norm16sT<kL2, false>(a, b, n, out);
    default: return norm16sT<kL2, true>(a, b, n, out);
    }
}

void countInRange32s(const Orv32s* p, long n, int lo, int hi, long* count)
{
    long c = 0;
    for (long i = 0; i < n; ++i) c += (p[i] > lo) & (p[i] < hi);
    *count = c;
}

void every16s(const Orv16s* s, Orv16s* d, long n, bool takeMax)
{
    if (takeMax)
        for (long i = 0; i < n; ++i) d[i] = std::max(s[i], d[i]);
    else
        for (long i = 0; i < n; ++i) d[i] = std::min(s[i], d[i]);
}

// ---- normalisation -----------------------------------------------------------

template <class D>
void normalizeT(const typename D::S* s, typename D::S* d, long n, typename D::S sub0, typename D::S sub1,
                typename D::S div)
{
    using S = typename D::S;
    constexpr long W = D::W;
    alignas(64) S pattern[W];
    for (long k = 0; k < W; ++k) pattern[k] = k & 1 ? sub1 : sub0;
    const typename D::V vs = D::load(pattern), vd = D::set1(div);
    long i = 0;
    for (; i + W <= n; i += W) D::store(d + i, D::div(D::sub(D::load(s + i), vs), vd));
    if (i < n) D::storeN(d + i, D::div(D::sub(D::loadN(s + i, static_cast<int>(n - i)), vs), vd), static_cast<int>(n - i));
}
void normalizeF32(const float* s, float* d, long n, float sub0, float sub1, float div) { normalizeT<WF32>(s, d, n, sub0, sub1, div); }
void normalizeF64(const double* s, double* d, long n, double sub0, double sub1, double div) { normalizeT<WF64>(s, d, n, sub0, sub1, div); }

// The caller holds rounding to nearest for the call.
void normalize16s(const Orv16s* s, Orv16s* d, long n, int sub0, int sub1, int div, double factor)
{
    const double dv = div;
    for (long i = 0; i + 1 < n; i += 2) {
        const double a = std::nearbyint(static_cast<double>(s[i] - sub0) / dv * factor);
        const double b = std::nearbyint(static_cast<double>(s[i + 1] - sub1) / dv * factor);
        d[i] = static_cast<Orv16s>(std::clamp(a, -32768.0, 32767.0));
        d[i + 1] = static_cast<Orv16s>(std::clamp(b, -32768.0, 32767.0));
    }
    if (n & 1) {
        const double a = std::nearbyint(static_cast<double>(s[n - 1] - sub0) / dv * factor);
        d[n - 1] = static_cast<Orv16s>(std::clamp(a, -32768.0, 32767.0));
    }
}

} // namespace

#define ORVS_STATS_ROW(name, ret, params) name,
const KernelTable table = {ORVS_STATS_KERNELS(ORVS_STATS_ROW)};
#undef ORVS_STATS_ROW

} // namespace orvs::stats::ORVS_TARGET
