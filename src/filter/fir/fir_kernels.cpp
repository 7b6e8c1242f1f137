// Kernels of the FIR family, compiled once per instruction-set target
// (namespace orvs::fir::ORVS_TARGET) over the vector layer. Each target runs
// them at its widest width.
//
// The block kernel holds a run of outputs in several accumulators and walks
// the taps once for the run: one broadcast tap, then one load and one
// multiply-add per accumulator. Eight accumulators cover the multiply-add
// latency on both pipes; shorter remainders use two, then one, then a
// masked vector, each output keeping the same chain of operations.
#if defined(__AVX512F__)
// GCC 12 reports the deliberately undefined pass-through operand of the
// unmasked 512-bit intrinsics as "maybe uninitialized"; nothing reads it.
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#pragma GCC diagnostic ignored "-Wuninitialized"
#endif
#include <immintrin.h>

#include "core/simd/simd.h"
#include "filter/fir/fir_kernels.h"

namespace orvs::fir::ORVS_TARGET {

namespace {

using namespace simd::ORVS_TARGET;

// One step of the real block: the taps k, k + W, ..., k + (G-1)W at once.
// Data vector v (v = 0 .. NV+G-2, in[k + vW ..]) serves output vector v - g
// for tap k + gW, so a load feeds up to G multiply-adds; a masked step is
// one vector of `valid` outputs. The broadcast area repeats each tap 8 times.
template <class A, int NV, int G, bool Masked>
inline void realStep(const typename A::S* taps8, int L, int k, const typename A::S* in, typename A::V* acc, int valid)
{
    using V = typename A::V;
    V t[G];
    for (int g = 0; g < G; ++g) t[g] = repeated<A, 8>(taps8 + 8 * (L - 1 - k - g * A::W));
    for (int v = 0; v < NV + G - 1; ++v) {
        const V d = Masked ? A::loadN(in + k + v * A::W, valid) : A::load(in + k + v * A::W);
        for (int g = 0; g < G; ++g)
            if (v - g >= 0 && v - g < NV) acc[v - g] = A::fma(t[g], d, acc[v - g]);
    }
}

// NV vectors of outputs (one masked vector when Masked). The grouping of
// the taps depends on L only, so every output sums in the same order.
template <class A, int NV, bool Masked = false>
inline void realRun(const typename A::S* taps8, int L, const typename A::S* in, typename A::S* out, int valid)
{
    constexpr int W = A::W;
    typename A::V acc[NV];
    for (int v = 0; v < NV; ++v) acc[v] = A::zero();
    int k0 = 0;
    for (; k0 + 4 * W <= L; k0 += 4 * W)
        for (int k = k0; k < k0 + W; ++k) realStep<A, NV, 4, Masked>(taps8, L, k, in, acc, valid);
    for (; k0 + 2 * W <= L; k0 += 2 * W)
        for (int k = k0; k < k0 + W; ++k) realStep<A, NV, 2, Masked>(taps8, L, k, in, acc, valid);
    for (; k0 < L; ++k0) realStep<A, NV, 1, Masked>(taps8, L, k0, in, acc, valid);
    if constexpr (Masked) A::storeN(out, acc[0], valid);
    else
        for (int v = 0; v < NV; ++v) A::store(out + v * W, acc[v]);
}

template <class A>
void blockReal(const typename A::S* taps8, int L, const typename A::S* in, typename A::S* out, int n)
{
    constexpr int W = A::W;
    int i = 0;
    for (; i + 8 * W <= n; i += 8 * W) realRun<A, 8>(taps8, L, in + i, out + i, W);
    for (; i + 4 * W <= n; i += 4 * W) realRun<A, 4>(taps8, L, in + i, out + i, W);
    for (; i + 2 * W <= n; i += 2 * W) realRun<A, 2>(taps8, L, in + i, out + i, W);
    for (; i + W <= n; i += W) realRun<A, 1>(taps8, L, in + i, out + i, W);
    if (i < n) realRun<A, 1, true>(taps8, L, in + i, out + i, n - i);
}

// Complex taps over interleaved (re, im) reals: a vector holds W / 2
// outputs. With the data d and the tap t, a sums d * t.re and b sums
// swap(d) * t.im; addsub(a, b) is then the complex sum. Taps are grouped
// W / 2 apart as in the real step.
template <class A, int NV, int G, bool Masked>
inline void complexStep(const typename A::S* taps8, int L, int k, const typename A::S* in, typename A::V* a,
                        typename A::V* b, int validReals)
{
    using V = typename A::V;
    constexpr int Wc = A::W / 2;
    V tr[G], ti[G];
    for (int g = 0; g < G; ++g) {
        const V t = A::load(taps8 + 16 * (L - 1 - k - g * Wc));  // 8 complex copies per tap
        tr[g] = A::dupRe(t);
        ti[g] = A::dupIm(t);
    }
    for (int v = 0; v < NV + G - 1; ++v) {
        const V d = Masked ? A::loadN(in + 2 * k + v * A::W, validReals) : A::load(in + 2 * k + v * A::W);
        const V ds = A::swapParts(d);
        for (int g = 0; g < G; ++g)
            if (v - g >= 0 && v - g < NV) {
                a[v - g] = A::fma(d, tr[g], a[v - g]);
                b[v - g] = A::fma(ds, ti[g], b[v - g]);
            }
    }
}

template <class A, int NV, bool Masked = false>
inline void complexRun(const typename A::S* taps8, int L, const typename A::S* in, typename A::S* out, int validReals)
{
    constexpr int Wc = A::W / 2;
    typename A::V a[NV], b[NV];
    for (int v = 0; v < NV; ++v) a[v] = b[v] = A::zero();
    int k0 = 0;
    for (; k0 + 2 * Wc <= L; k0 += 2 * Wc)
        for (int k = k0; k < k0 + Wc; ++k) complexStep<A, NV, 2, Masked>(taps8, L, k, in, a, b, validReals);
    for (; k0 < L; ++k0) complexStep<A, NV, 1, Masked>(taps8, L, k0, in, a, b, validReals);
    if constexpr (Masked) A::storeN(out, A::addsub(a[0], b[0]), validReals);
    else
        for (int v = 0; v < NV; ++v) A::store(out + v * A::W, A::addsub(a[v], b[v]));
}

template <class A>
void blockComplex(const typename A::S* taps8, int L, const typename A::S* in, typename A::S* out, int n)
{
    constexpr int W = A::W;  // reals per vector
    const int reals = 2 * n;
    int i = 0;
    for (; i + 4 * W <= reals; i += 4 * W) complexRun<A, 4>(taps8, L, in + i, out + i, W);
    for (; i + W <= reals; i += W) complexRun<A, 1>(taps8, L, in + i, out + i, W);
    if (i < reals) complexRun<A, 1, true>(taps8, L, in + i, out + i, reals - i);
}

template <class A>
void cmulBy(const typename A::S* a, typename A::S* w, int n)
{
    constexpr int W = A::W;
    const int reals = 2 * n;
    int i = 0;
    for (; i + W <= reals; i += W) A::store(w + i, cmul<A, false>(A::load(a + i), A::load(w + i)));
    if (i < reals) A::storeN(w + i, cmul<A, false>(A::loadN(a + i, reals - i), A::loadN(w + i, reals - i)), reals - i);
}

// Partial sums of a[i] * b[i] over `reals` elements: real products, or for
// complex pairs the a/b accumulator pair of the block kernel. Two
// accumulators per sum hide part of the latency.
template <class A, bool Complex>
void dotAny(const typename A::S* x, const typename A::S* y, int reals, typename A::S* r)
{
    using V = typename A::V;
    constexpr int W = A::W;
    V p[2] = {A::zero(), A::zero()}, q[2] = {A::zero(), A::zero()};
    auto add = [&](int u, V a, V b) {
        if constexpr (Complex) {
            p[u] = A::fma(b, A::dupRe(a), p[u]);
            q[u] = A::fma(A::swapParts(b), A::dupIm(a), q[u]);
        } else {
            p[u] = A::fma(a, b, p[u]);
        }
    };
    int i = 0;
    for (; i + 2 * W <= reals; i += 2 * W) {
        add(0, A::load(x + i), A::load(y + i));
        add(1, A::load(x + i + W), A::load(y + i + W));
    }
    for (; i + W <= reals; i += W) add(0, A::load(x + i), A::load(y + i));
    if (i < reals) add(1, A::loadN(x + i, reals - i), A::loadN(y + i, reals - i));
    if constexpr (Complex) {
        alignas(64) typename A::S lanes[W];
        A::store(lanes, A::add(A::addsub(p[0], q[0]), A::addsub(p[1], q[1])));
        typename A::S re = 0, im = 0;
        for (int l = 0; l < W; l += 2) {
            re += lanes[l];
            im += lanes[l + 1];
        }
        r[0] = re;
        r[1] = im;
    } else {
        r[0] = A::hsum(A::add(p[0], p[1]));
    }
}

// ---- the kernels with their table signatures ------------------------------

void block_32f(const Orv32f* t, int L, const Orv32f* in, Orv32f* out, int n) { blockReal<WF32>(t, L, in, out, n); }
void block_64f(const Orv64f* t, int L, const Orv64f* in, Orv64f* out, int n) { blockReal<WF64>(t, L, in, out, n); }
void block_32fc(const Orv32fc* t, int L, const Orv32fc* in, Orv32fc* out, int n)
{
    blockComplex<WF32>(&t->re, L, &in->re, &out->re, n);
}
void block_64fc(const Orv64fc* t, int L, const Orv64fc* in, Orv64fc* out, int n)
{
    blockComplex<WF64>(&t->re, L, &in->re, &out->re, n);
}
void cmulBy_32fc(const Orv32fc* a, Orv32fc* w, int n) { cmulBy<WF32>(&a->re, &w->re, n); }
void cmulBy_64fc(const Orv64fc* a, Orv64fc* w, int n) { cmulBy<WF64>(&a->re, &w->re, n); }

void dot_32f(const Orv32f* a, const Orv32f* b, int n, Orv32f* r) { dotAny<WF32, false>(a, b, n, r); }
void dot_64f(const Orv64f* a, const Orv64f* b, int n, Orv64f* r) { dotAny<WF64, false>(a, b, n, r); }
void dot_32fc(const Orv32fc* a, const Orv32fc* b, int n, Orv32fc* r) { dotAny<WF32, true>(&a->re, &b->re, 2 * n, &r->re); }
void dot_64fc(const Orv64fc* a, const Orv64fc* b, int n, Orv64fc* r) { dotAny<WF64, true>(&a->re, &b->re, 2 * n, &r->re); }

} // namespace

#define ORVS_FIR_ENTRY(name, params) &name,
const KernelTable table = {ORVS_FIR_KERNELS(ORVS_FIR_ENTRY)};
#undef ORVS_FIR_ENTRY

} // namespace orvs::fir::ORVS_TARGET
