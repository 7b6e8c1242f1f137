// Parameter shapes of the threshold entries: T is the element type, L the
// type of its levels (the real type of a complex element). The _I shapes
// pass the one vector as source and destination; the _FWD shapes keep the
// arguments as they are, for entries that forward to another entry.
#pragma once
#include "orvs/types.h"

#define ORVS_THR(T, L) (const T* pSrc, T* pDst, int len, L level), (pSrc, pDst, len, level)
#define ORVS_THR_I(T, L) (T* pSrcDst, int len, L level), (pSrcDst, pSrcDst, len, level)
#define ORVS_THR_I_FWD(T, L) (T* pSrcDst, int len, L level), (pSrcDst, len, level)
#define ORVS_THR_REL(T, L) (const T* pSrc, T* pDst, int len, L level, OrvCmpOp relOp), (pSrc, pDst, len, level, relOp)
#define ORVS_THR_REL_I(T, L) (T* pSrcDst, int len, L level, OrvCmpOp relOp), (pSrcDst, pSrcDst, len, level, relOp)
#define ORVS_THR_VAL(T, L) (const T* pSrc, T* pDst, int len, L level, T value), (pSrc, pDst, len, level, value)
#define ORVS_THR_VAL_I(T, L) (T* pSrcDst, int len, L level, T value), (pSrcDst, pSrcDst, len, level, value)
#define ORVS_THR_2(T) (const T* pSrc, T* pDst, int len, T levelLT, T valueLT, T levelGT, T valueGT), \
    (pSrc, pDst, len, levelLT, valueLT, levelGT, valueGT)
#define ORVS_THR_2_I(T) (T* pSrcDst, int len, T levelLT, T valueLT, T levelGT, T valueGT), \
    (pSrcDst, pSrcDst, len, levelLT, valueLT, levelGT, valueGT)
