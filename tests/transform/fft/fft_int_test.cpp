// Integer complex FFTs (16sc, 16s, 32sc, 32s): every output within one unit
// of the exact transform, normalised, scaled by 2^-scaleFactor, rounded and
// saturated, on both 16-bit paths, in place and out of place.
#include <gtest/gtest.h>

#include <algorithm>

#include "../transform_test_util.h"

using namespace transform_test;

namespace {

// Data kept interleaved (re, im per element) in guarded buffers one element
// off alignment; the split types (C = Int) are split around each call.
template <class S, class Int, class C, auto Alloc, auto Free, auto Buf, auto Fwd, auto Inv, auto FwdI, auto InvI>
struct IntFront {
    using Spec = S;
    using Value = Int;
    static OrvStatus alloc(S** s, int o, int f, int h) { return Alloc(s, o, f, OrvHintAlgorithm(h)); }
    static OrvStatus free(S* s) { return Free(s); }
    static OrvStatus bufSize(const S* s, int* b) { return Buf(s, b); }
    static OrvStatus run(bool inv, bool inPlace, const std::vector<Int>& x, std::vector<Int>& y, const S* s, int sf, Orv8u* b)
    {
        const std::size_t n = x.size() / 2;
        OrvStatus st;
        if constexpr (std::is_same_v<C, Int>) {
            Guarded<Int> re(n, 1), im(n, 1), ore(n, 1), oim(n, 1);
            for (std::size_t i = 0; i < n; ++i) re[i] = x[2 * i], im[i] = x[2 * i + 1];
            st = inPlace ? (inv ? InvI : FwdI)(re.data(), im.data(), s, sf, b)
                         : (inv ? Inv : Fwd)(re.data(), im.data(), ore.data(), oim.data(), s, sf, b);
            for (std::size_t i = 0; i < n; ++i) y[2 * i] = inPlace ? re[i] : ore[i], y[2 * i + 1] = inPlace ? im[i] : oim[i];
            EXPECT_TRUE(re.guardsIntact() && im.guardsIntact() && ore.guardsIntact() && oim.guardsIntact());
        } else {
            Guarded<C> in(n, 1), out(n, 1);
            std::memcpy(in.data(), x.data(), n * sizeof(C));
            st = inPlace ? (inv ? InvI : FwdI)(in.data(), s, sf, b) : (inv ? Inv : Fwd)(in.data(), out.data(), s, sf, b);
            std::memcpy(y.data(), inPlace ? in.data() : out.data(), n * sizeof(C));
            EXPECT_TRUE(in.guardsIntact() && out.guardsIntact());
        }
        return st;
    }
};

#define ORVS_INT_FRONT(S, Int, C, I)                                                                                        \
    IntFront<OrvsFFTSpec_C_##S, Int, C, orvsFFTInitAlloc_C_##S, orvsFFTFree_C_##S, orvsFFTGetBufSize_C_##S,                \
             orvsFFTFwd_CToC_##S##_Sfs, orvsFFTInv_CToC_##S##_Sfs, orvsFFTFwd_CToC_##S##_##I, orvsFFTInv_CToC_##S##_##I>
using I16c = ORVS_INT_FRONT(16sc, Orv16s, Orv16sc, ISfs);
using I16s = ORVS_INT_FRONT(16s, Orv16s, Orv16s, ISfs);
using I32c = ORVS_INT_FRONT(32sc, Orv32s, Orv32sc, ISfs);
using I32s = ORVS_INT_FRONT(32s, Orv32s, Orv32s, ISfs);

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
    using Int = typename T::Value;
    for (int order = 0; order <= (quick() ? 9 : 12); ++order)
        for (int hint = 0; hint <= 2; hint += (order <= 3 ? 1 : 2))
            for (int flag : {1, 2, 4, 8}) {
                typename T::Spec* rec = nullptr;
                ASSERT_EQ(T::alloc(&rec, order, flag, hint), orvStsOk);
                int w = 0;
                ASSERT_EQ(T::bufSize(rec, &w), orvStsOk);
                Guarded<Orv8u> buf(w, 5);
                const std::size_t n = std::size_t(1) << order;
                // Full-range 16-bit data; 32-bit data kept where the sums stay exact in double.
                auto raw = randomVector<Int>(2 * n, 900 + order * 7 + flag);
                if (sizeof(Int) == 4)
                    for (auto& v : raw) v >>= 4;
                std::vector<CLD> xl(n);
                for (std::size_t i = 0; i < n; ++i) xl[i] = CLD(raw[2 * i], raw[2 * i + 1]);
                for (int inv = 0; inv < 2; ++inv) {
                    const auto ref = referenceFft(xl, inv);
                    const LD f = normFactor(flag, n, inv);
                    for (int sf : {-1, 0, 1, order / 2 + 2})
                        for (int inPlace = 0; inPlace < 2; ++inPlace) {
                            std::vector<Int> y(2 * n);
                            ASSERT_EQ(T::run(inv, inPlace, raw, y, rec, sf, order % 2 ? buf.data() : nullptr), orvStsOk);
                            for (std::size_t k = 0; k < n; ++k) {
                                const LD er = expectedValue<Int>(ref[k].real() * f, sf);
                                const LD ei = expectedValue<Int>(ref[k].imag() * f, sf);
                                ASSERT_LE(std::max(fabsl(er - y[2 * k]), fabsl(ei - y[2 * k + 1])), 1)
                                    << "order " << order << " hint " << hint << " flag " << flag << " inv " << inv
                                    << " sf " << sf << " in place " << inPlace << " k " << k;
                            }
                        }
                }
                EXPECT_TRUE(buf.guardsIntact());
                ASSERT_EQ(T::free(rec), orvStsOk);
            }
}

// Order 0 scales the single element, rounding halves upward, and saturates.
TEST(FftIntEdges, OrderZeroScales)
{
    OrvsFFTSpec_C_16sc* rec = nullptr;
    ASSERT_EQ(orvsFFTInitAlloc_C_16sc(&rec, 0, 8, orvHintNone), orvStsOk);
    Orv16sc x{5, -3}, y{0, 0};
    ASSERT_EQ(orvsFFTFwd_CToC_16sc_Sfs(&x, &y, rec, 1, nullptr), orvStsOk);
    EXPECT_EQ(y.re, 3);
    EXPECT_EQ(y.im, -1);
    x = {20000, -20000};
    ASSERT_EQ(orvsFFTInv_CToC_16sc_Sfs(&x, &y, rec, -1, nullptr), orvStsOk);
    EXPECT_EQ(y.re, 32767);
    EXPECT_EQ(y.im, -32768);
    orvsFFTFree_C_16sc(rec);
}
