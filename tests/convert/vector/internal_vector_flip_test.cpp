// Both instruction-set variants of the reversal kernels, whichever one the
// entries would pick on this processor.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

#include "convert/vector/vector_kernels.h"
#include "core/cpu.h"

namespace {

using FlipOut = void (*)(const void*, void*, std::size_t, std::size_t);
using FlipIn = void (*)(void*, std::size_t, std::size_t);

void checkVariant(FlipOut out, FlipIn in)
{
    std::mt19937 rng(3);
    for (std::size_t e : {1u, 2u, 4u, 8u, 16u}) {
        for (std::size_t n : {1u, 2u, 3u, 15u, 16u, 17u, 31u, 32u, 33u, 64u, 65u, 100u, 1001u}) {
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

TEST(VectorFlipKernels, AvxBaseline) { checkVariant(orvs::vec::avx::flip, orvs::vec::avx::flipInPlace); }

TEST(VectorFlipKernels, Avx2)
{
    if (!orvs::cpu::hasAvx2()) GTEST_SKIP() << "no AVX2 on this processor";
    checkVariant(orvs::vec::avx2::flip, orvs::vec::avx2::flipInPlace);
}

} // namespace
