// Logic, shifts and byte order against models on exact integers: every
// value where the type has 8 or 16 bits, every shift count, every length
// up to a few registers at every element offset, in place and out of place.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstring>
#include <numeric>
#include <string>
#include <vector>

#include "test_util.h"

using namespace orvs_test;

namespace {

// ---- models ----------------------------------------------------------------

template <class T>
T logicModel(char op, T a, T b)
{
    const std::uint64_t x = static_cast<std::make_unsigned_t<T>>(a), y = static_cast<std::make_unsigned_t<T>>(b);
    return static_cast<T>(op == '&' ? x & y : op == '|' ? x | y : x ^ y);
}

// Shifts as multiplication and floor division on 64-bit integers.
enum Kind { kLeft, kRight, kArith };
template <class T>
T shiftModel(Kind kind, T x, int count)
{
    constexpr int width = 8 * sizeof(T);
    using U = std::make_unsigned_t<T>;
    const std::uint64_t u = static_cast<U>(x);
    if (kind == kLeft) return count >= width ? T(0) : static_cast<T>(static_cast<U>(u * (std::uint64_t(1) << count)));
    if (kind == kRight) return count >= width ? T(0) : static_cast<T>(u / (std::uint64_t(1) << count));
    const std::int64_t v = static_cast<std::int64_t>(x), d = std::int64_t(1) << std::min(count, 62);
    std::int64_t q = v / d;
    if (v % d != 0 && v < 0) --q;
    return static_cast<T>(q);
}

// The bytes of every element of `size` bytes reversed.
std::vector<Orv8u> swapModel(const Orv8u* p, std::size_t n, std::size_t size)
{
    std::vector<Orv8u> r(p, p + n * size);
    for (std::size_t i = 0; i < n; ++i) std::reverse(r.begin() + i * size, r.begin() + (i + 1) * size);
    return r;
}

template <class T>
std::vector<T> everyValue()
{
    std::vector<T> v(std::size_t(1) << (8 * sizeof(T)));
    for (std::size_t i = 0; i < v.size(); ++i) v[i] = static_cast<T>(i);
    return v;
}

// ---- logic -----------------------------------------------------------------

template <class T>
struct LogicRow {
    char op;
    OrvStatus (*vv)(const T*, const T*, T*, int);
    OrvStatus (*vvI)(const T*, T*, int);
    OrvStatus (*vc)(const T*, T, T*, int);
    OrvStatus (*vcI)(T, T*, int);
};

template <class T>
struct LogicFamily {
    const char* type;
    std::vector<LogicRow<T>> rows;
    OrvStatus (*notV)(const T*, T*, int);
    OrvStatus (*notI)(T*, int);
};

const LogicFamily<Orv8u> kLogic8{"8u",
                                 {{'&', orvsAnd_8u, orvsAnd_8u_I, orvsAndC_8u, orvsAndC_8u_I},
                                  {'|', orvsOr_8u, orvsOr_8u_I, orvsOrC_8u, orvsOrC_8u_I},
                                  {'^', orvsXor_8u, orvsXor_8u_I, orvsXorC_8u, orvsXorC_8u_I}},
                                 orvsNot_8u, orvsNot_8u_I};
const LogicFamily<Orv16u> kLogic16{"16u",
                                   {{'&', orvsAnd_16u, orvsAnd_16u_I, orvsAndC_16u, orvsAndC_16u_I},
                                    {'|', orvsOr_16u, orvsOr_16u_I, orvsOrC_16u, orvsOrC_16u_I},
                                    {'^', orvsXor_16u, orvsXor_16u_I, orvsXorC_16u, orvsXorC_16u_I}},
                                   orvsNot_16u, orvsNot_16u_I};
const LogicFamily<Orv32u> kLogic32{"32u",
                                   {{'&', orvsAnd_32u, orvsAnd_32u_I, orvsAndC_32u, orvsAndC_32u_I},
                                    {'|', orvsOr_32u, orvsOr_32u_I, orvsOrC_32u, orvsOrC_32u_I},
                                    {'^', orvsXor_32u, orvsXor_32u_I, orvsXorC_32u, orvsXorC_32u_I}},
                                   orvsNot_32u, orvsNot_32u_I};

// Every form at every length up to three 64-byte registers and more, each
// buffer at its own element offset; a constant with distinct bytes shows a
// pattern out of phase.
template <class T>
void sweepLogic(const LogicFamily<T>& fam)
{
    const int maxLen = static_cast<int>(200 / sizeof(T)), offsets = static_cast<int>(64 / sizeof(T));
    const auto va = randomVector<T>(maxLen, 11u), vb = randomVector<T>(maxLen, 12u);
    const T c = static_cast<T>(0x5AC3E19Bu);
    lengthOffsetSweep(maxLen, offsets, [&](int n, int o) {
        Guarded<T> a(n, (o * 3 + 1) % offsets), b(n, (o * 5 + 2) % offsets), d(n, o);
        a.assign(va), b.assign(vb);
        for (const auto& r : fam.rows) {
            const std::string what = std::string(1, r.op) + " " + fam.type + " n=" + std::to_string(n) + " offset=" + std::to_string(o);
            ASSERT_EQ(r.vv(a.data(), b.data(), d.data(), n), orvStsOk) << what;
            for (int i = 0; i < n; ++i) ASSERT_EQ(d[i], logicModel(r.op, va[i], vb[i])) << what << " vector, element " << i;
            ASSERT_EQ(r.vc(a.data(), c, d.data(), n), orvStsOk) << what;
            for (int i = 0; i < n; ++i) ASSERT_EQ(d[i], logicModel(r.op, va[i], c)) << what << " constant, element " << i;
            d.assign(vb);
            ASSERT_EQ(r.vvI(a.data(), d.data(), n), orvStsOk) << what;
            for (int i = 0; i < n; ++i) ASSERT_EQ(d[i], logicModel(r.op, va[i], vb[i])) << what << " in place, element " << i;
            d.assign(va);
            ASSERT_EQ(r.vcI(c, d.data(), n), orvStsOk) << what;
            for (int i = 0; i < n; ++i) ASSERT_EQ(d[i], logicModel(r.op, va[i], c)) << what << " constant in place, element " << i;
            ASSERT_TRUE(d.guardsIntact() && a.guardsIntact() && b.guardsIntact()) << what << ": wrote outside";
        }
        ASSERT_EQ(fam.notV(a.data(), d.data(), n), orvStsOk);
        for (int i = 0; i < n; ++i) ASSERT_EQ(d[i], static_cast<T>(~va[i])) << "not " << fam.type << " element " << i;
        ASSERT_EQ(fam.notI(d.data(), n), orvStsOk);
        for (int i = 0; i < n; ++i) ASSERT_EQ(d[i], va[i]) << "not in place " << fam.type << " element " << i;
        ASSERT_TRUE(d.guardsIntact());
    });
}

TEST(BitwiseLogic, EveryFormEveryLengthEveryOffset)
{
    sweepLogic(kLogic8);
    sweepLogic(kLogic16);
    sweepLogic(kLogic32);
}

// Bytes: every pair of operands, and every constant on every value.
TEST(BitwiseLogic, EveryPairOfBytes)
{
    std::vector<Orv8u> a(65536), b(65536), d(65536);
    for (int i = 0; i < 65536; ++i) a[i] = static_cast<Orv8u>(i >> 8), b[i] = static_cast<Orv8u>(i);
    const auto every = everyValue<Orv8u>();
    for (const auto& r : kLogic8.rows) {
        ASSERT_EQ(r.vv(a.data(), b.data(), d.data(), 65536), orvStsOk);
        for (int i = 0; i < 65536; ++i) ASSERT_EQ(d[i], logicModel(r.op, a[i], b[i])) << r.op << " " << i;
        for (int c = 0; c < 256; ++c) {
            ASSERT_EQ(r.vc(every.data(), static_cast<Orv8u>(c), d.data(), 256), orvStsOk);
            for (int x = 0; x < 256; ++x) ASSERT_EQ(d[x], logicModel(r.op, Orv8u(x), Orv8u(c))) << r.op << " const " << c;
        }
    }
}

TEST(BitwiseLogic, Every16BitValueWithEdgeConstants)
{
    const auto every = everyValue<Orv16u>();
    std::vector<Orv16u> d(every.size());
    for (Orv16u c : {0x0001, 0x00FF, 0xFF00, 0x8000, 0x7FFF, 0xFFFE, 0xA5C3}) {
        for (const auto& r : kLogic16.rows) {
            ASSERT_EQ(r.vc(every.data(), c, d.data(), static_cast<int>(d.size())), orvStsOk);
            for (std::size_t x = 0; x < d.size(); ++x) ASSERT_EQ(d[x], logicModel(r.op, every[x], c)) << r.op << " const " << c;
        }
    }
}

// ---- shifts ------------------------------------------------------------------

template <class T>
struct ShiftRow {
    const char* name;
    Kind kind;
    OrvStatus (*f)(const T*, int, T*, int);
    OrvStatus (*fI)(int, T*, int);
};

const ShiftRow<Orv8u> kShift8[] = {{"LShiftC_8u", kLeft, orvsLShiftC_8u, orvsLShiftC_8u_I},
                                   {"RShiftC_8u", kRight, orvsRShiftC_8u, orvsRShiftC_8u_I}};
const ShiftRow<Orv16u> kShift16u[] = {{"LShiftC_16u", kLeft, orvsLShiftC_16u, orvsLShiftC_16u_I},
                                      {"RShiftC_16u", kRight, orvsRShiftC_16u, orvsRShiftC_16u_I}};
const ShiftRow<Orv16s> kShift16s[] = {{"LShiftC_16s", kLeft, orvsLShiftC_16s, orvsLShiftC_16s_I},
                                      {"RShiftC_16s", kArith, orvsRShiftC_16s, orvsRShiftC_16s_I}};
const ShiftRow<Orv32s> kShift32s[] = {{"LShiftC_32s", kLeft, orvsLShiftC_32s, orvsLShiftC_32s_I},
                                      {"RShiftC_32s", kArith, orvsRShiftC_32s, orvsRShiftC_32s_I}};

// Every count from 0 past the width, and the largest, on `src`.
template <class T, std::size_t N>
void everyCount(const ShiftRow<T> (&rows)[N], const std::vector<T>& src)
{
    const int width = 8 * sizeof(T), n = static_cast<int>(src.size());
    std::vector<int> counts(width + 3);
    std::iota(counts.begin(), counts.end(), 0);
    counts.push_back(INT_MAX);
    std::vector<T> d(src.size()), io(src.size());
    for (const auto& r : rows)
        for (int c : counts) {
            ASSERT_EQ(r.f(src.data(), c, d.data(), n), orvStsOk) << r.name << " by " << c;
            io = src;
            ASSERT_EQ(r.fI(c, io.data(), n), orvStsOk) << r.name << "_I by " << c;
            for (int i = 0; i < n; ++i) {
                ASSERT_EQ(d[i], shiftModel(r.kind, src[i], c)) << r.name << " of " << +src[i] << " by " << c;
                ASSERT_EQ(io[i], d[i]) << r.name << "_I of " << +src[i] << " by " << c;
            }
        }
}

TEST(BitwiseShift, EveryValueEveryCount)
{
    everyCount(kShift8, everyValue<Orv8u>());
    everyCount(kShift16u, everyValue<Orv16u>());
    everyCount(kShift16s, everyValue<Orv16s>());
    auto v = randomVector<Orv32s>(4099, 21u);
    for (Orv32s e : {0, 1, -1, INT_MAX, INT_MIN, 0x40000000, -0x40000000}) v.push_back(e);
    everyCount(kShift32s, v);
}

template <class T, std::size_t N>
void shiftTails(const ShiftRow<T> (&rows)[N])
{
    const int maxLen = static_cast<int>(200 / sizeof(T)), offsets = static_cast<int>(64 / sizeof(T));
    const auto v = randomVector<T>(maxLen, 31u);
    const int count = 8 * sizeof(T) / 2 - 1;
    lengthOffsetSweep(maxLen, offsets, [&](int n, int o) {
        Guarded<T> s(n, (o * 7 + 3) % offsets), d(n, o);
        s.assign(v);
        for (const auto& r : rows) {
            ASSERT_EQ(r.f(s.data(), count, d.data(), n), orvStsOk);
            for (int i = 0; i < n; ++i) ASSERT_EQ(d[i], shiftModel(r.kind, v[i], count)) << r.name << " n=" << n << " offset=" << o;
            ASSERT_TRUE(d.guardsIntact()) << r.name << " wrote outside, n=" << n << " offset=" << o;
        }
    });
}

TEST(BitwiseShift, EveryLengthEveryOffset)
{
    shiftTails(kShift8);
    shiftTails(kShift16u);
    shiftTails(kShift16s);
    shiftTails(kShift32s);
}

// ---- byte order -------------------------------------------------------------------

struct SwapRow {
    const char* name;
    std::size_t size;
    OrvStatus (*f)(const void*, void*, int);
    OrvStatus (*fI)(void*, int);
};
template <class T, OrvStatus (*F)(const T*, T*, int), OrvStatus (*FI)(T*, int), std::size_t S = sizeof(T)>
SwapRow swapRow(const char* name)
{
    return {name, S, [](const void* s, void* d, int n) { return F(static_cast<const T*>(s), static_cast<T*>(d), n); },
            [](void* p, int n) { return FI(static_cast<T*>(p), n); }};
}

TEST(BitwiseSwapBytes, EveryLengthEveryOffsetInAndOutOfPlace)
{
    const SwapRow rows[] = {swapRow<Orv16u, orvsSwapBytes_16u, orvsSwapBytes_16u_I>("16u"),
                            swapRow<Orv8u, orvsSwapBytes_24u, orvsSwapBytes_24u_I, 3>("24u"),
                            swapRow<Orv32u, orvsSwapBytes_32u, orvsSwapBytes_32u_I>("32u"),
                            swapRow<Orv64u, orvsSwapBytes_64u, orvsSwapBytes_64u_I>("64u")};
    const auto bytes = randomVector<Orv8u>(8 * 140, 41u);
    for (const auto& r : rows) {
        const int maxLen = static_cast<int>(400 / r.size);
        lengthOffsetSweep(maxLen, 8, [&](int n, int o) {
            // Byte buffers at byte offsets that keep elements of 2, 4 and 8
            // bytes aligned to their size, any offset for three-byte ones.
            const std::size_t step = r.size == 3 ? 1 : r.size;
            Guarded<Orv8u> s(n * r.size, ((o * 3 + 1) % 8) * step), d(n * r.size, o * step);
            s.assign(bytes.data(), n * r.size);
            const auto want = swapModel(bytes.data(), n, r.size);
            ASSERT_EQ(r.f(s.data(), d.data(), n), orvStsOk);
            ASSERT_TRUE(std::equal(want.begin(), want.end(), d.data())) << r.name << " n=" << n << " offset=" << o;
            ASSERT_EQ(r.fI(s.data(), n), orvStsOk);
            ASSERT_TRUE(std::equal(want.begin(), want.end(), s.data())) << r.name << "_I n=" << n << " offset=" << o;
            ASSERT_TRUE(d.guardsIntact() && s.guardsIntact()) << r.name << " wrote outside, n=" << n;
        });
    }
}

TEST(BitwiseSwapBytes, ThreeByteElementsReverseInPlace)
{
    Orv8u b[] = {0x01, 0x02, 0x03};
    ASSERT_EQ(orvsSwapBytes_24u_I(b, 1), orvStsOk);
    EXPECT_EQ(b[0], 0x03);
    EXPECT_EQ(b[1], 0x02);
    EXPECT_EQ(b[2], 0x01);
}

// ---- long vectors and the other kernel variants ------------------------------------

TEST(BitwiseLong, MillionElementsMatchModels)
{
    const int n = quick() ? 100003 : 1000003;
    const auto a = randomVector<Orv32u>(n, 51u), b = randomVector<Orv32u>(n, 52u);
    std::vector<Orv32u> d(n);
    ASSERT_EQ(orvsXor_32u(a.data(), b.data(), d.data(), n), orvStsOk);
    for (int i = 0; i < n; ++i) ASSERT_EQ(d[i], a[i] ^ b[i]) << i;
    ASSERT_EQ(orvsSwapBytes_32u(a.data(), d.data(), n), orvStsOk);
    for (int i = 0; i < n; ++i) ASSERT_EQ(d[i], __builtin_bswap32(a[i])) << i;
    std::vector<Orv16u> h(reinterpret_cast<const Orv16u*>(a.data()), reinterpret_cast<const Orv16u*>(a.data()) + n), hd(n);
    ASSERT_EQ(orvsLShiftC_16u(h.data(), 5, hd.data(), n), orvStsOk);
    for (int i = 0; i < n; ++i) ASSERT_EQ(hd[i], shiftModel(kLeft, h[i], 5)) << i;
}

TEST(BitwiseVariants, Avx) { ORVS_RERUN_UNDER_VARIANT("avx", "Bitwise*:-BitwiseVariants.*"); }
TEST(BitwiseVariants, Avx2) { ORVS_RERUN_UNDER_VARIANT("avx2", "Bitwise*:-BitwiseVariants.*"); }

} // namespace
