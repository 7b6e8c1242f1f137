// Helpers of the complex-family tests: ulp distances against higher-precision
// references, values over many binades, and the float entries by type.
#pragma once
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include "test_util.h"

namespace cplx_test {
using namespace orvs_test;

// Distance of `got` from the exact `ref` in units of the last place of T at ref.
template <class T>
double ulpError(T got, long double ref)
{
    if (std::isnan(ref)) return std::isnan(got) ? 0.0 : 1e9;
    if (std::isinf(ref)) return got == ref ? 0.0 : 1e9;
    T a = std::fabs(static_cast<T>(ref));
    if (a < std::numeric_limits<T>::min()) a = std::numeric_limits<T>::min();
    const long double ulp = static_cast<long double>(std::nextafter(a, std::numeric_limits<T>::infinity()) - a);
    return static_cast<double>(std::fabs(static_cast<long double>(got) - ref) / ulp);
}

// Parts with values near the overflow and underflow limits of the sum of
// squares (2^63 and 2^-63 for float, 2^511 and 2^-511 for double), deep
// subnormals, infinities, NaN and signed zeros scattered over ordinary
// values, so screened lanes sit anywhere inside a vector.
template <class T>
std::vector<T> screenParts(int n, std::uint32_t seed)
{
    auto v = randomVector<T>(n, seed);
    const int e = sizeof(T) == 4 ? 63 : 511;
    const T edge[] = {std::ldexp(T(1), e), std::ldexp(T(1.5), e - 1), std::ldexp(T(1), -e), std::ldexp(T(1.75), -e - 1),
                      std::ldexp(T(1), sizeof(T) == 4 ? 100 : 1000), std::ldexp(T(1), sizeof(T) == 4 ? -140 : -1070),
                      T(0), std::numeric_limits<T>::infinity(), std::numeric_limits<T>::quiet_NaN(), T(3)};
    std::uint32_t r = seed;
    for (int k = 0; k < n; ++k) {
        r = r * 1664525u + 1013904223u;
        if ((r >> 28) < 4) v[k] = edge[(r >> 8) % 10] * ((r >> 4) & 1 ? T(-1) : T(1));
    }
    return v;
}

template <class T> struct FloatApi;
#define ORVS_FLOAT_API(T, t, Cx)                                                                                   \
    template <> struct FloatApi<T> {                                                                               \
        using C = Cx;                                                                                              \
        static constexpr auto mag = orvsMagnitude_##t, pow = orvsPowerSpectr_##t, phase = orvsPhase_##t;           \
        static constexpr auto magC = orvsMagnitude_##t##c, powC = orvsPowerSpectr_##t##c, phaseC = orvsPhase_##t##c; \
        static constexpr auto mulPack = orvsMulPack_##t, mulPerm = orvsMulPerm_##t;                                \
        static constexpr auto mulPackI = orvsMulPack_##t##_I, mulPermI = orvsMulPerm_##t##_I;                      \
        static constexpr auto mulPackConj = orvsMulPackConj_##t##_I;                                               \
        static constexpr auto polar = orvsCartToPolar_##t##c;                                                      \
        static constexpr auto conj = orvsConj_##t##c;                                                              \
    };
ORVS_FLOAT_API(float, 32f, Orv32fc)
ORVS_FLOAT_API(double, 64f, Orv64fc)
#undef ORVS_FLOAT_API

} // namespace cplx_test
