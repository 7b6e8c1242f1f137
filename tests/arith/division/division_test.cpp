// Division family: argument checks, the exact integer rule against an
// independent rational model, zero-divisor outputs and warnings, the
// floating-point members, the constant forms and the parallel split.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <limits>
#include <random>
#include <vector>

#include "division_reference.h"
#include "test_util.h"

using namespace orvs_test;
using div_ref::Mode;

namespace {


// Random integers of T with a share of zeros, ones and extremes mixed in.
template <class T>
std::vector<T> operands(std::size_t n, std::uint32_t seed)
{
    auto v = randomVector<T>(n, seed);
    std::mt19937 rng(seed ^ 0x9e3779b9u);
    for (auto& x : v) {
        switch (rng() % 16) {
        case 0: x = 0; break;
        case 1: x = 1; break;
        case 2: x = std::numeric_limits<T>::min(); break;
        case 3: x = std::numeric_limits<T>::max(); break;
        case 4: x = static_cast<T>(rng() % 7); break;  // small: many exact halves
        default: break;
        }
    }
    return v;
}

bool anyZero(const auto& v)
{
    for (auto x : v)
        if (x == 0) return true;
    return false;
}

// ---- integer members, vector / vector --------------------------------------

// f(divisor, dividend, dst, len, s) of an _Sfs member and g(divisor, srcDst,
// len, s) of its in-place form, against the model. A constant member reads
// its divisor from d[0] (the divisors are then one non-zero value).
template <class TX, class TD, class TO>
void checkIntVV(const char* name, int sLo, int sHi, const std::function<TO(TX, TD, int)>& model,
                const std::function<OrvStatus(const TD*, const TX*, TO*, int, int)>& f,
                const std::function<OrvStatus(const TD*, TO*, int, int)>& g, bool constant = false)
{
    std::uint32_t seed = 1;
    for (int len : oddLengths()) {
        for (int s = sLo; s <= sHi; s += (quick() ? 5 : 1)) {
            const auto x = operands<TX>(len, seed++);
            auto d = operands<TD>(len, seed++);
            for (int i = 0; i < len; i += 3) d[i] = static_cast<TD>(d[i] % 1000);  // larger quotients
            if (constant) std::fill(d.begin(), d.end(), d[len / 2] ? d[len / 2] : TD(3));
            Unaligned<TX> ux(len);
            Unaligned<TD> ud(len);
            Unaligned<TO> uo(len);
            ux.assign(x);
            ud.assign(d);
            const OrvStatus st = f(ud.data(), ux.data(), uo.data(), len, s);
            ASSERT_EQ(st, anyZero(d) ? orvStsWarnDivByZero : orvStsOk) << name << " len " << len << " s " << s;
            for (int i = 0; i < len; ++i)
                ASSERT_EQ(uo[i], model(x[i], d[i], s))
                    << name << " x " << +x[i] << " d " << +d[i] << " s " << s << " i " << i;
            if constexpr (std::is_same_v<TX, TO>) {
                // In place: the same values and status.
                Unaligned<TO> io(len);
                io.assign(x);
                ASSERT_EQ(g(ud.data(), io.data(), len, s), st);
                ASSERT_EQ(io.vec(), uo.vec()) << name << " in place, s " << s;
            }
        }
    }
}

// The exact rule in one rounding mode.
template <class TX, class TD, class TO>
std::function<TO(TX, TD, int)> exactRule(Mode mode)
{
    return [mode](TX x, TD d, int s) { return div_ref::quotient<TO>(x, d, s, mode); };
}

// Div_32s: x * 2^-s and d in double, one division, ties to even, clamp.
Orv32s doubleQuotient32s(Orv32s x, Orv32s d, int s)
{
    if (d == 0) return div_ref::quotient<Orv32s>(x, 0, 0);
    if (s > 32) return 0;
    if (s < -62) return div_ref::quotient<Orv32s>((x > 0) - (x < 0), (d > 0) - (d < 0), -40);  // by sign
    const double q = std::rint(std::ldexp(double(x), -s) / double(d));
    return static_cast<Orv32s>(std::fmin(std::fmax(q, -2147483648.0), 2147483647.0));
}

#define VV(fn) [](auto* d, auto* x, auto* o, int n, int s) { return fn(d, x, o, n, s); }
#define VVI(fn) [](auto* d, auto* xo, int n, int s) { return fn(d, xo, n, s); }
#define VVR(fn, m) [=](auto* d, auto* x, auto* o, int n, int s) { return fn(d, x, o, n, m, s); }
#define VVRI(fn, m) [=](auto* d, auto* xo, int n, int s) { return fn(d, xo, n, m, s); }
#define VC(fn) [](auto* d, auto* x, auto* o, int n, int s) { return fn(x, d[0], o, n, s); }
#define VCI(fn) [](auto* d, auto* xo, int n, int s) { return fn(d[0], xo, n, s); }

} // namespace

