// FIR states of every family against a long-double direct convolution: one
// stream of mixed calls (one sample, blocks on both paths, in place, new
// taps, new delay line) per tap count; thread counts; statuses; integer
// rounding; the 32-bit integer taps family against exact integer sums.
#include <gtest/gtest.h>

#include <climits>
#include <limits>
#include <memory>
#include <vector>

#include "fir_api.h"
#include "test_util.h"

using namespace fir_test;
using orvs_test::Guarded;
using orvs_test::randomVector;
using orvs_test::Unaligned;

namespace {

struct Op {
    char kind;  // b block, i in place, o one-sample calls, t new taps, d new delay line
    int n;
};

long double clampTo(long double v, long double lo, long double hi) { return v < lo ? lo : v > hi ? hi : v; }

// An output against the model value `ref`; `bound` is the sum of |h||x|.
template <class A>
bool closeTo(typename A::Data got, C ref, long double bound, int L, int sf)
{
    const long double eps = std::numeric_limits<typename A::TapReal>::epsilon();
    const long double tol = eps * (16 + 4 * std::sqrt(static_cast<long double>(L))) * bound;
    if constexpr (A::intOut) {
        using I = typename Parts<typename A::Data>::Real;
        const long double s = std::ldexp(1.0L, -sf), lo = std::numeric_limits<I>::min(), hi = std::numeric_limits<I>::max();
        const auto ok = [&](long double v, long double g) {
            const long double d = 0.5L + tol * s + 1e-9L;
            return g >= std::floor(clampTo(v * s - d, lo, hi)) && g <= std::ceil(clampTo(v * s + d, lo, hi));
        };
        const C g = toC(got);
        return ok(ref.real(), g.real()) && ok(ref.imag(), g.imag());
    } else {
        const long double out = std::numeric_limits<typename Parts<typename A::Data>::Real>::epsilon();
        return std::abs(toC(got) - ref) <= 1.5L * (tol + out * std::abs(ref)) + 1e-30L;
    }
}

// Runs `ops` on a fresh state in a guarded caller block (3 bytes off a line);
// with `check`, every output, the final delay line and taps against the model.
template <class A>
std::vector<typename A::Data> runStream(const A& api, int L, const std::vector<Op>& ops, std::uint32_t seed, bool check,
                                        int initThreads = 4, int runThreads = 2)
{
    using Data = typename A::Data;
    const int sf = A::intOut ? static_cast<int>(std::ceil(std::log2(std::sqrt(double(L))))) + 1 : 0;
    auto randomData = [&](int n) { return A::intOut ? randomVector<Data>(n, ++seed) : randomVector<Data>(n, ++seed, -1000, 1000); };
    auto taps = randomVector<typename A::Tap>(L, seed, -1, 1);
    auto dly = randomData(L);
    std::vector<C> x, h;  // x: every input so far, oldest first, the delay line as inputs
    auto pushDelayLine = [&] { for (int k = L - 1; k >= 0; --k) x.push_back(toC(dly[k])); };
    auto setModelTaps = [&] { h.clear(); for (auto t : taps) h.push_back(toC(t)); };
    pushDelayLine();
    setModelTaps();

    int bytes = 0;
    typename A::St* st = nullptr;
    std::vector<Data> all;
    std::unique_ptr<Guarded<Orv8u>> mem;
    {
        orvs_test::ThreadCount tc(initThreads);
        EXPECT_EQ(api.size(L, &bytes), orvStsOk);
        mem = std::make_unique<Guarded<Orv8u>>(bytes, 3);
        EXPECT_EQ(api.init(&st, taps.data(), L, dly.data(), mem->data()), orvStsOk) << api.name;
    }
    orvs_test::ThreadCount tc(runThreads);
    for (const Op& op : ops) {
        if (op.kind == 't') {
            taps = randomVector<typename A::Tap>(L, ++seed, -1, 1);
            EXPECT_EQ(api.setTaps(taps.data(), st), orvStsOk);
            setModelTaps();
            continue;
        }
        if (op.kind == 'd') {
            dly = randomData(L);
            EXPECT_EQ(api.setDly(st, dly.data()), orvStsOk);
            pushDelayLine();
            continue;
        }
        const auto in = randomData(op.n);
        Unaligned<Data> src(op.n), dst(op.n);
        src.assign(in);
        OrvStatus s = orvStsOk;
        if (op.kind == 'b') s = api.block(src.data(), dst.data(), op.n, st, sf);
        if (op.kind == 'i') s = api.inPlace(src.data(), op.n, st, sf);
        if (op.kind == 'o')
            for (int i = 0; i < op.n && s == orvStsOk; ++i) s = api.one(in[i], dst.data() + i, st, sf);
        EXPECT_EQ(s, orvStsOk) << api.name << " " << op.kind << op.n;
        const Data* out = op.kind == 'i' ? src.data() : dst.data();
        for (int i = 0; i < op.n; ++i) {
            x.push_back(toC(in[i]));
            all.push_back(out[i]);
            if (!check) continue;
            C ref = 0;
            long double bound = 0;
            for (int k = 0; k < L; ++k) {
                ref += h[k] * x[x.size() - 1 - k];
                bound += std::abs(h[k]) * std::abs(x[x.size() - 1 - k]);
            }
            if (!closeTo<A>(out[i], ref, bound, L, sf)) {
                ADD_FAILURE() << api.name << " L " << L << " op " << op.kind << op.n << " output " << i << ": got "
                              << toC(out[i]) << " want " << ref;
                return all;
            }
        }
    }
    if (check) {
        std::vector<Data> got(L);
        std::vector<typename A::Tap> gotTaps(L);
        EXPECT_EQ(api.getDly(st, got.data()), orvStsOk);
        for (int k = 0; k < L; ++k) EXPECT_EQ(toC(got[k]), x[x.size() - 1 - k]) << api.name << " delay line " << k;
        EXPECT_EQ(api.getTaps(st, gotTaps.data()), orvStsOk);
        EXPECT_TRUE(orvs_test::sameBits(gotTaps.data(), taps.data(), L)) << api.name;
    }
    EXPECT_EQ(api.release(st), orvStsOk);
    EXPECT_TRUE(mem->guardsIntact()) << api.name << " L " << L << " wrote outside its state";
    return all;
}

// Calls around every boundary: one-sample calls, the delay buffer's capacity,
// the FFT block S, the FFT call minimum, the parallel split, in-place chunks.
template <class A>
std::vector<Op> boundaryOps(int L)
{
    const int S = fftLenFor(L) - L + 1, m = A::callMin;
    return {{'o', 3}, {'b', 1}, {'b', 37}, {'i', 17},      {'b', S},    {'b', S + 1}, {'b', 3 * S},
            {'t', 0}, {'b', m - 1}, {'b', m}, {'o', 2},    {'b', 2000}, {'d', 0},     {'i', 5000}, {'b', 700}};
}

} // namespace

