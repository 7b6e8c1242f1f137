// Element-wise kernels of the scaled arithmetic family, written once and
// compiled per instruction-set target (ORVS_TARGET); the table at the end
// holds this target's kernel of every member.
//
// Every loop body is branch-free over the elements: the scale factor selects
// one of five loops before the loop starts (s = 0, s = 1, s >= 2, negative s
// inside the scaled range, sign saturation below it), so the compiler turns
// each into vector code with a scalar remainder that computes the very same
// expression. Results therefore do not depend on alignment or position.
#if defined(__AVX512F__)
// GCC 12 reports the placeholder operand of some AVX-512 intrinsics as
// possibly uninitialised (a false positive of its headers).
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#pragma GCC diagnostic ignored "-Wuninitialized"
#endif
#include <immintrin.h>

#include <cstddef>
#include <cstdint>
#include <limits>
#include <type_traits>

#include "arith/scaled/scaled_kernels.h"
#include "arith/scaled/scaled_members.h"
#include "core/simd/simd.h"

namespace orvs::scaled::ORVS_TARGET {
namespace {

// Saturation to the range of O; floating destinations pass through.
template <class O, class W>
ORVS_ARITH_INLINE O clampTo(W r)
{
    if constexpr (std::is_floating_point_v<O>) {
        return static_cast<O>(r);
    } else {
        constexpr W lo = static_cast<W>(std::numeric_limits<O>::min());
        constexpr W hi = static_cast<W>(std::numeric_limits<O>::max());
        return static_cast<O>(r < lo ? lo : (r > hi ? hi : r));
    }
}

// ---- the five scaled forms of one exact result r ---------------------------

template <class O, class W>
struct Saturate {
    ORVS_ARITH_INLINE O operator()(W r) const { return clampTo<O>(r); }
};

// s = 1: halving with ties to even needs no bias.
template <class O, class W>
struct Halve {
    ORVS_ARITH_INLINE O operator()(W r) const { return clampTo<O>((r + ((r >> 1) & 1)) >> 1); }
};

// s >= 2: (r + 2^(s-1) - 1 + ((r >> s) & 1)) >> s, ties to even. The wide
// type of each operation leaves room for the bias of its largest s.
template <class O, class W>
struct RoundShift {
    int s;
    W bias;
    ORVS_ARITH_INLINE O operator()(W r) const { return clampTo<O>((r + bias + ((r >> s) & 1)) >> s); }
};

// s < 0: r * 2^k saturated. r is first clamped to the smallest interval
// outside which the shifted value saturates anyway, so the shift cannot
// overflow the wide type.
template <class O, class W>
struct ShiftUp {
    int k;
    W lo, hi;
    ORVS_ARITH_INLINE O operator()(W r) const
    {
        using U = typename UnsignedOf<W>::type;
        const W c = r < lo ? lo : (r > hi ? hi : r);
        return clampTo<O>(static_cast<W>(static_cast<U>(c) << k));
    }
};

template <class O, class W>
ORVS_ARITH_INLINE ShiftUp<O, W> shiftUpScalar(int k)
{
    const W hi = (static_cast<W>(std::numeric_limits<O>::max()) >> k) + 1;
    const W lo = (static_cast<W>(std::numeric_limits<O>::min()) >> k) - 1;
    return ShiftUp<O, W>{k, lo, hi};
}

// Beyond the scaled range every non-zero result saturates by its sign.
template <class O, class W>
struct SignOf {
    ORVS_ARITH_INLINE O operator()(W r) const
    {
        constexpr O hi = std::numeric_limits<O>::max();
        constexpr O lo = std::numeric_limits<O>::min();
        return r > 0 ? hi : (r < 0 ? lo : O(0));
    }
};

// Low 32 bits of a 64-bit product, shifted without rounding or saturation.
struct LowBits {
    ORVS_ARITH_INLINE Orv32s operator()(std::int64_t r) const { return static_cast<Orv32s>(static_cast<std::uint32_t>(r)); }
};
struct LowShiftDown {
    int s;
    ORVS_ARITH_INLINE Orv32s operator()(std::int64_t r) const
    {
        return static_cast<Orv32s>(static_cast<std::uint32_t>(r >> s));
    }
};
struct LowShiftUp {
    int k;
    ORVS_ARITH_INLINE Orv32s operator()(std::int64_t r) const
    {
        return static_cast<Orv32s>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(r) << k));
    }
};

// ---- the loop ---------------------------------------------------------------

template <class Op, class X, class Y, class F>
ORVS_ARITH_INLINE void run(X x, Y y, typename Op::Dst* d, int len, F f)
{
    using D = typename Op::Dst;
    const std::ptrdiff_t n = len;
    for (std::ptrdiff_t i = 0; i < n; ++i) {
        const auto r = [&] {
            if constexpr (Op::kAccumulate) return Op::exact(x[i], y[i], d[i]);
            else return Op::exact(x[i], y[i]);
        }();
        if constexpr (isComplex<D>) d[i] = D{f(r.re), f(r.im)};
        else d[i] = f(r);
    }
}

// ---- integer lanes: 16-bit and 32-bit sums, differences and products -------
// Hand-written because the compiler's own narrowing of a clamped wide value
// costs several instructions per element, and it leaves 64-bit
// intermediates scalar. Sums and differences stay in lanes of their own
// width (see halfOf); 16-bit products are widened by unpacking the low and
// high halves of the products, scaled in 32-bit lanes and packed back with
// saturation (the packs undo the unpacking order, so no lane crossing is
// needed); 32-bit products, real and complex, are scaled in 64-bit lanes.
// Every kernel below is written over the integer vector of the target
// (core/simd/int_lanes.h). The remainder is one masked register with 64-byte
// registers and runs the scalar forms otherwise; both give the same value
// for every element.

using Lanes16 = simd::IntVec;
using simd::IntLanes;
using Lanes64 = simd::Int64Lanes;


template <class Op>
constexpr bool kFast16 = Op::kForm != Form::Other && std::is_same_v<typename Op::Wide, std::int32_t> &&
                         std::is_same_v<typename Op::Src1, typename Op::Dst> &&
                         std::is_same_v<typename Op::Src2, typename Op::Dst> &&
                         (std::is_same_v<typename Op::Dst, Orv16s> ||
                          (std::is_same_v<typename Op::Dst, Orv16u> && Op::kForm != Form::Prod));

// Sums and differences of 16-bit and signed 32-bit components, real or
// complex, that stay in lanes of their own width: every one at s = 0 (the
// saturating instructions), and for s >= 1 the signed ones and the unsigned
// sums (an unsigned difference saturates at 0 and widens instead).
template <class Op>
constexpr bool kSameLanes = [] {
    using D = typename Op::Dst;
    using C = ComponentT<D>;
    if (!std::is_same_v<typename Op::Src1, D> || !std::is_same_v<typename Op::Src2, D> || Op::kAccumulate) return false;
    if (Op::kForm != Form::Sum && Op::kForm != Form::DiffAB && Op::kForm != Form::DiffBA) return false;
    return std::is_same_v<C, Orv16s> || std::is_same_v<C, Orv16u> || std::is_same_v<C, Orv32s>;
}();
template <class Op>
constexpr bool kHalfLanes = kSameLanes<Op> && (std::is_signed_v<ComponentT<typename Op::Dst>> || Op::kForm == Form::Sum);


// The operands p, q of r = p + q or r = p - q, in the order of the form.
template <class Op, class V>
ORVS_ARITH_INLINE void operandsOf(V a, V b, V& p, V& q)
{
    if constexpr (Op::kForm == Form::DiffBA) p = b, q = a;
    else p = a, q = b;
}

// floor(r / 2) in lanes of the component width, and x whose bit 0 is r & 1:
// floor((p + q) / 2) = (p & q) + ((p ^ q) >> 1),
// floor((p - q) / 2) = ((p ^ q) >> 1) - (~p & q).
template <class Op, class L>
ORVS_ARITH_INLINE typename L::V halfOf(typename L::V a, typename L::V b, typename L::V& x)
{
    typename L::V p, q;
    operandsOf<Op>(a, b, p, q);
    x = L::bxor(p, q);
    if constexpr (Op::kForm == Form::Sum) return L::addE(L::band(p, q), L::shr1(x));
    else return L::subE(L::shr1(x), L::bandnot(p, q));
}

// s = 0: saturating sums and differences.
template <class Op, class L>
struct SaturateLanes {
    ORVS_ARITH_INLINE typename L::V operator()(typename L::V a, typename L::V b) const
    {
        typename L::V p, q;
        operandsOf<Op>(a, b, p, q);
        if constexpr (Op::kForm == Form::Sum) return L::addsE(p, q);
        else return L::subsE(p, q);
    }
};

// s = 1: r / 2 = h + c / 2; a tie moves an odd h up to the even neighbour,
// saturating (the signed difference 2^w - 1 rounds to 2^(w-1)).
template <class Op, class L>
struct HalveLanes {
    ORVS_ARITH_INLINE typename L::V operator()(typename L::V a, typename L::V b) const
    {
        typename L::V x;
        const typename L::V h = halfOf<Op, L>(a, b, x);
        const typename L::V up = L::band(L::band(x, h), L::set(1));
        if constexpr (L::kSigned && Op::kForm != Form::Sum) return L::addsE(h, up);
        else return L::addE(h, up);  // a sum's half never overflows
    }
};

