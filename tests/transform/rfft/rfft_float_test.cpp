// Real FFT in single and double precision: accuracy against the long-double
// definition, the three layouts, the N = 1 and N = 2 rules, round trips for
// every flag in place and out of place, records in caller memory, work
// buffers, argument checks and concurrent use of one record.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <thread>

#include "rfft_test_util.h"
#include "test_util.h"

using namespace rfft_test;
using orvs_test::randomVector;
using orvs_test::Unaligned;

namespace {

template <class T>
struct Api;

template <>
struct Api<float> {
    using Spec = OrvsFFTSpec_R_32f;
    using CSpec = OrvsFFTSpec_C_32fc;
    static constexpr int maxOrder = 27;
    static constexpr double eps = 5.96e-8;
    static constexpr auto getSize = orvsFFTGetSize_R_32f;
    static constexpr auto init = orvsFFTInit_R_32f;
    static constexpr auto initAlloc = orvsFFTInitAlloc_R_32f;
    static constexpr auto release = orvsFFTFree_R_32f;
    static constexpr auto bufSize = orvsFFTGetBufSize_R_32f;
    static constexpr auto cGetSize = orvsFFTGetSize_C_32fc;
    static constexpr auto cInitAlloc = orvsFFTInitAlloc_C_32fc;
    static constexpr auto cFree = orvsFFTFree_C_32fc;
    using Fn = OrvStatus (*)(const float*, float*, const Spec*, Orv8u*);
    using FnI = OrvStatus (*)(float*, const Spec*, Orv8u*);
    static constexpr Fn fwd[3] = {orvsFFTFwd_RToPack_32f, orvsFFTFwd_RToPerm_32f, orvsFFTFwd_RToCCS_32f};
    static constexpr Fn inv[3] = {orvsFFTInv_PackToR_32f, orvsFFTInv_PermToR_32f, orvsFFTInv_CCSToR_32f};
    static constexpr FnI fwdI[3] = {orvsFFTFwd_RToPack_32f_I, orvsFFTFwd_RToPerm_32f_I, orvsFFTFwd_RToCCS_32f_I};
    static constexpr FnI invI[3] = {orvsFFTInv_PackToR_32f_I, orvsFFTInv_PermToR_32f_I, orvsFFTInv_CCSToR_32f_I};
};

template <>
struct Api<double> {
    using Spec = OrvsFFTSpec_R_64f;
    using CSpec = OrvsFFTSpec_C_64fc;
    static constexpr int maxOrder = 26;
    static constexpr double eps = 1.11e-16;
    static constexpr auto getSize = orvsFFTGetSize_R_64f;
    static constexpr auto init = orvsFFTInit_R_64f;
    static constexpr auto initAlloc = orvsFFTInitAlloc_R_64f;
    static constexpr auto release = orvsFFTFree_R_64f;
    static constexpr auto bufSize = orvsFFTGetBufSize_R_64f;
    static constexpr auto cGetSize = orvsFFTGetSize_C_64fc;
    static constexpr auto cInitAlloc = orvsFFTInitAlloc_C_64fc;
    static constexpr auto cFree = orvsFFTFree_C_64fc;
    using Fn = OrvStatus (*)(const double*, double*, const Spec*, Orv8u*);
    using FnI = OrvStatus (*)(double*, const Spec*, Orv8u*);
    static constexpr Fn fwd[3] = {orvsFFTFwd_RToPack_64f, orvsFFTFwd_RToPerm_64f, orvsFFTFwd_RToCCS_64f};
    static constexpr Fn inv[3] = {orvsFFTInv_PackToR_64f, orvsFFTInv_PermToR_64f, orvsFFTInv_CCSToR_64f};
    static constexpr FnI fwdI[3] = {orvsFFTFwd_RToPack_64f_I, orvsFFTFwd_RToPerm_64f_I, orvsFFTFwd_RToCCS_64f_I};
    static constexpr FnI invI[3] = {orvsFFTInv_PackToR_64f_I, orvsFFTInv_PermToR_64f_I, orvsFFTInv_CCSToR_64f_I};
};

// A library-allocated record released at scope exit.
template <class T>
class Record {
public:
    Record(int order, int flag, OrvHintAlgorithm hint = orvHintNone)
    {
        status_ = Api<T>::initAlloc(&spec_, order, flag, hint);
    }
    ~Record()
    {
        if (spec_) Api<T>::release(spec_);
    }
    typename Api<T>::Spec* get() const { return spec_; }
    OrvStatus status() const { return status_; }

private:
    typename Api<T>::Spec* spec_ = nullptr;
    OrvStatus status_ = 0;
};

LD normFactor(int flag, int n, bool forward)
{
    switch (flag) {
    case ORV_FFT_NORM_FWD_N: return forward ? 1.0L / n : 1.0L;
    case ORV_FFT_NORM_INV_N: return forward ? 1.0L : 1.0L / n;
    case ORV_FFT_NORM_SQRT_N: return 1.0L / sqrtl(static_cast<LD>(n));
    default: return 1.0L;
    }
}

// ||a - b|| / ||b|| over complex bins.
LD relativeError(const std::vector<CLD>& a, const std::vector<CLD>& b)
{
    LD num = 0, den = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        num += std::norm(a[i] - b[i]);
        den += std::norm(b[i]);
    }
    return den > 0 ? sqrtl(num / den) : sqrtl(num);
}

