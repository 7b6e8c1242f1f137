/* Complex-vector and packed-spectrum operations. */
#ifndef ORVS_COMPLEX_H
#define ORVS_COMPLEX_H
#include "types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Splitting and building ------------------------------------------- */

ORVS_API OrvStatus orvsReal_16sc(const Orv16sc* pSrc, Orv16s* pDstRe, int len);
ORVS_API OrvStatus orvsReal_32fc(const Orv32fc* pSrc, Orv32f* pDstRe, int len);
ORVS_API OrvStatus orvsReal_64fc(const Orv64fc* pSrc, Orv64f* pDstRe, int len);
ORVS_API OrvStatus orvsImag_16sc(const Orv16sc* pSrc, Orv16s* pDstIm, int len);
ORVS_API OrvStatus orvsImag_32fc(const Orv32fc* pSrc, Orv32f* pDstIm, int len);
ORVS_API OrvStatus orvsImag_64fc(const Orv64fc* pSrc, Orv64f* pDstIm, int len);
ORVS_API OrvStatus orvsCplxToReal_16sc(const Orv16sc* pSrc, Orv16s* pDstRe, Orv16s* pDstIm, int len);
ORVS_API OrvStatus orvsCplxToReal_32fc(const Orv32fc* pSrc, Orv32f* pDstRe, Orv32f* pDstIm, int len);
ORVS_API OrvStatus orvsCplxToReal_64fc(const Orv64fc* pSrc, Orv64f* pDstRe, Orv64f* pDstIm, int len);

/* Either source may be null and then counts as zeros (not both). */
ORVS_API OrvStatus orvsRealToCplx_16s(const Orv16s* pSrcRe, const Orv16s* pSrcIm, Orv16sc* pDst, int len);
ORVS_API OrvStatus orvsRealToCplx_32f(const Orv32f* pSrcRe, const Orv32f* pSrcIm, Orv32fc* pDst, int len);
ORVS_API OrvStatus orvsRealToCplx_64f(const Orv64f* pSrcRe, const Orv64f* pSrcIm, Orv64fc* pDst, int len);

/* Conjugation; the 16sc forms saturate -(-32768) to 32767. */
ORVS_API OrvStatus orvsConj_16sc(const Orv16sc* pSrc, Orv16sc* pDst, int len);
ORVS_API OrvStatus orvsConj_32fc(const Orv32fc* pSrc, Orv32fc* pDst, int len);
ORVS_API OrvStatus orvsConj_64fc(const Orv64fc* pSrc, Orv64fc* pDst, int len);
ORVS_API OrvStatus orvsConj_16sc_I(Orv16sc* pSrcDst, int len);
ORVS_API OrvStatus orvsConj_32fc_I(Orv32fc* pSrcDst, int len);
ORVS_API OrvStatus orvsConj_64fc_I(Orv64fc* pSrcDst, int len);
/* pDst[n] = conj(pSrc[len-1-n]). */
ORVS_API OrvStatus orvsConjFlip_16sc(const Orv16sc* pSrc, Orv16sc* pDst, int len);
ORVS_API OrvStatus orvsConjFlip_32fc(const Orv32fc* pSrc, Orv32fc* pDst, int len);
ORVS_API OrvStatus orvsConjFlip_64fc(const Orv64fc* pSrc, Orv64fc* pDst, int len);

/* ---- Magnitude, power and phase --------------------------------------- */

ORVS_API OrvStatus orvsMagnitude_32f(const Orv32f* pSrcRe, const Orv32f* pSrcIm, Orv32f* pDst, int len);
ORVS_API OrvStatus orvsMagnitude_64f(const Orv64f* pSrcRe, const Orv64f* pSrcIm, Orv64f* pDst, int len);
ORVS_API OrvStatus orvsMagnitude_32fc(const Orv32fc* pSrc, Orv32f* pDst, int len);
ORVS_API OrvStatus orvsMagnitude_64fc(const Orv64fc* pSrc, Orv64f* pDst, int len);
ORVS_API OrvStatus orvsMagnitude_16s32f(const Orv16s* pSrcRe, const Orv16s* pSrcIm, Orv32f* pDst, int len);
ORVS_API OrvStatus orvsMagnitude_16sc32f(const Orv16sc* pSrc, Orv32f* pDst, int len);
ORVS_API OrvStatus orvsMagnitude_16s_Sfs(const Orv16s* pSrcRe, const Orv16s* pSrcIm, Orv16s* pDst, int len,
                                         int scaleFactor);
