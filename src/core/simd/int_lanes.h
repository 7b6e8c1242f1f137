// The integer part of the vector layer: a vector of N integer lanes per
// target (16 bytes for AVX, whose integer instructions are 128-bit, 32 for
// AVX2, 64 for AVX-512 with BW), with loads and stores of the first n
// elements, widening and saturating narrowing, multiplies, shifts and
// comparisons on 8-, 16-, 32- and 64-bit lanes. Kernel sources include it;
// it is compiled once per target (ORVS_TARGET), and its definitions live in
// a namespace of that target so that the compilations never share code.
//
//   IntVec          the register and its primitives (lane width in the name)
//   IntLanes<C>     the same on lanes of one component type C (16/32 bits)
//   Int64Lanes      the same on signed 64-bit lanes
//   SignedLanes<T>  compare, minimum and maximum on Orv16s or Orv32s lanes
//   Int32Vec        32-bit lanes as many as a single-precision register holds,
//                   loaded from and stored to 8-, 16- and 32-bit elements
#pragma once
#if !defined(ORVS_TARGET)
#error "core/simd/int_lanes.h belongs to kernel sources compiled per target"
#endif
#include <immintrin.h>

#include <climits>
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "orvs/types.h"

namespace orvs::simd {
inline namespace ORVS_TARGET {

// The count operand of the shifts by a register (sll, sra16, ...): n in the
// low 64 bits; counts at or above the lane width give 0 (or the sign, for
// the arithmetic shifts).
inline __m128i shiftCount(int n) { return _mm_cvtsi32_si128(n); }
using ShiftCount = __m128i;

// Orders the non-temporal stores before the stores that follow.
inline void streamFence() { _mm_sfence(); }

#if defined(__AVX512BW__)
// 64-byte registers. Comparisons produce mask registers; the primitives that
// return a lane mask as a vector expand it, and the ones that consume one
// (blends, conditional increments) use the mask directly.
struct IntVec {
    using V = __m512i;
    static constexpr int kCount = 32;
    static constexpr bool kMaskedTail = true;
    static V load(const void* p) { return _mm512_loadu_si512(p); }
    static void store(void* p, V v) { _mm512_storeu_si512(p, v); }
    static void stream(void* p, V v) { _mm512_stream_si512(static_cast<V*>(p), v); }
    // The first n 16-bit or 32-bit components (n below the register count).
    template <class C> static V loadPart(const C* p, std::ptrdiff_t n)
    {
        if constexpr (sizeof(C) == 1) return _mm512_maskz_loadu_epi8(partMask64(n), p);
        else if constexpr (sizeof(C) == 2) return _mm512_maskz_loadu_epi16(partMask32(n), p);
        else return _mm512_maskz_loadu_epi32(static_cast<__mmask16>(partMask32(n)), p);
    }
    template <class C> static void storePart(C* p, std::ptrdiff_t n, V v)
    {
        if constexpr (sizeof(C) == 1) _mm512_mask_storeu_epi8(p, partMask64(n), v);
        else if constexpr (sizeof(C) == 2) _mm512_mask_storeu_epi16(p, partMask32(n), v);
        else _mm512_mask_storeu_epi32(p, static_cast<__mmask16>(partMask32(n)), v);
    }
    static __mmask32 partMask32(std::ptrdiff_t n) { return static_cast<__mmask32>((std::uint64_t(1) << n) - 1); }
    static __mmask64 partMask64(std::ptrdiff_t n) { return static_cast<__mmask64>((std::uint64_t(1) << n) - 1); }
    static V set16(int x) { return _mm512_set1_epi16(static_cast<short>(x)); }
    static V set32(int x) { return _mm512_set1_epi32(x); }
    static V zero() { return _mm512_setzero_si512(); }
    static V lo16(V a, V b) { return _mm512_unpacklo_epi16(a, b); }
    static V hi16(V a, V b) { return _mm512_unpackhi_epi16(a, b); }
    static V add(V a, V b) { return _mm512_add_epi32(a, b); }
    static V sub(V a, V b) { return _mm512_sub_epi32(a, b); }
    static V band(V a, V b) { return _mm512_and_si512(a, b); }
    static V srai(V a, int n) { return _mm512_srai_epi32(a, static_cast<unsigned>(n)); }
    static V sra(V a, __m128i n) { return _mm512_sra_epi32(a, n); }
    static V sll(V a, __m128i n) { return _mm512_sll_epi32(a, n); }
    static V slli(V a, int n) { return _mm512_slli_epi32(a, static_cast<unsigned>(n)); }
    static V min(V a, V b) { return _mm512_min_epi32(a, b); }
    static V max(V a, V b) { return _mm512_max_epi32(a, b); }
    static V mullo16(V a, V b) { return _mm512_mullo_epi16(a, b); }
    static V mulhi16(V a, V b) { return _mm512_mulhi_epi16(a, b); }
    static V packs(V a, V b) { return _mm512_packs_epi32(a, b); }
    static V packus(V a, V b) { return _mm512_packus_epi32(a, b); }
    static V bxor(V a, V b) { return _mm512_xor_si512(a, b); }
    static V bor(V a, V b) { return _mm512_or_si512(a, b); }
    static V cmpgt16(V a, V b) { return _mm512_movm_epi16(_mm512_cmpgt_epi16_mask(a, b)); }
    static V cmpgt32(V a, V b) { return _mm512_movm_epi32(_mm512_cmpgt_epi32_mask(a, b)); }
    static V cmpgt64(V a, V b) { return _mm512_movm_epi64(_mm512_cmpgt_epi64_mask(a, b)); }
    // q + 1 where x > y, lane by lane
    static V incGt16(V q, V x, V y) { return _mm512_mask_sub_epi16(q, _mm512_cmpgt_epi16_mask(x, y), q, set16(-1)); }
    static V incGt32(V q, V x, V y) { return _mm512_mask_sub_epi32(q, _mm512_cmpgt_epi32_mask(x, y), q, set32(-1)); }
    static V add64(V a, V b) { return _mm512_add_epi64(a, b); }
    static V sub64(V a, V b) { return _mm512_sub_epi64(a, b); }
    static V incGt64(V q, V x, V y) { return _mm512_mask_sub_epi64(q, _mm512_cmpgt_epi64_mask(x, y), q, set64(-1)); }
    static V mul32(V a, V b) { return _mm512_mul_epi32(a, b); }
    static V srli64(V a, int n) { return _mm512_srli_epi64(a, static_cast<unsigned>(n)); }
    static V slli64(V a, int n) { return _mm512_slli_epi64(a, static_cast<unsigned>(n)); }
    static V srl64(V a, __m128i n) { return _mm512_srl_epi64(a, n); }
    static V sra64(V a, __m128i n) { return _mm512_sra_epi64(a, n); }
    static V clamp64(V r, V lo, V hi) { return _mm512_min_epi64(_mm512_max_epi64(r, lo), hi); }
    static V sll64(V a, __m128i n) { return _mm512_sll_epi64(a, n); }
    static V srl32(V a, __m128i n) { return _mm512_srl_epi32(a, n); }
    static V rot16(V a) { return _mm512_rol_epi32(a, 16); }  // swaps the 16-bit halves of 32-bit lanes
    // Mixed widths: 16 16-bit values widened to 32-bit lanes, 32-bit lanes
    // narrowed with signed saturation, 8 32-bit values each repeated in both
    // halves of a 64-bit lane; the Part forms take the first n (n < 16 or 8).
    static V mullo32(V a, V b) { return _mm512_mullo_epi32(a, b); }
    static V cmpeq32(V a, V b) { return _mm512_movm_epi32(_mm512_cmpeq_epi32_mask(a, b)); }
    // Bytes: unpacked with zeros into 16-bit lanes and packed back with
    // unsigned saturation (the pack undoes the unpacking order).
    static V set8(int x) { return _mm512_set1_epi8(static_cast<char>(x)); }
    static V lo8(V a, V b) { return _mm512_unpacklo_epi8(a, b); }
    static V hi8(V a, V b) { return _mm512_unpackhi_epi8(a, b); }
    static V packus16(V a, V b) { return _mm512_packus_epi16(a, b); }
    static V minu16(V a, V b) { return _mm512_min_epu16(a, b); }
    template <class C> static V widen(const C* p)
    {
        const __m256i h = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
        return std::is_signed_v<C> ? _mm512_cvtepi16_epi32(h) : _mm512_cvtepu16_epi32(h);
    }
    template <class C> static V widenPart(const C* p, std::ptrdiff_t n)
    {
        const __m256i h = _mm256_maskz_loadu_epi16(static_cast<__mmask16>(partMask32(n)), p);
        return std::is_signed_v<C> ? _mm512_cvtepi16_epi32(h) : _mm512_cvtepu16_epi32(h);
    }
    static void storeNarrow(Orv16s* p, V v) { _mm256_storeu_si256(reinterpret_cast<__m256i*>(p), _mm512_cvtsepi32_epi16(v)); }
    static void storeNarrowPart(Orv16s* p, std::ptrdiff_t n, V v)
    {
        _mm512_mask_cvtsepi32_storeu_epi16(p, static_cast<__mmask16>(partMask32(n)), v);
    }
    static V dup32(const Orv32s* p)
    {
        const V x = _mm512_cvtepu32_epi64(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(p)));
        return bor(x, slli64(x, 32));
    }
    static V dup32Part(const Orv32s* p, std::ptrdiff_t n)
    {
        const V x = _mm512_cvtepu32_epi64(_mm256_maskz_loadu_epi32(static_cast<__mmask8>(partMask32(n)), p));
        return bor(x, slli64(x, 32));
    }
    static V mulhiu16(V a, V b) { return _mm512_mulhi_epu16(a, b); }
    static V minu32(V a, V b) { return _mm512_min_epu32(a, b); }
    // v where x > y, else a (32-bit lanes)
    static V setIfGt32(V a, V x, V y, V v) { return _mm512_mask_mov_epi32(a, _mm512_cmpgt_epi32_mask(x, y), v); }
    static V setIfGt16(V a, V x, V y, V v) { return _mm512_mask_mov_epi16(a, _mm512_cmpgt_epi16_mask(x, y), v); }
    static V min16(V a, V b) { return _mm512_min_epi16(a, b); }
    static V max16(V a, V b) { return _mm512_max_epi16(a, b); }
    static V sll16(V a, __m128i n) { return _mm512_sll_epi16(a, n); }
    static V blend64(V a, V b, V m) { return _mm512_mask_blend_epi64(_mm512_movepi64_mask(m), a, b); }
    static V mulhrs16(V a, V b) { return _mm512_mulhrs_epi16(a, b); }
    static V cmpeq16(V a, V b) { return _mm512_movm_epi16(_mm512_cmpeq_epi16_mask(a, b)); }
    static V evenOdd32(V a, V b) { return _mm512_mask_blend_epi32(0xAAAA, a, b); }
    static V set64(long long x) { return _mm512_set1_epi64(x); }
    static V blend32(V a, V b, V m) { return _mm512_mask_blend_epi32(_mm512_movepi32_mask(m), a, b); }
    static V bandnot(V a, V b) { return _mm512_andnot_si512(a, b); }  // ~a & b
    static V srai16(V a, int n) { return _mm512_srai_epi16(a, static_cast<unsigned>(n)); }
    static V srli16(V a, int n) { return _mm512_srli_epi16(a, static_cast<unsigned>(n)); }
    static V sra16(V a, __m128i n) { return _mm512_sra_epi16(a, n); }
    static V srl16(V a, __m128i n) { return _mm512_srl_epi16(a, n); }
    static V add16(V a, V b) { return _mm512_add_epi16(a, b); }
    static V sub16(V a, V b) { return _mm512_sub_epi16(a, b); }
    template <bool kSigned> static V adds16(V a, V b)
    {
        return kSigned ? _mm512_adds_epi16(a, b) : _mm512_adds_epu16(a, b);
    }
    template <bool kSigned> static V subs16(V a, V b)
    {
        return kSigned ? _mm512_subs_epi16(a, b) : _mm512_subs_epu16(a, b);
    }
};
#elif defined(__AVX2__)
struct IntVec {
    using V = __m256i;
    static constexpr int kCount = 16;
    static constexpr bool kMaskedTail = false;
    static V load(const void* p) { return _mm256_loadu_si256(static_cast<const V*>(p)); }
    static void store(void* p, V v) { _mm256_storeu_si256(static_cast<V*>(p), v); }
    static void stream(void* p, V v) { _mm256_stream_si256(static_cast<V*>(p), v); }
    static V set16(int x) { return _mm256_set1_epi16(static_cast<short>(x)); }
    static V set32(int x) { return _mm256_set1_epi32(x); }
    static V zero() { return _mm256_setzero_si256(); }
    static V lo16(V a, V b) { return _mm256_unpacklo_epi16(a, b); }
    static V hi16(V a, V b) { return _mm256_unpackhi_epi16(a, b); }
    static V add(V a, V b) { return _mm256_add_epi32(a, b); }
    static V sub(V a, V b) { return _mm256_sub_epi32(a, b); }
    static V band(V a, V b) { return _mm256_and_si256(a, b); }
    static V srai(V a, int n) { return _mm256_srai_epi32(a, n); }
    static V sra(V a, __m128i n) { return _mm256_sra_epi32(a, n); }
    static V sll(V a, __m128i n) { return _mm256_sll_epi32(a, n); }
    static V slli(V a, int n) { return _mm256_slli_epi32(a, n); }
    static V min(V a, V b) { return _mm256_min_epi32(a, b); }
    static V max(V a, V b) { return _mm256_max_epi32(a, b); }
    static V mullo16(V a, V b) { return _mm256_mullo_epi16(a, b); }
    static V mulhi16(V a, V b) { return _mm256_mulhi_epi16(a, b); }
    static V packs(V a, V b) { return _mm256_packs_epi32(a, b); }
    static V packus(V a, V b) { return _mm256_packus_epi32(a, b); }
    static V bxor(V a, V b) { return _mm256_xor_si256(a, b); }
    static V bor(V a, V b) { return _mm256_or_si256(a, b); }
    static V cmpgt16(V a, V b) { return _mm256_cmpgt_epi16(a, b); }
    static V cmpgt32(V a, V b) { return _mm256_cmpgt_epi32(a, b); }
    static V cmpgt64(V a, V b) { return _mm256_cmpgt_epi64(a, b); }
    static V incGt16(V q, V x, V y) { return sub16(q, cmpgt16(x, y)); }
    static V incGt32(V q, V x, V y) { return sub(q, cmpgt32(x, y)); }
    static V add64(V a, V b) { return _mm256_add_epi64(a, b); }
    static V sub64(V a, V b) { return _mm256_sub_epi64(a, b); }
    static V incGt64(V q, V x, V y) { return sub64(q, cmpgt64(x, y)); }
    static V mul32(V a, V b) { return _mm256_mul_epi32(a, b); }  // even lanes, 64-bit products
    static V srli64(V a, int n) { return _mm256_srli_epi64(a, n); }
    static V slli64(V a, int n) { return _mm256_slli_epi64(a, n); }
    static V srl64(V a, __m128i n) { return _mm256_srl_epi64(a, n); }
    // 64-bit arithmetic shift: complemented when negative, shifted
    // logically and complemented back
    static V sra64(V a, __m128i n)
    {
        const V neg = cmpgt64(zero(), a);
        return bxor(srl64(bxor(a, neg), n), neg);
    }
    static V clamp64(V r, V lo, V hi)
    {
        r = blend64(r, hi, cmpgt64(r, hi));
        return blend64(r, lo, cmpgt64(lo, r));
    }
    static V setIfGt32(V a, V x, V y, V v) { return blend32(a, v, cmpgt32(x, y)); }
    static V setIfGt16(V a, V x, V y, V v) { return bor(bandnot(cmpgt16(x, y), a), band(cmpgt16(x, y), v)); }
    static V mulhrs16(V a, V b) { return _mm256_mulhrs_epi16(a, b); }
    static V sll64(V a, __m128i n) { return _mm256_sll_epi64(a, n); }
    static V srl32(V a, __m128i n) { return _mm256_srl_epi32(a, n); }
    static V rot16(V a) { return _mm256_or_si256(_mm256_slli_epi32(a, 16), _mm256_srli_epi32(a, 16)); }
    static V mullo32(V a, V b) { return _mm256_mullo_epi32(a, b); }
    static V cmpeq32(V a, V b) { return _mm256_cmpeq_epi32(a, b); }
    // Bytes: unpacked with zeros into 16-bit lanes and packed back with
    // unsigned saturation (the pack undoes the unpacking order).
    static V set8(int x) { return _mm256_set1_epi8(static_cast<char>(x)); }
    static V lo8(V a, V b) { return _mm256_unpacklo_epi8(a, b); }
    static V hi8(V a, V b) { return _mm256_unpackhi_epi8(a, b); }
    static V packus16(V a, V b) { return _mm256_packus_epi16(a, b); }
    static V minu16(V a, V b) { return _mm256_min_epu16(a, b); }
    template <class C> static V widen(const C* p)
    {
        const __m128i h = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        return std::is_signed_v<C> ? _mm256_cvtepi16_epi32(h) : _mm256_cvtepu16_epi32(h);
    }
    static void storeNarrow(Orv16s* p, V v)
    {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(p),
                         _mm_packs_epi32(_mm256_castsi256_si128(v), _mm256_extracti128_si256(v, 1)));
    }
    static V dup32(const Orv32s* p)
    {
        const V x = _mm256_cvtepu32_epi64(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)));
        return bor(x, slli64(x, 32));
    }
    static V mulhiu16(V a, V b) { return _mm256_mulhi_epu16(a, b); }
    static V minu32(V a, V b) { return _mm256_min_epu32(a, b); }
    static V min16(V a, V b) { return _mm256_min_epi16(a, b); }
    static V max16(V a, V b) { return _mm256_max_epi16(a, b); }
    static V sll16(V a, __m128i n) { return _mm256_sll_epi16(a, n); }
    static V cmpeq16(V a, V b) { return _mm256_cmpeq_epi16(a, b); }
    // b where the 64-bit lane of m is all ones, else a
    static V blend64(V a, V b, V m)
    {
        return _mm256_castpd_si256(
            _mm256_blendv_pd(_mm256_castsi256_pd(a), _mm256_castsi256_pd(b), _mm256_castsi256_pd(m)));
    }
    // the even 32-bit lanes of a with the odd ones of b
    static V evenOdd32(V a, V b) { return _mm256_blend_epi32(a, b, 0xAA); }
    static V set64(long long x) { return _mm256_set1_epi64x(x); }
    // b where the sign bit of the 32-bit lane of m is set, else a
    static V blend32(V a, V b, V m)
    {
        return _mm256_castps_si256(
            _mm256_blendv_ps(_mm256_castsi256_ps(a), _mm256_castsi256_ps(b), _mm256_castsi256_ps(m)));
    }
    static V bandnot(V a, V b) { return _mm256_andnot_si256(a, b); }  // ~a & b
    static V srai16(V a, int n) { return _mm256_srai_epi16(a, n); }
    static V srli16(V a, int n) { return _mm256_srli_epi16(a, n); }
    static V sra16(V a, __m128i n) { return _mm256_sra_epi16(a, n); }
    static V srl16(V a, __m128i n) { return _mm256_srl_epi16(a, n); }
    static V add16(V a, V b) { return _mm256_add_epi16(a, b); }
    static V sub16(V a, V b) { return _mm256_sub_epi16(a, b); }
    template <bool kSigned> static V adds16(V a, V b)
    {
        return kSigned ? _mm256_adds_epi16(a, b) : _mm256_adds_epu16(a, b);
    }
    template <bool kSigned> static V subs16(V a, V b)
    {
        return kSigned ? _mm256_subs_epi16(a, b) : _mm256_subs_epu16(a, b);
    }
};
#else
struct IntVec {
    using V = __m128i;
    static constexpr int kCount = 8;
    static constexpr bool kMaskedTail = false;
    static V load(const void* p) { return _mm_loadu_si128(static_cast<const V*>(p)); }
    static void store(void* p, V v) { _mm_storeu_si128(static_cast<V*>(p), v); }
    static void stream(void* p, V v) { _mm_stream_si128(static_cast<V*>(p), v); }
    static V set16(int x) { return _mm_set1_epi16(static_cast<short>(x)); }
    static V set32(int x) { return _mm_set1_epi32(x); }
    static V zero() { return _mm_setzero_si128(); }
    static V lo16(V a, V b) { return _mm_unpacklo_epi16(a, b); }
    static V hi16(V a, V b) { return _mm_unpackhi_epi16(a, b); }
    static V add(V a, V b) { return _mm_add_epi32(a, b); }
    static V sub(V a, V b) { return _mm_sub_epi32(a, b); }
    static V band(V a, V b) { return _mm_and_si128(a, b); }
    static V srai(V a, int n) { return _mm_srai_epi32(a, n); }
    static V sra(V a, __m128i n) { return _mm_sra_epi32(a, n); }
    static V sll(V a, __m128i n) { return _mm_sll_epi32(a, n); }
    static V slli(V a, int n) { return _mm_slli_epi32(a, n); }
    static V min(V a, V b) { return _mm_min_epi32(a, b); }
    static V max(V a, V b) { return _mm_max_epi32(a, b); }
    static V mullo16(V a, V b) { return _mm_mullo_epi16(a, b); }
    static V mulhi16(V a, V b) { return _mm_mulhi_epi16(a, b); }
    static V packs(V a, V b) { return _mm_packs_epi32(a, b); }
    static V packus(V a, V b) { return _mm_packus_epi32(a, b); }
    static V bxor(V a, V b) { return _mm_xor_si128(a, b); }
    static V bor(V a, V b) { return _mm_or_si128(a, b); }
    static V cmpgt16(V a, V b) { return _mm_cmpgt_epi16(a, b); }
    static V cmpgt32(V a, V b) { return _mm_cmpgt_epi32(a, b); }
    static V cmpgt64(V a, V b) { return _mm_cmpgt_epi64(a, b); }
    static V incGt16(V q, V x, V y) { return sub16(q, cmpgt16(x, y)); }
    static V incGt32(V q, V x, V y) { return sub(q, cmpgt32(x, y)); }
    static V add64(V a, V b) { return _mm_add_epi64(a, b); }
    static V sub64(V a, V b) { return _mm_sub_epi64(a, b); }
    static V incGt64(V q, V x, V y) { return sub64(q, cmpgt64(x, y)); }
    static V mul32(V a, V b) { return _mm_mul_epi32(a, b); }
    static V srli64(V a, int n) { return _mm_srli_epi64(a, n); }
    static V slli64(V a, int n) { return _mm_slli_epi64(a, n); }
    static V srl64(V a, __m128i n) { return _mm_srl_epi64(a, n); }
    // 64-bit arithmetic shift: complemented when negative, shifted
    // logically and complemented back
    static V sra64(V a, __m128i n)
    {
        const V neg = cmpgt64(zero(), a);
        return bxor(srl64(bxor(a, neg), n), neg);
    }
    static V clamp64(V r, V lo, V hi)
    {
        r = blend64(r, hi, cmpgt64(r, hi));
        return blend64(r, lo, cmpgt64(lo, r));
    }
    static V setIfGt32(V a, V x, V y, V v) { return blend32(a, v, cmpgt32(x, y)); }
    static V setIfGt16(V a, V x, V y, V v) { return bor(bandnot(cmpgt16(x, y), a), band(cmpgt16(x, y), v)); }
    static V mulhrs16(V a, V b) { return _mm_mulhrs_epi16(a, b); }
    static V sll64(V a, __m128i n) { return _mm_sll_epi64(a, n); }
    static V srl32(V a, __m128i n) { return _mm_srl_epi32(a, n); }
    static V rot16(V a) { return _mm_or_si128(_mm_slli_epi32(a, 16), _mm_srli_epi32(a, 16)); }
    static V mullo32(V a, V b) { return _mm_mullo_epi32(a, b); }
    static V cmpeq32(V a, V b) { return _mm_cmpeq_epi32(a, b); }
    // Bytes: unpacked with zeros into 16-bit lanes and packed back with
    // unsigned saturation (the pack undoes the unpacking order).
    static V set8(int x) { return _mm_set1_epi8(static_cast<char>(x)); }
    static V lo8(V a, V b) { return _mm_unpacklo_epi8(a, b); }
    static V hi8(V a, V b) { return _mm_unpackhi_epi8(a, b); }
    static V packus16(V a, V b) { return _mm_packus_epi16(a, b); }
    static V minu16(V a, V b) { return _mm_min_epu16(a, b); }
    template <class C> static V widen(const C* p)
    {
        const __m128i h = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(p));
        return std::is_signed_v<C> ? _mm_cvtepi16_epi32(h) : _mm_cvtepu16_epi32(h);
    }
    static void storeNarrow(Orv16s* p, V v) { _mm_storel_epi64(reinterpret_cast<__m128i*>(p), _mm_packs_epi32(v, v)); }
    static V dup32(const Orv32s* p)
    {
        const V x = _mm_cvtepu32_epi64(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(p)));
        return bor(x, slli64(x, 32));
    }
    static V mulhiu16(V a, V b) { return _mm_mulhi_epu16(a, b); }
    static V minu32(V a, V b) { return _mm_min_epu32(a, b); }
    static V min16(V a, V b) { return _mm_min_epi16(a, b); }
    static V max16(V a, V b) { return _mm_max_epi16(a, b); }
    static V sll16(V a, __m128i n) { return _mm_sll_epi16(a, n); }
    static V cmpeq16(V a, V b) { return _mm_cmpeq_epi16(a, b); }
    static V blend64(V a, V b, V m)
    {
        return _mm_castpd_si128(_mm_blendv_pd(_mm_castsi128_pd(a), _mm_castsi128_pd(b), _mm_castsi128_pd(m)));
    }
    static V evenOdd32(V a, V b) { return _mm_blend_epi16(a, b, 0xCC); }
    static V set64(long long x) { return _mm_set1_epi64x(x); }
    static V blend32(V a, V b, V m)
    {
        return _mm_castps_si128(_mm_blendv_ps(_mm_castsi128_ps(a), _mm_castsi128_ps(b), _mm_castsi128_ps(m)));
    }
    static V bandnot(V a, V b) { return _mm_andnot_si128(a, b); }  // ~a & b
    static V srai16(V a, int n) { return _mm_srai_epi16(a, n); }
    static V srli16(V a, int n) { return _mm_srli_epi16(a, n); }
    static V sra16(V a, __m128i n) { return _mm_sra_epi16(a, n); }
    static V srl16(V a, __m128i n) { return _mm_srl_epi16(a, n); }
    static V add16(V a, V b) { return _mm_add_epi16(a, b); }
    static V sub16(V a, V b) { return _mm_sub_epi16(a, b); }
    template <bool kSigned> static V adds16(V a, V b) { return kSigned ? _mm_adds_epi16(a, b) : _mm_adds_epu16(a, b); }
    template <bool kSigned> static V subs16(V a, V b) { return kSigned ? _mm_subs_epi16(a, b) : _mm_subs_epu16(a, b); }
};
#endif

