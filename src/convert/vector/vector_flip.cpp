// Reversal (Flip, Flip_I) and the bit-string copy.
#include <cstdint>
#include <cstring>

#include "convert/vector/vector_kernels.h"
#include "core/check.h"
#include "orvs/vector.h"

namespace orvs::vec {
namespace {

template <class T>
OrvStatus flipCopy(const T* src, T* dst, int len)
{
    ORVS_CHECK(check::vectors(len, src, dst));
    kernels().flip(src, dst, static_cast<std::size_t>(len), sizeof(T));
    return orvStsOk;
}

template <class T>
OrvStatus flipSelf(T* srcDst, int len)
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

void copyBitsSerial(const Orv8u* s, std::size_t sBit, Orv8u* d, std::size_t dBit, std::size_t n)
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
void copyShiftedBytes(const Orv8u* s, unsigned shift, Orv8u* d, std::size_t nBytes, std::size_t lastByte, bool longCopy)
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
OrvStatus copyBits(const Orv8u* src, int srcBitOffset, Orv8u* dst, int dstBitOffset, int len)
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

} // namespace
} // namespace orvs::vec

using namespace orvs;

#define ORVS_VEC_FLIP(code, T)                                                                                 \
    ORVS_API OrvStatus orvsFlip_##code(const T* pSrc, T* pDst, int len) { return vec::flipCopy(pSrc, pDst, len); } \
    ORVS_API OrvStatus orvsFlip_##code##_I(T* pSrcDst, int len) { return vec::flipSelf(pSrcDst, len); }

extern "C" {
ORVS_VEC_FLIP(8u, Orv8u)
ORVS_VEC_FLIP(16u, Orv16u)
ORVS_VEC_FLIP(32f, Orv32f)
ORVS_VEC_FLIP(64f, Orv64f)
ORVS_VEC_FLIP(32fc, Orv32fc)
ORVS_VEC_FLIP(64fc, Orv64fc)

ORVS_API OrvStatus orvsCopy_1u(const Orv8u* pSrc, int srcBitOffset, Orv8u* pDst, int dstBitOffset, int len)
{
    return vec::copyBits(pSrc, srcBitOffset, pDst, dstBitOffset, len);
}
}
