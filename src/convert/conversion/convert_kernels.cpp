// Conversion loops, compiled once per instruction-set target (namespace
// orvs::convert::ORVS_TARGET).
// Each kernel runs a vector body over blocks of one register's worth of
// elements (8 with 256-bit registers, 16 with 512-bit ones; the 24-bit and
// integer-narrowing bodies stay at 8) where one is written and finishes
// with the scalar element rule, which is the same rule the vector body
// implements (results never depend on an element's position).
//
// Kernels that round through the control register (cvtps2dq, cvtdq2ps of
// 32-bit values, cvtpd2ps) rely on the entry having forced round-to-nearest.
#if defined(__AVX512F__)
// GCC 12 reports the deliberately undefined pass-through operand of the
// unmasked 512-bit intrinsics as "maybe uninitialized"; nothing reads it.
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
#include <immintrin.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <type_traits>

#include "convert/conversion/convert_kernels.h"
#include "core/simd/simd.h"

namespace orvs::convert::ORVS_TARGET {
namespace {

template <class A, class B> constexpr bool same = std::is_same_v<A, B>;
template <class T> constexpr bool is24 = same<T, Int24s> || same<T, Int24u>;

// ---------------------------------------------------------------- scalar rules

inline float bitsToFloat(std::uint32_t b) { float f; std::memcpy(&f, &b, 4); return f; }
inline std::uint32_t floatToBits(float f) { std::uint32_t b; std::memcpy(&b, &f, 4); return b; }

// binary16 -> binary32, exact. A NaN keeps its payload and becomes quiet, as
// the hardware conversion does.
inline float halfToFloat(std::uint16_t h)
{
    const std::uint32_t sign = std::uint32_t(h & 0x8000u) << 16;
    const std::uint32_t e = (h >> 10) & 0x1Fu, m = h & 0x3FFu;
    if (e == 0x1F) return bitsToFloat(sign | 0x7F800000u | (m << 13) | (m ? 0x400000u : 0u));
    if (e != 0) return bitsToFloat(sign | ((e + 112u) << 23) | (m << 13));
    const float f = static_cast<float>(m) * 0x1p-24f;  // subnormal half: m units of 2^-24, exact
    return sign ? -f : f;
}

// binary32 -> binary16 rounded to nearest even or toward zero. Overflow gives
// infinity when rounding to nearest and the largest finite value (65504) when
// truncating, as IEEE rounding toward zero does; a NaN stays a quiet NaN with
// the top of its payload.
inline std::uint16_t floatToHalf(float f, bool nearest)
{
    const std::uint32_t b = floatToBits(f);
    const std::uint16_t sign = static_cast<std::uint16_t>((b >> 16) & 0x8000u);
    const std::uint32_t a = b & 0x7FFFFFFFu;
    if (a >= 0x7F800000u)
        return a == 0x7F800000u ? sign | 0x7C00u : sign | 0x7E00u | ((a & 0x7FFFFFu) >> 13);
    const int e = static_cast<int>(a >> 23);
    std::uint32_t sig = (a & 0x7FFFFFu) | (e ? 0x800000u : 0u);
    // Value = sig * 2^(max(e,1) - 150); half units are 2^-24 below the
    // normal range and 2^(e-127-10) inside it.
    int shift;
    std::uint32_t base;
    if (e >= 113) {                       // normal half: keep 10 fraction bits
        shift = 13;
        base = static_cast<std::uint32_t>(e - 112) << 10;
        sig &= 0x7FFFFFu;
    } else {                              // subnormal half or zero
        shift = 126 - (e ? e : 1);
        base = 0;
        if (shift > 31) return sign;      // far below half of the smallest subnormal
    }
    std::uint32_t q = base + (sig >> shift);
    if (nearest) {
        const std::uint32_t rem = sig & ((1u << shift) - 1), half = 1u << (shift - 1);
        if (rem > half || (rem == half && (q & 1u))) ++q;  // a carry walks into the exponent
        if (q >= 0x7C00u) return sign | 0x7C00u;
    } else if (q >= 0x7C00u) {
        return sign | 0x7BFFu;
    }
    return static_cast<std::uint16_t>(sign | q);
}

template <class S>
inline auto loadElem(const Store<S>* p, Count i)
{
    if constexpr (is24<S>) {
        const Orv8u* q = p + 3 * i;
        const std::int32_t v = q[0] | (q[1] << 8) | (q[2] << 16);
        if constexpr (same<S, Int24s>) return (v ^ 0x800000) - 0x800000;
        else return v;
    } else if constexpr (same<S, Half>) {
        return halfToFloat(p[i]);
    } else {
        return p[i];
    }
}

template <class D>
inline void storeInt(Store<D>* p, Count i, std::int64_t v)
{
    if constexpr (is24<D>) {
        Orv8u* q = p + 3 * i;
        q[0] = static_cast<Orv8u>(v);
        q[1] = static_cast<Orv8u>(v >> 8);
        q[2] = static_cast<Orv8u>(v >> 16);
    } else {
        p[i] = static_cast<D>(v);
    }
}

template <class F>
inline F roundBy(F v, Rnd mode)
{
    if (mode == Rnd::Zero) return std::trunc(v);
    if (mode == Rnd::Near) return std::nearbyint(v);
    // Ties away from zero, exactly: the fraction v - trunc(v) is exact.
    F t = std::trunc(v);
    const F frac = v - t;
    if (frac >= F(0.5)) t += F(1);
    else if (frac <= F(-0.5)) t -= F(1);
    return t;
}

// One floating element to an integer of D: clamp from above (NaN included),
// round, saturate. Comparisons against the limits as F are exact except for
// the 32-bit maximum as a float (2^31), which is only reached by values that
// saturate anyway.
template <class D, class F>
inline std::int64_t floatToIntElem(F x, F factor, Rnd mode)
{
    constexpr F hi = static_cast<F>(IntRange<D>::max), lo = static_cast<F>(IntRange<D>::min);
    const F v = x * factor;
    if (!(v < hi)) return IntRange<D>::max;
    const F r = roundBy(v, mode);
    if (r >= hi) return IntRange<D>::max;
    if (r <= lo) return IntRange<D>::min;
    return static_cast<std::int64_t>(r);
}

// ---------------------------------------------------------------- vector pieces

// Eight source elements as 32-bit integer lanes (two halves).
struct I32x8 { __m128i lo, hi; };

template <class S>
inline I32x8 load8i(const Store<S>* p)
{
    if constexpr (same<S, Orv8s> || same<S, Orv8u>) {
        const __m128i x = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(p));
        if constexpr (same<S, Orv8s>) return {_mm_cvtepi8_epi32(x), _mm_cvtepi8_epi32(_mm_srli_si128(x, 4))};
        else return {_mm_cvtepu8_epi32(x), _mm_cvtepu8_epi32(_mm_srli_si128(x, 4))};
    } else if constexpr (same<S, Orv16s> || same<S, Orv16u>) {
        const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        if constexpr (same<S, Orv16s>) return {_mm_cvtepi16_epi32(x), _mm_cvtepi16_epi32(_mm_srli_si128(x, 8))};
        else return {_mm_cvtepu16_epi32(x), _mm_cvtepu16_epi32(_mm_srli_si128(x, 8))};
    } else if constexpr (same<S, Orv32s> || same<S, Orv32u>) {
        return {_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)),
                _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 4))};
    } else {
        static_assert(is24<S>);
        // 24 bytes: elements 0..3 from bytes 0..11, 4..7 from bytes 12..23,
        // read as [0,16) and [8,24) so nothing past the vector is touched.
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 8));
        if constexpr (same<S, Int24s>) {
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

// Eight 32-bit lanes stored as D with saturation.
template <class D>
inline void store8i(Store<D>* p, I32x8 v)
{
    if constexpr (same<D, Orv32s> || same<D, Orv32u>) {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v.lo);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(p + 4), v.hi);
    } else if constexpr (same<D, Orv16s>) {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(p), _mm_packs_epi32(v.lo, v.hi));
    } else if constexpr (same<D, Orv16u>) {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(p), _mm_packus_epi32(v.lo, v.hi));
    } else if constexpr (same<D, Orv8s>) {
        const __m128i w = _mm_packs_epi32(v.lo, v.hi);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(p), _mm_packs_epi16(w, w));
    } else if constexpr (same<D, Orv8u>) {
        const __m128i w = _mm_packs_epi32(v.lo, v.hi);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(p), _mm_packus_epi16(w, w));
    } else {
        static_assert(is24<D>);
        const __m128i lo = _mm_set1_epi32(static_cast<int>(IntRange<D>::min));
        const __m128i hi = _mm_set1_epi32(static_cast<int>(IntRange<D>::max));
        const __m128i a = _mm_min_epi32(_mm_max_epi32(v.lo, lo), hi);
        const __m128i b = _mm_min_epi32(_mm_max_epi32(v.hi, lo), hi);
        const __m128i pack = _mm_setr_epi8(0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1);
        const __m128i pa = _mm_shuffle_epi8(a, pack), pb = _mm_shuffle_epi8(b, pack);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(p), _mm_or_si128(pa, _mm_slli_si128(pb, 12)));
        _mm_storel_epi64(reinterpret_cast<__m128i*>(p + 16), _mm_srli_si128(pb, 4));
    }
}