// s >= 2, t = s - 1: q = floor(r / 2^s) = h >> t, and the remainder
// r - q 2^s = 2 low + c with low = h mod 2^t. Ties to even round up when
// 2 low + c + (q & 1) > 2^t, that is when low > 2^(t-1) - ((c | q) & 1);
// both sides fit the signed lane for t below the lane width. The quotient
// of a sum or difference by 4 or more needs no saturation.
template <class Op, class L>
struct RoundShiftLanes {
    simd::ShiftCount count;          // t
    typename L::V mask, half;  // 2^t - 1, 2^(t-1)
    ORVS_ARITH_INLINE typename L::V operator()(typename L::V a, typename L::V b) const
    {
        typename L::V x;
        const typename L::V h = halfOf<Op, L>(a, b, x);
        const typename L::V q = L::shr(h, count);
        const typename L::V up = L::band(L::bor(x, q), L::set(1));
        return L::incGtE(q, L::band(h, mask), L::subE(half, up));
    }
};

// Products of signed 32-bit operands (real, vector or constant): the exact
// products of the even and of the odd lanes in 64-bit lanes, scaled there
// for s >= 0 and clamped to 32 bits, then interleaved back.
template <class Op>
constexpr bool kProd32 = Op::kForm == Form::Prod && !Op::kAccumulate && std::is_same_v<typename Op::Dst, Orv32s> &&
                         std::is_same_v<typename Op::Src1, Orv32s> && std::is_same_v<typename Op::Src2, Orv32s>;

// s = 0: the product itself.
struct Keep64 {
    ORVS_ARITH_INLINE Lanes16::V operator()(Lanes16::V p) const { return p; }
};
// s >= 1: (p + 2^(s-1) - 1 + ((p >> s) & 1)) >> s, which cannot overflow for
// |p| <= 2^62 and s <= 62.
struct RoundShift64 {
    simd::ShiftCount count;
    Lanes16::V bias;
    ORVS_ARITH_INLINE Lanes16::V operator()(Lanes16::V p) const
    {
        using L = Lanes16;
        return L::sra64(L::add64(L::add64(p, bias), L::band(L::srl64(p, count), L::set64(1))), count);
    }
};

template <class G>
struct Product32 {
    G g;
    ORVS_ARITH_INLINE Lanes16::V operator()(Lanes16::V a, Lanes16::V b) const
    {
        using L = Lanes16;
        const L::V lo = L::set64(INT32_MIN), hi = L::set64(INT32_MAX);
        const L::V even = L::clamp64(g(L::mul32(a, b)), lo, hi);
        const L::V odd = L::clamp64(g(L::mul32(L::srli64(a, 32), L::srli64(b, 32))), lo, hi);
        return L::evenOdd32(even, L::slli64(odd, 32));
    }
};

// The 32-bit-lane counterparts of Saturate, Halve, RoundShift, ShiftUp,
// SignOf; the saturating pack does the final clamp.
struct SaturateV {
    ORVS_ARITH_INLINE Lanes16::V operator()(Lanes16::V r) const { return r; }
};
struct HalveV {
    ORVS_ARITH_INLINE Lanes16::V operator()(Lanes16::V r) const
    {
        using L = Lanes16;
        return L::srai(L::add(r, L::band(L::srai(r, 1), L::set32(1))), 1);
    }
};
struct RoundShiftV {
    simd::ShiftCount count;
    Lanes16::V bias;
    ORVS_ARITH_INLINE Lanes16::V operator()(Lanes16::V r) const
    {
        using L = Lanes16;
        return L::sra(L::add(L::add(r, bias), L::band(L::sra(r, count), L::set32(1))), count);
    }
};
struct ShiftUpV {
    simd::ShiftCount count;
    Lanes16::V lo, hi;
    ORVS_ARITH_INLINE Lanes16::V operator()(Lanes16::V r) const
    {
        return Lanes16::sll(Lanes16::min(Lanes16::max(r, lo), hi), count);
    }
};
struct SignOfV {
    ORVS_ARITH_INLINE Lanes16::V operator()(Lanes16::V r) const
    {
        using L = Lanes16;
        return L::slli(L::min(L::max(r, L::set32(-1)), L::set32(1)), 16);
    }
};

// s = 15 on signed 16-bit products (Q15 products) without widening: the
// rounding multiply gives floor((p + 2^14) / 2^15), which differs from ties
// to even only on a tie (the low 15 bits of p are 2^14) with an odd result,
// and wraps to -32768 only for (-32768)^2 = 2^30, whose quotient 2^15
// saturates to 32767 (no other product comes within 2^15 of -2^30, so
// -32768 never appears otherwise, also not after the tie correction).
struct Q15Lanes {
    ORVS_ARITH_INLINE Lanes16::V operator()(Lanes16::V a, Lanes16::V b) const
    {
        using L = Lanes16;
        const L::V r = L::mulhrs16(a, b);
        const L::V tie = L::cmpeq16(L::band(L::mullo16(a, b), L::set16(0x7FFF)), L::set16(0x4000));
        const L::V down = L::band(L::band(tie, r), L::set16(1));
        return L::add16(L::sub16(r, down), L::cmpeq16(r, L::set16(-32768)));
    }
};

// Everything else: the exact result in two registers of 32-bit lanes (from
// the low and high halves), scaled there by fv; the saturating pack does
// the final clamp and undoes the unpacking order.
template <class Op, class FV>
struct Wide16 {
    FV fv;
    ORVS_ARITH_INLINE Lanes16::V operator()(Lanes16::V a, Lanes16::V b) const
    {
        using L = Lanes16;
        using V = L::V;
        constexpr bool kSigned = std::is_signed_v<typename Op::Dst>;
        auto widenLo = [](V v) { return kSigned ? L::srai(L::lo16(v, v), 16) : L::lo16(v, L::zero()); };
        auto widenHi = [](V v) { return kSigned ? L::srai(L::hi16(v, v), 16) : L::hi16(v, L::zero()); };
        V lo, hi;
        if constexpr (Op::kForm == Form::Prod) {
            const V pl = L::mullo16(a, b), ph = L::mulhi16(a, b);
            lo = L::lo16(pl, ph);
            hi = L::hi16(pl, ph);
        } else {
            V p, q;
            operandsOf<Op>(a, b, p, q);
            if constexpr (Op::kForm == Form::Sum) {
                lo = L::add(widenLo(p), widenLo(q));
                hi = L::add(widenHi(p), widenHi(q));
            } else {
                lo = L::sub(widenLo(p), widenLo(q));
                hi = L::sub(widenHi(p), widenHi(q));
            }
        }
        lo = fv(lo);
        hi = fv(hi);
        return kSigned ? L::packs(lo, hi) : L::packus(lo, hi);
    }
};

// s < 0 on 32-bit products: p clamped to the interval outside which p 2^k
// saturates anyway, then shifted in the 64-bit lane (the final clamp to 32
// bits follows in Product32).
struct ShiftUp64 {
    simd::ShiftCount count;
    Lanes16::V lo, hi;  // (INT32_MIN >> k) - 1, (INT32_MAX >> k) + 1
    ORVS_ARITH_INLINE Lanes16::V operator()(Lanes16::V p) const
    {
        return Lanes16::sll64(Lanes16::clamp64(p, lo, hi), count);
    }
};

// Complex products of 32-bit components: the four 64-bit products of the
// even and odd lanes, each component one sum x + y of two of them (the real
// part with the negated ai bi), scaled by g in 64-bit lanes as a 65-bit sum,
// clamped to 32 bits and interleaved back.
template <class Op>
constexpr bool kProd32c = Op::kForm == Form::Prod && !Op::kAccumulate && std::is_same_v<typename Op::Src1, Orv32sc> &&
                          std::is_same_v<typename Op::Src2, Orv32sc> && std::is_same_v<typename Op::Dst, Orv32sc>;

template <class G>
struct ComplexProduct32 {
    G g;
    ORVS_ARITH_INLINE Lanes16::V operator()(Lanes16::V a, Lanes16::V b) const
    {
        using L = Lanes16;
        using V = L::V;
        const V ao = L::srli64(a, 32), bo = L::srli64(b, 32);
        const V lo = L::set64(INT32_MIN), hi = L::set64(INT32_MAX);
        const V re = L::clamp64(g(L::mul32(a, b), L::sub64(L::zero(), L::mul32(ao, bo))), lo, hi);
        const V im = L::clamp64(g(L::mul32(a, bo), L::mul32(ao, b)), lo, hi);
        return L::evenOdd32(re, L::slli64(im, 32));
    }
};

// s < 0 on such a sum: saturated to 64 bits, then clamped and shifted.
struct ShiftUpSum64 {
    ShiftUp64 up;
    ORVS_ARITH_INLINE Lanes16::V operator()(Lanes16::V x, Lanes16::V y) const { return up(Lanes64::addsE(x, y)); }
};

// s < 0 on 32-bit sums and differences: the saturated result r, shifted
// where it stays inside the range and replaced by the limit where r lies
// beyond INT32_MAX >> k or INT32_MIN >> k (an exact result beyond 32 bits
// saturates to the limit of its sign first, which lies beyond as well).
template <class Op, class L>
struct ShiftUpLanes {
    simd::ShiftCount count;
    typename L::V lo, hi;  // MIN >> k, MAX >> k of the component type
    ORVS_ARITH_INLINE typename L::V operator()(typename L::V a, typename L::V b) const
    {
        const typename L::V r = SaturateLanes<Op, L>{}(a, b);
        if constexpr (L::kWide) {
            const typename L::V t = L::sll(L::min(L::max(r, lo), hi), count);
            return L::setIfGt32(L::setIfGt32(t, r, hi, L::set32(INT32_MAX)), lo, r, L::set32(INT32_MIN));
        } else {
            const typename L::V t = L::sll16(L::min16(L::max16(r, lo), hi), count);
            return L::setIfGt16(L::setIfGt16(t, r, hi, L::set16(32767)), lo, r, L::set16(-32768));
        }
    }
};

