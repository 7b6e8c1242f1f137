// Conversion values against independent models: every 16-bit and every
// half-precision pattern, floating to integer in every rounding mode over the
// whole scale range, the argument checks and the caller's control word.
#include <gtest/gtest.h>
#include <xmmintrin.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "convert_ref.h"

using namespace convert_ref;

namespace {

constexpr float kInf = std::numeric_limits<float>::infinity();

// conv over an unaligned copy of src: `count` elements (all by default) into
// dstLen storage units (packed 24-bit vectors hold three per element).
template <class D, class S, class F>
std::vector<D> run(const std::vector<S>& src, F conv, std::size_t count = 0, std::size_t dstLen = 0)
{
    if (!count) count = src.size();
    Unaligned<S> in(src.size());
    in.assign(src);
    Unaligned<D> out(dstLen ? dstLen : count);
    EXPECT_EQ(conv(in.data(), out.data(), int(count)), orvStsOk);
    return out.vec();
}

} // namespace

TEST(ConversionExhaustive, SixteenBitSourcesWidenExactly)
{
    const auto s = all16s();
    std::vector<Orv16u> u(65536);
    for (int k = 0; k < 65536; ++k) u[k] = Orv16u(k);
    const auto f = run<Orv32f>(s, orvsConvert_16s32f), uf = run<Orv32f>(u, orvsConvert_16u32f);
    const auto i = run<Orv32s>(s, orvsConvert_16s32s);
    for (int k = 0; k < 65536; ++k) {
        ASSERT_EQ(f[k], float(k - 32768));
        ASSERT_EQ(i[k], k - 32768);
        ASSERT_EQ(uf[k], float(k));
    }
}

TEST(ConversionExhaustive, SixteenToEightEveryModeAndScale)
{
    const auto s = all16s();
    const int step = quick() ? 7 : 1;
    for (int mode : {0, 1, 2, 5}) {
        for (int sf = -9; sf <= 20; ++sf) {
            Unaligned<Orv8s> out(s.size());
            ASSERT_EQ(orvsConvert_16s8s_Sfs(s.data(), out.data(), Orv32u(s.size()), OrvRoundMode(mode), sf), orvStsOk);
            for (std::size_t k = 0; k < s.size(); k += step)
                ASSERT_EQ(out[k], scaleInt(s[k], sf, rndNear(mode), -128, 127)) << s[k] << " s=" << sf << " mode=" << mode;
        }
    }
}

TEST(ConversionExhaustive, SixteenBitToFloatWithClampedScale)
{
    const auto s = all16s();
    for (int sf : {-300, -112, -111, -15, -1, 1, 15, 126, 127, 300}) {
        const int cf = std::clamp(sf, -112, 126), cd = std::clamp(sf, -1008, 1022);
        const auto f = run<Orv32f>(s, [sf](const Orv16s* p, Orv32f* q, int n) { return orvsConvert_16s32f_Sfs(p, q, n, sf); });
        const auto d = run<Orv64f>(s, [sf](const Orv16s* p, Orv64f* q, int n) { return orvsConvert_16s64f_Sfs(p, q, n, sf); });
        for (int k = 0; k < 65536; ++k) {
            ASSERT_EQ(f[k], float(std::ldexp((long double)s[k], -cf))) << s[k] << " " << sf;
            ASSERT_EQ(d[k], double(std::ldexp((long double)s[k], -cd)));
        }
    }
}

TEST(ConversionExhaustive, HalfPatternsToSingleAndTo16s)
{
    std::vector<Orv16f> h(65536);
    for (int k = 0; k < 65536; ++k) h[k] = Orv16f(k);
    const auto f = run<Orv32f>(h, orvsConvert_16f32f);
    for (int k = 0; k < 65536; ++k) ASSERT_TRUE(sameBits(f[k], halfToFloat(Orv16f(k)))) << k;
    const int step = quick() ? 5 : 1;
    for (int mode : {0, 1, 3, -1}) {
        for (int sf : {0, 1, -1, -10, 16, 30, 149, 150, -127, -128}) {
            const auto out = run<Orv16s>(h, [&](const Orv16f* p, Orv16s* q, int n) {
                return orvsConvert_16f16s_Sfs(p, q, n, OrvRoundMode(mode), sf);
            });
            for (int k = 0; k < 65536; k += step)
                ASSERT_EQ(out[k], roundFloat(halfToFloat(Orv16f(k)) * factorOf(sf), mode == 1, -32768, 32767)) << k << " s=" << sf;
        }
    }
}

