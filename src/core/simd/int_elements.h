// Integer elements of 1, 2, 3 (packed) or 4 bytes as 32-bit lanes, and the
// conversions between them and the floating-point lanes of the target:
//
//   IntElem<kBytes, kSigned>   an element kind: its size and range
//   Halves32                   eight 32-bit lanes as two 128-bit halves
//   load8x32<E>(p)             eight elements of E widened to 32-bit lanes
//                              (24-bit ones: nothing past the 24 bytes read)
//   store8x32<E>(p, v)         eight lanes stored as E, saturated to its range
//   load8x32v / store8x32v     the same on one 256-bit register
//   joinHalves / splitHalves   between the two forms
//   round8<M>(f), round4<M>(d) floats / doubles to 32-bit integers by M:
//                              nearest even (MXCSR), toward zero, or half
//                              away from zero
//   ConvertLanes               the widest registers of the target: WF32::W
//                              float lanes (F), the same count of 32-bit
//                              integer lanes (I) and of doubles (D2, two
//                              registers), with the element loads and
//                              saturating stores above, rounding by M, half
//                              precision loads and stores, and widening
//   splat32, sra32, sll32, and32, add32, sub32, gt32, clamp32
//                              32-bit lane arithmetic on __m128i halves and
//                              (AVX-512) __m512i registers
#pragma once
#if !defined(ORVS_TARGET)
#error "core/simd/int_elements.h belongs to kernel sources compiled per target"
#endif
#include <immintrin.h>

#include <cstddef>
#include <cstdint>

#include "core/simd/float_vec.h"
#include "core/vocabulary.h"
#include "orvs/types.h"

namespace orvs::simd {
inline namespace ORVS_TARGET {

template <int kBytes_, bool kSigned_>
struct IntElem {
    static_assert(kBytes_ == 1 || kBytes_ == 2 || kBytes_ == 3 || kBytes_ == 4);
    static constexpr int kBytes = kBytes_;
    static constexpr bool kSigned = kSigned_;
    static constexpr int kBits = 8 * kBytes;
    static constexpr std::int64_t kMin64 = kSigned ? -(std::int64_t(1) << (kBits - 1)) : 0;
    static constexpr std::int64_t kMax64 = kSigned ? (std::int64_t(1) << (kBits - 1)) - 1 : (std::int64_t(1) << kBits) - 1;
    // The range as 32-bit lane values (the unsigned 32-bit maximum wraps).
    static constexpr int kMin = static_cast<int>(kMin64);
    static constexpr int kMax = static_cast<int>(static_cast<std::uint32_t>(kMax64));
};

// Eight 32-bit lanes as two 128-bit halves.
struct Halves32 { __m128i lo, hi; };

// Eight elements of E widened to 32-bit lanes.
template <class E>
inline Halves32 load8x32(const void* p)
{
    if constexpr (E::kBytes == 1) {
        const __m128i x = _mm_loadl_epi64(static_cast<const __m128i*>(p));
        if constexpr (E::kSigned) return {_mm_cvtepi8_epi32(x), _mm_cvtepi8_epi32(_mm_srli_si128(x, 4))};
        else return {_mm_cvtepu8_epi32(x), _mm_cvtepu8_epi32(_mm_srli_si128(x, 4))};
    } else if constexpr (E::kBytes == 2) {
        const __m128i x = _mm_loadu_si128(static_cast<const __m128i*>(p));
        if constexpr (E::kSigned) return {_mm_cvtepi16_epi32(x), _mm_cvtepi16_epi32(_mm_srli_si128(x, 8))};
        else return {_mm_cvtepu16_epi32(x), _mm_cvtepu16_epi32(_mm_srli_si128(x, 8))};
    } else if constexpr (E::kBytes == 4) {
        return {_mm_loadu_si128(static_cast<const __m128i*>(p)),
                _mm_loadu_si128(reinterpret_cast<const __m128i*>(static_cast<const char*>(p) + 16))};
    } else {
        static_assert(E::kBytes == 3);
        // 24 bytes: elements 0..3 from bytes 0..11, 4..7 from bytes 12..23,
        // read as [0,16) and [8,24) so nothing past the vector is touched.
        const __m128i a = _mm_loadu_si128(static_cast<const __m128i*>(p));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(static_cast<const char*>(p) + 8));
        if constexpr (E::kSigned) {
            // bytes into the top three of each lane, then an arithmetic shift
            const __m128i ma = _mm_setr_epi8(-1, 0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11);
            const __m128i mb = _mm_setr_epi8(-1, 4, 5, 6, -1, 7, 8, 9, -1, 10, 11, 12, -1, 13, 14, 15);
            return {_mm_srai_epi32(_mm_shuffle_epi8(a, ma), 8), _mm_srai_epi32(_mm_shuffle_epi8(b, mb), 8)};
        } else {
            const __m128i ma = _mm_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1);
            const __m128i mb = _mm_setr_epi8(4, 5, 6, -1, 7, 8, 9, -1, 10, 11, 12, -1, 13, 14, 15, -1);
            return {_mm_shuffle_epi8(a, ma), _mm_shuffle_epi8(b, mb)};
        }
    }
}

