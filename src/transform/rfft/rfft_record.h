// The record lifecycle shared by every real FFT record kind: size query,
// Init in caller memory, InitAlloc, Free and the work-buffer query, in the
// library's check order. A kind supplies its record type, identifier, order
// limit, sizes, construction and release.
#pragma once
#include "core/check.h"
#include "core/record.h"
#include "orvs/core.h"
#include "transform/rfft/rfft_engine.h"

namespace orvs::rfft {

// Stores the three sizes, refusing any that an int cannot hold.
OrvStatus writeSizes(const Sizes& z, int* pSpecSize, int* pInitSize, int* pWorkSize);

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
    Orv8u* mem = orvsMalloc_8u(specSize);
    if (!mem) return orvStsErrMemAlloc;
    Orv8u* initBuf = nullptr;
    if (initSize > 0) {
        initBuf = orvsMalloc_8u(initSize);
        if (!initBuf) {
            orvsFree(mem);
            return orvStsErrMemAlloc;
        }
    }
    typename K::Record* rec = nullptr;
    OrvStatus s = K::init(&rec, order, flag, hint, mem, initBuf);
    if (initBuf) orvsFree(initBuf);
    if (s < 0) {
        orvsFree(mem);
        return s;
    }
    // Library blocks are 64-byte aligned, so the record starts the block and
    // Free can hand the record address back to the allocator.
    rec->owned = 1;
    *ppSpec = reinterpret_cast<P*>(rec);
    return s;
}

template <class K, class P>
OrvStatus free(P* pSpec)
{
    ORVS_CHECK(record::checkId(pSpec, K::id));
    K::release(reinterpret_cast<typename K::Record*>(pSpec));
    return orvStsOk;
}

template <class K, class P>
OrvStatus bufSize(const P* pSpec, int* pBufferSize)
{
    ORVS_CHECK(record::checkId(pSpec, K::id));
    ORVS_CHECK(check::pointers(pBufferSize));
    const std::uint32_t w = K::workSize(reinterpret_cast<const typename K::Record*>(pSpec));
    *pBufferSize = w > 0 ? static_cast<int>(w + 32) : 0;
    return orvStsOk;
}

}  // namespace lifecycle
}  // namespace orvs::rfft
