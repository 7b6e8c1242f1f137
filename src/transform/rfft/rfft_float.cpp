// Real forward and inverse transforms in single and double precision, and
// the Pack, Perm and CCS layout moves.
//
// Orders 0..4 run the straight-line kernels. From order 5 the N real values
// are read as N/2 complex values, transformed by the complex FFT of half
// length (through its exported entry, with a complex record kept inside
// ours) and recombined into the Perm spectrum in one pass; the inverse runs
// the same steps backwards. Pack and CCS are moved from Perm in place.
#include <cstring>

#include "core/check.h"
#include "core/dispatch.h"
#include "core/record.h"
#include "transform/rfft/rfft_engine.h"
#include "transform/rfft/rfft_small.h"

namespace orvs::rfft {

template <>
const RecombKernels<float>& recombKernels<float>()
{
    return dispatch::pick<KernelTable>(avx::table, avx2::table, avx512::table).f32;
}
template <>
const RecombKernels<double>& recombKernels<double>()
{
    return dispatch::pick<KernelTable>(avx::table, avx2::table, avx512::table).f64;
}

WorkBuffer::WorkBuffer(std::uint8_t* given, std::size_t bytes)
{
    if (bytes == 0) return;
    if (given) {
        ptr_ = record::alignUp(given, 32);
        return;
    }
    // Allocated blocks are 64-byte aligned already; the slack matches what
    // the size query asks of callers.
    owned_ = orvsMalloc_8u(static_cast<int>(bytes + 32));
    failed_ = owned_ == nullptr;
    ptr_ = owned_;
}

WorkBuffer::~WorkBuffer()
{
    if (owned_) orvsFree(owned_);
}

namespace {

template <class T>
struct Complex;
template <>
struct Complex<float> {
    using Value = Orv32fc;
    using Spec = OrvsFFTSpec_C_32fc;
    static OrvStatus fwd(const Value* s, Value* d, const Spec* c, Orv8u* b) { return orvsFFTFwd_CToC_32fc(s, d, c, b); }
    static OrvStatus inv(const Value* s, Value* d, const Spec* c, Orv8u* b) { return orvsFFTInv_CToC_32fc(s, d, c, b); }
};
template <>
struct Complex<double> {
    using Value = Orv64fc;
    using Spec = OrvsFFTSpec_C_64fc;
    static OrvStatus fwd(const Value* s, Value* d, const Spec* c, Orv8u* b) { return orvsFFTFwd_CToC_64fc(s, d, c, b); }
    static OrvStatus inv(const Value* s, Value* d, const Spec* c, Orv8u* b) { return orvsFFTInv_CToC_64fc(s, d, c, b); }
};

template <class T>
const typename Complex<T>::Spec* complexSpec(const FloatSpec<T>* r)
{
    return reinterpret_cast<const typename Complex<T>::Spec*>(record::alignUp(complexRegion(r, r->order), 32));
}

}  // namespace

template <class T>
OrvStatus forwardCore(const FloatSpec<T>* spec, const T* src, T* dst, Layout layout, std::uint8_t* work)
{
    const int order = spec->order;
    const int n = 1 << order;
    if (order <= 4) {
        T ccs[18];
        small::forwardCcs(order, src, ccs);
        if (spec->fwdScale)
            for (int i = 0; i < n + 2; ++i) ccs[i] *= spec->factor;
        storeLayout(ccs, dst, n, layout);
        return orvStsOk;
    }

    using C = Complex<T>;
    OrvStatus s = C::fwd(reinterpret_cast<const typename C::Value*>(src), reinterpret_cast<typename C::Value*>(dst),
                         complexSpec(spec), work);
    if (s < 0) return s;
    const auto& k = recombKernels<T>();
    (spec->fwdScale ? k.fwdScaled : k.fwd)(dst, forwardTable(spec), n, spec->factor);

    if (layout == Layout::CCS) {
        dst[n] = dst[1];
        dst[n + 1] = T(0);
        dst[1] = T(0);
    } else if (layout == Layout::Pack) {
        const T reHalf = dst[1];
        std::memmove(dst + 1, dst + 2, sizeof(T) * (n - 2));
        dst[n - 1] = reHalf;
    }
    return s;
}

template <class T>
OrvStatus inverseCore(const FloatSpec<T>* spec, const T* src, T* dst, Layout layout, std::uint8_t* work)
{
    const int order = spec->order;
    const int n = 1 << order;
    if (order <= 4) {
        T ccs[18];
        loadLayout(src, ccs, n, layout);
        T x[16];
        small::inverseCcs(order, ccs, x);
        if (spec->invScale)
            for (int i = 0; i < n; ++i) x[i] *= spec->factor;
        std::memcpy(dst, x, sizeof(T) * n);
        return orvStsOk;
    }

    const T re0 = src[0];
    T reHalf;
    const T* perm = src;
    if (layout == Layout::CCS) {
        reHalf = src[n];
    } else if (layout == Layout::Perm) {
        reHalf = src[1];
    } else {
        // Pack to Perm order in the destination: the pairs move one place up.
        reHalf = src[n - 1];
        std::memmove(dst + 2, src + 1, sizeof(T) * (n - 2));
        perm = dst;
    }
    const auto& k = recombKernels<T>();
    (spec->invScale ? k.invScaled : k.inv)(perm, dst, inverseTable(spec), n, re0, reHalf, spec->factor);

    using C = Complex<T>;
    auto* z = reinterpret_cast<typename C::Value*>(dst);
    return C::inv(z, z, complexSpec(spec), work);
}

template OrvStatus forwardCore<float>(const FloatSpec<float>*, const float*, float*, Layout, std::uint8_t*);
template OrvStatus forwardCore<double>(const FloatSpec<double>*, const double*, double*, Layout, std::uint8_t*);
template OrvStatus inverseCore<float>(const FloatSpec<float>*, const float*, float*, Layout, std::uint8_t*);
template OrvStatus inverseCore<double>(const FloatSpec<double>*, const double*, double*, Layout, std::uint8_t*);

namespace {

template <class T>
constexpr std::uint32_t kFloatId = sizeof(T) == 4 ? kIdR32f : kIdR64f;

// The exported transform: record, then data pointers, then the work buffer.
template <class T, Layout L, bool Forward, class Spec>
OrvStatus transform(const T* src, T* dst, const Spec* pSpec, Orv8u* buffer)
{
    ORVS_CHECK(record::checkId(pSpec, kFloatId<T>));
    ORVS_CHECK(check::pointers(src, dst));
    const auto* spec = reinterpret_cast<const FloatSpec<T>*>(pSpec);
    WorkBuffer work(buffer, spec->workSize);
    if (work.failed()) return orvStsErrMemAlloc;
    return Forward ? forwardCore(spec, src, dst, L, work.get()) : inverseCore(spec, src, dst, L, work.get());
}

}  // namespace
}  // namespace orvs::rfft

