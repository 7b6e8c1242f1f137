// Byte shuffles within 16-byte lanes on the integer register of the target
// (IntVec::V): lanes() repeats a 16-byte control in every 16-byte lane of
// the register, apply() picks the bytes of each lane of a by the control
// bytes of the same lane (a control byte with its top bit set gives 0).
// The Bytes16 forms do the same on one 16-byte register, for passes whose
// step is not a whole register (three-byte elements, five per 16 bytes).
#pragma once
#if !defined(ORVS_TARGET)
#error "core/simd/byte_lanes.h belongs to kernel sources compiled per target"
#endif
#include <immintrin.h>

#include "core/simd/int_lanes.h"

namespace orvs::simd {
inline namespace ORVS_TARGET {

struct ByteShuffle {
    using V = IntVec::V;
#if defined(__AVX512BW__)
    static V lanes(__m128i ctl) { return _mm512_broadcast_i32x4(ctl); }
    static V apply(V a, V ctl) { return _mm512_shuffle_epi8(a, ctl); }
#elif defined(__AVX2__)
    static V lanes(__m128i ctl) { return _mm256_broadcastsi128_si256(ctl); }
    static V apply(V a, V ctl) { return _mm256_shuffle_epi8(a, ctl); }
#else
    static V lanes(__m128i ctl) { return ctl; }
    static V apply(V a, V ctl) { return _mm_shuffle_epi8(a, ctl); }
#endif
};

struct Bytes16 {
    static __m128i load(const void* p) { return _mm_loadu_si128(static_cast<const __m128i*>(p)); }
    static void store(void* p, __m128i v) { _mm_storeu_si128(static_cast<__m128i*>(p), v); }
    static __m128i apply(__m128i a, __m128i ctl) { return _mm_shuffle_epi8(a, ctl); }
};

} // namespace ORVS_TARGET
} // namespace orvs::simd
