/* FIR filters: state records, direct and FFT-based filtering.
 *
 * y[n] = sum over k = 0 .. tapsLen-1 of h[k] * x[n-k]. Taps are in natural
 * order; the caller's delay line holds x[-1], x[-2], ..., x[-tapsLen] (most
 * recent first). The type code after FIR names the taps, the one after the
 * underscore the data (orvsFIR32f_16s_Sfs: Orv32f taps, Orv16s data). */
#ifndef ORVS_FIR_H
#define ORVS_FIR_H
#include "types.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct OrvsFIRState_32f OrvsFIRState_32f;
typedef struct OrvsFIRState_32fc OrvsFIRState_32fc;
typedef struct OrvsFIRState32f_16s OrvsFIRState32f_16s;
typedef struct OrvsFIRState32fc_16sc OrvsFIRState32fc_16sc;
typedef struct OrvsFIRState_64f OrvsFIRState_64f;
typedef struct OrvsFIRState_64fc OrvsFIRState_64fc;
typedef struct OrvsFIRState64f_32f OrvsFIRState64f_32f;
typedef struct OrvsFIRState64fc_32fc OrvsFIRState64fc_32fc;
typedef struct OrvsFIRState64f_32s OrvsFIRState64f_32s;
typedef struct OrvsFIRState64fc_32sc OrvsFIRState64fc_32sc;
typedef struct OrvsFIRState64f_16s OrvsFIRState64f_16s;
typedef struct OrvsFIRState64fc_16sc OrvsFIRState64fc_16sc;
/* The 32-bit integer taps family keeps a 64f_32s state. */
typedef struct OrvsFIRState64f_32s OrvsFIRState_32s;

/* ---- 32f ---- */
ORVS_API OrvStatus orvsFIRGetStateSize_32f(int tapsLen, int* pStateSize);
ORVS_API OrvStatus orvsFIRInit_32f(OrvsFIRState_32f** ppState, const Orv32f* pTaps, int tapsLen, const Orv32f* pDlyLine,
    Orv8u* pBuffer);
ORVS_API OrvStatus orvsFIRInitAlloc_32f(OrvsFIRState_32f** ppState, const Orv32f* pTaps, int tapsLen, const Orv32f* pDlyLine);
ORVS_API OrvStatus orvsFIRFree_32f(OrvsFIRState_32f* pState);
ORVS_API OrvStatus orvsFIRGetTaps_32f(const OrvsFIRState_32f* pState, Orv32f* pTaps);
ORVS_API OrvStatus orvsFIRSetTaps_32f(const Orv32f* pTaps, OrvsFIRState_32f* pState);
ORVS_API OrvStatus orvsFIRGetDlyLine_32f(const OrvsFIRState_32f* pState, Orv32f* pDlyLine);
ORVS_API OrvStatus orvsFIRSetDlyLine_32f(OrvsFIRState_32f* pState, const Orv32f* pDlyLine);
ORVS_API OrvStatus orvsFIROne_32f(Orv32f src, Orv32f* pDstVal, OrvsFIRState_32f* pState);
ORVS_API OrvStatus orvsFIR_32f(const Orv32f* pSrc, Orv32f* pDst, int numIters, OrvsFIRState_32f* pState);
ORVS_API OrvStatus orvsFIR_32f_I(Orv32f* pSrcDst, int numIters, OrvsFIRState_32f* pState);

/* ---- 32fc ---- */
ORVS_API OrvStatus orvsFIRGetStateSize_32fc(int tapsLen, int* pStateSize);
ORVS_API OrvStatus orvsFIRInit_32fc(OrvsFIRState_32fc** ppState, const Orv32fc* pTaps, int tapsLen, const Orv32fc* pDlyLine,
    Orv8u* pBuffer);
