// The complex family's entry logic: argument checks in the library's order,
// the scale-factor shortcuts, the two-thread split of the magnitudes, and
// the packed-spectrum layouts. Exported entries are one-line forwarders.
#pragma once
#include <cmath>
#include <cstring>

#include "convert/complex/complex_kernels.h"
#include "core/check.h"
#include "core/parallel.h"
#include "core/saturate.h"
#include "orvs/types.h"
#include "orvs/vector.h"

namespace orvs::cplx {

// Every element-wise driver of this family uses a team of two.
constexpr int kTeam = 2;

// Whole-destination zeroing for scale factors that round every output to 0.
inline OrvStatus zeroFill(Orv16s* d, int len) { return orvsZero_16s(d, len); }
inline OrvStatus zeroFill(Orv32s* d, int len) { return orvsZero_32s(d, len); }

// Pointers (in argument order), then the length, then the kernel.
template <auto K, class... P>
inline OrvStatus run(int len, P*... p)
{
    ORVS_CHECK(check::vectors(len, p...));
    (kernels().*K)(p..., len);
    return orvStsOk;
}

template <auto K, class... P>
inline OrvStatus runSfs(int len, int sf, P*... p)
{
    ORVS_CHECK(check::vectors(len, p...));
    (kernels().*K)(p..., len, sf);
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
    if (sf >= 17) return zeroFill(dst, len);
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
    if (sf >= 2) return zeroFill(dst, len);
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

enum class Layout { Pack, Perm, Ccs };

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

} // namespace orvs::cplx
