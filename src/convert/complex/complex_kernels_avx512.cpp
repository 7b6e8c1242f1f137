// Complex-family kernels compiled for the AVX-512 target (F, BW, DQ, VL; 512-bit vectors).
// GCC 12 reports the deliberately undefined pass-through operand of the
// unmasked 512-bit intrinsics as "maybe uninitialized"; nothing reads it.
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#include <immintrin.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <type_traits>

#include "convert/complex/complex_kernels.h"
#include "core/saturate.h"

namespace orvs::cplx::avx512 {
#include "convert/complex/complex_kernels.inc"
} // namespace orvs::cplx::avx512
