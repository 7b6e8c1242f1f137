// Complex FFT in single and double precision, interleaved and split: record
// sizes at every order, accuracy against the long-double reference, in-place,
// unaligned and buffer-less calls giving the same bits, aliased split arrays,
// concurrent use of one record, and the narrower kernel variants.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "../transform_test_util.h"

using namespace transform_test;

namespace {

// ---- sizes ------------------------------------------------------------------------

long long a32(long long x) { return (x + 31) / 32 * 32; }

// The sizes of a floating-point record, written out independently.
void expectedFloat(int order, bool dbl, long long& spec, long long& init, long long& work)
{
    if (order <= 5) { spec = 168; init = 0; work = 0; return; }
    long long n = 1ll << order, q = n / 4, e = dbl ? 16 : 8, qe = dbl ? 8 : 4;
    if (order <= (dbl ? 16 : 17)) {
        spec = a32(e * n + e) + a32(4 * q + 4) + 192;
        init = order >= 11 ? a32(qe * q + qe) + 32 : 0;
        work = a32(e * n) + 32;
        return;
    }
    // Blocked orders: block and buffer orders per level.
    auto bw = [dbl](int o, int& b, int& w) {
        if (!dbl) { if (o <= 19) b = 4, w = 10; else if (o <= 22) b = 6, w = 13; else b = 8, w = 14; }
        else { if (o <= 18) b = 6, w = 10; else if (o <= 21) b = 6, w = 12; else b = 8, w = 13; }
    };
    std::function<void(int, long long&, long long&)> large = [&](int o, long long& r, long long& wk) {
        int b, w;
        bw(o, b, w);
        int m = o - b;
        if (m < (dbl ? 17 : 18)) { r = a32(e * (1ll << m) + e); wk = a32(e * (1ll << m)); }
        else large(m, r, wk);
        r += e * (1ll << o);
        wk = std::max(wk, e * (1ll << w));
    };
    long long r, wk;
    large(order, r, wk);
    if (order >= (dbl ? 18 : 19)) wk = std::max(wk, dbl ? 32768ll : 65536ll);
    spec = r + a32(4 * q + 4) + 192;
    init = a32(qe * q + qe) + 32;
    work = wk + 32;
}

} // namespace

TEST(FftSizes, FloatRecordsAtEveryOrder)
{
    for (int order = 0; order <= 27; ++order)
        for (int dbl = 0; dbl < 2 && !(dbl && order > 26); ++dbl) {
            long long es, ei, ew;
            expectedFloat(order, dbl, es, ei, ew);
            int s, i, w, s2, i2, w2;
            ASSERT_EQ(dbl ? orvsFFTGetSize_C_64fc(order, 2, orvHintNone, &s, &i, &w)
                          : orvsFFTGetSize_C_32fc(order, 2, orvHintNone, &s, &i, &w), orvStsOk);
            EXPECT_EQ(s, es) << order << " " << dbl;
            EXPECT_EQ(i, ei) << order << " " << dbl;
            EXPECT_EQ(w, ew) << order << " " << dbl;
            ASSERT_EQ(dbl ? orvsFFTGetSize_C_64f(order, 8, orvHintFast, &s2, &i2, &w2)
                          : orvsFFTGetSize_C_32f(order, 8, orvHintFast, &s2, &i2, &w2), orvStsOk);
            EXPECT_TRUE(s2 == s && i2 == i && w2 == w) << order << " " << dbl;
        }
}

