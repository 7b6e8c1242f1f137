// Byte shuffles within 16-byte lanes on the integer register of the target
// (IntVec::V): lanes() repeats a 16-byte control in every 16-byte lane of
// the register, apply() picks the bytes of each lane of a by the control
// bytes of the same lane (a control byte with its top bit set gives 0).
// The Bytes16 forms do the same on one 16-byte register, for passes whose
// step is not a whole register (three-byte elements, five per 16 bytes).
// reversalControl<kBytes>() is the 16-byte control that reverses the bytes
// of every kBytes-byte element (2, 4 or 8); for 3 it reverses the five
// three-byte elements of 16 bytes and keeps the 16th byte in place.
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

template <int kBytes>
inline __m128i reversalControl()
{
    static_assert(kBytes == 2 || kBytes == 3 || kBytes == 4 || kBytes == 8);
    if constexpr (kBytes == 2) return _mm_setr_epi8(1, 0, 3, 2, 5, 4, 7, 6, 9, 8, 11, 10, 13, 12, 15, 14);
    else if constexpr (kBytes == 3) return _mm_setr_epi8(2, 1, 0, 5, 4, 3, 8, 7, 6, 11, 10, 9, 14, 13, 12, 15);
    else if constexpr (kBytes == 4) return _mm_setr_epi8(3, 2, 1, 0, 7, 6, 5, 4, 11, 10, 9, 8, 15, 14, 13, 12);
    else return _mm_setr_epi8(7, 6, 5, 4, 3, 2, 1, 0, 15, 14, 13, 12, 11, 10, 9, 8);
}

struct Bytes16 {
    using V = __m128i;
    static __m128i load(const void* p) { return _mm_loadu_si128(static_cast<const __m128i*>(p)); }
    static void store(void* p, __m128i v) { _mm_storeu_si128(static_cast<__m128i*>(p), v); }
    static __m128i apply(__m128i a, __m128i ctl) { return _mm_shuffle_epi8(a, ctl); }
};

} // namespace ORVS_TARGET
} // namespace orvs::simd
