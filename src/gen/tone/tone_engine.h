// The tone and triangle generators: argument checks in the family's order,
// the phase carried from call to call, and the choice between the accurate
// phasor and the fast recurrence. The exported entries (tone_entries.def)
// call these drivers.
#pragma once
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <type_traits>

#include "gen/tone/phasor.h"
#include "gen/tone/tone_kernels.h"
#include "orvs/tone.h"
#include "orvs/types.h"

namespace orvs::tone {

// Per element type: the precision of phase and frequency arguments (F), the
// type of the magnitude, and whether the wave is complex.
template <class T> struct Gen;
template <> struct Gen<Orv64f> { using F = double; using Magn = double; static constexpr bool cplx = false; };
template <> struct Gen<Orv32f> { using F = float; using Magn = float; static constexpr bool cplx = false; };
template <> struct Gen<Orv64fc> { using F = double; using Magn = double; static constexpr bool cplx = true; };
template <> struct Gen<Orv32fc> { using F = float; using Magn = float; static constexpr bool cplx = true; };
template <> struct Gen<Orv16s> { using F = float; using Magn = Orv16s; static constexpr bool cplx = false; };
template <> struct Gen<Orv16sc> { using F = float; using Magn = Orv16s; static constexpr bool cplx = true; };

constexpr double kPi = 3.141592653589793238462643383279;

// The phase after len samples, reduced to [0, 2 pi) in the precision of the
// argument; a value that rounds onto 2 pi becomes 0.
template <class F>
inline F nextPhase(double phase, double rFreq, int len)
{
    const double p = phase + kTwoPi * fracProduct(rFreq, len);
    const F r = static_cast<F>(p - kTwoPi * std::floor(p / kTwoPi));
    return (r >= F(0) && double(r) < kTwoPi) ? r : F(0);
}

// Cosine (and sine) values of phase + 2 pi f n, block by block, handed to
// put(offset, count, c, s).
template <class Put>
inline void phasorSeries(int len, double phase, double rFreq, Put&& put)
{
    alignas(64) double c[kBlock], s[kBlock];
    const Steps steps = stepsOf(rFreq);
    for (int k = 0; k < len; k += kBlock) {
        const int m = std::min(kBlock, len - k);
        const double base = fracProduct(rFreq, k);
        phasorBlock(c, s, m, phase + kTwoPi * base, steps);
        put(k, m, c, s);
    }
}

template <class T>
void toneAccurate(T* d, int len, double magn, double rFreq, double phase)
{
    const KernelTable& K = kernels();
    phasorSeries(len, phase, rFreq, [&](int k, int m, const double* c, const double* s) {
        if constexpr (std::is_same_v<T, Orv64f>) {
            for (int j = 0; j < m; ++j) d[k + j] = magn * c[j];
        } else if constexpr (std::is_same_v<T, Orv32f>) {
            K.scale_32f(c, d + k, m, magn);
        } else if constexpr (std::is_same_v<T, Orv64fc>) {
            K.scaleCplx_64f(c, s, &d[k].re, m, magn);
        } else if constexpr (std::is_same_v<T, Orv32fc>) {
            K.scaleCplx_32f(c, s, &d[k].re, m, magn);
        } else if constexpr (std::is_same_v<T, Orv16s>) {
            K.scaleRound_16s(c, d + k, m, 1, magn);
        } else {
            K.scaleRound_16s(c, &d[k].re, m, 2, magn);
            K.scaleRound_16s(s, &d[k].im, m, 2, magn);
        }
    });
}

// Blocks restarted from two directly evaluated values, then the recurrence
// in the precision of the element (1024 values per block in single, 2048 in
// double precision).
template <class T>
void toneFast(T* d, int len, double magn, double rFreq, double phase)
{
    using F = typename Gen<T>::F;
    constexpr bool cplx = Gen<T>::cplx;
    constexpr int block = std::is_same_v<F, float> ? 1024 : 2048;
    const KernelTable& K = kernels();
    const F c1 = static_cast<F>(2.0 * std::cos(kTwoPi * rFreq));
    F* x = reinterpret_cast<F*>(d);
    constexpr int stride = cplx ? 2 : 1;
    // Groups of kFastBlocks whole blocks, then the rest one block at a time.
    for (int k = 0; k < len;) {
        const int whole = (len - k) / block;
        const int nb = whole >= kFastBlocks ? kFastBlocks : 1;
        const int m = std::min(block, len - k);
        F c0[kFastBlocks], c1v[kFastBlocks], s0[kFastBlocks], s1v[kFastBlocks];
        for (int b = 0; b < nb; ++b) {
            const double at = k + double(b) * block;
            const double a0 = phase + kTwoPi * fracProduct(rFreq, at), a1 = phase + kTwoPi * fracProduct(rFreq, at + 1);
            c0[b] = F(magn * std::cos(a0)), c1v[b] = F(magn * std::cos(a1));
            s0[b] = F(magn * std::sin(a0)), s1v[b] = F(magn * std::sin(a1));
        }
        auto run = [&](F* at, const F* v0, const F* v1) {
            if constexpr (std::is_same_v<F, float>) K.fastBlocks_32f(at, stride, block * stride, nb, m, v0, v1, c1);
            else K.fastBlocks_64f(at, stride, block * stride, nb, m, v0, v1, c1);
        };
        run(x + k * stride, c0, c1v);
        if constexpr (cplx) run(x + k * stride + 1, s0, s1v);
        k += nb * m;
    }
}

template <class T>
OrvStatus toneDirect(T* pDst, int len, typename Gen<T>::Magn magn, typename Gen<T>::F rFreq,
                     typename Gen<T>::F* pPhase, OrvHintAlgorithm hint)
{
    if (!pPhase) return orvStsErrNullPtr;
    if (!(magn > 0)) return orvStsErrToneMagn;
    if (!(rFreq >= 0 && double(rFreq) < (Gen<T>::cplx ? 1.0 : 0.5))) return orvStsErrToneFreq;
    const double phase = *pPhase;
    if (!(phase >= 0 && phase < kTwoPi)) return orvStsErrTonePhase;
    if (!pDst) return orvStsErrNullPtr;
    if (len < 1) return orvStsErrSize;
    *pPhase = nextPhase<typename Gen<T>::F>(phase, rFreq, len);
    if (hint == orvHintFast && !std::is_integral_v<typename Gen<T>::Magn>) toneFast(pDst, len, magn, rFreq, phase);
    else toneAccurate(pDst, len, magn, rFreq, phase);
    return orvStsOk;
}

// ---- triangle -------------------------------------------------------------

// One triangle value at theta in [0, 2 pi).
inline double triangleAt(double theta, double magn, double asym)
{
    const double fall = kPi + asym;
    return theta < fall ? magn * (1.0 - 2.0 * theta / fall) : magn * (2.0 * (theta - fall) / (kPi - asym) - 1.0);
}

template <class T>
inline void putTriangle(T* d, int n, double v, double vIm)
{
    if constexpr (std::is_same_v<T, Orv16s>) {
        d[n] = static_cast<Orv16s>(std::clamp(v, -32768.0, 32767.0));  // toward zero
    } else if constexpr (std::is_same_v<T, Orv16sc>) {
        d[n].re = static_cast<Orv16s>(std::clamp(v, -32768.0, 32767.0));
        d[n].im = static_cast<Orv16s>(std::clamp(vIm, -32768.0, 32767.0));
    } else if constexpr (Gen<T>::cplx) {
        using P = decltype(d->re);
        d[n].re = static_cast<P>(v);
        d[n].im = static_cast<P>(vIm);
    } else {
        d[n] = static_cast<T>(v);
    }
}

// The triangle from phase on; every sample's phase is formed from the
// sample index, so no error accumulates along the vector.
template <class T>
void triangle(T* d, int len, double magn, double rFreq, double asym, double phase)
{
    const double shift = (3.0 * kPi + asym) / 2.0;
    // The frequency split so that j * hi is exact for j < 2^11: the whole
    // cycles of j f leave without rounding (steep slopes magnify any phase
    // error).
    std::uint64_t bits;
    std::memcpy(&bits, &rFreq, sizeof bits);
    bits &= ~std::uint64_t(0x7FF);
    double hi;
    std::memcpy(&hi, &bits, sizeof hi);
    const double lo = rFreq - hi;
    static_assert(kBlock <= 2048);
    for (int k = 0; k < len; k += kBlock) {
        const int m = std::min(kBlock, len - k);
        const double base = fracProduct(rFreq, k);
        for (int j = 0; j < m; ++j) {
            const double jh = j * hi;
            double t = (jh - std::floor(jh)) + base + j * lo;
            t -= std::floor(t);
            double theta = phase + kTwoPi * t;
            if (theta >= kTwoPi) theta -= kTwoPi;
            double im = 0;
            if constexpr (Gen<T>::cplx) {
                double t2 = theta + shift;
                if (t2 >= kTwoPi) t2 -= kTwoPi;
                im = triangleAt(t2, magn, asym);
            }
            putTriangle(d, k + j, triangleAt(theta, magn, asym), im);
        }
    }
}

// Checks shared by the triangle forms, after the phase pointer.
inline OrvStatus triangleParams(double magn, double rFreq, double asym, double phase)
{
    if (!(magn > 0)) return orvStsErrTrnglMagn;
    if (!(rFreq >= 0 && rFreq < 0.5)) return orvStsErrTrnglFreq;
    if (!(asym >= -kPi && asym < kPi)) return orvStsErrTrnglAsym;
    if (!(phase >= 0 && phase < kTwoPi)) return orvStsErrTrnglPhase;
    return orvStsOk;
}

template <class T>
OrvStatus triangleDirect(T* pDst, int len, typename Gen<T>::Magn magn, typename Gen<T>::F rFreq,
                         typename Gen<T>::F asym, typename Gen<T>::F* pPhase)
{
    if (!pPhase) return orvStsErrNullPtr;
    const double phase = *pPhase;
    if (OrvStatus st = triangleParams(magn, rFreq, asym, phase); st) return st;
    if (!pDst) return orvStsErrNullPtr;
    if (len < 1) return orvStsErrSize;
    *pPhase = nextPhase<typename Gen<T>::F>(phase, rFreq, len);
    triangle(pDst, len, magn, rFreq, asym, phase);
    return orvStsOk;
}

// ---- the Q15 forms (tone_q15.cpp) ------------------------------------------
OrvStatus toneQ15Direct(Orv16s* pDst, int len, Orv16s magn, Orv16s rFreqQ15, Orv32s phaseQ15);
OrvStatus toneStateSize(int* pSize);
OrvStatus toneInit(OrvsToneState_16s* pStateMem, Orv16s magn, Orv16s rFreqQ15, Orv32s phaseQ15);
OrvStatus toneInitAlloc(OrvsToneState_16s** ppState, Orv16s magn, Orv16s rFreqQ15, Orv32s phaseQ15);
OrvStatus toneFree(OrvsToneState_16s* pState);
OrvStatus toneQ15(Orv16s* pDst, int len, OrvsToneState_16s* pState);

OrvStatus triangleQ15Direct(Orv16s* pDst, int len, Orv16s magn, Orv16s rFreqQ15, Orv32s phaseQ15, Orv32s asymQ15);
OrvStatus triangleStateSize(int* pSize);
OrvStatus triangleInit(OrvsTriangleState_16s* pStateMem, Orv16s magn, Orv16s rFreqQ15, Orv32s phaseQ15, Orv32s asymQ15);
OrvStatus triangleInitAlloc(OrvsTriangleState_16s** ppState, Orv16s magn, Orv16s rFreqQ15, Orv32s phaseQ15, Orv32s asymQ15);
OrvStatus triangleFree(OrvsTriangleState_16s* pState);
OrvStatus triangleQ15(Orv16s* pDst, int len, OrvsTriangleState_16s* pState);

} // namespace orvs::tone