TEST(DivChecks, PointersThenLengthThenParameters)
{
    Orv16s a[4] = {1, 2, 3, 4}, b[4] = {5, 6, 7, 8}, o[4] = {9, 9, 9, 9};
    EXPECT_EQ(orvsDiv_16s_Sfs(nullptr, b, o, 0, 0), orvStsErrNullPtr);
    EXPECT_EQ(orvsDiv_16s_Sfs(a, nullptr, o, 4, 0), orvStsErrNullPtr);
    EXPECT_EQ(orvsDiv_16s_Sfs(a, b, nullptr, 4, 0), orvStsErrNullPtr);
    EXPECT_EQ(orvsDiv_16s_Sfs(a, b, o, 0, 0), orvStsErrSize);
    EXPECT_EQ(orvsDiv_16s_Sfs(a, b, o, -3, 0), orvStsErrSize);
    EXPECT_EQ(orvsDiv_Round_16s_Sfs(a, b, o, 4, OrvRoundMode(3), 0), orvStsErrRoundMode);
    EXPECT_EQ(orvsDiv_Round_16s_Sfs(a, b, o, 0, OrvRoundMode(3), 0), orvStsErrSize);
    EXPECT_EQ(orvsDiv_Round_8u_ISfs(nullptr, nullptr, 0, OrvRoundMode(-1), 0), orvStsErrNullPtr);
    EXPECT_EQ(orvsDiv_Round_16u_ISfs(reinterpret_cast<Orv16u*>(a), reinterpret_cast<Orv16u*>(o), 4,
                                     OrvRoundMode(-1), 0), orvStsErrRoundMode);
    EXPECT_EQ(orvsDivC_16s_Sfs(a, 0, o, 4, 0), orvStsErrDivByZero);
    EXPECT_EQ(orvsDivC_16s_Sfs(a, 0, o, 0, 0), orvStsErrSize);
    EXPECT_EQ(orvsDivC_16s_Sfs(nullptr, 0, o, 0, 0), orvStsErrNullPtr);
    EXPECT_EQ(orvsDivC_16s_ISfs(0, o, 4, 40), orvStsErrDivByZero);  // before the zeroing shortcut
    EXPECT_EQ(orvsDivC_16sc_Sfs(reinterpret_cast<Orv16sc*>(a), Orv16sc{0, 0}, reinterpret_cast<Orv16sc*>(o), 2, 0),
              orvStsErrDivByZero);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(o[i], 9);  // nothing written on error

    float f[3] = {1, 2, 3}, fo[3] = {7, 7, 7};
    EXPECT_EQ(orvsDivC_32f(f, 0.0f, fo, 3), orvStsErrDivByZero);
    EXPECT_EQ(orvsDivC_32f(f, -0.0f, fo, 3), orvStsErrDivByZero);
    EXPECT_EQ(orvsDivC_32fc_I(Orv32fc{1e-30f, 1e-30f}, reinterpret_cast<Orv32fc*>(fo), 1), orvStsErrDivByZero);
    EXPECT_EQ(orvsDiv_32f(f, f, fo, 0), orvStsErrSize);
    EXPECT_EQ(orvsDivCRev_32f(nullptr, 1.0f, fo, 3), orvStsErrNullPtr);
    for (float v : fo) EXPECT_EQ(v, 7.0f);

    Orv64s w[2] = {5, -5};
    EXPECT_EQ(orvsDivC_64s_ISfs(3, nullptr, 0, 0), orvStsErrNullPtr);
    EXPECT_EQ(orvsDivC_64s_ISfs(3, w, 0, 0), orvStsErrSize);
    EXPECT_EQ(w[0], 5);
}

