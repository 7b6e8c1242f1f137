/* Element types, status codes and enumerations shared by every orvs entry. */
#ifndef ORVS_TYPES_H
#define ORVS_TYPES_H

#if defined(ORVS_BUILDING)
#  define ORVS_API __attribute__((visibility("default")))
#else
#  define ORVS_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

typedef unsigned char      Orv8u;
typedef signed char        Orv8s;
typedef unsigned short     Orv16u;
typedef short              Orv16s;
typedef unsigned short     Orv16f;   /* bits of an IEEE 754 binary16 value */
typedef unsigned int       Orv32u;
typedef int                Orv32s;
typedef unsigned long long Orv64u;
typedef long long          Orv64s;
typedef float              Orv32f;
typedef double             Orv64f;

typedef struct { Orv8s  re, im; } Orv8sc;
typedef struct { Orv16s re, im; } Orv16sc;
typedef struct { Orv32s re, im; } Orv32sc;
typedef struct { Orv64s re, im; } Orv64sc;
typedef struct { Orv32f re, im; } Orv32fc;
typedef struct { Orv64f re, im; } Orv64fc;

/* Status: 0 success, negative errors, positive warnings. */
typedef int OrvStatus;
enum {
    orvStsOk                  = 0,   /* success */
    orvStsWarnSqrtNegArg      = 3,   /* a negative argument met in an integer square root */
    orvStsWarnInvZero         = 4,   /* a zero element met a zero level in an inverting threshold; the element's result is infinite */
    orvStsWarnEvenMedianMask  = 5,   /* an even median mask size was reduced by one */
    orvStsWarnDivByZero       = 6,   /* a zero divisor met in an element-wise division */
    orvStsWarnLnZeroArg       = 7,   /* a zero argument met in a logarithm */
    orvStsWarnLnNegArg        = 8,   /* a negative argument met in a logarithm */
    orvStsWarnNonFiniteArg    = 9,   /* an infinite or NaN input was met and left out of the result */
    orvStsWarnBitLenClamped   = 27,  /* a code length outside 0 .. 32 was clamped */
    orvStsErrBadArg           = -5,  /* an enumerated or index argument outside its set */
    orvStsErrSize             = -6,  /* a length or size argument out of range (usually below 1; StdDev below 2; transform lengths above the method's limit) */
    orvStsErrZeroCrossMode    = -7,  /* zero-crossing kind not accepted */
    orvStsErrNullPtr          = -8,  /* a required pointer is null */
    orvStsErrMemAlloc         = -9,  /* an allocation failed */
    orvStsErrDivByZero        = -10, /* division by zero where it is an error */
    orvStsErrCauchyParam      = -11, /* M-estimator parameter not positive */
    orvStsErrIirTapsScale     = -13, /* negative scale exponent in 16-bit direct-form IIR taps */
    orvStsErrFftOrder         = -15, /* FFT order below 0 or above 30, or a length above the type's limit */
    orvStsErrFftFlag          = -16, /* normalisation flag not 1, 2, 4 or 8 */
    orvStsErrContextMatch     = -17, /* a record (transform, filter or generator state) of another kind or freed */
    orvStsErrThreshLevels     = -18, /* lower threshold above upper threshold */
    orvStsErrThreshNegLevel   = -19, /* negative threshold where a magnitude is compared */
    orvStsErrDlyLineIndex     = -24, /* delay-line index out of range */
    orvStsErrIirOrder         = -25, /* IIR order out of range */
    orvStsErrFirLen           = -26, /* FIR tap count out of range */
    orvStsErrRelFreq          = -27, /* relative frequency outside [0, 1) */
    orvStsErrFirMrPhase       = -28, /* multi-rate up or down phase outside [0, factor) */
    orvStsErrFirMrFactor      = -29, /* multi-rate up or down factor below 1 */
    orvStsErrSamplePhase      = -30, /* phase not in [0, factor) */
    orvStsErrSampleFactor     = -31, /* factor below 1 */
    orvStsErrShift            = -32, /* shift count out of range */
    orvStsErrWindowLen        = -33, /* window length below 1 */
    orvStsErrWtOffset         = -35, /* wavelet filter offset below -1 */
    orvStsErrJaehneMagnitude  = -38, /* negative magnitude */
    orvStsErrKaiserAlpha      = -39, /* Kaiser parameter too large for the length */
    orvStsErrTrnglAsym        = -40, /* triangle asymmetry outside [-pi, pi) */
    orvStsErrTrnglPhase       = -41, /* triangle phase outside [0, 2pi) */
    orvStsErrTrnglFreq        = -42, /* triangle frequency outside [0, 0.5) */
    orvStsErrTrnglMagn        = -43, /* triangle magnitude not positive */
    orvStsErrTonePhase        = -44, /* tone phase outside [0, 2pi) */
    orvStsErrToneFreq         = -45, /* tone frequency outside [0, 0.5) (complex: [0, 1)) */
    orvStsErrToneMagn         = -46, /* tone magnitude not positive */
    orvStsErrChannelCount     = -53, /* channel count below 1 */
    orvStsErrSparsePos        = -194, /* sparse filter delays invalid */
    orvStsErrIirGenOrder      = -206, /* IIR design order outside 1 .. 12 */
    orvStsErrIirGenFreq       = -208, /* IIR design frequency outside (0, 0.5) */
    orvStsErrIirGenDeviation  = -209, /* passband deviation outside (0, 29] dB */
    orvStsErrRoundMode        = -213 /* rounding mode not supported */
};

typedef enum {
    orvRndZero      = 0,  /* toward zero */
    orvRndNear      = 1,  /* to nearest, ties to even */
    orvRndFinancial = 2   /* to nearest, ties away from zero */
} OrvRoundMode;

typedef enum {
    orvHintNone     = 0,
    orvHintFast     = 1,
    orvHintAccurate = 2
} OrvHintAlgorithm;

typedef struct {
    int         major;
    int         minor;
    int         majorBuild;
    int         build;
    char        targetCpu[4];
    const char* Name;
    const char* Version;
    const char* BuildDate;
} OrvLibraryVersion;

#ifdef __cplusplus
}
#endif

#endif /* ORVS_TYPES_H */
