// Division entries beside a plain scalar loop of the same operation, with one
// and two configured threads (the scalar loop is split the same way).
#include <omp.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "bench_util.h"
#include "orvcore.h"
#include "orvs.h"

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

const int kRegistered = [] {
    using Fn = void (*)(benchmark::State&, bool, int);
    const std::pair<const char*, Fn> cases[] = {{"Div_32f", Div32f}, {"Div_16s_Sfs", Div16s}, {"DivC_32f", DivC32f}};
    for (const auto& [name, fn] : cases)
        for (int threads : {1, 2})
            for (bool ours : {true, false}) {
                const std::string id = std::string(name) + "_t" + std::to_string(threads) + (ours ? ":orvs" : ":scalar");
                benchmark::RegisterBenchmark(id.c_str(), fn, ours, threads)->Arg(4096)->Arg(1 << 20)->UseRealTime();
            }
    return 0;
}();

} // namespace

ORVS_BENCH_MAIN()