// Eight 32-bit lanes stored as elements of E with saturation.
template <class E>
inline void store8x32(void* p, Halves32 v)
{
    if constexpr (E::kBytes == 4) {
        _mm_storeu_si128(static_cast<__m128i*>(p), v.lo);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(static_cast<char*>(p) + 16), v.hi);
    } else if constexpr (E::kBytes == 2 && E::kSigned) {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(p), _mm_packs_epi32(v.lo, v.hi));
    } else if constexpr (E::kBytes == 2) {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(p), _mm_packus_epi32(v.lo, v.hi));
    } else if constexpr (E::kBytes == 1 && E::kSigned) {
        const __m128i w = _mm_packs_epi32(v.lo, v.hi);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(p), _mm_packs_epi16(w, w));
    } else if constexpr (E::kBytes == 1) {
        const __m128i w = _mm_packs_epi32(v.lo, v.hi);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(p), _mm_packus_epi16(w, w));
    } else {
        static_assert(E::kBytes == 3);
        const __m128i lo = _mm_set1_epi32(E::kMin);
        const __m128i hi = _mm_set1_epi32(E::kMax);
        const __m128i a = _mm_min_epi32(_mm_max_epi32(v.lo, lo), hi);
        const __m128i b = _mm_min_epi32(_mm_max_epi32(v.hi, lo), hi);
        const __m128i pack = _mm_setr_epi8(0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1);
        const __m128i pa = _mm_shuffle_epi8(a, pack), pb = _mm_shuffle_epi8(b, pack);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(p), _mm_or_si128(pa, _mm_slli_si128(pb, 12)));
        _mm_storel_epi64(reinterpret_cast<__m128i*>(static_cast<char*>(p) + 16), _mm_srli_si128(pb, 4));
    }
}

inline __m256i joinHalves(Halves32 v) { return _mm256_insertf128_si256(_mm256_castsi128_si256(v.lo), v.hi, 1); }
inline Halves32 splitHalves(__m256i v) { return {_mm256_castsi256_si128(v), _mm256_extractf128_si256(v, 1)}; }

