// Integer real FFTs (R_16s, R_32s, R_16s32s): every output within one unit
// of the definition scaled by the flag and by 2^-scaleFactor, rounded and
// saturated, on the fixed-point and floating paths of R_16s, in place and
// out of place, with INT_MIN/INT_MAX acting like far factors; ties at order
// 0; sizes at every order.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <functional>
#include <limits>

#include "../transform_test_util.h"

using namespace transform_test;

namespace {

template <class I>
LD saturated(LD v)
{
    return std::clamp(nearbyintl(v), LD(std::numeric_limits<I>::min()), LD(std::numeric_limits<I>::max()));
}

template <class O>
void expectWithinOne(const O* got, const std::vector<LD>& want, const std::string& what)
{
    for (std::size_t i = 0; i < want.size(); ++i)
        ASSERT_LE(fabsl(LD(got[i]) - want[i]), 1.0L) << what << " index " << i;
}

// One record type: signals of Sig, spectra of Spc; the in-place forms exist
// when both are one type. Scale factors per order keep one unit above the
// rounding error of the floating path.
template <class S, class Sig, class Spc>
struct Case {
    OrvStatus (*alloc)(S**, int, int, OrvHintAlgorithm);
    OrvStatus (*release)(S*);
    std::vector<int> hints, layouts;
    int maxOrder, signalRange, spectrumRange;
    std::function<std::vector<int>(int order)> fwdSfs, invSfs;
    OrvStatus (*fwd[3])(const Sig*, Spc*, const S*, int, Orv8u*);
    OrvStatus (*inv[3])(const Spc*, Sig*, const S*, int, Orv8u*);
    OrvStatus (*fwdI[3])(Sig*, const S*, int, Orv8u*);
    OrvStatus (*invI[3])(Spc*, const S*, int, Orv8u*);
};

template <class S, class Sig, class Spc>
void checkWithinOne(const Case<S, Sig, Spc>& c)
{
    for (int order = 0; order <= (quick() ? 8 : c.maxOrder); ++order) {
        const int n = 1 << order;
        const auto x = smallInts<Sig>(n, 11 * order, c.signalRange);
        const auto exact = halfSpectrum(x);
        for (int hint : c.hints) {
            if (hint == orvHintFast && order > 3) continue;  // the fixed-point path ends at order 3
            for (int flag : {1, 2, 4, 8}) {
                S* spec = nullptr;
                ASSERT_EQ(c.alloc(&spec, order, flag, OrvHintAlgorithm(hint)), orvStsOk);
                for (int layout : c.layouts) {
                    const int len = layoutLength(n, layout);
                    const std::string at = "order " + std::to_string(order) + " flag " + std::to_string(flag) +
                                           " hint " + std::to_string(hint) + " " + layoutName(layout);
                    for (int sf : c.fwdSfs(order)) {
                        auto h = exact;
                        const LD f = normFactor(flag, n, false) * ldexpl(1.0L, -sf);
                        for (auto& v : h) v = CLD(saturated<Spc>(v.real() * f), saturated<Spc>(v.imag() * f));
                        Guarded<Spc> out(len, 1);
                        ASSERT_EQ(c.fwd[layout](x.data(), out.data(), spec, sf, nullptr), orvStsOk);
                        expectWithinOne(out.data(), packLayout<LD>(h, n, layout), "forward sf " + std::to_string(sf) + " " + at);
                        EXPECT_TRUE(out.guardsIntact()) << at;
                        if constexpr (std::is_same_v<Sig, Spc>) {
                            std::vector<Sig> inPlace(len);
                            std::copy(x.begin(), x.end(), inPlace.begin());
                            ASSERT_EQ(c.fwdI[layout](inPlace.data(), spec, sf, nullptr), orvStsOk);
                            EXPECT_TRUE(sameBits(inPlace.data(), out.data(), len)) << at;
                        }
                    }
                    const auto spectrum = smallInts<Spc>(len, order + 5 * layout, c.spectrumRange);
                    const auto exactInverse = inverseFromHalf(unpackLayout(spectrum.data(), n, layout), n);
                    for (int sf : c.invSfs(order)) {
                        std::vector<LD> want(exactInverse);
                        for (auto& v : want) v = saturated<Sig>(v * normFactor(flag, n, true) * ldexpl(1.0L, -sf));
                        Guarded<Sig> back(n, 1);
                        ASSERT_EQ(c.inv[layout](spectrum.data(), back.data(), spec, sf, nullptr), orvStsOk);
                        expectWithinOne(back.data(), want, "inverse sf " + std::to_string(sf) + " " + at);
                        EXPECT_TRUE(back.guardsIntact()) << at;
                        if constexpr (std::is_same_v<Sig, Spc>) {
                            auto inPlace = spectrum;
                            ASSERT_EQ(c.invI[layout](inPlace.data(), spec, sf, nullptr), orvStsOk);
                            EXPECT_TRUE(sameBits(inPlace.data(), back.data(), n)) << at;
                        }
                    }
                    // INT_MIN/INT_MAX give the status and bits of -2000/+2000 (in place shares the path).
                    for (auto [extreme, far] : {std::pair{INT_MIN, -2000}, std::pair{INT_MAX, 2000}}) {
                        std::vector<Spc> fa(len), fb(len);
                        std::vector<Sig> ia(n), ib(n);
                        EXPECT_EQ(c.fwd[layout](x.data(), fa.data(), spec, extreme, nullptr), c.fwd[layout](x.data(), fb.data(), spec, far, nullptr));
                        EXPECT_EQ(c.inv[layout](spectrum.data(), ia.data(), spec, extreme, nullptr), c.inv[layout](spectrum.data(), ib.data(), spec, far, nullptr));
                        EXPECT_TRUE(fa == fb && ia == ib) << "sf " << extreme << " " << at;
                    }
                }
                ASSERT_EQ(c.release(spec), orvStsOk);
            }
        }
    }
}

#define ORVS_LAYOUTS(pre, S, post) {pre##Pack##post##S, pre##Perm##post##S, pre##CCS##post##S}

// Small orders of R_16s, where single precision is exact to well below one
// unit, also take a scale factor that saturates and a negative one.
const auto kSfs16 = [](int o) { return o <= 4 ? std::vector<int>{o, o / 2, 0, -2} : std::vector<int>{o, o / 2}; };
const auto kSfs32 = [](int o) { return std::vector<int>{o + 3, 2, -1}; };
const Case<OrvsFFTSpec_R_16s, Orv16s, Orv16s> k16s{
    orvsFFTInitAlloc_R_16s, orvsFFTFree_R_16s, {0, 1, 2}, {0, 1, 2}, 11, 32767, 20000, kSfs16, kSfs16,
    ORVS_LAYOUTS(orvsFFTFwd_RTo, _16s_Sfs, ), ORVS_LAYOUTS(orvsFFTInv_, _16s_Sfs, ToR),
    ORVS_LAYOUTS(orvsFFTFwd_RTo, _16s_ISfs, ), ORVS_LAYOUTS(orvsFFTInv_, _16s_ISfs, ToR)};
const Case<OrvsFFTSpec_R_32s, Orv32s, Orv32s> k32s{
    orvsFFTInitAlloc_R_32s, orvsFFTFree_R_32s, {2}, {0, 1, 2}, 11, 1 << 28, 1 << 26, kSfs32, kSfs32,
    ORVS_LAYOUTS(orvsFFTFwd_RTo, _32s_Sfs, ), ORVS_LAYOUTS(orvsFFTInv_, _32s_Sfs, ToR),
    ORVS_LAYOUTS(orvsFFTFwd_RTo, _32s_ISfs, ), ORVS_LAYOUTS(orvsFFTInv_, _32s_ISfs, ToR)};
// Single precision keeps 24 bits: the 32-bit spectrum is scaled so one unit
// stays above the rounding error.
const Case<OrvsFFTSpec_R_16s32s, Orv16s, Orv32s> k16s32s{
    orvsFFTInitAlloc_R_16s32s, orvsFFTFree_R_16s32s, {0}, {kCcs}, 12, 32767, 1 << 20,
    [](int o) { return std::vector<int>{o / 2 + 2, o + 4}; }, [](int o) { return std::vector<int>{o + 6}; },
    {nullptr, nullptr, orvsFFTFwd_RToCCS_16s32s_Sfs}, {nullptr, nullptr, orvsFFTInv_CCSToR_32s16s_Sfs}, {}, {}};

} // namespace

