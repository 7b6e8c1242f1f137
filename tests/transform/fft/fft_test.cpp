// Complex FFT in single and double precision, interleaved and split: record
// sizes at every order, accuracy against the long-double reference, in-place,
// unaligned and buffer-less calls giving the same bits, aliased split arrays,
// and the narrower kernel variants.
#include <gtest/gtest.h>

#include <algorithm>

#include "../transform_test_util.h"

using namespace transform_test;

namespace {

// ---- sizes ------------------------------------------------------------------------

long long a32(long long x) { return (x + 31) / 32 * 32; }

// The sizes of a floating-point record, written out independently: a
// blocked order holds one level per block, down to an unblocked inner size.
void expectedFloat(int order, bool dbl, long long& spec, long long& init, long long& work)
{
    if (order <= 5) { spec = 168; init = 0; work = 0; return; }
    const long long n = 1ll << order, q = n / 4, e = dbl ? 16 : 8, qe = dbl ? 8 : 4, tables = a32(4 * q + 4) + 192;
    const int firstLarge = dbl ? 17 : 18;
    if (order < firstLarge) {
        spec = a32(e * n + e) + tables;
        init = order >= 11 ? a32(qe * q + qe) + 32 : 0;
        work = a32(e * n) + 32;
        return;
    }
    long long levels = 0, wk = order > firstLarge ? (dbl ? 32768 : 65536) : 0;
    int o = order;
    for (; o >= firstLarge; o -= dbl ? (o <= 21 ? 6 : 8) : (o <= 19 ? 4 : o <= 22 ? 6 : 8)) {
        levels += e << o;
        wk = std::max(wk, e << (dbl ? (o <= 18 ? 10 : o <= 21 ? 12 : 13) : (o <= 19 ? 10 : o <= 22 ? 13 : 14)));
    }
    spec = levels + a32(e * (1ll << o) + e) + tables;
    init = a32(qe * q + qe) + 32;
    work = std::max(wk, a32(e << o)) + 32;
}

} // namespace

// Every record type at every order and hint: the floating ones from the
// model above, the integer ones from it plus their conversion buffers.
TEST(FftSizes, EveryRecordAtEveryOrder)
{
    using GetSize = OrvStatus (*)(int, int, OrvHintAlgorithm, int*, int*, int*);
    for (int order = 0; order <= 27; ++order)
        for (int hint = 0; hint <= 2; ++hint) {
            long long f[3], d[3];
            expectedFloat(order, false, f[0], f[1], f[2]);
            expectedFloat(order, true, d[0], d[1], d[2]);
            const long long n = 1ll << order, q = n / 4;
            const bool fixed = order <= 3 && hint <= 1;  // the fixed-point 16-bit path
            const long long i16[3] = {order == 0 ? 104 : fixed ? a32(8 * n) + a32(4 * q + 4) + 128 : f[0] + 128,
                                      order == 0 ? 0 : fixed ? a32(2 * q + 2) + 32 : f[1] + 32,
                                      order == 0 ? 0 : fixed ? 8 * n + 32 : f[2] + 8 * n + 32};
            const long long i32[3] = {d[0] + 64, d[1] ? d[1] + 32 : 0, d[2] + 16 * n + 32};
            const struct { const char* name; GetSize get; int maxOrder; const long long* want; } rows[] = {
                {"32fc", orvsFFTGetSize_C_32fc, 27, f}, {"32f", orvsFFTGetSize_C_32f, 27, f},
                {"64fc", orvsFFTGetSize_C_64fc, 26, d}, {"64f", orvsFFTGetSize_C_64f, 26, d},
                {"16sc", orvsFFTGetSize_C_16sc, 26, i16}, {"16s", orvsFFTGetSize_C_16s, 26, i16},
                {"32sc", orvsFFTGetSize_C_32sc, 26, i32}, {"32s", orvsFFTGetSize_C_32s, 26, i32}};
            for (const auto& r : rows) {
                int s, i, w;
                if (order > r.maxOrder) continue;
                ASSERT_EQ(r.get(order, 1 << (order % 4), OrvHintAlgorithm(hint), &s, &i, &w), orvStsOk) << r.name;
                EXPECT_TRUE(s == r.want[0] && i == r.want[1] && w == r.want[2]) << r.name << " order " << order << " hint " << hint;
            }
        }
}

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
using FloatKinds = ::testing::Types<ORVS_FFT_FRONT(false, 32fc, Orv32fc, , _I), ORVS_FFT_FRONT(false, 64fc, Orv64fc, , _I),
                                    ORVS_FFT_FRONT(true, 32f, Orv32fc, , _I), ORVS_FFT_FRONT(true, 64f, Orv64fc, , _I)>;
