// Floating sources and half precision: rounding modes, scale-factor limits,
// NaN and infinity, the control word, argument checks, and both kernel sets.
#include <gtest/gtest.h>
#include <unistd.h>
#include <xmmintrin.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include "convert_ref.h"


using namespace orvs_test;
using namespace convert_ref;

namespace {

constexpr float kInf = std::numeric_limits<float>::infinity();

// Random floats with the awkward values mixed in at random positions.
std::vector<float> awkwardFloats(int n, std::uint32_t seed, float range)
{
    auto v = randomVector<float>(n, seed, -range, range);
    const float special[] = {0.5f, -0.5f, 1.5f, -1.5f, 2.5f, -2.5f, 0.49999997f, -0.49999997f, 0.0f, -0.0f,
                             2147483648.0f, -2147483648.0f, 2147483520.0f, 32767.5f, -32768.5f, 32766.5f, 255.5f,
                             127.5f, -128.5f, 65535.5f, 8388607.5f, -8388608.5f, 1e-45f, -1e-40f, 1e10f, -1e10f,
                             kInf, -kInf, std::nanf(""), -std::nanf(""), 8388609.0f, 3.4e38f, 1.0e-38f};
    std::mt19937 rng(seed);
    for (int k = 0; k < n; k += 3) v[k] = special[rng() % (sizeof special / sizeof *special)];
    // half-integers over a range: the ties of every mode
    for (int k = 1; k < n; k += 5) v[k] = float(int(rng() % 200001) - 100000) + 0.5f;
    return v;
}

template <class D, class S, class F>
void checkFloatToInt(F conv, const char* name, std::int64_t lo, std::int64_t hi)
{
    const std::vector<int> scales = {0, 1, -1, 3, -7, 15, 16, 31, -31, 126, 127, 140, 149, 150, 200,
                                     -126, -127, -128, -129, -200};
    for (int n : oddLengths()) {
        if (quick() && n > 300) continue;
        const auto vf = awkwardFloats(n, 1000 + n, n % 2 ? 100000.0f : 3.0f);
        std::vector<S> src(vf.begin(), vf.end());
        if constexpr (sizeof(S) == 8)  // values that only double precision holds
            for (int k = 2; k < n; k += 7) src[k] = double(k) + 0.5 + 1e-9 * (k % 3);
        Unaligned<S> in(n);
        in.assign(src);
        for (int mode : {0, 1, 2, 7, -3}) {
            for (int sf : scales) {
                Unaligned<D> out(n);
                ASSERT_EQ(conv(in.data(), out.data(), n, OrvRoundMode(mode), sf), orvStsOk);
                const S factor = S(factorOf(sf));
                for (int k = 0; k < n; ++k) {
                    const S v = src[k] * factor;  // the product in the source precision
                    ASSERT_EQ(std::int64_t(out[k]), roundFloat((long double)v, rndNear(mode), lo, hi))
                        << name << " x=" << src[k] << " s=" << sf << " mode=" << mode;
                }
            }
        }
    }
}

} // namespace

TEST(ConvertFloatToInt, EveryDestinationEveryModeAndScale)
{
    checkFloatToInt<Orv16s, float>(orvsConvert_32f16s_Sfs, "32f16s", -32768, 32767);
    checkFloatToInt<Orv8s, float>(orvsConvert_32f8s_Sfs, "32f8s", -128, 127);
    checkFloatToInt<Orv8u, float>(orvsConvert_32f8u_Sfs, "32f8u", 0, 255);
    checkFloatToInt<Orv16u, float>(orvsConvert_32f16u_Sfs, "32f16u", 0, 65535);
    checkFloatToInt<Orv32s, float>(orvsConvert_32f32s_Sfs, "32f32s", INT32_MIN, INT32_MAX);
    checkFloatToInt<Orv16s, double>(orvsConvert_64f16s_Sfs, "64f16s", -32768, 32767);
    checkFloatToInt<Orv32s, double>(orvsConvert_64f32s_Sfs, "64f32s", INT32_MIN, INT32_MAX);
    checkFloatToInt<Orv64s, double>(
        [](const Orv64f* s, Orv64s* d, int n, OrvRoundMode m, int sf) {
            return orvsConvert_64f64s_Sfs(s, d, Orv32u(n), m, sf);
        },
        "64f64s", INT64_MIN, INT64_MAX);
}

