// Integer real FFTs: R_16s, R_32s and R_16s32s.
//
// R_32s and R_16s32s wrap a floating record (R_64f and R_32f) placed 32 bytes
// after a small header: the data is converted into the work buffer, the
// floating transform runs there in Perm order, and the result is converted
// back with the caller's scale factor (rounding to nearest even, saturation)
// straight into the requested layout. R_16s does the same through an R_32f
// record, except for order 0 (one value, scaled) and orders 1..3 with hint 0
// or 1, which are evaluated in 64-bit fixed point with Q30 twiddles and
// rounded once, adding half before the final shift.
#include <cmath>
#include <cstring>

#include "core/check.h"
#include "core/record.h"
#include "core/saturate.h"
#include "transform/fft/fft_convert.h"
#include "transform/rfft/rfft_engine.h"
#include "transform/rfft/rfft_record.h"

namespace orvs::rfft {
namespace {

using fft::Narrow32f16s;
using fft::Narrow32f32s;
using fft::Narrow64f32s;
using fft::Round32s32f;
using fft::Widen16s32f;
using fft::Widen32s64f;

// Converts a spectrum in any layout into Perm order.
template <class S, class D, class Conv>
void gatherPerm(const S* src, D* perm, int n, Layout layout, Conv conv)
{
    conv(src, perm, 1);
    if (n == 1) return;
    switch (layout) {
    case Layout::Perm: conv(src + 1, perm + 1, n - 1); break;
    case Layout::Ccs:
        conv(src + n, perm + 1, 1);
        conv(src + 2, perm + 2, n - 2);
        break;
    case Layout::Pack:
        conv(src + n - 1, perm + 1, 1);
        conv(src + 1, perm + 2, n - 2);
        break;
    }
}

// Converts a Perm spectrum into the requested layout.
template <class S, class D, class Conv>
void scatterPerm(const S* perm, D* dst, int n, Layout layout, Conv conv)
{
    if (layout == Layout::Perm) {
        conv(perm, dst, n);
        return;
    }
    conv(perm, dst, 1);
    if (layout == Layout::Ccs) {
        dst[1] = D(0);
        if (n == 1) return;
        conv(perm + 2, dst + 2, n - 2);
        conv(perm + 1, dst + n, 1);
        dst[n + 1] = D(0);
    } else if (n > 1) {
        conv(perm + 2, dst + 1, n - 2);
        conv(perm + 1, dst + n - 1, 1);
    }
}

// ---- wrapper records (R_32s around R_64f, R_16s32s around R_32f) -----------

struct alignas(32) WrapSpec {
    std::uint32_t id;
    std::int32_t order;
    std::int32_t hint;
    std::uint32_t workSize;  // converted copy plus the embedded record's work
    std::uint32_t owned;
    std::int32_t flag;
    std::uint64_t reserved;
};
static_assert(sizeof(WrapSpec) == 32);

template <class F>
FloatSpec<F>* embedded(const WrapSpec* w)
{
    return reinterpret_cast<FloatSpec<F>*>(const_cast<WrapSpec*>(w) + 1);
}

// F: precision of the embedded record; Id: identifier; CopyValues: values of
// F in the converted copy (N for R_32s, N + 2 for R_16s32s).
template <class F, std::uint32_t Id, int CopyExtra>
struct WrapKind {
    using Record = WrapSpec;
    static constexpr std::uint32_t id = Id;
    static constexpr int maxOrder = rfft::maxOrder<F>();

    static std::int64_t copyBytes(int order) { return ((std::int64_t(1) << order) + CopyExtra) * sizeof(F); }

    static OrvStatus sizes(int order, int, int, Sizes& z)
    {
        Sizes e;
        ORVS_CHECK(floatSizes<F>(order, 0, e));
        z.spec = e.spec + 64;
        z.init = e.init > 0 ? e.init + 32 : 0;
        z.work = e.work + copyBytes(order) + 32;
        return orvStsOk;
    }

    static OrvStatus init(Record** out, int order, int flag, int hint, std::uint8_t* mem, std::uint8_t* ini)
    {
        if (order < 0 || order > maxOrder) return orvStsErrFftOrder;
        ORVS_CHECK(check::pointers(out, mem));
        if (order > 10 && !ini) return orvStsErrNullPtr;
        if (!validFlag(flag)) return orvStsErrFftFlag;  // before the caller's memory is touched
        auto* r = record::place<WrapSpec>(mem, 32);
        r->order = order;
        r->hint = hint;
        r->flag = flag;
        Sizes e;
        ORVS_CHECK(floatSizes<F>(order, 0, e));
        FloatSpec<F>* inner = nullptr;
        ORVS_CHECK(floatInit<F>(&inner, order, flag, 0, reinterpret_cast<std::uint8_t*>(r + 1), ini));
        r->workSize = static_cast<std::uint32_t>(e.work + copyBytes(order));
        r->id = Id;
        *out = r;
        return orvStsOk;
    }