ORVS_API OrvStatus orvsFIRInitAlloc_32fc(OrvsFIRState_32fc** ppState, const Orv32fc* pTaps, int tapsLen, const Orv32fc* pDlyLine);
ORVS_API OrvStatus orvsFIRFree_32fc(OrvsFIRState_32fc* pState);
ORVS_API OrvStatus orvsFIRGetTaps_32fc(const OrvsFIRState_32fc* pState, Orv32fc* pTaps);
ORVS_API OrvStatus orvsFIRSetTaps_32fc(const Orv32fc* pTaps, OrvsFIRState_32fc* pState);
ORVS_API OrvStatus orvsFIRGetDlyLine_32fc(const OrvsFIRState_32fc* pState, Orv32fc* pDlyLine);
ORVS_API OrvStatus orvsFIRSetDlyLine_32fc(OrvsFIRState_32fc* pState, const Orv32fc* pDlyLine);
ORVS_API OrvStatus orvsFIROne_32fc(Orv32fc src, Orv32fc* pDstVal, OrvsFIRState_32fc* pState);
ORVS_API OrvStatus orvsFIR_32fc(const Orv32fc* pSrc, Orv32fc* pDst, int numIters, OrvsFIRState_32fc* pState);
ORVS_API OrvStatus orvsFIR_32fc_I(Orv32fc* pSrcDst, int numIters, OrvsFIRState_32fc* pState);

/* ---- 32f_16s ---- */
ORVS_API OrvStatus orvsFIRGetStateSize32f_16s(int tapsLen, int* pStateSize);
ORVS_API OrvStatus orvsFIRInit32f_16s(OrvsFIRState32f_16s** ppState, const Orv32f* pTaps, int tapsLen, const Orv16s* pDlyLine,
    Orv8u* pBuffer);
ORVS_API OrvStatus orvsFIRInitAlloc32f_16s(OrvsFIRState32f_16s** ppState, const Orv32f* pTaps, int tapsLen, const Orv16s* pDlyLine);
ORVS_API OrvStatus orvsFIRFree32f_16s(OrvsFIRState32f_16s* pState);
ORVS_API OrvStatus orvsFIRGetTaps32f_16s(const OrvsFIRState32f_16s* pState, Orv32f* pTaps);
ORVS_API OrvStatus orvsFIRSetTaps32f_16s(const Orv32f* pTaps, OrvsFIRState32f_16s* pState);
ORVS_API OrvStatus orvsFIRGetDlyLine32f_16s(const OrvsFIRState32f_16s* pState, Orv16s* pDlyLine);
ORVS_API OrvStatus orvsFIRSetDlyLine32f_16s(OrvsFIRState32f_16s* pState, const Orv16s* pDlyLine);
ORVS_API OrvStatus orvsFIROne32f_16s_Sfs(Orv16s src, Orv16s* pDstVal, OrvsFIRState32f_16s* pState, int scaleFactor);
ORVS_API OrvStatus orvsFIR32f_16s_Sfs(const Orv16s* pSrc, Orv16s* pDst, int numIters, OrvsFIRState32f_16s* pState,
    int scaleFactor);
ORVS_API OrvStatus orvsFIR32f_16s_ISfs(Orv16s* pSrcDst, int numIters, OrvsFIRState32f_16s* pState, int scaleFactor);

/* ---- 32fc_16sc ---- */
ORVS_API OrvStatus orvsFIRGetStateSize32fc_16sc(int tapsLen, int* pStateSize);
ORVS_API OrvStatus orvsFIRInit32fc_16sc(OrvsFIRState32fc_16sc** ppState, const Orv32fc* pTaps, int tapsLen, const Orv16sc* pDlyLine,
    Orv8u* pBuffer);
ORVS_API OrvStatus orvsFIRInitAlloc32fc_16sc(OrvsFIRState32fc_16sc** ppState, const Orv32fc* pTaps, int tapsLen, const Orv16sc* pDlyLine);
ORVS_API OrvStatus orvsFIRFree32fc_16sc(OrvsFIRState32fc_16sc* pState);
ORVS_API OrvStatus orvsFIRGetTaps32fc_16sc(const OrvsFIRState32fc_16sc* pState, Orv32fc* pTaps);
ORVS_API OrvStatus orvsFIRSetTaps32fc_16sc(const Orv32fc* pTaps, OrvsFIRState32fc_16sc* pState);
ORVS_API OrvStatus orvsFIRGetDlyLine32fc_16sc(const OrvsFIRState32fc_16sc* pState, Orv16sc* pDlyLine);
ORVS_API OrvStatus orvsFIRSetDlyLine32fc_16sc(OrvsFIRState32fc_16sc* pState, const Orv16sc* pDlyLine);
ORVS_API OrvStatus orvsFIROne32fc_16sc_Sfs(Orv16sc src, Orv16sc* pDstVal, OrvsFIRState32fc_16sc* pState, int scaleFactor);
ORVS_API OrvStatus orvsFIR32fc_16sc_Sfs(const Orv16sc* pSrc, Orv16sc* pDst, int numIters, OrvsFIRState32fc_16sc* pState,
    int scaleFactor);
