// Complex FFT records: sizes, table construction, lifecycle.
#include "transform/fft/fft_record.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "orvs/core.h"

namespace orvs::fft {

namespace {

struct BlockOrders { int b, w; };

BlockOrders blockOrders(int order, bool dbl)
{
    if (!dbl) {
        if (order <= 19) return {4, 10};
        if (order <= 22) return {6, 13};
        return {8, 14};
    }
    if (order <= 18) return {6, 10};
    if (order <= 21) return {6, 12};
    return {8, 13};
}

// Record part and work of the blocked large transform (without the common
// additions), recursive while the block order stays large.
void largeSizes(int order, bool dbl, std::int64_t& rec, std::int64_t& work)
{
    const std::int64_t e = dbl ? 16 : 8;
    const BlockOrders bo = blockOrders(order, dbl);
    const int m = order - bo.b;
    if (m < (dbl ? 17 : 18)) {
        rec = align32(e * (std::int64_t(1) << m) + e);
        work = align32(e * (std::int64_t(1) << m));
    } else {
        largeSizes(m, dbl, rec, work);
    }
    rec += e * (std::int64_t(1) << order);
    work = std::max(work, e * (std::int64_t(1) << bo.w));
}

bool validFlag(int flag) { return flag == 1 || flag == 2 || flag == 4 || flag == 8; }


} // namespace

Sizes floatSizes(int order, bool dbl)
{
    Sizes s;
    if (order <= 5) {
        s.spec = kRecordBytes + 32;
        return s;
    }
    const std::int64_t n = std::int64_t(1) << order, q = n / 4;
    const std::int64_t e = dbl ? 16 : 8;    // complex element
    const std::int64_t qe = dbl ? 8 : 4;    // quarter-table element
    const std::int64_t quarter = align32(qe * q + qe) + 32;
    if (order < (dbl ? largeOrder<double>() : largeOrder<float>())) {
        s.spec = align32(e * n + e) + align32(4 * q + 4) + 192;
        s.init = order >= 11 ? quarter : 0;
        s.work = align32(e * n) + 32;
        return s;
    }
    std::int64_t rec = 0, work = 0;
    largeSizes(order, dbl, rec, work);
    if (order >= (dbl ? 18 : 19)) work = std::max<std::int64_t>(work, dbl ? 32768 : 65536);
    s.spec = rec + align32(4 * q + 4) + 192;
    s.init = quarter;
    s.work = work + 32;
    return s;
}

static bool fixedPath(int order, int hint) { return order >= 1 && order <= 3 && (hint == 0 || hint == 1); }

Sizes int16Sizes(int order, int /*flag*/, int hint)
{
    Sizes s;
    if (order == 0) {
        s.spec = kIntRecordBytes + 32;
        return s;
    }
    const std::int64_t n = std::int64_t(1) << order, q = n / 4;
    if (fixedPath(order, hint)) {
        s.spec = align32(8 * n) + align32(4 * q + 4) + 128;
        s.init = align32(2 * q + 2) + 32;
        s.work = 8 * n + 32;
        return s;
    }
    s = floatSizes(order, false);
    s.work += 8 * n;
    s.spec += 128;
    s.init += 32;
    s.work += 32;
    return s;
}

Sizes int32Sizes(int order, int /*flag*/)
{
    const std::int64_t n = std::int64_t(1) << order;
    Sizes s = floatSizes(order, true);
    s.work += 16 * n;
    s.spec += 64;
    if (s.init) s.init += 32;
    if (s.work) s.work += 32;
    return s;
}

// ---- the fixed sine table --------------------------------------------------

template <class Real>
const Real* fixedSineTable()
{
    struct Table {
        Real v[257];
        Table()
        {
            // sin below pi/4, cos of the complement above: both arguments stay small.
            const long double step = 6.283185307179586476925286766559005768L / 1024.0L;
            for (int k = 0; k <= 256; ++k)
                v[k] = static_cast<Real>(k <= 128 ? std::sin(step * k) : std::cos(step * (256 - k)));
            v[0] = 0;
            v[256] = 1;
        }
    };
    static const Table t;
    return t.v;
}
template const float* fixedSineTable<float>();
template const double* fixedSineTable<double>();

namespace {

// Quarter-wave table view: entry k = sin(2*pi*k/N), k = 0..N/4.
template <class Real>
struct Quarter {
    const Real* t;
    std::size_t stride;
    std::size_t q;
    Real at(std::size_t k) const { return t[k * stride]; }
    // cos and sin of 2*pi*k/N by quadrant symmetry.
    void cosSin(std::size_t k, std::size_t n, Real& c, Real& s) const
    {
        k &= n - 1;
        const std::size_t quad = k / q, r = k % q;
        switch (quad) {
        case 0: s = at(r); c = at(q - r); break;
        case 1: s = at(q - r); c = -at(r); break;
        case 2: s = -at(r); c = -at(q - r); break;
        default: s = -at(q - r); c = at(r); break;
        }
    }
};

template <class Real>
Quarter<Real> quarterTable(int order, Orv8u* initMem)
{
    const std::size_t n = std::size_t(1) << order, q = n / 4;
    if (order <= 10) return {fixedSineTable<Real>(), std::size_t(1) << (10 - order), q};
    Real* t = reinterpret_cast<Real*>(alignPtr32(initMem));
    const double step = 6.283185307179586476925286766559005768 / double(n);
    for (std::size_t k = 0; k <= q; ++k)
        t[k] = static_cast<Real>(k <= n / 8 ? std::sin(double(k) * step) : std::cos(double(q - k) * step));
    return {t, 1, q};
}

std::uint32_t reverseBits(std::uint32_t v, int bits)
{
    std::uint32_t r = 0;
    for (int i = 0; i < bits; ++i) r |= ((v >> i) & 1u) << (bits - 1 - i);
    return r;
}

void buildBitReversal(int order, std::int32_t* table)
{
    const std::uint32_t q = std::uint32_t(1) << (order - 2);
    table[0] = 0;
    table[q] = 0;
    // Incremental reversal: adding 1 to k adds at the top of rev(k).
    std::uint32_t r = 0;
    const int bits = order - 2;
    for (std::uint32_t k = 1; k < q; ++k) {
        std::uint32_t bit = std::uint32_t(1) << (bits - 1);
        while (r & bit) {
            r ^= bit;
            bit >>= 1;
        }
        r |= bit;
        table[k] = std::int32_t(2 * r);
    }
    (void)reverseBits;
}

// Twiddles of every radix pass, in the order the passes read them: per
// chunk of C adjacent butterflies t..t+C-1 and per input p = 1..r-1, the C
// real parts then the C imaginary parts of W_{rs}^{p*t} (forward sign), the
// lanes in the kernels' chunk order.
template <class Real>
void buildTwiddles(int order, int chunk, const Quarter<Real>& qt, Real* out)
{
    const std::size_t C = std::size_t(chunk);
    const int* lane = chunkOrder<Real>(chunk);
    const std::size_t n = std::size_t(1) << order;
    const PassPlan plan = makePlan(order, firstBitsFor(chunk));
    std::size_t span = std::size_t(1) << firstBitsFor(chunk);
    for (int i = 0; i < plan.count; ++i) {
        const std::size_t r = std::size_t(plan.radix[i]);
        const std::size_t step = n / (r * span);
        for (std::size_t t = 0; t < span; t += C)
            for (std::size_t p = 1; p < r; ++p) {
                for (std::size_t l = 0; l < C; ++l) {
                    Real c, s;
                    qt.cosSin(p * (t + std::size_t(lane[l])) * step, n, c, s);
                    out[l] = c;
                    out[C + l] = -s;  // forward twiddles: e^(-i*theta)
                }
                out += 2 * C;
            }
        span *= r;
    }
}

template <class Real>
OrvStatus initFloat(std::uint32_t id, FloatRecord<Real>** pp, int order, int flag, int hint, Orv8u* mem,
                    Orv8u* initMem)
{
    if (order < 0 || order > 30 || order > maxOrder<Real>()) return orvStsErrFftOrder;
    if (!pp || !mem) return orvStsErrNullPtr;
    if (order > 10 && !initMem) return orvStsErrNullPtr;
    if (!validFlag(flag)) return orvStsErrFftFlag;  // before the caller's memory is touched
    auto* rec = record::place<FloatRecord<Real>>(mem, 32, kRecordBytes);
    auto* base = reinterpret_cast<Orv8u*>(rec);
    rec->order = order;
    rec->hint = hint;
    rec->owned = 0;
    const std::int64_t n = std::int64_t(1) << order;
    Real invN;
    if constexpr (sizeof(Real) == 4)
        invN = 1.0f / static_cast<float>(n);
    else
        invN = 1.0 / static_cast<double>(n);
    const Real invSqrt = static_cast<Real>(1.0 / std::sqrt(static_cast<double>(n)));
    switch (flag) {
    case ORV_FFT_NORM_FWD_N: rec->fwdNorm = 1; rec->factor = invN; break;
    case ORV_FFT_NORM_INV_N: rec->invNorm = 1; rec->factor = invN; break;
    case ORV_FFT_NORM_SQRT_N: rec->fwdNorm = rec->invNorm = 1; rec->factor = invSqrt; break;
    case ORV_FFT_NORM_NONE: rec->factor = 0; break;
    default: rec->id = 0; return orvStsErrFftFlag;
    }
    if (order > 5) {
        const Quarter<Real> qt = quarterTable<Real>(order, initMem);
        const std::size_t q = std::size_t(n / 4);
        auto* bitrev = reinterpret_cast<std::int32_t*>(base + kRecordBytes);
        buildBitReversal(order, bitrev);
        Real* tw = reinterpret_cast<Real*>(alignPtr32(reinterpret_cast<Orv8u*>(bitrev + q + 1)));
        // Laid out for the chunks of the kernels that will run this order.
        const int chunk = kernelsForOrder<Real>(order).chunk;
        buildTwiddles<Real>(order, chunk, qt, tw);
        rec->chunk = chunk;
        rec->bitrev = bitrev;
        rec->twiddles = tw;
        const Sizes s = floatSizes(order, sizeof(Real) == 8);
        rec->workSize = std::int32_t(s.work - 32);
    }
    rec->id = id;
    *pp = rec;
    return orvStsOk;
}

OrvStatus initInt16(std::uint32_t id, IntRecord** pp, int order, int flag, int hint, Orv8u* mem, Orv8u* initMem)
{
    if (order < 0 || order > 30 || order > 27) return orvStsErrFftOrder;
    if (!pp || !mem) return orvStsErrNullPtr;
    const bool fixed = fixedPath(order, hint);
    if (order > 10 && !initMem) return orvStsErrNullPtr;
    if (!validFlag(flag)) return orvStsErrFftFlag;  // before the caller's memory is touched
    auto* rec = record::place<IntRecord>(mem, 32, kIntRecordBytes);
    auto* base = reinterpret_cast<Orv8u*>(rec);
    rec->order = order;
    rec->hint = hint;
    switch (flag) {
    case ORV_FFT_NORM_FWD_N: rec->fwdShift = order; break;
    case ORV_FFT_NORM_INV_N: rec->invShift = order; break;
    case ORV_FFT_NORM_SQRT_N:
        rec->fwdShift = rec->invShift = order / 2;
        rec->oddHalf = order & 1;
        break;
    case ORV_FFT_NORM_NONE: break;
    default: rec->id = 0; return orvStsErrFftFlag;
    }
    const std::int64_t n = std::int64_t(1) << order;
    if (order == 0) {
        rec->workSize = 0;
    } else if (fixed) {
        // Bit-reversal table, then Q14 twiddles cos, sin for k = 0..N/2-1.
        const std::size_t q = std::size_t(n / 4);
        auto* bitrev = reinterpret_cast<std::int32_t*>(base + kIntRecordBytes);
        if (order >= 2) buildBitReversal(order, bitrev);
        auto* tw = reinterpret_cast<std::int16_t*>(alignPtr32(reinterpret_cast<Orv8u*>(bitrev + q + 1)));
        // Q14 pairs, followed by the same twiddles in Q30 that the core
        // multiplies with, so products stay within a unit of the exact value.
        auto* tw30 = reinterpret_cast<std::int32_t*>(tw + 8);
        for (std::int64_t k = 0; k < n / 2; ++k) {
            const double a = 6.283185307179586476925286766559005768 * double(k) / double(n);
            tw[2 * k] = static_cast<std::int16_t>(std::floor(16384.0 * std::cos(a) + 0.5));
            tw[2 * k + 1] = static_cast<std::int16_t>(std::floor(16384.0 * std::sin(a) + 0.5));
            tw30[2 * k] = static_cast<std::int32_t>(std::floor(1073741824.0 * std::cos(a) + 0.5));
            tw30[2 * k + 1] = static_cast<std::int32_t>(std::floor(1073741824.0 * std::sin(a) + 0.5));
        }
        rec->bitrev = order >= 2 ? bitrev : nullptr;
        rec->twiddles = tw;
        rec->workSize = std::int32_t(8 * n);
    } else {
        FloatRecord<float>* inner = nullptr;
        OrvStatus st = initFloat<float>(kIdC32fc, &inner, order, flag, 0, base + kIntRecordBytes, initMem);
        if (st != orvStsOk) return st;
        rec->inner = inner;
        rec->floatPath = 1;
        rec->workSize = std::int32_t(int16Sizes(order, flag, hint).work - 32);
    }
    rec->id = id;
    *pp = rec;
    return orvStsOk;
}

OrvStatus initInt32(std::uint32_t id, WrapRecord** pp, int order, int flag, int hint, Orv8u* mem, Orv8u* initMem)
{
    if (order < 0 || order > 30 || order > 26) return orvStsErrFftOrder;
    if (!pp || !mem) return orvStsErrNullPtr;
    if (order > 10 && !initMem) return orvStsErrNullPtr;
    if (!validFlag(flag)) return orvStsErrFftFlag;  // before the caller's memory is touched
    auto* rec = record::place<WrapRecord>(mem, 32, kWrapBytes);
    auto* base = reinterpret_cast<Orv8u*>(rec);
    rec->order = order;
    rec->hint = hint;
    FloatRecord<double>* inner = nullptr;
    OrvStatus st = initFloat<double>(id == kIdC32s ? kIdC64f : kIdC64fc, &inner, order, flag, 0, base + kWrapBytes,
                                     initMem);
    if (st != orvStsOk) return st;
    rec->inner = inner;
    rec->workSize = std::int32_t(int32Sizes(order, flag).work - 32);
    rec->id = id;
    *pp = rec;
    return orvStsOk;
}

// What the lifecycle needs per record layout.
template <class Real>
constexpr int maxOrderOf(const FloatRecord<Real>*) { return maxOrder<Real>(); }
constexpr int maxOrderOf(const IntRecord*) { return 27; }
constexpr int maxOrderOf(const WrapRecord*) { return 26; }

template <class Real>
Sizes sizesOf(const FloatRecord<Real>*, int order, int, int) { return floatSizes(order, sizeof(Real) == 8); }
Sizes sizesOf(const IntRecord*, int order, int flag, int hint) { return int16Sizes(order, flag, hint); }
Sizes sizesOf(const WrapRecord*, int order, int flag, int) { return int32Sizes(order, flag); }

template <class Real>
OrvStatus build(std::uint32_t id, FloatRecord<Real>** pp, int order, int flag, int hint, Orv8u* mem, Orv8u* ini)
{ return initFloat<Real>(id, pp, order, flag, hint, mem, ini); }
OrvStatus build(std::uint32_t id, IntRecord** pp, int order, int flag, int hint, Orv8u* mem, Orv8u* ini)
{ return initInt16(id, pp, order, flag, hint, mem, ini); }
OrvStatus build(std::uint32_t id, WrapRecord** pp, int order, int flag, int hint, Orv8u* mem, Orv8u* ini)
{ return initInt32(id, pp, order, flag, hint, mem, ini); }

// An embedded record lives in its owner's block and is invalidated with it.
template <class Real>
void releaseInner(FloatRecord<Real>&) {}
template <class Owner>
void releaseInner(Owner& r)
{
    if (r.inner) r.inner->id = 0;
}

} // namespace

template <class Real>
void layoutTwiddles(FloatRecord<Real>* rec, int chunk, Orv8u* scratch)
{
    if (rec->order <= 5) return;
    buildTwiddles<Real>(rec->order, chunk, quarterTable<Real>(rec->order, scratch), const_cast<Real*>(rec->twiddles));
    rec->chunk = chunk;
}
template void layoutTwiddles<float>(FloatRecord<float>*, int, Orv8u*);
template void layoutTwiddles<double>(FloatRecord<double>*, int, Orv8u*);

template <class Spec>
OrvStatus getSize(int order, int flag, int hint, int* pSpecSize, int* pSpecBufferSize, int* pBufferSize)
{
    using Rec = typename RecordOf<Spec>::Rec;
    if (order < 0 || order > 30) return orvStsErrFftOrder;
    if (!pSpecSize || !pSpecBufferSize || !pBufferSize) return orvStsErrNullPtr;
    if (!validFlag(flag)) return orvStsErrFftFlag;
    if (order > maxOrderOf(static_cast<const Rec*>(nullptr))) return orvStsErrFftOrder;
    const Sizes s = sizesOf(static_cast<const Rec*>(nullptr), order, flag, hint);
    *pSpecSize = int(s.spec);
    *pSpecBufferSize = int(s.init);
    *pBufferSize = int(s.work);
    return orvStsOk;
}

template <class Spec>
OrvStatus init(Spec** pp, int order, int flag, int hint, Orv8u* mem, Orv8u* initMem)
{
    using Rec = typename RecordOf<Spec>::Rec;
    Rec* rec = nullptr;
    const OrvStatus s = build(RecordOf<Spec>::id, pp ? &rec : nullptr, order, flag, hint, mem, initMem);
    if (s == orvStsOk) *pp = reinterpret_cast<Spec*>(rec);
    return s;
}

template <class Spec>
OrvStatus initAlloc(Spec** pp, int order, int flag, int hint)
{
    using Rec = typename RecordOf<Spec>::Rec;
    if (order < 0 || order > 30) return orvStsErrFftOrder;
    if (!pp) return orvStsErrNullPtr;
    int specSize = 0, initSize = 0, workSize = 0;
    if (OrvStatus s = getSize<Spec>(order, flag, hint, &specSize, &initSize, &workSize); s) return s;
    Rec* rec = nullptr;
    const OrvStatus s = record::initAlloc(&rec, specSize, initSize, [&](Orv8u* mem, Orv8u* ini, Rec** out) {
        return build(RecordOf<Spec>::id, out, order, flag, hint, mem, ini);
    });
    if (s == orvStsOk) *pp = reinterpret_cast<Spec*>(rec);
    return s;
}

template <class Spec>
OrvStatus release(Spec* p)
{
    using Rec = typename RecordOf<Spec>::Rec;
    return record::release<Rec>(p, RecordOf<Spec>::id, record::OnFree::clearId, [](Rec& r) { releaseInner(r); });
}

template <class Spec>
OrvStatus bufSize(const Spec* p, int* pBufferSize)
{
    using Rec = typename RecordOf<Spec>::Rec;
    if (!p || !pBufferSize) return orvStsErrNullPtr;
    return record::open<Rec>(p, RecordOf<Spec>::id, [&](const Rec& r) -> OrvStatus {
        *pBufferSize = r.workSize > 0 ? r.workSize + 32 : 0;
        return orvStsOk;
    });
}

#define ORVS_FFT_LIFECYCLE(Spec)                                                                 \
    template OrvStatus getSize<Spec>(int, int, int, int*, int*, int*);                           \
    template OrvStatus init<Spec>(Spec**, int, int, int, Orv8u*, Orv8u*);                        \
    template OrvStatus initAlloc<Spec>(Spec**, int, int, int);                                   \
    template OrvStatus release<Spec>(Spec*);                                                     \
    template OrvStatus bufSize<Spec>(const Spec*, int*);
ORVS_FFT_LIFECYCLE(OrvsFFTSpec_C_32fc)
ORVS_FFT_LIFECYCLE(OrvsFFTSpec_C_32f)
ORVS_FFT_LIFECYCLE(OrvsFFTSpec_C_64fc)
ORVS_FFT_LIFECYCLE(OrvsFFTSpec_C_64f)
ORVS_FFT_LIFECYCLE(OrvsFFTSpec_C_16sc)
ORVS_FFT_LIFECYCLE(OrvsFFTSpec_C_16s)
ORVS_FFT_LIFECYCLE(OrvsFFTSpec_C_32sc)
ORVS_FFT_LIFECYCLE(OrvsFFTSpec_C_32s)
#undef ORVS_FFT_LIFECYCLE

} // namespace orvs::fft
