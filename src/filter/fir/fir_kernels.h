// Kernels of the FIR family. One source (fir_kernels.cpp) is compiled for
// AVX, for AVX2/FMA and for AVX-512; the engine calls through the row chosen
// once for the process.
#pragma once
#include "orvs/types.h"

namespace orvs::fir {

// X(name, parameter list).
//
// block_*: out[i] = sum over k = 0 .. L-1 of h[L-1-k] * in[i+k], i = 0 .. n-1,
// where h is the broadcast tap area (tap j repeated 8 times from element 8j).
// Every output runs the same chain of operations wherever it sits in the
// block, so any split of a range gives the same bits.
//
// cmulBy_*: w[i] = a[i] * w[i] (the complex spectrum product of the FFT path).
//
// dot_*: *r = sum over i of a[i] * b[i], in vector partial sums (one sample).
#define ORVS_FIR_KERNELS(X)                                                                   \
    X(block_32f, (const Orv32f* taps8, int L, const Orv32f* in, Orv32f* out, int n))        \
    X(block_64f, (const Orv64f* taps8, int L, const Orv64f* in, Orv64f* out, int n))        \
    X(block_32fc, (const Orv32fc* taps8, int L, const Orv32fc* in, Orv32fc* out, int n))    \
    X(block_64fc, (const Orv64fc* taps8, int L, const Orv64fc* in, Orv64fc* out, int n))    \
    X(cmulBy_32fc, (const Orv32fc* a, Orv32fc* w, int n))                                   \
    X(cmulBy_64fc, (const Orv64fc* a, Orv64fc* w, int n))                                   \
    X(dot_32f, (const Orv32f* a, const Orv32f* b, int n, Orv32f* r))                        \
    X(dot_64f, (const Orv64f* a, const Orv64f* b, int n, Orv64f* r))                        \
    X(dot_32fc, (const Orv32fc* a, const Orv32fc* b, int n, Orv32fc* r))                    \
    X(dot_64fc, (const Orv64fc* a, const Orv64fc* b, int n, Orv64fc* r))

#define ORVS_FIR_MEMBER(name, params) void(*name) params;
struct KernelTable {
    ORVS_FIR_KERNELS(ORVS_FIR_MEMBER)
};
#undef ORVS_FIR_MEMBER

namespace avx { extern const KernelTable table; }
namespace avx2 { extern const KernelTable table; }
namespace avx512 { extern const KernelTable table; }

// The row of this process (core/dispatch.h).
const KernelTable& kernels();

} // namespace orvs::fir
