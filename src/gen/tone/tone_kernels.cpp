// Generator kernels, compiled once per instruction-set target (namespace
// orvs::tone::ORVS_TARGET). The loops are plain element-wise or lane-strided
// code that every target vectorises at its own width; no operation is fused.
#if defined(__AVX512F__)
// GCC 12 reports the deliberately undefined pass-through operand of the
// unmasked 512-bit intrinsics as "maybe uninitialized"; nothing reads it.
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
#include <algorithm>
#include <cmath>

#include "core/simd/simd.h"
#include "gen/tone/tone_kernels.h"

namespace orvs::tone::ORVS_TARGET {

namespace {

using namespace simd::ORVS_TARGET;

// Elements [from, to) from the ones d back, rotated by (cd, sd).
template <int D>
inline void rotateFrom(double* __restrict c, double* __restrict s, int from, int to, double cd, double sd)
{
    using V = WF64;
    int j = from;
    if constexpr (D % V::W == 0) {
        const V::V vc = V::set1(cd), vs = V::set1(sd);
        for (; j + V::W <= to; j += V::W) {
            const V::V c0 = V::load(c + j - D), s0 = V::load(s + j - D);
            V::store(c + j, V::sub(V::mul(c0, vc), V::mul(s0, vs)));
            V::store(s + j, V::add(V::mul(s0, vc), V::mul(c0, vs)));
        }
    }
    for (; j < to; ++j) {
        c[j] = c[j - D] * cd - s[j - D] * sd;
        s[j] = s[j - D] * cd + c[j - D] * sd;
    }
}

// The 32 lanes stay in registers from one group of 32 elements to the next.
inline int rotateLanes(double* __restrict c, double* __restrict s, int count, double cd, double sd)
{
    using V = WF64;
    constexpr int N = kLanes / V::W;
    V::V vc[N], vs[N];
    for (int r = 0; r < N; ++r) vc[r] = V::load(c + r * V::W), vs[r] = V::load(s + r * V::W);
    const V::V mc = V::set1(cd), ms = V::set1(sd);
    int j = kLanes;
    for (; j + kLanes <= count; j += kLanes)
        for (int r = 0; r < N; ++r) {
            const V::V nc = V::sub(V::mul(vc[r], mc), V::mul(vs[r], ms));
            vs[r] = V::add(V::mul(vs[r], mc), V::mul(vc[r], ms));
            vc[r] = nc;
            V::store(c + j + r * V::W, nc);
            V::store(s + j + r * V::W, vs[r]);
        }
    return j;
}

void rotate(double* __restrict c, double* __restrict s, int count, const Steps& st)
{
    rotateFrom<1>(c, s, 1, std::min(count, 8), st.c1, st.s1);
    rotateFrom<8>(c, s, 8, std::min(count, kLanes), st.c8, st.s8);
    if (count <= kLanes) return;
    rotateFrom<kLanes>(c, s, rotateLanes(c, s, count, st.c32, st.s32), count, st.c32, st.s32);
}

void scale_32f(const double* __restrict c, float* __restrict d, int n, double magn)
{
    for (int i = 0; i < n; ++i) d[i] = static_cast<float>(magn * c[i]);
}

void scaleCplx_64f(const double* __restrict c, const double* __restrict s, double* __restrict d, int n, double magn)
{
    for (int i = 0; i < n; ++i) {
        d[2 * i] = magn * c[i];
        d[2 * i + 1] = magn * s[i];
    }
}

void scaleCplx_32f(const double* __restrict c, const double* __restrict s, float* __restrict d, int n, double magn)
{
    for (int i = 0; i < n; ++i) {
        d[2 * i] = static_cast<float>(magn * c[i]);
        d[2 * i + 1] = static_cast<float>(magn * s[i]);
    }
}

// Half away from zero without a library call: the largest double below one
// half pushes every fraction of one half or more over the next integer
// (magnitudes here stay far below 2^52, where the addition is exact enough).
inline double roundAway(double x) { return std::trunc(x + std::copysign(0.49999999999999994, x)); }

void scaleRound_16s(const double* __restrict c, Orv16s* __restrict d, int n, int stride, double magn)
{
    for (int i = 0; i < n; ++i)
        d[i * stride] = static_cast<Orv16s>(std::clamp(roundAway(magn * c[i]), -32768.0, 32767.0));
}

// Per block: x[0], x[1] given; x[n] = c1 x[n-1] - x[n-2] up to `Head`, then
// four chains x[n] = c4 x[n-4] - x[n-8] with c4 = 2 cos 4w formed from
// c1 = 2 cos w. The chains of up to kFastBlocks blocks advance together, so
// their latencies overlap.
template <class F, int Head>
void fastBlocks(F* x, int stride, int blockStride, int nb, int n, const F* x0, const F* x1, F c1)
{
    F a[kFastBlocks][4] = {}, b[kFastBlocks][4] = {};
    const int head = std::min(n, Head);
    for (int k = 0; k < nb; ++k) {
        F v[Head];
        v[0] = x0[k];
        if (n > 1) v[1] = x1[k];
        for (int i = 2; i < head; ++i) v[i] = c1 * v[i - 1] - v[i - 2];
        for (int i = 0; i < head; ++i) x[k * blockStride + i * stride] = v[i];
        if (n > Head)
            for (int j = 0; j < 4; ++j) a[k][j] = v[Head - 8 + j], b[k][j] = v[Head - 4 + j];
    }
    if (n <= Head) return;
    const F c1sq = c1 * c1;
    const F c4 = c1sq * (c1sq - F(4)) + F(2);
    int i = Head;
    for (; i + 4 <= n; i += 4)
        for (int k = 0; k < kFastBlocks; ++k)
            for (int j = 0; j < 4; ++j) {
                const F y = c4 * b[k][j] - a[k][j];
                a[k][j] = b[k][j];
                b[k][j] = y;
                if (k < nb) x[k * blockStride + (i + j) * stride] = y;
            }
    for (int k = 0; k < nb; ++k)
        for (int j = 0; i + j < n; ++j) x[k * blockStride + (i + j) * stride] = c4 * b[k][j] - a[k][j];
}

void fastBlocks_32f(float* x, int stride, int blockStride, int nb, int n, const float* x0, const float* x1, float c1)
{
    fastBlocks<float, 16>(x, stride, blockStride, nb, n, x0, x1, c1);
}
void fastBlocks_64f(double* x, int stride, int blockStride, int nb, int n, const double* x0, const double* x1, double c1)
{
    fastBlocks<double, 8>(x, stride, blockStride, nb, n, x0, x1, c1);
}

} // namespace

#define ORVS_TONE_ENTRY(name, params) name,
const KernelTable table = {ORVS_TONE_KERNELS(ORVS_TONE_ENTRY)};
#undef ORVS_TONE_ENTRY

} // namespace orvs::tone::ORVS_TARGET