TEST(ConvertFloatToInt, DocumentedValues)
{
    const float x[4] = {2.5f, 3.5f, -2.5f, -3.5f};
    const Orv16s expect[3][4] = {{2, 3, -2, -3}, {2, 4, -2, -4}, {3, 4, -3, -4}};
    Orv16s y[4];
    for (int mode = 0; mode < 3; ++mode) {
        ASSERT_EQ(orvsConvert_32f16s_Sfs(x, y, 4, OrvRoundMode(mode), 0), orvStsOk);
        for (int k = 0; k < 4; ++k) EXPECT_EQ(y[k], expect[mode][k]) << mode << " " << x[k];
    }
    ASSERT_EQ(orvsConvert_32f16s_Sfs(x, y, 4, OrvRoundMode(7), 0), orvStsOk);  // as ties away
    for (int k = 0; k < 4; ++k) EXPECT_EQ(y[k], expect[2][k]);
    const float odd[3] = {std::nanf(""), -kInf, 1.0e10f};
    ASSERT_EQ(orvsConvert_32f16s_Sfs(odd, y, 3, orvRndNear, 0), orvStsOk);
    EXPECT_EQ(y[0], 32767);
    EXPECT_EQ(y[1], -32768);
    EXPECT_EQ(y[2], 32767);
    Orv32s big[3];
    const float wide[3] = {2147483648.0f, std::nanf(""), -3e9f};
    ASSERT_EQ(orvsConvert_32f32s_Sfs(wide, big, 3, orvRndZero, 0), orvStsOk);
    EXPECT_EQ(big[0], INT32_MAX);
    EXPECT_EQ(big[1], INT32_MAX);
    EXPECT_EQ(big[2], INT32_MIN);
}

TEST(ConvertFloatToInt, Packed24NearestEven)
{
    for (int n : oddLengths()) {
        const auto src = awkwardFloats(n, 2000 + n, n % 2 ? 1.0e7f : 4.0f);
        for (int sf : {0, 1, -1, -10, 20, 150, -130}) {
            Unaligned<Orv8u> s24(3 * n), u24(3 * n);
            Unaligned<float> in(n);
            in.assign(src);
            ASSERT_EQ(orvsConvert_32f24s_Sfs(in.data(), s24.data(), n, sf), orvStsOk);
            ASSERT_EQ(orvsConvert_32f24u_Sfs(in.data(), u24.data(), n, sf), orvStsOk);
            for (int k = 0; k < n; ++k) {
                const float v = src[k] * factorOf(sf);
                ASSERT_EQ(read24(&s24[3 * k], true), roundFloat(v, 1, -8388608, 8388607)) << src[k] << " " << sf;
                ASSERT_EQ(read24(&u24[3 * k], false), roundFloat(v, 1, 0, 16777215)) << src[k] << " " << sf;
            }
        }
    }
}

TEST(ConvertFloat, WidenAndNarrowPrecision)
{
    for (int n : oddLengths()) {
        auto f = awkwardFloats(n, 3000 + n, 1e6f);
        const auto d = randomVector<double>(n, 3100 + n, -1e6, 1e6);
        std::vector<double> dd(d);
        const double odd[] = {1e300, -1e300, 3.4028235677973366e38, 1e-310, 1.0000000596046448, 0.0, -0.0,
                              std::nan(""), INFINITY};
        for (int k = 0; k < n; k += 4) dd[k] = odd[(k / 4) % 9];
        Unaligned<float> fin(n), fout(n);
        Unaligned<double> din(n), dout(n);
        fin.assign(f);
        din.assign(dd);
        ASSERT_EQ(orvsConvert_32f64f(fin.data(), dout.data(), n), orvStsOk);
        ASSERT_EQ(orvsConvert_64f32f(din.data(), fout.data(), n), orvStsOk);
        for (int k = 0; k < n; ++k) {
            if (std::isnan(f[k])) ASSERT_TRUE(std::isnan(dout[k]));
            else ASSERT_EQ(bitsOf(float(dout[k])), bitsOf(f[k]));
            const float want = float(dd[k]);  // the compiler's conversion: nearest even
            if (std::isnan(want)) ASSERT_TRUE(std::isnan(fout[k]));
            else ASSERT_EQ(bitsOf(fout[k]), bitsOf(want)) << dd[k];
        }
    }
}