TEST(RealFft16s, WithinOneUnitOfTheScaledDefinition) { checkWithinOne(k16s); }
TEST(RealFft32s, WithinOneUnitOfTheScaledDefinition) { checkWithinOne(k32s); }
TEST(RealFft16s32s, WithinOneUnitOfTheScaledDefinition) { checkWithinOne(k16s32s); }

TEST(RealFft16s, OrderZero)
{
    OrvsFFTSpec_R_16s* spec = nullptr;
    ASSERT_EQ(orvsFFTInitAlloc_R_16s(&spec, 0, ORV_FFT_NORM_NONE, orvHintNone), orvStsOk);
    Orv16s x = 5, ccs[2] = {9, 9}, y = 0;
    ASSERT_EQ(orvsFFTFwd_RToCCS_16s_Sfs(&x, ccs, spec, 1, nullptr), orvStsOk);
    ASSERT_EQ(orvsFFTInv_PermToR_16s_Sfs(&x, &y, spec, -15, nullptr), orvStsOk);
    EXPECT_TRUE(ccs[0] == 2 && ccs[1] == 0 && y == 32767);  // 2.5 to even; saturated
    orvsFFTFree_R_16s(spec);
}

TEST(RealFftInt, SizesAtEveryOrder)
{
    const auto a32 = [](long long v) { return (v + 31) / 32 * 32; };
    for (int order = 0; order <= 26; ++order) {
        const long long n = 1LL << order;
        int fs, fi, fw, ds, di, dw, s, i, w;
        ASSERT_EQ(orvsFFTGetSize_R_32f(order, 2, orvHintNone, &fs, &fi, &fw), orvStsOk);
        ASSERT_EQ(orvsFFTGetSize_R_64f(order, 2, orvHintNone, &ds, &di, &dw), orvStsOk);
        ASSERT_EQ(orvsFFTGetSize_R_16s(order, 2, orvHintAccurate, &s, &i, &w), orvStsOk);
        if (order == 0) EXPECT_EQ(s, 104);
        else EXPECT_TRUE(s == fs + 128 && i == fi + 32 && w == fw + 4 * n + 8 + 32) << order;
        if (order >= 1 && order <= 3) {
            ASSERT_EQ(orvsFFTGetSize_R_16s(order, 2, orvHintFast, &s, &i, &w), orvStsOk);
            EXPECT_EQ(s, a32(8 * n / 2) + a32(n / 2 + 4) + a32(8 * n) + 128);
            EXPECT_EQ(i, a32(2 * (n / 4) + 2) + 32);
            EXPECT_EQ(w, 4 * (n + 2) + 32);
        }
        ASSERT_EQ(orvsFFTGetSize_R_16s32s(order, 2, orvHintNone, &s, &i, &w), orvStsOk);
        EXPECT_TRUE(s == fs + 64 && i == (fi ? fi + 32 : 0) && w == fw + 4 * n + 8 + 32) << order;
        ASSERT_EQ(orvsFFTGetSize_R_32s(order, 2, orvHintNone, &s, &i, &w), orvStsOk);
        EXPECT_TRUE(s == ds + 64 && i == (di ? di + 32 : 0) && w == dw + 8 * n + 32) << order;
    }
}
