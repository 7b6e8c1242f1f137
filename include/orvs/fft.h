/* Power-of-two complex FFT: transform records and transforms.

   A record is built once for an order (N = 2^order), a normalisation flag and
   an algorithm hint, with ...InitAlloc (library memory, released by ...Free)
   or ...GetSize + ...Init (caller memory, aligned up to 32 bytes inside it).
   Transforms only read the record: one record may serve concurrent calls that
   each pass their own work buffer (or none; a null buffer makes the call
   allocate one for its duration). The real-signal records are declared here
   as well; their functions are in rfft.h. */
#ifndef ORVS_FFT_H
#define ORVS_FFT_H
#include "types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Normalisation flags. */
#define ORV_FFT_NORM_FWD_N  1  /* forward multiplied by 1/N */
#define ORV_FFT_NORM_INV_N  2  /* inverse multiplied by 1/N */
#define ORV_FFT_NORM_SQRT_N 4  /* both multiplied by 1/sqrt(N) */
#define ORV_FFT_NORM_NONE   8  /* no normalisation */

/* Opaque transform records. */
typedef struct OrvsFFTSpec_C_16sc OrvsFFTSpec_C_16sc;
typedef struct OrvsFFTSpec_C_16s OrvsFFTSpec_C_16s;
typedef struct OrvsFFTSpec_R_16s OrvsFFTSpec_R_16s;
typedef struct OrvsFFTSpec_C_32fc OrvsFFTSpec_C_32fc;
typedef struct OrvsFFTSpec_C_32f OrvsFFTSpec_C_32f;
typedef struct OrvsFFTSpec_R_32f OrvsFFTSpec_R_32f;
typedef struct OrvsFFTSpec_C_64fc OrvsFFTSpec_C_64fc;
typedef struct OrvsFFTSpec_C_64f OrvsFFTSpec_C_64f;
typedef struct OrvsFFTSpec_R_64f OrvsFFTSpec_R_64f;
typedef struct OrvsFFTSpec_C_32sc OrvsFFTSpec_C_32sc;
typedef struct OrvsFFTSpec_C_32s OrvsFFTSpec_C_32s;
typedef struct OrvsFFTSpec_R_32s OrvsFFTSpec_R_32s;
typedef struct OrvsFFTSpec_R_16s32s OrvsFFTSpec_R_16s32s;

/* ---- C_16sc ---- */
ORVS_API OrvStatus orvsFFTGetSize_C_16sc(int order, int flag, OrvHintAlgorithm hint, int* pSpecSize,
    int* pSpecBufferSize, int* pBufferSize);
ORVS_API OrvStatus orvsFFTInit_C_16sc(OrvsFFTSpec_C_16sc** ppSpec, int order, int flag, OrvHintAlgorithm hint,
    Orv8u* pMemSpec, Orv8u* pMemInit);
ORVS_API OrvStatus orvsFFTInitAlloc_C_16sc(OrvsFFTSpec_C_16sc** ppSpec, int order, int flag, OrvHintAlgorithm hint);
ORVS_API OrvStatus orvsFFTFree_C_16sc(OrvsFFTSpec_C_16sc* pSpec);
ORVS_API OrvStatus orvsFFTGetBufSize_C_16sc(const OrvsFFTSpec_C_16sc* pSpec, int* pBufferSize);
ORVS_API OrvStatus orvsFFTFwd_CToC_16sc_Sfs(const Orv16sc* pSrc, Orv16sc* pDst, const OrvsFFTSpec_C_16sc* pSpec, int scaleFactor,
    Orv8u* pBuffer);
ORVS_API OrvStatus orvsFFTFwd_CToC_16sc_ISfs(Orv16sc* pSrcDst, const OrvsFFTSpec_C_16sc* pSpec, int scaleFactor, Orv8u* pBuffer);
ORVS_API OrvStatus orvsFFTInv_CToC_16sc_Sfs(const Orv16sc* pSrc, Orv16sc* pDst, const OrvsFFTSpec_C_16sc* pSpec, int scaleFactor,
    Orv8u* pBuffer);
ORVS_API OrvStatus orvsFFTInv_CToC_16sc_ISfs(Orv16sc* pSrcDst, const OrvsFFTSpec_C_16sc* pSpec, int scaleFactor, Orv8u* pBuffer);

/* ---- C_16s ---- */
ORVS_API OrvStatus orvsFFTGetSize_C_16s(int order, int flag, OrvHintAlgorithm hint, int* pSpecSize,
    int* pSpecBufferSize, int* pBufferSize);
