/* Filter design: windowed FIR and Butterworth / Chebyshev IIR. */
#ifndef ORVS_DESIGN_H
#define ORVS_DESIGN_H
#include "types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Window applied to designed FIR taps; any other value means none
   (rectangular). */
typedef enum {
    orvWinBartlett = 0,
    orvWinBlackman = 1, /* the optimal Blackman window */
    orvWinHamming  = 2,
    orvWinHann     = 3
} OrvWinType;

typedef enum {
    orvButterworth = 0,
    orvChebyshev1  = 1  /* type I: equiripple passband */
} OrvIirFilterType;

/* Linear-phase FIR taps (tapsLen >= 5) by the window method; frequencies in
   cycles per sample, 0 < f < 0.5. doNormal scales the taps to unit gain at
   DC (lowpass, bandstop), Nyquist (highpass) or the band centre (bandpass). */
ORVS_API OrvStatus orvsFIRGenLowpass_64f(Orv64f rFreq, Orv64f* pTaps, int tapsLen, OrvWinType winType, int doNormal);
ORVS_API OrvStatus orvsFIRGenHighpass_64f(Orv64f rFreq, Orv64f* pTaps, int tapsLen, OrvWinType winType, int doNormal);
ORVS_API OrvStatus orvsFIRGenBandpass_64f(Orv64f rLowFreq, Orv64f rHighFreq, Orv64f* pTaps, int tapsLen,
                                          OrvWinType winType, int doNormal);
ORVS_API OrvStatus orvsFIRGenBandstop_64f(Orv64f rLowFreq, Orv64f rHighFreq, Orv64f* pTaps, int tapsLen,
                                          OrvWinType winType, int doNormal);

/* IIR taps b0..bN, a0..aN (a0 = 1; 2*(order+1) values) of an order 1..12
   Butterworth or Chebyshev type I filter by the bilinear transform;
   rDeviation is the Chebyshev passband ripple in dB, (0, 29]. */
ORVS_API OrvStatus orvsIIRGenLowpass_64f(Orv64f rFreq, Orv64f rDeviation, int order, Orv64f* pTaps,
                                         OrvIirFilterType filterType);
ORVS_API OrvStatus orvsIIRGenHighpass_64f(Orv64f rFreq, Orv64f rDeviation, int order, Orv64f* pTaps,
                                          OrvIirFilterType filterType);

#ifdef __cplusplus
}
#endif
#endif /* ORVS_DESIGN_H */
