// Parameter shapes of the generator entries. The _Direct float forms read
// their phase through pPhase and check it before the destination and the
// length, so they are listed as ORVS_FUNCTION rows: the generic entry driver
// fills pointers with arbitrary bytes, which would be refused as a phase
// before its null destination is seen. Their check order is tested with the
// family.
#pragma once
#include "orvs/types.h"

#define ORVS_TONE_DIRECT(T, M, F) \
    OrvStatus, (T* pDst, int len, M magn, F rFreq, F* pPhase, OrvHintAlgorithm hint), (pDst, len, magn, rFreq, pPhase, hint)
#define ORVS_TRIANGLE_DIRECT(T, M, F) \
    OrvStatus, (T* pDst, int len, M magn, F rFreq, F asym, F* pPhase), (pDst, len, magn, rFreq, asym, pPhase)
