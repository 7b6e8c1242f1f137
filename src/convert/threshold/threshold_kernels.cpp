// Kernels of the threshold family, compiled once per instruction-set target
// (namespace orvs::threshold::ORVS_TARGET), written over the vector layer at
// the widest width of the target.
//
// Real clamps are compares and blends, so every element gets the exact
// result wherever it sits; the tails go through masked moves. The complex
// and reciprocal kernels run their tail as one more vector over a copy
// padded with ones, so a tail element meets the same instruction sequence
// as any other and the padding never looks like a zero element.
#if defined(__AVX512F__)
// GCC 12 reports the deliberately undefined pass-through operand of the
// unmasked 512-bit intrinsics as (maybe) uninitialized, the sanitizer build
// without the "maybe"; nothing reads it.
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#pragma GCC diagnostic ignored "-Wuninitialized"
#endif
#include <immintrin.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "convert/threshold/threshold_kernels.h"
#include "core/simd/simd.h"

namespace orvs::threshold::ORVS_TARGET {

namespace {

using namespace simd::ORVS_TARGET;

// ---- real clamps ------------------------------------------------------------

template <class A, Mode M>
void clampFloat(const typename A::S* s, typename A::S* d, int n, typename A::S lo, typename A::S vlo,
                typename A::S hi, typename A::S vhi)
{
    using V = typename A::V;
    constexpr int W = A::W;
    const V Lo = A::set1(lo), VLo = A::set1(vlo), Hi = A::set1(hi), VHi = A::set1(vhi), sign = A::set1(-0.0);
    auto op = [&](V x) -> V {
        if constexpr (M == Mode::Lower) return A::blend(VLo, x, A::ge(x, Lo));
        if constexpr (M == Mode::Upper) return A::blend(VHi, x, A::le(x, Hi));
        if constexpr (M == Mode::UpperKeepNaN) return A::blend(x, VHi, A::lt(Hi, x));
        if constexpr (M == Mode::Both) {
            const V y = A::blend(VLo, x, A::ge(x, Lo));
            return A::blend(y, VHi, A::lt(Hi, y));
        }
        const V a = A::andnot(sign, x);
        const V m = M == Mode::AbsLower ? A::blend(Lo, a, A::ge(a, Lo)) : A::blend(Lo, a, A::le(a, Lo));
        return A::or_(m, A::and_(sign, x));
    };
    int i = 0;
    for (; i + 2 * W <= n; i += 2 * W) {
        const V x0 = A::load(s + i), x1 = A::load(s + i + W);
        A::store(d + i, op(x0));
        A::store(d + i + W, op(x1));
    }
    for (; i + W <= n; i += W) A::store(d + i, op(A::load(s + i)));
    if (i < n) A::storeN(d + i, op(A::loadN(s + i, n - i)), n - i);
}

template <class T, Mode M>
void clampInt(const T* s, T* d, int n, T lo, T vlo, T hi, T vhi)
{
    using L = SignedLanes<T>;
    using V = typename L::V;
    constexpr int W = L::kLanes;
    const V Lo = L::set(lo), VLo = L::set(vlo), Hi = L::set(hi), VHi = L::set(vhi);
    const V NegLo = L::set(-static_cast<int>(lo));  // levels of the Abs modes are >= 0
    auto select = [](V m, V a, V b) { return L::bor(L::band(m, a), L::bandnot(m, b)); };  // m ? a : b
    auto op = [&](V x) -> V {
        if constexpr (M == Mode::Lower) return select(L::gt(Lo, x), VLo, x);
        if constexpr (M == Mode::Upper || M == Mode::UpperKeepNaN) return select(L::gt(x, Hi), VHi, x);
        if constexpr (M == Mode::Both) {
            const V y = select(L::gt(Lo, x), VLo, x);
            return select(L::gt(y, Hi), VHi, y);
        }
        // A negative x is clamped toward -level, anything else toward +level.
        const V negative = L::gt(L::zero(), x);
        if constexpr (M == Mode::AbsLower) return select(negative, L::lo(x, NegLo), L::hi(x, Lo));
        return select(negative, L::hi(x, NegLo), L::lo(x, Lo));
    };
    auto scalar = [&](T x) -> T {
        if constexpr (M == Mode::Lower) return x < lo ? vlo : x;
        if constexpr (M == Mode::Upper || M == Mode::UpperKeepNaN) return x > hi ? vhi : x;
        if constexpr (M == Mode::Both) {
            const T y = x < lo ? vlo : x;
            return y > hi ? vhi : y;
        }
        const T neg = static_cast<T>(-static_cast<std::int64_t>(lo));
        if constexpr (M == Mode::AbsLower) return x < 0 ? (x > neg ? neg : x) : (x < lo ? lo : x);
        return x < 0 ? (x < neg ? neg : x) : (x > lo ? lo : x);
    };
    int i = 0;
    for (; i + 2 * W <= n; i += 2 * W) {
        const V x0 = L::load(s + i), x1 = L::load(s + i + W);
        L::store(d + i, op(x0));
        L::store(d + i + W, op(x1));
    }
    for (; i + W <= n; i += W) L::store(d + i, op(L::load(s + i)));
    for (; i < n; ++i) d[i] = scalar(s[i]);
}

// One entry per element type: the mode is chosen once per call.
template <class T, template <Mode> class K>
void clampAny(const T* s, T* d, int n, Mode m, T lo, T vlo, T hi, T vhi)
{
    switch (m) {
    case Mode::Lower: return K<Mode::Lower>::run(s, d, n, lo, vlo, hi, vhi);
    case Mode::Upper: return K<Mode::Upper>::run(s, d, n, lo, vlo, hi, vhi);
    case Mode::UpperKeepNaN: return K<Mode::UpperKeepNaN>::run(s, d, n, lo, vlo, hi, vhi);
    case Mode::Both: return K<Mode::Both>::run(s, d, n, lo, vlo, hi, vhi);
    case Mode::AbsLower: return K<Mode::AbsLower>::run(s, d, n, lo, vlo, hi, vhi);
    case Mode::AbsUpper: return K<Mode::AbsUpper>::run(s, d, n, lo, vlo, hi, vhi);
    }
}
template <class A> struct FloatClamp {
    template <Mode M> struct K {
        static void run(const typename A::S* s, typename A::S* d, int n, typename A::S lo, typename A::S vlo,
                        typename A::S hi, typename A::S vhi) { clampFloat<A, M>(s, d, n, lo, vlo, hi, vhi); }
    };
};
template <class T> struct IntClamp {
    template <Mode M> struct K {
        static void run(const T* s, T* d, int n, T lo, T vlo, T hi, T vhi)
        {
            // No NaN among integers: one instantiation serves both upper modes.
            clampInt<T, M == Mode::UpperKeepNaN ? Mode::Upper : M>(s, d, n, lo, vlo, hi, vhi);
        }
    };
};

void clamp16s(const Orv16s* s, Orv16s* d, int n, Mode m, Orv16s lo, Orv16s vlo, Orv16s hi, Orv16s vhi)
{ clampAny<Orv16s, IntClamp<Orv16s>::K>(s, d, n, m, lo, vlo, hi, vhi); }
void clamp32s(const Orv32s* s, Orv32s* d, int n, Mode m, Orv32s lo, Orv32s vlo, Orv32s hi, Orv32s vhi)
{ clampAny<Orv32s, IntClamp<Orv32s>::K>(s, d, n, m, lo, vlo, hi, vhi); }
void clamp32f(const Orv32f* s, Orv32f* d, int n, Mode m, Orv32f lo, Orv32f vlo, Orv32f hi, Orv32f vhi)
{ clampAny<Orv32f, FloatClamp<WF32>::K>(s, d, n, m, lo, vlo, hi, vhi); }
void clamp64f(const Orv64f* s, Orv64f* d, int n, Mode m, Orv64f lo, Orv64f vlo, Orv64f hi, Orv64f vhi)
{ clampAny<Orv64f, FloatClamp<WF64>::K>(s, d, n, m, lo, vlo, hi, vhi); }

// ---- vector blocks with a padded tail -----------------------------------------

// block(src, dst) over every full vector of `scalars` values, then over a copy
// of the tail padded with ones.
template <class A, class Block>
inline void forPaddedBlocks(const typename A::S* s, typename A::S* d, int scalars, Block&& block)
{
    using S = typename A::S;
    constexpr int W = A::W;
    int i = 0;
    for (; i + W <= scalars; i += W) block(s + i, d + i);
    if (i < scalars) {
        S in[W], out[W];
        for (int k = 0; k < W; ++k) in[k] = S(1);
        std::memcpy(in, s + i, sizeof(S) * (scalars - i));
        block(in, out);
        std::memcpy(d + i, out, sizeof(S) * (scalars - i));
    }
}

// Elements whose squared magnitude overflowed, or underflowed for a non-zero
// element, are redone one by one in a wider type (double for single
// precision, long double for double, whose exponent range holds every
// square). Only those lanes are redone, so no other element's result
// depends on its neighbours.
template <class S> struct Wider;
template <> struct Wider<float> { using T = double; };
template <> struct Wider<double> { using T = long double; };

template <class A>
struct Pairs {
    using S = typename A::S;
    using V = typename A::V;
    // m = re^2 + im^2 in both lanes of each pair; zero: both parts are zero.
    static V magSq(V v) { const V sq = A::mul(v, v); return A::add(sq, A::swapParts(sq)); }
    static V absBoth(V v) { const V a = A::andnot(A::set1(-0.0), v); return A::or_(a, A::swapParts(a)); }
    // Lanes to redo: m overflowed, or underflowed for a non-zero element.
    // One range test clears the common case; zeros and the rare risky lanes
    // take the exact test.
    static int risky(V m, V v)
    {
        const V lo = A::set1(std::numeric_limits<S>::min()), hi = A::set1(std::numeric_limits<S>::max());
        if (A::mask(A::mand(A::ge(m, lo), A::lt(m, hi))) == (1 << A::W) - 1) return 0;
        return A::mask(A::mor(A::ge(m, hi), A::mand(A::lt(m, lo), A::neq(absBoth(v), A::zero()))));
    }
    // (x, y) repeated over the register.
    static V pair(S x, S y)
    {
        S p[A::W];
        for (int k = 0; k < A::W; k += 2) p[k] = x, p[k + 1] = y;
        return A::load(p);
    }
    // Runs fix(re, im, outRe, outIm) on the pairs of v whose lanes are set in
    // `lanes` (v, not the source: in place, the source is already overwritten).
    template <class Fix>
    static void redo(V v, S* out, int lanes, Fix&& fix)
    {
        S in[A::W];
        A::store(in, v);
        for (int k = 0; k < A::W; k += 2)
            if (lanes & (1 << k)) fix(in[k], in[k + 1], out[k], out[k + 1]);
    }
};

// Scales (re, im) to magnitude `level` in the wider type; an infinite part
// gives the direction of its infinity.
template <class S>
void toMagnitude(S re, S im, S level, S& outRe, S& outIm)
{
    using H = typename Wider<S>::T;
    if (std::isinf(re) || std::isinf(im)) {
        const H r = std::isinf(re) ? std::copysign(H(1), re) : std::copysign(H(0), re);
        const H i = std::isinf(im) ? std::copysign(H(1), im) : std::copysign(H(0), im);
        const H f = H(level) / std::sqrt(r * r + i * i);
        outRe = static_cast<S>(r * f), outIm = static_cast<S>(i * f);
        return;
    }
    const H f = H(level) / std::sqrt(H(re) * H(re) + H(im) * H(im));
    outRe = static_cast<S>(H(re) * f), outIm = static_cast<S>(H(im) * f);
}

// ---- complex clamps by magnitude ----------------------------------------------

template <class A, CMode M>
void cclampFloat(const typename A::S* s, typename A::S* d, int pairs, typename A::S level, typename A::S vre,
                 typename A::S vim)
{
    using P = Pairs<A>;
    using S = typename A::S;
    using V = typename A::V;
    using H = typename Wider<S>::T;
    const V L = A::set1(level), L2 = A::set1(level * level), value = P::pair(vre, vim);
    const V half = A::set1(0.5), three = A::set1(3.0), levelRe = P::pair(level, S(0));
    const H wideL2 = H(level) * H(level);
    // |z| < level. A zero element is below any positive level even where
    // level^2 underflows; other elements that small are redone below.
    const auto noLanes = A::lt(L, L);
    auto below = [&](V m, V v) {
        return A::mor(A::lt(m, L2), level > 0 ? A::eq(P::absBoth(v), A::zero()) : noLanes);
    };
    forPaddedBlocks<A>(s, d, 2 * pairs, [&](const S* in, S* out) {
        const V v = A::load(in);
        const V m = P::magSq(v);
        V r;
        if constexpr (M == CMode::Lower || M == CMode::Upper) {
            const auto clamp = M == CMode::Upper ? A::lt(L2, m) : below(m, v);
            // Scale by level / |z|, the unit vector first so no product overflows.
            V y = rsqrtEstimate(m);
            y = A::mul(A::mul(half, y), A::sub(three, A::mul(A::mul(m, y), y)));
            V scaled = A::mul(A::mul(v, y), L);
            if constexpr (M == CMode::Lower) scaled = A::blend(scaled, levelRe, A::eq(m, A::zero()));
            r = A::blend(v, scaled, clamp);
        } else {
            r = A::blend(v, value, M == CMode::UpperVal ? A::lt(L2, m) : below(m, v));
        }
        A::store(out, r);
        if (const int lanes = P::risky(m, v)) {
            P::redo(v, out, lanes, [&](S re, S im, S& oRe, S& oIm) {
                const bool inf = std::isinf(re) || std::isinf(im);
                const H wm = inf ? std::numeric_limits<H>::infinity() : H(re) * H(re) + H(im) * H(im);
                const bool hit = (M == CMode::Upper || M == CMode::UpperVal) ? wm > wideL2 : wm < wideL2;
                oRe = re, oIm = im;
                if (!hit) return;
                if constexpr (M == CMode::LowerVal || M == CMode::UpperVal) oRe = vre, oIm = vim;
                else toMagnitude(re, im, level, oRe, oIm);
            });
        }
    });
}

template <class A, class C>
void cclampAny(const C* s, C* d, int n, CMode m, typename A::S level, C value)
{
    using S = typename A::S;
    const S* src = reinterpret_cast<const S*>(s);
    S* dst = reinterpret_cast<S*>(d);
    switch (m) {
    case CMode::Lower: return cclampFloat<A, CMode::Lower>(src, dst, n, level, value.re, value.im);
    case CMode::Upper: return cclampFloat<A, CMode::Upper>(src, dst, n, level, value.re, value.im);
    case CMode::LowerVal: return cclampFloat<A, CMode::LowerVal>(src, dst, n, level, value.re, value.im);
    case CMode::UpperVal: return cclampFloat<A, CMode::UpperVal>(src, dst, n, level, value.re, value.im);
    }
}
void cclamp32fc(const Orv32fc* s, Orv32fc* d, int n, CMode m, Orv32f level, Orv32fc value)
{ cclampAny<WF32>(s, d, n, m, level, value); }
void cclamp64fc(const Orv64fc* s, Orv64fc* d, int n, CMode m, Orv64f level, Orv64fc value)
{ cclampAny<WF64>(s, d, n, m, level, value); }

// 16-bit pairs: exact integer squares, the factor level / |z| in double, and
// products truncated toward zero.
void cclamp16sc(const Orv16sc* s, Orv16sc* d, int n, CMode m, Orv16s level, Orv16sc value)
{
    const std::int64_t l2 = std::int64_t(level) * level;
    const bool upper = m == CMode::Upper || m == CMode::UpperVal;
    const bool replace = m == CMode::LowerVal || m == CMode::UpperVal;
    for (int i = 0; i < n; ++i) {
        const Orv16sc z = s[i];
        const std::int64_t mag2 = std::int64_t(z.re) * z.re + std::int64_t(z.im) * z.im;
        if (!(upper ? mag2 > l2 : mag2 < l2)) {
            d[i] = z;
        } else if (replace) {
            d[i] = value;
        } else if (mag2 == 0) {
            d[i] = Orv16sc{level, 0};
        } else {
            const double f = double(level) / std::sqrt(double(mag2));
            d[i] = Orv16sc{static_cast<Orv16s>(std::trunc(z.re * f)), static_cast<Orv16s>(std::trunc(z.im * f))};
        }
    }
}

// ---- reciprocals ----------------------------------------------------------------

// The sign of x joined to max(abs(x), level) (a NaN stays a NaN), inverted by
// the refined estimate. Lanes outside the normal range of the estimate
// (zeros, subnormals, the top binade, infinities, NaNs) take an exact
// division instead; 1 / +-0 raises the divide-by-zero flag the caller reads.
template <class A>
void invReal(const typename A::S* s, typename A::S* d, int n, typename A::S level)
{
    using S = typename A::S;
    using V = typename A::V;
    const V L = A::set1(level), sign = A::set1(-0.0), one = A::set1(1.0), two = A::set1(2.0);
    // Reciprocals of [low, high) are normal numbers.
    const V low = A::set1(std::numeric_limits<S>::min()), high = A::set1(S(1) / std::numeric_limits<S>::min());
    forPaddedBlocks<A>(s, d, n, [&](const S* in, S* out) {
        const V x = A::load(in);
        const V a = A::andnot(sign, x);
        const V c = A::blend(a, L, A::lt(a, L));
        const V y = A::or_(c, A::and_(sign, x));
        V r = rcpEstimate(y);
        r = A::mul(r, A::sub(two, A::mul(y, r)));
        const auto normal = A::mand(A::ge(c, low), A::lt(c, high));
        if (A::mask(normal) != (1 << A::W) - 1) r = A::blend(A::div(one, y), r, normal);
        A::store(out, r);
    });
}
void inv32f(const Orv32f* s, Orv32f* d, int n, Orv32f level) { invReal<WF32>(s, d, n, level); }
void inv64f(const Orv64f* s, Orv64f* d, int n, Orv64f level) { invReal<WF64>(s, d, n, level); }

// conj(z) / m where m = |z|^2 >= level^2, conj(z) / (|z| * level) below (the
// phase of 1/z at magnitude 1/level); a zero element gives (1/level, 0), or
// (+inf, 0) at level 0, which is reported.
template <class A, class C>
bool invComplex(const C* sc, C* dc, int pairs, typename A::S level)
{
    using P = Pairs<A>;
    using S = typename A::S;
    using V = typename A::V;
    using H = typename Wider<S>::T;
    const S* s = reinterpret_cast<const S*>(sc);
    S* d = reinterpret_cast<S*>(dc);
    const V L = A::set1(level), L2 = A::set1(level * level), conjSign = P::pair(S(0), S(-0.0));
    const V zeroResult = P::pair(level > 0 ? S(1) / level : std::numeric_limits<S>::infinity(), S(0));
    const H wideL = level;
    int zeros = 0;
    forPaddedBlocks<A>(s, d, 2 * pairs, [&](const S* in, S* out) {
        const V v = A::load(in);
        const V m = P::magSq(v);
        const V cv = A::xor_(v, conjSign);
        V r = A::div(cv, m);
        const auto clamp = A::lt(m, L2);
        if (A::mask(clamp)) r = A::blend(r, A::div(A::div(cv, A::sqrt(m)), L), clamp);
        const auto zero = A::eq(P::absBoth(v), A::zero());
        const int zeroLanes = A::mask(zero);
        if (zeroLanes) r = A::blend(r, zeroResult, zero);
        zeros |= zeroLanes;
        A::store(out, r);
        if (const int lanes = P::risky(m, v)) {
            P::redo(v, out, lanes, [&](S re, S im, S& oRe, S& oIm) {
                if (std::isinf(re) || std::isinf(im)) {
                    oRe = std::copysign(S(0), re), oIm = std::copysign(S(0), -im);
                    return;
                }
                const H wm = H(re) * H(re) + H(im) * H(im);
                const H den = wm >= wideL * wideL ? wm : std::sqrt(wm) * wideL;
                oRe = static_cast<S>(H(re) / den), oIm = static_cast<S>(-H(im) / den);
            });
        }
    });
    return zeros != 0 && !(level > 0);
}
bool inv32fc(const Orv32fc* s, Orv32fc* d, int n, Orv32f level) { return invComplex<WF32>(s, d, n, level); }
bool inv64fc(const Orv64fc* s, Orv64fc* d, int n, Orv64f level) { return invComplex<WF64>(s, d, n, level); }

} // namespace

const KernelTable table = {
    clamp16s, clamp32s, clamp32f, clamp64f, cclamp16sc, cclamp32fc, cclamp64fc, inv32f, inv64f, inv32fc, inv64fc,
};

} // namespace orvs::threshold::ORVS_TARGET
