// Copy, Move, Set, Zero, Flip and the bit-string copy: argument checks, exact
// results against plain loops, every alignment phase, and untouched guards.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <random>
#include <vector>

#include "test_util.h"

namespace {

using orvs_test::oddLengths;
using orvs_test::quick;
using orvs_test::randomVector;


template <class T>
bool sameBits(const T& a, const T& b) { return std::memcmp(&a, &b, sizeof(T)) == 0; }

// A buffer of `len` elements placed `shift` bytes past a 64-byte boundary,
// with guard bytes on both sides that must never change.
template <class T>
struct Guarded {
    static constexpr std::size_t kGuard = 64;
    std::vector<unsigned char> raw;
    T* p;
    std::size_t len;
    Guarded(std::size_t n, std::size_t shift) : raw(n * sizeof(T) + 2 * kGuard + 128, 0xA7), len(n)
    {
        auto base = reinterpret_cast<std::uintptr_t>(raw.data());
        auto start = ((base + kGuard + 63) & ~std::uintptr_t(63)) + shift;
        p = reinterpret_cast<T*>(start);
    }
    bool guardsIntact() const
    {
        auto* b = reinterpret_cast<const unsigned char*>(p);
        for (std::size_t i = 1; i <= kGuard; ++i)
            if (b[-static_cast<std::ptrdiff_t>(i)] != 0xA7 || b[len * sizeof(T) + i - 1] != 0xA7) return false;
        return true;
    }
};

// ---- the element types of Copy/Move/Set/Zero ------------------------------

template <class T> struct Ops;
#define VEC_OPS(code, T)                                                                          \
    template <> struct Ops<T> {                                                                   \
        static OrvStatus copy(const T* s, T* d, int n) { return orvsCopy_##code(s, d, n); }        \
        static OrvStatus move(const T* s, T* d, int n) { return orvsMove_##code(s, d, n); }        \
        static OrvStatus set(T v, T* d, int n) { return orvsSet_##code(v, d, n); }                 \
        static OrvStatus zero(T* d, int n) { return orvsZero_##code(d, n); }                       \
    };
VEC_OPS(8u, Orv8u)
VEC_OPS(16s, Orv16s)
VEC_OPS(32s, Orv32s)
VEC_OPS(64s, Orv64s)
VEC_OPS(32f, Orv32f)
VEC_OPS(64f, Orv64f)
VEC_OPS(16sc, Orv16sc)
VEC_OPS(32sc, Orv32sc)
VEC_OPS(64sc, Orv64sc)
VEC_OPS(32fc, Orv32fc)
VEC_OPS(64fc, Orv64fc)

template <class T>
class VectorMovement : public ::testing::Test {};
using MovementTypes =
    ::testing::Types<Orv8u, Orv16s, Orv32s, Orv64s, Orv32f, Orv64f, Orv16sc, Orv32sc, Orv64sc, Orv32fc, Orv64fc>;
TYPED_TEST_SUITE(VectorMovement, MovementTypes);

TYPED_TEST(VectorMovement, ChecksPointersBeforeLengthAndWritesNothing)
{
    using T = TypeParam;
    using O = Ops<T>;
    std::vector<T> src = randomVector<T>(4, 1), dst = randomVector<T>(4, 2);
    const std::vector<T> before = dst;
    const T v = src[0];
    for (int len : {0, -1, -2147483647 - 1}) {
        EXPECT_EQ(O::copy(nullptr, dst.data(), len), orvStsErrNullPtr);
        EXPECT_EQ(O::copy(src.data(), nullptr, len), orvStsErrNullPtr);
        EXPECT_EQ(O::copy(src.data(), dst.data(), len), orvStsErrSize);
        EXPECT_EQ(O::move(nullptr, dst.data(), len), orvStsErrNullPtr);
        EXPECT_EQ(O::move(src.data(), nullptr, len), orvStsErrNullPtr);
        EXPECT_EQ(O::move(src.data(), dst.data(), len), orvStsErrSize);
        EXPECT_EQ(O::set(v, nullptr, len), orvStsErrNullPtr);
        EXPECT_EQ(O::set(v, dst.data(), len), orvStsErrSize);
        EXPECT_EQ(O::zero(nullptr, len), orvStsErrNullPtr);
        EXPECT_EQ(O::zero(dst.data(), len), orvStsErrSize);
    }
    EXPECT_EQ(O::copy(nullptr, nullptr, 5), orvStsErrNullPtr);
    EXPECT_EQ(std::memcmp(before.data(), dst.data(), sizeof(T) * dst.size()), 0);
}

TYPED_TEST(VectorMovement, CopySetZeroEveryAlignmentPhase)
{
    using T = TypeParam;
    using O = Ops<T>;
    std::vector<int> lengths = oddLengths();
    lengths.push_back(70001);
    // Destination byte offsets within a 32-byte block: each rotation of the
    // fill pattern and each head/tail split of the stores.
    for (std::size_t shift = 0; shift < 32; shift += quick() ? 8 : sizeof(T) == 1 ? 1 : sizeof(T) / 2 + 1) {
        if (shift % alignof(T)) continue;
        for (int len : lengths) {
            const auto n = static_cast<std::size_t>(len);
            const std::vector<T> src = randomVector<T>(n, 100u + static_cast<unsigned>(len));
            Guarded<T> d(n, shift);
            ASSERT_EQ(O::copy(src.data(), d.p, len), orvStsOk);
            for (std::size_t i = 0; i < n; ++i) ASSERT_TRUE(sameBits(d.p[i], src[i])) << "copy len " << len << " i " << i;
            ASSERT_TRUE(d.guardsIntact());

            const T val = src[n / 2];
            ASSERT_EQ(O::set(val, d.p, len), orvStsOk);
            for (std::size_t i = 0; i < n; ++i)
                ASSERT_TRUE(sameBits(d.p[i], val)) << "set len " << len << " shift " << shift << " i " << i;
            ASSERT_TRUE(d.guardsIntact());

            ASSERT_EQ(O::zero(d.p, len), orvStsOk);
            T z;
            std::memset(&z, 0, sizeof z);
            for (std::size_t i = 0; i < n; ++i) ASSERT_TRUE(sameBits(d.p[i], z)) << "zero len " << len << " i " << i;
            ASSERT_TRUE(d.guardsIntact());
        }
    }
}

TYPED_TEST(VectorMovement, LargeSetsAcrossStoreStrategies)
{
    using T = TypeParam;
    // Fills of about 0.5, 1.5 and 5 MiB take different store paths.
    for (std::size_t bytes : {std::size_t(500) << 10, std::size_t(1536) << 10, std::size_t(5) << 20}) {
        const std::size_t n = bytes / sizeof(T) + 1;  // odd byte counts where the type allows
        for (std::size_t shift : {std::size_t(0), alignof(T) * 3}) {
            Guarded<T> d(n, shift);
            const T val = randomVector<T>(1, static_cast<std::uint32_t>(bytes + shift))[0];
            ASSERT_EQ(Ops<T>::set(val, d.p, static_cast<int>(n)), orvStsOk);
            std::size_t bad = 0;
            for (std::size_t i = 0; i < n; ++i) bad += !sameBits(d.p[i], val);
            ASSERT_EQ(bad, 0u) << bytes << " bytes, shift " << shift;
            ASSERT_TRUE(d.guardsIntact());
        }
    }
}

TYPED_TEST(VectorMovement, MoveHandlesOverlapInBothDirections)
{
    using T = TypeParam;
    for (int len : {1, 7, 33, 1000}) {
        for (int shift : {1, 3, 17}) {
            const auto n = static_cast<std::size_t>(len);
            const std::vector<T> orig = randomVector<T>(n + 20, 7u + static_cast<unsigned>(len));
            std::vector<T> buf = orig;
            // forward: destination after the source
            ASSERT_EQ(Ops<T>::move(buf.data(), buf.data() + shift, len), orvStsOk);
            for (std::size_t i = 0; i < n; ++i) ASSERT_TRUE(sameBits(buf[i + shift], orig[i]));
            buf = orig;
            ASSERT_EQ(Ops<T>::move(buf.data() + shift, buf.data(), len), orvStsOk);
            for (std::size_t i = 0; i < n; ++i) ASSERT_TRUE(sameBits(buf[i], orig[i + shift]));
        }
    }
}

// ---- Flip ------------------------------------------------------------------

template <class T> struct FlipOps;
#define VEC_FLIP(code, T)                                                                    \
    template <> struct FlipOps<T> {                                                          \
        static OrvStatus out(const T* s, T* d, int n) { return orvsFlip_##code(s, d, n); }   \
        static OrvStatus in(T* sd, int n) { return orvsFlip_##code##_I(sd, n); }             \
    };
VEC_FLIP(8u, Orv8u)
VEC_FLIP(16u, Orv16u)
VEC_FLIP(32f, Orv32f)
VEC_FLIP(64f, Orv64f)
VEC_FLIP(32fc, Orv32fc)
VEC_FLIP(64fc, Orv64fc)

template <class T>
class VectorFlip : public ::testing::Test {};
using FlipTypes = ::testing::Types<Orv8u, Orv16u, Orv32f, Orv64f, Orv32fc, Orv64fc>;
TYPED_TEST_SUITE(VectorFlip, FlipTypes);

TYPED_TEST(VectorFlip, ChecksPointersBeforeLength)
{
    using T = TypeParam;
    std::vector<T> a = randomVector<T>(3, 5), b = a;
    EXPECT_EQ(FlipOps<T>::out(nullptr, b.data(), 0), orvStsErrNullPtr);
    EXPECT_EQ(FlipOps<T>::out(a.data(), nullptr, 0), orvStsErrNullPtr);
    EXPECT_EQ(FlipOps<T>::out(a.data(), b.data(), 0), orvStsErrSize);
    EXPECT_EQ(FlipOps<T>::in(nullptr, 0), orvStsErrNullPtr);
    EXPECT_EQ(FlipOps<T>::in(a.data(), -3), orvStsErrSize);
    EXPECT_EQ(std::memcmp(a.data(), b.data(), 3 * sizeof(T)), 0);
}

TYPED_TEST(VectorFlip, ReversesOutOfPlaceAndInPlace)
{
    using T = TypeParam;
    std::vector<int> lengths = oddLengths();
    lengths.push_back(100003);
    for (int len : lengths) {
        const auto n = static_cast<std::size_t>(len);
        const std::vector<T> src = randomVector<T>(n, 300u + static_cast<unsigned>(len));
        orvs_test::Unaligned<T> in(n), out(n);
        in.assign(src);
        ASSERT_EQ(FlipOps<T>::out(in.data(), out.data(), len), orvStsOk);
        for (std::size_t i = 0; i < n; ++i) ASSERT_TRUE(sameBits(out[i], src[n - 1 - i])) << "len " << len << " i " << i;

        Guarded<T> g(n, sizeof(T) == 1 ? 3 : sizeof(T));
        std::memcpy(g.p, src.data(), n * sizeof(T));
        ASSERT_EQ(FlipOps<T>::in(g.p, len), orvStsOk);
        for (std::size_t i = 0; i < n; ++i) ASSERT_TRUE(sameBits(g.p[i], src[n - 1 - i])) << "len " << len << " i " << i;
        ASSERT_TRUE(g.guardsIntact());
    }
}

// ---- bit-string copy ---------------------------------------------------------

// Reference: unpack both streams into one bit per element, copy, repack.
std::vector<unsigned char> copyBitsModel(const std::vector<unsigned char>& src, int so, std::vector<unsigned char> dst,
                                         int dof, int len)
{
    auto bit = [](const std::vector<unsigned char>& v, int k) { return (v[k / 8] >> (7 - k % 8)) & 1; };
    for (int i = 0; i < len; ++i) {
        const int k = dof + i;
        const unsigned char mask = static_cast<unsigned char>(0x80 >> (k % 8));
        if (bit(src, so + i))
            dst[k / 8] |= mask;
        else
            dst[k / 8] &= static_cast<unsigned char>(~mask);
    }
    return dst;
}

TEST(VectorCopyBits, ChecksInOrder)
{
    Orv8u s[4] = {1, 2, 3, 4}, d[4] = {9, 9, 9, 9};
    EXPECT_EQ(orvsCopy_1u(nullptr, 0, d, 0, 0), orvStsErrNullPtr);
    EXPECT_EQ(orvsCopy_1u(s, 0, nullptr, -1, 8), orvStsErrNullPtr);
    EXPECT_EQ(orvsCopy_1u(s, 0, d, 0, 0), orvStsErrSize);
    EXPECT_EQ(orvsCopy_1u(s, -1, d, 0, 8), orvStsErrSize);
    EXPECT_EQ(orvsCopy_1u(s, 0, d, -1, 8), orvStsErrSize);
    for (Orv8u x : d) EXPECT_EQ(x, 9);
}

TEST(VectorCopyBits, ShortCopyKeepsNeighbouringBits)
{
    // Four bits from offset 3 of 0b000'1011'0 to offset 5 of an all-ones byte pair.
    const Orv8u src[2] = {0x16, 0x00};
    Orv8u dst[2] = {0xFF, 0xFF};
    ASSERT_EQ(orvsCopy_1u(src, 3, dst, 5, 4), orvStsOk);
    // bits 5,6,7 of byte 0 and bit 0 of byte 1 receive 1,0,1,1
    EXPECT_EQ(dst[0], 0xFD);
    EXPECT_EQ(dst[1], 0xFF);
}

TEST(VectorCopyBits, MatchesBitModelForEveryOffsetPair)
{
    std::mt19937 rng(77);
    const std::vector<int> lengths = {1, 5, 8, 15, 16, 17, 31, 64, 100, 255, 256, 257, 300, 513, 1000, 4099};
    const int maxOffset = quick() ? 12 : 20;
    for (int len : lengths) {
        for (int so = 0; so < maxOffset; so += (quick() ? 3 : 1)) {
            for (int dof = 0; dof < maxOffset; dof += (quick() ? 3 : 1)) {
                const std::size_t bytesS = static_cast<std::size_t>(so + len + 7) / 8;
                const std::size_t bytesD = static_cast<std::size_t>(dof + len + 7) / 8 + 2;
                std::vector<unsigned char> src(bytesS), dst(bytesD);
                for (auto& b : src) b = static_cast<unsigned char>(rng());
                for (auto& b : dst) b = static_cast<unsigned char>(rng());
                const auto expect = copyBitsModel(src, so, dst, dof, len);
                // Exact-size source buffer so that reading past its last byte would show under ASan.
                std::vector<unsigned char> exactSrc(src);
                ASSERT_EQ(orvsCopy_1u(exactSrc.data(), so, dst.data(), dof, len), orvStsOk);
                ASSERT_EQ(dst, expect) << "len " << len << " so " << so << " do " << dof;
            }
        }
    }
}

} // namespace
