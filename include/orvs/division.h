/* Element-wise division with rounding modes and zero-divisor warnings.

   Div:     pDst[n] = pSrc2[n] / pSrc1[n]   (the first vector is the divisor;
            in place: pSrcDst[n] = pSrcDst[n] / pSrc[n])
   DivC:    pDst[n] = pSrc[n] / val
   DivCRev: pDst[n] = val / pSrc[n]

   Integer members round the exact quotient times 2^-scaleFactor (to nearest,
   ties to even; the _Round members by rndMode) and saturate. An element-wise
   zero divisor completes the call with orvStsWarnDivByZero; a zero constant
   divisor is the error orvStsErrDivByZero (except orvsDivC_64s_ISfs). */
#ifndef ORVS_DIVISION_H
#define ORVS_DIVISION_H
#include "types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* ---- vector / vector, integer, scaled ---------------------------------- */
ORVS_API OrvStatus orvsDiv_8u_Sfs(const Orv8u* pSrc1, const Orv8u* pSrc2, Orv8u* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsDiv_8u_ISfs(const Orv8u* pSrc, Orv8u* pSrcDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsDiv_16s_Sfs(const Orv16s* pSrc1, const Orv16s* pSrc2, Orv16s* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsDiv_16s_ISfs(const Orv16s* pSrc, Orv16s* pSrcDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsDiv_16u_Sfs(const Orv16u* pSrc1, const Orv16u* pSrc2, Orv16u* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsDiv_16u_ISfs(const Orv16u* pSrc, Orv16u* pSrcDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsDiv_32s_Sfs(const Orv32s* pSrc1, const Orv32s* pSrc2, Orv32s* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsDiv_32s_ISfs(const Orv32s* pSrc, Orv32s* pSrcDst, int len, int scaleFactor);
/* Orv16s divisor pSrc1, Orv32s dividend pSrc2, Orv16s destination. */
ORVS_API OrvStatus orvsDiv_32s16s_Sfs(const Orv16s* pSrc1, const Orv32s* pSrc2, Orv16s* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsDiv_16sc_Sfs(const Orv16sc* pSrc1, const Orv16sc* pSrc2, Orv16sc* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsDiv_16sc_ISfs(const Orv16sc* pSrc, Orv16sc* pSrcDst, int len, int scaleFactor);

/* ---- vector / vector, integer, caller-chosen rounding ------------------ */
ORVS_API OrvStatus orvsDiv_Round_8u_Sfs(const Orv8u* pSrc1, const Orv8u* pSrc2, Orv8u* pDst, int len,
                                        OrvRoundMode rndMode, int scaleFactor);
ORVS_API OrvStatus orvsDiv_Round_8u_ISfs(const Orv8u* pSrc, Orv8u* pSrcDst, int len, OrvRoundMode rndMode,
                                         int scaleFactor);
ORVS_API OrvStatus orvsDiv_Round_16s_Sfs(const Orv16s* pSrc1, const Orv16s* pSrc2, Orv16s* pDst, int len,
                                         OrvRoundMode rndMode, int scaleFactor);
ORVS_API OrvStatus orvsDiv_Round_16s_ISfs(const Orv16s* pSrc, Orv16s* pSrcDst, int len, OrvRoundMode rndMode,
                                          int scaleFactor);
ORVS_API OrvStatus orvsDiv_Round_16u_Sfs(const Orv16u* pSrc1, const Orv16u* pSrc2, Orv16u* pDst, int len,
                                         OrvRoundMode rndMode, int scaleFactor);
ORVS_API OrvStatus orvsDiv_Round_16u_ISfs(const Orv16u* pSrc, Orv16u* pSrcDst, int len, OrvRoundMode rndMode,
                                          int scaleFactor);

/* ---- vector / vector, floating point ----------------------------------- */
ORVS_API OrvStatus orvsDiv_32f(const Orv32f* pSrc1, const Orv32f* pSrc2, Orv32f* pDst, int len);
ORVS_API OrvStatus orvsDiv_32f_I(const Orv32f* pSrc, Orv32f* pSrcDst, int len);
ORVS_API OrvStatus orvsDiv_64f(const Orv64f* pSrc1, const Orv64f* pSrc2, Orv64f* pDst, int len);
ORVS_API OrvStatus orvsDiv_64f_I(const Orv64f* pSrc, Orv64f* pSrcDst, int len);
ORVS_API OrvStatus orvsDiv_32fc(const Orv32fc* pSrc1, const Orv32fc* pSrc2, Orv32fc* pDst, int len);
ORVS_API OrvStatus orvsDiv_32fc_I(const Orv32fc* pSrc, Orv32fc* pSrcDst, int len);
ORVS_API OrvStatus orvsDiv_64fc(const Orv64fc* pSrc1, const Orv64fc* pSrc2, Orv64fc* pDst, int len);
ORVS_API OrvStatus orvsDiv_64fc_I(const Orv64fc* pSrc, Orv64fc* pSrcDst, int len);

/* ---- vector / constant -------------------------------------------------- */
ORVS_API OrvStatus orvsDivC_8u_Sfs(const Orv8u* pSrc, Orv8u val, Orv8u* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsDivC_8u_ISfs(Orv8u val, Orv8u* pSrcDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsDivC_16s_Sfs(const Orv16s* pSrc, Orv16s val, Orv16s* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsDivC_16s_ISfs(Orv16s val, Orv16s* pSrcDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsDivC_16u_Sfs(const Orv16u* pSrc, Orv16u val, Orv16u* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsDivC_16u_ISfs(Orv16u val, Orv16u* pSrcDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsDivC_16sc_Sfs(const Orv16sc* pSrc, Orv16sc val, Orv16sc* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsDivC_16sc_ISfs(Orv16sc val, Orv16sc* pSrcDst, int len, int scaleFactor);
/* len is an unsigned count here; val = 0 is a warning, not an error. */
ORVS_API OrvStatus orvsDivC_64s_ISfs(Orv64s val, Orv64s* pSrcDst, Orv32u len, int scaleFactor);
ORVS_API OrvStatus orvsDivC_32f(const Orv32f* pSrc, Orv32f val, Orv32f* pDst, int len);
ORVS_API OrvStatus orvsDivC_32f_I(Orv32f val, Orv32f* pSrcDst, int len);
ORVS_API OrvStatus orvsDivC_64f(const Orv64f* pSrc, Orv64f val, Orv64f* pDst, int len);
ORVS_API OrvStatus orvsDivC_64f_I(Orv64f val, Orv64f* pSrcDst, int len);
ORVS_API OrvStatus orvsDivC_32fc(const Orv32fc* pSrc, Orv32fc val, Orv32fc* pDst, int len);
ORVS_API OrvStatus orvsDivC_32fc_I(Orv32fc val, Orv32fc* pSrcDst, int len);
ORVS_API OrvStatus orvsDivC_64fc(const Orv64fc* pSrc, Orv64fc val, Orv64fc* pDst, int len);
ORVS_API OrvStatus orvsDivC_64fc_I(Orv64fc val, Orv64fc* pSrcDst, int len);

/* ---- constant / vector -------------------------------------------------- */
ORVS_API OrvStatus orvsDivCRev_16u(const Orv16u* pSrc, Orv16u val, Orv16u* pDst, int len);
ORVS_API OrvStatus orvsDivCRev_16u_I(Orv16u val, Orv16u* pSrcDst, int len);
ORVS_API OrvStatus orvsDivCRev_32f(const Orv32f* pSrc, Orv32f val, Orv32f* pDst, int len);
ORVS_API OrvStatus orvsDivCRev_32f_I(Orv32f val, Orv32f* pSrcDst, int len);

#ifdef __cplusplus
}
#endif
#endif /* ORVS_DIVISION_H */
