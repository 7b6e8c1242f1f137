/* IIR filters: AR and biquad cascades, transposed direct form II and DF1.
 *
 * A state record holds the normalised taps, the delay line and the work
 * buffers of one filter; it is placed in caller memory by ...Init (at least
 * ...GetStateSize bytes) or allocated by ...InitAlloc, and ended by ...Free.
 * Taps: AR b0..bN, a0..aN; biquad and DF1 b0 b1 b2 a0 a1 a2 per section.
 * Delay lines: AR d0..d(N-1); biquad d0 d1 per section (transposed form II);
 * DF1 x[n-2] x[n-1] y[n-2] y[n-1] per section. A null delay line means zeros.
 */
#ifndef ORVS_IIR_H
#define ORVS_IIR_H
#include "types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* One state type per precision pair (internal type, sample type). */
typedef struct OrvsIIRState_32f OrvsIIRState_32f;
typedef struct OrvsIIRState_32fc OrvsIIRState_32fc;
typedef struct OrvsIIRState32f_16s OrvsIIRState32f_16s;
typedef struct OrvsIIRState32fc_16sc OrvsIIRState32fc_16sc;
typedef struct OrvsIIRState32s_16s OrvsIIRState32s_16s;
typedef struct OrvsIIRState32sc_16sc OrvsIIRState32sc_16sc;
typedef struct OrvsIIRState_64f OrvsIIRState_64f;
typedef struct OrvsIIRState_64fc OrvsIIRState_64fc;
typedef struct OrvsIIRState64f_32f OrvsIIRState64f_32f;
typedef struct OrvsIIRState64fc_32fc OrvsIIRState64fc_32fc;
typedef struct OrvsIIRState64f_32s OrvsIIRState64f_32s;
typedef struct OrvsIIRState64fc_32sc OrvsIIRState64fc_32sc;
typedef struct OrvsIIRState64f_16s OrvsIIRState64f_16s;
typedef struct OrvsIIRState64fc_16sc OrvsIIRState64fc_16sc;

/* ---- OrvsIIRState_32f: creation per form, then the shared entries */
ORVS_API OrvStatus orvsIIRGetStateSize_32f(int order, int* pSize);
ORVS_API OrvStatus orvsIIRInit_32f(OrvsIIRState_32f** ppState, const Orv32f* pTaps, int order, const Orv32f* pDlyLineOpt, Orv8u* pBuf);
ORVS_API OrvStatus orvsIIRInitAlloc_32f(OrvsIIRState_32f** ppState, const Orv32f* pTaps, int order, const Orv32f* pDlyLineOpt);
ORVS_API OrvStatus orvsIIRGetStateSize_BiQuad_32f(int numBq, int* pSize);
ORVS_API OrvStatus orvsIIRInit_BiQuad_32f(OrvsIIRState_32f** ppState, const Orv32f* pTaps, int numBq, const Orv32f* pDlyLineOpt, Orv8u* pBuf);
ORVS_API OrvStatus orvsIIRInitAlloc_BiQuad_32f(OrvsIIRState_32f** ppState, const Orv32f* pTaps, int numBq, const Orv32f* pDlyLineOpt);
ORVS_API OrvStatus orvsIIRGetStateSize_BiQuad_DF1_32f(int numBq, int* pSize);
ORVS_API OrvStatus orvsIIRInit_BiQuad_DF1_32f(OrvsIIRState_32f** ppState, const Orv32f* pTaps, int numBq, const Orv32f* pDlyLineOpt, Orv8u* pBuf);
ORVS_API OrvStatus orvsIIRInitAlloc_BiQuad_DF1_32f(OrvsIIRState_32f** ppState, const Orv32f* pTaps, int numBq, const Orv32f* pDlyLineOpt);
ORVS_API OrvStatus orvsIIRFree_32f(OrvsIIRState_32f* pState);
ORVS_API OrvStatus orvsIIRGetDlyLine_32f(const OrvsIIRState_32f* pState, Orv32f* pDlyLine);
ORVS_API OrvStatus orvsIIRSetDlyLine_32f(OrvsIIRState_32f* pState, const Orv32f* pDlyLineOpt);
ORVS_API OrvStatus orvsIIRSetTaps_32f(const Orv32f* pTaps, OrvsIIRState_32f* pState);
ORVS_API OrvStatus orvsIIR_32f(const Orv32f* pSrc, Orv32f* pDst, int len, OrvsIIRState_32f* pState);
ORVS_API OrvStatus orvsIIR_32f_I(Orv32f* pSrcDst, int len, OrvsIIRState_32f* pState);
ORVS_API OrvStatus orvsIIROne_32f(Orv32f src, Orv32f* pDstVal, OrvsIIRState_32f* pState);

