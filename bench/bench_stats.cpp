// Reductions beside VOLK's matching kernels and beside a plain read of the
// same bytes (memchr over a buffer of equal size that never matches), all in
// the same process.
#include <cstdlib>
#include <cstring>
#include <string>

#include "bench_util.h"
#include "orvs.h"
#ifdef ORVS_HAVE_VOLK
#include <volk/volk.h>
#endif

namespace {

struct Buffers {
    float* a;
    float* b;
    unsigned char* zeros;  // the read baseline's bytes
    std::size_t n;
    explicit Buffers(std::size_t count) : n(count)
    {
        const std::size_t bytes = (count * sizeof(float) + 63) / 64 * 64;
        a = static_cast<float*>(std::aligned_alloc(64, bytes));
        b = static_cast<float*>(std::aligned_alloc(64, bytes));
        zeros = static_cast<unsigned char*>(std::aligned_alloc(64, 2 * bytes));
        for (std::size_t i = 0; i < count; ++i) a[i] = static_cast<float>((i * 7919) % 1000) * 0.001f, b[i] = 1.0f - a[i];
        std::memset(zeros, 0, 2 * bytes);
    }
    ~Buffers() { std::free(a); std::free(b); std::free(zeros); }
};

template <class F>
void run(benchmark::State& st, int sources, F&& op)
{
    Buffers buf(static_cast<std::size_t>(st.range(0)));
    for (auto _ : st) {
        op(buf);
        benchmark::ClobberMemory();
    }
    st.SetBytesProcessed(static_cast<std::int64_t>(st.iterations()) * sources * static_cast<std::int64_t>(buf.n * 4));
}

void reg(const std::string& name, int sources, void (*op)(Buffers&))
{
    benchmark::RegisterBenchmark(name.c_str(), [sources, op](benchmark::State& st) { run(st, sources, op); })
        ->Arg(4096)->Arg(1048576);
}

template <int Sources>
void readBytes(Buffers& b)
{
    benchmark::DoNotOptimize(std::memchr(b.zeros, 1, Sources * b.n * sizeof(float)));
}

const int kRegistered = [] {
    reg("Sum_32f_fast:orvs", 1, [](Buffers& b) { float s; orvsSum_32f(b.a, int(b.n), &s, orvHintFast); benchmark::DoNotOptimize(s); });
    reg("Sum_32f_accurate:orvs", 1, [](Buffers& b) { float s; orvsSum_32f(b.a, int(b.n), &s, orvHintAccurate); benchmark::DoNotOptimize(s); });
    reg("DotProd_32f:orvs", 2, [](Buffers& b) { float s; orvsDotProd_32f(b.a, b.b, int(b.n), &s); benchmark::DoNotOptimize(s); });
    reg("Max_32f:orvs", 1, [](Buffers& b) { float s; orvsMax_32f(b.a, int(b.n), &s); benchmark::DoNotOptimize(s); });
    reg("MaxIndx_32f:orvs", 1, [](Buffers& b) { float s; int i; orvsMaxIndx_32f(b.a, int(b.n), &s, &i); benchmark::DoNotOptimize(s); benchmark::DoNotOptimize(i); });
    reg("Norm_L2_32f:orvs", 1, [](Buffers& b) { float s; orvsNorm_L2_32f(b.a, int(b.n), &s); benchmark::DoNotOptimize(s); });
    for (const char* c : {"Sum_32f_fast", "Sum_32f_accurate", "Max_32f", "MaxIndx_32f", "Norm_L2_32f"}) reg(std::string(c) + ":read", 1, readBytes<1>);
    reg("DotProd_32f:read", 2, readBytes<2>);
#ifdef ORVS_HAVE_VOLK
    auto accumulate = [](Buffers& b) { float s; volk_32f_accumulator_s32f(&s, b.a, unsigned(b.n)); benchmark::DoNotOptimize(s); };
    reg("Sum_32f_fast:volk", 1, accumulate);
    reg("Sum_32f_accurate:volk", 1, accumulate);
    reg("DotProd_32f:volk", 2, [](Buffers& b) { float s; volk_32f_x2_dot_prod_32f(&s, b.a, b.b, unsigned(b.n)); benchmark::DoNotOptimize(s); });
    auto indexMax = [](Buffers& b) { std::uint32_t i; volk_32f_index_max_32u(&i, b.a, unsigned(b.n)); benchmark::DoNotOptimize(i); };
    reg("Max_32f:volk", 1, indexMax);
    reg("MaxIndx_32f:volk", 1, indexMax);
    // The sum of squares, the L2 norm without its root.
    reg("Norm_L2_32f:volk", 1, [](Buffers& b) { float s; volk_32f_x2_dot_prod_32f(&s, b.a, b.a, unsigned(b.n)); benchmark::DoNotOptimize(s); });
#endif
    return 0;
}();

} // namespace

ORVS_BENCH_MAIN()
