// Division kernels compiled for the AVX variant.
#include <immintrin.h>

#include <cstdint>
#include <cstring>
#include <limits>
#include <type_traits>

#include "arith/division/division_kernels.h"

namespace orvs::div::avx {
#include "arith/division/division_kernels.inc"
} // namespace orvs::div::avx
