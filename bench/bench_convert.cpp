// Sample-format conversions beside VOLK's converters and beside memcpy of
// the output bytes (the bandwidth floor), at an L1-resident and an
// out-of-cache length.
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

// 64-byte aligned scratch, filled with values every converter accepts.
struct Buffers {
    void* src;
    void* dst;
    explicit Buffers(std::size_t bytes)
    {
        src = std::aligned_alloc(64, bytes);
        dst = std::aligned_alloc(64, bytes);
        std::mt19937 rng(1);
        auto* f = static_cast<float*>(src);
        for (std::size_t i = 0; i < bytes / 4; ++i) f[i] = float(int(rng() % 60000) - 30000) * 0.37f;
        std::memset(dst, 0, bytes);
    }
    ~Buffers() { std::free(src); std::free(dst); }
};

using Kernel = std::function<void(void* src, void* dst, int n)>;

void registerCase(const std::string& name, const std::string& impl, std::size_t dstBytesPerElem, Kernel k)
{
    benchmark::RegisterBenchmark((name + ":" + impl).c_str(),
                                 [k, dstBytesPerElem](benchmark::State& st) {
                                     const int n = int(st.range(0));
                                     Buffers b(std::size_t(n) * 8 + 64);
                                     for (auto _ : st) {
                                         k(b.src, b.dst, n);
                                         benchmark::DoNotOptimize(b.dst);
                                         benchmark::ClobberMemory();
                                     }
                                     st.SetBytesProcessed(int64_t(st.iterations()) * n * dstBytesPerElem);
                                 })
        ->Arg(4096)
        ->Arg(1 << 20);
}

// Registers our kernel and memcpy of the same output size.
void ours(const std::string& name, std::size_t dstBytes, Kernel k)
{
    registerCase(name, "orvs", dstBytes, std::move(k));
    registerCase(name, "memcpy", dstBytes,
                 [dstBytes](void* s, void* d, int n) { std::memcpy(d, s, std::size_t(n) * dstBytes); });
}

#define F32(p) static_cast<Orv32f*>(p)
#define F64(p) static_cast<Orv64f*>(p)
#define S16(p) static_cast<Orv16s*>(p)
#define S32(p) static_cast<Orv32s*>(p)
#define U8(p) static_cast<Orv8u*>(p)
#define H16(p) static_cast<Orv16f*>(p)

