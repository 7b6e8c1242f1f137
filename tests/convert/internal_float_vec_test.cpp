// The float vectors of the kernel layer at the AVX target against scalar
// models: masked tails, reductions, rounding, deinterleaving, products.
#define ORVS_TARGET avx
#include "core/simd/float_vec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "test_util.h"

using namespace orvs::simd::avx;

namespace {

template <class A>
void checkVector()
{
    using S = typename A::S;
    constexpr int W = A::W;
    const auto x = orvs_test::randomVector<S>(2 * W, 5, -100, 100);
    S lanes[W], re[W], im[W], p[W], c[W], sum = 0, mx = x[0];
    for (int n = 0; n <= W; ++n) {  // zeros past n lanes, nothing stored past n
        orvs_test::Guarded<S> out(n);
        A::storeN(out.data(), A::loadN(x.data(), n), n);
        A::store(lanes, A::loadN(x.data(), n));
        ASSERT_TRUE(out.guardsIntact() && orvs_test::sameBits(out.data(), x.data(), n)) << n;
        for (int k = n; k < W; ++k) ASSERT_EQ(lanes[k], S(0)) << n;
    }
    for (int k = 0; k < W; ++k) sum += x[k], mx = std::max(mx, x[k]), lanes[k] = S(k % 6) - S(2.5);  // ties
    EXPECT_NEAR(A::hsum(A::load(x.data())), sum, std::fabs(sum) * 1e-5 + 1e-4);
    EXPECT_EQ(A::hmax(A::load(x.data())), mx);
    typename A::V vr, vi;
    A::deinterleave(x.data(), vr, vi);
    A::store(re, vr), A::store(im, vi), A::store(lanes, A::roundEven(A::load(lanes)));
    A::store(p, cmul<A, false>(A::load(x.data()), A::load(x.data() + W)));
    A::store(c, cmul<A, true>(A::load(x.data()), A::load(x.data() + W)));
    for (int k = 0; k < W; ++k) ASSERT_TRUE(re[k] == x[2 * k] && im[k] == x[2 * k + 1] && lanes[k] == std::nearbyint(S(k % 6) - S(2.5))) << k;
    for (int k = 0; k < W; k += 2) {
        const S ar = x[k], ai = x[k + 1], br = x[W + k], bi = x[W + k + 1];
        ASSERT_TRUE(p[k] == ar * br - ai * bi && p[k + 1] == ar * bi + ai * br) << k;
        ASSERT_TRUE(c[k] == ar * br + ai * bi && c[k + 1] == ai * br - ar * bi) << k;
    }
}

} // namespace

TEST(FloatVectors, LanesOfTheAvxTarget)
{
    checkVector<F32>();
    checkVector<F64>();
}
