// Integer division: the family's statuses in the check order, the exact rule
// (zero divisors in every lane, constant forms, every 16-bit pair) and the
// parallel split.
#include <functional>
#include <tuple>

#include "division_reference.h"

using namespace arith_test;

namespace {

// An integer member f(divisor, dividend, dst, len, s) and its in-place form
// g (or nullptr) against the exact rule in a mode, or model(x, d, s): every
// scale factor sLo..sHi at odd lengths, then every length up to 70 with the
// only zero divisor in each lane in turn. Constant members read d[0].
template <class TX, class TD = TX, class TO = TX, class M, class F, class G>
void checkInt(const char* name, int sLo, int sHi, M model, F f, G g, bool constant = false)
{
    std::uint32_t seed = 1;
    auto run = [&](int len, int s, int zeroAt) {
        const auto x = edgyVector<TX>(len, seed++);
        auto d = edgyVector<TD>(len, seed++);
        for (int i = 0; i < len; i += 3) d[i] = static_cast<TD>(d[i] % 1000);  // larger quotients
        if (constant) std::fill(d.begin(), d.end(), d[len / 2] ? d[len / 2] : TD(3));
        if (zeroAt >= -1 && !constant)
            for (int i = 0; i < len; ++i) d[i] = i == zeroAt ? TD(0) : d[i] % 50 ? TD(d[i] % 50) : TD(1);
        runDiv<TX, TD, TO>(name, f, g, x, d, s, len % 4, [&](int i, TO got) {
            TO w;
            if constexpr (std::is_same_v<M, Mode>) w = quotient<TO>(x[i], d[i], s, model);
            else w = model(x[i], d[i], s);
            if (got == w) return ::testing::AssertionSuccess();
            return ::testing::AssertionFailure() << +x[i] << " / " << +d[i] << " gave " << +got << ", want " << +w;
        });
    };
    for (int len : oddLengths())
        for (int s = sLo; s <= sHi && !::testing::Test::HasFatalFailure(); s += (quick() ? 5 : 1)) run(len, s, -2);
    for (int n = 1; n <= 70; ++n)
        for (int zeroAt = -1; zeroAt < (constant ? 0 : n) && !::testing::Test::HasFatalFailure(); zeroAt += (n > 40 ? 7 : 1))
            run(n, (n + zeroAt) % 2 ? 3 : 0, zeroAt);
}

// Div_32s: x * 2^-s and d in double, one division, ties to even, clamp.
Orv32s doubleQuotient32s(Orv32s x, Orv32s d, int s)
{
    if (d == 0) return quotient<Orv32s>(x, 0, 0);
    if (s > 32) return 0;
    if (s < -62) return quotient<Orv32s>((x > 0) - (x < 0), (d > 0) - (d < 0), -40);  // by sign
    const double q = std::rint(std::ldexp(double(x), -s) / double(d));
    return static_cast<Orv32s>(std::fmin(std::fmax(q, -2147483648.0), 2147483647.0));
}

} // namespace