template <class T>
LD relativeError(const std::vector<T>& a, const std::vector<LD>& b)
{
    LD num = 0, den = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        num += (a[i] - b[i]) * (a[i] - b[i]);
        den += b[i] * b[i];
    }
    return den > 0 ? sqrtl(num / den) : sqrtl(num);
}

// Error bound of a transform of the given order (a few ulps per pass).
template <class T>
double bound(int order)
{
    return 4.0 * Api<T>::eps * (order + 2);
}

template <class T>
std::vector<T> randomSignal(int n, std::uint32_t seed)
{
    return randomVector<T>(static_cast<std::size_t>(n), seed, -1.0, 1.0);
}

template <class T>
class RealFft : public ::testing::Test {};
using Precisions = ::testing::Types<float, double>;
TYPED_TEST_SUITE(RealFft, Precisions);

TYPED_TEST(RealFft, ForwardMatchesDefinitionForEveryFlagAndLayout)
{
    using T = TypeParam;
    using A = Api<T>;
    const int maxOrder = quick() ? 10 : 12;
    for (int order = 0; order <= maxOrder; ++order) {
        const int n = 1 << order;
        const auto x = randomSignal<T>(n, 100 + order);
        const auto ref = halfSpectrum(x);
        for (int flag : {1, 2, 4, 8}) {
            Record<T> rec(order, flag);
            ASSERT_EQ(rec.status(), orvStsOk);
            std::vector<CLD> scaled(ref);
            for (auto& v : scaled) v *= normFactor(flag, n, true);
            for (int layout = 0; layout < 3; ++layout) {
                std::vector<T> out(layoutLength(n, layout));
                ASSERT_EQ(A::fwd[layout](x.data(), out.data(), rec.get(), nullptr), orvStsOk);
                EXPECT_LE(relativeError(unpackLayout(out.data(), n, layout), scaled), bound<T>(order))
                    << "order " << order << " flag " << flag << " " << layoutName(layout);
            }
        }
    }
}

TYPED_TEST(RealFft, LargeOrdersMatchDefinitionAtSampledBins)
{
    using T = TypeParam;
    using A = Api<T>;
    for (int order : {14, 17, 19}) {
        if (quick() && order > 14) continue;
        const int n = 1 << order;
        const auto x = randomSignal<T>(n, 7 + order);
        Record<T> rec(order, ORV_FFT_NORM_NONE);
        ASSERT_EQ(rec.status(), orvStsOk);
        std::vector<T> out(n + 2);
        ASSERT_EQ(A::fwd[kCcs](x.data(), out.data(), rec.get(), nullptr), orvStsOk);
        const std::vector<int> bins = {0, 1, 2, 3, n / 8 - 1, n / 4 - 1, n / 4, n / 4 + 1, n / 2 - 3, n / 2 - 1, n / 2, 12345 % (n / 2)};
        const auto ref = dftBins(x, bins);
        const auto all = unpackLayout(out.data(), n, kCcs);
        std::vector<CLD> got;
        for (int k : bins) got.push_back(all[k]);
        // Bins of a random signal have magnitude about sqrt(N/3); the error is
        // relative to the whole spectrum's scale.
        LD maxErr = 0;
        for (std::size_t i = 0; i < bins.size(); ++i) maxErr = std::max(maxErr, std::abs(got[i] - ref[i]));
        EXPECT_LE(maxErr / sqrtl(static_cast<LD>(n) / 3), 8 * bound<T>(order)) << "order " << order;
    }
}

