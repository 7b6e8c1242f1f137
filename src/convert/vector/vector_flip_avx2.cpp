// Reversal kernels for the AVX2 processors.
#include <immintrin.h>

#include <cstring>

#include "convert/vector/vector_kernels.h"

namespace orvs::vec::avx2 {
#include "convert/vector/vector_flip_kernels.inc"
} // namespace orvs::vec::avx2