// Eight elements of E as one 256-bit register of 32-bit lanes; AVX2
// widens 8- and 16-bit elements in a single instruction.
template <class E>
inline __m256i load8x32v(const void* p)
{
#ifdef __AVX2__
    if constexpr (E::kBytes == 1 && E::kSigned) return _mm256_cvtepi8_epi32(_mm_loadl_epi64(static_cast<const __m128i*>(p)));
    if constexpr (E::kBytes == 1 && !E::kSigned) return _mm256_cvtepu8_epi32(_mm_loadl_epi64(static_cast<const __m128i*>(p)));
    if constexpr (E::kBytes == 2 && E::kSigned) return _mm256_cvtepi16_epi32(_mm_loadu_si128(static_cast<const __m128i*>(p)));
    if constexpr (E::kBytes == 2 && !E::kSigned) return _mm256_cvtepu16_epi32(_mm_loadu_si128(static_cast<const __m128i*>(p)));
    if constexpr (E::kBytes == 4 && E::kSigned) return _mm256_loadu_si256(static_cast<const __m256i*>(p));
#endif
    return joinHalves(load8x32<E>(p));
}

// Eight floats rounded to 32-bit integers by M (NaN already clamped away).
template <Rnd M>
inline __m256i round8(__m256 v)
{
    if constexpr (M == Rnd::Near) {
        return _mm256_cvtps_epi32(v);
    } else if constexpr (M == Rnd::Zero) {
        return _mm256_cvttps_epi32(v);
    } else {
        const __m256 signBit = _mm256_set1_ps(-0.0f);
        const __m256 t = _mm256_round_ps(v, _MM_FROUND_TO_ZERO | _MM_FROUND_NO_EXC);
        const __m256 frac = _mm256_andnot_ps(signBit, _mm256_sub_ps(v, t));
        const __m256 step = _mm256_or_ps(_mm256_and_ps(v, signBit), _mm256_set1_ps(1.0f));
        const __m256 adj = _mm256_and_ps(_mm256_cmp_ps(frac, _mm256_set1_ps(0.5f), _CMP_GE_OQ), step);
        return _mm256_cvttps_epi32(_mm256_add_ps(t, adj));
    }
}

template <Rnd M>
inline __m128i round4(__m256d v)
{
    if constexpr (M == Rnd::Near) {
        return _mm256_cvtpd_epi32(v);
    } else if constexpr (M == Rnd::Zero) {
        return _mm256_cvttpd_epi32(v);
    } else {
        const __m256d signBit = _mm256_set1_pd(-0.0);
        const __m256d t = _mm256_round_pd(v, _MM_FROUND_TO_ZERO | _MM_FROUND_NO_EXC);
        const __m256d frac = _mm256_andnot_pd(signBit, _mm256_sub_pd(v, t));
        const __m256d step = _mm256_or_pd(_mm256_and_pd(v, signBit), _mm256_set1_pd(1.0));
        const __m256d adj = _mm256_and_pd(_mm256_cmp_pd(frac, _mm256_set1_pd(0.5), _CMP_GE_OQ), step);
        return _mm256_cvttpd_epi32(_mm256_add_pd(t, adj));
    }
}

template <class E>
inline void store8x32v(void* p, __m256i v)
{
    if constexpr (E::kBytes == 4 && E::kSigned) _mm256_storeu_si256(static_cast<__m256i*>(p), v);
    else store8x32<E>(p, splitHalves(v));
}

// ---- the widest registers -------------------------------------------------------

// The float and double halves: one register of n floats and the n doubles of
// the same elements as two registers.
template <class FV, class DV>
struct FloatLanes {
    static constexpr std::ptrdiff_t n = FV::W;
    using F = typename FV::V;
    struct D2 { typename DV::V lo, hi; };

    static F splat(float x) { return FV::set1(x); }
    static F loadF(const float* p) { return FV::load(p); }
    static void storeF(float* p, F v) { FV::store(p, v); }
    static F mul(F a, F b) { return FV::mul(a, b); }
    static F min(F a, F b) { return FV::min(a, b); }  // b where a is NaN