TYPED_TEST(RealFft, LayoutsHoldTheSameNumbers)
{
    using T = TypeParam;
    using A = Api<T>;
    for (int order = 0; order <= 16; ++order) {
        const int n = 1 << order;
        const auto x = randomSignal<T>(n, 300 + order);
        Record<T> rec(order, ORV_FFT_NORM_SQRT_N);
        std::vector<T> pack(n), perm(n), ccs(n + 2, T(99));
        ASSERT_EQ(A::fwd[kPack](x.data(), pack.data(), rec.get(), nullptr), orvStsOk);
        ASSERT_EQ(A::fwd[kPerm](x.data(), perm.data(), rec.get(), nullptr), orvStsOk);
        ASSERT_EQ(A::fwd[kCcs](x.data(), ccs.data(), rec.get(), nullptr), orvStsOk);
        EXPECT_EQ(ccs[1], T(0));
        if (n > 1) EXPECT_EQ(ccs[n + 1], T(0));
        const auto hp = unpackLayout(pack.data(), n, kPack);
        const auto hm = unpackLayout(perm.data(), n, kPerm);
        const auto hc = unpackLayout(ccs.data(), n, kCcs);
        for (int k = 0; k <= n / 2; ++k) {
            ASSERT_EQ(hp[k], hc[k]) << "order " << order << " bin " << k;
            ASSERT_EQ(hm[k], hc[k]) << "order " << order << " bin " << k;
        }
    }
}

TYPED_TEST(RealFft, LengthOneAndTwo)
{
    using T = TypeParam;
    using A = Api<T>;
    {
        Record<T> rec(0, ORV_FFT_NORM_NONE);
        const T x[1] = {T(-2.5)};
        T out[3] = {T(7), T(7), T(7)};
        ASSERT_EQ(A::fwd[kCcs](x, out, rec.get(), nullptr), orvStsOk);
        EXPECT_EQ(out[0], T(-2.5));
        EXPECT_EQ(out[1], T(0));
        EXPECT_EQ(out[2], T(7));
        for (int layout : {kPack, kPerm}) {
            T one[2] = {T(7), T(7)};
            ASSERT_EQ(A::fwd[layout](x, one, rec.get(), nullptr), orvStsOk);
            EXPECT_EQ(one[0], T(-2.5));
            EXPECT_EQ(one[1], T(7)) << "wrote past the single value";
            T back[2] = {T(7), T(7)};
            ASSERT_EQ(A::inv[layout](one, back, rec.get(), nullptr), orvStsOk);
            EXPECT_EQ(back[0], T(-2.5));
            EXPECT_EQ(back[1], T(7));
        }
    }
    {
        Record<T> rec(1, ORV_FFT_NORM_NONE);
        const T x[2] = {T(1.25), T(-3.5)};
        for (int layout : {kPack, kPerm}) {
            T out[3] = {T(7), T(7), T(7)};
            ASSERT_EQ(A::fwd[layout](x, out, rec.get(), nullptr), orvStsOk);
            EXPECT_EQ(out[0], T(1.25 + -3.5));
            EXPECT_EQ(out[1], T(1.25 - -3.5));
            EXPECT_EQ(out[2], T(7));
        }
        T ccs[5] = {T(7), T(7), T(7), T(7), T(7)};
        ASSERT_EQ(A::fwd[kCcs](x, ccs, rec.get(), nullptr), orvStsOk);
        EXPECT_EQ(ccs[0], T(-2.25));
        EXPECT_EQ(ccs[1], T(0));
        EXPECT_EQ(ccs[2], T(4.75));
        EXPECT_EQ(ccs[3], T(0));
        EXPECT_EQ(ccs[4], T(7));
    }
}