TEST(DivRule, CornerExamples)
{
    const Orv16s two[3] = {2, 2, 2}, odd[3] = {1, 3, 5};
    Orv16s o[3];
    ASSERT_EQ(orvsDiv_16s_Sfs(two, odd, o, 3, 0), orvStsOk);
    EXPECT_EQ(std::vector<Orv16s>(o, o + 3), (std::vector<Orv16s>{0, 2, 2}));
    ASSERT_EQ(orvsDiv_Round_16s_Sfs(two, odd, o, 3, orvRndFinancial, 0), orvStsOk);
    EXPECT_EQ(std::vector<Orv16s>(o, o + 3), (std::vector<Orv16s>{1, 2, 3}));
    ASSERT_EQ(orvsDiv_Round_16s_Sfs(two, odd, o, 3, orvRndZero, 0), orvStsOk);
    EXPECT_EQ(std::vector<Orv16s>(o, o + 3), (std::vector<Orv16s>{0, 1, 2}));

    const Orv16s zero[3] = {0, 0, 0}, xs[3] = {5, -5, 0};
    EXPECT_EQ(orvsDiv_16s_Sfs(zero, xs, o, 3, 0), orvStsWarnDivByZero);
    EXPECT_EQ(std::vector<Orv16s>(o, o + 3), (std::vector<Orv16s>{32767, -32768, 0}));

    const Orv8u d8[3] = {0, 1, 2}, x8[3] = {7, 255, 255};
    Orv8u o8[3];
    EXPECT_EQ(orvsDiv_8u_Sfs(d8, x8, o8, 3, 9), orvStsWarnDivByZero);
    EXPECT_EQ(std::vector<Orv8u>(o8, o8 + 3), (std::vector<Orv8u>{255, 0, 0}));

    const float negZero = -0.0f, one = 1.0f;
    float q;
    EXPECT_EQ(orvsDiv_32f(&negZero, &one, &q, 1), orvStsWarnDivByZero);
    EXPECT_EQ(q, std::numeric_limits<float>::infinity());

    const double inf = std::numeric_limits<double>::infinity();
    const double src[4] = {1.0, -inf, inf, -3.0};
    double dst[4];
    EXPECT_EQ(orvsDivC_64f(src, inf, dst, 4), orvStsOk);
    for (double v : dst) EXPECT_TRUE(v == 0.0 && !std::signbit(v));
}

TEST(DivRule, ScaleRangesAndZeroDivisorsOutsideThem)
{
    // Above the range: zeros except zero divisors; below: sign saturation
    // with a zero divisor counted as positive.
    const Orv16s d[4] = {0, 0, 3, -3}, x[4] = {4, -4, 5, 5};
    Orv16s o[4];
    EXPECT_EQ(orvsDiv_16s_Sfs(d, x, o, 4, 16), orvStsWarnDivByZero);
    EXPECT_EQ(std::vector<Orv16s>(o, o + 4), (std::vector<Orv16s>{32767, -32768, 0, 0}));
    EXPECT_EQ(orvsDiv_16s_Sfs(d, x, o, 4, -31), orvStsWarnDivByZero);
    EXPECT_EQ(std::vector<Orv16s>(o, o + 4), (std::vector<Orv16s>{32767, -32768, 32767, -32768}));
    const Orv16s dd[1] = {-1}, xx[1] = {-32768};
    EXPECT_EQ(orvsDiv_Round_16s_Sfs(dd, xx, o, 1, orvRndFinancial, 16), orvStsOk);  // 0.5 away from zero
    EXPECT_EQ(o[0], 1);
    EXPECT_EQ(orvsDiv_16s_Sfs(dd, xx, o, 1, 16), orvStsOk);  // 0.5 ties to even
    EXPECT_EQ(o[0], 0);

    const Orv16u du[3] = {0, 5, 7}, xu[3] = {0, 1, 0};
    Orv16u ou[3];
    EXPECT_EQ(orvsDivC_16u_Sfs(xu, 3, ou, 3, -32), orvStsOk);  // every output 65535
    EXPECT_EQ(std::vector<Orv16u>(ou, ou + 3), (std::vector<Orv16u>{65535, 65535, 65535}));
    EXPECT_EQ(orvsDiv_16u_Sfs(du, xu, ou, 3, -40), orvStsWarnDivByZero);
    EXPECT_EQ(std::vector<Orv16u>(ou, ou + 3), (std::vector<Orv16u>{0, 65535, 0}));
}

