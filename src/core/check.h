// Argument checks shared by every entry, in the library's fixed order:
// required pointers first (-8), then lengths (-6); family parameters and
// record identifiers are checked by the families after these.
#pragma once
#include "orvs/types.h"

namespace orvs::check {

template <class... P>
constexpr OrvStatus pointers(const P*... p)
{
    return ((p == nullptr) || ...) ? orvStsErrNullPtr : orvStsOk;
}

constexpr OrvStatus length(int len) { return len < 1 ? orvStsErrSize : orvStsOk; }

template <class... L>
constexpr OrvStatus lengths(L... len)
{
    return ((len < 1) || ...) ? orvStsErrSize : orvStsOk;
}

// Pointers then length: the opening of nearly every vector entry.
template <class... P>
constexpr OrvStatus vectors(int len, const P*... p)
{
    if (OrvStatus s = pointers(p...); s) return s;
    return length(len);
}

} // namespace orvs::check

// Returns from the calling function when a check fails.
#define ORVS_CHECK(expr)                                   \
    do {                                                   \
        if (OrvStatus orvs_check_status_ = (expr); orvs_check_status_) \
            return orvs_check_status_;                     \
    } while (0)
