// Products and expansion of packed real spectra (Pack, Perm and CCS layouts).
#include "convert/complex/complex_engine.h"
#include "orvs/complex.h"

using namespace orvs;
using namespace orvs::cplx;

namespace {

// Complex products of the pairs: a * b, or a * conj(b) when Conj.
template <class T, bool Conj>
auto pairKernel()
{
    if constexpr (sizeof(T) == 4) return Conj ? kernels().cmulConj_32f : kernels().cmul_32f;
    else return Conj ? kernels().cmulConj_64f : kernels().cmul_64f;
}

template <Layout L, class T>
OrvStatus mulFloat(const T* a, const T* b, T* d, int n)
{
    const auto pairs = pairKernel<T, false>();
    return packedProduct<L>(a, b, d, n, [](T x, T y) { return x * y; }, pairs);
}

// pSrcDst = pSrc * conj(pSrcDst) in the Pack layout.
template <class T>
OrvStatus mulPackConj(const T* src, T* srcDst, int n)
{
    const auto pairs = pairKernel<T, true>();
    return packedProduct<Layout::Pack>(src, static_cast<const T*>(srcDst), srcDst, n, [](T x, T y) { return x * y; }, pairs);
}

template <Layout L>
OrvStatus mul16(const Orv16s* a, const Orv16s* b, Orv16s* d, int n, int sf)
{
    const auto fn = kernels().cmul_16s_Sfs;
    return packedProduct<L>(
        a, b, d, n, [sf](Orv16s x, Orv16s y) { return shiftScale16(std::int64_t(x) * y, sf); },
        [fn, sf](const Orv16s* x, const Orv16s* y, Orv16s* z, int pairs) { fn(x, y, z, pairs, sf); });
}

template <Layout L, class T, class C>
OrvStatus expand(const void* src, C* dst, int n)
{
    void (*flip)(const C*, C*, int) = nullptr;
    if constexpr (sizeof(T) == 2) flip = kernels().conjFlip_16sc;
    else if constexpr (sizeof(T) == 4) flip = kernels().conjFlip_32fc;
    else flip = kernels().conjFlip_64fc;
    return expandPacked<L, T>(src, dst, n, flip);
}

} // namespace