TEST(DivRule, IntegerVectorMembersMatchTheirModels)
{
    const auto near = div_ref::kNear;
    checkIntVV<Orv8u, Orv8u, Orv8u>("Div_8u", -18, 11, exactRule<Orv8u, Orv8u, Orv8u>(near), VV(orvsDiv_8u_Sfs),
                                    VVI(orvsDiv_8u_ISfs));
    checkIntVV<Orv16s, Orv16s, Orv16s>("Div_16s", -33, 18, exactRule<Orv16s, Orv16s, Orv16s>(near),
                                       VV(orvsDiv_16s_Sfs), VVI(orvsDiv_16s_ISfs));
    checkIntVV<Orv16u, Orv16u, Orv16u>("Div_16u", -34, 19, exactRule<Orv16u, Orv16u, Orv16u>(near),
                                       VV(orvsDiv_16u_Sfs), VVI(orvsDiv_16u_ISfs));
    checkIntVV<Orv32s, Orv16s, Orv16s>("Div_32s16s", -32, 34, exactRule<Orv32s, Orv16s, Orv16s>(near),
                                       VV(orvsDiv_32s16s_Sfs), nullptr);
    checkIntVV<Orv32s, Orv32s, Orv32s>("Div_32s", -66, 36, doubleQuotient32s, VV(orvsDiv_32s_Sfs), VVI(orvsDiv_32s_ISfs));
    for (Mode m : {div_ref::kZero, div_ref::kNear, div_ref::kAway}) {
        const auto rm = static_cast<OrvRoundMode>(m);
        checkIntVV<Orv8u, Orv8u, Orv8u>("Div_Round_8u", -17, 10, exactRule<Orv8u, Orv8u, Orv8u>(m),
                                        VVR(orvsDiv_Round_8u_Sfs, rm), VVRI(orvsDiv_Round_8u_ISfs, rm));
        checkIntVV<Orv16s, Orv16s, Orv16s>("Div_Round_16s", -32, 18, exactRule<Orv16s, Orv16s, Orv16s>(m),
                                           VVR(orvsDiv_Round_16s_Sfs, rm), VVRI(orvsDiv_Round_16s_ISfs, rm));
        checkIntVV<Orv16u, Orv16u, Orv16u>("Div_Round_16u", -33, 18, exactRule<Orv16u, Orv16u, Orv16u>(m),
                                           VVR(orvsDiv_Round_16u_Sfs, rm), VVRI(orvsDiv_Round_16u_ISfs, rm));
    }
}

TEST(DivRule, ConstantDivisorsAndDividends)
{
    const auto near = div_ref::kNear;
    checkIntVV<Orv8u, Orv8u, Orv8u>("DivC_8u", -35, 20, exactRule<Orv8u, Orv8u, Orv8u>(near), VC(orvsDivC_8u_Sfs),
                                    VCI(orvsDivC_8u_ISfs), true);
    checkIntVV<Orv16s, Orv16s, Orv16s>("DivC_16s", -35, 20, exactRule<Orv16s, Orv16s, Orv16s>(near),
                                       VC(orvsDivC_16s_Sfs), VCI(orvsDivC_16s_ISfs), true);
    // Below its range every 16u output is 65535.
    auto below16u = [](Orv16u x, Orv16u d, int s) { return s <= -32 ? Orv16u(65535) : div_ref::quotient<Orv16u>(x, d, s); };
    checkIntVV<Orv16u, Orv16u, Orv16u>("DivC_16u", -35, 20, below16u, VC(orvsDivC_16u_Sfs), VCI(orvsDivC_16u_ISfs), true);
    std::uint32_t seed = 300;
    for (int len : oddLengths()) {
        // Constant dividend.
        const auto d = operands<Orv16u>(len, seed++);
        for (Orv16u val : {Orv16u(0), Orv16u(1), Orv16u(7), Orv16u(65535), Orv16u(seed % 65536)}) {
            Unaligned<Orv16u> o(len);
            const OrvStatus st = orvsDivCRev_16u(d.data(), val, o.data(), len);
            ASSERT_EQ(st, anyZero(d) ? orvStsWarnDivByZero : orvStsOk);
            for (int i = 0; i < len; ++i)
                ASSERT_EQ(o[i], val == 0 ? Orv16u(0) : div_ref::quotient<Orv16u>(val, d[i], 0)) << val << "/" << d[i];
            auto in = d;
            ASSERT_EQ(orvsDivCRev_16u_I(val, in.data(), len), st);
            ASSERT_EQ(in, o.vec());
        }
    }
}

