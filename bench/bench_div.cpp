// Division entries beside a plain scalar loop of the same operation, with one
// and two configured threads (the scalar loop is split the same way), and
// beside VOLK's single-threaded divisions where it has one.
#include <omp.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "bench_util.h"
#include "orvcore.h"
#include "orvs.h"

#ifdef ORVS_HAVE_VOLK
#include <volk/volk.h>
#endif

namespace {

template <class T>
std::vector<T> data(int n, unsigned seed, int lo, int hi)
{
    std::vector<T> v(n);
    std::srand(seed);
    for (auto& x : v) {
        int r = lo + std::rand() % (hi - lo + 1);
        if (r == 0) r = 1;  // no zero divisors: the common case
        x = static_cast<T>(r);
    }
    return v;
}

// Splits [0, n) over `threads` threads for the scalar peer.
template <class F>
void split(int n, int threads, F&& f)
{
    if (threads == 1) return f(0, n);
#pragma omp parallel num_threads(threads)
    {
        const int t = omp_get_thread_num(), nt = omp_get_num_threads(), chunk = n / nt;
        f(t * chunk, t == nt - 1 ? n - t * chunk : chunk);
    }
}

inline Orv16s divNearEven(Orv16s x, Orv16s d)
{
    int q = x / d;
    const int r = x % d, ad = d < 0 ? -d : d, twice = 2 * (r < 0 ? -r : r);
    if (twice > ad || (twice == ad && (q & 1))) q += ((x < 0) != (d < 0)) ? -1 : 1;
    return static_cast<Orv16s>(q > 32767 ? 32767 : q);
}

void Div32f(benchmark::State& st, bool ours, int threads)
{
    const int n = static_cast<int>(st.range(0));
    auto a = data<float>(n, 1, -1000, 1000), b = data<float>(n, 2, -1000, 1000);
    std::vector<float> d(n);
    orvSetNumThreads(threads);
    for (auto _ : st) {
        if (ours) orvsDiv_32f(a.data(), b.data(), d.data(), n);
        else split(n, threads, [&](int s, int c) { for (int i = s; i < s + c; ++i) d[i] = b[i] / a[i]; });
        benchmark::DoNotOptimize(d.data());
    }
    st.SetItemsProcessed(st.iterations() * n);
}

void Div16s(benchmark::State& st, bool ours, int threads)
{
    const int n = static_cast<int>(st.range(0));
    auto a = data<Orv16s>(n, 3, -300, 300), b = data<Orv16s>(n, 4, -32768, 32767);
    std::vector<Orv16s> d(n);
    orvSetNumThreads(threads);
    for (auto _ : st) {
        if (ours) orvsDiv_16s_Sfs(a.data(), b.data(), d.data(), n, 0);
        else split(n, threads, [&](int s, int c) { for (int i = s; i < s + c; ++i) d[i] = divNearEven(b[i], a[i]); });
        benchmark::DoNotOptimize(d.data());
    }
    st.SetItemsProcessed(st.iterations() * n);
}

void DivC32f(benchmark::State& st, bool ours, int threads)
{
    const int n = static_cast<int>(st.range(0));
    auto a = data<float>(n, 5, -1000, 1000);
    std::vector<float> d(n);
    const float val = 3.7f;
    orvSetNumThreads(threads);
    for (auto _ : st) {
        if (ours) orvsDivC_32f(a.data(), val, d.data(), n);
        else split(n, threads, [&](int s, int c) { for (int i = s; i < s + c; ++i) d[i] = a[i] / val; });
        benchmark::DoNotOptimize(d.data());
    }
    st.SetItemsProcessed(st.iterations() * n);
}

void Div32fc(benchmark::State& st, bool ours, int threads)
{
    const int n = static_cast<int>(st.range(0));
    auto a = data<float>(2 * n, 6, -1000, 1000), b = data<float>(2 * n, 7, -1000, 1000);
    std::vector<Orv32fc> d(n);
    const auto* ac = reinterpret_cast<const Orv32fc*>(a.data());
    const auto* bc = reinterpret_cast<const Orv32fc*>(b.data());
    orvSetNumThreads(threads);
    for (auto _ : st) {
        if (ours) {
            orvsDiv_32fc(ac, bc, d.data(), n);
        } else {
            split(n, threads, [&](int s, int c) {
                for (int i = s; i < s + c; ++i) {
                    const double m = double(ac[i].re) * ac[i].re + double(ac[i].im) * ac[i].im;
                    d[i].re = float((double(bc[i].re) * ac[i].re + double(bc[i].im) * ac[i].im) / m);
                    d[i].im = float((double(bc[i].im) * ac[i].re - double(bc[i].re) * ac[i].im) / m);
                }
            });
        }
        benchmark::DoNotOptimize(d.data());
    }
    st.SetItemsProcessed(st.iterations() * n);
}

void Div64f(benchmark::State& st, bool ours, int threads)
{
    const int n = static_cast<int>(st.range(0));
    auto a = data<double>(n, 8, -1000, 1000), b = data<double>(n, 9, -1000, 1000);
    std::vector<double> d(n);
    orvSetNumThreads(threads);
    for (auto _ : st) {
        if (ours) orvsDiv_64f(a.data(), b.data(), d.data(), n);
        else split(n, threads, [&](int s, int c) { for (int i = s; i < s + c; ++i) d[i] = b[i] / a[i]; });
        benchmark::DoNotOptimize(d.data());
    }
    st.SetItemsProcessed(st.iterations() * n);
}

#ifdef ORVS_HAVE_VOLK
// VOLK writes c = a / b: the dividend first.
void Div32fVolk(benchmark::State& st)
{
    const int n = static_cast<int>(st.range(0));
    auto a = data<float>(n, 1, -1000, 1000), b = data<float>(n, 2, -1000, 1000);
    std::vector<float> d(n);
    for (auto _ : st) {
        volk_32f_x2_divide_32f(d.data(), b.data(), a.data(), n);
        benchmark::DoNotOptimize(d.data());
    }
    st.SetItemsProcessed(st.iterations() * n);
}

void Div32fcVolk(benchmark::State& st)
{
    const int n = static_cast<int>(st.range(0));
    auto a = data<float>(2 * n, 6, -1000, 1000), b = data<float>(2 * n, 7, -1000, 1000);
    std::vector<Orv32fc> d(n);
    for (auto _ : st) {
        volk_32fc_x2_divide_32fc(reinterpret_cast<lv_32fc_t*>(d.data()), reinterpret_cast<const lv_32fc_t*>(b.data()),
                                 reinterpret_cast<const lv_32fc_t*>(a.data()), n);
        benchmark::DoNotOptimize(d.data());
    }
    st.SetItemsProcessed(st.iterations() * n);
}
#endif

const int kRegistered = [] {
    using Fn = void (*)(benchmark::State&, bool, int);
    const std::pair<const char*, Fn> cases[] = {{"Div_32f", Div32f},   {"Div_16s_Sfs", Div16s}, {"DivC_32f", DivC32f},
                                                {"Div_32fc", Div32fc}, {"Div_64f", Div64f}};
    for (const auto& [name, fn] : cases)
        for (int threads : {1, 2})
            for (bool ours : {true, false}) {
                const std::string id = std::string(name) + "_t" + std::to_string(threads) + (ours ? ":orvs" : ":scalar");
                benchmark::RegisterBenchmark(id.c_str(), fn, ours, threads)->Arg(4096)->Arg(1 << 20)->UseRealTime();
            }
#ifdef ORVS_HAVE_VOLK
    // VOLK runs in the calling thread: it is the peer of the one-thread cases.
    benchmark::RegisterBenchmark("Div_32f_t1:volk", Div32fVolk)->Arg(4096)->Arg(1 << 20)->UseRealTime();
    benchmark::RegisterBenchmark("Div_32fc_t1:volk", Div32fcVolk)->Arg(4096)->Arg(1 << 20)->UseRealTime();
#endif
    return 0;
}();

} // namespace

ORVS_BENCH_MAIN()
