// IIR filters of every precision pair against the long-double difference
// equation: impulse responses, splits over calls and blocks, the
// single-sample thresholds, delay lines, integer scaling, taps errors, the
// record lifecycle and the DF1 forms.
#include <gtest/gtest.h>

#include <cstring>

#include "iir_model.h"
#include "test_util.h"

using namespace iir_test;

namespace {

template <class A>
using SampleOf = typename A::T;

constexpr int kSf = 2;  // scale factor of the integer pairs

template <class T>
constexpr bool integerSamples = std::is_integral_v<PartOf<T>>;

template <class T>
std::vector<T> randomSamples(int n, std::mt19937& g)
{
    const double range = std::is_same_v<PartOf<T>, Orv16s> ? 2000 : std::is_same_v<PartOf<T>, Orv32s> ? 1e6 : 1;
    std::uniform_real_distribution<double> u(-range, range);
    std::vector<T> v(n);
    for (auto& x : v) {
        if constexpr (isComplex<T>) x.re = PartOf<T>(std::round(u(g) * 4) / 4), x.im = PartOf<T>(std::round(u(g) * 4) / 4);
        else x = T(u(g));
    }
    return v;
}

// Allowed error relative to the largest output magnitude.
template <class A>
double tolerance(const A& api)
{
    if (!api.wide) return 1e-3;
    return std::is_same_v<PartOf<SampleOf<A>>, Orv32f> ? 2e-6 : 1e-9;
}

// Outputs against the model: integers within one unit after scaling, floats
// within the tolerance.
template <class A>
void expectOutputs(const A& api, const std::vector<SampleOf<A>>& got, const std::vector<LC>& ref, const std::string& what)
{
    using T = SampleOf<A>;
    long double scale = 1;
    for (LC r : ref) scale = std::max(scale, std::abs(r));
    const int sf = integerSamples<T> ? kSf : 0;
    int bad = 0;
    for (size_t i = 0; i < ref.size() && bad < 3; ++i) {
        const LC g = toLC(got[i]);
        if (integerSamples<T>) {
            const LC e = toLC(fromLC<T>(ref[i], sf));
            if (std::abs(g.real() - e.real()) > 1 || std::abs(g.imag() - e.imag()) > 1) ++bad;
            EXPECT_LE(std::abs(g - e), 1.5) << what << " at " << i;
        } else {
            const bool ok = std::abs(g - ref[i]) <= tolerance(api) * scale;
            bad += !ok;
            EXPECT_TRUE(ok) << what << " at " << i << ": " << double(g.real()) << " vs " << double(ref[i].real());
        }
    }
}

template <class A>
void expectDelay(const A& api, typename A::S* st, const Model& m, long double scale, const std::string& what)
{
    const std::vector<LC> want = m.state();
    std::vector<typename A::D> got(want.size() + 1);
    ASSERT_EQ(api.getDly(st, got.data()), orvStsOk);
    for (size_t i = 0; i < want.size(); ++i)
        EXPECT_LE(std::abs(toLC(got[i]) - want[i]), tolerance(api) * scale) << what << " delay " << i;
}

// Unscaled model outputs stand for the integer pairs' internal values.
template <class A>
long double magnitude(const std::vector<LC>& ref)
{
    long double s = 1;
    for (LC r : ref) s = std::max(s, std::abs(r));
    return s;
}

struct Case {
    int form;                 // 0 AR, 1 biquad
    int n;                    // order or sections
    std::vector<int> chunks;  // call lengths, cycled; 0 = one IIROne call, negative = in place
    int total;
};

// Chunks 4N, 4N+1 sit on both sides of the single-sample threshold; 2500
// in one call runs blocks of 1024, 1024 and 452.
std::vector<Case> cases()
{
    std::vector<Case> v;
    for (int form : {0, 1})
        for (int n : form == 0 ? std::vector<int>{1, 2, 3, 5} : std::vector<int>{1, 2, 3}) {
            v.push_back({form, n, {2500}, 2500});
            v.push_back({form, n, {4 * n, 4 * n + 1, -(4 * n + 1), 1, 0, 0, 2, -700, 5}, 1800});
            v.push_back({form, n, {0, 0, 0, 3, -1030}, 1100});
        }
    return v;
}

template <class A>
void runCase(const A& api, const Case& c, std::uint32_t seed)
{
    using T = SampleOf<A>;
    using D = typename A::D;
    std::mt19937 g(seed);
    const bool biquad = c.form == 1;
    const std::string what = std::string(api.name) + (biquad ? " biquad " : " AR ") + std::to_string(c.n) + " chunks " +
                             std::to_string(c.chunks[0]);
    const std::vector<D> taps = cast<D>(randomTaps(g, c.n, biquad, isComplex<T>, 1.5));
    std::vector<LC> tapsLC;
    for (const D& t : taps) tapsLC.push_back(toLC(t));
    Model model(tapsLC, c.n, biquad);
    // A random history before the first sample, handed over as a delay line.
    for (auto& p : model.parts)
        for (int k = 0; k < p.order(); ++k)
            p.xs[k] = toLC(randomSamples<T>(1, g)[0]), p.ys[k] = toLC(randomSamples<T>(1, g)[0]);
    const std::vector<D> dly0 = cast<D>(model.state());

    int bytes = 0;
    ASSERT_EQ(api.size[c.form](c.n, &bytes), orvStsOk);
    orvs_test::Guarded<Orv8u> mem(bytes, 3);  // an odd start: Init aligns inside
    typename A::S* st = nullptr;
    ASSERT_EQ(api.init[c.form](&st, taps.data(), c.n, dly0.data(), mem.data()), orvStsOk) << what;
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(st) % 32, 0u);

