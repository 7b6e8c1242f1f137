// Row shapes of the FIR entries. SUF is the name suffix (_32f, 32f_16s),
// STATE the record type, F the family (fir_record.h), TAP and DATA the
// element types. The optional delay lines are the *Opt pointers.
#pragma once
#include "orvs/fir.h"

#define ORVS_FIR_STATE_ROWS(SUF, STATE, F, TAP, DATA)                                                    \
    ORVS_ENTRY(orvsFIRGetStateSize##SUF, (int tapsLen, int* pStateSize), (tapsLen, pStateSize),           \
               getStateSize<F>)                                                                          \
    ORVS_ENTRY(orvsFIRInit##SUF,                                                                         \
               (STATE * *ppState, const TAP* pTaps, int tapsLen, const DATA* pDlyLineOpt, Orv8u* pBuffer), \
               (ppState, pTaps, tapsLen, pDlyLineOpt, pBuffer), init<F>)                                 \
    ORVS_ENTRY(orvsFIRInitAlloc##SUF, (STATE * *ppState, const TAP* pTaps, int tapsLen, const DATA* pDlyLineOpt), \
               (ppState, pTaps, tapsLen, pDlyLineOpt), initAlloc<F>)                                     \
    ORVS_ENTRY(orvsFIRFree##SUF, (STATE * pState), (pState), release<F>)                                 \
    ORVS_ENTRY(orvsFIRGetTaps##SUF, (const STATE* pState, TAP* pTaps), (pState, pTaps), getTaps<F>)       \
    ORVS_ENTRY(orvsFIRSetTaps##SUF, (const TAP* pTaps, STATE* pState), (pTaps, pState), setTaps<F>)       \
    ORVS_ENTRY(orvsFIRGetDlyLine##SUF, (const STATE* pState, DATA* pDlyLine), (pState, pDlyLine),         \
               getDlyLine<F>)                                                                            \
    ORVS_ENTRY(orvsFIRSetDlyLine##SUF, (STATE * pState, const DATA* pDlyLineOpt), (pState, pDlyLineOpt),  \
               setDlyLine<F>)

#define ORVS_FIR_FLOAT_ROWS(SUF, STATE, F, DATA)                                                         \
    ORVS_ENTRY(orvsFIROne##SUF, (DATA src, DATA* pDstVal, STATE* pState), (src, pDstVal, pState),         \
               filterOne<F>)                                                                             \
    ORVS_ENTRY(orvsFIR##SUF, (const DATA* pSrc, DATA* pDst, int numIters, STATE* pState),                 \
               (pSrc, pDst, numIters, pState), filter<F>)                                                \
    ORVS_ENTRY(orvsFIR##SUF##_I, (DATA * pSrcDst, int numIters, STATE* pState), (pSrcDst, numIters, pState), \
               filterInPlace<F>)

#define ORVS_FIR_INT_ROWS(SUF, STATE, F, DATA)                                                           \
    ORVS_ENTRY(orvsFIROne##SUF##_Sfs, (DATA src, DATA* pDstVal, STATE* pState, int scaleFactor),          \
               (src, pDstVal, pState, scaleFactor), filterOne<F>)                                        \
    ORVS_ENTRY(orvsFIR##SUF##_Sfs, (const DATA* pSrc, DATA* pDst, int numIters, STATE* pState, int scaleFactor), \
               (pSrc, pDst, numIters, pState, scaleFactor), filter<F>)                                   \
    ORVS_ENTRY(orvsFIR##SUF##_ISfs, (DATA * pSrcDst, int numIters, STATE* pState, int scaleFactor),       \
               (pSrcDst, numIters, pState, scaleFactor), filterInPlace<F>)
