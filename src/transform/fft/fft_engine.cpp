// Complex FFT transforms: dispatch by record type and order.
#include "transform/fft/fft_engine.h"

#include <cmath>
#include <cstring>

#include "core/check.h"
#include "core/dispatch.h"
#include "transform/fft/fft_convert.h"
#include "orvs/core.h"

namespace orvs::fft {

namespace {
// The 256-bit kernels of the AVX-512 row are the AVX2 ones: the same 256-bit
// code compiled for the wider target measured 5-10 % slower at orders 14-18.
// The AVX-512 row's own compilation provides the 512-bit kernels.
const KernelTable& narrowTable() { return dispatch::pick<KernelTable>(avx::table, avx2::table, avx2::table); }
const KernelTable& wideTable() { return dispatch::pick<KernelTable>(avx::table, avx2::table, avx512::table); }

// New records of the AVX-512 variant are laid out for the 512-bit kernels
// from their lowest order on; the other variants keep the 256-bit ones (their
// 512-bit-shaped kernels are pairs of 256-bit vectors, run by the tests).
constexpr bool kWideOnAvx512 = true;
bool wideRecords()
{
    static const bool wide = kWideOnAvx512 && dispatch::isa() == dispatch::Isa::avx512;
    return wide;
}

template <class Real>
const KernelSet<Real>& narrowSet()
{
    if constexpr (sizeof(Real) == 4) return narrowTable().f32; else return narrowTable().f64;
}
template <class Real>
const KernelSet<Real>& wideSet()
{
    if constexpr (sizeof(Real) == 4) return wideTable().f32w; else return wideTable().f64w;
}
} // namespace

template <>
const KernelSet<float>& kernels<float>() { return narrowSet<float>(); }
template <>
const KernelSet<double>& kernels<double>() { return narrowSet<double>(); }

template <class Real>
const KernelSet<Real>& kernelsForOrder(int order)
{
    const KernelSet<Real>& w = wideSet<Real>();
    return wideRecords() && order >= w.minOrder ? w : narrowSet<Real>();
}
template <class Real>
const KernelSet<Real>& kernelsForChunk(int chunk)
{
    const KernelSet<Real>& w = wideSet<Real>();
    return chunk == w.chunk ? w : narrowSet<Real>();
}
template const KernelSet<float>& kernelsForOrder<float>(int);
template const KernelSet<double>& kernelsForOrder<double>(int);
template const KernelSet<float>& kernelsForChunk<float>(int);
template const KernelSet<double>& kernelsForChunk<double>(int);

namespace {

constexpr int reverse(int v, int bits)
{
    int r = 0;
    for (int i = 0; i < bits; ++i) r |= ((v >> i) & 1) << (bits - 1 - i);
    return r;
}

// ---- floating-point records ------------------------------------------------

// src/dst interleaved when srcIm is null, split otherwise.
template <class Real>
OrvStatus runFloat(const FloatRecord<Real>* rec, bool inv, const Real* sre, const Real* sim, Real* dre, Real* dim,
                   Orv8u* buffer)
{
    const int order = rec->order;
    const bool scale = (inv ? rec->invNorm : rec->fwdNorm) != 0;
    const bool split = sim != nullptr;
    if (order <= 5) {
        // Straight to the register kernel: no buffer, no table.
        const KernelSet<Real>& k = kernels<Real>();
        if (split)
            k.smallSplit[inv](order, sre, sim, dre, dim, rec->factor, scale);
        else
            k.smallInterleaved[inv](order, sre, dre, rec->factor, scale);
        return orvStsOk;
    }
    const KernelSet<Real>& k = kernelsForChunk<Real>(rec->chunk);
    Real* work = nullptr;
    Orv8u* allocated = nullptr;
    // Large orders work in the destination; the buffer is only needed below.
    if (order < largeOrder<Real>()) {
        if (!buffer) {
            allocated = orvsMalloc_8u(rec->workSize + 32);
            if (!allocated) return orvStsErrMemAlloc;
            buffer = allocated;
        }
        work = reinterpret_cast<Real*>(alignPtr32(buffer));
    }
    const View<Real> v{order, rec->bitrev, rec->twiddles, rec->factor, scale};
    if (split)
        k.split[inv](v, sre, sim, dre, dim, work);
    else
        k.interleaved[inv](v, sre, dre, work);
    orvsFree(allocated);
    return orvStsOk;
}

// Shift right by s rounding half up, left shift for s < 0, then saturate to 16 bits.
inline Orv16s narrowShift(std::int64_t v, int s)
{
    if (s > 0) {
        if (s > 62) return 0;
        v = (v + (std::int64_t(1) << (s - 1))) >> s;
    } else if (s < 0) {
        if (v == 0) return 0;
        if (-s > 32) return v > 0 ? 32767 : -32768;
        v *= std::int64_t(1) << (-s);
    }
    return static_cast<Orv16s>(v > 32767 ? 32767 : v < -32768 ? -32768 : v);
}

// Fixed-point transform for N = 2, 4, 8 with Q14 twiddles.
void fixedTransform(const IntRecord* rec, bool inv, const Orv16s* sre, const Orv16s* sim, Orv16s* dre, Orv16s* dim,
                    int stride, int sf)
{
    const int order = rec->order, n = 1 << order;
    const int p = 15 - order;  // pre-shift keeps the sums inside 32 bits
    std::int64_t re[8], im[8];
    for (int k = 0; k < n; ++k) {
        // Bit-reversed input; the inverse is the forward transform of x[-n mod N].
        const int j = reverse(k, order);
        const int from = inv ? (n - j) & (n - 1) : j;
        re[k] = std::int64_t(sre[from * stride]) * (std::int64_t(1) << p);
        im[k] = std::int64_t(sim[from * stride]) * (std::int64_t(1) << p);
    }
    // Q30 twiddles stored after the eight Q14 pairs.
    const auto* tw = reinterpret_cast<const std::int32_t*>(rec->twiddles + 8);
    constexpr std::int64_t half30 = std::int64_t(1) << 29;
    for (int len = 2; len <= n; len <<= 1) {
        const int half = len / 2;
        for (int j = 0; j < half; ++j) {
            const int a = j * (n / len);
            const std::int64_t c = tw[2 * a], s = tw[2 * a + 1];
            for (int b = 0; b < n; b += len) {
                const int u = b + j, v = u + half;
                // (re + i im)(c - i s), rounded back from Q30
                const std::int64_t tr = (re[v] * c + im[v] * s + half30) >> 30;
                const std::int64_t ti = (im[v] * c - re[v] * s + half30) >> 30;
                re[v] = re[u] - tr;
                im[v] = im[u] - ti;
                re[u] += tr;
                im[u] += ti;
            }
        }
    }
    if (rec->oddHalf) {
        for (int k = 0; k < n; ++k) {
            re[k] = (re[k] * 759250125 + half30) >> 30;  // 1/sqrt(2) in Q30
            im[k] = (im[k] * 759250125 + half30) >> 30;
        }
    }
    const int s = (inv ? rec->invShift : rec->fwdShift) + sf + p;
    for (int k = 0; k < n; ++k) {
        dre[k * stride] = narrowShift(re[k], s);
        dim[k * stride] = narrowShift(im[k], s);
    }
}

Orv8u* workFor(std::int32_t workSize, Orv8u* buffer, Orv8u*& allocated)
{
    allocated = nullptr;
    if (workSize <= 0) return nullptr;
    if (!buffer) {
        allocated = orvsMalloc_8u(workSize + 32);
        if (!allocated) return nullptr;
        buffer = allocated;
    }
    return alignPtr32(buffer);
}

// The integer transforms over floating records: widen into the work buffer,
// transform there with the embedded record, narrow with the scale factor.
// Interleaved data is one run of 2N values; split data runs the split kernels
// on the two halves of the converted copy.
template <class Int, class Inner>
OrvStatus runViaFloat(const Inner* inner, std::int32_t workSize, std::size_t n, bool inv, bool split, const Int* sre,
                      const Int* sim, Int* dre, Int* dim, int sf, Orv8u* buffer)
{
    using Real = typename Convert<Int>::Real;
    const typename Convert<Int>::Widen widen;
    const typename Convert<Int>::Narrow narrow{sf};
    Orv8u* allocated = nullptr;
    Orv8u* work = workFor(workSize, buffer, allocated);
    if (!work) return orvStsErrMemAlloc;
    auto* c = reinterpret_cast<Real*>(work);
    Orv8u* innerWork = work + 2 * sizeof(Real) * n;
    OrvStatus st;
    if (!split) {
        widen(sre, c, int(2 * n));
        st = runFloat<Real>(inner, inv, c, nullptr, c, nullptr, innerWork);
        if (st == orvStsOk) narrow(c, dre, int(2 * n));
    } else {
        widen(sre, c, int(n));
        widen(sim, c + n, int(n));
        st = runFloat<Real>(inner, inv, c, c + n, c, c + n, innerWork);
        if (st == orvStsOk) {
            narrow(c, dre, int(n));
            narrow(c + n, dim, int(n));
        }
    }
    orvsFree(allocated);
    return st;
}

OrvStatus runInt16(const IntRecord* rec, bool inv, bool split, const Orv16s* sre, const Orv16s* sim, Orv16s* dre,
                   Orv16s* dim, int sf, Orv8u* buffer)
{
    if (rec->floatPath)
        return runViaFloat(rec->inner, rec->workSize, std::size_t(1) << rec->order, inv, split, sre, sim, dre, dim, sf,
                           buffer);
    const int stride = split ? 1 : 2;
    if (!split) {
        sim = sre + 1;
        dim = dre + 1;
    }
    sf = clampFixedScale(sf);
    if (rec->order == 0) {
        const Orv16s re = narrowShift(sre[0], sf), im = narrowShift(sim[0], sf);
        dre[0] = re;
        dim[0] = im;
        return orvStsOk;
    }
    fixedTransform(rec, inv, sre, sim, dre, dim, stride, sf);
    return orvStsOk;
}

OrvStatus runInt32(const WrapRecord* rec, bool inv, bool split, const Orv32s* sre, const Orv32s* sim, Orv32s* dre,
                   Orv32s* dim, int sf, Orv8u* buffer)
{
    return runViaFloat(rec->inner, rec->workSize, std::size_t(1) << rec->order, inv, split, sre, sim, dre, dim, sf,
                       buffer);
}

} // namespace

template <class Spec, class T>
OrvStatus runInterleaved(bool inverse, const T* src, T* dst, const Spec* spec, Orv8u* buffer)
{
    using Rec = typename RecordOf<Spec>::Rec;
    using Real = decltype(Rec::factor);
    return record::open<Rec>(spec, RecordOf<Spec>::id, [&](const Rec& rec) -> OrvStatus {
        if (!src || !dst) return orvStsErrNullPtr;
        return runFloat<Real>(&rec, inverse, reinterpret_cast<const Real*>(src), nullptr, reinterpret_cast<Real*>(dst),
                              nullptr, buffer);
    });
}

template <class Spec, class T>
OrvStatus runSplit(bool inverse, const T* srcRe, const T* srcIm, T* dstRe, T* dstIm, const Spec* spec, Orv8u* buffer)
{
    using Rec = typename RecordOf<Spec>::Rec;
    return record::open<Rec>(spec, RecordOf<Spec>::id, [&](const Rec& rec) -> OrvStatus {
        if (!srcRe || !srcIm || !dstRe || !dstIm) return orvStsErrNullPtr;
        return runFloat<T>(&rec, inverse, srcRe, srcIm, dstRe, dstIm, buffer);
    });
}

template <class Spec, class T>
OrvStatus runInt(bool inverse, bool split, const T* srcRe, const T* srcIm, T* dstRe, T* dstIm, const Spec* spec,
                 int scaleFactor, Orv8u* buffer)
{
    using Rec = typename RecordOf<Spec>::Rec;
    return record::open<Rec>(spec, RecordOf<Spec>::id, [&](const Rec& rec) -> OrvStatus {
        if (!srcRe || !dstRe || (split && (!srcIm || !dstIm))) return orvStsErrNullPtr;
        if constexpr (sizeof(T) == 2)
            return runInt16(&rec, inverse, split, srcRe, srcIm, dstRe, dstIm, scaleFactor, buffer);
        else
            return runInt32(&rec, inverse, split, srcRe, srcIm, dstRe, dstIm, scaleFactor, buffer);
    });
}

template OrvStatus runInterleaved(bool, const Orv32fc*, Orv32fc*, const OrvsFFTSpec_C_32fc*, Orv8u*);
template OrvStatus runInterleaved(bool, const Orv64fc*, Orv64fc*, const OrvsFFTSpec_C_64fc*, Orv8u*);
template OrvStatus runSplit(bool, const Orv32f*, const Orv32f*, Orv32f*, Orv32f*, const OrvsFFTSpec_C_32f*, Orv8u*);
template OrvStatus runSplit(bool, const Orv64f*, const Orv64f*, Orv64f*, Orv64f*, const OrvsFFTSpec_C_64f*, Orv8u*);
template OrvStatus runInt(bool, bool, const Orv16s*, const Orv16s*, Orv16s*, Orv16s*, const OrvsFFTSpec_C_16sc*, int,
                          Orv8u*);
template OrvStatus runInt(bool, bool, const Orv16s*, const Orv16s*, Orv16s*, Orv16s*, const OrvsFFTSpec_C_16s*, int,
                          Orv8u*);
template OrvStatus runInt(bool, bool, const Orv32s*, const Orv32s*, Orv32s*, Orv32s*, const OrvsFFTSpec_C_32sc*, int,
                          Orv8u*);
template OrvStatus runInt(bool, bool, const Orv32s*, const Orv32s*, Orv32s*, Orv32s*, const OrvsFFTSpec_C_32s*, int,
                          Orv8u*);

} // namespace orvs::fft
