// A persistent worker pool for the element-wise parallel driver.
//
// A job is a type-erased chunk function plus a context pointer, split into
// `parts` contiguous chunks of len / parts elements with the remainder on the
// last chunk. Workers and the calling thread claim chunk indices from one
// atomic counter, so a call never waits for a worker that is still asleep: if
// none shows up, the caller runs every chunk itself with the same boundaries.
//
// Workers are created on the first call that needs them and live for the
// process; between jobs they spin briefly, then sleep on a futex. One job runs
// at a time: a call that finds the pool in use (another user thread, or a
// kernel calling back into the driver) runs its chunks serially.
#pragma once

namespace orvs::parallel::pool {

// Runs elements [begin, begin + count); returns the family's warning flag.
using ChunkFn = bool (*)(void* ctx, int begin, int count);

// Largest number of workers the pool keeps (the calling thread is the extra one).
constexpr int kMaxWorkers = 63;

// Runs the chunks of [0, len) split into `parts` (1 <= parts <= len) and
// returns true if any chunk reported a warning.
bool run(ChunkFn fn, void* ctx, int len, int parts);

// The same split, every chunk in the calling thread in index order.
bool runSerial(ChunkFn fn, void* ctx, int len, int parts);

// Workers currently alive (0 before the first parallel call and after a fork).
int workerCount();

} // namespace orvs::parallel::pool
