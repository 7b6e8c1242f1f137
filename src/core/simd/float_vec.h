// Floating-point vectors of N lanes, per target: F32 and F64 (256 bits, every
// target), F32x16 and F64x8 (512 bits, AVX-512 targets), and WF32 / WF64, the
// widest of the target. Each is a struct of static functions over its
// register type V (lanes of S, W of them) and its lane mask M, so one kernel
// template serves every width: arithmetic, compares into masks, blends,
// loads and stores (whole and masked tails), horizontal sum and maximum,
// rounding, multiply-add, deinterleaving of (re, im) pairs and the lane
// shuffles of complex products.
//
// Only kernel sources include this header: everything is in
// orvs::simd::ORVS_TARGET, so no inline function compiled for one target is
// shared with code compiled for another.
#pragma once
#ifndef ORVS_TARGET
#error "core/simd/float_vec.h belongs to kernel sources, compiled once per target"
#endif
#include <immintrin.h>

namespace orvs::simd {
inline namespace ORVS_TARGET {

// Lane masks of the first n lanes for the 256-bit masked moves.
inline __m256i tailMask32(int n)
{
    static constexpr int bits[16] = {-1, -1, -1, -1, -1, -1, -1, -1, 0, 0, 0, 0, 0, 0, 0, 0};
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(bits + 8 - n));
}
inline __m256i tailMask64(int n)
{
    static constexpr long long bits[8] = {-1, -1, -1, -1, 0, 0, 0, 0};
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(bits + 4 - n));
}

struct F32 {
    using Narrow = F32;
    using V = __m256;
    using S = float;
    static constexpr int W = 8;
    static V set1(double x) { return _mm256_set1_ps(static_cast<float>(x)); }
    static V zero() { return _mm256_setzero_ps(); }
    static V add(V a, V b) { return _mm256_add_ps(a, b); }
    static V sub(V a, V b) { return _mm256_sub_ps(a, b); }
    static V mul(V a, V b) { return _mm256_mul_ps(a, b); }
    static V div(V a, V b) { return _mm256_div_ps(a, b); }
    static V sqrt(V a) { return _mm256_sqrt_ps(a); }
    static V max(V a, V b) { return _mm256_max_ps(a, b); }
    static V min(V a, V b) { return _mm256_min_ps(a, b); }
    static V and_(V a, V b) { return _mm256_and_ps(a, b); }
    static V andnot(V a, V b) { return _mm256_andnot_ps(a, b); }
    static V or_(V a, V b) { return _mm256_or_ps(a, b); }
    static V xor_(V a, V b) { return _mm256_xor_ps(a, b); }
    static V blend(V a, V b, V m) { return _mm256_blendv_ps(a, b, m); }  // m ? b : a (sign bit)
    static V lt(V a, V b) { return _mm256_cmp_ps(a, b, _CMP_LT_OQ); }
    static V le(V a, V b) { return _mm256_cmp_ps(a, b, _CMP_LE_OQ); }
    static V ge(V a, V b) { return _mm256_cmp_ps(a, b, _CMP_GE_OQ); }
    static V eq(V a, V b) { return _mm256_cmp_ps(a, b, _CMP_EQ_OQ); }
    static V neq(V a, V b) { return _mm256_cmp_ps(a, b, _CMP_NEQ_UQ); }
    // Lane masks: 256-bit compares give vectors whose sign bits select.
    using M = V;
    static M none() { return _mm256_setzero_ps(); }
    static M signs(V a) { return a; }
    static M mor(M a, M b) { return _mm256_or_ps(a, b); }
    static M mand(M a, M b) { return _mm256_and_ps(a, b); }
    static V zeroWhere(M m, V a) { return _mm256_andnot_ps(m, a); }
    static int mask(M a) { return _mm256_movemask_ps(a); }
    static V load(const S* p) { return _mm256_loadu_ps(p); }
    static void store(S* p, V v) { _mm256_storeu_ps(p, v); }
#if defined(__FMA__)
    static V fma(V a, V b, V c) { return _mm256_fmadd_ps(a, b, c); }
#else
    static V fma(V a, V b, V c) { return _mm256_add_ps(_mm256_mul_ps(a, b), c); }
#endif
    // Interleaved (re, im) pairs of W complex values -> separate parts.
    static void deinterleave(const S* p, V& re, V& im)
    {
        V v0 = _mm256_loadu_ps(p), v1 = _mm256_loadu_ps(p + 8);
        __asm__("" : "+x"(v0), "+x"(v1));  // one load each, not one per shuffle
        V a = _mm256_permute2f128_ps(v0, v1, 0x20), b = _mm256_permute2f128_ps(v0, v1, 0x31);
        re = _mm256_shuffle_ps(a, b, 0x88);
        im = _mm256_shuffle_ps(a, b, 0xDD);
    }
    // The first n lanes (0 <= n <= W) from p, the others zero; nothing past
    // them is read, and storeN writes nothing past them.
    static V loadN(const S* p, int n) { return _mm256_maskload_ps(p, tailMask32(n)); }
    static void storeN(S* p, V v, int n) { _mm256_maskstore_ps(p, tailMask32(n), v); }
    static S hsum(V v)
    {
        __m128 x = _mm_add_ps(_mm256_castps256_ps128(v), _mm256_extractf128_ps(v, 1));
        x = _mm_add_ps(x, _mm_movehl_ps(x, x));
        return _mm_cvtss_f32(_mm_add_ss(x, _mm_movehdup_ps(x)));
    }
    static S hmax(V v)
    {
        __m128 x = _mm_max_ps(_mm256_castps256_ps128(v), _mm256_extractf128_ps(v, 1));
        x = _mm_max_ps(x, _mm_movehl_ps(x, x));
        return _mm_cvtss_f32(_mm_max_ss(x, _mm_movehdup_ps(x)));
    }
    static V roundEven(V a) { return _mm256_round_ps(a, _MM_FROUND_TO_NEAREST_INT | _MM_FROUND_NO_EXC); }
    // Interleaved (re, im) lanes: each part copied over its pair, the parts
    // of each pair swapped, and re - x / im + x by lane parity.
    static V dupRe(V a) { return _mm256_moveldup_ps(a); }
    static V dupIm(V a) { return _mm256_movehdup_ps(a); }
    static V swapParts(V a) { return _mm256_permute_ps(a, 0xB1); }
    static V addsub(V a, V b) { return _mm256_addsub_ps(a, b); }
};

