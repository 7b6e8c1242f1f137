// Recombination kernels for AVX2 + FMA processors (fused multiply-adds).
#include <immintrin.h>

#include "transform/rfft/rfft_engine.h"

namespace orvs::rfft::avx2 {
#define ORVS_RFFT_FMA 1
#include "transform/rfft/rfft_kernels.inc"
#undef ORVS_RFFT_FMA
}  // namespace orvs::rfft::avx2
