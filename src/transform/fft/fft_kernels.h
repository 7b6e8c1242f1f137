// Complex power-of-two FFT kernels: the pass plan shared by the table builder
// and the kernels, what a kernel reads from a record, and the kernel table.
#pragma once
#include <cstddef>
#include <cstdint>

#include "orvs/types.h"

namespace orvs::fft {

// ---- pass plan --------------------------------------------------------------

// The transform reads its source in bit-reversed order through a first
// stage of 2^firstBits points (8, or 16 for 16-value chunks), then runs
// radix-4/radix-8 passes. Radix-4 passes come first so that the long passes
// at the end are all radix 8.
constexpr int kFirstBits = 3;

// Bits of the first stage for chunks of C complex values: each residue's
// outputs fill whole chunks.
constexpr int firstBitsFor(int chunk) { return chunk > 8 ? 4 : kFirstBits; }

struct PassPlan {
    int count = 0;
    int radix[16] = {};
};

constexpr PassPlan makePlan(int order, int firstBits = kFirstBits)
{
    PassPlan p;
    int rem = order - firstBits;
    int fours = rem % 3 == 1 ? 2 : rem % 3 == 2 ? 1 : 0;
    for (int i = 0; i < fours; ++i) p.radix[p.count++] = 4;
    rem -= 2 * fours;
    while (rem > 0) {
        p.radix[p.count++] = 8;
        rem -= 3;
    }
    return p;
}

// Complex values per working chunk of the 256-bit kernels: one vector of
// real parts and one of imaginary parts. The 512-bit-shaped kernels use
// chunks of twice that.
template <class Real>
constexpr int chunkSize() { return 32 / int(sizeof(Real)); }
template <class Real>
constexpr int wideChunkSize() { return 64 / int(sizeof(Real)); }

// Lane l of a chunk holds element chunkOrder()[l] of its values: the order
// that the kernels' in-register deinterleave (per 128-bit lane) produces.
inline constexpr int kChunkOrder8[8] = {0, 1, 4, 5, 2, 3, 6, 7};
inline constexpr int kChunkOrder4[4] = {0, 2, 1, 3};
inline constexpr int kChunkOrder16[16] = {0, 1, 8, 9, 2, 3, 10, 11, 4, 5, 12, 13, 6, 7, 14, 15};
inline constexpr int kChunkOrder8d[8] = {0, 4, 1, 5, 2, 6, 3, 7};
template <class Real>
constexpr const int* chunkOrder() { return sizeof(Real) == 4 ? kChunkOrder8 : kChunkOrder4; }
// The lane order of chunks of C values (C = chunkSize or wideChunkSize).
template <class Real>
constexpr const int* chunkOrder(int chunk)
{
    if (chunk == chunkSize<Real>()) return chunkOrder<Real>();
    return sizeof(Real) == 4 ? kChunkOrder16 : kChunkOrder8d;
}

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
    // Complex values per chunk of interleaved/split kernels: the layout of
    // the twiddle table they read (see chunkOrder, firstBitsFor), and the
    // lowest order they take (smaller orders need narrower chunks).
    int chunk;
    int minOrder;
};

// The family's kernel table: one row per instruction-set target, each
// compiled from fft_kernels.cpp.
// f32/f64 work on 256-bit vectors; f32w/f64w are the same source over the
// 512-bit-shaped vectors (native on the AVX-512 target, pairs of 256-bit
// vectors elsewhere, where they serve the tests).
struct KernelTable {
    KernelSet<float> f32;
    KernelSet<double> f64;
    KernelSet<float> f32w;
    KernelSet<double> f64w;
};
namespace avx { extern const KernelTable table; }
namespace avx2 { extern const KernelTable table; }
namespace avx512 { extern const KernelTable table; }

// The kernels of this process's variant: the 256-bit set, and the set a new
// record of the given order is laid out for (which may be the 512-bit one).
template <class Real>
const KernelSet<Real>& kernels();
template <class Real>
const KernelSet<Real>& kernelsForOrder(int order);
// The set that runs a record whose tables were laid out for `chunk`.
template <class Real>
const KernelSet<Real>& kernelsForChunk(int chunk);

// The fixed 257-entry table of sin(2*pi*k/1024).
template <class Real>
const Real* fixedSineTable();

} // namespace orvs::fft