// Complex products of 16-bit components. The four 32-bit products come from
// the low and high halves of the products with b and with b's halves
// swapped; each 64-bit lane then holds x = (ar br, ar bi) and
// y = (-ai bi, ai br), so that both components are one 33-bit sum x + y,
// scaled by g in 32-bit lanes as the sums are; the saturating pack narrows
// and restores the element order.
struct SumForm {
    static constexpr Form kForm = Form::Sum;
};
template <class Op>
constexpr bool kProd16c = Op::kForm == Form::Prod && !Op::kAccumulate && std::is_same_v<typename Op::Src1, Orv16sc> &&
                          std::is_same_v<typename Op::Src2, Orv16sc> && std::is_same_v<typename Op::Dst, Orv16sc>;

template <class G>
struct ComplexProduct16 {
    G g;
    ORVS_ARITH_INLINE Lanes16::V operator()(Lanes16::V a, Lanes16::V b) const
    {
        using L = Lanes16;
        using V = L::V;
        const V bs = L::rot16(b);
        const V pl = L::mullo16(a, b), ph = L::mulhi16(a, b);    // ar br, ai bi
        const V ql = L::mullo16(a, bs), qh = L::mulhi16(a, bs);  // ar bi, ai br
        auto half = [&](V p, V q) __attribute__((always_inline)) {
            const V x = L::evenOdd32(p, L::slli64(q, 32));
            const V y = L::evenOdd32(L::sub(L::zero(), L::srli64(p, 32)), q);
            return g(x, y);
        };
        return L::packs(half(L::lo16(pl, ph), L::lo16(ql, qh)), half(L::hi16(pl, ph), L::hi16(ql, qh)));
    }
};

// acc + a b on 16-bit operands and accumulator: the exact value fits 32
// bits; scaled there by fv and packed with saturation.
template <class Op>
constexpr bool kAddProd16 = Op::kAccumulate && std::is_same_v<typename Op::Src1, Orv16s> &&
                            std::is_same_v<typename Op::Src2, Orv16s> && std::is_same_v<typename Op::Dst, Orv16s>;

template <class FV>
struct AddProduct16 {
    FV fv;
    ORVS_ARITH_INLINE Lanes16::V operator()(Lanes16::V a, Lanes16::V b, Lanes16::V acc) const
    {
        using L = Lanes16;
        const L::V pl = L::mullo16(a, b), ph = L::mulhi16(a, b);
        const L::V lo = L::add(L::lo16(pl, ph), L::srai(L::lo16(acc, acc), 16));
        const L::V hi = L::add(L::hi16(pl, ph), L::srai(L::hi16(acc, acc), 16));
        return L::packs(fv(lo), fv(hi));
    }
};

// 1 <= s <= 31 on any signed 32-bit r, without the bias addition (which
// could overflow): q = r >> s rounds up when the remainder exceeds
// 2^(s-1) - (q & 1).
struct RoundShiftRemV {
    simd::ShiftCount count;
    Lanes16::V mask, half;  // 2^s - 1, 2^(s-1)
    ORVS_ARITH_INLINE Lanes16::V operator()(Lanes16::V r) const
    {
        using L = Lanes16;
        const L::V q = L::sra(r, count);
        return L::incGt32(q, L::band(r, mask), L::sub(half, L::band(q, L::set32(1))));
    }
};

// Unsigned 16-bit products, up to 2^32 - 2^17 + 1: scaled in unsigned 32-bit
// lanes and packed (every scaled value is first brought to 0 .. 65535).
template <class Op>
constexpr bool kProdU16 = Op::kForm == Form::Prod && !Op::kAccumulate && std::is_same_v<typename Op::Src1, Orv16u> &&
                          std::is_same_v<typename Op::Src2, Orv16u> && std::is_same_v<typename Op::Dst, Orv16u>;

template <class FV>
struct ProductU16 {
    FV fv;
    ORVS_ARITH_INLINE Lanes16::V operator()(Lanes16::V a, Lanes16::V b) const
    {
        using L = Lanes16;
        const L::V pl = L::mullo16(a, b), ph = L::mulhiu16(a, b);
        return L::packus(fv(L::lo16(pl, ph)), fv(L::hi16(pl, ph)));
    }
};
struct SaturateU32V {
    ORVS_ARITH_INLINE Lanes16::V operator()(Lanes16::V r) const { return Lanes16::minu32(r, Lanes16::set32(65535)); }
};
// 1 <= s <= 31: q = r >> s rounds up when the remainder exceeds
// 2^(s-1) - (q & 1); both sides are below 2^31, so the signed comparison holds.
struct RoundShiftU32V {
    simd::ShiftCount count;
    Lanes16::V mask, half;  // 2^s - 1, 2^(s-1)
    ORVS_ARITH_INLINE Lanes16::V operator()(Lanes16::V r) const
    {
        using L = Lanes16;
        const L::V q = L::srl32(r, count);
        const L::V t = L::sub(half, L::band(q, L::set32(1)));
        return L::minu32(L::incGt32(q, L::band(r, mask), t), L::set32(65535));
    }
};
// -15 <= s <= -1: r clamped to (65535 >> k) + 1 before the shift, so the
// shifted value exceeds 65535 exactly where r 2^k does.
struct ShiftUpU32V {
    simd::ShiftCount count;
    Lanes16::V lim;
    ORVS_ARITH_INLINE Lanes16::V operator()(Lanes16::V r) const
    {
        using L = Lanes16;
        return L::minu32(L::sll(L::minu32(r, lim), count), L::set32(65535));
    }
};

// ---- sign saturation in lanes -------------------------------------------------
// Below the scaled range every output is the maximum, the minimum or 0 by the
// sign of the exact result. A saturated result keeps that sign, so the lane
// paths map their own s = 0 result: signed components to MAX / MIN / 0,
// unsigned ones (never negative after saturation) to MAX / 0.
template <class C>
ORVS_ARITH_INLINE Lanes16::V signMap(Lanes16::V r)
{
    using L = Lanes16;
    const L::V z = L::zero();
    if constexpr (std::is_same_v<C, Orv16u>) {
        return L::bandnot(L::cmpeq16(r, z), L::set16(-1));
    } else if constexpr (sizeof(C) == 2) {
        return L::setIfGt16(L::setIfGt16(z, r, z, L::set16(32767)), z, r, L::set16(-32768));
    } else {
        return L::setIfGt32(L::setIfGt32(z, r, z, L::set32(INT32_MAX)), z, r, L::set32(INT32_MIN));
    }
}

// The s = 0 form g of a lane path, its result mapped by sign.
template <class G, class C>
struct SignOfLanes {
    G g;
    template <class... V>
    ORVS_ARITH_INLINE Lanes16::V operator()(V... v) const
    {
        return signMap<C>(g(v...));
    }
};

// The sign of a 32-bit product without forming it: MAX where the operands
// agree in sign, MIN where they differ, 0 where either is 0.
struct ProductSign32 {
    ORVS_ARITH_INLINE Lanes16::V operator()(Lanes16::V a, Lanes16::V b) const
    {
        using L = Lanes16;
        const L::V z = L::zero();
        const L::V r = L::bxor(L::srai(L::bxor(a, b), 31), L::set32(INT32_MAX));
        return L::bandnot(L::bor(L::cmpeq32(a, z), L::cmpeq32(b, z)), r);
    }
};

// The same on an exact 32-bit value (the 32-bit-lane counterpart of SignOf
// for 32-bit destinations).
struct SignMap32V {
    ORVS_ARITH_INLINE Lanes16::V operator()(Lanes16::V r) const { return signMap<Orv32s>(r); }
};

// s = 32 on unsigned 16-bit products (r < 2^32): the quotient is 1 where r
// exceeds 2^31 and 0 otherwise (2^31 itself is a tie and rounds to the even 0).
struct RoundTopU32V {
    ORVS_ARITH_INLINE Lanes16::V operator()(Lanes16::V r) const
    {
        using L = Lanes16;
        return L::band(L::cmpgt32(L::bxor(r, L::set32(INT32_MIN)), L::zero()), L::set32(1));
    }
};

// -30 <= s <= -1 on an exact 32-bit value with a 32-bit destination: shifted
// where it stays inside the range, the limit of its sign beyond MAX >> k or
// MIN >> k.
struct ShiftUpSat32V {
    simd::ShiftCount count;
    Lanes16::V lo, hi;  // INT32_MIN >> k, INT32_MAX >> k
    ORVS_ARITH_INLINE Lanes16::V operator()(Lanes16::V r) const
    {
        using L = Lanes16;
        const L::V t = L::sll(L::min(L::max(r, lo), hi), count);
        return L::setIfGt32(L::setIfGt32(t, r, hi, L::set32(INT32_MAX)), lo, r, L::set32(INT32_MIN));
    }
};

