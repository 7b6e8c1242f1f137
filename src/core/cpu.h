// Run-time CPU features, read once. Families keep function pointers chosen
// from these at first use; hot loops never test features.
// ORVS_CPU in the environment caps the variant: "avx" forces the AVX
// baseline, "avx2" the AVX2/FMA kernels even on AVX-512 machines (the tests
// use both to exercise every variant on one machine).
#pragma once

namespace orvs::cpu {

struct Features {
    bool avx2 = false;
    bool fma = false;
    bool f16c = false;
    bool bmi2 = false;
    bool avx512 = false; // F + BW + DQ + VL, with the OS saving the ZMM state
};

const Features& features();

// AVX2 + FMA + F16C together: the "avx2" kernel variant.
inline bool hasAvx2() { const auto& f = features(); return f.avx2 && f.fma && f.f16c; }

// The "avx512" variant: everything of "avx2" plus AVX-512 F/BW/DQ/VL.
inline bool hasAvx512() { return hasAvx2() && features().avx512; }

} // namespace orvs::cpu
