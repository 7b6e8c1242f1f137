/* Vector initialisation, movement, test signals and channel interleaving. */
#ifndef ORVS_VECTOR_H
#define ORVS_VECTOR_H
#include "types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Copy: dst[n] = src[n] for non-overlapping vectors. Move: the same, correct
   for overlapping vectors. Set: dst[n] = val. Zero: all bits zero. */
ORVS_API OrvStatus orvsCopy_8u(const Orv8u* pSrc, Orv8u* pDst, int len);
ORVS_API OrvStatus orvsCopy_16s(const Orv16s* pSrc, Orv16s* pDst, int len);
ORVS_API OrvStatus orvsCopy_32s(const Orv32s* pSrc, Orv32s* pDst, int len);
ORVS_API OrvStatus orvsCopy_64s(const Orv64s* pSrc, Orv64s* pDst, int len);
ORVS_API OrvStatus orvsCopy_32f(const Orv32f* pSrc, Orv32f* pDst, int len);
ORVS_API OrvStatus orvsCopy_64f(const Orv64f* pSrc, Orv64f* pDst, int len);
ORVS_API OrvStatus orvsCopy_16sc(const Orv16sc* pSrc, Orv16sc* pDst, int len);
ORVS_API OrvStatus orvsCopy_32sc(const Orv32sc* pSrc, Orv32sc* pDst, int len);
ORVS_API OrvStatus orvsCopy_64sc(const Orv64sc* pSrc, Orv64sc* pDst, int len);
ORVS_API OrvStatus orvsCopy_32fc(const Orv32fc* pSrc, Orv32fc* pDst, int len);
ORVS_API OrvStatus orvsCopy_64fc(const Orv64fc* pSrc, Orv64fc* pDst, int len);
ORVS_API OrvStatus orvsMove_8u(const Orv8u* pSrc, Orv8u* pDst, int len);
ORVS_API OrvStatus orvsMove_16s(const Orv16s* pSrc, Orv16s* pDst, int len);
ORVS_API OrvStatus orvsMove_32s(const Orv32s* pSrc, Orv32s* pDst, int len);
ORVS_API OrvStatus orvsMove_64s(const Orv64s* pSrc, Orv64s* pDst, int len);
ORVS_API OrvStatus orvsMove_32f(const Orv32f* pSrc, Orv32f* pDst, int len);
ORVS_API OrvStatus orvsMove_64f(const Orv64f* pSrc, Orv64f* pDst, int len);
ORVS_API OrvStatus orvsMove_16sc(const Orv16sc* pSrc, Orv16sc* pDst, int len);
ORVS_API OrvStatus orvsMove_32sc(const Orv32sc* pSrc, Orv32sc* pDst, int len);
ORVS_API OrvStatus orvsMove_64sc(const Orv64sc* pSrc, Orv64sc* pDst, int len);
ORVS_API OrvStatus orvsMove_32fc(const Orv32fc* pSrc, Orv32fc* pDst, int len);
ORVS_API OrvStatus orvsMove_64fc(const Orv64fc* pSrc, Orv64fc* pDst, int len);
ORVS_API OrvStatus orvsSet_8u(Orv8u val, Orv8u* pDst, int len);
ORVS_API OrvStatus orvsSet_16s(Orv16s val, Orv16s* pDst, int len);
ORVS_API OrvStatus orvsSet_32s(Orv32s val, Orv32s* pDst, int len);
ORVS_API OrvStatus orvsSet_64s(Orv64s val, Orv64s* pDst, int len);
ORVS_API OrvStatus orvsSet_32f(Orv32f val, Orv32f* pDst, int len);
ORVS_API OrvStatus orvsSet_64f(Orv64f val, Orv64f* pDst, int len);
ORVS_API OrvStatus orvsSet_16sc(Orv16sc val, Orv16sc* pDst, int len);
ORVS_API OrvStatus orvsSet_32sc(Orv32sc val, Orv32sc* pDst, int len);
ORVS_API OrvStatus orvsSet_64sc(Orv64sc val, Orv64sc* pDst, int len);
ORVS_API OrvStatus orvsSet_32fc(Orv32fc val, Orv32fc* pDst, int len);
ORVS_API OrvStatus orvsSet_64fc(Orv64fc val, Orv64fc* pDst, int len);
ORVS_API OrvStatus orvsZero_8u(Orv8u* pDst, int len);
ORVS_API OrvStatus orvsZero_16s(Orv16s* pDst, int len);
ORVS_API OrvStatus orvsZero_32s(Orv32s* pDst, int len);
ORVS_API OrvStatus orvsZero_64s(Orv64s* pDst, int len);
ORVS_API OrvStatus orvsZero_32f(Orv32f* pDst, int len);
ORVS_API OrvStatus orvsZero_64f(Orv64f* pDst, int len);
ORVS_API OrvStatus orvsZero_16sc(Orv16sc* pDst, int len);
ORVS_API OrvStatus orvsZero_32sc(Orv32sc* pDst, int len);
ORVS_API OrvStatus orvsZero_64sc(Orv64sc* pDst, int len);
ORVS_API OrvStatus orvsZero_32fc(Orv32fc* pDst, int len);
ORVS_API OrvStatus orvsZero_64fc(Orv64fc* pDst, int len);

