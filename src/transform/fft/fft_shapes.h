// Parameter shapes of the FFT entry lists (complex here, real in
// rfft/rfft_entries.def): the lifecycle of a record type S and the
// transforms over element type T.
#pragma once
#include "orvs/fft.h"
#include "orvs/rfft.h"

#define ORVS_FFT_GETSIZE                                                                                   \
    (int order, int flag, OrvHintAlgorithm hint, int* pSpecSize, int* pSpecBufferSize, int* pBufferSize), \
        (order, flag, hint, pSpecSize, pSpecBufferSize, pBufferSize)
#define ORVS_FFT_INIT(S)                                                                                  \
    (S** ppSpecOut, int order, int flag, OrvHintAlgorithm hint, Orv8u* pMemSpec, Orv8u* pMemInitOpt), \
        (ppSpecOut, order, flag, hint, pMemSpec, pMemInitOpt)
#define ORVS_FFT_INITALLOC(S) \
    (S** ppSpecOut, int order, int flag, OrvHintAlgorithm hint), (ppSpecOut, order, flag, hint)
#define ORVS_FFT_FREE(S) (S* pSpec), (pSpec)
#define ORVS_FFT_BUFSIZE(S) (const S* pSpec, int* pBufferSize), (pSpec, pBufferSize)

// Interleaved (or real) source to destination, and in place.
#define ORVS_FFT_VV(T, S) \
    (const T* pSrc, T* pDst, const S* pSpec, Orv8u* pBufferOpt), (pSrc, pDst, pSpec, pBufferOpt)
#define ORVS_FFT_I(T, S) (T* pSrcDst, const S* pSpec, Orv8u* pBufferOpt), (pSrcDst, pSpec, pBufferOpt)
#define ORVS_FFT_VV_SFS(T, S)                                                    \
    (const T* pSrc, T* pDst, const S* pSpec, int scaleFactor, Orv8u* pBufferOpt), \
        (pSrc, pDst, pSpec, scaleFactor, pBufferOpt)
#define ORVS_FFT_I_SFS(T, S) \
    (T* pSrcDst, const S* pSpec, int scaleFactor, Orv8u* pBufferOpt), (pSrcDst, pSpec, scaleFactor, pBufferOpt)
// Split real and imaginary arrays.
#define ORVS_FFT_SPLIT(T, S)                                                                                  \
    (const T* pSrcRe, const T* pSrcIm, T* pDstRe, T* pDstIm, const S* pSpec, Orv8u* pBufferOpt),            \
        (pSrcRe, pSrcIm, pDstRe, pDstIm, pSpec, pBufferOpt)
#define ORVS_FFT_SPLIT_I(T, S) \
    (T* pSrcDstRe, T* pSrcDstIm, const S* pSpec, Orv8u* pBufferOpt), (pSrcDstRe, pSrcDstIm, pSpec, pBufferOpt)
#define ORVS_FFT_SPLIT_SFS(T, S)                                                                                  \
    (const T* pSrcRe, const T* pSrcIm, T* pDstRe, T* pDstIm, const S* pSpec, int scaleFactor, Orv8u* pBufferOpt), \
        (pSrcRe, pSrcIm, pDstRe, pDstIm, pSpec, scaleFactor, pBufferOpt)
#define ORVS_FFT_SPLIT_I_SFS(T, S)                                                 \
    (T* pSrcDstRe, T* pSrcDstIm, const S* pSpec, int scaleFactor, Orv8u* pBufferOpt), \
        (pSrcDstRe, pSrcDstIm, pSpec, scaleFactor, pBufferOpt)
