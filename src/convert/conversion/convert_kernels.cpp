// Conversion loops, compiled once per instruction-set target (namespace
// orvs::convert::ORVS_TARGET).
// Each kernel runs a vector body over blocks of one register's worth of
// elements (8 with 256-bit registers, 16 with 512-bit ones; the 24-bit and
// integer-narrowing bodies stay at 8) where one is written and finishes
// with the scalar element rule, which is the same rule the vector body
// implements (results never depend on an element's position).
//
// Kernels that round through the control register (cvtps2dq, cvtdq2ps of
// 32-bit values, cvtpd2ps) rely on the entry having forced round-to-nearest.
#if defined(__AVX512F__)
// GCC 12 reports the deliberately undefined pass-through operand of the
// unmasked 512-bit intrinsics as "maybe uninitialized"; nothing reads it.
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif

#include <cmath>
#include <cstdint>
#include <cstring>
#include <type_traits>

#include "convert/conversion/convert_kernels.h"
#include "core/simd/simd.h"

namespace orvs::convert::ORVS_TARGET {
namespace {

template <class A, class B> constexpr bool same = std::is_same_v<A, B>;
template <class T> constexpr bool is24 = same<T, Int24s> || same<T, Int24u>;

// ---------------------------------------------------------------- scalar rules

inline float bitsToFloat(std::uint32_t b) { float f; std::memcpy(&f, &b, 4); return f; }
inline std::uint32_t floatToBits(float f) { std::uint32_t b; std::memcpy(&b, &f, 4); return b; }

// binary16 -> binary32, exact. A NaN keeps its payload and becomes quiet, as
// the hardware conversion does.
inline float halfToFloat(std::uint16_t h)
{
    const std::uint32_t sign = std::uint32_t(h & 0x8000u) << 16;
    const std::uint32_t e = (h >> 10) & 0x1Fu, m = h & 0x3FFu;
    if (e == 0x1F) return bitsToFloat(sign | 0x7F800000u | (m << 13) | (m ? 0x400000u : 0u));
    if (e != 0) return bitsToFloat(sign | ((e + 112u) << 23) | (m << 13));
    const float f = static_cast<float>(m) * 0x1p-24f;  // subnormal half: m units of 2^-24, exact
    return sign ? -f : f;
}

// binary32 -> binary16 rounded to nearest even or toward zero. Overflow gives
// infinity when rounding to nearest and the largest finite value (65504) when
// truncating, as IEEE rounding toward zero does; a NaN stays a quiet NaN with
// the top of its payload.
inline std::uint16_t floatToHalf(float f, bool nearest)
{
    const std::uint32_t b = floatToBits(f);
    const std::uint16_t sign = static_cast<std::uint16_t>((b >> 16) & 0x8000u);
    const std::uint32_t a = b & 0x7FFFFFFFu;
    if (a >= 0x7F800000u)
        return a == 0x7F800000u ? sign | 0x7C00u : sign | 0x7E00u | ((a & 0x7FFFFFu) >> 13);
    const int e = static_cast<int>(a >> 23);
    std::uint32_t sig = (a & 0x7FFFFFu) | (e ? 0x800000u : 0u);
    // Value = sig * 2^(max(e,1) - 150); half units are 2^-24 below the
    // normal range and 2^(e-127-10) inside it.
    int shift;
    std::uint32_t base;
    if (e >= 113) {                       // normal half: keep 10 fraction bits
        shift = 13;
        base = static_cast<std::uint32_t>(e - 112) << 10;
        sig &= 0x7FFFFFu;
    } else {                              // subnormal half or zero
        shift = 126 - (e ? e : 1);
        base = 0;
        if (shift > 31) return sign;      // far below half of the smallest subnormal
    }
    std::uint32_t q = base + (sig >> shift);
    if (nearest) {
        const std::uint32_t rem = sig & ((1u << shift) - 1), half = 1u << (shift - 1);
        if (rem > half || (rem == half && (q & 1u))) ++q;  // a carry walks into the exponent
        if (q >= 0x7C00u) return sign | 0x7C00u;
    } else if (q >= 0x7C00u) {
        return sign | 0x7BFFu;
    }
    return static_cast<std::uint16_t>(sign | q);
}

template <class S>
inline auto loadElem(const Store<S>* p, Count i)
{
    if constexpr (is24<S>) {
        const Orv8u* q = p + 3 * i;
        const std::int32_t v = q[0] | (q[1] << 8) | (q[2] << 16);
        if constexpr (same<S, Int24s>) return (v ^ 0x800000) - 0x800000;
        else return v;
    } else if constexpr (same<S, Half>) {
        return halfToFloat(p[i]);
    } else {
        return p[i];
    }
}

template <class D>
inline void storeInt(Store<D>* p, Count i, std::int64_t v)
{
    if constexpr (is24<D>) {
        Orv8u* q = p + 3 * i;
        q[0] = static_cast<Orv8u>(v);
        q[1] = static_cast<Orv8u>(v >> 8);
        q[2] = static_cast<Orv8u>(v >> 16);
    } else {
        p[i] = static_cast<D>(v);
    }
}

template <class F>
inline F roundBy(F v, Rnd mode)
{
    if (mode == Rnd::Zero) return std::trunc(v);
    if (mode == Rnd::Near) return std::nearbyint(v);
    // Ties away from zero, exactly: the fraction v - trunc(v) is exact.
    F t = std::trunc(v);
    const F frac = v - t;
    if (frac >= F(0.5)) t += F(1);
    else if (frac <= F(-0.5)) t -= F(1);
    return t;
}

// One floating element to an integer of D: clamp from above (NaN included),
// round, saturate. Comparisons against the limits as F are exact except for
// the 32-bit maximum as a float (2^31), which is only reached by values that
// saturate anyway.
template <class D, class F>
inline std::int64_t floatToIntElem(F x, F factor, Rnd mode)
{
    constexpr F hi = static_cast<F>(IntRange<D>::max), lo = static_cast<F>(IntRange<D>::min);
    const F v = x * factor;
    if (!(v < hi)) return IntRange<D>::max;
    const F r = roundBy(v, mode);
    if (r >= hi) return IntRange<D>::max;
    if (r <= lo) return IntRange<D>::min;
    return static_cast<std::int64_t>(r);
}

// ---------------------------------------------------------------- vector pieces

// The element kinds of the vector layer for the storage types here.
template <class T>
using ElemOf = simd::IntElem<(is24<T> ? 3 : static_cast<int>(sizeof(Store<T>))),
                             (same<T, Int24s> || (!is24<T> && std::is_signed_v<Store<T>>))>;

template <class T> constexpr Count units = is24<T> ? 3 : 1;  // storage units per element

// The element-wise bodies are written once against V: one register of V::n
// 32-bit lanes (F floats, I integers) and the V::n doubles of the same
// elements as two registers (D2). 256-bit registers for the AVX and AVX2
// builds, 512-bit registers for the AVX-512 build. Every operation gives
// the same bits at either width: the same IEEE conversions under the
// control register's rounding, the same saturation of the narrowing stores.
struct V : simd::ConvertLanes {
    using L = simd::ConvertLanes;
    template <class S> static I loadI(const Store<S>* p) { return L::loadI<ElemOf<S>>(p); }
    template <class D> static void storeI(Store<D>* p, I v) { L::storeI<ElemOf<D>>(p, v); }
#if defined(__AVX2__) && !defined(__AVX512F__)
    template <class D> static void storeI16x2(Store<D>* p, I a, I b) { L::storeI16x2<ElemOf<D>>(p, a, b); }
#endif
};

constexpr int kStep = 8;  // the fixed 8-element bodies (24-bit packing, integer narrowing)

// Runs blocks of Step elements two at a time with both loads (and
// conversions) issued before either store: the compiler cannot reorder them
// itself, as far as it knows the destination may overlap the source, and
// keeping the loads ahead is worth about a third of the time on L1-resident
// vectors. Returns the index after the last whole block.
template <Count Step = V::n, class Load, class Put>
inline Count blocks(Count n, Load load, Put put)
{
    Count i = 0;
    for (; i + 2 * Step <= n; i += 2 * Step) {
        const auto a = load(i);
        const auto b = load(i + Step);
        put(i, a);
        put(i + Step, b);
    }
    for (; i + Step <= n; i += Step) put(i, load(i));
    return i;
}

// V::n (scaled) floats: clamp from above (min returns the limit for NaN),
// round, and for a 32-bit destination turn the cvt overflow pattern of
// values at 2^31 into the maximum.
template <class D, Rnd M, bool Scaled>
inline V::I floatBlock(V::F x, V::F factor)
{
    const V::F hi = V::splat(static_cast<float>(IntRange<D>::max));
    const V::F v = V::min(Scaled ? V::mul(x, factor) : x, hi);
    V::I r = V::round<M>(v);
    if constexpr (same<D, Orv32s>) r = V::maxWhere(r, v, hi);
    return r;
}

template <class S>
constexpr bool vectorFloatSource =
    same<S, Orv32f> || same<S, Orv64f>
#ifdef __F16C__
    || same<S, Half>
#endif
    ;

template <class S, class D>
constexpr bool vectorIntDest = same<D, Orv8s> || same<D, Orv8u> || same<D, Orv16s> || same<D, Orv16u> ||
                               same<D, Orv32s> || is24<D>;

template <class S>
inline V::F loadF(const Store<S>* p)
{
    if constexpr (same<S, Orv32f>) return V::loadF(p);
#ifdef __F16C__
    else return V::loadH(p);
#endif
}

template <class S, class D, Rnd M, bool Scaled>
Count floatToIntVector(const Store<S>* src, Store<D>* dst, Count n, float factor)
{
    Count i = 0;
    if constexpr (same<S, Orv64f>) {
        const V::D2 f = V::splatD(factor), hi = V::splatD(static_cast<double>(IntRange<D>::max));
        i = blocks(n, [&](Count k) { return V::roundD<M>(V::minD(V::mulD(V::loadD(src + k), f), hi)); },
                   [&](Count k, V::I v) { V::storeI<D>(dst + k * units<D>, v); });
    } else {
        const V::F f = V::splat(factor);
#if defined(__AVX2__) && !defined(__AVX512F__)
        // Sixteen at a time into one 256-bit store.
        if constexpr (same<D, Orv16s> || same<D, Orv16u>) {
            for (; i + 2 * kStep <= n; i += 2 * kStep) {
                const V::I a = floatBlock<D, M, Scaled>(loadF<S>(src + i), f);
                const V::I b = floatBlock<D, M, Scaled>(loadF<S>(src + i + kStep), f);
                V::storeI16x2<D>(dst + i, a, b);
            }
        }
#endif
        i += blocks(n - i, [&](Count k) { return floatBlock<D, M, Scaled>(loadF<S>(src + i + k), f); },
                    [&](Count k, V::I v) { V::storeI<D>(dst + (i + k) * units<D>, v); });
    }
    return i;
}

template <class S, class D, Rnd M>
void floatToIntLoop(const Store<S>* src, Store<D>* dst, Count n, float factor)
{
    Count i = 0;
    if constexpr (vectorFloatSource<S> && vectorIntDest<S, D>) {
        // s = 0 (factor 1) skips the multiplication: x * 1 is x for every x.
        if (factor == 1.0f) i = floatToIntVector<S, D, M, false>(src, dst, n, factor);
        else i = floatToIntVector<S, D, M, true>(src, dst, n, factor);
    }
    using F = std::conditional_t<same<S, Orv64f>, double, float>;
    for (; i < n; ++i) storeInt<D>(dst, i, floatToIntElem<D, F>(loadElem<S>(src, i), static_cast<F>(factor), M));
}


// ---------------------------------------------------------------- kernels

template <class S, class D>
void widen(const Store<S>* src, Store<D>* dst, Count n)
{
    Count i = 0;
    if constexpr (std::is_integral_v<Store<S>> && !same<S, Half> && sizeof(Store<S>) <= 4 &&
                  (same<D, Orv16s> || same<D, Orv32s> || same<D, Orv32u> || same<D, Orv32f> || same<D, Orv64f>)) {
        if constexpr (same<D, Orv32f>) {
            i = blocks(n, [&](Count k) { return V::toF(V::loadI<S>(src + k * units<S>)); },
                       [&](Count k, V::F v) { V::storeF(dst + k, v); });
        } else if constexpr (same<D, Orv64f>) {
            i = blocks(n, [&](Count k) { return V::widenI(V::loadI<S>(src + k * units<S>)); },
                       [&](Count k, V::D2 v) { V::storeD(dst + k, v); });
        } else {
            i = blocks(n, [&](Count k) { return V::loadI<S>(src + k * units<S>); },
                       [&](Count k, V::I v) { V::storeI<D>(dst + k, v); });
        }
    } else if constexpr (same<S, Orv32f> && same<D, Orv64f>) {
        i = blocks(n, [&](Count k) { return V::loadWidenF(src + k); },
                   [&](Count k, V::D2 v) { V::storeD(dst + k, v); });
    } else if constexpr (same<S, Orv64f> && same<D, Orv32f>) {
        i = blocks(n, [&](Count k) { return V::loadD(src + k); },
                   [&](Count k, V::D2 v) { V::storeNarrowD(dst + k, v); });
    }
#ifdef __F16C__
    else if constexpr (same<S, Half> && same<D, Orv32f>) {
        i = blocks(n, [&](Count k) { return V::loadH(src + k); }, [&](Count k, V::F v) { V::storeF(dst + k, v); });
    }
#endif
    for (; i < n; ++i) dst[i] = static_cast<D>(loadElem<S>(src, i));
}

template <class S, class D>
void scaleToFloat(const S* src, D* dst, Count n, D factor)
{
    Count i = 0;
    if constexpr (same<D, Orv32f>) {
        const V::F f = V::splat(factor);
        i = blocks(n, [&](Count k) { return V::mul(V::toF(V::loadI<S>(src + k)), f); },
                   [&](Count k, V::F v) { V::storeF(dst + k, v); });
    } else {
        i = blocks(n, [&](Count k) { return V::mulD(V::widenI(V::loadI<S>(src + k)), V::splatD(factor)); },
                   [&](Count k, V::D2 v) { V::storeD(dst + k, v); });
    }
    for (; i < n; ++i) dst[i] = static_cast<D>(src[i]) * factor;
}

template <class S, class D>
void floatToInt(const Store<S>* src, Store<D>* dst, Count n, Rnd mode, float factor)
{
    switch (mode) {
    case Rnd::Zero: floatToIntLoop<S, D, Rnd::Zero>(src, dst, n, factor); break;
    case Rnd::Near: floatToIntLoop<S, D, Rnd::Near>(src, dst, n, factor); break;
    default: floatToIntLoop<S, D, Rnd::Away>(src, dst, n, factor); break;
    }
}

// Scalar narrowing on the magnitude in an unsigned type twice as wide as the
// source, so the rounding increment and the shifts never overflow.
template <class S, class D, Rnd M>
void narrowLoop(const Store<S>* src, Store<D>* dst, Count i, Count n, int s)
{
    using U = std::conditional_t<(sizeof(Store<S>) >= 8), unsigned __int128, std::uint64_t>;
    constexpr int bits = static_cast<int>(sizeof(U) * 8);
    if (s > bits - 2) s = bits - 2;  // every result is 0 already well before
    if (s < -40) s = -40;            // every non-zero result saturates already
    const U maxPos = static_cast<U>(IntRange<D>::max);
    const U maxNeg = static_cast<U>(-static_cast<__int128>(IntRange<D>::min));
    const U half = s > 0 ? U(1) << (s - 1) : U(0);
    const U low = s > 0 ? (U(1) << s) - 1 : U(0);
    for (; i < n; ++i) {
        const std::int64_t x = static_cast<std::int64_t>(loadElem<S>(src, i));
        const bool neg = x < 0;
        const U m = neg ? U(0) - static_cast<U>(static_cast<__int128>(x)) : static_cast<U>(x);
        U q;
        if (s > 0) {
            q = m >> s;
            const U rem = m & low;
            if constexpr (M == Rnd::Near) q += (rem > half || (rem == half && (q & 1))) ? 1 : 0;
            else if constexpr (M == Rnd::Away) q += rem >= half ? 1 : 0;
        } else {
            q = m > ((neg ? maxNeg : maxPos) >> -s) ? ~U(0) : m << -s;
        }
        std::int64_t v;
        if (neg) v = q > maxNeg ? IntRange<D>::min : -static_cast<std::int64_t>(q);
        else v = q > maxPos ? IntRange<D>::max : static_cast<std::int64_t>(q);
        storeInt<D>(dst, i, v);
    }
}

using simd::add32;
using simd::and32;
using simd::clamp32;
using simd::gt32;
using simd::sll32;
using simd::splat32;
using simd::sra32;
using simd::sub32;

// Runs lane(x) over 32-bit source lanes: whole 512-bit registers where the
// build has them, then 8-element blocks.
template <class D, class Lane>
inline Count narrow32Lanes(const Orv32s* src, Store<D>* dst, Count n, Lane lane)
{
    Count i = 0;
#ifdef __AVX512F__
    i = blocks(n, [&](Count k) { return lane(V::loadI<Orv32s>(src + k)); },
               [&](Count k, V::I v) { V::storeI<D>(dst + k * units<D>, v); });
#endif
    for (; i + kStep <= n; i += kStep) {
        const simd::Halves32 x = simd::load8x32<ElemOf<Orv32s>>(src + i);
        simd::store8x32<ElemOf<D>>(dst + i * units<D>, simd::Halves32{lane(x.lo), lane(x.hi)});
    }
    return i;
}

// 32-bit signed sources to 16-bit or packed 24-bit with ties to even: an
// arithmetic shift gives floor(x / 2^s) and the remainder decides the
// increment, all within 32 bits; a left shift first clamps x to the
// smallest magnitude that already saturates, so it cannot overflow.
template <class D>
Count narrow32Block(const Orv32s* src, Store<D>* dst, Count n, int s)
{
    constexpr int destBits = same<D, Orv16s> ? 16 : 24;
    if (s > 30) return 0;  // handled by the scalar rule
    if (s > 0) {
        // q = floor(x / 2^s), r = x mod 2^s; round up when r > half, or
        // r == half and q is odd: exactly when r + (q & 1) > half, which
        // cannot overflow for s <= 30.
        const simd::ShiftCount count = simd::shiftCount(s);
        const int low = static_cast<int>((std::uint32_t(1) << s) - 1), half = static_cast<int>(std::uint32_t(1) << (s - 1));
        return narrow32Lanes<D>(src, dst, n, [&](auto x) {
            using T = decltype(x);
            const T q = sra32(x, count);
            const T r = add32(and32(x, splat32<T>(low)), and32(q, splat32<T>(1)));
            return sub32(q, gt32(r, splat32<T>(half)));  // the mask is -1 where rounding up
        });
    }
    const int k = -s < destBits ? -s : destBits;
    const int lim = ((1 << (destBits - 1)) >> k) + 1;
    const simd::ShiftCount count = simd::shiftCount(k);
    return narrow32Lanes<D>(src, dst, n, [&](auto x) {
        using T = decltype(x);
        return sll32(clamp32(x, splat32<T>(-lim), splat32<T>(lim)), count);
    });
}

template <class S, class D>
void narrowInt(const Store<S>* src, Store<D>* dst, Count n, Rnd mode, int s)
{
    Count i = 0;
    if (s == 0) {
        if constexpr (same<S, Orv32s> && (same<D, Orv16s> || is24<D>))
            i = blocks(n, [&](Count k) { return V::loadI<S>(src + k); },
                       [&](Count k, V::I v) { V::storeI<D>(dst + k * units<D>, v); });
        for (; i < n; ++i) {
            const std::int64_t x = loadElem<S>(src, i);
            storeInt<D>(dst, i, x > IntRange<D>::max ? IntRange<D>::max : x < IntRange<D>::min ? IntRange<D>::min : x);
        }
        return;
    }
    if constexpr (same<S, Orv32s> && (same<D, Orv16s> || same<D, Int24s>))
        if (mode == Rnd::Near) i = narrow32Block<D>(src, dst, n, s);
    switch (mode) {
    case Rnd::Zero: narrowLoop<S, D, Rnd::Zero>(src, dst, i, n, s); break;
    case Rnd::Near: narrowLoop<S, D, Rnd::Near>(src, dst, i, n, s); break;
    default: narrowLoop<S, D, Rnd::Away>(src, dst, i, n, s); break;
    }
}

template <class S>
void toHalf(const S* src, Orv16f* dst, Count n, bool nearest)
{
    Count i = 0;
#ifdef __F16C__
    auto body = [&](auto imm) {
        for (; i + V::n <= n; i += V::n) {
            V::F x;
            if constexpr (same<S, Orv32f>) x = V::loadF(src + i);
            else x = V::toF(V::loadI<S>(src + i));
            V::storeH<decltype(imm)::value>(dst + i, x);
        }
    };
    if (nearest) body(std::true_type{});
    else body(std::false_type{});
#endif
    for (; i < n; ++i) dst[i] = floatToHalf(static_cast<float>(src[i]), nearest);
}

} // namespace

// ---------------------------------------------------------------- the table

const KernelTable table = {
#define ORVS_ROW(S, D) &widen<S, D>,
    ORVS_CONVERT_WIDEN(ORVS_ROW)
#undef ORVS_ROW
#define ORVS_ROW(S, D) &scaleToFloat<S, D>,
    ORVS_CONVERT_SCALE(ORVS_ROW)
#undef ORVS_ROW
#define ORVS_ROW(S, D) &floatToInt<S, D>,
    ORVS_CONVERT_FLOAT_TO_INT(ORVS_ROW)
#undef ORVS_ROW
#define ORVS_ROW(S, D) &narrowInt<S, D>,
    ORVS_CONVERT_NARROW(ORVS_ROW)
#undef ORVS_ROW
#define ORVS_ROW(S, D) &toHalf<S>,
    ORVS_CONVERT_TO_HALF(ORVS_ROW)
#undef ORVS_ROW
};

} // namespace orvs::convert::ORVS_TARGET
