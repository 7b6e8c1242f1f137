// The complex family's kernel table for this process.
#include "convert/complex/complex_kernels.h"
#include "core/dispatch.h"

namespace orvs::cplx {

const KernelTable& kernels() { return dispatch::pick<KernelTable>(avx::table, avx2::table, avx512::table); }

} // namespace orvs::cplx
