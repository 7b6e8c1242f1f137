/* Bitwise logic, shifts, byte order and bit packing. */
#ifndef ORVS_BITWISE_H
#define ORVS_BITWISE_H
#include "types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Logic: dst[n] = src1[n] op src2[n] (in place: srcDst[n] = src[n] op srcDst[n]),
   dst[n] = src[n] op val, and not. A constant that decides every output makes
   the call the copy or zero entry of the vector family (orvsCopy_*, orvsZero_*). */
ORVS_API OrvStatus orvsAnd_8u(const Orv8u* pSrc1, const Orv8u* pSrc2, Orv8u* pDst, int len);
ORVS_API OrvStatus orvsAnd_8u_I(const Orv8u* pSrc, Orv8u* pSrcDst, int len);
ORVS_API OrvStatus orvsAndC_8u(const Orv8u* pSrc, Orv8u val, Orv8u* pDst, int len);
ORVS_API OrvStatus orvsAndC_8u_I(Orv8u val, Orv8u* pSrcDst, int len);
ORVS_API OrvStatus orvsOr_8u(const Orv8u* pSrc1, const Orv8u* pSrc2, Orv8u* pDst, int len);
ORVS_API OrvStatus orvsOr_8u_I(const Orv8u* pSrc, Orv8u* pSrcDst, int len);
ORVS_API OrvStatus orvsOrC_8u(const Orv8u* pSrc, Orv8u val, Orv8u* pDst, int len);
ORVS_API OrvStatus orvsOrC_8u_I(Orv8u val, Orv8u* pSrcDst, int len);
ORVS_API OrvStatus orvsXor_8u(const Orv8u* pSrc1, const Orv8u* pSrc2, Orv8u* pDst, int len);
ORVS_API OrvStatus orvsXor_8u_I(const Orv8u* pSrc, Orv8u* pSrcDst, int len);
ORVS_API OrvStatus orvsXorC_8u(const Orv8u* pSrc, Orv8u val, Orv8u* pDst, int len);
ORVS_API OrvStatus orvsXorC_8u_I(Orv8u val, Orv8u* pSrcDst, int len);
ORVS_API OrvStatus orvsNot_8u(const Orv8u* pSrc, Orv8u* pDst, int len);
ORVS_API OrvStatus orvsNot_8u_I(Orv8u* pSrcDst, int len);
ORVS_API OrvStatus orvsAnd_16u(const Orv16u* pSrc1, const Orv16u* pSrc2, Orv16u* pDst, int len);
ORVS_API OrvStatus orvsAnd_16u_I(const Orv16u* pSrc, Orv16u* pSrcDst, int len);
ORVS_API OrvStatus orvsAndC_16u(const Orv16u* pSrc, Orv16u val, Orv16u* pDst, int len);
ORVS_API OrvStatus orvsAndC_16u_I(Orv16u val, Orv16u* pSrcDst, int len);
ORVS_API OrvStatus orvsOr_16u(const Orv16u* pSrc1, const Orv16u* pSrc2, Orv16u* pDst, int len);
ORVS_API OrvStatus orvsOr_16u_I(const Orv16u* pSrc, Orv16u* pSrcDst, int len);
ORVS_API OrvStatus orvsOrC_16u(const Orv16u* pSrc, Orv16u val, Orv16u* pDst, int len);
ORVS_API OrvStatus orvsOrC_16u_I(Orv16u val, Orv16u* pSrcDst, int len);
ORVS_API OrvStatus orvsXor_16u(const Orv16u* pSrc1, const Orv16u* pSrc2, Orv16u* pDst, int len);
ORVS_API OrvStatus orvsXor_16u_I(const Orv16u* pSrc, Orv16u* pSrcDst, int len);
ORVS_API OrvStatus orvsXorC_16u(const Orv16u* pSrc, Orv16u val, Orv16u* pDst, int len);
ORVS_API OrvStatus orvsXorC_16u_I(Orv16u val, Orv16u* pSrcDst, int len);
ORVS_API OrvStatus orvsNot_16u(const Orv16u* pSrc, Orv16u* pDst, int len);
ORVS_API OrvStatus orvsNot_16u_I(Orv16u* pSrcDst, int len);
ORVS_API OrvStatus orvsAnd_32u(const Orv32u* pSrc1, const Orv32u* pSrc2, Orv32u* pDst, int len);
ORVS_API OrvStatus orvsAnd_32u_I(const Orv32u* pSrc, Orv32u* pSrcDst, int len);
ORVS_API OrvStatus orvsAndC_32u(const Orv32u* pSrc, Orv32u val, Orv32u* pDst, int len);
ORVS_API OrvStatus orvsAndC_32u_I(Orv32u val, Orv32u* pSrcDst, int len);
ORVS_API OrvStatus orvsOr_32u(const Orv32u* pSrc1, const Orv32u* pSrc2, Orv32u* pDst, int len);
ORVS_API OrvStatus orvsOr_32u_I(const Orv32u* pSrc, Orv32u* pSrcDst, int len);
ORVS_API OrvStatus orvsOrC_32u(const Orv32u* pSrc, Orv32u val, Orv32u* pDst, int len);
ORVS_API OrvStatus orvsOrC_32u_I(Orv32u val, Orv32u* pSrcDst, int len);
ORVS_API OrvStatus orvsXor_32u(const Orv32u* pSrc1, const Orv32u* pSrc2, Orv32u* pDst, int len);
ORVS_API OrvStatus orvsXor_32u_I(const Orv32u* pSrc, Orv32u* pSrcDst, int len);
ORVS_API OrvStatus orvsXorC_32u(const Orv32u* pSrc, Orv32u val, Orv32u* pDst, int len);
ORVS_API OrvStatus orvsXorC_32u_I(Orv32u val, Orv32u* pSrcDst, int len);
ORVS_API OrvStatus orvsNot_32u(const Orv32u* pSrc, Orv32u* pDst, int len);
ORVS_API OrvStatus orvsNot_32u_I(Orv32u* pSrcDst, int len);

