// Parameter shapes of the bitwise entries.
#pragma once
#include "orvs/types.h"

#define ORVS_BITS_VV(T) (const T* pSrc1, const T* pSrc2, T* pDst, int len), (pSrc1, pSrc2, pDst, len)
#define ORVS_BITS_VV_I(T) (const T* pSrc, T* pSrcDst, int len), (pSrc, pSrcDst, pSrcDst, len)
#define ORVS_BITS_VC(T, C) (const T* pSrc, C val, T* pDst, int len), (pSrc, val, pDst, len)
#define ORVS_BITS_VC_I(T, C) (C val, T* pSrcDst, int len), (val, pSrcDst, len)
#define ORVS_BITS_V(T) (const T* pSrc, T* pDst, int len), (pSrc, pDst, len)
#define ORVS_BITS_V_I(T) (T* pSrcDst, int len), (pSrcDst, len)
