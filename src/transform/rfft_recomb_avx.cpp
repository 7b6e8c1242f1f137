// Recombination kernels for the AVX baseline (separate multiply and add).
#include <immintrin.h>

#include "transform/rfft_plan.h"

namespace orvs::rfft::avx {
#define ORVS_RFFT_FMA 0
#include "transform/rfft_recomb_kernels.inc"
#undef ORVS_RFFT_FMA
}  // namespace orvs::rfft::avx
