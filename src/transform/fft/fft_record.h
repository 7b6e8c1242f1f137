// Complex FFT records: identifiers, layouts, sizes and the lifecycle of
// every exported record type, built on core/record.h.
#pragma once
#include <cstdint>

#include "core/record.h"
#include "orvs/fft.h"
#include "transform/fft/fft_kernels.h"

namespace orvs::fft {

// Record identifiers (first 32-bit word of every record): small integers
// for the records of the first generation, four-character codes ('Z','X',
// 'Q','L'...) for the 32-bit integer wrappers.
enum : std::uint32_t {
    kIdC16sc = 1,
    kIdC16s = 2,
    kIdC32fc = 4,
    kIdC32f = 5,
    kIdC64fc = 7,
    kIdC64f = 8,
    kIdC32sc = record::fourcc('Z', 'X', 'Q', 'L'),
    kIdC32s = record::fourcc('Z', 'X', 'Q', 'M'),
};
static_assert(kIdC32sc == 0x5A58514C && kIdC32s == 0x5A58514D);

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
    std::int32_t chunk;  // complex values per chunk the twiddle table is laid out for
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
    std::int32_t reserved;
    const std::int32_t* bitrev;
    const std::int16_t* twiddles;  // Q14 cos, sin pairs
    FloatRecord<float>* inner;
};
static_assert(sizeof(IntRecord) <= kIntRecordBytes);

// 32-bit integer wrapper around an embedded double-precision record placed
// 32 bytes after it.
struct WrapRecord {
    std::uint32_t id;
    std::int32_t order;
    std::int32_t hint;
    std::int32_t workSize;
    std::int32_t owned;
    std::int32_t reserved;
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

// ---- the exported record types ------------------------------------------------

// What each exported record type is inside: its layout and identifier.
template <class Spec> struct RecordOf;
template <> struct RecordOf<OrvsFFTSpec_C_32fc> { using Rec = FloatRecord<float>; static constexpr std::uint32_t id = kIdC32fc; };
template <> struct RecordOf<OrvsFFTSpec_C_32f> { using Rec = FloatRecord<float>; static constexpr std::uint32_t id = kIdC32f; };
template <> struct RecordOf<OrvsFFTSpec_C_64fc> { using Rec = FloatRecord<double>; static constexpr std::uint32_t id = kIdC64fc; };
template <> struct RecordOf<OrvsFFTSpec_C_64f> { using Rec = FloatRecord<double>; static constexpr std::uint32_t id = kIdC64f; };
template <> struct RecordOf<OrvsFFTSpec_C_16sc> { using Rec = IntRecord; static constexpr std::uint32_t id = kIdC16sc; };
template <> struct RecordOf<OrvsFFTSpec_C_16s> { using Rec = IntRecord; static constexpr std::uint32_t id = kIdC16s; };
template <> struct RecordOf<OrvsFFTSpec_C_32sc> { using Rec = WrapRecord; static constexpr std::uint32_t id = kIdC32sc; };
template <> struct RecordOf<OrvsFFTSpec_C_32s> { using Rec = WrapRecord; static constexpr std::uint32_t id = kIdC32s; };

// ---- lifecycle (GetSize, Init, InitAlloc, Free, GetBufSize) ---------------------

template <class Spec>
OrvStatus getSize(int order, int flag, int hint, int* pSpecSize, int* pSpecBufferSize, int* pBufferSize);
template <class Spec>
OrvStatus init(Spec** ppSpec, int order, int flag, int hint, Orv8u* pMemSpec, Orv8u* pMemInit);
template <class Spec>
OrvStatus initAlloc(Spec** ppSpec, int order, int flag, int hint);
template <class Spec>
OrvStatus release(Spec* pSpec);
template <class Spec>
OrvStatus bufSize(const Spec* pSpec, int* pBufferSize);

// Rebuilds the twiddle table of a built record (order > 5) for kernels with
// chunks of `chunk` values (either kernel set of the table runs it then);
// scratch holds the quarter-wave table for order > 10 (the record's init
// size). For tests of the kernel sets the running variant does not pick.
template <class Real>
void layoutTwiddles(FloatRecord<Real>* rec, int chunk, Orv8u* scratch);

} // namespace orvs::fft
