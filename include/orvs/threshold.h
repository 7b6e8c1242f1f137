/* Thresholds: clamping below or above a level, with or without a replacement value. */
#ifndef ORVS_THRESHOLD_H
#define ORVS_THRESHOLD_H
#include "types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* The comparison of the generic thresholds: x < level or x > level. */
typedef enum {
    orvCmpLess    = 0,
    orvCmpGreater = 4
} OrvCmpOp;

/* Generic: relOp orvCmpLess clamps from below (as _LT), orvCmpGreater from above (as _GT).
   Complex elements are compared by magnitude and keep their phase when clamped. */
ORVS_API OrvStatus orvsThreshold_16s(const Orv16s* pSrc, Orv16s* pDst, int len, Orv16s level, OrvCmpOp relOp);
ORVS_API OrvStatus orvsThreshold_16s_I(Orv16s* pSrcDst, int len, Orv16s level, OrvCmpOp relOp);
ORVS_API OrvStatus orvsThreshold_32f(const Orv32f* pSrc, Orv32f* pDst, int len, Orv32f level, OrvCmpOp relOp);
ORVS_API OrvStatus orvsThreshold_32f_I(Orv32f* pSrcDst, int len, Orv32f level, OrvCmpOp relOp);
ORVS_API OrvStatus orvsThreshold_64f(const Orv64f* pSrc, Orv64f* pDst, int len, Orv64f level, OrvCmpOp relOp);
ORVS_API OrvStatus orvsThreshold_64f_I(Orv64f* pSrcDst, int len, Orv64f level, OrvCmpOp relOp);
ORVS_API OrvStatus orvsThreshold_16sc(const Orv16sc* pSrc, Orv16sc* pDst, int len, Orv16s level, OrvCmpOp relOp);
ORVS_API OrvStatus orvsThreshold_16sc_I(Orv16sc* pSrcDst, int len, Orv16s level, OrvCmpOp relOp);
ORVS_API OrvStatus orvsThreshold_32fc(const Orv32fc* pSrc, Orv32fc* pDst, int len, Orv32f level, OrvCmpOp relOp);
ORVS_API OrvStatus orvsThreshold_32fc_I(Orv32fc* pSrcDst, int len, Orv32f level, OrvCmpOp relOp);
ORVS_API OrvStatus orvsThreshold_64fc(const Orv64fc* pSrc, Orv64fc* pDst, int len, Orv64f level, OrvCmpOp relOp);
ORVS_API OrvStatus orvsThreshold_64fc_I(Orv64fc* pSrcDst, int len, Orv64f level, OrvCmpOp relOp);

/* x < level gives level (complex: magnitude raised to level); NaN becomes level. */
ORVS_API OrvStatus orvsThreshold_LT_16s(const Orv16s* pSrc, Orv16s* pDst, int len, Orv16s level);
ORVS_API OrvStatus orvsThreshold_LT_16s_I(Orv16s* pSrcDst, int len, Orv16s level);
ORVS_API OrvStatus orvsThreshold_LT_32s(const Orv32s* pSrc, Orv32s* pDst, int len, Orv32s level);
ORVS_API OrvStatus orvsThreshold_LT_32s_I(Orv32s* pSrcDst, int len, Orv32s level);
ORVS_API OrvStatus orvsThreshold_LT_32f(const Orv32f* pSrc, Orv32f* pDst, int len, Orv32f level);
ORVS_API OrvStatus orvsThreshold_LT_32f_I(Orv32f* pSrcDst, int len, Orv32f level);
ORVS_API OrvStatus orvsThreshold_LT_64f(const Orv64f* pSrc, Orv64f* pDst, int len, Orv64f level);
ORVS_API OrvStatus orvsThreshold_LT_64f_I(Orv64f* pSrcDst, int len, Orv64f level);
ORVS_API OrvStatus orvsThreshold_LT_16sc(const Orv16sc* pSrc, Orv16sc* pDst, int len, Orv16s level);
ORVS_API OrvStatus orvsThreshold_LT_16sc_I(Orv16sc* pSrcDst, int len, Orv16s level);
ORVS_API OrvStatus orvsThreshold_LT_32fc(const Orv32fc* pSrc, Orv32fc* pDst, int len, Orv32f level);
ORVS_API OrvStatus orvsThreshold_LT_32fc_I(Orv32fc* pSrcDst, int len, Orv32f level);
ORVS_API OrvStatus orvsThreshold_LT_64fc(const Orv64fc* pSrc, Orv64fc* pDst, int len, Orv64f level);
ORVS_API OrvStatus orvsThreshold_LT_64fc_I(Orv64fc* pSrcDst, int len, Orv64f level);

