// float kernels of the scaled arithmetic family, avx512 variant.
#define ORVS_ARITH_ISA avx512
// GCC 12 reports the placeholder operand of some AVX-512 intrinsics as
// possibly uninitialised (a false positive of its headers).
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#pragma GCC diagnostic ignored "-Wuninitialized"
#define ORVS_ARITH_FLOAT_TO_16S
#include "arith/scaled/scaled_kernels.inc"
#include "arith/scaled/scaled_list_float.inc"
