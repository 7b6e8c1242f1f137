// Filter design: windowed-sinc FIR taps and bilinear-transform IIR taps.
// Both are one-shot double-precision computations with no state.
#pragma once
#include "orvs/design.h"

namespace orvs::design {

enum class Response { lowpass, highpass, bandpass, bandstop };

// Taps b0..bN, a0..aN of a Butterworth or Chebyshev type I lowpass or
// highpass of order N.
OrvStatus iirDesign(Response r, double rFreq, double rDeviation, int order, double* pTaps, OrvIirFilterType type);

// Linear-phase windowed FIR; lowpass and highpass read f1 only.
OrvStatus firDesign(Response r, double f1, double f2, double* pTaps, int tapsLen, OrvWinType win, int doNormal);

template <Response R>
OrvStatus iirGen(double rFreq, double rDeviation, int order, double* pTaps, OrvIirFilterType type)
{
    return iirDesign(R, rFreq, rDeviation, order, pTaps, type);
}

template <Response R>
OrvStatus firGen(double f1, double f2, double* pTaps, int tapsLen, OrvWinType win, int doNormal)
{
    return firDesign(R, f1, f2, pTaps, tapsLen, win, doNormal);
}

} // namespace orvs::design
