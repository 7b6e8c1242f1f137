// Conversion kernels for the AVX baseline.
#define ORVS_CONVERT_ISA avx
#include "convert/conversion/convert_kernels.inc"
