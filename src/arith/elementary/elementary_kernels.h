// Vector kernels of the elementary functions. Each kernel maps n elements of
// a source to a destination (the two may be the same array); the ones whose
// family reports a domain warning return whether some element met it (a
// negative square-root argument, a zero or negative logarithm argument).
//
// elementary_kernels.cpp is compiled for the AVX baseline, for AVX2/FMA and
// for AVX-512; kernels() is the table of this process's target.
#pragma once
#include "core/dispatch.h"
#include "orvs/types.h"

namespace orvs::elementary {

template <class S, class D>
using MapFn = bool (*)(const S* src, D* dst, int n);

// Sum of logarithms in double precision; *hit says a non-positive element was met.
template <class S>
using SumLnFn = double (*)(const S* src, int n, bool* hit);

#define ORVS_ELEMENTARY_MAPS(X)        \
    X(exp32f, Orv32f, Orv32f)          \
    X(exp64f, Orv64f, Orv64f)          \
    X(exp32f64f, Orv32f, Orv64f)       \
    X(ln32f, Orv32f, Orv32f)           \
    X(ln64f, Orv64f, Orv64f)           \
    X(ln64f32f, Orv64f, Orv32f)        \
    X(atan32f, Orv32f, Orv32f)         \
    X(atan64f, Orv64f, Orv64f)         \
    X(cbrt32f, Orv32f, Orv32f)         \
    X(sqrt32f, Orv32f, Orv32f)         \
    X(sqrt64f, Orv64f, Orv64f)

#define ORVS_ELEMENTARY_SLOT(name, S, D) MapFn<S, D> name;
struct KernelTable {
    ORVS_ELEMENTARY_MAPS(ORVS_ELEMENTARY_SLOT)
    SumLnFn<Orv32f> sumLn32f;
    SumLnFn<Orv64f> sumLn64f;
    SumLnFn<Orv16s> sumLn16s;
};
#undef ORVS_ELEMENTARY_SLOT

namespace avx { extern const KernelTable table; }
namespace avx2 { extern const KernelTable table; }
namespace avx512 { extern const KernelTable table; }

inline const KernelTable& kernels()
{
    return dispatch::pick<KernelTable>(avx::table, avx2::table, avx512::table);
}

} // namespace orvs::elementary