using orvs::rfft::Layout;
using orvs::rfft::transform;

extern "C" {
ORVS_API OrvStatus orvsFFTFwd_RToPack_32f(const Orv32f* pSrc, Orv32f* pDst, const OrvsFFTSpec_R_32f* pSpec, Orv8u* pBuffer)
{ return transform<Orv32f, Layout::Pack, true>(pSrc, pDst, pSpec, pBuffer); }
ORVS_API OrvStatus orvsFFTFwd_RToPack_32f_I(Orv32f* pSrcDst, const OrvsFFTSpec_R_32f* pSpec, Orv8u* pBuffer)
{ return transform<Orv32f, Layout::Pack, true>(pSrcDst, pSrcDst, pSpec, pBuffer); }
ORVS_API OrvStatus orvsFFTFwd_RToPerm_32f(const Orv32f* pSrc, Orv32f* pDst, const OrvsFFTSpec_R_32f* pSpec, Orv8u* pBuffer)
{ return transform<Orv32f, Layout::Perm, true>(pSrc, pDst, pSpec, pBuffer); }
ORVS_API OrvStatus orvsFFTFwd_RToPerm_32f_I(Orv32f* pSrcDst, const OrvsFFTSpec_R_32f* pSpec, Orv8u* pBuffer)
{ return transform<Orv32f, Layout::Perm, true>(pSrcDst, pSrcDst, pSpec, pBuffer); }
ORVS_API OrvStatus orvsFFTFwd_RToCCS_32f(const Orv32f* pSrc, Orv32f* pDst, const OrvsFFTSpec_R_32f* pSpec, Orv8u* pBuffer)
{ return transform<Orv32f, Layout::CCS, true>(pSrc, pDst, pSpec, pBuffer); }
ORVS_API OrvStatus orvsFFTFwd_RToCCS_32f_I(Orv32f* pSrcDst, const OrvsFFTSpec_R_32f* pSpec, Orv8u* pBuffer)
{ return transform<Orv32f, Layout::CCS, true>(pSrcDst, pSrcDst, pSpec, pBuffer); }
ORVS_API OrvStatus orvsFFTInv_PackToR_32f(const Orv32f* pSrc, Orv32f* pDst, const OrvsFFTSpec_R_32f* pSpec, Orv8u* pBuffer)
{ return transform<Orv32f, Layout::Pack, false>(pSrc, pDst, pSpec, pBuffer); }
ORVS_API OrvStatus orvsFFTInv_PackToR_32f_I(Orv32f* pSrcDst, const OrvsFFTSpec_R_32f* pSpec, Orv8u* pBuffer)
{ return transform<Orv32f, Layout::Pack, false>(pSrcDst, pSrcDst, pSpec, pBuffer); }
ORVS_API OrvStatus orvsFFTInv_PermToR_32f(const Orv32f* pSrc, Orv32f* pDst, const OrvsFFTSpec_R_32f* pSpec, Orv8u* pBuffer)
{ return transform<Orv32f, Layout::Perm, false>(pSrc, pDst, pSpec, pBuffer); }
ORVS_API OrvStatus orvsFFTInv_PermToR_32f_I(Orv32f* pSrcDst, const OrvsFFTSpec_R_32f* pSpec, Orv8u* pBuffer)
{ return transform<Orv32f, Layout::Perm, false>(pSrcDst, pSrcDst, pSpec, pBuffer); }
ORVS_API OrvStatus orvsFFTInv_CCSToR_32f(const Orv32f* pSrc, Orv32f* pDst, const OrvsFFTSpec_R_32f* pSpec, Orv8u* pBuffer)
{ return transform<Orv32f, Layout::CCS, false>(pSrc, pDst, pSpec, pBuffer); }
ORVS_API OrvStatus orvsFFTInv_CCSToR_32f_I(Orv32f* pSrcDst, const OrvsFFTSpec_R_32f* pSpec, Orv8u* pBuffer)
{ return transform<Orv32f, Layout::CCS, false>(pSrcDst, pSrcDst, pSpec, pBuffer); }
ORVS_API OrvStatus orvsFFTFwd_RToPack_64f(const Orv64f* pSrc, Orv64f* pDst, const OrvsFFTSpec_R_64f* pSpec, Orv8u* pBuffer)
{ return transform<Orv64f, Layout::Pack, true>(pSrc, pDst, pSpec, pBuffer); }
ORVS_API OrvStatus orvsFFTFwd_RToPack_64f_I(Orv64f* pSrcDst, const OrvsFFTSpec_R_64f* pSpec, Orv8u* pBuffer)
{ return transform<Orv64f, Layout::Pack, true>(pSrcDst, pSrcDst, pSpec, pBuffer); }
ORVS_API OrvStatus orvsFFTFwd_RToPerm_64f(const Orv64f* pSrc, Orv64f* pDst, const OrvsFFTSpec_R_64f* pSpec, Orv8u* pBuffer)
{ return transform<Orv64f, Layout::Perm, true>(pSrc, pDst, pSpec, pBuffer); }
ORVS_API OrvStatus orvsFFTFwd_RToPerm_64f_I(Orv64f* pSrcDst, const OrvsFFTSpec_R_64f* pSpec, Orv8u* pBuffer)
{ return transform<Orv64f, Layout::Perm, true>(pSrcDst, pSrcDst, pSpec, pBuffer); }
ORVS_API OrvStatus orvsFFTFwd_RToCCS_64f(const Orv64f* pSrc, Orv64f* pDst, const OrvsFFTSpec_R_64f* pSpec, Orv8u* pBuffer)
{ return transform<Orv64f, Layout::CCS, true>(pSrc, pDst, pSpec, pBuffer); }
ORVS_API OrvStatus orvsFFTFwd_RToCCS_64f_I(Orv64f* pSrcDst, const OrvsFFTSpec_R_64f* pSpec, Orv8u* pBuffer)
{ return transform<Orv64f, Layout::CCS, true>(pSrcDst, pSrcDst, pSpec, pBuffer); }
ORVS_API OrvStatus orvsFFTInv_PackToR_64f(const Orv64f* pSrc, Orv64f* pDst, const OrvsFFTSpec_R_64f* pSpec, Orv8u* pBuffer)
{ return transform<Orv64f, Layout::Pack, false>(pSrc, pDst, pSpec, pBuffer); }
ORVS_API OrvStatus orvsFFTInv_PackToR_64f_I(Orv64f* pSrcDst, const OrvsFFTSpec_R_64f* pSpec, Orv8u* pBuffer)
{ return transform<Orv64f, Layout::Pack, false>(pSrcDst, pSrcDst, pSpec, pBuffer); }
ORVS_API OrvStatus orvsFFTInv_PermToR_64f(const Orv64f* pSrc, Orv64f* pDst, const OrvsFFTSpec_R_64f* pSpec, Orv8u* pBuffer)
{ return transform<Orv64f, Layout::Perm, false>(pSrc, pDst, pSpec, pBuffer); }
ORVS_API OrvStatus orvsFFTInv_PermToR_64f_I(Orv64f* pSrcDst, const OrvsFFTSpec_R_64f* pSpec, Orv8u* pBuffer)
{ return transform<Orv64f, Layout::Perm, false>(pSrcDst, pSrcDst, pSpec, pBuffer); }
ORVS_API OrvStatus orvsFFTInv_CCSToR_64f(const Orv64f* pSrc, Orv64f* pDst, const OrvsFFTSpec_R_64f* pSpec, Orv8u* pBuffer)
{ return transform<Orv64f, Layout::CCS, false>(pSrc, pDst, pSpec, pBuffer); }
ORVS_API OrvStatus orvsFFTInv_CCSToR_64f_I(Orv64f* pSrcDst, const OrvsFFTSpec_R_64f* pSpec, Orv8u* pBuffer)
{ return transform<Orv64f, Layout::CCS, false>(pSrcDst, pSrcDst, pSpec, pBuffer); }
}