/* x > level gives level (complex: magnitude lowered to level); NaN becomes level. */
ORVS_API OrvStatus orvsThreshold_GT_16s(const Orv16s* pSrc, Orv16s* pDst, int len, Orv16s level);
ORVS_API OrvStatus orvsThreshold_GT_16s_I(Orv16s* pSrcDst, int len, Orv16s level);
ORVS_API OrvStatus orvsThreshold_GT_32s(const Orv32s* pSrc, Orv32s* pDst, int len, Orv32s level);
ORVS_API OrvStatus orvsThreshold_GT_32s_I(Orv32s* pSrcDst, int len, Orv32s level);
ORVS_API OrvStatus orvsThreshold_GT_32f(const Orv32f* pSrc, Orv32f* pDst, int len, Orv32f level);
ORVS_API OrvStatus orvsThreshold_GT_32f_I(Orv32f* pSrcDst, int len, Orv32f level);
ORVS_API OrvStatus orvsThreshold_GT_64f(const Orv64f* pSrc, Orv64f* pDst, int len, Orv64f level);
ORVS_API OrvStatus orvsThreshold_GT_64f_I(Orv64f* pSrcDst, int len, Orv64f level);
ORVS_API OrvStatus orvsThreshold_GT_16sc(const Orv16sc* pSrc, Orv16sc* pDst, int len, Orv16s level);
ORVS_API OrvStatus orvsThreshold_GT_16sc_I(Orv16sc* pSrcDst, int len, Orv16s level);
ORVS_API OrvStatus orvsThreshold_GT_32fc(const Orv32fc* pSrc, Orv32fc* pDst, int len, Orv32f level);
ORVS_API OrvStatus orvsThreshold_GT_32fc_I(Orv32fc* pSrcDst, int len, Orv32f level);
ORVS_API OrvStatus orvsThreshold_GT_64fc(const Orv64fc* pSrc, Orv64fc* pDst, int len, Orv64f level);
ORVS_API OrvStatus orvsThreshold_GT_64fc_I(Orv64fc* pSrcDst, int len, Orv64f level);

/* x < level (complex: magnitude < level) gives value; a real NaN gives value. */
ORVS_API OrvStatus orvsThreshold_LTVal_16s(const Orv16s* pSrc, Orv16s* pDst, int len, Orv16s level, Orv16s value);
ORVS_API OrvStatus orvsThreshold_LTVal_16s_I(Orv16s* pSrcDst, int len, Orv16s level, Orv16s value);
ORVS_API OrvStatus orvsThreshold_LTVal_32f(const Orv32f* pSrc, Orv32f* pDst, int len, Orv32f level, Orv32f value);
ORVS_API OrvStatus orvsThreshold_LTVal_32f_I(Orv32f* pSrcDst, int len, Orv32f level, Orv32f value);
ORVS_API OrvStatus orvsThreshold_LTVal_64f(const Orv64f* pSrc, Orv64f* pDst, int len, Orv64f level, Orv64f value);
ORVS_API OrvStatus orvsThreshold_LTVal_64f_I(Orv64f* pSrcDst, int len, Orv64f level, Orv64f value);
ORVS_API OrvStatus orvsThreshold_LTVal_16sc(const Orv16sc* pSrc, Orv16sc* pDst, int len, Orv16s level, Orv16sc value);
ORVS_API OrvStatus orvsThreshold_LTVal_16sc_I(Orv16sc* pSrcDst, int len, Orv16s level, Orv16sc value);
ORVS_API OrvStatus orvsThreshold_LTVal_32fc(const Orv32fc* pSrc, Orv32fc* pDst, int len, Orv32f level, Orv32fc value);
ORVS_API OrvStatus orvsThreshold_LTVal_32fc_I(Orv32fc* pSrcDst, int len, Orv32f level, Orv32fc value);
ORVS_API OrvStatus orvsThreshold_LTVal_64fc(const Orv64fc* pSrc, Orv64fc* pDst, int len, Orv64f level, Orv64fc value);
ORVS_API OrvStatus orvsThreshold_LTVal_64fc_I(Orv64fc* pSrcDst, int len, Orv64f level, Orv64fc value);

