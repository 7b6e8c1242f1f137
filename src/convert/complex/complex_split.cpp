// Splitting, building and conjugating complex vectors.
#include "convert/complex/complex_engine.h"
#include "orvs/complex.h"

using namespace orvs;
using namespace orvs::cplx;
using K = KernelTable;

namespace {

// Either part may be null (counts as zeros), but not both; the destination
// is checked first.
template <auto Kn, class T, class C>
OrvStatus realToCplx(const T* re, const T* im, C* dst, int len)
{
    ORVS_CHECK(check::pointers(dst));
    if (!re && !im) return orvStsErrNullPtr;
    ORVS_CHECK(check::length(len));
    (kernels().*Kn)(re, im, dst, len);
    return orvStsOk;
}

// One part of a complex vector (the real part when Re, else the imaginary).
template <auto Kn, bool Re, class C, class T>
OrvStatus onePart(const C* src, T* dst, int len)
{
    ORVS_CHECK(check::vectors(len, src, dst));
    (kernels().*Kn)(src, Re ? dst : nullptr, Re ? nullptr : dst, len);
    return orvStsOk;
}

} // namespace

extern "C" {

ORVS_API OrvStatus orvsReal_16sc(const Orv16sc* s, Orv16s* re, int n) { return onePart<&K::split_16sc, true>(s, re, n); }
ORVS_API OrvStatus orvsReal_32fc(const Orv32fc* s, Orv32f* re, int n) { return onePart<&K::split_32fc, true>(s, re, n); }
ORVS_API OrvStatus orvsReal_64fc(const Orv64fc* s, Orv64f* re, int n) { return onePart<&K::split_64fc, true>(s, re, n); }
ORVS_API OrvStatus orvsImag_16sc(const Orv16sc* s, Orv16s* im, int n) { return onePart<&K::split_16sc, false>(s, im, n); }
ORVS_API OrvStatus orvsImag_32fc(const Orv32fc* s, Orv32f* im, int n) { return onePart<&K::split_32fc, false>(s, im, n); }
ORVS_API OrvStatus orvsImag_64fc(const Orv64fc* s, Orv64f* im, int n) { return onePart<&K::split_64fc, false>(s, im, n); }
ORVS_API OrvStatus orvsCplxToReal_16sc(const Orv16sc* s, Orv16s* re, Orv16s* im, int n) { return run<&K::split_16sc>(n, s, re, im); }
ORVS_API OrvStatus orvsCplxToReal_32fc(const Orv32fc* s, Orv32f* re, Orv32f* im, int n) { return run<&K::split_32fc>(n, s, re, im); }
ORVS_API OrvStatus orvsCplxToReal_64fc(const Orv64fc* s, Orv64f* re, Orv64f* im, int n) { return run<&K::split_64fc>(n, s, re, im); }

ORVS_API OrvStatus orvsRealToCplx_16s(const Orv16s* re, const Orv16s* im, Orv16sc* d, int n) { return realToCplx<&K::build_16s>(re, im, d, n); }
ORVS_API OrvStatus orvsRealToCplx_32f(const Orv32f* re, const Orv32f* im, Orv32fc* d, int n) { return realToCplx<&K::build_32f>(re, im, d, n); }
ORVS_API OrvStatus orvsRealToCplx_64f(const Orv64f* re, const Orv64f* im, Orv64fc* d, int n) { return realToCplx<&K::build_64f>(re, im, d, n); }

ORVS_API OrvStatus orvsConj_16sc(const Orv16sc* s, Orv16sc* d, int n) { return run<&K::conj_16sc>(n, s, d); }
ORVS_API OrvStatus orvsConj_32fc(const Orv32fc* s, Orv32fc* d, int n) { return run<&K::conj_32fc>(n, s, d); }
ORVS_API OrvStatus orvsConj_64fc(const Orv64fc* s, Orv64fc* d, int n) { return run<&K::conj_64fc>(n, s, d); }
ORVS_API OrvStatus orvsConj_16sc_I(Orv16sc* sd, int n) { return run<&K::conj_16sc>(n, static_cast<const Orv16sc*>(sd), sd); }
ORVS_API OrvStatus orvsConj_32fc_I(Orv32fc* sd, int n) { return run<&K::conj_32fc>(n, static_cast<const Orv32fc*>(sd), sd); }
ORVS_API OrvStatus orvsConj_64fc_I(Orv64fc* sd, int n) { return run<&K::conj_64fc>(n, static_cast<const Orv64fc*>(sd), sd); }
ORVS_API OrvStatus orvsConjFlip_16sc(const Orv16sc* s, Orv16sc* d, int n) { return run<&K::conjFlip_16sc>(n, s, d); }
ORVS_API OrvStatus orvsConjFlip_32fc(const Orv32fc* s, Orv32fc* d, int n) { return run<&K::conjFlip_32fc>(n, s, d); }
ORVS_API OrvStatus orvsConjFlip_64fc(const Orv64fc* s, Orv64fc* d, int n) { return run<&K::conjFlip_64fc>(n, s, d); }

}
