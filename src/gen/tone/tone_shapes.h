// Parameter shapes of the generator entries. The _Direct forms read their
// phase through pPhase and check it before the destination and the length;
// the generic entry driver passes a valid phase there.
#pragma once
#include "orvs/types.h"

#define ORVS_TONE_DIRECT(T, M, F) \
    (T* pDst, int len, M magn, F rFreq, F* pPhase, OrvHintAlgorithm hint), (pDst, len, magn, rFreq, pPhase, hint)
#define ORVS_TRIANGLE_DIRECT(T, M, F) \
    (T* pDst, int len, M magn, F rFreq, F asym, F* pPhase), (pDst, len, magn, rFreq, asym, pPhase)