// ---- complex integer ------------------------------------------------------

namespace {
Orv16s cplxPart(std::int64_t num, std::int64_t den, std::int64_t dividendPart, int s)
{
    if (den == 0) return div_ref::quotient<Orv16s>(dividendPart, 0, 0);
    div_ref::i128 n = num, m = den;
    if (s >= 0) m <<= s; else n *= (div_ref::i128(1) << -s);
    return div_ref::saturate<Orv16s>(div_ref::roundQuotient(n, m, div_ref::kNear));
}
} // namespace

TEST(DivRule, Complex16scMatchesTheRationalModel)
{
    std::uint32_t seed = 900;
    for (int len : oddLengths()) {
        for (int s = -36; s <= 36; s += quick() ? 5 : 1) {
            auto x = randomVector<Orv16sc>(len, seed++);
            auto d = randomVector<Orv16sc>(len, seed++);
            for (int i = 0; i < len; i += 5) d[i] = {Orv16s(d[i].re % 4), Orv16s(d[i].im % 3)};  // zeros, tiny divisors
            bool zero = false;
            for (auto v : d) zero |= v.re == 0 && v.im == 0;
            Unaligned<Orv16sc> o(len);
            ASSERT_EQ(orvsDiv_16sc_Sfs(d.data(), x.data(), o.data(), len, s), zero ? orvStsWarnDivByZero : orvStsOk);
            for (int i = 0; i < len; ++i) {
                const std::int64_t xr = x[i].re, xi = x[i].im, dr = d[i].re, di = d[i].im;
                const std::int64_t m = dr * dr + di * di;
                Orv16s wr, wi;
                if (s > 32) {
                    wr = wi = 0;
                } else {
                    wr = cplxPart(xr * dr + xi * di, m, xr, s);
                    wi = cplxPart(xi * dr - xr * di, m, xi, s);
                }
                ASSERT_EQ(o[i].re, wr) << i << " s " << s;
                ASSERT_EQ(o[i].im, wi) << i << " s " << s;
            }
            // Constant divisor: the rule inside -16..15, zeros above.
            const Orv16sc val = d[len / 2].re == 0 && d[len / 2].im == 0 ? Orv16sc{3, -2} : d[len / 2];
            Unaligned<Orv16sc> oc(len);
            ASSERT_EQ(orvsDivC_16sc_Sfs(x.data(), val, oc.data(), len, s), orvStsOk);
            const std::int64_t m = std::int64_t(val.re) * val.re + std::int64_t(val.im) * val.im;
            for (int i = 0; i < len && s >= -16; ++i) {
                const std::int64_t xr = x[i].re, xi = x[i].im;
                const Orv16s wr = s > 15 ? 0 : cplxPart(xr * val.re + xi * val.im, m, xr, s);
                const Orv16s wi = s > 15 ? 0 : cplxPart(xi * val.re - xr * val.im, m, xi, s);
                ASSERT_EQ(oc[i].re, wr);
                ASSERT_EQ(oc[i].im, wi);
            }
            ASSERT_EQ(orvsDivC_16sc_ISfs(val, x.data(), len, s), orvStsOk);
            ASSERT_EQ(std::memcmp(x.data(), oc.data(), len * sizeof(Orv16sc)), 0);
        }
    }
    // Far left shifts multiply by the scaled double reciprocal.
    const Orv16sc x[3] = {{1, 0}, {0, -1}, {0, 0}};
    Orv16sc o[3];
    ASSERT_EQ(orvsDivC_16sc_Sfs(x, Orv16sc{1000, 0}, o, 3, -20), orvStsOk);
    EXPECT_EQ(o[0].re, 1049);  // 2^20 / 1000 = 1048.576
    EXPECT_EQ(o[1].im, -1049);
    EXPECT_EQ(o[2].re, 0);
    ASSERT_EQ(orvsDivC_16sc_Sfs(x, Orv16sc{1, 1}, o, 3, -200), orvStsOk);
    EXPECT_EQ(o[0].re, 32767);
    EXPECT_EQ(o[0].im, -32768);
}

