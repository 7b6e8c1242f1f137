// Real FFT against FFTW's real-to-complex and complex-to-real plans
// (FFTW_MEASURE, out of place) for orders 6..22. The CCS layout is the one
// FFTW writes (N/2 + 1 complex values), so forward RToCCS and inverse
// CCSToR do the same work as the peer's plans. Inverse benchmarks copy the
// spectrum before each call on both sides, because FFTW's complex-to-real
// plans overwrite their input. On processors with AVX-512, KFR's real
// forward transform (CCS output) runs beside them when its peer library is
// found (../shared/peers/kfr beside the repository, or ORVS_KFR_DIR).
#include <dlfcn.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
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

std::vector<float> testSignal(int n)
{
    std::vector<float> x(n);
    unsigned s = 12345;
    for (auto& v : x) {
        s = s * 1664525u + 1013904223u;
        v = static_cast<float>(s >> 8) / 16777216.0f - 0.5f;
    }
    return x;
}

void ForwardOrvs(benchmark::State& st)
{
    const int order = orvs_bench::orderOf(st.range(0));
    const int n = 1 << order;
    OrvsFFTSpec_R_32f* spec = nullptr;
    orvsFFTInitAlloc_R_32f(&spec, order, ORV_FFT_NORM_NONE, orvHintNone);
    int bufSize = 0;
    orvsFFTGetBufSize_R_32f(spec, &bufSize);
    Orv8u* buf = bufSize ? orvsMalloc_8u(bufSize) : nullptr;
    Orv32f* src = orvsMalloc_32f(n);
    Orv32f* dst = orvsMalloc_32f(n + 2);
    const auto x = testSignal(n);
    std::memcpy(src, x.data(), sizeof(float) * n);
    for (auto _ : st) {
        orvsFFTFwd_RToCCS_32f(src, dst, spec, buf);
        benchmark::DoNotOptimize(dst);
    }
    orvsFree(dst);
    orvsFree(src);
    if (buf) orvsFree(buf);
    orvsFFTFree_R_32f(spec);
}

void InverseOrvs(benchmark::State& st)
{
    const int order = orvs_bench::orderOf(st.range(0));
    const int n = 1 << order;
    OrvsFFTSpec_R_32f* spec = nullptr;
    orvsFFTInitAlloc_R_32f(&spec, order, ORV_FFT_NORM_NONE, orvHintNone);
    int bufSize = 0;
    orvsFFTGetBufSize_R_32f(spec, &bufSize);
    Orv8u* buf = bufSize ? orvsMalloc_8u(bufSize) : nullptr;
    Orv32f* spectrum = orvsMalloc_32f(n + 2);
    Orv32f* copy = orvsMalloc_32f(n + 2);
    Orv32f* dst = orvsMalloc_32f(n);
    const auto x = testSignal(n);
    orvsFFTFwd_RToCCS_32f(x.data(), spectrum, spec, buf);
    for (auto _ : st) {
        std::memcpy(copy, spectrum, sizeof(float) * (n + 2));
        orvsFFTInv_CCSToR_32f(copy, dst, spec, buf);
        benchmark::DoNotOptimize(dst);
    }
    orvsFree(dst);
    orvsFree(copy);
    orvsFree(spectrum);
    if (buf) orvsFree(buf);
    orvsFFTFree_R_32f(spec);
}

#ifdef ORVS_HAVE_FFTW
void ForwardFftw(benchmark::State& st)
{
    const int order = orvs_bench::orderOf(st.range(0));
    const int n = 1 << order;
    float* src = fftwf_alloc_real(n);
    fftwf_complex* dst = fftwf_alloc_complex(n / 2 + 1);
    fftwf_plan plan = fftwf_plan_dft_r2c_1d(n, src, dst, FFTW_MEASURE);
    const auto x = testSignal(n);
    std::memcpy(src, x.data(), sizeof(float) * n);
    for (auto _ : st) {
        fftwf_execute(plan);
        benchmark::DoNotOptimize(dst);
    }
    fftwf_destroy_plan(plan);
    fftwf_free(dst);
    fftwf_free(src);
}