/* Reversal: dst[n] = src[len-1-n]; the _I forms reverse in place. */
ORVS_API OrvStatus orvsFlip_8u(const Orv8u* pSrc, Orv8u* pDst, int len);
ORVS_API OrvStatus orvsFlip_8u_I(Orv8u* pSrcDst, int len);
ORVS_API OrvStatus orvsFlip_16u(const Orv16u* pSrc, Orv16u* pDst, int len);
ORVS_API OrvStatus orvsFlip_16u_I(Orv16u* pSrcDst, int len);
ORVS_API OrvStatus orvsFlip_32f(const Orv32f* pSrc, Orv32f* pDst, int len);
ORVS_API OrvStatus orvsFlip_32f_I(Orv32f* pSrcDst, int len);
ORVS_API OrvStatus orvsFlip_64f(const Orv64f* pSrc, Orv64f* pDst, int len);
ORVS_API OrvStatus orvsFlip_64f_I(Orv64f* pSrcDst, int len);
ORVS_API OrvStatus orvsFlip_32fc(const Orv32fc* pSrc, Orv32fc* pDst, int len);
ORVS_API OrvStatus orvsFlip_32fc_I(Orv32fc* pSrcDst, int len);
ORVS_API OrvStatus orvsFlip_64fc(const Orv64fc* pSrc, Orv64fc* pDst, int len);
ORVS_API OrvStatus orvsFlip_64fc_I(Orv64fc* pSrcDst, int len);

/* Copies len bits; bit k of a byte stream is bit (7 - k%8) of byte k/8. */
ORVS_API OrvStatus orvsCopy_1u(const Orv8u* pSrc, int srcBitOffset, Orv8u* pDst, int dstBitOffset, int len);

/* Test signals: Jaehne chirp magn*sin(pi/2*n*n/len); Ramp offset+slope*n rounded
   half away from zero; Slope offset+slope*n rounded to nearest even. */
ORVS_API OrvStatus orvsVectorJaehne_8u(Orv8u* pDst, int len, Orv8u magn);
ORVS_API OrvStatus orvsVectorJaehne_8s(Orv8s* pDst, int len, Orv8s magn);
ORVS_API OrvStatus orvsVectorJaehne_16u(Orv16u* pDst, int len, Orv16u magn);
ORVS_API OrvStatus orvsVectorJaehne_16s(Orv16s* pDst, int len, Orv16s magn);
ORVS_API OrvStatus orvsVectorJaehne_32u(Orv32u* pDst, int len, Orv32u magn);
ORVS_API OrvStatus orvsVectorJaehne_32s(Orv32s* pDst, int len, Orv32s magn);
ORVS_API OrvStatus orvsVectorJaehne_32f(Orv32f* pDst, int len, Orv32f magn);
ORVS_API OrvStatus orvsVectorJaehne_64f(Orv64f* pDst, int len, Orv64f magn);
ORVS_API OrvStatus orvsVectorRamp_8u(Orv8u* pDst, int len, Orv32f offset, Orv32f slope);
ORVS_API OrvStatus orvsVectorRamp_8s(Orv8s* pDst, int len, Orv32f offset, Orv32f slope);
ORVS_API OrvStatus orvsVectorRamp_16u(Orv16u* pDst, int len, Orv32f offset, Orv32f slope);
ORVS_API OrvStatus orvsVectorRamp_16s(Orv16s* pDst, int len, Orv32f offset, Orv32f slope);
ORVS_API OrvStatus orvsVectorRamp_32u(Orv32u* pDst, int len, Orv32f offset, Orv32f slope);
ORVS_API OrvStatus orvsVectorRamp_32s(Orv32s* pDst, int len, Orv32f offset, Orv32f slope);
ORVS_API OrvStatus orvsVectorRamp_32f(Orv32f* pDst, int len, Orv32f offset, Orv32f slope);
ORVS_API OrvStatus orvsVectorRamp_64f(Orv64f* pDst, int len, Orv32f offset, Orv32f slope);
ORVS_API OrvStatus orvsVectorSlope_8u(Orv8u* pDst, int len, Orv64f offset, Orv64f slope);
ORVS_API OrvStatus orvsVectorSlope_8s(Orv8s* pDst, int len, Orv64f offset, Orv64f slope);
ORVS_API OrvStatus orvsVectorSlope_16u(Orv16u* pDst, int len, Orv64f offset, Orv64f slope);
ORVS_API OrvStatus orvsVectorSlope_16s(Orv16s* pDst, int len, Orv64f offset, Orv64f slope);
ORVS_API OrvStatus orvsVectorSlope_32u(Orv32u* pDst, int len, Orv64f offset, Orv64f slope);
ORVS_API OrvStatus orvsVectorSlope_32s(Orv32s* pDst, int len, Orv64f offset, Orv64f slope);
ORVS_API OrvStatus orvsVectorSlope_32f(Orv32f* pDst, int len, Orv64f offset, Orv64f slope);
ORVS_API OrvStatus orvsVectorSlope_64f(Orv64f* pDst, int len, Orv64f offset, Orv64f slope);

/* Channel interleaving. pSrc/pDst arrays hold nChannels channel pointers of
   chanLen samples; interleaved sample i of channel c is at i*nChannels + c.
   24-bit samples are packed little-endian, 3 bytes each. */
ORVS_API OrvStatus orvsJoin_32f16s_D2L(const Orv32f* const* pSrc, int nChannels, int chanLen, Orv16s* pDst);
ORVS_API OrvStatus orvsJoinScaled_32f16s_D2L(const Orv32f* const* pSrc, int nChannels, int chanLen, Orv16s* pDst);
ORVS_API OrvStatus orvsJoinScaled_32f24s_D2L(const Orv32f* const* pSrc, int nChannels, int chanLen, Orv8u* pDst);
ORVS_API OrvStatus orvsSplitScaled_16s32f_D2L(const Orv16s* pSrc, Orv32f* const* pDst, int nChannels, int chanLen);
ORVS_API OrvStatus orvsSplitScaled_24s32f_D2L(const Orv8u* pSrc, Orv32f* const* pDst, int nChannels, int chanLen);

#ifdef __cplusplus
}
#endif
#endif /* ORVS_VECTOR_H */
