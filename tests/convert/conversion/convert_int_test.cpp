// Integer sources: widening, narrowing with scale and rounding mode, packed
// 24-bit in and out, and integer to floating point with scale.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "convert_ref.h"

using namespace orvs_test;
using namespace convert_ref;

namespace {

std::vector<Orv16s> all16s()
{
    std::vector<Orv16s> v(65536);
    for (int i = 0; i < 65536; ++i) v[i] = Orv16s(i - 32768);
    return v;
}

// Runs conv over `count` elements (all of src by default), through an
// unaligned source and destination of dstLen storage units, and returns the
// destination. Packed 24-bit vectors hold three units per element.
template <class S, class D, class F>
std::vector<D> run(const std::vector<S>& src, F conv, std::size_t count = 0, std::size_t dstLen = 0)
{
    if (!count) count = src.size();
    if (!dstLen) dstLen = count;
    Unaligned<S> in(src.size());
    in.assign(src);
    Unaligned<D> out(dstLen);
    EXPECT_EQ(conv(in.data(), out.data(), int(count)), orvStsOk);
    return out.vec();
}

} // namespace

TEST(ConvertWiden, Exhaustive16BitSources)
{
    const auto s = all16s();
    const auto f = run<Orv16s, Orv32f>(s, orvsConvert_16s32f);
    const auto i = run<Orv16s, Orv32s>(s, orvsConvert_16s32s);
    std::vector<Orv16u> u(65536);
    for (int k = 0; k < 65536; ++k) u[k] = Orv16u(k);
    const auto uf = run<Orv16u, Orv32f>(u, orvsConvert_16u32f);
    for (int k = 0; k < 65536; ++k) {
        ASSERT_EQ(f[k], float(k - 32768));
        ASSERT_EQ(i[k], k - 32768);
        ASSERT_EQ(uf[k], float(k));
    }
}

TEST(ConvertWiden, EightBitAndThirtyTwoBitSourcesAtOddLengths)
{
    for (int n : oddLengths()) {
        const auto s8 = randomVector<Orv8s>(n, 11 + n);
        const auto u8 = randomVector<Orv8u>(n, 12 + n);
        const auto s32 = randomVector<Orv32s>(n, 13 + n);
        const auto s64 = randomVector<Orv64s>(n, 14 + n);
        const auto a = run<Orv8s, Orv16s>(s8, orvsConvert_8s16s);
        const auto b = run<Orv8s, Orv32f>(s8, orvsConvert_8s32f);
        const auto c = run<Orv8u, Orv32f>(u8, orvsConvert_8u32f);
        const auto d = run<Orv32s, Orv64f>(s32, orvsConvert_32s64f);
        const auto e = run<Orv32s, Orv32f>(s32, orvsConvert_32s32f);
        const auto g = run<Orv64s, Orv64f>(s64, [](const Orv64s* p, Orv64f* q, int len) {
            return orvsConvert_64s64f(p, q, Orv32u(len));
        });
        for (int k = 0; k < n; ++k) {
            ASSERT_EQ(a[k], s8[k]);
            ASSERT_EQ(b[k], float(s8[k]));
            ASSERT_EQ(c[k], float(u8[k]));
            ASSERT_EQ(d[k], double(s32[k]));
            // nearest even from the exact value: compare both neighbours
            const long double exact = s32[k];
            ASSERT_LE(std::fabs((long double)e[k] - exact), std::fabs((long double)std::nextafter(e[k], 0.0f) - exact));
            ASSERT_LE(std::fabs((long double)e[k] - exact), std::fabs((long double)std::nextafter(e[k], 2e9f * (s32[k] < 0 ? -1 : 1)) - exact));
            ASSERT_EQ(g[k], double(s64[k]));  // the compiler's conversion rounds to nearest even too
        }
    }
    // ties of the 32-bit to single conversion go to the even significand
    std::vector<Orv32s> ties = {16777217, 16777219, -16777217, 2147483647, -2147483647 - 1, 33554438};
    const auto t = run<Orv32s, Orv32f>(ties, orvsConvert_32s32f);
    EXPECT_EQ(t[0], 16777216.0f);
    EXPECT_EQ(t[1], 16777220.0f);
    EXPECT_EQ(t[2], -16777216.0f);
    EXPECT_EQ(t[3], 2147483648.0f);
    EXPECT_EQ(t[4], -2147483648.0f);
    EXPECT_EQ(t[5], 33554440.0f);
}

