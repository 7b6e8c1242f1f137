// FIR filtering: FIR_32f and FIR_32fc at 16, 64, 256 and 1024 taps on 4096
// and 65536 samples, beside liquid-dsp's firfilt (optional peer), and the
// direct path on its own (480-sample calls stay direct). Counters: samples/s
// and multiply-adds/s ("mac/s", complex products count 4). FmaPeak measures
// the single-precision multiply-add peak of one core of this machine for
// comparison.
#include <immintrin.h>

#include <complex>
#include <vector>

#include "bench_util.h"
#include "orvs.h"
#if defined(ORVS_HAVE_LIQUID)
#include <liquid/liquid.h>
#endif

namespace {

template <class T>
std::vector<T> signal(std::size_t n, float scale)
{
    std::vector<T> v(n);
    float* p = reinterpret_cast<float*>(v.data());
    for (std::size_t i = 0; i < n * sizeof(T) / sizeof(float); ++i) p[i] = scale * float((i * 7919) % 1000) / 1000.0f - 0.5f * scale;
    return v;
}

void counters(benchmark::State& st, int taps, int n, int macsPerTap)
{
    st.counters["samples/s"] = benchmark::Counter(double(n) * st.iterations(), benchmark::Counter::kIsRate);
    st.counters["mac/s"] = benchmark::Counter(double(n) * taps * macsPerTap * st.iterations(), benchmark::Counter::kIsRate);
}

void Fir32f(benchmark::State& st)
{
    const int taps = int(st.range(0)), n = int(st.range(1));
    auto h = signal<Orv32f>(taps, 0.01f);
    auto x = signal<Orv32f>(n, 1.0f), y = x;
    OrvsFIRState_32f* s = nullptr;
    orvsFIRInitAlloc_32f(&s, h.data(), taps, nullptr);
    for (auto _ : st) {
        orvsFIR_32f(x.data(), y.data(), n, s);
        benchmark::DoNotOptimize(y.data());
    }
    orvsFIRFree_32f(s);
    counters(st, taps, n, 1);
}

void Fir32fc(benchmark::State& st)
{
    const int taps = int(st.range(0)), n = int(st.range(1));
    auto h = signal<Orv32fc>(taps, 0.01f);
    auto x = signal<Orv32fc>(n, 1.0f), y = x;
    OrvsFIRState_32fc* s = nullptr;
    orvsFIRInitAlloc_32fc(&s, h.data(), taps, nullptr);
    for (auto _ : st) {
        orvsFIR_32fc(x.data(), y.data(), n, s);
        benchmark::DoNotOptimize(y.data());
    }
    orvsFIRFree_32fc(s);
    counters(st, taps, n, 4);
}

#if defined(ORVS_HAVE_LIQUID)
void Liquid32f(benchmark::State& st)
{
    const int taps = int(st.range(0)), n = int(st.range(1));
    auto h = signal<float>(taps, 0.01f);
    auto x = signal<float>(n, 1.0f), y = x;
    firfilt_rrrf q = firfilt_rrrf_create(h.data(), taps);
    for (auto _ : st) {
        firfilt_rrrf_execute_block(q, x.data(), n, y.data());
        benchmark::DoNotOptimize(y.data());
    }
    firfilt_rrrf_destroy(q);
    counters(st, taps, n, 1);
}

void Liquid32fc(benchmark::State& st)
{
    const int taps = int(st.range(0)), n = int(st.range(1));
    auto h = signal<std::complex<float>>(taps, 0.01f);
    auto x = signal<std::complex<float>>(n, 1.0f), y = x;
    firfilt_cccf q = firfilt_cccf_create(h.data(), taps);
    for (auto _ : st) {
        firfilt_cccf_execute_block(q, x.data(), n, y.data());
        benchmark::DoNotOptimize(y.data());
    }
    firfilt_cccf_destroy(q);
    counters(st, taps, n, 4);
}
#endif

// 16 independent 512-bit multiply-add chains in registers: enough to fill
// both pipes.
#define ORVS_CHAINS(X) X(0) X(1) X(2) X(3) X(4) X(5) X(6) X(7) X(8) X(9) X(10) X(11) X(12) X(13) X(14) X(15)
__attribute__((target("avx512f,fma"))) void fmaPeak512(benchmark::State& st)
{
#define ORVS_DECL(i) __m512 c##i = _mm512_set1_ps(float(i));
#define ORVS_STEP(i) c##i = _mm512_fmadd_ps(c##i, a, b); __asm__("" : "+v"(c##i));
#define ORVS_SUM(i) sink += _mm512_reduce_add_ps(c##i);
    ORVS_CHAINS(ORVS_DECL)
    const __m512 a = _mm512_set1_ps(0.999999f), b = _mm512_set1_ps(1e-7f);
    const long reps = 1 << 16;
    for (auto _ : st)
        for (long r = 0; r < reps; ++r) {
            ORVS_CHAINS(ORVS_STEP)
        }
    float sink = 0;
    ORVS_CHAINS(ORVS_SUM)
    benchmark::DoNotOptimize(sink);
    st.counters["mac/s"] = benchmark::Counter(double(reps) * 16 * 16 * st.iterations(), benchmark::Counter::kIsRate);
}

void FmaPeak(benchmark::State& st)
{
    if (!__builtin_cpu_supports("avx512f")) {
        st.SkipWithError("no AVX-512 on this machine");
        return;
    }
    fmaPeak512(st);
}

void sizes(benchmark::internal::Benchmark* b)
{
    for (int taps : {16, 64, 256, 1024})
        for (int n : {4096, 65536}) b->Args({taps, n});
}

void directSizes(benchmark::internal::Benchmark* b)
{
    for (int taps : {16, 64, 256}) b->Args({taps, 480});
}

} // namespace

BENCHMARK(Fir32f)->Name("FIR_32f:orvs")->Apply(sizes);
BENCHMARK(Fir32fc)->Name("FIR_32fc:orvs")->Apply(sizes);
BENCHMARK(Fir32f)->Name("FIRDirect_32f:orvs")->Apply(directSizes);
BENCHMARK(Fir32fc)->Name("FIRDirect_32fc:orvs")->Args({16, 240})->Args({64, 240});
#if defined(ORVS_HAVE_LIQUID)
BENCHMARK(Liquid32f)->Name("FIR_32f:liquid")->Apply(sizes);
BENCHMARK(Liquid32fc)->Name("FIR_32fc:liquid")->Apply(sizes);
BENCHMARK(Liquid32f)->Name("FIRDirect_32f:liquid")->Apply(directSizes);
BENCHMARK(Liquid32fc)->Name("FIRDirect_32fc:liquid")->Args({16, 240})->Args({64, 240});
#endif
BENCHMARK(FmaPeak)->Name("FmaPeak_32f:machine");

ORVS_BENCH_MAIN()