TYPED_TEST(RealFft, ConstantSignalHasOnlyDc)
{
    using T = TypeParam;
    using A = Api<T>;
    for (int order = 0; order <= 14; ++order) {
        const int n = 1 << order;
        std::vector<T> x(n, T(0.75)), out(n + 2, T(5));
        Record<T> rec(order, ORV_FFT_NORM_NONE);
        ASSERT_EQ(A::fwd[kCcs](x.data(), out.data(), rec.get(), nullptr), orvStsOk);
        EXPECT_EQ(out[0], T(0.75) * n) << "order " << order;
        for (int i = 1; i < layoutLength(n, kCcs); ++i) ASSERT_EQ(out[i], T(0)) << "order " << order << " index " << i;
    }
}

TYPED_TEST(RealFft, RoundTripsForEveryFlagInPlaceAndOutOfPlace)
{
    using T = TypeParam;
    using A = Api<T>;
    const int maxOrder = quick() ? 14 : 20;
    for (int order = 0; order <= maxOrder; ++order) {
        const int n = 1 << order;
        const auto x = randomSignal<T>(n, 500 + order);
        // The largest orders run the common flag only, to keep the run short.
        const std::vector<int> flags = order > 16 ? std::vector<int>{2} : std::vector<int>{1, 2, 4, 8};
        for (int flag : flags) {
            Record<T> rec(order, flag);
            ASSERT_EQ(rec.status(), orvStsOk);
            std::vector<LD> expect(x.begin(), x.end());
            if (flag == ORV_FFT_NORM_NONE)
                for (auto& v : expect) v *= n;
            for (int layout = 0; layout < 3; ++layout) {
                std::vector<T> spec(layoutLength(n, layout)), back(n);
                ASSERT_EQ(A::fwd[layout](x.data(), spec.data(), rec.get(), nullptr), orvStsOk);
                ASSERT_EQ(A::inv[layout](spec.data(), back.data(), rec.get(), nullptr), orvStsOk);
                EXPECT_LE(relativeError(back, expect), 2 * bound<T>(order))
                    << "order " << order << " flag " << flag << " " << layoutName(layout);

                std::vector<T> inplace(layoutLength(n, layout));
                std::copy(x.begin(), x.end(), inplace.begin());
                ASSERT_EQ(A::fwdI[layout](inplace.data(), rec.get(), nullptr), orvStsOk);
                ASSERT_TRUE(std::equal(spec.begin(), spec.end(), inplace.begin()))
                    << "in-place forward differs, order " << order << " " << layoutName(layout);
                ASSERT_EQ(A::invI[layout](inplace.data(), rec.get(), nullptr), orvStsOk);
                ASSERT_TRUE(std::equal(back.begin(), back.end(), inplace.begin()))
                    << "in-place inverse differs, order " << order << " " << layoutName(layout);
            }
        }
    }
}

TYPED_TEST(RealFft, UnalignedDataGivesIdenticalResults)
{
    using T = TypeParam;
    using A = Api<T>;
    for (int order = 0; order <= 13; ++order) {
        const int n = 1 << order;
        const auto x = randomSignal<T>(n, 900 + order);
        Record<T> rec(order, ORV_FFT_NORM_INV_N);
        for (int layout = 0; layout < 3; ++layout) {
            const int len = layoutLength(n, layout);
            std::vector<T> spec(len), back(n);
            ASSERT_EQ(A::fwd[layout](x.data(), spec.data(), rec.get(), nullptr), orvStsOk);
            ASSERT_EQ(A::inv[layout](spec.data(), back.data(), rec.get(), nullptr), orvStsOk);

            Unaligned<T> src(n), dst(len), buf(len);
            src.assign(x);
            ASSERT_EQ(A::fwd[layout](src.data(), dst.data(), rec.get(), nullptr), orvStsOk);
            EXPECT_TRUE(std::equal(spec.begin(), spec.end(), dst.data())) << "order " << order;
            buf.assign(spec);
            ASSERT_EQ(A::invI[layout](buf.data(), rec.get(), nullptr), orvStsOk);
            EXPECT_TRUE(std::equal(back.begin(), back.end(), buf.data())) << "order " << order;
        }
    }
}

