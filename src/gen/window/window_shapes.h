// Parameter shapes of the window entries; the in-place forms pass their one
// vector as source and destination.
#pragma once
#include "orvs/types.h"

#define ORVS_WIN(T) (const T* pSrc, T* pDst, int len), (pSrc, pDst, len)
#define ORVS_WIN_I(T) (T* pSrcDst, int len), (pSrcDst, pSrcDst, len)
#define ORVS_WIN_A(T, A) (const T* pSrc, T* pDst, int len, A alpha), (pSrc, pDst, len, alpha)
#define ORVS_WIN_A_I(T, A) (T* pSrcDst, int len, A alpha), (pSrcDst, pSrcDst, len, alpha)
#define ORVS_WIN_Q15(T) (const T* pSrc, T* pDst, int len, int alphaQ15), (pSrc, pDst, len, alphaQ15)
#define ORVS_WIN_Q15_I(T) (T* pSrcDst, int len, int alphaQ15), (pSrcDst, pSrcDst, len, alphaQ15)
