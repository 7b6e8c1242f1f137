// Dense checks of the hand-written vector paths: every value of the first
// operand against random and structured second operands at every scale
// factor of the 16-bit sums, differences and products, and the floating-point
// loops around their unrolled bodies and masked remainders (nothing written
// past the end).
#include <cstring>

#include "scaled_model.h"

using namespace arith_test;

namespace {

// 65536 + 5 elements: every 16-bit pattern as the first operand, an odd
// length for the remainder; the second operand random, then a pattern that
// pairs neighbouring values (ties and carries of the rounding).
template <class T>
std::vector<T> allValues()
{
    std::vector<T> v(65541);
    for (std::size_t i = 0; i < v.size(); ++i) v[i] = static_cast<T>(static_cast<std::uint16_t>(i * 40503u + 7u));
    return v;
}

template <class T>
std::vector<T> partner(std::size_t n, int pass)
{
    if (pass == 0) return edgyVector<T>(n, 4242u);
    std::vector<T> v(n);
    for (std::size_t i = 0; i < n; ++i) v[i] = static_cast<T>(static_cast<std::uint16_t>((i * 40503u + 7u) ^ (i % 7)));
    return v;
}

std::vector<int> denseScales(Cut cut)
{
    std::vector<int> s;
    const int step = quick() ? 4 : 1;
    for (int v = cut.satTo - 1; v <= cut.zeroFrom + 1; v += step) s.push_back(v);
    s.push_back(0);
    s.push_back(1);
    s.push_back(2);
    return s;
}

// f(a, b, d, n, s) against exact(a, b) scaled by the model.
template <class T, class F, class E>
void denseVV(const char* name, F f, E exact, Cut cut)
{
    const auto a = allValues<T>();
    const int n = static_cast<int>(a.size());
    orvs_test::Unaligned<T> ua(n), ub(n), ud(n);
    ua.assign(a);
    for (int pass = 0; pass < 2; ++pass) {
        const auto b = partner<T>(a.size(), pass);
        ub.assign(b);
        for (int s : denseScales(cut)) {
            ASSERT_EQ(f(ua.data(), ub.data(), ud.data(), n, s), orvStsOk);
            for (int i = 0; i < n; ++i) {
                const T want = modelScale<T>(exact(i128(a[i]), i128(b[i])), s, cut);
                ASSERT_EQ(ud[i], want) << name << " s=" << s << " a=" << a[i] << " b=" << b[i];
            }
        }
    }
}

// f(a, val, d, n, s) for a few constants, extremes included.
template <class T, class F, class E>
void denseVC(const char* name, F f, E exact, Cut cut)
{
    const auto a = allValues<T>();
    const int n = static_cast<int>(a.size());
    orvs_test::Unaligned<T> ua(n), ud(n);
    ua.assign(a);
    auto vals = edgyVector<T>(3, 777u);
    vals.push_back(std::numeric_limits<T>::min());
    vals.push_back(std::numeric_limits<T>::max());
    vals.push_back(T(1));
    for (T val : vals) {
        for (int s : denseScales(cut)) {
            ASSERT_EQ(f(ua.data(), val, ud.data(), n, s), orvStsOk);
            for (int i = 0; i < n; ++i) {
                const T want = modelScale<T>(exact(i128(a[i]), i128(val)), s, cut);
                ASSERT_EQ(ud[i], want) << name << " s=" << s << " a=" << a[i] << " val=" << val;
            }
        }
    }
}

const auto sum = [](i128 a, i128 b) { return a + b; };
const auto diffBA = [](i128 a, i128 b) { return b - a; };
const auto diffAB = [](i128 a, i128 b) { return a - b; };
const auto prod = [](i128 a, i128 b) { return a * b; };

TEST(Dense16, SignedSumsAndDifferences)
{
    denseVV<Orv16s>("Add_16s", orvsAdd_16s_Sfs, sum, Cut{-16, 17});
    denseVV<Orv16s>("Sub_16s", orvsSub_16s_Sfs, diffBA, Cut{-16, 17});
    denseVC<Orv16s>("AddC_16s", orvsAddC_16s_Sfs, sum, Cut{-16, 17});
    denseVC<Orv16s>("SubC_16s", orvsSubC_16s_Sfs, diffAB, Cut{-16, 17});
    denseVC<Orv16s>("SubCRev_16s", orvsSubCRev_16s_Sfs, diffBA, Cut{-16, 17});
}

TEST(Dense16, UnsignedSumsAndDifferences)
{
    denseVV<Orv16u>("Add_16u", orvsAdd_16u_Sfs, sum, Cut{-16, 18});
    denseVV<Orv16u>("Sub_16u", orvsSub_16u_Sfs, diffBA, Cut{-16, 17});
    denseVC<Orv16u>("AddC_16u", orvsAddC_16u_Sfs, sum, Cut{-16, 18});
    denseVC<Orv16u>("SubCRev_16u", orvsSubCRev_16u_Sfs, diffBA, Cut{-16, 17});
}

TEST(Dense16, SignedProducts)
{
    denseVV<Orv16s>("Mul_16s", orvsMul_16s_Sfs, prod, Cut{-16, 31});
    denseVC<Orv16s>("MulC_16s", orvsMulC_16s_Sfs, prod, Cut{-16, 31});
}

// 32-bit sums and differences, real and complex: random operands with
// extremes, and second operands that put the exact result on multiples of
// 2^(s-1) (odd multiples are ties).
template <class T, bool kDiff, class F>
void dense32(const char* name, F f, Cut cut)
{
    const int n = quick() ? 1025 : 4099;
    const auto a = edgyVector<T>(n, 99u);
    orvs_test::Unaligned<T> ua(n), ub(n), ud(n);
    ua.assign(a);
    for (int s : denseScales(cut)) {
        for (int pass = 0; pass < 2; ++pass) {
            auto b = edgyVector<T>(n, 1000u + static_cast<std::uint32_t>(s));
            if (pass == 1 && s >= 1 && s <= 32) {
                std::mt19937 rng(static_cast<std::uint32_t>(s));
                for (int i = 0; i < n; ++i)
                    for (int k = 0; k < kParts<T>; ++k) {
                        const i128 m = i128(static_cast<int>(rng() % 9) - 4) << (s - 1);
                        const i128 want = kDiff ? part(a[i], k) + m : m - part(a[i], k);  // b - a or a + b is m
                        if (want >= INT32_MIN && want <= INT32_MAX) setPart(b[i], k, static_cast<Orv32s>(want));
                    }
            }
            ub.assign(b);
            ASSERT_EQ(f(ua.data(), ub.data(), ud.data(), n, s), orvStsOk);
            for (int i = 0; i < n; ++i)
                for (int k = 0; k < kParts<T>; ++k) {
                    const i128 r = kDiff ? part(b[i], k) - part(a[i], k) : part(a[i], k) + part(b[i], k);
                    ASSERT_EQ(part(ud[i], k), i128(modelScale<Orv32s>(r, s, cut)))
                        << name << " s=" << s << " i=" << i << " part " << k;
                }
        }
    }
}

TEST(Dense32, SumsAndDifferences)
{
    dense32<Orv32s, false>("Add_32s", orvsAdd_32s_Sfs, Cut{-31, 33});
    dense32<Orv32s, true>("Sub_32s", orvsSub_32s_Sfs, Cut{-31, 33});
    dense32<Orv32sc, false>("Add_32sc", orvsAdd_32sc_Sfs, Cut{-31, 33});
    dense32<Orv32sc, true>("Sub_32sc", orvsSub_32sc_Sfs, Cut{-31, 33});
}

TEST(Dense32, ConstantsOverWholeVectors)
{
    const int n = 1031;
    const auto a = edgyVector<Orv32s>(n, 5u);
    const auto ac = edgyVector<Orv32sc>(n, 6u);
    for (int s = -32; s <= 34; ++s) {
        for (Orv32s v : {INT32_MIN, INT32_MAX, -1, 12345, -98765}) {
            std::vector<Orv32s> d(n);
            ASSERT_EQ(orvsSubC_32s_Sfs(a.data(), v, d.data(), n, s), orvStsOk);
            for (int i = 0; i < n; ++i)
                ASSERT_EQ(d[i], modelScale<Orv32s>(i128(a[i]) - v, s, Cut{-31, 33})) << "SubC_32s s=" << s << " i=" << i;
            const Orv32sc cv{v, static_cast<Orv32s>(~v)};
            orvs_test::Unaligned<Orv32sc> ud(n);
            ASSERT_EQ(orvsSubCRev_32sc_Sfs(ac.data(), cv, ud.data(), n, s), orvStsOk);
            for (int i = 0; i < n; ++i) {
                ASSERT_EQ(ud[i].re, modelScale<Orv32s>(i128(cv.re) - ac[i].re, s, Cut{-31, 33})) << "SubCRev_32sc s=" << s;
                ASSERT_EQ(ud[i].im, modelScale<Orv32s>(i128(cv.im) - ac[i].im, s, Cut{-31, 33})) << "SubCRev_32sc s=" << s;
            }
        }
    }
}

// 32-bit products in 64-bit lanes: random operands with extremes, and
// second operands +-2^m (+-1) that put products on and beside the ties.
TEST(Dense32, Products)
{
    const int n = quick() ? 1027 : 4103;
    const auto a = edgyVector<Orv32s>(n, 31u);
    auto b = edgyVector<Orv32s>(n, 32u);
    std::mt19937 rng(33u);
    for (int i = 0; i < n; i += 2) {
        const Orv32s m = static_cast<Orv32s>(1u << (rng() % 31)) + static_cast<Orv32s>(rng() % 3) - 1;
        b[i] = (rng() & 1) ? m : -m;
    }
    orvs_test::Unaligned<Orv32s> ua(n), ub(n), ud(n);
    ua.assign(a);
    ub.assign(b);
    for (int s : denseScales(Cut{-32, 63})) {
        ASSERT_EQ(orvsMul_32s_Sfs(ua.data(), ub.data(), ud.data(), n, s), orvStsOk);
        for (int i = 0; i < n; ++i)
            ASSERT_EQ(ud[i], modelScale<Orv32s>(i128(a[i]) * b[i], s, Cut{-32, 63})) << "Mul_32s s=" << s << " i=" << i;
        for (Orv32s v : {INT32_MIN, -3, 1 << 20}) {
            ASSERT_EQ(orvsMulC_32s_Sfs(ua.data(), v, ud.data(), n, s), orvStsOk);
            for (int i = 0; i < n; ++i)
                ASSERT_EQ(ud[i], modelScale<Orv32s>(i128(a[i]) * v, s, Cut{-32, 63})) << "MulC_32s s=" << s << " i=" << i;
        }
    }
}

TEST(Dense16, ComplexSums)
{
    // 16sc through the 16-bit lanes, the constant as a repeated pair.
    const int n = 4101;
    const auto a = edgyVector<Orv16sc>(n, 8u), b = edgyVector<Orv16sc>(n, 9u);
    for (int s = -17; s <= 18; ++s) {
        orvs_test::Unaligned<Orv16sc> ud(n);
        ASSERT_EQ(orvsSub_16sc_Sfs(a.data(), b.data(), ud.data(), n, s), orvStsOk);
        for (int i = 0; i < n; ++i) {
            ASSERT_EQ(ud[i].re, modelScale<Orv16s>(i128(b[i].re) - a[i].re, s, Cut{-16, 17})) << "s=" << s;
            ASSERT_EQ(ud[i].im, modelScale<Orv16s>(i128(b[i].im) - a[i].im, s, Cut{-16, 17})) << "s=" << s;
        }
        const Orv16sc v{-32768, 32767};
        ASSERT_EQ(orvsAddC_16sc_Sfs(a.data(), v, ud.data(), n, s), orvStsOk);
        for (int i = 0; i < n; ++i) {
            ASSERT_EQ(ud[i].re, modelScale<Orv16s>(i128(a[i].re) + v.re, s, Cut{-16, 17})) << "s=" << s;
            ASSERT_EQ(ud[i].im, modelScale<Orv16s>(i128(a[i].im) + v.im, s, Cut{-16, 17})) << "s=" << s;
        }
    }
}

// The floating loops: results as formed here one rounding at a time, for
// lengths around the unrolled body and the remainder, and a guard element
// after the end that must stay untouched.
template <class T, class F, class R>
void floatLengths(const char* name, F f, R ref)
{
    for (int n = 1; n <= 80; ++n) {
        const auto a = orvs_test::randomVector<T>(n, 100 + n), b = orvs_test::randomVector<T>(n, 200 + n);
        const auto old = orvs_test::randomVector<T>(n + 1, 300 + n);
        orvs_test::Unaligned<T> ua(n), ub(n), ud(n + 1);
        ua.assign(a);
        ub.assign(b);
        ud.assign(old);
        ASSERT_EQ(f(ua.data(), ub.data(), ud.data(), n), orvStsOk);
        for (int i = 0; i < n; ++i) {
            const T want = ref(a[i], b[i], old[i]);
            ASSERT_EQ(0, std::memcmp(&ud[i], &want, sizeof(T))) << name << " n=" << n << " i=" << i;
        }
        ASSERT_EQ(0, std::memcmp(&ud[n], &old[n], sizeof(T))) << name << " wrote past the end, n=" << n;
    }
}

TEST(DenseFloat, LengthsAroundTheVectorBody)
{
    floatLengths<Orv32f>("Add_32f", orvsAdd_32f, [](float a, float b, float) { return a + b; });
    floatLengths<Orv32f>("Sub_32f", orvsSub_32f, [](float a, float b, float) { return b - a; });
    floatLengths<Orv64f>("Mul_64f", orvsMul_64f, [](double a, double b, double) { return a * b; });
    floatLengths<Orv32f>("AddProduct_32f", orvsAddProduct_32f, [](float a, float b, float d) { return d + a * b; });
    floatLengths<Orv32f>("AddC_32f", [](const Orv32f* a, const Orv32f*, Orv32f* d, int n) {
        return orvsAddC_32f(a, 0.375f, d, n);
    }, [](float a, float, float) { return a + 0.375f; });
    floatLengths<Orv64f>("SubCRev_64f", [](const Orv64f* a, const Orv64f*, Orv64f* d, int n) {
        return orvsSubCRev_64f(a, -3.25, d, n);
    }, [](double a, double, double) { return -3.25 - a; });
    auto cmul = [](Orv32fc a, Orv32fc b) {
        const float rr = a.re * b.re, ii = a.im * b.im, ri = a.re * b.im, ir = a.im * b.re;
        return Orv32fc{rr - ii, ri + ir};
    };
    floatLengths<Orv32fc>("Mul_32fc", orvsMul_32fc, [&](Orv32fc a, Orv32fc b, Orv32fc) { return cmul(a, b); });
    floatLengths<Orv32fc>("AddProduct_32fc", orvsAddProduct_32fc, [&](Orv32fc a, Orv32fc b, Orv32fc d) {
        const Orv32fc p = cmul(a, b);
        return Orv32fc{d.re + p.re, d.im + p.im};
    });
    floatLengths<Orv64fc>("SubC_64fc", [](const Orv64fc* a, const Orv64fc*, Orv64fc* d, int n) {
        return orvsSubC_64fc(a, Orv64fc{1.5, -2.0}, d, n);
    }, [](Orv64fc a, Orv64fc, Orv64fc) { return Orv64fc{a.re - 1.5, a.im + 2.0}; });
}

} // namespace