/* ---- OrvsIIRState32f_16s: creation per form, then the shared entries */
ORVS_API OrvStatus orvsIIRGetStateSize32f_16s(int order, int* pSize);
ORVS_API OrvStatus orvsIIRInit32f_16s(OrvsIIRState32f_16s** ppState, const Orv32f* pTaps, int order, const Orv32f* pDlyLineOpt, Orv8u* pBuf);
ORVS_API OrvStatus orvsIIRInitAlloc32f_16s(OrvsIIRState32f_16s** ppState, const Orv32f* pTaps, int order, const Orv32f* pDlyLineOpt);
ORVS_API OrvStatus orvsIIRGetStateSize32f_BiQuad_16s(int numBq, int* pSize);
ORVS_API OrvStatus orvsIIRInit32f_BiQuad_16s(OrvsIIRState32f_16s** ppState, const Orv32f* pTaps, int numBq, const Orv32f* pDlyLineOpt, Orv8u* pBuf);
ORVS_API OrvStatus orvsIIRInitAlloc32f_BiQuad_16s(OrvsIIRState32f_16s** ppState, const Orv32f* pTaps, int numBq, const Orv32f* pDlyLineOpt);
ORVS_API OrvStatus orvsIIRFree32f_16s(OrvsIIRState32f_16s* pState);
ORVS_API OrvStatus orvsIIRGetDlyLine32f_16s(const OrvsIIRState32f_16s* pState, Orv32f* pDlyLine);
ORVS_API OrvStatus orvsIIRSetDlyLine32f_16s(OrvsIIRState32f_16s* pState, const Orv32f* pDlyLineOpt);
ORVS_API OrvStatus orvsIIRSetTaps32f_16s(const Orv32f* pTaps, OrvsIIRState32f_16s* pState);
ORVS_API OrvStatus orvsIIR32f_16s_Sfs(const Orv16s* pSrc, Orv16s* pDst, int len, OrvsIIRState32f_16s* pState, int scaleFactor);
ORVS_API OrvStatus orvsIIR32f_16s_ISfs(Orv16s* pSrcDst, int len, OrvsIIRState32f_16s* pState, int scaleFactor);
ORVS_API OrvStatus orvsIIROne32f_16s_Sfs(Orv16s src, Orv16s* pDstVal, OrvsIIRState32f_16s* pState, int scaleFactor);

/* ---- OrvsIIRState32s_16s: creation per form, then the shared entries */
ORVS_API OrvStatus orvsIIRGetStateSize32s_16s(int order, int* pSize);
ORVS_API OrvStatus orvsIIRInit32s_16s(OrvsIIRState32s_16s** ppState, const Orv32s* pTaps, int order, int tapsFactor, const Orv32f* pDlyLineOpt, Orv8u* pBuf);
ORVS_API OrvStatus orvsIIRInitAlloc32s_16s(OrvsIIRState32s_16s** ppState, const Orv32s* pTaps, int order, int tapsFactor, const Orv32f* pDlyLineOpt);
ORVS_API OrvStatus orvsIIRGetStateSize32s_BiQuad_16s(int numBq, int* pSize);
ORVS_API OrvStatus orvsIIRInit32s_BiQuad_16s(OrvsIIRState32s_16s** ppState, const Orv32s* pTaps, int numBq, int tapsFactor, const Orv32f* pDlyLineOpt, Orv8u* pBuf);
ORVS_API OrvStatus orvsIIRInitAlloc32s_BiQuad_16s(OrvsIIRState32s_16s** ppState, const Orv32s* pTaps, int numBq, int tapsFactor, const Orv32f* pDlyLineOpt);
ORVS_API OrvStatus orvsIIRGetStateSize32s_16s32f(int order, int* pSize);
ORVS_API OrvStatus orvsIIRInit32s_16s32f(OrvsIIRState32s_16s** ppState, const Orv32f* pTaps, int order, const Orv32f* pDlyLineOpt, Orv8u* pBuf);
ORVS_API OrvStatus orvsIIRInitAlloc32s_16s32f(OrvsIIRState32s_16s** ppState, const Orv32f* pTaps, int order, const Orv32f* pDlyLineOpt);
ORVS_API OrvStatus orvsIIRGetStateSize32s_BiQuad_16s32f(int numBq, int* pSize);
ORVS_API OrvStatus orvsIIRInit32s_BiQuad_16s32f(OrvsIIRState32s_16s** ppState, const Orv32f* pTaps, int numBq, const Orv32f* pDlyLineOpt, Orv8u* pBuf);
ORVS_API OrvStatus orvsIIRInitAlloc32s_BiQuad_16s32f(OrvsIIRState32s_16s** ppState, const Orv32f* pTaps, int numBq, const Orv32f* pDlyLineOpt);
ORVS_API OrvStatus orvsIIRFree32s_16s(OrvsIIRState32s_16s* pState);
ORVS_API OrvStatus orvsIIRGetDlyLine32s_16s(const OrvsIIRState32s_16s* pState, Orv32f* pDlyLine);
ORVS_API OrvStatus orvsIIRSetDlyLine32s_16s(OrvsIIRState32s_16s* pState, const Orv32f* pDlyLineOpt);
ORVS_API OrvStatus orvsIIRSetTaps32s_16s(const Orv32s* pTaps, OrvsIIRState32s_16s* pState, int tapsFactor);
ORVS_API OrvStatus orvsIIR32s_16s_Sfs(const Orv16s* pSrc, Orv16s* pDst, int len, OrvsIIRState32s_16s* pState, int scaleFactor);
ORVS_API OrvStatus orvsIIR32s_16s_ISfs(Orv16s* pSrcDst, int len, OrvsIIRState32s_16s* pState, int scaleFactor);
ORVS_API OrvStatus orvsIIROne32s_16s_Sfs(Orv16s src, Orv16s* pDstVal, OrvsIIRState32s_16s* pState, int scaleFactor);

