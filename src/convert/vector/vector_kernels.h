// Kernels of the vector initialisation and movement family, compiled once per
// instruction-set target from vector_kernels.cpp. The entries in vector_*.cpp
// check arguments and call through the row chosen once for the process; the
// kernels assume valid pointers and lengths of at least one element.
#pragma once
#include <cstddef>
#include <cstdint>

#include "orvs/types.h"

namespace orvs::vec {

// The integer element types of the test signals.
#define ORVS_VEC_SIGNAL_TYPES(X) X(Orv8u) X(Orv8s) X(Orv16u) X(Orv16s) X(Orv32u) X(Orv32s)

// X(name, parameter list).
#define ORVS_VEC_KERNELS(X)                                                                          \
    /* fills `bytes` bytes at dst with the element pattern `elem` of elemSize bytes (1, 2, 4, 8 or  \
       16; bytes is a multiple of elemSize) */                                                      \
    X(fillPattern, (void* dst, const void* elem, std::size_t elemSize, std::size_t bytes))          \
    /* dst[n] = src[count-1-n] for elements of elemSize bytes (1, 2, 4, 8, 16), no overlap */       \
    X(flip, (const void* src, void* dst, std::size_t count, std::size_t elemSize))                  \
    X(flipInPlace, (void* data, std::size_t count, std::size_t elemSize))                           \
    /* interleaving with conversion: nChannels channels of chanLen samples */                       \
    X(join32f16s, (const Orv32f* const* src, int nChannels, int chanLen, Orv16s* dst))              \
    X(joinScaled32f16s, (const Orv32f* const* src, int nChannels, int chanLen, Orv16s* dst))        \
    X(joinScaled32f24s, (const Orv32f* const* src, int nChannels, int chanLen, Orv8u* dst))         \
    X(splitScaled16s32f, (const Orv16s* src, Orv32f* const* dst, int nChannels, int chanLen))       \
    X(splitScaled24s32f, (const Orv8u* src, Orv32f* const* dst, int nChannels, int chanLen))

template <class T>
struct SignalKernels {
    // dst[i] = sat(roundHalfAway(double(offset + slope * float(first + i)))).
    void (*ramp)(T* dst, int first, int count, float offset, float slope);
    // Accumulated single-precision line plus offset, rounded to nearest even
    // and saturated; `count` elements from index 0.
    void (*slope)(T* dst, int count, float offset, float slope);
};

struct KernelTable {
#define ORVS_VEC_MEMBER(name, params) void(*name) params;
    ORVS_VEC_KERNELS(ORVS_VEC_MEMBER)
#undef ORVS_VEC_MEMBER
#define ORVS_VEC_MEMBER(T) SignalKernels<T> signal_##T;
    ORVS_VEC_SIGNAL_TYPES(ORVS_VEC_MEMBER)
#undef ORVS_VEC_MEMBER
};

namespace avx { extern const KernelTable table; }
namespace avx2 { extern const KernelTable table; }
namespace avx512 { extern const KernelTable table; }

// The row of this process (core/dispatch.h).
const KernelTable& kernels();

// The test-signal kernels of element type T.
template <class T> const SignalKernels<T>& signalKernels();
#define ORVS_VEC_MEMBER(T) \
    template <> inline const SignalKernels<T>& signalKernels<T>() { return kernels().signal_##T; }
ORVS_VEC_SIGNAL_TYPES(ORVS_VEC_MEMBER)
#undef ORVS_VEC_MEMBER

} // namespace orvs::vec
