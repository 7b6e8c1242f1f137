// The cases of simd_lanes_cases.h, one list per instruction-set target.
#pragma once
#include <string>
#include <vector>

namespace orvs::simdtest {
struct Case {
    const char* name;
    std::string (*run)();  // "" when every lane is right
};
namespace avx { const std::vector<Case>& cases(); }
namespace avx2 { const std::vector<Case>& cases(); }
namespace avx512 { const std::vector<Case>& cases(); }
} // namespace orvs::simdtest
