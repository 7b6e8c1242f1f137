// Bit-level operations on the floating-point vectors of float_vec.h, as
// Bits<A> for A = F32, F64 (and F32x16, F64x8 on AVX-512 targets):
//   of(u)        every lane holding the bit pattern u
//   pow2(k)      2^k for an integral k held in a lane, k inside the normal
//                exponent range
//   exponent(x)  the unbiased exponent of a positive normal x, as a value
//   scale(y, k)  (512 bits only) y * 2^k rounded once, subnormal and
//                overflowing results included
#pragma once
#if !defined(ORVS_TARGET)
#error "core/simd/float_bits.h belongs to kernel sources compiled per target"
#endif
#include <immintrin.h>

#include <cstdint>

#include "core/simd/float_vec.h"

namespace orvs::simd {
inline namespace ORVS_TARGET {

template <class A> struct Bits;

template <> struct Bits<F32> {
    using V = __m256;
    static V of(std::uint32_t u) { return _mm256_castsi256_ps(_mm256_set1_epi32(static_cast<int>(u))); }
    // (k + 127) * 2^23 is exact in a float and converts to the bits of 2^k.
    static V pow2(V k)
    {
        return _mm256_castsi256_ps(_mm256_cvttps_epi32(_mm256_mul_ps(_mm256_add_ps(k, F32::set1(127)), F32::set1(0x1p23))));
    }
    static V exponent(V x)
    {
        const __m256i e = _mm256_castps_si256(_mm256_and_ps(x, of(0x7F800000u)));
        return _mm256_sub_ps(_mm256_mul_ps(_mm256_cvtepi32_ps(e), F32::set1(0x1p-23)), F32::set1(127));
    }
};

template <> struct Bits<F64> {
    using V = __m256d;
    static V of(std::uint64_t u) { return _mm256_castsi256_pd(_mm256_set1_epi64x(static_cast<long long>(u))); }
    static V pow2(V k)
    {
        const __m128i i = _mm256_cvttpd_epi32(_mm256_add_pd(k, F64::set1(1023)));
#if defined(__AVX2__)
        return _mm256_castsi256_pd(_mm256_slli_epi64(_mm256_cvtepi32_epi64(i), 52));
#else
        const __m128i lo = _mm_slli_epi64(_mm_cvtepi32_epi64(i), 52);
        const __m128i hi = _mm_slli_epi64(_mm_cvtepi32_epi64(_mm_srli_si128(i, 8)), 52);
        return _mm256_castsi256_pd(_mm256_set_m128i(hi, lo));
#endif
    }
    // The biased exponent field moved to the low bits of 2^52 gives 2^52 + e
    // exactly; subtracting 2^52 + 1023 leaves e.
    static V exponent(V x)
    {
        const __m256i b = _mm256_castpd_si256(x);
#if defined(__AVX2__)
        const __m256i e = _mm256_srli_epi64(b, 52);
#else
        const __m128i lo = _mm_srli_epi64(_mm256_castsi256_si128(b), 52);
        const __m128i hi = _mm_srli_epi64(_mm256_extractf128_si256(b, 1), 52);
        const __m256i e = _mm256_set_m128i(hi, lo);
#endif
        const V biased = _mm256_or_pd(_mm256_castsi256_pd(e), of(0x4330000000000000ull));
        return _mm256_sub_pd(biased, F64::set1(0x1p52 + 1023));
    }
};

#if defined(__AVX512F__)
template <> struct Bits<F32x16> {
    using V = __m512;
    static V of(std::uint32_t u) { return _mm512_castsi512_ps(_mm512_set1_epi32(static_cast<int>(u))); }
    static V pow2(V k)
    {
        return _mm512_castsi512_ps(_mm512_cvttps_epi32(_mm512_mul_ps(_mm512_add_ps(k, F32x16::set1(127)), F32x16::set1(0x1p23))));
    }
    static V exponent(V x) { return _mm512_getexp_ps(x); }
    // y 2^k rounded once, subnormal and overflowing results included.
    static V scale(V y, V k) { return _mm512_scalef_ps(y, k); }
};

template <> struct Bits<F64x8> {
    using V = __m512d;
    static V of(std::uint64_t u) { return _mm512_castsi512_pd(_mm512_set1_epi64(static_cast<long long>(u))); }
    static V pow2(V k)
    {
        const __m512i i = _mm512_cvttpd_epi64(_mm512_add_pd(k, F64x8::set1(1023)));
        return _mm512_castsi512_pd(_mm512_slli_epi64(i, 52));
    }
    static V exponent(V x) { return _mm512_getexp_pd(x); }
    static V scale(V y, V k) { return _mm512_scalef_pd(y, k); }
};
#endif

} // namespace ORVS_TARGET
} // namespace orvs::simd
