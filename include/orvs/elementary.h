/* Elementary functions: square roots, squares, exponentials, logarithms, cube roots, arctangents.

   Integer members (_Sfs) write the nearest integer to the function value
   times 2^-scaleFactor, saturated to the destination. Square roots of
   negative elements give 0 (integer) or NaN (floating) and complete with
   orvStsWarnSqrtNegArg; logarithms of zero or negative elements give the
   minimum (integer) or -inf / NaN (floating) and complete with
   orvStsWarnLnZeroArg or orvStsWarnLnNegArg. */
#ifndef ORVS_ELEMENTARY_H
#define ORVS_ELEMENTARY_H
#include "types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Squares: the integer members are the scaled product of the vector with itself. */
ORVS_API OrvStatus orvsSqr_8u_Sfs(const Orv8u* pSrc, Orv8u* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsSqr_8u_ISfs(Orv8u* pSrcDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsSqr_16u_Sfs(const Orv16u* pSrc, Orv16u* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsSqr_16u_ISfs(Orv16u* pSrcDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsSqr_16s_Sfs(const Orv16s* pSrc, Orv16s* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsSqr_16s_ISfs(Orv16s* pSrcDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsSqr_16sc_Sfs(const Orv16sc* pSrc, Orv16sc* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsSqr_16sc_ISfs(Orv16sc* pSrcDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsSqr_32f(const Orv32f* pSrc, Orv32f* pDst, int len);
ORVS_API OrvStatus orvsSqr_32f_I(Orv32f* pSrcDst, int len);
ORVS_API OrvStatus orvsSqr_64f(const Orv64f* pSrc, Orv64f* pDst, int len);
ORVS_API OrvStatus orvsSqr_64f_I(Orv64f* pSrcDst, int len);
ORVS_API OrvStatus orvsSqr_32fc(const Orv32fc* pSrc, Orv32fc* pDst, int len);
ORVS_API OrvStatus orvsSqr_32fc_I(Orv32fc* pSrcDst, int len);
ORVS_API OrvStatus orvsSqr_64fc(const Orv64fc* pSrc, Orv64fc* pDst, int len);
ORVS_API OrvStatus orvsSqr_64fc_I(Orv64fc* pSrcDst, int len);

/* Square roots: <source, destination, element-by-element scale range, parallel threshold>. */
ORVS_API OrvStatus orvsSqrt_8u_Sfs(const Orv8u* pSrc, Orv8u* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsSqrt_8u_ISfs(Orv8u* pSrcDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsSqrt_16u_Sfs(const Orv16u* pSrc, Orv16u* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsSqrt_16u_ISfs(Orv16u* pSrcDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsSqrt_16s_Sfs(const Orv16s* pSrc, Orv16s* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsSqrt_16s_ISfs(Orv16s* pSrcDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsSqrt_32s16s_Sfs(const Orv32s* pSrc, Orv16s* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsSqrt_64s16s_Sfs(const Orv64s* pSrc, Orv16s* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsSqrt_64s_Sfs(const Orv64s* pSrc, Orv64s* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsSqrt_64s_ISfs(Orv64s* pSrcDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsSqrt_16sc_Sfs(const Orv16sc* pSrc, Orv16sc* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsSqrt_16sc_ISfs(Orv16sc* pSrcDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsSqrt_32f(const Orv32f* pSrc, Orv32f* pDst, int len);
ORVS_API OrvStatus orvsSqrt_32f_I(Orv32f* pSrcDst, int len);
ORVS_API OrvStatus orvsSqrt_64f(const Orv64f* pSrc, Orv64f* pDst, int len);
ORVS_API OrvStatus orvsSqrt_64f_I(Orv64f* pSrcDst, int len);
ORVS_API OrvStatus orvsSqrt_32fc(const Orv32fc* pSrc, Orv32fc* pDst, int len);
ORVS_API OrvStatus orvsSqrt_32fc_I(Orv32fc* pSrcDst, int len);
ORVS_API OrvStatus orvsSqrt_64fc(const Orv64fc* pSrc, Orv64fc* pDst, int len);
ORVS_API OrvStatus orvsSqrt_64fc_I(Orv64fc* pSrcDst, int len);

/* Exponentials. */
ORVS_API OrvStatus orvsExp_16s_Sfs(const Orv16s* pSrc, Orv16s* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsExp_16s_ISfs(Orv16s* pSrcDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsExp_32s_Sfs(const Orv32s* pSrc, Orv32s* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsExp_32s_ISfs(Orv32s* pSrcDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsExp_64s_Sfs(const Orv64s* pSrc, Orv64s* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsExp_64s_ISfs(Orv64s* pSrcDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsExp_32f(const Orv32f* pSrc, Orv32f* pDst, int len);
ORVS_API OrvStatus orvsExp_32f_I(Orv32f* pSrcDst, int len);
ORVS_API OrvStatus orvsExp_64f(const Orv64f* pSrc, Orv64f* pDst, int len);
ORVS_API OrvStatus orvsExp_64f_I(Orv64f* pSrcDst, int len);
ORVS_API OrvStatus orvsExp_32f64f(const Orv32f* pSrc, Orv64f* pDst, int len);

/* Logarithms and decibels. */
ORVS_API OrvStatus orvsLn_16s_Sfs(const Orv16s* pSrc, Orv16s* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsLn_16s_ISfs(Orv16s* pSrcDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsLn_32s_Sfs(const Orv32s* pSrc, Orv32s* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsLn_32s_ISfs(Orv32s* pSrcDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsLn_32s16s_Sfs(const Orv32s* pSrc, Orv16s* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsLn_32f(const Orv32f* pSrc, Orv32f* pDst, int len);
ORVS_API OrvStatus orvsLn_32f_I(Orv32f* pSrcDst, int len);
ORVS_API OrvStatus orvsLn_64f(const Orv64f* pSrc, Orv64f* pDst, int len);
ORVS_API OrvStatus orvsLn_64f_I(Orv64f* pSrcDst, int len);
ORVS_API OrvStatus orvsLn_64f32f(const Orv64f* pSrc, Orv32f* pDst, int len);
ORVS_API OrvStatus orvs10Log10_32s_Sfs(const Orv32s* pSrc, Orv32s* pDst, int len, int scaleFactor);

/* Cube roots and arctangents. */
ORVS_API OrvStatus orvsCubrt_32s16s_Sfs(const Orv32s* pSrc, Orv16s* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsCubrt_32f(const Orv32f* pSrc, Orv32f* pDst, int len);
ORVS_API OrvStatus orvsArctan_32f(const Orv32f* pSrc, Orv32f* pDst, int len);
ORVS_API OrvStatus orvsArctan_64f(const Orv64f* pSrc, Orv64f* pDst, int len);

/* Sums of logarithms. */
ORVS_API OrvStatus orvsSumLn_32f(const Orv32f* pSrc, int len, Orv32f* pSum);
ORVS_API OrvStatus orvsSumLn_32f64f(const Orv32f* pSrc, int len, Orv64f* pSum);
ORVS_API OrvStatus orvsSumLn_64f(const Orv64f* pSrc, int len, Orv64f* pSum);
ORVS_API OrvStatus orvsSumLn_16s32f(const Orv16s* pSrc, int len, Orv32f* pSum);

#ifdef __cplusplus
}
#endif
#endif /* ORVS_ELEMENTARY_H */
