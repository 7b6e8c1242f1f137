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
    return f;
}
} // namespace

const Features& features()
{
    static const Features f = detect();
    return f;
}

} // namespace orvs::cpu
