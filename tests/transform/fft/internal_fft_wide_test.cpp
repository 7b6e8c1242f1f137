// The exported transforms on records laid out for the 512-bit-shaped kernels
// (on machines without AVX-512 these are pairs of 256-bit vectors, so the
// algorithm of the AVX-512 variant runs here): complex records of both
// precisions, interleaved and split, the integer records that call them and
// the real records, against the long-double reference at every order, every
// flag, forward and inverse, in place and out of place, unaligned, with and
// without a work buffer.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

#include "../transform_test_util.h"
#include "transform/fft/fft_record.h"
#include "transform/rfft/rfft_engine.h"

using namespace transform_test;

namespace {

namespace fft = orvs::fft;

// Relays the complex tables inside a record (its own, or those of the
// floating record it calls) for the wide kernels; false when the order has
// no wide layout (or no complex tables).
template <class Real>
bool widen(fft::FloatRecord<Real>* r)
{
    int minOrder;
    if constexpr (sizeof(Real) == 4) minOrder = fft::avx::table.f32w.minOrder; else minOrder = fft::avx::table.f64w.minOrder;
    if (!r || r->order < minOrder) return false;
    std::vector<Orv8u> scratch(sizeof(Real) * ((std::size_t(1) << r->order) / 4 + 1) + 64);
    fft::layoutTwiddles<Real>(r, fft::wideChunkSize<Real>(), scratch.data());
    return r->chunk == fft::wideChunkSize<Real>();
}
template <class Spec>
bool widen(Spec* s)
{
    using Rec = typename fft::RecordOf<Spec>::Rec;
    auto* r = reinterpret_cast<Rec*>(s);
    if constexpr (std::is_same_v<Rec, fft::IntRecord>)
        return r->floatPath && widen(r->inner);
    else if constexpr (std::is_same_v<Rec, fft::WrapRecord>)
        return widen(r->inner);
    else
        return widen(r);
}
template <class T>
bool widenReal(void* spec)
{
    auto* r = static_cast<orvs::rfft::FloatSpec<T>*>(spec);
    if (r->order < 5) return false;
    return widen(reinterpret_cast<fft::FloatRecord<T>*>(orvs::rfft::complexRegion(r, r->order)));
}

using F32c = ORVS_FFT_FRONT(false, 32fc, Orv32fc, , _I);
using F64c = ORVS_FFT_FRONT(false, 64fc, Orv64fc, , _I);
using F32s = ORVS_FFT_FRONT(true, 32f, Orv32fc, , _I);
using F64s = ORVS_FFT_FRONT(true, 64f, Orv64fc, , _I);
using I16c = ORVS_FFT_FRONT(false, 16sc, Orv16sc, _Sfs, _ISfs);
using I16s = ORVS_FFT_FRONT(true, 16s, Orv16sc, _Sfs, _ISfs);
using I32c = ORVS_FFT_FRONT(false, 32sc, Orv32sc, _Sfs, _ISfs);
using I32s = ORVS_FFT_FRONT(true, 32s, Orv32sc, _Sfs, _ISfs);

constexpr int kTopOrder = 19;  // past the blocked threshold of both precisions

bool flagRuns(int order, int flag) { return order <= 10 || flag == 1 << (order % 4); }

} // namespace

template <class T>
class FftWide : public ::testing::Test {};
using Kinds = ::testing::Types<F32c, F64c, F32s, F64s, I16c, I16s, I32c, I32s>;
TYPED_TEST_SUITE(FftWide, Kinds);

