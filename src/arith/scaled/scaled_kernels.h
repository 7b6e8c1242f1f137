// Kernel entry points of the scaled arithmetic family, one set per
// instruction-set variant. The templates are defined in scaled_kernels.inc and
// explicitly instantiated, for the operations the entries use, by the
// arith_k*_avx.cpp / _avx2.cpp / _avx512.cpp files; entries only see declarations.
#pragma once
#include "arith/scaled/scaled_ops.h"

#define ORVS_ARITH_DECLARE_KERNELS(isa)                                                        \
    namespace isa {                                                                            \
    /* d[n] = scaled exact result, for any s up to Op::kScaledMax */                           \
    template <class Op, class X, class Y>                                                      \
    void scaled(X x, Y y, typename Op::Dst* d, int len, int scaleFactor);                      \
    /* d[n] = exact result saturated (integers) or rounded once (floating point) */            \
    template <class Op, class X, class Y>                                                      \
    void plain(X x, Y y, typename Op::Dst* d, int len);                                        \
    /* single-precision products converted to 16 bits: clamped then rounded under the */      \
    /* current rounding mode, or (low) converted to 32 bits first and then saturated */        \
    void mulCTo16s(const Orv32f* src, Orv32f val, Orv16s* dst, int len);                      \
    void mulCTo16sLow(const Orv32f* src, Orv32f val, Orv16s* dst, int len);                    \
    }

namespace orvs::arith {
ORVS_ARITH_DECLARE_KERNELS(avx)
ORVS_ARITH_DECLARE_KERNELS(avx2)
ORVS_ARITH_DECLARE_KERNELS(avx512)
} // namespace orvs::arith
