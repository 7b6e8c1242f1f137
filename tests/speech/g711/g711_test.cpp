// G.711 against a model built from the quantiser's definition: segments of
// the 13-bit (A-law) and biased 14-bit (mu-law) magnitude, uniform steps
// inside each, the middle of the step as the decoded value. Every code,
// every 16-bit sample, the floating-point forms at and beside every rounding
// boundary, every length and offset, every kernel variant.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <numeric>
#include <string>
#include <vector>

#include "test_util.h"

using namespace orvs_test;

namespace {

// ---- the model -------------------------------------------------------------------

// A-law: segment s of the 12-bit magnitude starts at 0, 32, 64, ..., 2048,
// steps of 2 in segments 0 and 1, doubling after. Line code: even bits
// inverted, sign bit 1 for positive.
int aStart(int s) { return s == 0 ? 0 : 16 << s; }
int aStep(int s) { return s == 0 ? 2 : 1 << s; }

Orv8u aModelEncode(int x)
{
    const bool neg = x < 0;
    const int mag = neg ? (-x - 1) / 8 : x / 8;  // magnitude of the floor of x/8
    int s = 7;
    while (mag < aStart(s)) --s;
    const int q = (mag - aStart(s)) / aStep(s);
    return static_cast<Orv8u>(((neg ? 0 : 0x80) | s << 4 | q) ^ 0x55);
}
int aModelDecode(Orv8u code)
{
    const int c = code ^ 0x55, s = (c >> 4) & 7, q = c & 15;
    const int v = 8 * aStart(s) + 8 * aStep(s) * q + 4 * aStep(s);  // middle of the step, 16-bit scale
    return c & 0x80 ? v : -v;
}

// mu-law: the magnitude / 4 plus 33 lies in segment k = [32·2^k, 64·2^k),
// steps of 2^(k+1); the line code is the complement of sign·segment·step.
Orv8u muModelEncode(int x, bool neg)
{
    const long mag = neg ? (-static_cast<long>(x) - 1) : x;
    long b = (mag < 0 ? -1 : mag / 4) + 33;  // a negative value rounded to 0 lies below the first step
    if (b > 8191) b = 8191;
    int k = 7;
    while (b < (32L << k)) --k;
    const int q = static_cast<int>((b - (32L << k)) >> (k + 1));
    return static_cast<Orv8u>(~((neg ? 0x80 : 0) | k << 4 | q) & 0xFF);
}
int muModelDecode(Orv8u code)
{
    const int c = ~code & 0xFF, k = (c >> 4) & 7, q = c & 15;
    const int b2 = (64 << k) + (4 << k) * q + (2 << k);  // twice the middle of the step, biased
    const int v = 2 * (b2 - 66);
    return c & 0x80 ? -v : v;
}

// The floating-point encoders' 16-bit value and sign, in double precision.
int linear16Model(float v)
{
    if (std::isnan(v)) return 0;
    const double w = std::clamp(static_cast<double>(v) * 32768.0, -32768.0, 32767.0);
    return static_cast<int>(std::round(w));  // half away from zero
}

using Decode16 = OrvStatus (*)(const Orv8u*, Orv16s*, int);
using Decode32 = OrvStatus (*)(const Orv8u*, Orv32f*, int);
using Encode16 = OrvStatus (*)(const Orv16s*, Orv8u*, int);
using Encode32 = OrvStatus (*)(const Orv32f*, Orv8u*, int);

// A law's entries and model, and the transcoder to the other law with that law's encoder.
struct LawRow {
    const char* name;
    Decode16 dec16;
    Decode32 dec32;
    Encode16 enc16;
    Encode32 enc32;
    OrvStatus (*toOther)(const Orv8u*, Orv8u*, int);
    int (*decode)(Orv8u);
    Orv8u (*encode)(int, bool), (*otherEncode)(int, bool);
};
Orv8u aModelEncodeSigned(int x, bool) { return aModelEncode(x); }
const LawRow kLaws[] = {
    {"A-law", orvsALawToLin_8u16s, orvsALawToLin_8u32f, orvsLinToALaw_16s8u, orvsLinToALaw_32f8u, orvsALawToMuLaw_8u, aModelDecode,
     aModelEncodeSigned, muModelEncode},
    {"mu-law", orvsMuLawToLin_8u16s, orvsMuLawToLin_8u32f, orvsLinToMuLaw_16s8u, orvsLinToMuLaw_32f8u, orvsMuLawToALaw_8u, muModelDecode,
     muModelEncode, aModelEncodeSigned},
};

std::vector<Orv8u> everyCode()
{
    std::vector<Orv8u> v(256);
    std::iota(v.begin(), v.end(), Orv8u(0));
    return v;
}

// ---- every code, every sample ----------------------------------------------------------

// Decoding, then encoding the decoded values returns every code but the
// second mu-law zero.
TEST(G711Values, EveryCodeDecodesAndComesBack)
{
    const auto codes = everyCode();
    std::vector<Orv16s> d16(256);
    std::vector<Orv32f> d32(256);
    std::vector<Orv8u> back(256);
    for (const auto& law : kLaws) {
        ASSERT_EQ(law.dec16(codes.data(), d16.data(), 256), orvStsOk);
        ASSERT_EQ(law.dec32(codes.data(), d32.data(), 256), orvStsOk);
        ASSERT_EQ(law.enc16(d16.data(), back.data(), 256), orvStsOk);
        for (int c = 0; c < 256; ++c) {
            ASSERT_EQ(d16[c], law.decode(Orv8u(c))) << law.name << " code " << c;
            ASSERT_EQ(d32[c], static_cast<float>(law.decode(Orv8u(c)) / 32768.0)) << law.name << " code " << c;
            EXPECT_EQ(back[c], law.dec16 == orvsMuLawToLin_8u16s && c == 0x7F ? 0xFF : c) << law.name << " code " << c;
        }
    }
}

TEST(G711Values, EverySampleEncodes)
{
    std::vector<Orv16s> x(65536);
    std::iota(x.begin(), x.end(), Orv16s(-32768));
    std::vector<Orv8u> d(x.size());
    for (const auto& law : kLaws) {
        ASSERT_EQ(law.enc16(x.data(), d.data(), static_cast<int>(x.size())), orvStsOk);
        for (std::size_t i = 0; i < x.size(); ++i) ASSERT_EQ(d[i], law.encode(x[i], x[i] < 0)) << law.name << " of " << x[i];
    }
}

// Fixed points that check the model as much as the entries.
TEST(G711Values, KnownCodes)
{
    const auto enc16 = [](Encode16 f, Orv16s x) { Orv8u c = 0; f(&x, &c, 1); return int(c); };
    const auto enc32 = [](Encode32 f, Orv32f x) { Orv8u c = 0; f(&x, &c, 1); return int(c); };
    const auto dec = [](Decode16 f, Orv8u c) { Orv16s x = 0; f(&c, &x, 1); return int(x); };
    const struct { const char* what; int got, want; } cases[] = {
        {"A 32767", enc16(orvsLinToALaw_16s8u, 32767), 0xAA}, {"A -32768", enc16(orvsLinToALaw_16s8u, -32768), 0x2A},
        {"mu 32767", enc16(orvsLinToMuLaw_16s8u, 32767), 0x80}, {"mu -32768", enc16(orvsLinToMuLaw_16s8u, -32768), 0x00},
        {"A 0xD5", dec(orvsALawToLin_8u16s, 0xD5), 8}, {"mu 0xFF", dec(orvsMuLawToLin_8u16s, 0xFF), 0},
        {"mu 1.0f", enc32(orvsLinToMuLaw_32f8u, 1.0f), 0x80}, {"A -1.0f", enc32(orvsLinToALaw_32f8u, -1.0f), 0x2A},
        {"mu -1e-9f", enc32(orvsLinToMuLaw_32f8u, -1e-9f), 0x7F}, {"mu 1e-9f", enc32(orvsLinToMuLaw_32f8u, 1e-9f), 0xFF},
        {"A -1e-9f", enc32(orvsLinToALaw_32f8u, -1e-9f), 0xD5},
    };
    for (const auto& c : cases) EXPECT_EQ(c.got, c.want) << c.what;
}

// Transcoding gives the other law's code of the decoded value; the sign of
// a non-zero value survives, and A-law to mu-law and back stays within a step.
TEST(G711Values, EveryCodeTranscodes)
{
    const auto codes = everyCode();
    std::vector<Orv8u> other(256), back(256);
    for (const auto& law : kLaws) {
        ASSERT_EQ(law.toOther(codes.data(), other.data(), 256), orvStsOk);
        for (int c = 0; c < 256; ++c) {
            const int v = law.decode(Orv8u(c));
            EXPECT_EQ(other[c], law.otherEncode(v, v < 0)) << law.name << " code " << c;
            if (v != 0) EXPECT_EQ((other[c] ^ c) & 0x80, 0) << "sign of " << law.name << " code " << c;
        }
    }
    orvsALawToMuLaw_8u(codes.data(), other.data(), 256);
    orvsMuLawToALaw_8u(other.data(), back.data(), 256);
    for (int c = 0; c < 256; ++c)
        EXPECT_LE(std::abs(aModelDecode(back[c]) - aModelDecode(Orv8u(c))), std::abs(aModelDecode(Orv8u(c))) / 8 + 16) << "A-law code " << c;
}

// ---- floating point ----------------------------------------------------------------------

TEST(G711Float, EverySampleAndEveryRoundingBoundary)
{
    std::vector<Orv32f> v;
    for (int k = -32769; k <= 32768; ++k) {
        const float at = static_cast<float>(k / 32768.0), half = static_cast<float>((k + 0.5) / 32768.0);
        for (float f : {at, half, std::nextafter(half, -1e9f), std::nextafter(half, 1e9f)}) v.push_back(f);
    }
    const float inf = std::numeric_limits<float>::infinity(), nan = std::numeric_limits<float>::quiet_NaN();
    for (float f : {1.0f, -1.0f, 1.5f, -7.0f, inf, -inf, nan, -nan, 0.0f, -0.0f, 1e-30f, -1e-30f, 1e-45f, -1e-45f,
                    0.5f / 32768, -0.5f / 32768, std::numeric_limits<float>::max(), std::numeric_limits<float>::lowest()})
        v.push_back(f);
    const auto r = randomVector<Orv32f>(100001, 71u, -1.2, 1.2);
    v.insert(v.end(), r.begin(), r.end());
    std::vector<Orv8u> d(v.size());
    for (const auto& law : kLaws) {
        ASSERT_EQ(law.enc32(v.data(), d.data(), static_cast<int>(v.size())), orvStsOk);
        for (std::size_t i = 0; i < v.size(); ++i)
            ASSERT_EQ(d[i], law.encode(linear16Model(v[i]), std::signbit(v[i]))) << law.name << " of " << v[i] << " (" << i << ")";
    }
}

// ---- lengths, offsets, variants ------------------------------------------------------------

TEST(G711Lanes, EveryLengthEveryOffset)
{
    const auto x = randomVector<Orv16s>(150, 81u);
    const auto f = randomVector<Orv32f>(150, 82u, -1.1, 1.1);
    const auto c = randomVector<Orv8u>(150, 83u);
    lengthOffsetSweep(150, 16, [&](int n, int o) {
        Guarded<Orv16s> s16(n, (o * 5 + 3) % 16), d16(n, o);
        Guarded<Orv32f> s32(n, (o * 3 + 1) % 16), d32(n, o);
        Guarded<Orv8u> s8(n, (o * 7 + 2) % 16), d8(n, o);
        s16.assign(x), s32.assign(f), s8.assign(c);
        for (const auto& law : kLaws) {
            const std::string what = std::string(law.name) + " n=" + std::to_string(n) + " offset=" + std::to_string(o);
            ASSERT_EQ(law.enc16(s16.data(), d8.data(), n), orvStsOk);
            for (int i = 0; i < n; ++i) ASSERT_EQ(d8[i], law.encode(x[i], x[i] < 0)) << what;
            ASSERT_EQ(law.enc32(s32.data(), d8.data(), n), orvStsOk);
            for (int i = 0; i < n; ++i) ASSERT_EQ(d8[i], law.encode(linear16Model(f[i]), f[i] < 0)) << what;
            ASSERT_EQ(law.dec16(s8.data(), d16.data(), n), orvStsOk);
            for (int i = 0; i < n; ++i) ASSERT_EQ(d16[i], law.decode(c[i])) << what;
            ASSERT_EQ(law.toOther(s8.data(), d8.data(), n), orvStsOk);
            for (int i = 0; i < n; ++i) ASSERT_EQ(d8[i], law.otherEncode(law.decode(c[i]), law.decode(c[i]) < 0)) << what;
            ASSERT_EQ(law.dec32(s8.data(), d32.data(), n), orvStsOk);
            for (int i = 0; i < n; ++i) ASSERT_EQ(d32[i], law.decode(c[i]) / 32768.0f) << what;
            ASSERT_TRUE(d8.guardsIntact() && d16.guardsIntact() && d32.guardsIntact()) << what << ": wrote outside";
        }
    });
}

TEST(G711Variants, Avx) { ORVS_RERUN_UNDER_VARIANT("avx", "G711*:-G711Variants.*"); }
TEST(G711Variants, Avx2) { ORVS_RERUN_UNDER_VARIANT("avx2", "G711*:-G711Variants.*"); }

} // namespace
