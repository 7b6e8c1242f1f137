/* Window functions: each sample is multiplied by a symmetric weight,
   w[N-1-n] = w[n], with theta = 2 pi / (N - 1):
     Bartlett      2n / (N-1) up to the middle, mirrored
     Hann          0.5 - 0.5 cos(n theta)
     Hamming       0.54 - 0.46 cos(n theta)
     Blackman      (alpha + 1)/2 - 0.5 cos(n theta) - (alpha/2) cos(2n theta)
                   (Std: alpha = -0.16; Opt: alpha = -(0.5 / cos(pi / (N-1)))^2)
     Kaiser        I0(|alpha| sqrt(n (N-1-n))) / I0(|alpha| (N-1) / 2)
   Complex samples multiply both parts by the same weight. Q15 parameters
   stand for alphaQ15 / 32768. */
#ifndef ORVS_WINDOW_H
#define ORVS_WINDOW_H
#include "types.h"

#ifdef __cplusplus
extern "C" {
#endif

ORVS_API OrvStatus orvsWinBartlett_16s(const Orv16s* pSrc, Orv16s* pDst, int len);
ORVS_API OrvStatus orvsWinBartlett_16s_I(Orv16s* pSrcDst, int len);
ORVS_API OrvStatus orvsWinBartlett_16sc(const Orv16sc* pSrc, Orv16sc* pDst, int len);
ORVS_API OrvStatus orvsWinBartlett_16sc_I(Orv16sc* pSrcDst, int len);
ORVS_API OrvStatus orvsWinBartlett_32f(const Orv32f* pSrc, Orv32f* pDst, int len);
ORVS_API OrvStatus orvsWinBartlett_32f_I(Orv32f* pSrcDst, int len);
ORVS_API OrvStatus orvsWinBartlett_32fc(const Orv32fc* pSrc, Orv32fc* pDst, int len);
ORVS_API OrvStatus orvsWinBartlett_32fc_I(Orv32fc* pSrcDst, int len);
ORVS_API OrvStatus orvsWinBartlett_64f(const Orv64f* pSrc, Orv64f* pDst, int len);
ORVS_API OrvStatus orvsWinBartlett_64f_I(Orv64f* pSrcDst, int len);
ORVS_API OrvStatus orvsWinBartlett_64fc(const Orv64fc* pSrc, Orv64fc* pDst, int len);
ORVS_API OrvStatus orvsWinBartlett_64fc_I(Orv64fc* pSrcDst, int len);

ORVS_API OrvStatus orvsWinHann_16s(const Orv16s* pSrc, Orv16s* pDst, int len);
ORVS_API OrvStatus orvsWinHann_16s_I(Orv16s* pSrcDst, int len);
ORVS_API OrvStatus orvsWinHann_16sc(const Orv16sc* pSrc, Orv16sc* pDst, int len);
ORVS_API OrvStatus orvsWinHann_16sc_I(Orv16sc* pSrcDst, int len);
ORVS_API OrvStatus orvsWinHann_32f(const Orv32f* pSrc, Orv32f* pDst, int len);
ORVS_API OrvStatus orvsWinHann_32f_I(Orv32f* pSrcDst, int len);
ORVS_API OrvStatus orvsWinHann_32fc(const Orv32fc* pSrc, Orv32fc* pDst, int len);
ORVS_API OrvStatus orvsWinHann_32fc_I(Orv32fc* pSrcDst, int len);
ORVS_API OrvStatus orvsWinHann_64f(const Orv64f* pSrc, Orv64f* pDst, int len);
ORVS_API OrvStatus orvsWinHann_64f_I(Orv64f* pSrcDst, int len);
ORVS_API OrvStatus orvsWinHann_64fc(const Orv64fc* pSrc, Orv64fc* pDst, int len);
ORVS_API OrvStatus orvsWinHann_64fc_I(Orv64fc* pSrcDst, int len);

ORVS_API OrvStatus orvsWinHamming_16s(const Orv16s* pSrc, Orv16s* pDst, int len);
ORVS_API OrvStatus orvsWinHamming_16s_I(Orv16s* pSrcDst, int len);
ORVS_API OrvStatus orvsWinHamming_16sc(const Orv16sc* pSrc, Orv16sc* pDst, int len);
ORVS_API OrvStatus orvsWinHamming_16sc_I(Orv16sc* pSrcDst, int len);
ORVS_API OrvStatus orvsWinHamming_32f(const Orv32f* pSrc, Orv32f* pDst, int len);
ORVS_API OrvStatus orvsWinHamming_32f_I(Orv32f* pSrcDst, int len);
ORVS_API OrvStatus orvsWinHamming_32fc(const Orv32fc* pSrc, Orv32fc* pDst, int len);
ORVS_API OrvStatus orvsWinHamming_32fc_I(Orv32fc* pSrcDst, int len);
ORVS_API OrvStatus orvsWinHamming_64f(const Orv64f* pSrc, Orv64f* pDst, int len);
ORVS_API OrvStatus orvsWinHamming_64f_I(Orv64f* pSrcDst, int len);
ORVS_API OrvStatus orvsWinHamming_64fc(const Orv64fc* pSrc, Orv64fc* pDst, int len);
ORVS_API OrvStatus orvsWinHamming_64fc_I(Orv64fc* pSrcDst, int len);

ORVS_API OrvStatus orvsWinBlackmanStd_16s(const Orv16s* pSrc, Orv16s* pDst, int len);
ORVS_API OrvStatus orvsWinBlackmanStd_16s_I(Orv16s* pSrcDst, int len);
ORVS_API OrvStatus orvsWinBlackmanStd_16sc(const Orv16sc* pSrc, Orv16sc* pDst, int len);
ORVS_API OrvStatus orvsWinBlackmanStd_16sc_I(Orv16sc* pSrcDst, int len);
ORVS_API OrvStatus orvsWinBlackmanStd_32f(const Orv32f* pSrc, Orv32f* pDst, int len);
ORVS_API OrvStatus orvsWinBlackmanStd_32f_I(Orv32f* pSrcDst, int len);
ORVS_API OrvStatus orvsWinBlackmanStd_32fc(const Orv32fc* pSrc, Orv32fc* pDst, int len);
ORVS_API OrvStatus orvsWinBlackmanStd_32fc_I(Orv32fc* pSrcDst, int len);
ORVS_API OrvStatus orvsWinBlackmanStd_64f(const Orv64f* pSrc, Orv64f* pDst, int len);
ORVS_API OrvStatus orvsWinBlackmanStd_64f_I(Orv64f* pSrcDst, int len);
ORVS_API OrvStatus orvsWinBlackmanStd_64fc(const Orv64fc* pSrc, Orv64fc* pDst, int len);
ORVS_API OrvStatus orvsWinBlackmanStd_64fc_I(Orv64fc* pSrcDst, int len);

ORVS_API OrvStatus orvsWinBlackmanOpt_16s(const Orv16s* pSrc, Orv16s* pDst, int len);
ORVS_API OrvStatus orvsWinBlackmanOpt_16s_I(Orv16s* pSrcDst, int len);
ORVS_API OrvStatus orvsWinBlackmanOpt_16sc(const Orv16sc* pSrc, Orv16sc* pDst, int len);
ORVS_API OrvStatus orvsWinBlackmanOpt_16sc_I(Orv16sc* pSrcDst, int len);
ORVS_API OrvStatus orvsWinBlackmanOpt_32f(const Orv32f* pSrc, Orv32f* pDst, int len);
ORVS_API OrvStatus orvsWinBlackmanOpt_32f_I(Orv32f* pSrcDst, int len);
ORVS_API OrvStatus orvsWinBlackmanOpt_32fc(const Orv32fc* pSrc, Orv32fc* pDst, int len);
ORVS_API OrvStatus orvsWinBlackmanOpt_32fc_I(Orv32fc* pSrcDst, int len);
ORVS_API OrvStatus orvsWinBlackmanOpt_64f(const Orv64f* pSrc, Orv64f* pDst, int len);
ORVS_API OrvStatus orvsWinBlackmanOpt_64f_I(Orv64f* pSrcDst, int len);
ORVS_API OrvStatus orvsWinBlackmanOpt_64fc(const Orv64fc* pSrc, Orv64fc* pDst, int len);
ORVS_API OrvStatus orvsWinBlackmanOpt_64fc_I(Orv64fc* pSrcDst, int len);

ORVS_API OrvStatus orvsWinBlackman_16s(const Orv16s* pSrc, Orv16s* pDst, int len, Orv32f alpha);
ORVS_API OrvStatus orvsWinBlackman_16s_I(Orv16s* pSrcDst, int len, Orv32f alpha);
ORVS_API OrvStatus orvsWinBlackman_16sc(const Orv16sc* pSrc, Orv16sc* pDst, int len, Orv32f alpha);
ORVS_API OrvStatus orvsWinBlackman_16sc_I(Orv16sc* pSrcDst, int len, Orv32f alpha);
ORVS_API OrvStatus orvsWinBlackman_32f(const Orv32f* pSrc, Orv32f* pDst, int len, Orv32f alpha);
ORVS_API OrvStatus orvsWinBlackman_32f_I(Orv32f* pSrcDst, int len, Orv32f alpha);
ORVS_API OrvStatus orvsWinBlackman_32fc(const Orv32fc* pSrc, Orv32fc* pDst, int len, Orv32f alpha);
ORVS_API OrvStatus orvsWinBlackman_32fc_I(Orv32fc* pSrcDst, int len, Orv32f alpha);
ORVS_API OrvStatus orvsWinBlackman_64f(const Orv64f* pSrc, Orv64f* pDst, int len, Orv64f alpha);
ORVS_API OrvStatus orvsWinBlackman_64f_I(Orv64f* pSrcDst, int len, Orv64f alpha);
ORVS_API OrvStatus orvsWinBlackman_64fc(const Orv64fc* pSrc, Orv64fc* pDst, int len, Orv64f alpha);
ORVS_API OrvStatus orvsWinBlackman_64fc_I(Orv64fc* pSrcDst, int len, Orv64f alpha);

ORVS_API OrvStatus orvsWinKaiser_16s(const Orv16s* pSrc, Orv16s* pDst, int len, Orv32f alpha);
ORVS_API OrvStatus orvsWinKaiser_16s_I(Orv16s* pSrcDst, int len, Orv32f alpha);
ORVS_API OrvStatus orvsWinKaiser_16sc(const Orv16sc* pSrc, Orv16sc* pDst, int len, Orv32f alpha);
ORVS_API OrvStatus orvsWinKaiser_16sc_I(Orv16sc* pSrcDst, int len, Orv32f alpha);
ORVS_API OrvStatus orvsWinKaiser_32f(const Orv32f* pSrc, Orv32f* pDst, int len, Orv32f alpha);
ORVS_API OrvStatus orvsWinKaiser_32f_I(Orv32f* pSrcDst, int len, Orv32f alpha);
ORVS_API OrvStatus orvsWinKaiser_32fc(const Orv32fc* pSrc, Orv32fc* pDst, int len, Orv32f alpha);
ORVS_API OrvStatus orvsWinKaiser_32fc_I(Orv32fc* pSrcDst, int len, Orv32f alpha);
ORVS_API OrvStatus orvsWinKaiser_64f(const Orv64f* pSrc, Orv64f* pDst, int len, Orv64f alpha);
ORVS_API OrvStatus orvsWinKaiser_64f_I(Orv64f* pSrcDst, int len, Orv64f alpha);
ORVS_API OrvStatus orvsWinKaiser_64fc(const Orv64fc* pSrc, Orv64fc* pDst, int len, Orv64f alpha);
ORVS_API OrvStatus orvsWinKaiser_64fc_I(Orv64fc* pSrcDst, int len, Orv64f alpha);

ORVS_API OrvStatus orvsWinBlackmanQ15_16s(const Orv16s* pSrc, Orv16s* pDst, int len, int alphaQ15);
ORVS_API OrvStatus orvsWinBlackmanQ15_16s_I(Orv16s* pSrcDst, int len, int alphaQ15);
ORVS_API OrvStatus orvsWinBlackmanQ15_16sc(const Orv16sc* pSrc, Orv16sc* pDst, int len, int alphaQ15);
ORVS_API OrvStatus orvsWinBlackmanQ15_16sc_I(Orv16sc* pSrcDst, int len, int alphaQ15);
ORVS_API OrvStatus orvsWinKaiserQ15_16s(const Orv16s* pSrc, Orv16s* pDst, int len, int alphaQ15);
ORVS_API OrvStatus orvsWinKaiserQ15_16s_I(Orv16s* pSrcDst, int len, int alphaQ15);
ORVS_API OrvStatus orvsWinKaiserQ15_16sc(const Orv16sc* pSrc, Orv16sc* pDst, int len, int alphaQ15);
ORVS_API OrvStatus orvsWinKaiserQ15_16sc_I(Orv16sc* pSrcDst, int len, int alphaQ15);
ORVS_API OrvStatus orvsWinBlackmanQ15_16s_ISfs(Orv16s* pSrcDst, int len, int alphaQ15, int scaleFactor);

#ifdef __cplusplus
}
#endif
#endif /* ORVS_WINDOW_H */