// The operations of one component type C on whole registers.
template <class C>
struct IntLanes : IntVec {
    static constexpr bool kWide = sizeof(C) == 4;
    static constexpr bool kSigned = std::is_signed_v<C>;
    static constexpr std::ptrdiff_t kCount = static_cast<std::ptrdiff_t>(sizeof(V) / sizeof(C));
    static V set(C v) { return kWide ? set32(v) : set16(v); }
    // (re, im) repeated over the register.
    static V setPair(C re, C im)
    {
        using U = std::make_unsigned_t<C>;
        if constexpr (kWide) return set64(static_cast<long long>(static_cast<std::uint64_t>(static_cast<U>(re)) |
                                                                 static_cast<std::uint64_t>(static_cast<U>(im)) << 32));
        else return set32(static_cast<int>(static_cast<std::uint32_t>(static_cast<U>(re)) |
                                           static_cast<std::uint32_t>(static_cast<U>(im)) << 16));
    }
    static V addE(V a, V b) { return kWide ? add(a, b) : add16(a, b); }
    static V subE(V a, V b) { return kWide ? sub(a, b) : sub16(a, b); }
    static V shr1(V a) { return kWide ? srai(a, 1) : (kSigned ? srai16(a, 1) : srli16(a, 1)); }
    static V shr(V a, __m128i n) { return kWide ? sra(a, n) : (kSigned ? sra16(a, n) : srl16(a, n)); }
    static V cmpgtE(V a, V b) { return kWide ? cmpgt32(a, b) : cmpgt16(a, b); }
    static V incGtE(V q, V a, V b) { return kWide ? incGt32(q, a, b) : incGt16(q, a, b); }
    // Saturating a + b and a - b; 32-bit lanes replace an overflowed result
    // by the limit of the sign of a.
    static V addsE(V a, V b)
    {
        if constexpr (!kWide) return adds16<kSigned>(a, b);
        const V r = add(a, b);
        return blend32(r, limitOf(a), band(bxor(r, a), bxor(r, b)));
    }
    static V subsE(V a, V b)
    {
        if constexpr (!kWide) return subs16<kSigned>(a, b);
        const V r = sub(a, b);
        return blend32(r, limitOf(a), band(bxor(a, b), bxor(a, r)));
    }
    static V limitOf(V a) { return bxor(srai(a, 31), set32(0x7FFFFFFF)); }
};