    static void releaseInner(Record& r) { floatRelease<F>(embedded<F>(&r)); }
};

using Kind32s = WrapKind<double, kIdR32s, 0>;
using Kind16s32s = WrapKind<float, kIdR16s32s, 2>;

// Splits the work buffer into the converted copy and the embedded record's work.
template <class F>
std::uint8_t* innerWork(std::uint8_t* work, std::int64_t copyBytes)
{
    return record::alignUp(work + copyBytes, 32);
}

template <class K, class I, class F, class P, class WidenIn, class NarrowOut, class D>
OrvStatus wrapForward(const I* src, D* dst, const P* pSpec, Orv8u* buffer, Layout layout, WidenIn widen,
                      NarrowOut narrow)
{
    ORVS_CHECK(record::check(pSpec, K::id));
    ORVS_CHECK(check::pointers(src, dst));
    const auto* w = reinterpret_cast<const WrapSpec*>(pSpec);
    WorkBuffer work(buffer, w->workSize);
    if (work.failed()) return orvStsErrMemAlloc;
    const int n = 1 << w->order;
    F* data = reinterpret_cast<F*>(work.get());
    widen(src, data, n);
    ORVS_CHECK(forwardCore<F>(embedded<F>(w), data, data, Layout::Perm, innerWork<F>(work.get(), K::copyBytes(w->order))));
    scatterPerm(data, dst, n, layout, narrow);
    return orvStsOk;
}

template <class K, class I, class F, class P, class WidenIn, class NarrowOut, class D>
OrvStatus wrapInverse(const I* src, D* dst, const P* pSpec, Orv8u* buffer, Layout layout, WidenIn widen,
                      NarrowOut narrow)
{
    ORVS_CHECK(record::check(pSpec, K::id));
    ORVS_CHECK(check::pointers(src, dst));
    const auto* w = reinterpret_cast<const WrapSpec*>(pSpec);
    WorkBuffer work(buffer, w->workSize);
    if (work.failed()) return orvStsErrMemAlloc;
    const int n = 1 << w->order;
    F* data = reinterpret_cast<F*>(work.get());
    gatherPerm(src, data, n, layout, widen);
    ORVS_CHECK(inverseCore<F>(embedded<F>(w), data, data, Layout::Perm, innerWork<F>(work.get(), K::copyBytes(w->order))));
    narrow(data, dst, n);
    return orvStsOk;
}

// ---- R_16s ----------------------------------------------------------------

struct Int16Spec {
    std::uint32_t id;
    std::int32_t order;
    std::int32_t fwdShift;   // order for flag 1, order/2 for flag 4
    std::int32_t invShift;   // order for flag 2, order/2 for flag 4
    std::int32_t oddHalf;    // flag 4 with odd order: an extra 1/sqrt(2)
    std::int32_t hint;
    std::uint32_t workSize;
    std::int32_t floatPath;  // 1: through the embedded R_32f record
    std::uint32_t owned;
    std::int32_t flag;
    const std::int64_t* cosTable;  // fixed point: round(2^30 cos(2 pi m / N)), m < N
    const std::int64_t* sinTable;
    FloatSpec<float>* embedded;
    std::int64_t reserved;
};
static_assert(sizeof(Int16Spec) == 72);
constexpr std::size_t kInt16Header = 96;  // header rounded up to 32 bytes

constexpr int kQ = 30;
constexpr std::int64_t kInvSqrt2Q30 = 759250125;  // round(2^30 / sqrt(2))

bool fixedPath(int order, int hint) { return order >= 1 && order <= 3 && (hint == 0 || hint == 1); }

// Rounds w * 2^-shift by adding half before the arithmetic shift, then
// saturates; a negative shift is a saturating left shift.
Orv16s narrowAddHalf(i128 w, int shift)
{
    if (shift <= 0) return scaleRoundSaturate<Orv16s>(w, shift);
    if (shift > 100) return 0;
    return saturate<Orv16s>((w + (i128(1) << (shift - 1))) >> shift);
}

struct Int16Kind {
    using Record = Int16Spec;
    static constexpr std::uint32_t id = kIdR16s;
    static constexpr int maxOrder = 27;

