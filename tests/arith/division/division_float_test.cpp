// Floating-point division: every length up to a few 512-bit registers at
// several offsets, zero and awkward divisors in every lane position, the
// complex quotients and the constant forms.
#include <functional>

#include "division_reference.h"

using namespace arith_test;

namespace {

// The members of one element type, so one driver serves every type.
template <class T> struct Float;
#define ORVS_FLOAT_ROW(T, code)                                                                            \
    template <> struct Float<T> {                                                                          \
        static constexpr auto div = orvsDiv_##code, divI = orvsDiv_##code##_I;                             \
        static constexpr auto divC = orvsDivC_##code, divCI = orvsDivC_##code##_I;                         \
    };
ORVS_FLOAT_ROW(float, 32f)
ORVS_FLOAT_ROW(double, 64f)
ORVS_FLOAT_ROW(Orv32fc, 32fc)
ORVS_FLOAT_ROW(Orv64fc, 64fc)
#undef ORVS_FLOAT_ROW

// The AVX-512 variant divides exactly; the others use a reciprocal estimate
// within two units in the last place.
bool floatQuotientIsExact() { return machineHasAvx512() && std::getenv("ORVS_CPU") == nullptr; }

// The zero rule, else the quotient (single precision: the correctly rounded
// one, or within 2 units in the last place under the reciprocal estimate).
template <class F>
::testing::AssertionResult quotientOk(F got, F x, F d)
{
    if (d == 0) {
        if (sameValue(got, zeroDivisorOutput(x))) return ::testing::AssertionSuccess();
    } else if constexpr (sizeof(F) == 8) {
        if (sameValue(got, x / d)) return ::testing::AssertionSuccess();
    } else {
        const double exact = double(x) / double(d);
        const float want = static_cast<float>(exact);
        if (sameValue(got, want)) return ::testing::AssertionSuccess();
        if (!floatQuotientIsExact() && std::isfinite(want) && std::fabs(want) >= std::numeric_limits<float>::min() &&
            std::fabs(double(got) - exact) <= 2 * std::fabs(exact) * 0x1p-23)
            return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << x << " / " << d << " gave " << got;
}

template <class F>
void divReal(const std::vector<F>& x, const std::vector<F>& d, int off)
{
    runDiv<F, F, F>("Div_f", VV(Float<F>::div), VVI(Float<F>::divI), x, d, 0, off, [&](int i, F got) { return quotientOk(got, x[i], d[i]); });
}

// Every length up to 70 at offsets 0..2, without and with one zero divisor.
template <class F>
void tailsAndOffsets()
{
    std::mt19937 rng(2024 + sizeof(F));
    for (int n = 1; n <= 70 && !::testing::Test::HasFatalFailure(); ++n) {
        for (int off = 0; off < 3; ++off) {
            auto x = randomVector<F>(n, rng(), -1e4, 1e4);
            auto d = randomVector<F>(n, rng(), 0.25, 1e3);
            for (int i = 0; i < n; ++i)
                if (rng() % 2) d[i] = -d[i];
            divReal(x, d, off);
            d[rng() % n] = (n % 2) ? F(0) : -F(0);
            divReal(x, d, off);
            if constexpr (sizeof(F) == 4)  // DivCRev: the constant over the vector
                for (F val : {2.5f, -0.0f, -1e30f})
                    runDiv<F, F, F>("DivCRev_32f", [val](const F* d, const F*, F* o, int n, int) { return orvsDivCRev_32f(d, val, o, n); },
                                    nullptr, d, d, 0, off, [&](int i, F got) { return quotientOk(got, val, d[i]); });
        }
    }
}

// 87 elements: blocks of registers, single registers and a tail in every
// variant. Each position in turn holds a zero of either sign or an awkward
// divisor (tiny, huge, infinite, NaN) under dividends of every kind.
template <class F>
void specialDivisorInEveryLane()
{
    constexpr int n = 87;
    const auto x = randomVector<F>(n, 77 + sizeof(F), -100, 100), d = randomVector<F>(n, 78 + sizeof(F), 0.5, 50);
    const F inf = std::numeric_limits<F>::infinity(), nan = std::numeric_limits<F>::quiet_NaN();
    const F dividends[] = {F(3), F(-7.5), F(0), -F(0), nan, inf, F(1e-30)};
    for (F special : {F(0), -F(0), F(1e-39), F(-3e38), inf, -inf, nan, F(1e-30)}) {
        for (int p = 0; p < n && !::testing::Test::HasFatalFailure(); ++p) {
            auto xs = x, ds = d;
            xs[p] = dividends[p % 7];
            ds[p] = special;
            divReal(xs, ds, 1);
        }
    }
}

TEST(DivTails, RealEveryLengthAndLane)
{
    tailsAndOffsets<float>();
    tailsAndOffsets<double>();
    specialDivisorInEveryLane<float>();
    specialDivisorInEveryLane<double>();
}

// Complex quotients: single precision is the double-precision formula
// rounded once, value for value; double precision lies within 1e-14 of the
// extended-precision quotient, relative to its size.
template <class C>
::testing::AssertionResult complexOk(C got, C x, C d)
{
    using R = std::conditional_t<sizeof(C) == 8, double, long double>;
    const R a = d.re, b = d.im, c = x.re, e = x.im, m = a * a + b * b;
    if (d.re == 0 && d.im == 0) {
        if (sameValue(got.re, zeroDivisorOutput(x.re)) && sameValue(got.im, zeroDivisorOutput(x.im))) return ::testing::AssertionSuccess();
    } else if constexpr (sizeof(C) == 8) {
        if (sameValue(got.re, float((c * a + e * b) / m)) && sameValue(got.im, float((e * a - c * b) / m))) return ::testing::AssertionSuccess();
    } else {
        const R tol = 1e-14L * std::sqrt((c * c + e * e) / m);
        if (std::fabs(got.re - (c * a + e * b) / m) <= tol && std::fabs(got.im - (e * a - c * b) / m) <= tol) return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << got.re << "," << got.im << " for " << x.re << "," << x.im << " / " << d.re << "," << d.im;
}

// Every length up to 40 and a few long ones, with a zero divisor (either
// sign of zero parts) or awkward parts moved through every position.
template <class C>
void complexLanes(std::initializer_list<C> specials)
{
    std::uint32_t seed = 123;
    std::vector<int> lens = {65, 257, 1023, 4097};
    for (int n = 1; n <= 40; ++n) lens.push_back(n);
    for (int n : lens) {
        for (const C& special : specials) {
            for (int p = 0; p < n && !::testing::Test::HasFatalFailure(); p += n > 40 ? n / 5 : (n > 20 ? 3 : 1)) {
                auto x = randomVector<C>(n, seed++, -1e3, 1e3), d = randomVector<C>(n, seed++, -10, 10);
                d[p] = special;
                x[(p + 1) % n] = {0, -5};
                runDiv<C, C, C>("Div_fc", VV(Float<C>::div), VVI(Float<C>::divI), x, d, 0, n % 4,
                                [&](int i, C got) { return complexOk(got, x[i], d[i]); });
            }
        }
    }
}

TEST(DivTails, ComplexEveryLengthAndLane)
{
    const float inf = std::numeric_limits<float>::infinity();
    complexLanes<Orv32fc>({{0.0f, -0.0f}, {-0.0f, 0.0f}, {inf, 1.0f}, {3e38f, -3e38f}, {1e-45f, 0.0f}, {0.0f, 2.0f}});
    complexLanes<Orv64fc>({{0.0, -0.0}, {-0.0, 0.0}, {0.0, 2.0}, {-3.0, 0.5}});
}

// Constant divisors multiply by the reciprocal formed once (complex: by
// conj(val) / |val|^2); 1 copies (a -0 stays -0, NaN its payload) and
// +-infinity writes +0 everywhere.
template <class T>
void constantDivisor(T val, std::vector<T> x, std::function<T(T)> want)
{
    runDiv<T, T, T>("DivC", VC(Float<T>::divC), VCI(Float<T>::divCI), x, std::vector<T>(x.size(), val), 0, x.size() % 4,
                    [&](int i, T got) { return ::testing::AssertionResult(sameBits(got, want(x[i]))); });
}

TEST(DivFloat, ConstantDivisors)
{
    const float inf = std::numeric_limits<float>::infinity();
    for (int len : oddLengths()) {
        auto x = randomVector<float>(len, 700 + len, -1e3, 1e3);
        const auto xd = randomVector<double>(len, 800 + len, -1e3, 1e3);
        for (float val : {3.0f, -0.1f, 1e-3f}) {
            constantDivisor<float>(val, x, [r = 1.0f / val](float v) { return v * r; });
            constantDivisor<double>(val, xd, [r = 1.0 / double(val)](double v) { return v * r; });
        }
        x[0] = -0.0f;
        x[len - 1] = std::numeric_limits<float>::quiet_NaN();
        constantDivisor<float>(1.0f, x, [](float v) { return v; });
        constantDivisor<float>(-inf, x, [](float) { return 0.0f; });
        const Orv32fc val{1.5f, -2.0f};
        const float m = val.re * val.re + val.im * val.im, cr = val.re / m, ci = -val.im / m;
        const auto c = randomVector<Orv32fc>(len, 900 + len, -50, 50);
        constantDivisor<Orv32fc>(val, c, [&](Orv32fc v) { return Orv32fc{v.re * cr - v.im * ci, v.re * ci + v.im * cr}; });
        std::vector<Orv64fc> cd(len);
        for (int i = 0; i < len; ++i) cd[i] = {c[i].re, c[i].im};
        constantDivisor<Orv64fc>({0.0, 4.0}, cd, [](Orv64fc v) { return Orv64fc{v.im * 0.25, v.re * -0.25}; });
    }
}

} // namespace
