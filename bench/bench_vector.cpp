// Copy, Set, Zero and Flip of 32f and 16s beside memcpy / memset of the same
// bytes in the same process.
#include <cstdlib>
#include <cstring>
#include <string>

#include "bench_util.h"
#include "orvs.h"

namespace {

template <class T>
struct Buffers {
    T* src;
    T* dst;
    std::size_t n;
    explicit Buffers(std::size_t count) : n(count)
    {
        const std::size_t bytes = (count * sizeof(T) + 63) / 64 * 64;
        src = static_cast<T*>(std::aligned_alloc(64, bytes));
        dst = static_cast<T*>(std::aligned_alloc(64, bytes));
        for (std::size_t i = 0; i < count; ++i) src[i] = static_cast<T>(i % 1000);
        std::memset(dst, 0, bytes);
    }
    ~Buffers() { std::free(src); std::free(dst); }
    std::size_t bytes() const { return n * sizeof(T); }
};

template <class T, class F>
void run(benchmark::State& st, F&& op)
{
    Buffers<T> b(static_cast<std::size_t>(st.range(0)));
    for (auto _ : st) {
        op(b);
        benchmark::DoNotOptimize(b.dst);
        benchmark::ClobberMemory();
    }
    st.SetBytesProcessed(static_cast<std::int64_t>(st.iterations()) * static_cast<std::int64_t>(b.bytes()));
}

template <class T>
void registerType(const std::string& code, OrvStatus (*copy)(const T*, T*, int), OrvStatus (*set)(T, T*, int),
                  OrvStatus (*zero)(T*, int), OrvStatus (*flip)(const T*, T*, int))
{
    using B = Buffers<T>;
    auto reg = [](const std::string& name, auto fn) {
        benchmark::RegisterBenchmark(name.c_str(), [fn](benchmark::State& st) { run<T>(st, fn); })
            ->Arg(256)->Arg(4096)->Arg(65536)->Arg(1048576);
    };
    reg("Copy_" + code + ":orvs", [copy](B& b) { copy(b.src, b.dst, static_cast<int>(b.n)); });
    reg("Copy_" + code + ":memcpy", [](B& b) { std::memcpy(b.dst, b.src, b.bytes()); });
    reg("Set_" + code + ":orvs", [set](B& b) { set(T(3), b.dst, static_cast<int>(b.n)); });
    reg("Set_" + code + ":memset", [](B& b) { std::memset(b.dst, 3, b.bytes()); });
    reg("Zero_" + code + ":orvs", [zero](B& b) { zero(b.dst, static_cast<int>(b.n)); });
    reg("Zero_" + code + ":memset", [](B& b) { std::memset(b.dst, 0, b.bytes()); });
    reg("Flip_" + code + ":orvs", [flip](B& b) { flip(b.src, b.dst, static_cast<int>(b.n)); });
    reg("Flip_" + code + ":memcpy", [](B& b) { std::memcpy(b.dst, b.src, b.bytes()); });
}

// Flip_16s runs on the 16u entry: the same bits.
OrvStatus flip16s(const Orv16s* s, Orv16s* d, int n)
{
    return orvsFlip_16u(reinterpret_cast<const Orv16u*>(s), reinterpret_cast<Orv16u*>(d), n);
}

const int kRegistered = [] {
    registerType<Orv32f>("32f", orvsCopy_32f, orvsSet_32f, orvsZero_32f, orvsFlip_32f);
    registerType<Orv16s>("16s", orvsCopy_16s, orvsSet_16s, orvsZero_16s, flip16s);
    return 0;
}();

} // namespace

ORVS_BENCH_MAIN()