ORVS_API OrvStatus orvsFIR32fc_16sc_ISfs(Orv16sc* pSrcDst, int numIters, OrvsFIRState32fc_16sc* pState, int scaleFactor);

/* ---- 64f ---- */
ORVS_API OrvStatus orvsFIRGetStateSize_64f(int tapsLen, int* pStateSize);
ORVS_API OrvStatus orvsFIRInit_64f(OrvsFIRState_64f** ppState, const Orv64f* pTaps, int tapsLen, const Orv64f* pDlyLine,
    Orv8u* pBuffer);
ORVS_API OrvStatus orvsFIRInitAlloc_64f(OrvsFIRState_64f** ppState, const Orv64f* pTaps, int tapsLen, const Orv64f* pDlyLine);
ORVS_API OrvStatus orvsFIRFree_64f(OrvsFIRState_64f* pState);
ORVS_API OrvStatus orvsFIRGetTaps_64f(const OrvsFIRState_64f* pState, Orv64f* pTaps);
ORVS_API OrvStatus orvsFIRSetTaps_64f(const Orv64f* pTaps, OrvsFIRState_64f* pState);
ORVS_API OrvStatus orvsFIRGetDlyLine_64f(const OrvsFIRState_64f* pState, Orv64f* pDlyLine);
ORVS_API OrvStatus orvsFIRSetDlyLine_64f(OrvsFIRState_64f* pState, const Orv64f* pDlyLine);
ORVS_API OrvStatus orvsFIROne_64f(Orv64f src, Orv64f* pDstVal, OrvsFIRState_64f* pState);
ORVS_API OrvStatus orvsFIR_64f(const Orv64f* pSrc, Orv64f* pDst, int numIters, OrvsFIRState_64f* pState);
ORVS_API OrvStatus orvsFIR_64f_I(Orv64f* pSrcDst, int numIters, OrvsFIRState_64f* pState);

/* ---- 64fc ---- */
ORVS_API OrvStatus orvsFIRGetStateSize_64fc(int tapsLen, int* pStateSize);
ORVS_API OrvStatus orvsFIRInit_64fc(OrvsFIRState_64fc** ppState, const Orv64fc* pTaps, int tapsLen, const Orv64fc* pDlyLine,
    Orv8u* pBuffer);
ORVS_API OrvStatus orvsFIRInitAlloc_64fc(OrvsFIRState_64fc** ppState, const Orv64fc* pTaps, int tapsLen, const Orv64fc* pDlyLine);
ORVS_API OrvStatus orvsFIRFree_64fc(OrvsFIRState_64fc* pState);
ORVS_API OrvStatus orvsFIRGetTaps_64fc(const OrvsFIRState_64fc* pState, Orv64fc* pTaps);
ORVS_API OrvStatus orvsFIRSetTaps_64fc(const Orv64fc* pTaps, OrvsFIRState_64fc* pState);
ORVS_API OrvStatus orvsFIRGetDlyLine_64fc(const OrvsFIRState_64fc* pState, Orv64fc* pDlyLine);
ORVS_API OrvStatus orvsFIRSetDlyLine_64fc(OrvsFIRState_64fc* pState, const Orv64fc* pDlyLine);
ORVS_API OrvStatus orvsFIROne_64fc(Orv64fc src, Orv64fc* pDstVal, OrvsFIRState_64fc* pState);
ORVS_API OrvStatus orvsFIR_64fc(const Orv64fc* pSrc, Orv64fc* pDst, int numIters, OrvsFIRState_64fc* pState);
ORVS_API OrvStatus orvsFIR_64fc_I(Orv64fc* pSrcDst, int numIters, OrvsFIRState_64fc* pState);

