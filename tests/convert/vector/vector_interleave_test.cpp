// Channel interleaving through channel-pointer arrays: check order, layouts
// for every channel count, the rounding and full-scale mappings, and the
// exact round trip of every 16-bit value.
#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <vector>

#include "test_util.h"

namespace {

// Independent per-sample models.
Orv16s join16Model(float x)
{
    const double r = std::nearbyint(static_cast<double>(x));  // default mode: nearest even
    return static_cast<Orv16s>(std::fmin(32767.0, std::fmax(-32768.0, r)));
}

Orv16s joinScaled16Model(float x)
{
    const float c = x > 1.0f ? 1.0f : (x < -1.0f ? -1.0f : x);
    const float y = c * 32767.5f - 0.5f;
    return static_cast<Orv16s>(std::nearbyint(y));
}

int joinScaled24Model(float x)
{
    const double c = x > 1.0f ? 1.0 : (x < -1.0f ? -1.0 : x);
    return static_cast<int>(std::nearbyint(c * 8388607.5 - 0.5));
}

float splitScaled16Model(Orv16s x)
{
    const float f = 3.0518043786e-05f, o = 1.5259021893e-05f;
    return static_cast<float>(x) * f + o;
}

float splitScaled24Model(int x) { return static_cast<float>(x * (1.0 / 8388607.5) + 0.5 / 8388607.5); }

struct Channels {
    std::vector<std::vector<float>> data;
    std::vector<const float*> in;
    std::vector<float*> out;
    Channels(int nCh, int len, std::uint32_t seed, double amp)
    {
        for (int c = 0; c < nCh; ++c) {
            // one float of offset so that channels start unaligned
            data.push_back(orvs_test::randomVector<float>(static_cast<std::size_t>(len) + 1, seed + c, -amp, amp));
            in.push_back(data.back().data() + 1);
            out.push_back(data.back().data() + 1);
        }
    }
};

const std::vector<int> kCounts = {1, 2, 3, 4, 5, 6, 7, 8, 9, 13};
const std::vector<int> kLens = {1, 2, 7, 8, 9, 63, 64, 65, 130, 1001};

TEST(VectorInterleave, ChecksInOrderAndWritesNothing)
{
    float a[4] = {0.1f, 0.2f, 0.3f, 0.4f}, b[4] = {0.5f, 0.6f, 0.7f, 0.8f};
    const float* src[2] = {a, b};
    const float* srcNull[2] = {a, nullptr};
    Orv16s d16[8];
    std::fill(d16, d16 + 8, Orv16s(99));
    EXPECT_EQ(orvsJoin_32f16s_D2L(src, 0, 0, nullptr), orvStsErrNullPtr);  // buffer before sizes
    EXPECT_EQ(orvsJoin_32f16s_D2L(nullptr, 0, 4, d16), orvStsErrSize);    // sizes before the channel array
    EXPECT_EQ(orvsJoin_32f16s_D2L(nullptr, 2, 0, d16), orvStsErrSize);
    EXPECT_EQ(orvsJoin_32f16s_D2L(nullptr, 2, 4, d16), orvStsErrNullPtr);
    EXPECT_EQ(orvsJoin_32f16s_D2L(srcNull, 2, 4, d16), orvStsErrNullPtr);
    EXPECT_EQ(orvsJoinScaled_32f16s_D2L(srcNull, 2, 4, d16), orvStsErrNullPtr);
    EXPECT_EQ(orvsJoinScaled_32f16s_D2L(src, -1, 4, d16), orvStsErrSize);
    for (Orv16s x : d16) EXPECT_EQ(x, 99);
    Orv8u d24[24];
    std::fill(d24, d24 + 24, Orv8u(99));
    EXPECT_EQ(orvsJoinScaled_32f24s_D2L(src, 2, 4, nullptr), orvStsErrNullPtr);
    EXPECT_EQ(orvsJoinScaled_32f24s_D2L(nullptr, 2, 0, d24), orvStsErrSize);
    EXPECT_EQ(orvsJoinScaled_32f24s_D2L(srcNull, 2, 4, d24), orvStsErrNullPtr);
    for (Orv8u x : d24) EXPECT_EQ(x, 99);

    float* dst[2] = {a, b};
    float* dstNull[2] = {nullptr, b};
    EXPECT_EQ(orvsSplitScaled_16s32f_D2L(nullptr, dst, 0, 0), orvStsErrNullPtr);
    EXPECT_EQ(orvsSplitScaled_16s32f_D2L(d16, nullptr, 2, 0), orvStsErrSize);
    EXPECT_EQ(orvsSplitScaled_16s32f_D2L(d16, nullptr, 2, 4), orvStsErrNullPtr);
    EXPECT_EQ(orvsSplitScaled_16s32f_D2L(d16, dstNull, 2, 4), orvStsErrNullPtr);
    EXPECT_EQ(orvsSplitScaled_24s32f_D2L(nullptr, dst, 2, 4), orvStsErrNullPtr);
    EXPECT_EQ(orvsSplitScaled_24s32f_D2L(d24, dst, 0, 4), orvStsErrSize);
    EXPECT_EQ(orvsSplitScaled_24s32f_D2L(d24, dstNull, 2, 4), orvStsErrNullPtr);
    EXPECT_EQ(b[3], 0.8f);
}

TEST(VectorInterleave, FullScaleEndpoints)
{
    const float x[6] = {1.0f, -1.0f, 2.0f, 0.0f, -7.0f, 0.5f};
    const float* src[1] = {x};
    Orv16s d[6];
    ASSERT_EQ(orvsJoinScaled_32f16s_D2L(src, 1, 6, d), orvStsOk);
    EXPECT_EQ(std::vector<Orv16s>(d, d + 6), (std::vector<Orv16s>{32767, -32768, 32767, 0, -32768, 16383}));
    Orv8u p[18];
    ASSERT_EQ(orvsJoinScaled_32f24s_D2L(src, 1, 6, p), orvStsOk);
    EXPECT_EQ(p[0], 0xFF); EXPECT_EQ(p[1], 0xFF); EXPECT_EQ(p[2], 0x7F);  // 8388607
    EXPECT_EQ(p[3], 0x00); EXPECT_EQ(p[4], 0x00); EXPECT_EQ(p[5], 0x80);  // -8388608
    EXPECT_EQ(p[9], 0x00); EXPECT_EQ(p[10], 0x00); EXPECT_EQ(p[11], 0x00);

    const Orv16s s16[2] = {-32768, 32767};
    float o[2];
    float* dst[1] = {o};
    ASSERT_EQ(orvsSplitScaled_16s32f_D2L(s16, dst, 1, 2), orvStsOk);
    EXPECT_EQ(o[0], -1.0f);
    EXPECT_EQ(o[1], 1.0f);
    const Orv8u s24[6] = {0x00, 0x00, 0x80, 0xFF, 0xFF, 0x7F};
    ASSERT_EQ(orvsSplitScaled_24s32f_D2L(s24, dst, 1, 2), orvStsOk);
    EXPECT_EQ(o[0], -1.0f);
    EXPECT_EQ(o[1], 1.0f);
    EXPECT_EQ(static_cast<float>(1.0 / 32767.5), 3.0518043786e-05f);
    EXPECT_EQ(static_cast<float>(0.5 / 32767.5), 1.5259021893e-05f);
}

TEST(VectorInterleave, JoinLayoutsAndRounding)
{
    for (int nCh : kCounts) {
        for (int len : kLens) {
            Channels ch(nCh, len, 1000u * nCh + len, 40000.0);
            // exact halves and out-of-range values in the first channel
            for (int i = 0; i < std::min(len, 6); ++i) ch.data[0][i + 1] = -2.5f + i;
            const std::size_t total = static_cast<std::size_t>(nCh) * len;
            orvs_test::Unaligned<Orv16s> d(total), ds(total);
            orvs_test::Unaligned<Orv8u> d24(3 * total, 1);
            ASSERT_EQ(orvsJoin_32f16s_D2L(ch.in.data(), nCh, len, d.data()), orvStsOk);
            const std::vector<std::vector<float>> unscaled = ch.data;
            for (auto& v : ch.data) for (auto& x : v) x /= 30000.0f;  // about 3/4 of the samples within [-1, 1]
            ASSERT_EQ(orvsJoinScaled_32f16s_D2L(ch.in.data(), nCh, len, ds.data()), orvStsOk);
            ASSERT_EQ(orvsJoinScaled_32f24s_D2L(ch.in.data(), nCh, len, d24.data()), orvStsOk);
            for (int i = 0; i < len; ++i) {
                for (int c = 0; c < nCh; ++c) {
                    const std::size_t k = static_cast<std::size_t>(i) * nCh + c;
                    const float x = ch.in[c][i];
                    ASSERT_EQ(d[k], join16Model(unscaled[c][i + 1])) << nCh << " ch, len " << len << " i " << i << " c " << c;
                    ASSERT_EQ(ds[k], joinScaled16Model(x)) << nCh << " ch, len " << len << " i " << i << " c " << c;
                    const int v24 = d24[3 * k] | (d24[3 * k + 1] << 8) | (static_cast<Orv8s>(d24[3 * k + 2]) * 65536);
                    ASSERT_EQ(v24, joinScaled24Model(x)) << nCh << " ch, len " << len << " i " << i << " c " << c;
                }
            }
        }
    }
}

TEST(VectorInterleave, SplitLayouts)
{
    std::mt19937 rng(5);
    for (int nCh : kCounts) {
        for (int len : kLens) {
            const std::size_t total = static_cast<std::size_t>(nCh) * len;
            const std::vector<Orv16s> s16 = orvs_test::randomVector<Orv16s>(total, 3u * nCh + len);
            std::vector<Orv8u> s24(3 * total);
            for (auto& b : s24) b = static_cast<Orv8u>(rng());
            Channels a(nCh, len, 1, 1.0), b(nCh, len, 2, 1.0);
            ASSERT_EQ(orvsSplitScaled_16s32f_D2L(s16.data(), a.out.data(), nCh, len), orvStsOk);
            ASSERT_EQ(orvsSplitScaled_24s32f_D2L(s24.data(), b.out.data(), nCh, len), orvStsOk);
            for (int i = 0; i < len; ++i) {
                for (int c = 0; c < nCh; ++c) {
                    const std::size_t k = static_cast<std::size_t>(i) * nCh + c;
                    ASSERT_EQ(a.out[c][i], splitScaled16Model(s16[k])) << nCh << " ch, len " << len << " i " << i;
                    const int v = s24[3 * k] | (s24[3 * k + 1] << 8) | (static_cast<Orv8s>(s24[3 * k + 2]) * 65536);
                    ASSERT_EQ(b.out[c][i], splitScaled24Model(v)) << nCh << " ch, len " << len << " i " << i;
                }
            }
            // nothing written before the channels' first samples
            ASSERT_EQ(a.data[0][0], Channels(nCh, len, 1, 1.0).data[0][0]);
        }
    }
}

TEST(VectorInterleave, EverySixteenBitValueRoundTrips)
{
    std::vector<Orv16s> all(65536), back(65536);
    for (int i = 0; i < 65536; ++i) all[i] = static_cast<Orv16s>(i - 32768);
    std::vector<float> l(32768), r(32768);
    float* dst[2] = {l.data(), r.data()};
    const float* src[2] = {l.data(), r.data()};
    ASSERT_EQ(orvsSplitScaled_16s32f_D2L(all.data(), dst, 2, 32768), orvStsOk);
    for (float x : l) ASSERT_TRUE(x >= -1.0f && x <= 1.0f);
    ASSERT_EQ(orvsJoinScaled_32f16s_D2L(src, 2, 32768, back.data()), orvStsOk);
    EXPECT_EQ(all, back);
}

TEST(VectorInterleave, CallersRoundingModeIsIgnoredAndRestored)
{
    const float x[5] = {0.5f, 1.5f, -2.5f, 0.3f, -0.7f};
    const float* src[1] = {x};
    Orv16s near[5], down[5];
    ASSERT_EQ(orvsJoin_32f16s_D2L(src, 1, 5, near), orvStsOk);
    EXPECT_EQ(std::vector<Orv16s>(near, near + 5), (std::vector<Orv16s>{0, 2, -2, 0, -1}));
    const int saved = std::fegetround();
    std::fesetround(FE_DOWNWARD);
    ASSERT_EQ(orvsJoin_32f16s_D2L(src, 1, 5, down), orvStsOk);
    EXPECT_EQ(std::fegetround(), FE_DOWNWARD);
    std::fesetround(saved);
    EXPECT_EQ(std::vector<Orv16s>(near, near + 5), std::vector<Orv16s>(down, down + 5));
}

} // namespace