// Floating records: within the bound of the reference at every order;
// integer records: within one unit (plus the floating error at the data's
// magnitude) of the 256-bit result. Every call form gives the bits of the
// first.
TYPED_TEST(FftWide, MatchesReferenceInEveryCallForm)
{
    using T = TypeParam;
    using E = typename T::Elem;
    using P = typename T::Part;
    constexpr bool integer = std::is_integral_v<P>;
    constexpr bool dbl = sizeof(P) == 8 || (integer && sizeof(P) == 4);
    const int top = std::min(kTopOrder, quick() ? 13 : kTopOrder) - (integer ? 3 : 0);
    for (int order = 6; order <= top; ++order)
        for (int flag : {1, 2, 4, 8}) {
            if (!flagRuns(order, flag)) continue;
            const std::size_t n = std::size_t(1) << order;
            typename T::Rec r(order, flag, 2);
            ASSERT_EQ(r.status, orvStsOk);
            int w = 0;
            ASSERT_EQ(T::bufSize(r.p, &w), orvStsOk);
            const auto x = integer ? randomVector<E>(n, 40 + order, -3000.0, 3000.0) : randomVector<E>(n, 40 + order, -1.0, 1.0);
            std::vector<E> narrow[2];
            if constexpr (integer) {
                ASSERT_EQ(T::run(false, false, 0, x, narrow[0], r.p, nullptr, 0), orvStsOk);
                ASSERT_EQ(T::run(true, false, 0, x, narrow[1], r.p, nullptr, 0), orvStsOk);
            }
            const bool isWide = widen(r.p);
            if (!isWide) {
                // single precision below the wide kernels' lowest order
                EXPECT_TRUE(!dbl && order < 8) << order;
                continue;
            }
            for (int inv = 0; inv < 2; ++inv) {
                const std::string at = "order " + std::to_string(order) + " flag " + std::to_string(flag) + " inv " +
                                       std::to_string(inv);
                std::vector<E> first, y;
                if constexpr (integer) {
                    ASSERT_EQ(T::run(inv, false, 0, x, first, r.p, nullptr, 0), orvStsOk);
                    int worst = 0;
                    for (std::size_t i = 0; i < n; ++i)
                        worst = std::max<int>({worst, std::abs(int(first[i].re - narrow[inv][i].re)),
                                               std::abs(int(first[i].im - narrow[inv][i].im))});
                    // both round a floating result whose error grows with the order and the magnitude
                    const double e = dbl ? 1.11e-16 : 5.96e-8;
                    const double mag = 3000.0 * std::sqrt(double(n)) * double(normFactor(flag, n, inv));
                    EXPECT_LE(worst, 1.0 + 4.0 * e * order * mag) << at;
                } else {
                    ASSERT_EQ(T::run(inv, false, 0, x, first, r.p, nullptr), orvStsOk);
                    auto ref = referenceFft(toCld(x), inv);
                    for (auto& v : ref) v *= normFactor(flag, n, inv);
                    EXPECT_LT(relRms(ref, first.data()), (dbl ? 1e-15 : 1e-6) * order) << at;
                }
                for (int inPlace = 0; inPlace < 2; ++inPlace)
                    for (std::size_t off : {0, 1})
                        for (bool withBuffer : {false, true}) {
                            if (order > 14 && off + withBuffer != 1) continue;
                            Guarded<Orv8u> buf(w, 3);
                            OrvStatus st;
                            if constexpr (integer)
                                st = T::run(inv, inPlace, off, x, y, r.p, withBuffer ? buf.data() : nullptr, 0);
                            else
                                st = T::run(inv, inPlace, off, x, y, r.p, withBuffer ? buf.data() : nullptr);
                            ASSERT_EQ(st, orvStsOk);
                            ASSERT_TRUE(sameBits(first.data(), y.data(), n))
                                << at << " in place " << inPlace << " offset " << off << " buffer " << withBuffer;
                            EXPECT_TRUE(buf.guardsIntact()) << at;
                        }
            }
        }
}

template <class T>
struct RealApi;
#define ORVS_WIDE_RFFT_API(T, S)                                                                                      \
    template <>                                                                                                       \
    struct RealApi<T> {                                                                                               \
        using Rec = Owned<OrvsFFTSpec_R_##S, orvsFFTInitAlloc_R_##S, orvsFFTFree_R_##S>;                             \
        static constexpr auto buf = orvsFFTGetBufSize_R_##S;                                                          \
        static constexpr auto fwd = orvsFFTFwd_RToCCS_##S;                                                            \
        static constexpr auto inv = orvsFFTInv_CCSToR_##S;                                                            \
        static constexpr auto fwdI = orvsFFTFwd_RToPerm_##S##_I;                                                      \
        static constexpr auto invI = orvsFFTInv_PermToR_##S##_I;                                                      \
    };
ORVS_WIDE_RFFT_API(float, 32f)
ORVS_WIDE_RFFT_API(double, 64f)

template <class T>
class RealFftWide : public ::testing::Test {};
using RealKinds = ::testing::Types<float, double>;
TYPED_TEST_SUITE(RealFftWide, RealKinds);