    // One element past an aligned start, so no access may rely on alignment.
    std::vector<T> xb = randomSamples<T>(c.total + 1, g), yb(c.total + 1);
    T *x = xb.data() + 1, *y = yb.data() + 1;
    std::vector<LC> ref;
    for (int i = 0; i < c.total; ++i) ref.push_back(model.step(toLC(x[i])));
    const int sf = integerSamples<T> ? kSf : 0;
    for (int at = 0, k = 0; at < c.total; ++k) {
        const int chunk = c.chunks[k % c.chunks.size()];
        const int len = std::min(std::max(std::abs(chunk), 1), c.total - at);
        if (chunk == 0) {
            ASSERT_EQ(api.one(x[at], &y[at], st, sf), orvStsOk);
        } else if (chunk < 0) {
            std::copy(x + at, x + at + len, y + at);
            ASSERT_EQ(api.filterI(y + at, len, st, sf), orvStsOk);
        } else {
            ASSERT_EQ(api.filter(x + at, y + at, len, st, sf), orvStsOk);
        }
        at += len;
    }
    EXPECT_TRUE(mem.guardsIntact()) << what;
    expectOutputs(api, std::vector<T>(y, y + c.total), ref, what);
    expectDelay(api, st, model, magnitude<A>(ref), what);
    EXPECT_EQ(api.free(st), orvStsOk);
}

} // namespace

TEST(IirModel, RandomFiltersMatchTheDifferenceEquation)
{
    std::uint32_t seed = 1;
    forEachPair([&](const auto& api) {
        for (const Case& c : cases()) runCase(api, c, seed++);
    });
}

// b = (1, 0), a = (1, -0.5): halves from one sample to the next, exactly,
// in one call and split over calls; integers round 0.5 to 0.
TEST(IirModel, FirstOrderImpulseHalves)
{
    forEachPair([](const auto& api) {
        using A = std::decay_t<decltype(api)>;
        using T = SampleOf<A>;
        using D = typename A::D;
        const LC unit = isComplex<T> ? LC(1, -1) : LC(1);
        const std::vector<D> taps = cast<D>({1, 0, 1, -0.5});
        const long double amp = integerSamples<T> ? 4096 * 4 : 1;  // 4096 after the scale factor
        for (int split : {40, 7, 1}) {
            typename A::S* st = nullptr;
            ASSERT_EQ(api.initAlloc[0](&st, taps.data(), 1, nullptr), orvStsOk);
            std::vector<T> x(40, fromLC<T>(0)), y(40);
            x[0] = fromLC<T>(unit * amp);
            for (int at = 0; at < 40; at += split)
                ASSERT_EQ(api.filter(x.data() + at, y.data() + at, std::min(split, 40 - at), st, integerSamples<T> ? kSf : 0), orvStsOk);
            for (int n = 0; n < 40; ++n) {
                const long double v = integerSamples<T> ? (n <= 12 ? std::ldexp(1.0L, 12 - n) : 0) : std::ldexp(1.0L, -n);
                EXPECT_EQ(toLC(y[n]), unit * v) << api.name << " split " << split << " n " << n;
            }
            EXPECT_EQ(api.free(st), orvStsOk);
        }
    });
}