TEST(ConvertHalf, AllPatternsToSingleAndTo16sWithScale)
{
    std::vector<Orv16f> h(65536);
    for (int k = 0; k < 65536; ++k) h[k] = Orv16f(k);
    Unaligned<Orv16f> in(65536);
    in.assign(h);
    Unaligned<float> f(65536);
    ASSERT_EQ(orvsConvert_16f32f(in.data(), f.data(), 65536), orvStsOk);
    for (int k = 0; k < 65536; ++k) {
        const double want = halfValue(Orv16f(k));
        if (std::isnan(want)) {
            ASSERT_TRUE(std::isnan(f[k]));
            ASSERT_EQ((bitsOf(f[k]) >> 13) & 0x3FF, (k & 0x3FF) | 0x200u) << k;  // payload kept, quiet
            ASSERT_EQ(bitsOf(f[k]) >> 31, unsigned(k >> 15));
        } else {
            ASSERT_EQ(double(f[k]), want) << k;
            ASSERT_EQ(std::signbit(f[k]), bool(k & 0x8000));
        }
    }
    const int step = quick() ? 5 : 1;
    for (int mode : {0, 1, 3, -1}) {
        for (int sf : {0, 1, -1, -10, 5, 16, 30, 149, 150, -127, -128}) {
            Unaligned<Orv16s> out(65536);
            ASSERT_EQ(orvsConvert_16f16s_Sfs(in.data(), out.data(), 65536, OrvRoundMode(mode), sf), orvStsOk);
            const float factor = factorOf(sf);
            for (int k = 0; k < 65536; k += step) {
                const float v = float(halfValue(Orv16f(k))) * factor;
                ASSERT_EQ(out[k], roundFloat(v, mode == 1 ? 1 : 0, -32768, 32767)) << k << " s=" << sf;
            }
        }
    }
}

TEST(ConvertHalf, ToHalfBothModes)
{
    // every 16-bit integer
    std::vector<Orv16s> s(65536);
    for (int k = 0; k < 65536; ++k) s[k] = Orv16s(k - 32768);
    Unaligned<Orv16s> sin(65536);
    sin.assign(s);
    for (int mode : {0, 1, 3, -5}) {
        Unaligned<Orv16f> out(65536);
        ASSERT_EQ(orvsConvert_16s16f(sin.data(), out.data(), 65536, OrvRoundMode(mode)), orvStsOk);
        for (int k = 0; k < 65536; ++k) ASSERT_EQ(out[k], halfOf(s[k], mode == 1)) << s[k] << " mode " << mode;
    }
    // floats at and around every half value and every midpoint, plus specials
    std::vector<float> f;
    for (int h = 0; h < 0x7C00; h += quick() ? 7 : 1) {
        const float v = float(halfValue(Orv16f(h)));
        const float mid = float((halfValue(Orv16f(h)) + (h + 1 < 0x7C00 ? halfValue(Orv16f(h + 1)) : 65536.0)) / 2);
        for (float x : {v, mid, std::nextafter(mid, 0.0f), std::nextafter(mid, kInf)}) {
            f.push_back(x);
            f.push_back(-x);
        }
    }
    for (float x : {kInf, -kInf, 1e-45f, -1e-40f, 3e-8f, 2.9802322e-08f, 1e6f, 65519.996f, 65520.0f, 1e38f})
        f.push_back(x);
    const auto r = randomVector<float>(9999, 77, -70000.0, 70000.0);
    f.insert(f.end(), r.begin(), r.end());
    const int n = int(f.size());
    Unaligned<float> fin(n);
    fin.assign(f);
    for (int mode : {0, 1, 4}) {
        Unaligned<Orv16f> out(n);
        ASSERT_EQ(orvsConvert_32f16f(fin.data(), out.data(), n, OrvRoundMode(mode)), orvStsOk);
        for (int k = 0; k < n; ++k) ASSERT_EQ(out[k], halfOf(f[k], mode == 1)) << f[k] << " mode " << mode;
    }
    // NaN stays a quiet NaN of the same sign with the top of its payload
    const float nans[3] = {floatOf(0x7FC00000u), floatOf(0xFF812345u), floatOf(0x7F800001u)};
    Orv16f hn[3];
    ASSERT_EQ(orvsConvert_32f16f(nans, hn, 3, orvRndNear), orvStsOk);
    EXPECT_EQ(hn[0], 0x7E00);
    EXPECT_EQ(hn[1], 0xFE00 | (0x012345u >> 13));
    EXPECT_EQ(hn[2], 0x7E00);
}

