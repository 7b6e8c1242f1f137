// The float kernels: magnitude, power and phase against long-double
// references at every length up to a few 16-lane vectors and unaligned
// addresses, with overflow, underflow and special lanes anywhere in a vector;
// results that do not depend on an element's position or on the thread
// count; conjugates and packed products against the plain formulas.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <tuple>
#include <vector>

#include "complex_test_util.h"

using namespace cplx_test;

namespace {

template <class T>
class ComplexFloat : public ::testing::Test {};
using FloatTypes = ::testing::Types<float, double>;
TYPED_TEST_SUITE(ComplexFloat, FloatTypes);

} // namespace

// Each element is also computed alone (the one-element call runs the tail
// path): equal bits mean no lane depends on its neighbours or position.
TYPED_TEST(ComplexFloat, EveryLengthAgainstLongDoubleAndAlone)
{
    using T = TypeParam;
    using A = FloatApi<T>;
    using C = typename A::C;
    lengthOffsetSweep(70, 4, [](int n, int offset) {
        if (offset == 0 || offset == 2) return;  // offsets 1 and 3
        const auto re = screenParts<T>(n, 9000 + n), im = screenParts<T>(n, 9100 + n);
        Guarded<T> ur(n, offset), ui(n, offset), m1(n, offset), m2(n, offset), p1(n, offset), p2(n, offset), a1(n, offset),
            a2(n, offset), pm(n, offset), pp(n, offset);
        Guarded<C> uc(n, offset);
        ur.assign(re);
        ui.assign(im);
        for (int k = 0; k < n; ++k) uc[k] = {re[k], im[k]};
        ASSERT_EQ(A::mag(ur.data(), ui.data(), m1.data(), n), orvStsOk);
        ASSERT_EQ(A::magC(uc.data(), m2.data(), n), orvStsOk);
        ASSERT_EQ(A::pow(ur.data(), ui.data(), p1.data(), n), orvStsOk);
        ASSERT_EQ(A::powC(uc.data(), p2.data(), n), orvStsOk);
        ASSERT_EQ(A::phase(ur.data(), ui.data(), a1.data(), n), orvStsOk);
        ASSERT_EQ(A::phaseC(uc.data(), a2.data(), n), orvStsOk);
        ASSERT_EQ(A::polar(uc.data(), pm.data(), pp.data(), n), orvStsOk);
        for (auto* g : {&m1, &m2, &p1, &p2, &a1, &a2, &pm, &pp}) ASSERT_TRUE(g->guardsIntact()) << n;
        for (int k = 0; k < n; ++k) {
            const T x = re[k], y = im[k];
            const long double angle = std::atan2((long double)y, (long double)x);
            // a NaN part gives NaN, even beside an infinite one (the root of the sum of squares)
            const long double h = x != x || y != y ? NAN : std::hypot((long double)x, (long double)y);
            ASSERT_LE(ulpError<T>(m1[k], h), 1.5) << n << " (" << x << ", " << y << ")";
            ASSERT_LE(ulpError<T>(a1[k], angle), 2.0) << n << " (" << x << ", " << y << ")";
            if (angle == 0) ASSERT_EQ(std::signbit(a1[k]), std::signbit(y));  // the sign of a zero angle
            const T pw = x * x + y * y;  // each square and the sum rounded in T
            ASSERT_TRUE(sameBits(p1[k], pw) || (std::isnan(pw) && std::isnan(p1[k]))) << n << " " << k;
            T one[4];
            const C c1 = {x, y};
            ASSERT_EQ(A::mag(&x, &y, &one[0], 1), orvStsOk);
            ASSERT_EQ(A::magC(&c1, &one[1], 1), orvStsOk);
            ASSERT_EQ(A::phase(&x, &y, &one[2], 1), orvStsOk);
            ASSERT_EQ(A::phaseC(&c1, &one[3], 1), orvStsOk);
            ASSERT_TRUE(sameBits(m1[k], one[0]) && sameBits(m2[k], one[1]) && sameBits(m1[k], m2[k])) << n << " " << k;
            ASSERT_TRUE(sameBits(a1[k], one[2]) && sameBits(a2[k], one[3]) && sameBits(a1[k], a2[k])) << n << " " << k;
            ASSERT_TRUE(sameBits(p1[k], p2[k]) && sameBits(pm[k], m2[k]) && sameBits(pp[k], a2[k])) << n << " " << k;
        }
    });
}