struct F64 {
    using Narrow = F64;
    using V = __m256d;
    using S = double;
    static constexpr int W = 4;
    static V set1(double x) { return _mm256_set1_pd(x); }
    static V zero() { return _mm256_setzero_pd(); }
    static V add(V a, V b) { return _mm256_add_pd(a, b); }
    static V sub(V a, V b) { return _mm256_sub_pd(a, b); }
    static V mul(V a, V b) { return _mm256_mul_pd(a, b); }
    static V div(V a, V b) { return _mm256_div_pd(a, b); }
    static V sqrt(V a) { return _mm256_sqrt_pd(a); }
    static V max(V a, V b) { return _mm256_max_pd(a, b); }
    static V min(V a, V b) { return _mm256_min_pd(a, b); }
    static V and_(V a, V b) { return _mm256_and_pd(a, b); }
    static V andnot(V a, V b) { return _mm256_andnot_pd(a, b); }
    static V or_(V a, V b) { return _mm256_or_pd(a, b); }
    static V xor_(V a, V b) { return _mm256_xor_pd(a, b); }
    static V blend(V a, V b, V m) { return _mm256_blendv_pd(a, b, m); }
    static V lt(V a, V b) { return _mm256_cmp_pd(a, b, _CMP_LT_OQ); }
    static V le(V a, V b) { return _mm256_cmp_pd(a, b, _CMP_LE_OQ); }
    static V ge(V a, V b) { return _mm256_cmp_pd(a, b, _CMP_GE_OQ); }
    static V eq(V a, V b) { return _mm256_cmp_pd(a, b, _CMP_EQ_OQ); }
    static V neq(V a, V b) { return _mm256_cmp_pd(a, b, _CMP_NEQ_UQ); }
    // Lane masks: 256-bit compares give vectors whose sign bits select.
    using M = V;
    static M none() { return _mm256_setzero_pd(); }
    static M signs(V a) { return a; }
    static M mor(M a, M b) { return _mm256_or_pd(a, b); }
    static M mand(M a, M b) { return _mm256_and_pd(a, b); }
    static V zeroWhere(M m, V a) { return _mm256_andnot_pd(m, a); }
    static int mask(M a) { return _mm256_movemask_pd(a); }
    static V load(const S* p) { return _mm256_loadu_pd(p); }
    static void store(S* p, V v) { _mm256_storeu_pd(p, v); }
#if defined(__FMA__)
    static V fma(V a, V b, V c) { return _mm256_fmadd_pd(a, b, c); }
#else
    static V fma(V a, V b, V c) { return _mm256_add_pd(_mm256_mul_pd(a, b), c); }
#endif
    static void deinterleave(const S* p, V& re, V& im)
    {
        V v0 = _mm256_loadu_pd(p), v1 = _mm256_loadu_pd(p + 4);
        __asm__("" : "+x"(v0), "+x"(v1));
        V a = _mm256_permute2f128_pd(v0, v1, 0x20), b = _mm256_permute2f128_pd(v0, v1, 0x31);
        re = _mm256_unpacklo_pd(a, b);
        im = _mm256_unpackhi_pd(a, b);
    }
    static V loadN(const S* p, int n) { return _mm256_maskload_pd(p, tailMask64(n)); }
    static void storeN(S* p, V v, int n) { _mm256_maskstore_pd(p, tailMask64(n), v); }
    static S hsum(V v)
    {
        const __m128d x = _mm_add_pd(_mm256_castpd256_pd128(v), _mm256_extractf128_pd(v, 1));
        return _mm_cvtsd_f64(_mm_add_sd(x, _mm_unpackhi_pd(x, x)));
    }
    static S hmax(V v)
    {
        const __m128d x = _mm_max_pd(_mm256_castpd256_pd128(v), _mm256_extractf128_pd(v, 1));
        return _mm_cvtsd_f64(_mm_max_sd(x, _mm_unpackhi_pd(x, x)));
    }
    static V roundEven(V a) { return _mm256_round_pd(a, _MM_FROUND_TO_NEAREST_INT | _MM_FROUND_NO_EXC); }
    // W floats widened exactly, and W lanes rounded to float (by MXCSR).
    static V loadWidened(const float* p) { return _mm256_cvtps_pd(_mm_loadu_ps(p)); }
    static void storeNarrowed(float* p, V v) { _mm_storeu_ps(p, _mm256_cvtpd_ps(v)); }
    static V dupRe(V a) { return _mm256_movedup_pd(a); }
    static V dupIm(V a) { return _mm256_permute_pd(a, 0xF); }
    static V swapParts(V a) { return _mm256_permute_pd(a, 0x5); }
    static V addsub(V a, V b) { return _mm256_addsub_pd(a, b); }
};