    static D2 splatD(double x) { return {DV::set1(x), DV::set1(x)}; }
    static D2 loadD(const double* p) { return {DV::load(p), DV::load(p + DV::W)}; }
    static void storeD(double* p, D2 v)
    {
        DV::store(p, v.lo);
        DV::store(p + DV::W, v.hi);
    }
    static D2 mulD(D2 a, D2 b) { return {DV::mul(a.lo, b.lo), DV::mul(a.hi, b.hi)}; }
    static D2 minD(D2 a, D2 b) { return {DV::min(a.lo, b.lo), DV::min(a.hi, b.hi)}; }
    static D2 loadWidenF(const float* p) { return {DV::loadWidened(p), DV::loadWidened(p + DV::W)}; }
    static void storeNarrowD(float* p, D2 v)
    {
        DV::storeNarrowed(p, v.lo);
        DV::storeNarrowed(p + DV::W, v.hi);
    }
};

// The imm8 of the half-precision conversions: nearest even or toward zero.
constexpr int halfRounding(bool nearest)
{
    return nearest ? _MM_FROUND_TO_NEAREST_INT | _MM_FROUND_NO_EXC : _MM_FROUND_TO_ZERO | _MM_FROUND_NO_EXC;
}

#ifdef __AVX512F__
struct ConvertLanes : FloatLanes<WF32, WF64> {
    using I = __m512i;