TEST(FirModel, EveryFamilyMatchesTheModel)
{
    forEachFamily([](const auto& api) {
        for (int L : {1, 3, 12, 31, 32, 33, api.fftMinTaps - 1, api.fftMinTaps, 200}) {
            if (orvs_test::quick() && L > 40) continue;
            runStream(api, L, boundaryOps<std::decay_t<decltype(api)>>(L), 100u + L, true);
        }
    });
}

TEST(FirModel, InitAllocStatesFilterAlike)
{
    forEachFamily([](const auto& api) {
        using A = std::decay_t<decltype(api)>;
        for (int L : {5, api.fftMinTaps + 1}) {
            const auto taps = randomVector<typename A::Tap>(L, 7, -1, 1);
            const auto in = randomVector<typename A::Data>(3000, 8, -100, 100);
            std::vector<typename A::Data> a(3000), b(3000);
            typename A::St *s1 = nullptr, *s2 = nullptr;
            int bytes = 0;
            api.size(L, &bytes);
            std::vector<Orv8u> mem(bytes);
            ASSERT_EQ(api.initAlloc(&s1, taps.data(), L, nullptr), orvStsOk);
            ASSERT_EQ(api.init(&s2, taps.data(), L, nullptr, mem.data()), orvStsOk);
            EXPECT_EQ(api.block(in.data(), a.data(), 3000, s1, 2), orvStsOk);
            EXPECT_EQ(api.block(in.data(), b.data(), 3000, s2, 2), orvStsOk);
            EXPECT_TRUE(orvs_test::sameBits(a.data(), b.data(), 3000)) << api.name;
            EXPECT_EQ(api.release(s1), orvStsOk);
            const std::vector<Orv8u> before = mem;
            EXPECT_EQ(api.release(s2), orvStsOk);  // caller memory: left alone
            EXPECT_TRUE(before == mem) << api.name;
        }
    });
}

