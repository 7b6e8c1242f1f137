// The shared vector operations, lane by lane against scalar models, in every
// compilation of them the processor can run (AVX, AVX2, AVX-512), whatever
// ORVS_CPU says: the cases call the target code directly.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "simd_lanes_api.h"

namespace {
using orvs::simdtest::Case;

struct Variant {
    const char* name;
    bool runs;
    const std::vector<Case>& (*cases)();
};

const std::vector<Variant>& variants()
{
    static const std::vector<Variant> all = [] {
        __builtin_cpu_init();
        return std::vector<Variant>{
            {"avx", true, &orvs::simdtest::avx::cases},
            {"avx2", __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma") && __builtin_cpu_supports("bmi2"),
             &orvs::simdtest::avx2::cases},
            {"avx512",
             __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
                 __builtin_cpu_supports("avx512dq") && __builtin_cpu_supports("avx512vl"),
             &orvs::simdtest::avx512::cases},
        };
    }();
    return all;
}

void runCase(const char* name)
{
    int ran = 0;
    for (const Variant& v : variants()) {
        if (!v.runs) continue;
        bool found = false;
        for (const Case& c : v.cases())
            if (std::strcmp(c.name, name) == 0) {
                found = true;
                ++ran;
                EXPECT_EQ(c.run(), "") << v.name;
            }
        EXPECT_TRUE(found) << name << " missing from " << v.name;
    }
    EXPECT_GE(ran, 1);
}
} // namespace

TEST(SimdLanes, ShiftCount) { runCase("ShiftCount"); }
TEST(SimdLanes, SignedLanes) { runCase("SignedLanes"); }
TEST(SimdLanes, Estimates) { runCase("Estimates"); }
TEST(SimdLanes, FloatBits) { runCase("FloatBits"); }
TEST(SimdLanes, FloatOps) { runCase("FloatOps"); }
TEST(SimdLanes, ComplexLanes) { runCase("ComplexLanes"); }
TEST(SimdLanes, Repeated) { runCase("Repeated"); }
TEST(SimdLanes, FirstEqual) { runCase("FirstEqual"); }
TEST(SimdLanes, IntPairs) { runCase("IntPairs"); }

TEST(SimdLanes, EveryListComplete)
{
    // The same cases in every compilation that runs here (the list of one
    // the processor cannot run is itself code of that target).
    const auto& base = orvs::simdtest::avx::cases();
    for (const Variant& v : variants())
        if (v.runs) ASSERT_EQ(v.cases().size(), base.size()) << v.name;
}
