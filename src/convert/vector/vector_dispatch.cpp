// The vector family's kernel table for this process.
#include "convert/vector/vector_kernels.h"
#include "core/dispatch.h"

namespace orvs::vec {

const KernelTable& kernels() { return dispatch::pick<KernelTable>(avx::table, avx2::table, avx512::table); }

} // namespace orvs::vec
