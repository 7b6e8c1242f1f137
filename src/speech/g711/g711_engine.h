// The G.711 family's entry logic: the checks (pointers, then the length) and
// the call of the kernel.
#pragma once
#include "core/check.h"
#include "speech/g711/g711_kernels.h"

namespace orvs::g711 {

template <Law law>
inline OrvStatus decode(const Orv8u* src, Orv16s* dst, int len)
{
    ORVS_CHECK(check::vectors(len, src, dst));
    kernels().decode16(law, src, dst, len);
    return orvStsOk;
}
template <Law law>
inline OrvStatus decode(const Orv8u* src, Orv32f* dst, int len)
{
    ORVS_CHECK(check::vectors(len, src, dst));
    kernels().decode32f(law, src, dst, len);
    return orvStsOk;
}
template <Law law>
inline OrvStatus encode(const Orv16s* src, Orv8u* dst, int len)
{
    ORVS_CHECK(check::vectors(len, src, dst));
    kernels().encode16(law, src, dst, len);
    return orvStsOk;
}
template <Law law>
inline OrvStatus encode(const Orv32f* src, Orv8u* dst, int len)
{
    ORVS_CHECK(check::vectors(len, src, dst));
    kernels().encode32f(law, src, dst, len);
    return orvStsOk;
}

template <Law from>
inline OrvStatus transcode(const Orv8u* src, Orv8u* dst, int len)
{
    ORVS_CHECK(check::vectors(len, src, dst));
    kernels().transcode(from, src, dst, len);
    return orvStsOk;
}

} // namespace orvs::g711
