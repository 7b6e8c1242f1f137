// Complex FFT, single thread: ours beside FFTW (plans made with
// FFTW_MEASURE outside the timed loop) and, on processors with AVX-512, KFR
// (an optional peer loaded at run time from ../shared/peers/kfr beside the
// repository, or from the directory in ORVS_KFR_DIR; it has forward
// out-of-place plans only). Reports ns per transform and "flops" =
// 5 N log2 N per transform per second (printed with k/M/G prefixes, e.g.
// 74G/s).
//
// Cases: FFTFwd (forward, out of place) for N = 1 .. 4M in single and
// 1 .. 2M in double precision; FFTInv (inverse, out of place), FFTFwdI and
// FFTInvI (in place) for N = 64 .. 1M.
#include <dlfcn.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench_util.h"
#include "orvs.h"
#ifdef ORVS_HAVE_FFTW
#include <fftw3.h>
#endif

#ifndef ORVS_SOURCE_DIR
#define ORVS_SOURCE_DIR "."
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

// Ours: forward or inverse, out of place (Fn takes src, dst) or in place
// (Fn takes the one array).
template <class Spec, class T, OrvStatus (*InitA)(Spec**, int, int, OrvHintAlgorithm),
          OrvStatus (*Buf)(const Spec*, int*), OrvStatus (*Free)(Spec*), auto Fn, bool InPlace>
void Orvs(benchmark::State& st)
{
    const int order = orvs_bench::orderOf(st.range(0));
    const std::size_t n = std::size_t(1) << order;
    Spec* spec = nullptr;
    InitA(&spec, order, ORV_FFT_NORM_INV_N, orvHintNone);
    int bs = 0;
    Buf(spec, &bs);
    Orv8u* buf = bs ? orvsMalloc_8u(bs) : nullptr;
    T* x = reinterpret_cast<T*>(orvsMalloc_8u(int(n * sizeof(T))));
    T* y = reinterpret_cast<T*>(orvsMalloc_8u(int(n * sizeof(T))));
    fill(x, n);
    for (auto _ : st) {
        if constexpr (InPlace)
            Fn(x, spec, buf);
        else
            Fn(x, y, spec, buf);
        benchmark::ClobberMemory();
    }
    setFlops(st, order);
    orvsFree(x);
    orvsFree(y);
    orvsFree(buf);
    Free(spec);
}
#define ORVS_BENCH_OURS(S, T, fn, inPlace) \
    &Orvs<OrvsFFTSpec_C_##S, T, orvsFFTInitAlloc_C_##S, orvsFFTGetBufSize_C_##S, orvsFFTFree_C_##S, fn, inPlace>

// ---- KFR (optional, AVX-512 processors only) -----------------------------------

struct KfrPeer {
    void* (*plan[2])(std::size_t);
    std::size_t (*temp[2])(const void*);
    void (*fwd[2])(const void*, void*, const void*, std::uint8_t*);
    void (*release[2])(void*);
    bool ok = false;
};

const KfrPeer& kfr()
{
    static const KfrPeer peer = [] {
        KfrPeer p{};
        void* h = orvs_bench::openKfrPeer();
        if (!h) return p;
        const char* names[4][2] = {{"kfrs_plan_c32", "kfrs_plan_c64"},
                                   {"kfrs_temp_c32", "kfrs_temp_c64"},
                                   {"kfrs_fwd_c32", "kfrs_fwd_c64"},
                                   {"kfrs_free_c32", "kfrs_free_c64"}};
        bool all = true;
        for (int k = 0; k < 2; ++k) {
            all &= (p.plan[k] = reinterpret_cast<void* (*)(std::size_t)>(dlsym(h, names[0][k]))) != nullptr;
            all &= (p.temp[k] = reinterpret_cast<std::size_t (*)(const void*)>(dlsym(h, names[1][k]))) != nullptr;
            all &= (p.fwd[k] = reinterpret_cast<void (*)(const void*, void*, const void*, std::uint8_t*)>(
                        dlsym(h, names[2][k]))) != nullptr;
            all &= (p.release[k] = reinterpret_cast<void (*)(void*)>(dlsym(h, names[3][k]))) != nullptr;
        }
        p.ok = all;
        if (!all) std::fprintf(stderr, "KFR peer skipped: libkfrpeer.so lacks an entry\n");
        return p;
    }();
    return peer;
}