    static F loadH(const Orv16f* p)
    {
        return _mm512_cvtph_ps(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(p)));
    }
    template <bool kNearest> static void storeH(Orv16f* p, F v)
    {
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(p), _mm512_cvtps_ph(v, halfRounding(kNearest)));
    }
    static F toF(I v) { return _mm512_cvtepi32_ps(v); }

    template <Rnd M> static I round(F v)
    {
        if constexpr (M == Rnd::Near) {
            return _mm512_cvtps_epi32(v);
        } else if constexpr (M == Rnd::Zero) {
            return _mm512_cvttps_epi32(v);
        } else {
            const F t = _mm512_roundscale_ps(v, _MM_FROUND_TO_ZERO | _MM_FROUND_NO_EXC);
            const __mmask16 up = _mm512_cmp_ps_mask(_mm512_abs_ps(_mm512_sub_ps(v, t)), splat(0.5f), _CMP_GE_OQ);
            const F step = _mm512_or_ps(_mm512_and_ps(v, splat(-0.0f)), splat(1.0f));
            return _mm512_cvttps_epi32(_mm512_mask_add_ps(t, up, t, step));
        }
    }
    // Lanes where v >= hi (2^31) get 0x7FFFFFFF instead of the cvt overflow pattern.
    static I maxWhere(I r, F v, F hi)
    {
        return _mm512_mask_mov_epi32(r, _mm512_cmp_ps_mask(v, hi, _CMP_GE_OQ), _mm512_set1_epi32(0x7FFFFFFF));
    }

    template <class E> static I loadI(const void* p)
    {
        if constexpr (E::kBytes == 1 && E::kSigned) return _mm512_cvtepi8_epi32(_mm_loadu_si128(static_cast<const __m128i*>(p)));
        else if constexpr (E::kBytes == 1) return _mm512_cvtepu8_epi32(_mm_loadu_si128(static_cast<const __m128i*>(p)));
        else if constexpr (E::kBytes == 2 && E::kSigned) return _mm512_cvtepi16_epi32(_mm256_loadu_si256(static_cast<const __m256i*>(p)));
        else if constexpr (E::kBytes == 2) return _mm512_cvtepu16_epi32(_mm256_loadu_si256(static_cast<const __m256i*>(p)));
        else if constexpr (E::kBytes == 4) return _mm512_loadu_si512(p);
        else {
            // 48 bytes: a masked load of 12 dwords (nothing past them is
            // touched), three dwords to each 128-bit lane, then the byte
            // shuffle of the 8-element body in every lane.
            const I raw = _mm512_maskz_loadu_epi32(0x0FFF, p);
            const I spread = _mm512_permutexvar_epi32(_mm512_setr_epi32(0, 1, 2, 0, 3, 4, 5, 0, 6, 7, 8, 0, 9, 10, 11, 0), raw);
            if constexpr (E::kSigned) {
                const I m = _mm512_broadcast_i32x4(_mm_setr_epi8(-1, 0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11));
                return _mm512_srai_epi32(_mm512_shuffle_epi8(spread, m), 8);
            } else {
                const I m = _mm512_broadcast_i32x4(_mm_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1));
                return _mm512_shuffle_epi8(spread, m);
            }
        }
    }
    // Saturating narrowing stores: vpmovs* saturate signed lanes exactly as
    // the pack instructions do; the unsigned ones take the lanes raised to
    // zero first.
    template <class E> static void storeI(void* p, I v)
    {
        const I zero = _mm512_setzero_si512();
        if constexpr (E::kBytes == 4)
            _mm512_storeu_si512(p, v);
        else if constexpr (E::kBytes == 2 && E::kSigned)
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(p), _mm512_cvtsepi32_epi16(v));
        else if constexpr (E::kBytes == 2)
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(p), _mm512_cvtusepi32_epi16(_mm512_max_epi32(v, zero)));
        else if constexpr (E::kBytes == 1 && E::kSigned)
            _mm_storeu_si128(reinterpret_cast<__m128i*>(p), _mm512_cvtsepi32_epi8(v));
        else if constexpr (E::kBytes == 1)
            _mm_storeu_si128(reinterpret_cast<__m128i*>(p), _mm512_cvtusepi32_epi8(_mm512_max_epi32(v, zero)));
        else {
            // Clamped, three bytes of each lane packed to the front of its
            // 128-bit lane, the twelve used dwords gathered to the front and
            // written with a masked store of exactly 48 bytes.
            const I c = _mm512_min_epi32(_mm512_max_epi32(v, _mm512_set1_epi32(E::kMin)),
                                         _mm512_set1_epi32(E::kMax));
            const I m = _mm512_broadcast_i32x4(_mm_setr_epi8(0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1));
            const I dense = _mm512_permutexvar_epi32(_mm512_setr_epi32(0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, 0, 0, 0, 0),
                                                     _mm512_shuffle_epi8(c, m));
            _mm512_mask_storeu_epi32(p, 0x0FFF, dense);
        }
    }

    static D2 widenI(I v)
    {
        return {_mm512_cvtepi32_pd(_mm512_castsi512_si256(v)), _mm512_cvtepi32_pd(_mm512_extracti64x4_epi64(v, 1))};
    }
    template <Rnd M> static __m256i roundHalf(__m512d v)
    {
        if constexpr (M == Rnd::Near) {
            return _mm512_cvtpd_epi32(v);
        } else if constexpr (M == Rnd::Zero) {
            return _mm512_cvttpd_epi32(v);
        } else {
            const __m512d t = _mm512_roundscale_pd(v, _MM_FROUND_TO_ZERO | _MM_FROUND_NO_EXC);
            const __mmask8 up = _mm512_cmp_pd_mask(_mm512_abs_pd(_mm512_sub_pd(v, t)), _mm512_set1_pd(0.5), _CMP_GE_OQ);
            const __m512d step = _mm512_or_pd(_mm512_and_pd(v, _mm512_set1_pd(-0.0)), _mm512_set1_pd(1.0));
            return _mm512_cvttpd_epi32(_mm512_mask_add_pd(t, up, t, step));
        }
    }
    template <Rnd M> static I roundD(D2 v)
    {
        return _mm512_inserti64x4(_mm512_castsi256_si512(roundHalf<M>(v.lo)), roundHalf<M>(v.hi), 1);
    }
};
#else
struct ConvertLanes : FloatLanes<WF32, WF64> {
    using I = __m256i;

#ifdef __F16C__
    static F loadH(const Orv16f* p) { return _mm256_cvtph_ps(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p))); }
    template <bool kNearest> static void storeH(Orv16f* p, F v)
    {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(p), _mm256_cvtps_ph(v, halfRounding(kNearest)));
    }
