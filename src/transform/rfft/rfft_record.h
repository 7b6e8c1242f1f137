// The lifecycle of every real FFT record type (GetSize, Init, InitAlloc,
// Free, GetBufSize) in the library's check order, on core/record.h. A record
// kind K supplies its record type, identifier, order limit, sizes,
// construction and the release of what it holds; ORVS_RFFT_LIFECYCLE binds
// an exported record type to its kind.
#pragma once
#include "core/check.h"
#include "core/record.h"
#include "orvs/core.h"
#include "transform/rfft/rfft_engine.h"

namespace orvs::rfft {

// Stores the three sizes, refusing any that an int cannot hold.
OrvStatus writeSizes(const Sizes& z, int* pSpecSize, int* pInitSize, int* pWorkSize);

// What the entry list calls, per exported record type.
template <class Spec>
OrvStatus getSize(int order, int flag, int hint, int* pSpecSize, int* pInitSize, int* pWorkSize);
template <class Spec>
OrvStatus init(Spec** ppSpec, int order, int flag, int hint, Orv8u* mem, Orv8u* initBuf);
template <class Spec>
OrvStatus initAlloc(Spec** ppSpec, int order, int flag, int hint);
template <class Spec>
OrvStatus release(Spec* pSpec);
template <class Spec>
OrvStatus bufSize(const Spec* pSpec, int* pBufferSize);

namespace lifecycle {

template <class K>
OrvStatus getSize(int order, int flag, int hint, int* pSpecSize, int* pInitSize, int* pWorkSize)
{
    if (order < 0 || order > 30) return orvStsErrFftOrder;
    ORVS_CHECK(check::pointers(pSpecSize, pInitSize, pWorkSize));
    if (!validFlag(flag)) return orvStsErrFftFlag;
    if (order > K::maxOrder) return orvStsErrFftOrder;
    Sizes z;
    ORVS_CHECK(K::sizes(order, flag, hint, z));
    return writeSizes(z, pSpecSize, pInitSize, pWorkSize);
}

template <class K, class P>
OrvStatus init(P** ppSpec, int order, int flag, int hint, std::uint8_t* mem, std::uint8_t* initBuf)
{
    typename K::Record* rec = nullptr;
    OrvStatus s = K::init(ppSpec ? &rec : nullptr, order, flag, hint, mem, initBuf);
    if (s >= 0) *ppSpec = reinterpret_cast<P*>(rec);
    return s;
}

template <class K, class P>
OrvStatus initAlloc(P** ppSpec, int order, int flag, int hint)
{
    if (order < 0 || order > K::maxOrder) return orvStsErrFftOrder;
    ORVS_CHECK(check::pointers(ppSpec));
    int specSize = 0, initSize = 0, workSize = 0;
    ORVS_CHECK(getSize<K>(order, flag, hint, &specSize, &initSize, &workSize));
    typename K::Record* rec = nullptr;
    const OrvStatus s = record::initAlloc(&rec, specSize, initSize, [&](Orv8u* mem, Orv8u* ini, auto** out) {
        return K::init(out, order, flag, hint, mem, ini);
    });
    if (s >= 0) *ppSpec = reinterpret_cast<P*>(rec);
    return s;
}

template <class K, class P>
OrvStatus release(P* pSpec)
{
    return record::release<typename K::Record>(pSpec, K::id, record::OnFree::clearId,
                                               [](typename K::Record& r) { K::releaseInner(r); });
}

template <class K, class P>
OrvStatus bufSize(const P* pSpec, int* pBufferSize)
{
    using R = typename K::Record;
    return record::open<R>(pSpec, K::id, [&](const R& r) -> OrvStatus {
        ORVS_CHECK(check::pointers(pBufferSize));
        *pBufferSize = r.workSize > 0 ? static_cast<int>(r.workSize + 32) : 0;
        return orvStsOk;
    });
}

}  // namespace lifecycle

#define ORVS_RFFT_LIFECYCLE(Spec, K)                                                                 \
    template <>                                                                                     \
    OrvStatus getSize<Spec>(int o, int f, int h, int* s, int* i, int* w)                            \
    { return lifecycle::getSize<K>(o, f, h, s, i, w); }                                              \
    template <>                                                                                     \
    OrvStatus init<Spec>(Spec** p, int o, int f, int h, Orv8u* m, Orv8u* i)                          \
    { return lifecycle::init<K>(p, o, f, h, m, i); }                                                 \
    template <>                                                                                     \
    OrvStatus initAlloc<Spec>(Spec** p, int o, int f, int h) { return lifecycle::initAlloc<K>(p, o, f, h); } \
    template <>                                                                                     \
    OrvStatus release<Spec>(Spec* p) { return lifecycle::release<K>(p); }                            \
    template <>                                                                                     \
    OrvStatus bufSize<Spec>(const Spec* p, int* b) { return lifecycle::bufSize<K>(p, b); }

}  // namespace orvs::rfft