    static OrvStatus sizes(int order, int, int hint, Sizes& z)
    {
        const std::int64_t n = std::int64_t(1) << order;
        if (order == 0) {
            z = {104, 0, 0};
        } else if (fixedPath(order, hint)) {
            z.spec = align32(8 * n / 2) + align32(n / 2 + 4) + align32(8 * n) + 128;
            z.init = align32(2 * (n / 4) + 2) + 32;
            z.work = 4 * (n + 2) + 32;
        } else {
            Sizes e;
            ORVS_CHECK(floatSizes<float>(order, 0, e));
            z.spec = e.spec + 128;
            z.init = e.init + 32;
            z.work = e.work + 4 * n + 8 + 32;
        }
        return orvStsOk;
    }

    static OrvStatus init(Record** out, int order, int flag, int hint, std::uint8_t* mem, std::uint8_t* ini)
    {
        if (order < 0 || order > maxOrder) return orvStsErrFftOrder;
        ORVS_CHECK(check::pointers(out, mem));
        const bool viaFloat = order > 0 && !fixedPath(order, hint);
        if (viaFloat && order > 10 && !ini) return orvStsErrNullPtr;
        if (!validFlag(flag)) return orvStsErrFftFlag;  // before the caller's memory is touched
        auto* r = record::place<Int16Spec>(mem, 32);
        r->order = order;
        r->hint = hint;
        r->flag = flag;
        switch (flag) {
        case ORV_FFT_NORM_FWD_N: r->fwdShift = order; break;
        case ORV_FFT_NORM_INV_N: r->invShift = order; break;
        case ORV_FFT_NORM_SQRT_N:
            r->fwdShift = r->invShift = order / 2;
            r->oddHalf = order & 1;
            break;
        case ORV_FFT_NORM_NONE: break;
        default: return orvStsErrFftFlag;
        }
        auto* tail = reinterpret_cast<std::uint8_t*>(r) + kInt16Header;
        const int n = 1 << order;
        if (viaFloat) {
            Sizes e;
            ORVS_CHECK(floatSizes<float>(order, 0, e));
            ORVS_CHECK(floatInit<float>(&r->embedded, order, flag, 0, tail, ini));
            r->floatPath = 1;
            r->workSize = static_cast<std::uint32_t>(e.work + 4 * n + 8);
        } else if (order > 0) {
            auto* c = reinterpret_cast<std::int64_t*>(tail);
            auto* s = c + n;
            constexpr double twoPi = 6.283185307179586476925286766559005768;
            for (int m = 0; m < n; ++m) {
                c[m] = std::llround(std::ldexp(std::cos(m * twoPi / n), kQ));
                s[m] = std::llround(std::ldexp(std::sin(m * twoPi / n), kQ));
            }
            r->cosTable = c;
            r->sinTable = s;
            r->workSize = static_cast<std::uint32_t>(4 * (n + 2));
        }
        r->id = kIdR16s;
        *out = r;
        return orvStsOk;
    }

