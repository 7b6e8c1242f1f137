// Real FFT in single and double precision: forward and inverse against the
// long-double definition in every layout and flag, in-place, unaligned and
// buffered calls giving the same bits, and sizes at every order.
#include <gtest/gtest.h>

#include <algorithm>

#include "../transform_test_util.h"

using namespace transform_test;

namespace {

template <class T>
struct Api;

#define ORVS_RFFT_API(T, S, max, e)                                                                                    \
    template <>                                                                                                        \
    struct Api<T> {                                                                                                    \
        using Spec = OrvsFFTSpec_R_##S;                                                                                \
        using Record = Owned<Spec, orvsFFTInitAlloc_R_##S, orvsFFTFree_R_##S>;                                        \
        static constexpr int maxOrder = max;                                                                           \
        /* error bound at an order: a few units in the last place per pass */                                         \
        static double bound(int order) { return 4.0 * (e) * (order + 2); }                                             \
        static constexpr auto getSize = orvsFFTGetSize_R_##S;                                                          \
        static constexpr auto cGetSize = orvsFFTGetSize_C_##S##c;                                                      \
        static constexpr auto bufSize = orvsFFTGetBufSize_R_##S;                                                       \
        using Fn = OrvStatus (*)(const T*, T*, const Spec*, Orv8u*);                                                   \
        using FnI = OrvStatus (*)(T*, const Spec*, Orv8u*);                                                            \
        static constexpr Fn fwd[3] = {orvsFFTFwd_RToPack_##S, orvsFFTFwd_RToPerm_##S, orvsFFTFwd_RToCCS_##S};         \
        static constexpr Fn inv[3] = {orvsFFTInv_PackToR_##S, orvsFFTInv_PermToR_##S, orvsFFTInv_CCSToR_##S};         \
        static constexpr FnI fwdI[3] = {orvsFFTFwd_RToPack_##S##_I, orvsFFTFwd_RToPerm_##S##_I, orvsFFTFwd_RToCCS_##S##_I}; \
        static constexpr FnI invI[3] = {orvsFFTInv_PackToR_##S##_I, orvsFFTInv_PermToR_##S##_I, orvsFFTInv_CCSToR_##S##_I}; \
    };
ORVS_RFFT_API(float, 32f, 27, 5.96e-8)
ORVS_RFFT_API(double, 64f, 26, 1.11e-16)

std::vector<CLD> scaled(std::vector<CLD> v, LD f)
{
    for (auto& x : v) x *= f;
    return v;
}

} // namespace

template <class T>
class RealFft : public ::testing::Test {};
using Precisions = ::testing::Types<float, double>;
TYPED_TEST_SUITE(RealFft, Precisions);

// Every layout and flag, forward and inverse against the definition: the
// layouts hold the same numbers, CCS keeps its unused slots zero, and its
// inverse ignores them. In place, unaligned and with a misaligned work
// buffer: the bits of the aligned out-of-place calls, nothing written
// outside the data.
TYPED_TEST(RealFft, MatchesDefinitionInPlaceUnalignedAndBuffered)
{
    using T = TypeParam;
    using A = Api<T>;
    for (int order = 0; order <= (quick() ? 14 : 20); ++order) {
        const int n = 1 << order;
        const auto x = randomVector<T>(n, 500 + order, -1.0, 1.0);
        const auto ref = halfSpectrum(x);
        const auto h = unpackLayout(randomVector<T>(n + 2, 60 + order, -1.0, 1.0).data(), n, kCcs);
        const auto signal = inverseFromHalf(h, n);
        // The largest orders run one flag only, to keep the run short.
        for (int flag : order > 16 ? std::vector<int>{2} : std::vector<int>{1, 2, 4, 8}) {
            typename A::Record rec(order, flag);
            int w = 0;
            ASSERT_EQ(A::bufSize(rec.p, &w), orvStsOk);
            Guarded<Orv8u> buf(w, 3);
            const auto want = scaled(std::vector<CLD>(signal.begin(), signal.end()), normFactor(flag, n, true));
            std::vector<CLD> first;
            for (int layout = 0; layout < 3; ++layout) {
                const int len = layoutLength(n, layout);
                const std::string at = "order " + std::to_string(order) + " flag " + std::to_string(flag) + " " + layoutName(layout);
                auto packed = packLayout<T>(h, n, layout);
                if (layout == kCcs) packed[1] = T(1e6), packed[len - 1] = T(-3e5);
                std::vector<T> spec(len, T(7)), back(n);
                ASSERT_EQ(A::fwd[layout](x.data(), spec.data(), rec.p, nullptr), orvStsOk);
                ASSERT_EQ(A::inv[layout](packed.data(), back.data(), rec.p, nullptr), orvStsOk);
                const auto got = unpackLayout(spec.data(), n, layout);
                EXPECT_LE(relRms(scaled(ref, normFactor(flag, n, false)), got.data()), A::bound(order)) << at;
                if (layout == kCcs) EXPECT_TRUE(spec[1] == T(0) && spec[len - 1] == T(0)) << at;
                if (layout == 0) first = got;
                EXPECT_EQ(got, first) << at;
                EXPECT_LE(relRms(want, back.data()), A::bound(order)) << at;

                const std::size_t off = 1 + order % 3;
                Guarded<T> src(n, off), dst(len, off + 1), inPlace(len, off);
                src.assign(x);
                inPlace.assign(x);
                ASSERT_EQ(A::fwd[layout](src.data(), dst.data(), rec.p, w ? buf.data() : nullptr), orvStsOk);
                ASSERT_EQ(A::fwdI[layout](inPlace.data(), rec.p, nullptr), orvStsOk);
                EXPECT_TRUE(sameBits(dst.data(), spec.data(), len) && sameBits(inPlace.data(), spec.data(), len)) << at;
                inPlace.assign(packed);
                ASSERT_EQ(A::invI[layout](inPlace.data(), rec.p, w ? buf.data() : nullptr), orvStsOk);
                EXPECT_TRUE(sameBits(inPlace.data(), back.data(), n)) << at;
                EXPECT_TRUE(src.guardsIntact() && dst.guardsIntact() && inPlace.guardsIntact() && buf.guardsIntact()) << at;
            }
        }
    }
}

// The sizes, from the complex record of half the length.
TYPED_TEST(RealFft, SizesFromTheHalfLengthComplexRecord)
{
    using T = TypeParam;
    using A = Api<T>;
    const auto a32 = [](long long v) { return (v + 31) / 32 * 32; };
    for (int order = 0; order <= A::maxOrder; ++order) {
        int s = -1, i = -1, w = -1, cs = 0, ci = 0, cw = 0;
        ASSERT_EQ(A::getSize(order, ORV_FFT_NORM_INV_N, orvHintNone, &s, &i, &w), orvStsOk);
        const long long n = 1LL << order;
        if (order <= 4) {
            EXPECT_TRUE(s == 168 && i == 0 && w == 0) << order;
            continue;
        }
        ASSERT_EQ(A::cGetSize(order - 1, ORV_FFT_NORM_NONE, orvHintNone, &cs, &ci, &cw), orvStsOk);
        const long long tables = 2 * a32(n / 2 * (long long)sizeof(T));
        EXPECT_EQ(s, (order - 1 >= 6 ? cs - 192 : 0) + tables + 192) << "order " << order;
        EXPECT_EQ(i, order > 10 ? a32((n / 4 + 1) * (long long)sizeof(T)) + 32 : 0) << "order " << order;
        EXPECT_EQ(w, cw) << "order " << order;
        if (sizeof(T) == 4 && order >= 7 && order <= 18) {
            const long long h = n / 2;
            EXPECT_EQ(s, a32(8 * h + 8) + a32(h + 4) + 2 * a32(2 * n) + 192);
            EXPECT_EQ(w, a32(8 * h) + 32);
        }
    }
}
