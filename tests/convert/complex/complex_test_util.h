// Helpers of the complex-family tests: ulp distances against higher-precision
// references, the quick mode of the sanitizer run, and complex vectors with
// a chosen share of special values.
#pragma once
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <random>
#include <vector>

#include "test_util.h"

namespace cplx_test {
using orvs_test::quick;


// Distance of `got` from the exact value `ref`, in units of the last place
// of got's type at ref.
template <class T>
double ulpError(T got, long double ref)
{
    if (std::isnan(ref)) return std::isnan(got) ? 0.0 : 1e9;
    if (std::isinf(ref)) return (got == ref) ? 0.0 : 1e9;
    const T r = static_cast<T>(ref);
    T a = std::fabs(r);
    if (a < std::numeric_limits<T>::min()) a = std::numeric_limits<T>::min();
    const long double ulp = static_cast<long double>(std::nextafter(a, std::numeric_limits<T>::infinity()) - a);
    return static_cast<double>(std::fabs(static_cast<long double>(got) - ref) / ulp);
}

// Values spread over many binades, with zeros and sign changes mixed in.
template <class T>
std::vector<T> wideRange(std::size_t n, std::uint32_t seed, int minExp, int maxExp)
{
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> mant(1.0, 2.0);
    std::uniform_int_distribution<int> ex(minExp, maxExp), pick(0, 15);
    std::vector<T> v(n);
    for (auto& x : v) {
        const int p = pick(rng);
        double m = p == 0 ? 0.0 : std::ldexp(mant(rng), ex(rng));
        if (p & 1) m = -m;
        x = static_cast<T>(m);
    }
    return v;
}

} // namespace cplx_test