// ---- 64-bit constant division ---------------------------------------------

TEST(DivRule, DivC64sIsExact)
{
    std::uint32_t seed = 4242;
    for (int s = -62; s <= 70; s += quick() ? 5 : 1) {
        const int len = 257;
        auto x = operands<Orv64s>(len, seed++);
        for (int i = 0; i < len; i += 4) x[i] >>= (seed + i) % 60;
        for (Orv64s val : {Orv64s(3), Orv64s(-7), Orv64s(1) << 40, std::numeric_limits<Orv64s>::min(),
                           std::numeric_limits<Orv64s>::max(), Orv64s(-1), Orv64s(1), Orv64s(seed) * 1000003}) {
            auto io = x;
            ASSERT_EQ(orvsDivC_64s_ISfs(val, io.data(), len, s), orvStsOk);
            for (int i = 0; i < len; ++i) {
                Orv64s want = 0;
                if (s <= 63) {
                    div_ref::i128 num = x[i], den = val;
                    if (s >= 0) den *= div_ref::i128(1) << s; else num *= div_ref::i128(1) << -s;
                    if (den < 0) { den = -den; num = -num; }
                    want = div_ref::saturate<Orv64s>(div_ref::roundQuotient(num, den, div_ref::kNear));
                }
                ASSERT_EQ(io[i], want) << "x " << x[i] << " val " << val << " s " << s;
            }
        }
    }
    Orv64s v[4] = {1, 3, -5, 0};
    ASSERT_EQ(orvsDivC_64s_ISfs(std::numeric_limits<Orv64s>::min(), v, 2, -64), orvStsOk);
    EXPECT_EQ(v[0], -2);  // 2^64 / -2^63
    EXPECT_EQ(v[1], -6);
    Orv64s w[2] = {3, -1};
    ASSERT_EQ(orvsDivC_64s_ISfs(Orv64s(1) << 62, w, 2, -70), orvStsOk);
    EXPECT_EQ(w[0], 768);
    EXPECT_EQ(w[1], -256);
    Orv64s z[3] = {9, -9, 0};
    EXPECT_EQ(orvsDivC_64s_ISfs(0, z, 3, 5), orvStsWarnDivByZero);
    EXPECT_EQ(z[0], std::numeric_limits<Orv64s>::max());
    EXPECT_EQ(z[1], std::numeric_limits<Orv64s>::min());
    EXPECT_EQ(z[2], 0);
}

// ---- floating point -------------------------------------------------------

// Single-precision division (every length, lane and special divisor) is
// covered at register boundaries in division_variants_test.cpp.
namespace {
using div_ref::sameValue;
using div_ref::zeroDivisorOutput;
} // namespace

TEST(DivFloat, Div64fcMatchesTheExtendedPrecisionQuotient)
{
    std::uint32_t seed = 66;
    for (int len : oddLengths()) {
        auto x = randomVector<Orv64fc>(len, seed++, -100, 100);
        auto d = randomVector<Orv64fc>(len, seed++, -100, 100);
        d[len - 1] = {0.0, -0.0};
        x[0] = {0.0, -4.0};
        std::vector<Orv64fc> o(len);
        ASSERT_EQ(orvsDiv_64fc(d.data(), x.data(), o.data(), len), orvStsWarnDivByZero);
        for (int i = 0; i < len; ++i) {
            const long double dr = d[i].re, di = d[i].im, xr = x[i].re, xi = x[i].im, m = dr * dr + di * di;
            if (m == 0) {
                ASSERT_TRUE(sameValue(o[i].re, zeroDivisorOutput(x[i].re)));
                ASSERT_TRUE(sameValue(o[i].im, zeroDivisorOutput(x[i].im)));
                continue;
            }
            const long double tol = 1e-14L * std::sqrt((xr * xr + xi * xi) / m);
            ASSERT_LE(std::fabs(o[i].re - (xr * dr + xi * di) / m), tol);
            ASSERT_LE(std::fabs(o[i].im - (xi * dr - xr * di) / m), tol);
        }
        auto in = x;
        orvsDiv_64fc_I(d.data(), in.data(), len);
        ASSERT_TRUE(sameBits(in.data(), o.data(), len));
    }
}

