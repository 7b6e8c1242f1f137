// Integer real FFTs (R_16s, R_32s, R_16s32s): every output within one unit
// of the definition scaled by the flag and by 2^-scaleFactor, rounded and
// saturated; the fixed-point and floating paths of R_16s; order 0; sizes;
// argument checks.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>

#include "rfft_test_util.h"
#include "test_util.h"

using namespace rfft_test;
using orvs_test::Unaligned;

namespace {

LD flagFactor(int flag, int n, bool forward)
{
    switch (flag) {
    case ORV_FFT_NORM_FWD_N: return forward ? 1.0L / n : 1.0L;
    case ORV_FFT_NORM_INV_N: return forward ? 1.0L : 1.0L / n;
    case ORV_FFT_NORM_SQRT_N: return 1.0L / sqrtl(static_cast<LD>(n));
    default: return 1.0L;
    }
}

template <class I>
LD saturated(LD v)
{
    const LD lo = std::numeric_limits<I>::min(), hi = std::numeric_limits<I>::max();
    return std::min(hi, std::max(lo, nearbyintl(v)));
}

template <class I>
std::vector<I> randomInts(int n, std::uint32_t seed, int range)
{
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> d(-range, range);
    std::vector<I> v(n);
    for (auto& x : v) x = static_cast<I>(d(rng));
    return v;
}

// Expected integer layout of the forward transform, from the exact half
// spectrum of the input.
template <class O>
std::vector<LD> expectedForward(std::vector<CLD> h, int n, int flag, int sf, int layout)
{
    const LD f = flagFactor(flag, n, true) * ldexpl(1.0L, -sf);
    for (auto& v : h) v = CLD(saturated<O>(v.real() * f), saturated<O>(v.imag() * f));
    auto packed = packLayout<LD>(h, n, layout);
    return packed;
}

// Expected inverse, from the exact unscaled inverse of the spectrum.
template <class O>
std::vector<LD> expectedInverse(std::vector<LD> x, int n, int flag, int sf)
{
    const LD f = flagFactor(flag, n, false) * ldexpl(1.0L, -sf);
    for (auto& v : x) v = saturated<O>(v * f);
    return x;
}

template <class O>
void expectWithinOne(const O* got, const std::vector<LD>& want, const std::string& what)
{
    for (std::size_t i = 0; i < want.size(); ++i)
        ASSERT_LE(fabsl(static_cast<LD>(got[i]) - want[i]), 1.0L) << what << " index " << i;
}

std::string describe(const char* kind, int order, int flag, int hint, int sf, int layout)
{
    return std::string(kind) + " order " + std::to_string(order) + " flag " + std::to_string(flag) + " hint " +
           std::to_string(hint) + " sf " + std::to_string(sf) + " " + layoutName(layout);
}

using Fwd16 = OrvStatus (*)(const Orv16s*, Orv16s*, const OrvsFFTSpec_R_16s*, int, Orv8u*);
using Fwd16I = OrvStatus (*)(Orv16s*, const OrvsFFTSpec_R_16s*, int, Orv8u*);
constexpr Fwd16 kFwd16[3] = {orvsFFTFwd_RToPack_16s_Sfs, orvsFFTFwd_RToPerm_16s_Sfs, orvsFFTFwd_RToCCS_16s_Sfs};
constexpr Fwd16 kInv16[3] = {orvsFFTInv_PackToR_16s_Sfs, orvsFFTInv_PermToR_16s_Sfs, orvsFFTInv_CCSToR_16s_Sfs};
constexpr Fwd16I kFwd16I[3] = {orvsFFTFwd_RToPack_16s_ISfs, orvsFFTFwd_RToPerm_16s_ISfs, orvsFFTFwd_RToCCS_16s_ISfs};
constexpr Fwd16I kInv16I[3] = {orvsFFTInv_PackToR_16s_ISfs, orvsFFTInv_PermToR_16s_ISfs, orvsFFTInv_CCSToR_16s_ISfs};

using Fwd32 = OrvStatus (*)(const Orv32s*, Orv32s*, const OrvsFFTSpec_R_32s*, int, Orv8u*);
using Fwd32I = OrvStatus (*)(Orv32s*, const OrvsFFTSpec_R_32s*, int, Orv8u*);
constexpr Fwd32 kFwd32[3] = {orvsFFTFwd_RToPack_32s_Sfs, orvsFFTFwd_RToPerm_32s_Sfs, orvsFFTFwd_RToCCS_32s_Sfs};
constexpr Fwd32 kInv32[3] = {orvsFFTInv_PackToR_32s_Sfs, orvsFFTInv_PermToR_32s_Sfs, orvsFFTInv_CCSToR_32s_Sfs};
constexpr Fwd32I kFwd32I[3] = {orvsFFTFwd_RToPack_32s_ISfs, orvsFFTFwd_RToPerm_32s_ISfs, orvsFFTFwd_RToCCS_32s_ISfs};
constexpr Fwd32I kInv32I[3] = {orvsFFTInv_PackToR_32s_ISfs, orvsFFTInv_PermToR_32s_ISfs, orvsFFTInv_CCSToR_32s_ISfs};

TEST(RealFft16s, WithinOneUnitOfTheScaledDefinition)
{
    const int maxOrder = quick() ? 8 : 11;
    for (int order = 0; order <= maxOrder; ++order) {
        const int n = 1 << order;
        const auto x = randomInts<Orv16s>(n, 11 * order, 32767);
        const auto exact = halfSpectrum(x);
        std::vector<std::vector<Orv16s>> spectra;
        std::vector<std::vector<LD>> exactInverse;
        for (int layout = 0; layout < 3; ++layout) {
            spectra.push_back(randomInts<Orv16s>(layoutLength(n, layout), order + 5 * layout, 20000));
            exactInverse.push_back(inverseFromHalf(unpackLayout(spectra.back().data(), n, layout), n));
        }
        for (int hint : {0, 1, 2}) {
            if (hint == 1 && order > 3) continue;
            for (int flag : {1, 2, 4, 8}) {
                OrvsFFTSpec_R_16s* spec = nullptr;
                ASSERT_EQ(orvsFFTInitAlloc_R_16s(&spec, order, flag, static_cast<OrvHintAlgorithm>(hint)), orvStsOk);
                // Scale factors that keep most bins in range; at small orders
                // (where single precision is exact to well below one unit)
                // also one that saturates and a negative one.
                const std::vector<int> sfs = order <= 4 ? std::vector<int>{order, order / 2, 0, -2}
                                                        : std::vector<int>{order, order / 2};
                for (int sf : sfs) {
                    for (int layout = 0; layout < 3; ++layout) {
                        Unaligned<Orv16s> out(layoutLength(n, layout));
                        ASSERT_EQ(kFwd16[layout](x.data(), out.data(), spec, sf, nullptr), orvStsOk);
                        expectWithinOne(out.data(), expectedForward<Orv16s>(exact, n, flag, sf, layout),
                                        describe("forward", order, flag, hint, sf, layout));
                        std::vector<Orv16s> inplace(layoutLength(n, layout));
                        std::copy(x.begin(), x.end(), inplace.begin());
                        ASSERT_EQ(kFwd16I[layout](inplace.data(), spec, sf, nullptr), orvStsOk);
                        EXPECT_TRUE(std::equal(inplace.begin(), inplace.end(), out.data()));

                        const auto& spectrum = spectra[layout];
                        std::vector<Orv16s> back(n);
                        ASSERT_EQ(kInv16[layout](spectrum.data(), back.data(), spec, sf, nullptr), orvStsOk);
                        expectWithinOne(back.data(), expectedInverse<Orv16s>(exactInverse[layout], n, flag, sf),
                                        describe("inverse", order, flag, hint, sf, layout));
                        auto inplaceInv = spectrum;
                        ASSERT_EQ(kInv16I[layout](inplaceInv.data(), spec, sf, nullptr), orvStsOk);
                        EXPECT_TRUE(std::equal(back.begin(), back.end(), inplaceInv.begin()));
                    }
                }
                ASSERT_EQ(orvsFFTFree_R_16s(spec), orvStsOk);
            }
        }
    }
}

TEST(RealFft16s, OrderZeroAndSmallCases)
{
    OrvsFFTSpec_R_16s* spec = nullptr;
    ASSERT_EQ(orvsFFTInitAlloc_R_16s(&spec, 0, ORV_FFT_NORM_NONE, orvHintNone), orvStsOk);
    Orv16s x = 5, ccs[3] = {9, 9, 9};
    ASSERT_EQ(orvsFFTFwd_RToCCS_16s_Sfs(&x, ccs, spec, 1, nullptr), orvStsOk);
    EXPECT_EQ(ccs[0], 2);  // 2.5 to even
    EXPECT_EQ(ccs[1], 0);
    EXPECT_EQ(ccs[2], 9);
    Orv16s y = 0;
    ASSERT_EQ(orvsFFTInv_PermToR_16s_Sfs(&x, &y, spec, -15, nullptr), orvStsOk);
    EXPECT_EQ(y, 32767);
    orvsFFTFree_R_16s(spec);

    // Saturation on both paths: a full-scale constant of length 8.
    for (int hint : {0, 2}) {
        ASSERT_EQ(orvsFFTInitAlloc_R_16s(&spec, 3, ORV_FFT_NORM_NONE, static_cast<OrvHintAlgorithm>(hint)), orvStsOk);
        std::vector<Orv16s> c(8, -32768), out(10);
        ASSERT_EQ(orvsFFTFwd_RToCCS_16s_Sfs(c.data(), out.data(), spec, 0, nullptr), orvStsOk);
        EXPECT_EQ(out[0], -32768);
        for (int i = 1; i < 10; ++i) EXPECT_EQ(out[i], 0) << "hint " << hint << " index " << i;
        ASSERT_EQ(orvsFFTFwd_RToCCS_16s_Sfs(c.data(), out.data(), spec, 3, nullptr), orvStsOk);
        EXPECT_EQ(out[0], -32768);
        orvsFFTFree_R_16s(spec);
    }
}

TEST(RealFft32s, WithinOneUnitOfTheScaledDefinition)
{
    const int maxOrder = quick() ? 8 : 11;
    for (int order = 0; order <= maxOrder; ++order) {
        const int n = 1 << order;
        const auto x = randomInts<Orv32s>(n, 3 * order, 1 << 28);
        const auto exact = halfSpectrum(x);
        std::vector<std::vector<Orv32s>> spectra;
        std::vector<std::vector<LD>> exactInverse;
        for (int layout = 0; layout < 3; ++layout) {
            spectra.push_back(randomInts<Orv32s>(layoutLength(n, layout), 7 * order + layout, 1 << 26));
            exactInverse.push_back(inverseFromHalf(unpackLayout(spectra.back().data(), n, layout), n));
        }
        for (int flag : {1, 2, 4, 8}) {
            OrvsFFTSpec_R_32s* spec = nullptr;
            ASSERT_EQ(orvsFFTInitAlloc_R_32s(&spec, order, flag, orvHintAccurate), orvStsOk);
            int w = 0;
            ASSERT_EQ(orvsFFTGetBufSize_R_32s(spec, &w), orvStsOk);
            Unaligned<Orv8u> buffer(w);
            for (int sf : {order + 3, 2, -1}) {
                for (int layout = 0; layout < 3; ++layout) {
                    std::vector<Orv32s> out(layoutLength(n, layout));
                    ASSERT_EQ(kFwd32[layout](x.data(), out.data(), spec, sf, buffer.data()), orvStsOk);
                    expectWithinOne(out.data(), expectedForward<Orv32s>(exact, n, flag, sf, layout),
                                    describe("forward", order, flag, 0, sf, layout));
                    std::vector<Orv32s> inplace(layoutLength(n, layout));
                    std::copy(x.begin(), x.end(), inplace.begin());
                    ASSERT_EQ(kFwd32I[layout](inplace.data(), spec, sf, nullptr), orvStsOk);
                    EXPECT_EQ(inplace, out);

                    const auto& spectrum = spectra[layout];
                    std::vector<Orv32s> back(n);
                    ASSERT_EQ(kInv32[layout](spectrum.data(), back.data(), spec, sf, buffer.data()), orvStsOk);
                    expectWithinOne(back.data(), expectedInverse<Orv32s>(exactInverse[layout], n, flag, sf),
                                    describe("inverse", order, flag, 0, sf, layout));
                    auto inplaceInv = spectrum;
                    ASSERT_EQ(kInv32I[layout](inplaceInv.data(), spec, sf, nullptr), orvStsOk);
                    EXPECT_TRUE(std::equal(back.begin(), back.end(), inplaceInv.begin()));
                }
            }
            ASSERT_EQ(orvsFFTFree_R_32s(spec), orvStsOk);
        }
    }
}

TEST(RealFft16s32s, WithinOneUnitOfTheScaledDefinition)
{
    const int maxOrder = quick() ? 8 : 12;
    for (int order = 0; order <= maxOrder; ++order) {
        const int n = 1 << order;
        const auto x = randomInts<Orv16s>(n, 5 * order, 32767);
        const auto exact = halfSpectrum(x);
        const auto spectrum = randomInts<Orv32s>(layoutLength(n, kCcs), order, 1 << 20);
        const auto exactInverse = inverseFromHalf(unpackLayout(spectrum.data(), n, kCcs), n);
        for (int flag : {1, 2, 4, 8}) {
            OrvsFFTSpec_R_16s32s* spec = nullptr;
            ASSERT_EQ(orvsFFTInitAlloc_R_16s32s(&spec, order, flag, orvHintNone), orvStsOk);
            // Single precision keeps 24 bits: scale the 32-bit spectrum so
            // one unit is above the rounding error of the transform.
            for (int sf : {order / 2 + 2, order + 4}) {
                std::vector<Orv32s> out(layoutLength(n, kCcs));
                ASSERT_EQ(orvsFFTFwd_RToCCS_16s32s_Sfs(x.data(), out.data(), spec, sf, nullptr), orvStsOk);
                expectWithinOne(out.data(), expectedForward<Orv32s>(exact, n, flag, sf, kCcs),
                                describe("forward", order, flag, 0, sf, kCcs));

                std::vector<Orv16s> back(n);
                const int isf = order + 6;
                ASSERT_EQ(orvsFFTInv_CCSToR_32s16s_Sfs(spectrum.data(), back.data(), spec, isf, nullptr), orvStsOk);
                expectWithinOne(back.data(), expectedInverse<Orv16s>(exactInverse, n, flag, isf),
                                describe("inverse", order, flag, 0, isf, kCcs));
            }
            ASSERT_EQ(orvsFFTFree_R_16s32s(spec), orvStsOk);
        }
    }
}

TEST(RealFftInt, SizesAndChecks)
{
    const auto a32 = [](long long v) { return (v + 31) / 32 * 32; };
    for (int order = 0; order <= 20; ++order) {
        const long long n = 1LL << order;
        int fs = 0, fi = 0, fw = 0;
        ASSERT_EQ(orvsFFTGetSize_R_32f(order, 2, orvHintNone, &fs, &fi, &fw), orvStsOk);
        int s = 0, i = 0, w = 0;
        ASSERT_EQ(orvsFFTGetSize_R_16s(order, 2, orvHintAccurate, &s, &i, &w), orvStsOk);
        if (order == 0) {
            EXPECT_EQ(s, 104);
        } else {
            EXPECT_EQ(s, fs + 128);
            EXPECT_EQ(i, fi + 32);
            EXPECT_EQ(w, fw + 4 * n + 8 + 32);
        }
        if (order >= 1 && order <= 3) {
            ASSERT_EQ(orvsFFTGetSize_R_16s(order, 2, orvHintFast, &s, &i, &w), orvStsOk);
            EXPECT_EQ(s, a32(8 * n / 2) + a32(n / 2 + 4) + a32(8 * n) + 128);
            EXPECT_EQ(i, a32(2 * (n / 4) + 2) + 32);
            EXPECT_EQ(w, 4 * (n + 2) + 32);
        }
        ASSERT_EQ(orvsFFTGetSize_R_16s32s(order, 2, orvHintNone, &s, &i, &w), orvStsOk);
        EXPECT_EQ(s, fs + 64);
        EXPECT_EQ(i, fi ? fi + 32 : 0);
        EXPECT_EQ(w, fw + 4 * n + 8 + 32);
        int ds = 0, di = 0, dw = 0;
        ASSERT_EQ(orvsFFTGetSize_R_64f(order, 2, orvHintNone, &ds, &di, &dw), orvStsOk);
        ASSERT_EQ(orvsFFTGetSize_R_32s(order, 2, orvHintNone, &s, &i, &w), orvStsOk);
        EXPECT_EQ(s, ds + 64);
        EXPECT_EQ(i, di ? di + 32 : 0);
        EXPECT_EQ(w, dw + 8 * n + 32);
    }
    int s, i, w;
    EXPECT_EQ(orvsFFTGetSize_R_16s(28, 2, orvHintNone, &s, &i, &w), orvStsErrFftOrder);
    EXPECT_EQ(orvsFFTGetSize_R_32s(27, 2, orvHintNone, &s, &i, &w), orvStsErrFftOrder);
    EXPECT_EQ(orvsFFTGetSize_R_16s32s(3, 5, orvHintNone, &s, &i, &w), orvStsErrFftFlag);

    // Records in caller memory, then type confusion and release.
    for (int order : {0, 2, 5, 12}) {
        ASSERT_EQ(orvsFFTGetSize_R_16s(order, 1, orvHintFast, &s, &i, &w), orvStsOk);
        std::vector<Orv8u> mem(s), init(i), buf(w);
        OrvsFFTSpec_R_16s* spec = nullptr;
        ASSERT_EQ(orvsFFTInit_R_16s(&spec, order, 1, orvHintFast, mem.data() + 1, init.data()), orvStsOk);
        int b = -1;
        ASSERT_EQ(orvsFFTGetBufSize_R_16s(spec, &b), orvStsOk);
        EXPECT_EQ(b, order == 0 ? 0 : w);
        std::vector<Orv16s> x(1 << order, 100), y((1 << order) + 2);
        EXPECT_EQ(orvsFFTFwd_RToCCS_16s_Sfs(x.data(), y.data(), spec, 0, buf.data()), orvStsOk);
        EXPECT_EQ(y[0], 100);  // flag 1: the mean
        EXPECT_EQ(orvsFFTFwd_RToCCS_16s_Sfs(x.data(), nullptr, spec, 0, nullptr), orvStsErrNullPtr);
        EXPECT_EQ(orvsFFTFwd_RToCCS_16s_Sfs(nullptr, y.data(), nullptr, 0, nullptr), orvStsErrNullPtr);
        const auto* wrong = reinterpret_cast<const OrvsFFTSpec_R_32s*>(spec);
        std::vector<Orv32s> xi(1 << order), yi((1 << order) + 2);
        EXPECT_EQ(orvsFFTFwd_RToCCS_32s_Sfs(xi.data(), yi.data(), wrong, 0, nullptr), orvStsErrContextMatch);
        ASSERT_EQ(orvsFFTFree_R_16s(spec), orvStsOk);
        EXPECT_EQ(orvsFFTFwd_RToCCS_16s_Sfs(x.data(), y.data(), spec, 0, nullptr), orvStsErrContextMatch);
    }
    OrvsFFTSpec_R_32s* s32 = nullptr;
    EXPECT_EQ(orvsFFTInitAlloc_R_32s(&s32, 4, 7, orvHintNone), orvStsErrFftFlag);
    std::vector<Orv8u> mem(1 << 16);
    EXPECT_EQ(orvsFFTInit_R_32s(&s32, 12, 2, orvHintNone, mem.data(), nullptr), orvStsErrNullPtr);
    OrvsFFTSpec_R_16s32s* s1632 = nullptr;
    ASSERT_EQ(orvsFFTInitAlloc_R_16s32s(&s1632, 6, 2, orvHintNone), orvStsOk);
    EXPECT_EQ(orvsFFTFree_R_32s(reinterpret_cast<OrvsFFTSpec_R_32s*>(s1632)), orvStsErrContextMatch);
    EXPECT_EQ(orvsFFTFree_R_16s32s(s1632), orvStsOk);
}

}  // namespace