inline __m256i join(I32x8 v) { return _mm256_insertf128_si256(_mm256_castsi128_si256(v.lo), v.hi, 1); }
inline I32x8 split(__m256i v) { return {_mm256_castsi256_si128(v), _mm256_extractf128_si256(v, 1)}; }

// Eight source elements as one 256-bit register of 32-bit lanes; AVX2
// widens 8- and 16-bit elements in a single instruction.
template <class S>
inline __m256i load8v(const Store<S>* p)
{
#ifdef __AVX2__
    if constexpr (same<S, Orv8s>) return _mm256_cvtepi8_epi32(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(p)));
    if constexpr (same<S, Orv8u>) return _mm256_cvtepu8_epi32(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(p)));
    if constexpr (same<S, Orv16s>) return _mm256_cvtepi16_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)));
    if constexpr (same<S, Orv16u>) return _mm256_cvtepu16_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)));
    if constexpr (same<S, Orv32s>) return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
#endif
    return join(load8i<S>(p));
}

template <class T> constexpr Count units = is24<T> ? 3 : 1;  // storage units per element

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

template <class D>
inline void store8v(Store<D>* p, __m256i v)
{
    if constexpr (same<D, Orv32s>) _mm256_storeu_si256(reinterpret_cast<__m256i*>(p), v);
    else store8i<D>(p, split(v));
}