// Forward, out of place; the plan and its scratch are made outside the loop.
template <class T, int K>
void Kfr(benchmark::State& st)
{
    const int order = orvs_bench::orderOf(st.range(0));
    const std::size_t n = std::size_t(1) << order;
    const KfrPeer& p = kfr();
    void* plan = p.plan[K](n);
    std::vector<std::uint8_t> temp(p.temp[K](plan) + 64);
    T* x = reinterpret_cast<T*>(orvsMalloc_8u(int(n * sizeof(T))));
    T* y = reinterpret_cast<T*>(orvsMalloc_8u(int(n * sizeof(T))));
    fill(x, n);
    for (auto _ : st) {
        p.fwd[K](plan, y, x, temp.data());
        benchmark::ClobberMemory();
    }
    setFlops(st, order);
    orvsFree(x);
    orvsFree(y);
    p.release[K](plan);
}

// ---- FFTW ---------------------------------------------------------------------

using BenchFn = void (*)(benchmark::State&);

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

// Forward or backward, out of place or in place; planning happens outside
// the timed loop.
template <class F, bool Inverse, bool InPlace>
void Fftw(benchmark::State& st)
{
    const int order = orvs_bench::orderOf(st.range(0));
    const int n = 1 << order;
    auto* x = F::alloc(n);
    auto* y = InPlace ? x : F::alloc(n);
    auto p = F::plan(n, x, y, Inverse ? FFTW_BACKWARD : FFTW_FORWARD);
    fill(reinterpret_cast<typename F::Ours*>(x), std::size_t(n));
    for (auto _ : st) {
        F::execute(p);
        benchmark::ClobberMemory();
    }
    setFlops(st, order);
    F::destroy(p);
    if (!InPlace) F::release(y);
    F::release(x);
}
template <class F, bool Inverse, bool InPlace>
constexpr BenchFn fftwFn = &Fftw<F, Inverse, InPlace>;
#else
struct FftwSingle {};
struct FftwDouble {};
template <class F, bool Inverse, bool InPlace>
constexpr BenchFn fftwFn = nullptr;
#endif

// Registered order by order, ours next to the peers, so that the runs of
// one size are close in time on a shared, noisy machine (use
// --benchmark_repetitions for medians).
void registerCase(const char* name, int lo, int hi, BenchFn ours, BenchFn fftw, BenchFn kfrFn)
{
    const std::string base(name);
    for (int order = lo; order <= hi; ++order) {
        const auto n = std::int64_t(1) << order;
        benchmark::RegisterBenchmark((base + ":orvs").c_str(), ours)->Arg(n)->ArgName("N")->Unit(benchmark::kNanosecond);
        if (fftw)
            benchmark::RegisterBenchmark((base + ":fftw").c_str(), fftw)->Arg(n)->ArgName("N")->Unit(benchmark::kNanosecond);
        if (kfrFn && kfr().ok)
            benchmark::RegisterBenchmark((base + ":kfr").c_str(), kfrFn)->Arg(n)->ArgName("N")->Unit(benchmark::kNanosecond);
    }
}

const int kRegistered = [] {
    registerCase("FFTFwd_32fc", 0, 22, ORVS_BENCH_OURS(32fc, Orv32fc, orvsFFTFwd_CToC_32fc, false),
                 fftwFn<FftwSingle, false, false>, &Kfr<Orv32fc, 0>);
    registerCase("FFTFwd_64fc", 0, 21, ORVS_BENCH_OURS(64fc, Orv64fc, orvsFFTFwd_CToC_64fc, false),
                 fftwFn<FftwDouble, false, false>, &Kfr<Orv64fc, 1>);
    registerCase("FFTInv_32fc", 6, 20, ORVS_BENCH_OURS(32fc, Orv32fc, orvsFFTInv_CToC_32fc, false),
                 fftwFn<FftwSingle, true, false>, nullptr);
    registerCase("FFTInv_64fc", 6, 20, ORVS_BENCH_OURS(64fc, Orv64fc, orvsFFTInv_CToC_64fc, false),
                 fftwFn<FftwDouble, true, false>, nullptr);
    registerCase("FFTFwdI_32fc", 6, 20, ORVS_BENCH_OURS(32fc, Orv32fc, orvsFFTFwd_CToC_32fc_I, true),
                 fftwFn<FftwSingle, false, true>, nullptr);
    registerCase("FFTFwdI_64fc", 6, 20, ORVS_BENCH_OURS(64fc, Orv64fc, orvsFFTFwd_CToC_64fc_I, true),
                 fftwFn<FftwDouble, false, true>, nullptr);
    registerCase("FFTInvI_32fc", 6, 20, ORVS_BENCH_OURS(32fc, Orv32fc, orvsFFTInv_CToC_32fc_I, true),
                 fftwFn<FftwSingle, true, true>, nullptr);
    registerCase("FFTInvI_64fc", 6, 20, ORVS_BENCH_OURS(64fc, Orv64fc, orvsFFTInv_CToC_64fc_I, true),
                 fftwFn<FftwDouble, true, true>, nullptr);
    return 0;
}();

} // namespace

ORVS_BENCH_MAIN()
