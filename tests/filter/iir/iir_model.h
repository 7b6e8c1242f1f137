// Reference for the IIR tests: the direct difference equation in long
// double over the caller's taps with explicit input and output histories,
// and the entries of every precision pair in one table shape.
#pragma once
#include <algorithm>
#include <cmath>
#include <complex>
#include <random>
#include <vector>

#include "orvs.h"

namespace iir_test {

using LC = std::complex<long double>;

template <class T>
constexpr bool isComplex = requires(T t) { t.re; };
template <class T> struct Part { using type = T; };
template <class T> requires isComplex<T> struct Part<T> { using type = decltype(T{}.re); };
template <class T>
using PartOf = typename Part<T>::type;
template <class T>
constexpr bool integerSamples = std::is_integral_v<PartOf<T>>;

template <class T>
LC toLC(const T& v)
{
    if constexpr (isComplex<T>) return {static_cast<long double>(v.re), static_cast<long double>(v.im)};
    else return static_cast<long double>(v);
}

// As the sample type: integers times 2^-sf, nearest with ties to even, saturated.
template <class C>
C partOf(long double v, int sf)
{
    if constexpr (!std::is_integral_v<C>) return static_cast<C>(v);
    const long double s = std::nearbyintl(std::ldexp(v, -sf));
    return static_cast<C>(std::clamp<long double>(s, std::numeric_limits<C>::min(), std::numeric_limits<C>::max()));
}
template <class T>
T fromLC(LC v, int sf = 0)
{
    if constexpr (isComplex<T>) return T{partOf<PartOf<T>>(v.real(), sf), partOf<PartOf<T>>(v.imag(), sf)};
    else return partOf<T>(v.real(), sf);
}
template <class D>
std::vector<D> cast(const std::vector<LC>& v)
{
    std::vector<D> out;
    for (LC x : v) out.push_back(fromLC<D>(x));
    return out;
}

// Recursions (one for AR, one per section) over normalised taps, with the
// last N inputs and outputs, most recent first.
struct Model {
    struct Stage {
        std::vector<LC> b, a, xs, ys;
    };
    std::vector<Stage> parts;
    Model(const std::vector<LC>& taps, int n, bool biquad)  // caller layouts
    {
        for (int s = 0, order = biquad ? 2 : n; s < (biquad ? n : 1); ++s) {
            const LC* t = taps.data() + 6 * s;
            Stage p;
            for (int j = 0; j <= order; ++j) p.b.push_back(t[j] / t[order + 1]);
            for (int j = 1; j <= order; ++j) p.a.push_back(t[order + 1 + j] / t[order + 1]);
            p.xs.assign(order, 0), p.ys.assign(order, 0);
            parts.push_back(p);
        }
    }
    LC step(LC x)
    {
        for (auto& p : parts) {
            LC y = p.b[0] * x;
            for (size_t j = 1; j < p.b.size(); ++j) y += p.b[j] * p.xs[j - 1] - p.a[j - 1] * p.ys[j - 1];
            p.xs.insert(p.xs.begin(), x), p.xs.pop_back();
            p.ys.insert(p.ys.begin(), y), p.ys.pop_back();
            x = y;
        }
        return x;
    }
    // The transposed form II delay values the histories stand for.
    std::vector<LC> state() const
    {
        std::vector<LC> d;
        for (auto& p : parts)
            for (size_t i = 0; i < p.a.size(); ++i) {
                LC v = 0;
                for (size_t m = 0; m + i < p.a.size(); ++m) v += p.b[i + 1 + m] * p.xs[m] - p.a[i + m] * p.ys[m];
                d.push_back(v);
            }
        return d;
    }
};

// A random stable filter, everything times a0: poles of radius 0.2..0.85
// (conjugate pairs for real taps), numerator in [-1, 1], b0 away from 0.
inline std::vector<LC> randomTaps(std::mt19937& g, int n, bool biquad, bool complex, long double a0)
{
    std::uniform_real_distribution<double> u(-1.0, 1.0), rad(0.2, 0.85), ang(0.0, 3.14159);
    std::vector<LC> taps;
    for (int s = 0, order = biquad ? 2 : n; s < (biquad ? n : 1); ++s) {
        std::vector<LC> a{1};
        for (int k = 0; k < order;) {
            const LC pole = std::polar<long double>(rad(g), complex ? 2 * ang(g) : ang(g));
            std::vector<LC> roots{complex ? pole : LC(pole.real())};
            if (!complex && order - k >= 2) roots = {pole, std::conj(pole)};
            for (LC r : roots) {
                std::vector<LC> q(a.size() + 1);
                for (size_t i = 0; i < a.size(); ++i) q[i] += a[i], q[i + 1] -= r * a[i];
                a = q, ++k;
            }
        }
        for (int j = 0; j <= order; ++j)
            taps.push_back(a0 * (j == 0 ? LC(0.5 + std::abs(u(g)) / 2, complex ? 0.5 : 0) : LC(u(g), complex ? u(g) : 0)));
        for (LC v : a) taps.push_back(v * a0);
    }
    return taps;
}

// The entries of one precision pair: S state, T sample, D delay element
// (also the taps type used here).
template <class S_, class T_, class D_>
struct Api {
    using S = S_;
    using T = T_;
    using D = D_;
    const char* name;
    bool wide;  // double-precision internals
    OrvStatus (*size[2])(int, int*);  // [AR, biquad]
    OrvStatus (*init[2])(S**, const D*, int, const D*, Orv8u*);
    OrvStatus (*initAlloc[2])(S**, const D*, int, const D*);
    OrvStatus (*free)(S*);
    OrvStatus (*setTaps)(const D*, S*);  // null where the pair takes integer taps only
    OrvStatus (*getDly)(const S*, D*);
    OrvStatus (*setDly)(S*, const D*);
    OrvStatus (*filter)(const T*, T*, int, S*, int);
    OrvStatus (*filterI)(T*, int, S*, int);
    OrvStatus (*one)(T, T*, S*, int);
};

#define IIR_CREATE(A, B) {orvsIIRGetStateSize##A##B, orvsIIRGetStateSize##A##BiQuad_##B}, \
                         {orvsIIRInit##A##B, orvsIIRInit##A##BiQuad_##B}, {orvsIIRInitAlloc##A##B, orvsIIRInitAlloc##A##BiQuad_##B}
#define IIR_PLAIN(AB, S, T)                                                                           \
    [](const T* s, T* d, int n, S* st, int) { return orvsIIR##AB(s, d, n, st); },                      \
        [](T* sd, int n, S* st, int) { return orvsIIR##AB##_I(sd, n, st); },                          \
        [](T x, T* y, S* st, int) { return orvsIIROne##AB(x, y, st); }
#define IIR_SFS(AB, S, T) orvsIIR##AB##_Sfs, orvsIIR##AB##_ISfs, orvsIIROne##AB##_Sfs
#define IIR_PAIR(A, B, AB, S, T, D, wide, setTaps, FILTERS)                                          \
    Api<S, T, D>{#AB, wide, IIR_CREATE(A, B), orvsIIRFree##AB, setTaps, orvsIIRGetDlyLine##AB,         \
                 orvsIIRSetDlyLine##AB, FILTERS(AB, S, T)}

template <class F>
void forEachPair(F&& f)
{
    f(IIR_PAIR(_, 32f, _32f, OrvsIIRState_32f, Orv32f, Orv32f, false, orvsIIRSetTaps_32f, IIR_PLAIN));
    f(IIR_PAIR(32f_, 16s, 32f_16s, OrvsIIRState32f_16s, Orv16s, Orv32f, false, orvsIIRSetTaps32f_16s, IIR_SFS));
    f(IIR_PAIR(32s_, 16s32f, 32s_16s, OrvsIIRState32s_16s, Orv16s, Orv32f, false, nullptr, IIR_SFS));
    f(IIR_PAIR(_, 32fc, _32fc, OrvsIIRState_32fc, Orv32fc, Orv32fc, false, orvsIIRSetTaps_32fc, IIR_PLAIN));
    f(IIR_PAIR(32fc_, 16sc, 32fc_16sc, OrvsIIRState32fc_16sc, Orv16sc, Orv32fc, false, orvsIIRSetTaps32fc_16sc, IIR_SFS));
    f(IIR_PAIR(32sc_, 16sc32fc, 32sc_16sc, OrvsIIRState32sc_16sc, Orv16sc, Orv32fc, false, orvsIIRSetTaps32sc_16sc32fc, IIR_SFS));
    f(IIR_PAIR(_, 64f, _64f, OrvsIIRState_64f, Orv64f, Orv64f, true, orvsIIRSetTaps_64f, IIR_PLAIN));
    f(IIR_PAIR(64f_, 32f, 64f_32f, OrvsIIRState64f_32f, Orv32f, Orv64f, true, orvsIIRSetTaps64f_32f, IIR_PLAIN));
    f(IIR_PAIR(64f_, 32s, 64f_32s, OrvsIIRState64f_32s, Orv32s, Orv64f, true, orvsIIRSetTaps64f_32s, IIR_SFS));
    f(IIR_PAIR(64f_, 16s, 64f_16s, OrvsIIRState64f_16s, Orv16s, Orv64f, true, orvsIIRSetTaps64f_16s, IIR_SFS));
    f(IIR_PAIR(_, 64fc, _64fc, OrvsIIRState_64fc, Orv64fc, Orv64fc, true, orvsIIRSetTaps_64fc, IIR_PLAIN));
    f(IIR_PAIR(64fc_, 32fc, 64fc_32fc, OrvsIIRState64fc_32fc, Orv32fc, Orv64fc, true, orvsIIRSetTaps64fc_32fc, IIR_PLAIN));
    f(IIR_PAIR(64fc_, 32sc, 64fc_32sc, OrvsIIRState64fc_32sc, Orv32sc, Orv64fc, true, orvsIIRSetTaps64fc_32sc, IIR_SFS));
    f(IIR_PAIR(64fc_, 16sc, 64fc_16sc, OrvsIIRState64fc_16sc, Orv16sc, Orv64fc, true, orvsIIRSetTaps64fc_16sc, IIR_SFS));
}

} // namespace iir_test
