// The parallel element-wise driver (split, remainder on the last chunk,
// combined warnings, serial fall-backs) and the worker pool behind it.
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xmmintrin.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <string>
#include <thread>
#include <tuple>
#include <utility>
#include <vector>

#include "core/parallel.h"
#include "core/pool.h"
#include "test_util.h"

namespace {
using orvs_test::quick;
using orvs::parallel::forChunks;
using orvs::parallel::kAllThreads;
using Split = std::vector<std::pair<int, int>>;  // (begin, count) of each chunk

// Runs forChunks with `body` and returns the chunks it ran, in order;
// `warned` takes the combined warning.
template <class Body>
Split recordSplit(int len, int threshold, int team, Body body, bool* warned = nullptr)
{
    Split chunks;
    std::mutex m;
    const bool w = forChunks(len, threshold, team, [&](int b, int c) {
        std::unique_lock<std::mutex> g(m);
        chunks.push_back({b, c});
        g.unlock();
        return body(b, c);
    });
    if (warned) *warned = w;
    std::sort(chunks.begin(), chunks.end());
    return chunks;
}
const auto noWarning = [](int, int) { return false; };

// The split written out independently: `threads` configured, team request;
// the remainder goes to the last chunk.
Split expectedSplit(int len, int threshold, int team, int threads)
{
    if (len < threshold || threads <= 1 || len < threads) return {{0, len}};
    const int parts = team == kAllThreads ? threads : team;
    Split v;
    for (int i = 0, begin = 0; i < parts; begin += v.back().second, ++i) v.push_back({begin, i + 1 < parts ? len / parts : len - begin});
    return v;
}
} // namespace

TEST(ParallelDriver, SplitMatchesModelAsTheThreadCountChanges)
{
    EXPECT_EQ(expectedSplit(10003, 1000, kAllThreads, 4), (Split{{0, 2500}, {2500, 2500}, {5000, 2500}, {7500, 2503}}));
    // Growing and shrinking counts between calls: the pool follows each one.
    // Each element runs exactly once; a warning from any one chunk is reported.
    for (int threads : {1, 2, 4, 7, 3, 1, 5, 2}) {
        orvs_test::ThreadCount tc(threads);
        for (int team : {2, kAllThreads})
            for (int len : {1, 2, 3, 6, 7, 8, 255, 1023, 1024, 1025, 4095, 4096, 4097, 10003, 10007})
                for (int threshold : {1, 1024, 4096})
                    for (int marked : {-1, 0, len / 2, len - 1}) {
                        std::vector<int> out(len, 0);
                        bool w = false;
                        const Split got = recordSplit(len, threshold, team, [&](int b, int c) {
                            for (int i = b; i < b + c; ++i) ++out[i];
                            return marked >= b && marked < b + c;
                        }, &w);
                        ASSERT_EQ(got, expectedSplit(len, threshold, team, threads))
                            << "threads " << threads << " team " << team << " len " << len << " threshold " << threshold;
                        ASSERT_EQ(w, marked >= 0) << threads << " threads, len " << len << ", marked " << marked;
                        ASSERT_EQ(std::count(out.begin(), out.end(), 1), len);
                    }
        EXPECT_LE(orvs::parallel::pool::workerCount(), orvs::parallel::pool::kMaxWorkers);
    }
}

TEST(ParallelPool, WorkersTakeChunks)
{
    // Chunks long enough that an awake worker claims one before the caller gets
    // to it: within seconds (the machine may be busy) one runs off the caller.
    orvs_test::ThreadCount tc(2);
    const auto caller = std::this_thread::get_id();
    std::atomic<int> offCaller{0};
    std::vector<float> v(1 << 15, 1.0f);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (offCaller.load() == 0 && std::chrono::steady_clock::now() < deadline) {
        forChunks(static_cast<int>(v.size()), 1, 2, [&](int b, int c) {
            if (std::this_thread::get_id() != caller) offCaller.fetch_add(1);
            for (int i = b; i < b + c; ++i) v[i] = v[i] * 1.0001f + 0.5f;
            return false;
        });
    }
    EXPECT_GT(offCaller.load(), 0);
}

