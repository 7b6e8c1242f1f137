// Complex-family kernels compiled for the AVX baseline.
#include <immintrin.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <type_traits>

#include "convert/complex/complex_kernels.h"
#include "core/saturate.h"

namespace orvs::cplx::avx {
#include "convert/complex/complex_kernels.inc"
} // namespace orvs::cplx::avx
