// Parameter shapes of the elementary-function entries: the typed parameter
// list and the argument list the implementation is called with.
#pragma once

#define ORVS_ELEM_SFS(TS, TD) (const TS* pSrc, TD* pDst, int len, int scaleFactor), (pSrc, pDst, len, scaleFactor)
#define ORVS_ELEM_ISFS(T) (T* pSrcDst, int len, int scaleFactor), (pSrcDst, pSrcDst, len, scaleFactor)
#define ORVS_ELEM_V(TS, TD) (const TS* pSrc, TD* pDst, int len), (pSrc, pDst, len)
#define ORVS_ELEM_I(T) (T* pSrcDst, int len), (pSrcDst, pSrcDst, len)
#define ORVS_ELEM_SUM(TS, TR) (const TS* pSrc, int len, TR* pSum), (pSrc, len, pSum)
