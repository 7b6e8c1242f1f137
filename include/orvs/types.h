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
    orvStsOk                  = 0,
    orvStsWarnSqrtNegArg      = 3,
    orvStsWarnInvZero         = 4,
    orvStsWarnEvenMedianMask  = 5,
    orvStsWarnDivByZero       = 6,
    orvStsWarnLnZeroArg       = 7,
    orvStsWarnLnNegArg        = 8,
    orvStsWarnNonFiniteArg    = 9,
    orvStsWarnBitLenClamped   = 27,
    orvStsErrBadArg           = -5,
    orvStsErrSize             = -6,
    orvStsErrZeroCrossMode    = -7,
    orvStsErrNullPtr          = -8,
    orvStsErrMemAlloc         = -9,
    orvStsErrDivByZero        = -10,
    orvStsErrCauchyParam      = -11,
    orvStsErrIirTapsScale     = -13,
    orvStsErrFftOrder         = -15,
    orvStsErrFftFlag          = -16,
    orvStsErrContextMatch     = -17,
    orvStsErrThreshLevels     = -18,
    orvStsErrThreshNegLevel   = -19,
    orvStsErrDlyLineIndex     = -24,
    orvStsErrIirOrder         = -25,
    orvStsErrFirLen           = -26,
    orvStsErrRelFreq          = -27,
    orvStsErrFirMrPhase       = -28,
    orvStsErrFirMrFactor      = -29,
    orvStsErrSamplePhase      = -30,
    orvStsErrSampleFactor     = -31,
    orvStsErrShift            = -32,
    orvStsErrWindowLen        = -33,
    orvStsErrWtOffset         = -35,
    orvStsErrJaehneMagnitude  = -38,
    orvStsErrKaiserAlpha      = -39,
    orvStsErrTrnglAsym        = -40,
    orvStsErrTrnglPhase       = -41,
    orvStsErrTrnglFreq        = -42,
    orvStsErrTrnglMagn        = -43,
    orvStsErrTonePhase        = -44,
    orvStsErrToneFreq         = -45,
    orvStsErrToneMagn         = -46,
    orvStsErrChannelCount     = -53,
    orvStsErrSparsePos        = -194,
    orvStsErrIirGenOrder      = -206,
    orvStsErrIirGenFreq       = -208,
    orvStsErrIirGenDeviation  = -209,
    orvStsErrRoundMode        = -213
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
