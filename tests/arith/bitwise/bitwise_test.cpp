// Bitwise entries against models on exact integers (every 8- and 16-bit
// value, every shift count, every short length and offset), the routing of
// trivial constants and counts, and the packer against a bit-by-bit model.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <functional>
#include <string>
#include <vector>

#include "test_util.h"

using namespace orvs_test;

namespace {

template <class T> using U = std::make_unsigned_t<T>;
template <class T> T logicModel(char op, T a, T b) { return static_cast<T>(op == '&' ? a & b : op == '|' ? a | b : a ^ b); }
// Shifts as multiplication and floor division on 64-bit integers.
enum Kind { kLeft, kRight, kArith };
template <class T>
T shiftModel(Kind kind, T x, int c)
{
    const std::uint64_t u = static_cast<U<T>>(x);
    if (kind != kArith) return c >= int(8 * sizeof(T)) ? T(0) : static_cast<T>(kind == kLeft ? u * (1ull << c) : u / (1ull << c));
    const std::int64_t v = x, d = std::int64_t(1) << std::min(c, 62);
    return static_cast<T>(v / d - (v % d != 0 && v < 0));
}
template <class T> std::vector<T> everyValue()
{
    std::vector<T> v(std::size_t(1) << (8 * sizeof(T)));
    std::iota(v.begin(), v.end(), T(0));
    return v;
}

// ---- logic -------------------------------------------------------------------
template <class T> struct LogicRow {
    char op;
    OrvStatus (*vv)(const T*, const T*, T*, int), (*vvI)(const T*, T*, int), (*vc)(const T*, T, T*, int), (*vcI)(T, T*, int);
};
#define LOGIC_ROWS(t) {{'&', orvsAnd_##t, orvsAnd_##t##_I, orvsAndC_##t, orvsAndC_##t##_I}, \
    {'|', orvsOr_##t, orvsOr_##t##_I, orvsOrC_##t, orvsOrC_##t##_I}, {'^', orvsXor_##t, orvsXor_##t##_I, orvsXorC_##t, orvsXorC_##t##_I}}
const LogicRow<Orv8u> kLogic8[] = LOGIC_ROWS(8u);
const LogicRow<Orv16u> kLogic16[] = LOGIC_ROWS(16u);
const LogicRow<Orv32u> kLogic32[] = LOGIC_ROWS(32u);

// Every form at every length up to three 64-byte registers, the buffers at
// different element offsets; a constant with distinct bytes shows a pattern
// out of phase.
template <class T, std::size_t N>
void sweepLogic(const LogicRow<T> (&rows)[N], OrvStatus (*notV)(const T*, T*, int), OrvStatus (*notI)(T*, int))
{
    const int maxLen = 200 / sizeof(T), offsets = 64 / sizeof(T);
    const auto va = randomVector<T>(maxLen, 11u), vb = randomVector<T>(maxLen, 12u);
    const T c = static_cast<T>(0x5AC3E19Bu);
    lengthOffsetSweep(maxLen, offsets, [&](int n, int o) {
        Guarded<T> a(n, (o * 3 + 1) % offsets), b(n, (o * 5 + 2) % offsets), d(n, o);
        a.assign(va), b.assign(vb);
        const auto expect = [&](char op, bool constant, const char* form) {
            for (int i = 0; i < n; ++i)
                ASSERT_EQ(d[i], logicModel(op, va[i], constant ? c : vb[i])) << op << form << " n=" << n << " offset=" << o << " at " << i;
            ASSERT_TRUE(d.guardsIntact()) << op << form << " wrote outside, n=" << n;
        };
        for (const auto& r : rows) {
            ASSERT_EQ(r.vv(a.data(), b.data(), d.data(), n), orvStsOk); expect(r.op, false, "");
            ASSERT_EQ(r.vc(a.data(), c, d.data(), n), orvStsOk); expect(r.op, true, "C");
            d.assign(vb);
            ASSERT_EQ(r.vvI(a.data(), d.data(), n), orvStsOk); expect(r.op, false, "_I");
            d.assign(va);
            ASSERT_EQ(r.vcI(c, d.data(), n), orvStsOk); expect(r.op, true, "C_I");
        }
        ASSERT_EQ(notV(a.data(), d.data(), n), orvStsOk);
        for (int i = 0; i < n; ++i) ASSERT_EQ(d[i], static_cast<T>(~va[i])) << "not, n=" << n << " at " << i;
        ASSERT_EQ(notI(d.data(), n), orvStsOk);
        for (int i = 0; i < n; ++i) ASSERT_EQ(d[i], va[i]) << "not in place, n=" << n << " at " << i;
    });
}

TEST(BitwiseLogic, EveryFormEveryLengthEveryOffset)
{
    sweepLogic(kLogic8, orvsNot_8u, orvsNot_8u_I);
    sweepLogic(kLogic16, orvsNot_16u, orvsNot_16u_I);
    sweepLogic(kLogic32, orvsNot_32u, orvsNot_32u_I);
}
// Bytes: every constant on every value, so every pair of operands.
TEST(BitwiseLogic, EveryPairOfBytes)
{
    const auto x = everyValue<Orv8u>();
    std::vector<Orv8u> c(256), d(256);
    for (const auto& r : kLogic8)
        for (int k = 0; k < 256; ++k) {
            std::fill(c.begin(), c.end(), Orv8u(k));
            ASSERT_EQ(r.vc(x.data(), Orv8u(k), d.data(), 256), orvStsOk);
            for (int i = 0; i < 256; ++i) ASSERT_EQ(d[i], logicModel(r.op, x[i], Orv8u(k))) << r.op << "C " << k << " on " << i;
            ASSERT_EQ(r.vv(x.data(), c.data(), d.data(), 256), orvStsOk);
            for (int i = 0; i < 256; ++i) ASSERT_EQ(d[i], logicModel(r.op, x[i], Orv8u(k))) << r.op << " " << k << " on " << i;
        }
}

// ---- shifts ------------------------------------------------------------------
template <class T> struct ShiftRow {
    const char* name;
    Kind kind;
    OrvStatus (*f)(const T*, int, T*, int), (*fI)(int, T*, int);
};
#define SHIFT_ROWS(t, right) {{"LShiftC_" #t, kLeft, orvsLShiftC_##t, orvsLShiftC_##t##_I}, {"RShiftC_" #t, right, orvsRShiftC_##t, orvsRShiftC_##t##_I}}
const ShiftRow<Orv8u> kShift8[] = SHIFT_ROWS(8u, kRight);
const ShiftRow<Orv16u> kShift16u[] = SHIFT_ROWS(16u, kRight);
const ShiftRow<Orv16s> kShift16s[] = SHIFT_ROWS(16s, kArith);
const ShiftRow<Orv32s> kShift32s[] = SHIFT_ROWS(32s, kArith);

// Every count from 0 past the width and the largest, both forms, on `src`
// less its first and last element (unaligned, with a partial last register).
template <class T, std::size_t N>
void shiftSweep(const ShiftRow<T> (&rows)[N], const std::vector<T>& src)
{
    const int width = 8 * sizeof(T), n = static_cast<int>(src.size()) - 2;
    std::vector<T> d(n), io;
    for (const auto& r : rows)
        for (int c = 0; c <= width + 3; c = c == width + 2 ? INT_MAX : c + 1) {
            io.assign(src.begin() + 1, src.end() - 1);
            ASSERT_EQ(r.f(src.data() + 1, c, d.data(), n), orvStsOk) << r.name << " by " << c;
            ASSERT_EQ(r.fI(c, io.data(), n), orvStsOk) << r.name << "_I by " << c;
            for (int i = 0; i < n; ++i) ASSERT_EQ(d[i], shiftModel(r.kind, src[i + 1], c)) << r.name << " of " << +src[i + 1] << " by " << c;
            ASSERT_EQ(io, d) << r.name << "_I by " << c;
            if (c == INT_MAX) break;
        }
}

TEST(BitwiseShift, EveryValueEveryCountEveryLength)
{
    shiftSweep(kShift8, everyValue<Orv8u>());
    shiftSweep(kShift16u, everyValue<Orv16u>());
    shiftSweep(kShift16s, everyValue<Orv16s>());
    auto v = randomVector<Orv32s>(4099, 21u);
    v.insert(v.begin(), {0, 1, -1, INT_MAX, INT_MIN, 0x40000000, -0x40000000});
    shiftSweep(kShift32s, v);
}

// ---- byte order ------------------------------------------------------------------
struct SwapRow {
    std::size_t size;
    OrvStatus (*f)(const Orv8u*, Orv8u*, int), (*fI)(Orv8u*, int);
};
#define SWAP_ROW(t, T, size) {size, [](const Orv8u* s, Orv8u* d, int n) { return orvsSwapBytes_##t((const T*)s, (T*)d, n); }, \
                              [](Orv8u* p, int n) { return orvsSwapBytes_##t##_I((T*)p, n); }}

TEST(BitwiseSwapBytes, EveryLengthEveryOffsetInAndOutOfPlace)
{
    const SwapRow rows[] = {SWAP_ROW(16u, Orv16u, 2), SWAP_ROW(24u, Orv8u, 3), SWAP_ROW(32u, Orv32u, 4), SWAP_ROW(64u, Orv64u, 8)};
    const auto bytes = randomVector<Orv8u>(1200, 41u);
    for (const auto& r : rows)
        lengthOffsetSweep(static_cast<int>(400 / r.size), 8, [&](int n, int o) {
            // Elements of 2, 4 and 8 bytes aligned to their size, three-byte ones anywhere.
            const std::size_t step = r.size == 3 ? 1 : r.size, bytesN = n * r.size;
            Guarded<Orv8u> s(bytesN, ((o * 3 + 1) % 8) * step), d(bytesN, o * step);
            s.assign(bytes.data(), bytesN);
            std::vector<Orv8u> want(bytes.begin(), bytes.begin() + bytesN);
            for (int i = 0; i < n; ++i) std::reverse(want.begin() + i * r.size, want.begin() + (i + 1) * r.size);
            ASSERT_EQ(r.f(s.data(), d.data(), n), orvStsOk);
            ASSERT_EQ(d.vec(), want) << r.size << "-byte elements, n=" << n << " offset=" << o;
            ASSERT_EQ(r.fI(s.data(), n), orvStsOk);
            ASSERT_EQ(s.vec(), want) << r.size << "-byte elements in place, n=" << n << " offset=" << o;
            ASSERT_TRUE(d.guardsIntact() && s.guardsIntact()) << r.size << "-byte elements wrote outside, n=" << n;
        });
}

// ---- routing of trivial constants and counts, and the order of the checks ---------
// Each case runs on s (64 bytes counting from 1) and d (64 guard bytes); the
// effect is on d, or on s for the in-place forms (bytes: width of 16 elements).
enum Effect { kKept, kZeros, kCopy, kSignFill };
struct Case {
    const char* what;
    OrvStatus status;
    Effect effect;
    int bytes;
    OrvStatus (*call)(Orv8u* s, Orv8u* d);
};
#define P(T, p) reinterpret_cast<T*>(p)
#define CASE(what, st, eff, bytes, expr) {what, st, eff, bytes, [](Orv8u* s, Orv8u* d) -> OrvStatus { (void)s, (void)d; return expr; }}
const Case kRouting[] = {
    CASE("AndC_8u 0x100 zeroes", orvStsOk, kZeros, 16, orvsAndC_8u(s, Orv8u(0x100), d, 16)),
    CASE("AndC_32u 0 zeroes", orvStsOk, kZeros, 64, orvsAndC_32u(P(Orv32u, s), 0, P(Orv32u, d), 16)),
    CASE("AndC_16u 0, null source", orvStsErrNullPtr, kKept, 32, orvsAndC_16u(nullptr, 0, P(Orv16u, d), 16)),
    CASE("OrC_8u 0 copies", orvStsOk, kCopy, 16, orvsOrC_8u(s, 0, d, 16)),
    CASE("XorC_32u 0 copies", orvStsOk, kCopy, 64, orvsXorC_32u(P(Orv32u, s), 0, P(Orv32u, d), 16)),
    CASE("XorC_16u_I 0 keeps", orvStsOk, kKept, 32, orvsXorC_16u_I(0, P(Orv16u, s), 16)),
    CASE("AndC_16u_I 0 zeroes", orvStsOk, kZeros, 32, orvsAndC_16u_I(0, P(Orv16u, s), 16)),
    CASE("LShiftC_16u 0 copies", orvStsOk, kCopy, 32, orvsLShiftC_16u(P(Orv16u, s), 0, P(Orv16u, d), 16)),
    CASE("LShiftC_16u 16 zeroes", orvStsOk, kZeros, 32, orvsLShiftC_16u(P(Orv16u, s), 16, P(Orv16u, d), 16)),
    CASE("LShiftC_16u 16, null destination", orvStsErrNullPtr, kKept, 32, orvsLShiftC_16u(P(Orv16u, s), 16, nullptr, 16)),
    CASE("LShiftC_16u 16, length 0", orvStsErrSize, kKept, 32, orvsLShiftC_16u(P(Orv16u, s), 16, P(Orv16u, d), 0)),
    CASE("RShiftC_8u 8 zeroes", orvStsOk, kZeros, 16, orvsRShiftC_8u(s, 8, d, 16)),
    CASE("LShiftC_8u -1", orvStsErrShift, kKept, 16, orvsLShiftC_8u(s, -1, d, 16)),
    CASE("LShiftC_8u -1, length 0", orvStsErrSize, kKept, 16, orvsLShiftC_8u(s, -1, d, 0)),
    CASE("RShiftC_16s 20 fills", orvStsOk, kSignFill, 32, orvsRShiftC_16s(P(Orv16s, s), 20, P(Orv16s, d), 16)),
    CASE("LShiftC_16u_I 16 zeroes", orvStsOk, kZeros, 32, orvsLShiftC_16u_I(16, P(Orv16u, s), 16)),
    CASE("LShiftC_16u_I 16, null", orvStsErrNullPtr, kKept, 32, orvsLShiftC_16u_I(16, nullptr, 16)),
    CASE("RShiftC_16u_I -1", orvStsErrShift, kKept, 32, orvsRShiftC_16u_I(-1, P(Orv16u, s), 16)),
    CASE("RShiftC_16s_I -1, length 0", orvStsErrSize, kKept, 32, orvsRShiftC_16s_I(-1, P(Orv16s, s), 0)),
    CASE("RShiftC_32s_I INT_MAX fills", orvStsOk, kSignFill, 64, orvsRShiftC_32s_I(INT_MAX, P(Orv32s, s), 16)),
};

TEST(BitwiseRouting, TrivialCasesAndCheckOrder)
{
    for (const Case& c : kRouting) {
        alignas(64) Orv8u s[64], d[64];
        for (int i = 0; i < 64; ++i) s[i] = static_cast<Orv8u>(i * 37 + 1), d[i] = 0xA5;
        const std::vector<Orv8u> s0(s, s + 64), d0(d, d + 64);
        EXPECT_EQ(c.call(s, d), c.status) << c.what;
        const bool inPlace = std::string(c.what).find("_I ") != std::string::npos;
        const Orv8u* out = inPlace ? s : d;
        const Orv8u* was = inPlace ? s0.data() : d0.data();
        if (!inPlace) EXPECT_TRUE(std::equal(s, s + 64, s0.begin())) << c.what << ": source written";
        EXPECT_TRUE(std::equal(out + c.bytes, out + 64, was + c.bytes)) << c.what << ": beyond the vector";
        const int w = c.bytes / 16;  // element bytes; the sign is the top bit of the last byte
        for (int i = 0; i < c.bytes; ++i) {
            const Orv8u want = c.effect == kKept ? was[i] : c.effect == kZeros ? 0 : c.effect == kCopy ? s0[i]
                               : (s0[i / w * w + w - 1] & 0x80) ? 0xFF : 0;
            EXPECT_EQ(out[i], want) << c.what << " byte " << i;
        }
    }
}

// ---- bit packing --------------------------------------------------------------
// One bit at a time into a copy of the destination.
TEST(BitwisePackBits, MatchesBitByBitModel)
{
    std::mt19937 rng(61);
    for (int trial = 0; trial < (quick() ? 300 : 3000); ++trial) {
        const int n = 1 + static_cast<int>(rng() % 70);
        std::vector<Orv32u> codes(n);
        std::vector<Orv32s> lens(n);
        for (int i = 0; i < n; ++i)
            codes[i] = static_cast<Orv32u>(rng()), lens[i] = trial % 5 == 0 ? static_cast<Orv32s>(rng() % 41) - 4 : static_cast<Orv32s>(rng() % 33);
        if (trial % 7 == 0) lens.assign(n, trial % 2 ? 32 : 0);  // whole words, or nothing to write
        const int offset = trial % 3 == 0 ? static_cast<int>(rng() % 1000) : trial % 8;
        std::vector<Orv8u> dst = randomVector<Orv8u>(4 * n + 16, 1000u + trial), want = dst;
        OrvStatus wantStatus = orvStsOk;
        int wantBits = 0;
        for (int i = 0, pos = offset % 8; i < n; ++i) {
            const int k = std::clamp(lens[i], 0, 32);
            if (k != lens[i]) wantStatus = orvStsWarnBitLenClamped;
            for (int b = k - 1; b >= 0; --b, ++pos)
                want[pos / 8] = static_cast<Orv8u>((want[pos / 8] & ~(0x80 >> pos % 8)) | ((codes[i] >> b & 1) << (7 - pos % 8)));
            wantBits += k;
        }
        int bits = -1;
        ASSERT_EQ(orvsPackBits_32u8u(codes.data(), lens.data(), n, dst.data(), offset, &bits), wantStatus) << "trial " << trial;
        ASSERT_EQ(bits, wantBits) << "trial " << trial;
        ASSERT_EQ(dst, want) << "trial " << trial << " offset " << offset << " n " << n;
        ASSERT_EQ(orvsPackBits_32u8u(codes.data(), lens.data(), n, dst.data(), -1, &bits), orvStsErrSize);
    }
}

TEST(BitwiseVariants, Avx) { ORVS_RERUN_UNDER_VARIANT("avx", "Bitwise*:-BitwiseVariants.*"); }
TEST(BitwiseVariants, Avx2) { ORVS_RERUN_UNDER_VARIANT("avx2", "Bitwise*:-BitwiseVariants.*"); }

} // namespace
