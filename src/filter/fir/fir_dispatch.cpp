// The FIR family's kernel table for this process.
#include "core/dispatch.h"
#include "filter/fir/fir_kernels.h"

namespace orvs::fir {

const KernelTable& kernels() { return dispatch::pick<KernelTable>(avx::table, avx2::table, avx512::table); }

} // namespace orvs::fir
