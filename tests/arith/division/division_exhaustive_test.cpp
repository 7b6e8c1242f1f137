// Every 16-bit dividend against every 16-bit divisor: the quotient of
// orvsDiv_16s_Sfs (and of the rounding-mode variant) is the exact rule's
// value. Rather than recomputing each quotient, the check confirms that the
// returned integer k satisfies the rounding inequalities on x * 2^-s - k * d,
// which are exact in double precision for 16-bit operands.
#include <gtest/gtest.h>
#include <omp.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "test_util.h"

namespace {

enum class Rounding { Zero, Near, Away };

// The number of dividends for which k = o[i] is not the rounding of
// v = n * S / D (n = sign * x[i]), the saturation of the 16-bit range
// included. f = n * S - k * D is exact in double; the conditions are
// written without branches so that the loop vectorises.
template <Rounding M>
int countBad(const Orv16s* x, const Orv16s* o, double sign, double S, double D)
{
    int bad = 0;
    for (int i = 0; i < 65536; ++i) {
        const double n = sign * x[i], k = o[i];
        const double f = n * S - k * D;
        const bool top = k == 32767.0, bottom = k == -32768.0;
        bool ok;
        if constexpr (M == Rounding::Zero) {
            ok = ((n >= 0) & (f >= 0) & ((f < D) | top)) | ((n < 0) & (f <= 0) & ((f > -D) | bottom));
        } else {
            const double e = 2.0 * f;
            const double half = 0.5 * k;
            const bool even = half == static_cast<double>(static_cast<int>(half));
            const bool upTie = M == Rounding::Near ? even : k < 0;    // v = k + 1/2 rounds to k
            const bool downTie = M == Rounding::Near ? even : k > 0;  // v = k - 1/2 rounds to k
            ok = ((e < D) | ((e == D) & upTie) | top) & ((e > -D) | ((e == -D) & downTie) | bottom);
        }
        bad += !ok;
    }
    return bad;
}

// Counts the mismatches over all dividends for the divisors -32768,
// -32768 + step, ...; the library runs on whole 65536-element vectors.
template <Rounding M>
long long sweep(int s, int step)
{
    long long bad = 0;
#pragma omp parallel num_threads(2) reduction(+ : bad)
    {
        std::vector<Orv16s> x(65536), d(65536), o(65536);
        for (int i = 0; i < 65536; ++i) x[i] = static_cast<Orv16s>(i - 32768);
#pragma omp for schedule(dynamic, 64)
        for (int dv = -32768; dv <= 32767; dv += step) {
            std::fill(d.begin(), d.end(), static_cast<Orv16s>(dv));
            const OrvStatus st = M == Rounding::Near ? orvsDiv_16s_Sfs(d.data(), x.data(), o.data(), 65536, s)
                                 : orvsDiv_Round_16s_Sfs(d.data(), x.data(), o.data(), 65536,
                                                         M == Rounding::Zero ? orvRndZero : orvRndFinancial, s);
            if (st != (dv == 0 ? orvStsWarnDivByZero : orvStsOk)) ++bad;
            if (dv == 0) {
                for (int i = 0; i < 65536; ++i) bad += o[i] != (x[i] > 0 ? 32767 : x[i] < 0 ? -32768 : 0);
                continue;
            }
            // v = x * 2^-s / d = n * S / D with n = sign(d) * x, S = 2^max(-s, 0)
            // and D = |d| * 2^max(s, 0); every product stays below 2^53.
            const double S = std::ldexp(1.0, s < 0 ? -s : 0);
            const double D = std::ldexp(std::fabs(double(dv)), s > 0 ? s : 0);
            bad += countBad<M>(x.data(), o.data(), dv < 0 ? -1.0 : 1.0, S, D);
        }
    }
    return bad;
}

// Every divisor in the default variant; a sample in quick runs and under a
// forced (narrower) variant, which the variant suites rerun.
int divisorStep() { return orvs_test::quick() || std::getenv("ORVS_CPU") ? 97 : 1; }

} // namespace

TEST(DivExhaustive, Div16sSfsEveryPairAtSeveralScaleFactors)
{
    for (int s : {0, 9, -7}) EXPECT_EQ(sweep<Rounding::Near>(s, divisorStep()), 0) << "s " << s;
}

TEST(DivExhaustive, DivRound16sFinancialEveryPair)
{
    // Truncation is covered by the random tests; ties away from zero here.
    EXPECT_EQ(sweep<Rounding::Away>(-1, divisorStep()), 0);
}