TEST(DivFloat, ConstantDivisors)
{
    for (int len : oddLengths()) {
        const auto x = randomVector<float>(len, 700 + len, -1e3, 1e3);
        const auto xd = randomVector<double>(len, 800 + len, -1e3, 1e3);
        Unaligned<float> o(len);
        Unaligned<double> od(len);
        for (float val : {3.0f, -0.1f, 1e-3f}) {
            ASSERT_EQ(orvsDivC_32f(x.data(), val, o.data(), len), orvStsOk);
            const float r = 1.0f / val;
            for (int i = 0; i < len; ++i) ASSERT_EQ(o[i], x[i] * r);
            ASSERT_EQ(orvsDivC_64f(xd.data(), double(val), od.data(), len), orvStsOk);
            const double rd = 1.0 / double(val);
            for (int i = 0; i < len; ++i) ASSERT_EQ(od[i], xd[i] * rd);
        }
        // 1 copies (a -0 stays -0), +-infinity writes +0 everywhere.
        auto in = x;
        in[0] = -0.0f;
        in[len - 1] = std::numeric_limits<float>::quiet_NaN();
        ASSERT_EQ(orvsDivC_32f(in.data(), 1.0f, o.data(), len), orvStsOk);
        ASSERT_EQ(std::memcmp(in.data(), o.data(), len * sizeof(float)), 0);
        ASSERT_EQ(orvsDivC_32f_I(-std::numeric_limits<float>::infinity(), in.data(), len), orvStsOk);
        for (float v : in) ASSERT_TRUE(v == 0.0f && !std::signbit(v));
        auto ind = xd;
        ASSERT_EQ(orvsDivC_64f_I(4.0, ind.data(), len), orvStsOk);
        for (int i = 0; i < len; ++i) ASSERT_EQ(ind[i], xd[i] * 0.25);

        // Complex constants: multiplication by conj(val) / |val|^2.
        const auto c = randomVector<Orv32fc>(len, 900 + len, -50, 50);
        std::vector<Orv32fc> oc(len);
        const Orv32fc val{1.5f, -2.0f};
        ASSERT_EQ(orvsDivC_32fc(c.data(), val, oc.data(), len), orvStsOk);
        const float m = val.re * val.re + val.im * val.im, cr = val.re / m, ci = -val.im / m;
        for (int i = 0; i < len; ++i) {
            ASSERT_EQ(oc[i].re, c[i].re * cr - c[i].im * ci);
            ASSERT_EQ(oc[i].im, c[i].re * ci + c[i].im * cr);
        }
        auto cin = c;
        ASSERT_EQ(orvsDivC_32fc_I(val, cin.data(), len), orvStsOk);
        ASSERT_EQ(std::memcmp(cin.data(), oc.data(), len * sizeof(Orv32fc)), 0);
        std::vector<Orv64fc> cd(len), ocd(len);
        for (int i = 0; i < len; ++i) cd[i] = {c[i].re, c[i].im};
        const Orv64fc vd{0.0, 4.0};
        ASSERT_EQ(orvsDivC_64fc(cd.data(), vd, ocd.data(), len), orvStsOk);
        for (int i = 0; i < len; ++i) {
            ASSERT_EQ(ocd[i].re, cd[i].im * 0.25);
            ASSERT_EQ(ocd[i].im, cd[i].re * -0.25);
        }
        ASSERT_EQ(orvsDivC_64fc_I(vd, cd.data(), len), orvStsOk);
        ASSERT_EQ(std::memcmp(cd.data(), ocd.data(), len * sizeof(Orv64fc)), 0);
    }
}

// ---- the parallel split ---------------------------------------------------

