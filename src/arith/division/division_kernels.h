// Vector kernels of the division family. Each kernel processes the elements
// [begin, begin + count) of one job and reports whether it met a zero
// divisor; the entries hand them to the parallel driver chunk by chunk.
//
// The same kernel source (division_kernels.cpp) is compiled for the AVX
// baseline, for AVX2/FMA and for AVX-512; kernels() is the table of this
// process's target.
#pragma once
#include <cstdint>

#include "core/dispatch.h"
#include "core/vocabulary.h"
#include "orvs/types.h"

namespace orvs::division {

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

// One integer division job over typed operands. A constant operand
// (DivC, DivCRev) is given by value and broadcast; `scale` is 2^-s (applied
// to the quotient on the single-precision path, to the dividend on the
// double-precision path).
template <class X, class D, class O>
struct IntJob {
    const X* x = nullptr;  // dividends
    const D* d = nullptr;  // divisors
    O* dst = nullptr;
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

template <class X, class D, class O>
using IntFn = bool (*)(const IntJob<X, D, O>&, int begin, int count);
template <class Cfg>
using IntKernelFn = IntFn<typename Cfg::X, typename Cfg::D, typename Cfg::O>;
using F32KernelFn = bool (*)(const F32Job&, int begin, int count);
using F64KernelFn = bool (*)(const F64Job&, int begin, int count);
using C32KernelFn = bool (*)(const C32Job&, int begin, int count);

// Every integer kernel the entries use, as
// X(dividend, divisor, destination, constant dividend, constant divisor, path, rounding, phase).
// Vector divisors: every rounding mode, both precisions, both out-of-range phases.
#define ORVS_DIVISION_INT_VV_NARROW(X, T)                          \
    X(T, T, T, false, false, Single, Zero, Quotient)           \
    X(T, T, T, false, false, Single, Near, Quotient)           \
    X(T, T, T, false, false, Single, Away, Quotient)           \
    X(T, T, T, false, false, Double, Zero, Quotient)           \
    X(T, T, T, false, false, Double, Near, Quotient)           \
    X(T, T, T, false, false, Double, Away, Quotient)           \
    X(T, T, T, false, false, Single, Near, ZeroDivOnly)        \
    X(T, T, T, false, false, Single, Near, SignSat)
#define ORVS_DIVISION_INT_VV_WIDE(X, TX, TD, TO)                   \
    X(TX, TD, TO, false, false, Double, Near, Quotient)        \
    X(TX, TD, TO, false, false, Double, Near, ZeroDivOnly)     \
    X(TX, TD, TO, false, false, Double, Near, SignSat)
// Constant divisor (its zero is refused before any kernel runs).
#define ORVS_DIVISION_INT_VC(X, T)                                 \
    X(T, T, T, false, true, Single, Near, Quotient)            \
    X(T, T, T, false, true, Double, Near, Quotient)            \
    X(T, T, T, false, true, Single, Near, SignSat)
#define ORVS_DIVISION_INT_KERNELS(X)                           \
    ORVS_DIVISION_INT_VV_NARROW(X, Orv8u)                          \
    ORVS_DIVISION_INT_VV_NARROW(X, Orv16s)                         \
    ORVS_DIVISION_INT_VV_NARROW(X, Orv16u)                         \
    ORVS_DIVISION_INT_VV_WIDE(X, Orv32s, Orv32s, Orv32s)           \
    ORVS_DIVISION_INT_VV_WIDE(X, Orv32s, Orv16s, Orv16s)           \
    ORVS_DIVISION_INT_VC(X, Orv8u)                                 \
    ORVS_DIVISION_INT_VC(X, Orv16s)                                \
    ORVS_DIVISION_INT_VC(X, Orv16u)                                \
    /* constant dividend (DivCRev_16u: no scale factor) */     \
    X(Orv16u, Orv16u, Orv16u, true, false, Single, Near, Quotient)

#define ORVS_DIVISION_CFG(TX, TD, TO, XC, DC, P, R, PH) IntCfg<TX, TD, TO, XC, DC, Path::P, Rnd::R, Phase::PH>
#define ORVS_DIVISION_ROW_NAME(TX, TD, TO, XC, DC, P, R, PH) int_##TX##_##TD##_##TO##_##XC##_##DC##_##P##_##R##_##PH

#define ORVS_DIVISION_ROW(...) IntKernelFn<ORVS_DIVISION_CFG(__VA_ARGS__)> ORVS_DIVISION_ROW_NAME(__VA_ARGS__);
struct KernelTable {
    ORVS_DIVISION_INT_KERNELS(ORVS_DIVISION_ROW)
    F32KernelFn div32f;     // vector / vector
    F32KernelFn divCRev32f; // constant / vector
    F64KernelFn div64f;
    C32KernelFn div32fc;
};
#undef ORVS_DIVISION_ROW

// The row of one integer configuration.
template <class Cfg> struct IntRow;
#define ORVS_DIVISION_SLOT(...)                                                  \
    template <> struct IntRow<ORVS_DIVISION_CFG(__VA_ARGS__)> {                 \
        static constexpr auto slot = &KernelTable::ORVS_DIVISION_ROW_NAME(__VA_ARGS__); \
    };
ORVS_DIVISION_INT_KERNELS(ORVS_DIVISION_SLOT)
#undef ORVS_DIVISION_SLOT

namespace avx { extern const KernelTable table; }
namespace avx2 { extern const KernelTable table; }
namespace avx512 { extern const KernelTable table; }

inline const KernelTable& kernels()
{
    return dispatch::pick<KernelTable>(avx::table, avx2::table, avx512::table);
}

template <class Cfg>
IntKernelFn<Cfg> intKernel()
{
    return kernels().*IntRow<Cfg>::slot;
}

} // namespace orvs::division
