// Long blocks of real-valued filters cut into independent stretches whose
// start states are joined afterwards: narrow-band filters (poles close to
// the unit circle, where a wrongly carried state shows at once), lengths on
// both sides of the stretch multiples, free responses of a delay line alone,
// in place and one element off alignment, against the long-double model.
#include <gtest/gtest.h>

#include "iir_model.h"

using namespace iir_test;

namespace {

// Poles of radius lo..hi, numerator in [-1, 1] with b0 away from 0, every
// tap times a0 = 2.
std::vector<LC> narrowTaps(std::mt19937& g, int n, bool biquad, double lo, double hi)
{
    std::uniform_real_distribution<double> u(-1.0, 1.0), rad(lo, hi), ang(0.05, 3.1);
    std::vector<LC> taps;
    for (int s = 0, order = biquad ? 2 : n; s < (biquad ? n : 1); ++s) {
        std::vector<long double> a{1};
        for (int k = 0; k < order; k += 2) {  // conjugate pairs, one real pole for an odd order
            const long double r = rad(g), th = ang(g);
            const long double q[3] = {1, k + 1 < order ? -2 * r * std::cos(th) : -r, k + 1 < order ? r * r : 0};
            std::vector<long double> na(a.size() + 2, 0);
            for (size_t i = 0; i < a.size(); ++i)
                for (int j = 0; j < 3; ++j) na[i + j] += a[i] * q[j];
            na.resize(std::min<size_t>(na.size(), order + 1));
            a = na;
        }
        for (int j = 0; j <= order; ++j) taps.push_back(LC(2) * (j == 0 ? LC(0.5 + std::abs(u(g)) / 2) : LC(u(g))));
        for (long double v : a) taps.push_back(LC(2 * v));
    }
    return taps;
}

struct LaneCase {
    bool biquad;
    int n;                    // sections or order
    double lo, hi;            // pole radii
    bool silent;              // zero input: the delay line's free response alone
    std::vector<int> chunks;  // call lengths, cycled; negative = in place
    int total;
};

// The lanes take whole stretches of a block once each sub-block has 16 rows:
// from 256 samples (multiples of 128) in single precision and from 128
// (multiples of 32) in double for orders up to 4; from 128 (multiples of 64)
// and 64 (multiples of 16) for orders 5 to 8. The chunks sit on both sides.
const LaneCase kLaneCases[] = {
    {true, 1, 0.95, 0.999, false, {256}, 1280},
    {true, 3, 0.9, 0.995, false, {255, -257, 127, 129, 1, 383}, 3000},
    {true, 8, 0.5, 0.98, false, {3000}, 3000},
    {true, 2, 0.97, 0.999, true, {1024, 1025}, 2049},
    {true, 5, 0.2, 0.9, false, {-1157, 63, 191}, 3000},
    {false, 2, 0.95, 0.999, false, {2500}, 2500},
    {false, 2, 0.9, 0.99, true, {-1024, 130}, 1154},
    {false, 4, 0.5, 0.95, false, {129, 1100, 256}, 2458},
    {false, 8, 0.3, 0.9, false, {777, -2048, 127, 128, 65}, 3400},
    {false, 1, 0.9, 0.999, false, {1024, 33}, 2114},
    {false, 3, 0.6, 0.97, true, {1500}, 1500},
    {false, 5, 0.3, 0.9, false, {65, -1000, 63, 64}, 2130},
    {false, 7, 0.3, 0.9, false, {2048}, 2048},
    {false, 9, 0.3, 0.85, false, {1030}, 2060},  // beyond the lanes' orders
    {true, 20, 0.3, 0.9, false, {1024, -1024, 512}, 2560},  // more sections than the call keeps powers for
};

template <class A>
void runLanes(const A& api, const LaneCase& c, std::uint32_t seed)
{
    using T = typename A::T;
    using D = typename A::D;
    std::mt19937 g(seed);
    const std::string what = std::string(api.name) + (c.biquad ? " biquad " : " AR ") + std::to_string(c.n) + " seed " + std::to_string(seed);
    const std::vector<LC> exact = narrowTaps(g, c.n, c.biquad, c.lo, c.hi);
    const std::vector<D> taps = cast<D>(exact);
    std::vector<LC> rounded;
    for (const D& t : taps) rounded.push_back(toLC(t));
    Model model(rounded, c.n, c.biquad);
    std::uniform_real_distribution<double> u(-1, 1);
    for (auto& p : model.parts)
        for (size_t k = 0; k < p.xs.size(); ++k) p.xs[k] = u(g), p.ys[k] = u(g);
    const std::vector<D> dly0 = cast<D>(model.state());

    typename A::S* st = nullptr;
    ASSERT_EQ(api.initAlloc[c.biquad](&st, taps.data(), c.n, dly0.data()), orvStsOk) << what;
    std::vector<T> xb(c.total + 1, T(0)), yb(c.total + 1);
    T *x = xb.data() + 1, *y = yb.data() + 1;  // one element off alignment
    if (!c.silent)
        for (int i = 0; i < c.total; ++i) x[i] = T(u(g));
    for (int at = 0, k = 0; at < c.total; ++k) {
        const int chunk = c.chunks[k % c.chunks.size()], len = std::min(std::abs(chunk), c.total - at);
        if (chunk < 0) std::copy(x + at, x + at + len, y + at);
        ASSERT_EQ(chunk < 0 ? api.filterI(y + at, len, st, 0) : api.filter(x + at, y + at, len, st, 0), orvStsOk) << what;
        at += len;
    }
    std::vector<LC> ref;
    long double scale = 0;
    for (int i = 0; i < c.total; ++i) ref.push_back(model.step(toLC(x[i]))), scale = std::max(scale, std::abs(ref.back()));
    const double tol = (api.wide ? 1e-9 : 2e-4) * double(scale);  // the delay line, in the internal type
    const double tolOut = std::is_same_v<T, Orv32f> ? std::max(tol, 2e-6 * double(scale)) : tol;
    double worst = 0;
    int at = -1;
    for (int i = 0; i < c.total; ++i)
        if (const double e = double(std::abs(toLC(y[i]) - ref[i])); e > worst) worst = e, at = i;
    EXPECT_LE(worst, tolOut) << what << ": worst at " << at << " of " << c.total;
    const std::vector<LC> want = model.state();
    std::vector<D> line(want.size());
    ASSERT_EQ(api.getDly(st, line.data()), orvStsOk);
    for (size_t i = 0; i < want.size(); ++i) EXPECT_LE(double(std::abs(toLC(line[i]) - want[i])), tol) << what << " delay " << i;
    EXPECT_EQ(api.free(st), orvStsOk);
}

} // namespace

