// 32-bit integer lanes beside single-precision lanes of the same register:
// 16 on AVX-512, 8 on AVX2, 4 on the AVX baseline (whose integer
// instructions are 128 bits wide), so the register is IntVec's and its
// 32-bit arithmetic (add, sub, band, bor, bxor, srai, slli, min, max) is
// IntVec's. Added here: loads that widen 8-bit unsigned and 16-bit signed
// elements; stores that narrow values already inside the element range
// (store8x4 and store16x2 pack four or two registers at once and put the
// pieces back in order); selections by 32-bit compares; and the float view
// of the same lanes, with bits/fromBits reinterpreting between the two,
// which is what computing with the fields of a float needs. Unlike
// Int32Vec, the lanes match the float register of every target and 8-bit
// elements are stored on AVX too.
#pragma once
#if !defined(ORVS_TARGET)
#error "core/simd/lanes32.h belongs to kernel sources compiled per target"
#endif
#include <immintrin.h>

#include <cstdint>
#include <cstring>

#include "core/simd/int_lanes.h"
#include "orvs/types.h"

namespace orvs::simd {
inline namespace ORVS_TARGET {

#if defined(__AVX512F__)
struct Lanes32 : IntVec {
    using I = __m512i;
    using F = __m512;
    static constexpr int W = 16;
    static I load8(const Orv8u* p) { return _mm512_cvtepu8_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p))); }
    static I load16(const Orv16s* p) { return _mm512_cvtepi16_epi32(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(p))); }
    static F loadF(const Orv32f* p) { return _mm512_loadu_ps(p); }
    static void store8(Orv8u* p, I v) { _mm_storeu_si128(reinterpret_cast<__m128i*>(p), _mm512_cvtepi32_epi8(v)); }
    static void store16(Orv16s* p, I v) { _mm256_storeu_si256(reinterpret_cast<__m256i*>(p), _mm512_cvtepi32_epi16(v)); }
    static void storeF(Orv32f* p, F v) { _mm512_storeu_ps(p, v); }
    // Four registers to 64 bytes, two to 32 16-bit values: the in-lane
    // packs leave 4-byte (8-byte) pieces lane by lane, one permute orders them.
    static void store8x4(Orv8u* p, I a, I b, I c, I d)
    {
        const I r = _mm512_packus_epi16(_mm512_packs_epi32(a, b), _mm512_packs_epi32(c, d));
        _mm512_storeu_si512(p, _mm512_permutexvar_epi32(_mm512_setr_epi32(0, 4, 8, 12, 1, 5, 9, 13, 2, 6, 10, 14, 3, 7, 11, 15), r));
    }
    static void store16x2(Orv16s* p, I a, I b)
    {
        _mm512_storeu_si512(p, _mm512_permutexvar_epi64(_mm512_setr_epi64(0, 2, 4, 6, 1, 3, 5, 7), _mm512_packs_epi32(a, b)));
    }
    static I set(int x) { return set32(x); }
    static I srli(I a, int n) { return _mm512_srli_epi32(a, static_cast<unsigned>(n)); }
    static I ifLess(I a, I b, I x, I y) { return _mm512_mask_blend_epi32(_mm512_cmplt_epi32_mask(a, b), y, x); }  // a < b ? x : y
    static I ifEqual(I a, I b, I x) { return _mm512_maskz_mov_epi32(_mm512_cmpeq_epi32_mask(a, b), x); }       // a == b ? x : 0
    static F toF(I a) { return _mm512_cvtepi32_ps(a); }
    static I truncF(F a) { return _mm512_cvttps_epi32(a); }
    static I bits(F a) { return _mm512_castps_si512(a); }
    static F fromBits(I a) { return _mm512_castsi512_ps(a); }
    static F mulF(F a, F b) { return _mm512_mul_ps(a, b); }
    static F addF(F a, F b) { return _mm512_add_ps(a, b); }
    static F subF(F a, F b) { return _mm512_sub_ps(a, b); }
    static F setF(float x) { return _mm512_set1_ps(x); }
    // a with NaN replaced by 0, then limited to [lo, hi]
    static F clampF(F a, F lo, F hi)
    {
        a = _mm512_maskz_mov_ps(_mm512_cmp_ps_mask(a, a, _CMP_ORD_Q), a);
        return _mm512_min_ps(_mm512_max_ps(a, lo), hi);
    }
    static F truncTowardZero(F a) { return _mm512_roundscale_ps(a, _MM_FROUND_TO_ZERO | _MM_FROUND_NO_EXC); }
    static F andF(F a, F b) { return _mm512_and_ps(a, b); }
    static F orF(F a, F b) { return _mm512_or_ps(a, b); }
    static F geF(F a, F b) { return _mm512_maskz_mov_ps(_mm512_cmp_ps_mask(a, b, _CMP_GE_OQ), _mm512_castsi512_ps(_mm512_set1_epi32(-1))); }
};
#elif defined(__AVX2__)
struct Lanes32 : IntVec {
    using I = __m256i;
    using F = __m256;
    static constexpr int W = 8;
    static I load8(const Orv8u* p) { return _mm256_cvtepu8_epi32(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(p))); }
    static I load16(const Orv16s* p) { return _mm256_cvtepi16_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p))); }
    static F loadF(const Orv32f* p) { return _mm256_loadu_ps(p); }
    static __m128i packed16(I v) { return _mm_packs_epi32(_mm256_castsi256_si128(v), _mm256_extracti128_si256(v, 1)); }
    static void store8(Orv8u* p, I v)
    {
        const __m128i w = packed16(v);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(p), _mm_packus_epi16(w, w));
    }
    static void store16(Orv16s* p, I v) { _mm_storeu_si128(reinterpret_cast<__m128i*>(p), packed16(v)); }
    static void storeF(Orv32f* p, F v) { _mm256_storeu_ps(p, v); }
    static void store8x4(Orv8u* p, I a, I b, I c, I d)
    {
        const I r = _mm256_packus_epi16(_mm256_packs_epi32(a, b), _mm256_packs_epi32(c, d));
        _mm256_storeu_si256(reinterpret_cast<I*>(p), _mm256_permutevar8x32_epi32(r, _mm256_setr_epi32(0, 4, 1, 5, 2, 6, 3, 7)));
    }
    static void store16x2(Orv16s* p, I a, I b)
    {
        _mm256_storeu_si256(reinterpret_cast<I*>(p), _mm256_permute4x64_epi64(_mm256_packs_epi32(a, b), 0xD8));
    }
    static I set(int x) { return set32(x); }
    static I srli(I a, int n) { return _mm256_srli_epi32(a, n); }
    static I ifLess(I a, I b, I x, I y) { return _mm256_blendv_epi8(y, x, _mm256_cmpgt_epi32(b, a)); }
    static I ifEqual(I a, I b, I x) { return _mm256_and_si256(_mm256_cmpeq_epi32(a, b), x); }
    static F toF(I a) { return _mm256_cvtepi32_ps(a); }
    static I truncF(F a) { return _mm256_cvttps_epi32(a); }
    static I bits(F a) { return _mm256_castps_si256(a); }
    static F fromBits(I a) { return _mm256_castsi256_ps(a); }
    static F mulF(F a, F b) { return _mm256_mul_ps(a, b); }
    static F addF(F a, F b) { return _mm256_add_ps(a, b); }
    static F subF(F a, F b) { return _mm256_sub_ps(a, b); }
    static F setF(float x) { return _mm256_set1_ps(x); }
    static F clampF(F a, F lo, F hi)
    {
        a = _mm256_and_ps(a, _mm256_cmp_ps(a, a, _CMP_ORD_Q));
        return _mm256_min_ps(_mm256_max_ps(a, lo), hi);
    }
    static F truncTowardZero(F a) { return _mm256_round_ps(a, _MM_FROUND_TO_ZERO | _MM_FROUND_NO_EXC); }
    static F andF(F a, F b) { return _mm256_and_ps(a, b); }
    static F orF(F a, F b) { return _mm256_or_ps(a, b); }
    static F geF(F a, F b) { return _mm256_cmp_ps(a, b, _CMP_GE_OQ); }
};
#else
// The baseline's integer instructions are 128 bits wide: four lanes.
struct Lanes32 : IntVec {
    using I = __m128i;
    using F = __m128;
    static constexpr int W = 4;
    static I load8(const Orv8u* p)
    {
        std::int32_t w;
        std::memcpy(&w, p, 4);
        return _mm_cvtepu8_epi32(_mm_cvtsi32_si128(w));
    }
    static I load16(const Orv16s* p) { return _mm_cvtepi16_epi32(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(p))); }
    static F loadF(const Orv32f* p) { return _mm_loadu_ps(p); }
    static void store8(Orv8u* p, I v)
    {
        const __m128i w = _mm_packs_epi32(v, v);
        const std::int32_t b = _mm_cvtsi128_si32(_mm_packus_epi16(w, w));
        std::memcpy(p, &b, 4);
    }
    static void store16(Orv16s* p, I v) { _mm_storel_epi64(reinterpret_cast<__m128i*>(p), _mm_packs_epi32(v, v)); }
    static void storeF(Orv32f* p, F v) { _mm_storeu_ps(p, v); }
    static void store8x4(Orv8u* p, I a, I b, I c, I d)
    {
        _mm_storeu_si128(reinterpret_cast<I*>(p), _mm_packus_epi16(_mm_packs_epi32(a, b), _mm_packs_epi32(c, d)));
    }
    static void store16x2(Orv16s* p, I a, I b) { _mm_storeu_si128(reinterpret_cast<I*>(p), _mm_packs_epi32(a, b)); }
    static I set(int x) { return set32(x); }
    static I srli(I a, int n) { return _mm_srli_epi32(a, n); }
    static I ifLess(I a, I b, I x, I y) { return _mm_blendv_epi8(y, x, _mm_cmplt_epi32(a, b)); }
    static I ifEqual(I a, I b, I x) { return _mm_and_si128(_mm_cmpeq_epi32(a, b), x); }
    static F toF(I a) { return _mm_cvtepi32_ps(a); }
    static I truncF(F a) { return _mm_cvttps_epi32(a); }
    static I bits(F a) { return _mm_castps_si128(a); }
    static F fromBits(I a) { return _mm_castsi128_ps(a); }
    static F mulF(F a, F b) { return _mm_mul_ps(a, b); }
    static F addF(F a, F b) { return _mm_add_ps(a, b); }
    static F subF(F a, F b) { return _mm_sub_ps(a, b); }
    static F setF(float x) { return _mm_set1_ps(x); }
    static F clampF(F a, F lo, F hi)
    {
        a = _mm_and_ps(a, _mm_cmpord_ps(a, a));
        return _mm_min_ps(_mm_max_ps(a, lo), hi);
    }
    static F truncTowardZero(F a) { return _mm_round_ps(a, _MM_FROUND_TO_ZERO | _MM_FROUND_NO_EXC); }
    static F andF(F a, F b) { return _mm_and_ps(a, b); }
    static F orF(F a, F b) { return _mm_or_ps(a, b); }
    static F geF(F a, F b) { return _mm_cmpge_ps(a, b); }
};
#endif
} // namespace ORVS_TARGET
} // namespace orvs::simd
