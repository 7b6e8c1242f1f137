// Records of the floating real FFT (R_32f, R_64f): sizes, construction in
// caller memory, library allocation, release and the work-buffer query.
#include <climits>
#include <cmath>
#include <cstring>

#include "core/check.h"
#include "core/record.h"
#include "transform/rfft/rfft_engine.h"
#include "transform/rfft/rfft_record.h"

namespace orvs::rfft {
namespace {

template <class T>
struct ComplexRecord;
template <>
struct ComplexRecord<float> {
    using Spec = OrvsFFTSpec_C_32fc;
    static OrvStatus getSize(int o, int f, int h, int* s, int* i, int* w)
    { return orvsFFTGetSize_C_32fc(o, f, static_cast<OrvHintAlgorithm>(h), s, i, w); }
    static OrvStatus init(Spec** p, int o, int f, int h, Orv8u* m, Orv8u* i)
    { return orvsFFTInit_C_32fc(p, o, f, static_cast<OrvHintAlgorithm>(h), m, i); }
    static OrvStatus release(Spec* p) { return orvsFFTFree_C_32fc(p); }
};
template <>
struct ComplexRecord<double> {
    using Spec = OrvsFFTSpec_C_64fc;
    static OrvStatus getSize(int o, int f, int h, int* s, int* i, int* w)
    { return orvsFFTGetSize_C_64fc(o, f, static_cast<OrvHintAlgorithm>(h), s, i, w); }
    static OrvStatus init(Spec** p, int o, int f, int h, Orv8u* m, Orv8u* i)
    { return orvsFFTInit_C_64fc(p, o, f, static_cast<OrvHintAlgorithm>(h), m, i); }
    static OrvStatus release(Spec* p) { return orvsFFTFree_C_64fc(p); }
};

// Quarter-wave sine of length N in double precision, rounded to T: sin for
// k <= N/8, cos of the complement above, so that every value comes from an
// argument of at most pi/4.
template <class T>
T quarterWave(int k, int n)
{
    constexpr double twoPi = 6.283185307179586476925286766559005768;
    const int q = n / 4;
    if (8 * k <= n) return static_cast<T>(std::sin(k * twoPi / n));
    return static_cast<T>(std::cos((q - k) * twoPi / n));
}

}  // namespace

template <class T>
OrvStatus floatSizes(int order, int hint, Sizes& out)
{
    if (order <= 4) {
        out = {168, 0, 0};
        return orvStsOk;
    }
    const int half = order - 1;
    int cs = 0, ci = 0, cw = 0;
    ORVS_CHECK(ComplexRecord<T>::getSize(half, ORV_FFT_NORM_NONE, hint, &cs, &ci, &cw));
    const std::int64_t n = std::int64_t(1) << order;
    // The complex record of up to 32 points is a bare header, which the 192
    // bytes of the real record's own part hold together with ours.
    const std::int64_t complexPart = half >= 6 ? cs - 192 : 0;
    out.spec = complexPart + 2 * static_cast<std::int64_t>(tableBytes<T>(order)) + 192;
    out.init = order > 10 ? static_cast<std::int64_t>(align32((n / 4 + 1) * sizeof(T))) + 32 : 0;
    out.work = cw;
    return orvStsOk;
}

template <class T>
OrvStatus floatInit(FloatSpec<T>** out, int order, int flag, int hint, std::uint8_t* mem, std::uint8_t* init)
{
    if (order < 0 || order > maxOrder<T>()) return orvStsErrFftOrder;
    ORVS_CHECK(check::pointers(out, mem));
    if (order > 10 && !init) return orvStsErrNullPtr;
    if (!validFlag(flag)) return orvStsErrFftFlag;  // before the caller's memory is touched

    auto* r = record::place<FloatSpec<T>>(mem, 32);
    r->order = order;
    r->hint = hint;
    r->flag = static_cast<std::uint8_t>(flag);
    const int n = 1 << order;
    switch (flag) {
    case ORV_FFT_NORM_FWD_N: r->fwdScale = 1; r->factor = T(1) / static_cast<T>(n); break;
    case ORV_FFT_NORM_INV_N: r->invScale = 1; r->factor = T(1) / static_cast<T>(n); break;
    case ORV_FFT_NORM_SQRT_N:
        r->fwdScale = r->invScale = 1;
        r->factor = static_cast<T>(1.0 / std::sqrt(static_cast<double>(n)));
        break;
    case ORV_FFT_NORM_NONE: r->factor = T(0); break;
    default: r->id = 0; return orvStsErrFftFlag;
    }

    if (order >= 5) {
        Sizes sizes;
        if (OrvStatus s = floatSizes<T>(order, hint, sizes); s) {
            r->id = 0;
            return s;
        }
        if (order >= 7) {
            T* fwd = reinterpret_cast<T*>(r + 1);
            T* inv = reinterpret_cast<T*>(reinterpret_cast<std::uint8_t*>(fwd) + tableBytes<T>(order));
            if (order > 10) {
                // Above order 10 the quarter-wave table is laid out in the
                // initialisation buffer first, as the size query promises.
                T* quarter = reinterpret_cast<T*>(record::alignUp(init, 32));
                for (int k = 0; k <= n / 4; ++k) quarter[k] = quarterWave<T>(k, n);
                buildRecombTables<T>(order, [quarter](int k) { return quarter[k]; }, fwd, inv);
            } else {
                buildRecombTables<T>(order, [n](int k) { return quarterWave<T>(k, n); }, fwd, inv);
            }
        }
        typename ComplexRecord<T>::Spec* c = nullptr;
        OrvStatus s = ComplexRecord<T>::init(&c, order - 1, ORV_FFT_NORM_NONE, hint, complexRegion(r, order), init);
        if (s < 0) {
            r->id = 0;
            return s;
        }
        r->workSize = sizes.work > 0 ? static_cast<std::uint32_t>(sizes.work - 32) : 0;
    }
    r->id = sizeof(T) == 4 ? kIdR32f : kIdR64f;
    *out = r;
    return orvStsOk;
}

// Releases the complex record inside and invalidates the record; the block
// is its owner's business.
template <class T>
void floatRelease(FloatSpec<T>* r)
{
    if (r->order >= 5)
        ComplexRecord<T>::release(reinterpret_cast<typename ComplexRecord<T>::Spec*>(complexRegion(r, r->order)));
    r->id = 0;
}

template OrvStatus floatSizes<float>(int, int, Sizes&);
template OrvStatus floatSizes<double>(int, int, Sizes&);
template OrvStatus floatInit<float>(FloatSpec<float>**, int, int, int, std::uint8_t*, std::uint8_t*);
template OrvStatus floatInit<double>(FloatSpec<double>**, int, int, int, std::uint8_t*, std::uint8_t*);
template void floatRelease<float>(FloatSpec<float>*);
template void floatRelease<double>(FloatSpec<double>*);

OrvStatus writeSizes(const Sizes& z, int* pSpecSize, int* pInitSize, int* pWorkSize)
{
    if (z.spec > INT_MAX || z.init > INT_MAX || z.work > INT_MAX) return orvStsErrFftOrder;
    *pSpecSize = static_cast<int>(z.spec);
    *pInitSize = static_cast<int>(z.init);
    *pWorkSize = static_cast<int>(z.work);
    return orvStsOk;
}

namespace {

template <class T>
struct FloatKind {
    using Record = FloatSpec<T>;
    static constexpr std::uint32_t id = sizeof(T) == 4 ? kIdR32f : kIdR64f;
    static constexpr int maxOrder = rfft::maxOrder<T>();
    static OrvStatus sizes(int order, int, int hint, Sizes& z) { return floatSizes<T>(order, hint, z); }
    static OrvStatus init(Record** out, int order, int flag, int hint, std::uint8_t* mem, std::uint8_t* ini)
    { return floatInit<T>(out, order, flag, hint, mem, ini); }
    static void releaseInner(Record& r) { floatRelease<T>(&r); }
};

}  // namespace

ORVS_RFFT_LIFECYCLE(OrvsFFTSpec_R_32f, FloatKind<float>)
ORVS_RFFT_LIFECYCLE(OrvsFFTSpec_R_64f, FloatKind<double>)

}  // namespace orvs::rfft
