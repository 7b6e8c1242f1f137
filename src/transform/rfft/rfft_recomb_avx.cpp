// Recombination kernels for the AVX baseline (separate multiply and add).
#include <immintrin.h>

#include "transform/rfft/rfft_engine.h"

namespace orvs::rfft::avx {
#define ORVS_RFFT_FMA 0
#include "transform/rfft/rfft_kernels.inc"
#undef ORVS_RFFT_FMA
}  // namespace orvs::rfft::avx
