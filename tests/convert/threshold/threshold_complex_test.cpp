// Complex clamps by magnitude and the reciprocals against long-double models
// (exact for 16sc), including magnitudes whose squares leave the element's
// range; the zero warnings of the reciprocals on one and on two threads, and
// the caller's floating-point control word around them.
#include <gtest/gtest.h>

#include <xmmintrin.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <limits>

#include "test_util.h"

using namespace orvs_test;

namespace {

using LD = long double;
using std::isinf;
enum Kind { LT, GT, LTVal, GTVal };

template <class C> using Re = decltype(C{}.re);
template <class T> std::complex<LD> wide(T x) { if constexpr (std::is_floating_point_v<T>) return {LD(x), 0}; else return {LD(x.re), LD(x.im)}; }

// The element clamped by magnitude: scaled to magnitude L (infinite parts
// point the way), or replaced by v; a zero raised to L becomes (L, 0).
template <class C>
std::complex<LD> clampModel(C z, LD L, Kind k, C v)
{
    const bool inf = isinf(LD(z.re)) || isinf(LD(z.im));
    const LD m = inf ? INFINITY : LD(z.re) * z.re + LD(z.im) * z.im;
    if (!((k == GT || k == GTVal) ? m > L * L : m < L * L)) return {LD(z.re), LD(z.im)};
    if (k >= LTVal) return {LD(v.re), LD(v.im)};
    if (m == 0) return {L, 0};
    const double f = double(L) / std::sqrt(double(m));  // 16sc: products truncated, the factor in double
    if constexpr (std::is_integral_v<Re<C>>) return {std::trunc(z.re * f), std::trunc(z.im * f)};
    const auto u = inf ? std::complex<LD>(isinf(LD(z.re)) ? std::copysign(1.0L, z.re) : 0, isinf(LD(z.im)) ? std::copysign(1.0L, z.im) : 0) : wide(z);
    return u / std::abs(u) * L;
}

// 1 / (the element with its magnitude raised to L), keeping the phase of 1/z
// (real results rounded to their type first, so an overflow is infinite).
template <class T> requires std::is_arithmetic_v<T>
std::complex<LD> invModel(T x, LD L) { return LD(T(1 / LD(std::fabs(x) < L ? std::copysign(T(L), x) : x))); }
template <class C>
std::complex<LD> invModel(C z, LD L)
{
    if (isinf(LD(z.re)) || isinf(LD(z.im))) return {std::copysign(0.0L, z.re), std::copysign(0.0L, -LD(z.im))};
    const LD m = LD(z.re) * z.re + LD(z.im) * z.im;
    if (m == 0) return {L > 0 ? 1 / L : INFINITY, 0};
    const std::complex<LD> c(z.re, -LD(z.im));
    return m >= L * L ? c / m : c / (std::sqrt(m) * L);
}

// Results within a few units of the element's last place (relative to the
// larger of the wanted magnitude and `scale`), infinities and NaNs alike.
template <class T>
::testing::AssertionResult near(T got, std::complex<LD> want, LD scale)
{
    using B = decltype([] { if constexpr (std::is_arithmetic_v<T>) return T{}; else return T{}.re; }());
    const LD eps = std::is_integral_v<B> ? 0 : LD(std::numeric_limits<B>::epsilon());
    const LD tol = 8 * eps * std::fmax(std::abs(want), scale);
    for (auto [g, w] : {std::pair{wide(got).real(), want.real()}, std::pair{wide(got).imag(), want.imag()}})
        if (!(isinf(w) ? g == w : std::isnan(w) ? std::isnan(g) : std::fabs(g - w) <= tol))
            return ::testing::AssertionFailure() << wide(got) << " want " << std::complex<double>(want);
    return ::testing::AssertionSuccess();
}

// Random elements plus zeros, both-signed infinities and parts whose squares
// overflow or underflow the element's type.
template <class C>
std::vector<C> cinputs(int n, std::uint32_t seed)
{
    using S = Re<C>;
    auto v = randomVector<C>(n, seed, -8, 8);
    std::vector<C> special = {{0, 0}, {3, 4}, {0, 1}};
    if constexpr (std::is_floating_point_v<S>) {
        const S big = std::sqrt(std::numeric_limits<S>::max()) * 4, tiny = std::sqrt(std::numeric_limits<S>::min()) / 4, inf = INFINITY;
        special.insert(special.end(), {{-0.0, 0}, {big, -big}, {tiny, tiny / 3}, {-tiny, 0}, {inf, 1}, {-inf, inf}, {big, 1}, {0, -tiny}});
    } else {
        special.insert(special.end(), {{-32768, -32768}, {32767, -32768}});
    }
    for (int i = 0; i < n; i += 4) v[i] = special[(i / 4 + seed) % special.size()];
    return v;
}

template <class C> using Clamp = OrvStatus (*)(const C*, C*, int, Re<C>, Kind, C, bool inPlace, C* io);
#define ORVS_CLAMPS(C, S)                                                                                        \
    [](const C* s, C* d, int n, Re<C> L, Kind k, C v, bool ip, C* io) -> OrvStatus {                              \
        switch (k) {                                                                                              \
        case LT: return ip ? orvsThreshold_LT_##S##_I(io, n, L) : orvsThreshold_##S(s, d, n, L, orvCmpLess);     \
        case GT: return ip ? orvsThreshold_##S##_I(io, n, L, orvCmpGreater) : orvsThreshold_GT_##S(s, d, n, L);  \
        case LTVal: return ip ? orvsThreshold_LTVal_##S##_I(io, n, L, v) : orvsThreshold_LTVal_##S(s, d, n, L, v); \
        default: return ip ? orvsThreshold_GTVal_##S##_I(io, n, L, v) : orvsThreshold_GTVal_##S(s, d, n, L, v);   \
        }                                                                                                         \
    }

template <class C>
void checkClamps(Clamp<C> run, std::initializer_list<Re<C>> levels)
{
    for (Re<C> L : levels)
        for (Kind k : {LT, GT, LTVal, GTVal})
            for (int n : oddLengths()) {
                const auto x = cinputs<C>(n, n + int(k));
                const C v{Re<C>(-1), Re<C>(2)};
                Guarded<C> src(n, 1), dst(n, n % 3);
                Unaligned<C> io(n);
                src.assign(x), io.assign(x);
                ASSERT_EQ(run(src.data(), dst.data(), n, L, k, v, false, nullptr), orvStsOk);
                ASSERT_EQ(run(nullptr, nullptr, n, L, k, v, true, io.data()), orvStsOk);
                ASSERT_TRUE(dst.guardsIntact());
                for (int i = 0; i < n; ++i) {
                    const auto want = clampModel(x[i], L, k, v);
                    ASSERT_TRUE(near(dst[i], want, L)) << "kind " << k << " level " << L << " n " << n << " at " << i << " (" << x[i].re << ", " << x[i].im << ")";
                    ASSERT_TRUE(sameBits(dst[i], io[i])) << "in place differs, kind " << k << " at " << i;
                }
            }
}

TEST(ThresholdComplex, ClampsByMagnitude32fc) { checkClamps<Orv32fc>(ORVS_CLAMPS(Orv32fc, 32fc), {0.0f, 1e-30f, 0.75f, 5.0f, 1e30f}); }
TEST(ThresholdComplex, ClampsByMagnitude64fc) { checkClamps<Orv64fc>(ORVS_CLAMPS(Orv64fc, 64fc), {0.0, 1e-200, 0.75, 5.0, 1e200}); }
TEST(ThresholdComplex, ClampsByMagnitude16sc) { checkClamps<Orv16sc>(ORVS_CLAMPS(Orv16sc, 16sc), {0, 1, 5, 1000, 32767}); }

// ---- reciprocals -------------------------------------------------------------

#define ORVS_INV(T, S) [](const T* s, T* d, int n, auto L, T* io) { return s ? orvsThreshold_LTInv_##S(s, d, n, L) : orvsThreshold_LTInv_##S##_I(io, n, L); }

template <class T, class R>
void checkReciprocals(OrvStatus (*run)(const T*, T*, int, R, T*), int parallelFrom)
{
    for (R L : {R(0), R(1e-3), R(0.5), R(30)})
        for (int n : {1, 7, 33, 1000, parallelFrom - 1, parallelFrom + 3}) {
            std::vector<T> x;
            if constexpr (std::is_floating_point_v<T>) {
                x = randomVector<T>(n, n, -4, 4);
                const T sp[] = {T(0), T(-0.0), INFINITY, -INFINITY, NAN, T(1e-40), std::numeric_limits<T>::max(), std::numeric_limits<T>::min(), T(-3e38)};
                for (int i = 0; i < n; i += 5) x[i] = sp[i / 5 % std::size(sp)];
            } else {
                x = cinputs<T>(n, n);
            }
            const bool hasZero = std::any_of(x.begin(), x.end(), [](T v) { return std::abs(wide(v)) == 0; });
            for (int threads : {1, 2, 4}) {
                ThreadCount tc(threads);
                Guarded<T> src(n, 1), dst(n, 1);
                Unaligned<T> io(n);
                src.assign(x), io.assign(x);
                const OrvStatus want = L == 0 && hasZero ? (threads > 1 && n >= parallelFrom ? orvStsWarnDivByZero : orvStsWarnInvZero) : orvStsOk;
                ASSERT_EQ(run(src.data(), dst.data(), n, L, nullptr), want) << "n " << n << " threads " << threads;
                ASSERT_EQ(run(nullptr, nullptr, n, L, io.data()), want);
                ASSERT_TRUE(dst.guardsIntact());
                for (int i = 0; i < n; ++i) {
                    ASSERT_TRUE(near(dst[i], invModel(x[i], L), 0)) << "level " << L << " n " << n << " at " << i << " x " << wide(x[i]);
                    ASSERT_TRUE(sameBits(dst[i], io[i])) << "in place differs at " << i << " of " << n;
                }
            }
        }
}

TEST(ThresholdInverse, Real32f) { checkReciprocals<Orv32f, Orv32f>(ORVS_INV(Orv32f, 32f), 8192); }
TEST(ThresholdInverse, Real64f) { checkReciprocals<Orv64f, Orv64f>(ORVS_INV(Orv64f, 64f), 2048); }
TEST(ThresholdInverse, Complex32fc) { checkReciprocals<Orv32fc, Orv32f>(ORVS_INV(Orv32fc, 32fc), 2048); }
TEST(ThresholdInverse, Complex64fc) { checkReciprocals<Orv64fc, Orv64f>(ORVS_INV(Orv64fc, 64fc), 512); }

// A zero found only in the second thread's half still warns; the caller's
// control word (rounding, masks, flags) is the same afterwards, even with
// the divide-by-zero exception unmasked.
TEST(ThresholdInverse, WarningsAndControlWord)
{
    ThreadCount tc(2);
    std::vector<float> x(8192, 2.0f), d(8192);
    x[8000] = 0.0f;
    const unsigned csr = _mm_getcsr();
    for (unsigned word : {0x1F80u, 0x7F80u | 0x4u, (0x1F80u & ~0x200u) | 0x20u}) {
        _mm_setcsr(word);
        const OrvStatus st[3] = {orvsThreshold_LTInv_32f(x.data(), d.data(), 8000, 0.0f), orvsThreshold_LTInv_32f(x.data(), d.data(), 8192, 0.0f),
                                 orvsThreshold_LTInv_32f(x.data() + 1, d.data(), 8191, 0.0f)};
        const unsigned after = _mm_getcsr();
        _mm_setcsr(csr);
        EXPECT_TRUE(st[0] == orvStsOk && st[1] == orvStsWarnDivByZero && st[2] == orvStsWarnInvZero) << st[0] << " " << st[1] << " " << st[2];
        EXPECT_EQ(after, word);
        EXPECT_TRUE(isinf(d[7999]) && d[7999] > 0);
    }
}

TEST(ThresholdComplexVariants, Avx) { ORVS_RERUN_UNDER_VARIANT("avx", "ThresholdComplex.*:ThresholdInverse.*"); }
TEST(ThresholdComplexVariants, Avx2) { ORVS_RERUN_UNDER_VARIANT("avx2", "ThresholdComplex.*:ThresholdInverse.*"); }

} // namespace
