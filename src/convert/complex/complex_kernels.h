// Kernels of the complex and packed-spectrum family. One source
// (complex_kernels.cpp) is compiled for AVX, for AVX2/FMA and for AVX-512;
// the entries call through the row chosen once for the process.
#pragma once
#include <algorithm>
#include <cstdint>

#include "core/saturate.h"
#include "orvs/types.h"

namespace orvs::cplx {

// X(name, parameter list). Every kernel handles any length >= 1 and any
// alignment; the element-wise ones also accept pDst == pSrc.
#define ORVS_CPLX_KERNELS(X)                                                              \
    /* split a complex vector into its parts; either part pointer may be null */          \
    X(split_16sc, (const Orv16sc* s, Orv16s* re, Orv16s* im, int n))                      \
    X(split_32fc, (const Orv32fc* s, Orv32f* re, Orv32f* im, int n))                      \
    X(split_64fc, (const Orv64fc* s, Orv64f* re, Orv64f* im, int n))                      \
    /* build a complex vector; a null part reads as zeros */                              \
    X(build_16s, (const Orv16s* re, const Orv16s* im, Orv16sc* d, int n))                 \
    X(build_32f, (const Orv32f* re, const Orv32f* im, Orv32fc* d, int n))                 \
    X(build_64f, (const Orv64f* re, const Orv64f* im, Orv64fc* d, int n))                 \
    X(conj_16sc, (const Orv16sc* s, Orv16sc* d, int n))                                   \
    X(conj_32fc, (const Orv32fc* s, Orv32fc* d, int n))                                   \
    X(conj_64fc, (const Orv64fc* s, Orv64fc* d, int n))                                   \
    /* d[i] = conj(s[n-1-i]); s == d is allowed */                                        \
    X(conjFlip_16sc, (const Orv16sc* s, Orv16sc* d, int n))                               \
    X(conjFlip_32fc, (const Orv32fc* s, Orv32fc* d, int n))                               \
    X(conjFlip_64fc, (const Orv64fc* s, Orv64fc* d, int n))                               \
    /* magnitude */                                                                       \
    X(mag_32fc, (const Orv32fc* s, Orv32f* d, int n))                                     \
    X(mag_32f, (const Orv32f* re, const Orv32f* im, Orv32f* d, int n))                    \
    X(mag_64fc, (const Orv64fc* s, Orv64f* d, int n))                                     \
    X(mag_64f, (const Orv64f* re, const Orv64f* im, Orv64f* d, int n))                    \
    X(mag_16sc32f, (const Orv16sc* s, Orv32f* d, int n))                                  \
    X(mag_16s32f, (const Orv16s* re, const Orv16s* im, Orv32f* d, int n))                 \
    /* scaled 16-bit magnitude, scaleFactor already clamped to -15 .. 17 */               \
    X(mag_16sc_Sfs, (const Orv16sc* s, Orv16s* d, int n, int sf))                         \
    X(mag_16s_Sfs, (const Orv16s* re, const Orv16s* im, Orv16s* d, int n, int sf))        \
    X(mag_32sc_Sfs, (const Orv32sc* s, Orv32s* d, int n, int sf))                         \
    /* power */                                                                           \
    X(pow_32fc, (const Orv32fc* s, Orv32f* d, int n))                                     \
    X(pow_32f, (const Orv32f* re, const Orv32f* im, Orv32f* d, int n))                    \
    X(pow_64fc, (const Orv64fc* s, Orv64f* d, int n))                                     \
    X(pow_64f, (const Orv64f* re, const Orv64f* im, Orv64f* d, int n))                    \
    X(pow_16sc32f, (const Orv16sc* s, Orv32f* d, int n))                                  \
    X(pow_16s32f, (const Orv16s* re, const Orv16s* im, Orv32f* d, int n))                 \
    /* scaled 16-bit power, scaleFactor already clamped to -15 .. 40 */                   \
    X(pow_16sc_Sfs, (const Orv16sc* s, Orv16s* d, int n, int sf))                         \
    X(pow_16s_Sfs, (const Orv16s* re, const Orv16s* im, Orv16s* d, int n, int sf))        \
    X(magsq_32fc64f, (const Orv32fc* s, Orv64f* d, int n))                                \
    X(magsq_32sc32s_Sfs, (const Orv32sc* s, Orv32s* d, int n, int sf))                    \
    /* phase, atan2(im, re) */                                                            \
    X(phase_32fc, (const Orv32fc* s, Orv32f* d, int n))                                   \
    X(phase_32f, (const Orv32f* re, const Orv32f* im, Orv32f* d, int n))                  \
    X(phase_64fc, (const Orv64fc* s, Orv64f* d, int n))                                   \
    X(phase_64f, (const Orv64f* re, const Orv64f* im, Orv64f* d, int n))                  \
    X(phase_16sc32f, (const Orv16sc* s, Orv32f* d, int n))                                \
    X(phase_16s32f, (const Orv16s* re, const Orv16s* im, Orv32f* d, int n))               \
    /* single-precision angle of 32-bit integer pairs (computed in double) */             \
    X(phase_32sc32f, (const Orv32sc* s, Orv32f* d, int n))                                \
    /* d = saturate(roundEven(a * factor)) */                                             \
    X(scaleRound_32f16s, (const Orv32f* a, Orv16s* d, int n, float factor))               \
    X(scaleRound_32f32s, (const Orv32f* a, Orv32s* d, int n, float factor))               \
    /* products of interleaved complex pairs: d = a * b, or d = a * conj(b) */            \
    X(cmul_32f, (const Orv32f* a, const Orv32f* b, Orv32f* d, int pairs))                 \
    X(cmul_64f, (const Orv64f* a, const Orv64f* b, Orv64f* d, int pairs))                 \
    X(cmulConj_32f, (const Orv32f* a, const Orv32f* b, Orv32f* d, int pairs))             \
    X(cmulConj_64f, (const Orv64f* a, const Orv64f* b, Orv64f* d, int pairs))             \
    X(cmul_16s_Sfs, (const Orv16s* a, const Orv16s* b, Orv16s* d, int pairs, int sf))

#define ORVS_CPLX_MEMBER(name, params) void(*name) params;
struct KernelTable {
    ORVS_CPLX_KERNELS(ORVS_CPLX_MEMBER)
};
#undef ORVS_CPLX_MEMBER

namespace avx { extern const KernelTable table; }
namespace avx2 { extern const KernelTable table; }
namespace avx512 { extern const KernelTable table; }

// One part of a 16-bit packed product: the exact value r (only the sum
// (-32768)^2 + (-32768)^2 leaves the signed 32-bit range; it is clamped to
// it), an arithmetic right shift for positive scale factors (rounding toward
// minus infinity), saturation to 16 bits and then a left shift for negative
// ones, and saturation of the result.
inline Orv16s shiftScale16(std::int64_t r, int sf)
{
    r = std::clamp<std::int64_t>(r, INT32_MIN, INT32_MAX);
    if (sf > 0) return saturate<Orv16s>(r >> std::min(sf, 31));
    if (sf == 0) return saturate<Orv16s>(r);
    const std::int64_t v = saturate<Orv16s>(r);
    return saturate<Orv16s>(v * (std::int64_t(1) << (sf < -17 ? 17 : -sf)));
}

// The row of this process (core/dispatch.h).
const KernelTable& kernels();

} // namespace orvs::cplx