/* ---- OrvsIIRState_32fc: creation per form, then the shared entries */
ORVS_API OrvStatus orvsIIRGetStateSize_32fc(int order, int* pSize);
ORVS_API OrvStatus orvsIIRInit_32fc(OrvsIIRState_32fc** ppState, const Orv32fc* pTaps, int order, const Orv32fc* pDlyLineOpt, Orv8u* pBuf);
ORVS_API OrvStatus orvsIIRInitAlloc_32fc(OrvsIIRState_32fc** ppState, const Orv32fc* pTaps, int order, const Orv32fc* pDlyLineOpt);
ORVS_API OrvStatus orvsIIRGetStateSize_BiQuad_32fc(int numBq, int* pSize);
ORVS_API OrvStatus orvsIIRInit_BiQuad_32fc(OrvsIIRState_32fc** ppState, const Orv32fc* pTaps, int numBq, const Orv32fc* pDlyLineOpt, Orv8u* pBuf);
ORVS_API OrvStatus orvsIIRInitAlloc_BiQuad_32fc(OrvsIIRState_32fc** ppState, const Orv32fc* pTaps, int numBq, const Orv32fc* pDlyLineOpt);
ORVS_API OrvStatus orvsIIRFree_32fc(OrvsIIRState_32fc* pState);
ORVS_API OrvStatus orvsIIRGetDlyLine_32fc(const OrvsIIRState_32fc* pState, Orv32fc* pDlyLine);
ORVS_API OrvStatus orvsIIRSetDlyLine_32fc(OrvsIIRState_32fc* pState, const Orv32fc* pDlyLineOpt);
ORVS_API OrvStatus orvsIIRSetTaps_32fc(const Orv32fc* pTaps, OrvsIIRState_32fc* pState);
ORVS_API OrvStatus orvsIIR_32fc(const Orv32fc* pSrc, Orv32fc* pDst, int len, OrvsIIRState_32fc* pState);
ORVS_API OrvStatus orvsIIR_32fc_I(Orv32fc* pSrcDst, int len, OrvsIIRState_32fc* pState);
ORVS_API OrvStatus orvsIIROne_32fc(Orv32fc src, Orv32fc* pDstVal, OrvsIIRState_32fc* pState);

/* ---- OrvsIIRState32fc_16sc: creation per form, then the shared entries */
ORVS_API OrvStatus orvsIIRGetStateSize32fc_16sc(int order, int* pSize);
ORVS_API OrvStatus orvsIIRInit32fc_16sc(OrvsIIRState32fc_16sc** ppState, const Orv32fc* pTaps, int order, const Orv32fc* pDlyLineOpt, Orv8u* pBuf);
ORVS_API OrvStatus orvsIIRInitAlloc32fc_16sc(OrvsIIRState32fc_16sc** ppState, const Orv32fc* pTaps, int order, const Orv32fc* pDlyLineOpt);
ORVS_API OrvStatus orvsIIRGetStateSize32fc_BiQuad_16sc(int numBq, int* pSize);
ORVS_API OrvStatus orvsIIRInit32fc_BiQuad_16sc(OrvsIIRState32fc_16sc** ppState, const Orv32fc* pTaps, int numBq, const Orv32fc* pDlyLineOpt, Orv8u* pBuf);
ORVS_API OrvStatus orvsIIRInitAlloc32fc_BiQuad_16sc(OrvsIIRState32fc_16sc** ppState, const Orv32fc* pTaps, int numBq, const Orv32fc* pDlyLineOpt);
ORVS_API OrvStatus orvsIIRFree32fc_16sc(OrvsIIRState32fc_16sc* pState);
ORVS_API OrvStatus orvsIIRGetDlyLine32fc_16sc(const OrvsIIRState32fc_16sc* pState, Orv32fc* pDlyLine);
ORVS_API OrvStatus orvsIIRSetDlyLine32fc_16sc(OrvsIIRState32fc_16sc* pState, const Orv32fc* pDlyLineOpt);
ORVS_API OrvStatus orvsIIRSetTaps32fc_16sc(const Orv32fc* pTaps, OrvsIIRState32fc_16sc* pState);
ORVS_API OrvStatus orvsIIR32fc_16sc_Sfs(const Orv16sc* pSrc, Orv16sc* pDst, int len, OrvsIIRState32fc_16sc* pState, int scaleFactor);
ORVS_API OrvStatus orvsIIR32fc_16sc_ISfs(Orv16sc* pSrcDst, int len, OrvsIIRState32fc_16sc* pState, int scaleFactor);
ORVS_API OrvStatus orvsIIROne32fc_16sc_Sfs(Orv16sc src, Orv16sc* pDstVal, OrvsIIRState32fc_16sc* pState, int scaleFactor);

