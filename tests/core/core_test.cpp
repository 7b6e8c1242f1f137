// Version record, typed allocation and the thread-count setting.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "test_util.h"

TEST(Version, RecordValuesAndIdentity)
{
    const OrvLibraryVersion* v = orvsGetLibVersion();
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v, orvsGetLibVersion());
    EXPECT_EQ(v->major, 6);
    EXPECT_EQ(v->minor, 1);
    EXPECT_EQ(v->majorBuild, 137);
    EXPECT_EQ(v->build, 847);
    EXPECT_STREQ(v->targetCpu, "k1");
    EXPECT_EQ(v->targetCpu[2], '\0');
    EXPECT_EQ(v->targetCpu[3], '\0');
    EXPECT_STREQ(v->Name, "liborvsk1.so.6.1");
    EXPECT_STREQ(v->Version, "6.1 build 137.56");
    EXPECT_STREQ(v->BuildDate, "Mar 17 2010");
}

TEST(Malloc, NonPositiveLengthsGiveNull)
{
    EXPECT_EQ(orvsMalloc_64fc(0), nullptr);
    EXPECT_EQ(orvsMalloc_8u(-5), nullptr);
    EXPECT_EQ(orvsMalloc_32f(-2147483647 - 1), nullptr);
    orvsFree(nullptr);  // accepted
}

TEST(Malloc, EveryTypeGivesAlignedWritableBlocks)
{
    auto probe = [](void* p, std::size_t bytes) {
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(p) % 64, 0u);
        std::memset(p, 0xA5, bytes);
        orvsFree(p);
    };
    const int n = 1001;
    probe(orvsMalloc_8u(n), n * 1);
    probe(orvsMalloc_8s(n), n * 1);
    probe(orvsMalloc_16u(n), n * 2);
    probe(orvsMalloc_16s(n), n * 2);
    probe(orvsMalloc_8sc(n), n * 2);
    probe(orvsMalloc_32u(n), n * 4);
    probe(orvsMalloc_32s(n), n * 4);
    probe(orvsMalloc_32f(n), n * 4);
    probe(orvsMalloc_16sc(n), n * 4);
    probe(orvsMalloc_64s(n), n * 8);
    probe(orvsMalloc_64f(n), n * 8);
    probe(orvsMalloc_32sc(n), n * 8);
    probe(orvsMalloc_32fc(n), n * 8);
    probe(orvsMalloc_64sc(n), n * 16);
    probe(orvsMalloc_64fc(n), n * 16);
}

TEST(Malloc, LargestLengthDoesNotOverflowTheByteCount)
{
    // 2^31-1 complex doubles is 32 GiB: the request either succeeds or fails
    // cleanly, but it must not wrap to a small block.
    void* p = orvsMalloc_64fc(0x7FFFFFFF);
    if (p) {
        static_cast<unsigned char*>(p)[0x7FFFFFFFll * 16 - 1] = 1;
        orvsFree(p);
    }
}

TEST(Threads, SetterChangesTheCountAndResetRestoresDefault)
{
    const int def = orvGetNumThreads();
    EXPECT_GE(def, 1);
    {
        orvs_test::ThreadCount tc(3);
        EXPECT_EQ(ownGetNumThreads(), 3);
    }
    EXPECT_EQ(ownGetNumThreads(), def);
    orvSetNumThreads(5);
    orvSetNumThreads(0);
    EXPECT_EQ(ownGetNumThreads(), def);
}