TEST(ConversionExhaustive, SixteenBitAndFloatsToHalf)
{
    const auto s = all16s();
    for (int mode : {0, 1, 3, -5}) {
        const auto out = run<Orv16f>(s, [mode](const Orv16s* p, Orv16f* q, int n) {
            return orvsConvert_16s16f(p, q, n, OrvRoundMode(mode));
        });
        for (int k = 0; k < 65536; ++k) ASSERT_EQ(out[k], halfOf(s[k], mode == 1)) << s[k] << " mode " << mode;
    }
    // floats at and around every half value and every midpoint, plus specials
    std::vector<float> f;
    for (int h = 0; h < 0x7C00; h += quick() ? 7 : 1) {
        const double v = halfValue(Orv16f(h)), next = h + 1 < 0x7C00 ? halfValue(Orv16f(h + 1)) : 65536.0;
        const float mid = float((v + next) / 2);
        for (float x : {float(v), mid, std::nextafter(mid, 0.0f), std::nextafter(mid, kInf)}) {
            f.push_back(x);
            f.push_back(-x);
        }
    }
    for (float x : {kInf, -kInf, 1e-45f, -1e-40f, 3e-8f, 2.9802322e-08f, 1e6f, 65519.996f, 65520.0f, 1e38f}) f.push_back(x);
    for (int mode : {0, 1, 4}) {
        const auto out = run<Orv16f>(f, [mode](const Orv32f* p, Orv16f* q, int n) {
            return orvsConvert_32f16f(p, q, n, OrvRoundMode(mode));
        });
        for (std::size_t k = 0; k < f.size(); ++k) ASSERT_EQ(out[k], halfOf(f[k], mode == 1)) << f[k] << " mode " << mode;
    }
    // NaN stays a quiet NaN of the same sign with the top of its payload
    const std::vector<float> nans = {floatOf(0x7FC00000u), floatOf(0xFF812345u), floatOf(0x7F800001u)};
    const auto hn = run<Orv16f>(nans, [](const Orv32f* p, Orv16f* q, int n) { return orvsConvert_32f16f(p, q, n, orvRndNear); });
    EXPECT_EQ(hn, (std::vector<Orv16f>{0x7E00, Orv16f(0xFE00 | (0x012345u >> 13)), 0x7E00}));
}

// The scalar narrowing of wide sources at every rounding mode and scale (the
// 32-bit sources are swept in the lane test).
TEST(ConversionNarrow, SixtyFourBitEveryModeAndScale)
{
    const std::vector<Orv64s> edge64 = {0, 1, -1, 3, -5, INT64_MAX, INT64_MIN, 2147483648LL, -2147483649LL, 6442450943LL};
    for (int n : {1, 7, 33, 257}) {
        auto s64 = randomVector<Orv64s>(n, 200 + n);
        for (int k = 0; k < n; k += 2) s64[k] = edge64[(k / 2) % edge64.size()] >> ((k * 7) % 40);
        for (int mode : {0, 1, 2, -1}) {
            for (int sf : {-64, -32, -31, -1, 0, 1, 2, 31, 32, 33, 62, 63, 64, 65, 200}) {
                const auto a = run<Orv32s>(s64, [&](const Orv64s* p, Orv32s* q, int l) {
                    return orvsConvert_64s32s_Sfs(p, q, l, OrvRoundMode(mode), sf);
                });
                for (int k = 0; k < n; ++k)
                    ASSERT_EQ(a[k], scaleInt(s64[k], sf, rndNear(mode), INT32_MIN, INT32_MAX)) << (long long)s64[k] << " s=" << sf;
            }
        }
    }
}

