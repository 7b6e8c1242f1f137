// Parameter shapes of the conversion entries: a source and a destination of
// len elements, then the rounding mode and the scale factor where present.
// The _U shapes take an unsigned length.
#pragma once
#include "orvs/types.h"

#define ORVS_CVT(S, D) (const S* pSrc, D* pDst, int len), (pSrc, pDst, len)
#define ORVS_CVT_U(S, D) (const S* pSrc, D* pDst, Orv32u len), (pSrc, pDst, len)
#define ORVS_CVT_SFS(S, D) (const S* pSrc, D* pDst, int len, int scaleFactor), (pSrc, pDst, len, scaleFactor)
#define ORVS_CVT_RND(S, D) (const S* pSrc, D* pDst, int len, OrvRoundMode rndMode), (pSrc, pDst, len, rndMode)
#define ORVS_CVT_RND_SFS(S, D)                                              \
    (const S* pSrc, D* pDst, int len, OrvRoundMode rndMode, int scaleFactor), \
        (pSrc, pDst, len, rndMode, scaleFactor)
#define ORVS_CVT_RND_SFS_U(S, D)                                               \
    (const S* pSrc, D* pDst, Orv32u len, OrvRoundMode rndMode, int scaleFactor), \
        (pSrc, pDst, len, rndMode, scaleFactor)