TEST(FftSizes, IntegerRecordsAtEveryOrder)
{
    for (int order = 0; order <= 26; ++order)
        for (int hint = 0; hint <= 2; ++hint) {
            long long fs, fi, fw, ds, di, dw, es, ei, ew;
            expectedFloat(order, false, fs, fi, fw);
            expectedFloat(order, true, ds, di, dw);
            const long long n = 1ll << order, q = n / 4;
            if (order == 0) { es = 104; ei = 0; ew = 0; }
            else if (order <= 3 && hint <= 1) { es = a32(8 * n) + a32(4 * q + 4) + 128; ei = a32(2 * q + 2) + 32; ew = 8 * n + 32; }
            else { es = fs + 128; ei = fi + 32; ew = fw + 8 * n + 32; }
            const auto h = static_cast<OrvHintAlgorithm>(hint);
            int s, i, w;
            ASSERT_EQ(orvsFFTGetSize_C_16sc(order, 4, h, &s, &i, &w), orvStsOk);
            EXPECT_TRUE(s == es && i == ei && w == ew) << "16sc order " << order << " hint " << hint;
            ASSERT_EQ(orvsFFTGetSize_C_16s(order, 4, h, &s, &i, &w), orvStsOk);
            EXPECT_TRUE(s == es && i == ei && w == ew) << "16s order " << order << " hint " << hint;
            ASSERT_EQ(orvsFFTGetSize_C_32sc(order, 1, h, &s, &i, &w), orvStsOk);
            EXPECT_TRUE(s == ds + 64 && i == (di ? di + 32 : 0) && w == dw + 16 * n + 32) << "32sc order " << order;
            ASSERT_EQ(orvsFFTGetSize_C_32s(order, 1, h, &s, &i, &w), orvStsOk);
            EXPECT_TRUE(s == ds + 64 && i == (di ? di + 32 : 0) && w == dw + 16 * n + 32) << "32s order " << order;
        }
}

// ---- front ends ------------------------------------------------------------------

namespace {

using C32 = ORVS_FFT_FRONT(false, 32fc, Orv32fc, , _I);
using C64 = ORVS_FFT_FRONT(false, 64fc, Orv64fc, , _I);
using S32 = ORVS_FFT_FRONT(true, 32f, Orv32fc, , _I);
using S64 = ORVS_FFT_FRONT(true, 64f, Orv64fc, , _I);

template <class T>
constexpr double tol() { return sizeof(typename T::Elem) == 8 ? 1e-6 : 1e-15; }

// A library-allocated record released at scope exit.
template <class T>
struct Rec {
    typename T::Spec* p = nullptr;
    OrvStatus status;
    Rec(int order, int flag) : status(T::alloc(&p, order, flag)) {}
    ~Rec() { if (p) T::free(p); }
};

template <class T>
std::vector<CLD> reference(const std::vector<typename T::Elem>& x, int flag, bool inv)
{
    auto ref = referenceFft(toCld(x), inv);
    for (auto& v : ref) v *= normFactor(flag, x.size(), inv);
    return ref;
}

} // namespace

TEST(FftReference, AgreesWithDirectDft)
{
    for (std::size_t n : {1u, 2u, 8u, 32u, 64u})
        for (bool inv : {false, true}) {
            std::vector<CLD> x(n);
            for (std::size_t i = 0; i < n; ++i) x[i] = CLD(sinl(i * 0.7L), cosl(i * 1.3L));
            const auto a = referenceFft(x, inv), b = directDft(x, inv);
            for (std::size_t i = 0; i < n; ++i) EXPECT_LT(std::abs(a[i] - b[i]), 1e-15L * n) << n << " " << i;
        }
}

template <class T>
class FftFloat : public ::testing::Test {};
using FloatKinds = ::testing::Types<C32, C64, S32, S64>;
TYPED_TEST_SUITE(FftFloat, FloatKinds);

// Every order up to one past the blocked-transform threshold against the
// reference, the flags in turn, out of place and in place; two tones (a
// known spectrum) at the two orders above. The inverse takes the spectrum
// back to the signal.
TYPED_TEST(FftFloat, MatchesReference)
{
    using T = TypeParam;
    using E = typename T::Elem;
    using P = typename T::Part;
    const int large = sizeof(E) == 8 ? 18 : 17;
    for (int order = 0; order <= large + 3; ++order) {
        if (quick() && order > 13 && order != large) continue;
        const int flag = 1 << (order % 4);
        const std::size_t n = std::size_t(1) << order, k1 = 12345 % n, k2 = n - 777 % n;
        Rec<T> r(order, flag);
        ASSERT_EQ(r.status, orvStsOk) << order;
        auto x = randomVector<E>(n, 100 + order, -1.0, 1.0);
        std::vector<CLD> spectrum(n);
        if (order <= large + 1) {
            spectrum = reference<T>(x, flag, false);
        } else {
            const TurnTable w(n);
            for (std::size_t i = 0; i < n; ++i) {
                const CLD v = w(i * k1, true) + 0.5L * w(i * k2, true);
                x[i] = {P(v.real()), P(v.imag())};
            }
            spectrum[k1] = LD(n) * normFactor(flag, n, false);
            spectrum[k2] = 0.5L * LD(n) * normFactor(flag, n, false);
        }
        std::vector<E> spec(n), y;
        for (std::size_t i = 0; i < n; ++i) spec[i] = {P(spectrum[i].real()), P(spectrum[i].imag())};
        auto signal = toCld(x);
        for (auto& v : signal) v *= flag == ORV_FFT_NORM_NONE ? LD(n) : 1.0L;
        for (int inv = 0; inv < 2; ++inv)
            for (int inPlace = 0; inPlace < 2; ++inPlace) {
                ASSERT_EQ(T::run(inv, inPlace, order % 3, inv ? spec : x, y, r.p, nullptr), orvStsOk);
                EXPECT_LT(relRms(inv ? signal : spectrum, y.data()), tol<T>() * std::max(1, order))
                    << order << " inv " << inv << " in place " << inPlace;
            }
    }
}