/* ---- 64f_32f ---- */
ORVS_API OrvStatus orvsFIRGetStateSize64f_32f(int tapsLen, int* pStateSize);
ORVS_API OrvStatus orvsFIRInit64f_32f(OrvsFIRState64f_32f** ppState, const Orv64f* pTaps, int tapsLen, const Orv32f* pDlyLine,
    Orv8u* pBuffer);
ORVS_API OrvStatus orvsFIRInitAlloc64f_32f(OrvsFIRState64f_32f** ppState, const Orv64f* pTaps, int tapsLen, const Orv32f* pDlyLine);
ORVS_API OrvStatus orvsFIRFree64f_32f(OrvsFIRState64f_32f* pState);
ORVS_API OrvStatus orvsFIRGetTaps64f_32f(const OrvsFIRState64f_32f* pState, Orv64f* pTaps);
ORVS_API OrvStatus orvsFIRSetTaps64f_32f(const Orv64f* pTaps, OrvsFIRState64f_32f* pState);
ORVS_API OrvStatus orvsFIRGetDlyLine64f_32f(const OrvsFIRState64f_32f* pState, Orv32f* pDlyLine);
ORVS_API OrvStatus orvsFIRSetDlyLine64f_32f(OrvsFIRState64f_32f* pState, const Orv32f* pDlyLine);
ORVS_API OrvStatus orvsFIROne64f_32f(Orv32f src, Orv32f* pDstVal, OrvsFIRState64f_32f* pState);
ORVS_API OrvStatus orvsFIR64f_32f(const Orv32f* pSrc, Orv32f* pDst, int numIters, OrvsFIRState64f_32f* pState);
ORVS_API OrvStatus orvsFIR64f_32f_I(Orv32f* pSrcDst, int numIters, OrvsFIRState64f_32f* pState);

/* ---- 64fc_32fc ---- */
ORVS_API OrvStatus orvsFIRGetStateSize64fc_32fc(int tapsLen, int* pStateSize);
ORVS_API OrvStatus orvsFIRInit64fc_32fc(OrvsFIRState64fc_32fc** ppState, const Orv64fc* pTaps, int tapsLen, const Orv32fc* pDlyLine,
    Orv8u* pBuffer);
ORVS_API OrvStatus orvsFIRInitAlloc64fc_32fc(OrvsFIRState64fc_32fc** ppState, const Orv64fc* pTaps, int tapsLen, const Orv32fc* pDlyLine);
ORVS_API OrvStatus orvsFIRFree64fc_32fc(OrvsFIRState64fc_32fc* pState);
ORVS_API OrvStatus orvsFIRGetTaps64fc_32fc(const OrvsFIRState64fc_32fc* pState, Orv64fc* pTaps);
ORVS_API OrvStatus orvsFIRSetTaps64fc_32fc(const Orv64fc* pTaps, OrvsFIRState64fc_32fc* pState);
ORVS_API OrvStatus orvsFIRGetDlyLine64fc_32fc(const OrvsFIRState64fc_32fc* pState, Orv32fc* pDlyLine);
ORVS_API OrvStatus orvsFIRSetDlyLine64fc_32fc(OrvsFIRState64fc_32fc* pState, const Orv32fc* pDlyLine);
ORVS_API OrvStatus orvsFIROne64fc_32fc(Orv32fc src, Orv32fc* pDstVal, OrvsFIRState64fc_32fc* pState);
ORVS_API OrvStatus orvsFIR64fc_32fc(const Orv32fc* pSrc, Orv32fc* pDst, int numIters, OrvsFIRState64fc_32fc* pState);
ORVS_API OrvStatus orvsFIR64fc_32fc_I(Orv32fc* pSrcDst, int numIters, OrvsFIRState64fc_32fc* pState);

/* ---- 64f_32s ---- */
ORVS_API OrvStatus orvsFIRGetStateSize64f_32s(int tapsLen, int* pStateSize);
ORVS_API OrvStatus orvsFIRInit64f_32s(OrvsFIRState64f_32s** ppState, const Orv64f* pTaps, int tapsLen, const Orv32s* pDlyLine,
    Orv8u* pBuffer);
