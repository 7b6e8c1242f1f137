// Chooses the kernel table of the complex family once, from the CPU features.
#include "convert/complex/complex_kernels.h"
#include "core/cpu.h"

namespace orvs::cplx {

const KernelTable& kernels()
{
    static const KernelTable* chosen = cpu::hasAvx512() ? &avx512::table
                                      : cpu::hasAvx2() ? &avx2::table
                                                       : &avx::table;
    return *chosen;
}

} // namespace orvs::cplx
