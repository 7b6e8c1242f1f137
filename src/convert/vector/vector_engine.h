// The vector family's entry logic: argument checks in the library's order
// and the choice of kernel. The exported entries (vector_entries.def) call
// these drivers.
#pragma once
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <type_traits>

#include "convert/vector/vector_kernels.h"
#include "core/check.h"
#include "core/saturate.h"
#include "orvs/vector.h"

namespace orvs::vec {

// ---- copy, move, set and zero ----------------------------------------------
// Copy and Move are byte moves of len times the element size (the C
// library's copy routines run at memory bandwidth); Zero is a zero fill of
// the same bytes; Set fills a repeating element pattern with the widest
// stores of the processor.

template <class T>
inline OrvStatus copy(const T* src, T* dst, int len)
{
    ORVS_CHECK(check::vectors(len, src, dst));
    std::memcpy(dst, src, static_cast<std::size_t>(len) * sizeof(T));
    return orvStsOk;
}

template <class T>
inline OrvStatus move(const T* src, T* dst, int len)
{
    ORVS_CHECK(check::vectors(len, src, dst));
    std::memmove(dst, src, static_cast<std::size_t>(len) * sizeof(T));
    return orvStsOk;
}

template <class T>
inline OrvStatus zero(T* dst, int len)
{
    ORVS_CHECK(check::vectors(len, dst));
    std::memset(dst, 0, static_cast<std::size_t>(len) * sizeof(T));
    return orvStsOk;
}

// Every element type is filled by its bits: 16s goes through the same
// two-byte pattern as 16u, complex types through their re/im pair.
template <class T>
inline OrvStatus set(const T& val, T* dst, int len)
{
    ORVS_CHECK(check::vectors(len, dst));
    const std::size_t bytes = static_cast<std::size_t>(len) * sizeof(T);
    if constexpr (sizeof(T) == 1) {
        unsigned char b;
        std::memcpy(&b, &val, 1);
        std::memset(dst, b, bytes);
    } else {
        kernels().fillPattern(dst, &val, sizeof(T), bytes);
    }
    return orvStsOk;
}

// ---- reversal and bit strings ----------------------------------------------
template <class T>
inline OrvStatus flipCopy(const T* src, T* dst, int len)
{
    ORVS_CHECK(check::vectors(len, src, dst));
    kernels().flip(src, dst, static_cast<std::size_t>(len), sizeof(T));
    return orvStsOk;
}

template <class T>
inline OrvStatus flipSelf(T* srcDst, int len)
{
    ORVS_CHECK(check::vectors(len, srcDst));
    kernels().flipInPlace(srcDst, static_cast<std::size_t>(len), sizeof(T));
    return orvStsOk;
}

// ---- bit strings: bit k is bit (7 - k % 8) of byte k / 8 ---------------------

inline unsigned bitAt(const Orv8u* p, std::size_t k) { return (p[k >> 3] >> (7 - (k & 7))) & 1u; }

inline void putBit(Orv8u* p, std::size_t k, unsigned b)
{
    const unsigned mask = 0x80u >> (k & 7);
    p[k >> 3] = static_cast<Orv8u>(b ? (p[k >> 3] | mask) : (p[k >> 3] & ~mask));
}

inline void copyBitsSerial(const Orv8u* s, std::size_t sBit, Orv8u* d, std::size_t dBit, std::size_t n)
{
    for (std::size_t i = 0; i < n; ++i) putBit(d, dBit + i, bitAt(s, sBit + i));
}

inline std::uint64_t loadBigEndian(const Orv8u* p)
{
    std::uint64_t w;
    std::memcpy(&w, p, 8);
    return __builtin_bswap64(w);
}

inline void storeBigEndian(Orv8u* p, std::uint64_t w)
{
    w = __builtin_bswap64(w);
    std::memcpy(p, &w, 8);
}

// nBytes whole destination bytes from a source that starts `shift` (1..7) bits
// into s[0]. Reads only bytes that hold source bits: s[0 .. lastByte].
inline void copyShiftedBytes(const Orv8u* s, unsigned shift, Orv8u* d, std::size_t nBytes, std::size_t lastByte, bool longCopy)
{
    std::size_t j = 0;
    if (longCopy) {
        // Eight output bytes per step from nine source bytes.
        for (; j + 8 <= nBytes && j + 8 <= lastByte; j += 8) {
            const std::uint64_t w = loadBigEndian(s + j);
            storeBigEndian(d + j, (w << shift) | (static_cast<std::uint64_t>(s[j + 8]) >> (8 - shift)));
        }
    }
    for (; j < nBytes; ++j) d[j] = static_cast<Orv8u>((s[j] << shift) | (s[j + 1] >> (8 - shift)));
}

// Byte pointers advance by offset / 8; the offset within the byte is offset % 8.
inline OrvStatus copyBits(const Orv8u* src, int srcBitOffset, Orv8u* dst, int dstBitOffset, int len)
{
    ORVS_CHECK(check::pointers(src, dst));
    if (len < 1 || srcBitOffset < 0 || dstBitOffset < 0) return orvStsErrSize;
    const Orv8u* s = src + (srcBitOffset >> 3);
    Orv8u* d = dst + (dstBitOffset >> 3);
    const std::size_t sBit = static_cast<std::size_t>(srcBitOffset & 7);
    const std::size_t dBit = static_cast<std::size_t>(dstBitOffset & 7);
    const std::size_t n = static_cast<std::size_t>(len);
    if (n < 16) {
        copyBitsSerial(s, sBit, d, dBit, n);
        return orvStsOk;
    }
    // Bits up to the next destination byte boundary, one at a time.
    const std::size_t head = dBit ? 8 - dBit : 0;
    copyBitsSerial(s, sBit, d, dBit, head);
    const std::size_t srcPos = sBit + head;
    const Orv8u* sb = s + (srcPos >> 3);
    Orv8u* db = d + ((dBit + head) >> 3);
    const unsigned shift = static_cast<unsigned>(srcPos & 7);
    const std::size_t rem = n - head;
    const std::size_t nBytes = rem >> 3;
    if (shift == 0)
        std::memcpy(db, sb, nBytes);
    else
        copyShiftedBytes(sb, shift, db, nBytes, (shift + rem - 1) >> 3, n > 256);
    // The partial last byte keeps its bits outside the copied range.
    copyBitsSerial(sb, shift + 8 * nBytes, db, 8 * nBytes, rem & 7);
    return orvStsOk;
}

// ---- test signals ----------------------------------------------------------
// The Jaehne chirp, Ramp (rounded half away from zero) and Slope (rounded to
// nearest even, saturated tails filled directly).

constexpr double kHalfPi = 1.5707963267948966;

template <class T>
inline void fillValue(T* dst, std::size_t n, T v)
{
    if constexpr (sizeof(T) == 1) {
        unsigned char b;
        std::memcpy(&b, &v, 1);
        std::memset(dst, b, n);
    } else {
        kernels().fillPattern(dst, &v, sizeof(T), n * sizeof(T));
    }
}

template <class T>
inline OrvStatus jaehne(T* dst, int len, T magn)
{
    ORVS_CHECK(check::vectors(len, dst));
    if (magn < T(0)) return orvStsErrJaehneMagnitude;
    if (len == 1) {
        dst[0] = T(0);
        return orvStsOk;
    }
    const double m = static_cast<double>(magn);
    const double l = static_cast<double>(len);
    for (int n = 0; n < len; ++n) {
        const double v = m * std::sin(kHalfPi * n * n / l);
        if constexpr (std::is_floating_point_v<T>)
            dst[n] = static_cast<T>(v);
        else  // |v| <= magn; unsigned types clamp the negative half-waves at 0
            dst[n] = saturate<T>(roundHalfAway(v));
    }
    return orvStsOk;
}

template <class T>
inline OrvStatus ramp(T* dst, int len, float offset, float slope)
{
    ORVS_CHECK(check::vectors(len, dst));
    if constexpr (std::is_same_v<T, Orv32f>) {
        for (int n = 0; n < len; ++n) dst[n] = offset + slope * static_cast<float>(n);
    } else if constexpr (std::is_same_v<T, Orv64f>) {
        const double o = offset, s = slope;
        for (int n = 0; n < len; ++n) dst[n] = o + s * n;
    } else {
        signalKernels<T>().ramp(dst, 0, len, offset, slope);
    }
    return orvStsOk;
}

// First index at which the line has left the type's range, within [0, INT_MAX].
inline int exitIndex(double bound, double offset, double reciprocal)
{
    const double i = std::trunc(1.0 + (bound - offset) * reciprocal);
    if (!(i > 0.0)) return 0;
    return i >= static_cast<double>(INT_MAX) ? INT_MAX : static_cast<int>(i);
}

template <class T>
inline OrvStatus slopeLine(T* dst, int len, double offset, double slope)
{
    ORVS_CHECK(check::vectors(len, dst));
    if constexpr (std::is_floating_point_v<T>) {
        for (int n = 0; n < len; ++n) dst[n] = static_cast<T>(offset + slope * n);
    } else {
        constexpr double lo = static_cast<double>(std::numeric_limits<T>::min());
        constexpr double hi = static_cast<double>(std::numeric_limits<T>::max());
        if (slope == 0.0) {
            fillValue(dst, static_cast<std::size_t>(len), saturate<T>(roundHalfAway(offset)));
            return orvStsOk;
        }
        const double r = 1.0 / slope;
        int head = len;
        if (slope > 0.0) {
            head = std::min(len, exitIndex(hi, offset, r));
            if (head < len) fillValue(dst + head, static_cast<std::size_t>(len - head), std::numeric_limits<T>::max());
        } else {
            head = std::min(len, exitIndex(lo, offset, r));
            if (head < len) fillValue(dst + head, static_cast<std::size_t>(len - head), std::numeric_limits<T>::min());
        }
        if (head > 0) signalKernels<T>().slope(dst, head, static_cast<float>(offset), static_cast<float>(slope));
    }
    return orvStsOk;
}

// ---- channel interleaving --------------------------------------------------
// Through arrays of channel pointers (D2L forms).

// The interleaved buffer first, then the two sizes, then the channel array
// and each channel pointer.
template <class C, class I>
inline OrvStatus checkChannels(const C* const* channels, int nChannels, int chanLen, const I* interleaved)
{
    ORVS_CHECK(check::pointers(interleaved));
    ORVS_CHECK(check::lengths(nChannels, chanLen));
    ORVS_CHECK(check::pointers(channels));
    for (int c = 0; c < nChannels; ++c) ORVS_CHECK(check::pointers(channels[c]));
    return orvStsOk;
}

template <auto Kernel, class C, class I>
inline OrvStatus join(const C* const* src, int nChannels, int chanLen, I* dst)
{
    ORVS_CHECK(checkChannels(src, nChannels, chanLen, dst));
    (kernels().*Kernel)(src, nChannels, chanLen, dst);
    return orvStsOk;
}

template <auto Kernel, class C, class I>
inline OrvStatus split(const I* src, C* const* dst, int nChannels, int chanLen)
{
    ORVS_CHECK(checkChannels(dst, nChannels, chanLen, src));
    (kernels().*Kernel)(src, dst, nChannels, chanLen);
    return orvStsOk;
}

} // namespace orvs::vec