extern "C" {

ORVS_API OrvStatus orvsMulPack_32f(const Orv32f* a, const Orv32f* b, Orv32f* d, int n) { return mulFloat<Layout::Pack>(a, b, d, n); }
ORVS_API OrvStatus orvsMulPack_64f(const Orv64f* a, const Orv64f* b, Orv64f* d, int n) { return mulFloat<Layout::Pack>(a, b, d, n); }
ORVS_API OrvStatus orvsMulPack_32f_I(const Orv32f* s, Orv32f* sd, int n) { return mulFloat<Layout::Pack>(s, static_cast<const Orv32f*>(sd), sd, n); }
ORVS_API OrvStatus orvsMulPack_64f_I(const Orv64f* s, Orv64f* sd, int n) { return mulFloat<Layout::Pack>(s, static_cast<const Orv64f*>(sd), sd, n); }
ORVS_API OrvStatus orvsMulPack_16s_Sfs(const Orv16s* a, const Orv16s* b, Orv16s* d, int n, int sf) { return mul16<Layout::Pack>(a, b, d, n, sf); }
ORVS_API OrvStatus orvsMulPack_16s_ISfs(const Orv16s* s, Orv16s* sd, int n, int sf) { return mul16<Layout::Pack>(s, sd, sd, n, sf); }

ORVS_API OrvStatus orvsMulPerm_32f(const Orv32f* a, const Orv32f* b, Orv32f* d, int n) { return mulFloat<Layout::Perm>(a, b, d, n); }
ORVS_API OrvStatus orvsMulPerm_64f(const Orv64f* a, const Orv64f* b, Orv64f* d, int n) { return mulFloat<Layout::Perm>(a, b, d, n); }
ORVS_API OrvStatus orvsMulPerm_32f_I(const Orv32f* s, Orv32f* sd, int n) { return mulFloat<Layout::Perm>(s, static_cast<const Orv32f*>(sd), sd, n); }
ORVS_API OrvStatus orvsMulPerm_64f_I(const Orv64f* s, Orv64f* sd, int n) { return mulFloat<Layout::Perm>(s, static_cast<const Orv64f*>(sd), sd, n); }
ORVS_API OrvStatus orvsMulPerm_16s_Sfs(const Orv16s* a, const Orv16s* b, Orv16s* d, int n, int sf) { return mul16<Layout::Perm>(a, b, d, n, sf); }
ORVS_API OrvStatus orvsMulPerm_16s_ISfs(const Orv16s* s, Orv16s* sd, int n, int sf) { return mul16<Layout::Perm>(s, sd, sd, n, sf); }

ORVS_API OrvStatus orvsMulPackConj_32f_I(const Orv32f* s, Orv32f* sd, int n) { return mulPackConj(s, sd, n); }
ORVS_API OrvStatus orvsMulPackConj_64f_I(const Orv64f* s, Orv64f* sd, int n) { return mulPackConj(s, sd, n); }

ORVS_API OrvStatus orvsConjPack_16sc(const Orv16s* s, Orv16sc* d, int n) { return expand<Layout::Pack, Orv16s>(s, d, n); }
ORVS_API OrvStatus orvsConjPack_32fc(const Orv32f* s, Orv32fc* d, int n) { return expand<Layout::Pack, Orv32f>(s, d, n); }
ORVS_API OrvStatus orvsConjPack_64fc(const Orv64f* s, Orv64fc* d, int n) { return expand<Layout::Pack, Orv64f>(s, d, n); }
ORVS_API OrvStatus orvsConjPack_16sc_I(Orv16sc* sd, int n) { return expand<Layout::Pack, Orv16s>(sd, sd, n); }
ORVS_API OrvStatus orvsConjPack_32fc_I(Orv32fc* sd, int n) { return expand<Layout::Pack, Orv32f>(sd, sd, n); }
ORVS_API OrvStatus orvsConjPack_64fc_I(Orv64fc* sd, int n) { return expand<Layout::Pack, Orv64f>(sd, sd, n); }
ORVS_API OrvStatus orvsConjPerm_16sc(const Orv16s* s, Orv16sc* d, int n) { return expand<Layout::Perm, Orv16s>(s, d, n); }
ORVS_API OrvStatus orvsConjPerm_32fc(const Orv32f* s, Orv32fc* d, int n) { return expand<Layout::Perm, Orv32f>(s, d, n); }
ORVS_API OrvStatus orvsConjPerm_64fc(const Orv64f* s, Orv64fc* d, int n) { return expand<Layout::Perm, Orv64f>(s, d, n); }
ORVS_API OrvStatus orvsConjPerm_16sc_I(Orv16sc* sd, int n) { return expand<Layout::Perm, Orv16s>(sd, sd, n); }
ORVS_API OrvStatus orvsConjPerm_32fc_I(Orv32fc* sd, int n) { return expand<Layout::Perm, Orv32f>(sd, sd, n); }
ORVS_API OrvStatus orvsConjPerm_64fc_I(Orv64fc* sd, int n) { return expand<Layout::Perm, Orv64f>(sd, sd, n); }
ORVS_API OrvStatus orvsConjCcs_16sc(const Orv16sc* s, Orv16sc* d, int n) { return expand<Layout::Ccs, Orv16s>(s, d, n); }
ORVS_API OrvStatus orvsConjCcs_32fc(const Orv32fc* s, Orv32fc* d, int n) { return expand<Layout::Ccs, Orv32f>(s, d, n); }
ORVS_API OrvStatus orvsConjCcs_64fc(const Orv64fc* s, Orv64fc* d, int n) { return expand<Layout::Ccs, Orv64f>(s, d, n); }
ORVS_API OrvStatus orvsConjCcs_16sc_I(Orv16sc* sd, int n) { return expand<Layout::Ccs, Orv16s>(sd, sd, n); }
ORVS_API OrvStatus orvsConjCcs_32fc_I(Orv32fc* sd, int n) { return expand<Layout::Ccs, Orv32f>(sd, sd, n); }
ORVS_API OrvStatus orvsConjCcs_64fc_I(Orv64fc* sd, int n) { return expand<Layout::Ccs, Orv64f>(sd, sd, n); }

}