TEST(ConvertNarrow, SixteenToEightExhaustiveEveryModeAndScale)
{
    const auto s = all16s();
    const int step = quick() ? 7 : 1;
    for (int mode : {0, 1, 2, 5}) {
        for (int sf = -9; sf <= 20; ++sf) {
            Unaligned<Orv8s> out(s.size());
            ASSERT_EQ(orvsConvert_16s8s_Sfs(s.data(), out.data(), Orv32u(s.size()), OrvRoundMode(mode), sf), orvStsOk);
            for (std::size_t k = 0; k < s.size(); k += step)
                ASSERT_EQ(out[k], scaleInt(s[k], sf, rndNear(mode), -128, 127))
                    << "x=" << s[k] << " s=" << sf << " mode=" << mode;
        }
    }
    Orv16s x[2] = {3, -3};
    Orv8s y[2];
    const int expect[3][2] = {{1, -1}, {2, -2}, {2, -2}};
    for (int mode = 0; mode < 3; ++mode) {
        ASSERT_EQ(orvsConvert_16s8s_Sfs(x, y, 2, OrvRoundMode(mode), 1), orvStsOk);
        EXPECT_EQ(y[0], expect[mode][0]);
        EXPECT_EQ(y[1], expect[mode][1]);
    }
}

TEST(ConvertNarrow, ThirtyTwoAndSixtyFourBitWithScale)
{
    std::vector<Orv32s> edge = {0, 1, -1, 2, 3, -3, 5, 32767, 32768, -32768, -32769, 65535, 65536, 98304,
                                2147483647, -2147483647 - 1, 1073741824, -1073741824, 1073741825};
    for (int n : oddLengths()) {
        auto s32 = randomVector<Orv32s>(n, 100 + n);
        for (int k = 0; k < n; k += 3) s32[k] = edge[(k / 3) % edge.size()];
        for (int sf : {-40, -31, -17, -16, -1, 0, 1, 2, 7, 15, 16, 31, 32, 33, 80}) {
            const auto a = run<Orv32s, Orv16s>(s32, [sf](const Orv32s* p, Orv16s* q, int len) {
                return orvsConvert_32s16s_Sfs(p, q, len, sf);
            });
            for (int k = 0; k < n; ++k) ASSERT_EQ(a[k], scaleInt(s32[k], sf, 1, -32768, 32767)) << s32[k] << " " << sf;
        }
        const auto plain = run<Orv32s, Orv16s>(s32, orvsConvert_32s16s);
        for (int k = 0; k < n; ++k) ASSERT_EQ(plain[k], scaleInt(s32[k], 0, 1, -32768, 32767));
    }
    std::vector<Orv64s> edge64 = {0, 1, -1, 3, -3, 5, -5, INT64_MAX, INT64_MIN, 2147483647, 2147483648LL,
                                  -2147483648LL, -2147483649LL, 6442450943LL, -6442450944LL};
    for (int n : {1, 7, 33, 257}) {
        auto s64 = randomVector<Orv64s>(n, 200 + n);
        for (int k = 0; k < n; k += 2) s64[k] = edge64[(k / 2) % edge64.size()] >> ((k * 7) % 40);
        for (int mode : {0, 1, 2, -1}) {
            for (int sf : {-64, -32, -31, -30, -1, 0, 1, 2, 31, 32, 33, 62, 63, 64, 65, 200}) {
                const auto a = run<Orv64s, Orv32s>(s64, [&](const Orv64s* p, Orv32s* q, int len) {
                    return orvsConvert_64s32s_Sfs(p, q, len, OrvRoundMode(mode), sf);
                });
                for (int k = 0; k < n; ++k)
                    ASSERT_EQ(a[k], scaleInt(s64[k], sf, rndNear(mode), INT32_MIN, INT32_MAX))
                        << (long long)s64[k] << " s=" << sf << " mode=" << mode;
            }
        }
    }
}

TEST(ConvertPacked24, ReadBothSignednessesExactly)
{
    for (int n : oddLengths()) {
        const auto bytes = randomVector<Orv8u>(3 * n, 300 + n);
        const auto ss = run<Orv8u, Orv32s>(bytes, orvsConvert_24s32s, n);
        const auto uu = run<Orv8u, Orv32u>(bytes, orvsConvert_24u32u, n);
        const auto sf = run<Orv8u, Orv32f>(bytes, orvsConvert_24s32f, n);
        const auto uf = run<Orv8u, Orv32f>(bytes, orvsConvert_24u32f, n);
        for (int k = 0; k < n; ++k) {
            ASSERT_EQ(ss[k], read24(&bytes[3 * k], true));
            ASSERT_EQ(uu[k], Orv32u(read24(&bytes[3 * k], false)));
            ASSERT_EQ(sf[k], float(read24(&bytes[3 * k], true)));
            ASSERT_EQ(uf[k], float(read24(&bytes[3 * k], false)));
        }
    }
    const Orv8u minBytes[3] = {0x00, 0x00, 0x80};
    Orv32s v = 0;
    ASSERT_EQ(orvsConvert_24s32s(minBytes, &v, 1), orvStsOk);
    EXPECT_EQ(v, -8388608);
}