TEST(ConvertChecks, OrderAndNothingWrittenOnError)
{
    Orv16s s16[4] = {1, 2, 3, 4};
    float f32[4] = {1, 2, 3, 4};
    Orv16f h[4] = {0x3C00, 0x3C00, 0x3C00, 0x3C00};
    Orv16s d16[4] = {99, 99, 99, 99};
    Orv16f dh[4] = {7, 7, 7, 7};
    EXPECT_EQ(orvsConvert_16s32f(nullptr, f32, 0), orvStsErrNullPtr);
    EXPECT_EQ(orvsConvert_16s32f(s16, nullptr, 4), orvStsErrNullPtr);
    EXPECT_EQ(orvsConvert_16s32f(s16, f32, 0), orvStsErrSize);
    EXPECT_EQ(orvsConvert_32f16s_Sfs(f32, d16, -1, orvRndNear, 0), orvStsErrSize);
    EXPECT_EQ(orvsConvert_32f16s_Sfs(f32, nullptr, -1, orvRndNear, 0), orvStsErrNullPtr);
    EXPECT_EQ(orvsConvert_16s8s_Sfs(s16, reinterpret_cast<Orv8s*>(d16), 0, orvRndNear, 0), orvStsErrSize);
    EXPECT_EQ(orvsConvert_64s64f(nullptr, nullptr, 0), orvStsErrNullPtr);
    Orv64s i64 = 1;
    Orv64f f64 = 0;
    EXPECT_EQ(orvsConvert_64s64f(&i64, &f64, 0), orvStsErrSize);
    EXPECT_EQ(orvsConvert_64f64s_Sfs(&f64, &i64, 0, orvRndNear, 0), orvStsErrSize);
    // half precision: rndMode 2 refused after the pointer and length checks
    EXPECT_EQ(orvsConvert_16s16f(s16, dh, 4, orvRndFinancial), orvStsErrRoundMode);
    EXPECT_EQ(orvsConvert_32f16f(f32, dh, 4, orvRndFinancial), orvStsErrRoundMode);
    EXPECT_EQ(orvsConvert_16f16s_Sfs(h, d16, 4, orvRndFinancial, 0), orvStsErrRoundMode);
    EXPECT_EQ(orvsConvert_16f16s_Sfs(h, d16, 0, orvRndFinancial, 0), orvStsErrSize);
    EXPECT_EQ(orvsConvert_32f16f(nullptr, dh, 0, orvRndFinancial), orvStsErrNullPtr);
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(d16[k], 99);
        EXPECT_EQ(dh[k], 7);
    }
    EXPECT_EQ(f64, 0.0);
    EXPECT_EQ(i64, 1);
    // mode 3 truncates for the half members
    const float third = 1.0f + 1.0f / 1024 * 0.75f;
    ASSERT_EQ(orvsConvert_32f16f(&third, dh, 1, OrvRoundMode(3)), orvStsOk);
    EXPECT_EQ(dh[0], 0x3C00);
    ASSERT_EQ(orvsConvert_32f16f(&third, dh, 1, orvRndNear), orvStsOk);
    EXPECT_EQ(dh[0], 0x3C01);
}

TEST(ConvertControlWord, ForcedRoundingRestoresCallerSettings)
{
    const unsigned saved = _mm_getcsr();
    // round down, flush-to-zero and denormals-are-zero: none may leak into the results
    const unsigned caller = (saved & ~0x6000u) | 0x2000u | 0x8040u;
    _mm_setcsr(caller);
    const float x[9] = {2.5f, -2.5f, 1.5f, 0.7f, -0.7f, 1.1e-38f, 33.3f, 16777217.0f, 0.5f};
    Orv16s y[9];
    const OrvStatus st = orvsConvert_32f16s_Sfs(x, y, 9, orvRndNear, 0);
    const unsigned afterNear = _mm_getcsr();
    Orv32s z[9];
    const OrvStatus st2 = orvsConvert_32f32s_Sfs(x, z, 9, orvRndNear, -127);  // subnormal input scaled up
    Orv32f w[1];
    const Orv32s big = 16777217;
    const OrvStatus st3 = orvsConvert_32s32f(&big, w, 1);
    Orv16f h[1];
    const OrvStatus st4 = orvsConvert_32f16f(&x[6], h, 1, orvRndNear);
    const unsigned after = _mm_getcsr();
    _mm_setcsr(saved);
    ASSERT_EQ(st, orvStsOk);
    ASSERT_EQ(st2, orvStsOk);
    ASSERT_EQ(st3, orvStsOk);
    ASSERT_EQ(st4, orvStsOk);
    EXPECT_EQ(afterNear & ~0x3Fu, caller & ~0x3Fu);
    EXPECT_EQ(after & ~0x3Fu, caller & ~0x3Fu);
    const Orv16s want[9] = {2, -2, 2, 1, -1, 0, 33, 32767, 0};
    for (int k = 0; k < 9; ++k) EXPECT_EQ(y[k], want[k]) << k;
    EXPECT_EQ(z[5], 2);  // 1.1e-38 * 2^127 = 1.87: the subnormal was not flushed
    EXPECT_EQ(w[0], 16777216.0f);
    EXPECT_EQ(h[0], halfOf(33.3f, true));
}

// The whole conversion suite again in a child process with a capped kernel
// set (the set is chosen once per process).
TEST(ConvertKernelSets, BaselineMatchesReference) { ORVS_RERUN_UNDER_VARIANT("avx", "Convert*:-ConvertKernelSets.*"); }
TEST(ConvertKernelSets, Avx2MatchesReferenceOnAvx512Machines)
{
    ORVS_RERUN_UNDER_VARIANT("avx2", "Convert*:-ConvertKernelSets.*");
}