// ---- mixed operand widths -----------------------------------------------------
// Whole registers, or (64-byte registers) the first m elements of one.
template <bool kPart, class L, class C>
ORVS_ARITH_INLINE typename L::V widenLoad(const C* p, std::ptrdiff_t m)
{
    if constexpr (kPart) return L::widenPart(p, m);
    else return L::widen(p);
}
template <bool kPart, class L>
ORVS_ARITH_INLINE typename L::V dupLoad(const Orv32s* p, std::ptrdiff_t m)
{
    if constexpr (kPart) return L::dup32Part(p, m);
    else return L::dup32(p);
}
template <bool kPart, class L>
ORVS_ARITH_INLINE typename L::V load32(const Orv32s* p, std::ptrdiff_t m)
{
    if constexpr (kPart) return L::loadPart(p, m);
    else return L::load(p);
}
template <bool kPart, class L>
ORVS_ARITH_INLINE void store32(Orv32s* p, std::ptrdiff_t m, typename L::V v)
{
    if constexpr (kPart) L::storePart(p, m, v);
    else L::store(p, v);
}
template <bool kPart, class L>
ORVS_ARITH_INLINE void storeNarrow16(Orv16s* p, std::ptrdiff_t m, typename L::V v)
{
    if constexpr (kPart) L::storeNarrowPart(p, m, v);
    else L::storeNarrow(p, v);
}

// Products of 16-bit operands (Mul_16s32s, Mul_16u16s): both widened to
// 32-bit lanes, where the product is exact (|a b| < 2^31 also for an unsigned
// first operand), scaled there by fv and stored as 32-bit values or narrowed
// with saturation to 16 bits.
template <class Op>
constexpr bool kProd16Mixed = Op::kForm == Form::Prod && !Op::kAccumulate &&
                              std::is_same_v<typename Op::Src2, Orv16s> &&
                              ((std::is_same_v<typename Op::Src1, Orv16s> && std::is_same_v<typename Op::Dst, Orv32s>) ||
                               (std::is_same_v<typename Op::Src1, Orv16u> && std::is_same_v<typename Op::Dst, Orv16s>));

template <class FV>
struct Product16Mixed {
    FV fv;
    static constexpr std::ptrdiff_t kStep = sizeof(Lanes16::V) / 4;
    template <bool kPart, class A, class B, class D>
    ORVS_ARITH_INLINE void go(const A* a, const B* b, D* d, std::ptrdiff_t m) const
    {
        using L = Lanes16;
        const L::V r = fv(L::mullo32(widenLoad<kPart, L>(a, m), widenLoad<kPart, L>(b, m)));
        if constexpr (sizeof(D) == 2) storeNarrow16<kPart, L>(d, m, r);
        else store32<kPart, L>(d, m, r);
    }
};

// acc + a b with 16-bit operands and a 32-bit accumulator (AddProduct_16s32s):
// the product is exact in the 32-bit lane and the 33-bit sum is scaled by g
// as the 32-bit sums are (g takes the two addends).
template <class Op>
constexpr bool kAddProd16Mixed = Op::kAccumulate && std::is_same_v<typename Op::Src1, Orv16s> &&
                                 std::is_same_v<typename Op::Src2, Orv16s> && std::is_same_v<typename Op::Dst, Orv32s>;

template <class G>
struct AddProduct16Mixed {
    G g;
    static constexpr std::ptrdiff_t kStep = sizeof(Lanes16::V) / 4;
    template <bool kPart>
    ORVS_ARITH_INLINE void go(const Orv16s* a, const Orv16s* b, Orv32s* d, std::ptrdiff_t m) const
    {
        using L = Lanes16;
        const L::V p = L::mullo32(widenLoad<kPart, L>(a, m), widenLoad<kPart, L>(b, m));
        store32<kPart, L>(d, m, g(load32<kPart, L>(d, m), p));
    }
};

// A 16-bit vector added into a 32-bit accumulator (Add_16s32s_I, the
// accumulator being the second operand and the destination): widened and
// added with 32-bit saturation.
template <class Op>
constexpr bool kAddInto16 = std::is_same_v<Op, AddInto<Orv16s, Orv32s, typename Op::Wide>>;

struct AddInto16 {
    static constexpr std::ptrdiff_t kStep = sizeof(Lanes16::V) / 4;
    template <bool kPart>
    ORVS_ARITH_INLINE void go(const Orv16s* a, const Orv32s* acc, Orv32s* d, std::ptrdiff_t m) const
    {
        using L = IntLanes<Orv32s>;
        store32<kPart, L>(d, m, L::addsE(load32<kPart, L>(acc, m), widenLoad<kPart, L>(a, m)));
    }
};

// A 32-bit real operand times a complex one of 32-bit components
// (Mul_32s32sc): each real value repeated in both halves of a 64-bit lane
// faces the (re, im) pair of its element, so the even and odd products of
// Product32 are the two components.
template <class Op>
constexpr bool kProd32Mixed = Op::kForm == Form::Prod && !Op::kAccumulate && std::is_same_v<typename Op::Src1, Orv32s> &&
                              std::is_same_v<typename Op::Src2, Orv32sc> && std::is_same_v<typename Op::Dst, Orv32sc>;

template <class P>
struct RealComplex32 {
    P product;  // Product32<G>, or it mapped by sign
    static constexpr std::ptrdiff_t kStep = sizeof(Lanes16::V) / 8;
    template <bool kPart>
    ORVS_ARITH_INLINE void go(const Orv32s* a, const Orv32sc* b, Orv32sc* d, std::ptrdiff_t m) const
    {
        using L = Lanes16;
        const L::V x = dupLoad<kPart, L>(a, m);
        const L::V y = load32<kPart, L>(reinterpret_cast<const Orv32s*>(b), 2 * m);
        store32<kPart, L>(reinterpret_cast<Orv32s*>(d), 2 * m, product(x, y));
    }
};

// acc + a b on 32-bit operands and accumulator (AddProduct_32s): the even
// and odd 64-bit products plus the sign-extended accumulator (below 2^62 +
// 2^31 in magnitude), scaled by g in 64-bit lanes as the 32-bit products
// are, clamped to 32 bits and interleaved back.
template <class Op>
constexpr bool kAddProd32 = Op::kAccumulate && std::is_same_v<typename Op::Src1, Orv32s> &&
                            std::is_same_v<typename Op::Src2, Orv32s> && std::is_same_v<typename Op::Dst, Orv32s>;

template <class G>
struct AddProduct32 {
    G g;
    ORVS_ARITH_INLINE Lanes16::V operator()(Lanes16::V a, Lanes16::V b, Lanes16::V acc) const
    {
        using L = Lanes16;
        // The signed product by 1 sign-extends the low half of each 64-bit
        // lane (one instruction where a 64-bit arithmetic shift is emulated).
        const L::V one = L::set64(1);
        const L::V lo = L::set64(INT32_MIN), hi = L::set64(INT32_MAX);
        const L::V even = L::add64(L::mul32(a, b), L::mul32(acc, one));
        const L::V odd = L::add64(L::mul32(L::srli64(a, 32), L::srli64(b, 32)), L::mul32(L::srli64(acc, 32), one));
        return L::evenOdd32(L::clamp64(g(even), lo, hi), L::slli64(L::clamp64(g(odd), lo, hi), 32));
    }
};

// ---- unsigned bytes ---------------------------------------------------------------
// 8u sums, differences and products: the bytes of a register unpacked into
// 16-bit lanes, where every exact result fits (sums and differences as
// signed values in [-255, 510], products as unsigned values up to 65025),
// scaled there by fv and packed back with unsigned saturation.
template <class Op>
constexpr bool kByte = !Op::kAccumulate && Op::kForm != Form::Other && std::is_same_v<typename Op::Src1, Orv8u> &&
                       std::is_same_v<typename Op::Src2, Orv8u> && std::is_same_v<typename Op::Dst, Orv8u>;

struct Lanes8 : Lanes16 {
    static constexpr std::ptrdiff_t kCount = sizeof(V);
    static V set(Orv8u v) { return set8(v); }
};

template <class Op, class FV>
struct Wide8 {
    FV fv;
    ORVS_ARITH_INLINE Lanes16::V operator()(Lanes16::V a, Lanes16::V b) const
    {
        using L = Lanes16;
        using V = L::V;
        auto exact = [](V p, V q) __attribute__((always_inline)) {
            if constexpr (Op::kForm == Form::Sum) return L::add16(p, q);
            else if constexpr (Op::kForm == Form::DiffAB) return L::sub16(p, q);
            else if constexpr (Op::kForm == Form::DiffBA) return L::sub16(q, p);
            else return L::mullo16(p, q);
        };
        const V z = L::zero();
        return L::packus16(fv(exact(L::lo8(a, z), L::lo8(b, z))), fv(exact(L::hi8(a, z), L::hi8(b, z))));
    }
};

