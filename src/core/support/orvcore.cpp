// Core support library: aligned allocation on the system allocator and the
// thread count that the parallel paths of liborvsk1 read at every call.
#include "orvcore.h"

#include <atomic>
#include <cstdlib>
#include <sched.h>
#include <unistd.h>

namespace {

constexpr size_t kAlignment = 64;

int processorsAvailable()
{
    cpu_set_t set;
    CPU_ZERO(&set);
    if (sched_getaffinity(0, sizeof(set), &set) == 0) {
        int n = CPU_COUNT(&set);
        if (n > 0) return n;
    }
    long n = sysconf(_SC_NPROCESSORS_ONLN);
    return n > 0 ? static_cast<int>(n) : 1;
}

// The environment wins over the processor count when it holds a positive
// integer; anything else is ignored.
int defaultThreadCount()
{
    if (const char* env = std::getenv("ORV_NUM_THREADS")) {
        char* end = nullptr;
        long v = std::strtol(env, &end, 10);
        if (end != env && *end == '\0' && v > 0 && v <= 4096) return static_cast<int>(v);
    }
    return processorsAvailable();
}

std::atomic<int> g_defaultThreads{0};
std::atomic<int> g_threads{0};

// Read once when the library is loaded.
__attribute__((constructor)) void initThreadCount()
{
    int n = defaultThreadCount();
    g_defaultThreads.store(n, std::memory_order_relaxed);
    g_threads.store(n, std::memory_order_relaxed);
}

} // namespace

extern "C" {

ORVCORE_API void* orvMalloc(size_t size)
{
    if (size == 0) size = 1;
    void* p = nullptr;
    if (posix_memalign(&p, kAlignment, size) != 0) return nullptr;
    return p;
}

ORVCORE_API void orvFree(void* ptr) { std::free(ptr); }

ORVCORE_API int ownGetNumThreads(void)
{
    int n = g_threads.load(std::memory_order_relaxed);
    return n > 0 ? n : 1;
}

ORVCORE_API int orvGetNumThreads(void) { return ownGetNumThreads(); }

ORVCORE_API void orvSetNumThreads(int n)
{
    g_threads.store(n >= 1 ? n : g_defaultThreads.load(std::memory_order_relaxed),
                    std::memory_order_relaxed);
}

} // extern "C"