// 2500 samples in one call (blocks 1024, 1024, 452) and 2500 single-sample
// calls: the same outputs and delay lines up to rounding.
TEST(IirBlocks, OneCallEqualsSingleSampleCalls)
{
    std::uint32_t seed = 100;
    forEachPair([&](const auto& api) {
        using A = std::decay_t<decltype(api)>;
        using T = SampleOf<A>;
        using D = typename A::D;
        for (int form : {0, 1}) {
            std::mt19937 g(seed++);
            const int n = form ? 3 : 4;
            const std::vector<D> taps = cast<D>(randomTaps(g, n, form, isComplex<T>, 0.75));
            const std::vector<T> x = randomSamples<T>(2500, g);
            std::vector<T> y1(2500), y2(2500);
            typename A::S *a = nullptr, *b = nullptr;
            ASSERT_EQ(api.initAlloc[form](&a, taps.data(), n, nullptr), orvStsOk);
            ASSERT_EQ(api.initAlloc[form](&b, taps.data(), n, nullptr), orvStsOk);
            ASSERT_EQ(api.filter(x.data(), y1.data(), 2500, a, 0), orvStsOk);
            for (int i = 0; i < 2500; ++i) ASSERT_EQ(api.one(x[i], &y2[i], b, 0), orvStsOk);
            long double scale = 1;
            for (const T& v : y2) scale = std::max(scale, std::abs(toLC(v)));
            const long double tol = integerSamples<T> ? 1.5 : tolerance(api) * scale;
            for (int i = 0; i < 2500; ++i) ASSERT_LE(std::abs(toLC(y1[i]) - toLC(y2[i])), tol) << api.name << " form " << form << " at " << i;
            std::vector<D> d1(2 * n), d2(2 * n);
            api.getDly(a, d1.data()), api.getDly(b, d2.data());
            for (int i = 0; i < (form ? 2 * n : n); ++i)
                EXPECT_LE(std::abs(toLC(d1[i]) - toLC(d2[i])), tolerance(api) * scale * 4) << api.name << " delay " << i;
            api.free(a), api.free(b);
        }
    });
}

// SetDlyLine, GetDlyLine and SetTaps keep to their contracts: the line comes
// back as set, null means zeros, new taps keep the line.
TEST(IirRecord, DelayLinesAndRetuning)
{
    std::uint32_t seed = 300;
    forEachPair([&](const auto& api) {
        using A = std::decay_t<decltype(api)>;
        using T = SampleOf<A>;
        using D = typename A::D;
        std::mt19937 g(seed++);
        for (int form : {0, 1}) {
            const int n = 3, count = form ? 2 * n : n;
            const std::vector<D> taps = cast<D>(randomTaps(g, n, form, isComplex<T>, 2));
            typename A::S* st = nullptr;
            ASSERT_EQ(api.initAlloc[form](&st, taps.data(), n, nullptr), orvStsOk);
            std::vector<LC> lineLC(count);
            for (auto& v : lineLC) v = isComplex<T> ? LC(count + 0.5, -1.25) : LC(count * 0.75 - 1);
            const std::vector<D> line = cast<D>(lineLC);
            std::vector<D> back(count + 1, fromLC<D>(7));
            ASSERT_EQ(api.setDly(st, line.data()), orvStsOk);
            ASSERT_EQ(api.getDly(st, back.data()), orvStsOk);
            EXPECT_TRUE(orvs_test::sameBits(line.data(), back.data(), count)) << api.name;
            EXPECT_TRUE(orvs_test::sameBits(back[count], fromLC<D>(7))) << api.name << ": wrote past the line";
            if (api.setTaps) {
                const std::vector<D> other = cast<D>(randomTaps(g, n, form, isComplex<T>, 1));
                ASSERT_EQ(api.setTaps(other.data(), st), orvStsOk);
                ASSERT_EQ(api.getDly(st, back.data()), orvStsOk);
                EXPECT_TRUE(orvs_test::sameBits(line.data(), back.data(), count)) << api.name << ": retuning lost the line";
            }
            ASSERT_EQ(api.setDly(st, nullptr), orvStsOk);
            ASSERT_EQ(api.getDly(st, back.data()), orvStsOk);
            for (int i = 0; i < count; ++i) EXPECT_EQ(toLC(back[i]), LC(0)) << api.name;
            api.free(st);
        }
    });
}

