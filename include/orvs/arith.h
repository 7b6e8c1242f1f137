/* Element-wise arithmetic with integer scaling and saturation. */
#ifndef ORVS_ARITH_H
#define ORVS_ARITH_H
#include "types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Vector + vector, vector - vector (second operand minus first), vector * vector.
   _Sfs: the exact result times 2^-scaleFactor, rounded to nearest with ties to
   even, saturated; members without _Sfs saturate the exact result. */
ORVS_API OrvStatus orvsAdd_8u_Sfs(const Orv8u* pSrc1, const Orv8u* pSrc2, Orv8u* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsAdd_8u_ISfs(const Orv8u* pSrc, Orv8u* pSrcDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsSub_8u_Sfs(const Orv8u* pSrc1, const Orv8u* pSrc2, Orv8u* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsSub_8u_ISfs(const Orv8u* pSrc, Orv8u* pSrcDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsMul_8u_Sfs(const Orv8u* pSrc1, const Orv8u* pSrc2, Orv8u* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsMul_8u_ISfs(const Orv8u* pSrc, Orv8u* pSrcDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsAdd_16u_Sfs(const Orv16u* pSrc1, const Orv16u* pSrc2, Orv16u* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsAdd_16u_ISfs(const Orv16u* pSrc, Orv16u* pSrcDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsSub_16u_Sfs(const Orv16u* pSrc1, const Orv16u* pSrc2, Orv16u* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsSub_16u_ISfs(const Orv16u* pSrc, Orv16u* pSrcDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsMul_16u_Sfs(const Orv16u* pSrc1, const Orv16u* pSrc2, Orv16u* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsMul_16u_ISfs(const Orv16u* pSrc, Orv16u* pSrcDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsAdd_16u(const Orv16u* pSrc1, const Orv16u* pSrc2, Orv16u* pDst, int len);
ORVS_API OrvStatus orvsAdd_16s_Sfs(const Orv16s* pSrc1, const Orv16s* pSrc2, Orv16s* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsAdd_16s_ISfs(const Orv16s* pSrc, Orv16s* pSrcDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsSub_16s_Sfs(const Orv16s* pSrc1, const Orv16s* pSrc2, Orv16s* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsSub_16s_ISfs(const Orv16s* pSrc, Orv16s* pSrcDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsMul_16s_Sfs(const Orv16s* pSrc1, const Orv16s* pSrc2, Orv16s* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsMul_16s_ISfs(const Orv16s* pSrc, Orv16s* pSrcDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsAdd_16s(const Orv16s* pSrc1, const Orv16s* pSrc2, Orv16s* pDst, int len);
ORVS_API OrvStatus orvsAdd_16s_I(const Orv16s* pSrc, Orv16s* pSrcDst, int len);
ORVS_API OrvStatus orvsSub_16s(const Orv16s* pSrc1, const Orv16s* pSrc2, Orv16s* pDst, int len);
ORVS_API OrvStatus orvsSub_16s_I(const Orv16s* pSrc, Orv16s* pSrcDst, int len);
ORVS_API OrvStatus orvsMul_16s(const Orv16s* pSrc1, const Orv16s* pSrc2, Orv16s* pDst, int len);
ORVS_API OrvStatus orvsMul_16s_I(const Orv16s* pSrc, Orv16s* pSrcDst, int len);
ORVS_API OrvStatus orvsAdd_16sc_Sfs(const Orv16sc* pSrc1, const Orv16sc* pSrc2, Orv16sc* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsAdd_16sc_ISfs(const Orv16sc* pSrc, Orv16sc* pSrcDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsSub_16sc_Sfs(const Orv16sc* pSrc1, const Orv16sc* pSrc2, Orv16sc* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsSub_16sc_ISfs(const Orv16sc* pSrc, Orv16sc* pSrcDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsMul_16sc_Sfs(const Orv16sc* pSrc1, const Orv16sc* pSrc2, Orv16sc* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsMul_16sc_ISfs(const Orv16sc* pSrc, Orv16sc* pSrcDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsAdd_32s_Sfs(const Orv32s* pSrc1, const Orv32s* pSrc2, Orv32s* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsAdd_32s_ISfs(const Orv32s* pSrc, Orv32s* pSrcDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsSub_32s_Sfs(const Orv32s* pSrc1, const Orv32s* pSrc2, Orv32s* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsSub_32s_ISfs(const Orv32s* pSrc, Orv32s* pSrcDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsMul_32s_Sfs(const Orv32s* pSrc1, const Orv32s* pSrc2, Orv32s* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsMul_32s_ISfs(const Orv32s* pSrc, Orv32s* pSrcDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsAdd_32sc_Sfs(const Orv32sc* pSrc1, const Orv32sc* pSrc2, Orv32sc* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsAdd_32sc_ISfs(const Orv32sc* pSrc, Orv32sc* pSrcDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsSub_32sc_Sfs(const Orv32sc* pSrc1, const Orv32sc* pSrc2, Orv32sc* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsSub_32sc_ISfs(const Orv32sc* pSrc, Orv32sc* pSrcDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsMul_32sc_Sfs(const Orv32sc* pSrc1, const Orv32sc* pSrc2, Orv32sc* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsMul_32sc_ISfs(const Orv32sc* pSrc, Orv32sc* pSrcDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsAdd_64s_Sfs(const Orv64s* pSrc1, const Orv64s* pSrc2, Orv64s* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsMul_16u16s_Sfs(const Orv16u* pSrc1, const Orv16s* pSrc2, Orv16s* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsMul_16s32s_Sfs(const Orv16s* pSrc1, const Orv16s* pSrc2, Orv32s* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsMul_32s32sc_Sfs(const Orv32s* pSrc1, const Orv32sc* pSrc2, Orv32sc* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsMul_32s32sc_ISfs(const Orv32s* pSrc, Orv32sc* pSrcDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsMul_Low_32s_Sfs(const Orv32s* pSrc1, const Orv32s* pSrc2, Orv32s* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsAdd_8u16u(const Orv8u* pSrc1, const Orv8u* pSrc2, Orv16u* pDst, int len);
ORVS_API OrvStatus orvsMul_8u16u(const Orv8u* pSrc1, const Orv8u* pSrc2, Orv16u* pDst, int len);
ORVS_API OrvStatus orvsAdd_16s32s_I(const Orv16s* pSrc, Orv32s* pSrcDst, int len);
ORVS_API OrvStatus orvsAdd_32u(const Orv32u* pSrc1, const Orv32u* pSrc2, Orv32u* pDst, int len);
ORVS_API OrvStatus orvsAdd_32f(const Orv32f* pSrc1, const Orv32f* pSrc2, Orv32f* pDst, int len);
ORVS_API OrvStatus orvsAdd_32f_I(const Orv32f* pSrc, Orv32f* pSrcDst, int len);
ORVS_API OrvStatus orvsSub_32f(const Orv32f* pSrc1, const Orv32f* pSrc2, Orv32f* pDst, int len);
ORVS_API OrvStatus orvsSub_32f_I(const Orv32f* pSrc, Orv32f* pSrcDst, int len);
ORVS_API OrvStatus orvsMul_32f(const Orv32f* pSrc1, const Orv32f* pSrc2, Orv32f* pDst, int len);
ORVS_API OrvStatus orvsMul_32f_I(const Orv32f* pSrc, Orv32f* pSrcDst, int len);
ORVS_API OrvStatus orvsAdd_64f(const Orv64f* pSrc1, const Orv64f* pSrc2, Orv64f* pDst, int len);
ORVS_API OrvStatus orvsAdd_64f_I(const Orv64f* pSrc, Orv64f* pSrcDst, int len);
ORVS_API OrvStatus orvsSub_64f(const Orv64f* pSrc1, const Orv64f* pSrc2, Orv64f* pDst, int len);
ORVS_API OrvStatus orvsSub_64f_I(const Orv64f* pSrc, Orv64f* pSrcDst, int len);
ORVS_API OrvStatus orvsMul_64f(const Orv64f* pSrc1, const Orv64f* pSrc2, Orv64f* pDst, int len);
ORVS_API OrvStatus orvsMul_64f_I(const Orv64f* pSrc, Orv64f* pSrcDst, int len);
ORVS_API OrvStatus orvsAdd_32fc(const Orv32fc* pSrc1, const Orv32fc* pSrc2, Orv32fc* pDst, int len);
ORVS_API OrvStatus orvsAdd_32fc_I(const Orv32fc* pSrc, Orv32fc* pSrcDst, int len);
ORVS_API OrvStatus orvsSub_32fc(const Orv32fc* pSrc1, const Orv32fc* pSrc2, Orv32fc* pDst, int len);
ORVS_API OrvStatus orvsSub_32fc_I(const Orv32fc* pSrc, Orv32fc* pSrcDst, int len);
ORVS_API OrvStatus orvsMul_32fc(const Orv32fc* pSrc1, const Orv32fc* pSrc2, Orv32fc* pDst, int len);
ORVS_API OrvStatus orvsMul_32fc_I(const Orv32fc* pSrc, Orv32fc* pSrcDst, int len);
ORVS_API OrvStatus orvsAdd_64fc(const Orv64fc* pSrc1, const Orv64fc* pSrc2, Orv64fc* pDst, int len);
ORVS_API OrvStatus orvsAdd_64fc_I(const Orv64fc* pSrc, Orv64fc* pSrcDst, int len);
ORVS_API OrvStatus orvsSub_64fc(const Orv64fc* pSrc1, const Orv64fc* pSrc2, Orv64fc* pDst, int len);
ORVS_API OrvStatus orvsSub_64fc_I(const Orv64fc* pSrc, Orv64fc* pSrcDst, int len);
ORVS_API OrvStatus orvsMul_64fc(const Orv64fc* pSrc1, const Orv64fc* pSrc2, Orv64fc* pDst, int len);
ORVS_API OrvStatus orvsMul_64fc_I(const Orv64fc* pSrc, Orv64fc* pSrcDst, int len);
ORVS_API OrvStatus orvsMul_32f32fc(const Orv32f* pSrc1, const Orv32fc* pSrc2, Orv32fc* pDst, int len);
ORVS_API OrvStatus orvsMul_32f32fc_I(const Orv32f* pSrc, Orv32fc* pSrcDst, int len);
ORVS_API OrvStatus orvsAdd_16s32f(const Orv16s* pSrc1, const Orv16s* pSrc2, Orv32f* pDst, int len);
ORVS_API OrvStatus orvsSub_16s32f(const Orv16s* pSrc1, const Orv16s* pSrc2, Orv32f* pDst, int len);
ORVS_API OrvStatus orvsMul_16s32f(const Orv16s* pSrc1, const Orv16s* pSrc2, Orv32f* pDst, int len);

/* Vector and constant: AddC (x + val), SubC (x - val), SubCRev (val - x), MulC (x * val). */
ORVS_API OrvStatus orvsAddC_8u_Sfs(const Orv8u* pSrc, Orv8u val, Orv8u* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsAddC_8u_ISfs(Orv8u val, Orv8u* pSrcDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsSubC_8u_Sfs(const Orv8u* pSrc, Orv8u val, Orv8u* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsSubC_8u_ISfs(Orv8u val, Orv8u* pSrcDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsSubCRev_8u_Sfs(const Orv8u* pSrc, Orv8u val, Orv8u* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsSubCRev_8u_ISfs(Orv8u val, Orv8u* pSrcDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsMulC_8u_Sfs(const Orv8u* pSrc, Orv8u val, Orv8u* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsMulC_8u_ISfs(Orv8u val, Orv8u* pSrcDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsAddC_16u_Sfs(const Orv16u* pSrc, Orv16u val, Orv16u* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsAddC_16u_ISfs(Orv16u val, Orv16u* pSrcDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsSubC_16u_Sfs(const Orv16u* pSrc, Orv16u val, Orv16u* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsSubC_16u_ISfs(Orv16u val, Orv16u* pSrcDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsSubCRev_16u_Sfs(const Orv16u* pSrc, Orv16u val, Orv16u* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsSubCRev_16u_ISfs(Orv16u val, Orv16u* pSrcDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsMulC_16u_Sfs(const Orv16u* pSrc, Orv16u val, Orv16u* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsMulC_16u_ISfs(Orv16u val, Orv16u* pSrcDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsAddC_16s_Sfs(const Orv16s* pSrc, Orv16s val, Orv16s* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsAddC_16s_ISfs(Orv16s val, Orv16s* pSrcDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsSubC_16s_Sfs(const Orv16s* pSrc, Orv16s val, Orv16s* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsSubC_16s_ISfs(Orv16s val, Orv16s* pSrcDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsSubCRev_16s_Sfs(const Orv16s* pSrc, Orv16s val, Orv16s* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsSubCRev_16s_ISfs(Orv16s val, Orv16s* pSrcDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsMulC_16s_Sfs(const Orv16s* pSrc, Orv16s val, Orv16s* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsMulC_16s_ISfs(Orv16s val, Orv16s* pSrcDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsAddC_16s_I(Orv16s val, Orv16s* pSrcDst, int len);
ORVS_API OrvStatus orvsSubC_16s_I(Orv16s val, Orv16s* pSrcDst, int len);
ORVS_API OrvStatus orvsMulC_16s_I(Orv16s val, Orv16s* pSrcDst, int len);
ORVS_API OrvStatus orvsAddC_16sc_Sfs(const Orv16sc* pSrc, Orv16sc val, Orv16sc* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsAddC_16sc_ISfs(Orv16sc val, Orv16sc* pSrcDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsSubC_16sc_Sfs(const Orv16sc* pSrc, Orv16sc val, Orv16sc* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsSubC_16sc_ISfs(Orv16sc val, Orv16sc* pSrcDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsSubCRev_16sc_Sfs(const Orv16sc* pSrc, Orv16sc val, Orv16sc* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsSubCRev_16sc_ISfs(Orv16sc val, Orv16sc* pSrcDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsMulC_16sc_Sfs(const Orv16sc* pSrc, Orv16sc val, Orv16sc* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsMulC_16sc_ISfs(Orv16sc val, Orv16sc* pSrcDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsAddC_32s_Sfs(const Orv32s* pSrc, Orv32s val, Orv32s* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsAddC_32s_ISfs(Orv32s val, Orv32s* pSrcDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsSubC_32s_Sfs(const Orv32s* pSrc, Orv32s val, Orv32s* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsSubC_32s_ISfs(Orv32s val, Orv32s* pSrcDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsSubCRev_32s_Sfs(const Orv32s* pSrc, Orv32s val, Orv32s* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsSubCRev_32s_ISfs(Orv32s val, Orv32s* pSrcDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsMulC_32s_Sfs(const Orv32s* pSrc, Orv32s val, Orv32s* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsMulC_32s_ISfs(Orv32s val, Orv32s* pSrcDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsAddC_32sc_Sfs(const Orv32sc* pSrc, Orv32sc val, Orv32sc* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsAddC_32sc_ISfs(Orv32sc val, Orv32sc* pSrcDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsSubC_32sc_Sfs(const Orv32sc* pSrc, Orv32sc val, Orv32sc* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsSubC_32sc_ISfs(Orv32sc val, Orv32sc* pSrcDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsSubCRev_32sc_Sfs(const Orv32sc* pSrc, Orv32sc val, Orv32sc* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsSubCRev_32sc_ISfs(Orv32sc val, Orv32sc* pSrcDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsMulC_32sc_Sfs(const Orv32sc* pSrc, Orv32sc val, Orv32sc* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsMulC_32sc_ISfs(Orv32sc val, Orv32sc* pSrcDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsMulC_64s_ISfs(Orv64s val, Orv64s* pSrcDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsAddC_32f(const Orv32f* pSrc, Orv32f val, Orv32f* pDst, int len);
ORVS_API OrvStatus orvsAddC_32f_I(Orv32f val, Orv32f* pSrcDst, int len);
ORVS_API OrvStatus orvsSubC_32f(const Orv32f* pSrc, Orv32f val, Orv32f* pDst, int len);
ORVS_API OrvStatus orvsSubC_32f_I(Orv32f val, Orv32f* pSrcDst, int len);
ORVS_API OrvStatus orvsSubCRev_32f(const Orv32f* pSrc, Orv32f val, Orv32f* pDst, int len);
ORVS_API OrvStatus orvsSubCRev_32f_I(Orv32f val, Orv32f* pSrcDst, int len);
ORVS_API OrvStatus orvsMulC_32f(const Orv32f* pSrc, Orv32f val, Orv32f* pDst, int len);
ORVS_API OrvStatus orvsMulC_32f_I(Orv32f val, Orv32f* pSrcDst, int len);
ORVS_API OrvStatus orvsAddC_64f(const Orv64f* pSrc, Orv64f val, Orv64f* pDst, int len);
ORVS_API OrvStatus orvsAddC_64f_I(Orv64f val, Orv64f* pSrcDst, int len);
ORVS_API OrvStatus orvsSubC_64f(const Orv64f* pSrc, Orv64f val, Orv64f* pDst, int len);
ORVS_API OrvStatus orvsSubC_64f_I(Orv64f val, Orv64f* pSrcDst, int len);
ORVS_API OrvStatus orvsSubCRev_64f(const Orv64f* pSrc, Orv64f val, Orv64f* pDst, int len);
ORVS_API OrvStatus orvsSubCRev_64f_I(Orv64f val, Orv64f* pSrcDst, int len);
ORVS_API OrvStatus orvsMulC_64f(const Orv64f* pSrc, Orv64f val, Orv64f* pDst, int len);
ORVS_API OrvStatus orvsMulC_64f_I(Orv64f val, Orv64f* pSrcDst, int len);
ORVS_API OrvStatus orvsAddC_32fc(const Orv32fc* pSrc, Orv32fc val, Orv32fc* pDst, int len);
ORVS_API OrvStatus orvsAddC_32fc_I(Orv32fc val, Orv32fc* pSrcDst, int len);
ORVS_API OrvStatus orvsSubC_32fc(const Orv32fc* pSrc, Orv32fc val, Orv32fc* pDst, int len);
ORVS_API OrvStatus orvsSubC_32fc_I(Orv32fc val, Orv32fc* pSrcDst, int len);
ORVS_API OrvStatus orvsSubCRev_32fc(const Orv32fc* pSrc, Orv32fc val, Orv32fc* pDst, int len);
ORVS_API OrvStatus orvsSubCRev_32fc_I(Orv32fc val, Orv32fc* pSrcDst, int len);
ORVS_API OrvStatus orvsMulC_32fc(const Orv32fc* pSrc, Orv32fc val, Orv32fc* pDst, int len);
ORVS_API OrvStatus orvsMulC_32fc_I(Orv32fc val, Orv32fc* pSrcDst, int len);
ORVS_API OrvStatus orvsAddC_64fc(const Orv64fc* pSrc, Orv64fc val, Orv64fc* pDst, int len);
ORVS_API OrvStatus orvsAddC_64fc_I(Orv64fc val, Orv64fc* pSrcDst, int len);
ORVS_API OrvStatus orvsSubC_64fc(const Orv64fc* pSrc, Orv64fc val, Orv64fc* pDst, int len);
ORVS_API OrvStatus orvsSubC_64fc_I(Orv64fc val, Orv64fc* pSrcDst, int len);
ORVS_API OrvStatus orvsSubCRev_64fc(const Orv64fc* pSrc, Orv64fc val, Orv64fc* pDst, int len);
ORVS_API OrvStatus orvsSubCRev_64fc_I(Orv64fc val, Orv64fc* pSrcDst, int len);
ORVS_API OrvStatus orvsMulC_64fc(const Orv64fc* pSrc, Orv64fc val, Orv64fc* pDst, int len);
ORVS_API OrvStatus orvsMulC_64fc_I(Orv64fc val, Orv64fc* pSrcDst, int len);
ORVS_API OrvStatus orvsMulC_32f16s_Sfs(const Orv32f* pSrc, Orv32f val, Orv16s* pDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsMulC_Low_32f16s(const Orv32f* pSrc, Orv32f val, Orv16s* pDst, int len);
ORVS_API OrvStatus orvsMulC_64f64s_ISfs(Orv64f val, Orv64s* pSrcDst, int len, int scaleFactor);

/* Accumulation: pSrcDst[n] + pSrc1[n] * pSrc2[n] (AddProductC: pSrc[n] * val). */
ORVS_API OrvStatus orvsAddProduct_16s_Sfs(const Orv16s* pSrc1, const Orv16s* pSrc2, Orv16s* pSrcDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsAddProduct_16s32s_Sfs(const Orv16s* pSrc1, const Orv16s* pSrc2, Orv32s* pSrcDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsAddProduct_32s_Sfs(const Orv32s* pSrc1, const Orv32s* pSrc2, Orv32s* pSrcDst, int len, int scaleFactor);
ORVS_API OrvStatus orvsAddProduct_32f(const Orv32f* pSrc1, const Orv32f* pSrc2, Orv32f* pSrcDst, int len);
ORVS_API OrvStatus orvsAddProduct_64f(const Orv64f* pSrc1, const Orv64f* pSrc2, Orv64f* pSrcDst, int len);
ORVS_API OrvStatus orvsAddProduct_32fc(const Orv32fc* pSrc1, const Orv32fc* pSrc2, Orv32fc* pSrcDst, int len);
ORVS_API OrvStatus orvsAddProduct_64fc(const Orv64fc* pSrc1, const Orv64fc* pSrc2, Orv64fc* pSrcDst, int len);
ORVS_API OrvStatus orvsAddProductC_32f(const Orv32f* pSrc, Orv32f val, Orv32f* pSrcDst, int len);

/* Magnitude: integer forms saturate (|-32768| is 32767), floating forms clear the sign bit. */
ORVS_API OrvStatus orvsAbs_16s(const Orv16s* pSrc, Orv16s* pDst, int len);
ORVS_API OrvStatus orvsAbs_16s_I(Orv16s* pSrcDst, int len);
ORVS_API OrvStatus orvsAbs_32s(const Orv32s* pSrc, Orv32s* pDst, int len);
ORVS_API OrvStatus orvsAbs_32s_I(Orv32s* pSrcDst, int len);
ORVS_API OrvStatus orvsAbs_32f(const Orv32f* pSrc, Orv32f* pDst, int len);
ORVS_API OrvStatus orvsAbs_32f_I(Orv32f* pSrcDst, int len);
ORVS_API OrvStatus orvsAbs_64f(const Orv64f* pSrc, Orv64f* pDst, int len);
ORVS_API OrvStatus orvsAbs_64f_I(Orv64f* pSrcDst, int len);
#ifdef __cplusplus
}
#endif
#endif /* ORVS_ARITH_H */