TEST(FirThreads, OneTwoFourThreadsGiveTheSameBits)
{
    forEachFamily([](const auto& api) {
        using A = std::decay_t<decltype(api)>;
        const std::vector<Op> ops = {{'b', 5000}, {'i', 9000}, {'b', 2500}, {'o', 3}, {'b', 1601}};
        for (int L : {40, api.fftMinTaps, 150}) {
            const auto ref = runStream(api, L, ops, 9u, false, 4, 1);
            for (auto [initT, runT] : {std::pair{4, 2}, std::pair{4, 4}, std::pair{1, 4}, std::pair{2, 3}}) {
                const auto got = runStream(api, L, ops, 9u, false, initT, runT);
                EXPECT_TRUE(orvs_test::sameBits(got.data(), ref.data(), ref.size()))
                    << api.name << " L " << L << " threads " << initT << "/" << runT;
            }
        }
        (void)sizeof(A);
    });
}

TEST(FirStatus, ChecksRunInOrderAndWriteNothing)
{
    forEachFamily([](const auto& api) {
        using A = std::decay_t<decltype(api)>;
        typename A::Tap taps[4] = {};
        typename A::Data dly[4] = {};
        int bytes = -5;
        EXPECT_EQ(api.size(0, &bytes), orvStsErrFirLen);
        EXPECT_EQ(api.size(-3, nullptr), orvStsErrNullPtr);
        EXPECT_EQ(bytes, -5);
        std::vector<Orv8u> mem(100000);
        typename A::St* st = nullptr;
        EXPECT_EQ(api.init(&st, taps, 0, dly, mem.data()), orvStsErrFirLen);
        EXPECT_EQ(api.init(&st, nullptr, 0, dly, mem.data()), orvStsErrNullPtr);
        EXPECT_EQ(api.initAlloc(&st, taps, INT_MIN, nullptr), orvStsErrFirLen);
        EXPECT_EQ(st, nullptr);
        ASSERT_EQ(api.init(&st, taps, 4, nullptr, mem.data()), orvStsOk);
        typename A::Data src[8] = {}, dst[8];
        std::memset(dst, 0x5A, sizeof dst);
        EXPECT_EQ(api.block(src, dst, 0, st, 0), orvStsErrSize);
        EXPECT_EQ(api.block(src, nullptr, 0, st, 0), orvStsErrNullPtr);
        EXPECT_EQ(api.inPlace(dst, -1, st, 0), orvStsErrSize);
        // Another family's identifier, or one changed after Init.
        std::uint32_t& id = *reinterpret_cast<std::uint32_t*>(st);
        const std::uint32_t saved = id;
        id ^= 0x100;
        EXPECT_EQ(api.block(src, dst, 8, st, 0), orvStsErrContextMatch);
        EXPECT_EQ(api.block(src, dst, 0, st, 0), orvStsErrSize);  // the length comes first
        EXPECT_EQ(api.one(src[0], dst, st, 0), orvStsErrContextMatch);
        EXPECT_EQ(api.getDly(st, dst), orvStsErrContextMatch);
        EXPECT_EQ(api.release(st), orvStsErrContextMatch);
        std::uint8_t probe[8];
        std::memset(probe, 0x5A, sizeof probe);
        EXPECT_EQ(std::memcmp(dst, probe, sizeof probe), 0) << api.name << " wrote on error";
        id = saved;
        EXPECT_EQ(api.block(src, dst, 8, st, 0), orvStsOk);
    });
}

// y = h0 * x scaled by 2^-sf: ties go to the even integer, overflow saturates.
TEST(FirInteger, RoundsTiesToEvenAndSaturates)
{
    struct Row { double h0; long long x; int sf; long long want16, want32; };
    const Row rows[] = {
        {1, 3, 1, 2, 2},     {1, 5, 1, 2, 2},     {1, -3, 1, -2, -2},   {1, -5, 1, -2, -2},     {1, 7, 2, 2, 2},
        {1, 6, 2, 2, 2},     {1, 10, 2, 2, 2},    {0.5, 5, 0, 2, 2},    {4, 20000, 0, 32767, 80000},
        {-4, 20000, 0, -32768, -80000},           {3, 32767, -1, 32767, 196602}, {1, 1, -16, 32767, 65536},
    };
    forEachFamily([&](const auto& api) {
        using A = std::decay_t<decltype(api)>;
        if constexpr (A::intOut) {
            using I = typename Parts<typename A::Data>::Real;
            for (const Row& r : rows) {
                const typename A::Tap h = fromC<typename A::Tap>(C(r.h0, r.h0));
                std::vector<Orv8u> mem(4096 * 64);
                typename A::St* st = nullptr;
                ASSERT_EQ(api.init(&st, &h, 1, nullptr, mem.data()), orvStsOk);
                // (x + 0i) * (h + hi) = hx + hxi: both parts carry the rule.
                const typename A::Data x = fromC<typename A::Data>(C(static_cast<I>(r.x), 0));
                typename A::Data y1{}, y2[2]{};
                const long long want = sizeof(I) == 2 ? r.want16 : r.want32;
                EXPECT_EQ(api.one(x, &y1, st, r.sf), orvStsOk);
                const typename A::Data xs[2] = {x, x};
                EXPECT_EQ(api.block(xs, y2, 2, st, r.sf), orvStsOk);
                for (const auto& y : {y1, y2[0], y2[1]}) {
                    EXPECT_EQ(toC(y).real(), want) << api.name << " h " << r.h0 << " x " << r.x << " sf " << r.sf;
                    if (A::complex) EXPECT_EQ(toC(y).imag(), want) << api.name;
                }
            }
        }
    });
}