/* ---- OrvsIIRState32sc_16sc: creation per form, then the shared entries */
ORVS_API OrvStatus orvsIIRGetStateSize32sc_16sc(int order, int* pSize);
ORVS_API OrvStatus orvsIIRInit32sc_16sc(OrvsIIRState32sc_16sc** ppState, const Orv32sc* pTaps, int order, int tapsFactor, const Orv32fc* pDlyLineOpt, Orv8u* pBuf);
ORVS_API OrvStatus orvsIIRInitAlloc32sc_16sc(OrvsIIRState32sc_16sc** ppState, const Orv32sc* pTaps, int order, int tapsFactor, const Orv32fc* pDlyLineOpt);
ORVS_API OrvStatus orvsIIRGetStateSize32sc_BiQuad_16sc(int numBq, int* pSize);
ORVS_API OrvStatus orvsIIRInit32sc_BiQuad_16sc(OrvsIIRState32sc_16sc** ppState, const Orv32sc* pTaps, int numBq, int tapsFactor, const Orv32fc* pDlyLineOpt, Orv8u* pBuf);
ORVS_API OrvStatus orvsIIRInitAlloc32sc_BiQuad_16sc(OrvsIIRState32sc_16sc** ppState, const Orv32sc* pTaps, int numBq, int tapsFactor, const Orv32fc* pDlyLineOpt);
ORVS_API OrvStatus orvsIIRGetStateSize32sc_16sc32fc(int order, int* pSize);
ORVS_API OrvStatus orvsIIRInit32sc_16sc32fc(OrvsIIRState32sc_16sc** ppState, const Orv32fc* pTaps, int order, const Orv32fc* pDlyLineOpt, Orv8u* pBuf);
ORVS_API OrvStatus orvsIIRInitAlloc32sc_16sc32fc(OrvsIIRState32sc_16sc** ppState, const Orv32fc* pTaps, int order, const Orv32fc* pDlyLineOpt);
ORVS_API OrvStatus orvsIIRGetStateSize32sc_BiQuad_16sc32fc(int numBq, int* pSize);
ORVS_API OrvStatus orvsIIRInit32sc_BiQuad_16sc32fc(OrvsIIRState32sc_16sc** ppState, const Orv32fc* pTaps, int numBq, const Orv32fc* pDlyLineOpt, Orv8u* pBuf);
ORVS_API OrvStatus orvsIIRInitAlloc32sc_BiQuad_16sc32fc(OrvsIIRState32sc_16sc** ppState, const Orv32fc* pTaps, int numBq, const Orv32fc* pDlyLineOpt);
ORVS_API OrvStatus orvsIIRFree32sc_16sc(OrvsIIRState32sc_16sc* pState);
ORVS_API OrvStatus orvsIIRGetDlyLine32sc_16sc(const OrvsIIRState32sc_16sc* pState, Orv32fc* pDlyLine);
ORVS_API OrvStatus orvsIIRSetDlyLine32sc_16sc(OrvsIIRState32sc_16sc* pState, const Orv32fc* pDlyLineOpt);
ORVS_API OrvStatus orvsIIRSetTaps32sc_16sc(const Orv32sc* pTaps, OrvsIIRState32sc_16sc* pState, int tapsFactor);
ORVS_API OrvStatus orvsIIRSetTaps32sc_16sc32fc(const Orv32fc* pTaps, OrvsIIRState32sc_16sc* pState);
ORVS_API OrvStatus orvsIIR32sc_16sc_Sfs(const Orv16sc* pSrc, Orv16sc* pDst, int len, OrvsIIRState32sc_16sc* pState, int scaleFactor);
ORVS_API OrvStatus orvsIIR32sc_16sc_ISfs(Orv16sc* pSrcDst, int len, OrvsIIRState32sc_16sc* pState, int scaleFactor);
ORVS_API OrvStatus orvsIIROne32sc_16sc_Sfs(Orv16sc src, Orv16sc* pDstVal, OrvsIIRState32sc_16sc* pState, int scaleFactor);