// The same operations on signed 64-bit lanes (the exact sums of two 64-bit
// products inside the 32-bit complex products).
struct Int64Lanes : IntVec {
    static constexpr bool kSigned = true;
    static V set(long long v) { return set64(v); }
    static V addE(V a, V b) { return add64(a, b); }
    static V subE(V a, V b) { return sub64(a, b); }
    static V shr1(V a) { return sra64(a, _mm_cvtsi32_si128(1)); }
    static V shr(V a, __m128i n) { return sra64(a, n); }
    static V incGtE(V q, V a, V b) { return incGt64(q, a, b); }
    static V addsE(V a, V b)
    {
        const V r = add64(a, b);
        const V limit = bxor(sra64(a, _mm_cvtsi32_si128(63)), set64(INT64_MAX));
        return blend64(r, limit, band(bxor(r, a), bxor(r, b)));
    }
};

// Signed 16- or 32-bit lanes chosen by the element type T: broadcast,
// greater-than mask, minimum and maximum, kLanes lanes to a register.
template <class T>
struct SignedLanes : IntVec {
    static_assert(std::is_same_v<T, Orv16s> || std::is_same_v<T, Orv32s>);
    static constexpr bool k16 = sizeof(T) == 2;
    static constexpr int kLanes = static_cast<int>(sizeof(V) / sizeof(T));
    static V set(int x) { return k16 ? set16(x) : set32(x); }
    static V gt(V a, V b) { return k16 ? cmpgt16(a, b) : cmpgt32(a, b); }
    static V lo(V a, V b) { return k16 ? min16(a, b) : min(a, b); }
    static V hi(V a, V b) { return k16 ? max16(a, b) : max(a, b); }
};

