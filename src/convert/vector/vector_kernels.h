// Kernels of the vector initialisation and movement family. The entries in
// vector_*.cpp check arguments and forward here; the kernels assume valid
// pointers and lengths of at least one element.
#pragma once
#include <cstddef>
#include <cstdint>

#include "orvs/types.h"

namespace orvs::vec {

// Fills `bytes` bytes at dst with the element pattern `elem` of elemSize
// bytes (1, 2, 4, 8 or 16; bytes is a multiple of elemSize).
void fillPattern(void* dst, const void* elem, std::size_t elemSize, std::size_t bytes);

// dst[n] = src[count-1-n] for elements of elemSize bytes (1, 2, 4, 8, 16);
// the vectors must not overlap. flipInPlace reverses count elements in place.
// One variant per instruction set; the entries pick one at first use.
namespace avx {
void flip(const void* src, void* dst, std::size_t count, std::size_t elemSize);
void flipInPlace(void* data, std::size_t count, std::size_t elemSize);
} // namespace avx
namespace avx2 {
void flip(const void* src, void* dst, std::size_t count, std::size_t elemSize);
void flipInPlace(void* data, std::size_t count, std::size_t elemSize);
} // namespace avx2

// Integer ramp: dst[i] = sat(roundHalfAway(double(offset + slope * float(first + i)))).
template <class T>
void rampInt(T* dst, int first, int count, float offset, float slope);

// Head of the integer slope: accumulated single-precision line plus offset,
// rounded to nearest even and saturated; `count` elements from index 0.
template <class T>
void slopeAccumulate(T* dst, int count, float offset, float slope);

// Interleaving with conversion. The joins read nChannels channels of chanLen
// samples; the splits write them.
void join32f16s(const Orv32f* const* src, int nChannels, int chanLen, Orv16s* dst);
void joinScaled32f16s(const Orv32f* const* src, int nChannels, int chanLen, Orv16s* dst);
void joinScaled32f24s(const Orv32f* const* src, int nChannels, int chanLen, Orv8u* dst);
void splitScaled16s32f(const Orv16s* src, Orv32f* const* dst, int nChannels, int chanLen);
void splitScaled24s32f(const Orv8u* src, Orv32f* const* dst, int nChannels, int chanLen);

} // namespace orvs::vec