/* x > level (complex: magnitude > level) gives value. */
ORVS_API OrvStatus orvsThreshold_GTVal_16s(const Orv16s* pSrc, Orv16s* pDst, int len, Orv16s level, Orv16s value);
ORVS_API OrvStatus orvsThreshold_GTVal_16s_I(Orv16s* pSrcDst, int len, Orv16s level, Orv16s value);
ORVS_API OrvStatus orvsThreshold_GTVal_32f(const Orv32f* pSrc, Orv32f* pDst, int len, Orv32f level, Orv32f value);
ORVS_API OrvStatus orvsThreshold_GTVal_32f_I(Orv32f* pSrcDst, int len, Orv32f level, Orv32f value);
ORVS_API OrvStatus orvsThreshold_GTVal_64f(const Orv64f* pSrc, Orv64f* pDst, int len, Orv64f level, Orv64f value);
ORVS_API OrvStatus orvsThreshold_GTVal_64f_I(Orv64f* pSrcDst, int len, Orv64f level, Orv64f value);
ORVS_API OrvStatus orvsThreshold_GTVal_16sc(const Orv16sc* pSrc, Orv16sc* pDst, int len, Orv16s level, Orv16sc value);
ORVS_API OrvStatus orvsThreshold_GTVal_16sc_I(Orv16sc* pSrcDst, int len, Orv16s level, Orv16sc value);
ORVS_API OrvStatus orvsThreshold_GTVal_32fc(const Orv32fc* pSrc, Orv32fc* pDst, int len, Orv32f level, Orv32fc value);
ORVS_API OrvStatus orvsThreshold_GTVal_32fc_I(Orv32fc* pSrcDst, int len, Orv32f level, Orv32fc value);
ORVS_API OrvStatus orvsThreshold_GTVal_64fc(const Orv64fc* pSrc, Orv64fc* pDst, int len, Orv64f level, Orv64fc value);
ORVS_API OrvStatus orvsThreshold_GTVal_64fc_I(Orv64fc* pSrcDst, int len, Orv64f level, Orv64fc value);

/* x < levelLT gives valueLT, then a result > levelGT gives valueGT; levelLT <= levelGT. */
ORVS_API OrvStatus orvsThreshold_LTValGTVal_16s(const Orv16s* pSrc, Orv16s* pDst, int len, Orv16s levelLT, Orv16s valueLT, Orv16s levelGT, Orv16s valueGT);
ORVS_API OrvStatus orvsThreshold_LTValGTVal_16s_I(Orv16s* pSrcDst, int len, Orv16s levelLT, Orv16s valueLT, Orv16s levelGT, Orv16s valueGT);
ORVS_API OrvStatus orvsThreshold_LTValGTVal_32s(const Orv32s* pSrc, Orv32s* pDst, int len, Orv32s levelLT, Orv32s valueLT, Orv32s levelGT, Orv32s valueGT);
ORVS_API OrvStatus orvsThreshold_LTValGTVal_32s_I(Orv32s* pSrcDst, int len, Orv32s levelLT, Orv32s valueLT, Orv32s levelGT, Orv32s valueGT);
ORVS_API OrvStatus orvsThreshold_LTValGTVal_32f(const Orv32f* pSrc, Orv32f* pDst, int len, Orv32f levelLT, Orv32f valueLT, Orv32f levelGT, Orv32f valueGT);
ORVS_API OrvStatus orvsThreshold_LTValGTVal_32f_I(Orv32f* pSrcDst, int len, Orv32f levelLT, Orv32f valueLT, Orv32f levelGT, Orv32f valueGT);
ORVS_API OrvStatus orvsThreshold_LTValGTVal_64f(const Orv64f* pSrc, Orv64f* pDst, int len, Orv64f levelLT, Orv64f valueLT, Orv64f levelGT, Orv64f valueGT);
ORVS_API OrvStatus orvsThreshold_LTValGTVal_64f_I(Orv64f* pSrcDst, int len, Orv64f levelLT, Orv64f valueLT, Orv64f levelGT, Orv64f valueGT);

