// float kernels of the scaled arithmetic family, avx2 variant.
#define ORVS_ARITH_ISA avx2
#define ORVS_ARITH_FLOAT_TO_16S
#include "arith/scaled/scaled_kernels.inc"
#include "arith/scaled/scaled_list_float.inc"
