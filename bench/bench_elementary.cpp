// Elementary functions on single precision beside SLEEF's 1-ulp vector
// functions at 16 lanes (when installed) and glibc's scalar functions in a
// plain loop, at 4096 and 1M elements.
#include <cmath>
#include <vector>

#include "bench_util.h"
#include "orvs.h"

#ifdef ORVS_HAVE_SLEEF
#pragma GCC push_options
#pragma GCC target("avx2,fma,avx512f,avx512dq")
#include <immintrin.h>
// The 16-lane entries of libsleef (its header declares them only to
// translation units built for AVX-512).
extern "C" {
__m512 Sleef_expf16_u10avx512f(__m512);
__m512 Sleef_logf16_u10avx512f(__m512);
__m512 Sleef_atanf16_u10avx512f(__m512);
__m512 Sleef_sqrtf16_u05avx512f(__m512);
__m512 Sleef_cbrtf16_u10avx512f(__m512);
}
namespace {
template <__m512 (*F)(__m512)>
void sleefLoop(const float* x, float* y, int n)
{
    int i = 0;
    for (; i + 16 <= n; i += 16) _mm512_storeu_ps(y + i, F(_mm512_loadu_ps(x + i)));
    const __mmask16 m = static_cast<__mmask16>((1u << (n - i)) - 1);
    if (m) _mm512_mask_storeu_ps(y + i, m, F(_mm512_maskz_loadu_ps(m, x + i)));
}
bool haveAvx512() { return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512dq"); }
} // namespace
#pragma GCC pop_options
#endif

namespace {

enum class Impl { orvs, sleef, glibc };

struct Fn {
    OrvStatus (*ours)(const Orv32f*, Orv32f*, int);
    float (*scalar)(float);
    void (*sleef)(const float*, float*, int);
    float lo, hi;
};

void run(benchmark::State& st, const Fn& f, Impl impl)
{
    const int n = static_cast<int>(st.range(0));
    std::vector<float> x(n), y(n);
    for (int i = 0; i < n; ++i) x[i] = f.lo + (f.hi - f.lo) * static_cast<float>((i * 7919) % n) / n;
    if (impl == Impl::sleef && !f.sleef) {
        st.SkipWithError("no SLEEF");
        return;
    }
    for (auto _ : st) {
        if (impl == Impl::orvs) f.ours(x.data(), y.data(), n);
        else if (impl == Impl::sleef) f.sleef(x.data(), y.data(), n);
        else
            for (int i = 0; i < n; ++i) y[i] = f.scalar(x[i]);
        benchmark::DoNotOptimize(y.data());
        benchmark::ClobberMemory();
    }
    st.SetItemsProcessed(st.iterations() * n);
}

#ifdef ORVS_HAVE_SLEEF
#define SLEEF_OR_NULL(f) (haveAvx512() ? &sleefLoop<f> : nullptr)
#else
#define SLEEF_OR_NULL(f) nullptr
#endif

const struct {
    const char* name;
    Fn fn;
} kCases[] = {
    {"Exp_32f", {orvsExp_32f, [](float v) { return std::exp(v); }, SLEEF_OR_NULL(Sleef_expf16_u10avx512f), -80, 80}},
    {"Ln_32f", {orvsLn_32f, [](float v) { return std::log(v); }, SLEEF_OR_NULL(Sleef_logf16_u10avx512f), 1e-6f, 1e6f}},
    {"Arctan_32f", {orvsArctan_32f, [](float v) { return std::atan(v); }, SLEEF_OR_NULL(Sleef_atanf16_u10avx512f), -20, 20}},
    {"Sqrt_32f", {orvsSqrt_32f, [](float v) { return std::sqrt(v); }, SLEEF_OR_NULL(Sleef_sqrtf16_u05avx512f), 0, 1e6f}},
    {"Cubrt_32f", {orvsCubrt_32f, [](float v) { return std::cbrt(v); }, SLEEF_OR_NULL(Sleef_cbrtf16_u10avx512f), -1e6f, 1e6f}},
};

const int kRegistered = [] {
    for (const auto& c : kCases)
        for (auto [impl, tag] : {std::pair{Impl::orvs, "orvs"}, std::pair{Impl::sleef, "sleef"}, std::pair{Impl::glibc, "glibc"}})
            benchmark::RegisterBenchmark((std::string(c.name) + ":" + tag).c_str(), [&c, impl = impl](benchmark::State& st) {
                run(st, c.fn, impl);
            })->Arg(4096)->Arg(1 << 20);
    return 0;
}();

} // namespace

ORVS_BENCH_MAIN()