ORVS_API OrvStatus orvsMagnitude_16sc_Sfs(const Orv16sc* pSrc, Orv16s* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsMagnitude_32sc_Sfs(const Orv32sc* pSrc, Orv32s* pDst, int len, int scaleFactor);

ORVS_API OrvStatus orvsMagSquared_32fc64f(const Orv32fc* pSrc, Orv64f* pDst, int len);
ORVS_API OrvStatus orvsMagSquared_32sc32s_Sfs(const Orv32sc* pSrc, Orv32s* pDst, int len, int scaleFactor);

ORVS_API OrvStatus orvsPowerSpectr_32f(const Orv32f* pSrcRe, const Orv32f* pSrcIm, Orv32f* pDst, int len);
ORVS_API OrvStatus orvsPowerSpectr_64f(const Orv64f* pSrcRe, const Orv64f* pSrcIm, Orv64f* pDst, int len);
ORVS_API OrvStatus orvsPowerSpectr_32fc(const Orv32fc* pSrc, Orv32f* pDst, int len);
ORVS_API OrvStatus orvsPowerSpectr_64fc(const Orv64fc* pSrc, Orv64f* pDst, int len);
ORVS_API OrvStatus orvsPowerSpectr_16s32f(const Orv16s* pSrcRe, const Orv16s* pSrcIm, Orv32f* pDst, int len);
ORVS_API OrvStatus orvsPowerSpectr_16sc32f(const Orv16sc* pSrc, Orv32f* pDst, int len);
ORVS_API OrvStatus orvsPowerSpectr_16s_Sfs(const Orv16s* pSrcRe, const Orv16s* pSrcIm, Orv16s* pDst, int len,
                                           int scaleFactor);
ORVS_API OrvStatus orvsPowerSpectr_16sc_Sfs(const Orv16sc* pSrc, Orv16s* pDst, int len, int scaleFactor);

/* atan2(im, re) in radians. */
ORVS_API OrvStatus orvsPhase_32f(const Orv32f* pSrcRe, const Orv32f* pSrcIm, Orv32f* pDst, int len);
ORVS_API OrvStatus orvsPhase_64f(const Orv64f* pSrcRe, const Orv64f* pSrcIm, Orv64f* pDst, int len);
ORVS_API OrvStatus orvsPhase_32fc(const Orv32fc* pSrc, Orv32f* pDst, int len);
ORVS_API OrvStatus orvsPhase_64fc(const Orv64fc* pSrc, Orv64f* pDst, int len);
ORVS_API OrvStatus orvsPhase_16s32f(const Orv16s* pSrcRe, const Orv16s* pSrcIm, Orv32f* pDst, int len);
ORVS_API OrvStatus orvsPhase_16sc32f(const Orv16sc* pSrc, Orv32f* pDst, int len);
ORVS_API OrvStatus orvsPhase_16s_Sfs(const Orv16s* pSrcRe, const Orv16s* pSrcIm, Orv16s* pDst, int len,
                                     int scaleFactor);
ORVS_API OrvStatus orvsPhase_16sc_Sfs(const Orv16sc* pSrc, Orv16s* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsPhase_32sc_Sfs(const Orv32sc* pSrc, Orv32s* pDst, int len, int scaleFactor);

ORVS_API OrvStatus orvsCartToPolar_32f(const Orv32f* pSrcRe, const Orv32f* pSrcIm, Orv32f* pDstMagn,
                                       Orv32f* pDstPhase, int len);
ORVS_API OrvStatus orvsCartToPolar_64f(const Orv64f* pSrcRe, const Orv64f* pSrcIm, Orv64f* pDstMagn,
                                       Orv64f* pDstPhase, int len);
ORVS_API OrvStatus orvsCartToPolar_32fc(const Orv32fc* pSrc, Orv32f* pDstMagn, Orv32f* pDstPhase, int len);
ORVS_API OrvStatus orvsCartToPolar_64fc(const Orv64fc* pSrc, Orv64f* pDstMagn, Orv64f* pDstPhase, int len);
ORVS_API OrvStatus orvsCartToPolar_16sc_Sfs(const Orv16sc* pSrc, Orv16s* pDstMagn, Orv16s* pDstPhase, int len,
                                            int magnScaleFactor, int phaseScaleFactor);

ORVS_API OrvStatus orvsPolarToCart_32f(const Orv32f* pSrcMagn, const Orv32f* pSrcPhase, Orv32f* pDstRe,
                                       Orv32f* pDstIm, int len);
ORVS_API OrvStatus orvsPolarToCart_64f(const Orv64f* pSrcMagn, const Orv64f* pSrcPhase, Orv64f* pDstRe,
                                       Orv64f* pDstIm, int len);
ORVS_API OrvStatus orvsPolarToCart_32fc(const Orv32f* pSrcMagn, const Orv32f* pSrcPhase, Orv32fc* pDst, int len);
ORVS_API OrvStatus orvsPolarToCart_64fc(const Orv64f* pSrcMagn, const Orv64f* pSrcPhase, Orv64fc* pDst, int len);
/* Phase in radians is pSrcPhase[n] * 2^-phaseFixedPoint. */
ORVS_API OrvStatus orvsPolarToCart_16sc(const Orv16s* pSrcMagn, const Orv16s* pSrcPhase, Orv16sc* pDst, int len,
                                        int phaseFixedPoint);
ORVS_API OrvStatus orvsPolarToCart_32sc(const Orv32s* pSrcMagn, const Orv32s* pSrcPhase, Orv32sc* pDst, int len,
                                        int phaseFixedPoint);
ORVS_API OrvStatus orvsPolarToCart_16sc_Sfs(const Orv16s* pSrcMagn, const Orv16s* pSrcPhase, Orv16sc* pDst,
                                            int len, int magnScaleFactor, int phaseScaleFactor);

/* ---- Packed real spectra (len is the real length N) ------------------- */

ORVS_API OrvStatus orvsMulPack_32f(const Orv32f* pSrc1, const Orv32f* pSrc2, Orv32f* pDst, int len);
ORVS_API OrvStatus orvsMulPack_64f(const Orv64f* pSrc1, const Orv64f* pSrc2, Orv64f* pDst, int len);
ORVS_API OrvStatus orvsMulPack_32f_I(const Orv32f* pSrc, Orv32f* pSrcDst, int len);
ORVS_API OrvStatus orvsMulPack_64f_I(const Orv64f* pSrc, Orv64f* pSrcDst, int len);
ORVS_API OrvStatus orvsMulPack_16s_Sfs(const Orv16s* pSrc1, const Orv16s* pSrc2, Orv16s* pDst, int len,
                                       int scaleFactor);
ORVS_API OrvStatus orvsMulPack_16s_ISfs(const Orv16s* pSrc, Orv16s* pSrcDst, int len, int scaleFactor);

ORVS_API OrvStatus orvsMulPerm_32f(const Orv32f* pSrc1, const Orv32f* pSrc2, Orv32f* pDst, int len);
ORVS_API OrvStatus orvsMulPerm_64f(const Orv64f* pSrc1, const Orv64f* pSrc2, Orv64f* pDst, int len);
ORVS_API OrvStatus orvsMulPerm_32f_I(const Orv32f* pSrc, Orv32f* pSrcDst, int len);
ORVS_API OrvStatus orvsMulPerm_64f_I(const Orv64f* pSrc, Orv64f* pSrcDst, int len);
ORVS_API OrvStatus orvsMulPerm_16s_Sfs(const Orv16s* pSrc1, const Orv16s* pSrc2, Orv16s* pDst, int len,
                                       int scaleFactor);
ORVS_API OrvStatus orvsMulPerm_16s_ISfs(const Orv16s* pSrc, Orv16s* pSrcDst, int len, int scaleFactor);

/* pSrcDst becomes pSrc times conj(pSrcDst), Pack layout. */
ORVS_API OrvStatus orvsMulPackConj_32f_I(const Orv32f* pSrc, Orv32f* pSrcDst, int len);
ORVS_API OrvStatus orvsMulPackConj_64f_I(const Orv64f* pSrc, Orv64f* pSrcDst, int len);

/* Expansion of a packed spectrum of N = lenDst real values into the full
   conjugate-symmetric complex spectrum of N values. The in-place forms read
   the packed data from the start of the N-element complex buffer. */
ORVS_API OrvStatus orvsConjPack_16sc(const Orv16s* pSrc, Orv16sc* pDst, int lenDst);
ORVS_API OrvStatus orvsConjPack_32fc(const Orv32f* pSrc, Orv32fc* pDst, int lenDst);
ORVS_API OrvStatus orvsConjPack_64fc(const Orv64f* pSrc, Orv64fc* pDst, int lenDst);
ORVS_API OrvStatus orvsConjPack_16sc_I(Orv16sc* pSrcDst, int lenDst);
ORVS_API OrvStatus orvsConjPack_32fc_I(Orv32fc* pSrcDst, int lenDst);
ORVS_API OrvStatus orvsConjPack_64fc_I(Orv64fc* pSrcDst, int lenDst);
ORVS_API OrvStatus orvsConjPerm_16sc(const Orv16s* pSrc, Orv16sc* pDst, int lenDst);
ORVS_API OrvStatus orvsConjPerm_32fc(const Orv32f* pSrc, Orv32fc* pDst, int lenDst);
ORVS_API OrvStatus orvsConjPerm_64fc(const Orv64f* pSrc, Orv64fc* pDst, int lenDst);
ORVS_API OrvStatus orvsConjPerm_16sc_I(Orv16sc* pSrcDst, int lenDst);
ORVS_API OrvStatus orvsConjPerm_32fc_I(Orv32fc* pSrcDst, int lenDst);
ORVS_API OrvStatus orvsConjPerm_64fc_I(Orv64fc* pSrcDst, int lenDst);
/* CCS input: N/2 + 1 complex values (rounded down). */
ORVS_API OrvStatus orvsConjCcs_16sc(const Orv16sc* pSrc, Orv16sc* pDst, int lenDst);
ORVS_API OrvStatus orvsConjCcs_32fc(const Orv32fc* pSrc, Orv32fc* pDst, int lenDst);
ORVS_API OrvStatus orvsConjCcs_64fc(const Orv64fc* pSrc, Orv64fc* pDst, int lenDst);
ORVS_API OrvStatus orvsConjCcs_16sc_I(Orv16sc* pSrcDst, int lenDst);
ORVS_API OrvStatus orvsConjCcs_32fc_I(Orv32fc* pSrcDst, int lenDst);
ORVS_API OrvStatus orvsConjCcs_64fc_I(Orv64fc* pSrcDst, int lenDst);

#ifdef __cplusplus
}
#endif
#endif /* ORVS_COMPLEX_H */
