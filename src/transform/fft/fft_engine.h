// Complex FFT transforms: argument checks in order (record null, record
// identifier, data pointers), work-buffer handling and the kernels of the
// record's type. The overloads are what the entry list names: interleaved or
// split data, out of place or in place (the _I forms), with a scale factor
// for the integer records.
#pragma once
#include "transform/fft/fft_record.h"

namespace orvs::fft {

enum Direction : bool { kFwd = false, kInv = true };

// Floating-point records; Spec fixes the element type.
template <class Spec, class T>
OrvStatus runInterleaved(bool inverse, const T* src, T* dst, const Spec* spec, Orv8u* buffer);
template <class Spec, class T>
OrvStatus runSplit(bool inverse, const T* srcRe, const T* srcIm, T* dstRe, T* dstIm, const Spec* spec, Orv8u* buffer);
// Integer records; interleaved data (split false) passes srcIm/dstIm null.
template <class Spec, class T>
OrvStatus runInt(bool inverse, bool split, const T* srcRe, const T* srcIm, T* dstRe, T* dstIm, const Spec* spec,
                 int scaleFactor, Orv8u* buffer);

template <Direction D, class T, class Spec>
OrvStatus interleaved(const T* src, T* dst, const Spec* spec, Orv8u* buffer)
{ return runInterleaved<Spec>(D, src, dst, spec, buffer); }
template <Direction D, class T, class Spec>
OrvStatus interleavedI(T* srcDst, const Spec* spec, Orv8u* buffer)
{ return runInterleaved<Spec>(D, srcDst, srcDst, spec, buffer); }
template <Direction D, class T, class Spec>
OrvStatus split(const T* srcRe, const T* srcIm, T* dstRe, T* dstIm, const Spec* spec, Orv8u* buffer)
{ return runSplit<Spec>(D, srcRe, srcIm, dstRe, dstIm, spec, buffer); }
template <Direction D, class T, class Spec>
OrvStatus splitI(T* re, T* im, const Spec* spec, Orv8u* buffer)
{ return runSplit<Spec>(D, re, im, re, im, spec, buffer); }

// Integer data: one complex integer struct is two parts of its base type.
template <Direction D, class C, class Spec>
OrvStatus interleaved(const C* src, C* dst, const Spec* spec, int scaleFactor, Orv8u* buffer)
{
    using T = decltype(C{}.re);
    return runInt<Spec, T>(D, false, reinterpret_cast<const T*>(src), nullptr, reinterpret_cast<T*>(dst), nullptr, spec,
                           scaleFactor, buffer);
}
template <Direction D, class C, class Spec>
OrvStatus interleavedI(C* srcDst, const Spec* spec, int scaleFactor, Orv8u* buffer)
{ return interleaved<D>(srcDst, srcDst, spec, scaleFactor, buffer); }
template <Direction D, class T, class Spec>
OrvStatus split(const T* srcRe, const T* srcIm, T* dstRe, T* dstIm, const Spec* spec, int scaleFactor, Orv8u* buffer)
{ return runInt<Spec, T>(D, true, srcRe, srcIm, dstRe, dstIm, spec, scaleFactor, buffer); }
template <Direction D, class T, class Spec>
OrvStatus splitI(T* re, T* im, const Spec* spec, int scaleFactor, Orv8u* buffer)
{ return runInt<Spec, T>(D, true, re, im, re, im, spec, scaleFactor, buffer); }

} // namespace orvs::fft
