// Norms and dot products: exact 128-bit models of the integer members with
// their truncation, rounding and shift caps; long-double references with
// error bounds of the accumulator precision for the floating-point members.
#include <gtest/gtest.h>

#include "stats_model.h"

using namespace orvs_test;
using namespace stats_test;

namespace {

enum Kind { Inf, L1, L2, L2Sqr };

// Exact norm values: max |d|, sum |d|, sum d^2 over d = a (or a - b).
struct Exact {
    i128 inf = 0, l1 = 0, sq = 0;
};
Exact exactNorms(const std::vector<Orv16s>& a, const std::vector<Orv16s>* b)
{
    Exact e;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const i128 d = b ? i128(a[i]) - (*b)[i] : i128(a[i]);
        const i128 m = d < 0 ? -d : d;
        e.inf = std::max(e.inf, m);
        e.l1 += m;
        e.sq += d * d;
    }
    return e;
}

template <class T>
T scaledNorm(const Exact& e, Kind k, int s)
{
    if (k == L2) {
        const long double r = std::trunc(std::ldexp(static_cast<long double>(std::sqrt(static_cast<double>(e.sq))), -std::clamp(s, -200, 200)));
        return r >= static_cast<long double>(std::numeric_limits<T>::max()) ? std::numeric_limits<T>::max() : static_cast<T>(r);
    }
    const i128 v = k == Inf ? e.inf : k == L1 ? e.l1 : e.sq;
    return sat<T>(s > 0 ? v >> std::min(s, 120) : scaled(v, s));  // truncation: the floor of v >= 0
}

