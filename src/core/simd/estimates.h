// Estimates of 1/y and 1/sqrt(m) on the floating-point registers of the
// target (overloaded on the register type: __m256, __m256d and, on AVX-512
// targets, __m512, __m512d), the starting points of Newton steps.
#pragma once
#if !defined(ORVS_TARGET)
#error "core/simd/estimates.h belongs to kernel sources compiled per target"
#endif
#include <immintrin.h>

namespace orvs::simd {
inline namespace ORVS_TARGET {

// Reciprocal and reciprocal-square-root estimates. Single precision uses the
// hardware estimates (12 bits on AVX, 14 on AVX-512), which one Newton step
// takes to within a few units in the last place. Double precision has no
// estimate good enough for one step to reach that, so its "estimate" is the
// correctly rounded value and the step leaves it within an ulp or two.
inline __m256 rcpEstimate(__m256 y) { return _mm256_rcp_ps(y); }
inline __m256 rsqrtEstimate(__m256 m) { return _mm256_rsqrt_ps(m); }
inline __m256d rcpEstimate(__m256d y) { return _mm256_div_pd(_mm256_set1_pd(1.0), y); }
inline __m256d rsqrtEstimate(__m256d m) { return _mm256_div_pd(_mm256_set1_pd(1.0), _mm256_sqrt_pd(m)); }
#if defined(__AVX512F__)
inline __m512 rcpEstimate(__m512 y) { return _mm512_rcp14_ps(y); }
inline __m512 rsqrtEstimate(__m512 m) { return _mm512_rsqrt14_ps(m); }
inline __m512d rcpEstimate(__m512d y) { return _mm512_div_pd(_mm512_set1_pd(1.0), y); }
inline __m512d rsqrtEstimate(__m512d m) { return _mm512_div_pd(_mm512_set1_pd(1.0), _mm512_sqrt_pd(m)); }
#endif

} // namespace ORVS_TARGET
} // namespace orvs::simd
