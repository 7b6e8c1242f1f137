// Kernels of the window functions: samples k .. k+m-1 and their mirror
// images len-1-k .. len-k-m times the weights w[0 .. m-1], in each rounding
// the family uses, for real (1 part) and complex (2 parts) samples; compiled
// once per instruction-set target. Every kernel accepts pDst == pSrc.
#pragma once
#include "gen/tone/tone_kernels.h"
#include "orvs/types.h"

namespace orvs::win {

// Weights from cosines c: a - b c in double precision (Hann, Hamming), or
// the Blackman form 0.5 + alpha - h - 4 alpha h^2 with h = c / 2, evaluated
// in the precision of the weights.
struct CosShape {
    bool blackman;
    double a, b, alpha;
};

// X(name, parameter list); s and d point at the parts of element 0.
#define ORVS_WIN_KERNELS(X)                                                                          \
    /* w[j] for the cosines of a0 + j step, j < count */                                            \
    X(cosWeights_32f, (float* w, int count, double a0, const tone::Steps& st, const CosShape& shape)) \
    X(cosWeights_64f, (double* w, int count, double a0, const tone::Steps& st, const CosShape& shape)) \
    X(ends_64f, (const double* s, double* d, int len, int k, const double* w, int m))               \
    X(ends_64fc, (const double* s, double* d, int len, int k, const double* w, int m))              \
    X(ends_32f, (const float* s, float* d, int len, int k, const float* w, int m))                  \
    X(ends_32fc, (const float* s, float* d, int len, int k, const float* w, int m))                 \
    /* the product in double precision, rounded once to single */                                   \
    X(ends_32f64f, (const float* s, float* d, int len, int k, const double* w, int m))              \
    X(ends_32fc64f, (const float* s, float* d, int len, int k, const double* w, int m))             \
    /* single-precision product, rounded to nearest even, saturated */                              \
    X(ends_16s32f, (const Orv16s* s, Orv16s* d, int len, int k, const float* w, int m))             \
    X(ends_16sc32f, (const Orv16s* s, Orv16s* d, int len, int k, const float* w, int m))            \
    /* double-precision product, rounded half away from zero, saturated */                          \
    X(ends_16s64f, (const Orv16s* s, Orv16s* d, int len, int k, const double* w, int m))            \
    X(ends_16sc64f, (const Orv16s* s, Orv16s* d, int len, int k, const double* w, int m))           \
    /* single-precision product times factor in double, half away from zero, saturated */           \
    X(ends_16s32f_Sfs, (const Orv16s* s, Orv16s* d, int len, int k, const float* w, int m, double factor))

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
