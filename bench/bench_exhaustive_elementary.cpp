// Every single-precision input (all 2^32 bit patterns) through Exp_32f,
// Ln_32f, Arctan_32f and Cubrt_32f against the correctly rounded results: the
// largest distance in units in the last place from the correctly rounded
// result, and how many results are not the correctly rounded one. Too long
// for the test suite; run by hand (see docs/elementary.md):
//
//     bench_exhaustive_elementary [Exp|Ln|Arctan|Cubrt ...]
#include <omp.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "orvs.h"

namespace {

struct Member {
    const char* name;
    OrvStatus (*fn)(const Orv32f*, Orv32f*, int);
    double (*ref)(double);
    long double (*refLong)(long double);
};

const Member kMembers[] = {
    {"Exp", orvsExp_32f, [](double x) { return std::exp(x); }, [](long double x) { return std::exp(x); }},
    {"Ln", orvsLn_32f, [](double x) { return std::log(x); }, [](long double x) { return std::log(x); }},
    {"Arctan", orvsArctan_32f, [](double x) { return std::atan(x); }, [](long double x) { return std::atan(x); }},
    {"Cubrt", orvsCubrt_32f, [](double x) { return std::cbrt(x); }, [](long double x) { return std::cbrt(x); }},
};

// The correctly rounded float: from the double-precision reference, unless
// it lies so close to a halfway point between two floats that its own error
// could decide the rounding; then from the long-double one.
float correctlyRounded(const Member& m, float x)
{
    const double d = m.ref(x);
    const float f = static_cast<float>(d);
    if (!std::isfinite(f) || d == f) return f;
    const double mid = (static_cast<double>(f) + std::nextafter(f, d > f ? HUGE_VALF : -HUGE_VALF)) / 2;
    if (std::fabs(d - mid) > std::fabs(mid) * 0x1p-45) return f;
    return static_cast<float>(m.refLong(x));
}

// Distance in representable floats (the same NaN class counts as equal).
double ulps(float a, float b)
{
    if (std::isnan(a) || std::isnan(b)) return std::isnan(a) && std::isnan(b) ? 0 : 1e30;
    std::int32_t ia, ib;
    std::memcpy(&ia, &a, 4);
    std::memcpy(&ib, &b, 4);
    const double oa = ia < 0 ? -2147483648.0 - ia : ia, ob = ib < 0 ? -2147483648.0 - ib : ib;
    return std::fabs(oa - ob);
}

void sweep(const Member& m)
{
    constexpr std::uint64_t kChunk = 1 << 20, kAll = std::uint64_t(1) << 32;
    double worst = 0;
    std::uint32_t worstAt = 0;
    std::uint64_t notRounded = 0;
#pragma omp parallel
    {
        std::vector<float> x(kChunk), y(kChunk);
        double w = 0;
        std::uint32_t wAt = 0;
        std::uint64_t nr = 0;
#pragma omp for schedule(dynamic)
        for (std::int64_t c = 0; c < std::int64_t(kAll / kChunk); ++c) {
            for (std::uint64_t i = 0; i < kChunk; ++i) {
                const auto bits = static_cast<std::uint32_t>(c * kChunk + i);
                std::memcpy(&x[i], &bits, 4);
            }
            m.fn(x.data(), y.data(), int(kChunk));
            for (std::uint64_t i = 0; i < kChunk; ++i) {
                const double d = ulps(y[i], correctlyRounded(m, x[i]));
                nr += d != 0;
                if (d > w) w = d, wAt = static_cast<std::uint32_t>(c * kChunk + i);
            }
        }
#pragma omp critical
        {
            notRounded += nr;
            if (w > worst) worst = w, worstAt = wAt;
        }
    }
    float at;
    std::memcpy(&at, &worstAt, 4);
    std::printf("%-7s max %.0f ulp from the correctly rounded result (at %a), %llu of 2^32 not correctly rounded\n", m.name,
                worst, at, static_cast<unsigned long long>(notRounded));
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    for (const auto& m : kMembers) {
        bool wanted = argc < 2;
        for (int i = 1; i < argc; ++i) wanted |= std::string(argv[i]) == m.name;
        if (wanted) sweep(m);
    }
    return 0;
}