ORVS_API OrvStatus orvsFFTInit_C_16s(OrvsFFTSpec_C_16s** ppSpec, int order, int flag, OrvHintAlgorithm hint,
    Orv8u* pMemSpec, Orv8u* pMemInit);
ORVS_API OrvStatus orvsFFTInitAlloc_C_16s(OrvsFFTSpec_C_16s** ppSpec, int order, int flag, OrvHintAlgorithm hint);
ORVS_API OrvStatus orvsFFTFree_C_16s(OrvsFFTSpec_C_16s* pSpec);
ORVS_API OrvStatus orvsFFTGetBufSize_C_16s(const OrvsFFTSpec_C_16s* pSpec, int* pBufferSize);
ORVS_API OrvStatus orvsFFTFwd_CToC_16s_Sfs(const Orv16s* pSrcRe, const Orv16s* pSrcIm, Orv16s* pDstRe,
    Orv16s* pDstIm, const OrvsFFTSpec_C_16s* pSpec, int scaleFactor, Orv8u* pBuffer);
ORVS_API OrvStatus orvsFFTFwd_CToC_16s_ISfs(Orv16s* pSrcDstRe, Orv16s* pSrcDstIm, const OrvsFFTSpec_C_16s* pSpec, int scaleFactor,
    Orv8u* pBuffer);
ORVS_API OrvStatus orvsFFTInv_CToC_16s_Sfs(const Orv16s* pSrcRe, const Orv16s* pSrcIm, Orv16s* pDstRe,
    Orv16s* pDstIm, const OrvsFFTSpec_C_16s* pSpec, int scaleFactor, Orv8u* pBuffer);
ORVS_API OrvStatus orvsFFTInv_CToC_16s_ISfs(Orv16s* pSrcDstRe, Orv16s* pSrcDstIm, const OrvsFFTSpec_C_16s* pSpec, int scaleFactor,
    Orv8u* pBuffer);

/* ---- C_32fc ---- */
ORVS_API OrvStatus orvsFFTGetSize_C_32fc(int order, int flag, OrvHintAlgorithm hint, int* pSpecSize,
    int* pSpecBufferSize, int* pBufferSize);
ORVS_API OrvStatus orvsFFTInit_C_32fc(OrvsFFTSpec_C_32fc** ppSpec, int order, int flag, OrvHintAlgorithm hint,
    Orv8u* pMemSpec, Orv8u* pMemInit);
ORVS_API OrvStatus orvsFFTInitAlloc_C_32fc(OrvsFFTSpec_C_32fc** ppSpec, int order, int flag, OrvHintAlgorithm hint);
ORVS_API OrvStatus orvsFFTFree_C_32fc(OrvsFFTSpec_C_32fc* pSpec);
ORVS_API OrvStatus orvsFFTGetBufSize_C_32fc(const OrvsFFTSpec_C_32fc* pSpec, int* pBufferSize);
ORVS_API OrvStatus orvsFFTFwd_CToC_32fc(const Orv32fc* pSrc, Orv32fc* pDst, const OrvsFFTSpec_C_32fc* pSpec, Orv8u* pBuffer);
ORVS_API OrvStatus orvsFFTFwd_CToC_32fc_I(Orv32fc* pSrcDst, const OrvsFFTSpec_C_32fc* pSpec, Orv8u* pBuffer);
ORVS_API OrvStatus orvsFFTInv_CToC_32fc(const Orv32fc* pSrc, Orv32fc* pDst, const OrvsFFTSpec_C_32fc* pSpec, Orv8u* pBuffer);
ORVS_API OrvStatus orvsFFTInv_CToC_32fc_I(Orv32fc* pSrcDst, const OrvsFFTSpec_C_32fc* pSpec, Orv8u* pBuffer);

/* ---- C_32f ---- */
ORVS_API OrvStatus orvsFFTGetSize_C_32f(int order, int flag, OrvHintAlgorithm hint, int* pSpecSize,
    int* pSpecBufferSize, int* pBufferSize);
ORVS_API OrvStatus orvsFFTInit_C_32f(OrvsFFTSpec_C_32f** ppSpec, int order, int flag, OrvHintAlgorithm hint,
    Orv8u* pMemSpec, Orv8u* pMemInit);
ORVS_API OrvStatus orvsFFTInitAlloc_C_32f(OrvsFFTSpec_C_32f** ppSpec, int order, int flag, OrvHintAlgorithm hint);
ORVS_API OrvStatus orvsFFTFree_C_32f(OrvsFFTSpec_C_32f* pSpec);
ORVS_API OrvStatus orvsFFTGetBufSize_C_32f(const OrvsFFTSpec_C_32f* pSpec, int* pBufferSize);
ORVS_API OrvStatus orvsFFTFwd_CToC_32f(const Orv32f* pSrcRe, const Orv32f* pSrcIm, Orv32f* pDstRe, Orv32f* pDstIm,
    const OrvsFFTSpec_C_32f* pSpec, Orv8u* pBuffer);