// Real records whose half-length complex record is laid out wide: CCS out of
// place against the reference, Perm in place giving the same numbers, and
// the inverses back to the signal.
TYPED_TEST(RealFftWide, MatchesReferenceForwardAndInverse)
{
    using T = TypeParam;
    using A = RealApi<T>;
    const double eps = sizeof(T) == 4 ? 5.96e-8 : 1.11e-16;
    for (int order = 7; order <= (quick() ? 14 : kTopOrder + 1); ++order)
        for (int flag : {1, 2, 4, 8}) {
            if (!flagRuns(order, flag)) continue;
            const int n = 1 << order;
            typename A::Rec r(order, flag);
            ASSERT_EQ(r.status, orvStsOk);
            if (!widenReal<T>(r.p)) {
                EXPECT_TRUE(sizeof(T) == 4 && order - 1 < 8) << order;
                continue;
            }
            int w = 0;
            ASSERT_EQ(A::buf(r.p, &w), orvStsOk);
            Guarded<Orv8u> buf(w, 1);
            const auto x = randomVector<T>(std::size_t(n), 70 + order, -1.0, 1.0);
            Guarded<T> ccs(std::size_t(n) + 2, 1), perm(std::size_t(n), 0), back(std::size_t(n), 3);
            perm.assign(x);
            ASSERT_EQ(A::fwd(x.data(), ccs.data(), r.p, buf.data()), orvStsOk);
            ASSERT_EQ(A::fwdI(perm.data(), r.p, nullptr), orvStsOk);
            auto ref = halfSpectrum(x);
            for (auto& v : ref) v *= normFactor(flag, std::size_t(n), false);
            const std::string at = "order " + std::to_string(order) + " flag " + std::to_string(flag);
            EXPECT_LT(relRms(ref, unpackLayout(ccs.data(), n, kCcs).data()), 4.0 * eps * (order + 2)) << at;
            EXPECT_LT(relRms(ref, unpackLayout(perm.data(), n, kPerm).data()), 4.0 * eps * (order + 2)) << at;
            // inverse: CCS out of place, Perm in place
            ASSERT_EQ(A::inv(ccs.data(), back.data(), r.p, nullptr), orvStsOk);
            ASSERT_EQ(A::invI(perm.data(), r.p, buf.data()), orvStsOk);
            const LD g = normFactor(flag, std::size_t(n), false) * normFactor(flag, std::size_t(n), true) * LD(n);
            std::vector<CLD> want(static_cast<std::size_t>(n));
            for (int i = 0; i < n; ++i) want[std::size_t(i)] = LD(x[std::size_t(i)]) * g;
            EXPECT_LT(relRms(want, back.data()), 4.0 * eps * (order + 2)) << at << " inverse";
            EXPECT_LT(relRms(want, perm.data()), 4.0 * eps * (order + 2)) << at << " inverse in place";
            EXPECT_TRUE(ccs.guardsIntact() && perm.guardsIntact() && back.guardsIntact() && buf.guardsIntact()) << at;
        }
}

// Accuracy of both layouts: relative RMS error of the forward transform
// against the long-double reference, as a multiple of eps * sqrt(log2 N).
// The largest multiple over the orders is printed (the figure the user
// pages quote) and must stay below 1.
template <class T>
class FftAccuracy : public ::testing::Test {};
using AccuracyKinds = ::testing::Types<F32c, F64c>;
TYPED_TEST_SUITE(FftAccuracy, AccuracyKinds);

TYPED_TEST(FftAccuracy, RmsErrorWithinEpsTimesRootLog)
{
    using T = TypeParam;
    using E = typename T::Elem;
    using P = typename T::Part;
    const double eps = std::numeric_limits<P>::epsilon();  // 2^-23, 2^-52
    double worst[2] = {0, 0};
    for (int order = 1; order <= (quick() ? 14 : 20); ++order) {
        const std::size_t n = std::size_t(1) << order;
        const auto x = randomVector<E>(n, 500 + order, -1.0, 1.0);
        const auto ref = referenceFft(toCld(x), false);
        for (int wide = 0; wide < 2; ++wide) {
            typename T::Rec r(order, ORV_FFT_NORM_NONE);
            ASSERT_EQ(r.status, orvStsOk);
            if (wide && !widen(r.p)) continue;
            if (!wide) {
                std::vector<Orv8u> scratch(sizeof(P) * (n / 4 + 1) + 64);
                auto* rec = reinterpret_cast<fft::FloatRecord<P>*>(r.p);
                if (order > 5) fft::layoutTwiddles<P>(rec, fft::chunkSize<P>(), scratch.data());
            }
            std::vector<E> y;
            ASSERT_EQ(T::run(false, false, 0, x, y, r.p, nullptr), orvStsOk);
            const double c = relRms(ref, y.data()) / (eps * std::sqrt(double(order)));
            worst[wide] = std::max(worst[wide], c);
            EXPECT_LE(c, 1.0) << "order " << order << (wide ? " wide" : "");
        }
    }
    std::printf("[ accuracy ] %s: rms error <= c * eps * sqrt(log2 N), c = %.3f (256-bit), %.3f (512-bit-shaped)\n",
                sizeof(P) == 4 ? "single" : "double", worst[0], worst[1]);
}
