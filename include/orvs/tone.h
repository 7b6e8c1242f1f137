/* Tone and triangle generators.
   Tone: x[n] = magn * cos(2 pi rFreq n + phase) (complex: imaginary part
   magn * sin(...)). Triangle: magn at phase 0, -magn at pi + asym, magn
   again at 2 pi. The _Direct forms return through pPhase the phase at which
   a following call continues; the Q15 forms take their parameters scaled by
   2^15 and keep the wave in a state record (or generate it directly). */
#ifndef ORVS_TONE_H
#define ORVS_TONE_H
#include "types.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct OrvsToneState_16s OrvsToneState_16s;
typedef struct OrvsTriangleState_16s OrvsTriangleState_16s;

/* hint orvHintFast selects the block recurrence, any other value the accurate phasor. */
ORVS_API OrvStatus orvsTone_Direct_64f(Orv64f* pDst, int len, Orv64f magn, Orv64f rFreq, Orv64f* pPhase, OrvHintAlgorithm hint);
ORVS_API OrvStatus orvsTone_Direct_32f(Orv32f* pDst, int len, Orv32f magn, Orv32f rFreq, Orv32f* pPhase, OrvHintAlgorithm hint);
ORVS_API OrvStatus orvsTone_Direct_64fc(Orv64fc* pDst, int len, Orv64f magn, Orv64f rFreq, Orv64f* pPhase, OrvHintAlgorithm hint);
ORVS_API OrvStatus orvsTone_Direct_32fc(Orv32fc* pDst, int len, Orv32f magn, Orv32f rFreq, Orv32f* pPhase, OrvHintAlgorithm hint);
ORVS_API OrvStatus orvsTone_Direct_16s(Orv16s* pDst, int len, Orv16s magn, Orv32f rFreq, Orv32f* pPhase, OrvHintAlgorithm hint);
ORVS_API OrvStatus orvsTone_Direct_16sc(Orv16sc* pDst, int len, Orv16s magn, Orv32f rFreq, Orv32f* pPhase, OrvHintAlgorithm hint);

ORVS_API OrvStatus orvsToneGetStateSizeQ15_16s(int* pSize);
ORVS_API OrvStatus orvsToneInitQ15_16s(OrvsToneState_16s* pStateMem, Orv16s magn, Orv16s rFreqQ15, Orv32s phaseQ15);
ORVS_API OrvStatus orvsToneInitAllocQ15_16s(OrvsToneState_16s** ppState, Orv16s magn, Orv16s rFreqQ15, Orv32s phaseQ15);
ORVS_API OrvStatus orvsToneFree(OrvsToneState_16s* pState);
ORVS_API OrvStatus orvsToneQ15_16s(Orv16s* pDst, int len, OrvsToneState_16s* pState);
ORVS_API OrvStatus orvsToneQ15_Direct_16s(Orv16s* pDst, int len, Orv16s magn, Orv16s rFreqQ15, Orv32s phaseQ15);

ORVS_API OrvStatus orvsTriangle_Direct_64f(Orv64f* pDst, int len, Orv64f magn, Orv64f rFreq, Orv64f asym, Orv64f* pPhase);
ORVS_API OrvStatus orvsTriangle_Direct_32f(Orv32f* pDst, int len, Orv32f magn, Orv32f rFreq, Orv32f asym, Orv32f* pPhase);
ORVS_API OrvStatus orvsTriangle_Direct_64fc(Orv64fc* pDst, int len, Orv64f magn, Orv64f rFreq, Orv64f asym, Orv64f* pPhase);
ORVS_API OrvStatus orvsTriangle_Direct_32fc(Orv32fc* pDst, int len, Orv32f magn, Orv32f rFreq, Orv32f asym, Orv32f* pPhase);
ORVS_API OrvStatus orvsTriangle_Direct_16s(Orv16s* pDst, int len, Orv16s magn, Orv32f rFreq, Orv32f asym, Orv32f* pPhase);
ORVS_API OrvStatus orvsTriangle_Direct_16sc(Orv16sc* pDst, int len, Orv16s magn, Orv32f rFreq, Orv32f asym, Orv32f* pPhase);

ORVS_API OrvStatus orvsTriangleGetStateSizeQ15_16s(int* pSize);
ORVS_API OrvStatus orvsTriangleInitQ15_16s(OrvsTriangleState_16s* pStateMem, Orv16s magn, Orv16s rFreqQ15, Orv32s phaseQ15, Orv32s asymQ15);
ORVS_API OrvStatus orvsTriangleInitAllocQ15_16s(OrvsTriangleState_16s** ppState, Orv16s magn, Orv16s rFreqQ15, Orv32s phaseQ15, Orv32s asymQ15);
ORVS_API OrvStatus orvsTriangleFree(OrvsTriangleState_16s* pState);
ORVS_API OrvStatus orvsTriangleQ15_16s(Orv16s* pDst, int len, OrvsTriangleState_16s* pState);
ORVS_API OrvStatus orvsTriangleQ15_Direct_16s(Orv16s* pDst, int len, Orv16s magn, Orv16s rFreqQ15, Orv32s phaseQ15, Orv32s asymQ15);

#ifdef __cplusplus
}
#endif
#endif /* ORVS_TONE_H */
