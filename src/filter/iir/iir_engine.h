// The IIR engine: argument checks in the family's order, record placement,
// taps normalisation, delay lines and the block loop. One template over the
// precision pair (internal type R, sample type T) serves every entry.
#pragma once
#include <algorithm>
#include <cmath>
#include <cstring>
#include <type_traits>

#include "core/check.h"
#include "core/saturate.h"
#include "filter/iir/iir_kernels.h"
#include "orvs/core.h"
#include "orvs/iir.h"

namespace orvs::iir {

// One precision pair. Kind numbers are 0 where the pair has no such form;
// df1Int marks the integer DF1 kind, which keeps its history beside a
// biquad record.
template <class R_, class T_, class S_, int ar_, int bq_, int df1_ = 0, bool df1Int_ = false>
struct Pair {
    using R = R_;
    using T = T_;
    using S = S_;
    static constexpr int ar = ar_, bq = bq_, df1 = df1_;
    static constexpr bool df1Int = df1Int_;
    // Kinds 01..04 and 13..16 filter in the caller's buffers directly.
    static constexpr bool native = sizeof(R) == sizeof(T) && std::is_floating_point_v<typename Real<R>::type> &&
                                   !std::is_integral_v<T>;
};

// Non-template pieces (iir_engine.cpp).
std::int64_t formulaBytes(bool complex, bool dbl, Form form, int n, bool native, bool dedicated2);
template <class R>
void buildArTables(IirState& st);
template <class R>
void buildSection(IirState& st, int s, const R* five);

// ---- conversions between samples and the internal type -------------------

template <class R, class T>
inline R toInternal(const T& v)
{
    using F = typename Real<R>::type;
    if constexpr (Real<R>::complex) return R(F(v.re), F(v.im));
    else return R(F(v));
}

inline double scaleOf(int scaleFactor) { return std::ldexp(1.0, -std::clamp(scaleFactor, -1100, 1100)); }

template <class C, class F>
inline C part(F v, double scale)
{
    if constexpr (std::is_integral_v<C>) return saturate<C>(std::nearbyint(double(v) * scale));
    else return C(v);
}

template <class T, class R>
inline T toSample(const R& y, double scale)
{
    if constexpr (Real<R>::complex) {
        using C = decltype(T{}.re);
        T out;
        out.re = part<C>(y.re, scale);
        out.im = part<C>(y.im, scale);
        return out;
    } else {
        return part<T>(y, scale);
    }
}

// ---- record access -------------------------------------------------------

// The record when its identifier is one of the kinds given (0 never matches).
template <class... K>
inline IirState* open(const void* p, OrvStatus& status, K... kinds)
{
    std::uint32_t word;
    std::memcpy(&word, p, sizeof word);
    const bool ok = ((kinds != 0 && word == kindId(kinds)) || ...);
    status = ok ? orvStsOk : orvStsErrContextMatch;
    return ok ? static_cast<IirState*>(const_cast<void*>(p)) : nullptr;
}

template <class P>
inline int kindOf(Form form) { return form == kAr ? P::ar : form == kBiquad ? P::bq : P::df1; }

template <class P>
inline Layout layoutOf(Form form, int n)
{
    using R = typename P::R;
    return layout(sizeof(R), form, n, !P::native, form == kDf1 && P::df1Int);
}

// Orders beyond this would overflow the byte counts callers receive.
constexpr int kMaxOrder = 1 << 20;

template <class P>
inline std::int64_t stateBytes(Form form, int n)
{
    using R = typename P::R;
    const bool ded2 = form == kAr && P::ar == 1 && n == 2;
    const Form f = form == kDf1 && P::df1Int ? kBiquad : form;
    const std::int64_t formula =
        formulaBytes(Real<R>::complex, sizeof(typename Real<R>::type) == 8, f, n, P::native, ded2);
    return std::max<std::int64_t>(formula, static_cast<std::int64_t>(layoutOf<P>(form, n).end) + 32);
}

template <class P, Form F>
OrvStatus getStateSize(int order, int* pSize)
{
    ORVS_CHECK(check::pointers(pSize));
    if (order < 1 || order > kMaxOrder) return orvStsErrIirOrder;
    *pSize = static_cast<int>(stateBytes<P>(F, order));
    return orvStsOk;
}

// ---- taps ------------------------------------------------------------------

template <class R>
inline bool isZero(const R& v)
{
    if constexpr (Real<R>::complex) return v.re == 0 && v.im == 0;
    else return v == 0;
}

// r = 1/a0 formed once; complex: conj(a0)/|a0|^2 with products in double.
template <class R>
inline void normalise(const R* in, R* out, int count, const R& a0)
{
    if constexpr (Real<R>::complex) {
        const double re = a0.re, im = a0.im, m = re * re + im * im;
        const Cx<double> r(re / m, -im / m);
        for (int i = 0; i < count; ++i) out[i] = R(Cx<double>(in[i]) * r);
    } else {
        const R r = R(1) / a0;
        for (int i = 0; i < count; ++i) out[i] = in[i] * r;
    }
}

// Caller-layout taps (already in the internal type) into the record.
// AR fails before writing; biquad sections before a failing one stay set.
template <class R>
OrvStatus applyTaps(IirState& st, const R* in)
{
    const int n = st.order;
    R* taps = at<R>(st.taps);
    if (st.form == kAr) {
        const R a0 = in[n + 1];
        if (isZero(a0)) return orvStsErrDivByZero;
        normalise(in, taps, n + 1, a0);
        normalise(in + n + 2, taps + n + 1, n, a0);
        buildArTables<R>(st);
        return orvStsOk;
    }
    for (int s = 0; s < n; ++s) {
        const R* c = in + 6 * s;
        R five[5];
        const R in5[5] = {c[0], c[1], c[2], c[4], c[5]};
        if (isZero(c[3])) return orvStsErrDivByZero;
        if (st.form == kBiquad && isZero(c[0])) return orvStsErrDivByZero;
        if (st.form == kDf1 && c[3] == R(1)) std::copy(in5, in5 + 5, five);
        else normalise(in5, five, 5, c[3]);
        std::copy(five, five + 5, taps + 5 * s);
        if (st.rows) buildSection<R>(st, s, five);
    }
    return orvStsOk;
}

template <class Tt>
constexpr bool integerTaps = [] {
    if constexpr (requires(Tt t) { t.re; }) return std::is_integral_v<decltype(Tt{}.re)>;
    else return std::is_integral_v<Tt>;
}();

// Taps as the caller passes them, seen in the internal type: float taps
// directly, 32-bit integer taps through a temporary of value·2^-tapsFactor.
template <class R, class Tt, class Fn>
OrvStatus withInternalTaps(const Tt* pTaps, int count, int tapsFactor, Fn&& fn)
{
    if constexpr (integerTaps<Tt>) {
        R* tmp = reinterpret_cast<R*>(orvsMalloc_8u(static_cast<int>(sizeof(R)) * count));
        if (!tmp) return orvStsErrMemAlloc;
        const double scale = scaleOf(tapsFactor);
        for (int i = 0; i < count; ++i) {
            if constexpr (Real<R>::complex) tmp[i] = R(typename Real<R>::type(double(pTaps[i].re) * scale), typename Real<R>::type(double(pTaps[i].im) * scale));
            else tmp[i] = R(double(pTaps[i]) * scale);
        }
        const OrvStatus s = fn(static_cast<const R*>(tmp));
        orvsFree(tmp);
        return s;
    } else {
        static_assert(sizeof(Tt) == sizeof(R));
        return fn(reinterpret_cast<const R*>(pTaps));
    }
}

// A0 (AR) or every a0 and b0 (biquad) valid, so Init writes nothing on -10.
template <class R>
inline OrvStatus tapsAcceptable(Form form, const R* in, int n)
{
    if (form == kAr) return isZero(in[n + 1]) ? orvStsErrDivByZero : orvStsOk;
    for (int s = 0; s < n; ++s)
        if (isZero(in[6 * s + 3]) || (form == kBiquad && isZero(in[6 * s]))) return orvStsErrDivByZero;
    return orvStsOk;
}

// ---- delay lines -------------------------------------------------------------

template <class P>
inline int dlyValues(const IirState& st) { return st.form == kAr ? st.order : st.form == kBiquad || P::df1Int ? 2 * st.order : 4 * st.order; }

// DF1 history (x2 x1 y2 y1) into the transposed form II state of each section.
template <class R>
inline void historyToState(IirState& st)
{
    const R* taps = at<const R>(st.taps);
    const R* h = at<const R>(st.df1Hist);
    R* d = at<R>(st.dly);
    for (int s = 0; s < st.order; ++s, taps += 5, h += 4) {
        d[2 * s] = ((taps[1] * h[1] + taps[2] * h[0]) - taps[3] * h[3]) - taps[4] * h[2];
        d[2 * s + 1] = taps[2] * h[1] - taps[4] * h[3];
    }
}

template <class P, class D>
inline void writeDelay(IirState& st, const D* pDly)
{
    using R = typename P::R;
    if constexpr (std::is_integral_v<D>) {  // the integer DF1 kind: history in the internal type
        R* h = at<R>(st.df1Hist);
        for (int i = 0; i < 4 * st.order; ++i) h[i] = pDly ? R(double(pDly[i])) : R(0);
        return;
    }
    R* d = at<R>(st.dly);
    const int n = dlyValues<P>(st);
    for (int i = 0; i < n; ++i) d[i] = pDly ? reinterpret_cast<const R*>(pDly)[i] : R(0);
    if (st.form == kAr) d[n] = R(0);
}

// ---- creation ----------------------------------------------------------------

template <class P, Form F, class Tt, class D>
OrvStatus initIn(typename P::S** ppState, const Tt* pTaps, int order, int tapsFactor, const D* pDlyLine, Orv8u* pBuf)
{
    using R = typename P::R;
    ORVS_CHECK(check::pointers(ppState, pTaps, pBuf));
    if (order < 1 || order > kMaxOrder) return orvStsErrIirOrder;
    const int count = F == kAr ? 2 * order + 2 : 6 * order;
    return withInternalTaps<R>(pTaps, count, tapsFactor, [&](const R* taps) -> OrvStatus {
        ORVS_CHECK(tapsAcceptable(F, taps, order));
        const Layout l = layoutOf<P>(F, order);
        auto* st = record::place<IirState>(pBuf, 32, l.end);
        auto* base = reinterpret_cast<std::uint8_t*>(st);
        auto ptr = [&](std::size_t off) -> void* { return off ? base + off : nullptr; };
        st->taps = ptr(l.taps);
        st->dly = ptr(l.dly);
        st->rows = ptr(l.rows);
        st->numTab = F == kAr ? st->taps : st->rows;
        st->recTab = ptr(l.recTab);
        st->work1 = ptr(l.work1);
        st->work2 = ptr(l.work2);
        st->df1Hist = ptr(l.df1Hist);
        st->order = order;
        st->numBq = F == kAr ? 0 : order;
        st->form = F;
        st->dedicated2 = F == kAr && P::ar == 1 && order == 2;
        st->dlyLen = F == kAr ? order : F == kDf1 && !P::df1Int ? 4 * order : 2 * order;
        ORVS_CHECK(applyTaps<R>(*st, taps));
        writeDelay<P>(*st, pDlyLine);
        st->id = kindId(kindOf<P>(F));
        *ppState = reinterpret_cast<typename P::S*>(st);
        return orvStsOk;
    });
}

template <class P, Form F, class Tt, class D>
OrvStatus init(typename P::S** ppState, const Tt* pTaps, int order, const D* pDlyLine, Orv8u* pBuf)
{
    return initIn<P, F>(ppState, pTaps, order, 0, pDlyLine, pBuf);
}

template <class P, Form F, class Tt, class D>
OrvStatus initScaled(typename P::S** ppState, const Tt* pTaps, int order, int tapsFactor, const D* pDlyLine, Orv8u* pBuf)
{
    return initIn<P, F>(ppState, pTaps, order, tapsFactor, pDlyLine, pBuf);
}

template <class P, Form F, class Tt, class D>
OrvStatus initAllocScaled(typename P::S** ppState, const Tt* pTaps, int order, int tapsFactor, const D* pDlyLine)
{
    ORVS_CHECK(check::pointers(ppState, pTaps));
    if (order < 1 || order > kMaxOrder) return orvStsErrIirOrder;
    IirState* made = nullptr;
    const OrvStatus s = record::initAlloc(&made, stateBytes<P>(F, order), 0, [&](Orv8u* mem, Orv8u*, IirState** out) {
        typename P::S* st = nullptr;
        const OrvStatus r = initIn<P, F>(&st, pTaps, order, tapsFactor, pDlyLine, mem);
        *out = reinterpret_cast<IirState*>(st);
        return r;
    });
    if (s >= 0) *ppState = reinterpret_cast<typename P::S*>(made);
    return s;
}

template <class P, Form F, class Tt, class D>
OrvStatus initAlloc(typename P::S** ppState, const Tt* pTaps, int order, const D* pDlyLine)
{
    return initAllocScaled<P, F>(ppState, pTaps, order, 0, pDlyLine);
}

template <class P>
OrvStatus freeState(typename P::S* pState)
{
    ORVS_CHECK(check::pointers(pState));
    OrvStatus s;
    IirState* st = open(pState, s, P::ar, P::bq, P::df1);
    if (!st) return s;
    if (st->owned) orvsFree(st);  // a record in caller memory is left alone
    return orvStsOk;
}

template <class P, class Tt>
OrvStatus setTapsScaled(const Tt* pTaps, typename P::S* pState, int tapsFactor)
{
    using R = typename P::R;
    ORVS_CHECK(check::pointers(pTaps, pState));
    OrvStatus s;
    IirState* st = open(pState, s, P::ar, P::bq, P::df1);
    if (!st) return s;
    const int count = st->form == kAr ? 2 * st->order + 2 : 6 * st->order;
    return withInternalTaps<R>(pTaps, count, tapsFactor, [&](const R* taps) { return applyTaps<R>(*st, taps); });
}

template <class P, class Tt>
OrvStatus setTaps(const Tt* pTaps, typename P::S* pState) { return setTapsScaled<P>(pTaps, pState, 0); }

// Delay-line exchange: the AR, biquad and float DF1 kinds (df1 = false) or
// the integer DF1 kind alone (df1 = true).
template <class P, bool df1, class D>
OrvStatus getDlyLine(const typename P::S* pState, D* pDlyLine)
{
    using R = typename P::R;
    ORVS_CHECK(check::pointers(pState, pDlyLine));
    OrvStatus s;
    const IirState* st = df1 ? open(pState, s, P::df1) : open(pState, s, P::ar, P::bq, P::df1Int ? 0 : P::df1);
    if (!st) return s;
    if constexpr (df1) {
        const R* h = at<const R>(st->df1Hist);
        for (int i = 0; i < 4 * st->order; ++i) pDlyLine[i] = saturate<D>(std::nearbyint(h[i]));
    } else {
        const R* d = at<const R>(st->dly);
        std::copy(d, d + dlyValues<P>(*st), reinterpret_cast<R*>(pDlyLine));
    }
    return orvStsOk;
}

template <class P, bool df1, class D>
OrvStatus setDlyLine(typename P::S* pState, const D* pDlyLineOpt)
{
    ORVS_CHECK(check::pointers(pState));
    OrvStatus s;
    IirState* st = df1 ? open(pState, s, P::df1) : open(pState, s, P::ar, P::bq, P::df1Int ? 0 : P::df1);
    if (!st) return s;
    writeDelay<P>(*st, pDlyLineOpt);
    return orvStsOk;
}

// ---- filtering -------------------------------------------------------------

template <class P>
OrvStatus filter(const typename P::T* pSrc, typename P::T* pDst, int len, typename P::S* pState, int scaleFactor)
{
    using R = typename P::R;
    ORVS_CHECK(check::pointers(pSrc, pDst, pState));
    ORVS_CHECK(check::length(len));
    OrvStatus s;
    IirState* st = open(pState, s, P::ar, P::bq, P::df1);
    if (!st) return s;
    const Fns<R>& k = fns<R>();
    LaneCache cache;
    if constexpr (P::native) {
        const R* x = reinterpret_cast<const R*>(pSrc);
        R* y = reinterpret_cast<R*>(pDst);
        if (st->form == kDf1) return k.df1(*st, x, y, len, cache), orvStsOk;
        const auto run = st->form == kAr ? k.ar : k.biquad;
        for (int off = 0; off < len; off += kBlock) run(*st, x + off, y + off, std::min(kBlock, len - off), cache);
    } else {
        if (st->form == kDf1) historyToState<R>(*st);
        const auto run = st->form == kAr ? k.ar : k.biquad;
        const double scale = scaleOf(scaleFactor);
        R* w = at<R>(st->work2);
        for (int off = 0; off < len; off += kBlock) {
            const int n = std::min(kBlock, len - off);
            for (int i = 0; i < n; ++i) w[i] = toInternal<R>(pSrc[off + i]);
            run(*st, w, w, n, cache);
            for (int i = 0; i < n; ++i) pDst[off + i] = toSample<typename P::T>(w[i], scale);
        }
    }
    return orvStsOk;
}

template <class P>
OrvStatus filterOne(typename P::T src, typename P::T* pDstVal, typename P::S* pState, int scaleFactor)
{
    using R = typename P::R;
    ORVS_CHECK(check::pointers(pDstVal, pState));
    OrvStatus s;
    IirState* st = open(pState, s, P::ar, P::bq);
    if (!st) return s;
    const R x = toInternal<R>(src);
    const R y = st->form == kAr ? arStep(at<const R>(st->taps), at<R>(st->dly), st->order, x)
                                : cascadeStep(at<const R>(st->rows), at<R>(st->dly), st->order, x, static_cast<R*>(nullptr));
    *pDstVal = toSample<typename P::T>(y, scaleOf(scaleFactor));
    return orvStsOk;
}

// ---- the precision pairs -----------------------------------------------------

using C32 = Cx<float>;
using C64 = Cx<double>;
using P_32f = Pair<float, Orv32f, OrvsIIRState_32f, 1, 2, 29>;
using P_32fc = Pair<C32, Orv32fc, OrvsIIRState_32fc, 3, 4>;
using P32f_16s = Pair<float, Orv16s, OrvsIIRState32f_16s, 5, 6>;
using P32fc_16sc = Pair<C32, Orv16sc, OrvsIIRState32fc_16sc, 7, 8>;
using P32s_16s = Pair<float, Orv16s, OrvsIIRState32s_16s, 9, 10>;
using P32sc_16sc = Pair<C32, Orv16sc, OrvsIIRState32sc_16sc, 11, 12>;
using P_64f = Pair<double, Orv64f, OrvsIIRState_64f, 13, 14>;
using P_64fc = Pair<C64, Orv64fc, OrvsIIRState_64fc, 15, 16>;
using P64f_32f = Pair<double, Orv32f, OrvsIIRState64f_32f, 17, 18>;
using P64fc_32fc = Pair<C64, Orv32fc, OrvsIIRState64fc_32fc, 19, 20>;
using P64f_32s = Pair<double, Orv32s, OrvsIIRState64f_32s, 21, 22, 30, true>;
using P64fc_32sc = Pair<C64, Orv32sc, OrvsIIRState64fc_32sc, 23, 24>;
using P64f_16s = Pair<double, Orv16s, OrvsIIRState64f_16s, 25, 26>;
using P64fc_16sc = Pair<C64, Orv16sc, OrvsIIRState64fc_16sc, 27, 28>;

} // namespace orvs::iir