TYPED_TEST(RealFft, CcsInverseIgnoresTheZeroImaginarySlots)
{
    using T = TypeParam;
    using A = Api<T>;
    for (int order : {0, 1, 2, 4, 5, 6, 9}) {
        const int n = 1 << order;
        Record<T> rec(order, ORV_FFT_NORM_INV_N);
        auto ccs = randomSignal<T>(n + 2, 40 + order);
        ccs[1] = T(0);
        ccs[n + 1] = T(0);
        std::vector<T> clean(n), dirty(n);
        ASSERT_EQ(A::inv[kCcs](ccs.data(), clean.data(), rec.get(), nullptr), orvStsOk);
        ccs[1] = T(1e6);
        ccs[n + 1] = T(-3e5);
        ASSERT_EQ(A::inv[kCcs](ccs.data(), dirty.data(), rec.get(), nullptr), orvStsOk);
        EXPECT_EQ(clean, dirty) << "order " << order;
        const auto ref = inverseFromHalf(unpackLayout(ccs.data(), n, kCcs), n);
        std::vector<LD> scaled(ref);
        for (auto& v : scaled) v /= n;
        EXPECT_LE(relativeError(dirty, scaled), bound<T>(order)) << "order " << order;
    }
}

TYPED_TEST(RealFft, InverseMatchesDefinition)
{
    using T = TypeParam;
    using A = Api<T>;
    for (int order = 0; order <= 11; ++order) {
        const int n = 1 << order;
        for (int layout = 0; layout < 3; ++layout) {
            auto h = unpackLayout(randomSignal<T>(n + 2, 60 + order).data(), n, kCcs);
            const auto packed = packLayout<T>(h, n, layout);
            Record<T> rec(order, ORV_FFT_NORM_NONE);
            std::vector<T> out(n);
            ASSERT_EQ(A::inv[layout](packed.data(), out.data(), rec.get(), nullptr), orvStsOk);
            EXPECT_LE(relativeError(out, inverseFromHalf(h, n)), bound<T>(order))
                << "order " << order << " " << layoutName(layout);
        }
    }
}

// Sizes the record documents, from the complex record of half length.
TYPED_TEST(RealFft, SizesFollowTheDocumentedFormulas)
{
    using T = TypeParam;
    using A = Api<T>;
    const auto a32 = [](long long v) { return (v + 31) / 32 * 32; };
    for (int order = 0; order <= A::maxOrder - 4; ++order) {
        int s = -1, i = -1, w = -1;
        ASSERT_EQ(A::getSize(order, ORV_FFT_NORM_INV_N, orvHintNone, &s, &i, &w), orvStsOk);
        const long long n = 1LL << order;
        if (order <= 4) {
            EXPECT_EQ(s, 168);
            EXPECT_EQ(i, 0);
            EXPECT_EQ(w, 0);
            continue;
        }
        int cs = 0, ci = 0, cw = 0;
        ASSERT_EQ(A::cGetSize(order - 1, ORV_FFT_NORM_NONE, orvHintNone, &cs, &ci, &cw), orvStsOk);
        const long long tables = 2 * a32(n / 2 * static_cast<long long>(sizeof(T)));
        EXPECT_EQ(s, (order - 1 >= 6 ? cs - 192 : 0) + tables + 192) << "order " << order;
        EXPECT_EQ(i, order > 10 ? a32((n / 4 + 1) * static_cast<long long>(sizeof(T))) + 32 : 0) << "order " << order;
        EXPECT_EQ(w, cw) << "order " << order;
        if (sizeof(T) == 4 && order >= 7 && order <= 18) {
            const long long h = n / 2;
            EXPECT_EQ(s, a32(8 * h + 8) + a32(h + 4) + 2 * a32(2 * n) + 192);
            EXPECT_EQ(w, a32(8 * h) + 32);
        }
        Record<T> rec(order, ORV_FFT_NORM_INV_N);
        int b = -1;
        ASSERT_EQ(A::bufSize(rec.get(), &b), orvStsOk);
        EXPECT_EQ(b, w) << "order " << order;
    }
}

