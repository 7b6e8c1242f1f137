// Kernels of the G.711 family, compiled once per instruction-set target
// (namespace orvs::g711::ORVS_TARGET).
//
// The laws are computed, not looked up, on 32-bit lanes. Their segments are
// binary exponents and their steps the four bits below the leading one, which
// is exactly what a single-precision number holds in its exponent and top
// mantissa bits: converting the magnitude to float and shifting its bits
// right by 19 gives (biased exponent << 4) | step in one integer, from which
// the code is a subtraction. Decoding goes the other way: the step and bias
// as an integer, converted to float, the segment added to the exponent.
#if defined(__AVX512F__)
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#pragma GCC diagnostic ignored "-Wuninitialized"
#endif
#include <immintrin.h>

#include <cmath>
#include <cstdint>
#include <cstring>

#include "speech/g711/g711_kernels.h"

// 32-bit lanes at the width of the target, loaded from and stored to the
// element types of the laws (the integer layer's Int32Vec has no 8-bit
// stores on AVX and no bit casts to float).
namespace orvs::simd {
inline namespace ORVS_TARGET {
#if defined(__AVX512F__)
struct LawLanes {
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
    static I set(int x) { return _mm512_set1_epi32(x); }
    static I add(I a, I b) { return _mm512_add_epi32(a, b); }
    static I sub(I a, I b) { return _mm512_sub_epi32(a, b); }
    static I band(I a, I b) { return _mm512_and_si512(a, b); }
    static I bor(I a, I b) { return _mm512_or_si512(a, b); }
    static I bxor(I a, I b) { return _mm512_xor_si512(a, b); }
    static I srai(I a, int n) { return _mm512_srai_epi32(a, static_cast<unsigned>(n)); }
    static I srli(I a, int n) { return _mm512_srli_epi32(a, static_cast<unsigned>(n)); }
    static I slli(I a, int n) { return _mm512_slli_epi32(a, static_cast<unsigned>(n)); }
    static I min(I a, I b) { return _mm512_min_epi32(a, b); }
    static I max(I a, I b) { return _mm512_max_epi32(a, b); }
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
struct LawLanes {
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
    static I set(int x) { return _mm256_set1_epi32(x); }
    static I add(I a, I b) { return _mm256_add_epi32(a, b); }
    static I sub(I a, I b) { return _mm256_sub_epi32(a, b); }
    static I band(I a, I b) { return _mm256_and_si256(a, b); }
    static I bor(I a, I b) { return _mm256_or_si256(a, b); }
    static I bxor(I a, I b) { return _mm256_xor_si256(a, b); }
    static I srai(I a, int n) { return _mm256_srai_epi32(a, n); }
    static I srli(I a, int n) { return _mm256_srli_epi32(a, n); }
    static I slli(I a, int n) { return _mm256_slli_epi32(a, n); }
    static I min(I a, I b) { return _mm256_min_epi32(a, b); }
    static I max(I a, I b) { return _mm256_max_epi32(a, b); }
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
struct LawLanes {
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
    static I set(int x) { return _mm_set1_epi32(x); }
    static I add(I a, I b) { return _mm_add_epi32(a, b); }
    static I sub(I a, I b) { return _mm_sub_epi32(a, b); }
    static I band(I a, I b) { return _mm_and_si128(a, b); }
    static I bor(I a, I b) { return _mm_or_si128(a, b); }
    static I bxor(I a, I b) { return _mm_xor_si128(a, b); }
    static I srai(I a, int n) { return _mm_srai_epi32(a, n); }
    static I srli(I a, int n) { return _mm_srli_epi32(a, n); }
    static I slli(I a, int n) { return _mm_slli_epi32(a, n); }
    static I min(I a, I b) { return _mm_min_epi32(a, b); }
    static I max(I a, I b) { return _mm_max_epi32(a, b); }
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

namespace orvs::g711::ORVS_TARGET {
namespace {

using L = simd::LawLanes;
using I = L::I;
using F = L::F;

// ---- decoding ------------------------------------------------------------------
// Both laws decode to (8·step + 132)·2^segment less a per-law offset:
// mu-law subtracts its bias 132; A-law, whose first segment has the step
// size of the second, computes segment 0 as segment 1 less 256.

template <Law law>
I decodeLanes(I code)
{
    const I c = law == Law::A ? L::bxor(code, L::set(0x55)) : L::bxor(code, L::set(0xFF));
    const I seg = L::band(L::srli(c, 4), L::set(7));
    const I base = L::add(L::slli(L::band(c, L::set(15)), 3), L::set(132));
    const I exponent = law == Law::A ? L::max(seg, L::set(1)) : seg;
    const I scaled = L::truncF(L::fromBits(L::add(L::bits(L::toF(base)), L::slli(exponent, 23))));
    const I mag = law == Law::A ? L::sub(scaled, L::ifEqual(seg, L::set(0), L::set(256))) : L::sub(scaled, L::set(132));
    // A-law's sign bit (after the inversion) marks positive values, mu-law's negative ones.
    const I bit7 = L::srai(L::slli(c, 24), 31);
    const I neg = law == Law::A ? L::bxor(bit7, L::set(-1)) : bit7;
    return L::sub(L::bxor(mag, neg), neg);
}

template <Law law>
void decode16Of(const Orv8u* s, Orv16s* d, int n)
{
    int i = 0;
    for (; i + 2 * L::W <= n; i += 2 * L::W)
        L::store16x2(d + i, decodeLanes<law>(L::load8(s + i)), decodeLanes<law>(L::load8(s + i + L::W)));
    for (; i + L::W <= n; i += L::W) L::store16(d + i, decodeLanes<law>(L::load8(s + i)));
    for (; i < n; ++i) d[i] = law == Law::A ? aLawDecode(s[i]) : muLawDecode(s[i]);
}

template <Law law>
void decode32fOf(const Orv8u* s, Orv32f* d, int n)
{
    const F unit = L::setF(1.0f / 32768.0f);
    int i = 0;
    for (; i + L::W <= n; i += L::W) L::storeF(d + i, L::mulF(L::toF(decodeLanes<law>(L::load8(s + i))), unit));
    for (; i < n; ++i) d[i] = static_cast<float>(law == Law::A ? aLawDecode(s[i]) : muLawDecode(s[i])) * (1.0f / 32768.0f);
}

// ---- encoding --------------------------------------------------------------------
// (float bits >> 19) = ((exponent + 127) << 4) | step for the magnitude.

// A-law: magnitudes below 32 are in segment 0, whose code is mag >> 1 (which
// also holds for segment 1); from 32 on, segment = exponent - 4.
I aLawLanes(I x)
{
    const I y = L::srai(x, 3);
    const I neg = L::srai(y, 31);
    const I mag = L::bxor(y, neg);
    const I fromFloat = L::sub(L::srli(L::bits(L::toF(mag)), 19), L::set((127 + 4) << 4));
    const I code = L::ifLess(mag, L::set(32), L::srai(mag, 1), fromFloat);
    return L::bxor(code, L::bxor(L::band(neg, L::set(0x55 ^ 0xD5)), L::set(0xD5)));
}

// mu-law: the biased magnitude (|x| >> 2) + 33 is (|x| + 132) >> 2, and the
// shift only moves the exponent: with v = |x| + 132 (at most 32767, the
// limit 8191 before the shift), segment k = exponent - 6 and the code
// (8 - k)·16 + 15 - step is ((14 + 127) << 4) + 15 minus the float bits.
// |x| is x ^ sign, one below the magnitude for negative x.
I muLawLanes(I x, I neg)
{
    const I v = L::min(L::add(L::bxor(x, neg), L::set(132)), L::set(32767));
    const I code = L::sub(L::set(((14 + 127) << 4) + 15), L::srli(L::bits(L::toF(v)), 19));
    return L::bor(code, L::band(L::bxor(neg, L::set(-1)), L::set(0x80)));
}

template <Law law>
void encode16Of(const Orv16s* s, Orv8u* d, int n)
{
    const auto code = [](I x) { return law == Law::A ? aLawLanes(x) : muLawLanes(x, L::srai(x, 31)); };
    int i = 0;
    for (; i + 4 * L::W <= n; i += 4 * L::W)
        L::store8x4(d + i, code(L::load16(s + i)), code(L::load16(s + i + L::W)), code(L::load16(s + i + 2 * L::W)),
                    code(L::load16(s + i + 3 * L::W)));
    for (; i + L::W <= n; i += L::W) L::store8(d + i, code(L::load16(s + i)));
    for (; i < n; ++i) d[i] = law == Law::A ? aLawEncode(s[i]) : muLawEncode(s[i]);
}

// v·32768 limited to the 16-bit range and rounded half away from zero: the
// truncated value moves one away from zero where the dropped part is at
// least one half.
I linear16(F v)
{
    const F w = L::clampF(L::mulF(v, L::setF(32768.0f)), L::setF(-32768.0f), L::setF(32767.0f));
    const F t = L::truncTowardZero(w);
    const F signMask = L::fromBits(L::set(INT32_MIN));
    const F awayOne = L::orF(L::setF(1.0f), L::andF(w, signMask));
    const F frac = L::andF(L::subF(w, t), L::fromBits(L::set(INT32_MAX)));
    return L::truncF(L::addF(t, L::andF(L::geF(frac, L::setF(0.5f)), awayOne)));
}

template <Law law>
void encode32fOf(const Orv32f* s, Orv8u* d, int n)
{
    const auto code = [](F v) {
        const I x = linear16(v);
        return law == Law::A ? aLawLanes(x) : muLawLanes(x, L::srai(L::bits(v), 31));
    };
    int i = 0;
    for (; i + 4 * L::W <= n; i += 4 * L::W)
        L::store8x4(d + i, code(L::loadF(s + i)), code(L::loadF(s + i + L::W)), code(L::loadF(s + i + 2 * L::W)),
                    code(L::loadF(s + i + 3 * L::W)));
    for (; i + L::W <= n; i += L::W) L::store8(d + i, code(L::loadF(s + i)));
    for (; i < n; ++i)
        d[i] = law == Law::A ? aLawEncode(toLinear16(s[i])) : muLawEncode(toLinear16(s[i]), std::signbit(s[i]));
}

// Code to code: the decoded value encoded by the other law, on the lanes.
template <Law from>
void transcodeOf(const Orv8u* s, Orv8u* d, int n)
{
    const auto code = [](I c) {
        const I x = decodeLanes<from>(c);
        return from == Law::A ? muLawLanes(x, L::srai(x, 31)) : aLawLanes(x);
    };
    int i = 0;
    for (; i + 4 * L::W <= n; i += 4 * L::W)
        L::store8x4(d + i, code(L::load8(s + i)), code(L::load8(s + i + L::W)), code(L::load8(s + i + 2 * L::W)),
                    code(L::load8(s + i + 3 * L::W)));
    for (; i + L::W <= n; i += L::W) L::store8(d + i, code(L::load8(s + i)));
    for (; i < n; ++i) d[i] = from == Law::A ? muLawEncode(aLawDecode(s[i])) : aLawEncode(muLawDecode(s[i]));
}

void transcode(Law from, const Orv8u* s, Orv8u* d, int n)
{
    from == Law::A ? transcodeOf<Law::A>(s, d, n) : transcodeOf<Law::Mu>(s, d, n);
}

void decode16(Law law, const Orv8u* s, Orv16s* d, int n)
{
    law == Law::A ? decode16Of<Law::A>(s, d, n) : decode16Of<Law::Mu>(s, d, n);
}
void decode32f(Law law, const Orv8u* s, Orv32f* d, int n)
{
    law == Law::A ? decode32fOf<Law::A>(s, d, n) : decode32fOf<Law::Mu>(s, d, n);
}
void encode16(Law law, const Orv16s* s, Orv8u* d, int n)
{
    law == Law::A ? encode16Of<Law::A>(s, d, n) : encode16Of<Law::Mu>(s, d, n);
}
void encode32f(Law law, const Orv32f* s, Orv8u* d, int n)
{
    law == Law::A ? encode32fOf<Law::A>(s, d, n) : encode32fOf<Law::Mu>(s, d, n);
}

} // namespace

#define ORVS_G711_ENTRY(name, params) name,
const KernelTable table = {ORVS_G711_KERNELS(ORVS_G711_ENTRY)};
#undef ORVS_G711_ENTRY

} // namespace orvs::g711::ORVS_TARGET