// ---- 32-bit lanes of a single-precision register's width -------------------

// Eight elements as two halves of four 32-bit lanes (the 256-bit targets,
// whose integer instructions are 128-bit on AVX).

template <class T> struct Halves;

template <> struct Halves<Orv8u> {
    static void load(const Orv8u* p, __m128i& lo, __m128i& hi)
    {
        const __m128i v = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(p));
        lo = _mm_cvtepu8_epi32(v);
        hi = _mm_cvtepu8_epi32(_mm_srli_si128(v, 4));
    }
    static void store(Orv8u* p, __m128i lo, __m128i hi)
    {
        __m128i w = _mm_packus_epi32(lo, hi);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(p), _mm_packus_epi16(w, w));
    }
};

template <> struct Halves<Orv16s> {
    static void load(const Orv16s* p, __m128i& lo, __m128i& hi)
    {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        lo = _mm_cvtepi16_epi32(v);
        hi = _mm_cvtepi16_epi32(_mm_srli_si128(v, 8));
    }
    static void store(Orv16s* p, __m128i lo, __m128i hi)
    {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(p), _mm_packs_epi32(lo, hi));
    }
};

template <> struct Halves<Orv16u> {
    static void load(const Orv16u* p, __m128i& lo, __m128i& hi)
    {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        lo = _mm_cvtepu16_epi32(v);
        hi = _mm_cvtepu16_epi32(_mm_srli_si128(v, 8));
    }
    static void store(Orv16u* p, __m128i lo, __m128i hi)
    {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(p), _mm_packus_epi32(lo, hi));
    }
};