// Rows by kind: Norm and NormDiff with 32s, 64s and 32f results.
template <class D> using Norm = OrvStatus (*)(const Orv16s*, int, D*, int);
template <class D> using Diff = OrvStatus (*)(const Orv16s*, const Orv16s*, int, D*, int);
#define STATS_NORM_ROW(k, k64)                                                                                      \
    {k, orvsNorm_##k##_16s32s_Sfs, orvsNormDiff_##k##_16s32s_Sfs, orvsNorm_##k64##_16s64s_Sfs, orvsNormDiff_##k64##_16s64s_Sfs, \
     orvsNorm_##k##_16s32f, orvsNormDiff_##k##_16s32f}

TEST(StatsNorms, IntegerMembersTruncate)
{
    const struct {
        Kind k;
        Norm<Orv32s> n32;
        Diff<Orv32s> d32;
        Norm<Orv64s> n64;
        Diff<Orv64s> d64;
        OrvStatus (*nf)(const Orv16s*, int, Orv32f*);
        OrvStatus (*df)(const Orv16s*, const Orv16s*, int, Orv32f*);
    } rows[] = {STATS_NORM_ROW(Inf, Inf), STATS_NORM_ROW(L1, L1), STATS_NORM_ROW(L2, L2),
                {L2Sqr, nullptr, nullptr, orvsNorm_L2Sqr_16s64s_Sfs, orvsNormDiff_L2Sqr_16s64s_Sfs, nullptr, nullptr}};
    for (int n : {1, 3, 16, 33, 1000, 65537, 140000}) {
        auto a = randomVector<Orv16s>(n, n), b = randomVector<Orv16s>(n, n + 7);
        if (n == 65537) std::fill(a.begin(), a.end(), Orv16s(-32768)), std::fill(b.begin(), b.end(), Orv16s(32767));
        const Exact ea = exactNorms(a, nullptr), ed = exactNorms(a, &b);
        for (const auto& r : rows) {
            for (int s : kScales) {
                Orv32s g32[2] = {-5, -5};
                Orv64s g64[2] = {-5, -5};
                if (r.n32) ASSERT_EQ(r.n32(a.data(), n, g32, s) | r.d32(a.data(), b.data(), n, g32 + 1, s), 0);
                ASSERT_EQ(r.n64(a.data(), n, g64, s) | r.d64(a.data(), b.data(), n, g64 + 1, s), 0);
                for (int d = 0; d < 2; ++d) {
                    if (r.n32) EXPECT_EQ(g32[d], scaledNorm<Orv32s>(d ? ed : ea, r.k, s)) << "kind " << r.k << " n " << n << " s " << s << " diff " << d;
                    EXPECT_EQ(g64[d], scaledNorm<Orv64s>(d ? ed : ea, r.k, s)) << "kind " << r.k << " n " << n << " s " << s << " diff " << d;
                }
            }
            Orv32f f[2] = {0, 0};
            if (!r.nf || r.nf(a.data(), n, f) | r.df(a.data(), b.data(), n, f + 1)) continue;
            for (int d = 0; d < 2; ++d) {
                const Exact& e = d ? ed : ea;
                const long double ref = r.k == L2 ? std::sqrt(static_cast<long double>(e.sq)) : static_cast<long double>(r.k == Inf ? e.inf : e.l1);
                EXPECT_LE(ulps(f[d], ref), 0.5001) << r.k;
            }
        }
    }
    const Orv16s edge[] = {-32768, 3};
    Orv32s r = 0;
    orvsNorm_Inf_16s32s_Sfs(edge, 2, &r, 1);
    EXPECT_EQ(r, 16384);
    orvsNorm_Inf_16s32s_Sfs(edge + 1, 1, &r, 1);
    EXPECT_EQ(r, 1);  // 1.5 truncates
}

template <class T>
void floatNorms(OrvStatus (*norm[3])(const T*, int, T*), OrvStatus (*diff[3])(const T*, const T*, int, T*), double tol)
{
    for (int n : oddLengths()) {
        Unaligned<T> a(n), b(n);
        a.assign(randomVector<T>(n, n, -3.0, 3.0));
        b.assign(randomVector<T>(n, n + 1, -3.0, 3.0));
        for (int k = 0; k < 3; ++k) {
            long double r[2] = {0, 0};
            for (int i = 0; i < n; ++i)
                for (int d = 0; d < 2; ++d) {
                    const long double x = d ? static_cast<long double>(a[i]) - b[i] : a[i];
                    r[d] = k == Inf ? std::max(r[d], std::fabs(x)) : r[d] + (k == L1 ? std::fabs(x) : x * x);
                }
            if (k == L2) r[0] = std::sqrt(r[0]), r[1] = std::sqrt(r[1]);
            T got = 0, gotDiff = 0;
            ASSERT_EQ(norm[k](a.data(), n, &got) | diff[k](a.data(), b.data(), n, &gotDiff), 0);
            EXPECT_LE(ulps(got, r[0]), k == Inf ? 0 : tol) << "kind " << k << " n " << n;
            EXPECT_LE(ulps(gotDiff, r[1]), k == Inf ? 0.5 : tol) << "kind " << k << " n " << n;
        }
        // A NaN anywhere makes every kind NaN.
        a[n / 2] = std::numeric_limits<T>::quiet_NaN();
        for (int k = 0; k < 3; ++k) {
            T got = 0;
            norm[k](a.data(), n, &got);
            EXPECT_TRUE(std::isnan(got)) << "kind " << k << " n " << n;
        }
    }
}

TEST(StatsNorms, FloatMembers)
{
    OrvStatus (*n32[3])(const Orv32f*, int, Orv32f*) = {orvsNorm_Inf_32f, orvsNorm_L1_32f, orvsNorm_L2_32f};
    OrvStatus (*d32[3])(const Orv32f*, const Orv32f*, int, Orv32f*) = {orvsNormDiff_Inf_32f, orvsNormDiff_L1_32f, orvsNormDiff_L2_32f};
    OrvStatus (*n64[3])(const Orv64f*, int, Orv64f*) = {orvsNorm_Inf_64f, orvsNorm_L1_64f, orvsNorm_L2_64f};
    OrvStatus (*d64[3])(const Orv64f*, const Orv64f*, int, Orv64f*) = {orvsNormDiff_Inf_64f, orvsNormDiff_L1_64f, orvsNormDiff_L2_64f};
    floatNorms<Orv32f>(n32, d32, 0.5001);  // accumulated in double: one final rounding
    floatNorms<Orv64f>(n64, d64, 64);
}

// ---- dot products ------------------------------------------------------------

TEST(StatsDot, IntegerMembersScaleWithCaps)
{
    for (int n : {1, 2, 17, 1000, 65537, 140001})
        for (int fill : {0, 1}) {
            auto a = randomVector<Orv16s>(n, n), b = randomVector<Orv16s>(n, n + 3);
            auto c = randomVector<Orv32s>(n, n + 5);
            if (fill) std::fill(a.begin(), a.end(), Orv16s(-32768)), std::fill(b.begin(), b.end(), Orv16s(-32768)),
                std::fill(c.begin(), c.end(), INT32_MIN);
            i128 d = 0, e = 0;
            for (int i = 0; i < n; ++i) d += i128(a[i]) * b[i], e += i128(a[i]) * c[i];
            for (int s : kScales) {
                Orv16s r16 = 0;
                Orv32s r32 = 0, r3 = 0;
                ASSERT_EQ(orvsDotProd_16s_Sfs(a.data(), b.data(), n, &r16, s), 0);
                ASSERT_EQ(orvsDotProd_16s32s_Sfs(a.data(), b.data(), n, &r32, s), 0);
                ASSERT_EQ(orvsDotProd_16s32s32s_Sfs(a.data(), c.data(), n, &r3, s), 0);
                EXPECT_EQ(r16, sat<Orv16s>(s > 0 ? roundEvenShift(d, std::min(s, 31)) : scaled(d, std::max(s, -15)))) << n << " s " << s;
                EXPECT_EQ(r32, sat<Orv32s>(s > 0 ? roundEvenShift(d, std::min(s, 63)) : scaled(d, std::max(s, -31)))) << n << " s " << s;
                EXPECT_EQ(r3, sat<Orv32s>(s > 0 ? roundEvenShift(e, s) : scaled(e, std::max(s, -31)))) << n << " s " << s;
            }
            Orv32f f = 0;
            ASSERT_EQ(orvsDotProd_16s32f(a.data(), b.data(), n, &f), 0);
            EXPECT_EQ(f, static_cast<float>(static_cast<long double>(d)));
        }
}

// Every float member seen through its base elements (complex as pairs).
template <class Acc> using DotFn = OrvStatus (*)(const float*, const float*, int, Acc*);

// The float members against long double; the bound is that of the
// accumulator's precision over the sum of the products' magnitudes.
template <class Acc, bool Ca, bool Cb>
void checkFloatDot(DotFn<Acc> fn, const char* name)
{
    for (int n : oddLengths()) {
        Unaligned<float> a(Ca ? 2 * n : n, 4), b(Cb ? 2 * n : n, 8);
        a.assign(randomVector<float>(a.size(), n, -2.0, 2.0));
        b.assign(randomVector<float>(b.size(), n + 1, -2.0, 2.0));
        long double re = 0, im = 0, mag = 0;
        for (int i = 0; i < n; ++i) {
            const long double ar = Ca ? a[2 * i] : a[i], ai = Ca ? a[2 * i + 1] : 0;
            const long double br = Cb ? b[2 * i] : b[i], bi = Cb ? b[2 * i + 1] : 0;
            re += ar * br - ai * bi;
            im += ar * bi + ai * br;
            mag += std::fabs(ar * br) + std::fabs(ai * bi) + std::fabs(ar * bi) + std::fabs(ai * br);
        }
        Acc out[2] = {0, 0};
        ASSERT_EQ(fn(a.data(), b.data(), n, out), 0) << name;
        const long double eps = std::numeric_limits<Acc>::epsilon();
        const long double bound = (n / 8.0L + 16) * eps * mag + eps * (std::fabs(re) + std::fabs(im));
        EXPECT_NEAR(out[0], re, bound) << name << " n " << n;
        if (Ca || Cb) EXPECT_NEAR(out[1], im, bound) << name << " n " << n;
    }
}

TEST(StatsDot, FloatMembers)
{
    checkFloatDot<float, false, false>(reinterpret_cast<DotFn<float>>(orvsDotProd_32f), "32f");
    checkFloatDot<float, true, true>(reinterpret_cast<DotFn<float>>(orvsDotProd_32fc), "32fc");
    checkFloatDot<float, false, true>(reinterpret_cast<DotFn<float>>(orvsDotProd_32f32fc), "32f32fc");
    checkFloatDot<double, false, false>(reinterpret_cast<DotFn<double>>(orvsDotProd_32f64f), "32f64f");
    checkFloatDot<double, true, true>(reinterpret_cast<DotFn<double>>(orvsDotProd_32fc64fc), "32fc64fc");
    checkFloatDot<double, false, true>(reinterpret_cast<DotFn<double>>(orvsDotProd_32f32fc64fc), "32f32fc64fc");
}

} // namespace
