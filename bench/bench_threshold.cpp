// Thresholds beside a memcpy of the same output bytes (the floor for a
// memory-bound kernel), at an L1-resident size and an out-of-cache one.
// No peer library offers a clamp against a constant level.
#include <cstring>
#include <vector>

#include "bench_util.h"
#include "orvs.h"
#include "../tests/common/test_util.h"

namespace {

using orvs_test::randomVector;

template <class T>
struct Buf {
    T* p;
    explicit Buf(int n, std::uint32_t seed) : p(reinterpret_cast<T*>(orvsMalloc_8u(n * static_cast<int>(sizeof(T)))))
    {
        const auto v = randomVector<T>(n, seed, -4, 4);
        std::memcpy(static_cast<void*>(p), v.data(), n * sizeof(T));
    }
    ~Buf() { orvsFree(p); }
};

template <class T, class F>
void run(benchmark::State& st, F f)
{
    const int n = static_cast<int>(st.range(0));
    Buf<T> a(n, 1), d(n, 2);
    for (auto _ : st) {
        f(a.p, d.p, n);
        benchmark::DoNotOptimize(d.p);
        benchmark::ClobberMemory();
    }
    st.SetItemsProcessed(st.iterations() * n);
}

template <class T>
void memcpyCase(benchmark::State& st)
{
    run<T>(st, [](const T* a, T* d, int n) { std::memcpy(static_cast<void*>(d), a, n * sizeof(T)); });
}

void ltOrvs(benchmark::State& st) { run<Orv32f>(st, [](const Orv32f* a, Orv32f* d, int n) { orvsThreshold_LT_32f(a, d, n, 0.5f); }); }
void gtOrvs(benchmark::State& st) { run<Orv32fc>(st, [](const Orv32fc* a, Orv32fc* d, int n) { orvsThreshold_GT_32fc(a, d, n, 2.0f); }); }
void bothOrvs(benchmark::State& st)
{
    run<Orv16s>(st, [](const Orv16s* a, Orv16s* d, int n) { orvsThreshold_LTValGTVal_16s(a, d, n, -1000, -1, 1000, 1); });
}
void absOrvs(benchmark::State& st) { run<Orv64f>(st, [](const Orv64f* a, Orv64f* d, int n) { orvsThreshold_LTAbs_64f(a, d, n, 0.5); }); }
void invOrvs(benchmark::State& st) { run<Orv32f>(st, [](const Orv32f* a, Orv32f* d, int n) { orvsThreshold_LTInv_32f(a, d, n, 0.25f); }); }
void invOrvs1(benchmark::State& st)
{
    orvs_test::ThreadCount one(1);
    invOrvs(st);
}
void invcOrvs(benchmark::State& st) { run<Orv32fc>(st, [](const Orv32fc* a, Orv32fc* d, int n) { orvsThreshold_LTInv_32fc(a, d, n, 0.25f); }); }

void reg(const char* name, void (*fn)(benchmark::State&))
{
    benchmark::RegisterBenchmark(name, fn)->Arg(4096)->Arg(1 << 20)->UseRealTime();
}

const int kRegistered = [] {
    reg("Threshold_LT_32f:orvs", ltOrvs);
    reg("Threshold_LT_32f:memcpy", memcpyCase<Orv32f>);
    reg("Threshold_GT_32fc:orvs", gtOrvs);
    reg("Threshold_GT_32fc:memcpy", memcpyCase<Orv32fc>);
    reg("Threshold_LTValGTVal_16s:orvs", bothOrvs);
    reg("Threshold_LTValGTVal_16s:memcpy", memcpyCase<Orv16s>);
    reg("Threshold_LTAbs_64f:orvs", absOrvs);
    reg("Threshold_LTAbs_64f:memcpy", memcpyCase<Orv64f>);
    reg("Threshold_LTInv_32f:orvs", invOrvs);
    reg("Threshold_LTInv_32f:orvs-1thread", invOrvs1);
    reg("Threshold_LTInv_32f:memcpy", memcpyCase<Orv32f>);
    reg("Threshold_LTInv_32fc:orvs", invcOrvs);
    reg("Threshold_LTInv_32fc:memcpy", memcpyCase<Orv32fc>);
    return 0;
}();

} // namespace

ORVS_BENCH_MAIN()