template <> struct Halves<Orv32s> {
    static void load(const Orv32s* p, __m128i& lo, __m128i& hi)
    {
        lo = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        hi = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 4));
    }
    static void store(Orv32s* p, __m128i lo, __m128i hi)
    {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(p), lo);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(p + 4), hi);
    }
};


struct Int32Vec256 {
    using I = __m256i;
    using H = __m128i;  // half: Pd256::W lanes
    static constexpr int W = 8;
    template <class T> static I load(const T* p)
    {
        __m128i lo, hi;
        Halves<T>::load(p, lo, hi);
        return _mm256_set_m128i(hi, lo);
    }
    // Values already clamped to T's range.
    template <class T> static void store(T* p, I v) { Halves<T>::store(p, lo(v), hi(v)); }
    static I set1(std::int32_t v) { return _mm256_set1_epi32(v); }
    static H lo(I v) { return _mm256_castsi256_si128(v); }
    static H hi(I v) { return _mm256_extractf128_si256(v, 1); }
    static I combine(H lo, H hi) { return _mm256_set_m128i(hi, lo); }
    static __m256 toPs(I v) { return _mm256_cvtepi32_ps(v); }
    static I truncPs(__m256 v) { return _mm256_cvttps_epi32(v); }
    static __m256d toPd(H v) { return _mm256_cvtepi32_pd(v); }
    static H truncPd(__m256d v) { return _mm256_cvttpd_epi32(v); }
};