// In place, unaligned, with and without a (misaligned) work buffer: the
// same bits in every output.
TYPED_TEST(FftFloat, InPlaceUnalignedAndBufferlessAgree)
{
    using T = TypeParam;
    for (int order : {0, 1, 2, 3, 4, 5, 6, 7, 9, 12, 16, 17, 18}) {
        Rec<T> r(order, ORV_FFT_NORM_SQRT_N);
        int w = 0;
        ASSERT_EQ(r.status, orvStsOk);
        ASSERT_EQ(T::bufSize(r.p, &w), orvStsOk);
        const auto x = randomVector<typename T::Elem>(std::size_t(1) << order, 7 + order, -1.0, 1.0);
        for (int inv = 0; inv < 2; ++inv) {
            std::vector<typename T::Elem> first, y;
            ASSERT_EQ(T::run(inv, false, 0, x, first, r.p, nullptr), orvStsOk);
            for (int inPlace = 0; inPlace < 2; ++inPlace)
                for (std::size_t off : {0, 1, 3})
                    for (bool withBuffer : {false, true}) {
                        Guarded<Orv8u> buf(w, 5);
                        ASSERT_EQ(T::run(inv, inPlace, off, x, y, r.p, withBuffer ? buf.data() : nullptr), orvStsOk);
                        ASSERT_TRUE(sameBits(first.data(), y.data(), first.size()))
                            << "order " << order << " inv " << inv << " in place " << inPlace << " offset " << off;
                        EXPECT_TRUE(buf.guardsIntact());
                    }
        }
    }
}

// Split destinations that are the source arrays swapped (re written where im
// was read) give the bits of separate arrays.
template <class T>
void swappedMatchesSeparate()
{
    using R = typename T::Part;
    for (int order : {0, 2, 3, 4, 5, 6, 9, 18}) {
        const std::size_t n = std::size_t(1) << order;
        Rec<T> r(order, ORV_FFT_NORM_SQRT_N);
        const auto re = randomVector<R>(n, 500 + order, -1.0, 1.0), im = randomVector<R>(n, 600 + order, -1.0, 1.0);
        for (int inv = 0; inv < 2; ++inv) {
            std::vector<R> ore(n), oim(n), a = re, b = im;
            ASSERT_EQ((inv ? T::inv : T::fwd)(re.data(), im.data(), ore.data(), oim.data(), r.p, nullptr), orvStsOk);
            ASSERT_EQ((inv ? T::inv : T::fwd)(a.data(), b.data(), b.data(), a.data(), r.p, nullptr), orvStsOk);
            EXPECT_TRUE(sameBits(b.data(), ore.data(), n) && sameBits(a.data(), oim.data(), n)) << order << " " << inv;
        }
    }
}
TEST(FftSplit, SwappedArraysMatchSeparateArrays)
{
    swappedMatchesSeparate<S32>();
    swappedMatchesSeparate<S64>();
}

// The AVX and AVX2 kernels rerun the accuracy suites of both families.
#define ORVS_TRANSFORM_VARIANT_SUITES \
    "FftFloat*MatchesReference:FftFloat*InPlace*:FftSplit*:FftInt*:RealFft*"
TEST(FftVariants, AvxPathPassesAccuracySuites)
{
    ORVS_RERUN_UNDER_VARIANT("avx", ORVS_TRANSFORM_VARIANT_SUITES, "ORVS_TEST_QUICK=1");
}
TEST(FftVariants, Avx2PathPassesAccuracySuites)
{
    ORVS_RERUN_UNDER_VARIANT("avx2", ORVS_TRANSFORM_VARIANT_SUITES, "ORVS_TEST_QUICK=1");
}
