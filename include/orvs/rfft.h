/* Real FFT of power-of-two length and the Pack, Perm and CCS spectrum layouts.

   The spectrum X[0..N/2] of a real signal of length N is stored as:
     CCS  (N + 2 values): Re X0, 0, Re X1, Im X1, ..., Re X(N/2-1), Im X(N/2-1), Re X(N/2), 0
     Pack (N values):     Re X0, Re X1, Im X1, ..., Re X(N/2-1), Im X(N/2-1), Re X(N/2)
     Perm (N values):     Re X0, Re X(N/2), Re X1, Im X1, ..., Re X(N/2-1), Im X(N/2-1)
   Records, normalisation flags, hints and work buffers work as for the complex
   FFT (fft.h). In-place forms (_I, _ISfs) take one array; for RToCCS it must
   hold N + 2 values. */
#ifndef ORVS_RFFT_H
#define ORVS_RFFT_H
#include "types.h"
#include "fft.h"

#ifdef __cplusplus
extern "C" {
#endif

/* ---- R_32f ---- */
ORVS_API OrvStatus orvsFFTGetSize_R_32f(int order, int flag, OrvHintAlgorithm hint, int* pSpecSize,
    int* pSpecBufferSize, int* pBufferSize);
ORVS_API OrvStatus orvsFFTInit_R_32f(OrvsFFTSpec_R_32f** ppSpec, int order, int flag, OrvHintAlgorithm hint,
    Orv8u* pMemSpec, Orv8u* pMemInit);
ORVS_API OrvStatus orvsFFTInitAlloc_R_32f(OrvsFFTSpec_R_32f** ppSpec, int order, int flag, OrvHintAlgorithm hint);
ORVS_API OrvStatus orvsFFTFree_R_32f(OrvsFFTSpec_R_32f* pSpec);
ORVS_API OrvStatus orvsFFTGetBufSize_R_32f(const OrvsFFTSpec_R_32f* pSpec, int* pBufferSize);
ORVS_API OrvStatus orvsFFTFwd_RToPack_32f(const Orv32f* pSrc, Orv32f* pDst, const OrvsFFTSpec_R_32f* pSpec,
    Orv8u* pBuffer);
ORVS_API OrvStatus orvsFFTFwd_RToPack_32f_I(Orv32f* pSrcDst, const OrvsFFTSpec_R_32f* pSpec, Orv8u* pBuffer);
ORVS_API OrvStatus orvsFFTFwd_RToPerm_32f(const Orv32f* pSrc, Orv32f* pDst, const OrvsFFTSpec_R_32f* pSpec,
    Orv8u* pBuffer);
ORVS_API OrvStatus orvsFFTFwd_RToPerm_32f_I(Orv32f* pSrcDst, const OrvsFFTSpec_R_32f* pSpec, Orv8u* pBuffer);
ORVS_API OrvStatus orvsFFTFwd_RToCCS_32f(const Orv32f* pSrc, Orv32f* pDst, const OrvsFFTSpec_R_32f* pSpec,
    Orv8u* pBuffer);
ORVS_API OrvStatus orvsFFTFwd_RToCCS_32f_I(Orv32f* pSrcDst, const OrvsFFTSpec_R_32f* pSpec, Orv8u* pBuffer);
ORVS_API OrvStatus orvsFFTInv_PackToR_32f(const Orv32f* pSrc, Orv32f* pDst, const OrvsFFTSpec_R_32f* pSpec,
    Orv8u* pBuffer);
ORVS_API OrvStatus orvsFFTInv_PackToR_32f_I(Orv32f* pSrcDst, const OrvsFFTSpec_R_32f* pSpec, Orv8u* pBuffer);
ORVS_API OrvStatus orvsFFTInv_PermToR_32f(const Orv32f* pSrc, Orv32f* pDst, const OrvsFFTSpec_R_32f* pSpec,
    Orv8u* pBuffer);
ORVS_API OrvStatus orvsFFTInv_PermToR_32f_I(Orv32f* pSrcDst, const OrvsFFTSpec_R_32f* pSpec, Orv8u* pBuffer);
ORVS_API OrvStatus orvsFFTInv_CCSToR_32f(const Orv32f* pSrc, Orv32f* pDst, const OrvsFFTSpec_R_32f* pSpec,
    Orv8u* pBuffer);
ORVS_API OrvStatus orvsFFTInv_CCSToR_32f_I(Orv32f* pSrcDst, const OrvsFFTSpec_R_32f* pSpec, Orv8u* pBuffer);

/* ---- R_64f ---- */
ORVS_API OrvStatus orvsFFTGetSize_R_64f(int order, int flag, OrvHintAlgorithm hint, int* pSpecSize,
    int* pSpecBufferSize, int* pBufferSize);
ORVS_API OrvStatus orvsFFTInit_R_64f(OrvsFFTSpec_R_64f** ppSpec, int order, int flag, OrvHintAlgorithm hint,
    Orv8u* pMemSpec, Orv8u* pMemInit);
ORVS_API OrvStatus orvsFFTInitAlloc_R_64f(OrvsFFTSpec_R_64f** ppSpec, int order, int flag, OrvHintAlgorithm hint);
ORVS_API OrvStatus orvsFFTFree_R_64f(OrvsFFTSpec_R_64f* pSpec);
ORVS_API OrvStatus orvsFFTGetBufSize_R_64f(const OrvsFFTSpec_R_64f* pSpec, int* pBufferSize);
ORVS_API OrvStatus orvsFFTFwd_RToPack_64f(const Orv64f* pSrc, Orv64f* pDst, const OrvsFFTSpec_R_64f* pSpec,
    Orv8u* pBuffer);
ORVS_API OrvStatus orvsFFTFwd_RToPack_64f_I(Orv64f* pSrcDst, const OrvsFFTSpec_R_64f* pSpec, Orv8u* pBuffer);
ORVS_API OrvStatus orvsFFTFwd_RToPerm_64f(const Orv64f* pSrc, Orv64f* pDst, const OrvsFFTSpec_R_64f* pSpec,
    Orv8u* pBuffer);
ORVS_API OrvStatus orvsFFTFwd_RToPerm_64f_I(Orv64f* pSrcDst, const OrvsFFTSpec_R_64f* pSpec, Orv8u* pBuffer);
ORVS_API OrvStatus orvsFFTFwd_RToCCS_64f(const Orv64f* pSrc, Orv64f* pDst, const OrvsFFTSpec_R_64f* pSpec,
    Orv8u* pBuffer);
ORVS_API OrvStatus orvsFFTFwd_RToCCS_64f_I(Orv64f* pSrcDst, const OrvsFFTSpec_R_64f* pSpec, Orv8u* pBuffer);
ORVS_API OrvStatus orvsFFTInv_PackToR_64f(const Orv64f* pSrc, Orv64f* pDst, const OrvsFFTSpec_R_64f* pSpec,
    Orv8u* pBuffer);
ORVS_API OrvStatus orvsFFTInv_PackToR_64f_I(Orv64f* pSrcDst, const OrvsFFTSpec_R_64f* pSpec, Orv8u* pBuffer);
ORVS_API OrvStatus orvsFFTInv_PermToR_64f(const Orv64f* pSrc, Orv64f* pDst, const OrvsFFTSpec_R_64f* pSpec,
    Orv8u* pBuffer);
ORVS_API OrvStatus orvsFFTInv_PermToR_64f_I(Orv64f* pSrcDst, const OrvsFFTSpec_R_64f* pSpec, Orv8u* pBuffer);
ORVS_API OrvStatus orvsFFTInv_CCSToR_64f(const Orv64f* pSrc, Orv64f* pDst, const OrvsFFTSpec_R_64f* pSpec,
    Orv8u* pBuffer);
ORVS_API OrvStatus orvsFFTInv_CCSToR_64f_I(Orv64f* pSrcDst, const OrvsFFTSpec_R_64f* pSpec, Orv8u* pBuffer);

/* ---- R_16s ---- */
ORVS_API OrvStatus orvsFFTGetSize_R_16s(int order, int flag, OrvHintAlgorithm hint, int* pSpecSize,
    int* pSpecBufferSize, int* pBufferSize);
ORVS_API OrvStatus orvsFFTInit_R_16s(OrvsFFTSpec_R_16s** ppSpec, int order, int flag, OrvHintAlgorithm hint,
    Orv8u* pMemSpec, Orv8u* pMemInit);
ORVS_API OrvStatus orvsFFTInitAlloc_R_16s(OrvsFFTSpec_R_16s** ppSpec, int order, int flag, OrvHintAlgorithm hint);
ORVS_API OrvStatus orvsFFTFree_R_16s(OrvsFFTSpec_R_16s* pSpec);
ORVS_API OrvStatus orvsFFTGetBufSize_R_16s(const OrvsFFTSpec_R_16s* pSpec, int* pBufferSize);
ORVS_API OrvStatus orvsFFTFwd_RToPack_16s_Sfs(const Orv16s* pSrc, Orv16s* pDst, const OrvsFFTSpec_R_16s* pSpec,
    int scaleFactor, Orv8u* pBuffer);
ORVS_API OrvStatus orvsFFTFwd_RToPack_16s_ISfs(Orv16s* pSrcDst, const OrvsFFTSpec_R_16s* pSpec, int scaleFactor,
    Orv8u* pBuffer);
ORVS_API OrvStatus orvsFFTFwd_RToPerm_16s_Sfs(const Orv16s* pSrc, Orv16s* pDst, const OrvsFFTSpec_R_16s* pSpec,
    int scaleFactor, Orv8u* pBuffer);
ORVS_API OrvStatus orvsFFTFwd_RToPerm_16s_ISfs(Orv16s* pSrcDst, const OrvsFFTSpec_R_16s* pSpec, int scaleFactor,
    Orv8u* pBuffer);
ORVS_API OrvStatus orvsFFTFwd_RToCCS_16s_Sfs(const Orv16s* pSrc, Orv16s* pDst, const OrvsFFTSpec_R_16s* pSpec,
    int scaleFactor, Orv8u* pBuffer);
ORVS_API OrvStatus orvsFFTFwd_RToCCS_16s_ISfs(Orv16s* pSrcDst, const OrvsFFTSpec_R_16s* pSpec, int scaleFactor,
    Orv8u* pBuffer);
ORVS_API OrvStatus orvsFFTInv_PackToR_16s_Sfs(const Orv16s* pSrc, Orv16s* pDst, const OrvsFFTSpec_R_16s* pSpec,
    int scaleFactor, Orv8u* pBuffer);
ORVS_API OrvStatus orvsFFTInv_PackToR_16s_ISfs(Orv16s* pSrcDst, const OrvsFFTSpec_R_16s* pSpec, int scaleFactor,
    Orv8u* pBuffer);
ORVS_API OrvStatus orvsFFTInv_PermToR_16s_Sfs(const Orv16s* pSrc, Orv16s* pDst, const OrvsFFTSpec_R_16s* pSpec,
    int scaleFactor, Orv8u* pBuffer);
ORVS_API OrvStatus orvsFFTInv_PermToR_16s_ISfs(Orv16s* pSrcDst, const OrvsFFTSpec_R_16s* pSpec, int scaleFactor,
    Orv8u* pBuffer);
ORVS_API OrvStatus orvsFFTInv_CCSToR_16s_Sfs(const Orv16s* pSrc, Orv16s* pDst, const OrvsFFTSpec_R_16s* pSpec,
    int scaleFactor, Orv8u* pBuffer);
ORVS_API OrvStatus orvsFFTInv_CCSToR_16s_ISfs(Orv16s* pSrcDst, const OrvsFFTSpec_R_16s* pSpec, int scaleFactor,
    Orv8u* pBuffer);

/* ---- R_32s ---- */
ORVS_API OrvStatus orvsFFTGetSize_R_32s(int order, int flag, OrvHintAlgorithm hint, int* pSpecSize,
    int* pSpecBufferSize, int* pBufferSize);
ORVS_API OrvStatus orvsFFTInit_R_32s(OrvsFFTSpec_R_32s** ppSpec, int order, int flag, OrvHintAlgorithm hint,
    Orv8u* pMemSpec, Orv8u* pMemInit);
ORVS_API OrvStatus orvsFFTInitAlloc_R_32s(OrvsFFTSpec_R_32s** ppSpec, int order, int flag, OrvHintAlgorithm hint);
ORVS_API OrvStatus orvsFFTFree_R_32s(OrvsFFTSpec_R_32s* pSpec);
ORVS_API OrvStatus orvsFFTGetBufSize_R_32s(const OrvsFFTSpec_R_32s* pSpec, int* pBufferSize);
ORVS_API OrvStatus orvsFFTFwd_RToPack_32s_Sfs(const Orv32s* pSrc, Orv32s* pDst, const OrvsFFTSpec_R_32s* pSpec,
    int scaleFactor, Orv8u* pBuffer);
ORVS_API OrvStatus orvsFFTFwd_RToPack_32s_ISfs(Orv32s* pSrcDst, const OrvsFFTSpec_R_32s* pSpec, int scaleFactor,
    Orv8u* pBuffer);
ORVS_API OrvStatus orvsFFTFwd_RToPerm_32s_Sfs(const Orv32s* pSrc, Orv32s* pDst, const OrvsFFTSpec_R_32s* pSpec,
    int scaleFactor, Orv8u* pBuffer);
ORVS_API OrvStatus orvsFFTFwd_RToPerm_32s_ISfs(Orv32s* pSrcDst, const OrvsFFTSpec_R_32s* pSpec, int scaleFactor,
    Orv8u* pBuffer);
ORVS_API OrvStatus orvsFFTFwd_RToCCS_32s_Sfs(const Orv32s* pSrc, Orv32s* pDst, const OrvsFFTSpec_R_32s* pSpec,
    int scaleFactor, Orv8u* pBuffer);
ORVS_API OrvStatus orvsFFTFwd_RToCCS_32s_ISfs(Orv32s* pSrcDst, const OrvsFFTSpec_R_32s* pSpec, int scaleFactor,
    Orv8u* pBuffer);
ORVS_API OrvStatus orvsFFTInv_PackToR_32s_Sfs(const Orv32s* pSrc, Orv32s* pDst, const OrvsFFTSpec_R_32s* pSpec,
    int scaleFactor, Orv8u* pBuffer);
ORVS_API OrvStatus orvsFFTInv_PackToR_32s_ISfs(Orv32s* pSrcDst, const OrvsFFTSpec_R_32s* pSpec, int scaleFactor,
    Orv8u* pBuffer);
ORVS_API OrvStatus orvsFFTInv_PermToR_32s_Sfs(const Orv32s* pSrc, Orv32s* pDst, const OrvsFFTSpec_R_32s* pSpec,
    int scaleFactor, Orv8u* pBuffer);
ORVS_API OrvStatus orvsFFTInv_PermToR_32s_ISfs(Orv32s* pSrcDst, const OrvsFFTSpec_R_32s* pSpec, int scaleFactor,
    Orv8u* pBuffer);
ORVS_API OrvStatus orvsFFTInv_CCSToR_32s_Sfs(const Orv32s* pSrc, Orv32s* pDst, const OrvsFFTSpec_R_32s* pSpec,
    int scaleFactor, Orv8u* pBuffer);
ORVS_API OrvStatus orvsFFTInv_CCSToR_32s_ISfs(Orv32s* pSrcDst, const OrvsFFTSpec_R_32s* pSpec, int scaleFactor,
    Orv8u* pBuffer);

/* ---- R_16s32s ---- */
ORVS_API OrvStatus orvsFFTGetSize_R_16s32s(int order, int flag, OrvHintAlgorithm hint, int* pSpecSize,
    int* pSpecBufferSize, int* pBufferSize);
ORVS_API OrvStatus orvsFFTInit_R_16s32s(OrvsFFTSpec_R_16s32s** ppSpec, int order, int flag, OrvHintAlgorithm hint,
    Orv8u* pMemSpec, Orv8u* pMemInit);
ORVS_API OrvStatus orvsFFTInitAlloc_R_16s32s(OrvsFFTSpec_R_16s32s** ppSpec, int order, int flag, OrvHintAlgorithm hint);
ORVS_API OrvStatus orvsFFTFree_R_16s32s(OrvsFFTSpec_R_16s32s* pSpec);
ORVS_API OrvStatus orvsFFTGetBufSize_R_16s32s(const OrvsFFTSpec_R_16s32s* pSpec, int* pBufferSize);
/* Forward: 16-bit signal to a 32-bit CCS spectrum; inverse: 32-bit CCS to a 16-bit signal. */
ORVS_API OrvStatus orvsFFTFwd_RToCCS_16s32s_Sfs(const Orv16s* pSrc, Orv32s* pDst, const OrvsFFTSpec_R_16s32s* pSpec,
    int scaleFactor, Orv8u* pBuffer);
ORVS_API OrvStatus orvsFFTInv_CCSToR_32s16s_Sfs(const Orv32s* pSrc, Orv16s* pDst, const OrvsFFTSpec_R_16s32s* pSpec,
    int scaleFactor, Orv8u* pBuffer);

#ifdef __cplusplus
}
#endif
#endif /* ORVS_RFFT_H */
