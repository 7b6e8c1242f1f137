// Division kernels compiled for the AVX-512 variant.
// GCC 12 reports the placeholder operand of some AVX-512 intrinsics as
// possibly uninitialised (a false positive of its headers).
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#pragma GCC diagnostic ignored "-Wuninitialized"
#include <immintrin.h>

#include <cstdint>
#include <cstring>
#include <limits>
#include <type_traits>

#include "arith/division/division_kernels.h"

namespace orvs::div::avx512 {
#include "arith/division/division_kernels.inc"
} // namespace orvs::div::avx512