ORVS_API OrvStatus orvsFIRInitAlloc64f_32s(OrvsFIRState64f_32s** ppState, const Orv64f* pTaps, int tapsLen, const Orv32s* pDlyLine);
ORVS_API OrvStatus orvsFIRFree64f_32s(OrvsFIRState64f_32s* pState);
ORVS_API OrvStatus orvsFIRGetTaps64f_32s(const OrvsFIRState64f_32s* pState, Orv64f* pTaps);
ORVS_API OrvStatus orvsFIRSetTaps64f_32s(const Orv64f* pTaps, OrvsFIRState64f_32s* pState);
ORVS_API OrvStatus orvsFIRGetDlyLine64f_32s(const OrvsFIRState64f_32s* pState, Orv32s* pDlyLine);
ORVS_API OrvStatus orvsFIRSetDlyLine64f_32s(OrvsFIRState64f_32s* pState, const Orv32s* pDlyLine);
ORVS_API OrvStatus orvsFIROne64f_32s_Sfs(Orv32s src, Orv32s* pDstVal, OrvsFIRState64f_32s* pState, int scaleFactor);
ORVS_API OrvStatus orvsFIR64f_32s_Sfs(const Orv32s* pSrc, Orv32s* pDst, int numIters, OrvsFIRState64f_32s* pState,
    int scaleFactor);
ORVS_API OrvStatus orvsFIR64f_32s_ISfs(Orv32s* pSrcDst, int numIters, OrvsFIRState64f_32s* pState, int scaleFactor);

/* ---- 64fc_32sc ---- */
ORVS_API OrvStatus orvsFIRGetStateSize64fc_32sc(int tapsLen, int* pStateSize);
ORVS_API OrvStatus orvsFIRInit64fc_32sc(OrvsFIRState64fc_32sc** ppState, const Orv64fc* pTaps, int tapsLen, const Orv32sc* pDlyLine,
    Orv8u* pBuffer);
ORVS_API OrvStatus orvsFIRInitAlloc64fc_32sc(OrvsFIRState64fc_32sc** ppState, const Orv64fc* pTaps, int tapsLen, const Orv32sc* pDlyLine);
ORVS_API OrvStatus orvsFIRFree64fc_32sc(OrvsFIRState64fc_32sc* pState);
ORVS_API OrvStatus orvsFIRGetTaps64fc_32sc(const OrvsFIRState64fc_32sc* pState, Orv64fc* pTaps);
ORVS_API OrvStatus orvsFIRSetTaps64fc_32sc(const Orv64fc* pTaps, OrvsFIRState64fc_32sc* pState);
ORVS_API OrvStatus orvsFIRGetDlyLine64fc_32sc(const OrvsFIRState64fc_32sc* pState, Orv32sc* pDlyLine);
ORVS_API OrvStatus orvsFIRSetDlyLine64fc_32sc(OrvsFIRState64fc_32sc* pState, const Orv32sc* pDlyLine);
ORVS_API OrvStatus orvsFIROne64fc_32sc_Sfs(Orv32sc src, Orv32sc* pDstVal, OrvsFIRState64fc_32sc* pState, int scaleFactor);
ORVS_API OrvStatus orvsFIR64fc_32sc_Sfs(const Orv32sc* pSrc, Orv32sc* pDst, int numIters, OrvsFIRState64fc_32sc* pState,
    int scaleFactor);
ORVS_API OrvStatus orvsFIR64fc_32sc_ISfs(Orv32sc* pSrcDst, int numIters, OrvsFIRState64fc_32sc* pState, int scaleFactor);

/* ---- 64f_16s ---- */
ORVS_API OrvStatus orvsFIRGetStateSize64f_16s(int tapsLen, int* pStateSize);
ORVS_API OrvStatus orvsFIRInit64f_16s(OrvsFIRState64f_16s** ppState, const Orv64f* pTaps, int tapsLen, const Orv16s* pDlyLine,
    Orv8u* pBuffer);