// ---------------------------------------------------------------- vector width

// The element-wise bodies are written once against V: one register of V::n
// 32-bit lanes (F floats, I integers) and the V::n doubles of the same
// elements as two registers (D2). 256-bit registers for the AVX and AVX2
// builds, 512-bit registers for the AVX-512 build. Every operation gives
// the same bits at either width: the same IEEE conversions under the
// control register's rounding, the same saturation of the narrowing stores.
// The float and double halves: one register of n floats and the n doubles of
// the same elements as two registers.
template <class FV, class DV>
struct FloatLanes {
    static constexpr Count n = FV::W;
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

#ifdef __AVX512F__
struct V : FloatLanes<simd::ORVS_TARGET::WF32, simd::ORVS_TARGET::WF64> {
    using I = __m512i;

    static F loadH(const Orv16f* p)
    {
        return _mm512_cvtph_ps(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(p)));
    }
    template <int Imm> static void storeH(Orv16f* p, F v)
    {
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(p), _mm512_cvtps_ph(v, Imm));
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

    template <class S> static I loadI(const Store<S>* p)
    {
        if constexpr (same<S, Orv8s>) return _mm512_cvtepi8_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)));
        else if constexpr (same<S, Orv8u>) return _mm512_cvtepu8_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)));
        else if constexpr (same<S, Orv16s>) return _mm512_cvtepi16_epi32(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(p)));
        else if constexpr (same<S, Orv16u>) return _mm512_cvtepu16_epi32(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(p)));
        else if constexpr (same<S, Orv32s> || same<S, Orv32u>) return _mm512_loadu_si512(p);
        else {
            // 48 bytes: a masked load of 12 dwords (nothing past them is
            // touched), three dwords to each 128-bit lane, then the byte
            // shuffle of the 8-element body in every lane.
            const I raw = _mm512_maskz_loadu_epi32(0x0FFF, p);
            const I spread = _mm512_permutexvar_epi32(_mm512_setr_epi32(0, 1, 2, 0, 3, 4, 5, 0, 6, 7, 8, 0, 9, 10, 11, 0), raw);
            if constexpr (same<S, Int24s>) {
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
    template <class D> static void storeI(Store<D>* p, I v)
    {
        const I zero = _mm512_setzero_si512();
        if constexpr (same<D, Orv32s> || same<D, Orv32u>)
            _mm512_storeu_si512(p, v);
        else if constexpr (same<D, Orv16s>)
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(p), _mm512_cvtsepi32_epi16(v));
        else if constexpr (same<D, Orv16u>)
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(p), _mm512_cvtusepi32_epi16(_mm512_max_epi32(v, zero)));
        else if constexpr (same<D, Orv8s>)
            _mm_storeu_si128(reinterpret_cast<__m128i*>(p), _mm512_cvtsepi32_epi8(v));
        else if constexpr (same<D, Orv8u>)
            _mm_storeu_si128(reinterpret_cast<__m128i*>(p), _mm512_cvtusepi32_epi8(_mm512_max_epi32(v, zero)));
        else {
            // Clamped, three bytes of each lane packed to the front of its
            // 128-bit lane, the twelve used dwords gathered to the front and
            // written with a masked store of exactly 48 bytes.
            const I c = _mm512_min_epi32(_mm512_max_epi32(v, _mm512_set1_epi32(static_cast<int>(IntRange<D>::min))),
                                         _mm512_set1_epi32(static_cast<int>(IntRange<D>::max)));
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
struct V : FloatLanes<simd::ORVS_TARGET::WF32, simd::ORVS_TARGET::WF64> {
    using I = __m256i;

#ifdef __F16C__
    static F loadH(const Orv16f* p) { return _mm256_cvtph_ps(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p))); }
    template <int Imm> static void storeH(Orv16f* p, F v)
    {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(p), _mm256_cvtps_ph(v, Imm));
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
    template <class S> static I loadI(const Store<S>* p) { return load8v<S>(p); }
    template <class D> static void storeI(Store<D>* p, I v) { store8v<D>(p, v); }

    static D2 widenI(I v)
    {
        return {_mm256_cvtepi32_pd(_mm256_castsi256_si128(v)), _mm256_cvtepi32_pd(_mm256_extractf128_si256(v, 1))};
    }
    template <Rnd M> static I roundD(D2 v) { return join(I32x8{round4<M>(v.lo), round4<M>(v.hi)}); }
};
#endif