// The family's own statuses and their place after the pointer and length
// checks; nothing written on error.
TEST(DivChecks, RoundModeAndZeroDivisorErrorsInOrder)
{
    Orv16s a[4] = {1, 2, 3, 4}, o[4] = {9, 9, 9, 9};
    auto* u = reinterpret_cast<Orv16u*>(a);
    auto* cx = reinterpret_cast<Orv16sc*>(a);
    float f[3] = {1, 2, 3}, fo[3] = {7, 7, 7};
    const struct { const char* what; OrvStatus got, want; } rows[] = {
        {"bad mode", orvsDiv_Round_16s_Sfs(a, a, o, 4, OrvRoundMode(3), 0), orvStsErrRoundMode},
        {"length before mode", orvsDiv_Round_16s_Sfs(a, a, o, 0, OrvRoundMode(3), 0), orvStsErrSize},
        {"pointers before mode", orvsDiv_Round_8u_ISfs(nullptr, nullptr, 0, OrvRoundMode(-1), 0), orvStsErrNullPtr},
        {"negative mode", orvsDiv_Round_16u_ISfs(u, reinterpret_cast<Orv16u*>(o), 4, OrvRoundMode(-1), 0), orvStsErrRoundMode},
        {"zero constant", orvsDivC_16s_Sfs(a, 0, o, 4, 0), orvStsErrDivByZero},
        {"length before zero constant", orvsDivC_16s_Sfs(a, 0, o, 0, 0), orvStsErrSize},
        {"pointer before zero constant", orvsDivC_16s_Sfs(nullptr, 0, o, 0, 0), orvStsErrNullPtr},
        {"zero constant before the zeroing scale", orvsDivC_16s_ISfs(0, o, 4, 40), orvStsErrDivByZero},
        {"complex zero constant", orvsDivC_16sc_Sfs(cx, Orv16sc{0, 0}, reinterpret_cast<Orv16sc*>(o), 2, 0), orvStsErrDivByZero},
        {"float zero constant", orvsDivC_32f(f, 0.0f, fo, 3), orvStsErrDivByZero},
        {"float -0 constant", orvsDivC_32f(f, -0.0f, fo, 3), orvStsErrDivByZero},
        {"|val|^2 underflows", orvsDivC_32fc_I(Orv32fc{1e-30f, 1e-30f}, reinterpret_cast<Orv32fc*>(fo), 1), orvStsErrDivByZero},
    };
    for (const auto& r : rows) EXPECT_EQ(r.got, r.want) << r.what;
    for (Orv16s v : o) EXPECT_EQ(v, 9);
    for (float v : fo) EXPECT_EQ(v, 7.0f);
}

// Hand-worked values through the same driver: ties, the modes, zero
// divisors, and the ranges outside which outputs are zero (zero divisors
// excepted) or saturate by sign (a zero divisor counted as positive).
TEST(DivRule, CornerExamples)
{
    expectDiv<Orv16s>("ties to even", VV(orvsDiv_16s_Sfs, s), {2, 2, 2}, {1, 3, 5}, 0, {0, 2, 2}, VVI(orvsDiv_16s_ISfs, s));
    expectDiv<Orv16s>("away", VV(orvsDiv_Round_16s_Sfs, orvRndFinancial, s), {2, 2, 2}, {1, 3, 5}, 0, {1, 2, 3});
    expectDiv<Orv16s>("toward zero", VV(orvsDiv_Round_16s_Sfs, orvRndZero, s), {2, 2, 2}, {1, 3, 5}, 0, {0, 1, 2});
    expectDiv<Orv16s>("zero divisors", VV(orvsDiv_16s_Sfs, s), {0, 0, 0}, {5, -5, 0}, 0, {32767, -32768, 0});
    expectDiv<Orv8u>("8u zero divisor", VV(orvsDiv_8u_Sfs, s), {0, 1, 2}, {7, 255, 255}, 9, {255, 0, 0});
    expectDiv<Orv16s>("above the range", VV(orvsDiv_16s_Sfs, s), {0, 0, 3, -3}, {4, -4, 5, 5}, 16, {32767, -32768, 0, 0});
    expectDiv<Orv16s>("below the range", VV(orvsDiv_16s_Sfs, s), {0, 0, 3, -3}, {4, -4, 5, 5}, -31, {32767, -32768, 32767, -32768});
    expectDiv<Orv16s>("0.5 away", VV(orvsDiv_Round_16s_Sfs, orvRndFinancial, s), {-1}, {-32768}, 16, {1});
    expectDiv<Orv16s>("0.5 to even", VV(orvsDiv_16s_Sfs, s), {-1}, {-32768}, 16, {0});
    expectDiv<Orv16u>("16u constant below the range", VC(orvsDivC_16u_Sfs, s), {3, 3, 3}, {0, 1, 0}, -32, {65535, 65535, 65535});
    expectDiv<Orv16u>("16u below the range", VV(orvsDiv_16u_Sfs, s), {0, 5, 7}, {0, 1, 0}, -40, {0, 65535, 0});
    const float inf = std::numeric_limits<float>::infinity();
    auto div32f = [](auto* d, auto* x, auto* o, int n, int) { return orvsDiv_32f(d, x, o, n); };
    auto divC32f = [](auto* d, auto* x, auto* o, int n, int) { return orvsDivC_32f(x, d[0], o, n); };
    expectDiv<float>("1 / -0", div32f, {-0.0f}, {1.0f}, 0, {inf});
    expectDiv<float>("by infinity", divC32f, {inf, inf, inf, inf}, {1.0f, -inf, inf, -3.0f}, 0, {0.0f, 0.0f, 0.0f, 0.0f});
}

