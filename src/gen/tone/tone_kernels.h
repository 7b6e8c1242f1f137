// Kernels of the generators (and of the cosine series the windows share),
// compiled once per instruction-set target; the engines reach them through
// the row chosen once for the process.
#pragma once
#include "orvs/types.h"

namespace orvs::tone {

// A phasor advanced by rotation. On entry c[0], s[0] hold cos/sin of the
// first angle; element j gets the angle of element j - d plus d steps, with
// d = 1 up to 8, d = 8 up to 32 and d = 32 from there on: 32 independent
// lanes keep the multipliers busy, and a block of 1024 values sees at most
// 41 rotations between exact restarts.
constexpr int kLanes = 32;

// Blocks of the fast method run side by side, their chains interleaved.
constexpr int kFastBlocks = 4;

// cos/sin of one, eight and thirty-two steps.
struct Steps {
    double c1, s1, c8, s8, c32, s32;
};

#define ORVS_TONE_KERNELS(X)                                                               \
    X(rotate, (double* c, double* s, int count, const Steps& st))                    \
    /* d = float(magn * c) */                                                             \
    X(scale_32f, (const double* c, float* d, int n, double magn))                         \
    /* re = magn * c, im = magn * s, interleaved */                                       \
    X(scaleCplx_64f, (const double* c, const double* s, double* d, int n, double magn))   \
    X(scaleCplx_32f, (const double* c, const double* s, float* d, int n, double magn))    \
    /* 16-bit parts: magn * c rounded half away from zero, saturated; stride 1 or 2 */    \
    X(scaleRound_16s, (const double* c, Orv16s* d, int n, int stride, double magn))       \
    /* the fast method: nb <= kFastBlocks blocks of n values, block b at x + b * blockStride, \
       each from its two start values x0[b], x1[b] */                                      \
    X(fastBlocks_32f, (float* x, int stride, int blockStride, int nb, int n, const float* x0, const float* x1, float c1)) \
    X(fastBlocks_64f, (double* x, int stride, int blockStride, int nb, int n, const double* x0, const double* x1, double c1))

#define ORVS_TONE_MEMBER(name, params) void(*name) params;
struct KernelTable {
    ORVS_TONE_KERNELS(ORVS_TONE_MEMBER)
};
#undef ORVS_TONE_MEMBER

namespace avx { extern const KernelTable table; }
namespace avx2 { extern const KernelTable table; }
namespace avx512 { extern const KernelTable table; }

const KernelTable& kernels();

} // namespace orvs::tone
