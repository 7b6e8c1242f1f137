// Parameter shapes of the complex entries. S is the source element type, D
// the destination's; the _LF shapes pass the length (and scale factor) first,
// followed by the destination for the scaled 16-bit drivers.
#pragma once
#include "orvs/types.h"

#define ORVS_CPLX_SD(S, D) (const S* pSrc, D* pDst, int len), (pSrc, pDst, len)
#define ORVS_CPLX_SD_LF(S, D) (const S* pSrc, D* pDst, int len), (len, pSrc, pDst)
#define ORVS_CPLX_RID_LF(S, D) (const S* pSrcRe, const S* pSrcIm, D* pDst, int len), (len, pSrcRe, pSrcIm, pDst)
#define ORVS_CPLX_SD_SFS(S, D) (const S* pSrc, D* pDst, int len, int scaleFactor), (pSrc, pDst, len, scaleFactor)
#define ORVS_CPLX_SD_SFS_LF(S, D) (const S* pSrc, D* pDst, int len, int scaleFactor), (len, scaleFactor, pDst, pSrc)
#define ORVS_CPLX_RID_SFS_LF(S, D) (const S* pSrcRe, const S* pSrcIm, D* pDst, int len, int scaleFactor), (len, scaleFactor, pDst, pSrcRe, pSrcIm)
#define ORVS_CPLX_I_LF(S) (S* pSrcDst, int len), (len, pSrcDst, pSrcDst)
#define ORVS_CPLX_VV(S) (const S* pSrc1, const S* pSrc2, S* pDst, int len), (pSrc1, pSrc2, pDst, len)
#define ORVS_CPLX_VV_I(S) (const S* pSrc, S* pSrcDst, int len), (pSrc, pSrcDst, pSrcDst, len)
#define ORVS_CPLX_VV_SFS(S) (const S* pSrc1, const S* pSrc2, S* pDst, int len, int scaleFactor), (pSrc1, pSrc2, pDst, len, scaleFactor)
#define ORVS_CPLX_VV_ISFS(S) (const S* pSrc, S* pSrcDst, int len, int scaleFactor), (pSrc, pSrcDst, pSrcDst, len, scaleFactor)
#define ORVS_CPLX_EXPAND(S, D) (const S* pSrc, D* pDst, int dstLen), (pSrc, pDst, dstLen)
#define ORVS_CPLX_EXPAND_I(S) (S* pSrcDst, int dstLen), (pSrcDst, pSrcDst, dstLen)