#if defined(__AVX512F__)
// 512 bits: the same operations, with compares into mask registers.
struct F32x16 {
    using Narrow = F32;  // the 256-bit vocabulary of the same element type
    using V = __m512;
    using M = __mmask16;
    using S = float;
    static constexpr int W = 16;
    static V set1(double x) { return _mm512_set1_ps(static_cast<float>(x)); }
    static V zero() { return _mm512_setzero_ps(); }
    static V add(V a, V b) { return _mm512_add_ps(a, b); }
    static V sub(V a, V b) { return _mm512_sub_ps(a, b); }
    static V mul(V a, V b) { return _mm512_mul_ps(a, b); }
    static V div(V a, V b) { return _mm512_div_ps(a, b); }
    static V sqrt(V a) { return _mm512_sqrt_ps(a); }
    static V max(V a, V b) { return _mm512_max_ps(a, b); }
    static V min(V a, V b) { return _mm512_min_ps(a, b); }
    static V and_(V a, V b) { return _mm512_and_ps(a, b); }
    static V andnot(V a, V b) { return _mm512_andnot_ps(a, b); }
    static V or_(V a, V b) { return _mm512_or_ps(a, b); }
    static V xor_(V a, V b) { return _mm512_xor_ps(a, b); }
    static V blend(V a, V b, M m) { return _mm512_mask_blend_ps(m, a, b); }  // m ? b : a
    static M lt(V a, V b) { return _mm512_cmp_ps_mask(a, b, _CMP_LT_OQ); }
    static M le(V a, V b) { return _mm512_cmp_ps_mask(a, b, _CMP_LE_OQ); }
    static M ge(V a, V b) { return _mm512_cmp_ps_mask(a, b, _CMP_GE_OQ); }
    static M eq(V a, V b) { return _mm512_cmp_ps_mask(a, b, _CMP_EQ_OQ); }
    static M neq(V a, V b) { return _mm512_cmp_ps_mask(a, b, _CMP_NEQ_UQ); }
    static M none() { return 0; }
    static M signs(V a) { return _mm512_movepi32_mask(_mm512_castps_si512(a)); }
    static M mor(M a, M b) { return static_cast<M>(a | b); }
    static M mand(M a, M b) { return static_cast<M>(a & b); }
    static V zeroWhere(M m, V a) { return _mm512_maskz_mov_ps(static_cast<M>(~m), a); }
    static int mask(M a) { return a; }
    static V load(const S* p) { return _mm512_loadu_ps(p); }
    static void store(S* p, V v) { _mm512_storeu_ps(p, v); }
    static V fma(V a, V b, V c) { return _mm512_fmadd_ps(a, b, c); }
    // Two loads and two two-source permutes: even lanes are the real parts.
    static void deinterleave(const S* p, V& re, V& im)
    {
        V v0 = _mm512_loadu_ps(p), v1 = _mm512_loadu_ps(p + 16);
        __asm__("" : "+v"(v0), "+v"(v1));  // one load each, not one per permute
        const __m512i even = _mm512_setr_epi32(0, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 22, 24, 26, 28, 30);
        const __m512i odd = _mm512_setr_epi32(1, 3, 5, 7, 9, 11, 13, 15, 17, 19, 21, 23, 25, 27, 29, 31);
        re = _mm512_permutex2var_ps(v0, even, v1);
        im = _mm512_permutex2var_ps(v0, odd, v1);
    }
    static V loadN(const S* p, int n) { return _mm512_maskz_loadu_ps(static_cast<M>((1u << n) - 1), p); }
    static void storeN(S* p, V v, int n) { _mm512_mask_storeu_ps(p, static_cast<M>((1u << n) - 1), v); }
    static S hsum(V v) { return _mm512_reduce_add_ps(v); }
    static S hmax(V v) { return _mm512_reduce_max_ps(v); }
    static V roundEven(V a) { return _mm512_roundscale_ps(a, _MM_FROUND_TO_NEAREST_INT | _MM_FROUND_NO_EXC); }
    static V dupRe(V a) { return _mm512_moveldup_ps(a); }
    static V dupIm(V a) { return _mm512_movehdup_ps(a); }
    static V swapParts(V a) { return _mm512_permute_ps(a, 0xB1); }
    // No add-subtract instruction at 512 bits: the sum and the difference,
    // merged under an even-lane mask, give the bits of the 256-bit one (NaN
    // propagation included).
    static V addsub(V a, V b) { return _mm512_mask_sub_ps(_mm512_add_ps(a, b), 0x5555, a, b); }
};