TEST(ConvertPacked24, WriteWithScaleClampedToThirtyOne)
{
    for (int n : oddLengths()) {
        auto s = randomVector<Orv32s>(n, 400 + n);
        for (int k = 0; k < n; k += 4) s[k] >>= (k % 31);
        if (n > 2) { s[0] = INT32_MIN; s[1] = 1073741825; s[2] = 8388607; }
        std::vector<Orv32u> u(n);
        for (int k = 0; k < n; ++k) u[k] = Orv32u(s[k]);
        for (int sf : {-50, -31, -8, -1, 0, 1, 8, 9, 30, 31, 32, 60}) {
            const int clamped = sf < -31 ? -31 : sf > 31 ? 31 : sf;
            const auto a = run<Orv32s, Orv8u>(s, [sf](const Orv32s* p, Orv8u* q, int len) {
                return orvsConvert_32s24s_Sfs(p, q, len, sf);
            }, n, 3 * n);
            const auto b = run<Orv32u, Orv8u>(u, [sf](const Orv32u* p, Orv8u* q, int len) {
                return orvsConvert_32u24u_Sfs(p, q, len, sf);
            }, n, 3 * n);
            for (int k = 0; k < n; ++k) {
                ASSERT_EQ(read24(&a[3 * k], true), scaleInt(s[k], clamped, 1, -8388608, 8388607)) << s[k] << " " << sf;
                ASSERT_EQ(read24(&b[3 * k], false), scaleInt(u[k], clamped, 1, 0, 16777215)) << u[k] << " " << sf;
            }
        }
    }
}

TEST(ConvertIntToFloat, ScaledExhaustive16BitAndClampedExponents)
{
    const auto s = all16s();
    for (int sf : {-300, -200, -112, -111, -15, -1, 0, 1, 15, 126, 127, 300}) {
        const int cf = sf < -112 ? -112 : sf > 126 ? 126 : sf;
        const int cd = sf < -1008 ? -1008 : sf > 1022 ? 1022 : sf;
        const auto f = run<Orv16s, Orv32f>(s, [sf](const Orv16s* p, Orv32f* q, int len) {
            return orvsConvert_16s32f_Sfs(p, q, len, sf);
        });
        const auto d = run<Orv16s, Orv64f>(s, [sf](const Orv16s* p, Orv64f* q, int len) {
            return orvsConvert_16s64f_Sfs(p, q, len, sf);
        });
        for (int k = 0; k < 65536; ++k) {
            ASSERT_EQ(f[k], float(std::ldexp((long double)s[k], -cf))) << s[k] << " " << sf;
            ASSERT_EQ(d[k], double(std::ldexp((long double)s[k], -cd)));
        }
    }
    for (int sf : {-5000, -1008, -1007, -993, -992, -991, -40, 0, 3, 1022, 1023, 5000}) {
        const int cd = sf < -992 ? -992 : sf > 1022 ? 1022 : sf;
        const int cf = sf < -112 ? -112 : sf > 126 ? 126 : sf;
        for (int n : {1, 9, 65}) {
            const auto x = randomVector<Orv32s>(n, 500 + n);
            const auto d = run<Orv32s, Orv64f>(x, [sf](const Orv32s* p, Orv64f* q, int len) {
                return orvsConvert_32s64f_Sfs(p, q, len, sf);
            });
            const auto f = run<Orv32s, Orv32f>(x, [sf](const Orv32s* p, Orv32f* q, int len) {
                return orvsConvert_32s32f_Sfs(p, q, len, sf);
            });
            for (int k = 0; k < n; ++k) {
                ASSERT_EQ(d[k], double(std::ldexp((long double)x[k], -cd))) << sf;
                ASSERT_EQ(f[k], float(std::ldexp((long double)x[k], -cf))) << sf;
            }
        }
    }
    // s = -200 uses the factor 2^112
    Orv16s one = 1;
    Orv32f r = 0;
    ASSERT_EQ(orvsConvert_16s32f_Sfs(&one, &r, 1, -200), orvStsOk);
    EXPECT_EQ(r, std::ldexp(1.0f, 112));
}
