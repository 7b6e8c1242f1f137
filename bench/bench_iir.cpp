// IIR filters over 1M samples: biquad cascades of 1, 3 and 8 sections and
// AR filters of order 2, 4 and 8, 32f and 64f, beside liquid-dsp's iirfilt
// (single precision only) on the same taps. One thread: no entry of the
// family splits work.
#include <cmath>
#include <complex>
#include <vector>

#include "bench_util.h"
#include "orvs.h"
#include "../tests/common/test_util.h"

#if defined(ORVS_HAVE_LIQUID)
#include <liquid/liquid.h>
#endif

namespace {

constexpr int kLen = 1 << 20;

// Stable sections: poles of radius 0.9 spread over the band, zeros at -1.
std::vector<double> sections(int k)
{
    std::vector<double> t;
    for (int s = 0; s < k; ++s) {
        const double th = 3.14159 * (s + 0.5) / (k + 1), r = 0.9;
        for (double v : {0.2, 0.4, 0.2, 1.0, -2 * r * std::cos(th), r * r}) t.push_back(v);
    }
    return t;
}

// An AR filter of order n: the product of n/2 of those sections.
std::vector<double> arTaps(int n)
{
    const std::vector<double> s = sections(n / 2);
    std::vector<double> b{1}, a{1};
    for (int k = 0; k < n / 2; ++k) {
        std::vector<double> nb(b.size() + 2), na(a.size() + 2);
        for (size_t i = 0; i < b.size(); ++i)
            for (int j = 0; j < 3; ++j) nb[i + j] += b[i] * s[6 * k + j], na[i + j] += a[i] * s[6 * k + 3 + j];
        b = nb, a = na;
    }
    b.insert(b.end(), a.begin(), a.end());
    return b;
}

template <class F>
void run(benchmark::State& st, F&& body)
{
    for (auto _ : st) {
        body();
        benchmark::ClobberMemory();
    }
    st.SetItemsProcessed(st.iterations() * kLen);
}

template <class T>
std::vector<T> taps(const std::vector<double>& d) { return std::vector<T>(d.begin(), d.end()); }

void biquad32(benchmark::State& st)
{
    const int k = int(st.range(0));
    const auto t = taps<Orv32f>(sections(k));
    const auto x = orvs_test::randomVector<Orv32f>(kLen, 1, -1, 1);
    std::vector<Orv32f> y(kLen);
    OrvsIIRState_32f* s = nullptr;
    orvsIIRInitAlloc_BiQuad_32f(&s, t.data(), k, nullptr);
    run(st, [&] { orvsIIR_32f(x.data(), y.data(), kLen, s); });
    orvsIIRFree_32f(s);
}
void biquad64(benchmark::State& st)
{
    const int k = int(st.range(0));
    const auto t = sections(k);
    const auto x = orvs_test::randomVector<Orv64f>(kLen, 1, -1, 1);
    std::vector<Orv64f> y(kLen);
    OrvsIIRState_64f* s = nullptr;
    orvsIIRInitAlloc_BiQuad_64f(&s, t.data(), k, nullptr);
    run(st, [&] { orvsIIR_64f(x.data(), y.data(), kLen, s); });
    orvsIIRFree_64f(s);
}
void ar32(benchmark::State& st)
{
    const int n = int(st.range(0));
    const auto t = taps<Orv32f>(arTaps(n));
    const auto x = orvs_test::randomVector<Orv32f>(kLen, 1, -1, 1);
    std::vector<Orv32f> y(kLen);
    OrvsIIRState_32f* s = nullptr;
    orvsIIRInitAlloc_32f(&s, t.data(), n, nullptr);
    run(st, [&] { orvsIIR_32f(x.data(), y.data(), kLen, s); });
    orvsIIRFree_32f(s);
}
void ar64(benchmark::State& st)
{
    const int n = int(st.range(0));
    const auto t = arTaps(n);
    const auto x = orvs_test::randomVector<Orv64f>(kLen, 1, -1, 1);
    std::vector<Orv64f> y(kLen);
    OrvsIIRState_64f* s = nullptr;
    orvsIIRInitAlloc_64f(&s, t.data(), n, nullptr);
    run(st, [&] { orvsIIR_64f(x.data(), y.data(), kLen, s); });
    orvsIIRFree_64f(s);
}

#if defined(ORVS_HAVE_LIQUID)
void biquadLiquid(benchmark::State& st)
{
    const int k = int(st.range(0));
    const auto t = sections(k);
    std::vector<float> b, a;
    for (int s = 0; s < k; ++s)
        for (int j = 0; j < 3; ++j) b.push_back(float(t[6 * s + j])), a.push_back(float(t[6 * s + 3 + j]));
    auto x = orvs_test::randomVector<float>(kLen, 1, -1, 1);
    std::vector<float> y(kLen);
    iirfilt_rrrf q = iirfilt_rrrf_create_sos(b.data(), a.data(), k);
    run(st, [&] { iirfilt_rrrf_execute_block(q, x.data(), kLen, y.data()); });
    iirfilt_rrrf_destroy(q);
}
void arLiquid(benchmark::State& st)
{
    const int n = int(st.range(0));
    const auto t = taps<float>(arTaps(n));
    auto x = orvs_test::randomVector<float>(kLen, 1, -1, 1);
    std::vector<float> y(kLen), b(t.begin(), t.begin() + n + 1), a(t.begin() + n + 1, t.end());
    iirfilt_rrrf q = iirfilt_rrrf_create(b.data(), n + 1, a.data(), n + 1);
    run(st, [&] { iirfilt_rrrf_execute_block(q, x.data(), kLen, y.data()); });
    iirfilt_rrrf_destroy(q);
}
#endif

void reg(const char* name, void (*fn)(benchmark::State&), std::initializer_list<int> args)
{
    auto* b = benchmark::RegisterBenchmark(name, fn);
    for (int a : args) b->Arg(a);
    b->UseRealTime()->Unit(benchmark::kMillisecond);
}

const int kRegistered = [] {
    reg("IIRBiQuad_32f:orvs", biquad32, {1, 3, 8});
    reg("IIRBiQuad_64f:orvs", biquad64, {1, 3, 8});
    reg("IIRAR_32f:orvs", ar32, {2, 4, 8});
    reg("IIRAR_64f:orvs", ar64, {2, 4, 8});
#if defined(ORVS_HAVE_LIQUID)
    reg("IIRBiQuad_32f:liquid", biquadLiquid, {1, 3, 8});
    reg("IIRAR_32f:liquid", arLiquid, {2, 4, 8});
#endif
    return 0;
}();

} // namespace

ORVS_BENCH_MAIN()
