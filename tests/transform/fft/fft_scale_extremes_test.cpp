// Every integer FFT and real-FFT entry with a scale factor: INT_MIN gives
// exactly what -2000 gives (saturation) and INT_MAX what +2000 gives (zeros),
// statuses included, on real records of several orders, both fixed-point
// hints and the floating path, in place and out of place.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "test_util.h"

namespace {
using orvs_test::randomVector;
using orvs_test::sameBits;

// A row: the record type's InitAlloc and Free, and a call taking the source,
// the destination (outLen(n) elements), the record, the scale factor and n.
template <class Spec, class In, class Out>
struct Row {
    std::string name;
    OrvStatus (*initAlloc)(Spec**, int, int, OrvHintAlgorithm);
    OrvStatus (*release)(Spec*);
    std::function<OrvStatus(const In*, Out*, const Spec*, int, int)> call;
};

template <class T>
std::vector<T> moderate(std::size_t n, std::uint32_t seed)
{
    // Small values, some zeros: saturation and zeros both show.
    auto v = randomVector<double>(n, seed, -300.0, 300.0);
    std::vector<T> out(n);
    for (std::size_t i = 0; i < n; ++i) out[i] = i % 7 == 3 ? T(0) : static_cast<T>(v[i]);
    return out;
}

template <class Spec, class In, class Out>
void checkRows(const std::vector<Row<Spec, In, Out>>& rows)
{
    for (const auto& row : rows)
        for (int order : {1, 2, 3, 5, 8})
            for (int hint : {0, 1, 2})
                for (int flag : {ORV_FFT_NORM_SQRT_N, ORV_FFT_NORM_NONE}) {
                    Spec* spec = nullptr;
                    ASSERT_EQ(row.initAlloc(&spec, order, flag, static_cast<OrvHintAlgorithm>(hint)), orvStsOk) << row.name;
                    const int n = 1 << order;
                    const std::size_t len = 2 * std::size_t(n) + 2;  // room for every layout and split pair
                    const auto src = moderate<In>(len, 17 * order + hint);
                    for (auto [extreme, mirror] : {std::pair{INT_MIN, -2000}, std::pair{INT_MAX, 2000}}) {
                        std::vector<Out> a(len, Out(0x5A5A)), b(len, Out(0x5A5A));
                        const OrvStatus sa = row.call(src.data(), a.data(), spec, extreme, n);
                        const OrvStatus sb = row.call(src.data(), b.data(), spec, mirror, n);
                        EXPECT_EQ(sa, sb) << row.name << " order " << order << " hint " << hint << " sf " << extreme;
                        EXPECT_TRUE(sameBits(a.data(), b.data(), len))
                            << row.name << " order " << order << " hint " << hint << " flag " << flag << " sf " << extreme;
                    }
                    EXPECT_EQ(row.release(spec), orvStsOk);
                }
}

// Out of place and in place (the source copied into the destination first).
#define ORVS_ROW_VV(S, T, fn) ORVS_ROW_MIXED(S, T, T, fn)
#define ORVS_ROW_MIXED(S, I, O, fn) \
    {#fn, orvsFFTInitAlloc_##S, orvsFFTFree_##S, [](const I* s, O* d, const OrvsFFTSpec_##S* p, int sf, int) { return fn(s, d, p, sf, nullptr); }}
#define ORVS_ROW_I(S, T, fn, len)                                                        \
    {#fn, orvsFFTInitAlloc_##S, orvsFFTFree_##S, [](const T* s, T* d, const OrvsFFTSpec_##S* p, int sf, int n) { \
         std::memcpy(d, s, sizeof(T) * (len));                                           \
         return fn(d, p, sf, nullptr);                                                   \
     }}
#define ORVS_ROW_SPLIT(S, T, fn)                                                          \
    {#fn, orvsFFTInitAlloc_##S, orvsFFTFree_##S, [](const T* s, T* d, const OrvsFFTSpec_##S* p, int sf, int n) { \
         return fn(s, s + n, d, d + n, p, sf, nullptr);                                   \
     }}
#define ORVS_ROW_SPLIT_I(S, T, fn)                                                        \
    {#fn, orvsFFTInitAlloc_##S, orvsFFTFree_##S, [](const T* s, T* d, const OrvsFFTSpec_##S* p, int sf, int n) { \
         std::memcpy(d, s, sizeof(T) * 2 * n);                                            \
         return fn(d, d + n, p, sf, nullptr);                                             \
     }}

} // namespace

