// The one instruction-set dispatch of the library.
//
// The processor is examined once, at load, and one variant is chosen for the
// whole process: the AVX baseline, AVX2/FMA (with F16C and BMI2) or AVX-512
// (F/BW/DQ/VL with the OS saving the ZMM state). ORVS_CPU=avx or ORVS_CPU=avx2
// in the environment caps the choice; the tests use it to run every variant
// the machine has.
//
// A family declares one table type (a struct of kernel function pointers,
// usually produced from one X-macro list), compiles its kernel source once
// per target with orvs_add_kernels() in CMake (each compilation defines
// `table` in namespace <family>::ORVS_TARGET), and reaches its kernels
// through
//
//     const KernelTable& kernels()
//     { return dispatch::pick<KernelTable>(avx::table, avx2::table, avx512::table); }
//
// A family that deliberately reuses a lower variant for a row passes that
// variant's table there and says why in that one place. Hot loops never test
// features.
#pragma once

namespace orvs::dispatch {

enum class Isa : int { avx = 0, avx2 = 1, avx512 = 2 };

// The variant of this process: detected once, capped by ORVS_CPU.
Isa isa();

// Name of a variant, for benchmarks and diagnostics ("avx", "avx2", "avx512").
const char* isaName(Isa v);

// The row of the current variant. The choice is made on the first call of
// each instantiation and kept; later calls read one static pointer.
template <class Table>
const Table& pick(const Table& avx, const Table& avx2, const Table& avx512)
{
    static const Table* const chosen = isa() == Isa::avx512 ? &avx512 : isa() == Isa::avx2 ? &avx2 : &avx;
    return *chosen;
}

} // namespace orvs::dispatch
