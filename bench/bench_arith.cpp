// Scaled arithmetic beside its peers: the element-wise kernels of a vector
// library where it has a matching one, and a memcpy of the same output bytes
// (the floor for a memory-bound kernel).
#include <complex>
#include <cstring>
#include <type_traits>
#include <vector>

#include "bench_util.h"
#include "orvs.h"
#ifdef ORVS_HAVE_VOLK
#include <volk/volk.h>
#endif

namespace {

const int kSizes[] = {256, 4096, 65536, 1048576};

// 64-byte aligned buffers from the library's allocator.
template <class T>
struct Buf {
    T* p;
    explicit Buf(int n) : p(reinterpret_cast<T*>(orvsMalloc_8u(n * static_cast<int>(sizeof(T))))) { std::memset(p, 0, n * sizeof(T)); }
    ~Buf() { orvsFree(p); }
};

// Integers: every bit pattern. Floating point: ordinary values (random bits
// would be full of NaNs and subnormals, which no caller feeds).
template <class T>
void fill(T* p, int n)
{
    if constexpr (std::is_same_v<T, Orv32f> || std::is_same_v<T, Orv32fc>) {
        auto* f = reinterpret_cast<float*>(p);
        const int parts = n * static_cast<int>(sizeof(T) / sizeof(float));
        for (int i = 0; i < parts; ++i) f[i] = static_cast<float>((i * 2654435761u) >> 13 & 0xFFFF) * 0.03f - 900.0f;
    } else {
        auto* b = reinterpret_cast<unsigned char*>(p);
        for (std::size_t i = 0; i < n * sizeof(T); ++i) b[i] = static_cast<unsigned char>((i * 2654435761u) >> 13);
    }
}

template <class T>
void memcpyCase(benchmark::State& st)
{
    const int n = static_cast<int>(st.range(0));
    Buf<T> a(n), d(n);
    for (auto _ : st) {
        std::memcpy(d.p, a.p, n * sizeof(T));
        benchmark::DoNotOptimize(d.p);
    }
}

template <class T, class D, class F>
void binary(benchmark::State& st, F f)
{
    const int n = static_cast<int>(st.range(0));
    Buf<T> a(n), b(n);
    Buf<D> d(n);
    fill(a.p, n);
    fill(b.p, n);
    for (auto _ : st) {
        f(a.p, b.p, d.p, n);
        benchmark::DoNotOptimize(d.p);
    }
}

// Operands of two different types.
template <class A, class B, class D, class F>
void mixed(benchmark::State& st, F f)
{
    const int n = static_cast<int>(st.range(0));
    Buf<A> a(n);
    Buf<B> b(n);
    Buf<D> d(n);
    fill(a.p, n);
    fill(b.p, n);
    for (auto _ : st) {
        f(a.p, b.p, d.p, n);
        benchmark::DoNotOptimize(d.p);
    }
}

void reg(const char* name, void (*fn)(benchmark::State&))
{
    auto* b = benchmark::RegisterBenchmark(name, fn);
    for (int n : kSizes) b->Arg(n);
}

} // namespace