#if defined(__AVX512F__)
struct Int32Vec512 {
    using I = __m512i;
    using H = __m256i;
    static constexpr int W = 16;
    template <class T> static I load(const T* p)
    {
        if constexpr (std::is_same_v<T, Orv8u>) return _mm512_cvtepu8_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)));
        else if constexpr (std::is_same_v<T, Orv16s>) return _mm512_cvtepi16_epi32(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(p)));
        else if constexpr (std::is_same_v<T, Orv16u>) return _mm512_cvtepu16_epi32(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(p)));
        else return _mm512_loadu_si512(p);
    }
    // Values already clamped to T's range: narrowing keeps the low bits.
    template <class T> static void store(T* p, I v)
    {
        if constexpr (sizeof(T) == 1) _mm_storeu_si128(reinterpret_cast<__m128i*>(p), _mm512_cvtepi32_epi8(v));
        else if constexpr (sizeof(T) == 2) _mm256_storeu_si256(reinterpret_cast<__m256i*>(p), _mm512_cvtepi32_epi16(v));
        else _mm512_storeu_si512(p, v);
    }
    static I set1(std::int32_t v) { return _mm512_set1_epi32(v); }
    static H lo(I v) { return _mm512_castsi512_si256(v); }
    static H hi(I v) { return _mm512_extracti64x4_epi64(v, 1); }
    static I combine(H lo, H hi) { return _mm512_inserti64x4(_mm512_castsi256_si512(lo), hi, 1); }
    static __m512 toPs(I v) { return _mm512_cvtepi32_ps(v); }
    static I truncPs(__m512 v) { return _mm512_cvttps_epi32(v); }
    static __m512d toPd(H v) { return _mm512_cvtepi32_pd(v); }
    static H truncPd(__m512d v) { return _mm512_cvttpd_epi32(v); }
};
using Int32Vec = Int32Vec512;
#else
using Int32Vec = Int32Vec256;
#endif

} // namespace ORVS_TARGET
} // namespace orvs::simd
