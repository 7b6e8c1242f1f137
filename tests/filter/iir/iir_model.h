// Reference for the IIR tests: the direct difference equation in long
// double over the caller's (unnormalised) taps, with explicit input and
// output histories, plus the exported entries of every precision pair
// gathered in one table shape.
#pragma once
#include <algorithm>
#include <cmath>
#include <complex>
#include <random>
#include <vector>

#include "orvs.h"

namespace iir_test {

using LC = std::complex<long double>;

// ---- sample types -----------------------------------------------------------
template <class T>
constexpr bool isComplex = requires(T t) { t.re; };
template <class T>
struct Part { using type = T; };
template <class T>
    requires isComplex<T>
struct Part<T> { using type = decltype(T{}.re); };
template <class T>
using PartOf = typename Part<T>::type;

template <class T>
LC toLC(const T& v)
{
    if constexpr (isComplex<T>) return {static_cast<long double>(v.re), static_cast<long double>(v.im)};
    else return static_cast<long double>(v);
}

// The value as the sample type; integers rounded to nearest (ties to even)
// and saturated after scaling by 2^-sf.
template <class C>
C partOf(long double v, int sf)
{
    if constexpr (std::is_integral_v<C>) {
        const long double s = std::nearbyintl(std::ldexp(v, -sf));
        if (!(s == s)) return 0;
        return static_cast<C>(std::clamp<long double>(s, std::numeric_limits<C>::min(), std::numeric_limits<C>::max()));
    } else {
        return static_cast<C>(v);
    }
}
template <class T>
T fromLC(LC v, int sf = 0)
{
    if constexpr (isComplex<T>) {
        T t;
        t.re = partOf<PartOf<T>>(v.real(), sf);
        t.im = partOf<PartOf<T>>(v.imag(), sf);
        return t;
    } else {
        return partOf<T>(v.real(), sf);
    }
}

// ---- the model ----------------------------------------------------------------
// One recursion (an AR filter, or one section) over normalised taps, with the
// last N inputs and outputs, most recent first.
struct Recursion {
    std::vector<LC> b, a;  // b0..bN, a1..aN, divided by a0
    std::vector<LC> xs, ys;
    Recursion(const LC* taps, int n)  // b0..bN, a0..aN
    {
        const LC a0 = taps[n + 1];
        for (int j = 0; j <= n; ++j) b.push_back(taps[j] / a0);
        for (int j = 1; j <= n; ++j) a.push_back(taps[n + 1 + j] / a0);
        xs.assign(n, 0), ys.assign(n, 0);
    }
    int order() const { return static_cast<int>(a.size()); }
    LC step(LC x)
    {
        LC y = b[0] * x;
        for (int j = 1; j <= order(); ++j) y += b[j] * xs[j - 1] - a[j - 1] * ys[j - 1];
        xs.insert(xs.begin(), x), xs.pop_back();
        ys.insert(ys.begin(), y), ys.pop_back();
        return y;
    }
    // The transposed form II state the history stands for.
    std::vector<LC> state() const
    {
        std::vector<LC> d(order());
        for (int i = 0; i < order(); ++i)
            for (int m = 0; m <= order() - 1 - i; ++m) d[i] += b[i + 1 + m] * xs[m] - a[i + m] * ys[m];
        return d;
    }
};

struct Model {
    std::vector<Recursion> parts;
    // biquad: taps of six per section; AR: 2N+2 taps.
    Model(const std::vector<LC>& taps, int n, bool biquad)
    {
        if (!biquad) parts.emplace_back(taps.data(), n);
        else
            for (int s = 0; s < n; ++s) parts.emplace_back(taps.data() + 6 * s, 2);
    }
    LC step(LC x)
    {
        for (auto& p : parts) x = p.step(x);
        return x;
    }
    std::vector<LC> state() const
    {
        std::vector<LC> d;
        for (auto& p : parts) {
            auto s = p.state();
            d.insert(d.end(), s.begin(), s.end());
        }
        return d;
    }
};

// A random stable filter: poles of radius <= 0.85 (conjugate pairs for real
// taps), numerator in [-1, 1] with b0 away from 0, everything times a0.
inline std::vector<LC> randomTaps(std::mt19937& g, int n, bool biquad, bool complex, long double a0)
{
    std::uniform_real_distribution<double> u(-1.0, 1.0), rad(0.2, 0.85), ang(0.0, 3.14159);
    auto poly = [&](int order) {
        std::vector<LC> p{1};
        for (int k = 0; k < order;) {
            const LC pole = std::polar<long double>(rad(g), complex ? 2 * ang(g) : ang(g));
            std::vector<LC> roots = {pole};
            if (!complex) roots = order - k >= 2 ? std::vector<LC>{pole, std::conj(pole)} : std::vector<LC>{LC(rad(g) * (u(g) < 0 ? -1 : 1))};
            for (LC r : roots) {
                std::vector<LC> q(p.size() + 1);
                for (size_t i = 0; i < p.size(); ++i) q[i] += p[i], q[i + 1] -= r * p[i];
                p = q;
                ++k;
            }
        }
        return p;
    };
    auto coef = [&] { return complex ? LC(u(g), u(g)) : LC(u(g)); };
    std::vector<LC> taps;
    for (int s = 0; s < (biquad ? n : 1); ++s) {
        const int order = biquad ? 2 : n;
        std::vector<LC> b(order + 1);
        for (auto& v : b) v = coef();
        b[0] = LC(0.5 + std::abs(u(g)) / 2) * (complex ? LC(1, 1) : LC(1));
        for (auto& v : b) taps.push_back(v * a0);
        for (LC v : poly(order)) taps.push_back(v * a0);
    }
    return taps;
}

// ---- the entries of one precision pair -------------------------------------
// S state, T sample, D delay element (also the taps type used here).
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

inline auto allPairs()
{
    return std::make_tuple(
        IIR_PAIR(_, 32f, _32f, OrvsIIRState_32f, Orv32f, Orv32f, false, orvsIIRSetTaps_32f, IIR_PLAIN),
        IIR_PAIR(32f_, 16s, 32f_16s, OrvsIIRState32f_16s, Orv16s, Orv32f, false, orvsIIRSetTaps32f_16s, IIR_SFS),
        IIR_PAIR(32s_, 16s32f, 32s_16s, OrvsIIRState32s_16s, Orv16s, Orv32f, false, nullptr, IIR_SFS),
        IIR_PAIR(_, 32fc, _32fc, OrvsIIRState_32fc, Orv32fc, Orv32fc, false, orvsIIRSetTaps_32fc, IIR_PLAIN),
        IIR_PAIR(32fc_, 16sc, 32fc_16sc, OrvsIIRState32fc_16sc, Orv16sc, Orv32fc, false, orvsIIRSetTaps32fc_16sc, IIR_SFS),
        IIR_PAIR(32sc_, 16sc32fc, 32sc_16sc, OrvsIIRState32sc_16sc, Orv16sc, Orv32fc, false, orvsIIRSetTaps32sc_16sc32fc, IIR_SFS),
        IIR_PAIR(_, 64f, _64f, OrvsIIRState_64f, Orv64f, Orv64f, true, orvsIIRSetTaps_64f, IIR_PLAIN),
        IIR_PAIR(64f_, 32f, 64f_32f, OrvsIIRState64f_32f, Orv32f, Orv64f, true, orvsIIRSetTaps64f_32f, IIR_PLAIN),
        IIR_PAIR(64f_, 32s, 64f_32s, OrvsIIRState64f_32s, Orv32s, Orv64f, true, orvsIIRSetTaps64f_32s, IIR_SFS),
        IIR_PAIR(64f_, 16s, 64f_16s, OrvsIIRState64f_16s, Orv16s, Orv64f, true, orvsIIRSetTaps64f_16s, IIR_SFS),
        IIR_PAIR(_, 64fc, _64fc, OrvsIIRState_64fc, Orv64fc, Orv64fc, true, orvsIIRSetTaps_64fc, IIR_PLAIN),
        IIR_PAIR(64fc_, 32fc, 64fc_32fc, OrvsIIRState64fc_32fc, Orv32fc, Orv64fc, true, orvsIIRSetTaps64fc_32fc, IIR_PLAIN),
        IIR_PAIR(64fc_, 32sc, 64fc_32sc, OrvsIIRState64fc_32sc, Orv32sc, Orv64fc, true, orvsIIRSetTaps64fc_32sc, IIR_SFS),
        IIR_PAIR(64fc_, 16sc, 64fc_16sc, OrvsIIRState64fc_16sc, Orv16sc, Orv64fc, true, orvsIIRSetTaps64fc_16sc, IIR_SFS));
}

template <class F>
void forEachPair(F&& f)
{
    std::apply([&](const auto&... api) { (f(api), ...); }, allPairs());
}

// Taps or delay values of the internal type from the model's numbers.
template <class D>
std::vector<D> cast(const std::vector<LC>& v)
{
    std::vector<D> out;
    for (LC x : v) out.push_back(fromLC<D>(x));
    return out;
}

} // namespace iir_test