struct F64x8 {
    using Narrow = F64;
    using V = __m512d;
    using M = __mmask8;
    using S = double;
    static constexpr int W = 8;
    static V set1(double x) { return _mm512_set1_pd(x); }
    static V zero() { return _mm512_setzero_pd(); }
    static V add(V a, V b) { return _mm512_add_pd(a, b); }
    static V sub(V a, V b) { return _mm512_sub_pd(a, b); }
    static V mul(V a, V b) { return _mm512_mul_pd(a, b); }
    static V div(V a, V b) { return _mm512_div_pd(a, b); }
    static V sqrt(V a) { return _mm512_sqrt_pd(a); }
    static V max(V a, V b) { return _mm512_max_pd(a, b); }
    static V min(V a, V b) { return _mm512_min_pd(a, b); }
    static V and_(V a, V b) { return _mm512_and_pd(a, b); }
    static V andnot(V a, V b) { return _mm512_andnot_pd(a, b); }
    static V or_(V a, V b) { return _mm512_or_pd(a, b); }
    static V xor_(V a, V b) { return _mm512_xor_pd(a, b); }
    static V blend(V a, V b, M m) { return _mm512_mask_blend_pd(m, a, b); }
    static M lt(V a, V b) { return _mm512_cmp_pd_mask(a, b, _CMP_LT_OQ); }
    static M le(V a, V b) { return _mm512_cmp_pd_mask(a, b, _CMP_LE_OQ); }
    static M ge(V a, V b) { return _mm512_cmp_pd_mask(a, b, _CMP_GE_OQ); }
    static M eq(V a, V b) { return _mm512_cmp_pd_mask(a, b, _CMP_EQ_OQ); }
    static M neq(V a, V b) { return _mm512_cmp_pd_mask(a, b, _CMP_NEQ_UQ); }
    static M none() { return 0; }
    static M signs(V a) { return _mm512_movepi64_mask(_mm512_castpd_si512(a)); }
    static M mor(M a, M b) { return static_cast<M>(a | b); }
    static M mand(M a, M b) { return static_cast<M>(a & b); }
    static V zeroWhere(M m, V a) { return _mm512_maskz_mov_pd(static_cast<M>(~m), a); }
    static int mask(M a) { return a; }
    static V load(const S* p) { return _mm512_loadu_pd(p); }
    static void store(S* p, V v) { _mm512_storeu_pd(p, v); }
    static V fma(V a, V b, V c) { return _mm512_fmadd_pd(a, b, c); }
    static void deinterleave(const S* p, V& re, V& im)
    {
        V v0 = _mm512_loadu_pd(p), v1 = _mm512_loadu_pd(p + 8);
        __asm__("" : "+v"(v0), "+v"(v1));
        const __m512i even = _mm512_setr_epi64(0, 2, 4, 6, 8, 10, 12, 14);
        const __m512i odd = _mm512_setr_epi64(1, 3, 5, 7, 9, 11, 13, 15);
        re = _mm512_permutex2var_pd(v0, even, v1);
        im = _mm512_permutex2var_pd(v0, odd, v1);
    }
    static V loadN(const S* p, int n) { return _mm512_maskz_loadu_pd(static_cast<M>((1u << n) - 1), p); }
    static void storeN(S* p, V v, int n) { _mm512_mask_storeu_pd(p, static_cast<M>((1u << n) - 1), v); }
    static S hsum(V v) { return _mm512_reduce_add_pd(v); }
    static S hmax(V v) { return _mm512_reduce_max_pd(v); }
    static V roundEven(V a) { return _mm512_roundscale_pd(a, _MM_FROUND_TO_NEAREST_INT | _MM_FROUND_NO_EXC); }
    static V loadWidened(const float* p) { return _mm512_cvtps_pd(_mm256_loadu_ps(p)); }
    static void storeNarrowed(float* p, V v) { _mm256_storeu_ps(p, _mm512_cvtpd_ps(v)); }
    static V dupRe(V a) { return _mm512_movedup_pd(a); }
    static V dupIm(V a) { return _mm512_permute_pd(a, 0xFF); }
    static V swapParts(V a) { return _mm512_permute_pd(a, 0x55); }
    static V addsub(V a, V b) { return _mm512_mask_sub_pd(_mm512_add_pd(a, b), 0x55, a, b); }
};

// The widest vectors of this target (F32/F64 stay available for 256-bit blocks).
using WF32 = F32x16;
using WF64 = F64x8;
#else
using WF32 = F32;
using WF64 = F64;
#endif

// Products of the W / 2 interleaved complex pairs of a and b, a * b or
// a * conj(b): (a.re*b.re - a.im*b.im, a.im*b.re + a.re*b.im), each product
// rounded, then one addition, exactly as the scalar formula (no fusion).
template <class A, bool Conj>
inline typename A::V cmul(typename A::V a, typename A::V b)
{
    const typename A::V t1 = A::mul(a, A::dupRe(b));
    typename A::V t2 = A::mul(A::swapParts(a), A::dupIm(b));
    if constexpr (Conj) t2 = A::xor_(t2, A::set1(-0.0));
    return A::addsub(t1, t2);
}

} // namespace ORVS_TARGET
} // namespace orvs::simd
