// Conversion kernels for AVX2/FMA/F16C (compiled with those extensions;
// entered only after the run-time CPU check).
#define ORVS_CONVERT_ISA avx2
#include "convert/conversion/convert_kernels.inc"
