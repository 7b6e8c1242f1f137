#include "core/cpu.h"

#include <cstdlib>
#include <cstring>

namespace orvs::cpu {

namespace {
Features detect()
{
    Features f;
    const char* force = std::getenv("ORVS_CPU");
    if (force && std::strcmp(force, "avx") == 0) return f;
    __builtin_cpu_init();
    f.avx2 = __builtin_cpu_supports("avx2");
    f.fma = __builtin_cpu_supports("fma");
    f.bmi2 = __builtin_cpu_supports("bmi2");
    unsigned a, b, c, d;
    __asm__("cpuid" : "=a"(a), "=b"(b), "=c"(c), "=d"(d) : "a"(1), "c"(0));
    f.f16c = (c >> 29) & 1u;
    if (force && std::strcmp(force, "avx2") == 0) return f;
    // AVX-512 needs both the instructions and the OS saving opmask and ZMM
    // registers (XCR0 bits 5-7 besides the SSE/AVX bits 1-2).
    const bool osxsave = (c >> 27) & 1u;
    if (osxsave && __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
        __builtin_cpu_supports("avx512dq") && __builtin_cpu_supports("avx512vl")) {
        unsigned lo, hi;
        __asm__("xgetbv" : "=a"(lo), "=d"(hi) : "c"(0));
        f.avx512 = (lo & 0xE6u) == 0xE6u;
    }
    return f;
}
} // namespace

const Features& features()
{
    static const Features f = detect();
    return f;
}

} // namespace orvs::cpu
