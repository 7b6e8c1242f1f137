// Complex power-of-two FFT kernels: the pass plan shared by the table builder
// and the kernels, what a kernel reads from a record, and the kernel table.
#pragma once
#include <cstddef>
#include <cstdint>

#include "orvs/types.h"

namespace orvs::fft {

// ---- pass plan --------------------------------------------------------------

// The transform reads its source in bit-reversed order through a first
// 8-point stage, then runs radix-4/radix-8 passes. Radix-4 passes come first
// so that the long passes at the end are all radix 8.
constexpr int kFirstBits = 3;

struct PassPlan {
    int count = 0;
    int radix[16] = {};
};

constexpr PassPlan makePlan(int order)
{
    PassPlan p;
    int rem = order - kFirstBits;
    int fours = rem % 3 == 1 ? 2 : rem % 3 == 2 ? 1 : 0;
    for (int i = 0; i < fours; ++i) p.radix[p.count++] = 4;
    rem -= 2 * fours;
    while (rem > 0) {
        p.radix[p.count++] = 8;
        rem -= 3;
    }
    return p;
}

// Complex values per working chunk: one 256-bit vector of real parts and
// one of imaginary parts.
template <class Real>
constexpr int chunkSize() { return 32 / int(sizeof(Real)); }

// Lane l of a chunk holds element chunkOrder()[l] of its values: the order
// that the kernels' in-register deinterleave produces (an involution).
inline constexpr int kChunkOrder8[8] = {0, 1, 4, 5, 2, 3, 6, 7};
inline constexpr int kChunkOrder4[4] = {0, 2, 1, 3};
template <class Real>
constexpr const int* chunkOrder() { return sizeof(Real) == 4 ? kChunkOrder8 : kChunkOrder4; }

// ---- kernels --------------------------------------------------------------

// What a kernel needs from a record for one call.
template <class Real>
struct View {
    int order;
    const std::int32_t* bitrev;
    const Real* twiddles;
    Real factor;
    bool scale;
};

// Interleaved: src/dst point to re,im pairs. Split: separate arrays.
// work: at least N complex values when non-null (32-byte aligned).
template <class Real>
struct KernelSet {
    void (*interleaved[2])(const View<Real>&, const Real* src, Real* dst, Real* work);
    void (*split[2])(const View<Real>&, const Real* srcRe, const Real* srcIm, Real* dstRe, Real* dstIm,
                     Real* work);
    // Orders 0..5, straight-line in registers; in place or out of place.
    void (*smallInterleaved[2])(int order, const Real* src, Real* dst, Real factor, bool scale);
    void (*smallSplit[2])(int order, const Real* srcRe, const Real* srcIm, Real* dstRe, Real* dstIm, Real factor,
                          bool scale);
};

// The family's kernel table: one row per instruction-set target, each
// compiled from fft_kernels.cpp.
struct KernelTable {
    KernelSet<float> f32;
    KernelSet<double> f64;
};
namespace avx { extern const KernelTable table; }
namespace avx2 { extern const KernelTable table; }
namespace avx512 { extern const KernelTable table; }

// The kernels of this process's variant.
template <class Real>
const KernelSet<Real>& kernels();

// The fixed 257-entry table of sin(2*pi*k/1024).
template <class Real>
const Real* fixedSineTable();

} // namespace orvs::fft