constexpr int kStep = 8;  // the fixed 8-element bodies (24-bit packing, integer narrowing)

// Runs blocks of Step elements two at a time with both loads (and
// conversions) issued before either store: the compiler cannot reorder them
// itself, as far as it knows the destination may overlap the source, and
// keeping the loads ahead is worth about a third of the time on L1-resident
// vectors. Returns the index after the last whole block.
template <Count Step = V::n, class Load, class Put>
inline Count blocks(Count n, Load load, Put put)
{
    Count i = 0;
    for (; i + 2 * Step <= n; i += 2 * Step) {
        const auto a = load(i);
        const auto b = load(i + Step);
        put(i, a);
        put(i + Step, b);
    }
    for (; i + Step <= n; i += Step) put(i, load(i));
    return i;
}

// V::n (scaled) floats: clamp from above (min returns the limit for NaN),
// round, and for a 32-bit destination turn the cvt overflow pattern of
// values at 2^31 into the maximum.
template <class D, Rnd M, bool Scaled>
inline V::I floatBlock(V::F x, V::F factor)
{
    const V::F hi = V::splat(static_cast<float>(IntRange<D>::max));
    const V::F v = V::min(Scaled ? V::mul(x, factor) : x, hi);
    V::I r = V::round<M>(v);
    if constexpr (same<D, Orv32s>) r = V::maxWhere(r, v, hi);
    return r;
}

template <class S>
constexpr bool vectorFloatSource =
    same<S, Orv32f> || same<S, Orv64f>
#ifdef __F16C__
    || same<S, Half>
#endif
    ;

template <class S, class D>
constexpr bool vectorIntDest = same<D, Orv8s> || same<D, Orv8u> || same<D, Orv16s> || same<D, Orv16u> ||
                               same<D, Orv32s> || is24<D>;

template <class S>
inline V::F loadF(const Store<S>* p)
{
    if constexpr (same<S, Orv32f>) return V::loadF(p);
#ifdef __F16C__
    else return V::loadH(p);
#endif
}

