// Parameter shapes of the scaled arithmetic entries: the typed parameter list and the
// argument list the implementation is called with.
#pragma once

#define ORVS_SCALED_VV_SFS(T) (const T* pSrc1, const T* pSrc2, T* pDst, int len, int scaleFactor), (pSrc1, pSrc2, pDst, len, scaleFactor)
#define ORVS_SCALED_VV_ISFS(T) (const T* pSrc, T* pSrcDst, int len, int scaleFactor), (pSrc, pSrcDst, pSrcDst, len, scaleFactor)
#define ORVS_SCALED_VC_SFS(T) (const T* pSrc, T val, T* pDst, int len, int scaleFactor), (pSrc, val, pDst, len, scaleFactor)
#define ORVS_SCALED_VC_ISFS(T) (T val, T* pSrcDst, int len, int scaleFactor), (pSrcDst, val, pSrcDst, len, scaleFactor)
#define ORVS_SCALED_VV(T) (const T* pSrc1, const T* pSrc2, T* pDst, int len), (pSrc1, pSrc2, pDst, len)
#define ORVS_SCALED_VV_I(T) (const T* pSrc, T* pSrcDst, int len), (pSrc, pSrcDst, pSrcDst, len)
#define ORVS_SCALED_VC(T) (const T* pSrc, T val, T* pDst, int len), (pSrc, val, pDst, len)
#define ORVS_SCALED_VC_I(T) (T val, T* pSrcDst, int len), (pSrcDst, val, pSrcDst, len)
#define ORVS_SCALED_V(T) (const T* pSrc, T* pDst, int len), (pSrc, pDst, len)
#define ORVS_SCALED_V_I(T) (T* pSrcDst, int len), (pSrcDst, pSrcDst, len)
