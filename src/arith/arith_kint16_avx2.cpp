// int16 kernels of the scaled arithmetic family, avx2 variant.
#define ORVS_ARITH_ISA avx2
#include "arith/arith_kernels.inc"
#include "arith/arith_list_int16.inc"
