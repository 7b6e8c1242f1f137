// Integer complex FFTs (16sc, 16s, 32sc, 32s): every output within one unit
// of the exact transform, normalised, scaled by 2^-scaleFactor, rounded and
// saturated, on both 16-bit paths, in place and out of place.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

#include "../transform_test_util.h"

using namespace transform_test;

namespace {

using I16c = ORVS_FFT_FRONT(false, 16sc, Orv16sc, _Sfs, _ISfs);
using I16s = ORVS_FFT_FRONT(true, 16s, Orv16sc, _Sfs, _ISfs);
using I32c = ORVS_FFT_FRONT(false, 32sc, Orv32sc, _Sfs, _ISfs);
using I32s = ORVS_FFT_FRONT(true, 32s, Orv32sc, _Sfs, _ISfs);

template <class Int>
LD expectedValue(LD v, int sf)
{
    const LD r = nearbyintl(ldexpl(v, -sf));
    const LD hi = sizeof(Int) == 2 ? 32767.0L : 2147483647.0L, lo = -hi - 1;
    return r > hi ? hi : r < lo ? lo : r;
}

} // namespace

template <class T>
class FftInt : public ::testing::Test {};
using IntKinds = ::testing::Types<I16c, I16s, I32c, I32s>;
TYPED_TEST_SUITE(FftInt, IntKinds);

TYPED_TEST(FftInt, WithinOneUnitOfScaledExactResult)
{
    using T = TypeParam;
    using Int = typename T::Part;
    for (int order = 0; order <= (quick() ? 9 : 12); ++order)
        for (int hint = 0; hint <= 2; hint += (order <= 3 ? 1 : 2))
            for (int flag : {1, 2, 4, 8}) {
                typename T::Rec r(order, flag, hint);
                ASSERT_EQ(r.status, orvStsOk);
                int w = 0;
                ASSERT_EQ(T::bufSize(r.p, &w), orvStsOk);
                Guarded<Orv8u> buf(w, 5);
                const std::size_t n = std::size_t(1) << order;
                // Full-range 16-bit data; 32-bit data kept where the sums stay exact in double.
                auto x = randomVector<typename T::Elem>(n, 900 + order * 7 + flag);
                if (sizeof(Int) == 4)
                    for (auto& v : x) v.re >>= 4, v.im >>= 4;
                for (int inv = 0; inv < 2; ++inv) {
                    const auto ref = referenceFft(toCld(x), inv);
                    const LD f = normFactor(flag, n, inv);
                    for (int sf : {-1, 0, 1, order / 2 + 2})
                        for (int inPlace = 0; inPlace < 2; ++inPlace) {
                            std::vector<typename T::Elem> y;
                            ASSERT_EQ(T::run(inv, inPlace, 1, x, y, r.p, order % 2 ? buf.data() : nullptr, sf), orvStsOk);
                            for (std::size_t k = 0; k < n; ++k) {
                                const LD er = expectedValue<Int>(ref[k].real() * f, sf);
                                const LD ei = expectedValue<Int>(ref[k].imag() * f, sf);
                                ASSERT_LE(std::max(fabsl(er - y[k].re), fabsl(ei - y[k].im)), 1)
                                    << "order " << order << " hint " << hint << " flag " << flag << " inv " << inv
                                    << " sf " << sf << " in place " << inPlace << " k " << k;
                            }
                        }
                    // INT_MIN/INT_MAX give the status and bits of -2000/+2000 (no wrap on a valid record).
                    for (auto [extreme, far] : {std::pair{INT_MIN, -2000}, std::pair{INT_MAX, 2000}}) {
                        std::vector<typename T::Elem> a, b;
                        EXPECT_EQ(T::run(inv, order % 2, 0, x, a, r.p, nullptr, extreme), T::run(inv, order % 2, 0, x, b, r.p, nullptr, far));
                        EXPECT_TRUE(sameBits(a.data(), b.data(), a.size())) << "order " << order << " hint " << hint << " sf " << extreme;
                    }
                }
                EXPECT_TRUE(buf.guardsIntact());
            }
}

// Order 0 scales the single element, rounding halves upward, and saturates.
TEST(FftIntEdges, OrderZeroScales)
{
    OrvsFFTSpec_C_16sc* rec = nullptr;
    ASSERT_EQ(orvsFFTInitAlloc_C_16sc(&rec, 0, 8, orvHintNone), orvStsOk);
    Orv16sc x{5, -3}, y{0, 0}, big{20000, -20000}, z{0, 0};
    ASSERT_EQ(orvsFFTFwd_CToC_16sc_Sfs(&x, &y, rec, 1, nullptr), orvStsOk);
    ASSERT_EQ(orvsFFTInv_CToC_16sc_Sfs(&big, &z, rec, -1, nullptr), orvStsOk);
    EXPECT_TRUE(y.re == 3 && y.im == -1 && z.re == 32767 && z.im == -32768);
    orvsFFTFree_C_16sc(rec);
}
