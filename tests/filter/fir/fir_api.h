// Every FIR family behind one table of entry pointers (the float families
// ignore the scale factor), and the long-double model of the filter.
#pragma once
#include <cmath>
#include <complex>
#include <tuple>
#include <type_traits>

#include "orvs.h"

namespace fir_test {

template <class T> struct Parts { using Real = T; static constexpr bool complex = false; };
template <class T> requires requires(T t) { t.re; }
struct Parts<T> { using Real = decltype(T{}.re); static constexpr bool complex = true; };

template <class TapT, class DataT, class StT>
struct Api {
    using Tap = TapT;
    using Data = DataT;
    using St = StT;
    using TapReal = typename Parts<Tap>::Real;
    static constexpr bool complex = Parts<Tap>::complex;
    static constexpr bool intOut = std::is_integral_v<typename Parts<Data>::Real>;
    const char* name;
    int fftMinTaps;
    OrvStatus (*size)(int, int*);
    OrvStatus (*init)(St**, const Tap*, int, const Data*, Orv8u*);
    OrvStatus (*initAlloc)(St**, const Tap*, int, const Data*);
    OrvStatus (*release)(St*);
    OrvStatus (*getTaps)(const St*, Tap*);
    OrvStatus (*setTaps)(const Tap*, St*);
    OrvStatus (*getDly)(const St*, Data*);
    OrvStatus (*setDly)(St*, const Data*);
    OrvStatus (*one)(Data, Data*, St*, int);
    OrvStatus (*block)(const Data*, Data*, int, St*, int);
    OrvStatus (*inPlace)(Data*, int, St*, int);
    // Samples from which a call may take the FFT path.
    static constexpr int callMin = complex ? 256 : 512;
};

#define FIR_API_COMMON(SUF, TAP, DATA, MIN)                                                              \
    Api<TAP, DATA, OrvsFIRState##SUF>{#SUF, MIN, orvsFIRGetStateSize##SUF, orvsFIRInit##SUF,           \
                                      orvsFIRInitAlloc##SUF, orvsFIRFree##SUF, orvsFIRGetTaps##SUF,      \
                                      orvsFIRSetTaps##SUF, orvsFIRGetDlyLine##SUF, orvsFIRSetDlyLine##SUF,
#define FIR_FLOAT_API(SUF, TAP, DATA, MIN)                                                               \
    FIR_API_COMMON(SUF, TAP, DATA, MIN)                                                                  \
    [](DATA x, DATA* y, OrvsFIRState##SUF* s, int) { return orvsFIROne##SUF(x, y, s); },                 \
    [](const DATA* a, DATA* b, int n, OrvsFIRState##SUF* s, int) { return orvsFIR##SUF(a, b, n, s); },   \
    [](DATA* a, int n, OrvsFIRState##SUF* s, int) { return orvsFIR##SUF##_I(a, n, s); } }
#define FIR_INT_API(SUF, TAP, DATA, MIN)                                                                 \
    FIR_API_COMMON(SUF, TAP, DATA, MIN) orvsFIROne##SUF##_Sfs, orvsFIR##SUF##_Sfs, orvsFIR##SUF##_ISfs }

inline const auto kFamilies = std::make_tuple(
    FIR_FLOAT_API(_32f, Orv32f, Orv32f, 64), FIR_FLOAT_API(_32fc, Orv32fc, Orv32fc, 16),
    FIR_INT_API(32f_16s, Orv32f, Orv16s, 64), FIR_INT_API(32fc_16sc, Orv32fc, Orv16sc, 16),
    FIR_FLOAT_API(_64f, Orv64f, Orv64f, 64), FIR_FLOAT_API(_64fc, Orv64fc, Orv64fc, 32),
    FIR_FLOAT_API(64f_32f, Orv64f, Orv32f, 64), FIR_FLOAT_API(64fc_32fc, Orv64fc, Orv32fc, 32),
    FIR_INT_API(64f_32s, Orv64f, Orv32s, 64), FIR_INT_API(64fc_32sc, Orv64fc, Orv32sc, 32),
    FIR_INT_API(64f_16s, Orv64f, Orv16s, 64), FIR_INT_API(64fc_16sc, Orv64fc, Orv16sc, 32));

template <class Fn>
void forEachFamily(Fn&& fn)
{
    std::apply([&](const auto&... api) { (fn(api), ...); }, kFamilies);
}

// ---- the model ------------------------------------------------------------------

using C = std::complex<long double>;
template <class T>
C toC(const T& x)
{
    if constexpr (Parts<T>::complex) return C(x.re, x.im);
    else return C(x, 0);
}
template <class T>
T fromC(C v)
{
    if constexpr (Parts<T>::complex) return T{static_cast<decltype(T{}.re)>(v.real()), static_cast<decltype(T{}.re)>(v.imag())};
    else return static_cast<T>(v.real());
}

// FFT length the state picks: twice the smallest power of two above tapsLen.
inline int fftLenFor(int L)
{
    int p = 4;
    while (p <= L) p *= 2;
    return 2 * p;
}

} // namespace fir_test
