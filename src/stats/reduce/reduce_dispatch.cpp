// The reductions family's kernel table for this process.
#include "core/dispatch.h"
#include "stats/reduce/reduce_kernels.h"

namespace orvs::stats {

const KernelTable& kernels() { return dispatch::pick<KernelTable>(avx::table, avx2::table, avx512::table); }

} // namespace orvs::stats