    static void releaseInner(Record& r)
    {
        if (r.floatPath) floatRelease<float>(r.embedded);
    }
};

// Fixed-point evaluation of the definition for N = 2, 4, 8.
void fixedForward(const Int16Spec* r, const Orv16s* src, Orv16s* dst, Layout layout, int sf)
{
    const int n = 1 << r->order;
    const int shift = kQ + r->fwdShift + sf + (r->oddHalf ? kQ : 0);
    Orv16s ccs[10];
    for (int k = 0; k <= n / 2; ++k) {
        std::int64_t re = 0, im = 0;
        for (int t = 0; t < n; ++t) {
            const int m = (t * k) & (n - 1);
            re += src[t] * r->cosTable[m];
            im -= src[t] * r->sinTable[m];
        }
        i128 wr = re, wi = im;
        if (r->oddHalf) {
            wr *= kInvSqrt2Q30;
            wi *= kInvSqrt2Q30;
        }
        ccs[2 * k] = narrowAddHalf(wr, shift);
        ccs[2 * k + 1] = narrowAddHalf(wi, shift);
    }
    ccs[1] = 0;
    ccs[n + 1] = 0;
    storeLayout(ccs, dst, n, layout);
}

void fixedInverse(const Int16Spec* r, const Orv16s* src, Orv16s* dst, Layout layout, int sf)
{
    const int n = 1 << r->order;
    const int shift = kQ + r->invShift + sf + (r->oddHalf ? kQ : 0);
    Orv16s ccs[10];
    loadLayout(src, ccs, n, layout);
    Orv16s out[8];
    for (int t = 0; t < n; ++t) {
        // x[t] = X0 + (-1)^t X(N/2) + 2 sum over 0 < k < N/2 of Re(X[k] e^(2 pi i t k / N))
        std::int64_t acc = (std::int64_t(ccs[0]) + ((t & 1) ? -ccs[n] : ccs[n])) << kQ;
        for (int k = 1; k < n / 2; ++k) {
            const int m = (t * k) & (n - 1);
            acc += 2 * (ccs[2 * k] * r->cosTable[m] - ccs[2 * k + 1] * r->sinTable[m]);
        }
        i128 w = acc;
        if (r->oddHalf) w *= kInvSqrt2Q30;
        out[t] = narrowAddHalf(w, shift);
    }
    std::memcpy(dst, out, sizeof(Orv16s) * n);
}

OrvStatus int16Transform(bool Forward, Layout L, const Orv16s* src, Orv16s* dst, const void* pSpec, int sf, Orv8u* buffer)
{
    ORVS_CHECK(record::check(pSpec, kIdR16s));
    ORVS_CHECK(check::pointers(src, dst));
    const auto* r = reinterpret_cast<const Int16Spec*>(pSpec);
    const int fixedSf = fft::clampFixedScale(sf);
    const int n = 1 << r->order;
    if (r->order == 0) {
        dst[0] = scaleRoundSaturate<Orv16s>(std::int64_t(src[0]), sf);
        if (Forward && L == Layout::Ccs) dst[1] = 0;
        return orvStsOk;
    }
    if (!r->floatPath) {
        Forward ? fixedForward(r, src, dst, L, fixedSf) : fixedInverse(r, src, dst, L, fixedSf);
        return orvStsOk;
    }
    WorkBuffer work(buffer, r->workSize);
    if (work.failed()) return orvStsErrMemAlloc;
    auto* data = reinterpret_cast<Orv32f*>(work.get());
    std::uint8_t* inner = innerWork<float>(work.get(), 4 * std::int64_t(n) + 8);
    if (Forward) {
        Widen16s32f{}(src, data, n);
        ORVS_CHECK(forwardCore<float>(r->embedded, data, data, Layout::Perm, inner));
        scatterPerm(data, dst, n, L, Narrow32f16s{sf});
    } else {
        gatherPerm(src, data, n, L, Widen16s32f{});
        ORVS_CHECK(inverseCore<float>(r->embedded, data, data, Layout::Perm, inner));
        Narrow32f16s{sf}(data, dst, n);
    }
    return orvStsOk;
}

}  // namespace

ORVS_RFFT_LIFECYCLE(OrvsFFTSpec_R_16s, Int16Kind)
ORVS_RFFT_LIFECYCLE(OrvsFFTSpec_R_32s, Kind32s)
ORVS_RFFT_LIFECYCLE(OrvsFFTSpec_R_16s32s, Kind16s32s)

OrvStatus runInt(bool forward, Layout layout, const Orv16s* src, Orv16s* dst, const void* spec, int scaleFactor,
                 Orv8u* buffer)
{
    return int16Transform(forward, layout, src, dst, spec, scaleFactor, buffer);
}

OrvStatus runInt(bool forward, Layout layout, const Orv32s* src, Orv32s* dst, const void* spec, int scaleFactor,
                 Orv8u* buffer)
{
    if (forward)
        return wrapForward<Kind32s, Orv32s, double>(src, dst, spec, buffer, layout, Widen32s64f{},
                                                    Narrow64f32s{scaleFactor});
    return wrapInverse<Kind32s, Orv32s, double>(src, dst, spec, buffer, layout, Widen32s64f{}, Narrow64f32s{scaleFactor});
}

OrvStatus forward16s32s(const Orv16s* src, Orv32s* dst, const void* spec, int scaleFactor, Orv8u* buffer)
{
    return wrapForward<Kind16s32s, Orv16s, float>(src, dst, spec, buffer, Layout::Ccs, Widen16s32f{},
                                                  Narrow32f32s{scaleFactor});
}

OrvStatus inverse32s16s(const Orv32s* src, Orv16s* dst, const void* spec, int scaleFactor, Orv8u* buffer)
{
    return wrapInverse<Kind16s32s, Orv32s, float>(src, dst, spec, buffer, Layout::Ccs, Round32s32f{},
                                                  Narrow32f16s{scaleFactor});
}

}  // namespace orvs::rfft
