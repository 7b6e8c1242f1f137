// The G.711 family's kernel row.
#include "core/dispatch.h"
#include "speech/g711/g711_kernels.h"

namespace orvs::g711 {

const KernelTable& kernels() { return dispatch::pick<KernelTable>(avx::table, avx2::table, avx512::table); }

} // namespace orvs::g711
