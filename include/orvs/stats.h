/* Statistics: sums, means, deviations, norms, dot products, extrema and normalisation. */
#ifndef ORVS_STATS_H
#define ORVS_STATS_H
#include "types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Sums and means
 * 16-bit data: the exact sum times 2^-scaleFactor, rounded to nearest (ties to
 * even) and saturated; the means divide by len first and round by the current
 * rounding mode. Sum_32f/Mean_32f: hint orvHintFast sums single-precision
 * partials in blocks of 32768 elements, any other hint sums in double. */
ORVS_API OrvStatus orvsSum_16s_Sfs(const Orv16s* pSrc, int len, Orv16s* pSum, int scaleFactor);
ORVS_API OrvStatus orvsSum_16s32s_Sfs(const Orv16s* pSrc, int len, Orv32s* pSum, int scaleFactor);
ORVS_API OrvStatus orvsSum_16sc_Sfs(const Orv16sc* pSrc, int len, Orv16sc* pSum, int scaleFactor);
ORVS_API OrvStatus orvsSum_16sc32sc_Sfs(const Orv16sc* pSrc, int len, Orv32sc* pSum, int scaleFactor);
ORVS_API OrvStatus orvsSum_32s_Sfs(const Orv32s* pSrc, int len, Orv32s* pSum, int scaleFactor);
ORVS_API OrvStatus orvsSum_32f(const Orv32f* pSrc, int len, Orv32f* pSum, OrvHintAlgorithm hint);
ORVS_API OrvStatus orvsSum_32fc(const Orv32fc* pSrc, int len, Orv32fc* pSum, OrvHintAlgorithm hint);
ORVS_API OrvStatus orvsMean_16s_Sfs(const Orv16s* pSrc, int len, Orv16s* pMean, int scaleFactor);
ORVS_API OrvStatus orvsMean_16sc_Sfs(const Orv16sc* pSrc, int len, Orv16sc* pMean, int scaleFactor);
ORVS_API OrvStatus orvsMean_32s_Sfs(const Orv32s* pSrc, int len, Orv32s* pMean, int scaleFactor);
ORVS_API OrvStatus orvsMean_32f(const Orv32f* pSrc, int len, Orv32f* pMean, OrvHintAlgorithm hint);
ORVS_API OrvStatus orvsMean_32fc(const Orv32fc* pSrc, int len, Orv32fc* pMean, OrvHintAlgorithm hint);

/* ---- Sample standard deviations (len >= 2): sqrt(max(0, n*Q - S^2) / (n*(n-1))). */
ORVS_API OrvStatus orvsStdDev_32f(const Orv32f* pSrc, int len, Orv32f* pStdDev, OrvHintAlgorithm hint);
ORVS_API OrvStatus orvsMeanStdDev_32f(const Orv32f* pSrc, int len, Orv32f* pMean, Orv32f* pStdDev, OrvHintAlgorithm hint);
ORVS_API OrvStatus orvsStdDev_16s_Sfs(const Orv16s* pSrc, int len, Orv16s* pStdDev, int scaleFactor);
ORVS_API OrvStatus orvsMeanStdDev_16s_Sfs(const Orv16s* pSrc, int len, Orv16s* pMean, Orv16s* pStdDev, int scaleFactor);
ORVS_API OrvStatus orvsStdDev_16s32s_Sfs(const Orv16s* pSrc, int len, Orv32s* pStdDev, int scaleFactor);
ORVS_API OrvStatus orvsMeanStdDev_16s32s_Sfs(const Orv16s* pSrc, int len, Orv32s* pMean, Orv32s* pStdDev, int scaleFactor);

/* ---- Norms of pSrc or of pSrc1 - pSrc2: Inf = max |x|, L1 = sum |x|,
 * L2 = sqrt(sum x^2), L2Sqr = sum x^2. Scaled integer norms truncate. */
