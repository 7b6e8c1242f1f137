// Complex power-of-two FFT: record layouts, identifiers, sizes, the pass plan
// shared by the table builder and the kernels, and the kernel dispatch table.
#pragma once
#include <cstddef>
#include <cstdint>

#include "orvs/fft.h"
#include "orvs/types.h"

namespace orvs::fft {

// Record identifiers (first 32-bit word of every record).
enum : std::uint32_t {
    kIdC16sc = 1,
    kIdC16s = 2,
    kIdR16s = 3,
    kIdC32fc = 4,
    kIdC32f = 5,
    kIdR32f = 6,
    kIdC64fc = 7,
    kIdC64f = 8,
    kIdR64f = 9,
    kIdC32sc = 0x5A58514C,
    kIdC32s = 0x5A58514D,
    kIdR32s = 0x5A58514E,
    kIdR16s32s = 0x5A58514F,
};

constexpr int kRecordBytes = 136;   // floating-point record, both precisions
constexpr int kIntRecordBytes = 72; // 16-bit integer record
constexpr int kWrapBytes = 32;      // 32-bit integer wrapper record

constexpr std::int64_t align32(std::int64_t x) { return (x + 31) & ~std::int64_t(31); }

template <class P>
inline P* alignPtr32(P* p)
{
    auto v = (reinterpret_cast<std::uintptr_t>(p) + 31) & ~std::uintptr_t(31);
    return reinterpret_cast<P*>(v);
}

// Floating-point record. Field order is part of the layout: identifier,
// order, switches, factor, hint, work size, owned switch, table pointers.
// The alignment shift of the record inside its block is kept in the padding
// so that Free can hand the block start back to the allocator.
template <class Real>
struct FloatRecord {
    std::uint32_t id;
    std::int32_t order;
    std::int32_t fwdNorm;
    std::int32_t invNorm;
    Real factor;
    std::int32_t hint;
    std::int32_t workSize;
    std::int32_t owned;
    std::int32_t blockShift;
    const std::int32_t* bitrev;
    const Real* twiddles;
    const void* largeA;
    const void* largeB;
    const void* recombFwd;
    const void* recombInv;
    const void* level[3];
};
static_assert(sizeof(FloatRecord<float>) <= kRecordBytes);
static_assert(sizeof(FloatRecord<double>) <= kRecordBytes);

// 16-bit integer record; the floating path keeps an embedded C_32fc record.
struct IntRecord {
    std::uint32_t id;
    std::int32_t order;
    std::int32_t fwdShift;
    std::int32_t invShift;
    std::int32_t oddHalf;
    std::int32_t hint;
    std::int32_t workSize;
    std::int32_t floatPath;
    std::int32_t owned;
    std::int32_t blockShift;
    const std::int32_t* bitrev;
    const std::int16_t* twiddles;  // Q14 cos, sin pairs
    FloatRecord<float>* inner;
};
static_assert(sizeof(IntRecord) <= kIntRecordBytes);

// 32-bit integer wrapper around an embedded double-precision record placed
// 32 bytes after it. The alignment shift lives in the padding word.
struct WrapRecord {
    std::uint32_t id;
    std::int32_t order;
    std::int32_t hint;
    std::int32_t workSize;
    std::int32_t owned;
    std::int32_t blockShift;
    FloatRecord<double>* inner;
};
static_assert(sizeof(WrapRecord) == kWrapBytes);

// ---- sizes ----------------------------------------------------------------

struct Sizes {
    std::int64_t spec = 0, init = 0, work = 0;
};

template <class Real>
constexpr int maxOrder() { return sizeof(Real) == 4 ? 27 : 26; }

// First order that runs the blocked large transform.
template <class Real>
constexpr int largeOrder() { return sizeof(Real) == 4 ? 18 : 17; }

Sizes floatSizes(int order, bool dbl);
Sizes int16Sizes(int order, int flag, int hint);
Sizes int32Sizes(int order, int flag);

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