TEST(ScaleExtremes, ComplexIntegerFft)
{
    checkRows<OrvsFFTSpec_C_16sc, Orv16sc, Orv16sc>({
        ORVS_ROW_VV(C_16sc, Orv16sc, orvsFFTFwd_CToC_16sc_Sfs), ORVS_ROW_VV(C_16sc, Orv16sc, orvsFFTInv_CToC_16sc_Sfs),
        ORVS_ROW_I(C_16sc, Orv16sc, orvsFFTFwd_CToC_16sc_ISfs, n), ORVS_ROW_I(C_16sc, Orv16sc, orvsFFTInv_CToC_16sc_ISfs, n),
    });
    checkRows<OrvsFFTSpec_C_32sc, Orv32sc, Orv32sc>({
        ORVS_ROW_VV(C_32sc, Orv32sc, orvsFFTFwd_CToC_32sc_Sfs), ORVS_ROW_VV(C_32sc, Orv32sc, orvsFFTInv_CToC_32sc_Sfs),
        ORVS_ROW_I(C_32sc, Orv32sc, orvsFFTFwd_CToC_32sc_ISfs, n), ORVS_ROW_I(C_32sc, Orv32sc, orvsFFTInv_CToC_32sc_ISfs, n),
    });
    checkRows<OrvsFFTSpec_C_16s, Orv16s, Orv16s>({
        ORVS_ROW_SPLIT(C_16s, Orv16s, orvsFFTFwd_CToC_16s_Sfs), ORVS_ROW_SPLIT(C_16s, Orv16s, orvsFFTInv_CToC_16s_Sfs),
        ORVS_ROW_SPLIT_I(C_16s, Orv16s, orvsFFTFwd_CToC_16s_ISfs), ORVS_ROW_SPLIT_I(C_16s, Orv16s, orvsFFTInv_CToC_16s_ISfs),
    });
    checkRows<OrvsFFTSpec_C_32s, Orv32s, Orv32s>({
        ORVS_ROW_SPLIT(C_32s, Orv32s, orvsFFTFwd_CToC_32s_Sfs), ORVS_ROW_SPLIT(C_32s, Orv32s, orvsFFTInv_CToC_32s_Sfs),
        ORVS_ROW_SPLIT_I(C_32s, Orv32s, orvsFFTFwd_CToC_32s_ISfs), ORVS_ROW_SPLIT_I(C_32s, Orv32s, orvsFFTInv_CToC_32s_ISfs),
    });
}

TEST(ScaleExtremes, RealIntegerFft)
{
    using T16 = Orv16s;
    using T32 = Orv32s;
    checkRows<OrvsFFTSpec_R_16s, T16, T16>({
        ORVS_ROW_VV(R_16s, T16, orvsFFTFwd_RToPack_16s_Sfs), ORVS_ROW_VV(R_16s, T16, orvsFFTFwd_RToPerm_16s_Sfs),
        ORVS_ROW_VV(R_16s, T16, orvsFFTFwd_RToCCS_16s_Sfs), ORVS_ROW_VV(R_16s, T16, orvsFFTInv_PackToR_16s_Sfs),
        ORVS_ROW_VV(R_16s, T16, orvsFFTInv_PermToR_16s_Sfs), ORVS_ROW_VV(R_16s, T16, orvsFFTInv_CCSToR_16s_Sfs),
        ORVS_ROW_I(R_16s, T16, orvsFFTFwd_RToPack_16s_ISfs, n), ORVS_ROW_I(R_16s, T16, orvsFFTFwd_RToPerm_16s_ISfs, n),
        ORVS_ROW_I(R_16s, T16, orvsFFTFwd_RToCCS_16s_ISfs, n + 2), ORVS_ROW_I(R_16s, T16, orvsFFTInv_PackToR_16s_ISfs, n),
        ORVS_ROW_I(R_16s, T16, orvsFFTInv_PermToR_16s_ISfs, n), ORVS_ROW_I(R_16s, T16, orvsFFTInv_CCSToR_16s_ISfs, n + 2),
    });
    checkRows<OrvsFFTSpec_R_32s, T32, T32>({
        ORVS_ROW_VV(R_32s, T32, orvsFFTFwd_RToPack_32s_Sfs), ORVS_ROW_VV(R_32s, T32, orvsFFTFwd_RToPerm_32s_Sfs),
        ORVS_ROW_VV(R_32s, T32, orvsFFTFwd_RToCCS_32s_Sfs), ORVS_ROW_VV(R_32s, T32, orvsFFTInv_PackToR_32s_Sfs),
        ORVS_ROW_VV(R_32s, T32, orvsFFTInv_PermToR_32s_Sfs), ORVS_ROW_VV(R_32s, T32, orvsFFTInv_CCSToR_32s_Sfs),
        ORVS_ROW_I(R_32s, T32, orvsFFTFwd_RToPack_32s_ISfs, n), ORVS_ROW_I(R_32s, T32, orvsFFTFwd_RToPerm_32s_ISfs, n),
        ORVS_ROW_I(R_32s, T32, orvsFFTFwd_RToCCS_32s_ISfs, n + 2), ORVS_ROW_I(R_32s, T32, orvsFFTInv_PackToR_32s_ISfs, n),
        ORVS_ROW_I(R_32s, T32, orvsFFTInv_PermToR_32s_ISfs, n), ORVS_ROW_I(R_32s, T32, orvsFFTInv_CCSToR_32s_ISfs, n + 2),
    });
    checkRows<OrvsFFTSpec_R_16s32s, T16, T32>({ORVS_ROW_MIXED(R_16s32s, T16, T32, orvsFFTFwd_RToCCS_16s32s_Sfs)});
    checkRows<OrvsFFTSpec_R_16s32s, T32, T16>({ORVS_ROW_MIXED(R_16s32s, T32, T16, orvsFFTInv_CCSToR_32s16s_Sfs)});
}