const int kRegistered = [] {
    ours("Convert_16s32f", 4, [](void* s, void* d, int n) { orvsConvert_16s32f(S16(s), F32(d), n); });
    ours("Convert_16s32f_Sfs", 4, [](void* s, void* d, int n) { orvsConvert_16s32f_Sfs(S16(s), F32(d), n, 15); });
    ours("Convert_32f16s_Sfs_Near", 2,
         [](void* s, void* d, int n) { orvsConvert_32f16s_Sfs(F32(s), S16(d), n, orvRndNear, 0); });
    ours("Convert_32f16s_Sfs_Zero", 2,
         [](void* s, void* d, int n) { orvsConvert_32f16s_Sfs(F32(s), S16(d), n, orvRndZero, 0); });
    ours("Convert_32f16s_Sfs_Financial", 2,
         [](void* s, void* d, int n) { orvsConvert_32f16s_Sfs(F32(s), S16(d), n, orvRndFinancial, 0); });
    ours("Convert_32s32f", 4, [](void* s, void* d, int n) { orvsConvert_32s32f(S32(s), F32(d), n); });
    ours("Convert_32f32s_Sfs_Near", 4,
         [](void* s, void* d, int n) { orvsConvert_32f32s_Sfs(F32(s), S32(d), n, orvRndNear, 0); });
    ours("Convert_32f64f", 8, [](void* s, void* d, int n) { orvsConvert_32f64f(F32(s), F64(d), n); });
    ours("Convert_64f32f", 4, [](void* s, void* d, int n) { orvsConvert_64f32f(F64(s), F32(d), n); });
    ours("Convert_8u32f", 4, [](void* s, void* d, int n) { orvsConvert_8u32f(U8(s), F32(d), n); });
    ours("Convert_32f8u_Sfs_Near", 1,
         [](void* s, void* d, int n) { orvsConvert_32f8u_Sfs(F32(s), U8(d), n, orvRndNear, 0); });
    ours("Convert_24s32f", 4, [](void* s, void* d, int n) { orvsConvert_24s32f(U8(s), F32(d), n); });
    ours("Convert_32f24s_Sfs", 3, [](void* s, void* d, int n) { orvsConvert_32f24s_Sfs(F32(s), U8(d), n, 0); });
    ours("Convert_16f32f", 4, [](void* s, void* d, int n) { orvsConvert_16f32f(H16(s), F32(d), n); });
    ours("Convert_32f16f", 2, [](void* s, void* d, int n) { orvsConvert_32f16f(F32(s), H16(d), n, orvRndNear); });
    ours("Convert_32s16s_Sfs", 2, [](void* s, void* d, int n) { orvsConvert_32s16s_Sfs(S32(s), S16(d), n, 3); });
    // scaled by 2^15 (scaleFactor -15) beside VOLK's scale argument 32768
    ours("Convert_32f16s_Sfs_Near_Scaled", 2,
         [](void* s, void* d, int n) { orvsConvert_32f16s_Sfs(F32(s), S16(d), n, orvRndNear, -15); });
    ours("Convert_32f32s_Sfs_Near_Scaled", 4,
         [](void* s, void* d, int n) { orvsConvert_32f32s_Sfs(F32(s), S32(d), n, orvRndNear, -15); });
    ours("Convert_64f32s_Sfs_Near", 4,
         [](void* s, void* d, int n) { orvsConvert_64f32s_Sfs(F64(s), S32(d), n, orvRndNear, 0); });
    ours("Convert_24u32u", 4, [](void* s, void* d, int n) { orvsConvert_24u32u(U8(s), static_cast<Orv32u*>(d), n); });
#ifdef ORVS_HAVE_VOLK
    registerCase("Convert_16s32f", "volk", 4,
                 [](void* s, void* d, int n) { volk_16i_s32f_convert_32f(F32(d), S16(s), 1.0f, unsigned(n)); });
    registerCase("Convert_16s32f_Sfs", "volk", 4,
                 [](void* s, void* d, int n) { volk_16i_s32f_convert_32f(F32(d), S16(s), 32768.0f, unsigned(n)); });
    registerCase("Convert_32f16s_Sfs_Near", "volk", 2,
                 [](void* s, void* d, int n) { volk_32f_s32f_convert_16i(S16(d), F32(s), 1.0f, unsigned(n)); });
    registerCase("Convert_32f16s_Sfs_Near_Scaled", "volk", 2,
                 [](void* s, void* d, int n) { volk_32f_s32f_convert_16i(S16(d), F32(s), 32768.0f, unsigned(n)); });
    registerCase("Convert_32f32s_Sfs_Near_Scaled", "volk", 4,
                 [](void* s, void* d, int n) { volk_32f_s32f_convert_32i(S32(d), F32(s), 32768.0f, unsigned(n)); });
    registerCase("Convert_32s32f", "volk", 4,
                 [](void* s, void* d, int n) { volk_32i_s32f_convert_32f(F32(d), S32(s), 1.0f, unsigned(n)); });
    registerCase("Convert_32f32s_Sfs_Near", "volk", 4,
                 [](void* s, void* d, int n) { volk_32f_s32f_convert_32i(S32(d), F32(s), 1.0f, unsigned(n)); });
    registerCase("Convert_32f64f", "volk", 8,
                 [](void* s, void* d, int n) { volk_32f_convert_64f(F64(d), F32(s), unsigned(n)); });
    registerCase("Convert_64f32f", "volk", 4,
                 [](void* s, void* d, int n) { volk_64f_convert_32f(F32(d), F64(s), unsigned(n)); });
#endif
    return 0;
}();

} // namespace

ORVS_BENCH_MAIN()
