// Forward complex FFT, out of place, single thread: ours beside FFTW
// (plans made with FFTW_MEASURE outside the timed loop). Reports ns per
// transform and "flops" = 5 N log2 N per transform per second (printed
// with k/M/G prefixes, e.g. 74G/s).
#include <cmath>
#include <vector>

#include "bench_util.h"
#include "orvs.h"
#ifdef ORVS_HAVE_FFTW
#include <fftw3.h>
#endif

namespace {

void setFlops(benchmark::State& st, int order)
{
    const double n = double(1 << order);
    st.counters["flops"] = benchmark::Counter(5.0 * n * order * double(st.iterations()), benchmark::Counter::kIsRate);
}

template <class T>
void fill(T* x, std::size_t n)
{
    for (std::size_t i = 0; i < n; ++i) {
        x[i].re = std::sin(0.37 * double(i));
        x[i].im = std::cos(0.11 * double(i));
    }
}

void Orvs32(benchmark::State& st)
{
    const int order = orvs_bench::orderOf(st.range(0));
    const std::size_t n = std::size_t(1) << order;
    OrvsFFTSpec_C_32fc* spec = nullptr;
    orvsFFTInitAlloc_C_32fc(&spec, order, ORV_FFT_NORM_INV_N, orvHintNone);
    int bs = 0;
    orvsFFTGetBufSize_C_32fc(spec, &bs);
    Orv8u* buf = bs ? orvsMalloc_8u(bs) : nullptr;
    Orv32fc* x = orvsMalloc_32fc(int(n));
    Orv32fc* y = orvsMalloc_32fc(int(n));
    fill(x, n);
    for (auto _ : st) {
        orvsFFTFwd_CToC_32fc(x, y, spec, buf);
        benchmark::ClobberMemory();
    }
    setFlops(st, order);
    orvsFree(x);
    orvsFree(y);
    orvsFree(buf);
    orvsFFTFree_C_32fc(spec);
}

void Orvs64(benchmark::State& st)
{
    const int order = orvs_bench::orderOf(st.range(0));
    const std::size_t n = std::size_t(1) << order;
    OrvsFFTSpec_C_64fc* spec = nullptr;
    orvsFFTInitAlloc_C_64fc(&spec, order, ORV_FFT_NORM_INV_N, orvHintNone);
    int bs = 0;
    orvsFFTGetBufSize_C_64fc(spec, &bs);
    Orv8u* buf = bs ? orvsMalloc_8u(bs) : nullptr;
    Orv64fc* x = orvsMalloc_64fc(int(n));
    Orv64fc* y = orvsMalloc_64fc(int(n));
    fill(x, n);
    for (auto _ : st) {
        orvsFFTFwd_CToC_64fc(x, y, spec, buf);
        benchmark::ClobberMemory();
    }
    setFlops(st, order);
    orvsFree(x);
    orvsFree(y);
    orvsFree(buf);
    orvsFFTFree_C_64fc(spec);
}


// Inverse, in place (the real transform's inverse runs this way).
template <class Spec, class T, OrvStatus (*InitA)(Spec**, int, int, OrvHintAlgorithm),
          OrvStatus (*Buf)(const Spec*, int*), OrvStatus (*Inv)(T*, const Spec*, Orv8u*), OrvStatus (*Free)(Spec*)>
void OrvsInvI(benchmark::State& st)
{
    const int order = orvs_bench::orderOf(st.range(0));
    const std::size_t n = std::size_t(1) << order;
    Spec* spec = nullptr;
    InitA(&spec, order, ORV_FFT_NORM_NONE, orvHintNone);
    int bs = 0;
    Buf(spec, &bs);
    Orv8u* buf = bs ? orvsMalloc_8u(bs) : nullptr;
    T* x = reinterpret_cast<T*>(orvsMalloc_8u(int(n * sizeof(T))));
    fill(x, n);
    for (auto _ : st) {
        Inv(x, spec, buf);
        benchmark::ClobberMemory();
    }
    setFlops(st, order);
    orvsFree(x);
    orvsFree(buf);
    Free(spec);
}

#ifdef ORVS_HAVE_FFTW
// The peer's two precisions differ only in their name prefix.
struct FftwSingle {
    using Complex = fftwf_complex;
    using Plan = fftwf_plan;
    using Ours = Orv32fc;
    static Complex* alloc(int n) { return fftwf_alloc_complex(n); }
    static Plan plan(int n, Complex* x, Complex* y, int dir) { return fftwf_plan_dft_1d(n, x, y, dir, FFTW_MEASURE); }
    static void execute(Plan p) { fftwf_execute(p); }
    static void destroy(Plan p) { fftwf_destroy_plan(p); }
    static void release(Complex* x) { fftwf_free(x); }
};
struct FftwDouble {
    using Complex = fftw_complex;
    using Plan = fftw_plan;
    using Ours = Orv64fc;
    static Complex* alloc(int n) { return fftw_alloc_complex(n); }
    static Plan plan(int n, Complex* x, Complex* y, int dir) { return fftw_plan_dft_1d(n, x, y, dir, FFTW_MEASURE); }
    static void execute(Plan p) { fftw_execute(p); }
    static void destroy(Plan p) { fftw_destroy_plan(p); }
    static void release(Complex* x) { fftw_free(x); }
};

// Forward out of place, or (InPlaceInverse) backward in place; planning
// happens outside the timed loop.
template <class F, bool InPlaceInverse>
void Fftw(benchmark::State& st)
{
    const int order = orvs_bench::orderOf(st.range(0));
    const int n = 1 << order;
    auto* x = F::alloc(n);
    auto* y = InPlaceInverse ? x : F::alloc(n);
    auto p = F::plan(n, x, y, InPlaceInverse ? FFTW_BACKWARD : FFTW_FORWARD);
    fill(reinterpret_cast<typename F::Ours*>(x), std::size_t(n));
    for (auto _ : st) {
        F::execute(p);
        benchmark::ClobberMemory();
    }
    setFlops(st, order);
    F::destroy(p);
    if (!InPlaceInverse) F::release(y);
    F::release(x);
}
#endif

// Registered order by order, ours next to the peer, so that the two runs of
// one size are close in time on a shared, noisy machine (use
// --benchmark_repetitions for medians).
const int kRegistered = [] {
    for (int order = 0; order <= 22; ++order) {
        benchmark::RegisterBenchmark("FFTFwd_32fc:orvs", Orvs32)->Arg(1 << order)->ArgName("N")->Unit(benchmark::kNanosecond);
#ifdef ORVS_HAVE_FFTW
        benchmark::RegisterBenchmark("FFTFwd_32fc:fftw", Fftw<FftwSingle, false>)->Arg(1 << order)->ArgName("N")->Unit(benchmark::kNanosecond);
#endif
    }
    for (int order = 0; order <= 21; ++order) {
        benchmark::RegisterBenchmark("FFTFwd_64fc:orvs", Orvs64)->Arg(1 << order)->ArgName("N")->Unit(benchmark::kNanosecond);
#ifdef ORVS_HAVE_FFTW
        benchmark::RegisterBenchmark("FFTFwd_64fc:fftw", Fftw<FftwDouble, false>)->Arg(1 << order)->ArgName("N")->Unit(benchmark::kNanosecond);
#endif
    }
    for (int order = 15; order <= 20; ++order) {
        benchmark::RegisterBenchmark("FFTInvI_32fc:orvs",
                                     OrvsInvI<OrvsFFTSpec_C_32fc, Orv32fc, orvsFFTInitAlloc_C_32fc,
                                              orvsFFTGetBufSize_C_32fc, orvsFFTInv_CToC_32fc_I, orvsFFTFree_C_32fc>)
            ->Arg(1 << order)->ArgName("N")->Unit(benchmark::kNanosecond);
#ifdef ORVS_HAVE_FFTW
        benchmark::RegisterBenchmark("FFTInvI_32fc:fftw", Fftw<FftwSingle, true>)->Arg(1 << order)->ArgName("N")->Unit(benchmark::kNanosecond);
#endif
        benchmark::RegisterBenchmark("FFTInvI_64fc:orvs",
                                     OrvsInvI<OrvsFFTSpec_C_64fc, Orv64fc, orvsFFTInitAlloc_C_64fc,
                                              orvsFFTGetBufSize_C_64fc, orvsFFTInv_CToC_64fc_I, orvsFFTFree_C_64fc>)
            ->Arg(1 << order)->ArgName("N")->Unit(benchmark::kNanosecond);
#ifdef ORVS_HAVE_FFTW
        benchmark::RegisterBenchmark("FFTInvI_64fc:fftw", Fftw<FftwDouble, true>)->Arg(1 << order)->ArgName("N")->Unit(benchmark::kNanosecond);
#endif
    }
    return 0;
}();

} // namespace

ORVS_BENCH_MAIN()
