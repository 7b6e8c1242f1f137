#include <cstdlib>
#include <cstring>

#include "core/dispatch.h"

namespace orvs::dispatch {

namespace {

bool osSavesZmm()
{
    unsigned a, b, c, d;
    __asm__("cpuid" : "=a"(a), "=b"(b), "=c"(c), "=d"(d) : "a"(1), "c"(0));
    if (!((c >> 27) & 1u)) return false;  // no OSXSAVE: XCR0 cannot be read
    unsigned lo, hi;
    __asm__("xgetbv" : "=a"(lo), "=d"(hi) : "c"(0));
    // SSE and AVX state (bits 1-2) plus opmask and both ZMM halves (bits 5-7).
    return (lo & 0xE6u) == 0xE6u;
}

bool hasF16c()
{
    unsigned a, b, c, d;
    __asm__("cpuid" : "=a"(a), "=b"(b), "=c"(c), "=d"(d) : "a"(1), "c"(0));
    return (c >> 29) & 1u;
}

Isa detect()
{
    __builtin_cpu_init();
    Isa best = Isa::avx;
    if (__builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma") && __builtin_cpu_supports("bmi2") &&
        hasF16c()) {
        best = Isa::avx2;
        if (__builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
            __builtin_cpu_supports("avx512dq") && __builtin_cpu_supports("avx512vl") && osSavesZmm())
            best = Isa::avx512;
    }
    Isa cap = Isa::avx512;
    if (const char* env = std::getenv("ORVS_CPU")) {
        if (std::strcmp(env, "avx") == 0) cap = Isa::avx;
        else if (std::strcmp(env, "avx2") == 0) cap = Isa::avx2;
    }
    return static_cast<int>(best) < static_cast<int>(cap) ? best : cap;
}

} // namespace

Isa isa()
{
    static const Isa chosen = detect();
    return chosen;
}

const char* isaName(Isa v)
{
    switch (v) {
    case Isa::avx512: return "avx512";
    case Isa::avx2: return "avx2";
    default: return "avx";
    }
}

} // namespace orvs::dispatch