/* abs(x) < level gives level with the sign of x. */
ORVS_API OrvStatus orvsThreshold_LTAbs_16s(const Orv16s* pSrc, Orv16s* pDst, int len, Orv16s level);
ORVS_API OrvStatus orvsThreshold_LTAbs_16s_I(Orv16s* pSrcDst, int len, Orv16s level);
ORVS_API OrvStatus orvsThreshold_LTAbs_32s(const Orv32s* pSrc, Orv32s* pDst, int len, Orv32s level);
ORVS_API OrvStatus orvsThreshold_LTAbs_32s_I(Orv32s* pSrcDst, int len, Orv32s level);
ORVS_API OrvStatus orvsThreshold_LTAbs_32f(const Orv32f* pSrc, Orv32f* pDst, int len, Orv32f level);
ORVS_API OrvStatus orvsThreshold_LTAbs_32f_I(Orv32f* pSrcDst, int len, Orv32f level);
ORVS_API OrvStatus orvsThreshold_LTAbs_64f(const Orv64f* pSrc, Orv64f* pDst, int len, Orv64f level);
ORVS_API OrvStatus orvsThreshold_LTAbs_64f_I(Orv64f* pSrcDst, int len, Orv64f level);

/* abs(x) > level gives level with the sign of x. */
ORVS_API OrvStatus orvsThreshold_GTAbs_16s(const Orv16s* pSrc, Orv16s* pDst, int len, Orv16s level);
ORVS_API OrvStatus orvsThreshold_GTAbs_16s_I(Orv16s* pSrcDst, int len, Orv16s level);
ORVS_API OrvStatus orvsThreshold_GTAbs_32s(const Orv32s* pSrc, Orv32s* pDst, int len, Orv32s level);
ORVS_API OrvStatus orvsThreshold_GTAbs_32s_I(Orv32s* pSrcDst, int len, Orv32s level);
ORVS_API OrvStatus orvsThreshold_GTAbs_32f(const Orv32f* pSrc, Orv32f* pDst, int len, Orv32f level);
ORVS_API OrvStatus orvsThreshold_GTAbs_32f_I(Orv32f* pSrcDst, int len, Orv32f level);
ORVS_API OrvStatus orvsThreshold_GTAbs_64f(const Orv64f* pSrc, Orv64f* pDst, int len, Orv64f level);
ORVS_API OrvStatus orvsThreshold_GTAbs_64f_I(Orv64f* pSrcDst, int len, Orv64f level);

/* Reciprocal of x with its magnitude first raised to level (level 0: plain reciprocal,
   a zero element gives an infinity and the warning orvStsWarnInvZero or orvStsWarnDivByZero). */
ORVS_API OrvStatus orvsThreshold_LTInv_32f(const Orv32f* pSrc, Orv32f* pDst, int len, Orv32f level);
ORVS_API OrvStatus orvsThreshold_LTInv_32f_I(Orv32f* pSrcDst, int len, Orv32f level);
ORVS_API OrvStatus orvsThreshold_LTInv_32fc(const Orv32fc* pSrc, Orv32fc* pDst, int len, Orv32f level);
ORVS_API OrvStatus orvsThreshold_LTInv_32fc_I(Orv32fc* pSrcDst, int len, Orv32f level);
ORVS_API OrvStatus orvsThreshold_LTInv_64f(const Orv64f* pSrc, Orv64f* pDst, int len, Orv64f level);
ORVS_API OrvStatus orvsThreshold_LTInv_64f_I(Orv64f* pSrcDst, int len, Orv64f level);
ORVS_API OrvStatus orvsThreshold_LTInv_64fc(const Orv64fc* pSrc, Orv64fc* pDst, int len, Orv64f level);
ORVS_API OrvStatus orvsThreshold_LTInv_64fc_I(Orv64fc* pSrcDst, int len, Orv64f level);

#ifdef __cplusplus
}
#endif
#endif /* ORVS_THRESHOLD_H */
