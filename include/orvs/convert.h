/* Conversion between sample formats: widening, narrowing with saturation,
   integer <-> floating point with power-of-two scaling and a rounding mode,
   packed 24-bit integers and IEEE half precision.

   Packed 24-bit vectors (24s, 24u) are passed as Orv8u pointers: three bytes
   per element, least significant byte first. Half-precision vectors hold the
   binary16 bit patterns in Orv16f elements. */
#ifndef ORVS_CONVERT_H
#define ORVS_CONVERT_H
#include "types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Exact widening. */
ORVS_API OrvStatus orvsConvert_8s16s(const Orv8s* pSrc, Orv16s* pDst, int len);
ORVS_API OrvStatus orvsConvert_8s32f(const Orv8s* pSrc, Orv32f* pDst, int len);
ORVS_API OrvStatus orvsConvert_8u32f(const Orv8u* pSrc, Orv32f* pDst, int len);
ORVS_API OrvStatus orvsConvert_16s32s(const Orv16s* pSrc, Orv32s* pDst, int len);
ORVS_API OrvStatus orvsConvert_16s32f(const Orv16s* pSrc, Orv32f* pDst, int len);
ORVS_API OrvStatus orvsConvert_16u32f(const Orv16u* pSrc, Orv32f* pDst, int len);
ORVS_API OrvStatus orvsConvert_32s64f(const Orv32s* pSrc, Orv64f* pDst, int len);
ORVS_API OrvStatus orvsConvert_32f64f(const Orv32f* pSrc, Orv64f* pDst, int len);
ORVS_API OrvStatus orvsConvert_24u32u(const Orv8u* pSrc, Orv32u* pDst, int len);
ORVS_API OrvStatus orvsConvert_24s32s(const Orv8u* pSrc, Orv32s* pDst, int len);
ORVS_API OrvStatus orvsConvert_24u32f(const Orv8u* pSrc, Orv32f* pDst, int len);
ORVS_API OrvStatus orvsConvert_24s32f(const Orv8u* pSrc, Orv32f* pDst, int len);
ORVS_API OrvStatus orvsConvert_16f32f(const Orv16f* pSrc, Orv32f* pDst, int len);

/* IEEE conversion, rounding to nearest with ties to even. */
ORVS_API OrvStatus orvsConvert_32s32f(const Orv32s* pSrc, Orv32f* pDst, int len);
ORVS_API OrvStatus orvsConvert_64s64f(const Orv64s* pSrc, Orv64f* pDst, Orv32u len);
ORVS_API OrvStatus orvsConvert_64f32f(const Orv64f* pSrc, Orv32f* pDst, int len);

/* Integer narrowing with saturation, optionally scaled by 2^-scaleFactor. */
ORVS_API OrvStatus orvsConvert_32s16s(const Orv32s* pSrc, Orv16s* pDst, int len);
ORVS_API OrvStatus orvsConvert_32s16s_Sfs(const Orv32s* pSrc, Orv16s* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsConvert_32s24s_Sfs(const Orv32s* pSrc, Orv8u* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsConvert_32u24u_Sfs(const Orv32u* pSrc, Orv8u* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsConvert_16s8s_Sfs(const Orv16s* pSrc, Orv8s* pDst, Orv32u len, OrvRoundMode rndMode,
                                         int scaleFactor);
ORVS_API OrvStatus orvsConvert_64s32s_Sfs(const Orv64s* pSrc, Orv32s* pDst, int len, OrvRoundMode rndMode,
                                          int scaleFactor);

/* Integer to floating point, multiplied by 2^-scaleFactor. */
ORVS_API OrvStatus orvsConvert_16s32f_Sfs(const Orv16s* pSrc, Orv32f* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsConvert_16s64f_Sfs(const Orv16s* pSrc, Orv64f* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsConvert_32s32f_Sfs(const Orv32s* pSrc, Orv32f* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsConvert_32s64f_Sfs(const Orv32s* pSrc, Orv64f* pDst, int len, int scaleFactor);

/* Floating point to integer: scaled by 2^-scaleFactor, rounded by rndMode
   (0 toward zero, 1 to nearest even, any other value to nearest with ties
   away from zero), saturated; NaN gives the destination maximum. */
ORVS_API OrvStatus orvsConvert_32f8s_Sfs(const Orv32f* pSrc, Orv8s* pDst, int len, OrvRoundMode rndMode,
                                         int scaleFactor);
ORVS_API OrvStatus orvsConvert_32f8u_Sfs(const Orv32f* pSrc, Orv8u* pDst, int len, OrvRoundMode rndMode,
                                         int scaleFactor);
ORVS_API OrvStatus orvsConvert_32f16s_Sfs(const Orv32f* pSrc, Orv16s* pDst, int len, OrvRoundMode rndMode,
                                          int scaleFactor);
ORVS_API OrvStatus orvsConvert_32f16u_Sfs(const Orv32f* pSrc, Orv16u* pDst, int len, OrvRoundMode rndMode,
                                          int scaleFactor);
ORVS_API OrvStatus orvsConvert_32f32s_Sfs(const Orv32f* pSrc, Orv32s* pDst, int len, OrvRoundMode rndMode,
                                          int scaleFactor);
ORVS_API OrvStatus orvsConvert_64f16s_Sfs(const Orv64f* pSrc, Orv16s* pDst, int len, OrvRoundMode rndMode,
                                          int scaleFactor);
ORVS_API OrvStatus orvsConvert_64f32s_Sfs(const Orv64f* pSrc, Orv32s* pDst, int len, OrvRoundMode rndMode,
                                          int scaleFactor);
ORVS_API OrvStatus orvsConvert_64f64s_Sfs(const Orv64f* pSrc, Orv64s* pDst, Orv32u len, OrvRoundMode rndMode,
                                          int scaleFactor);

/* Floating point to packed 24-bit: scaled, rounded to nearest even, saturated. */
ORVS_API OrvStatus orvsConvert_32f24s_Sfs(const Orv32f* pSrc, Orv8u* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsConvert_32f24u_Sfs(const Orv32f* pSrc, Orv8u* pDst, int len, int scaleFactor);

/* Half precision. rndMode 1 rounds to nearest even, 2 is refused with
   orvStsErrRoundMode, every other value truncates. */
ORVS_API OrvStatus orvsConvert_16s16f(const Orv16s* pSrc, Orv16f* pDst, int len, OrvRoundMode rndMode);
ORVS_API OrvStatus orvsConvert_32f16f(const Orv32f* pSrc, Orv16f* pDst, int len, OrvRoundMode rndMode);
ORVS_API OrvStatus orvsConvert_16f16s_Sfs(const Orv16f* pSrc, Orv16s* pDst, int len, OrvRoundMode rndMode,
                                          int scaleFactor);

#ifdef __cplusplus
}
#endif
#endif /* ORVS_CONVERT_H */
