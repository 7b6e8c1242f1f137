// Every status code: value, name and meaning, in one list. The status
// text entry and the status tests are produced from it.
#pragma once

// X(name, meaning)
#define ORVS_STATUS_LIST(X) \
    X(orvStsOk, "success") \
    X(orvStsWarnSqrtNegArg, "a negative argument met in an integer square root") \
    X(orvStsWarnInvZero, "a zero element met a zero level in an inverting threshold; the element's result is infinite") \
    X(orvStsWarnEvenMedianMask, "an even median mask size was reduced by one") \
    X(orvStsWarnDivByZero, "a zero divisor met in an element-wise division; the affected outputs hold the division's defined values") \
    X(orvStsWarnLnZeroArg, "a zero argument met in a logarithm") \
    X(orvStsWarnLnNegArg, "a negative argument met in a logarithm") \
    X(orvStsWarnNonFiniteArg, "an infinite or NaN input was met and left out of the result") \
    X(orvStsWarnBitLenClamped, "a code length outside 0 .. 32 was clamped") \
    X(orvStsErrBadArg, "an enumerated or index argument outside its set") \
    X(orvStsErrSize, "a length or size argument out of range (usually below 1; StdDev below 2; transform lengths above the method's limit)") \
    X(orvStsErrZeroCrossMode, "zero-crossing kind not accepted") \
    X(orvStsErrNullPtr, "a required pointer is null") \
    X(orvStsErrMemAlloc, "an allocation failed") \
    X(orvStsErrDivByZero, "division by zero where it is an error") \
    X(orvStsErrCauchyParam, "M-estimator parameter not positive") \
    X(orvStsErrIirTapsScale, "negative scale exponent in 16-bit direct-form IIR taps") \
    X(orvStsErrFftOrder, "FFT order below 0 or above 30, or a length above the type's limit") \
    X(orvStsErrFftFlag, "normalisation flag not 1, 2, 4 or 8") \
    X(orvStsErrContextMatch, "the record is of another kind or was freed (identifier mismatch)") \
    X(orvStsErrThreshLevels, "lower threshold above upper threshold") \
    X(orvStsErrThreshNegLevel, "negative threshold where a magnitude is compared") \
    X(orvStsErrDlyLineIndex, "delay-line index out of range") \
    X(orvStsErrIirOrder, "IIR order out of range") \
    X(orvStsErrFirLen, "FIR tap count out of range") \
    X(orvStsErrRelFreq, "relative frequency outside [0, 1)") \
    X(orvStsErrFirMrPhase, "multi-rate up or down phase outside [0, factor)") \
    X(orvStsErrFirMrFactor, "multi-rate up or down factor below 1") \
    X(orvStsErrSamplePhase, "phase not in [0, factor)") \
    X(orvStsErrSampleFactor, "factor below 1") \
    X(orvStsErrShift, "shift count out of range") \
    X(orvStsErrWindowLen, "window length below 1") \
    X(orvStsErrWtOffset, "wavelet filter offset below -1") \
    X(orvStsErrJaehneMagnitude, "negative magnitude") \
    X(orvStsErrKaiserAlpha, "Kaiser parameter too large for the length") \
    X(orvStsErrTrnglAsym, "triangle asymmetry outside [-pi, pi)") \
    X(orvStsErrTrnglPhase, "triangle phase outside [0, 2pi)") \
    X(orvStsErrTrnglFreq, "triangle frequency outside [0, 0.5)") \
    X(orvStsErrTrnglMagn, "triangle magnitude not positive") \
    X(orvStsErrTonePhase, "tone phase outside [0, 2pi)") \
    X(orvStsErrToneFreq, "tone frequency outside [0, 0.5) (complex: [0, 1))") \
    X(orvStsErrToneMagn, "tone magnitude not positive") \
    X(orvStsErrChannelCount, "channel count below 1") \
    X(orvStsErrSparsePos, "sparse filter delays invalid") \
    X(orvStsErrIirGenOrder, "IIR design order outside 1 .. 12") \
    X(orvStsErrIirGenFreq, "IIR design frequency outside (0, 0.5)") \
    X(orvStsErrIirGenDeviation, "passband deviation outside (0, 29] dB") \
    X(orvStsErrRoundMode, "rounding mode not supported") \