// Scaled forms on 16-bit lanes. Sums and differences are signed values
// (the pack clamps them); products are unsigned and are brought below 2^15
// before the pack.
struct Keep16V {
    ORVS_ARITH_INLINE Lanes16::V operator()(Lanes16::V r) const { return r; }
};
struct MinU16V {  // products, s = 0: at most 255
    ORVS_ARITH_INLINE Lanes16::V operator()(Lanes16::V r) const { return Lanes16::minu16(r, Lanes16::set16(255)); }
};
struct Halve16V {  // sums and differences, s = 1
    ORVS_ARITH_INLINE Lanes16::V operator()(Lanes16::V r) const
    {
        using L = Lanes16;
        return L::srai16(L::add16(r, L::band(L::srai16(r, 1), L::set16(1))), 1);
    }
};
struct RoundShift16V {  // sums and differences, 2 <= s <= 9: r + bias stays below 2^15
    simd::ShiftCount count;
    Lanes16::V bias;  // 2^(s-1) - 1
    ORVS_ARITH_INLINE Lanes16::V operator()(Lanes16::V r) const
    {
        using L = Lanes16;
        return L::sra16(L::add16(L::add16(r, bias), L::band(L::sra16(r, count), L::set16(1))), count);
    }
};
struct ShiftUp16V {  // sums and differences, s < 0: clamped to [-1, (255 >> k) + 1] first
    simd::ShiftCount count;
    Lanes16::V lo, hi;
    ORVS_ARITH_INLINE Lanes16::V operator()(Lanes16::V r) const
    {
        return Lanes16::sll16(Lanes16::min16(Lanes16::max16(r, lo), hi), count);
    }
};
struct Positive16V {  // sums and differences below the range: 255 where r > 0
    ORVS_ARITH_INLINE Lanes16::V operator()(Lanes16::V r) const
    {
        return Lanes16::srli16(Lanes16::cmpgt16(r, Lanes16::zero()), 8);
    }
};
// Products, 1 <= s <= 15: q = r >> s rounds up when the remainder exceeds
// 2^(s-1) - (q & 1); both sides are below 2^15.
struct RoundShiftU16V {
    simd::ShiftCount count;
    Lanes16::V mask, half;  // 2^s - 1, 2^(s-1)
    ORVS_ARITH_INLINE Lanes16::V operator()(Lanes16::V r) const
    {
        using L = Lanes16;
        const L::V q = L::srl16(r, count);
        return L::incGt16(q, L::band(r, mask), L::sub16(half, L::band(q, L::set16(1))));
    }
};
struct RoundTopU16V {  // products, s = 16: 1 where r exceeds 2^15 (2^15 is a tie to 0)
    ORVS_ARITH_INLINE Lanes16::V operator()(Lanes16::V r) const
    {
        using L = Lanes16;
        return L::band(L::cmpgt16(L::bxor(r, L::set16(-32768)), L::zero()), L::set16(1));
    }
};
struct ShiftUpU16V {  // products, s < 0: clamped to (255 >> k) + 1 first
    simd::ShiftCount count;
    Lanes16::V lim;
    ORVS_ARITH_INLINE Lanes16::V operator()(Lanes16::V r) const { return Lanes16::sll16(Lanes16::minu16(r, lim), count); }
};
struct NonZero16V {  // products below the range: 255 where r != 0
    ORVS_ARITH_INLINE Lanes16::V operator()(Lanes16::V r) const
    {
        return Lanes16::bandnot(Lanes16::cmpeq16(r, Lanes16::zero()), Lanes16::set16(255));
    }
};

// Long integer results are written with non-temporal stores: a destination
// of a megabyte or more no longer fits the second-level cache, and streaming
// it saves reading every destination line before it is overwritten (a third
// of the memory traffic of a two-operand kernel; measured 1.25-1.4x a copy of
// the output instead of 1.55-1.6x for 16-bit sums and products of 1M
// elements). The floating-point loops keep ordinary stores: there the same
// change measured no gain for sums and a loss for complex products, whose
// larger operands stay in the third-level cache between calls. Accumulating
// and in-place forms read the destination anyway and keep ordinary stores.
constexpr std::size_t kStreamBytes = std::size_t(1) << 20;

// Where the streamed part of n components starts: the first register-aligned
// destination component, or -1 when the call is not streamed (short, in
// place, or a destination that no whole element brings to alignment). The
// components before it are covered by one ordinary unaligned register at 0.
template <class V, class C>
ORVS_ARITH_INLINE std::ptrdiff_t streamStart(const C* pd, const void* pa, const void* pb, std::ptrdiff_t n,
                                             std::ptrdiff_t unit)
{
    if (static_cast<std::size_t>(n) * sizeof(C) < kStreamBytes) return -1;
    if (static_cast<const void*>(pd) == pa || static_cast<const void*>(pd) == pb) return -1;
    const auto mis = reinterpret_cast<std::uintptr_t>(pd) % sizeof(V);
    if (mis % (sizeof(C) * unit) != 0) return -1;
    return mis ? static_cast<std::ptrdiff_t>((sizeof(V) - mis) / sizeof(C)) : 0;
}

template <class T> ORVS_ARITH_INLINE Vec<T> advance(Vec<T> v, std::ptrdiff_t i) { return Vec<T>{v.p + i}; }
template <class T> ORVS_ARITH_INLINE Scalar<T> advance(Scalar<T> v, std::ptrdiff_t) { return v; }

// Four registers per iteration (independent chains for the shift and
// multiply units), then one; the remainder is one masked register (64-byte
// registers) or runs the scalar form f, which gives the same value for every
// element. L gives the lanes of one component; complex vectors run over their
// components, a complex constant as a repeated (re, im) pair. Accumulating
// operations also pass the old destination register to g.
template <class Op, class L, class X, class Y, class G, class F>
ORVS_ARITH_INLINE void runLanes(X x, Y y, typename Op::Dst* d, int len, G g, F f)
{
    using D = typename Op::Dst;
    using C = ComponentT<D>;
    using V = typename L::V;
    constexpr std::ptrdiff_t kParts = isComplex<D> ? 2 : 1;
    constexpr bool kConst = !std::is_same_v<Y, Vec<typename Op::Src2>>;
    constexpr std::ptrdiff_t K = L::kCount;
    const C* pa = reinterpret_cast<const C*>(x.p);
    const C* pb = nullptr;
    C* pd = reinterpret_cast<C*>(d);
    V bc{};
    if constexpr (!kConst) pb = reinterpret_cast<const C*>(y.p);
    else if constexpr (isComplex<D>) bc = L::setPair(y.v.re, y.v.im);
    else if constexpr (std::is_same_v<C, typename Op::Src2>) bc = L::set(y.v);
    auto one = [&](std::ptrdiff_t i, auto streamed) __attribute__((always_inline)) {
        V b;
        if constexpr (kConst) b = bc;
        else b = L::load(pb + i);
        if constexpr (Op::kAccumulate) L::store(pd + i, g(L::load(pa + i), b, L::load(pd + i)));
        else if constexpr (decltype(streamed)::value) L::stream(pd + i, g(L::load(pa + i), b));
        else L::store(pd + i, g(L::load(pa + i), b));
    };
    const std::ptrdiff_t n = kParts * static_cast<std::ptrdiff_t>(len);
    std::ptrdiff_t i = 0;
    if constexpr (!Op::kAccumulate) {
        const std::ptrdiff_t h = streamStart<V>(pd, pa, pb, n, kParts);
        if (h >= 0) {
            one(0, std::false_type{});
            for (i = h; i + 4 * K <= n; i += 4 * K) {
                one(i, std::true_type{});
                one(i + K, std::true_type{});
                one(i + 2 * K, std::true_type{});
                one(i + 3 * K, std::true_type{});
            }
            simd::streamFence();
        }
    }
    for (; i + 4 * K <= n; i += 4 * K) {
        one(i, std::false_type{});
        one(i + K, std::false_type{});
        one(i + 2 * K, std::false_type{});
        one(i + 3 * K, std::false_type{});
    }
    for (; i + K <= n; i += K) one(i, std::false_type{});
    if constexpr (L::kMaskedTail) {
        // The remainder as one register with the absent lanes masked off
        // (they compute on zeros and are neither read nor written).
        if (i < n) {
            const std::ptrdiff_t m = n - i;
            V b;
            if constexpr (kConst) b = bc;
            else b = L::loadPart(pb + i, m);
            if constexpr (Op::kAccumulate) L::storePart(pd + i, m, g(L::loadPart(pa + i, m), b, L::loadPart(pd + i, m)));
            else L::storePart(pd + i, m, g(L::loadPart(pa + i, m), b));
        }
        (void)f;
    } else {
        const std::ptrdiff_t e = i / kParts;  // K is even: whole elements
        run<Op>(advance(x, e), advance(y, e), d + e, static_cast<int>(len - e), f);
    }
}

template <class Op, class X, class Y, class G, class F>
ORVS_ARITH_INLINE void run16(X x, Y y, typename Op::Dst* d, int len, G g, F f)
{
    runLanes<Op, IntLanes<typename Op::Dst>>(x, y, d, len, g, f);
}

// Operands and destination of different widths: four steps per iteration,
// then single steps of k.kStep elements, then one masked step (64-byte
// registers) or the scalar form f for the remainder.
template <class Op, class X, class Y, class K, class F>
ORVS_ARITH_INLINE void runMixed(X x, Y y, typename Op::Dst* d, int len, K k, F f)
{
    constexpr std::ptrdiff_t E = K::kStep;
    const std::ptrdiff_t n = len;
    const auto* pa = x.p;
    const auto* pb = y.p;
    std::ptrdiff_t i = 0;
    for (; i + 4 * E <= n; i += 4 * E) {
        k.template go<false>(pa + i, pb + i, d + i, E);
        k.template go<false>(pa + i + E, pb + i + E, d + i + E, E);
        k.template go<false>(pa + i + 2 * E, pb + i + 2 * E, d + i + 2 * E, E);
        k.template go<false>(pa + i + 3 * E, pb + i + 3 * E, d + i + 3 * E, E);
    }
    for (; i + E <= n; i += E) k.template go<false>(pa + i, pb + i, d + i, E);
    if constexpr (Lanes16::kMaskedTail) {
        if (i < n) k.template go<true>(pa + i, pb + i, d + i, n - i);
        (void)f;
    } else {
        run<Op>(advance(x, i), advance(y, i), d + i, static_cast<int>(len - i), f);
    }
}