void InverseFftw(benchmark::State& st)
{
    const int order = orvs_bench::orderOf(st.range(0));
    const int n = 1 << order;
    fftwf_complex* spectrum = fftwf_alloc_complex(n / 2 + 1);
    fftwf_complex* copy = fftwf_alloc_complex(n / 2 + 1);
    float* dst = fftwf_alloc_real(n);
    fftwf_plan plan = fftwf_plan_dft_c2r_1d(n, copy, dst, FFTW_MEASURE);
    const auto x = testSignal(n);
    std::memcpy(dst, x.data(), sizeof(float) * n);
    fftwf_plan fwd = fftwf_plan_dft_r2c_1d(n, dst, spectrum, FFTW_ESTIMATE);
    fftwf_execute(fwd);
    fftwf_destroy_plan(fwd);
    for (auto _ : st) {
        std::memcpy(copy, spectrum, sizeof(fftwf_complex) * (n / 2 + 1));
        fftwf_execute(plan);
        benchmark::DoNotOptimize(dst);
    }
    fftwf_destroy_plan(plan);
    fftwf_free(dst);
    fftwf_free(copy);
    fftwf_free(spectrum);
}
#endif

// ---- KFR (optional, AVX-512 processors only) -----------------------------------

struct KfrReal {
    void* (*plan)(std::size_t) = nullptr;
    std::size_t (*temp)(const void*) = nullptr;
    void (*fwd)(const void*, void*, const float*, std::uint8_t*) = nullptr;
    void (*release)(void*) = nullptr;
    bool ok = false;
};

const KfrReal& kfr()
{
    static const KfrReal peer = [] {
        KfrReal p;
        void* h = orvs_bench::openKfrPeer();
        if (!h) return p;
        p.plan = reinterpret_cast<void* (*)(std::size_t)>(dlsym(h, "kfrs_plan_r32"));
        p.temp = reinterpret_cast<std::size_t (*)(const void*)>(dlsym(h, "kfrs_temp_r32"));
        p.fwd = reinterpret_cast<void (*)(const void*, void*, const float*, std::uint8_t*)>(dlsym(h, "kfrs_fwd_r32"));
        p.release = reinterpret_cast<void (*)(void*)>(dlsym(h, "kfrs_free_r32"));
        p.ok = p.plan && p.temp && p.fwd && p.release;
        if (!p.ok) std::fprintf(stderr, "KFR peer skipped: libkfrpeer.so lacks an entry\n");
        return p;
    }();
    return peer;
}

void ForwardKfr(benchmark::State& st)
{
    const int order = orvs_bench::orderOf(st.range(0));
    const int n = 1 << order;
    const KfrReal& p = kfr();
    void* plan = p.plan(std::size_t(n));
    std::vector<std::uint8_t> temp(p.temp(plan) + 64);
    Orv32f* src = orvsMalloc_32f(n);
    Orv32f* dst = orvsMalloc_32f(n + 2);
    const auto x = testSignal(n);
    std::memcpy(src, x.data(), sizeof(float) * n);
    for (auto _ : st) {
        p.fwd(plan, dst, src, temp.data());
        benchmark::DoNotOptimize(dst);
    }
    orvsFree(dst);
    orvsFree(src);
    p.release(plan);
}

// Ours and the peer's alternate order by order, so that both sides of one
// ratio run close together in time on a shared machine.
const int kRegistered = [] {
    for (int order = 6; order <= 22; ++order) {
        std::vector<benchmark::internal::Benchmark*> all = {
            benchmark::RegisterBenchmark("RToCCS_32f:orvs", ForwardOrvs),
#ifdef ORVS_HAVE_FFTW
            benchmark::RegisterBenchmark("RToCCS_32f:fftw", ForwardFftw),
#endif
            kfr().ok ? benchmark::RegisterBenchmark("RToCCS_32f:kfr", ForwardKfr) : nullptr,
            benchmark::RegisterBenchmark("CCSToR_32f:orvs", InverseOrvs),
#ifdef ORVS_HAVE_FFTW
            benchmark::RegisterBenchmark("CCSToR_32f:fftw", InverseFftw),
#endif
        };
        for (auto* b : all)
            if (b) b->Arg(1 << order)->ArgName("N")->Repetitions(3)->ReportAggregatesOnly(true);
    }
    return 0;
}();

}  // namespace

ORVS_BENCH_MAIN()