/* ---- OrvsIIRState_64f: creation per form, then the shared entries */
ORVS_API OrvStatus orvsIIRGetStateSize_64f(int order, int* pSize);
ORVS_API OrvStatus orvsIIRInit_64f(OrvsIIRState_64f** ppState, const Orv64f* pTaps, int order, const Orv64f* pDlyLineOpt, Orv8u* pBuf);
ORVS_API OrvStatus orvsIIRInitAlloc_64f(OrvsIIRState_64f** ppState, const Orv64f* pTaps, int order, const Orv64f* pDlyLineOpt);
ORVS_API OrvStatus orvsIIRGetStateSize_BiQuad_64f(int numBq, int* pSize);
ORVS_API OrvStatus orvsIIRInit_BiQuad_64f(OrvsIIRState_64f** ppState, const Orv64f* pTaps, int numBq, const Orv64f* pDlyLineOpt, Orv8u* pBuf);
ORVS_API OrvStatus orvsIIRInitAlloc_BiQuad_64f(OrvsIIRState_64f** ppState, const Orv64f* pTaps, int numBq, const Orv64f* pDlyLineOpt);
ORVS_API OrvStatus orvsIIRFree_64f(OrvsIIRState_64f* pState);
ORVS_API OrvStatus orvsIIRGetDlyLine_64f(const OrvsIIRState_64f* pState, Orv64f* pDlyLine);
ORVS_API OrvStatus orvsIIRSetDlyLine_64f(OrvsIIRState_64f* pState, const Orv64f* pDlyLineOpt);
ORVS_API OrvStatus orvsIIRSetTaps_64f(const Orv64f* pTaps, OrvsIIRState_64f* pState);
ORVS_API OrvStatus orvsIIR_64f(const Orv64f* pSrc, Orv64f* pDst, int len, OrvsIIRState_64f* pState);
ORVS_API OrvStatus orvsIIR_64f_I(Orv64f* pSrcDst, int len, OrvsIIRState_64f* pState);
ORVS_API OrvStatus orvsIIROne_64f(Orv64f src, Orv64f* pDstVal, OrvsIIRState_64f* pState);

/* ---- OrvsIIRState64f_32f: creation per form, then the shared entries */
ORVS_API OrvStatus orvsIIRGetStateSize64f_32f(int order, int* pSize);
ORVS_API OrvStatus orvsIIRInit64f_32f(OrvsIIRState64f_32f** ppState, const Orv64f* pTaps, int order, const Orv64f* pDlyLineOpt, Orv8u* pBuf);
ORVS_API OrvStatus orvsIIRInitAlloc64f_32f(OrvsIIRState64f_32f** ppState, const Orv64f* pTaps, int order, const Orv64f* pDlyLineOpt);
ORVS_API OrvStatus orvsIIRGetStateSize64f_BiQuad_32f(int numBq, int* pSize);
ORVS_API OrvStatus orvsIIRInit64f_BiQuad_32f(OrvsIIRState64f_32f** ppState, const Orv64f* pTaps, int numBq, const Orv64f* pDlyLineOpt, Orv8u* pBuf);
ORVS_API OrvStatus orvsIIRInitAlloc64f_BiQuad_32f(OrvsIIRState64f_32f** ppState, const Orv64f* pTaps, int numBq, const Orv64f* pDlyLineOpt);
ORVS_API OrvStatus orvsIIRFree64f_32f(OrvsIIRState64f_32f* pState);
ORVS_API OrvStatus orvsIIRGetDlyLine64f_32f(const OrvsIIRState64f_32f* pState, Orv64f* pDlyLine);
ORVS_API OrvStatus orvsIIRSetDlyLine64f_32f(OrvsIIRState64f_32f* pState, const Orv64f* pDlyLineOpt);
ORVS_API OrvStatus orvsIIRSetTaps64f_32f(const Orv64f* pTaps, OrvsIIRState64f_32f* pState);
ORVS_API OrvStatus orvsIIR64f_32f(const Orv32f* pSrc, Orv32f* pDst, int len, OrvsIIRState64f_32f* pState);
ORVS_API OrvStatus orvsIIR64f_32f_I(Orv32f* pSrcDst, int len, OrvsIIRState64f_32f* pState);
ORVS_API OrvStatus orvsIIROne64f_32f(Orv32f src, Orv32f* pDstVal, OrvsIIRState64f_32f* pState);

