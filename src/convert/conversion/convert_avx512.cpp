// Conversion kernels for AVX-512 F/BW/DQ/VL with 512-bit registers (compiled
// with those extensions; entered only after the run-time CPU check).
// GCC 12 reports the deliberately undefined pass-through operand of the
// unmasked 512-bit intrinsics as "maybe uninitialized"; nothing reads it.
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#define ORVS_CONVERT_ISA avx512
#include "convert/conversion/convert_kernels.inc"