/* Shifts by val bits: 8u and 16u shift right logically, 16s and 32s
   arithmetically; 16s shifts left as 16u. val 0 copies; a left or logical
   right shift by the width or more zeroes; an arithmetic one fills with the
   sign. A negative val gives orvStsErrShift. */
ORVS_API OrvStatus orvsLShiftC_8u(const Orv8u* pSrc, int val, Orv8u* pDst, int len);
ORVS_API OrvStatus orvsLShiftC_8u_I(int val, Orv8u* pSrcDst, int len);
ORVS_API OrvStatus orvsLShiftC_16u(const Orv16u* pSrc, int val, Orv16u* pDst, int len);
ORVS_API OrvStatus orvsLShiftC_16u_I(int val, Orv16u* pSrcDst, int len);
ORVS_API OrvStatus orvsLShiftC_16s(const Orv16s* pSrc, int val, Orv16s* pDst, int len);
ORVS_API OrvStatus orvsLShiftC_16s_I(int val, Orv16s* pSrcDst, int len);
ORVS_API OrvStatus orvsLShiftC_32s(const Orv32s* pSrc, int val, Orv32s* pDst, int len);
ORVS_API OrvStatus orvsLShiftC_32s_I(int val, Orv32s* pSrcDst, int len);
ORVS_API OrvStatus orvsRShiftC_8u(const Orv8u* pSrc, int val, Orv8u* pDst, int len);
ORVS_API OrvStatus orvsRShiftC_8u_I(int val, Orv8u* pSrcDst, int len);
ORVS_API OrvStatus orvsRShiftC_16u(const Orv16u* pSrc, int val, Orv16u* pDst, int len);
ORVS_API OrvStatus orvsRShiftC_16u_I(int val, Orv16u* pSrcDst, int len);
ORVS_API OrvStatus orvsRShiftC_16s(const Orv16s* pSrc, int val, Orv16s* pDst, int len);
ORVS_API OrvStatus orvsRShiftC_16s_I(int val, Orv16s* pSrcDst, int len);
ORVS_API OrvStatus orvsRShiftC_32s(const Orv32s* pSrc, int val, Orv32s* pDst, int len);
ORVS_API OrvStatus orvsRShiftC_32s_I(int val, Orv32s* pSrcDst, int len);

/* Byte order: the bytes of every element reversed; a 24u element is three
   consecutive bytes, len counts elements. */
ORVS_API OrvStatus orvsSwapBytes_16u(const Orv16u* pSrc, Orv16u* pDst, int len);
ORVS_API OrvStatus orvsSwapBytes_16u_I(Orv16u* pSrcDst, int len);
ORVS_API OrvStatus orvsSwapBytes_24u(const Orv8u* pSrc, Orv8u* pDst, int len);
ORVS_API OrvStatus orvsSwapBytes_24u_I(Orv8u* pSrcDst, int len);
ORVS_API OrvStatus orvsSwapBytes_32u(const Orv32u* pSrc, Orv32u* pDst, int len);
ORVS_API OrvStatus orvsSwapBytes_32u_I(Orv32u* pSrcDst, int len);
ORVS_API OrvStatus orvsSwapBytes_64u(const Orv64u* pSrc, Orv64u* pDst, int len);
ORVS_API OrvStatus orvsSwapBytes_64u_I(Orv64u* pSrcDst, int len);
/* Bit packing: the low pSrcBitsLen[i] bits of every pSrc[i], most significant
   first, into the bytes of pDst from bit dstBitOffset mod 8 (counted from the
   most significant bit of pDst[0]; the bits before it and the uncovered low
   bits of the last byte keep their values). *pDstLenBit receives the number of
   bits written. Lengths above 32 count as 32, negative ones as 0, and make
   the call return orvStsWarnBitLenClamped. */
ORVS_API OrvStatus orvsPackBits_32u8u(const Orv32u* pSrc, const Orv32s* pSrcBitsLen, int len, Orv8u* pDst,
                                      int dstBitOffset, int* pDstLenBit);

#ifdef __cplusplus
}
#endif
#endif /* ORVS_BITWISE_H */
