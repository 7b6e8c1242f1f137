// The complex family's entry logic: argument checks in the library's order,
// the scale-factor shortcuts, the two-thread split of the magnitudes, and
// the packed-spectrum layouts. The exported entries (complex_entries.def)
// call these drivers.
#pragma once
#include <cmath>
#include <cstring>

#include "convert/complex/complex_kernels.h"
#include "core/check.h"
#include "core/parallel.h"
#include "core/saturate.h"
#include "core/vocabulary.h"
#include "orvs/complex.h"
#include "orvs/types.h"
#include "orvs/vector.h"

namespace orvs::cplx {

// Every element-wise driver of this family uses a team of two.
constexpr int kTeam = 2;

// Pointers (in argument order), then the length, then the kernel.
template <auto K, class... P>
inline OrvStatus run(int len, P*... p)
{
    ORVS_CHECK(check::vectors(len, p...));
    (kernels().*K)(p..., len);
    return orvStsOk;
}

// The magnitudes: every element depends only on its own inputs, so each
// thread runs the serial kernel on its contiguous chunk.
template <auto K, int Threshold, class... P>
inline void splitRun(int len, P*... p)
{
    const auto fn = kernels().*K;
    parallel::forChunks(len, Threshold, kTeam, [&](int begin, int count) {
        fn((p + begin)..., count);
        return false;
    });
}

template <auto K, int Threshold, class... P>
inline OrvStatus magnitude(int len, P*... p)
{
    ORVS_CHECK(check::vectors(len, p...));
    splitRun<K, Threshold>(len, p...);
    return orvStsOk;
}

// 16-bit scaled magnitudes: sqrt(re^2 + im^2) <= 46341, so from scale factor
// 17 on every output rounds to 0 and from -15 down every non-zero input
// saturates, exactly as at -15.
template <auto K, int Threshold, class... P>
inline OrvStatus magnitude16Sfs(int len, int sf, Orv16s* dst, P*... src)
{
    ORVS_CHECK(check::vectors(len, src..., dst));
    if (sf >= 17) return zeroAll(dst, len);
    const int s = sf < -15 ? -15 : sf;
    const auto fn = kernels().*K;
    parallel::forChunks(len, Threshold, kTeam, [&](int begin, int count) {
        fn((src + begin)..., dst + begin, count, s);
        return false;
    });
    return orvStsOk;
}

// 16-bit scaled power: re^2 + im^2 <= 2^31; below -14 every non-zero value
// saturates (as at -15), above 32 every value rounds to 0 (as at 40).
template <auto K, class... P>
inline OrvStatus power16Sfs(int len, int sf, Orv16s* dst, P*... src)
{
    ORVS_CHECK(check::vectors(len, src..., dst));
    const int s = sf < -15 ? -15 : (sf > 40 ? 40 : sf);
    (kernels().*K)(src..., dst, len, s);
    return orvStsOk;
}

// Integer phase: the single-precision angle times 2^-sf, rounded to nearest
// even and saturated; from sf = 2 on every angle rounds to 0; below `cut`
// a scalar loop in double with rounding half away from zero.
template <class D, class Angles, class Exact>
inline OrvStatus phaseScaled(D* dst, int len, int sf, int cut, Angles&& angles, Exact&& exactAngle)
{
    if (sf >= 2) return zeroAll(dst, len);
    // 2^200 is already infinite as a float: every lower factor acts alike.
    sf = sf < -200 ? -200 : sf;
    const float factor = static_cast<float>(std::pow(2.0, -sf));
    if (sf >= cut) {
        constexpr int kBlock = 512;
        float buf[kBlock];
        for (int b = 0; b < len; b += kBlock) {
            const int c = len - b < kBlock ? len - b : kBlock;
            angles(b, c, buf);
            if constexpr (sizeof(D) == 2) kernels().scaleRound_32f16s(buf, dst + b, c, factor);
            else kernels().scaleRound_32f32s(buf, dst + b, c, factor);
        }
        return orvStsOk;
    }
    for (int i = 0; i < len; ++i) {
        const float a = static_cast<float>(exactAngle(i));
        dst[i] = saturate<D>(roundHalfAway(static_cast<double>(a * factor)));
    }
    return orvStsOk;
}

// ---- packed real spectra --------------------------------------------------

// Element-wise product of two packed spectra of real length n. Real-only
// positions (0, and the Nyquist value for even n) multiply as reals, the
// (n - 1) / 2 pairs as complex numbers. pDst may equal either source.
template <Layout L, class T, class RealMul, class PairMul>
inline OrvStatus packedProduct(const T* a, const T* b, T* d, int n, RealMul&& realMul, PairMul&& pairMul)
{
    ORVS_CHECK(check::vectors(n, a, b, d));
    const int pairs = (n - 1) / 2;
    const int first = (L == Layout::Pack || (n & 1)) ? 1 : 2;
    const int nyquist = (n & 1) ? -1 : (L == Layout::Pack ? n - 1 : 1);
    const T d0 = realMul(a[0], b[0]);
    const T dn = nyquist > 0 ? realMul(a[nyquist], b[nyquist]) : T(0);
    if (pairs > 0) pairMul(a + first, b + first, d + first, pairs);
    d[0] = d0;
    if (nyquist > 0) d[nyquist] = dn;
    return orvStsOk;
}

// Expansion of a packed spectrum to the n complex values of the full
// conjugate-symmetric spectrum. The pairs are placed from the top down, so
// the in-place forms (packed data at the start of the complex buffer) never
// overwrite a value before reading it; the mirror half is then written by
// the conjugate-flip kernel.
template <Layout L, class T, class C>
inline OrvStatus expandPacked(const void* srcRaw, C* dst, int n, void (*flip)(const C*, C*, int))
{
    ORVS_CHECK(check::vectors(n, srcRaw, static_cast<const void*>(dst)));
    const T* src = static_cast<const T*>(srcRaw);  // CCS: read as re, im pairs
    const int h = (n + 1) / 2;                     // pairs k = 1 .. h - 1
    const T x0 = src[0];
    T nyq = T(0);
    if (!(n & 1)) nyq = L == Layout::Pack ? src[n - 1] : (L == Layout::Perm ? src[1] : src[n]);
    const int pairBase = (L == Layout::Ccs || (L == Layout::Perm && !(n & 1))) ? 0 : -1;
    for (int k = h - 1; k >= 1; --k) {
        const T re = src[2 * k + pairBase], im = src[2 * k + pairBase + 1];
        dst[k].re = re;
        dst[k].im = im;
    }
    dst[0].re = x0;
    dst[0].im = T(0);
    if (!(n & 1)) {
        dst[n / 2].re = nyq;
        dst[n / 2].im = T(0);
    }
    if (h > 1) flip(dst + 1, dst + n - h + 1, h - 1);
    return orvStsOk;
}

// ---- splitting, building and conjugating -----------------------------------

// Either part may be null (counts as zeros), but not both; the destination
// is checked first.
template <auto Kn, class T, class C>
inline OrvStatus realToCplx(const T* re, const T* im, C* dst, int len)
{
    ORVS_CHECK(check::pointers(dst));
    if (!re && !im) return orvStsErrNullPtr;
    ORVS_CHECK(check::length(len));
    (kernels().*Kn)(re, im, dst, len);
    return orvStsOk;
}

// One part of a complex vector (the real part when Re, else the imaginary).
template <auto Kn, bool Re, class C, class T>
inline OrvStatus onePart(const C* src, T* dst, int len)
{
    ORVS_CHECK(check::vectors(len, src, dst));
    (kernels().*Kn)(src, Re ? dst : nullptr, Re ? nullptr : dst, len);
    return orvStsOk;
}

// ---- magnitude, power, phase and Cartesian to polar ------------------------

// The squared magnitude of 32-bit pairs needs 64 bits (up to 2^63): from
// scale factor 64 on every output rounds to 0; from -31 down every non-zero
// value saturates, which the scaled kernel also gives.
inline OrvStatus magSquared32(const Orv32sc* src, Orv32s* dst, int len, int sf)
{
    ORVS_CHECK(check::vectors(len, src, dst));
    if (sf > 63) return zeroAll(dst, len);
    kernels().magsq_32sc32s_Sfs(src, dst, len, sf < -31 ? -31 : sf);
    return orvStsOk;
}

inline OrvStatus magnitude32sc(const Orv32sc* src, Orv32s* dst, int len, int sf)
{
    ORVS_CHECK(check::vectors(len, src, dst));
    const auto fn = kernels().mag_32sc_Sfs;
    parallel::forChunks(len, 256, kTeam, [&](int begin, int count) {
        fn(src + begin, dst + begin, count, sf);
        return false;
    });
    return orvStsOk;
}

template <class C>
inline double exactAngle(const C& c) { return std::atan2(static_cast<double>(c.im), static_cast<double>(c.re)); }

inline OrvStatus phase16s(const Orv16s* re, const Orv16s* im, Orv16s* dst, int len, int sf)
{
    ORVS_CHECK(check::vectors(len, re, im, dst));
    return phaseScaled(
        dst, len, sf, -28, [&](int b, int c, float* out) { kernels().phase_16s32f(re + b, im + b, out, c); },
        [&](int i) { return std::atan2(static_cast<double>(im[i]), static_cast<double>(re[i])); });
}

inline OrvStatus phase16sc(const Orv16sc* src, Orv16s* dst, int len, int sf)
{
    ORVS_CHECK(check::vectors(len, src, dst));
    return phaseScaled(
        dst, len, sf, -28, [&](int b, int c, float* out) { kernels().phase_16sc32f(src + b, out, c); },
        [&](int i) { return exactAngle(src[i]); });
}

inline OrvStatus phase32sc(const Orv32sc* src, Orv32s* dst, int len, int sf)
{
    ORVS_CHECK(check::vectors(len, src, dst));
    return phaseScaled(
        dst, len, sf, -20, [&](int b, int c, float* out) { kernels().phase_32sc32f(src + b, out, c); },
        [&](int i) { return exactAngle(src[i]); });
}

// Magnitude entry, then phase entry; the magnitude's failure wins. All
// checks come before any output is written.
template <class S, class D, class MagFn, class PhaseFn>
inline OrvStatus cartToPolarSplit(const S* re, const S* im, D* magn, D* phase, int len, MagFn mag, PhaseFn ph)
{
    ORVS_CHECK(check::vectors(len, re, im, magn));
    ORVS_CHECK(check::pointers(phase));
    ORVS_CHECK(mag(re, im, magn, len));
    return ph(re, im, phase, len);
}

template <class S, class D, class MagFn, class PhaseFn>
inline OrvStatus cartToPolar(const S* src, D* magn, D* phase, int len, MagFn mag, PhaseFn ph)
{
    ORVS_CHECK(check::vectors(len, src, magn));
    ORVS_CHECK(check::pointers(phase));
    ORVS_CHECK(mag(src, magn, len));
    return ph(src, phase, len);
}

// The Cartesian-to-polar entries through the magnitude and phase entries.
template <auto Mag, auto Phase, class S, class D>
inline OrvStatus cartToPolarOf(const S* re, const S* im, D* magn, D* phase, int len)
{
    return cartToPolarSplit(re, im, magn, phase, len, Mag, Phase);
}

template <auto Mag, auto Phase, class S, class D>
inline OrvStatus cartToPolarOf(const S* src, D* magn, D* phase, int len)
{
    return cartToPolar(src, magn, phase, len, Mag, Phase);
}

inline OrvStatus cartToPolar16sc(const Orv16sc* src, Orv16s* magn, Orv16s* phase, int len, int magnSf, int phaseSf)
{
    return cartToPolar(
        src, magn, phase, len, [magnSf](const Orv16sc* s, Orv16s* d, int n) { return orvsMagnitude_16sc_Sfs(s, d, n, magnSf); },
        [phaseSf](const Orv16sc* s, Orv16s* d, int n) { return orvsPhase_16sc_Sfs(s, d, n, phaseSf); });
}

// ---- polar to Cartesian ----------------------------------------------------
// magn * (cos phase, sin phase). Cosine and sine come from the math library
// in double precision; float results are rounded once from the double
// product.

// Writes element i through `out(i, re, im)`.
template <class T, class Out>
inline OrvStatus polarFloat(const T* magn, const T* phase, int len, Out&& out)
{
    for (int i = 0; i < len; ++i) {
        const double m = magn[i], p = phase[i];
        out(i, static_cast<T>(m * std::cos(p)), static_cast<T>(m * std::sin(p)));
    }
    return orvStsOk;
}

template <class T>
inline OrvStatus polarSplit(const T* magn, const T* phase, T* re, T* im, int len)
{
    ORVS_CHECK(check::vectors(len, magn, phase, re, im));
    return polarFloat(magn, phase, len, [&](int i, T r, T m) { re[i] = r; im[i] = m; });
}

template <class T, class C>
inline OrvStatus polarInterleaved(const T* magn, const T* phase, C* dst, int len)
{
    ORVS_CHECK(check::vectors(len, magn, phase, dst));
    return polarFloat(magn, phase, len, [&](int i, T r, T m) { dst[i].re = r; dst[i].im = m; });
}

// Integer parts: magn * 2^-magnShift times the cosine or sine of
// phase * 2^-phaseShift, rounded half away from zero and saturated.
template <class T, class C>
inline void polarInteger(const T* magn, const T* phase, C* dst, int len, int magnShift, int phaseShift)
{
    const double mScale = std::ldexp(1.0, -magnShift), pScale = std::ldexp(1.0, -phaseShift);
    for (int i = 0; i < len; ++i) {
        const double m = magn[i] * mScale, p = phase[i] * pScale;
        dst[i].re = saturate<T>(roundHalfAway(m * std::cos(p)));
        dst[i].im = saturate<T>(roundHalfAway(m * std::sin(p)));
    }
}

// The fixed-point phase forms check the destination first; a phase with
// more fractional bits than the type has gives orvStsErrSize, like len < 1.
template <class T, class C>
inline OrvStatus polarFixedPoint(const T* magn, const T* phase, C* dst, int len, int phaseFixedPoint)
{
    ORVS_CHECK(check::pointers(dst, magn, phase));
    constexpr int kMaxFraction = static_cast<int>(sizeof(T) * 8) - 1;
    if (len < 1 || phaseFixedPoint < 0 || phaseFixedPoint > kMaxFraction) return orvStsErrSize;
    polarInteger(magn, phase, dst, len, 0, phaseFixedPoint);
    return orvStsOk;
}

inline OrvStatus polar16Sfs(const Orv16s* magn, const Orv16s* phase, Orv16sc* dst, int len, int magnSf, int phaseSf)
{
    ORVS_CHECK(check::vectors(len, magn, phase, dst));
    auto clamp31 = [](int s) { return s < -31 ? -31 : (s > 31 ? 31 : s); };
    polarInteger(magn, phase, dst, len, clamp31(magnSf), clamp31(phaseSf));
    return orvStsOk;
}

// ---- products and expansion of packed spectra ------------------------------

// Complex products of the pairs: a * b, or a * conj(b) when Conj.
template <class T, bool Conj>
inline auto pairKernel()
{
    if constexpr (sizeof(T) == 4) return Conj ? kernels().cmulConj_32f : kernels().cmul_32f;
    else return Conj ? kernels().cmulConj_64f : kernels().cmul_64f;
}

template <Layout L, class T>
inline OrvStatus mulFloat(const T* a, const T* b, T* d, int n)
{
    const auto pairs = pairKernel<T, false>();
    return packedProduct<L>(a, b, d, n, [](T x, T y) { return x * y; }, pairs);
}

// pSrcDst = pSrc * conj(pSrcDst) in the Pack layout.
template <class T>
inline OrvStatus mulPackConj(const T* src, T* srcDst, int n)
{
    const auto pairs = pairKernel<T, true>();
    return packedProduct<Layout::Pack>(src, static_cast<const T*>(srcDst), srcDst, n, [](T x, T y) { return x * y; }, pairs);
}

template <Layout L>
inline OrvStatus mul16(const Orv16s* a, const Orv16s* b, Orv16s* d, int n, int sf)
{
    const auto fn = kernels().cmul_16s_Sfs;
    return packedProduct<L>(
        a, b, d, n, [sf](Orv16s x, Orv16s y) { return shiftScale16(std::int64_t(x) * y, sf); },
        [fn, sf](const Orv16s* x, const Orv16s* y, Orv16s* z, int pairs) { fn(x, y, z, pairs, sf); });
}

template <Layout L, class T, class C>
inline OrvStatus expand(const void* src, C* dst, int n)
{
    void (*flip)(const C*, C*, int) = nullptr;
    if constexpr (sizeof(T) == 2) flip = kernels().conjFlip_16sc;
    else if constexpr (sizeof(T) == 4) flip = kernels().conjFlip_32fc;
    else flip = kernels().conjFlip_64fc;
    return expandPacked<L, T>(src, dst, n, flip);
}

} // namespace orvs::cplx