TEST(DivRule, IntegerVectorMembersMatchTheirModels)
{
    checkInt<Orv8u>("Div_8u", -18, 11, kNear, VV(orvsDiv_8u_Sfs, s), VVI(orvsDiv_8u_ISfs, s));
    checkInt<Orv16s>("Div_16s", -33, 18, kNear, VV(orvsDiv_16s_Sfs, s), VVI(orvsDiv_16s_ISfs, s));
    checkInt<Orv16u>("Div_16u", -34, 19, kNear, VV(orvsDiv_16u_Sfs, s), VVI(orvsDiv_16u_ISfs, s));
    checkInt<Orv32s, Orv16s, Orv16s>("Div_32s16s", -32, 34, kNear, VV(orvsDiv_32s16s_Sfs, s), nullptr);
    checkInt<Orv32s>("Div_32s", -66, 36, doubleQuotient32s, VV(orvsDiv_32s_Sfs, s), VVI(orvsDiv_32s_ISfs, s));
    for (Mode m : {kZero, kNear, kAway}) {
        const auto rm = static_cast<OrvRoundMode>(m);
        checkInt<Orv8u>("Div_Round_8u", -17, 10, m, VV(orvsDiv_Round_8u_Sfs, rm, s), VVI(orvsDiv_Round_8u_ISfs, rm, s));
        checkInt<Orv16s>("Div_Round_16s", -32, 18, m, VV(orvsDiv_Round_16s_Sfs, rm, s), VVI(orvsDiv_Round_16s_ISfs, rm, s));
        checkInt<Orv16u>("Div_Round_16u", -33, 18, m, VV(orvsDiv_Round_16u_Sfs, rm, s), VVI(orvsDiv_Round_16u_ISfs, rm, s));
    }
}

TEST(DivRule, ConstantDivisorsAndDividends)
{
    checkInt<Orv8u>("DivC_8u", -35, 20, kNear, VC(orvsDivC_8u_Sfs, s), VCI(orvsDivC_8u_ISfs, s), true);
    checkInt<Orv16s>("DivC_16s", -35, 20, kNear, VC(orvsDivC_16s_Sfs, s), VCI(orvsDivC_16s_ISfs, s), true);
    // Below its range every 16u output is 65535.
    auto below16u = [](Orv16u x, Orv16u d, int s) { return s <= -32 ? Orv16u(65535) : quotient<Orv16u>(x, d, s); };
    checkInt<Orv16u>("DivC_16u", -35, 20, below16u, VC(orvsDivC_16u_Sfs, s), VCI(orvsDivC_16u_ISfs, s), true);
    // Constant dividend: the divisors vary.
    for (Orv16u val : {Orv16u(0), Orv16u(1), Orv16u(7), Orv16u(65535), Orv16u(40503)}) {
        auto f = [val](auto* d, auto*, auto* o, int n, int) { return orvsDivCRev_16u(d, val, o, n); };
        auto g = [val](auto* d, auto* xo, int n, int) { return std::copy(d, d + n, xo), orvsDivCRev_16u_I(val, xo, n); };
        auto model = [val](Orv16u, Orv16u d, int) { return val == 0 ? Orv16u(0) : quotient<Orv16u>(val, d, 0); };
        checkInt<Orv16u>("DivCRev_16u", 0, 0, model, f, g);
    }
}

