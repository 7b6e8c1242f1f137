// Kernels of the window functions: the product of samples and weights in
// each rounding the family uses, compiled once per instruction-set target.
// Every kernel accepts pDst == pSrc.
#pragma once
#include "orvs/types.h"

namespace orvs::win {

#define ORVS_WIN_KERNELS(X)                                                                   \
    X(mul_64f, (const double* s, const double* w, double* d, int n))                         \
    X(mul_32f, (const float* s, const float* w, float* d, int n))                            \
    /* the product in double precision, rounded once to single */                            \
    X(mul_32f64f, (const float* s, const double* w, float* d, int n))                        \
    /* single-precision product, rounded to nearest even, saturated */                       \
    X(mul_16s32f, (const Orv16s* s, const float* w, Orv16s* d, int n))                       \
    /* double-precision product, rounded half away from zero, saturated */                   \
    X(mul_16s64f, (const Orv16s* s, const double* w, Orv16s* d, int n))                      \
    /* single-precision product times factor in double, half away from zero, saturated */    \
    X(mul_16s32f_Sfs, (const Orv16s* s, const float* w, Orv16s* d, int n, double factor))

#define ORVS_WIN_MEMBER(name, params) void(*name) params;
struct KernelTable {
    ORVS_WIN_KERNELS(ORVS_WIN_MEMBER)
};
#undef ORVS_WIN_MEMBER

namespace avx { extern const KernelTable table; }
namespace avx2 { extern const KernelTable table; }
namespace avx512 { extern const KernelTable table; }

const KernelTable& kernels();

} // namespace orvs::win
