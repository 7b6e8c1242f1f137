// wide kernels of the scaled arithmetic family, avx2 variant.
#define ORVS_ARITH_ISA avx2
#include "arith/scaled/scaled_kernels.inc"
#include "arith/scaled/scaled_list_wide.inc"