/* ---- OrvsIIRState64f_32s: creation per form, then the shared entries */
ORVS_API OrvStatus orvsIIRGetStateSize64f_32s(int order, int* pSize);
ORVS_API OrvStatus orvsIIRInit64f_32s(OrvsIIRState64f_32s** ppState, const Orv64f* pTaps, int order, const Orv64f* pDlyLineOpt, Orv8u* pBuf);
ORVS_API OrvStatus orvsIIRInitAlloc64f_32s(OrvsIIRState64f_32s** ppState, const Orv64f* pTaps, int order, const Orv64f* pDlyLineOpt);
ORVS_API OrvStatus orvsIIRGetStateSize64f_BiQuad_32s(int numBq, int* pSize);
ORVS_API OrvStatus orvsIIRInit64f_BiQuad_32s(OrvsIIRState64f_32s** ppState, const Orv64f* pTaps, int numBq, const Orv64f* pDlyLineOpt, Orv8u* pBuf);
ORVS_API OrvStatus orvsIIRInitAlloc64f_BiQuad_32s(OrvsIIRState64f_32s** ppState, const Orv64f* pTaps, int numBq, const Orv64f* pDlyLineOpt);
ORVS_API OrvStatus orvsIIRGetStateSize64f_BiQuad_DF1_32s(int numBq, int* pSize);
ORVS_API OrvStatus orvsIIRInit64f_BiQuad_DF1_32s(OrvsIIRState64f_32s** ppState, const Orv64f* pTaps, int numBq, const Orv32s* pDlyLineOpt, Orv8u* pBuf);
ORVS_API OrvStatus orvsIIRInitAlloc64f_BiQuad_DF1_32s(OrvsIIRState64f_32s** ppState, const Orv64f* pTaps, int numBq, const Orv32s* pDlyLineOpt);
ORVS_API OrvStatus orvsIIRFree64f_32s(OrvsIIRState64f_32s* pState);
ORVS_API OrvStatus orvsIIRGetDlyLine64f_32s(const OrvsIIRState64f_32s* pState, Orv64f* pDlyLine);
ORVS_API OrvStatus orvsIIRSetDlyLine64f_32s(OrvsIIRState64f_32s* pState, const Orv64f* pDlyLineOpt);
ORVS_API OrvStatus orvsIIRGetDlyLine64f_DF1_32s(const OrvsIIRState64f_32s* pState, Orv32s* pDlyLine);
ORVS_API OrvStatus orvsIIRSetDlyLine64f_DF1_32s(OrvsIIRState64f_32s* pState, const Orv32s* pDlyLineOpt);
ORVS_API OrvStatus orvsIIRSetTaps64f_32s(const Orv64f* pTaps, OrvsIIRState64f_32s* pState);
ORVS_API OrvStatus orvsIIR64f_32s_Sfs(const Orv32s* pSrc, Orv32s* pDst, int len, OrvsIIRState64f_32s* pState, int scaleFactor);
ORVS_API OrvStatus orvsIIR64f_32s_ISfs(Orv32s* pSrcDst, int len, OrvsIIRState64f_32s* pState, int scaleFactor);
ORVS_API OrvStatus orvsIIROne64f_32s_Sfs(Orv32s src, Orv32s* pDstVal, OrvsIIRState64f_32s* pState, int scaleFactor);

/* ---- OrvsIIRState64f_16s: creation per form, then the shared entries */
ORVS_API OrvStatus orvsIIRGetStateSize64f_16s(int order, int* pSize);
ORVS_API OrvStatus orvsIIRInit64f_16s(OrvsIIRState64f_16s** ppState, const Orv64f* pTaps, int order, const Orv64f* pDlyLineOpt, Orv8u* pBuf);
ORVS_API OrvStatus orvsIIRInitAlloc64f_16s(OrvsIIRState64f_16s** ppState, const Orv64f* pTaps, int order, const Orv64f* pDlyLineOpt);
ORVS_API OrvStatus orvsIIRGetStateSize64f_BiQuad_16s(int numBq, int* pSize);
ORVS_API OrvStatus orvsIIRInit64f_BiQuad_16s(OrvsIIRState64f_16s** ppState, const Orv64f* pTaps, int numBq, const Orv64f* pDlyLineOpt, Orv8u* pBuf);
ORVS_API OrvStatus orvsIIRInitAlloc64f_BiQuad_16s(OrvsIIRState64f_16s** ppState, const Orv64f* pTaps, int numBq, const Orv64f* pDlyLineOpt);
ORVS_API OrvStatus orvsIIRFree64f_16s(OrvsIIRState64f_16s* pState);
ORVS_API OrvStatus orvsIIRGetDlyLine64f_16s(const OrvsIIRState64f_16s* pState, Orv64f* pDlyLine);
ORVS_API OrvStatus orvsIIRSetDlyLine64f_16s(OrvsIIRState64f_16s* pState, const Orv64f* pDlyLineOpt);
ORVS_API OrvStatus orvsIIRSetTaps64f_16s(const Orv64f* pTaps, OrvsIIRState64f_16s* pState);
ORVS_API OrvStatus orvsIIR64f_16s_Sfs(const Orv16s* pSrc, Orv16s* pDst, int len, OrvsIIRState64f_16s* pState, int scaleFactor);
ORVS_API OrvStatus orvsIIR64f_16s_ISfs(Orv16s* pSrcDst, int len, OrvsIIRState64f_16s* pState, int scaleFactor);
ORVS_API OrvStatus orvsIIROne64f_16s_Sfs(Orv16s src, Orv16s* pDstVal, OrvsIIRState64f_16s* pState, int scaleFactor);

