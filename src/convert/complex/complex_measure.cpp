// Magnitude, power and phase of complex values, and Cartesian to polar.
#include "convert/complex/complex_engine.h"
#include "orvs/complex.h"

using namespace orvs;
using namespace orvs::cplx;
using K = KernelTable;

namespace {

// The squared magnitude of 32-bit pairs needs 64 bits (up to 2^63): from
// scale factor 64 on every output rounds to 0; from -31 down every non-zero
// value saturates, which the scaled kernel also gives.
OrvStatus magSquared32(const Orv32sc* src, Orv32s* dst, int len, int sf)
{
    ORVS_CHECK(check::vectors(len, src, dst));
    if (sf > 63) return orvsZero_32s(dst, len);
    kernels().magsq_32sc32s_Sfs(src, dst, len, sf < -31 ? -31 : sf);
    return orvStsOk;
}

OrvStatus magnitude32sc(const Orv32sc* src, Orv32s* dst, int len, int sf)
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
double exactAngle(const C& c) { return std::atan2(static_cast<double>(c.im), static_cast<double>(c.re)); }

OrvStatus phase16s(const Orv16s* re, const Orv16s* im, Orv16s* dst, int len, int sf)
{
    ORVS_CHECK(check::vectors(len, re, im, dst));
    return phaseScaled(
        dst, len, sf, -28, [&](int b, int c, float* out) { kernels().phase_16s32f(re + b, im + b, out, c); },
        [&](int i) { return std::atan2(static_cast<double>(im[i]), static_cast<double>(re[i])); });
}

OrvStatus phase16sc(const Orv16sc* src, Orv16s* dst, int len, int sf)
{
    ORVS_CHECK(check::vectors(len, src, dst));
    return phaseScaled(
        dst, len, sf, -28, [&](int b, int c, float* out) { kernels().phase_16sc32f(src + b, out, c); },
        [&](int i) { return exactAngle(src[i]); });
}

OrvStatus phase32sc(const Orv32sc* src, Orv32s* dst, int len, int sf)
{
    ORVS_CHECK(check::vectors(len, src, dst));
    return phaseScaled(
        dst, len, sf, -20, [&](int b, int c, float* out) { kernels().phase_32sc32f(src + b, out, c); },
        [&](int i) { return exactAngle(src[i]); });
}

// Magnitude entry, then phase entry; the magnitude's failure wins. All
// checks come before any output is written.
template <class S, class D, class MagFn, class PhaseFn>
OrvStatus cartToPolarSplit(const S* re, const S* im, D* magn, D* phase, int len, MagFn mag, PhaseFn ph)
{
    ORVS_CHECK(check::vectors(len, re, im, magn));
    ORVS_CHECK(check::pointers(phase));
    ORVS_CHECK(mag(re, im, magn, len));
    return ph(re, im, phase, len);
}

template <class S, class D, class MagFn, class PhaseFn>
OrvStatus cartToPolar(const S* src, D* magn, D* phase, int len, MagFn mag, PhaseFn ph)
{
    ORVS_CHECK(check::vectors(len, src, magn));
    ORVS_CHECK(check::pointers(phase));
    ORVS_CHECK(mag(src, magn, len));
    return ph(src, phase, len);
}

} // namespace

