// The parallel element-wise driver. Long vectors are split into as many
// contiguous chunks as the requested team has threads; the last chunk also
// takes the remainder. Each chunk runs the same serial kernel, which reports
// whether it met the family's warning condition; the driver reports it if
// any chunk did. The chunks run on the library's persistent worker pool
// (core/pool.h): the calling thread works too, and chunks that no worker has
// claimed yet it runs itself, so the split and the outputs never depend on
// how many workers show up.
#pragma once
#include <memory>
#include <type_traits>

#include "orvcore.h"
#include "pool.h"

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
    const int parts = team == kAllThreads ? n : team;

    using K = std::remove_reference_t<Kernel>;
    const pool::ChunkFn trampoline = [](void* ctx, int begin, int count) -> bool {
        return static_cast<bool>((*static_cast<K*>(ctx))(begin, count));
    };
    return pool::run(trampoline, const_cast<void*>(static_cast<const void*>(std::addressof(kernel))), len, parts);
}

} // namespace orvs::parallel
