// Where the constant forms and the shifts send their trivial cases, in which
// order the checks meet bad arguments, and the bit packer against a model
// that sets one bit at a time.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "test_util.h"

using namespace orvs_test;

namespace {

// ---- routing ---------------------------------------------------------------------
// Each case calls one entry on a source `s`, a destination `d` (both 16
// elements, s counting 1 .. 16 in each byte's low bits, d full of a guard
// pattern) or null, and names what the destination (or, in place, `s`) must
// hold afterwards.
enum Effect { kUntouched, kZeros, kCopy, kModel };

struct Bufs {
    alignas(64) Orv8u s[64];
    alignas(64) Orv8u d[64];
    template <class T> T* S() { return reinterpret_cast<T*>(s); }
    template <class T> T* D() { return reinterpret_cast<T*>(d); }
};

struct Case {
    const char* what;
    std::function<OrvStatus(Bufs&)> call;
    OrvStatus status;
    Effect effect;             // on d (out of place) or s (in place)
    bool inPlace = false;
    std::vector<Orv8u> model;  // kModel: the expected leading bytes
};

template <class T> T* nul() { return nullptr; }

const std::vector<Case>& routingCases()
{
    static const std::vector<Case> cases = {
        // constant forms: a constant without bits zeroes, a zero constant copies
        {"AndC_8u 0", [](Bufs& b) { return orvsAndC_8u(b.S<Orv8u>(), 0, b.D<Orv8u>(), 16); }, orvStsOk, kZeros},
        {"AndC_8u 0x100 (no bits in the type)", [](Bufs& b) { return orvsAndC_8u(b.S<Orv8u>(), Orv8u(0x100), b.D<Orv8u>(), 16); }, orvStsOk, kZeros},
        {"AndC_32u 0", [](Bufs& b) { return orvsAndC_32u(b.S<Orv32u>(), 0, b.D<Orv32u>(), 16); }, orvStsOk, kZeros},
        {"AndC_16u 0, null source", [](Bufs& b) { return orvsAndC_16u(nul<Orv16u>(), 0, b.D<Orv16u>(), 16); }, orvStsErrNullPtr, kUntouched},
        {"AndC_16u 0, null destination", [](Bufs& b) { return orvsAndC_16u(b.S<Orv16u>(), 0, nul<Orv16u>(), 16); }, orvStsErrNullPtr, kUntouched},
        {"AndC_16u 0, length 0", [](Bufs& b) { return orvsAndC_16u(b.S<Orv16u>(), 0, b.D<Orv16u>(), 0); }, orvStsErrSize, kUntouched},
        {"OrC_8u 0", [](Bufs& b) { return orvsOrC_8u(b.S<Orv8u>(), 0, b.D<Orv8u>(), 16); }, orvStsOk, kCopy},
        {"XorC_16u 0", [](Bufs& b) { return orvsXorC_16u(b.S<Orv16u>(), 0, b.D<Orv16u>(), 16); }, orvStsOk, kCopy},
        {"OrC_32u 0", [](Bufs& b) { return orvsOrC_32u(b.S<Orv32u>(), 0, b.D<Orv32u>(), 16); }, orvStsOk, kCopy},
        {"XorC_32u 0, null source", [](Bufs& b) { return orvsXorC_32u(nul<Orv32u>(), 0, b.D<Orv32u>(), 16); }, orvStsErrNullPtr, kUntouched},
        {"OrC_8u 0, length -1", [](Bufs& b) { return orvsOrC_8u(b.S<Orv8u>(), 0, b.D<Orv8u>(), -1); }, orvStsErrSize, kUntouched},
        {"AndC_8u 1, null destination", [](Bufs& b) { return orvsAndC_8u(b.S<Orv8u>(), 1, nul<Orv8u>(), 16); }, orvStsErrNullPtr, kUntouched},
        {"Not_32u of 0", [](Bufs& b) { std::fill_n(b.S<Orv32u>(), 16, 0u); return orvsNot_32u(b.S<Orv32u>(), b.D<Orv32u>(), 1); },
         orvStsOk, kModel, false, {0xFF, 0xFF, 0xFF, 0xFF, 0xA5}},
        // in place: checks first, a neutral constant then does nothing
        {"XorC_16u_I 0", [](Bufs& b) { return orvsXorC_16u_I(0, b.S<Orv16u>(), 16); }, orvStsOk, kUntouched, true},
        {"AndC_8u_I 0xFF", [](Bufs& b) { return orvsAndC_8u_I(0xFF, b.S<Orv8u>(), 16); }, orvStsOk, kUntouched, true},
        {"OrC_32u_I 0, null", [](Bufs&) { return orvsOrC_32u_I(0, nul<Orv32u>(), 16); }, orvStsErrNullPtr, kUntouched, true},
        {"XorC_8u_I 0, length 0", [](Bufs& b) { return orvsXorC_8u_I(0, b.S<Orv8u>(), 0); }, orvStsErrSize, kUntouched, true},
        {"AndC_16u_I 0", [](Bufs& b) { return orvsAndC_16u_I(0, b.S<Orv16u>(), 16); }, orvStsOk, kZeros, true},

        // shifts out of place: 0 copies; at least the width zeroes (left, logical right)
        {"LShiftC_16u 0", [](Bufs& b) { return orvsLShiftC_16u(b.S<Orv16u>(), 0, b.D<Orv16u>(), 16); }, orvStsOk, kCopy},
        {"RShiftC_32s 0", [](Bufs& b) { return orvsRShiftC_32s(b.S<Orv32s>(), 0, b.D<Orv32s>(), 16); }, orvStsOk, kCopy},
        {"LShiftC_16u 0, null destination", [](Bufs& b) { return orvsLShiftC_16u(b.S<Orv16u>(), 0, nul<Orv16u>(), 16); }, orvStsErrNullPtr, kUntouched},
        {"LShiftC_16u 16", [](Bufs& b) { return orvsLShiftC_16u(b.S<Orv16u>(), 16, b.D<Orv16u>(), 16); }, orvStsOk, kZeros},
        {"LShiftC_16u 16, null destination", [](Bufs& b) { return orvsLShiftC_16u(b.S<Orv16u>(), 16, nul<Orv16u>(), 16); }, orvStsErrNullPtr, kUntouched},
        {"LShiftC_16u 16, length 0", [](Bufs& b) { return orvsLShiftC_16u(b.S<Orv16u>(), 16, b.D<Orv16u>(), 0); }, orvStsErrSize, kUntouched},
        {"LShiftC_16u 16, null source", [](Bufs& b) { return orvsLShiftC_16u(nul<Orv16u>(), 16, b.D<Orv16u>(), 16); }, orvStsErrNullPtr, kUntouched},
        {"RShiftC_8u 8", [](Bufs& b) { return orvsRShiftC_8u(b.S<Orv8u>(), 8, b.D<Orv8u>(), 16); }, orvStsOk, kZeros},
        {"LShiftC_32s INT_MAX", [](Bufs& b) { return orvsLShiftC_32s(b.S<Orv32s>(), INT_MAX, b.D<Orv32s>(), 16); }, orvStsOk, kZeros},
        {"LShiftC_16s 16", [](Bufs& b) { return orvsLShiftC_16s(b.S<Orv16s>(), 16, b.D<Orv16s>(), 16); }, orvStsOk, kZeros},
        {"LShiftC_8u -1", [](Bufs& b) { return orvsLShiftC_8u(b.S<Orv8u>(), -1, b.D<Orv8u>(), 16); }, orvStsErrShift, kUntouched},
        {"LShiftC_8u -1, length 0", [](Bufs& b) { return orvsLShiftC_8u(b.S<Orv8u>(), -1, b.D<Orv8u>(), 0); }, orvStsErrSize, kUntouched},
        {"RShiftC_16u INT_MIN, null source", [](Bufs& b) { return orvsRShiftC_16u(nul<Orv16u>(), INT_MIN, b.D<Orv16u>(), 16); }, orvStsErrNullPtr, kUntouched},
        {"RShiftC_16s -1", [](Bufs& b) { return orvsRShiftC_16s(b.S<Orv16s>(), -1, b.D<Orv16s>(), 16); }, orvStsErrShift, kUntouched},
        // arithmetic right shifts by the width or more fill with the sign
        {"RShiftC_16s 20 of {-5, 7}", [](Bufs& b) { b.S<Orv16s>()[0] = -5, b.S<Orv16s>()[1] = 7; return orvsRShiftC_16s(b.S<Orv16s>(), 20, b.D<Orv16s>(), 2); },
         orvStsOk, kModel, false, {0xFF, 0xFF, 0x00, 0x00, 0xA5}},
        {"RShiftC_32s 32, null destination", [](Bufs& b) { return orvsRShiftC_32s(b.S<Orv32s>(), 32, nul<Orv32s>(), 16); }, orvStsErrNullPtr, kUntouched},
        {"RShiftC_32s 40 of {INT_MIN, INT_MAX}", [](Bufs& b) { b.S<Orv32s>()[0] = INT_MIN, b.S<Orv32s>()[1] = INT_MAX; return orvsRShiftC_32s(b.S<Orv32s>(), 40, b.D<Orv32s>(), 2); },
         orvStsOk, kModel, false, {0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0xA5}},

        // shifts in place: clearing counts go to the zero entry first
        {"LShiftC_16u_I 16", [](Bufs& b) { return orvsLShiftC_16u_I(16, b.S<Orv16u>(), 16); }, orvStsOk, kZeros, true},
        {"LShiftC_16u_I 16, null", [](Bufs&) { return orvsLShiftC_16u_I(16, nul<Orv16u>(), 16); }, orvStsErrNullPtr, kUntouched, true},
        {"RShiftC_8u_I 9, length 0", [](Bufs& b) { return orvsRShiftC_8u_I(9, b.S<Orv8u>(), 0); }, orvStsErrSize, kUntouched, true},
        {"LShiftC_32s_I 0", [](Bufs& b) { return orvsLShiftC_32s_I(0, b.S<Orv32s>(), 16); }, orvStsOk, kUntouched, true},
        {"LShiftC_32s_I 0, null", [](Bufs&) { return orvsLShiftC_32s_I(0, nul<Orv32s>(), 16); }, orvStsErrNullPtr, kUntouched, true},
        {"RShiftC_16u_I -1, length 0", [](Bufs& b) { return orvsRShiftC_16u_I(-1, b.S<Orv16u>(), 0); }, orvStsErrSize, kUntouched, true},
        {"RShiftC_16u_I -1", [](Bufs& b) { return orvsRShiftC_16u_I(-1, b.S<Orv16u>(), 16); }, orvStsErrShift, kUntouched, true},
        {"RShiftC_16s_I 0", [](Bufs& b) { return orvsRShiftC_16s_I(0, b.S<Orv16s>(), 16); }, orvStsOk, kUntouched, true},
        {"RShiftC_16s_I -1, null", [](Bufs&) { return orvsRShiftC_16s_I(-1, nul<Orv16s>(), 16); }, orvStsErrNullPtr, kUntouched, true},
        {"RShiftC_16s_I 16, length 0", [](Bufs& b) { return orvsRShiftC_16s_I(16, b.S<Orv16s>(), 0); }, orvStsErrSize, kUntouched, true},
        {"RShiftC_32s_I INT_MAX of {-2, 2}", [](Bufs& b) { b.S<Orv32s>()[0] = -2, b.S<Orv32s>()[1] = 2; return orvsRShiftC_32s_I(INT_MAX, b.S<Orv32s>(), 2); },
         orvStsOk, kModel, true, {0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0}},
    };
    return cases;
}

TEST(BitwiseRouting, TrivialCasesAndCheckOrder)
{
    for (const Case& c : routingCases()) {
        Bufs b;
        for (int i = 0; i < 64; ++i) b.s[i] = static_cast<Orv8u>(i + 1), b.d[i] = 0xA5;
        const Bufs before = b;
        const OrvStatus st = c.call(b);
        EXPECT_EQ(st, c.status) << c.what;
        const Orv8u* out = c.inPlace ? b.s : b.d;
        const Orv8u* was = c.inPlace ? before.s : before.d;
        // Out of place, the source is never written (the model cases set it up themselves).
        if (!c.inPlace && c.effect != kModel) EXPECT_TRUE(std::equal(b.s, b.s + 64, before.s)) << c.what << ": source written";
        switch (c.effect) {
        case kUntouched: EXPECT_TRUE(std::equal(out, out + 64, was)) << c.what << ": written"; break;
        case kZeros: {
            // 16 elements of the entry's width: 16, 32 or 64 bytes.
            const std::string w = c.what;
            const int bytes = w.find("8u") != std::string::npos ? 16 : w.find("32") != std::string::npos ? 64 : 32;
            EXPECT_TRUE(std::all_of(out, out + bytes, [](Orv8u x) { return x == 0; })) << c.what << ": not zeroed";
            EXPECT_TRUE(std::equal(out + bytes, out + 64, was + bytes)) << c.what << ": beyond the vector";
            break;
        }
        case kCopy: EXPECT_TRUE(std::equal(b.s, b.s + 16, b.d)) << c.what << ": not copied"; break;
        case kModel:
            for (std::size_t i = 0; i < c.model.size(); ++i) EXPECT_EQ(out[i], c.model[i]) << c.what << " byte " << i;
            break;
        }
    }
}

// ---- bit packing ----------------------------------------------------------------------

struct Packed {
    std::vector<Orv8u> bytes;
    int bits = 0;
    OrvStatus status = orvStsOk;
};

// One bit at a time into a copy of the destination.
Packed packModel(const std::vector<Orv32u>& codes, const std::vector<Orv32s>& lens, std::vector<Orv8u> dst, int offset)
{
    Packed p;
    std::size_t pos = offset % 8;
    for (std::size_t i = 0; i < codes.size(); ++i) {
        int k = lens[i];
        if (k < 0 || k > 32) p.status = orvStsWarnBitLenClamped, k = k < 0 ? 0 : 32;
        for (int b = k - 1; b >= 0; --b, ++pos) {
            const Orv8u bit = static_cast<Orv8u>(0x80u >> (pos % 8));
            dst[pos / 8] = static_cast<Orv8u>(((codes[i] >> b) & 1) ? dst[pos / 8] | bit : dst[pos / 8] & ~bit);
        }
        p.bits += k;
    }
    p.bytes = std::move(dst);
    return p;
}

TEST(BitwisePackBits, FirstCodesFillTheHighBits)
{
    const Orv32u codes[] = {1, 2};
    const Orv32s lens[] = {1, 2};
    Orv8u dst[2] = {0x1F, 0x77};
    int bits = -1;
    ASSERT_EQ(orvsPackBits_32u8u(codes, lens, 2, dst, 0, &bits), orvStsOk);
    EXPECT_EQ(dst[0], 0xDF);  // 110 then the five low bits it had
    EXPECT_EQ(dst[1], 0x77);
    EXPECT_EQ(bits, 3);
}

TEST(BitwisePackBits, MatchesBitByBitModel)
{
    std::mt19937 rng(61);
    for (int trial = 0; trial < (quick() ? 300 : 3000); ++trial) {
        const int n = 1 + static_cast<int>(rng() % 70);
        std::vector<Orv32u> codes(n);
        std::vector<Orv32s> lens(n);
        const bool clampSome = trial % 5 == 0;
        for (int i = 0; i < n; ++i) {
            codes[i] = static_cast<Orv32u>(rng());
            lens[i] = clampSome ? static_cast<Orv32s>(rng() % 41) - 4 : static_cast<Orv32s>(rng() % 33);
        }
        if (trial % 7 == 0) lens.assign(n, 32);  // whole words
        if (trial % 11 == 0) lens.assign(n, 0);  // nothing to write
        const int offset = trial % 3 == 0 ? static_cast<int>(rng() % 1000) : trial % 8;
        std::vector<Orv8u> dst(4 * static_cast<std::size_t>(n) + 16);  // room for every code at 32 bits past the offset
        for (auto& x : dst) x = static_cast<Orv8u>(rng());
        const Packed want = packModel(codes, lens, dst, offset);
        int bits = -1;
        const OrvStatus st = orvsPackBits_32u8u(codes.data(), lens.data(), n, dst.data(), offset, &bits);
        ASSERT_EQ(st, want.status) << "trial " << trial;
        ASSERT_EQ(bits, want.bits) << "trial " << trial;
        ASSERT_EQ(dst, want.bytes) << "trial " << trial << " offset " << offset << " n " << n;
    }
}

TEST(BitwisePackBits, RefusesBeforeWriting)
{
    const Orv32u codes[] = {0xFFFFFFFF};
    const Orv32s lens[] = {40};
    Orv8u dst[8] = {};
    int bits = 77;
    const struct {
        const char* what;
        OrvStatus got, want;
    } cases[] = {
        {"null codes", orvsPackBits_32u8u(nullptr, lens, 1, dst, 0, &bits), orvStsErrNullPtr},
        {"null lengths", orvsPackBits_32u8u(codes, nullptr, 1, dst, 0, &bits), orvStsErrNullPtr},
        {"null destination", orvsPackBits_32u8u(codes, lens, 1, nullptr, 0, &bits), orvStsErrNullPtr},
        {"null bit count", orvsPackBits_32u8u(codes, lens, 1, dst, 0, nullptr), orvStsErrNullPtr},
        {"null with length 0", orvsPackBits_32u8u(codes, lens, 0, nullptr, -1, &bits), orvStsErrNullPtr},
        {"length 0", orvsPackBits_32u8u(codes, lens, 0, dst, 0, &bits), orvStsErrSize},
        {"negative offset", orvsPackBits_32u8u(codes, lens, 1, dst, -1, &bits), orvStsErrSize},
    };
    for (const auto& c : cases) EXPECT_EQ(c.got, c.want) << c.what;
    EXPECT_TRUE(std::all_of(dst, dst + 8, [](Orv8u x) { return x == 0; }));
    EXPECT_EQ(bits, 77);
}

} // namespace