ORVS_API OrvStatus orvsNorm_Inf_16s32s_Sfs(const Orv16s* pSrc, int len, Orv32s* pNorm, int scaleFactor);
ORVS_API OrvStatus orvsNormDiff_Inf_16s32s_Sfs(const Orv16s* pSrc1, const Orv16s* pSrc2, int len, Orv32s* pNorm, int scaleFactor);
ORVS_API OrvStatus orvsNorm_L1_16s32s_Sfs(const Orv16s* pSrc, int len, Orv32s* pNorm, int scaleFactor);
ORVS_API OrvStatus orvsNormDiff_L1_16s32s_Sfs(const Orv16s* pSrc1, const Orv16s* pSrc2, int len, Orv32s* pNorm, int scaleFactor);
ORVS_API OrvStatus orvsNorm_L2_16s32s_Sfs(const Orv16s* pSrc, int len, Orv32s* pNorm, int scaleFactor);
ORVS_API OrvStatus orvsNormDiff_L2_16s32s_Sfs(const Orv16s* pSrc1, const Orv16s* pSrc2, int len, Orv32s* pNorm, int scaleFactor);
ORVS_API OrvStatus orvsNorm_Inf_16s64s_Sfs(const Orv16s* pSrc, int len, Orv64s* pNorm, int scaleFactor);
ORVS_API OrvStatus orvsNormDiff_Inf_16s64s_Sfs(const Orv16s* pSrc1, const Orv16s* pSrc2, int len, Orv64s* pNorm, int scaleFactor);
ORVS_API OrvStatus orvsNorm_L1_16s64s_Sfs(const Orv16s* pSrc, int len, Orv64s* pNorm, int scaleFactor);
ORVS_API OrvStatus orvsNormDiff_L1_16s64s_Sfs(const Orv16s* pSrc1, const Orv16s* pSrc2, int len, Orv64s* pNorm, int scaleFactor);
ORVS_API OrvStatus orvsNorm_L2_16s64s_Sfs(const Orv16s* pSrc, int len, Orv64s* pNorm, int scaleFactor);
ORVS_API OrvStatus orvsNormDiff_L2_16s64s_Sfs(const Orv16s* pSrc1, const Orv16s* pSrc2, int len, Orv64s* pNorm, int scaleFactor);
ORVS_API OrvStatus orvsNorm_L2Sqr_16s64s_Sfs(const Orv16s* pSrc, int len, Orv64s* pNorm, int scaleFactor);
ORVS_API OrvStatus orvsNormDiff_L2Sqr_16s64s_Sfs(const Orv16s* pSrc1, const Orv16s* pSrc2, int len, Orv64s* pNorm, int scaleFactor);
ORVS_API OrvStatus orvsNorm_Inf_16s32f(const Orv16s* pSrc, int len, Orv32f* pNorm);
ORVS_API OrvStatus orvsNormDiff_Inf_16s32f(const Orv16s* pSrc1, const Orv16s* pSrc2, int len, Orv32f* pNorm);
ORVS_API OrvStatus orvsNorm_L1_16s32f(const Orv16s* pSrc, int len, Orv32f* pNorm);
ORVS_API OrvStatus orvsNormDiff_L1_16s32f(const Orv16s* pSrc1, const Orv16s* pSrc2, int len, Orv32f* pNorm);
ORVS_API OrvStatus orvsNorm_L2_16s32f(const Orv16s* pSrc, int len, Orv32f* pNorm);
ORVS_API OrvStatus orvsNormDiff_L2_16s32f(const Orv16s* pSrc1, const Orv16s* pSrc2, int len, Orv32f* pNorm);
ORVS_API OrvStatus orvsNorm_Inf_32f(const Orv32f* pSrc, int len, Orv32f* pNorm);
ORVS_API OrvStatus orvsNormDiff_Inf_32f(const Orv32f* pSrc1, const Orv32f* pSrc2, int len, Orv32f* pNorm);
ORVS_API OrvStatus orvsNorm_L1_32f(const Orv32f* pSrc, int len, Orv32f* pNorm);
ORVS_API OrvStatus orvsNormDiff_L1_32f(const Orv32f* pSrc1, const Orv32f* pSrc2, int len, Orv32f* pNorm);
ORVS_API OrvStatus orvsNorm_L2_32f(const Orv32f* pSrc, int len, Orv32f* pNorm);
ORVS_API OrvStatus orvsNormDiff_L2_32f(const Orv32f* pSrc1, const Orv32f* pSrc2, int len, Orv32f* pNorm);
ORVS_API OrvStatus orvsNorm_Inf_64f(const Orv64f* pSrc, int len, Orv64f* pNorm);
ORVS_API OrvStatus orvsNormDiff_Inf_64f(const Orv64f* pSrc1, const Orv64f* pSrc2, int len, Orv64f* pNorm);
ORVS_API OrvStatus orvsNorm_L1_64f(const Orv64f* pSrc, int len, Orv64f* pNorm);
ORVS_API OrvStatus orvsNormDiff_L1_64f(const Orv64f* pSrc1, const Orv64f* pSrc2, int len, Orv64f* pNorm);
ORVS_API OrvStatus orvsNorm_L2_64f(const Orv64f* pSrc, int len, Orv64f* pNorm);
ORVS_API OrvStatus orvsNormDiff_L2_64f(const Orv64f* pSrc1, const Orv64f* pSrc2, int len, Orv64f* pNorm);

