// Every row of the reversal kernels this processor can run, whichever one
// the entries would pick.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

#include "convert/vector/vector_kernels.h"
#include "test_util.h"

namespace {

using FlipOut = void (*)(const void*, void*, std::size_t, std::size_t);
using FlipIn = void (*)(void*, std::size_t, std::size_t);

void checkVariant(FlipOut out, FlipIn in)
{
    std::mt19937 rng(3);
    for (std::size_t e : {1u, 2u, 4u, 8u, 16u}) {
        for (std::size_t n : {1u, 2u, 3u, 15u, 16u, 17u, 31u, 32u, 33u, 63u, 64u, 65u, 100u, 127u, 128u, 129u, 257u, 1001u}) {
            // one byte of offset: every kernel must accept unaligned data
            std::vector<unsigned char> src(n * e + 1), dst(n * e + 1), self;
            for (auto& b : src) b = static_cast<unsigned char>(rng());
            out(src.data() + 1, dst.data() + 1, n, e);
            self = src;
            in(self.data() + 1, n, e);
            for (std::size_t i = 0; i < n; ++i) {
                ASSERT_EQ(std::memcmp(dst.data() + 1 + i * e, src.data() + 1 + (n - 1 - i) * e, e), 0)
                    << "size " << e << " n " << n << " i " << i;
                ASSERT_EQ(std::memcmp(self.data() + 1 + i * e, src.data() + 1 + (n - 1 - i) * e, e), 0)
                    << "in place, size " << e << " n " << n << " i " << i;
            }
        }
    }
}

TEST(VectorFlipKernels, EveryRow)
{
    checkVariant(orvs::vec::avx::table.flip, orvs::vec::avx::table.flipInPlace);
    __builtin_cpu_init();
    if (!__builtin_cpu_supports("avx2")) GTEST_SKIP() << "no AVX2 on this processor";
    checkVariant(orvs::vec::avx2::table.flip, orvs::vec::avx2::table.flipInPlace);
    if (!orvs_test::machineHasAvx512()) GTEST_SKIP() << "no AVX-512 on this processor";
    checkVariant(orvs::vec::avx512::table.flip, orvs::vec::avx512::table.flipInPlace);
}

} // namespace