/* ---- OrvsIIRState_64fc: creation per form, then the shared entries */
ORVS_API OrvStatus orvsIIRGetStateSize_64fc(int order, int* pSize);
ORVS_API OrvStatus orvsIIRInit_64fc(OrvsIIRState_64fc** ppState, const Orv64fc* pTaps, int order, const Orv64fc* pDlyLineOpt, Orv8u* pBuf);
ORVS_API OrvStatus orvsIIRInitAlloc_64fc(OrvsIIRState_64fc** ppState, const Orv64fc* pTaps, int order, const Orv64fc* pDlyLineOpt);
ORVS_API OrvStatus orvsIIRGetStateSize_BiQuad_64fc(int numBq, int* pSize);
ORVS_API OrvStatus orvsIIRInit_BiQuad_64fc(OrvsIIRState_64fc** ppState, const Orv64fc* pTaps, int numBq, const Orv64fc* pDlyLineOpt, Orv8u* pBuf);
ORVS_API OrvStatus orvsIIRInitAlloc_BiQuad_64fc(OrvsIIRState_64fc** ppState, const Orv64fc* pTaps, int numBq, const Orv64fc* pDlyLineOpt);
ORVS_API OrvStatus orvsIIRFree_64fc(OrvsIIRState_64fc* pState);
ORVS_API OrvStatus orvsIIRGetDlyLine_64fc(const OrvsIIRState_64fc* pState, Orv64fc* pDlyLine);
ORVS_API OrvStatus orvsIIRSetDlyLine_64fc(OrvsIIRState_64fc* pState, const Orv64fc* pDlyLineOpt);
ORVS_API OrvStatus orvsIIRSetTaps_64fc(const Orv64fc* pTaps, OrvsIIRState_64fc* pState);
ORVS_API OrvStatus orvsIIR_64fc(const Orv64fc* pSrc, Orv64fc* pDst, int len, OrvsIIRState_64fc* pState);
ORVS_API OrvStatus orvsIIR_64fc_I(Orv64fc* pSrcDst, int len, OrvsIIRState_64fc* pState);
ORVS_API OrvStatus orvsIIROne_64fc(Orv64fc src, Orv64fc* pDstVal, OrvsIIRState_64fc* pState);

/* ---- OrvsIIRState64fc_32fc: creation per form, then the shared entries */
ORVS_API OrvStatus orvsIIRGetStateSize64fc_32fc(int order, int* pSize);
ORVS_API OrvStatus orvsIIRInit64fc_32fc(OrvsIIRState64fc_32fc** ppState, const Orv64fc* pTaps, int order, const Orv64fc* pDlyLineOpt, Orv8u* pBuf);
ORVS_API OrvStatus orvsIIRInitAlloc64fc_32fc(OrvsIIRState64fc_32fc** ppState, const Orv64fc* pTaps, int order, const Orv64fc* pDlyLineOpt);
ORVS_API OrvStatus orvsIIRGetStateSize64fc_BiQuad_32fc(int numBq, int* pSize);
ORVS_API OrvStatus orvsIIRInit64fc_BiQuad_32fc(OrvsIIRState64fc_32fc** ppState, const Orv64fc* pTaps, int numBq, const Orv64fc* pDlyLineOpt, Orv8u* pBuf);
ORVS_API OrvStatus orvsIIRInitAlloc64fc_BiQuad_32fc(OrvsIIRState64fc_32fc** ppState, const Orv64fc* pTaps, int numBq, const Orv64fc* pDlyLineOpt);
ORVS_API OrvStatus orvsIIRFree64fc_32fc(OrvsIIRState64fc_32fc* pState);
ORVS_API OrvStatus orvsIIRGetDlyLine64fc_32fc(const OrvsIIRState64fc_32fc* pState, Orv64fc* pDlyLine);
ORVS_API OrvStatus orvsIIRSetDlyLine64fc_32fc(OrvsIIRState64fc_32fc* pState, const Orv64fc* pDlyLineOpt);
ORVS_API OrvStatus orvsIIRSetTaps64fc_32fc(const Orv64fc* pTaps, OrvsIIRState64fc_32fc* pState);
ORVS_API OrvStatus orvsIIR64fc_32fc(const Orv32fc* pSrc, Orv32fc* pDst, int len, OrvsIIRState64fc_32fc* pState);
ORVS_API OrvStatus orvsIIR64fc_32fc_I(Orv32fc* pSrcDst, int len, OrvsIIRState64fc_32fc* pState);
ORVS_API OrvStatus orvsIIROne64fc_32fc(Orv32fc src, Orv32fc* pDstVal, OrvsIIRState64fc_32fc* pState);

