// Integer test-signal kernels: eight elements per step, computed in single
// precision, widened to double for rounding and clamping (exact, since every
// float is a double and every bound an integer), then narrowed to the type.
// A short tail runs through the same code into a small buffer, so every
// element gets identical arithmetic wherever it lies.
#include <immintrin.h>

#include <cstring>
#include <limits>
#include <type_traits>

#include "convert/vector/vector_kernels.h"
#include "core/fpguard.h"

namespace orvs::vec {
namespace {

// Clamps integral doubles to T's range; NaN becomes the minimum.
template <class T>
inline __m256d clampTo(__m256d v)
{
    const __m256d lo = _mm256_set1_pd(static_cast<double>(std::numeric_limits<T>::min()));
    const __m256d hi = _mm256_set1_pd(static_cast<double>(std::numeric_limits<T>::max()));
    return _mm256_min_pd(_mm256_max_pd(v, lo), hi);
}

template <class T>
inline __m128i toInt32Bits(__m256d v)
{
    if constexpr (std::is_same_v<T, Orv32u>) {
        // Shift [0, 2^32) into the signed range, convert, flip the sign bit back.
        const __m128i i = _mm256_cvttpd_epi32(_mm256_sub_pd(v, _mm256_set1_pd(2147483648.0)));
        return _mm_xor_si128(i, _mm_set1_epi32(static_cast<int>(0x80000000u)));
    } else {
        return _mm256_cvttpd_epi32(v);
    }
}

// Stores eight in-range integral doubles (a: elements 0-3, b: 4-7) as T.
template <class T>
inline void store8(T* dst, __m256d a, __m256d b)
{
    const __m128i ia = toInt32Bits<T>(a);
    const __m128i ib = toInt32Bits<T>(b);
    if constexpr (sizeof(T) == 4) {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst), ia);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst) + 1, ib);
    } else if constexpr (std::is_same_v<T, Orv16s>) {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst), _mm_packs_epi32(ia, ib));
    } else if constexpr (std::is_same_v<T, Orv16u>) {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst), _mm_packus_epi32(ia, ib));
    } else if constexpr (std::is_same_v<T, Orv8s>) {
        const __m128i w = _mm_packs_epi32(ia, ib);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(dst), _mm_packs_epi16(w, w));
    } else {
        const __m128i w = _mm_packs_epi32(ia, ib);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(dst), _mm_packus_epi16(w, w));
    }
}

inline __m256d lowHalf(__m256 v) { return _mm256_cvtps_pd(_mm256_castps256_ps128(v)); }
inline __m256d highHalf(__m256 v) { return _mm256_cvtps_pd(_mm256_extractf128_ps(v, 1)); }

// Half away from zero: values <= 0 get 0.5 subtracted, then truncation.
inline __m256d roundHalfAway(__m256d v)
{
    const __m256d positive = _mm256_cmp_pd(v, _mm256_setzero_pd(), _CMP_GT_OQ);
    const __m256d half = _mm256_blendv_pd(_mm256_set1_pd(-0.5), _mm256_set1_pd(0.5), positive);
    return _mm256_round_pd(_mm256_add_pd(v, half), _MM_FROUND_TO_ZERO | _MM_FROUND_NO_EXC);
}

inline __m256d roundEven(__m256d v) { return _mm256_round_pd(v, _MM_FROUND_TO_NEAREST_INT | _MM_FROUND_NO_EXC); }

} // namespace

template <class T>
void rampInt(T* dst, int first, int count, float offset, float slope)
{
    FpControlGuard guard(FpRound::Nearest);
    const __m256 off = _mm256_set1_ps(offset);
    const __m256 sl = _mm256_set1_ps(slope);
    const __m128i step = _mm_set1_epi32(8);
    __m128i idxLo = _mm_add_epi32(_mm_set1_epi32(first), _mm_setr_epi32(0, 1, 2, 3));
    __m128i idxHi = _mm_add_epi32(_mm_set1_epi32(first), _mm_setr_epi32(4, 5, 6, 7));
    auto block = [&](T* out) {
        const __m256 n = _mm256_cvtepi32_ps(_mm256_insertf128_si256(_mm256_castsi128_si256(idxLo), idxHi, 1));
        const __m256 v = _mm256_add_ps(off, _mm256_mul_ps(sl, n));
        store8(out, clampTo<T>(roundHalfAway(lowHalf(v))), clampTo<T>(roundHalfAway(highHalf(v))));
        idxLo = _mm_add_epi32(idxLo, step);
        idxHi = _mm_add_epi32(idxHi, step);
    };
    int i = 0;
    for (; count - i >= 8; i += 8) block(dst + i);
    if (i < count) {
        T tail[8];
        block(tail);
        std::memcpy(dst + i, tail, static_cast<std::size_t>(count - i) * sizeof(T));
    }
}

// Four lanes per group start at slope*k (k = 0..3); groups 1..3 of a 16-element
// block start 4*slope further each, and every block adds 16*slope to all
// sixteen lanes. Offset is added before conversion.
template <class T>
void slopeAccumulate(T* dst, int count, float offset, float slope)
{
    FpControlGuard guard(FpRound::Nearest);
    const __m128 g0 = _mm_mul_ps(_mm_setr_ps(0.0f, 1.0f, 2.0f, 3.0f), _mm_set1_ps(slope));
    const __m128 step4 = _mm_set1_ps(4.0f * slope);
    const __m128 g1 = _mm_add_ps(g0, step4);
    const __m128 g2 = _mm_add_ps(g1, step4);
    const __m128 g3 = _mm_add_ps(g2, step4);
    __m256 a = _mm256_insertf128_ps(_mm256_castps128_ps256(g0), g1, 1);
    __m256 b = _mm256_insertf128_ps(_mm256_castps128_ps256(g2), g3, 1);
    const __m256 step16 = _mm256_set1_ps(16.0f * slope);
    const __m256 off = _mm256_set1_ps(offset);
    auto block = [&](T* out) {
        const __m256 va = _mm256_add_ps(a, off);
        const __m256 vb = _mm256_add_ps(b, off);
        store8(out, clampTo<T>(roundEven(lowHalf(va))), clampTo<T>(roundEven(highHalf(va))));
        store8(out + 8, clampTo<T>(roundEven(lowHalf(vb))), clampTo<T>(roundEven(highHalf(vb))));
        a = _mm256_add_ps(a, step16);
        b = _mm256_add_ps(b, step16);
    };
    int i = 0;
    for (; count - i >= 16; i += 16) block(dst + i);
    if (i < count) {
        T tail[16];
        block(tail);
        std::memcpy(dst + i, tail, static_cast<std::size_t>(count - i) * sizeof(T));
    }
}

#define ORVS_VEC_SIGNAL_KERNELS(T)                                     \
    template void rampInt<T>(T*, int, int, float, float);             \
    template void slopeAccumulate<T>(T*, int, float, float);
ORVS_VEC_SIGNAL_KERNELS(Orv8u)
ORVS_VEC_SIGNAL_KERNELS(Orv8s)
ORVS_VEC_SIGNAL_KERNELS(Orv16u)
ORVS_VEC_SIGNAL_KERNELS(Orv16s)
ORVS_VEC_SIGNAL_KERNELS(Orv32u)
ORVS_VEC_SIGNAL_KERNELS(Orv32s)

} // namespace orvs::vec