extern "C" {

ORVS_API OrvStatus orvsMagnitude_32f(const Orv32f* re, const Orv32f* im, Orv32f* d, int n) { return magnitude<&K::mag_32f, 4096>(n, re, im, d); }
ORVS_API OrvStatus orvsMagnitude_64f(const Orv64f* re, const Orv64f* im, Orv64f* d, int n) { return magnitude<&K::mag_64f, 256>(n, re, im, d); }
ORVS_API OrvStatus orvsMagnitude_32fc(const Orv32fc* s, Orv32f* d, int n) { return magnitude<&K::mag_32fc, 2048>(n, s, d); }
ORVS_API OrvStatus orvsMagnitude_64fc(const Orv64fc* s, Orv64f* d, int n) { return magnitude<&K::mag_64fc, 256>(n, s, d); }
ORVS_API OrvStatus orvsMagnitude_16s32f(const Orv16s* re, const Orv16s* im, Orv32f* d, int n) { return magnitude<&K::mag_16s32f, 2048>(n, re, im, d); }
ORVS_API OrvStatus orvsMagnitude_16sc32f(const Orv16sc* s, Orv32f* d, int n) { return magnitude<&K::mag_16sc32f, 4096>(n, s, d); }
ORVS_API OrvStatus orvsMagnitude_16s_Sfs(const Orv16s* re, const Orv16s* im, Orv16s* d, int n, int sf) { return magnitude16Sfs<&K::mag_16s_Sfs, 2048>(n, sf, d, re, im); }
ORVS_API OrvStatus orvsMagnitude_16sc_Sfs(const Orv16sc* s, Orv16s* d, int n, int sf) { return magnitude16Sfs<&K::mag_16sc_Sfs, 2048>(n, sf, d, s); }
ORVS_API OrvStatus orvsMagnitude_32sc_Sfs(const Orv32sc* s, Orv32s* d, int n, int sf) { return magnitude32sc(s, d, n, sf); }

ORVS_API OrvStatus orvsMagSquared_32fc64f(const Orv32fc* s, Orv64f* d, int n) { return run<&K::magsq_32fc64f>(n, s, d); }
ORVS_API OrvStatus orvsMagSquared_32sc32s_Sfs(const Orv32sc* s, Orv32s* d, int n, int sf) { return magSquared32(s, d, n, sf); }

ORVS_API OrvStatus orvsPowerSpectr_32f(const Orv32f* re, const Orv32f* im, Orv32f* d, int n) { return run<&K::pow_32f>(n, re, im, d); }
ORVS_API OrvStatus orvsPowerSpectr_64f(const Orv64f* re, const Orv64f* im, Orv64f* d, int n) { return run<&K::pow_64f>(n, re, im, d); }
ORVS_API OrvStatus orvsPowerSpectr_32fc(const Orv32fc* s, Orv32f* d, int n) { return run<&K::pow_32fc>(n, s, d); }
ORVS_API OrvStatus orvsPowerSpectr_64fc(const Orv64fc* s, Orv64f* d, int n) { return run<&K::pow_64fc>(n, s, d); }
ORVS_API OrvStatus orvsPowerSpectr_16s32f(const Orv16s* re, const Orv16s* im, Orv32f* d, int n) { return run<&K::pow_16s32f>(n, re, im, d); }
ORVS_API OrvStatus orvsPowerSpectr_16sc32f(const Orv16sc* s, Orv32f* d, int n) { return run<&K::pow_16sc32f>(n, s, d); }
ORVS_API OrvStatus orvsPowerSpectr_16s_Sfs(const Orv16s* re, const Orv16s* im, Orv16s* d, int n, int sf) { return power16Sfs<&K::pow_16s_Sfs>(n, sf, d, re, im); }
ORVS_API OrvStatus orvsPowerSpectr_16sc_Sfs(const Orv16sc* s, Orv16s* d, int n, int sf) { return power16Sfs<&K::pow_16sc_Sfs>(n, sf, d, s); }

ORVS_API OrvStatus orvsPhase_32f(const Orv32f* re, const Orv32f* im, Orv32f* d, int n) { return run<&K::phase_32f>(n, re, im, d); }
ORVS_API OrvStatus orvsPhase_64f(const Orv64f* re, const Orv64f* im, Orv64f* d, int n) { return run<&K::phase_64f>(n, re, im, d); }
ORVS_API OrvStatus orvsPhase_32fc(const Orv32fc* s, Orv32f* d, int n) { return run<&K::phase_32fc>(n, s, d); }
ORVS_API OrvStatus orvsPhase_64fc(const Orv64fc* s, Orv64f* d, int n) { return run<&K::phase_64fc>(n, s, d); }
ORVS_API OrvStatus orvsPhase_16s32f(const Orv16s* re, const Orv16s* im, Orv32f* d, int n) { return run<&K::phase_16s32f>(n, re, im, d); }
ORVS_API OrvStatus orvsPhase_16sc32f(const Orv16sc* s, Orv32f* d, int n) { return run<&K::phase_16sc32f>(n, s, d); }
ORVS_API OrvStatus orvsPhase_16s_Sfs(const Orv16s* re, const Orv16s* im, Orv16s* d, int n, int sf) { return phase16s(re, im, d, n, sf); }
ORVS_API OrvStatus orvsPhase_16sc_Sfs(const Orv16sc* s, Orv16s* d, int n, int sf) { return phase16sc(s, d, n, sf); }
ORVS_API OrvStatus orvsPhase_32sc_Sfs(const Orv32sc* s, Orv32s* d, int n, int sf) { return phase32sc(s, d, n, sf); }

ORVS_API OrvStatus orvsCartToPolar_32f(const Orv32f* re, const Orv32f* im, Orv32f* m, Orv32f* p, int n) { return cartToPolarSplit(re, im, m, p, n, orvsMagnitude_32f, orvsPhase_32f); }
ORVS_API OrvStatus orvsCartToPolar_64f(const Orv64f* re, const Orv64f* im, Orv64f* m, Orv64f* p, int n) { return cartToPolarSplit(re, im, m, p, n, orvsMagnitude_64f, orvsPhase_64f); }
ORVS_API OrvStatus orvsCartToPolar_32fc(const Orv32fc* s, Orv32f* m, Orv32f* p, int n) { return cartToPolar(s, m, p, n, orvsMagnitude_32fc, orvsPhase_32fc); }
ORVS_API OrvStatus orvsCartToPolar_64fc(const Orv64fc* s, Orv64f* m, Orv64f* p, int n) { return cartToPolar(s, m, p, n, orvsMagnitude_64fc, orvsPhase_64fc); }
ORVS_API OrvStatus orvsCartToPolar_16sc_Sfs(const Orv16sc* s, Orv16s* m, Orv16s* p, int n, int msf, int psf)
{
    return cartToPolar(s, m, p, n, [msf](const Orv16sc* a, Orv16s* b, int l) { return orvsMagnitude_16sc_Sfs(a, b, l, msf); },
                       [psf](const Orv16sc* a, Orv16s* b, int l) { return orvsPhase_16sc_Sfs(a, b, l, psf); });
}

}
