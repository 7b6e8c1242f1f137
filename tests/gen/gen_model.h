// Reference models of the generators and windows, in long double and
// straight from the defining formulas.
#pragma once
#include <cmath>
#include <type_traits>

#include "orvs.h"

namespace gen_model {

constexpr long double kPi = 3.141592653589793238462643383279502884L;

enum class Win { Bartlett, Hann, Hamming, Blackman, Kaiser };

// I0 by its power series (no polynomial approximation).
inline long double besselI0(long double x)
{
    long double term = 1, sum = 1;
    for (int k = 1; k < 500 && term > sum * 1e-21L; ++k) {
        term *= (x / (2 * k)) * (x / (2 * k));
        sum += term;
    }
    return sum;
}

// Weight n of a window of length N.
inline long double weight(Win kind, int N, int n, long double alpha)
{
    const int m = n < N - 1 - n ? n : N - 1 - n;
    if (2 * m + 1 == N) return 1;  // the middle of an odd length
    if (kind == Win::Kaiser)
        return besselI0(std::fabs(alpha) * std::sqrt((long double)m * (N - 1 - m))) / besselI0(std::fabs(alpha) * (N - 1) / 2);
    const long double theta = 2 * kPi / (N - 1);
    switch (kind) {
    case Win::Bartlett: return 2.0L * m / (N - 1);
    case Win::Hann: return 0.5L - 0.5L * std::cos(m * theta);
    case Win::Hamming: return 0.54L - 0.46L * std::cos(m * theta);
    default: return (alpha + 1) / 2 - 0.5L * std::cos(m * theta) - alpha / 2 * std::cos(2 * m * theta);
    }
}

// The real part (or the value) of an element, and its imaginary part.
template <class T> long double re(const T& v) { if constexpr (std::is_arithmetic_v<T>) return v; else return v.re; }
template <class T> long double im(const T& v) { if constexpr (std::is_arithmetic_v<T>) return 0; else return v.im; }
template <class T> constexpr bool isComplex = !std::is_arithmetic_v<T>;
template <class T> struct PartOf { using type = T; };
template <> struct PartOf<Orv16sc> { using type = Orv16s; };
template <> struct PartOf<Orv32fc> { using type = Orv32f; };
template <> struct PartOf<Orv64fc> { using type = Orv64f; };
template <class T> using Part = typename PartOf<T>::type;

// Triangle value at theta in [0, 2 pi).
inline long double triangle(long double theta, long double magn, long double asym)
{
    const long double fall = kPi + asym;
    if (theta < fall) return magn * (1 - 2 * theta / fall);
    return magn * (2 * (theta - fall) / (kPi - asym) - 1);
}

} // namespace gen_model
