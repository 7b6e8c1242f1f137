// Vector kernels of the division family. Each kernel processes the elements
// [begin, begin + count) of one job and reports whether it met a zero
// divisor; the entries hand them to the parallel driver chunk by chunk.
//
// The same kernel source (division_kernels.inc) is compiled for the AVX baseline,
// for AVX2/FMA and for AVX-512; pick*() chooses the variant once per process.
#pragma once
#include <cstdint>

#include "core/cpu.h"
#include "orvs/types.h"

namespace orvs::div {

// How an integer quotient is rounded to an integer.
enum class Rnd { Zero, Near, Away };

// Precision in which the integer quotient is formed. Single precision is
// exact for 8- and 16-bit operands with s >= 0 (a correctly rounded float
// quotient is never on the wrong side of an integer or a half); every other
// case is formed in double precision, where it is exact as well.
enum class Path { Single, Double };

// What the kernel writes per element.
//  Quotient:    the scaled, rounded, saturated quotient.
//  ZeroDivOnly: 0, except zero-divisor elements (max / min / 0 by the
//               dividend's sign): s beyond the range where any quotient survives.
//  SignSat:     max / min by the sign of the quotient (a zero divisor counts
//               as positive), 0 for a zero dividend: s so negative that
//               every non-zero quotient saturates.
enum class Phase { Quotient, ZeroDivOnly, SignSat };

// One integer division job. A constant operand (DivC, DivCRev) is given by
// value and broadcast; `scale` is 2^-s (applied to the quotient on the
// single-precision path, to the dividend on the double-precision path).
struct IntJob {
    const void* x = nullptr;  // dividends
    const void* d = nullptr;  // divisors
    void* dst = nullptr;
    std::int32_t xConst = 0;
    std::int32_t dConst = 0;
    double scale = 1.0;
};

template <class TX, class TD, class TO, bool XConst, bool DConst, Path P, Rnd R, Phase Ph>
struct IntCfg {
    using X = TX;
    using D = TD;
    using O = TO;
    static constexpr bool xConst = XConst;
    static constexpr bool dConst = DConst;
    static constexpr Path path = P;
    static constexpr Rnd rnd = R;
    static constexpr Phase phase = Ph;
};

struct F32Job {
    const Orv32f* x = nullptr;
    const Orv32f* d = nullptr;
    Orv32f* dst = nullptr;
    Orv32f xConst = 0.0f;  // DivCRev: the constant dividend
};

struct F64Job {
    const Orv64f* x = nullptr;
    const Orv64f* d = nullptr;
    Orv64f* dst = nullptr;
};

struct C32Job {
    const Orv32fc* x = nullptr;
    const Orv32fc* d = nullptr;
    Orv32fc* dst = nullptr;
};

using IntKernelFn = bool (*)(const IntJob&, int begin, int count);
using F32KernelFn = bool (*)(const F32Job&, int begin, int count);
using F64KernelFn = bool (*)(const F64Job&, int begin, int count);
using C32KernelFn = bool (*)(const C32Job&, int begin, int count);

#define ORVS_DIV_DECLARE_KERNELS                                    \
    template <class Cfg>                                            \
    bool intKernel(const IntJob& job, int begin, int count);        \
    template <bool XConst>                                          \
    bool div32f(const F32Job& job, int begin, int count);           \
    bool div64f(const F64Job& job, int begin, int count);           \
    bool div32fc(const C32Job& job, int begin, int count);

namespace avx { ORVS_DIV_DECLARE_KERNELS }
namespace avx2 { ORVS_DIV_DECLARE_KERNELS }
namespace avx512 { ORVS_DIV_DECLARE_KERNELS }
#undef ORVS_DIV_DECLARE_KERNELS

template <class Cfg>
IntKernelFn pickInt()
{
    static const IntKernelFn fn = cpu::hasAvx512() ? &avx512::intKernel<Cfg>
                                  : cpu::hasAvx2() ? &avx2::intKernel<Cfg>
                                                   : &avx::intKernel<Cfg>;
    return fn;
}

template <bool XConst>
F32KernelFn pick32f()
{
    static const F32KernelFn fn = cpu::hasAvx512() ? &avx512::div32f<XConst>
                                  : cpu::hasAvx2() ? &avx2::div32f<XConst>
                                                   : &avx::div32f<XConst>;
    return fn;
}

inline F64KernelFn pick64f()
{
    static const F64KernelFn fn = cpu::hasAvx512() ? &avx512::div64f : cpu::hasAvx2() ? &avx2::div64f : &avx::div64f;
    return fn;
}

inline C32KernelFn pick32fc()
{
    static const C32KernelFn fn = cpu::hasAvx512() ? &avx512::div32fc : cpu::hasAvx2() ? &avx2::div32fc : &avx::div32fc;
    return fn;
}

} // namespace orvs::div