namespace {
// The rational model of a complex quotient, zeros from s = zeroFrom; a zero
// divisor saturates each part by its own sign.
::testing::AssertionResult cplxOk(Orv16sc got, Orv16sc x, Orv16sc d, int s, int zeroFrom)
{
    const std::int64_t xr = x.re, xi = x.im, dr = d.re, di = d.im, m = dr * dr + di * di;
    const Orv16s wr = s >= zeroFrom ? 0 : quotient<Orv16s>(m ? xr * dr + xi * di : xr, m, s);
    const Orv16s wi = s >= zeroFrom ? 0 : quotient<Orv16s>(m ? xi * dr - xr * di : xi, m, s);
    if (got.re == wr && got.im == wi) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "got " << got.re << "," << got.im << " want " << wr << "," << wi;
}
} // namespace

TEST(DivRule, Complex16scMatchesTheRationalModel)
{
    std::uint32_t seed = 900;
    for (int len : oddLengths()) {
        for (int s = -36; s <= 36 && !::testing::Test::HasFatalFailure(); s += quick() ? 5 : 1) {
            const auto x = randomVector<Orv16sc>(len, seed++);
            auto d = randomVector<Orv16sc>(len, seed++);
            for (int i = 0; i < len; i += 5) d[i] = {Orv16s(d[i].re % 4), Orv16s(d[i].im % 3)};  // zeros, tiny divisors
            runDiv<Orv16sc, Orv16sc, Orv16sc>("Div_16sc", VV(orvsDiv_16sc_Sfs, s), nullptr, x, d, s, len % 4,
                                              [&](int i, Orv16sc got) { return cplxOk(got, x[i], d[i], s, 33); });
            // Constant divisor: the rule inside -16..15, zeros above.
            const std::vector<Orv16sc> val(len, isZero(d[len / 2]) ? Orv16sc{3, -2} : d[len / 2]);
            runDiv<Orv16sc, Orv16sc, Orv16sc>("DivC_16sc", VC(orvsDivC_16sc_Sfs, s), VCI(orvsDivC_16sc_ISfs, s), x, val, s, len % 4,
                                              [&](int i, Orv16sc got) { return s < -16 ? ::testing::AssertionSuccess() : cplxOk(got, x[i], val[0], s, 16); });
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

// The 64-bit constant form (in place only) is exact over its whole range;
// a zero constant warns and saturates by sign.
TEST(DivRule, DivC64sIsExact)
{
    auto f = [](const Orv64s* d, const Orv64s* x, Orv64s* o, int n, int s) { return std::copy(x, x + n, o), orvsDivC_64s_ISfs(d[0], o, n, s); };
    const Orv64s min = std::numeric_limits<Orv64s>::min(), max = std::numeric_limits<Orv64s>::max();
    std::uint32_t seed = 4242;
    for (int s = -62; s <= 70; s += quick() ? 5 : 1) {
        auto x = edgyVector<Orv64s>(257, seed++);
        for (int i = 0; i < 257; i += 4) x[i] >>= (seed + i) % 60;
        for (Orv64s val : {Orv64s(3), Orv64s(-7), Orv64s(1) << 40, min, max, Orv64s(-1), Orv64s(1), Orv64s(seed) * 1000003}) {
            runDiv<Orv64s, Orv64s, Orv64s>("DivC_64s", f, nullptr, x, std::vector<Orv64s>(257, val), s, 1, [&](int i, Orv64s got) {
                const Orv64s want = s > 63 ? 0 : quotient<Orv64s>(x[i], val, s);
                if (got == want) return ::testing::AssertionSuccess();
                return ::testing::AssertionFailure() << x[i] << " / " << val << " gave " << got << ", want " << want;
            });
        }
    }
    expectDiv<Orv64s>("2^64 / -2^63", f, {min, min}, {1, 3}, -64, {-2, -6});
    expectDiv<Orv64s>("2^70 / 2^62", f, {Orv64s(1) << 62, Orv64s(1) << 62}, {3, -1}, -70, {768, -256});
    expectDiv<Orv64s>("zero constant", f, {0, 0, 0}, {9, -9, 0}, 5, {max, min, 0});
}

namespace {

// Every 16-bit dividend against every 16-bit divisor. Rather than
// recomputing each quotient, countBad confirms that k = o[i] is the rounding
// of v = n * S / D (n = sign * x[i]), the 16-bit saturation included:
// f = n * S - k * D is exact in double, and the conditions are written
// without branches so that the loop vectorises.
template <Mode M>
int countBad(const Orv16s* x, const Orv16s* o, double sign, double S, double D)
{
    int bad = 0;
    for (int i = 0; i < 65536; ++i) {
        const double n = sign * x[i], k = o[i];
        const double f = n * S - k * D;
        const bool top = k == 32767.0, bottom = k == -32768.0;
        bool ok;
        if constexpr (M == kZero) {
            ok = ((n >= 0) & (f >= 0) & ((f < D) | top)) | ((n < 0) & (f <= 0) & ((f > -D) | bottom));
        } else {
            const double e = 2.0 * f;
            const double half = 0.5 * k;
            const bool even = half == static_cast<double>(static_cast<int>(half));
            const bool upTie = M == kNear ? even : k < 0;    // v = k + 1/2 rounds to k
            const bool downTie = M == kNear ? even : k > 0;  // v = k - 1/2 rounds to k
            ok = ((e < D) | ((e == D) & upTie) | top) & ((e > -D) | ((e == -D) & downTie) | bottom);
        }
        bad += !ok;
    }
    return bad;
}

// Counts the mismatches over all dividends for the divisors -32768,
// -32768 + step, ...; the library runs on whole 65536-element vectors.
template <Mode M>
long long sweep(int s, int step)
{
    long long bad = 0;
#pragma omp parallel num_threads(2) reduction(+ : bad)
    {
        std::vector<Orv16s> x(65536), d(65536), o(65536);
        for (int i = 0; i < 65536; ++i) x[i] = static_cast<Orv16s>(i - 32768);
#pragma omp for schedule(dynamic, 64)
        for (int dv = -32768; dv <= 32767; dv += step) {
            std::fill(d.begin(), d.end(), static_cast<Orv16s>(dv));
            const OrvStatus st = M == kNear ? orvsDiv_16s_Sfs(d.data(), x.data(), o.data(), 65536, s)
                                 : orvsDiv_Round_16s_Sfs(d.data(), x.data(), o.data(), 65536, static_cast<OrvRoundMode>(M), s);
            if (st != (dv == 0 ? orvStsWarnDivByZero : orvStsOk)) ++bad;
            if (dv == 0) {
                for (int i = 0; i < 65536; ++i) bad += o[i] != (x[i] > 0 ? 32767 : x[i] < 0 ? -32768 : 0);
                continue;
            }
            // v = x * 2^-s / d = n * S / D with n = sign(d) * x, S = 2^max(-s, 0)
            // and D = |d| * 2^max(s, 0); every product stays below 2^53.
            const double S = std::ldexp(1.0, s < 0 ? -s : 0);
            const double D = std::ldexp(std::fabs(double(dv)), s > 0 ? s : 0);
            bad += countBad<M>(x.data(), o.data(), dv < 0 ? -1.0 : 1.0, S, D);
        }
    }
    return bad;
}

// Every divisor in the default variant; a sample in quick runs and under a
// forced (narrower) variant, which the variant suites rerun.
int divisorStep() { return orvs_test::quick() || std::getenv("ORVS_CPU") ? 97 : 1; }

} // namespace

// Truncation is covered by the random tests; ties away from zero here.
TEST(DivExhaustive, Div16sEveryPairToNearestAndAway)
{
    for (int s : {0, 9, -7}) EXPECT_EQ(sweep<kNear>(s, divisorStep()), 0) << "s " << s;
    EXPECT_EQ(sweep<kAway>(-1, divisorStep()), 0);
}

// Every member with a parallel path, at lengths on both sides of its
// threshold: the same bytes and status under 1, 2 and 4 threads, and the
// warning when the only zero divisor lies in the last thread's chunk.
TEST(DivThreads, SameResultForEveryThreadCountAndWarningFromTheLastChunk)
{
    for (int len : {1023, 1024, 4096, 4097, 10001}) {
        auto nonZero = [len](auto v, auto one) {
            std::replace(v.begin(), v.end(), decltype(one)(0), one);
            v[len - 1] = 0;  // the only zero divisor, in the last chunk
            return v;
        };
        const auto d16 = nonZero(edgyVector<Orv16s>(len, 11), Orv16s(3)), x16 = edgyVector<Orv16s>(len, 12);
        const auto d8 = nonZero(edgyVector<Orv8u>(len, 13), Orv8u(1)), x8 = edgyVector<Orv8u>(len, 14);
        const auto d32 = nonZero(edgyVector<Orv32s>(len, 15), Orv32s(-1)), x32 = edgyVector<Orv32s>(len, 16);
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
        const std::tuple<const char*, OrvStatus, std::function<OrvStatus(void*)>> cases[] = {
            {"Div_16s", warn, [&](void* o) { return orvsDiv_16s_Sfs(d16.data(), x16.data(), (Orv16s*)o, len, 2); }},
            {"Div_Round_16s", warn, [&](void* o) { return orvsDiv_Round_16s_Sfs(d16.data(), x16.data(), (Orv16s*)o, len, orvRndFinancial, -3); }},
            {"DivC_16s", orvStsOk, [&](void* o) { return orvsDivC_16s_Sfs(x16.data(), -7, (Orv16s*)o, len, 1); }},
            {"Div_Round_8u", warn, [&](void* o) { return orvsDiv_Round_8u_Sfs(d8.data(), x8.data(), (Orv8u*)o, len, orvRndZero, -1); }},
            {"DivCRev_16u", warn, [&](void* o) { return orvsDivCRev_16u(du, 60000, (Orv16u*)o, len); }},
            {"Div_32s", warn, [&](void* o) { return orvsDiv_32s_Sfs(d32.data(), x32.data(), (Orv32s*)o, len, -5); }},
            {"Div_16sc", warn, [&](void* o) { return orvsDiv_16sc_Sfs(dc.data(), xc, (Orv16sc*)o, len, 1); }},
            {"Div_32f", warn, [&](void* o) { return orvsDiv_32f(df.data(), xf.data(), (float*)o, len); }},
            {"DivCRev_32f", warn, [&](void* o) { return orvsDivCRev_32f(df.data(), 2.0f, (float*)o, len); }},
            {"Div_64f", warn, [&](void* o) { return orvsDiv_64f(dd.data(), xd.data(), (double*)o, len); }},
            {"Div_64fc", warn, [&](void* o) { return orvsDiv_64fc(dz.data(), xz.data(), (Orv64fc*)o, len); }},
        };
        for (const auto& [name, want, call] : cases) {
            std::vector<unsigned char> first;
            for (int threads : {1, 2, 4}) {
                ThreadCount tc(threads);
                std::vector<unsigned char> out(len * sizeof(Orv64fc));  // the widest element
                EXPECT_EQ(call(out.data()), want) << name << " len " << len << ", " << threads << " threads";
                if (threads == 1) first = out;
                else EXPECT_TRUE(out == first) << name << " len " << len << ", " << threads << " threads";
            }
        }
    }
}
