// Parameter shapes of the design entries. Single-frequency FIR designs pass
// their frequency twice so that all four share one engine signature.
#pragma once
#include "orvs/types.h"

#define ORVS_FIRGEN_1F (Orv64f rFreq, Orv64f* pTaps, int tapsLen, OrvWinType winType, int doNormal), \
    (rFreq, rFreq, pTaps, tapsLen, winType, doNormal)
#define ORVS_FIRGEN_2F (Orv64f rLowFreq, Orv64f rHighFreq, Orv64f* pTaps, int tapsLen, OrvWinType winType, int doNormal), \
    (rLowFreq, rHighFreq, pTaps, tapsLen, winType, doNormal)
#define ORVS_IIRGEN (Orv64f rFreq, Orv64f rDeviation, int order, Orv64f* pTaps, OrvIirFilterType filterType), \
    (rFreq, rDeviation, order, pTaps, filterType)