static const int kRegistered = [] {
    reg("Add_32f:orvs", [](benchmark::State& st) { binary<Orv32f, Orv32f>(st, orvsAdd_32f); });
    reg("Add_32f:memcpy", memcpyCase<Orv32f>);
    reg("Mul_32fc:orvs", [](benchmark::State& st) { binary<Orv32fc, Orv32fc>(st, orvsMul_32fc); });
    reg("Mul_32fc:memcpy", memcpyCase<Orv32fc>);
    reg("Add_16s_Sfs0:orvs", [](benchmark::State& st) {
        binary<Orv16s, Orv16s>(st, [](auto a, auto b, auto d, int n) { orvsAdd_16s_Sfs(a, b, d, n, 0); });
    });
    reg("Add_16s_Sfs0:memcpy", memcpyCase<Orv16s>);
    reg("Add_16s_Sfs1:orvs", [](benchmark::State& st) {
        binary<Orv16s, Orv16s>(st, [](auto a, auto b, auto d, int n) { orvsAdd_16s_Sfs(a, b, d, n, 1); });
    });
    reg("Add_16s_Sfs1:memcpy", memcpyCase<Orv16s>);
    reg("Add_16s_Sfs3:orvs", [](benchmark::State& st) {
        binary<Orv16s, Orv16s>(st, [](auto a, auto b, auto d, int n) { orvsAdd_16s_Sfs(a, b, d, n, 3); });
    });
    reg("Add_16s_Sfs3:memcpy", memcpyCase<Orv16s>);
    reg("Mul_16s_Sfs15:orvs", [](benchmark::State& st) {
        binary<Orv16s, Orv16s>(st, [](auto a, auto b, auto d, int n) { orvsMul_16s_Sfs(a, b, d, n, 15); });
    });
    reg("Mul_16s_Sfs15:memcpy", memcpyCase<Orv16s>);
    reg("Add_32s_Sfs3:orvs", [](benchmark::State& st) {
        binary<Orv32s, Orv32s>(st, [](auto a, auto b, auto d, int n) { orvsAdd_32s_Sfs(a, b, d, n, 3); });
    });
    reg("Add_32s_Sfs3:memcpy", memcpyCase<Orv32s>);
    reg("Mul_32s_Sfs3:orvs", [](benchmark::State& st) {
        binary<Orv32s, Orv32s>(st, [](auto a, auto b, auto d, int n) { orvsMul_32s_Sfs(a, b, d, n, 3); });
    });
    reg("Mul_32s_Sfs3:memcpy", memcpyCase<Orv32s>);
    reg("Mul_16s_Sfs4:orvs", [](benchmark::State& st) {
        binary<Orv16s, Orv16s>(st, [](auto a, auto b, auto d, int n) { orvsMul_16s_Sfs(a, b, d, n, 4); });
    });
    reg("Mul_16s_Sfs4:memcpy", memcpyCase<Orv16s>);
    reg("Mul_16sc_Sfs3:orvs", [](benchmark::State& st) {
        binary<Orv16sc, Orv16sc>(st, [](auto a, auto b, auto d, int n) { orvsMul_16sc_Sfs(a, b, d, n, 3); });
    });
    reg("Mul_16sc_Sfs3:memcpy", memcpyCase<Orv16sc>);
    reg("Mul_32sc_Sfs3:orvs", [](benchmark::State& st) {
        binary<Orv32sc, Orv32sc>(st, [](auto a, auto b, auto d, int n) { orvsMul_32sc_Sfs(a, b, d, n, 3); });
    });
    reg("Mul_32sc_Sfs3:memcpy", memcpyCase<Orv32sc>);
    reg("AddProduct_16s_Sfs3:orvs", [](benchmark::State& st) {
        binary<Orv16s, Orv16s>(st, [](auto a, auto b, auto d, int n) { orvsAddProduct_16s_Sfs(a, b, d, n, 3); });
    });
    reg("AddProduct_16s_Sfs3:memcpy", memcpyCase<Orv16s>);
    reg("Mul_16u_Sfs3:orvs", [](benchmark::State& st) {
        binary<Orv16u, Orv16u>(st, [](auto a, auto b, auto d, int n) { orvsMul_16u_Sfs(a, b, d, n, 3); });
    });
    reg("Mul_16u_Sfs3:memcpy", memcpyCase<Orv16u>);
    reg("Add_32s_SfsNeg3:orvs", [](benchmark::State& st) {
        binary<Orv32s, Orv32s>(st, [](auto a, auto b, auto d, int n) { orvsAdd_32s_Sfs(a, b, d, n, -3); });
    });
    reg("Add_32s_SfsNeg3:memcpy", memcpyCase<Orv32s>);
    reg("Mul_32s_SfsNeg3:orvs", [](benchmark::State& st) {
        binary<Orv32s, Orv32s>(st, [](auto a, auto b, auto d, int n) { orvsMul_32s_Sfs(a, b, d, n, -3); });
    });
    reg("Mul_32s_SfsNeg3:memcpy", memcpyCase<Orv32s>);
    reg("MulC_32f16s_Sfs:orvs", [](benchmark::State& st) {
        binary<Orv32f, Orv16s>(st, [](auto a, auto, auto d, int n) { orvsMulC_32f16s_Sfs(a, 0.75f, d, n, 0); });
    });
    reg("MulC_32f16s_Sfs:memcpy", memcpyCase<Orv16s>);
    // Mixed-type, accumulating, 8-bit and sign-saturating members.
    reg("Mul_16s32s_Sfs3:orvs", [](benchmark::State& st) {
        mixed<Orv16s, Orv16s, Orv32s>(st, [](auto a, auto b, auto d, int n) { orvsMul_16s32s_Sfs(a, b, d, n, 3); });
    });
    reg("Mul_16s32s_Sfs3:memcpy", memcpyCase<Orv32s>);
    reg("Mul_16u16s_Sfs3:orvs", [](benchmark::State& st) {
        mixed<Orv16u, Orv16s, Orv16s>(st, [](auto a, auto b, auto d, int n) { orvsMul_16u16s_Sfs(a, b, d, n, 3); });
    });
    reg("Mul_16u16s_Sfs3:memcpy", memcpyCase<Orv16s>);
    reg("Mul_32s32sc_Sfs3:orvs", [](benchmark::State& st) {
        mixed<Orv32s, Orv32sc, Orv32sc>(st, [](auto a, auto b, auto d, int n) { orvsMul_32s32sc_Sfs(a, b, d, n, 3); });
    });
    reg("Mul_32s32sc_Sfs3:memcpy", memcpyCase<Orv32sc>);
    reg("AddProduct_16s32s_Sfs3:orvs", [](benchmark::State& st) {
        mixed<Orv16s, Orv16s, Orv32s>(st, [](auto a, auto b, auto d, int n) { orvsAddProduct_16s32s_Sfs(a, b, d, n, 3); });
    });
    reg("AddProduct_16s32s_Sfs3:memcpy", memcpyCase<Orv32s>);
    reg("AddProduct_32s_Sfs3:orvs", [](benchmark::State& st) {
        binary<Orv32s, Orv32s>(st, [](auto a, auto b, auto d, int n) { orvsAddProduct_32s_Sfs(a, b, d, n, 3); });
    });
    reg("AddProduct_32s_Sfs3:memcpy", memcpyCase<Orv32s>);
    reg("Add_8u_Sfs1:orvs", [](benchmark::State& st) {
        binary<Orv8u, Orv8u>(st, [](auto a, auto b, auto d, int n) { orvsAdd_8u_Sfs(a, b, d, n, 1); });
    });
    reg("Add_8u_Sfs1:memcpy", memcpyCase<Orv8u>);
    reg("Mul_8u_Sfs3:orvs", [](benchmark::State& st) {
        binary<Orv8u, Orv8u>(st, [](auto a, auto b, auto d, int n) { orvsMul_8u_Sfs(a, b, d, n, 3); });
    });
    reg("Mul_8u_Sfs3:memcpy", memcpyCase<Orv8u>);
    reg("Mul_32s_SfsNeg40:orvs", [](benchmark::State& st) {
        binary<Orv32s, Orv32s>(st, [](auto a, auto b, auto d, int n) { orvsMul_32s_Sfs(a, b, d, n, -40); });
    });
    reg("Mul_32s_SfsNeg40:memcpy", memcpyCase<Orv32s>);
    reg("Add_16sc_SfsNeg20:orvs", [](benchmark::State& st) {
        binary<Orv16sc, Orv16sc>(st, [](auto a, auto b, auto d, int n) { orvsAdd_16sc_Sfs(a, b, d, n, -20); });
    });
    reg("Add_16sc_SfsNeg20:memcpy", memcpyCase<Orv16sc>);
    reg("Mul_Low_32s_Sfs3:orvs", [](benchmark::State& st) {
        binary<Orv32s, Orv32s>(st, [](auto a, auto b, auto d, int n) { orvsMul_Low_32s_Sfs(a, b, d, n, 3); });
    });
    reg("Mul_Low_32s_Sfs3:memcpy", memcpyCase<Orv32s>);
    reg("Mul_8u16u:orvs", [](benchmark::State& st) { mixed<Orv8u, Orv8u, Orv16u>(st, orvsMul_8u16u); });
    reg("Mul_8u16u:memcpy", memcpyCase<Orv16u>);
    reg("Add_16s32s_I:orvs", [](benchmark::State& st) {
        mixed<Orv16s, Orv16s, Orv32s>(st, [](auto a, auto, auto d, int n) { orvsAdd_16s32s_I(a, d, n); });
    });
    reg("Add_16s32s_I:memcpy", memcpyCase<Orv32s>);
    reg("Mul_16s32f:orvs", [](benchmark::State& st) { mixed<Orv16s, Orv16s, Orv32f>(st, orvsMul_16s32f); });
    reg("Mul_16s32f:memcpy", memcpyCase<Orv32f>);
    reg("Mul_32f32fc:orvs", [](benchmark::State& st) { mixed<Orv32f, Orv32fc, Orv32fc>(st, orvsMul_32f32fc); });
    reg("Mul_32f32fc:memcpy", memcpyCase<Orv32fc>);
    reg("Add_32u:orvs", [](benchmark::State& st) { binary<Orv32u, Orv32u>(st, orvsAdd_32u); });
    reg("Add_32u:memcpy", memcpyCase<Orv32u>);
#ifdef ORVS_HAVE_VOLK
    reg("Add_32f:volk", [](benchmark::State& st) {
        binary<Orv32f, Orv32f>(st, [](auto a, auto b, auto d, int n) { volk_32f_x2_add_32f(d, a, b, n); });
    });
    reg("Mul_32fc:volk", [](benchmark::State& st) {
        binary<Orv32fc, Orv32fc>(st, [](auto a, auto b, auto d, int n) {
            volk_32fc_x2_multiply_32fc(reinterpret_cast<lv_32fc_t*>(d), reinterpret_cast<const lv_32fc_t*>(a),
                                       reinterpret_cast<const lv_32fc_t*>(b), n);
        });
    });
    reg("MulC_32f16s_Sfs:volk", [](benchmark::State& st) {
        binary<Orv32f, Orv16s>(st, [](auto a, auto, auto d, int n) { volk_32f_s32f_convert_16i(d, a, 0.75f, n); });
    });
#endif
    return 0;
}();

ORVS_BENCH_MAIN();
