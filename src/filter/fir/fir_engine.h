// The FIR engine: one implementation of every state operation over the
// family traits of fir_record.h. A family is a (taps type, data type) pair;
// mixed families convert their input to the taps type on the way in and
// their outputs on the way out, and filter in between exactly as the
// same-type family of their taps does.
#pragma once
#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstring>

#include "core/check.h"
#include "core/parallel.h"
#include "core/record.h"
#include "core/saturate.h"
#include "filter/fir/fir_fft.h"
#include "filter/fir/fir_kernels.h"
#include "filter/fir/fir_record.h"
#include "orvcore.h"
#include "orvs/convert.h"
#include "orvs/core.h"

namespace orvs::fir {

// ---- element helpers ----------------------------------------------------------

template <class To, class From>
inline To convertElem(const From& x)
{
    if constexpr (Elem<To>::complex) {
        using R = typename Elem<To>::Real;
        return To{convertElem<R>(x.re), convertElem<R>(x.im)};
    } else if constexpr (std::is_integral_v<To> && std::is_floating_point_v<From>) {
        return saturate<To>(roundNearestEven(static_cast<double>(x)));  // history holds whole numbers
    } else {
        return static_cast<To>(x);
    }
}

// acc + a * b with the product rounded first (no fusion), complex or real.
template <class T>
inline T mulAdd(const T& acc, const T& a, const T& b)
{
    if constexpr (Elem<T>::complex) {
        const auto re = a.re * b.re - a.im * b.im;
        const auto im = a.re * b.im + a.im * b.re;
        return T{acc.re + re, acc.im + im};
    } else {
        return acc + a * b;
    }
}

inline void blockKernel(const Orv32f* t, int L, const Orv32f* in, Orv32f* out, int n) { kernels().block_32f(t, L, in, out, n); }
inline void blockKernel(const Orv64f* t, int L, const Orv64f* in, Orv64f* out, int n) { kernels().block_64f(t, L, in, out, n); }
inline void blockKernel(const Orv32fc* t, int L, const Orv32fc* in, Orv32fc* out, int n) { kernels().block_32fc(t, L, in, out, n); }
inline void blockKernel(const Orv64fc* t, int L, const Orv64fc* in, Orv64fc* out, int n) { kernels().block_64fc(t, L, in, out, n); }
inline void dotKernel(const Orv32f* a, const Orv32f* b, int n, Orv32f* r) { kernels().dot_32f(a, b, n, r); }
inline void dotKernel(const Orv64f* a, const Orv64f* b, int n, Orv64f* r) { kernels().dot_64f(a, b, n, r); }
inline void dotKernel(const Orv32fc* a, const Orv32fc* b, int n, Orv32fc* r) { kernels().dot_32fc(a, b, n, r); }
inline void dotKernel(const Orv64fc* a, const Orv64fc* b, int n, Orv64fc* r) { kernels().dot_64fc(a, b, n, r); }

// Outputs in the data type: integers through the conversion entries with
// rounding to nearest (ties to even), the scale factor and saturation.
inline void convertOut(const Orv32f* s, Orv16s* d, int n, int sf) { orvsConvert_32f16s_Sfs(s, d, n, orvRndNear, sf); }
inline void convertOut(const Orv64f* s, Orv16s* d, int n, int sf) { orvsConvert_64f16s_Sfs(s, d, n, orvRndNear, sf); }
inline void convertOut(const Orv64f* s, Orv32s* d, int n, int sf) { orvsConvert_64f32s_Sfs(s, d, n, orvRndNear, sf); }
inline void convertOut(const Orv64f* s, Orv32f* d, int n, int) { orvsConvert_64f32f(s, d, n); }
inline void convertOut(const Orv32fc* s, Orv16sc* d, int n, int sf) { convertOut(&s->re, &d->re, 2 * n, sf); }
inline void convertOut(const Orv64fc* s, Orv16sc* d, int n, int sf) { convertOut(&s->re, &d->re, 2 * n, sf); }
inline void convertOut(const Orv64fc* s, Orv32sc* d, int n, int sf) { convertOut(&s->re, &d->re, 2 * n, sf); }
inline void convertOut(const Orv64fc* s, Orv32fc* d, int n, int sf) { convertOut(&s->re, &d->re, 2 * n, sf); }

template <class F> using TapOf = typename F::Tap;

template <class F> inline TapOf<F>* dlyOf(const State& s) { return static_cast<TapOf<F>*>(s.dly); }
template <class F> inline const TapOf<F>* bcastOf(const State& s) { return static_cast<const TapOf<F>*>(s.bcastTaps); }
template <class F> inline TapOf<F>* blockOf(const State& s, int t)
{
    return reinterpret_cast<TapOf<F>*>(static_cast<std::uint8_t*>(s.blockBufs) + std::int64_t(t) * s.blockStride);
}
template <class F> inline Orv8u* workOf(const State& s, int t)
{
    return s.workBufs ? static_cast<Orv8u*>(s.workBufs) + std::int64_t(t) * s.workBytes : nullptr;
}

// ---- taps, spectrum and history ---------------------------------------------------

// Both tap layouts: the shifted reversed rows and the broadcast copies.
template <class F, class Src>
void writeTaps(State& s, const Src* taps)
{
    using T = TapOf<F>;
    const int L = s.tapsLen;
    const std::int64_t M = rowLen(L);
    T* rows = static_cast<T*>(s.revTaps);
    std::memset(static_cast<void*>(rows), 0, sizeof(T) * kRows * M);
    T* bc = static_cast<T*>(s.bcastTaps);
    for (int i = 0; i < L; ++i) {
        const T h = convertElem<T>(taps[i]);
        for (int j = 0; j < kRows; ++j) rows[j * M + j + (L - 1 - i)] = h;
        for (int c = 0; c < kCopies; ++c) bc[std::int64_t(i) * kCopies + c] = h;
    }
}

// The forward transform of the zero-padded taps.
template <class F>
OrvStatus buildSpectrum(State& s)
{
    using T = TapOf<F>;
    T* sp = static_cast<T*>(s.tapsSpectrum);
    const T* bc = bcastOf<F>(s);
    for (int i = 0; i < s.tapsLen; ++i) sp[i] = bc[std::int64_t(i) * kCopies];
    std::memset(static_cast<void*>(sp + s.tapsLen), 0, sizeof(T) * (s.fftLen - s.tapsLen));
    return FftOps<T>::fwd(sp, sp, s.fftSpec, workOf<F>(s, 0));
}

template <class F>
void setHistory(State& s, const typename F::Data* dlyLine)
{
    using T = TapOf<F>;
    T* d = dlyOf<F>(s);
    const int L = s.tapsLen;
    for (int i = 0; i < L; ++i) d[i] = dlyLine ? convertElem<T>(dlyLine[L - 1 - i]) : T{};
    s.dlyIndex = 0;
}

// ---- construction ---------------------------------------------------------------

struct FftSizes {
    bool ok = false;
    int order = 0, spec = 0, init = 0, work = 0;
};

template <class F>
FftSizes fftSizes(int L, bool allowFft)
{
    FftSizes z;
    if (!allowFft || L < F::fftMinTaps) return z;
    z.order = fftOrderFor(L);
    z.ok = FftOps<TapOf<F>>::size(z.order, &z.spec, &z.init, &z.work) == orvStsOk;
    return z;
}

template <class F>
Plan planOf(int L, int threads, bool allowFft)
{
    const FftSizes z = fftSizes<F>(L, allowFft);
    return planFor<F>(L, threads, z.ok, z.spec, z.init, z.work, z.order);
}

inline int libraryThreads() { return std::max(1, ownGetNumThreads()); }

inline OrvStatus tapsLenCheck(int L) { return L < 1 ? orvStsErrFirLen : orvStsOk; }

template <class F>
OrvStatus getStateSize(int tapsLen, int* pStateSize)
{
    ORVS_CHECK(check::pointers(pStateSize));
    ORVS_CHECK(tapsLenCheck(tapsLen));
    const std::int64_t bytes = planOf<F>(tapsLen, libraryThreads(), true).total();
    if (bytes > INT_MAX) return orvStsErrMemAlloc;
    *pStateSize = static_cast<int>(bytes);
    return orvStsOk;
}

// Init's body: the record at mem rounded up to 16 bytes, the areas carved in
// plan order. allocFft: the FFT record comes from the allocating initialiser
// and any failure is returned; otherwise a failure switches the FFT path off.
template <class F, class Src>
OrvStatus build(Orv8u* mem, const Src* taps, int L, const typename F::Data* dlyLine, bool allowFft, bool allocFft,
                State** out)
{
    using T = TapOf<F>;
    const int threads = libraryThreads();
    const Plan p = planOf<F>(L, threads, allowFft);
    if (p.total() > INT_MAX) return orvStsErrMemAlloc;
    State* s = record::place<State>(mem, 16, sizeof(State));
    std::uint8_t* at = reinterpret_cast<std::uint8_t*>(s) + up64(sizeof(State));
    auto carve = [&](std::int64_t bytes) {
        std::uint8_t* a = record::alignUp(at, 64);
        at = a + bytes;
        return static_cast<void*>(a);
    };
    s->revTaps = carve(p.rev);
    s->dly = carve(p.dly);
    s->bcastTaps = carve(p.bcast);
    s->statuses = static_cast<std::int32_t*>(carve(p.statuses));
    void* specMem = carve(p.spec);
    void* initMem = carve(p.init);
    s->tapsSpectrum = carve(p.spectrum);
    s->workBytes = static_cast<std::int32_t>(p.work);
    s->workBufs = p.work > 0 ? carve(p.work * threads) : nullptr;
    s->blockStride = static_cast<std::int32_t>(p.block);
    s->blockBufs = carve(p.block * threads);
    s->chunk = carve(p.chunk);
    s->tapsLen = L;
    s->dlyLen = L;
    s->threads = threads;
    s->fftLen = p.fftLen;
    s->fftOrder = p.order;
    s->capacity = F::headOutputs(L) + 1;
    writeTaps<F>(*s, taps);
    setHistory<F>(*s, dlyLine);
    if (s->fftLen > 0) {
        using Ops = FftOps<T>;
        typename Ops::Spec* spec = nullptr;
        OrvStatus st = allocFft ? Ops::initAlloc(&spec, p.order)
                                : Ops::init(&spec, p.order, static_cast<Orv8u*>(specMem), static_cast<Orv8u*>(initMem));
        if (st >= 0 && spec) {
            s->fftSpec = spec;
            st = buildSpectrum<F>(*s);
            if (st < 0 && allocFft) Ops::release(spec);
        }
        if (st < 0 || !spec) {
            if (allocFft) return st < 0 ? st : orvStsErrMemAlloc;
            s->fftSpec = nullptr;
            s->fftLen = -1;
        }
    }
    s->id = F::id;
    *out = s;
    return orvStsOk;
}

template <class F>
OrvStatus init(void* ppState, const TapOf<F>* pTaps, int tapsLen, const typename F::Data* pDlyLine, Orv8u* pBuffer)
{
    ORVS_CHECK(check::pointers(ppState, pTaps, pBuffer));
    ORVS_CHECK(tapsLenCheck(tapsLen));
    State* s = nullptr;
    ORVS_CHECK(build<F>(pBuffer, pTaps, tapsLen, pDlyLine, true, false, &s));
    std::memcpy(ppState, &s, sizeof s);
    return orvStsOk;
}

// The 32-bit integer taps family: a 64f_32s state with the taps converted
// exactly and no FFT path.
inline OrvStatus init32s(void* ppState, const Orv32s* pTaps, int tapsLen, const Orv32s* pDlyLine, Orv8u* pBuffer)
{
    ORVS_CHECK(check::pointers(ppState, pTaps, pBuffer));
    ORVS_CHECK(tapsLenCheck(tapsLen));
    State* s = nullptr;
    ORVS_CHECK(build<F64_32s>(pBuffer, pTaps, tapsLen, pDlyLine, false, false, &s));
    s->fftLen = -1;
    std::memcpy(ppState, &s, sizeof s);
    return orvStsOk;
}

template <class F>
OrvStatus initAlloc(void* ppState, const TapOf<F>* pTaps, int tapsLen, const typename F::Data* pDlyLine)
{
    ORVS_CHECK(check::pointers(ppState, pTaps));
    ORVS_CHECK(tapsLenCheck(tapsLen));
    const std::int64_t bytes = planOf<F>(tapsLen, libraryThreads(), true).total();
    State* s = nullptr;
    ORVS_CHECK(record::initAlloc<State>(&s, bytes, 0, [&](std::uint8_t* mem, std::uint8_t*, State** out) {
        return build<F>(mem, pTaps, tapsLen, pDlyLine, true, true, out);
    }));
    std::memcpy(ppState, &s, sizeof s);
    return orvStsOk;
}

template <class F>
OrvStatus release(void* pState)
{
    ORVS_CHECK(record::check(pState, F::id));
    State* s = static_cast<State*>(pState);
    if (!s->owned) return orvStsOk;
    if (s->fftSpec) FftOps<TapOf<F>>::release(s->fftSpec);
    s->id = 0;
    orvsFree(s);
    return orvStsOk;
}

// Runs body(state) after the pointer checks and the identifier check.
template <class F, class Body, class... P>
OrvStatus onState(const void* pState, Body&& body, const P*... p)
{
    ORVS_CHECK(check::pointers(pState, p...));
    ORVS_CHECK(record::check(pState, F::id));
    return body(*static_cast<State*>(const_cast<void*>(pState)));
}

template <class F>
OrvStatus getTaps(const void* pState, TapOf<F>* pTaps)
{
    return onState<F>(pState, [&](State& s) -> OrvStatus {
        const TapOf<F>* bc = bcastOf<F>(s);
        for (int i = 0; i < s.tapsLen; ++i) pTaps[i] = bc[std::int64_t(i) * kCopies];
        return orvStsOk;
    }, pTaps);
}

template <class F>
OrvStatus setTaps(const TapOf<F>* pTaps, void* pState)
{
    return onState<F>(pState, [&](State& s) -> OrvStatus {
        writeTaps<F>(s, pTaps);
        return s.fftLen > 0 ? buildSpectrum<F>(s) : orvStsOk;
    }, pTaps);
}

template <class F>
OrvStatus getDlyLine(const void* pState, typename F::Data* pDlyLine)
{
    return onState<F>(pState, [&](State& s) -> OrvStatus {
        const TapOf<F>* h = dlyOf<F>(s) + s.dlyIndex;
        for (int k = 0; k < s.tapsLen; ++k) pDlyLine[k] = convertElem<typename F::Data>(h[s.tapsLen - 1 - k]);
        return orvStsOk;
    }, pDlyLine);
}

template <class F>
OrvStatus setDlyLine(void* pState, const typename F::Data* pDlyLine)
{
    return onState<F>(pState, [&](State& s) -> OrvStatus {
        setHistory<F>(s, pDlyLine);
        return orvStsOk;
    });
}

// ---- one sample -----------------------------------------------------------------

// The delay buffer as a circular buffer of tapsLen positions with a mirror
// behind it, so the last tapsLen inputs are always contiguous.
template <class F>
TapOf<F> stepOne(State& s, const TapOf<F>& x)
{
    using T = TapOf<F>;
    const int L = s.tapsLen;
    T* d = dlyOf<F>(s);
    d[s.dlyIndex] = x;
    d[s.dlyIndex + L] = x;
    s.dlyIndex = s.dlyIndex + 1 == L ? 0 : s.dlyIndex + 1;
    const T* rev = static_cast<const T*>(s.revTaps);  // row 0: reversed taps
    const T* h = d + s.dlyIndex;
    T acc{};
    // Short filters sum in tap order, products rounded before each addition.
    if (L < 12)
        for (int k = 0; k < L; ++k) acc = mulAdd(acc, rev[k], h[k]);
    else
        dotKernel(rev, h, L, &acc);
    return acc;
}

template <class F>
OrvStatus filterOne(typename F::Data src, typename F::Data* pDstVal, void* pState, int scaleFactor = 0)
{
    return onState<F>(pState, [&](State& s) -> OrvStatus {
        const TapOf<F> y = stepOne<F>(s, convertElem<TapOf<F>>(src));
        if constexpr (F::mixed) convertOut(&y, pDstVal, 1, scaleFactor);
        else *pDstVal = y;
        return orvStsOk;
    }, pDstVal);
}

// ---- blocks ---------------------------------------------------------------------

template <class T>
inline void copyElems(T* d, const T* s, std::int64_t n) { std::memmove(static_cast<void*>(d), s, sizeof(T) * n); }
template <class T>
inline void zeroElems(T* d, std::int64_t n) { std::memset(static_cast<void*>(d), 0, sizeof(T) * n); }

// Direct path. The history and the head of the block are made contiguous in
// the delay buffer up to its capacity; later outputs read the caller's input.
template <class F>
void direct(State& s, const TapOf<F>* src, TapOf<F>* dst, int n)
{
    using T = TapOf<F>;
    const int L = s.tapsLen;
    const T* taps = bcastOf<F>(s);
    T* d = dlyOf<F>(s);
    T* hist = d + s.dlyIndex;
    if (n <= s.capacity) {
        copyElems(hist + L, src, n);
        blockKernel(taps, L, hist + 1, dst, n);
        copyElems(d, hist + n, L);
        s.dlyIndex = 0;
        return;
    }
    const int head = F::headOutputs(L);
    copyElems(hist + L, src, s.capacity);
    blockKernel(taps, L, hist + 1, dst, head);
    copyElems(d, src + n - L, L);
    s.dlyIndex = 0;
    // Output m reads x[m-L+1 .. m].
    const int rest = n - head;
    const T* in = src + head - L + 1;
    T* out = dst + head;
    if (n > F::splitAbove && ownGetNumThreads() > 1) {
        parallel::forChunks(rest, 0, parallel::kAllThreads, [&](int b, int c) {
            blockKernel(taps, L, in + b, out + b, c);
            return false;
        });
    } else {
        blockKernel(taps, L, in, out, rest);
    }
}

// One overlap-save block b in thread t's buffer (b = 0 has the history in
// place already).
template <class F>
OrvStatus fftBlock(const State& s, int b, int t, const TapOf<F>* src, TapOf<F>* dst, int n)
{
    using T = TapOf<F>;
    using Ops = FftOps<T>;
    const int L = s.tapsLen, N = s.fftLen, S = N - L + 1;
    T* w = blockOf<F>(s, t);
    Orv8u* work = workOf<F>(s, t);
    int keep = S;
    OrvStatus st;
    if (b == 0) {
        copyElems(w + L - 1, src, S);
        st = Ops::fwd(w, w, s.fftSpec, work);
    } else {
        const std::int64_t first = std::int64_t(b) * S - L + 1;
        const int r = n - b * S;
        if (r < N) {
            const int c = std::min(r + L - 1, N);
            copyElems(w, src + first, c);
            zeroElems(w + c, N - c);
            keep = std::min(r, S);
            st = Ops::fwd(w, w, s.fftSpec, work);
        } else {
            st = Ops::fwd(src + first, w, s.fftSpec, work);
        }
    }
    if (st < 0) return st;
    if (OrvStatus m = Ops::mul(static_cast<const T*>(s.tapsSpectrum), w, N); m < 0) return m;
    if (OrvStatus i = Ops::inv(w, s.fftSpec, work); i < 0) return i;
    copyElems(dst + std::int64_t(b) * S, w + L - 1, keep);
    return st;
}

template <class F>
OrvStatus viaFft(State& s, const TapOf<F>* src, TapOf<F>* dst, int n)
{
    using T = TapOf<F>;
    using Ops = FftOps<T>;
    const int L = s.tapsLen, N = s.fftLen, S = N - L + 1;
    T* d = dlyOf<F>(s);
    T* w0 = blockOf<F>(s, 0);
    copyElems(w0, d + s.dlyIndex + 1, L - 1);
    s.dlyIndex = 0;
    if (n <= S) {
        copyElems(w0 + L - 1, src, n);
        copyElems(d, w0 + n - 1, L);
        zeroElems(w0 + L - 1 + n, N - (L - 1 + n));
        Orv8u* work = workOf<F>(s, 0);
        OrvStatus st = Ops::fwd(w0, w0, s.fftSpec, work);
        if (st >= 0) st = std::min(st, Ops::mul(static_cast<const T*>(s.tapsSpectrum), w0, N));
        if (st >= 0) st = std::min(st, Ops::inv(w0, s.fftSpec, work));
        copyElems(dst, w0 + L - 1, n);
        return st;
    }
    copyElems(d, src + n - L, L);
    const int blocks = (n + S - 1) / S;
    const int team = std::min(ownGetNumThreads(), s.threads);
    if (n > F::parallelAbove && team >= 2) {
        std::fill(s.statuses, s.statuses + team, orvStsOk);
        parallel::forChunks(team, 0, team, [&](int begin, int count) {
            for (int t = begin; t < begin + count; ++t)
                for (int b = t; b < blocks; b += team) s.statuses[t] = std::min(s.statuses[t], fftBlock<F>(s, b, t, src, dst, n));
            return false;
        });
        return *std::min_element(s.statuses, s.statuses + team);
    }
    for (int b = 0; b < blocks; ++b)
        if (OrvStatus st = fftBlock<F>(s, b, 0, src, dst, n); st < 0) return st;
    return orvStsOk;
}

template <class F>
OrvStatus filterTaps(State& s, const TapOf<F>* src, TapOf<F>* dst, int n, bool fftAllowed)
{
    if (fftAllowed && s.fftLen >= 1 && n >= F::callMin) return viaFft<F>(s, src, dst, n);
    direct<F>(s, src, dst, n);
    return orvStsOk;
}

template <class F>
OrvStatus filter(const typename F::Data* pSrc, typename F::Data* pDst, int numIters, void* pState, int scaleFactor = 0)
{
    using T = TapOf<F>;
    ORVS_CHECK(check::pointers(pSrc, pDst, pState));
    ORVS_CHECK(check::length(numIters));
    ORVS_CHECK(record::check(pState, F::id));
    State& s = *static_cast<State*>(pState);
    if constexpr (!F::mixed) {
        return filterTaps<F>(s, pSrc, pDst, numIters, true);
    } else {
        // Converted input in the first half of the chunk area, outputs in the second.
        T* in = static_cast<T*>(s.chunk);
        T* out = in + F::chunk;
        for (int at = 0; at < numIters; at += F::chunk) {
            const int m = std::min(F::chunk, numIters - at);
            for (int i = 0; i < m; ++i) in[i] = convertElem<T>(pSrc[at + i]);
            const OrvStatus st = filterTaps<F>(s, in, out, m, true);
            convertOut(out, pDst + at, m, scaleFactor);
            if (st != orvStsOk) return st;
        }
        return orvStsOk;
    }
}

// In place: same-type families copy each chunk aside first; a chunk takes
// the FFT path only when enough samples follow it, so the last one is direct.
template <class F>
OrvStatus filterInPlace(typename F::Data* pSrcDst, int numIters, void* pState, int scaleFactor = 0)
{
    if constexpr (F::mixed) {
        return filter<F>(pSrcDst, pSrcDst, numIters, pState, scaleFactor);
    } else {
        ORVS_CHECK(check::pointers(pSrcDst, pState));
        ORVS_CHECK(check::length(numIters));
        ORVS_CHECK(record::check(pState, F::id));
        State& s = *static_cast<State*>(pState);
        TapOf<F>* c = static_cast<TapOf<F>*>(s.chunk);
        for (int at = 0; at < numIters; at += kChunk) {
            const int m = std::min(kChunk, numIters - at);
            copyElems(c, pSrcDst + at, m);
            const OrvStatus st = filterTaps<F>(s, c, pSrcDst + at, m, numIters - at - m >= F::callMin);
            if (st != orvStsOk) return st;
        }
        return orvStsOk;
    }
}

} // namespace orvs::fir
