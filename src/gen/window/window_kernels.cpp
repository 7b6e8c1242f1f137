// Window products, compiled once per instruction-set target (namespace
// orvs::win::ORVS_TARGET). One loop template per rounding rule, over the
// part type, the weight type and the parts per element; each target
// vectorises it at its own width (the mirrored half reads the weights
// backwards). No operation is fused.
#if defined(__AVX512F__)
// GCC 12 reports the deliberately undefined pass-through operand of the
// unmasked 512-bit intrinsics as "maybe uninitialized"; nothing reads it.
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
#include <algorithm>
#include <cmath>
#include <type_traits>

#include "core/simd/simd.h"
#include "gen/window/window_kernels.h"

namespace orvs::win::ORVS_TARGET {

namespace {

// Half away from zero: adding the largest double below one half carries
// every fraction of one half or more over the next integer and no smaller
// one (exact for the magnitudes of 16-bit products; beyond 2^52 every value
// is already an integer and saturates anyway).
inline double roundAway(double x) { return std::trunc(x + std::copysign(0.49999999999999994, x)); }

enum class Rule { Float, Wide, Even16, Away16, Scaled16 };

template <Rule R, class P, class W>
inline P product(P x, W w, double factor)
{
    if constexpr (R == Rule::Float) return x * w;
    else if constexpr (R == Rule::Wide) return static_cast<P>(static_cast<double>(x) * w);
    // |x * w| <= 32768 * max weight: clamping before the conversion is exact at both ends.
    else if constexpr (R == Rule::Even16)
        return static_cast<P>(std::clamp(std::nearbyint(static_cast<float>(x) * w), -32768.0f, 32767.0f));
    else if constexpr (R == Rule::Away16)
        return static_cast<P>(std::clamp(roundAway(static_cast<double>(x) * w), -32768.0, 32767.0));
    else
        return static_cast<P>(std::clamp(roundAway(static_cast<double>(static_cast<float>(x) * w) * factor), -32768.0, 32767.0));
}

template <Rule R, int Parts, class P, class W>
inline void ends(const P* s, P* d, int len, int k, const W* w, int m, double factor = 1.0)
{
    const P* sf = s + Parts * k;
    P* df = d + Parts * k;
    for (int i = 0; i < m; ++i)
        for (int p = 0; p < Parts; ++p) df[Parts * i + p] = product<R>(sf[Parts * i + p], w[i], factor);
    // Element len-1-k-i, written from the lowest address up.
    const int b = len - k - m;
    const P* sb = s + Parts * b;
    P* db = d + Parts * b;
    for (int i = 0; i < m; ++i)
        for (int p = 0; p < Parts; ++p) db[Parts * i + p] = product<R>(sb[Parts * i + p], w[m - 1 - i], factor);
}

// ---- weights from a rotating phasor ------------------------------------------
using namespace simd::ORVS_TARGET;
using tone::kLanes;

template <class W>
inline void formula(const double* c, W* w, int n, const CosShape& sh)
{
    if (!sh.blackman) {
        for (int i = 0; i < n; ++i) w[i] = static_cast<W>(sh.a - sh.b * c[i]);
        return;
    }
    const W a = static_cast<W>(sh.alpha), a4 = W(4) * a, base = W(0.5) + a;
    for (int i = 0; i < n; ++i) {
        const W h = static_cast<W>(0.5 * c[i]);
        w[i] = base - h - a4 * h * h;
    }
}

// The phasor of one block, as in the generators' rotation kernel (steps of
// 1, 8, then 32 elements), with the 32 lanes in registers and only the
// weights stored.
template <class W>
void cosWeights(W* w, int count, double a0, const tone::Steps& st, const CosShape& sh)
{
    using V = WF64;
    constexpr int N = kLanes / V::W;
    alignas(64) double c[kLanes], s[kLanes];
    const int head = std::min(count, kLanes);
    c[0] = std::cos(a0);
    s[0] = std::sin(a0);
    for (int j = 1; j < std::min(head, 8); ++j) {
        c[j] = c[j - 1] * st.c1 - s[j - 1] * st.s1;
        s[j] = s[j - 1] * st.c1 + c[j - 1] * st.s1;
    }
    for (int j = 8; j < head; ++j) {
        c[j] = c[j - 8] * st.c8 - s[j - 8] * st.s8;
        s[j] = s[j - 8] * st.c8 + c[j - 8] * st.s8;
    }
    formula(c, w, head, sh);
    if (count <= kLanes) return;
    const V::V mc = V::set1(st.c32), ms = V::set1(st.s32);
    int j = kLanes;
    if (std::is_same_v<W, float> && !sh.blackman) {
        // Single-precision weights: after one rotation, each lane follows
        // c(n + 32) = 2 cos(32 theta) c(n) - c(n - 32), half the work of the
        // rotation. Over the at most 32 steps of a block its error stays
        // near 1e-14, far below a float weight's rounding (double weights
        // keep the rotation).
        constexpr int G = N < 4 ? N : 4;
        const V::V va = V::set1(sh.a), vb = V::set1(sh.b), twoK = V::set1(2.0 * st.c32);
        alignas(64) double last[kLanes];  // the cosines of a last, partial row
        const int end = kLanes + (count - kLanes) / kLanes * kLanes;
        for (int g = 0; g < N; g += G) {
            V::V prev[G], cur[G];
            for (int r = 0; r < G; ++r) {
                prev[r] = V::load(c + (g + r) * V::W);
                cur[r] = V::sub(V::mul(prev[r], mc), V::mul(V::load(s + (g + r) * V::W), ms));
            }
            for (int at = kLanes;; at += kLanes) {
                if (at == end) {
                    for (int r = 0; r < G; ++r) V::store(last + (g + r) * V::W, cur[r]);
                    break;
                }
                for (int r = 0; r < G; ++r) {
                    V::storeNarrowed(reinterpret_cast<float*>(w) + at + (g + r) * V::W, V::sub(va, V::mul(vb, cur[r])));
                    const V::V next = V::sub(V::mul(twoK, cur[r]), prev[r]);
                    prev[r] = cur[r];
                    cur[r] = next;
                }
            }
        }
        if (end < count) formula(last, w + end, count - end, sh);
        return;
    }
    if (!sh.blackman) {
        // a - b c straight from the registers, rounded once to the weight type.
        // G vectors of lanes per pass, so that their phasors and the
        // constants stay in registers (16 of them on 256-bit targets).
        constexpr int G = N < 4 ? N : 4;
        const V::V va = V::set1(sh.a), vb = V::set1(sh.b);
        const int end = kLanes + (count - kLanes) / kLanes * kLanes;
        for (int g = 0; g < N; g += G) {
            V::V vc[G], vs[G];
            for (int r = 0; r < G; ++r) vc[r] = V::load(c + (g + r) * V::W), vs[r] = V::load(s + (g + r) * V::W);
            for (int at = kLanes; at < end; at += kLanes)
                for (int r = 0; r < G; ++r) {
                    const V::V nc = V::sub(V::mul(vc[r], mc), V::mul(vs[r], ms));
                    vs[r] = V::add(V::mul(vs[r], mc), V::mul(vc[r], ms));
                    vc[r] = nc;
                    const V::V wv = V::sub(va, V::mul(vb, nc));
                    if constexpr (std::is_same_v<W, float>) V::storeNarrowed(w + at + (g + r) * V::W, wv);
                    else V::store(w + at + (g + r) * V::W, wv);
                }
            for (int r = 0; r < G; ++r) V::store(c + (g + r) * V::W, vc[r]), V::store(s + (g + r) * V::W, vs[r]);
        }
        j = end;
    }
    V::V vc[N], vs[N];
    for (int r = 0; r < N; ++r) vc[r] = V::load(c + r * V::W), vs[r] = V::load(s + r * V::W);
    for (; j < count; j += kLanes) {
        for (int r = 0; r < N; ++r) {
            const V::V nc = V::sub(V::mul(vc[r], mc), V::mul(vs[r], ms));
            vs[r] = V::add(V::mul(vs[r], mc), V::mul(vc[r], ms));
            vc[r] = nc;
            V::store(c + r * V::W, nc);
        }
        formula(c, w + j, std::min(kLanes, count - j), sh);
    }
}

void cosWeights_32f(float* w, int count, double a0, const tone::Steps& st, const CosShape& sh) { cosWeights(w, count, a0, st, sh); }
void cosWeights_64f(double* w, int count, double a0, const tone::Steps& st, const CosShape& sh) { cosWeights(w, count, a0, st, sh); }

void ends_64f(const double* s, double* d, int len, int k, const double* w, int m) { ends<Rule::Float, 1>(s, d, len, k, w, m); }
void ends_64fc(const double* s, double* d, int len, int k, const double* w, int m) { ends<Rule::Float, 2>(s, d, len, k, w, m); }
void ends_32f(const float* s, float* d, int len, int k, const float* w, int m) { ends<Rule::Float, 1>(s, d, len, k, w, m); }
void ends_32fc(const float* s, float* d, int len, int k, const float* w, int m) { ends<Rule::Float, 2>(s, d, len, k, w, m); }
void ends_32f64f(const float* s, float* d, int len, int k, const double* w, int m) { ends<Rule::Wide, 1>(s, d, len, k, w, m); }
void ends_32fc64f(const float* s, float* d, int len, int k, const double* w, int m) { ends<Rule::Wide, 2>(s, d, len, k, w, m); }
void ends_16s32f(const Orv16s* s, Orv16s* d, int len, int k, const float* w, int m) { ends<Rule::Even16, 1>(s, d, len, k, w, m); }
void ends_16sc32f(const Orv16s* s, Orv16s* d, int len, int k, const float* w, int m) { ends<Rule::Even16, 2>(s, d, len, k, w, m); }
void ends_16s64f(const Orv16s* s, Orv16s* d, int len, int k, const double* w, int m) { ends<Rule::Away16, 1>(s, d, len, k, w, m); }
void ends_16sc64f(const Orv16s* s, Orv16s* d, int len, int k, const double* w, int m) { ends<Rule::Away16, 2>(s, d, len, k, w, m); }
void ends_16s32f_Sfs(const Orv16s* s, Orv16s* d, int len, int k, const float* w, int m, double factor)
{
    ends<Rule::Scaled16, 1>(s, d, len, k, w, m, factor);
}

} // namespace

#define ORVS_WIN_ENTRY(name, params) name,
const KernelTable table = {ORVS_WIN_KERNELS(ORVS_WIN_ENTRY)};
#undef ORVS_WIN_ENTRY

} // namespace orvs::win::ORVS_TARGET
