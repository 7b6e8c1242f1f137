// Floating-point members against products and sums formed here one rounding
// at a time, their shortcuts (signed zeros, NaN), the mixed-type
// members and the single-precision to 16-bit conversions.
#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <cstring>
#include <limits>
#include <xmmintrin.h>

#include "test_util.h"

namespace {

using orvs_test::Unaligned;

template <class T> Orv32fc cx32(float re, float im) { return Orv32fc{re, im}; }

template <class T> T add(T a, T b) { if constexpr (requires { a.re; }) return T{a.re + b.re, a.im + b.im}; else return a + b; }
template <class T> T sub(T a, T b) { if constexpr (requires { a.re; }) return T{a.re - b.re, a.im - b.im}; else return a - b; }
template <class T> T mul(T a, T b)
{
    if constexpr (requires { a.re; }) {
        auto rr = a.re * b.re, ii = a.im * b.im, ri = a.re * b.im, ir = a.im * b.re;
        return T{rr - ii, ri + ir};
    } else {
        return a * b;
    }
}

template <class T>
void expectSame(const T* got, const std::vector<T>& want, int n, const char* name)
{
    ASSERT_EQ(0, std::memcmp(got, want.data(), n * sizeof(T))) << name << " len " << n;
}

// Every length around the unrolled bodies and the remainders, and longer ones.
std::vector<int> lengths()
{
    std::vector<int> v = {127, 257, 1023, 4097};
    for (int n = 1; n <= 80; ++n) v.push_back(n);
    return v;
}

// f(a, b, d, n), fi(a, bd, n), ref(a, b, old); nothing written past the end.
template <class T, class F, class FI, class R>
void checkVV(const char* name, F f, FI fi, R ref)
{
    for (int n : lengths()) {
        const auto a = orvs_test::randomVector<T>(n, n), b = orvs_test::randomVector<T>(n, n + 1);
        const auto old = orvs_test::randomVector<T>(n, n + 2);
        std::vector<T> want(n);
        for (int i = 0; i < n; ++i) want[i] = ref(a[i], b[i], old[i]);
        Unaligned<T> ua(n), ub(n);
        orvs_test::Guarded<T> ud(n, n % 3);
        ua.assign(a);
        ub.assign(b);
        ud.assign(old);
        ASSERT_EQ(f(ua.data(), ub.data(), ud.data(), n), orvStsOk);
        expectSame(ud.data(), want, n, name);
        ASSERT_TRUE(ud.guardsIntact()) << name << " len " << n;
        if constexpr (!std::is_same_v<FI, std::nullptr_t>) {
            ub.assign(b);
            ASSERT_EQ(fi(ua.data(), ub.data(), n), orvStsOk);
            expectSame(ub.data(), want, n, name);
        }
    }
}

template <class T, class F, class FI, class R>
void checkVC(const char* name, F f, FI fi, R ref)
{
    for (int n : lengths()) {
        const auto a = orvs_test::randomVector<T>(n, 3 * n);
        const T val = orvs_test::randomVector<T>(1, n)[0];
        std::vector<T> want(n);
        for (int i = 0; i < n; ++i) want[i] = ref(a[i], val);
        Unaligned<T> ua(n);
        orvs_test::Guarded<T> ud(n, n % 3);
        ua.assign(a);
        ASSERT_EQ(f(ua.data(), val, ud.data(), n), orvStsOk);
        expectSame(ud.data(), want, n, name);
        ASSERT_TRUE(ud.guardsIntact()) << name << " len " << n;
        ASSERT_EQ(fi(val, ua.data(), n), orvStsOk);
        expectSame(ua.data(), want, n, name);
    }
}

#define FLOAT_MEMBERS(code, T)                                                                                  \
    checkVV<T>("Add_" #code, orvsAdd_##code, orvsAdd_##code##_I, [](T a, T b, T) { return add(a, b); });       \
    checkVV<T>("Sub_" #code, orvsSub_##code, orvsSub_##code##_I, [](T a, T b, T) { return sub(b, a); });       \
    checkVV<T>("Mul_" #code, orvsMul_##code, orvsMul_##code##_I, [](T a, T b, T) { return mul(a, b); });       \
    checkVV<T>("AddProduct_" #code, orvsAddProduct_##code, nullptr, [](T a, T b, T o) { return add(o, mul(a, b)); }); \
    checkVC<T>("AddC_" #code, orvsAddC_##code, orvsAddC_##code##_I, [](T a, T v) { return add(a, v); });      \
    checkVC<T>("SubC_" #code, orvsSubC_##code, orvsSubC_##code##_I, [](T a, T v) { return sub(a, v); });      \
    checkVC<T>("SubCRev_" #code, orvsSubCRev_##code, orvsSubCRev_##code##_I, [](T a, T v) { return sub(v, a); }); \
    checkVC<T>("MulC_" #code, orvsMulC_##code, orvsMulC_##code##_I, [](T a, T v) { return mul(a, v); })

TEST(FloatMembers, Real) { FLOAT_MEMBERS(32f, Orv32f); FLOAT_MEMBERS(64f, Orv64f); }
TEST(FloatMembers, Complex) { FLOAT_MEMBERS(32fc, Orv32fc); FLOAT_MEMBERS(64fc, Orv64fc); }

TEST(FloatMembers, MixedTypes)
{
    for (int n : orvs_test::oddLengths()) {
        const auto x = orvs_test::randomVector<Orv32f>(n, n), acc = orvs_test::randomVector<Orv32f>(n, n + 9);
        const auto z = orvs_test::randomVector<Orv32fc>(n, n + 1);
        const auto p = orvs_test::randomVector<Orv16s>(n, n + 2), q = orvs_test::randomVector<Orv16s>(n, n + 3);
        Unaligned<Orv32f> ux(n), uf(n);
        Unaligned<Orv32fc> uz(n), uc(n);
        Unaligned<Orv16s> up(n), uq(n);
        ux.assign(x);
        uz.assign(z);
        up.assign(p);
        uq.assign(q);

        std::vector<Orv32fc> wantC(n);
        for (int i = 0; i < n; ++i) wantC[i] = Orv32fc{x[i] * z[i].re, x[i] * z[i].im};
        ASSERT_EQ(orvsMul_32f32fc(ux.data(), uz.data(), uc.data(), n), orvStsOk);
        expectSame(uc.data(), wantC, n, "Mul_32f32fc");
        ASSERT_EQ(orvsMul_32f32fc_I(ux.data(), uz.data(), n), orvStsOk);
        expectSame(uz.data(), wantC, n, "Mul_32f32fc_I");

        const float val = 0.3f;
        std::vector<Orv32f> want(n);
        for (int i = 0; i < n; ++i) want[i] = acc[i] + x[i] * val;
        uf.assign(acc);
        ASSERT_EQ(orvsAddProductC_32f(ux.data(), val, uf.data(), n), orvStsOk);
        expectSame(uf.data(), want, n, "AddProductC_32f");

        struct { OrvStatus (*fn)(const Orv16s*, const Orv16s*, Orv32f*, int); int op; } cases[] = {
            {orvsAdd_16s32f, 0}, {orvsSub_16s32f, 1}, {orvsMul_16s32f, 2}};
        for (auto c : cases) {
            for (int i = 0; i < n; ++i) {
                const int r = c.op == 0 ? p[i] + q[i] : (c.op == 1 ? q[i] - p[i] : p[i] * q[i]);
                want[i] = static_cast<float>(r);
            }
            ASSERT_EQ(c.fn(up.data(), uq.data(), uf.data(), n), orvStsOk);
            expectSame(uf.data(), want, n, "16s32f");
        }
    }
}

TEST(FloatMembers, Abs)
{
    const float f[] = {-0.0f, 0.0f, -1.5f, 2.0f, -std::numeric_limits<float>::infinity(), -std::nanf("")};
    for (int n : orvs_test::oddLengths()) {
        std::vector<Orv32f> a(n);
        std::vector<Orv64f> b(n);
        for (int i = 0; i < n; ++i) a[i] = f[i % 6] * (1 + i), b[i] = -a[i];
        std::vector<Orv32f> wa(n);
        std::vector<Orv64f> wb(n);
        for (int i = 0; i < n; ++i) {
            std::uint32_t u;
            std::memcpy(&u, &a[i], 4);
            u &= 0x7FFFFFFFu;
            std::memcpy(&wa[i], &u, 4);
            std::uint64_t v;
            std::memcpy(&v, &b[i], 8);
            v &= ~(std::uint64_t(1) << 63);
            std::memcpy(&wb[i], &v, 8);
        }
        Unaligned<Orv32f> ua(n), ud(n);
        ua.assign(a);
        ASSERT_EQ(orvsAbs_32f(ua.data(), ud.data(), n), orvStsOk);
        expectSame(ud.data(), wa, n, "Abs_32f");
        ASSERT_EQ(orvsAbs_32f_I(ua.data(), n), orvStsOk);
        expectSame(ua.data(), wa, n, "Abs_32f_I");
        Unaligned<Orv64f> ub(n), ue(n);
        ub.assign(b);
        ASSERT_EQ(orvsAbs_64f(ub.data(), ue.data(), n), orvStsOk);
        expectSame(ue.data(), wb, n, "Abs_64f");
        ASSERT_EQ(orvsAbs_64f_I(ub.data(), n), orvStsOk);
        expectSame(ub.data(), wb, n, "Abs_64f_I");
    }
}

bool negZero(double x) { return x == 0 && std::signbit(x); }

TEST(FloatMembers, ConstantShortcuts)
{
    const double nan = std::nan("");
    const double inf = std::numeric_limits<double>::infinity();
    std::vector<Orv64f> x = {-0.0, nan, inf, 1.0, -3.0, 0.0, -0.0};
    const int n = static_cast<int>(x.size());
    std::vector<Orv64f> d(n);
    // MulC by zero writes +0 everywhere, NaN and infinity included.
    ASSERT_EQ(orvsMulC_64f(x.data(), -0.0, d.data(), n), orvStsOk);
    for (double v : d) EXPECT_TRUE(v == 0 && !std::signbit(v));
    // Adding or subtracting zero (either sign) and multiplying by one keep -0.
    for (auto fn : {orvsAddC_64f, orvsSubC_64f}) {
        ASSERT_EQ(fn(x.data(), -0.0, d.data(), n), orvStsOk);
        EXPECT_TRUE(negZero(d[0]) && negZero(d[6]) && std::isnan(d[1]));
    }
    ASSERT_EQ(orvsMulC_64f(x.data(), 1.0, d.data(), n), orvStsOk);
    EXPECT_EQ(0, std::memcmp(d.data(), x.data(), n * sizeof(double)));
    std::vector<Orv32f> y = {-0.0f, 1.0f, -0.0f};
    ASSERT_EQ(orvsAddC_32f_I(-0.0f, y.data(), 3), orvStsOk);
    EXPECT_TRUE(negZero(y[0]) && negZero(y[2]));
    // SubCRev by zero has no shortcut: 0 - (-0) is +0.
    ASSERT_EQ(orvsSubCRev_32f_I(0.0f, y.data(), 3), orvStsOk);
    EXPECT_TRUE(y[0] == 0 && !std::signbit(y[0]));
    // Complex constants have no shortcut: (0, 0) times NaN is NaN.
    Orv64fc c[2] = {{nan, 1.0}, {2.0, 3.0}}, e[2];
    ASSERT_EQ(orvsMulC_64fc(c, Orv64fc{0.0, 0.0}, e, 2), orvStsOk);
    EXPECT_TRUE(std::isnan(e[0].re));
    EXPECT_TRUE(e[1].re == 0 && e[1].im == 0);
}

// Product clamped and rounded to nearest-even under any caller rounding mode.
TEST(FloatMembers, MulC32f16s)
{
    const unsigned saved = _mm_getcsr();
    const float vals[] = {1.0f, -0.5f, 3.3f, 1e6f, -2.75f};
    for (unsigned mode : {0u, 0x2000u, 0x6000u}) {  // nearest, down, toward zero
        for (int s : {-200, -127, -3, 0, 1, 2, 7, 126, 300}) {
            for (int n : {1, 7, 8, 9, 33, 257}) {
                auto x = orvs_test::randomVector<Orv32f>(n, n + s, -40000.0, 40000.0);
                x[0] = 0.5f;
                if (n > 5) x[5] = std::nanf(""), x[3] = 2.5f, x[4] = -1.5f;
                for (float v : vals) {
                    // The reference under round-to-nearest, as the member computes.
                    _mm_setcsr(saved & ~0x6000u);
                    const int c = s < -127 ? -127 : (s > 126 ? 126 : s);
                    const float vs = s == 0 ? v : v * std::ldexp(1.0f, -c);
                    std::vector<Orv16s> want(n);
                    for (int i = 0; i < n; ++i) {
                        const float p = x[i] * vs;
                        const double r = std::isnan(p) ? 32767 : std::fmin(32767.0, std::fmax(-32768.0, p));
                        const double f = std::floor(r), diff = r - f;
                        want[i] = static_cast<Orv16s>(diff > 0.5 ? f + 1 : (diff < 0.5 ? f : (std::fmod(f, 2.0) == 0 ? f : f + 1)));
                    }
                    _mm_setcsr((saved & ~0x6000u) | mode);
                    Unaligned<Orv16s> d(n);
                    ASSERT_EQ(orvsMulC_32f16s_Sfs(x.data(), v, d.data(), n, s), orvStsOk);
                    ASSERT_EQ(_mm_getcsr() & 0x6000u, mode) << "caller's rounding restored";
                    for (int i = 0; i < n; ++i) ASSERT_EQ(d[i], want[i]) << "x=" << x[i] << " v=" << v << " s=" << s;
                }
            }
        }
    }
    _mm_setcsr(saved);
}

// Conversion to 32 bits first, under the caller's rounding mode.
TEST(FloatMembers, MulCLow32f16s)
{
    const unsigned saved = _mm_getcsr();
    for (unsigned mode : {0u, 0x2000u}) {
        _mm_setcsr((saved & ~0x6000u) | mode);
        for (int n : {1, 9, 31, 64}) {
            auto x = orvs_test::randomVector<Orv32f>(n, n, -50000.0, 50000.0);
            x[0] = 3e9f;
            if (n > 2) x[1] = std::nanf(""), x[2] = -2.5f;
            Unaligned<Orv16s> d(n);
            ASSERT_EQ(orvsMulC_Low_32f16s(x.data(), 1.0f, d.data(), n), orvStsOk);
            for (int i = 0; i < n; ++i) {
                const float p = x[i];
                long long q;
                if (std::isnan(p) || std::fabs(p) >= 2147483648.0f) q = INT32_MIN;
                else q = static_cast<long long>(mode ? std::floor(p) : std::nearbyint(p));
                ASSERT_EQ(d[i], static_cast<Orv16s>(q < -32768 ? -32768 : (q > 32767 ? 32767 : q))) << p;
            }
        }
    }
    _mm_setcsr(saved);
    Orv32f big = 3e9f;
    Orv16s a, b;
    orvsMulC_Low_32f16s(&big, 1.0f, &a, 1);
    orvsMulC_32f16s_Sfs(&big, 1.0f, &b, 1, 0);
    EXPECT_EQ(a, -32768);
    EXPECT_EQ(b, 32767);
}

} // namespace
