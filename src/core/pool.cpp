// The worker pool behind the element-wise parallel driver.
//
// Why not a parallel region per call: on a two-vCPU virtual machine opening
// and joining a two-thread team costs about 3 us, several times the cross-core
// round trip (about 0.5 us), which put the split's break-even far above the
// lengths at which the element-wise functions split. Here a call costs one
// store to the job line, one to the worker's signal word, and the wait for the
// chunks that were actually claimed.
//
// Memory ordering, in short:
//  - the caller writes the job descriptor, then publishes (parts, index 0) in
//    the claim word with release; a thread reads the descriptor only after a
//    claim with index < parts, so it always reads the descriptor of the job
//    it claimed from;
//  - the descriptor is not rewritten before every claimed chunk has counted
//    itself in `done` (release), which the caller waits for (acquire);
//  - a worker that wakes late for a finished job finds index >= parts and
//    goes back to waiting; if it arrives after the next job was published,
//    its claim belongs to that job and is as good as any other.
#include "pool.h"

#include <pthread.h>
#include <sched.h>
#include <signal.h>
#include <unistd.h>
#include <xmmintrin.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>

namespace orvs::parallel::pool {
namespace {

using Clock = std::chrono::steady_clock;

// Sticky exception flags of MXCSR: not part of the mode handed to workers.
constexpr unsigned kCsrFlags = 0x3F;

// How long a worker spins after a job before it sleeps, and how long the
// caller spins on unfinished chunks before it starts yielding the CPU (the
// worker holding the chunk may have been preempted on a shared machine).
constexpr long kWorkerSpinNs = 50000;
constexpr long kWorkerSpinOversubscribedNs = 4000;
constexpr long kCallerSpinNs = 20000;

// Everything a job needs, on one cache line: a woken worker fetches it with
// a single transfer.
struct alignas(64) Job {
    ChunkFn fn = nullptr;
    void* ctx = nullptr;
    int len = 0;
    int chunk = 0;
    unsigned mxcsr = 0;
    // (parts << 32) | next chunk index; idle is parts = 0.
    std::atomic<std::uint64_t> claim{0};
    std::atomic<int> done{0};
    std::atomic<bool> warned{false};
    // CPU the last caller ran on: a worker that finds itself there yields
    // instead of spinning, since it would only delay that caller.
    std::atomic<int> callerCpu{-1};
};

enum : int { kAwake = 0, kAsleep = 1, kWakeSent = 2 };

// One per worker, on its own line: the futex word a sleeping worker waits on.
// A spinning worker watches the job line instead and never reads this, so
// the caller's increment stays in the caller's cache.
struct alignas(64) Slot {
    std::atomic<std::uint32_t> signal{0};
    // kAwake while spinning or working; kAsleep once about to sleep on the
    // futex; kWakeSent after one caller has woken it, so that the callers
    // that follow before it runs again do not each pay a wake-up syscall.
    std::atomic<int> state{kAwake};
    pthread_t thread{};
};

struct Pool {
    Job job;
    alignas(64) std::atomic<bool> busy{false};
    std::atomic<bool> stopping{false};
    std::atomic<int> workers{0};     // changed only by the holder of `busy`
    std::atomic<long> spinNs{kWorkerSpinNs};
    int cpus = 0;
    bool forkHandlerSet = false;
    Slot slots[kMaxWorkers];

