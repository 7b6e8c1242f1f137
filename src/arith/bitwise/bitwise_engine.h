// The bitwise family's entry logic: the routing of trivial constants and
// shift counts to the copy and zero entries, the argument checks in the
// library's order, and the call of the kernel. The exported entries
// (bitwise_entries.def) call these drivers.
#pragma once
#include <cstdint>
#include <cstring>
#include <type_traits>

#include "arith/bitwise/bitwise_kernels.h"
#include "core/check.h"
#include "core/vocabulary.h"

namespace orvs::bits {

// The constant repeated to 32 bits, for the byte-stream kernel.
template <class T>
constexpr std::uint32_t pattern(T val)
{
    const auto v = static_cast<std::uint32_t>(static_cast<std::make_unsigned_t<T>>(val));
    if constexpr (sizeof(T) == 1) return v * 0x01010101u;
    else if constexpr (sizeof(T) == 2) return v * 0x00010001u;
    else return v;
}

template <class T>
inline std::size_t bytesOf(int len) { return static_cast<std::size_t>(len) * sizeof(T); }

// ---- logic -------------------------------------------------------------------

template <Logic op, class T>
inline OrvStatus logicVV(const T* a, const T* b, T* d, int len)
{
    ORVS_CHECK(check::vectors(len, a, b, d));
    kernels().logic(op, a, b, d, bytesOf<T>(len));
    return orvStsOk;
}

// A constant that decides every output goes to the copy or zero entry before
// any check of this entry: the zero entry still needs the source to exist.
template <Logic op, class T>
inline OrvStatus logicVC(const T* src, T val, T* dst, int len)
{
    if constexpr (op == Logic::And) {
        if (val == 0) return src ? zeroAll(dst, len) : orvStsErrNullPtr;
    } else {
        if (val == 0) return copyAll(src, dst, len);
    }
    ORVS_CHECK(check::vectors(len, src, dst));
    kernels().logicC(op, src, pattern(val), dst, bytesOf<T>(len));
    return orvStsOk;
}

// In place, the checks come first; a constant that changes nothing ends the call.
template <Logic op, class T>
inline OrvStatus logicIC(T val, T* srcDst, int len)
{
    ORVS_CHECK(check::vectors(len, srcDst));
    const T neutral = op == Logic::And ? static_cast<T>(~T(0)) : T(0);
    if (val == neutral) return orvStsOk;
    kernels().logicC(op, srcDst, pattern(val), srcDst, bytesOf<T>(len));
    return orvStsOk;
}

template <class T>
inline OrvStatus notV(const T* src, T* dst, int len) { return logicVC<Logic::Xor>(src, static_cast<T>(~T(0)), dst, len); }
template <class T>
inline OrvStatus notI(T* srcDst, int len) { return logicIC<Logic::Xor>(static_cast<T>(~T(0)), srcDst, len); }

// ---- shifts ------------------------------------------------------------------

template <class T>
inline void runShift(Shift kind, const T* s, T* d, int len, int count)
{
    if constexpr (sizeof(T) == 1)
        kernels().shift8(kind, reinterpret_cast<const Orv8u*>(s), reinterpret_cast<Orv8u*>(d), len, count);
    else if constexpr (sizeof(T) == 2)
        kernels().shift16(kind, reinterpret_cast<const Orv16u*>(s), reinterpret_cast<Orv16u*>(d), len, count);
    else
        kernels().shift32(kind, reinterpret_cast<const Orv32u*>(s), reinterpret_cast<Orv32u*>(d), len, count);
}

template <Shift kind, class T>
inline OrvStatus shiftV(const T* src, int val, T* dst, int len)
{
    constexpr int width = 8 * sizeof(T);
    if (val == 0) return copyAll(src, dst, len);
    if constexpr (kind != Shift::RightArith)
        if (val >= width) return src ? zeroAll(dst, len) : orvStsErrNullPtr;
    ORVS_CHECK(check::vectors(len, src, dst));
    if (val < 0) return orvStsErrShift;
    // An arithmetic shift by the width or more leaves the sign in every bit.
    runShift(kind, src, dst, len, val < width ? val : width - 1);
    return orvStsOk;
}

// In place, the shifts that clear everything go to the zero entry before any
// check; the others check first and end at once for a zero count.
template <Shift kind, class T>
inline OrvStatus shiftI(int val, T* srcDst, int len)
{
    constexpr int width = 8 * sizeof(T);
    if constexpr (kind != Shift::RightArith)
        if (val > width - 1) return zeroAll(srcDst, len);
    ORVS_CHECK(check::vectors(len, srcDst));
    if (val < 0) return orvStsErrShift;
    if (val == 0) return orvStsOk;
    runShift(kind, srcDst, srcDst, len, val < width ? val : width - 1);
    return orvStsOk;
}

// ---- byte order --------------------------------------------------------------

template <class T>
inline void runSwap(const T* s, T* d, int len)
{
    if constexpr (sizeof(T) == 1) kernels().swap24(s, d, len);
    else if constexpr (sizeof(T) == 2) kernels().swap16(s, d, len);
    else if constexpr (sizeof(T) == 4) kernels().swap32(s, d, len);
    else kernels().swap64(s, d, len);
}

// Orv8u stands for the three-byte elements.
template <class T>
inline OrvStatus swapV(const T* src, T* dst, int len)
{
    ORVS_CHECK(check::vectors(len, src, dst));
    runSwap(src, dst, len);
    return orvStsOk;
}
template <class T>
inline OrvStatus swapI(T* srcDst, int len)
{
    ORVS_CHECK(check::vectors(len, srcDst));
    runSwap(srcDst, srcDst, len);
    return orvStsOk;
}

// ---- bit packing -------------------------------------------------------------
OrvStatus packBits(const Orv32u* src, const Orv32s* bitLens, int len, Orv8u* dst, int dstBitOffset, int* dstLenBit);

} // namespace orvs::bits
