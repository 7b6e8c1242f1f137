// Polar to Cartesian: magn * (cos phase, sin phase). Cosine and sine come
// from the math library in double precision; float results are rounded once
// from the double product.
#include <cmath>

#include "convert/complex/complex_engine.h"
#include "orvs/complex.h"

using namespace orvs;

namespace {

// Writes element i through `out(i, re, im)`.
template <class T, class Out>
OrvStatus polarFloat(const T* magn, const T* phase, int len, Out&& out)
{
    for (int i = 0; i < len; ++i) {
        const double m = magn[i], p = phase[i];
        out(i, static_cast<T>(m * std::cos(p)), static_cast<T>(m * std::sin(p)));
    }
    return orvStsOk;
}

template <class T>
OrvStatus polarSplit(const T* magn, const T* phase, T* re, T* im, int len)
{
    ORVS_CHECK(check::vectors(len, magn, phase, re, im));
    return polarFloat(magn, phase, len, [&](int i, T r, T m) { re[i] = r; im[i] = m; });
}

template <class T, class C>
OrvStatus polarInterleaved(const T* magn, const T* phase, C* dst, int len)
{
    ORVS_CHECK(check::vectors(len, magn, phase, dst));
    return polarFloat(magn, phase, len, [&](int i, T r, T m) { dst[i].re = r; dst[i].im = m; });
}

// Integer parts: magn * 2^-magnShift times the cosine or sine of
// phase * 2^-phaseShift, rounded half away from zero and saturated.
template <class T, class C>
void polarInteger(const T* magn, const T* phase, C* dst, int len, int magnShift, int phaseShift)
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
OrvStatus polarFixedPoint(const T* magn, const T* phase, C* dst, int len, int phaseFixedPoint)
{
    ORVS_CHECK(check::pointers(dst, magn, phase));
    constexpr int kMaxFraction = static_cast<int>(sizeof(T) * 8) - 1;
    if (len < 1 || phaseFixedPoint < 0 || phaseFixedPoint > kMaxFraction) return orvStsErrSize;
    polarInteger(magn, phase, dst, len, 0, phaseFixedPoint);
    return orvStsOk;
}

OrvStatus polar16Sfs(const Orv16s* magn, const Orv16s* phase, Orv16sc* dst, int len, int magnSf, int phaseSf)
{
    ORVS_CHECK(check::vectors(len, magn, phase, dst));
    auto clamp31 = [](int s) { return s < -31 ? -31 : (s > 31 ? 31 : s); };
    polarInteger(magn, phase, dst, len, clamp31(magnSf), clamp31(phaseSf));
    return orvStsOk;
}

} // namespace

extern "C" {

ORVS_API OrvStatus orvsPolarToCart_32f(const Orv32f* m, const Orv32f* p, Orv32f* re, Orv32f* im, int n) { return polarSplit(m, p, re, im, n); }
ORVS_API OrvStatus orvsPolarToCart_64f(const Orv64f* m, const Orv64f* p, Orv64f* re, Orv64f* im, int n) { return polarSplit(m, p, re, im, n); }
ORVS_API OrvStatus orvsPolarToCart_32fc(const Orv32f* m, const Orv32f* p, Orv32fc* d, int n) { return polarInterleaved(m, p, d, n); }
ORVS_API OrvStatus orvsPolarToCart_64fc(const Orv64f* m, const Orv64f* p, Orv64fc* d, int n) { return polarInterleaved(m, p, d, n); }
ORVS_API OrvStatus orvsPolarToCart_16sc(const Orv16s* m, const Orv16s* p, Orv16sc* d, int n, int pfp) { return polarFixedPoint(m, p, d, n, pfp); }
ORVS_API OrvStatus orvsPolarToCart_32sc(const Orv32s* m, const Orv32s* p, Orv32sc* d, int n, int pfp) { return polarFixedPoint(m, p, d, n, pfp); }
ORVS_API OrvStatus orvsPolarToCart_16sc_Sfs(const Orv16s* m, const Orv16s* p, Orv16sc* d, int n, int msf, int psf) { return polar16Sfs(m, p, d, n, msf, psf); }

}
