// Copy, Set, Zero, Flip and the bit-string copy against plain loops, at
// every alignment phase of the destination, with untouched guard bytes.
#include <gtest/gtest.h>

#include "test_util.h"

using namespace orvs_test;

namespace {

template <class T> struct Ops;
#define ORVS_VEC_OPS(code, T) \
    template <> struct Ops<T> { static constexpr auto copy = orvsCopy_##code; static constexpr auto set = orvsSet_##code;                   \
                                static constexpr auto zero = orvsZero_##code; };
ORVS_VEC_OPS(8u, Orv8u) ORVS_VEC_OPS(16s, Orv16s) ORVS_VEC_OPS(32s, Orv32s) ORVS_VEC_OPS(64s, Orv64s) ORVS_VEC_OPS(32f, Orv32f)
ORVS_VEC_OPS(64f, Orv64f) ORVS_VEC_OPS(16sc, Orv16sc) ORVS_VEC_OPS(32sc, Orv32sc) ORVS_VEC_OPS(64sc, Orv64sc)
ORVS_VEC_OPS(32fc, Orv32fc) ORVS_VEC_OPS(64fc, Orv64fc)
#undef ORVS_VEC_OPS

template <class T> struct FlipOps;
#define ORVS_VEC_FLIP(code, T) \
    template <> struct FlipOps<T> { static constexpr auto out = orvsFlip_##code; static constexpr auto in = orvsFlip_##code##_I; };
ORVS_VEC_FLIP(8u, Orv8u) ORVS_VEC_FLIP(16u, Orv16u) ORVS_VEC_FLIP(32f, Orv32f) ORVS_VEC_FLIP(64f, Orv64f)
ORVS_VEC_FLIP(32fc, Orv32fc) ORVS_VEC_FLIP(64fc, Orv64fc)
#undef ORVS_VEC_FLIP

// n elements `shift` bytes past a 64-byte boundary (a 16-byte complex value may start 8 in).
template <class T>
struct Shifted : Guarded<unsigned char> {
    Shifted(std::size_t n, std::size_t shift) : Guarded<unsigned char>(n * sizeof(T), shift) {}
    T* p() { return reinterpret_cast<T*>(data()); }
    bool holds(const std::vector<T>& v) { return sameBits(p(), v.data(), v.size()); }
};

template <class T> class VectorMovement : public ::testing::Test {};
using MovementTypes = ::testing::Types<Orv8u, Orv16s, Orv32s, Orv64s, Orv32f, Orv64f, Orv16sc, Orv32sc, Orv64sc, Orv32fc, Orv64fc>;
TYPED_TEST_SUITE(VectorMovement, MovementTypes);

template <class T> class VectorFlip : public ::testing::Test {};
using FlipTypes = ::testing::Types<Orv8u, Orv16u, Orv32f, Orv64f, Orv32fc, Orv64fc>;
TYPED_TEST_SUITE(VectorFlip, FlipTypes);

} // namespace

// Every length at every alignment phase; fills of 0.5, 1.5 and 5 MiB take other store paths.
TYPED_TEST(VectorMovement, CopySetZeroEveryAlignmentPhase)
{
    using T = TypeParam;
    std::vector<int> lengths = oddLengths();
    lengths.push_back(70001);
    for (std::size_t shift = 0; shift < 64; shift += quick() ? 16 : alignof(T)) {
        for (int len : lengths) {
            const std::vector<T> src = randomVector<T>(len, 100u + len);
            Shifted<T> d(len, shift);
            ASSERT_EQ(Ops<T>::copy(src.data(), d.p(), len), orvStsOk);
            ASSERT_TRUE(d.holds(src) && d.guardsIntact()) << "copy len " << len << " shift " << shift;
            ASSERT_EQ(Ops<T>::set(src[len / 2], d.p(), len), orvStsOk);
            ASSERT_TRUE(d.holds(std::vector<T>(len, src[len / 2])) && d.guardsIntact()) << "set len " << len << " shift " << shift;
            ASSERT_EQ(Ops<T>::zero(d.p(), len), orvStsOk);
            ASSERT_TRUE(d.holds(std::vector<T>(len)) && d.guardsIntact()) << "zero len " << len << " shift " << shift;
        }
    }
    for (std::size_t bytes : {std::size_t(500) << 10, std::size_t(1536) << 10, std::size_t(5) << 20})
        for (std::size_t shift : {std::size_t(0), alignof(T) * 3}) {
            const std::size_t n = bytes / sizeof(T) + 1;
            Shifted<T> d(n, shift);
            const T val = randomVector<T>(1, std::uint32_t(bytes + shift))[0];
            ASSERT_EQ(Ops<T>::set(val, d.p(), int(n)), orvStsOk);
            ASSERT_TRUE(d.holds(std::vector<T>(n, val)) && d.guardsIntact()) << bytes << " bytes, shift " << shift;
        }
}

TYPED_TEST(VectorFlip, ReversesOutOfPlaceAndInPlace)
{
    using T = TypeParam;
    std::vector<int> lengths = oddLengths();
    for (int n = 1; n <= 140; ++n) lengths.push_back(n);
    lengths.push_back(100003);
    for (int len : lengths) {
        const std::vector<T> src = randomVector<T>(len, 300u + len);
        const std::vector<T> want(src.rbegin(), src.rend());
        Unaligned<T> in(len);
        in.assign(src);
        Shifted<T> out(len, sizeof(T) == 1 ? 3 : alignof(T)), self(len, alignof(T));
        std::memcpy(self.p(), src.data(), len * sizeof(T));
        ASSERT_EQ(FlipOps<T>::out(in.data(), out.p(), len) | FlipOps<T>::in(self.p(), len), orvStsOk);
        ASSERT_TRUE(out.holds(want) && out.guardsIntact() && self.holds(want) && self.guardsIntact()) << "len " << len;
    }
}

// Bit k of a string is bit (7 - k % 8) of byte k / 8.
TEST(VectorCopyBits, MatchesBitModelForEveryOffsetPair)
{
    auto bit = [](const std::vector<Orv8u>& v, int k) { return (v[k / 8] >> (7 - k % 8)) & 1; };
    const int maxOffset = quick() ? 12 : 20, step = quick() ? 3 : 1;
    for (int len : {1, 5, 8, 15, 16, 17, 31, 64, 100, 255, 256, 257, 300, 513, 1000, 4099}) {
        for (int so = 0; so < maxOffset; so += step) {
            for (int dof = 0; dof < maxOffset; dof += step) {
                // an exact-size source: a read past its last byte shows under the sanitizers
                const auto src = randomVector<Orv8u>((so + len + 7) / 8, 77 * len + so);
                auto dst = randomVector<Orv8u>((dof + len + 7) / 8 + 2, 78 * len + dof), expect = dst;
                for (int i = 0, k = dof; i < len; ++i, ++k)
                    expect[k / 8] = Orv8u((expect[k / 8] & ~(0x80 >> (k % 8))) | (bit(src, so + i) << (7 - k % 8)));
                ASSERT_EQ(orvsCopy_1u(src.data(), so, dst.data(), dof, len), orvStsOk);
                ASSERT_EQ(dst, expect) << "len " << len << " so " << so << " do " << dof;
            }
        }
    }
    Orv8u s[4] = {1, 2, 3, 4}, d[4] = {9, 9, 9, 9};  // negative offsets are size errors
    EXPECT_TRUE(orvsCopy_1u(s, -1, d, 0, 8) == orvStsErrSize && orvsCopy_1u(s, 0, d, -1, 8) == orvStsErrSize && d[0] == 9 && d[3] == 9);
}
