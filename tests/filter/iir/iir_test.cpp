// IIR filters of every precision pair against the long-double difference
// equation (splits over calls and blocks, the single-sample thresholds,
// delay lines, retuning), and the exact rules: integer scaling, taps
// errors, DF1 summation order, integer taps, state sizes.
#include <gtest/gtest.h>

#include <climits>

#include "iir_model.h"
#include "test_util.h"

using namespace iir_test;

namespace {

constexpr int kSf = 2;  // scale factor of the integer pairs

template <class T>
std::vector<T> randomSamples(int n, std::mt19937& g)
{
    const double range = std::is_same_v<PartOf<T>, Orv16s> ? 2000 : std::is_same_v<PartOf<T>, Orv32s> ? 1e6 : 1;
    std::uniform_real_distribution<double> u(-range, range);
    std::vector<T> v(n);
    for (auto& x : v) x = fromLC<T>(isComplex<T> ? LC(u(g), u(g)) : LC(u(g)));
    return v;
}

// Allowed error relative to the largest output.
template <class A>
double tolerance(const A& api) { return !api.wide ? 1e-3 : std::is_same_v<PartOf<typename A::T>, Orv32f> ? 2e-6 : 1e-9; }

struct Case {
    int form, n;              // 0 AR, 1 biquad; order or sections
    std::vector<int> chunks;  // call lengths, cycled; 0 = IIROne, negative = in place
    int total;
};

// 4N and 4N+1 sit on both sides of the single-sample threshold; 2500 in
// one call runs blocks of 1024, 1024 and 452.
std::vector<Case> cases()
{
    std::vector<Case> v;
    for (auto [form, n] : {std::pair{0, 1}, {0, 2}, {0, 3}, {0, 5}, {1, 1}, {1, 2}, {1, 3}})
        for (auto [chunks, total] : {std::pair{std::vector<int>{2500}, 2500}, {{4 * n, 4 * n + 1, -(4 * n + 1), 1, 0, 0, 2, -700, 5}, 1800}, {{0, 0, 0, 3, -1030}, 1100}})
            v.push_back({form, n, chunks, total});
    return v;
}

// One filter from a random history (handed over by Init or SetDlyLine), its
// taps set at Init or by SetTaps over other taps, filtered in chunks from
// and to buffers one element off alignment; then Free on caller memory.
template <class A>
void runCase(const A& api, const Case& c, std::uint32_t seed)
{
    using T = typename A::T;
    using D = typename A::D;
    std::mt19937 g(seed);
    const std::string what = std::string(api.name) + (c.form ? " biquad " : " AR ") + std::to_string(c.n) + " chunk " + std::to_string(c.chunks[0]);
    const std::vector<D> taps = cast<D>(randomTaps(g, c.n, c.form, isComplex<T>, 1.5));
    std::vector<LC> exact;
    for (const D& t : taps) exact.push_back(toLC(t));
    Model model(exact, c.n, c.form);
    for (auto& p : model.parts)
        for (size_t k = 0; k < p.xs.size(); ++k) p.xs[k] = toLC(randomSamples<T>(1, g)[0]), p.ys[k] = toLC(randomSamples<T>(1, g)[0]);
    const std::vector<D> dly0 = cast<D>(model.state());
    const bool viaSetters = api.setTaps && seed % 2;

    int bytes = 0;
    ASSERT_EQ(api.size[c.form](c.n, &bytes), orvStsOk);
    orvs_test::Guarded<Orv8u> mem(bytes, 3);  // an odd start: Init aligns inside
    typename A::S* st = nullptr;
    const std::vector<D> first = viaSetters ? cast<D>(randomTaps(g, c.n, c.form, isComplex<T>, 1)) : taps;
    ASSERT_EQ(api.init[c.form](&st, first.data(), c.n, viaSetters ? nullptr : dly0.data(), mem.data()), orvStsOk) << what;
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(st) % 32, 0u);
    if (viaSetters) {
        ASSERT_EQ(api.setDly(st, dly0.data()), orvStsOk);
        ASSERT_EQ(api.setTaps(taps.data(), st), orvStsOk);
    }