template <class S, class D, Rnd M, bool Scaled>
Count floatToIntVector(const Store<S>* src, Store<D>* dst, Count n, float factor)
{
    Count i = 0;
    if constexpr (same<S, Orv64f>) {
        const V::D2 f = V::splatD(factor), hi = V::splatD(static_cast<double>(IntRange<D>::max));
        i = blocks(n, [&](Count k) { return V::roundD<M>(V::minD(V::mulD(V::loadD(src + k), f), hi)); },
                   [&](Count k, V::I v) { V::storeI<D>(dst + k * units<D>, v); });
    } else {
        const V::F f = V::splat(factor);
#if defined(__AVX2__) && !defined(__AVX512F__)
        // Sixteen at a time into one 256-bit store: the in-lane pack leaves
        // the 64-bit quarters in order 0 2 1 3.
        if constexpr (same<D, Orv16s> || same<D, Orv16u>) {
            for (; i + 2 * kStep <= n; i += 2 * kStep) {
                const __m256i a = floatBlock<D, M, Scaled>(loadF<S>(src + i), f);
                const __m256i b = floatBlock<D, M, Scaled>(loadF<S>(src + i + kStep), f);
                const __m256i p = same<D, Orv16s> ? _mm256_packs_epi32(a, b) : _mm256_packus_epi32(a, b);
                _mm256_storeu_si256(reinterpret_cast<__m256i*>(dst + i), _mm256_permute4x64_epi64(p, 0xD8));
            }
        }
#endif
        i += blocks(n - i, [&](Count k) { return floatBlock<D, M, Scaled>(loadF<S>(src + i + k), f); },
                    [&](Count k, V::I v) { V::storeI<D>(dst + (i + k) * units<D>, v); });
    }
    return i;
}

template <class S, class D, Rnd M>
void floatToIntLoop(const Store<S>* src, Store<D>* dst, Count n, float factor)
{
    Count i = 0;
    if constexpr (vectorFloatSource<S> && vectorIntDest<S, D>) {
        // s = 0 (factor 1) skips the multiplication: x * 1 is x for every x.
        if (factor == 1.0f) i = floatToIntVector<S, D, M, false>(src, dst, n, factor);
        else i = floatToIntVector<S, D, M, true>(src, dst, n, factor);
    }
    using F = std::conditional_t<same<S, Orv64f>, double, float>;
    for (; i < n; ++i) storeInt<D>(dst, i, floatToIntElem<D, F>(loadElem<S>(src, i), static_cast<F>(factor), M));
}


// ---------------------------------------------------------------- kernels

template <class S, class D>
void widen(const Store<S>* src, Store<D>* dst, Count n)
{
    Count i = 0;
    if constexpr (std::is_integral_v<Store<S>> && !same<S, Half> && sizeof(Store<S>) <= 4 &&
                  (same<D, Orv16s> || same<D, Orv32s> || same<D, Orv32u> || same<D, Orv32f> || same<D, Orv64f>)) {
        if constexpr (same<D, Orv32f>) {
            i = blocks(n, [&](Count k) { return V::toF(V::loadI<S>(src + k * units<S>)); },
                       [&](Count k, V::F v) { V::storeF(dst + k, v); });
        } else if constexpr (same<D, Orv64f>) {
            i = blocks(n, [&](Count k) { return V::widenI(V::loadI<S>(src + k * units<S>)); },
                       [&](Count k, V::D2 v) { V::storeD(dst + k, v); });
        } else {
            i = blocks(n, [&](Count k) { return V::loadI<S>(src + k * units<S>); },
                       [&](Count k, V::I v) { V::storeI<D>(dst + k, v); });
        }
    } else if constexpr (same<S, Orv32f> && same<D, Orv64f>) {
        i = blocks(n, [&](Count k) { return V::loadWidenF(src + k); },
                   [&](Count k, V::D2 v) { V::storeD(dst + k, v); });
    } else if constexpr (same<S, Orv64f> && same<D, Orv32f>) {
        i = blocks(n, [&](Count k) { return V::loadD(src + k); },
                   [&](Count k, V::D2 v) { V::storeNarrowD(dst + k, v); });
    }
#ifdef __F16C__
    else if constexpr (same<S, Half> && same<D, Orv32f>) {
        i = blocks(n, [&](Count k) { return V::loadH(src + k); }, [&](Count k, V::F v) { V::storeF(dst + k, v); });
    }
#endif
    for (; i < n; ++i) dst[i] = static_cast<D>(loadElem<S>(src, i));
}

