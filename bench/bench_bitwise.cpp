// Bitwise, shift, byte-order and G.711 entries beside memcpy of their output
// bytes (the bandwidth floor) and VOLK where it has the same kernel, at an
// L1-resident and an out-of-cache length.
#include <cstdlib>
#include <cstring>
#include <functional>
#include <random>
#include <string>

#include "bench_util.h"
#include "orvs.h"
#ifdef ORVS_HAVE_VOLK
#include <volk/volk.h>
#endif

namespace {

// 64-byte aligned sources (random bits, or samples within [-1, 1) for the
// float encoder) and destination.
struct Buffers {
    void* a;
    void* b;
    void* d;
    explicit Buffers(std::size_t bytes, bool floats)
    {
        a = std::aligned_alloc(64, bytes);
        b = std::aligned_alloc(64, bytes);
        d = std::aligned_alloc(64, bytes);
        std::mt19937 rng(1);
        auto* wa = static_cast<std::uint32_t*>(a);
        auto* wb = static_cast<std::uint32_t*>(b);
        for (std::size_t i = 0; i < bytes / 4; ++i) wa[i] = rng(), wb[i] = rng();
        if (floats)
            for (std::size_t i = 0; i < bytes / 4; ++i) static_cast<float*>(a)[i] = float(int(wa[i] % 65536) - 32768) / 32768.0f;
        std::memset(d, 0, bytes);
    }
    ~Buffers() { std::free(a), std::free(b), std::free(d); }
};

using Kernel = std::function<void(void* a, void* b, void* d, int n)>;

void registerCase(const std::string& name, const std::string& impl, std::size_t dstBytesPerElem, bool floats, Kernel k)
{
    benchmark::RegisterBenchmark((name + ":" + impl).c_str(),
                                 [k, dstBytesPerElem, floats](benchmark::State& st) {
                                     const int n = int(st.range(0));
                                     Buffers buf(std::size_t(n) * 8 + 64, floats);
                                     for (auto _ : st) {
                                         k(buf.a, buf.b, buf.d, n);
                                         benchmark::DoNotOptimize(buf.d);
                                         benchmark::ClobberMemory();
                                     }
                                     st.SetBytesProcessed(int64_t(st.iterations()) * n * dstBytesPerElem);
                                 })
        ->Arg(4096)
        ->Arg(1 << 20);
}

// Our entry and memcpy of the same output bytes.
void ours(const std::string& name, std::size_t dstBytes, Kernel k, bool floats = false)
{
    registerCase(name, "orvs", dstBytes, floats, std::move(k));
    registerCase(name, "memcpy", dstBytes, floats,
                 [dstBytes](void* a, void*, void* d, int n) { std::memcpy(d, a, std::size_t(n) * dstBytes); });
}

#define U8(p) static_cast<Orv8u*>(p)
#define U16(p) static_cast<Orv16u*>(p)
#define S16(p) static_cast<Orv16s*>(p)
#define U32(p) static_cast<Orv32u*>(p)
#define F32(p) static_cast<Orv32f*>(p)

const int kRegistered = [] {
    ours("AndC_32u", 4, [](void* a, void*, void* d, int n) { orvsAndC_32u(U32(a), 0x0F0F0F0Fu, U32(d), n); });
    ours("And_32u", 4, [](void* a, void* b, void* d, int n) { orvsAnd_32u(U32(a), U32(b), U32(d), n); });
    ours("LShiftC_16u", 2, [](void* a, void*, void* d, int n) { orvsLShiftC_16u(U16(a), 3, U16(d), n); });
    ours("RShiftC_16s", 2, [](void* a, void*, void* d, int n) { orvsRShiftC_16s(S16(a), 3, S16(d), n); });
    ours("SwapBytes_32u", 4, [](void* a, void*, void* d, int n) { orvsSwapBytes_32u(U32(a), U32(d), n); });
    // In place both ways: each call swaps back what the previous one swapped.
    ours("SwapBytes_32u_I", 4, [](void*, void*, void* d, int n) { orvsSwapBytes_32u_I(U32(d), n); });
    ours("SwapBytes_24u", 3, [](void* a, void*, void* d, int n) { orvsSwapBytes_24u(U8(a), U8(d), n); });
    ours("LinToMuLaw_16s8u", 1, [](void* a, void*, void* d, int n) { orvsLinToMuLaw_16s8u(S16(a), U8(d), n); });
    ours("LinToALaw_16s8u", 1, [](void* a, void*, void* d, int n) { orvsLinToALaw_16s8u(S16(a), U8(d), n); });
    ours("LinToMuLaw_32f8u", 1, [](void* a, void*, void* d, int n) { orvsLinToMuLaw_32f8u(F32(a), U8(d), n); }, true);
    ours("MuLawToLin_8u16s", 2, [](void* a, void*, void* d, int n) { orvsMuLawToLin_8u16s(U8(a), S16(d), n); });
    ours("ALawToLin_8u32f", 4, [](void* a, void*, void* d, int n) { orvsALawToLin_8u32f(U8(a), F32(d), n); });
    ours("ALawToMuLaw_8u", 1, [](void* a, void*, void* d, int n) { orvsALawToMuLaw_8u(U8(a), U8(d), n); });
#ifdef ORVS_HAVE_VOLK
    registerCase("And_32u", "volk", 4, false, [](void* a, void* b, void* d, int n) {
        volk_32i_x2_and_32i(static_cast<int32_t*>(d), static_cast<const int32_t*>(a), static_cast<const int32_t*>(b), n);
    });
    registerCase("SwapBytes_32u_I", "volk", 4, false, [](void*, void*, void* d, int n) { volk_32u_byteswap(U32(d), n); });
#endif
    return 0;
}();

} // namespace

ORVS_BENCH_MAIN()