    std::vector<T> xb = randomSamples<T>(c.total + 1, g), yb(c.total + 1);
    T *x = xb.data() + 1, *y = yb.data() + 1;
    const int sf = integerSamples<T> ? kSf : 0;
    for (int at = 0, k = 0; at < c.total; ++k) {
        const int chunk = c.chunks[k % c.chunks.size()], len = std::min(std::max(std::abs(chunk), 1), c.total - at);
        if (chunk < 0) std::copy(x + at, x + at + len, y + at);
        const OrvStatus s = chunk == 0 ? api.one(x[at], y + at, st, sf)
                            : chunk < 0 ? api.filterI(y + at, len, st, sf) : api.filter(x + at, y + at, len, st, sf);
        ASSERT_EQ(s, orvStsOk) << what;
        at += len;
    }
    long double scale = 1;
    std::vector<LC> ref;
    for (int i = 0; i < c.total; ++i) ref.push_back(model.step(toLC(x[i]))), scale = std::max(scale, std::abs(ref.back()));
    for (int i = 0, bad = 0; i < c.total && bad < 3; ++i) {
        const LC got = toLC(y[i]), want = integerSamples<T> ? toLC(fromLC<T>(ref[i], sf)) : ref[i];
        const bool ok = integerSamples<T> ? std::max(std::abs(got.real() - want.real()), std::abs(got.imag() - want.imag())) <= 1
                                          : std::abs(got - want) <= tolerance(api) * scale;
        bad += !ok;
        EXPECT_TRUE(ok) << what << " at " << i << ": " << double(got.real()) << " vs " << double(want.real());
    }
    const std::vector<LC> want = model.state();
    std::vector<D> line(want.size() + 1, fromLC<D>(7));
    ASSERT_EQ(api.getDly(st, line.data()), orvStsOk);
    for (size_t i = 0; i < want.size(); ++i) EXPECT_LE(std::abs(toLC(line[i]) - want[i]), tolerance(api) * scale) << what << " delay " << i;
    EXPECT_EQ(toLC(line.back()), LC(7)) << what << ": wrote past the delay line";
    const std::vector<Orv8u> before = mem.vec();
    EXPECT_EQ(api.free(st), orvStsOk);
    EXPECT_TRUE(mem.guardsIntact() && before == mem.vec()) << what << ": Free touched caller memory";
}

} // namespace

TEST(IirModel, RandomFiltersMatchTheDifferenceEquation)
{
    std::uint32_t seed = 1;
    forEachPair([&](const auto& api) {
        for (const Case& c : cases()) runCase(api, c, seed++);
    });
}

// b = (1, 0), a = (1, -0.5) halves from sample to sample, exactly, in one
// call or split; integer outputs of 4096·2^-n round 0.5 to 0.
TEST(IirModel, FirstOrderImpulseHalves)
{
    forEachPair([](const auto& api) {
        using A = std::decay_t<decltype(api)>;
        using T = typename A::T;
        const LC unit = isComplex<T> ? LC(1, -1) : LC(1);
        const std::vector<typename A::D> taps = cast<typename A::D>({1, 0, 1, -0.5});
        for (int split : {40, 7, 1}) {
            typename A::S* st = nullptr;
            ASSERT_EQ(api.initAlloc[0](&st, taps.data(), 1, nullptr), orvStsOk);
            std::vector<T> x(40, fromLC<T>(0)), y(40);
            x[0] = fromLC<T>(unit * (integerSamples<T> ? 4096.0L * 4 : 1));
            for (int at = 0; at < 40; at += split)
                ASSERT_EQ(api.filter(x.data() + at, y.data() + at, std::min(split, 40 - at), st, integerSamples<T> ? kSf : 0), orvStsOk);
            for (int n = 0; n < 40; ++n)
                EXPECT_EQ(toLC(y[n]), unit * (integerSamples<T> ? (n <= 12 ? std::ldexp(1.0L, 12 - n) : 0) : std::ldexp(1.0L, -n)))
                    << api.name << " split " << split << " n " << n;
            EXPECT_EQ(api.free(st), orvStsOk);
        }
    });
}