ORVS_API OrvStatus orvsFFTFwd_CToC_32f_I(Orv32f* pSrcDstRe, Orv32f* pSrcDstIm, const OrvsFFTSpec_C_32f* pSpec, Orv8u* pBuffer);
ORVS_API OrvStatus orvsFFTInv_CToC_32f(const Orv32f* pSrcRe, const Orv32f* pSrcIm, Orv32f* pDstRe, Orv32f* pDstIm,
    const OrvsFFTSpec_C_32f* pSpec, Orv8u* pBuffer);
ORVS_API OrvStatus orvsFFTInv_CToC_32f_I(Orv32f* pSrcDstRe, Orv32f* pSrcDstIm, const OrvsFFTSpec_C_32f* pSpec, Orv8u* pBuffer);

/* ---- C_64fc ---- */
ORVS_API OrvStatus orvsFFTGetSize_C_64fc(int order, int flag, OrvHintAlgorithm hint, int* pSpecSize,
    int* pSpecBufferSize, int* pBufferSize);
ORVS_API OrvStatus orvsFFTInit_C_64fc(OrvsFFTSpec_C_64fc** ppSpec, int order, int flag, OrvHintAlgorithm hint,
    Orv8u* pMemSpec, Orv8u* pMemInit);
ORVS_API OrvStatus orvsFFTInitAlloc_C_64fc(OrvsFFTSpec_C_64fc** ppSpec, int order, int flag, OrvHintAlgorithm hint);
ORVS_API OrvStatus orvsFFTFree_C_64fc(OrvsFFTSpec_C_64fc* pSpec);
ORVS_API OrvStatus orvsFFTGetBufSize_C_64fc(const OrvsFFTSpec_C_64fc* pSpec, int* pBufferSize);
ORVS_API OrvStatus orvsFFTFwd_CToC_64fc(const Orv64fc* pSrc, Orv64fc* pDst, const OrvsFFTSpec_C_64fc* pSpec, Orv8u* pBuffer);
ORVS_API OrvStatus orvsFFTFwd_CToC_64fc_I(Orv64fc* pSrcDst, const OrvsFFTSpec_C_64fc* pSpec, Orv8u* pBuffer);
ORVS_API OrvStatus orvsFFTInv_CToC_64fc(const Orv64fc* pSrc, Orv64fc* pDst, const OrvsFFTSpec_C_64fc* pSpec, Orv8u* pBuffer);
ORVS_API OrvStatus orvsFFTInv_CToC_64fc_I(Orv64fc* pSrcDst, const OrvsFFTSpec_C_64fc* pSpec, Orv8u* pBuffer);

/* ---- C_64f ---- */
ORVS_API OrvStatus orvsFFTGetSize_C_64f(int order, int flag, OrvHintAlgorithm hint, int* pSpecSize,
    int* pSpecBufferSize, int* pBufferSize);
ORVS_API OrvStatus orvsFFTInit_C_64f(OrvsFFTSpec_C_64f** ppSpec, int order, int flag, OrvHintAlgorithm hint,
    Orv8u* pMemSpec, Orv8u* pMemInit);
ORVS_API OrvStatus orvsFFTInitAlloc_C_64f(OrvsFFTSpec_C_64f** ppSpec, int order, int flag, OrvHintAlgorithm hint);
ORVS_API OrvStatus orvsFFTFree_C_64f(OrvsFFTSpec_C_64f* pSpec);
ORVS_API OrvStatus orvsFFTGetBufSize_C_64f(const OrvsFFTSpec_C_64f* pSpec, int* pBufferSize);
ORVS_API OrvStatus orvsFFTFwd_CToC_64f(const Orv64f* pSrcRe, const Orv64f* pSrcIm, Orv64f* pDstRe, Orv64f* pDstIm,
    const OrvsFFTSpec_C_64f* pSpec, Orv8u* pBuffer);
ORVS_API OrvStatus orvsFFTFwd_CToC_64f_I(Orv64f* pSrcDstRe, Orv64f* pSrcDstIm, const OrvsFFTSpec_C_64f* pSpec, Orv8u* pBuffer);
ORVS_API OrvStatus orvsFFTInv_CToC_64f(const Orv64f* pSrcRe, const Orv64f* pSrcIm, Orv64f* pDstRe, Orv64f* pDstIm,
    const OrvsFFTSpec_C_64f* pSpec, Orv8u* pBuffer);
