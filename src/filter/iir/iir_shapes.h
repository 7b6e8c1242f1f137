// Row shapes of the IIR entries. A pair is named twice: A B for the
// creation entries (orvsIIRInit + A + form + B: "_" "32f", "32f_" "16s"),
// AB for the others (orvsIIRFree + AB: "_32f", "32f_16s"). P is the pair in
// the engine, ORD the name of the order argument.
#pragma once
#include "orvs/types.h"

#define ORVS_IIR_CREATE(A, FORM, B, S, Tt, D, P, F, ORD)                                               \
    ORVS_ENTRY(orvsIIRGetStateSize##A##FORM##B, (int ORD, int* pSize), (ORD, pSize),                  \
               iir::getStateSize<iir::P, iir::F>)                                                      \
    ORVS_ENTRY(orvsIIRInit##A##FORM##B, (S * *ppState, const Tt* pTaps, int ORD, const D* pDlyLineOpt, Orv8u* pBuf), \
               (ppState, pTaps, ORD, pDlyLineOpt, pBuf), iir::init<iir::P, iir::F>)                    \
    ORVS_ENTRY(orvsIIRInitAlloc##A##FORM##B, (S * *ppState, const Tt* pTaps, int ORD, const D* pDlyLineOpt), \
               (ppState, pTaps, ORD, pDlyLineOpt), iir::initAlloc<iir::P, iir::F>)

// Integer taps, multiplied by 2^-tapsFactor.
#define ORVS_IIR_CREATE_TF(A, FORM, B, S, Tt, D, P, F, ORD)                                            \
    ORVS_ENTRY(orvsIIRGetStateSize##A##FORM##B, (int ORD, int* pSize), (ORD, pSize),                  \
               iir::getStateSize<iir::P, iir::F>)                                                      \
    ORVS_ENTRY(orvsIIRInit##A##FORM##B,                                                                \
               (S * *ppState, const Tt* pTaps, int ORD, int tapsFactor, const D* pDlyLineOpt, Orv8u* pBuf), \
               (ppState, pTaps, ORD, tapsFactor, pDlyLineOpt, pBuf), iir::initScaled<iir::P, iir::F>)  \
    ORVS_ENTRY(orvsIIRInitAlloc##A##FORM##B,                                                           \
               (S * *ppState, const Tt* pTaps, int ORD, int tapsFactor, const D* pDlyLineOpt),         \
               (ppState, pTaps, ORD, tapsFactor, pDlyLineOpt), iir::initAllocScaled<iir::P, iir::F>)

#define ORVS_IIR_FREE_DLY(AB, S, D, P)                                                                  \
    ORVS_ENTRY(orvsIIRFree##AB, (S * pState), (pState), iir::freeState<iir::P>)                        \
    ORVS_ENTRY(orvsIIRGetDlyLine##AB, (const S* pState, D* pDlyLine), (pState, pDlyLine),             \
               iir::getDlyLine<iir::P, false>)                                                         \
    ORVS_ENTRY(orvsIIRSetDlyLine##AB, (S * pState, const D* pDlyLineOpt), (pState, pDlyLineOpt),      \
               iir::setDlyLine<iir::P, false>)

#define ORVS_IIR_SET_TAPS(AB, S, Tt, P) \
    ORVS_ENTRY(orvsIIRSetTaps##AB, (const Tt* pTaps, S* pState), (pTaps, pState), iir::setTaps<iir::P>)
#define ORVS_IIR_SET_TAPS_TF(AB, S, Tt, P)                                                              \
    ORVS_ENTRY(orvsIIRSetTaps##AB, (const Tt* pTaps, S* pState, int tapsFactor), (pTaps, pState, tapsFactor), \
               iir::setTapsScaled<iir::P>)

#define ORVS_IIR_FILTER(AB, T, S, P)                                                                    \
    ORVS_ENTRY(orvsIIR##AB, (const T* pSrc, T* pDst, int len, S* pState), (pSrc, pDst, len, pState, 0), \
               iir::filter<iir::P>)                                                                    \
    ORVS_ENTRY(orvsIIR##AB##_I, (T * pSrcDst, int len, S* pState), (pSrcDst, pSrcDst, len, pState, 0), \
               iir::filter<iir::P>)                                                                    \
    ORVS_ENTRY(orvsIIROne##AB, (T src, T* pDstVal, S* pState), (src, pDstVal, pState, 0), iir::filterOne<iir::P>)

#define ORVS_IIR_FILTER_SFS(AB, T, S, P)                                                                \
    ORVS_ENTRY(orvsIIR##AB##_Sfs, (const T* pSrc, T* pDst, int len, S* pState, int scaleFactor),      \
               (pSrc, pDst, len, pState, scaleFactor), iir::filter<iir::P>)                            \
    ORVS_ENTRY(orvsIIR##AB##_ISfs, (T * pSrcDst, int len, S* pState, int scaleFactor),                 \
               (pSrcDst, pSrcDst, len, pState, scaleFactor), iir::filter<iir::P>)                      \
    ORVS_ENTRY(orvsIIROne##AB##_Sfs, (T src, T* pDstVal, S* pState, int scaleFactor),                  \
               (src, pDstVal, pState, scaleFactor), iir::filterOne<iir::P>)