/* ---- OrvsIIRState64fc_32sc: creation per form, then the shared entries */
ORVS_API OrvStatus orvsIIRGetStateSize64fc_32sc(int order, int* pSize);
ORVS_API OrvStatus orvsIIRInit64fc_32sc(OrvsIIRState64fc_32sc** ppState, const Orv64fc* pTaps, int order, const Orv64fc* pDlyLineOpt, Orv8u* pBuf);
ORVS_API OrvStatus orvsIIRInitAlloc64fc_32sc(OrvsIIRState64fc_32sc** ppState, const Orv64fc* pTaps, int order, const Orv64fc* pDlyLineOpt);
ORVS_API OrvStatus orvsIIRGetStateSize64fc_BiQuad_32sc(int numBq, int* pSize);
ORVS_API OrvStatus orvsIIRInit64fc_BiQuad_32sc(OrvsIIRState64fc_32sc** ppState, const Orv64fc* pTaps, int numBq, const Orv64fc* pDlyLineOpt, Orv8u* pBuf);
ORVS_API OrvStatus orvsIIRInitAlloc64fc_BiQuad_32sc(OrvsIIRState64fc_32sc** ppState, const Orv64fc* pTaps, int numBq, const Orv64fc* pDlyLineOpt);
ORVS_API OrvStatus orvsIIRFree64fc_32sc(OrvsIIRState64fc_32sc* pState);
ORVS_API OrvStatus orvsIIRGetDlyLine64fc_32sc(const OrvsIIRState64fc_32sc* pState, Orv64fc* pDlyLine);
ORVS_API OrvStatus orvsIIRSetDlyLine64fc_32sc(OrvsIIRState64fc_32sc* pState, const Orv64fc* pDlyLineOpt);
ORVS_API OrvStatus orvsIIRSetTaps64fc_32sc(const Orv64fc* pTaps, OrvsIIRState64fc_32sc* pState);
ORVS_API OrvStatus orvsIIR64fc_32sc_Sfs(const Orv32sc* pSrc, Orv32sc* pDst, int len, OrvsIIRState64fc_32sc* pState, int scaleFactor);
ORVS_API OrvStatus orvsIIR64fc_32sc_ISfs(Orv32sc* pSrcDst, int len, OrvsIIRState64fc_32sc* pState, int scaleFactor);
ORVS_API OrvStatus orvsIIROne64fc_32sc_Sfs(Orv32sc src, Orv32sc* pDstVal, OrvsIIRState64fc_32sc* pState, int scaleFactor);

/* ---- OrvsIIRState64fc_16sc: creation per form, then the shared entries */
ORVS_API OrvStatus orvsIIRGetStateSize64fc_16sc(int order, int* pSize);
ORVS_API OrvStatus orvsIIRInit64fc_16sc(OrvsIIRState64fc_16sc** ppState, const Orv64fc* pTaps, int order, const Orv64fc* pDlyLineOpt, Orv8u* pBuf);
ORVS_API OrvStatus orvsIIRInitAlloc64fc_16sc(OrvsIIRState64fc_16sc** ppState, const Orv64fc* pTaps, int order, const Orv64fc* pDlyLineOpt);
ORVS_API OrvStatus orvsIIRGetStateSize64fc_BiQuad_16sc(int numBq, int* pSize);
ORVS_API OrvStatus orvsIIRInit64fc_BiQuad_16sc(OrvsIIRState64fc_16sc** ppState, const Orv64fc* pTaps, int numBq, const Orv64fc* pDlyLineOpt, Orv8u* pBuf);
ORVS_API OrvStatus orvsIIRInitAlloc64fc_BiQuad_16sc(OrvsIIRState64fc_16sc** ppState, const Orv64fc* pTaps, int numBq, const Orv64fc* pDlyLineOpt);
ORVS_API OrvStatus orvsIIRFree64fc_16sc(OrvsIIRState64fc_16sc* pState);
ORVS_API OrvStatus orvsIIRGetDlyLine64fc_16sc(const OrvsIIRState64fc_16sc* pState, Orv64fc* pDlyLine);
ORVS_API OrvStatus orvsIIRSetDlyLine64fc_16sc(OrvsIIRState64fc_16sc* pState, const Orv64fc* pDlyLineOpt);
ORVS_API OrvStatus orvsIIRSetTaps64fc_16sc(const Orv64fc* pTaps, OrvsIIRState64fc_16sc* pState);
ORVS_API OrvStatus orvsIIR64fc_16sc_Sfs(const Orv16sc* pSrc, Orv16sc* pDst, int len, OrvsIIRState64fc_16sc* pState, int scaleFactor);
ORVS_API OrvStatus orvsIIR64fc_16sc_ISfs(Orv16sc* pSrcDst, int len, OrvsIIRState64fc_16sc* pState, int scaleFactor);
ORVS_API OrvStatus orvsIIROne64fc_16sc_Sfs(Orv16sc src, Orv16sc* pDstVal, OrvsIIRState64fc_16sc* pState, int scaleFactor);

#ifdef __cplusplus
}
#endif
#endif /* ORVS_IIR_H */
