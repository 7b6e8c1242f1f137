// The conversion entries' common shape: argument checks in the library's
// order, the mapping of rndMode and scaleFactor to kernel parameters, the
// floating-point control scope, and the choice of the kernel set.
#pragma once
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>
#include <type_traits>

#include "convert/conversion/convert_kernels.h"
#include "core/check.h"
#include "core/fpguard.h"

namespace orvs::convert {

// For the duration of a call: round to nearest even, exceptions masked, and
// subnormal inputs and results kept (DAZ and FTZ cleared) so conversions are
// the IEEE ones whatever the caller's settings. The shared guard restores the
// caller's control word and skips the register write when it already holds
// these settings.
class FpScope {
public:
    FpScope() : guard_(FpRound::Nearest, true, true, true) {}

private:
    FpControlGuard guard_;
};

// Pointers first, then the length (signed lengths below 1 and an unsigned
// length of 0 are both errors).
template <class L, class... P>
inline OrvStatus open(L len, const P*... p)
{
    if (OrvStatus s = check::pointers(p...); s) return s;
    return len < 1 ? orvStsErrSize : orvStsOk;
}

// rndMode of the floating-to-integer and 64s32s/16s8s members: 0 truncates,
// 1 rounds to nearest even, anything else rounds half away from zero.
inline Rnd integerRounding(int mode) { return mode == 0 ? Rnd::Zero : mode == 1 ? Rnd::Near : Rnd::Away; }

// 2^-s as a single-precision value, exactly what halving (s > 0) or doubling
// (s < 0) 1.0f repeatedly gives: subnormal from s = 127, zero beyond s = 149,
// infinite once 2^-s exceeds the largest finite float.
inline float halvingFactor(int s)
{
    std::uint32_t bits;
    if (s > 149) bits = 0;
    else if (s > 126) bits = 1u << (149 - s);
    else if (s >= -127) bits = static_cast<std::uint32_t>(127 - s) << 23;
    else bits = 0x7F800000u;
    float f;
    std::memcpy(&f, &bits, sizeof f);
    return f;
}

// 2^-s for s inside the clamping range of the integer-to-float members.
inline float powerOfTwoF(int s)
{
    const std::uint32_t bits = static_cast<std::uint32_t>(127 - s) << 23;
    float f;
    std::memcpy(&f, &bits, sizeof f);
    return f;
}
inline double powerOfTwoD(int s)
{
    const std::uint64_t bits = static_cast<std::uint64_t>(1023 - s) << 52;
    double f;
    std::memcpy(&f, &bits, sizeof f);
    return f;
}

inline int clampInt(int v, int lo, int hi) { return v < lo ? lo : v > hi ? hi : v; }

template <class T>
constexpr bool floating = std::is_floating_point_v<T> || std::is_same_v<T, Half>;

// ---------------------------------------------------------------- families

// Element conversion without parameters. Guarded when the result can be
// inexact or a floating source can be subnormal.
template <class S, class D, class L>
OrvStatus widen(const Store<S>* src, Store<D>* dst, L len)
{
    ORVS_CHECK(open(len, src, dst));
    constexpr bool guarded = floating<S> || std::is_same_v<S, Orv32s> || std::is_same_v<S, Orv64s>;
    if constexpr (guarded) {
        FpScope scope;
        run<Kind::Widen, S, D>(src, dst, static_cast<Count>(len));
    } else {
        run<Kind::Widen, S, D>(src, dst, static_cast<Count>(len));
    }
    return orvStsOk;
}

// Integer to floating point times 2^-s, s clamped to [lo, hi].
template <class S, class D, int lo, int hi>
OrvStatus scaleToFloat(const S* src, D* dst, int len, int s)
{
    ORVS_CHECK(open(len, src, dst));
    if (s == 0) return widen<S, D>(src, dst, len);
    s = clampInt(s, lo, hi);
    FpScope scope;
    if constexpr (std::is_same_v<D, Orv32f>) run<Kind::Scale, S, D>(src, dst, Count(len), powerOfTwoF(s));
    else run<Kind::Scale, S, D>(src, dst, Count(len), powerOfTwoD(s));
    return orvStsOk;
}

// Floating point to integer: x * 2^-s (factor limits of repeated halving),
// clamped, rounded by mode, saturated.
template <class S, class D, class L>
OrvStatus floatToIntRounded(const Store<S>* src, Store<D>* dst, L len, Rnd mode, int s)
{
    FpScope scope;
    run<Kind::FloatToInt, S, D>(src, dst, static_cast<Count>(len), mode, halvingFactor(s));
    return orvStsOk;
}

template <class S, class D, class L>
OrvStatus floatToInt(const Store<S>* src, Store<D>* dst, L len, int rndMode, int s)
{
    ORVS_CHECK(open(len, src, dst));
    return floatToIntRounded<S, D>(src, dst, len, integerRounding(rndMode), s);
}

// Floating point to packed 24-bit: always nearest even.
template <class D>
OrvStatus floatTo24(const Orv32f* src, Orv8u* dst, int len, int s)
{
    ORVS_CHECK(open(len, src, dst));
    return floatToIntRounded<Orv32f, D>(src, dst, len, Rnd::Near, s);
}

// Integer narrowing: the exact value times 2^-s, rounded by mode for s > 0,
// saturated.
template <class S, class D, class L>
OrvStatus narrowInt(const Store<S>* src, Store<D>* dst, L len, Rnd mode, int s)
{
    ORVS_CHECK(open(len, src, dst));
    // Below -64 every non-zero value saturates, above 128 every value rounds
    // to 0, for every source width.
    run<Kind::Narrow, S, D>(src, dst, static_cast<Count>(len), mode, clampInt(s, -64, 128));
    return orvStsOk;
}

// The narrowing entries: saturation only, nearest-even scaling, the packed
// 24-bit forms (scale factors beyond +-31 act as +-31), and the forms with a
// rounding mode.
template <class S, class D, class L>
OrvStatus narrowSaturate(const Store<S>* src, Store<D>* dst, L len) { return narrowInt<S, D>(src, dst, len, Rnd::Near, 0); }
template <class S, class D, class L>
OrvStatus narrowNear(const Store<S>* src, Store<D>* dst, L len, int s) { return narrowInt<S, D>(src, dst, len, Rnd::Near, s); }
template <class S, class D>
OrvStatus narrow24(const Store<S>* src, Store<D>* dst, int len, int s)
{
    return narrowInt<S, D>(src, dst, len, Rnd::Near, clampInt(s, -31, 31));
}
template <class S, class D, class L>
OrvStatus narrowRounded(const Store<S>* src, Store<D>* dst, L len, int rndMode, int s)
{
    return narrowInt<S, D>(src, dst, len, integerRounding(rndMode), s);
}

// The half-precision members refuse exactly orvRndFinancial; 1 rounds to
// nearest even and every other value truncates.
inline OrvStatus halfRounding(int mode, bool& nearest)
{
    if (mode == orvRndFinancial) return orvStsErrRoundMode;
    nearest = mode == orvRndNear;
    return orvStsOk;
}

template <class S>
OrvStatus toHalf(const S* src, Orv16f* dst, int len, int rndMode)
{
    ORVS_CHECK(open(len, src, dst));
    bool nearest = false;
    ORVS_CHECK(halfRounding(rndMode, nearest));
    FpScope scope;
    run<Kind::ToHalf, S, Half>(src, dst, Count(len), nearest);
    return orvStsOk;
}

inline OrvStatus halfTo16s(const Orv16f* src, Orv16s* dst, int len, int rndMode, int s)
{
    ORVS_CHECK(open(len, src, dst));
    bool nearest = false;
    ORVS_CHECK(halfRounding(rndMode, nearest));
    return floatToIntRounded<Half, Orv16s>(src, dst, len, nearest ? Rnd::Near : Rnd::Zero, s);
}

} // namespace orvs::convert
