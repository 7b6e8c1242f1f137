// Channel interleaving through arrays of channel pointers (D2L forms).
#include "convert/vector/vector_kernels.h"
#include "core/check.h"
#include "orvs/vector.h"

namespace orvs::vec {
namespace {

// The interleaved buffer first, then the two sizes, then the channel array
// and each channel pointer.
template <class C, class I>
OrvStatus checkChannels(const C* const* channels, int nChannels, int chanLen, const I* interleaved)
{
    ORVS_CHECK(check::pointers(interleaved));
    ORVS_CHECK(check::lengths(nChannels, chanLen));
    ORVS_CHECK(check::pointers(channels));
    for (int c = 0; c < nChannels; ++c) ORVS_CHECK(check::pointers(channels[c]));
    return orvStsOk;
}

template <auto Kernel, class C, class I>
OrvStatus join(const C* const* src, int nChannels, int chanLen, I* dst)
{
    ORVS_CHECK(checkChannels(src, nChannels, chanLen, dst));
    (kernels().*Kernel)(src, nChannels, chanLen, dst);
    return orvStsOk;
}

template <auto Kernel, class C, class I>
OrvStatus split(const I* src, C* const* dst, int nChannels, int chanLen)
{
    ORVS_CHECK(checkChannels(dst, nChannels, chanLen, src));
    (kernels().*Kernel)(src, dst, nChannels, chanLen);
    return orvStsOk;
}

} // namespace
} // namespace orvs::vec

using namespace orvs;

extern "C" {
ORVS_API OrvStatus orvsJoin_32f16s_D2L(const Orv32f* const* pSrc, int nChannels, int chanLen, Orv16s* pDst)
{ return vec::join<&vec::KernelTable::join32f16s>(pSrc, nChannels, chanLen, pDst); }
ORVS_API OrvStatus orvsJoinScaled_32f16s_D2L(const Orv32f* const* pSrc, int nChannels, int chanLen, Orv16s* pDst)
{ return vec::join<&vec::KernelTable::joinScaled32f16s>(pSrc, nChannels, chanLen, pDst); }
ORVS_API OrvStatus orvsJoinScaled_32f24s_D2L(const Orv32f* const* pSrc, int nChannels, int chanLen, Orv8u* pDst)
{ return vec::join<&vec::KernelTable::joinScaled32f24s>(pSrc, nChannels, chanLen, pDst); }
ORVS_API OrvStatus orvsSplitScaled_16s32f_D2L(const Orv16s* pSrc, Orv32f* const* pDst, int nChannels, int chanLen)
{ return vec::split<&vec::KernelTable::splitScaled16s32f>(pSrc, pDst, nChannels, chanLen); }
ORVS_API OrvStatus orvsSplitScaled_24s32f_D2L(const Orv8u* pSrc, Orv32f* const* pDst, int nChannels, int chanLen)
{ return vec::split<&vec::KernelTable::splitScaled24s32f>(pSrc, pDst, nChannels, chanLen); }
}