// Many tiny calls from one caller (worker hand-over races), medium calls
// from four callers at once: each call gets its own split and warning.
TEST(ParallelPool, ManyCallsFromOneOrSeveralCallers)
{
    for (auto [callers, threads, rounds, base] : {std::tuple{1, 2, 100000, 3}, {4, 4, 3000, 64}}) {
        orvs_test::ThreadCount tc(threads);
        std::atomic<int> failures{0};
        std::vector<std::thread> users;
        for (int u = 0; u < callers; ++u)
            users.emplace_back([&, u, base = base, threads = threads, rounds = rounds] {
                std::vector<int> out;
                for (int k = 0; k < (quick() ? rounds / 10 : rounds); ++k) {
                    const int len = base + 97 * u + (k % 13);
                    const int team = (k + u) % 2 ? 2 : kAllThreads;
                    out.assign(len, -1);
                    bool w = false;
                    const Split chunks = recordSplit(len, 1, team, [&](int b, int c) {
                        for (int i = b; i < b + c; ++i) out[i] = i * 3 + u;
                        return b + c == len && (k % 5 == 0);
                    }, &w);
                    bool ok = chunks == expectedSplit(len, 1, team, threads) && w == (k % 5 == 0);
                    for (int i = 0; i < len; ++i) ok = ok && out[i] == i * 3 + u;
                    if (!ok) failures.fetch_add(1);
                }
            });
        for (auto& t : users) t.join();
        EXPECT_EQ(failures.load(), 0) << callers << " callers";
        EXPECT_GE(orvs::parallel::pool::workerCount(), 1);
    }
}

TEST(ParallelPool, NestedCallRunsItsOwnSplitSerially)
{
    orvs_test::ThreadCount tc(2);
    std::atomic<int> innerOk{0};
    bool w = true;
    recordSplit(2000, 1, 2, [&](int, int) {
        bool iw = false;
        innerOk += recordSplit(101, 1, 2, [](int, int c) { return c == 51; }, &iw) == Split{{0, 50}, {50, 51}} && iw;
        return false;
    }, &w);
    EXPECT_FALSE(w);
    EXPECT_EQ(innerOk.load(), 2);
}

TEST(ParallelPool, ChunksRunWithTheCallersRoundingMode)
{
    orvs_test::ThreadCount tc(4);
    const unsigned saved = _mm_getcsr();
    for (unsigned mode : {_MM_ROUND_TOWARD_ZERO, _MM_ROUND_UP, _MM_ROUND_NEAREST}) {
        _MM_SET_ROUNDING_MODE(mode);
        std::atomic<int> mismatches{0};
        for (int k = 0; k < 50; ++k)
            forChunks(4000, 1, kAllThreads, [&](int, int) {
                if (_MM_GET_ROUNDING_MODE() != mode) mismatches.fetch_add(1);
                return false;
            });
        EXPECT_EQ(mismatches.load(), 0) << mode;
    }
    _mm_setcsr(saved);
}

TEST(ParallelPool, ForkedChildCanStillSplit)
{
    orvs_test::ThreadCount tc(2);
    ASSERT_EQ(recordSplit(5000, 1, 2, noWarning), (Split{{0, 2500}, {2500, 2500}}));  // the parent's workers exist
    ASSERT_GE(orvs::parallel::pool::workerCount(), 1);
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        // Only this thread exists here; the pool must start afresh.
        int code = orvs::parallel::pool::workerCount() == 0 ? 0 : 1;
        for (int k = 0; k < 200; ++k) {
            bool w = false;
            if (recordSplit(777, 1, 2, [](int b, int) { return b > 0; }, &w) != Split{{0, 388}, {388, 389}} || !w) code |= 2;
        }
        _exit(code);
    }
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(recordSplit(5000, 1, 2, noWarning), (Split{{0, 2500}, {2500, 2500}}));
}

// The shared library, one level above the test programs in the build tree,
// carries its own pool, separate from the one linked here.
TEST(ParallelPool, UnloadingTheLibraryJoinsItsWorkers)
{
    const std::string exe = std::filesystem::read_symlink("/proc/self/exe");
    const std::string lib = exe.substr(0, exe.rfind('/')) + "/../liborvsk1.so.6.1";
    if (access(lib.c_str(), R_OK) != 0) GTEST_SKIP() << "no " << lib;
    auto threadsInProcess = [] {
        std::ifstream status("/proc/self/status");
        for (std::string line; std::getline(status, line);)
            if (line.rfind("Threads:", 0) == 0) return std::atoi(line.c_str() + 8);
        return -1;
    };
    orvs_test::ThreadCount tc(2);
    std::vector<Orv32fc> src(20000, Orv32fc{3.0f, 4.0f});
    std::vector<Orv32f> dst(20000);
    for (int round = 0; round < 3; ++round) {
        const int before = threadsInProcess();
        void* h = dlopen(lib.c_str(), RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(h, nullptr) << dlerror();
        auto mag = reinterpret_cast<int (*)(const Orv32fc*, Orv32f*, int)>(dlsym(h, "orvsMagnitude_32fc"));
        ASSERT_NE(mag, nullptr);
        for (int k = 0; k < 50; ++k) ASSERT_EQ(mag(src.data(), dst.data(), 20000), 0);
        EXPECT_EQ(dst[19999], 5.0f);
        ASSERT_EQ(dlclose(h), 0);
        EXPECT_EQ(threadsInProcess(), before) << "round " << round;
    }
}
