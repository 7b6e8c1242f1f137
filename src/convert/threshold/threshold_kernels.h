// Kernels of the threshold family. One source (threshold_kernels.cpp) is
// compiled for AVX, for AVX2/FMA and for AVX-512; the entries call through
// the row chosen once for the process. Every kernel handles any length >= 1
// and any alignment, and accepts pDst == pSrc.
#pragma once
#include "orvs/types.h"

namespace orvs::threshold {

// What a real kernel does to each element x (lo/vlo: the lower level and its
// replacement, hi/vhi: the upper ones). Lower replaces x unless lo <= x, so a
// NaN takes vlo; Upper replaces x unless x <= hi (a NaN takes vhi);
// UpperKeepNaN replaces x only where x > hi; Both is Lower then UpperKeepNaN.
// AbsLower and AbsUpper clamp abs(x) from below or above at lo and keep the
// sign of x. Integer types have no NaN: Upper and UpperKeepNaN agree.
enum class Mode : int { Lower, Upper, UpperKeepNaN, Both, AbsLower, AbsUpper };

// Complex members, compared by magnitude: Lower and Upper scale the element
// to magnitude `level` (Lower turns a zero into (level, 0)); LowerVal and
// UpperVal replace the whole element by `value`.
enum class CMode : int { Lower, Upper, LowerVal, UpperVal };

#define ORVS_THRESHOLD_KERNELS(X)                                                                        \
    X(clamp_16s, void, (const Orv16s* s, Orv16s* d, int n, Mode m, Orv16s lo, Orv16s vlo, Orv16s hi, Orv16s vhi)) \
    X(clamp_32s, void, (const Orv32s* s, Orv32s* d, int n, Mode m, Orv32s lo, Orv32s vlo, Orv32s hi, Orv32s vhi)) \
    X(clamp_32f, void, (const Orv32f* s, Orv32f* d, int n, Mode m, Orv32f lo, Orv32f vlo, Orv32f hi, Orv32f vhi)) \
    X(clamp_64f, void, (const Orv64f* s, Orv64f* d, int n, Mode m, Orv64f lo, Orv64f vlo, Orv64f hi, Orv64f vhi)) \
    X(cclamp_16sc, void, (const Orv16sc* s, Orv16sc* d, int n, CMode m, Orv16s level, Orv16sc value))         \
    X(cclamp_32fc, void, (const Orv32fc* s, Orv32fc* d, int n, CMode m, Orv32f level, Orv32fc value))         \
    X(cclamp_64fc, void, (const Orv64fc* s, Orv64fc* d, int n, CMode m, Orv64f level, Orv64fc value))         \
    /* reciprocals after raising the magnitude to level; the real ones leave a */                             \
    /* zero element to the divide-by-zero flag, the complex ones report it */                                 \
    X(inv_32f, void, (const Orv32f* s, Orv32f* d, int n, Orv32f level))                                       \
    X(inv_64f, void, (const Orv64f* s, Orv64f* d, int n, Orv64f level))                                       \
    X(inv_32fc, bool, (const Orv32fc* s, Orv32fc* d, int n, Orv32f level))                                    \
    X(inv_64fc, bool, (const Orv64fc* s, Orv64fc* d, int n, Orv64f level))

#define ORVS_THRESHOLD_MEMBER(name, ret, params) ret(*name) params;
struct KernelTable {
    ORVS_THRESHOLD_KERNELS(ORVS_THRESHOLD_MEMBER)
};
#undef ORVS_THRESHOLD_MEMBER

namespace avx { extern const KernelTable table; }
namespace avx2 { extern const KernelTable table; }
namespace avx512 { extern const KernelTable table; }

// The row of this process (core/dispatch.h).
const KernelTable& kernels();

} // namespace orvs::threshold