// A dense sweep of angles around the range boundaries of the arctangent.
TEST(ComplexFloatPhase, SweepAroundTheCircle)
{
    const int n = quick() ? 20000 : 200000;
    std::vector<float> re(n), im(n), d(n);
    std::vector<double> re64(n), im64(n), d64(n);
    for (int k = 0; k < n; ++k) {
        const double t = -3.2 + 6.4 * k / n, r = std::ldexp(1.0, (k % 41) - 20);
        re[k] = float(re64[k] = r * std::cos(t));
        im[k] = float(im64[k] = r * std::sin(t));
    }
    ASSERT_EQ(orvsPhase_32f(re.data(), im.data(), d.data(), n), orvStsOk);
    ASSERT_EQ(orvsPhase_64f(re64.data(), im64.data(), d64.data(), n), orvStsOk);
    for (int k = 0; k < n; ++k) {
        ASSERT_LE(ulpError<float>(d[k], std::atan2((long double)im[k], (long double)re[k])), 2.0) << k;
        ASSERT_LE(ulpError<double>(d64[k], std::atan2((long double)im64[k], (long double)re64[k])), 2.0) << k;
    }
}

// Every magnitude entry gives the same bits with 1, 2 and 4 configured
// threads, below and above its split threshold.
TEST(ComplexThreads, MagnitudesSameForEveryThreadCount)
{
    for (int n : {255, 256, 2047, 2048, 4095, 4097}) {
        const auto c32 = randomVector<Orv32fc>(n, 1500 + n);
        const auto c64 = randomVector<Orv64fc>(n, 1600 + n);
        const auto c16 = randomVector<Orv16sc>(n, 1700 + n);
        const auto w32 = randomVector<Orv32sc>(n, 1800 + n);
        const auto re = randomVector<Orv32f>(n, 1900 + n), im = randomVector<Orv32f>(n, 2000 + n);
        const auto re16 = randomVector<Orv16s>(n, 2100 + n), im16 = randomVector<Orv16s>(n, 2200 + n);
        const auto re64 = randomVector<Orv64f>(n, 2300 + n), im64 = randomVector<Orv64f>(n, 2400 + n);
        auto runAll = [&] {
            std::vector<Orv32f> f(4 * n);
            std::vector<Orv64f> g(2 * n);
            std::vector<Orv16s> h(2 * n);
            std::vector<Orv32s> w(n);
            const OrvStatus st = orvsMagnitude_32fc(c32.data(), f.data(), n) | orvsMagnitude_32f(re.data(), im.data(), f.data() + n, n) |
                                 orvsMagnitude_16sc32f(c16.data(), f.data() + 2 * n, n) | orvsMagnitude_16s32f(re16.data(), im16.data(), f.data() + 3 * n, n) |
                                 orvsMagnitude_64fc(c64.data(), g.data(), n) | orvsMagnitude_64f(re64.data(), im64.data(), g.data() + n, n) |
                                 orvsMagnitude_16sc_Sfs(c16.data(), h.data(), n, 1) | orvsMagnitude_16s_Sfs(re16.data(), im16.data(), h.data() + n, n, -1) |
                                 orvsMagnitude_32sc_Sfs(w32.data(), w.data(), n, 2);
            EXPECT_EQ(st, orvStsOk);
            return std::make_tuple(f, g, h, w);
        };
        std::vector<decltype(runAll())> results;
        for (int t : {1, 2, 4}) {
            ThreadCount tc(t);
            results.push_back(runAll());
        }
        EXPECT_TRUE(results[0] == results[1] && results[0] == results[2]) << n;
    }
}