#endif
    static F toF(I v) { return _mm256_cvtepi32_ps(v); }
    template <Rnd M> static I round(F v) { return round8<M>(v); }
    static I maxWhere(I r, F v, F hi)
    {
        return _mm256_castps_si256(_mm256_blendv_ps(_mm256_castsi256_ps(r),
                                                    _mm256_castsi256_ps(_mm256_set1_epi32(0x7FFFFFFF)),
                                                    _mm256_cmp_ps(v, hi, _CMP_GE_OQ)));
    }
    template <class E> static I loadI(const void* p) { return load8x32v<E>(p); }
    template <class E> static void storeI(void* p, I v) { store8x32v<E>(p, v); }
#if defined(__AVX2__)
    // Sixteen lanes (a, then b) stored as 16-bit elements of E with
    // saturation: the in-lane pack leaves the 64-bit quarters in order
    // 0 2 1 3, which the permute puts back.
    template <class E> static void storeI16x2(void* p, I a, I b)
    {
        static_assert(E::kBytes == 2);
        const __m256i q = E::kSigned ? _mm256_packs_epi32(a, b) : _mm256_packus_epi32(a, b);
        _mm256_storeu_si256(static_cast<__m256i*>(p), _mm256_permute4x64_epi64(q, 0xD8));
    }
#endif

    static D2 widenI(I v)
    {
        return {_mm256_cvtepi32_pd(_mm256_castsi256_si128(v)), _mm256_cvtepi32_pd(_mm256_extractf128_si256(v, 1))};
    }
    template <Rnd M> static I roundD(D2 v) { return joinHalves(Halves32{round4<M>(v.lo), round4<M>(v.hi)}); }
};
#endif


// 32-bit lane arithmetic on 128-bit halves and, on AVX-512 targets, whole
// 512-bit registers; shift counts as from shiftCount.
template <class T> inline T splat32(int x);
template <> inline __m128i splat32<__m128i>(int x) { return _mm_set1_epi32(x); }
inline __m128i sra32(__m128i x, __m128i c) { return _mm_sra_epi32(x, c); }
inline __m128i sll32(__m128i x, __m128i c) { return _mm_sll_epi32(x, c); }
inline __m128i and32(__m128i a, __m128i b) { return _mm_and_si128(a, b); }
inline __m128i add32(__m128i a, __m128i b) { return _mm_add_epi32(a, b); }
inline __m128i sub32(__m128i a, __m128i b) { return _mm_sub_epi32(a, b); }
inline __m128i gt32(__m128i a, __m128i b) { return _mm_cmpgt_epi32(a, b); }  // -1 where a > b
inline __m128i clamp32(__m128i x, __m128i lo, __m128i hi) { return _mm_min_epi32(_mm_max_epi32(x, lo), hi); }
#ifdef __AVX512F__
template <> inline __m512i splat32<__m512i>(int x) { return _mm512_set1_epi32(x); }
inline __m512i sra32(__m512i x, __m128i c) { return _mm512_sra_epi32(x, c); }
inline __m512i sll32(__m512i x, __m128i c) { return _mm512_sll_epi32(x, c); }
inline __m512i and32(__m512i a, __m512i b) { return _mm512_and_si512(a, b); }
inline __m512i add32(__m512i a, __m512i b) { return _mm512_add_epi32(a, b); }
inline __m512i sub32(__m512i a, __m512i b) { return _mm512_sub_epi32(a, b); }
inline __m512i gt32(__m512i a, __m512i b) { return _mm512_movm_epi32(_mm512_cmpgt_epi32_mask(a, b)); }
inline __m512i clamp32(__m512i x, __m512i lo, __m512i hi) { return _mm512_min_epi32(_mm512_max_epi32(x, lo), hi); }
#endif

} // namespace ORVS_TARGET
} // namespace orvs::simd
