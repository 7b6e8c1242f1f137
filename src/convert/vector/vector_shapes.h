// Parameter shapes of the vector entries.
#pragma once
#include "orvs/types.h"

#define ORVS_VEC_SD(T) (const T* pSrc, T* pDst, int len), (pSrc, pDst, len)
#define ORVS_VEC_D(T) (T* pDst, int len), (pDst, len)
#define ORVS_VEC_I(T) (T* pSrcDst, int len), (pSrcDst, len)
#define ORVS_VEC_SET(T) (T val, T* pDst, int len), (val, pDst, len)
#define ORVS_VEC_JAEHNE(T) (T* pDst, int len, T magn), (pDst, len, magn)
#define ORVS_VEC_RAMP(T) (T* pDst, int len, Orv32f offset, Orv32f slope), (pDst, len, offset, slope)
#define ORVS_VEC_SLOPE(T) (T* pDst, int len, Orv64f offset, Orv64f slope), (pDst, len, offset, slope)
// nChannels channels of chanLen samples, through an array of channel pointers.
#define ORVS_VEC_JOIN(C, I) \
    (const C* const* pSrc, int nChannels, int chanLen, I* pDst), (pSrc, nChannels, chanLen, pDst)
#define ORVS_VEC_SPLIT(I, C) \
    (const I* pSrc, C* const* pDst, int nChannels, int chanLen), (pSrc, pDst, nChannels, chanLen)
