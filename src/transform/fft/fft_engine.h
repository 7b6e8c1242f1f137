// Complex FFT transforms: argument checks in order (record null, record
// identifier, data pointers), work-buffer handling and dispatch to the
// kernels of the record's type.
#pragma once
#include <cstdint>

#include "transform/fft/fft_record.h"

namespace orvs::fft {

// Floating-point records, interleaved data (Float32/Float64).
OrvStatus transformInterleaved(Kind kind, std::uint32_t id, bool inverse, const void* src, void* dst,
                               const void* spec, Orv8u* buffer);
// Floating-point records, split data.
OrvStatus transformSplit(Kind kind, std::uint32_t id, bool inverse, const void* srcRe, const void* srcIm,
                         void* dstRe, void* dstIm, const void* spec, Orv8u* buffer);
// Integer records (Int16/Int32). Interleaved data passes srcIm/dstIm null.
OrvStatus transformInt(Kind kind, std::uint32_t id, bool inverse, bool split, const void* srcRe, const void* srcIm,
                       void* dstRe, void* dstIm, const void* spec, int scaleFactor, Orv8u* buffer);

} // namespace orvs::fft
