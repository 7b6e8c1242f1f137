// Cost of one parallel region of the element-wise driver, and the length at
// which splitting a memory-light kernel across two threads starts to pay.
#include <omp.h>

#include <cmath>
#include <vector>

#include "bench_util.h"
#include "orvcore.h"

static void EmptyRegion(benchmark::State& st)
{
    // The driver's region: each thread reads the team size; no barrier
    // before the work, the implicit join at the end.
    int size = 0;
    for (auto _ : st) {
#pragma omp parallel num_threads(2) shared(size)
        {
            const int n = omp_get_num_threads();
            if (omp_get_thread_num() == 0) size = n;
        }
        benchmark::DoNotOptimize(size);
    }
}
BENCHMARK(EmptyRegion);

// A division-like kernel (a few ns per element) serial vs split in two.
static void kernel(const float* a, const float* b, float* d, int n)
{
    for (int i = 0; i < n; ++i) d[i] = a[i] / b[i];
}

static void Split(benchmark::State& st, bool parallel)
{
    const int n = static_cast<int>(st.range(0));
    std::vector<float> a(n, 1.5f), b(n, 3.25f), d(n);
    for (auto _ : st) {
        if (!parallel) {
            kernel(a.data(), b.data(), d.data(), n);
        } else {
#pragma omp parallel num_threads(2)
            {
                int t = omp_get_thread_num(), nt = omp_get_num_threads();
                int chunk = n / nt;
                int begin = t * chunk;
                int count = t == nt - 1 ? n - begin : chunk;
                kernel(a.data() + begin, b.data() + begin, d.data() + begin, count);
            }
        }
        benchmark::DoNotOptimize(d.data());
    }
}

// "orvs" is the two-thread split the driver performs, "serial" the single loop.
static const int kRegistered = [] {
    for (auto* b : {benchmark::RegisterBenchmark("DivSplit:orvs", Split, true),
                    benchmark::RegisterBenchmark("DivSplit:serial", Split, false)})
        b->RangeMultiplier(2)->Range(256, 65536);
    return 0;
}();

ORVS_BENCH_MAIN()
