// Integer complex FFT flavours (16sc, 16s, 32sc, 32s): every output within
// one unit of the exactly computed, normalised, scaled and rounded value.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstdlib>
#include <vector>

#include "test_util.h"

using namespace orvs_test;
using cld = std::complex<long double>;

namespace {


// Exact DFT of integer data in long double (direct sum for small N, radix-2 above).
std::vector<cld> exactDft(const std::vector<cld>& x, bool inverse)
{
    const std::size_t n = x.size();
    const long double pi = 3.141592653589793238462643383279502884L;
    if (n <= 64) {
        std::vector<cld> y(n);
        for (std::size_t k = 0; k < n; ++k) {
            cld s = 0;
            for (std::size_t j = 0; j < n; ++j) {
                long double a = 2 * pi * (long double)((j * k) % n) / n * (inverse ? 1 : -1);
                s += x[j] * cld(std::cos(a), std::sin(a));
            }
            y[k] = s;
        }
        return y;
    }
    std::vector<cld> a = x;
    for (std::size_t i = 1, j = 0; i < n; ++i) {
        std::size_t bit = n >> 1;
        for (; j & bit; bit >>= 1) j ^= bit;
        j ^= bit;
        if (i < j) std::swap(a[i], a[j]);
    }
    for (std::size_t len = 2; len <= n; len <<= 1)
        for (std::size_t i = 0; i < n; i += len)
            for (std::size_t k = 0; k < len / 2; ++k) {
                long double ang = 2 * pi * k / len * (inverse ? 1 : -1);
                cld u = a[i + k], v = a[i + k + len / 2] * cld(std::cos(ang), std::sin(ang));
                a[i + k] = u + v;
                a[i + k + len / 2] = u - v;
            }
    return a;
}

long double norm(int flag, int order, bool inverse)
{
    const long double n = (long double)(1ull << order);
    if (flag == 1) return inverse ? 1 : 1 / n;
    if (flag == 2) return inverse ? 1 / n : 1;
    if (flag == 4) return 1 / std::sqrt(n);
    return 1;
}

template <class Int>
long double expectedValue(long double v, int sf)
{
    v = std::ldexp(v, -sf);
    long double r = std::nearbyint(v);
    const long double hi = sizeof(Int) == 2 ? 32767.0L : 2147483647.0L;
    const long double lo = sizeof(Int) == 2 ? -32768.0L : -2147483648.0L;
    return r > hi ? hi : r < lo ? lo : r;
}

// Uniform interface: data is kept interleaved, split flavours are split per call.
struct I16c {
    using Int = Orv16s;
    using Spec = OrvsFFTSpec_C_16sc;
    static OrvStatus alloc(Spec** s, int o, int f, int h) { return orvsFFTInitAlloc_C_16sc(s, o, f, (OrvHintAlgorithm)h); }
    static OrvStatus free(Spec* s) { return orvsFFTFree_C_16sc(s); }
    static OrvStatus run(bool inv, bool inPlace, std::vector<Int>& x, std::vector<Int>& y, Spec* s, int sf)
    {
        auto* src = reinterpret_cast<Orv16sc*>(x.data());
        auto* dst = reinterpret_cast<Orv16sc*>(y.data());
        if (inPlace) {
            OrvStatus st = inv ? orvsFFTInv_CToC_16sc_ISfs(src, s, sf, nullptr) : orvsFFTFwd_CToC_16sc_ISfs(src, s, sf, nullptr);
            y = x;
            return st;
        }
        return inv ? orvsFFTInv_CToC_16sc_Sfs(src, dst, s, sf, nullptr) : orvsFFTFwd_CToC_16sc_Sfs(src, dst, s, sf, nullptr);
    }
};
struct I16s {
    using Int = Orv16s;
    using Spec = OrvsFFTSpec_C_16s;
    static OrvStatus alloc(Spec** s, int o, int f, int h) { return orvsFFTInitAlloc_C_16s(s, o, f, (OrvHintAlgorithm)h); }
    static OrvStatus free(Spec* s) { return orvsFFTFree_C_16s(s); }
    static OrvStatus run(bool inv, bool inPlace, std::vector<Int>& x, std::vector<Int>& y, Spec* s, int sf)
    {
        const std::size_t n = x.size() / 2;
        // unaligned split arrays
        std::vector<Int> re(n + 1), im(n + 1), ore(n + 1), oim(n + 1);
        for (std::size_t i = 0; i < n; ++i) re[i + 1] = x[2 * i], im[i + 1] = x[2 * i + 1];
        OrvStatus st;
        if (inPlace) {
            st = inv ? orvsFFTInv_CToC_16s_ISfs(re.data() + 1, im.data() + 1, s, sf, nullptr)
                     : orvsFFTFwd_CToC_16s_ISfs(re.data() + 1, im.data() + 1, s, sf, nullptr);
            ore = re;
            oim = im;
        } else {
            st = inv ? orvsFFTInv_CToC_16s_Sfs(re.data() + 1, im.data() + 1, ore.data() + 1, oim.data() + 1, s, sf, nullptr)
                     : orvsFFTFwd_CToC_16s_Sfs(re.data() + 1, im.data() + 1, ore.data() + 1, oim.data() + 1, s, sf, nullptr);
        }
        for (std::size_t i = 0; i < n; ++i) y[2 * i] = ore[i + 1], y[2 * i + 1] = oim[i + 1];
        return st;
    }
};
struct I32c {
    using Int = Orv32s;
    using Spec = OrvsFFTSpec_C_32sc;
    static OrvStatus alloc(Spec** s, int o, int f, int h) { return orvsFFTInitAlloc_C_32sc(s, o, f, (OrvHintAlgorithm)h); }
    static OrvStatus free(Spec* s) { return orvsFFTFree_C_32sc(s); }
    static OrvStatus run(bool inv, bool inPlace, std::vector<Int>& x, std::vector<Int>& y, Spec* s, int sf)
    {
        const int bs = [&] { int b = 0; orvsFFTGetBufSize_C_32sc(s, &b); return b; }();
        std::vector<Orv8u> buf(bs + 5);
        auto* src = reinterpret_cast<Orv32sc*>(x.data());
        auto* dst = reinterpret_cast<Orv32sc*>(y.data());
        if (inPlace) {
            OrvStatus st = inv ? orvsFFTInv_CToC_32sc_ISfs(src, s, sf, buf.data() + 5) : orvsFFTFwd_CToC_32sc_ISfs(src, s, sf, buf.data() + 5);
            y = x;
            return st;
        }
        return inv ? orvsFFTInv_CToC_32sc_Sfs(src, dst, s, sf, buf.data() + 5) : orvsFFTFwd_CToC_32sc_Sfs(src, dst, s, sf, buf.data() + 5);
    }
};
struct I32s {
    using Int = Orv32s;
    using Spec = OrvsFFTSpec_C_32s;
    static OrvStatus alloc(Spec** s, int o, int f, int h) { return orvsFFTInitAlloc_C_32s(s, o, f, (OrvHintAlgorithm)h); }
    static OrvStatus free(Spec* s) { return orvsFFTFree_C_32s(s); }
    static OrvStatus run(bool inv, bool inPlace, std::vector<Int>& x, std::vector<Int>& y, Spec* s, int sf)
    {
        const std::size_t n = x.size() / 2;
        std::vector<Int> re(n), im(n), ore(n), oim(n);
        for (std::size_t i = 0; i < n; ++i) re[i] = x[2 * i], im[i] = x[2 * i + 1];
        OrvStatus st;
        if (inPlace) {
            st = inv ? orvsFFTInv_CToC_32s_ISfs(re.data(), im.data(), s, sf, nullptr)
                     : orvsFFTFwd_CToC_32s_ISfs(re.data(), im.data(), s, sf, nullptr);
            ore = re;
            oim = im;
        } else {
            st = inv ? orvsFFTInv_CToC_32s_Sfs(re.data(), im.data(), ore.data(), oim.data(), s, sf, nullptr)
                     : orvsFFTFwd_CToC_32s_Sfs(re.data(), im.data(), ore.data(), oim.data(), s, sf, nullptr);
        }
        for (std::size_t i = 0; i < n; ++i) y[2 * i] = ore[i], y[2 * i + 1] = oim[i];
        return st;
    }
};

template <class T>
class FftInt : public ::testing::Test {};
using IntKinds = ::testing::Types<I16c, I16s, I32c, I32s>;
TYPED_TEST_SUITE(FftInt, IntKinds);

TYPED_TEST(FftInt, WithinOneUnitOfScaledExactResult)
{
    using T = TypeParam;
    using Int = typename T::Int;
    const int maxOrder = quick() ? 9 : 12;
    int worst = 0;
    for (int order = 0; order <= maxOrder; ++order)
        for (int hint = 0; hint <= 2; hint += (order <= 3 ? 1 : 2))
            for (int flag : {1, 2, 4, 8}) {
                typename T::Spec* rec = nullptr;
                ASSERT_EQ(T::alloc(&rec, order, flag, hint), orvStsOk);
                const std::size_t n = std::size_t(1) << order;
                // Full-range 16-bit data; 32-bit data kept where the sums stay exact in double.
                auto raw = randomVector<Int>(2 * n, 900 + order * 7 + flag);
                if (sizeof(Int) == 4)
                    for (auto& v : raw) v >>= 4;
                std::vector<cld> xl(n);
                for (std::size_t i = 0; i < n; ++i) xl[i] = cld(raw[2 * i], raw[2 * i + 1]);
                for (int inv = 0; inv < 2; ++inv) {
                    auto ref = exactDft(xl, inv);
                    const long double f = norm(flag, order, inv);
                    for (int sf : {-1, 0, 1, order / 2 + 2}) {
                        for (int inPlace = 0; inPlace < 2; ++inPlace) {
                            auto x = raw;
                            std::vector<Int> y(2 * n);
                            ASSERT_EQ(T::run(inv, inPlace, x, y, rec, sf), orvStsOk);
                            for (std::size_t k = 0; k < n; ++k) {
                                const long double er = expectedValue<Int>(ref[k].real() * f, sf);
                                const long double ei = expectedValue<Int>(ref[k].imag() * f, sf);
                                const long double d = std::max(std::fabs(er - y[2 * k]), std::fabs(ei - y[2 * k + 1]));
                                worst = std::max(worst, int(d));
                                ASSERT_LE(d, 1) << "order " << order << " hint " << hint << " flag " << flag << " inv "
                                                << inv << " sf " << sf << " k " << k;
                            }
                        }
                    }
                }
                ASSERT_EQ(T::free(rec), orvStsOk);
            }
    EXPECT_LE(worst, 1);
}

// Order 0 scales the single element, rounding halves upward, and saturates.
TEST(FftIntEdges, OrderZeroScales)
{
    OrvsFFTSpec_C_16sc* rec = nullptr;
    ASSERT_EQ(orvsFFTInitAlloc_C_16sc(&rec, 0, 8, orvHintNone), orvStsOk);
    Orv16sc x{5, -3}, y{0, 0};
    ASSERT_EQ(orvsFFTFwd_CToC_16sc_Sfs(&x, &y, rec, 1, nullptr), orvStsOk);
    EXPECT_EQ(y.re, 3);
    EXPECT_EQ(y.im, -1);
    x = {20000, -20000};
    ASSERT_EQ(orvsFFTInv_CToC_16sc_Sfs(&x, &y, rec, -1, nullptr), orvStsOk);
    EXPECT_EQ(y.re, 32767);
    EXPECT_EQ(y.im, -32768);
    ASSERT_EQ(orvsFFTFwd_CToC_16sc_ISfs(&x, rec, 0, nullptr), orvStsOk);
    EXPECT_EQ(x.re, 20000);
    orvsFFTFree_C_16sc(rec);
}

// Both the fixed-point path (hint 1) and the floating path (hint 2) saturate.
TEST(FftIntEdges, SaturationOnBothPaths)
{
    for (int hint : {1, 2}) {
        OrvsFFTSpec_C_16sc* rec = nullptr;
        ASSERT_EQ(orvsFFTInitAlloc_C_16sc(&rec, 2, 8, (OrvHintAlgorithm)hint), orvStsOk);
        std::vector<Orv16sc> x(4, Orv16sc{32767, -32768}), y(4);
        ASSERT_EQ(orvsFFTFwd_CToC_16sc_Sfs(x.data(), y.data(), rec, 0, nullptr), orvStsOk);
        EXPECT_EQ(y[0].re, 32767) << hint;
        EXPECT_EQ(y[0].im, -32768) << hint;
        for (int k = 1; k < 4; ++k) EXPECT_EQ(y[k].re, 0) << hint;
        // scale factor 2 brings 4 * 32767 back into range: 32767 (rounded)
        ASSERT_EQ(orvsFFTFwd_CToC_16sc_Sfs(x.data(), y.data(), rec, 2, nullptr), orvStsOk);
        EXPECT_EQ(y[0].re, 32767) << hint;
        EXPECT_EQ(y[0].im, -32768) << hint;
        orvsFFTFree_C_16sc(rec);
    }
}

TEST(FftIntEdges, CallerMemoryAndBuffers)
{
    // 32sc through caller memory with unaligned blocks and an unaligned buffer.
    for (int order : {0, 5, 6, 11}) {
        int s, i, w;
        ASSERT_EQ(orvsFFTGetSize_C_32sc(order, 2, orvHintNone, &s, &i, &w), orvStsOk);
        std::vector<Orv8u> spec(s + 1), init(i + 1), work(w + 1);
        OrvsFFTSpec_C_32sc* rec = nullptr;
        ASSERT_EQ(orvsFFTInit_C_32sc(&rec, order, 2, orvHintNone, spec.data() + 1, i ? init.data() + 1 : nullptr), orvStsOk);
        const std::size_t n = std::size_t(1) << order;
        std::vector<Orv32sc> x(n), y(n), z(n);
        for (std::size_t k = 0; k < n; ++k) x[k] = {Orv32s(k * 1000 % 77777) - 30000, Orv32s(k * 7) - 5000};
        ASSERT_EQ(orvsFFTFwd_CToC_32sc_Sfs(x.data(), y.data(), rec, 0, work.data() + 1), orvStsOk);
        ASSERT_EQ(orvsFFTInv_CToC_32sc_Sfs(y.data(), z.data(), rec, 0, work.data() + 1), orvStsOk);
        for (std::size_t k = 0; k < n; ++k) {
            EXPECT_NEAR(z[k].re, x[k].re, 1) << order;
            EXPECT_NEAR(z[k].im, x[k].im, 1) << order;
        }
        EXPECT_EQ(orvsFFTFree_C_32sc(rec), orvStsOk);
        EXPECT_EQ(orvsFFTFree_C_32sc(rec), orvStsErrContextMatch);
    }
}

} // namespace
