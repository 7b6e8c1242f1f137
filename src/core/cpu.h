// Run-time CPU features, read once. Families keep function pointers chosen
// from these at first use; hot loops never test features.
// Setting ORVS_CPU=avx in the environment forces the AVX baseline paths
// (used by the tests to exercise both variants).
#pragma once

namespace orvs::cpu {

struct Features {
    bool avx2 = false;
    bool fma = false;
    bool f16c = false;
    bool bmi2 = false;
};

const Features& features();

// AVX2 + FMA + F16C together: the "avx2" kernel variant.
inline bool hasAvx2() { const auto& f = features(); return f.avx2 && f.fma && f.f16c; }

} // namespace orvs::cpu