// y = g·x through a first-order record with a1 = 0: the scale rule alone,
// the same through IIROne, out of place and in place.
TEST(IirIntegers, ScaleRoundSaturate)
{
    struct Row {
        double gain;
        int x, sf, want16;  // 32-bit outputs: the model's value
    };
    const Row rows[] = {{2.5, 1, 0, 2},           {3.5, 1, 0, 4},       {-2.5, 1, 0, -2},     {0.5, 3, 0, 2},
                        {2.5, 16000, 0, 32767},  {-2.5, 16000, 0, -32768}, {10, 1, 2, 2},   {1, 3, -1, 6},
                        {-1, 30000, -2, -32768}, {1, 12345, 40, 0},    {1, 7, INT_MIN, 32767}};
    forEachPair([&](const auto& api) {
        using A = std::decay_t<decltype(api)>;
        using T = typename A::T;
        if constexpr (integerSamples<T>)
            for (const Row& r : rows) {
                typename A::S* st = nullptr;
                ASSERT_EQ(api.initAlloc[0](&st, cast<typename A::D>({r.gain, 0, 1, 0}).data(), 1, nullptr), orvStsOk);
                const T x = fromLC<T>(isComplex<T> ? LC(r.x, -r.x) : LC(r.x)), src[2] = {x, x};
                T one{}, block[2]{}, inPlace[2] = {x, x};
                ASSERT_EQ(api.one(x, &one, st, r.sf), orvStsOk);
                ASSERT_EQ(api.filter(src, block, 2, st, r.sf), orvStsOk);
                ASSERT_EQ(api.filterI(inPlace, 2, st, r.sf), orvStsOk);
                const T want = fromLC<T>(LC(r.gain) * toLC(x), r.sf == INT_MIN ? -2000 : r.sf);
                if (std::is_same_v<PartOf<T>, Orv16s>) EXPECT_EQ(toLC(want).real(), r.want16);
                for (const T& got : {one, block[0], block[1], inPlace[0], inPlace[1]})
                    EXPECT_EQ(toLC(got), toLC(want)) << api.name << " gain " << r.gain << " x " << r.x << " sf " << r.sf;
                api.free(st);
            }
    });
}

// a0 = 0 and (transposed form) b0 = 0 are refused before Init writes; a
// refused AR retune leaves the record alone, a refused biquad retune keeps
// the sections before the bad one.
TEST(IirTaps, ZeroLeadingCoefficientsAreRefused)
{
    forEachPair([](const auto& api) {
        using A = std::decay_t<decltype(api)>;
        using D = typename A::D;
        using T = typename A::T;
        const std::vector<LC> ar = {1, 0.5, 2, -0.25}, ar0 = {1, 0.5, 0, -0.25}, bq = {1, 0, 0, 1, 0, 0, 1, 0, 0, 1, 0, 0};
        std::vector<LC> bqA0 = bq, bqB0 = bq;
        bqA0[9] = 0, bqB0[6] = 0;
        int bytes = 0;
        api.size[1](2, &bytes);  // the largest of the records below
        std::vector<Orv8u> mem(bytes + 64, 0x5A);
        typename A::S* st = nullptr;
        EXPECT_EQ(api.init[0](&st, cast<D>(ar0).data(), 1, nullptr, mem.data()), orvStsErrDivByZero) << api.name;
        EXPECT_EQ(api.init[1](&st, cast<D>(bqA0).data(), 2, nullptr, mem.data()), orvStsErrDivByZero) << api.name;
        EXPECT_EQ(api.init[1](&st, cast<D>(bqB0).data(), 2, nullptr, mem.data()), orvStsErrDivByZero) << api.name;
        EXPECT_EQ(api.initAlloc[1](&st, cast<D>(bqB0).data(), 2, nullptr), orvStsErrDivByZero) << api.name;
        EXPECT_TRUE(st == nullptr && std::all_of(mem.begin(), mem.end(), [](Orv8u b) { return b == 0x5A; })) << api.name;
        if (!api.setTaps) return;
        ASSERT_EQ(api.init[0](&st, cast<D>(ar).data(), 1, nullptr, mem.data()), orvStsOk);
        const std::vector<Orv8u> before(mem);
        EXPECT_EQ(api.setTaps(cast<D>(ar0).data(), st), orvStsErrDivByZero);
        EXPECT_TRUE(before == mem) << api.name;
        std::vector<LC> retune = bqB0;  // section 1 a gain of 3, section 2 refused (stays a gain of 1)
        retune[0] = 3;
        ASSERT_EQ(api.init[1](&st, cast<D>(bq).data(), 2, nullptr, mem.data()), orvStsOk);
        EXPECT_EQ(api.setTaps(cast<D>(retune).data(), st), orvStsErrDivByZero);
        T y{};
        ASSERT_EQ(api.one(fromLC<T>(integerSamples<T> ? 4 : 1), &y, st, 0), orvStsOk);
        EXPECT_EQ(toLC(y), LC(integerSamples<T> ? 12 : 3)) << api.name;
    });
}