ORVS_API OrvStatus orvsFFTInv_CToC_64f_I(Orv64f* pSrcDstRe, Orv64f* pSrcDstIm, const OrvsFFTSpec_C_64f* pSpec, Orv8u* pBuffer);

/* ---- C_32sc ---- */
ORVS_API OrvStatus orvsFFTGetSize_C_32sc(int order, int flag, OrvHintAlgorithm hint, int* pSpecSize,
    int* pSpecBufferSize, int* pBufferSize);
ORVS_API OrvStatus orvsFFTInit_C_32sc(OrvsFFTSpec_C_32sc** ppSpec, int order, int flag, OrvHintAlgorithm hint,
    Orv8u* pMemSpec, Orv8u* pMemInit);
ORVS_API OrvStatus orvsFFTInitAlloc_C_32sc(OrvsFFTSpec_C_32sc** ppSpec, int order, int flag, OrvHintAlgorithm hint);
ORVS_API OrvStatus orvsFFTFree_C_32sc(OrvsFFTSpec_C_32sc* pSpec);
ORVS_API OrvStatus orvsFFTGetBufSize_C_32sc(const OrvsFFTSpec_C_32sc* pSpec, int* pBufferSize);
ORVS_API OrvStatus orvsFFTFwd_CToC_32sc_Sfs(const Orv32sc* pSrc, Orv32sc* pDst, const OrvsFFTSpec_C_32sc* pSpec, int scaleFactor,
    Orv8u* pBuffer);
ORVS_API OrvStatus orvsFFTFwd_CToC_32sc_ISfs(Orv32sc* pSrcDst, const OrvsFFTSpec_C_32sc* pSpec, int scaleFactor, Orv8u* pBuffer);
ORVS_API OrvStatus orvsFFTInv_CToC_32sc_Sfs(const Orv32sc* pSrc, Orv32sc* pDst, const OrvsFFTSpec_C_32sc* pSpec, int scaleFactor,
    Orv8u* pBuffer);
ORVS_API OrvStatus orvsFFTInv_CToC_32sc_ISfs(Orv32sc* pSrcDst, const OrvsFFTSpec_C_32sc* pSpec, int scaleFactor, Orv8u* pBuffer);

/* ---- C_32s ---- */
ORVS_API OrvStatus orvsFFTGetSize_C_32s(int order, int flag, OrvHintAlgorithm hint, int* pSpecSize,
    int* pSpecBufferSize, int* pBufferSize);
ORVS_API OrvStatus orvsFFTInit_C_32s(OrvsFFTSpec_C_32s** ppSpec, int order, int flag, OrvHintAlgorithm hint,
    Orv8u* pMemSpec, Orv8u* pMemInit);
ORVS_API OrvStatus orvsFFTInitAlloc_C_32s(OrvsFFTSpec_C_32s** ppSpec, int order, int flag, OrvHintAlgorithm hint);
ORVS_API OrvStatus orvsFFTFree_C_32s(OrvsFFTSpec_C_32s* pSpec);
ORVS_API OrvStatus orvsFFTGetBufSize_C_32s(const OrvsFFTSpec_C_32s* pSpec, int* pBufferSize);
ORVS_API OrvStatus orvsFFTFwd_CToC_32s_Sfs(const Orv32s* pSrcRe, const Orv32s* pSrcIm, Orv32s* pDstRe,
    Orv32s* pDstIm, const OrvsFFTSpec_C_32s* pSpec, int scaleFactor, Orv8u* pBuffer);
ORVS_API OrvStatus orvsFFTFwd_CToC_32s_ISfs(Orv32s* pSrcDstRe, Orv32s* pSrcDstIm, const OrvsFFTSpec_C_32s* pSpec, int scaleFactor,
    Orv8u* pBuffer);
ORVS_API OrvStatus orvsFFTInv_CToC_32s_Sfs(const Orv32s* pSrcRe, const Orv32s* pSrcIm, Orv32s* pDstRe,
    Orv32s* pDstIm, const OrvsFFTSpec_C_32s* pSpec, int scaleFactor, Orv8u* pBuffer);
ORVS_API OrvStatus orvsFFTInv_CToC_32s_ISfs(Orv32s* pSrcDstRe, Orv32s* pSrcDstIm, const OrvsFFTSpec_C_32s* pSpec, int scaleFactor,
    Orv8u* pBuffer);

#ifdef __cplusplus
}
#endif
#endif /* ORVS_FFT_H */
