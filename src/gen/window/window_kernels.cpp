// Window products, compiled once per instruction-set target (namespace
// orvs::win::ORVS_TARGET). One loop template per rounding rule, over the
// part type, the weight type and the parts per element; each target
// vectorises it at its own width (the mirrored half reads the weights
// backwards). No operation is fused.
#include <algorithm>
#include <cmath>

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