// The family's own checks (the common order is driven from the entry lists)
// and the three modes on ties, NaN and infinities as the user page states them.
TEST(ConversionChecks, RoundModesTiesAndLimits)
{
    Orv16s s16[4] = {1, 2, 3, 4}, d16[4] = {99, 99, 99, 99};
    float f32[4] = {1, 2, 3, 4};
    Orv16f h[4] = {0x3C00, 0x3C00, 0x3C00, 0x3C00}, dh[4] = {7, 7, 7, 7};
    // the half-precision members refuse ties away, after the pointer and length checks
    EXPECT_EQ(orvsConvert_16s16f(s16, dh, 4, orvRndFinancial), orvStsErrRoundMode);
    EXPECT_EQ(orvsConvert_32f16f(f32, dh, 4, orvRndFinancial), orvStsErrRoundMode);
    EXPECT_EQ(orvsConvert_16f16s_Sfs(h, d16, 4, orvRndFinancial, 0), orvStsErrRoundMode);
    EXPECT_EQ(orvsConvert_16f16s_Sfs(h, d16, 0, orvRndFinancial, 0), orvStsErrSize);
    for (int k = 0; k < 4; ++k) EXPECT_TRUE(d16[k] == 99 && dh[k] == 7);
    const float x[7] = {2.5f, 3.5f, -2.5f, -3.5f, std::nanf(""), -kInf, 1.0e10f};
    const Orv16s expect[3][7] = {{2, 3, -2, -3, 32767, -32768, 32767}, {2, 4, -2, -4, 32767, -32768, 32767}, {3, 4, -3, -4, 32767, -32768, 32767}};
    Orv16s y[7];
    for (int mode : {0, 1, 2, 7, -3}) {  // values other than 0 and 1 round ties away
        ASSERT_EQ(orvsConvert_32f16s_Sfs(x, y, 7, OrvRoundMode(mode), 0), orvStsOk);
        for (int k = 0; k < 7; ++k) EXPECT_EQ(y[k], expect[rndNear(mode)][k]) << mode << " " << x[k];
    }
}

TEST(ConversionControlWord, CallerSettingsIgnoredAndRestored)
{
    const unsigned saved = _mm_getcsr();
    // round down, flush-to-zero and denormals-are-zero: none may leak into the results
    const unsigned caller = (saved & ~0x6000u) | 0x2000u | 0x8040u;
    _mm_setcsr(caller);
    const float x[9] = {2.5f, -2.5f, 1.5f, 0.7f, -0.7f, 1.1e-38f, 33.3f, 16777217.0f, 0.5f};
    Orv16s y[9];
    Orv32s z[9];
    Orv32f w[1];
    Orv16f h[1];
    const Orv32s big = 16777217;
    const OrvStatus st[4] = {orvsConvert_32f16s_Sfs(x, y, 9, orvRndNear, 0),
                             orvsConvert_32f32s_Sfs(x, z, 9, orvRndNear, -127),  // subnormal input scaled up
                             orvsConvert_32s32f(&big, w, 1), orvsConvert_32f16f(&x[6], h, 1, orvRndNear)};
    const unsigned after = _mm_getcsr();
    _mm_setcsr(saved);
    for (OrvStatus s : st) ASSERT_EQ(s, orvStsOk);
    EXPECT_EQ(after & ~0x3Fu, caller & ~0x3Fu);
    const Orv16s want[9] = {2, -2, 2, 1, -1, 0, 33, 32767, 0};
    for (int k = 0; k < 9; ++k) EXPECT_EQ(y[k], want[k]) << k;
    EXPECT_EQ(z[5], 2);  // 1.1e-38 * 2^127 = 1.87: the subnormal was not flushed
    EXPECT_EQ(w[0], 16777216.0f);
    EXPECT_EQ(h[0], halfOf(33.3f, true));
}
