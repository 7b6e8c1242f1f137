// Reversal kernels for the AVX baseline.
#include <immintrin.h>

#include <cstring>

#include "convert/vector/vector_kernels.h"

namespace orvs::vec::avx {
#include "convert/vector/vector_flip_kernels.inc"
} // namespace orvs::vec::avx
