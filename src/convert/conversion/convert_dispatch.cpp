// The conversion family's kernel table for this process.
#include "convert/conversion/convert_kernels.h"
#include "core/dispatch.h"

namespace orvs::convert {

const KernelTable& kernels() { return dispatch::pick<KernelTable>(avx::table, avx2::table, avx512::table); }

} // namespace orvs::convert