// Every member with a parallel path, at lengths on both sides of its
// threshold: the same bytes and status under 1, 2 and 4 threads, and the
// warning when the only zero divisor lies in the last thread's chunk.
TEST(DivThreads, SameResultForEveryThreadCountAndWarningFromTheLastChunk)
{
    for (int len : {1023, 1024, 4096, 4097, 10001}) {
        auto nonZero = [len](auto v, auto one) {
            for (auto& x : v)
                if (x == 0) x = one;
            v[len - 1] = 0;  // the only zero divisor, in the last chunk
            return v;
        };
        const auto d16 = nonZero(operands<Orv16s>(len, 11), Orv16s(3)), x16 = operands<Orv16s>(len, 12);
        const auto d8 = nonZero(operands<Orv8u>(len, 13), Orv8u(1)), x8 = operands<Orv8u>(len, 14);
        const auto d32 = nonZero(operands<Orv32s>(len, 15), Orv32s(-1)), x32 = operands<Orv32s>(len, 16);
        const auto* du = reinterpret_cast<const Orv16u*>(d16.data());
        std::vector<Orv16sc> dc(len, Orv16sc{2, -1});
        dc[len - 1] = {0, 0};
        const auto* xc = reinterpret_cast<const Orv16sc*>(x32.data());
        auto df = randomVector<float>(len, 17, 0.5, 9.0);
        const auto xf = randomVector<float>(len, 18);
        df[len - 1] = -0.0f;
        std::vector<double> dd(df.begin(), df.end()), xd(xf.begin(), xf.end());
        std::vector<Orv64fc> dz(len, Orv64fc{1.0, 2.0}), xz(len, Orv64fc{3.0, -1.0});
        dz[len - 1] = {0.0, 0.0};
        const OrvStatus warn = orvStsWarnDivByZero;
        struct Case {
            const char* name;
            std::size_t elementBytes;
            OrvStatus want;
            std::function<OrvStatus(void*)> call;
        };
        const Case cases[] = {
            {"Div_16s", 2, warn, [&](void* o) { return orvsDiv_16s_Sfs(d16.data(), x16.data(), (Orv16s*)o, len, 2); }},
            {"Div_Round_16s", 2, warn,
             [&](void* o) { return orvsDiv_Round_16s_Sfs(d16.data(), x16.data(), (Orv16s*)o, len, orvRndFinancial, -3); }},
            {"DivC_16s", 2, orvStsOk, [&](void* o) { return orvsDivC_16s_Sfs(x16.data(), -7, (Orv16s*)o, len, 1); }},
            {"Div_Round_8u", 1, warn,
             [&](void* o) { return orvsDiv_Round_8u_Sfs(d8.data(), x8.data(), (Orv8u*)o, len, orvRndZero, -1); }},
            {"DivCRev_16u", 2, warn, [&](void* o) { return orvsDivCRev_16u(du, 60000, (Orv16u*)o, len); }},
            {"Div_32s", 4, warn, [&](void* o) { return orvsDiv_32s_Sfs(d32.data(), x32.data(), (Orv32s*)o, len, -5); }},
            {"Div_16sc", 4, warn, [&](void* o) { return orvsDiv_16sc_Sfs(dc.data(), xc, (Orv16sc*)o, len, 1); }},
            {"Div_32f", 4, warn, [&](void* o) { return orvsDiv_32f(df.data(), xf.data(), (float*)o, len); }},
            {"DivCRev_32f", 4, warn, [&](void* o) { return orvsDivCRev_32f(df.data(), 2.0f, (float*)o, len); }},
            {"Div_64f", 8, warn, [&](void* o) { return orvsDiv_64f(dd.data(), xd.data(), (double*)o, len); }},
            {"Div_64fc", 16, warn, [&](void* o) { return orvsDiv_64fc(dz.data(), xz.data(), (Orv64fc*)o, len); }},
        };
        for (const Case& c : cases) {
            std::vector<unsigned char> first;
            for (int threads : {1, 2, 4}) {
                ThreadCount tc(threads);
                std::vector<unsigned char> out(len * c.elementBytes);
                EXPECT_EQ(c.call(out.data()), c.want) << c.name << " len " << len << ", " << threads << " threads";
                if (threads == 1) first = out;
                else EXPECT_TRUE(out == first) << c.name << " len " << len << ", " << threads << " threads";
            }
        }
    }
}