template <class S, class D>
void scaleToFloat(const S* src, D* dst, Count n, D factor)
{
    Count i = 0;
    if constexpr (same<D, Orv32f>) {
        const V::F f = V::splat(factor);
        i = blocks(n, [&](Count k) { return V::mul(V::toF(V::loadI<S>(src + k)), f); },
                   [&](Count k, V::F v) { V::storeF(dst + k, v); });
    } else {
        i = blocks(n, [&](Count k) { return V::mulD(V::widenI(V::loadI<S>(src + k)), V::splatD(factor)); },
                   [&](Count k, V::D2 v) { V::storeD(dst + k, v); });
    }
    for (; i < n; ++i) dst[i] = static_cast<D>(src[i]) * factor;
}

template <class S, class D>
void floatToInt(const Store<S>* src, Store<D>* dst, Count n, Rnd mode, float factor)
{
    switch (mode) {
    case Rnd::Zero: floatToIntLoop<S, D, Rnd::Zero>(src, dst, n, factor); break;
    case Rnd::Near: floatToIntLoop<S, D, Rnd::Near>(src, dst, n, factor); break;
    default: floatToIntLoop<S, D, Rnd::Away>(src, dst, n, factor); break;
    }
}

// Scalar narrowing on the magnitude in an unsigned type twice as wide as the
// source, so the rounding increment and the shifts never overflow.
template <class S, class D, Rnd M>
void narrowLoop(const Store<S>* src, Store<D>* dst, Count i, Count n, int s)
{
    using U = std::conditional_t<(sizeof(Store<S>) >= 8), unsigned __int128, std::uint64_t>;
    constexpr int bits = static_cast<int>(sizeof(U) * 8);
    if (s > bits - 2) s = bits - 2;  // every result is 0 already well before
    if (s < -40) s = -40;            // every non-zero result saturates already
    const U maxPos = static_cast<U>(IntRange<D>::max);
    const U maxNeg = static_cast<U>(-static_cast<__int128>(IntRange<D>::min));
    const U half = s > 0 ? U(1) << (s - 1) : U(0);
    const U low = s > 0 ? (U(1) << s) - 1 : U(0);
    for (; i < n; ++i) {
        const std::int64_t x = static_cast<std::int64_t>(loadElem<S>(src, i));
        const bool neg = x < 0;
        const U m = neg ? U(0) - static_cast<U>(static_cast<__int128>(x)) : static_cast<U>(x);
        U q;
        if (s > 0) {
            q = m >> s;
            const U rem = m & low;
            if constexpr (M == Rnd::Near) q += (rem > half || (rem == half && (q & 1))) ? 1 : 0;
            else if constexpr (M == Rnd::Away) q += rem >= half ? 1 : 0;
        } else {
            q = m > ((neg ? maxNeg : maxPos) >> -s) ? ~U(0) : m << -s;
        }
        std::int64_t v;
        if (neg) v = q > maxNeg ? IntRange<D>::min : -static_cast<std::int64_t>(q);
        else v = q > maxPos ? IntRange<D>::max : static_cast<std::int64_t>(q);
        storeInt<D>(dst, i, v);
    }
}

// 32-bit integer lane operations at the widths of the narrowing body:
// 128-bit halves of the 8-element blocks (AVX has no 256-bit integer
// arithmetic) and, in the AVX-512 build, whole 512-bit registers.
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

// Runs lane(x) over 32-bit source lanes: whole 512-bit registers where the
// build has them, then 8-element blocks.
template <class D, class Lane>
inline Count narrow32Lanes(const Orv32s* src, Store<D>* dst, Count n, Lane lane)
{
    Count i = 0;
#ifdef __AVX512F__
    i = blocks(n, [&](Count k) { return lane(V::loadI<Orv32s>(src + k)); },
               [&](Count k, V::I v) { V::storeI<D>(dst + k * units<D>, v); });
#endif
    for (; i + kStep <= n; i += kStep) {
        const I32x8 x = load8i<Orv32s>(src + i);
        store8i<D>(dst + i * units<D>, I32x8{lane(x.lo), lane(x.hi)});
    }
    return i;
}

