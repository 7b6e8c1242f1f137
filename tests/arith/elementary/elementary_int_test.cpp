// Integer elementary members: every 16-bit input at every scale factor that
// matters, wider inputs at random with their extremes, against exact
// models; warnings, in-place forms and the whole-vector shortcuts.
#include <complex>
#include <functional>
#include <numeric>

#include "elementary_model.h"

using namespace elementary_test;

namespace {

template <class T, class D> using Fn = OrvStatus (*)(const T*, D*, int, int);
template <class T> using FnI = OrvStatus (*)(T*, int, int);

// One member over `x` at every s in [s0, s1]: out-of-place, then in place
// (same output and status), against model(x, s) and warning(x, n).
template <class T, class D>
void sweep(const char* name, Fn<T, D> fn, FnI<T> fnI, const std::vector<T>& x, int s0, int s1,
           std::function<D(T, int)> model, std::function<int(const T*, int)> warning)
{
    const int n = static_cast<int>(x.size());
    const int want = warning(x.data(), n);
    for (int s = s0; s <= s1; ++s) {
        Guarded<D> out(n, 1);
        ASSERT_EQ(fn(x.data(), out.data(), n, s), want) << name << " s=" << s;
        ASSERT_TRUE(out.guardsIntact()) << name;
        for (int i = 0; i < n; ++i) ASSERT_EQ(out[i], model(x[i], s)) << name << " x=" << +x[i] << " s=" << s;
        if constexpr (std::is_same_v<T, D>) {
            if (!fnI) continue;
            std::vector<T> io = x;
            ASSERT_EQ(fnI(io.data(), n, s), want) << name << " in place, s=" << s;
            ASSERT_TRUE(sameBits(io.data(), out.data(), n)) << name << " in place, s=" << s;
        }
    }
}

template <class T>
std::vector<T> everyValue()
{
    std::vector<T> v(size_t(std::numeric_limits<T>::max()) - std::numeric_limits<T>::min() + 1);
    std::iota(v.begin(), v.end(), std::numeric_limits<T>::min());
    return v;
}

template <class T>
int sqrtWarning(const T* x, int n) { return std::any_of(x, x + n, [](T v) { return v < 0; }) ? orvStsWarnSqrtNegArg : orvStsOk; }
int noWarning(const void*, int) { return orvStsOk; }

template <class T, class D> D sqrtM(T x, int s) { return x < 0 ? D(0) : rootModel<D>(x, s, 2, false); }
template <class D> D expM(long long x, int s) { return halfUp<D>(std::exp(static_cast<long double>(x)) * std::ldexp(1.0L, -s)); }

TEST(ElementaryInt, SquareRootsOfEverySixteenBitValue)
{
    sweep<Orv8u, Orv8u>("Sqrt_8u", orvsSqrt_8u_Sfs, orvsSqrt_8u_ISfs, everyValue<Orv8u>(), -10, 7, sqrtM<Orv8u, Orv8u>, sqrtWarning<Orv8u>);
    sweep<Orv16u, Orv16u>("Sqrt_16u", orvsSqrt_16u_Sfs, orvsSqrt_16u_ISfs, everyValue<Orv16u>(), -17, 10, sqrtM<Orv16u, Orv16u>, sqrtWarning<Orv16u>);
    sweep<Orv16s, Orv16s>("Sqrt_16s", orvsSqrt_16s_Sfs, orvsSqrt_16s_ISfs, everyValue<Orv16s>(), -16, 10, sqrtM<Orv16s, Orv16s>, sqrtWarning<Orv16s>);
    auto positive = everyValue<Orv16s>();
    positive.erase(positive.begin(), positive.begin() + 32768);  // 0 .. 32767: no warning
    sweep<Orv16s, Orv16s>("Sqrt_16s+", orvsSqrt_16s_Sfs, orvsSqrt_16s_ISfs, positive, 8, 12, sqrtM<Orv16s, Orv16s>, sqrtWarning<Orv16s>);
}

TEST(ElementaryInt, WideSquareRootsAtRandom)
{
    auto x32 = edgyVector<Orv32s>(quick() ? 2000 : 20000, 7);
    sweep<Orv32s, Orv16s>("Sqrt_32s16s", orvsSqrt_32s16s_Sfs, nullptr, x32, -16, 18, sqrtM<Orv32s, Orv16s>, sqrtWarning<Orv32s>);
    auto x64 = edgyVector<Orv64s>(quick() ? 1000 : 5000, 8);
    for (int i = 0; i < 64; ++i) x64.push_back((Orv64s(1) << (i % 63)) - (i & 1));  // powers of two and their neighbours
    sweep<Orv64s, Orv16s>("Sqrt_64s16s", orvsSqrt_64s16s_Sfs, nullptr, x64, -16, 34, sqrtM<Orv64s, Orv16s>, sqrtWarning<Orv64s>);
    for (int s : {-64, -63, -40, -31, -5, 0, 1, 7, 31, 32, 33})
        sweep<Orv64s, Orv64s>("Sqrt_64s", orvsSqrt_64s_Sfs, orvsSqrt_64s_ISfs, x64, s, s, sqrtM<Orv64s, Orv64s>, sqrtWarning<Orv64s>);
}

// The principal root in long double, parts rounded to nearest (ties to even) and saturated.
TEST(ElementaryInt, ComplexSquareRoots)
{
    const auto x = edgyVector<Orv16sc>(quick() ? 500 : 4000, 9);
    for (int s : {-45, -16, -3, 0, 1, 4, 8, 9, 30}) {
        std::vector<Orv16sc> out(x.size()), io = x;
        ASSERT_EQ(orvsSqrt_16sc_Sfs(x.data(), out.data(), int(x.size()), s), orvStsOk);
        ASSERT_EQ(orvsSqrt_16sc_ISfs(io.data(), int(io.size()), s), orvStsOk);
        ASSERT_TRUE(sameBits(io.data(), out.data(), x.size()));
        for (size_t i = 0; i < x.size(); ++i) {
            const auto r = std::sqrt(std::complex<long double>(x[i].re, x[i].im)) * std::ldexp(1.0L, -s);
            for (auto [got, want] : {std::pair{out[i].re, r.real()}, std::pair{out[i].im, r.imag()}})
                ASSERT_EQ(got, saturate<Orv16s>(static_cast<i128>(std::nearbyint(std::clamp(want, -1e6L, 1e6L)))))
                    << x[i].re << "," << x[i].im << " s=" << s;
        }
    }
}

TEST(ElementaryInt, ExponentialsOfEverySixteenBitValue)
{
    sweep<Orv16s, Orv16s>("Exp_16s", orvsExp_16s_Sfs, orvsExp_16s_ISfs, everyValue<Orv16s>(), -3, 18, expM<Orv16s>, noWarning);
    std::vector<Orv32s> x32 = edgyVector<Orv32s>(2000, 10);
    for (int v = -3; v <= 50; ++v) x32.push_back(v);
    sweep<Orv32s, Orv32s>("Exp_32s", orvsExp_32s_Sfs, orvsExp_32s_ISfs, x32, -3, 35, expM<Orv32s>, noWarning);
    std::vector<Orv64s> x64 = {-5, -1, 0, 1, 2, 10, 20, 30, 40, INT64_MIN, INT64_MAX};
    for (int s : {-20, -1, 0, 1, 5, 30, 60})
        sweep<Orv64s, Orv64s>("Exp_64s", orvsExp_64s_Sfs, orvsExp_64s_ISfs, x64, s, s, expM<Orv64s>, noWarning);
}

TEST(ElementaryInt, LogarithmsOfEverySixteenBitValue)
{
    sweep<Orv16s, Orv16s>("Ln_16s", orvsLn_16s_Sfs, orvsLn_16s_ISfs, everyValue<Orv16s>(), -17, 4, lnModel<Orv16s>, lnWarningModel<Orv16s>);
    auto x32 = edgyVector<Orv32s>(quick() ? 2000 : 20000, 11);
    sweep<Orv32s, Orv32s>("Ln_32s", orvsLn_32s_Sfs, orvsLn_32s_ISfs, x32, -33, 5, lnModel<Orv32s>, lnWarningModel<Orv32s>);
    sweep<Orv32s, Orv16s>("Ln_32s16s", orvsLn_32s16s_Sfs, nullptr, x32, -17, 5, lnModel<Orv16s>, lnWarningModel<Orv32s>);
}

// Decibels: whole decibels shifted right by s >= 0, scaled and rounded below.
TEST(ElementaryInt, Decibels)
{
    auto x = edgyVector<Orv32s>(quick() ? 2000 : 20000, 12);
    for (int k = 1; k < 94; ++k) {  // both sides of every rounding boundary
        const auto b = static_cast<Orv32s>(std::floor(std::pow(10.0L, (k - 0.5L) / 10)));
        x.insert(x.end(), {b, b + 1});
    }
    auto model = [](Orv32s v, int s) -> Orv32s {
        if (v <= 0) return INT32_MIN;
        const long double db = 10 * std::log10(static_cast<long double>(v));
        return s >= 0 ? static_cast<Orv32s>(std::nearbyint(db)) >> std::min(s, 31) : halfUp<Orv32s>(db * std::ldexp(1.0L, -s));
    };
    sweep<Orv32s, Orv32s>("10Log10_32s", orvs10Log10_32s_Sfs, nullptr, x, -28, 34, model, lnWarningModel<Orv32s>);
}

// Cube roots: exact cubes give the exact halves whose ties go to even.
TEST(ElementaryInt, CubeRoots)
{
    auto x = edgyVector<Orv32s>(quick() ? 2000 : 20000, 13);
    for (int c = 1; c <= 1290; c += 7) x.insert(x.end(), {c * c * c, -c * c * c, c * c * c + 1});
    sweep<Orv32s, Orv16s>("Cubrt_32s16s", orvsCubrt_32s16s_Sfs, nullptr, x, -17, 14,
                          [](Orv32s v, int s) { return rootModel<Orv16s>(v, s, 3, true); }, noWarning);
}

// Squares: the scaled product of each element with itself.
TEST(ElementaryInt, Squares)
{
    auto sq = [](auto v, int s) { return quotient<decltype(v)>(i128(v) * v, 1, s); };
    sweep<Orv8u, Orv8u>("Sqr_8u", orvsSqr_8u_Sfs, orvsSqr_8u_ISfs, everyValue<Orv8u>(), -9, 17, sq, noWarning);
    sweep<Orv16u, Orv16u>("Sqr_16u", orvsSqr_16u_Sfs, orvsSqr_16u_ISfs, everyValue<Orv16u>(), -2, 33, sq, noWarning);
    sweep<Orv16s, Orv16s>("Sqr_16s", orvsSqr_16s_Sfs, orvsSqr_16s_ISfs, everyValue<Orv16s>(), -2, 31, sq, noWarning);
    const auto z = edgyVector<Orv16sc>(3000, 14);
    for (int s : {-16, 0, 1, 15, 31, 32}) {
        std::vector<Orv16sc> out(z.size()), io = z;
        ASSERT_EQ(orvsSqr_16sc_Sfs(z.data(), out.data(), int(z.size()), s) | orvsSqr_16sc_ISfs(io.data(), int(z.size()), s), 0);
        for (size_t i = 0; i < z.size(); ++i) {
            const i128 a = z[i].re, b = z[i].im;
            ASSERT_TRUE(out[i].re == quotient<Orv16s>(a * a - b * b, 1, s) && out[i].im == quotient<Orv16s>(2 * a * b, 1, s) &&
                        sameBits(io[i], out[i])) << z[i].re << "," << z[i].im << " s=" << s;
        }
    }
}

} // namespace
