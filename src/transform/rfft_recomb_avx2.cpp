// Recombination kernels for AVX2 + FMA processors (fused multiply-adds).
#include <immintrin.h>

#include "transform/rfft_plan.h"

namespace orvs::rfft::avx2 {
#define ORVS_RFFT_FMA 1
#include "transform/rfft_recomb_kernels.inc"
#undef ORVS_RFFT_FMA
}  // namespace orvs::rfft::avx2