ORVS_API OrvStatus orvsFIRInitAlloc64f_16s(OrvsFIRState64f_16s** ppState, const Orv64f* pTaps, int tapsLen, const Orv16s* pDlyLine);
ORVS_API OrvStatus orvsFIRFree64f_16s(OrvsFIRState64f_16s* pState);
ORVS_API OrvStatus orvsFIRGetTaps64f_16s(const OrvsFIRState64f_16s* pState, Orv64f* pTaps);
ORVS_API OrvStatus orvsFIRSetTaps64f_16s(const Orv64f* pTaps, OrvsFIRState64f_16s* pState);
ORVS_API OrvStatus orvsFIRGetDlyLine64f_16s(const OrvsFIRState64f_16s* pState, Orv16s* pDlyLine);
ORVS_API OrvStatus orvsFIRSetDlyLine64f_16s(OrvsFIRState64f_16s* pState, const Orv16s* pDlyLine);
ORVS_API OrvStatus orvsFIROne64f_16s_Sfs(Orv16s src, Orv16s* pDstVal, OrvsFIRState64f_16s* pState, int scaleFactor);
ORVS_API OrvStatus orvsFIR64f_16s_Sfs(const Orv16s* pSrc, Orv16s* pDst, int numIters, OrvsFIRState64f_16s* pState,
    int scaleFactor);
ORVS_API OrvStatus orvsFIR64f_16s_ISfs(Orv16s* pSrcDst, int numIters, OrvsFIRState64f_16s* pState, int scaleFactor);

/* ---- 64fc_16sc ---- */
ORVS_API OrvStatus orvsFIRGetStateSize64fc_16sc(int tapsLen, int* pStateSize);
ORVS_API OrvStatus orvsFIRInit64fc_16sc(OrvsFIRState64fc_16sc** ppState, const Orv64fc* pTaps, int tapsLen, const Orv16sc* pDlyLine,
    Orv8u* pBuffer);
ORVS_API OrvStatus orvsFIRInitAlloc64fc_16sc(OrvsFIRState64fc_16sc** ppState, const Orv64fc* pTaps, int tapsLen, const Orv16sc* pDlyLine);
ORVS_API OrvStatus orvsFIRFree64fc_16sc(OrvsFIRState64fc_16sc* pState);
ORVS_API OrvStatus orvsFIRGetTaps64fc_16sc(const OrvsFIRState64fc_16sc* pState, Orv64fc* pTaps);
ORVS_API OrvStatus orvsFIRSetTaps64fc_16sc(const Orv64fc* pTaps, OrvsFIRState64fc_16sc* pState);
ORVS_API OrvStatus orvsFIRGetDlyLine64fc_16sc(const OrvsFIRState64fc_16sc* pState, Orv16sc* pDlyLine);
ORVS_API OrvStatus orvsFIRSetDlyLine64fc_16sc(OrvsFIRState64fc_16sc* pState, const Orv16sc* pDlyLine);
ORVS_API OrvStatus orvsFIROne64fc_16sc_Sfs(Orv16sc src, Orv16sc* pDstVal, OrvsFIRState64fc_16sc* pState, int scaleFactor);
ORVS_API OrvStatus orvsFIR64fc_16sc_Sfs(const Orv16sc* pSrc, Orv16sc* pDst, int numIters, OrvsFIRState64fc_16sc* pState,
    int scaleFactor);
ORVS_API OrvStatus orvsFIR64fc_16sc_ISfs(Orv16sc* pSrcDst, int numIters, OrvsFIRState64fc_16sc* pState, int scaleFactor);

/* ---- 32s: 32-bit integer taps, no FFT path ---- */
ORVS_API OrvStatus orvsFIRInit_32s(OrvsFIRState_32s** ppState, const Orv32s* pTaps, int tapsLen, const Orv32s* pDlyLine,
    Orv8u* pBuffer);
ORVS_API OrvStatus orvsFIR_32s_Sfs(const Orv32s* pSrc, Orv32s* pDst, int numIters, OrvsFIRState_32s* pState,
    int scaleFactor);

#ifdef __cplusplus
}
#endif
#endif /* ORVS_FIR_H */
