// The parallel element-wise driver: exact split, remainder on the last
// thread, combined warnings, serial fall-backs.
#include <gtest/gtest.h>

#include <mutex>
#include <vector>

#include "core/parallel.h"
#include "test_util.h"

namespace {
struct Chunk { int begin, count; };

std::vector<Chunk> recordSplit(int len, int threshold, int team)
{
    std::vector<Chunk> chunks;
    std::mutex m;
    orvs::parallel::forChunks(len, threshold, team, [&](int b, int c) {
        std::lock_guard<std::mutex> g(m);
        chunks.push_back({b, c});
        return false;
    });
    std::sort(chunks.begin(), chunks.end(), [](auto& a, auto& b) { return a.begin < b.begin; });
    return chunks;
}
} // namespace

TEST(ParallelDriver, BelowThresholdRunsSerially)
{
    orvs_test::ThreadCount tc(2);
    auto c = recordSplit(4095, 4096, 2);
    ASSERT_EQ(c.size(), 1u);
    EXPECT_EQ(c[0].begin, 0);
    EXPECT_EQ(c[0].count, 4095);
}

TEST(ParallelDriver, TwoThreadSplitWithRemainderOnLastThread)
{
    orvs_test::ThreadCount tc(2);
    auto c = recordSplit(4096, 4096, 2);
    ASSERT_EQ(c.size(), 2u);
    EXPECT_EQ(c[0].begin, 0);
    EXPECT_EQ(c[0].count, 2048);
    EXPECT_EQ(c[1].begin, 2048);
    EXPECT_EQ(c[1].count, 2048);
    c = recordSplit(4097, 4096, 2);
    ASSERT_EQ(c.size(), 2u);
    EXPECT_EQ(c[0].count, 2048);
    EXPECT_EQ(c[1].begin, 2048);
    EXPECT_EQ(c[1].count, 2049);
}

TEST(ParallelDriver, TeamOfTwoEvenWithMoreConfiguredThreads)
{
    orvs_test::ThreadCount tc(4);
    EXPECT_EQ(recordSplit(10000, 1000, 2).size(), 2u);
    auto all = recordSplit(10003, 1000, orvs::parallel::kAllThreads);
    ASSERT_EQ(all.size(), 4u);
    EXPECT_EQ(all[3].begin, 3 * 2500);
    EXPECT_EQ(all[3].count, 2503);
}

TEST(ParallelDriver, SerialWhenOneThreadOrLengthBelowCount)
{
    {
        orvs_test::ThreadCount tc(1);
        EXPECT_EQ(recordSplit(100000, 10, 2).size(), 1u);
    }
    orvs_test::ThreadCount tc(4);
    EXPECT_EQ(recordSplit(3, 1, orvs::parallel::kAllThreads).size(), 1u);
}

TEST(ParallelDriver, WarningFromAnyChunkIsReported)
{
    for (int threads : {1, 2, 4}) {
        orvs_test::ThreadCount tc(threads);
        bool warned = orvs::parallel::forChunks(8192, 4096, 2, [](int b, int c) { return b + c == 8192; });
        EXPECT_TRUE(warned) << threads;
        warned = orvs::parallel::forChunks(8192, 4096, 2, [](int, int) { return false; });
        EXPECT_FALSE(warned);
    }
}
