// The FIR state record: its fields, the element and family traits, the
// layout of the areas behind the record and their sizes.
#pragma once
#include <algorithm>
#include <climits>
#include <cstdint>
#include <type_traits>

#include "core/record.h"
#include "orvs/types.h"

namespace orvs::fir {

// Field order is part of the record layout; the last three fields come after
// the common ones so that records of other rates can share the front.
struct State {
    std::uint32_t id;
    void* revTaps;        // kRows rows of rowLen taps, row j shifted by j
    void* dly;            // history (oldest first, from dlyIndex) and room for a block
    std::int32_t tapsLen;
    std::int32_t capacity;  // new samples the delay buffer takes after the history
    std::int32_t upFactor, downFactor;
    void* fftSpec;
    void* tapsSpectrum;
    std::int32_t fftLen;  // 0: no FFT path; -1: its set-up failed
    std::int32_t dlyIndex;
    void* bcastTaps;      // natural order, each tap 8 times
    std::int32_t mrKernel;
    std::int32_t dlyLen;
    void* blockBufs;      // per thread, blockStride bytes apart
    void* workBufs;       // per thread, workBytes apart; null when the FFT needs none
    std::int32_t workBytes;
    void* chunk;
    std::int32_t* statuses;
    std::int32_t owned;
    std::int32_t upPhase, downPhase;
    std::int32_t threads;  // the per-thread areas exist for this many
    std::int32_t fftOrder;
    std::int32_t blockStride;
};

constexpr int kRows = 8;     // shifted rows of reversed taps
constexpr int kCopies = 8;   // copies of each tap in the broadcast area
constexpr int kChunk = 4096; // in-place chunk

// ---- elements ---------------------------------------------------------------

template <class T> struct Elem {
    using Real = T;
    static constexpr bool complex = false;
};
template <> struct Elem<Orv32fc> { using Real = Orv32f; static constexpr bool complex = true; };
template <> struct Elem<Orv64fc> { using Real = Orv64f; static constexpr bool complex = true; };
template <> struct Elem<Orv16sc> { using Real = Orv16s; static constexpr bool complex = true; };
template <> struct Elem<Orv32sc> { using Real = Orv32s; static constexpr bool complex = true; };

// ---- families ---------------------------------------------------------------

// A family: the tap type, the data type, the single-rate identifier, the
// chunk length of the mixed forms and the call length above which the
// straight part of the direct path is split across threads.
template <class TapT, class DataT, std::uint32_t Id, int Chunk, int SplitAbove>
struct Family {
    using Tap = TapT;
    using Data = DataT;
    using Real = typename Elem<Tap>::Real;
    static constexpr std::uint32_t id = Id;
    static constexpr bool complex = Elem<Tap>::complex;
    static constexpr bool mixed = !std::is_same_v<Tap, Data>;
    static constexpr bool intOut = std::is_integral_v<typename Elem<Data>::Real>;
    static constexpr int chunk = mixed ? Chunk : kChunk;
    static constexpr int splitAbove = SplitAbove;
    // The FFT path: from this tap count on, for calls of at least callMin
    // samples, split across threads above parallelAbove.
    static constexpr int fftMinTaps = !complex ? 64 : std::is_same_v<Tap, Orv32fc> ? 16 : 32;
    static constexpr int callMin = complex ? 256 : 512;
    static constexpr int parallelAbove = complex ? 800 : 1600;
    // Outputs made from the delay buffer before the straight part.
    static int headOutputs(int L) { return std::is_same_v<Tap, Orv32f> ? (L + 7) / 8 * 8 : (L + 3) / 4 * 4; }
};

constexpr int kNoSplit = INT_MAX;
using F32 = Family<Orv32f, Orv32f, 0x46493031, kChunk, kNoSplit>;
using F32c = Family<Orv32fc, Orv32fc, 0x46493032, kChunk, 800>;
using F32_16s = Family<Orv32f, Orv16s, 0x46493035, 2048, 1600>;
using F32c_16sc = Family<Orv32fc, Orv16sc, 0x46493036, 4096, 800>;
using F64 = Family<Orv64f, Orv64f, 0x46493133, kChunk, 1600>;
using F64c = Family<Orv64fc, Orv64fc, 0x46493134, kChunk, 800>;
using F64_32f = Family<Orv64f, Orv32f, 0x46493137, 2048, 1600>;
using F64c_32fc = Family<Orv64fc, Orv32fc, 0x46493138, 2048, 800>;
using F64_32s = Family<Orv64f, Orv32s, 0x46493231, 2048, 1600>;
using F64c_32sc = Family<Orv64fc, Orv32sc, 0x46493232, 2048, 800>;
using F64_16s = Family<Orv64f, Orv16s, 0x46493235, 2048, 1600>;
using F64c_16sc = Family<Orv64fc, Orv16sc, 0x46493236, 2048, 800>;

// ---- layout -------------------------------------------------------------------

constexpr std::int64_t up16(std::int64_t x) { return (x + 15) & ~std::int64_t(15); }
constexpr std::int64_t up32(std::int64_t x) { return (x + 31) & ~std::int64_t(31); }
constexpr std::int64_t up64(std::int64_t x) { return (x + 63) & ~std::int64_t(63); }

// Row length of the reversed taps: room for the taps shifted by up to 7.
constexpr std::int64_t rowLen(int L) { return (std::int64_t(L) + 14) / 8 * 8; }

// FFT order of the FFT path: fftLen is twice the smallest power of two above
// tapsLen (at least 8).
inline int fftOrderFor(int L)
{
    int k = 2;
    while ((std::int64_t(1) << k) <= L) ++k;
    return k + 1;
}

// Byte sizes of every area, in carving order after the record.
struct Plan {
    int fftLen = 0, order = 0, threads = 1;
    std::int64_t rev = 0, dly = 0, bcast = 0, statuses = 0, spec = 0, init = 0, spectrum = 0, work = 0,
                 block = 0, chunk = 0;
    std::int64_t total() const
    {
        return 16 + up64(sizeof(State)) + rev + dly + bcast + statuses + spec + init + spectrum +
               threads * (work + block) + chunk + 64;
    }
};

template <class F>
Plan planFor(int L, int threads, bool withFft, std::int64_t specBytes, std::int64_t initBytes, std::int64_t workBytes,
             int order)
{
    constexpr std::int64_t e = sizeof(typename F::Tap);
    Plan p;
    p.threads = threads;
    p.rev = up64(kRows * rowLen(L) * e);
    p.dly = up64((8 * e * L + 63) & ~std::int64_t(31));
    p.bcast = up64(kCopies * up16(e * L));
    p.statuses = up64(4 * std::int64_t(threads));
    p.chunk = up64(e * F::chunk * (F::mixed ? 2 : 1));
    if (withFft) {
        p.order = order;
        p.fftLen = 1 << order;
        p.spec = up64(specBytes) + 64;  // the FFT record aligns itself inside
        p.init = up64(initBytes);
        p.spectrum = up64(e * p.fftLen);
        p.work = up64(workBytes);
        p.block = up64(e * p.fftLen);
    }
    return p;
}

} // namespace orvs::fir
