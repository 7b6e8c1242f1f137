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

    if (layout == Layout::Ccs) {
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
    if (layout == Layout::Ccs) {
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

template <class T>
OrvStatus runFloat(bool forward, Layout layout, const T* src, T* dst, const void* pSpec, Orv8u* buffer)
{
    constexpr std::uint32_t id = sizeof(T) == 4 ? kIdR32f : kIdR64f;
    return record::open<FloatSpec<T>>(pSpec, id, [&](const FloatSpec<T>& spec) -> OrvStatus {
        ORVS_CHECK(check::pointers(src, dst));
        WorkBuffer work(buffer, spec.workSize);
        if (work.failed()) return orvStsErrMemAlloc;
        return forward ? forwardCore(&spec, src, dst, layout, work.get()) : inverseCore(&spec, src, dst, layout, work.get());
    });
}

template OrvStatus runFloat<float>(bool, Layout, const float*, float*, const void*, Orv8u*);
template OrvStatus runFloat<double>(bool, Layout, const double*, double*, const void*, Orv8u*);

}  // namespace orvs::rfft