// 32-bit signed sources to 16-bit or packed 24-bit with ties to even: an
// arithmetic shift gives floor(x / 2^s) and the remainder decides the
// increment, all within 32 bits; a left shift first clamps x to the
// smallest magnitude that already saturates, so it cannot overflow.
template <class D>
Count narrow32Block(const Orv32s* src, Store<D>* dst, Count n, int s)
{
    constexpr int destBits = same<D, Orv16s> ? 16 : 24;
    if (s > 30) return 0;  // handled by the scalar rule
    if (s > 0) {
        // q = floor(x / 2^s), r = x mod 2^s; round up when r > half, or
        // r == half and q is odd: exactly when r + (q & 1) > half, which
        // cannot overflow for s <= 30.
        const __m128i count = _mm_cvtsi32_si128(s);
        const int low = static_cast<int>((std::uint32_t(1) << s) - 1), half = static_cast<int>(std::uint32_t(1) << (s - 1));
        return narrow32Lanes<D>(src, dst, n, [&](auto x) {
            using T = decltype(x);
            const T q = sra32(x, count);
            const T r = add32(and32(x, splat32<T>(low)), and32(q, splat32<T>(1)));
            return sub32(q, gt32(r, splat32<T>(half)));  // the mask is -1 where rounding up
        });
    }
    const int k = -s < destBits ? -s : destBits;
    const int lim = ((1 << (destBits - 1)) >> k) + 1;
    const __m128i count = _mm_cvtsi32_si128(k);
    return narrow32Lanes<D>(src, dst, n, [&](auto x) {
        using T = decltype(x);
        return sll32(clamp32(x, splat32<T>(-lim), splat32<T>(lim)), count);
    });
}

template <class S, class D>
void narrowInt(const Store<S>* src, Store<D>* dst, Count n, Rnd mode, int s)
{
    Count i = 0;
    if (s == 0) {
        if constexpr (same<S, Orv32s> && (same<D, Orv16s> || is24<D>))
            i = blocks(n, [&](Count k) { return V::loadI<S>(src + k); },
                       [&](Count k, V::I v) { V::storeI<D>(dst + k * units<D>, v); });
        for (; i < n; ++i) {
            const std::int64_t x = loadElem<S>(src, i);
            storeInt<D>(dst, i, x > IntRange<D>::max ? IntRange<D>::max : x < IntRange<D>::min ? IntRange<D>::min : x);
        }
        return;
    }
    if constexpr (same<S, Orv32s> && (same<D, Orv16s> || same<D, Int24s>))
        if (mode == Rnd::Near) i = narrow32Block<D>(src, dst, n, s);
    switch (mode) {
    case Rnd::Zero: narrowLoop<S, D, Rnd::Zero>(src, dst, i, n, s); break;
    case Rnd::Near: narrowLoop<S, D, Rnd::Near>(src, dst, i, n, s); break;
    default: narrowLoop<S, D, Rnd::Away>(src, dst, i, n, s); break;
    }
}

template <class S>
void toHalf(const S* src, Orv16f* dst, Count n, bool nearest)
{
    Count i = 0;
#ifdef __F16C__
    auto body = [&](auto imm) {
        for (; i + V::n <= n; i += V::n) {
            V::F x;
            if constexpr (same<S, Orv32f>) x = V::loadF(src + i);
            else x = V::toF(V::loadI<S>(src + i));
            V::storeH<decltype(imm)::value>(dst + i, x);
        }
    };
    if (nearest) body(std::integral_constant<int, _MM_FROUND_TO_NEAREST_INT | _MM_FROUND_NO_EXC>{});
    else body(std::integral_constant<int, _MM_FROUND_TO_ZERO | _MM_FROUND_NO_EXC>{});
#endif
    for (; i < n; ++i) dst[i] = floatToHalf(static_cast<float>(src[i]), nearest);
}

} // namespace

// ---------------------------------------------------------------- the table

const KernelTable table = {
#define ORVS_ROW(S, D) &widen<S, D>,
    ORVS_CONVERT_WIDEN(ORVS_ROW)
#undef ORVS_ROW
#define ORVS_ROW(S, D) &scaleToFloat<S, D>,
    ORVS_CONVERT_SCALE(ORVS_ROW)
#undef ORVS_ROW
#define ORVS_ROW(S, D) &floatToInt<S, D>,
    ORVS_CONVERT_FLOAT_TO_INT(ORVS_ROW)
#undef ORVS_ROW
#define ORVS_ROW(S, D) &narrowInt<S, D>,
    ORVS_CONVERT_NARROW(ORVS_ROW)
#undef ORVS_ROW
#define ORVS_ROW(S, D) &toHalf<S>,
    ORVS_CONVERT_TO_HALF(ORVS_ROW)
#undef ORVS_ROW
};

} // namespace orvs::convert::ORVS_TARGET