TYPED_TEST(RealFft, RecordInCallerMemoryStaysInsideItsBlock)
{
    using T = TypeParam;
    using A = Api<T>;
    constexpr unsigned char kCanary = 0xA5;
    for (int order : {0, 3, 4, 5, 6, 7, 8, 11, 12, 16, 18}) {
        const int n = 1 << order;
        int s = 0, i = 0, w = 0;
        ASSERT_EQ(A::getSize(order, ORV_FFT_NORM_FWD_N, orvHintFast, &s, &i, &w), orvStsOk);
        const auto x = randomSignal<T>(n, 77 + order);
        Record<T> ref(order, ORV_FFT_NORM_FWD_N, orvHintFast);
        std::vector<T> expect(n + 2);
        ASSERT_EQ(A::fwd[kCcs](x.data(), expect.data(), ref.get(), nullptr), orvStsOk);
        for (int offset : {0, 1, 8, 24, 25, 31}) {
            std::vector<unsigned char> specMem(s + 64 + 64, kCanary), initMem(i + 64 + 64, kCanary),
                workMem(w + 64 + 64, kCanary);
            auto* sm = reinterpret_cast<unsigned char*>((reinterpret_cast<std::uintptr_t>(specMem.data()) + 63) & ~63ull) + offset;
            auto* im = reinterpret_cast<unsigned char*>((reinterpret_cast<std::uintptr_t>(initMem.data()) + 63) & ~63ull) + offset;
            auto* wm = reinterpret_cast<unsigned char*>((reinterpret_cast<std::uintptr_t>(workMem.data()) + 63) & ~63ull) + offset;
            typename A::Spec* spec = nullptr;
            ASSERT_EQ(A::init(&spec, order, ORV_FFT_NORM_FWD_N, orvHintFast, sm, i ? im : nullptr), orvStsOk);
            EXPECT_EQ(reinterpret_cast<std::uintptr_t>(spec) % 32, 0u);
            EXPECT_GE(reinterpret_cast<unsigned char*>(spec), sm);
            for (int b = 0; b < 32; ++b) ASSERT_EQ(sm[s + b], kCanary) << "record overran, order " << order << " offset " << offset;
            for (int b = 0; b < 32; ++b) ASSERT_EQ(im[i + b], kCanary) << "init buffer overran, order " << order;
            std::vector<T> out(n + 2);
            ASSERT_EQ(A::fwd[kCcs](x.data(), out.data(), spec, w ? wm : nullptr), orvStsOk);
            EXPECT_EQ(out, expect) << "order " << order << " offset " << offset;
            for (int b = 0; b < 32; ++b) ASSERT_EQ(wm[w + b], kCanary) << "work buffer overran, order " << order;
            ASSERT_EQ(A::release(spec), orvStsOk);
            EXPECT_EQ(A::fwd[kCcs](x.data(), out.data(), spec, nullptr), orvStsErrContextMatch);
            EXPECT_EQ(A::release(spec), orvStsErrContextMatch);
        }
    }
}