TEST(IirLanes, NarrowBandFiltersOverLongBlocks)
{
    std::uint32_t seed = 100;
    forEachPair([&](const auto& api) {
        using T = typename std::decay_t<decltype(api)>::T;
        if constexpr (!isComplex<T> && !integerSamples<T>)
            for (const LaneCase& c : kLaneCases) runLanes(api, c, seed++);
    });
}

// Low-pass filters of high order (every zero at z = -1, poles bunched at
// low frequencies) fed a tone deep in the stopband: the output is 1e-8 to
// 1e-13 of the input, so whatever error the carried states bring shows
// against it. Double-precision internals only; after the start-up transient.
TEST(IirLanes, DeepStopbandOfHighOrderFilters)
{
    forEachPair([&](const auto& api) {
        using A = std::decay_t<decltype(api)>;
        using T = typename A::T;
        using D = typename A::D;
        if constexpr (!isComplex<T> && !integerSamples<T>) {
            if (!api.wide) return;
            for (auto [biquad, n] : {std::pair{false, 4}, {false, 6}, {false, 8}, {true, 4}}) {
                const int order = biquad ? 2 : n, stages = biquad ? n : 1;
                std::vector<LC> exact;
                for (int s = 0; s < stages; ++s) {
                    std::vector<long double> b{1}, a{1};
                    for (int k = 0; k < order; k += 2) {
                        const long double r = 0.75L + 0.04L * (s * order + k), th = 0.08L + 0.03L * (s * order + k);
                        const long double qa[3] = {1, -2 * r * std::cos(th), r * r}, qb[3] = {1, 2, 1};
                        std::vector<long double> na(a.size() + 2, 0), nb(b.size() + 2, 0);
                        for (size_t i = 0; i < a.size(); ++i)
                            for (int j = 0; j < 3; ++j) na[i + j] += a[i] * qa[j], nb[i + j] += b[i] * qb[j] * 1e-3L;
                        a = na, b = nb;
                    }
                    for (long double v : b) exact.push_back(LC(v));
                    for (long double v : a) exact.push_back(LC(v));
                }
                const std::vector<D> taps = cast<D>(exact);
                std::vector<LC> rounded;
                for (const D& t : taps) rounded.push_back(toLC(t));
                Model model(rounded, n, biquad);
                typename A::S* st = nullptr;
                ASSERT_EQ(api.initAlloc[biquad](&st, taps.data(), n, nullptr), orvStsOk);
                const int total = 4096, settle = 1500;
                std::vector<T> x(total), y(total);
                for (int i = 0; i < total; ++i) x[i] = T(std::sin(2 * 3.14159265358979 * 0.4 * i));
                ASSERT_EQ(api.filter(x.data(), y.data(), total, st, 0), orvStsOk);
                std::vector<T> one(total);
                ASSERT_EQ(api.setDly(st, nullptr), orvStsOk);
                for (int i = 0; i < total; ++i) ASSERT_EQ(api.one(x[i], &one[i], st, 0), orvStsOk);
                EXPECT_EQ(api.free(st), orvStsOk);
                std::vector<LC> ref;
                long double level = 0;
                for (int i = 0; i < total; ++i) {
                    ref.push_back(model.step(toLC(x[i])));
                    if (i >= settle) level = std::max(level, std::abs(ref.back()));
                }
                EXPECT_LT(level, 1e-6L);
                double worst = 0, worstOne = 0;
                for (int i = settle; i < total; ++i) {
                    worst = std::max(worst, double(std::abs(toLC(y[i]) - ref[i]) / level));
                    worstOne = std::max(worstOne, double(std::abs(toLC(one[i]) - ref[i]) / level));
                }
                // An error of about one rounding of the input (1e-16) over
                // outputs of 1e-13 for order 8; the single-sample step keeps
                // the zeros better still.
                EXPECT_LE(worst, 1e-2) << api.name << (biquad ? " biquad " : " AR ") << n;
                EXPECT_LE(worstOne, 1e-6) << api.name << (biquad ? " biquad " : " AR ") << n << " single-sample";
            }
        }
    });
}
