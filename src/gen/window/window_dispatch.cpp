// The window family's kernel table for this process.
#include "core/dispatch.h"
#include "gen/window/window_kernels.h"

namespace orvs::win {

const KernelTable& kernels() { return dispatch::pick<KernelTable>(avx::table, avx2::table, avx512::table); }

} // namespace orvs::win
