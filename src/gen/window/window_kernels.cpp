// Window products, compiled once per instruction-set target (namespace
// orvs::win::ORVS_TARGET). Plain element-wise loops that each target
// vectorises at its own width; no operation is fused.
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

void mul_64f(const double* s, const double* w, double* d, int n)
{
    for (int i = 0; i < n; ++i) d[i] = s[i] * w[i];
}

void mul_32f(const float* s, const float* w, float* d, int n)
{
    for (int i = 0; i < n; ++i) d[i] = s[i] * w[i];
}

void mul_32f64f(const float* s, const double* w, float* d, int n)
{
    for (int i = 0; i < n; ++i) d[i] = static_cast<float>(static_cast<double>(s[i]) * w[i]);
}

void mul_16s32f(const Orv16s* s, const float* w, Orv16s* d, int n)
{
    // |s * w| <= 32768 * max weight: clamping in float before the conversion
    // is exact at both ends.
    for (int i = 0; i < n; ++i)
        d[i] = static_cast<Orv16s>(std::clamp(std::nearbyint(static_cast<float>(s[i]) * w[i]), -32768.0f, 32767.0f));
}

void mul_16s64f(const Orv16s* s, const double* w, Orv16s* d, int n)
{
    for (int i = 0; i < n; ++i)
        d[i] = static_cast<Orv16s>(std::clamp(roundAway(static_cast<double>(s[i]) * w[i]), -32768.0, 32767.0));
}

void mul_16s32f_Sfs(const Orv16s* s, const float* w, Orv16s* d, int n, double factor)
{
    for (int i = 0; i < n; ++i) {
        const double p = static_cast<double>(static_cast<float>(s[i]) * w[i]) * factor;
        d[i] = static_cast<Orv16s>(std::clamp(roundAway(p), -32768.0, 32767.0));
    }
}

} // namespace

#define ORVS_WIN_ENTRY(name, params) name,
const KernelTable table = {ORVS_WIN_KERNELS(ORVS_WIN_ENTRY)};
#undef ORVS_WIN_ENTRY

} // namespace orvs::win::ORVS_TARGET