    ~Pool();
};

// Constant-initialised, so a call made from another library's static
// initialiser finds a valid (empty) pool.
constinit Pool g_pool;

int availableCpus()
{
    cpu_set_t set;
    if (sched_getaffinity(0, sizeof(set), &set) == 0) {
        const int n = CPU_COUNT(&set);
        if (n > 0) return n;
    }
    const long n = sysconf(_SC_NPROCESSORS_ONLN);
    return n > 0 ? static_cast<int>(n) : 1;
}

bool runChunk(const Job& j, std::uint32_t index, std::uint32_t parts)
{
    const int begin = static_cast<int>(index) * j.chunk;
    const int count = index == parts - 1 ? j.len - begin : j.chunk;
    return j.fn(j.ctx, begin, count);
}

// Claims and runs chunks until none is left. Workers take the caller's
// rounding and denormal modes so that every chunk computes as the serial
// call would.
void claimAndRun(Job& j, bool adoptCsr)
{
    for (;;) {
        const std::uint64_t c = j.claim.fetch_add(1, std::memory_order_acq_rel);
        const auto index = static_cast<std::uint32_t>(c);
        const auto parts = static_cast<std::uint32_t>(c >> 32);
        if (index >= parts) return;
        if (adoptCsr && (_mm_getcsr() & ~kCsrFlags) != j.mxcsr) _mm_setcsr(j.mxcsr);
        if (runChunk(j, index, parts)) j.warned.store(true, std::memory_order_relaxed);
        j.done.fetch_add(1, std::memory_order_release);
    }
}

bool workAvailable(const Job& j)
{
    const std::uint64_t c = j.claim.load(std::memory_order_acquire);
    return static_cast<std::uint32_t>(c) < static_cast<std::uint32_t>(c >> 32);
}

// Returns once a job may have unclaimed chunks, or the pool is stopping.
// While spinning, a worker watches the job line itself: a published job is
// seen with one cache-line transfer, and the caller's write to this worker's
// signal word stays a local store.
void waitForWork(Slot& s)
{
    Pool& p = g_pool;
    const long budget = p.spinNs.load(std::memory_order_relaxed);
    const auto start = Clock::now();
    for (unsigned i = 1;; ++i) {
        if (workAvailable(p.job)) return;
        _mm_pause();
        if ((i & 31) == 0) {
            if (p.stopping.load(std::memory_order_acquire)) return;
            if (Clock::now() - start > std::chrono::nanoseconds(budget)) break;
            // On a loaded machine the scheduler may put us on the caller's
            // CPU; spinning there would hold off the very call we wait for.
            const int cpu = sched_getcpu();
            if (cpu >= 0 && cpu == p.job.callerCpu.load(std::memory_order_relaxed)) sched_yield();
        }
    }
    // The caller publishes the job, increments the signal and then reads
    // `state`; we publish kAsleep and then read the signal. All sequentially
    // consistent, so either we see the job (or the stop request) here, or
    // the caller sees us asleep and wakes us. A wake sent before we reach the
    // futex is not lost: the futex compares the signal first. A spurious
    // return only costs another spin period.
    s.state.store(kAsleep, std::memory_order_seq_cst);
    const std::uint32_t seen = s.signal.load(std::memory_order_seq_cst);
    if (!workAvailable(p.job) && !p.stopping.load(std::memory_order_seq_cst))
        s.signal.wait(seen, std::memory_order_seq_cst);
    s.state.store(kAwake, std::memory_order_seq_cst);
}

void* workerMain(void* arg)
{
    Slot& s = *static_cast<Slot*>(arg);
    for (;;) {
        waitForWork(s);
        if (g_pool.stopping.load(std::memory_order_acquire)) return nullptr;
        claimAndRun(g_pool.job, true);
    }
}

void wake(Slot& s)
{
    s.signal.fetch_add(1, std::memory_order_seq_cst);
    int asleep = kAsleep;
    if (s.state.load(std::memory_order_seq_cst) == kAsleep &&
        s.state.compare_exchange_strong(asleep, kWakeSent, std::memory_order_seq_cst))
        s.signal.notify_all();
}

// The child of a fork has only the forking thread: forget the parent's
// workers (they do not exist here) and let the next call create new ones.
void resetAfterFork()
{
    Pool& p = g_pool;
    p.workers.store(0, std::memory_order_relaxed);
    for (auto& s : p.slots) s.state.store(kAwake, std::memory_order_relaxed);
    p.job.claim.store(0, std::memory_order_relaxed);
    p.busy.store(false, std::memory_order_relaxed);
}

// Called with `busy` held. Workers start with every signal blocked, so
// asynchronous signals keep going to the application's own threads.
void spawn(int wanted)
{
    Pool& p = g_pool;
    if (!p.forkHandlerSet) {
        pthread_atfork(nullptr, nullptr, resetAfterFork);
        p.forkHandlerSet = true;
        p.cpus = availableCpus();
    }
    sigset_t all, saved;
    sigfillset(&all);
    pthread_sigmask(SIG_SETMASK, &all, &saved);
    int n = p.workers.load(std::memory_order_relaxed);
    while (n < wanted) {
        Slot& s = p.slots[n];
        s.state.store(kAwake, std::memory_order_relaxed);
        if (pthread_create(&s.thread, nullptr, workerMain, &s) != 0) break;
        pthread_setname_np(s.thread, "orvs-pool");
        ++n;
    }
    pthread_sigmask(SIG_SETMASK, &saved, nullptr);
    p.workers.store(n, std::memory_order_relaxed);
    // More spinning threads than CPUs would steal time from the ones working.
    p.spinNs.store(n + 1 <= p.cpus ? kWorkerSpinNs : kWorkerSpinOversubscribedNs, std::memory_order_relaxed);
}

Pool::~Pool()
{
    stopping.store(true, std::memory_order_seq_cst);
    // Take the pool for good, once a call in flight in another thread has
    // finished with its workers: later calls run serially.
    for (int i = 0; busy.exchange(true, std::memory_order_acquire) && i < 200000; ++i) sched_yield();
    const int n = workers.load(std::memory_order_relaxed);
    for (int i = 0; i < n; ++i) {
        slots[i].signal.fetch_add(1, std::memory_order_seq_cst);
        slots[i].signal.notify_all();
    }
    for (int i = 0; i < n; ++i) pthread_join(slots[i].thread, nullptr);
    workers.store(0, std::memory_order_relaxed);
}

} // namespace

bool runSerial(ChunkFn fn, void* ctx, int len, int parts)
{
    const int chunk = len / parts;
    bool warned = false;
    for (int i = 0; i < parts; ++i) {
        const int begin = i * chunk;
        warned |= fn(ctx, begin, i == parts - 1 ? len - begin : chunk);
    }
    return warned;
}

bool run(ChunkFn fn, void* ctx, int len, int parts)
{
    Pool& p = g_pool;
    // A kernel that calls back into the driver from a worker, or from the
    // caller while it runs its own chunks, finds the pool busy too.
    if (parts <= 1 || p.stopping.load(std::memory_order_relaxed) || p.busy.load(std::memory_order_relaxed) ||
        p.busy.exchange(true, std::memory_order_acquire))
        return runSerial(fn, ctx, len, parts);
    if (p.stopping.load(std::memory_order_acquire)) {
        p.busy.store(false, std::memory_order_release);
        return runSerial(fn, ctx, len, parts);
    }

    const int helpers = std::min(parts - 1, kMaxWorkers);
    if (p.workers.load(std::memory_order_relaxed) < helpers) spawn(helpers);

    Job& j = p.job;
    j.fn = fn;
    j.ctx = ctx;
    j.len = len;
    j.chunk = len / parts;
    j.mxcsr = _mm_getcsr() & ~kCsrFlags;
    j.callerCpu.store(sched_getcpu(), std::memory_order_relaxed);
    j.done.store(0, std::memory_order_relaxed);
    j.warned.store(false, std::memory_order_relaxed);
    j.claim.store(static_cast<std::uint64_t>(parts) << 32, std::memory_order_release);

    const int woken = std::min(helpers, p.workers.load(std::memory_order_relaxed));
    for (int i = 0; i < woken; ++i) wake(p.slots[i]);

    claimAndRun(j, false);

    if (j.done.load(std::memory_order_acquire) != parts) {
        const auto start = Clock::now();
        bool yielding = false;
        for (unsigned i = 1; j.done.load(std::memory_order_acquire) != parts; ++i) {
            if (yielding) {
                sched_yield();
            } else {
                _mm_pause();
                if ((i & 31) == 0 && Clock::now() - start > std::chrono::nanoseconds(kCallerSpinNs)) yielding = true;
            }
        }
    }
    const bool warned = j.warned.load(std::memory_order_relaxed);
    p.busy.store(false, std::memory_order_release);
    return warned;
}

int workerCount() { return g_pool.workers.load(std::memory_order_relaxed); }

} // namespace orvs::parallel::pool
