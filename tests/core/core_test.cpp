// Version record, typed allocation and the thread-count setting.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <climits>
#include <iterator>

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
    EXPECT_EQ(v->targetCpu[3], '\0');
    EXPECT_STREQ(v->Name, "liborvsk1.so.6.1");
    EXPECT_STREQ(v->Version, "6.1 build 137.56");
    EXPECT_STREQ(v->BuildDate, "Mar 17 2010");
}

// The library allocates through the core support library; this definition
// takes its place for the whole program and records each request. Requests
// past 1 GiB are refused after being recorded: only their size is checked.
namespace {
std::vector<std::size_t> requests;
}
extern "C" void* orvMalloc(size_t size)
{
    static const auto real = reinterpret_cast<void* (*)(size_t)>(dlsym(RTLD_NEXT, "orvMalloc"));
    requests.push_back(size);
    return size > (std::size_t(1) << 30) ? nullptr : real(size);
}

namespace {
// Each allocation entry with the element size it must multiply by.
struct Typed {
    const char* name;
    void* (*alloc)(int);
    std::size_t size;
};
#define ORVS_TYPED(T) Typed{#T, [](int n) -> void* { return orvsMalloc_##T(n); }, sizeof(Orv##T)}
const Typed kTyped[] = {ORVS_TYPED(8u),  ORVS_TYPED(8s),   ORVS_TYPED(16u),  ORVS_TYPED(16s),  ORVS_TYPED(8sc),
                        ORVS_TYPED(32u), ORVS_TYPED(32s),  ORVS_TYPED(32f),  ORVS_TYPED(16sc), ORVS_TYPED(64s),
                        ORVS_TYPED(64f), ORVS_TYPED(32sc), ORVS_TYPED(32fc), ORVS_TYPED(64sc), ORVS_TYPED(64fc)};
} // namespace

// Each entry asks for exactly len * element size bytes (INT_MAX complex
// doubles is 32 GiB: the request must not wrap to a small block), hands back
// a 64-byte aligned block writable to its end (null for the largest), and
// asks for nothing at lengths below one.
TEST(Malloc, EveryTypeAsksForTheExactByteCount)
{
    const std::size_t sizes[] = {1, 1, 2, 2, 2, 4, 4, 4, 4, 8, 8, 8, 8, 16, 16};
    for (std::size_t k = 0; k < std::size(kTyped); ++k) {
        const Typed& t = kTyped[k];
        EXPECT_EQ(t.size, sizes[k]) << t.name;
        requests.clear();
        for (int len : {0, -1, -5, INT_MIN}) EXPECT_EQ(t.alloc(len), nullptr) << t.name << " " << len;
        EXPECT_TRUE(requests.empty()) << t.name;
        for (int len : {1, 1001, INT_MAX}) {
            const std::size_t bytes = std::size_t(len) * t.size;
            requests.clear();
            auto* p = static_cast<unsigned char*>(t.alloc(len));
            EXPECT_EQ(requests, std::vector<std::size_t>{bytes}) << t.name << " " << len;
            if (len == INT_MAX) {
                EXPECT_EQ(p, nullptr) << t.name;
                continue;
            }
            ASSERT_NE(p, nullptr) << t.name;
            EXPECT_EQ(reinterpret_cast<std::uintptr_t>(p) % 64, 0u) << t.name;
            std::memset(p, 0xA5, bytes);
            p[bytes - 1] = 1;
            orvsFree(p);
        }
    }
    orvsFree(nullptr);  // accepted
}

TEST(Threads, SetterChangesTheCountAndZeroRestoresDefault)
{
    const int def = orvGetNumThreads();
    EXPECT_GE(def, 1);
    for (int n : {3, 5}) {
        orvSetNumThreads(n);
        EXPECT_EQ(ownGetNumThreads(), n);
        orvSetNumThreads(0);
        EXPECT_EQ(ownGetNumThreads(), def);
    }
}
