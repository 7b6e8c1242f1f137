// Channel interleaving against per-sample models for every channel count,
// every 16-bit value round-tripping, whatever the caller's rounding mode.
#include <gtest/gtest.h>

#include <algorithm>
#include <cfenv>
#include <cmath>

#include "test_util.h"

using namespace orvs_test;

namespace {

Orv16s join16Model(float x) { return Orv16s(std::clamp(std::nearbyint(double(x)), -32768.0, 32767.0)); }
Orv16s joinScaled16Model(float x) { return Orv16s(std::nearbyint(std::clamp(x, -1.0f, 1.0f) * 32767.5f - 0.5f)); }
int joinScaled24Model(float x) { return int(std::nearbyint(double(std::clamp(x, -1.0f, 1.0f)) * 8388607.5 - 0.5)); }
float splitScaled16Model(Orv16s x) { return float(x) * 3.0518043786e-05f + 1.5259021893e-05f; }
float splitScaled24Model(int x) { return float(x * (1.0 / 8388607.5) + 0.5 / 8388607.5); }
int read24(const Orv8u* p) { return p[0] | (p[1] << 8) | (Orv8s(p[2]) * 65536); }

// Channels one float past their allocation, so they start unaligned.
struct Channels {
    std::vector<std::vector<float>> data;
    std::vector<const float*> in;
    std::vector<float*> out;
    Channels(int nCh, int len, std::uint32_t seed, double amp)
    {
        for (int c = 0; c < nCh; ++c) data.push_back(randomVector<float>(len + 1, seed + c, -amp, amp));
        for (auto& d : data) in.push_back(d.data() + 1), out.push_back(d.data() + 1);
    }
};

} // namespace

// Sizes before the channel array, then each channel pointer; nothing written.
TEST(VectorInterleave, ChecksInOrderAndWritesNothing)
{
    float a[4] = {0.1f, 0.2f, 0.3f, 0.4f}, b[4] = {0.5f, 0.6f, 0.7f, 0.8f};
    const float* srcNull[2] = {a, nullptr};
    float* dstNull[2] = {nullptr, b};
    Orv16s d16[8] = {99, 99, 99, 99, 99, 99, 99, 99};
    EXPECT_EQ(orvsJoin_32f16s_D2L(nullptr, 0, 4, d16), orvStsErrSize);
    EXPECT_EQ(orvsJoinScaled_32f16s_D2L(srcNull, 2, 4, d16), orvStsErrNullPtr);
    EXPECT_EQ(orvsSplitScaled_16s32f_D2L(d16, dstNull, 2, 4), orvStsErrNullPtr);
    EXPECT_TRUE(std::all_of(d16, d16 + 8, [](Orv16s x) { return x == 99; }) && b[0] == 0.5f);
}

TEST(VectorInterleave, LayoutsAndRoundingForEveryChannelCount)
{
    for (int nCh : {1, 2, 3, 4, 5, 6, 7, 8, 9, 13})
        for (int len : {1, 2, 7, 8, 9, 63, 64, 65, 130, 1001}) {
            Channels ch(nCh, len, 1000u * nCh + len, 40000.0);
            for (int i = 0; i < std::min(len, 6); ++i) ch.data[0][i + 1] = -2.5f + i;  // exact halves
            const std::size_t total = std::size_t(nCh) * len;
            Unaligned<Orv16s> d(total), ds(total);
            Unaligned<Orv8u> d24(3 * total, 1);
            ASSERT_EQ(orvsJoin_32f16s_D2L(ch.in.data(), nCh, len, d.data()), orvStsOk);
            const auto unscaled = ch.data;
            for (auto& v : ch.data) for (auto& x : v) x /= 30000.0f;  // about 3/4 of the samples within [-1, 1]
            const float ends[6] = {1.0f, -1.0f, 2.0f, 0.0f, -7.0f, 0.5f};  // full scale, beyond, exact halves of a step
            for (int i = 0; i < std::min(len, 6); ++i) ch.data[nCh - 1][i + 1] = ends[i];
            ASSERT_EQ(orvsJoinScaled_32f16s_D2L(ch.in.data(), nCh, len, ds.data()) | orvsJoinScaled_32f24s_D2L(ch.in.data(), nCh, len, d24.data()), orvStsOk);
            std::vector<Orv16s> s16 = randomVector<Orv16s>(total, 3u * nCh + len);
            std::vector<Orv8u> s24 = randomVector<Orv8u>(3 * total, 5u * nCh + len);
            s16[0] = -32768, s16[total - 1] = 32767;  // the full-scale samples, and in 24 bits
            s24[0] = s24[1] = 0, s24[2] = 0x80, s24[3 * total - 3] = s24[3 * total - 2] = 0xFF, s24[3 * total - 1] = 0x7F;
            Channels a(nCh, len, 1, 1.0), b(nCh, len, 2, 1.0);
            const float before = a.data[0][0];
            ASSERT_EQ(orvsSplitScaled_16s32f_D2L(s16.data(), a.out.data(), nCh, len) | orvsSplitScaled_24s32f_D2L(s24.data(), b.out.data(), nCh, len), orvStsOk);
            ASSERT_EQ(a.data[0][0], before);  // nothing written before the first sample
            for (int i = 0; i < len; ++i)
                for (int c = 0; c < nCh; ++c) {
                    const std::size_t k = std::size_t(i) * nCh + c;
                    ASSERT_TRUE(d[k] == join16Model(unscaled[c][i + 1]) && ds[k] == joinScaled16Model(ch.in[c][i]) &&
                                read24(&d24[3 * k]) == joinScaled24Model(ch.in[c][i]) && a.out[c][i] == splitScaled16Model(s16[k]) &&
                                b.out[c][i] == splitScaled24Model(read24(&s24[3 * k])))
                        << nCh << " ch, len " << len << " i " << i << " c " << c;
                }
        }
}

TEST(VectorInterleave, EverySixteenBitValueRoundTripsWhateverTheCallersMode)
{
    std::vector<Orv16s> all(65536), back(65536);
    for (int i = 0; i < 65536; ++i) all[i] = Orv16s(i - 32768);
    std::vector<float> l(32768), r(32768);
    float* dst[2] = {l.data(), r.data()};
    const float* src[2] = {l.data(), r.data()};
    const int saved = std::fegetround();
    std::fesetround(FE_DOWNWARD);
    ASSERT_EQ(orvsSplitScaled_16s32f_D2L(all.data(), dst, 2, 32768), orvStsOk);
    ASSERT_EQ(orvsJoinScaled_32f16s_D2L(src, 2, 32768, back.data()), orvStsOk);
    const float x[5] = {0.5f, 1.5f, -2.5f, 0.3f, -0.7f};
    const float* one[1] = {x};
    Orv16s d[5];
    ASSERT_EQ(orvsJoin_32f16s_D2L(one, 1, 5, d), orvStsOk);
    EXPECT_EQ(std::fegetround(), FE_DOWNWARD);
    std::fesetround(saved);
    for (int i = 0; i < 65536; ++i) ASSERT_EQ((i % 2 ? r : l)[i / 2], splitScaled16Model(all[i])) << all[i];
    EXPECT_TRUE(l[0] == -1.0f && r[32767] == 1.0f);
    EXPECT_EQ(all, back);
    EXPECT_EQ(std::vector<Orv16s>(d, d + 5), (std::vector<Orv16s>{0, 2, -2, 0, -1}));
}