// ---- floating-point element-wise loops ------------------------------------
// Real and complex sums, differences and products, and the accumulating
// products, over the components of the vectors: four registers per iteration
// (enough independent work to hide the latency of the loads and arithmetic
// in the first-level cache), then single registers, then one masked register
// for the remainder, so that no element goes through a different code path.
// Complex products are written out with separate multiplies and an
// add-subtract so that each product and each sum rounds once: left to itself
// the compiler fuses this pattern into multiply-add-subtract instructions.

// The vectors of the widest width of the target; the remainder goes through
// the masked loads and stores of the layer. At 512 bits there is no
// add-subtract instruction: the complex product negates the even products
// (exactly, by the sign bit) and adds them.
template <class F>
using FLanes = std::conditional_t<std::is_same_v<F, float>, simd::WF32, simd::WF64>;

template <class L>
ORVS_ARITH_INLINE typename L::V complexProduct(typename L::V a, typename L::V b)
{
    if constexpr (L::W * sizeof(typename L::S) == 64) return simd::cmulNegated<L>(a, b);
    else return simd::cmul<L, false>(a, b);
}

// Operations served by floatLoop: both operands and the destination of one
// floating type, real or complex; sums and differences of either, products
// and accumulated products (real or complex).
template <class Op>
constexpr bool kFloatLoop = [] {
    using D = typename Op::Dst;
    if constexpr (!std::is_floating_point_v<ComponentT<D>>) {
        return false;
    } else {
        if (!std::is_same_v<typename Op::Src1, D> || !std::is_same_v<typename Op::Src2, D>) return false;
        if (Op::kAccumulate) return Op::kProduct;
        return Op::kForm == Form::Sum || Op::kForm == Form::DiffAB || Op::kForm == Form::DiffBA ||
               Op::kForm == Form::Prod;
    }
}();

// One register of results from a, b and (accumulating) the old destination.
template <class Op, class L>
ORVS_ARITH_INLINE typename L::V floatOp(typename L::V a, typename L::V b, typename L::V old)
{
    constexpr bool kCx = isComplex<typename Op::Dst>;
    if constexpr (Op::kAccumulate) return L::add(old, kCx ? complexProduct<L>(a, b) : L::mul(a, b));
    else if constexpr (Op::kForm == Form::Sum) return L::add(a, b);
    else if constexpr (Op::kForm == Form::DiffAB) return L::sub(a, b);
    else if constexpr (Op::kForm == Form::DiffBA) return L::sub(b, a);
    else if constexpr (kCx) return complexProduct<L>(a, b);
    else return L::mul(a, b);
}

template <class Op, class X, class Y>
void floatLoop(X x, Y y, typename Op::Dst* d, int len)
{
    using D = typename Op::Dst;
    using F = ComponentT<D>;
    using L = FLanes<F>;
    using V = typename L::V;
    constexpr bool kConst = !std::is_same_v<Y, Vec<typename Op::Src2>>;
    constexpr std::ptrdiff_t K = L::W;
    const F* pa = reinterpret_cast<const F*>(x.p);
    const F* pb = nullptr;
    F* pd = reinterpret_cast<F*>(d);
    V c{};
    if constexpr (!kConst) pb = reinterpret_cast<const F*>(y.p);
    else if constexpr (isComplex<D>) c = simd::pairs<L>(y.v.re, y.v.im);
    else c = L::set1(y.v);
    const std::ptrdiff_t n = static_cast<std::ptrdiff_t>(len) * (isComplex<D> ? 2 : 1);

    auto one = [&](std::ptrdiff_t i) __attribute__((always_inline)) {
        V b, old{};
        if constexpr (kConst) b = c;
        else b = L::load(pb + i);
        if constexpr (Op::kAccumulate) old = L::load(pd + i);
        L::store(pd + i, floatOp<Op, L>(L::load(pa + i), b, old));
    };
    std::ptrdiff_t i = 0;
    for (; i + 4 * K <= n; i += 4 * K) {
        one(i);
        one(i + K);
        one(i + 2 * K);
        one(i + 3 * K);
    }
    for (; i + K <= n; i += K) one(i);
    if (i < n) {
        const int m = static_cast<int>(n - i);
        V b, old{};
        if constexpr (kConst) b = c;
        else b = L::loadN(pb + i, m);
        if constexpr (Op::kAccumulate) old = L::loadN(pd + i, m);
        L::storeN(pd + i, floatOp<Op, L>(L::loadN(pa + i, m), b, old), m);
    }
}

} // namespace

template <class Op, class X, class Y>
void plain(X x, Y y, typename Op::Dst* d, int len)
{
    using D = typename Op::Dst;
    if constexpr (kFloatLoop<Op>) {
        floatLoop<Op>(x, y, d, len);
    } else if constexpr (kAddInto16<Op>) {
        runMixed<Op>(x, y, d, len, AddInto16{}, Saturate<ComponentT<D>, typename Op::Wide>{});
    } else {
        run<Op>(x, y, d, len, Saturate<ComponentT<D>, typename Op::Wide>{});
    }
}

