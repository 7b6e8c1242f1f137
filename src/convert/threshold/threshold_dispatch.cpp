// The threshold family's kernel table for this process.
#include "convert/threshold/threshold_kernels.h"
#include "core/dispatch.h"

namespace orvs::threshold {

const KernelTable& kernels() { return dispatch::pick<KernelTable>(avx::table, avx2::table, avx512::table); }

} // namespace orvs::threshold