/* ---- Dot products, sum pSrc1[n] * pSrc2[n] without conjugation. */
ORVS_API OrvStatus orvsDotProd_16s_Sfs(const Orv16s* pSrc1, const Orv16s* pSrc2, int len, Orv16s* pDp, int scaleFactor);
ORVS_API OrvStatus orvsDotProd_16s32s_Sfs(const Orv16s* pSrc1, const Orv16s* pSrc2, int len, Orv32s* pDp, int scaleFactor);
ORVS_API OrvStatus orvsDotProd_16s32s32s_Sfs(const Orv16s* pSrc1, const Orv32s* pSrc2, int len, Orv32s* pDp, int scaleFactor);
ORVS_API OrvStatus orvsDotProd_16s32f(const Orv16s* pSrc1, const Orv16s* pSrc2, int len, Orv32f* pDp);
ORVS_API OrvStatus orvsDotProd_32f(const Orv32f* pSrc1, const Orv32f* pSrc2, int len, Orv32f* pDp);
ORVS_API OrvStatus orvsDotProd_32fc(const Orv32fc* pSrc1, const Orv32fc* pSrc2, int len, Orv32fc* pDp);
ORVS_API OrvStatus orvsDotProd_32f32fc(const Orv32f* pSrc1, const Orv32fc* pSrc2, int len, Orv32fc* pDp);
ORVS_API OrvStatus orvsDotProd_32f64f(const Orv32f* pSrc1, const Orv32f* pSrc2, int len, Orv64f* pDp);
ORVS_API OrvStatus orvsDotProd_32fc64fc(const Orv32fc* pSrc1, const Orv32fc* pSrc2, int len, Orv64fc* pDp);
ORVS_API OrvStatus orvsDotProd_32f32fc64fc(const Orv32f* pSrc1, const Orv32fc* pSrc2, int len, Orv64fc* pDp);

/* ---- Extrema. Index forms return the lowest index of the extreme value;
 * a null pIndx in MaxIndx/MinIndx/MaxAbsIndx/MinAbsIndx skips the index. A
 * floating-point NaN element is the result (value and index of the first
 * NaN). MaxAbs/MinAbs count |-32768| as 32767. The Every forms write
 * max (min) of pSrc[n] and pSrcDst[n] into pSrcDst[n]. */