// Scale factors above Op::kScaledMax never arrive here: the entry zeroes
// the destination instead.
template <class Op, class X, class Y>
void scaled(X x, Y y, typename Op::Dst* d, int len, int s)
{
    using W = typename Op::Wide;
    using O = ComponentT<typename Op::Dst>;
    if constexpr (Op::kLow) {
        if (s == 0) run<Op>(x, y, d, len, LowBits{});
        else if (s > 0) run<Op>(x, y, d, len, LowShiftDown{s});
        else if (s >= Op::kScaledMin) run<Op>(x, y, d, len, LowShiftUp{-s});
        else run<Op>(x, y, d, len, SignOf<O, W>{});
        return;
    }
    if constexpr (kSameLanes<Op>) {
        // Sums and differences in lanes of their own width: s = 0 always,
        // s = 1 .. w (t = s - 1 below the lane width w) where kHalfLanes.
        using L = IntLanes<O>;
        if (s == 0) {
            runLanes<Op, L>(x, y, d, len, SaturateLanes<Op, L>{}, Saturate<O, W>{});
            return;
        }
        if (s < Op::kScaledMin) {
            runLanes<Op, L>(x, y, d, len, SignOfLanes<SaturateLanes<Op, L>, O>{}, SignOf<O, W>{});
            return;
        }
        if constexpr (kHalfLanes<Op>) {
            constexpr int kBits = 8 * sizeof(O);
            if (s == 1) {
                runLanes<Op, L>(x, y, d, len, HalveLanes<Op, L>{}, Halve<O, W>{});
                return;
            }
            if constexpr (std::is_signed_v<O>) {
                if (s < 0 && s >= Op::kScaledMin) {
                    const int k = -s;
                    constexpr O kMin = std::numeric_limits<O>::min(), kMax = std::numeric_limits<O>::max();
                    runLanes<Op, L>(x, y, d, len,
                                    ShiftUpLanes<Op, L>{simd::shiftCount(k), L::set(static_cast<O>(kMin >> k)),
                                                        L::set(static_cast<O>(kMax >> k))},
                                    shiftUpScalar<O, W>(k));
                    return;
                }
            }
            if (s > 1 && s <= kBits) {
                using U = std::make_unsigned_t<O>;
                const int t = s - 1;
                const O mask = static_cast<O>((U(1) << t) - 1), half = static_cast<O>(U(1) << (t - 1));
                runLanes<Op, L>(x, y, d, len, RoundShiftLanes<Op, L>{simd::shiftCount(t), L::set(mask), L::set(half)},
                                RoundShift<O, W>{s, static_cast<W>((W(1) << (s - 1)) - 1)});
                return;
            }
        }
    }
    if constexpr (kProd32<Op>) {
        using L = IntLanes<O>;
        if (s == 0) {
            runLanes<Op, L>(x, y, d, len, Product32<Keep64>{}, Saturate<O, W>{});
            return;
        }
        if (s > 0) {
            const W bias = (W(1) << (s - 1)) - 1;
            runLanes<Op, L>(x, y, d, len, Product32<RoundShift64>{{simd::shiftCount(s), Lanes16::set64(bias)}},
                            RoundShift<O, W>{s, bias});
            return;
        }
        if (s >= Op::kScaledMin) {
            const int k = -s;
            const long long lo = (static_cast<long long>(INT32_MIN) >> k) - 1, hi = (INT32_MAX >> k) + 1LL;
            runLanes<Op, L>(x, y, d, len,
                            Product32<ShiftUp64>{{simd::shiftCount(k), Lanes16::set64(lo), Lanes16::set64(hi)}},
                            shiftUpScalar<O, W>(k));
            return;
        }
        runLanes<Op, L>(x, y, d, len, ProductSign32{}, SignOf<O, W>{});
        return;
    }
    if constexpr (kProd32c<Op>) {
        using L = IntLanes<Orv32s>;
        if (s == 0) {
            runLanes<Op, L>(x, y, d, len, ComplexProduct32<SaturateLanes<SumForm, Lanes64>>{}, Saturate<O, W>{});
            return;
        }
        if (s == 1) {
            runLanes<Op, L>(x, y, d, len, ComplexProduct32<HalveLanes<SumForm, Lanes64>>{}, Halve<O, W>{});
            return;
        }
        if (s > 1) {  // up to 63: t = s - 1 stays below the 64-bit lane
            const int t = s - 1;
            const long long mask = static_cast<long long>((std::uint64_t(1) << t) - 1), half = 1LL << (t - 1);
            runLanes<Op, L>(x, y, d, len,
                            ComplexProduct32<RoundShiftLanes<SumForm, Lanes64>>{
                                {simd::shiftCount(t), Lanes16::set64(mask), Lanes16::set64(half)}},
                            RoundShift<O, W>{s, static_cast<W>((W(1) << (s - 1)) - 1)});
            return;
        }
        if (s >= Op::kScaledMin) {
            const int k = -s;
            const long long lo = (static_cast<long long>(INT32_MIN) >> k) - 1, hi = (INT32_MAX >> k) + 1LL;
            runLanes<Op, L>(x, y, d, len,
                            ComplexProduct32<ShiftUpSum64>{{{simd::shiftCount(k), Lanes16::set64(lo), Lanes16::set64(hi)}}},
                            shiftUpScalar<O, W>(k));
            return;
        }
        runLanes<Op, L>(x, y, d, len, SignOfLanes<ComplexProduct32<SaturateLanes<SumForm, Lanes64>>, O>{},
                        SignOf<O, W>{});
        return;
    }
    if constexpr (kProd16c<Op>) {
        using L = IntLanes<Orv16s>;
        using L32 = IntLanes<Orv32s>;
        if (s == 0) {
            runLanes<Op, L>(x, y, d, len, ComplexProduct16<SaturateLanes<SumForm, L32>>{}, Saturate<O, W>{});
            return;
        }
        if (s == 1) {
            runLanes<Op, L>(x, y, d, len, ComplexProduct16<HalveLanes<SumForm, L32>>{}, Halve<O, W>{});
            return;
        }
        if (s > 1) {  // up to 31: t = s - 1 stays below the 32-bit lane
            const int t = s - 1;
            const int mask = static_cast<int>((1u << t) - 1), half = 1 << (t - 1);
            runLanes<Op, L>(x, y, d, len,
                            ComplexProduct16<RoundShiftLanes<SumForm, L32>>{
                                {simd::shiftCount(t), L32::set32(mask), L32::set32(half)}},
                            RoundShift<O, W>{s, static_cast<W>((W(1) << (s - 1)) - 1)});
            return;
        }
        if (s >= Op::kScaledMin) {
            const int k = -s;
            runLanes<Op, L>(x, y, d, len,
                            ComplexProduct16<ShiftUpLanes<SumForm, L32>>{
                                {simd::shiftCount(k), L32::set32(INT32_MIN >> k), L32::set32(INT32_MAX >> k)}},
                            shiftUpScalar<O, W>(k));
            return;
        }
        runLanes<Op, L>(x, y, d, len, SignOfLanes<ComplexProduct16<SaturateLanes<SumForm, L32>>, O>{}, SignOf<O, W>{});
        return;
    }
    if constexpr (kAddProd16<Op>) {
        using L = IntLanes<Orv16s>;
        if (s == 0) {
            runLanes<Op, L>(x, y, d, len, AddProduct16<SaturateV>{}, Saturate<O, W>{});
            return;
        }
        if (s > 0) {  // up to 31
            runLanes<Op, L>(x, y, d, len,
                            AddProduct16<RoundShiftRemV>{{simd::shiftCount(s), Lanes16::set32(static_cast<int>((1u << s) - 1)),
                                                          Lanes16::set32(1 << (s - 1))}},
                            RoundShift<O, W>{s, static_cast<W>((W(1) << (s - 1)) - 1)});
            return;
        }
        if (s >= Op::kScaledMin) {
            const int k = -s;
            const int hi = (32767 >> k) + 1, lo = (-32768 >> k) - 1;
            runLanes<Op, L>(x, y, d, len,
                            AddProduct16<ShiftUpV>{{simd::shiftCount(k), Lanes16::set32(lo), Lanes16::set32(hi)}},
                            shiftUpScalar<O, W>(k));
            return;
        }
        runLanes<Op, L>(x, y, d, len, SignOfLanes<AddProduct16<SaturateV>, O>{}, SignOf<O, W>{});
        return;
    }
    if constexpr (kProdU16<Op>) {
        using L = IntLanes<Orv16u>;
        if (s == 0) {
            runLanes<Op, L>(x, y, d, len, ProductU16<SaturateU32V>{}, Saturate<O, W>{});
            return;
        }
        if (s > 0 && s < 32) {
            runLanes<Op, L>(x, y, d, len,
                            ProductU16<RoundShiftU32V>{{simd::shiftCount(s), Lanes16::set32(static_cast<int>((1u << s) - 1)),
                                                        Lanes16::set32(1 << (s - 1))}},
                            RoundShift<O, W>{s, static_cast<W>((W(1) << (s - 1)) - 1)});
            return;
        }
        if (s < 0 && s >= Op::kScaledMin) {
            const int k = -s;
            runLanes<Op, L>(x, y, d, len, ProductU16<ShiftUpU32V>{{simd::shiftCount(k), Lanes16::set32((65535 >> k) + 1)}},
                            shiftUpScalar<O, W>(k));
            return;
        }
        if (s == 32) {
            runLanes<Op, L>(x, y, d, len, ProductU16<RoundTopU32V>{}, RoundShift<O, W>{s, static_cast<W>((W(1) << (s - 1)) - 1)});
            return;
        }
        runLanes<Op, L>(x, y, d, len, SignOfLanes<ProductU16<SaturateU32V>, O>{}, SignOf<O, W>{});
        return;
    }
    if constexpr (kByte<Op>) {
        using L = Lanes8;
        constexpr bool kProd = Op::kForm == Form::Prod;
        auto go = [&](auto fv, auto f) __attribute__((always_inline)) {
            runLanes<Op, L>(x, y, d, len, Wide8<Op, decltype(fv)>{fv}, f);
        };
        const int k = -s;
        if (s == 0) {
            if constexpr (kProd) go(MinU16V{}, Saturate<O, W>{});
            else go(Keep16V{}, Saturate<O, W>{});
        } else if (s > 0) {
            const RoundShift<O, W> f{s, static_cast<W>((W(1) << (s - 1)) - 1)};
            const int mask = (1 << s) - 1, half = 1 << (s - 1);
            if constexpr (kProd) {
                if (s == 16) go(RoundTopU16V{}, f);
                else go(RoundShiftU16V{simd::shiftCount(s), L::set16(mask), L::set16(half)}, f);
            } else {
                if (s == 1) go(Halve16V{}, Halve<O, W>{});
                else go(RoundShift16V{simd::shiftCount(s), L::set16(half - 1)}, f);
            }
        } else if (s >= Op::kScaledMin) {
            if constexpr (kProd) go(ShiftUpU16V{simd::shiftCount(k), L::set16((255 >> k) + 1)}, shiftUpScalar<O, W>(k));
            else go(ShiftUp16V{simd::shiftCount(k), L::set16(-1), L::set16((255 >> k) + 1)}, shiftUpScalar<O, W>(k));
        } else {
            if constexpr (kProd) go(NonZero16V{}, SignOf<O, W>{});
            else go(Positive16V{}, SignOf<O, W>{});
        }
        return;
    }
    if constexpr (kProd16Mixed<Op>) {
        if (s == 0) {
            runMixed<Op>(x, y, d, len, Product16Mixed<SaturateV>{}, Saturate<O, W>{});
        } else if (s == 1) {
            runMixed<Op>(x, y, d, len, Product16Mixed<HalveV>{}, Halve<O, W>{});
        } else if (s > 1) {  // up to 31, without a bias addition that could overflow
            runMixed<Op>(x, y, d, len,
                         Product16Mixed<RoundShiftRemV>{{simd::shiftCount(s), Lanes16::set32(static_cast<int>((1u << s) - 1)),
                                                         Lanes16::set32(1 << (s - 1))}},
                         RoundShift<O, W>{s, static_cast<W>((W(1) << (s - 1)) - 1)});
        } else if (s >= Op::kScaledMin) {
            const int k = -s;
            if constexpr (sizeof(O) == 2) {  // the narrowing store saturates
                const int hi = (32767 >> k) + 1, lo = (-32768 >> k) - 1;
                runMixed<Op>(x, y, d, len, Product16Mixed<ShiftUpV>{{simd::shiftCount(k), Lanes16::set32(lo), Lanes16::set32(hi)}},
                             shiftUpScalar<O, W>(k));
            } else {
                runMixed<Op>(x, y, d, len,
                             Product16Mixed<ShiftUpSat32V>{{simd::shiftCount(k), Lanes16::set32(INT32_MIN >> k),
                                                            Lanes16::set32(INT32_MAX >> k)}},
                             shiftUpScalar<O, W>(k));
            }
        } else {
            if constexpr (sizeof(O) == 2) runMixed<Op>(x, y, d, len, Product16Mixed<SignOfV>{}, SignOf<O, W>{});
            else runMixed<Op>(x, y, d, len, Product16Mixed<SignMap32V>{}, SignOf<O, W>{});
        }
        return;
    }
    if constexpr (kAddProd16Mixed<Op>) {
        using L32 = IntLanes<Orv32s>;
        if (s == 0) {
            runMixed<Op>(x, y, d, len, AddProduct16Mixed<SaturateLanes<SumForm, L32>>{}, Saturate<O, W>{});
        } else if (s == 1) {
            runMixed<Op>(x, y, d, len, AddProduct16Mixed<HalveLanes<SumForm, L32>>{}, Halve<O, W>{});
        } else if (s > 1) {  // up to 32: t = s - 1 stays below the 32-bit lane
            const int t = s - 1;
            const int mask = static_cast<int>((1u << t) - 1), half = 1 << (t - 1);
            runMixed<Op>(x, y, d, len,
                         AddProduct16Mixed<RoundShiftLanes<SumForm, L32>>{
                             {simd::shiftCount(t), L32::set32(mask), L32::set32(half)}},
                         RoundShift<O, W>{s, static_cast<W>((W(1) << (s - 1)) - 1)});
        } else if (s >= Op::kScaledMin) {
            const int k = -s;
            runMixed<Op>(x, y, d, len,
                         AddProduct16Mixed<ShiftUpLanes<SumForm, L32>>{
                             {simd::shiftCount(k), L32::set32(INT32_MIN >> k), L32::set32(INT32_MAX >> k)}},
                         shiftUpScalar<O, W>(k));
        } else {
            runMixed<Op>(x, y, d, len, AddProduct16Mixed<SignOfLanes<SaturateLanes<SumForm, L32>, O>>{}, SignOf<O, W>{});
        }
        return;
    }
    if constexpr (kProd32Mixed<Op> || kAddProd32<Op>) {
        // 64-bit products (plus the accumulator), scaled in 64-bit lanes.
        auto go = [&](auto g, auto f) __attribute__((always_inline)) {
            if constexpr (kAddProd32<Op>) runLanes<Op, IntLanes<Orv32s>>(x, y, d, len, AddProduct32<decltype(g)>{g}, f);
            else runMixed<Op>(x, y, d, len, RealComplex32<Product32<decltype(g)>>{{g}}, f);
        };
        auto goSign = [&]() __attribute__((always_inline)) {
            if constexpr (kAddProd32<Op>)
                runLanes<Op, IntLanes<Orv32s>>(x, y, d, len, SignOfLanes<AddProduct32<Keep64>, O>{}, SignOf<O, W>{});
            else runMixed<Op>(x, y, d, len, RealComplex32<ProductSign32>{}, SignOf<O, W>{});
        };
        if (s == 0) {
            go(Keep64{}, Saturate<O, W>{});
        } else if (s > 0) {  // up to 62: the bias addition stays below 2^63
            const W bias = (W(1) << (s - 1)) - 1;
            go(RoundShift64{simd::shiftCount(s), Lanes16::set64(bias)}, RoundShift<O, W>{s, bias});
        } else if (s >= Op::kScaledMin) {
            const int k = -s;
            const long long lo = (static_cast<long long>(INT32_MIN) >> k) - 1, hi = (INT32_MAX >> k) + 1LL;
            go(ShiftUp64{simd::shiftCount(k), Lanes16::set64(lo), Lanes16::set64(hi)}, shiftUpScalar<O, W>(k));
        } else {
            goSign();
        }
        return;
    }
    if constexpr (kFast16<Op>) {
        using L = Lanes16;
        if constexpr (Op::kForm == Form::Prod) {
            if (s == 0) {
                run16<Op>(x, y, d, len, Wide16<Op, SaturateV>{}, Saturate<O, W>{});
                return;
            }
            if constexpr (std::is_same_v<O, Orv16s>) {
                if (s == 15) {
                    run16<Op>(x, y, d, len, Q15Lanes{}, RoundShift<O, W>{15, (W(1) << 14) - 1});
                    return;
                }
            }
        }
        if constexpr (!kHalfLanes<Op>) {
            if (s == 1) {
                run16<Op>(x, y, d, len, Wide16<Op, HalveV>{}, Halve<O, W>{});
                return;
            }
        }
        if (s > 1) {
            const W bias = (W(1) << (s - 1)) - 1;
            run16<Op>(x, y, d, len, Wide16<Op, RoundShiftV>{{simd::shiftCount(s), L::set32(bias)}},
                      RoundShift<O, W>{s, bias});
        } else if (s >= Op::kScaledMin) {
            const int k = -s;
            const W hi = (static_cast<W>(std::numeric_limits<O>::max()) >> k) + 1;
            const W lo = (static_cast<W>(std::numeric_limits<O>::min()) >> k) - 1;
            run16<Op>(x, y, d, len, Wide16<Op, ShiftUpV>{{simd::shiftCount(k), L::set32(lo), L::set32(hi)}},
                      ShiftUp<O, W>{k, lo, hi});
        } else {
            run16<Op>(x, y, d, len, Wide16<Op, SignOfV>{}, SignOf<O, W>{});
        }
    } else {
        if (s == 0) {
            run<Op>(x, y, d, len, Saturate<O, W>{});
        } else if (s == 1) {
            run<Op>(x, y, d, len, Halve<O, W>{});
        } else if (s > 1) {
            run<Op>(x, y, d, len, RoundShift<O, W>{s, static_cast<W>((W(1) << (s - 1)) - 1)});
        } else if (s >= Op::kScaledMin) {
            const int k = -s;
            const W hi = (static_cast<W>(std::numeric_limits<O>::max()) >> k) + 1;
            const W lo = (static_cast<W>(std::numeric_limits<O>::min()) >> k) - 1;
            run<Op>(x, y, d, len, ShiftUp<O, W>{k, lo, hi});
        } else {
            run<Op>(x, y, d, len, SignOf<O, W>{});
        }
    }
}