TYPED_TEST_SUITE(FftFloat, FloatKinds);

// Every order up to one past the blocked-transform threshold against the
// reference, the flags in turn; two tones (a known spectrum) at the two
// orders above. The inverse takes the spectrum back to the signal. In place,
// unaligned, with and without a misaligned work buffer: the same bits.
TYPED_TEST(FftFloat, MatchesReferenceInPlaceUnalignedAndBuffered)
{
    using T = TypeParam;
    using E = typename T::Elem;
    using P = typename T::Part;
    const int large = sizeof(E) == 8 ? 18 : 17;
    for (int order = 0; order <= large + 3; ++order) {
        if (quick() && order > 13 && order != large) continue;
        const int flag = 1 << (order % 4);
        const std::size_t n = std::size_t(1) << order, k1 = 12345 % n, k2 = n - 777 % n;
        typename T::Rec r(order, flag);
        int w = 0;
        ASSERT_EQ(r.status, orvStsOk) << order;
        ASSERT_EQ(T::bufSize(r.p, &w), orvStsOk);
        auto x = randomVector<E>(n, 100 + order, -1.0, 1.0);
        std::vector<CLD> spectrum(n);
        if (order <= large + 1) {
            spectrum = referenceFft(toCld(x), false);
            for (auto& v : spectrum) v *= normFactor(flag, n, false);
        } else {
            const TurnTable tw(n);
            for (std::size_t i = 0; i < n; ++i) {
                const CLD v = tw(i * k1, true) + 0.5L * tw(i * k2, true);
                x[i] = {P(v.real()), P(v.imag())};
            }
            spectrum[k1] = LD(n) * normFactor(flag, n, false);
            spectrum[k2] = 0.5L * LD(n) * normFactor(flag, n, false);
        }
        std::vector<E> spec(n), first, y;
        for (std::size_t i = 0; i < n; ++i) spec[i] = {P(spectrum[i].real()), P(spectrum[i].imag())};
        auto signal = toCld(x);
        for (auto& v : signal) v *= flag == ORV_FFT_NORM_NONE ? LD(n) : 1.0L;
        for (int inv = 0; inv < 2; ++inv) {
            ASSERT_EQ(T::run(inv, false, 0, inv ? spec : x, first, r.p, nullptr), orvStsOk);
            EXPECT_LT(relRms(inv ? signal : spectrum, first.data()), (sizeof(E) == 8 ? 1e-6 : 1e-15) * std::max(1, order)) << order << " inv " << inv;
            for (int inPlace = 0; inPlace < 2; ++inPlace)
                for (std::size_t off : {0, 1, 3})
                    for (bool withBuffer : {false, true}) {
                        if (order > large + 1 && off + withBuffer != 1) continue;  // keeps the largest orders short
                        Guarded<Orv8u> buf(w, 5);
                        ASSERT_EQ(T::run(inv, inPlace, off, inv ? spec : x, y, r.p, withBuffer ? buf.data() : nullptr), orvStsOk);
                        ASSERT_TRUE(sameBits(first.data(), y.data(), n))
                            << "order " << order << " inv " << inv << " in place " << inPlace << " offset " << off;
                        EXPECT_TRUE(buf.guardsIntact());
                    }
            if constexpr (T::split) {  // destinations that are the sources swapped: re written where im was read
                std::vector<P> a(n), b(n);
                for (std::size_t i = 0; i < n; ++i) a[i] = (inv ? spec : x)[i].re, b[i] = (inv ? spec : x)[i].im;
                ASSERT_EQ((inv ? T::inv : T::fwd)(a.data(), b.data(), b.data(), a.data(), r.p, nullptr), orvStsOk);
                for (std::size_t i = 0; i < n; ++i) y[i] = {b[i], a[i]};
                EXPECT_TRUE(sameBits(y.data(), first.data(), n)) << "swapped, order " << order << " inv " << inv;
            }
        }
    }
}

// The AVX and AVX2 kernels rerun the accuracy suites of both families.
#define ORVS_TRANSFORM_VARIANT_SUITES "FftFloat*:FftInt*:RealFft*", "ORVS_TEST_QUICK=1"
TEST(FftVariants, AvxPathPassesAccuracySuites) { ORVS_RERUN_UNDER_VARIANT("avx", ORVS_TRANSFORM_VARIANT_SUITES); }
TEST(FftVariants, Avx2PathPassesAccuracySuites) { ORVS_RERUN_UNDER_VARIANT("avx2", ORVS_TRANSFORM_VARIANT_SUITES); }
