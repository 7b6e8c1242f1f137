// Parameter shapes of the division entries: the typed parameter list and the
// argument list the implementation is called with.
#pragma once

#define ORVS_DIVISION_VV_SFS(T) (const T* pSrc1, const T* pSrc2, T* pDst, int len, int scaleFactor), (pSrc1, pSrc2, pDst, len, scaleFactor)
#define ORVS_DIVISION_VV_ISFS(T) (const T* pSrc, T* pSrcDst, int len, int scaleFactor), (pSrc, pSrcDst, pSrcDst, len, scaleFactor)
#define ORVS_DIVISION_VC_SFS(T) (const T* pSrc, T val, T* pDst, int len, int scaleFactor), (pSrc, val, pDst, len, scaleFactor)
#define ORVS_DIVISION_VC_ISFS(T) (T val, T* pSrcDst, int len, int scaleFactor), (pSrcDst, val, pSrcDst, len, scaleFactor)
#define ORVS_DIVISION_VV(T) (const T* pSrc1, const T* pSrc2, T* pDst, int len), (pSrc1, pSrc2, pDst, len)
#define ORVS_DIVISION_VV_I(T) (const T* pSrc, T* pSrcDst, int len), (pSrc, pSrcDst, pSrcDst, len)
#define ORVS_DIVISION_VC(T) (const T* pSrc, T val, T* pDst, int len), (pSrc, val, pDst, len)
#define ORVS_DIVISION_VC_I(T) (T val, T* pSrcDst, int len), (pSrcDst, val, pSrcDst, len)
#define ORVS_DIVISION_V(T) (const T* pSrc, T* pDst, int len), (pSrc, pDst, len)
#define ORVS_DIVISION_V_I(T) (T* pSrcDst, int len), (pSrcDst, pSrcDst, len)