// ---- single precision to 16 bits --------------------------------------------

#if defined(__AVX512F__)
// 16 products per register, narrowed with the saturating 32-to-16-bit move;
// the remainder is one masked register. `clamp` bounds the products first
// (the rounding form) or leaves them to the conversion (the low form, where
// out-of-range and NaN products convert to the 32-bit minimum).
template <bool kClamp>
void mulCTo16sWide(const Orv32f* src, Orv32f val, Orv16s* dst, int len)
{
    using O = simd::FloatOps<simd::F32x16>;
    const O::V v = O::set1(val);
    const O::V hi = O::set1(32767.0f);
    const O::V lo = O::set1(-32768.0f);
    auto one = [&](O::V x) __attribute__((always_inline)) {
        O::V p = O::mul(x, v);
        // NaN and everything above the range become 32767.
        if constexpr (kClamp) p = O::clampNaNHigh(p, lo, hi);
        return p;
    };
    int i = 0;
    // Long destinations are streamed, as in the integer kernels: the head
    // register is stored unaligned, the rest from the first aligned element.
    if (const std::ptrdiff_t h = streamStart<O::Rounded16s>(dst, src, nullptr, len, 1); h >= 0) {
        O::storeRounded16s(dst, one(O::load(src)));
        for (i = static_cast<int>(h); i + 16 <= len; i += 16) O::streamRounded16s(dst + i, one(O::load(src + i)));
        simd::streamFence();
    }
    for (; i + 16 <= len; i += 16) O::storeRounded16s(dst + i, one(O::load(src + i)));
    if (i < len) O::storeRounded16sPart(dst + i, len - i, one(O::loadN(src + i, len - i)));
}

void mulCTo16s(const Orv32f* src, Orv32f val, Orv16s* dst, int len) { mulCTo16sWide<true>(src, val, dst, len); }
void mulCTo16sLow(const Orv32f* src, Orv32f val, Orv16s* dst, int len) { mulCTo16sWide<false>(src, val, dst, len); }

#else

void mulCTo16s(const Orv32f* src, Orv32f val, Orv16s* dst, int len)
{
    using O = simd::FloatOps<simd::F32>;
    const O::V v = O::set1(val);
    const O::V hi = O::set1(32767.0f);
    const O::V lo = O::set1(-32768.0f);
    int i = 0;
    for (; i + 8 <= len; i += 8) {
        // NaN and everything above the range become 32767.
        O::storeRounded16s(dst + i, O::clampNaNHigh(O::mul(O::load(src + i), v), lo, hi));
    }
    for (; i < len; ++i) {
        float p = src[i] * val;
        if (!(p <= 32767.0f)) p = 32767.0f;
        else if (p < -32768.0f) p = -32768.0f;
        dst[i] = static_cast<Orv16s>(simd::roundToInt32(p));
    }
}

void mulCTo16sLow(const Orv32f* src, Orv32f val, Orv16s* dst, int len)
{
    using O = simd::FloatOps<simd::F32>;
    const O::V v = O::set1(val);
    int i = 0;
    for (; i + 8 <= len; i += 8) {
        // Out-of-range and NaN products convert to the 32-bit minimum, which
        // the saturating narrowing turns into -32768.
        O::storeRounded16s(dst + i, O::mul(O::load(src + i), v));
    }
    for (; i < len; ++i) {
        const int q = simd::roundToInt32(src[i] * val);
        dst[i] = static_cast<Orv16s>(q < -32768 ? -32768 : (q > 32767 ? 32767 : q));
    }
}

#endif // __AVX512F__

// ---- the table ----------------------------------------------------------------

#define ORVS_SCALED_ENTRY(Op, Form) \
    .Op##_##Form = &scaled<members::Op, Vec<members::Op::Src1>, ORVS_SCALED_ARG_##Form(Op)>,
#define ORVS_PLAIN_ENTRY(Op, Form) \
    .Op##_##Form = &plain<members::Op, Vec<members::Op::Src1>, ORVS_SCALED_ARG_##Form(Op)>,
extern const KernelTable table = {
    ORVS_SCALED_KERNELS(ORVS_SCALED_ENTRY, ORVS_PLAIN_ENTRY)
    .mulCTo16s = &mulCTo16s,
    .mulCTo16sLow = &mulCTo16sLow,
};
#undef ORVS_SCALED_ENTRY
#undef ORVS_PLAIN_ENTRY

} // namespace orvs::scaled::ORVS_TARGET
