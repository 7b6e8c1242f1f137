// The real FFT's recombination kernels, every target the machine runs (AVX,
// AVX2 + FMA, AVX-512) whatever the dispatch picks, against the recombination
// formula evaluated in long double.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <random>
#include <vector>

#include "core/dispatch.h"
#include "transform/rfft/rfft_engine.h"

namespace {

using LD = long double;
using CLD = std::complex<LD>;
using orvs::rfft::RecombKernels;
constexpr LD kTwoPi = 6.283185307179586476925286766559005768L;

template <class T>
std::vector<const RecombKernels<T>*> targets()
{
    using orvs::dispatch::Isa;
    namespace rf = orvs::rfft;
    auto row = [](const rf::KernelTable& t) -> const RecombKernels<T>* {
        if constexpr (sizeof(T) == 4) return &t.f32; else return &t.f64;
    };
    std::vector<const RecombKernels<T>*> k{row(rf::avx::table)};
    if (orvs::dispatch::isa() >= Isa::avx2) k.push_back(row(rf::avx2::table));
    if (orvs::dispatch::isa() == Isa::avx512) k.push_back(row(rf::avx512::table));
    return k;
}

// The run-time tables of an order, and n values in [-1, 1].
template <class T>
void setUp(int order, std::uint32_t seed, std::vector<T>& fwd, std::vector<T>& inv, std::vector<T>& values)
{
    const int n = 1 << order;
    fwd.assign(n / 2, T(0));
    inv.assign(n / 2, T(0));
    orvs::rfft::buildRecombTables<T>(order, [n](int k) { return T(std::sin(double(kTwoPi) * k / n)); }, fwd.data(), inv.data());
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> d(-1, 1);
    values.resize(n);
    for (auto& v : values) v = T(d(rng));
}

template <class T>
class RecombKernel : public ::testing::Test {};
using Precisions = ::testing::Types<float, double>;
TYPED_TEST_SUITE(RecombKernel, Precisions);

TYPED_TEST(RecombKernel, ForwardMatchesTheFormula)
{
    using T = TypeParam;
    const LD eps = sizeof(T) == 4 ? 6e-8L : 1.2e-16L;
    for (int order = 5; order <= 12; ++order) {
        const int n = 1 << order;
        std::vector<T> fwd, inv, z;
        setUp(order, order, fwd, inv, z);
        // X[k] = 1/2 (Z[k] + conj Z[N/2-k]) - 1/2 i exp(-2 pi i k / N) (Z[k] - conj Z[N/2-k])
        auto Z = [&](int k) { k %= n / 2; return CLD(z[2 * k], z[2 * k + 1]); };
        std::vector<CLD> want(n / 2 + 1);
        for (int k = 0; k <= n / 2; ++k) {
            const CLD a = Z(k), b = std::conj(Z((n / 2 - k) % (n / 2)));
            want[k] = 0.5L * (a + b) - 0.5L * CLD(0, 1) * std::polar(1.0L, -kTwoPi * k / n) * (a - b);
        }
        for (const auto* k : targets<T>())
            for (bool scaled : {false, true}) {
                const T f = scaled ? T(0.125) : T(1);
                auto out = z;
                (scaled ? k->fwdScaled : k->fwd)(out.data(), fwd.data(), n, f);
                EXPECT_NEAR(out[0], LD(f) * want[0].real(), 4 * eps) << "order " << order;
                EXPECT_NEAR(out[1], LD(f) * want[n / 2].real(), 4 * eps) << "order " << order;
                for (int i = 1; i < n / 2; ++i) {
                    ASSERT_NEAR(out[2 * i], LD(f) * want[i].real(), 8 * eps) << "order " << order << " k " << i;
                    ASSERT_NEAR(out[2 * i + 1], LD(f) * want[i].imag(), 8 * eps) << "order " << order << " k " << i;
                }
            }
    }
}

TYPED_TEST(RecombKernel, InverseMatchesTheFormulaInAndOutOfPlace)
{
    using T = TypeParam;
    const LD eps = sizeof(T) == 4 ? 6e-8L : 1.2e-16L;
    for (int order = 5; order <= 12; ++order) {
        const int n = 1 << order;
        std::vector<T> fwd, inv, x;
        setUp(order, 40 + order, fwd, inv, x);
        const T re0 = T(0.375), reHalf = T(-0.625);
        auto X = [&](int k) { return k == 0 ? CLD(re0, 0) : k == n / 2 ? CLD(reHalf, 0) : CLD(x[2 * k], x[2 * k + 1]); };
        for (const auto* k : targets<T>())
            for (bool scaled : {false, true}) {
                const T f = scaled ? T(0.25) : T(1);
                std::vector<T> out(n, T(9)), inPlace = x;
                (scaled ? k->invScaled : k->inv)(x.data(), out.data(), inv.data(), n, re0, reHalf, f);
                (scaled ? k->invScaled : k->inv)(inPlace.data(), inPlace.data(), inv.data(), n, re0, reHalf, f);
                EXPECT_EQ(out, inPlace) << "order " << order;
                for (int i = 0; i < n / 2; ++i) {
                    // Z[k] = (X[k] + conj X[N/2-k]) + i exp(2 pi i k / N)(X[k] - conj X[N/2-k])
                    const CLD a = X(i), b = std::conj(X(n / 2 - i));
                    const CLD want = LD(f) * ((a + b) + CLD(0, 1) * std::polar(1.0L, kTwoPi * i / n) * (a - b));
                    ASSERT_NEAR(out[2 * i], want.real(), 16 * eps) << "order " << order << " k " << i;
                    ASSERT_NEAR(out[2 * i + 1], want.imag(), 16 * eps) << "order " << order << " k " << i;
                }
            }
    }
}

TYPED_TEST(RecombKernel, ConstantTablesMatchRunTimeTables)
{
    using T = TypeParam;
    const T tol = sizeof(T) == 4 ? T(1.2e-7) : T(2.3e-16);  // one unit in the last place
    for (int order : {5, 6}) {
        std::vector<T> fwd, inv, unused;
        setUp(order, 0, fwd, inv, unused);
        const T* cf = order == 5 ? orvs::rfft::kConstTables<T, 5>.fwd.data() : orvs::rfft::kConstTables<T, 6>.fwd.data();
        const T* ci = order == 5 ? orvs::rfft::kConstTables<T, 5>.inv.data() : orvs::rfft::kConstTables<T, 6>.inv.data();
        for (std::size_t i = 0; i < fwd.size(); ++i)
            EXPECT_TRUE(std::fabs(cf[i] - fwd[i]) <= tol && std::fabs(ci[i] - inv[i]) <= tol) << "order " << order << " index " << i;
    }
}

}  // namespace
