// The parallel element-wise driver. Long vectors are split into as many
// contiguous chunks as the team has threads; the last thread also takes the
// remainder. Each chunk runs the same serial kernel, which reports whether it
// met the family's warning condition; the driver reports it if any chunk did.
#pragma once
#include <atomic>
#include <omp.h>

#include "orvcore.h"

namespace orvs::parallel {

// Team request meaning "every configured thread" (the rounding divisions).
constexpr int kAllThreads = 0;

// kernel(begin, count) -> bool warning. `threshold` is the length from which
// the call goes parallel; `team` is the requested team size (2 for almost
// every driver, kAllThreads for the configured count).
template <class Kernel>
bool forChunks(int len, int threshold, int team, Kernel&& kernel)
{
    if (len < threshold) return kernel(0, len);
    const int n = ownGetNumThreads();
    if (n <= 1 || len < n) return kernel(0, len);
    const int requested = team == kAllThreads ? n : team;

    // Every thread derives the same chunk and remainder from the team size
    // the runtime actually gave, so no barrier is needed before the work
    // starts: a barrier costs a cross-core round trip, about half of an
    // empty two-thread region on a virtual machine.
    std::atomic<bool> warned{false};
#pragma omp parallel num_threads(requested) shared(warned)
    {
        const int size = omp_get_num_threads();
        const int i = omp_get_thread_num();
        const int chunk = len / size;
        const int begin = i * chunk;
        const int count = (i == size - 1) ? len - begin : chunk;
        if (count > 0 && kernel(begin, count)) warned.store(true, std::memory_order_relaxed);
    }
    return warned.load(std::memory_order_relaxed);
}

} // namespace orvs::parallel