// a0 = 0 and (transposed form) b0 = 0 are refused; a refused AR retune
// leaves the record as it was, a refused biquad retune keeps the sections
// before the bad one.
TEST(IirTaps, ZeroLeadingCoefficientsAreRefused)
{
    forEachPair([](const auto& api) {
        using A = std::decay_t<decltype(api)>;
        using D = typename A::D;
        const std::vector<LC> ar = {1, 0.5, 2, -0.25}, ar0 = {1, 0.5, 0, -0.25};
        const std::vector<LC> bq = {1, 0, 0, 1, 0, 0, 1, 0, 0, 1, 0, 0};
        std::vector<LC> bqA0 = bq, bqB0 = bq;
        bqA0[9] = 0, bqB0[6] = 0;
        int bytes = 0;
        api.size[1](2, &bytes);
        std::vector<Orv8u> mem(bytes + 64);
        typename A::S* st = nullptr;
        EXPECT_EQ(api.init[0](&st, cast<D>(ar0).data(), 1, nullptr, mem.data()), orvStsErrDivByZero) << api.name;
        EXPECT_EQ(api.init[1](&st, cast<D>(bqA0).data(), 2, nullptr, mem.data()), orvStsErrDivByZero) << api.name;
        EXPECT_EQ(api.init[1](&st, cast<D>(bqB0).data(), 2, nullptr, mem.data()), orvStsErrDivByZero) << api.name;
        EXPECT_EQ(api.initAlloc[1](&st, cast<D>(bqB0).data(), 2, nullptr), orvStsErrDivByZero) << api.name;
        EXPECT_EQ(st, nullptr);
        if (!api.setTaps) return;
        // AR: a refused retune writes nothing.
        ASSERT_EQ(api.init[0](&st, cast<D>(ar).data(), 1, nullptr, mem.data()), orvStsOk);
        std::vector<Orv8u> before(mem);
        EXPECT_EQ(api.setTaps(cast<D>(ar0).data(), st), orvStsErrDivByZero);
        EXPECT_TRUE(before == mem) << api.name;
        // Biquad: section 1 becomes a gain of 3, section 2 refused and unchanged (gain 1).
        std::vector<LC> retune = bqB0;
        retune[0] = 3;
        ASSERT_EQ(api.init[1](&st, cast<D>(bq).data(), 2, nullptr, mem.data()), orvStsOk);
        EXPECT_EQ(api.setTaps(cast<D>(retune).data(), st), orvStsErrDivByZero);
        using T = SampleOf<A>;
        T y{};
        ASSERT_EQ(api.one(fromLC<T>(integerSamples<T> ? 4 : 1), &y, st, 0), orvStsOk);
        EXPECT_EQ(toLC(y), LC(integerSamples<T> ? 12 : 3)) << api.name;
    });
}

// Free on a record in caller memory succeeds and leaves the memory alone;
// sizes leave room for the alignment of the record.
TEST(IirRecord, FreeLeavesCallerMemoryAlone)
{
    forEachPair([](const auto& api) {
        using A = std::decay_t<decltype(api)>;
        using D = typename A::D;
        for (int form : {0, 1}) {
            const int n = form ? 1 : 2;  // six taps either way
            int bytes = 0;
            ASSERT_EQ(api.size[form](n, &bytes), orvStsOk);
            for (int offset : {0, 1, 31}) {
                std::vector<Orv8u> mem(bytes + 64, 0xA5);
                typename A::S* st = nullptr;
                const std::vector<LC> taps = {1, 0.5, 0.25, 1, -0.5, 0.125};
                ASSERT_EQ(api.init[form](&st, cast<D>(taps).data(), n, nullptr, mem.data() + offset), orvStsOk);
                const Orv8u* p = reinterpret_cast<const Orv8u*>(st);
                EXPECT_GE(p, mem.data() + offset);
                EXPECT_EQ(reinterpret_cast<std::uintptr_t>(p) % 32, 0u);
                for (size_t i = offset + bytes; i < mem.size(); ++i) ASSERT_EQ(mem[i], 0xA5) << api.name << ": wrote past the size";
                const std::vector<Orv8u> before = mem;
                EXPECT_EQ(api.free(st), orvStsOk);
                EXPECT_TRUE(before == mem) << api.name;
            }
        }
    });
}
