// The real FFT's recombination kernels, every target the machine runs (AVX,
// AVX2 + FMA, AVX-512) whatever the dispatch picks, against the recombination
// formulas evaluated in long double.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <vector>

#include "core/dispatch.h"
#include "test_util.h"
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

// The run-time tables of an order.
template <class T>
void tables(int order, std::vector<T>& fwd, std::vector<T>& inv)
{
    const int n = 1 << order;
    fwd.assign(n / 2, T(0));
    inv.assign(n / 2, T(0));
    orvs::rfft::buildRecombTables<T>(order, [n](int k) { return T(std::sin(double(kTwoPi) * k / n)); }, fwd.data(), inv.data());
}

template <class T>
class RecombKernel : public ::testing::Test {};
using Precisions = ::testing::Types<float, double>;
TYPED_TEST_SUITE(RecombKernel, Precisions);

// Forward: X[k] = 1/2 (Z[k] + conj Z[N/2-k]) - 1/2 i exp(-2 pi i k / N) (Z[k] - conj Z[N/2-k]).
// Inverse: Z[k] = (X[k] + conj X[N/2-k]) + i exp(2 pi i k / N) (X[k] - conj X[N/2-k]),
// X[0] and X[N/2] real and passed apart; in place gives the same bits.
TYPED_TEST(RecombKernel, MatchTheFormulas)
{
    using T = TypeParam;
    const LD eps = sizeof(T) == 4 ? 6e-8L : 1.2e-16L;
    for (int order = 5; order <= 12; ++order) {
        const int n = 1 << order, h = n / 2;
        std::vector<T> fwd, inv;
        tables(order, fwd, inv);
        const auto z = orvs_test::randomVector<T>(n, order, -1.0, 1.0);
        const T re0 = T(0.375), reHalf = T(-0.625);
        auto Z = [&](int k) { k %= h; return CLD(z[2 * k], z[2 * k + 1]); };
        auto X = [&](int k) { return k == 0 ? CLD(re0, 0) : k == h ? CLD(reHalf, 0) : Z(k); };
        for (const auto* k : targets<T>())
            for (bool scaled : {false, true}) {
                const T f = scaled ? T(0.125) : T(1);
                auto out = z;
                (scaled ? k->fwdScaled : k->fwd)(out.data(), fwd.data(), n, f);
                for (int i = 0; i <= h; ++i) {
                    const CLD a = Z(i), b = std::conj(Z(h - i));
                    const CLD want = LD(f) * (0.5L * (a + b) - 0.5L * CLD(0, 1) * std::polar(1.0L, -kTwoPi * i / n) * (a - b));
                    // X[0] and X[N/2] come back as the real pair in slots 0 and 1.
                    const int re = i == h ? 1 : 2 * i;
                    ASSERT_NEAR(out[re], want.real(), 8 * eps) << "forward order " << order << " k " << i;
                    if (i != 0 && i != h) ASSERT_NEAR(out[re + 1], want.imag(), 8 * eps) << "forward order " << order << " k " << i;
                }
                std::vector<T> back(n, T(9)), inPlace = z;
                (scaled ? k->invScaled : k->inv)(z.data(), back.data(), inv.data(), n, re0, reHalf, f);
                (scaled ? k->invScaled : k->inv)(inPlace.data(), inPlace.data(), inv.data(), n, re0, reHalf, f);
                EXPECT_EQ(back, inPlace) << "order " << order;
                for (int i = 0; i < h; ++i) {
                    const CLD a = X(i), b = std::conj(X(h - i));
                    const CLD want = LD(f) * ((a + b) + CLD(0, 1) * std::polar(1.0L, kTwoPi * i / n) * (a - b));
                    ASSERT_NEAR(back[2 * i], want.real(), 16 * eps) << "inverse order " << order << " k " << i;
                    ASSERT_NEAR(back[2 * i + 1], want.imag(), 16 * eps) << "inverse order " << order << " k " << i;
                }
            }
    }
}

TYPED_TEST(RecombKernel, ConstantTablesMatchRunTimeTables)
{
    using T = TypeParam;
    const T tol = sizeof(T) == 4 ? T(1.2e-7) : T(2.3e-16);  // one unit in the last place
    for (int order : {5, 6}) {
        std::vector<T> fwd, inv;
        tables(order, fwd, inv);
        const T* cf = order == 5 ? orvs::rfft::kConstTables<T, 5>.fwd.data() : orvs::rfft::kConstTables<T, 6>.fwd.data();
        const T* ci = order == 5 ? orvs::rfft::kConstTables<T, 5>.inv.data() : orvs::rfft::kConstTables<T, 6>.inv.data();
        for (std::size_t i = 0; i < fwd.size(); ++i)
            EXPECT_TRUE(std::fabs(cf[i] - fwd[i]) <= tol && std::fabs(ci[i] - inv[i]) <= tol) << "order " << order << " index " << i;
    }
}

}  // namespace
