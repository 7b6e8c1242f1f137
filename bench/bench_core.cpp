// The parallel element-wise driver: the fixed cost of one split on the
// library's worker pool beside one parallel region of the OpenMP runtime, and
// two splitting entries (Magnitude_32fc from 2048 elements, Div_32f from
// 4096) with two configured threads beside one thread and VOLK.
//
// The pool is compiled into this program from its source so that the empty
// split can be timed directly; the entries use the library's own pool.
#include <omp.h>

#include <vector>

#include "bench_util.h"
#include "orvcore.h"
#include "orvs.h"
#include "../src/core/parallel.h"
#include "../src/core/pool.cpp"
#include "../tests/common/test_util.h"

#if defined(ORVS_HAVE_VOLK)
#include <volk/volk.h>
#endif

namespace {

using orvs_test::randomVector;

// --- fixed cost of a two-way split ------------------------------------------

void emptySplitPool(benchmark::State& st)
{
    orvs_test::ThreadCount two(2);
    int sink = 0;
    for (auto _ : st) {
        orvs::parallel::forChunks(2, 1, 2, [&](int b, int) {
            if (b == 0) sink = b;
            return false;
        });
        benchmark::DoNotOptimize(sink);
    }
}

void emptySplitOmp(benchmark::State& st)
{
    // The region the driver used to open: each thread reads the team size,
    // no barrier before the work, the implicit join at the end.
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

// --- entries that split -------------------------------------------------------

struct Data {
    std::vector<Orv32fc> c;
    std::vector<Orv32f> a, b, d;
    explicit Data(int n)
        : c(randomVector<Orv32fc>(n, 1)), a(randomVector<Orv32f>(n, 2)), b(randomVector<Orv32f>(n, 3, 1.0, 1000.0)),
          d(n)
    {
    }
};

template <class Fn>
void loop(benchmark::State& st, int threads, Fn&& fn)
{
    const int n = static_cast<int>(st.range(0));
    orvs_test::ThreadCount tc(threads);
    Data d(n);
    for (auto _ : st) {
        fn(d, n);
        benchmark::ClobberMemory();
    }
    st.SetItemsProcessed(st.iterations() * n);
}

void mag2(benchmark::State& st) { loop(st, 2, [](Data& d, int n) { orvsMagnitude_32fc(d.c.data(), d.d.data(), n); }); }
void mag1(benchmark::State& st) { loop(st, 1, [](Data& d, int n) { orvsMagnitude_32fc(d.c.data(), d.d.data(), n); }); }
void div2(benchmark::State& st) { loop(st, 2, [](Data& d, int n) { orvsDiv_32f(d.b.data(), d.a.data(), d.d.data(), n); }); }
void div1(benchmark::State& st) { loop(st, 1, [](Data& d, int n) { orvsDiv_32f(d.b.data(), d.a.data(), d.d.data(), n); }); }

#if defined(ORVS_HAVE_VOLK)
void magVolk(benchmark::State& st)
{
    loop(st, 1, [](Data& d, int n) {
        volk_32fc_magnitude_32f(d.d.data(), reinterpret_cast<const lv_32fc_t*>(d.c.data()), n);
    });
}
void divVolk(benchmark::State& st)
{
    loop(st, 1, [](Data& d, int n) { volk_32f_x2_divide_32f(d.d.data(), d.a.data(), d.b.data(), n); });
}
#endif

void sizes(benchmark::internal::Benchmark* b)
{
    for (int n : {2048, 4096, 16384, 1 << 20}) b->Arg(n);
    b->UseRealTime();
}

// "orvs" is two configured threads; "1thread" the same entry with one. The
// OpenMP region runs last: its team threads keep spinning for a while after
// each region and would take the CPU from the pool's worker in later cases.
const int kRegistered = [] {
    sizes(benchmark::RegisterBenchmark("Magnitude_32fc:orvs", mag2));
    sizes(benchmark::RegisterBenchmark("Magnitude_32fc:1thread", mag1));
    sizes(benchmark::RegisterBenchmark("Div_32f:orvs", div2));
    sizes(benchmark::RegisterBenchmark("Div_32f:1thread", div1));
#if defined(ORVS_HAVE_VOLK)
    sizes(benchmark::RegisterBenchmark("Magnitude_32fc:volk", magVolk));
    sizes(benchmark::RegisterBenchmark("Div_32f:volk", divVolk));
#endif
    benchmark::RegisterBenchmark("EmptySplit:orvs", emptySplitPool)->UseRealTime();
    benchmark::RegisterBenchmark("EmptySplit:openmp", emptySplitOmp)->UseRealTime();
    return 0;
}();

} // namespace

ORVS_BENCH_MAIN()