TYPED_TEST(RealFft, ArgumentChecksInOrder)
{
    using T = TypeParam;
    using A = Api<T>;
    int s, i, w;
    EXPECT_EQ(A::getSize(-1, 99, orvHintNone, nullptr, &i, &w), orvStsErrFftOrder);
    EXPECT_EQ(A::getSize(31, 2, orvHintNone, &s, &i, &w), orvStsErrFftOrder);
    EXPECT_EQ(A::getSize(5, 99, orvHintNone, &s, nullptr, &w), orvStsErrNullPtr);
    EXPECT_EQ(A::getSize(A::maxOrder + 1, 99, orvHintNone, &s, &i, &w), orvStsErrFftFlag);
    EXPECT_EQ(A::getSize(A::maxOrder + 1, 2, orvHintNone, &s, &i, &w), orvStsErrFftOrder);
    EXPECT_EQ(A::getSize(5, 3, orvHintNone, &s, &i, &w), orvStsErrFftFlag);

    typename A::Spec* spec = nullptr;
    EXPECT_EQ(A::initAlloc(&spec, 4, 0, orvHintNone), orvStsErrFftFlag);
    EXPECT_EQ(A::initAlloc(nullptr, 4, 2, orvHintNone), orvStsErrNullPtr);
    EXPECT_EQ(A::initAlloc(&spec, A::maxOrder + 1, 2, orvHintNone), orvStsErrFftOrder);
    std::vector<Orv8u> mem(4096);
    EXPECT_EQ(A::init(&spec, 3, 2, orvHintNone, nullptr, nullptr), orvStsErrNullPtr);
    EXPECT_EQ(A::init(&spec, 11, 2, orvHintNone, mem.data(), nullptr), orvStsErrNullPtr);
    EXPECT_EQ(A::init(&spec, 8, 16, orvHintNone, mem.data(), nullptr), orvStsErrFftFlag);
    ASSERT_EQ(A::init(&spec, 3, 2, orvHintNone, mem.data(), nullptr), orvStsOk);

    std::vector<T> x(8), y(10);
    EXPECT_EQ(A::fwd[kPerm](nullptr, nullptr, nullptr, nullptr), orvStsErrNullPtr);
    EXPECT_EQ(A::fwd[kPerm](x.data(), nullptr, spec, nullptr), orvStsErrNullPtr);
    EXPECT_EQ(A::inv[kCcs](nullptr, y.data(), spec, nullptr), orvStsErrNullPtr);
    EXPECT_EQ(A::bufSize(spec, nullptr), orvStsErrNullPtr);
    EXPECT_EQ(A::bufSize(nullptr, &w), orvStsErrNullPtr);
    EXPECT_EQ(A::release(nullptr), orvStsErrNullPtr);

    // A complex record, or a record of the other precision, is refused.
    typename A::CSpec* cspec = nullptr;
    ASSERT_EQ(A::cInitAlloc(&cspec, 3, 2, orvHintNone), orvStsOk);
    const auto* foreign = reinterpret_cast<const typename A::Spec*>(cspec);
    EXPECT_EQ(A::fwd[kPerm](nullptr, y.data(), foreign, nullptr), orvStsErrContextMatch);
    EXPECT_EQ(A::bufSize(foreign, &w), orvStsErrContextMatch);
    A::cFree(cspec);
    ASSERT_EQ(A::release(spec), orvStsOk);
    EXPECT_EQ(A::fwd[kPerm](x.data(), y.data(), spec, nullptr), orvStsErrContextMatch);
}

TYPED_TEST(RealFft, OneRecordServesConcurrentCalls)
{
    using T = TypeParam;
    using A = Api<T>;
    constexpr int order = 13;
    constexpr int n = 1 << order;
    Record<T> rec(order, ORV_FFT_NORM_SQRT_N);
    int w = 0;
    ASSERT_EQ(A::bufSize(rec.get(), &w), orvStsOk);
    for (int threads : {1, 2, 4}) {
        std::vector<std::vector<T>> inputs, outputs(threads, std::vector<T>(n + 2)), expect;
        for (int t = 0; t < threads; ++t) {
            inputs.push_back(randomSignal<T>(n, 1000 + t));
            expect.emplace_back(n + 2);
            ASSERT_EQ(A::fwd[kCcs](inputs[t].data(), expect[t].data(), rec.get(), nullptr), orvStsOk);
        }
        std::vector<std::thread> pool;
        for (int t = 0; t < threads; ++t)
            pool.emplace_back([&, t] {
                std::vector<Orv8u> buf(w);
                for (int rep = 0; rep < 20; ++rep)
                    A::fwd[kCcs](inputs[t].data(), outputs[t].data(), rec.get(), t % 2 ? buf.data() : nullptr);
            });
        for (auto& th : pool) th.join();
        for (int t = 0; t < threads; ++t) EXPECT_EQ(outputs[t], expect[t]) << threads << " threads";
    }
}

}  // namespace
