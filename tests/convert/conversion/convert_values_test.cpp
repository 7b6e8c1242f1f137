// Conversion values against independent models: every 16-bit and every
// half-precision pattern, floating to integer in every rounding mode over the
// whole scale range, the argument checks and the caller's control word.
#include <gtest/gtest.h>
#include <xmmintrin.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
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

// Random floats with ties of every mode, limits, subnormals, infinities and
// NaN mixed in.
std::vector<float> awkwardFloats(int n, std::uint32_t seed, float range)
{
    auto v = randomVector<float>(n, seed, -range, range);
    const float special[] = {0.5f, -0.5f, 1.5f, -2.5f, 0.49999997f, -0.0f, 2147483648.0f, -2147483648.0f,
                             2147483520.0f, 32767.5f, -32768.5f, 255.5f, -128.5f, 65535.5f, 8388607.5f, 1e-45f,
                             -1e-40f, 1e10f, kInf, -kInf, std::nanf(""), -std::nanf(""), 3.4e38f};
    std::mt19937 rng(seed);
    for (int k = 0; k < n; k += 3) v[k] = special[rng() % (sizeof special / sizeof *special)];
    for (int k = 1; k < n; k += 5) v[k] = float(int(rng() % 200001) - 100000) + 0.5f;
    return v;
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
    for (int sf : {-5000, -993, -992, -991, -113, -40, 3, 127, 1022, 1023, 5000}) {
        const int cd = std::clamp(sf, -992, 1022), cf = std::clamp(sf, -112, 126);
        const auto x = randomVector<Orv32s>(65, 500 + sf);
        const auto d = run<Orv64f>(x, [sf](const Orv32s* p, Orv64f* q, int n) { return orvsConvert_32s64f_Sfs(p, q, n, sf); });
        const auto f = run<Orv32f>(x, [sf](const Orv32s* p, Orv32f* q, int n) { return orvsConvert_32s32f_Sfs(p, q, n, sf); });
        for (int k = 0; k < 65; ++k) {
            ASSERT_EQ(d[k], double(std::ldexp((long double)x[k], -cd))) << sf;
            ASSERT_EQ(f[k], float(std::ldexp((long double)x[k], -cf))) << sf;
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

TEST(ConversionNarrow, ScaledThirtyTwoAndSixtyFourBit)
{
    const std::vector<Orv32s> edge = {0, 1, -1, 3, -3, 32767, 32768, -32769, 98304, INT32_MAX, INT32_MIN, 1073741825};
    for (int n : oddLengths()) {
        auto s32 = randomVector<Orv32s>(n, 100 + n);
        for (int k = 0; k < n; k += 3) s32[k] = edge[(k / 3) % edge.size()] >> (k % 29);
        std::vector<Orv32u> u32(s32.begin(), s32.end());
        for (int sf : {-50, -40, -31, -16, -1, 0, 1, 2, 15, 16, 31, 32, 33, 80}) {
            const int c24 = std::clamp(sf, -31, 31);
            const auto a = run<Orv16s>(s32, [sf](const Orv32s* p, Orv16s* q, int l) { return orvsConvert_32s16s_Sfs(p, q, l, sf); });
            const auto b = run<Orv8u>(s32, [sf](const Orv32s* p, Orv8u* q, int l) { return orvsConvert_32s24s_Sfs(p, q, l, sf); }, n, 3 * n);
            const auto c = run<Orv8u>(u32, [sf](const Orv32u* p, Orv8u* q, int l) { return orvsConvert_32u24u_Sfs(p, q, l, sf); }, n, 3 * n);
            for (int k = 0; k < n; ++k) {
                ASSERT_EQ(a[k], scaleInt(s32[k], sf, 1, -32768, 32767)) << s32[k] << " " << sf;
                ASSERT_EQ(read24(&b[3 * k], true), scaleInt(s32[k], c24, 1, -8388608, 8388607)) << s32[k] << " " << sf;
                ASSERT_EQ(read24(&c[3 * k], false), scaleInt(u32[k], c24, 1, 0, 16777215)) << u32[k] << " " << sf;
            }
        }
        const auto plain = run<Orv16s>(s32, orvsConvert_32s16s);
        for (int k = 0; k < n; ++k) ASSERT_EQ(plain[k], scaleInt(s32[k], 0, 1, -32768, 32767));
    }
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

TEST(ConversionFloatToInt, EveryDestinationEveryModeAndScale)
{
    auto check = [](auto tag, auto conv, std::int64_t lo, std::int64_t hi, auto srcTag) {
        using D = decltype(tag);
        using S = decltype(srcTag);
        for (int n : oddLengths()) {
            if (quick() && n > 300) continue;
            const auto vf = awkwardFloats(n, 1000 + n, n % 2 ? 100000.0f : 3.0f);
            std::vector<S> src(vf.begin(), vf.end());
            if constexpr (sizeof(S) == 8)  // values that only double precision holds
                for (int k = 2; k < n; k += 7) src[k] = double(k) + 0.5 + 1e-9 * (k % 3);
            for (int mode : {0, 1, 2, 7, -3}) {
                for (int sf : {0, 1, -1, 3, -7, 16, 31, -31, 126, 127, 140, 149, 150, 200, -126, -127, -128, -200}) {
                    const auto out = run<D>(src, [&](const S* p, D* q, int l) { return conv(p, q, l, OrvRoundMode(mode), sf); });
                    for (int k = 0; k < n; ++k)
                        ASSERT_EQ(std::int64_t(out[k]), roundFloat((long double)(src[k] * S(factorOf(sf))), rndNear(mode), lo, hi))
                            << sizeof(S) << "->" << sizeof(D) << " x=" << src[k] << " s=" << sf << " mode=" << mode;
                }
            }
        }
    };
    check(Orv8s{}, orvsConvert_32f8s_Sfs, -128, 127, float{});
    check(Orv8u{}, orvsConvert_32f8u_Sfs, 0, 255, float{});
    check(Orv16s{}, orvsConvert_32f16s_Sfs, -32768, 32767, float{});
    check(Orv16u{}, orvsConvert_32f16u_Sfs, 0, 65535, float{});
    check(Orv32s{}, orvsConvert_32f32s_Sfs, INT32_MIN, INT32_MAX, float{});
    check(Orv16s{}, orvsConvert_64f16s_Sfs, -32768, 32767, double{});
    check(Orv32s{}, orvsConvert_64f32s_Sfs, INT32_MIN, INT32_MAX, double{});
    check(Orv64s{}, [](const Orv64f* s, Orv64s* d, int n, OrvRoundMode m, int sf) { return orvsConvert_64f64s_Sfs(s, d, Orv32u(n), m, sf); },
          INT64_MIN, INT64_MAX, double{});
}

// The family's own checks (the common order is driven from the entry lists)
// and the documented values of the three modes on ties, NaN and infinities.
TEST(ConversionChecks, RoundModesAndDocumentedValues)
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
    for (int mode = 0; mode < 3; ++mode) {
        ASSERT_EQ(orvsConvert_32f16s_Sfs(x, y, 7, OrvRoundMode(mode), 0), orvStsOk);
        for (int k = 0; k < 7; ++k) EXPECT_EQ(y[k], expect[mode][k]) << mode << " " << x[k];
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