TEST(FirDelayLine, RoundTripsAndItsLastElementDropsOut)
{
    forEachFamily([](const auto& api) {
        using A = std::decay_t<decltype(api)>;
        const int L = 9;
        const auto taps = randomVector<typename A::Tap>(L, 3, -1, 1);
        auto dly = randomVector<typename A::Data>(L, 4, -100, 100);
        std::vector<Orv8u> m1(1 << 20), m2(1 << 20);
        typename A::St *a = nullptr, *b = nullptr;
        ASSERT_EQ(api.init(&a, taps.data(), L, dly.data(), m1.data()), orvStsOk);
        std::vector<typename A::Data> got(L);
        EXPECT_EQ(api.getDly(a, got.data()), orvStsOk);
        EXPECT_TRUE(orvs_test::sameBits(got.data(), dly.data(), L)) << api.name;
        dly[L - 1] = dly[0];
        ASSERT_EQ(api.init(&b, taps.data(), L, dly.data(), m2.data()), orvStsOk);
        const auto in = randomVector<typename A::Data>(20, 5, -100, 100);
        std::vector<typename A::Data> ya(20), yb(20);
        EXPECT_EQ(api.block(in.data(), ya.data(), 20, a, 0), orvStsOk);
        EXPECT_EQ(api.block(in.data(), yb.data(), 20, b, 0), orvStsOk);
        EXPECT_TRUE(orvs_test::sameBits(ya.data(), yb.data(), 20)) << api.name;
        EXPECT_EQ(api.setDly(a, nullptr), orvStsOk);
        EXPECT_EQ(api.getDly(a, got.data()), orvStsOk);
        for (const auto& g : got) EXPECT_EQ(toC(g), C(0)) << api.name;
    });
}

// 32-bit integer taps: every sum is exact in double precision here, so the
// outputs are the exact sums rounded ties-to-even and saturated.
TEST(Fir32s, MatchesExactIntegerSums)
{
    for (int L : {1, 7, 64, 100}) {
        std::vector<Orv32s> taps = randomVector<Orv32s>(L, 11), dly = randomVector<Orv32s>(L, 12);
        for (auto& t : taps) t >>= 21;  // |h| < 2^10: |sum| < 2^48
        std::vector<Orv8u> mem(1 << 22);
        OrvsFIRState_32s* st = nullptr;
        ASSERT_EQ(orvsFIRInit_32s(&st, taps.data(), L, dly.data(), mem.data()), orvStsOk);
        std::vector<long long> x(dly.rbegin(), dly.rend());
        for (int sf : {0, 9, 13, -1}) {
            const int n = 700;
            const auto in = randomVector<Orv32s>(n, 13 + sf);
            std::vector<Orv32s> out(n);
            ASSERT_EQ(orvsFIR_32s_Sfs(in.data(), out.data(), n, st, sf), orvStsOk);
            for (int i = 0; i < n; ++i) {
                x.push_back(in[i]);
                __int128 acc = 0;
                for (int k = 0; k < L; ++k) acc += static_cast<__int128>(taps[k]) * x[x.size() - 1 - k];
                if (sf > 0) {
                    const __int128 q = acc >> sf, rem = acc - (q << sf), half = __int128(1) << (sf - 1);
                    acc = q + (rem > half || (rem == half && (q & 1)));
                } else {
                    acc *= __int128(1) << -sf;
                }
                const long long want = static_cast<long long>(acc > INT_MAX ? INT_MAX : acc < INT_MIN ? INT_MIN : acc);
                ASSERT_EQ(out[i], want) << "L " << L << " sf " << sf << " at " << i;
            }
        }
    }
}

TEST(FirVariants, Avx) { ORVS_RERUN_UNDER_VARIANT("avx", "FirModel.*:FirThreads.*", "ORVS_TEST_QUICK=1"); }
TEST(FirVariants, Avx2) { ORVS_RERUN_UNDER_VARIANT("avx2", "FirModel.*:FirThreads.*", "ORVS_TEST_QUICK=1"); }