ORVS_API OrvStatus orvsMax_16s(const Orv16s* pSrc, int len, Orv16s* pMax);
ORVS_API OrvStatus orvsMin_16s(const Orv16s* pSrc, int len, Orv16s* pMin);
ORVS_API OrvStatus orvsMaxIndx_16s(const Orv16s* pSrc, int len, Orv16s* pMax, int* pIndx);
ORVS_API OrvStatus orvsMinIndx_16s(const Orv16s* pSrc, int len, Orv16s* pMin, int* pIndx);
ORVS_API OrvStatus orvsMinMax_16s(const Orv16s* pSrc, int len, Orv16s* pMin, Orv16s* pMax);
ORVS_API OrvStatus orvsMinMaxIndx_16s(const Orv16s* pSrc, int len, Orv16s* pMin, int* pMinIndx, Orv16s* pMax, int* pMaxIndx);
ORVS_API OrvStatus orvsMax_32f(const Orv32f* pSrc, int len, Orv32f* pMax);
ORVS_API OrvStatus orvsMin_32f(const Orv32f* pSrc, int len, Orv32f* pMin);
ORVS_API OrvStatus orvsMaxIndx_32f(const Orv32f* pSrc, int len, Orv32f* pMax, int* pIndx);
ORVS_API OrvStatus orvsMinIndx_32f(const Orv32f* pSrc, int len, Orv32f* pMin, int* pIndx);
ORVS_API OrvStatus orvsMinMax_32f(const Orv32f* pSrc, int len, Orv32f* pMin, Orv32f* pMax);
ORVS_API OrvStatus orvsMinMaxIndx_32f(const Orv32f* pSrc, int len, Orv32f* pMin, int* pMinIndx, Orv32f* pMax, int* pMaxIndx);
ORVS_API OrvStatus orvsMax_64f(const Orv64f* pSrc, int len, Orv64f* pMax);
ORVS_API OrvStatus orvsMin_64f(const Orv64f* pSrc, int len, Orv64f* pMin);
ORVS_API OrvStatus orvsMaxIndx_64f(const Orv64f* pSrc, int len, Orv64f* pMax, int* pIndx);
ORVS_API OrvStatus orvsMinIndx_64f(const Orv64f* pSrc, int len, Orv64f* pMin, int* pIndx);
ORVS_API OrvStatus orvsMinMax_64f(const Orv64f* pSrc, int len, Orv64f* pMin, Orv64f* pMax);
ORVS_API OrvStatus orvsMinMaxIndx_64f(const Orv64f* pSrc, int len, Orv64f* pMin, int* pMinIndx, Orv64f* pMax, int* pMaxIndx);
ORVS_API OrvStatus orvsMaxAbs_16s(const Orv16s* pSrc, int len, Orv16s* pMaxAbs);
ORVS_API OrvStatus orvsMinAbs_16s(const Orv16s* pSrc, int len, Orv16s* pMinAbs);
ORVS_API OrvStatus orvsMaxAbsIndx_16s(const Orv16s* pSrc, int len, Orv16s* pMaxAbs, int* pIndx);
ORVS_API OrvStatus orvsMinAbsIndx_16s(const Orv16s* pSrc, int len, Orv16s* pMinAbs, int* pIndx);
ORVS_API OrvStatus orvsMaxEvery_16s_I(const Orv16s* pSrc, Orv16s* pSrcDst, int len);
ORVS_API OrvStatus orvsMinEvery_16s_I(const Orv16s* pSrc, Orv16s* pSrcDst, int len);

/* ---- Order of magnitude (significant bits of the largest magnitude; for
 * floats its exponent, 1.0 -> 1) and the count of lowerBound < x < upperBound. */
ORVS_API OrvStatus orvsMaxOrder_16s(const Orv16s* pSrc, int len, int* pOrder);
ORVS_API OrvStatus orvsMaxOrder_32s(const Orv32s* pSrc, int len, int* pOrder);
ORVS_API OrvStatus orvsMaxOrder_32f(const Orv32f* pSrc, int len, int* pOrder);
ORVS_API OrvStatus orvsMaxOrder_64f(const Orv64f* pSrc, int len, int* pOrder);
ORVS_API OrvStatus orvsCountInRange_32s(const Orv32s* pSrc, int len, int* pCounts, int lowerBound, int upperBound);

/* ---- Normalisation: pDst[n] = (pSrc[n] - vSub) / vDiv (then times
 * 2^-scaleFactor, rounded and saturated for 16-bit data). */
ORVS_API OrvStatus orvsNormalize_16s_Sfs(const Orv16s* pSrc, Orv16s* pDst, int len, Orv16s vSub, int vDiv, int scaleFactor);
ORVS_API OrvStatus orvsNormalize_16sc_Sfs(const Orv16sc* pSrc, Orv16sc* pDst, int len, Orv16sc vSub, int vDiv, int scaleFactor);
ORVS_API OrvStatus orvsNormalize_32f(const Orv32f* pSrc, Orv32f* pDst, int len, Orv32f vSub, Orv32f vDiv);
ORVS_API OrvStatus orvsNormalize_32fc(const Orv32fc* pSrc, Orv32fc* pDst, int len, Orv32fc vSub, Orv32f vDiv);
ORVS_API OrvStatus orvsNormalize_64f(const Orv64f* pSrc, Orv64f* pDst, int len, Orv64f vSub, Orv64f vDiv);
ORVS_API OrvStatus orvsNormalize_64fc(const Orv64fc* pSrc, Orv64fc* pDst, int len, Orv64fc vSub, Orv64f vDiv);

#ifdef __cplusplus
}
#endif
#endif /* ORVS_STATS_H */
