// The generators' kernel table for this process.
#include "core/dispatch.h"
#include "gen/tone/tone_kernels.h"

namespace orvs::tone {

const KernelTable& kernels() { return dispatch::pick<KernelTable>(avx::table, avx2::table, avx512::table); }

} // namespace orvs::tone
