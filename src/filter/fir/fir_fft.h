// The transforms of the FFT path, per tap type, through the exported FFT,
// real FFT and packed-spectrum entries: real taps use the real FFT with the
// Perm layout and MulPerm, complex taps the complex FFT and an element-wise
// complex product.
#pragma once
#include "filter/fir/fir_kernels.h"
#include "orvs/complex.h"
#include "orvs/fft.h"
#include "orvs/rfft.h"

namespace orvs::fir {

template <class Tap> struct FftOps;

#define ORVS_FIR_FFT_COMMON(SPEC, SUF)                                                                        \
    using Spec = SPEC;                                                                                        \
    static OrvStatus size(int order, int* spec, int* init, int* work)                                         \
    { return orvsFFTGetSize_##SUF(order, ORV_FFT_NORM_INV_N, orvHintNone, spec, init, work); }               \
    static OrvStatus init(Spec** pp, int order, Orv8u* mem, Orv8u* scratch)                                   \
    { return orvsFFTInit_##SUF(pp, order, ORV_FFT_NORM_INV_N, orvHintNone, mem, scratch); }                   \
    static OrvStatus initAlloc(Spec** pp, int order)                                                          \
    { return orvsFFTInitAlloc_##SUF(pp, order, ORV_FFT_NORM_INV_N, orvHintNone); }                            \
    static void release(void* p) { orvsFFTFree_##SUF(static_cast<Spec*>(p)); }

template <> struct FftOps<Orv32f> {
    ORVS_FIR_FFT_COMMON(OrvsFFTSpec_R_32f, R_32f)
    static OrvStatus fwd(const Orv32f* s, Orv32f* d, const void* p, Orv8u* w)
    {
        return s == d ? orvsFFTFwd_RToPerm_32f_I(d, static_cast<const Spec*>(p), w)
                      : orvsFFTFwd_RToPerm_32f(s, d, static_cast<const Spec*>(p), w);
    }
    static OrvStatus inv(Orv32f* d, const void* p, Orv8u* w) { return orvsFFTInv_PermToR_32f_I(d, static_cast<const Spec*>(p), w); }
    static OrvStatus mul(const Orv32f* a, Orv32f* w, int n) { return orvsMulPerm_32f_I(a, w, n); }
};

template <> struct FftOps<Orv64f> {
    ORVS_FIR_FFT_COMMON(OrvsFFTSpec_R_64f, R_64f)
    static OrvStatus fwd(const Orv64f* s, Orv64f* d, const void* p, Orv8u* w)
    {
        return s == d ? orvsFFTFwd_RToPerm_64f_I(d, static_cast<const Spec*>(p), w)
                      : orvsFFTFwd_RToPerm_64f(s, d, static_cast<const Spec*>(p), w);
    }
    static OrvStatus inv(Orv64f* d, const void* p, Orv8u* w) { return orvsFFTInv_PermToR_64f_I(d, static_cast<const Spec*>(p), w); }
    static OrvStatus mul(const Orv64f* a, Orv64f* w, int n) { return orvsMulPerm_64f_I(a, w, n); }
};

template <> struct FftOps<Orv32fc> {
    ORVS_FIR_FFT_COMMON(OrvsFFTSpec_C_32fc, C_32fc)
    static OrvStatus fwd(const Orv32fc* s, Orv32fc* d, const void* p, Orv8u* w)
    {
        return s == d ? orvsFFTFwd_CToC_32fc_I(d, static_cast<const Spec*>(p), w)
                      : orvsFFTFwd_CToC_32fc(s, d, static_cast<const Spec*>(p), w);
    }
    static OrvStatus inv(Orv32fc* d, const void* p, Orv8u* w) { return orvsFFTInv_CToC_32fc_I(d, static_cast<const Spec*>(p), w); }
    static OrvStatus mul(const Orv32fc* a, Orv32fc* w, int n)
    {
        kernels().cmulBy_32fc(a, w, n);
        return orvStsOk;
    }
};

template <> struct FftOps<Orv64fc> {
    ORVS_FIR_FFT_COMMON(OrvsFFTSpec_C_64fc, C_64fc)
    static OrvStatus fwd(const Orv64fc* s, Orv64fc* d, const void* p, Orv8u* w)
    {
        return s == d ? orvsFFTFwd_CToC_64fc_I(d, static_cast<const Spec*>(p), w)
                      : orvsFFTFwd_CToC_64fc(s, d, static_cast<const Spec*>(p), w);
    }
    static OrvStatus inv(Orv64fc* d, const void* p, Orv8u* w) { return orvsFFTInv_CToC_64fc_I(d, static_cast<const Spec*>(p), w); }
    static OrvStatus mul(const Orv64fc* a, Orv64fc* w, int n)
    {
        kernels().cmulBy_64fc(a, w, n);
        return orvStsOk;
    }
};

#undef ORVS_FIR_FFT_COMMON

} // namespace orvs::fir
