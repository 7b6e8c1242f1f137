// Kernels of the vector family (pattern fill, reversal, integer test signals,
// channel interleaving), compiled once per instruction-set target (namespace
// orvs::vec::ORVS_TARGET).
#if defined(__AVX512F__)
// GCC 12 reports the deliberately undefined pass-through operand of the
// unmasked 512-bit intrinsics as "maybe uninitialized"; nothing reads it.
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
#include <immintrin.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>
#include <type_traits>

#include "convert/vector/vector_kernels.h"
#include "core/fpguard.h"

namespace orvs::vec::ORVS_TARGET {
namespace {

// ---- pattern fill ----------------------------------------------------------
// Whole-register stores at register-aligned addresses. Every element size
// divides the register width, so the byte at offset k from the destination is
// pattern byte k mod the width: a register holding the element broadcast fits
// every aligned block as long as the destination itself is element-aligned.
//
// From 1 MiB on, the body is written with `rep stosq` instead, as the C
// library's memset does: the string-store microcode writes whole lines without
// reading them first (15-20% faster than 256-bit stores at 1-4 MiB here) and
// switches to streaming stores for large fills by itself. Below 1 MiB, where
// the data stays in cache, the vector stores are faster.

#if defined(__AVX512BW__)
using Block = __m512i;
constexpr std::size_t kBlockBytes = 64;
inline Block loadBlock(const void* p) { return _mm512_loadu_si512(p); }
inline void storeBlock(void* p, Block v) { _mm512_storeu_si512(p, v); }
inline void storeAlignedBlock(void* p, Block v) { _mm512_store_si512(p, v); }
inline std::uint64_t lowWord(Block v) { return static_cast<std::uint64_t>(_mm_cvtsi128_si64(_mm512_castsi512_si128(v))); }
inline Block broadcastBlock(const void* elem, std::size_t elemSize)
{
    switch (elemSize) {
    case 1: { std::uint8_t v; std::memcpy(&v, elem, 1); return _mm512_set1_epi8(static_cast<char>(v)); }
    case 2: { std::uint16_t v; std::memcpy(&v, elem, 2); return _mm512_set1_epi16(static_cast<short>(v)); }
    case 4: { std::uint32_t v; std::memcpy(&v, elem, 4); return _mm512_set1_epi32(static_cast<int>(v)); }
    case 8: { std::uint64_t v; std::memcpy(&v, elem, 8); return _mm512_set1_epi64(static_cast<long long>(v)); }
    default: return _mm512_broadcast_i32x4(_mm_loadu_si128(static_cast<const __m128i*>(elem)));
    }
}
#else
using Block = __m256i;
constexpr std::size_t kBlockBytes = 32;
inline Block loadBlock(const void* p) { return _mm256_loadu_si256(static_cast<const __m256i*>(p)); }
inline void storeBlock(void* p, Block v) { _mm256_storeu_si256(static_cast<__m256i*>(p), v); }
inline void storeAlignedBlock(void* p, Block v) { _mm256_store_si256(static_cast<__m256i*>(p), v); }
inline std::uint64_t lowWord(Block v) { return static_cast<std::uint64_t>(_mm_cvtsi128_si64(_mm256_castsi256_si128(v))); }
inline Block broadcastBlock(const void* elem, std::size_t elemSize)
{
    switch (elemSize) {
    case 1: { std::uint8_t v; std::memcpy(&v, elem, 1); return _mm256_set1_epi8(static_cast<char>(v)); }
    case 2: { std::uint16_t v; std::memcpy(&v, elem, 2); return _mm256_set1_epi16(static_cast<short>(v)); }
    case 4: { std::uint32_t v; std::memcpy(&v, elem, 4); return _mm256_set1_epi32(static_cast<int>(v)); }
    case 8: { std::uint64_t v; std::memcpy(&v, elem, 8); return _mm256_set1_epi64x(static_cast<long long>(v)); }
    default: {
        const __m128i v = _mm_loadu_si128(static_cast<const __m128i*>(elem));
        return _mm256_insertf128_si256(_mm256_castsi128_si256(v), v, 1);
    }
    }
}
#endif

// The pattern as seen from `shift` bytes into an element (destinations that
// are not element-aligned, e.g. a 16-byte complex vector on an 8-byte boundary).
inline Block rotated(Block v, std::size_t shift)
{
    alignas(64) unsigned char pat[2 * kBlockBytes];
    storeBlock(pat, v);
    storeBlock(pat + kBlockBytes, v);
    return loadBlock(pat + shift);
}

constexpr std::size_t kStringStoreMin = std::size_t(1) << 20;

void fillPattern(void* dst, const void* elem, std::size_t elemSize, std::size_t bytes)
{
    auto* d = static_cast<unsigned char*>(dst);
    if (bytes < kBlockBytes) {
        for (std::size_t i = 0; i < bytes; i += elemSize) std::memcpy(d + i, elem, elemSize);
        return;
    }
    const Block v = broadcastBlock(elem, elemSize);
    // Unaligned head store, then aligned stores from the next register
    // boundary, then one unaligned store that ends exactly at the last byte.
    storeBlock(d, v);
    const std::size_t head = (kBlockBytes - (reinterpret_cast<std::uintptr_t>(d) & (kBlockBytes - 1))) & (kBlockBytes - 1);
    const std::size_t phase = head % elemSize;
    const Block body = phase ? rotated(v, phase) : v;
    unsigned char* p = d + head;
    std::size_t rem = bytes - head;
    if (bytes >= kStringStoreMin && elemSize <= 8) {
        // The first eight bytes of the rotated body are the 8-byte period at p.
        const std::uint64_t word = lowWord(body);
        std::size_t words = rem / 8;
        rem -= words * 8;
        asm volatile("rep stosq" : "+D"(p), "+c"(words) : "a"(word) : "memory");
    }
    for (; rem >= 4 * kBlockBytes; rem -= 4 * kBlockBytes, p += 4 * kBlockBytes) {
        storeAlignedBlock(p, body);
        storeAlignedBlock(p + kBlockBytes, body);
        storeAlignedBlock(p + 2 * kBlockBytes, body);
        storeAlignedBlock(p + 3 * kBlockBytes, body);
    }
    for (; rem >= kBlockBytes; rem -= kBlockBytes, p += kBlockBytes) storeAlignedBlock(p, body);
    // bytes - kBlockBytes is a multiple of the element size: the tail starts in phase.
    if (rem) storeBlock(d + bytes - kBlockBytes, v);
}

// ---- reversal ----------------------------------------------------------------
// Register-wide blocks read from one end and written, reversed, at the other.
// One template over the element size.

#if defined(__AVX512BW__)
// One cross-lane permute (after an in-lane byte shuffle for single bytes).
template <std::size_t E>
inline Block reverse(Block v)
{
    if constexpr (E == 16) {
        return _mm512_shuffle_i64x2(v, v, 0x1B);
    } else if constexpr (E == 8) {
        return _mm512_permutexvar_epi64(_mm512_setr_epi64(7, 6, 5, 4, 3, 2, 1, 0), v);
    } else if constexpr (E == 4) {
        return _mm512_permutexvar_epi32(_mm512_setr_epi32(15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0), v);
    } else if constexpr (E == 2) {
        alignas(64) static constexpr std::uint16_t order[32] = {31, 30, 29, 28, 27, 26, 25, 24, 23, 22, 21,
                                                                20, 19, 18, 17, 16, 15, 14, 13, 12, 11, 10,
                                                                9,  8,  7,  6,  5,  4,  3,  2,  1,  0};
        return _mm512_permutexvar_epi16(_mm512_load_si512(order), v);
    } else {
        const __m512i mask = _mm512_broadcast_i32x4(_mm_setr_epi8(15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0));
        const __m512i r = _mm512_shuffle_epi8(v, mask);
        return _mm512_shuffle_i64x2(r, r, 0x1B);
    }
}
#else
template <std::size_t E>
inline __m256i reverse(__m256i v)
{
#ifdef __AVX2__
    // One cross-lane permute (and one in-lane byte shuffle for 1 and 2 bytes).
    if constexpr (E == 16) {
        return _mm256_permute4x64_epi64(v, 0x4E);
    } else if constexpr (E == 8) {
        return _mm256_permute4x64_epi64(v, 0x1B);
    } else if constexpr (E == 4) {
        return _mm256_permutevar8x32_epi32(v, _mm256_setr_epi32(7, 6, 5, 4, 3, 2, 1, 0));
    } else {
        const __m256i mask = E == 2 ? _mm256_setr_epi8(14, 15, 12, 13, 10, 11, 8, 9, 6, 7, 4, 5, 2, 3, 0, 1,
                                                       14, 15, 12, 13, 10, 11, 8, 9, 6, 7, 4, 5, 2, 3, 0, 1)
                                    : _mm256_setr_epi8(15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0,
                                                       15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0);
        return _mm256_permute4x64_epi64(_mm256_shuffle_epi8(v, mask), 0x4E);
    }
#else  // AVX baseline
    if constexpr (E == 16) {
        return _mm256_permute2f128_si256(v, v, 1);
    } else if constexpr (E == 8) {
        const __m256d s = _mm256_castsi256_pd(_mm256_permute2f128_si256(v, v, 1));
        return _mm256_castpd_si256(_mm256_permute_pd(s, 0x5));
    } else if constexpr (E == 4) {
        const __m256 s = _mm256_castsi256_ps(_mm256_permute2f128_si256(v, v, 1));
        return _mm256_castps_si256(_mm256_permute_ps(s, 0x1B));
    } else {
        // Byte shuffles stay 128 bits wide so that the AVX baseline runs them.
        const __m128i mask = E == 2 ? _mm_setr_epi8(14, 15, 12, 13, 10, 11, 8, 9, 6, 7, 4, 5, 2, 3, 0, 1)
                                    : _mm_setr_epi8(15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0);
        const __m128i lo = _mm_shuffle_epi8(_mm256_extractf128_si256(v, 1), mask);
        const __m128i hi = _mm_shuffle_epi8(_mm256_castsi256_si128(v), mask);
        return _mm256_insertf128_si256(_mm256_castsi128_si256(lo), hi, 1);
    }
#endif
}
#endif


template <std::size_t E>
void flipOut(const unsigned char* s, unsigned char* d, std::size_t n)
{
    constexpr std::size_t W = kBlockBytes / E;  // elements per register
    std::size_t i = 0;
    // Four loads ahead of four stores keep both ports busy.
    for (; i + 4 * W <= n; i += 4 * W) {
        const unsigned char* from = s + (n - i - 4 * W) * E;
        const Block a = loadBlock(from + 3 * kBlockBytes), b = loadBlock(from + 2 * kBlockBytes);
        const Block c = loadBlock(from + kBlockBytes), e = loadBlock(from);
        storeBlock(d + i * E, reverse<E>(a));
        storeBlock(d + i * E + kBlockBytes, reverse<E>(b));
        storeBlock(d + i * E + 2 * kBlockBytes, reverse<E>(c));
        storeBlock(d + i * E + 3 * kBlockBytes, reverse<E>(e));
    }
    for (; i + W <= n; i += W) storeBlock(d + i * E, reverse<E>(loadBlock(s + (n - i - W) * E)));
    for (; i < n; ++i) std::memcpy(d + i * E, s + (n - 1 - i) * E, E);
}

template <std::size_t E>
void flipIn(unsigned char* p, std::size_t n)
{
    constexpr std::size_t W = kBlockBytes / E;
    std::size_t lo = 0, hi = n;  // [lo, hi) is still to be reversed
    for (; hi - lo >= 2 * W; lo += W, hi -= W) {
        const Block a = loadBlock(p + lo * E);
        const Block b = loadBlock(p + (hi - W) * E);
        storeBlock(p + lo * E, reverse<E>(b));
        storeBlock(p + (hi - W) * E, reverse<E>(a));
    }
    unsigned char t[E];
    for (; hi - lo >= 2; ++lo, --hi) {
        std::memcpy(t, p + lo * E, E);
        std::memcpy(p + lo * E, p + (hi - 1) * E, E);
        std::memcpy(p + (hi - 1) * E, t, E);
    }
}

void flip(const void* src, void* dst, std::size_t count, std::size_t elemSize)
{
    auto* s = static_cast<const unsigned char*>(src);
    auto* d = static_cast<unsigned char*>(dst);
    switch (elemSize) {
    case 1: flipOut<1>(s, d, count); break;
    case 2: flipOut<2>(s, d, count); break;
    case 4: flipOut<4>(s, d, count); break;
    case 8: flipOut<8>(s, d, count); break;
    default: flipOut<16>(s, d, count); break;
    }
}

void flipInPlace(void* data, std::size_t count, std::size_t elemSize)
{
    auto* p = static_cast<unsigned char*>(data);
    switch (elemSize) {
    case 1: flipIn<1>(p, count); break;
    case 2: flipIn<2>(p, count); break;
    case 4: flipIn<4>(p, count); break;
    case 8: flipIn<8>(p, count); break;
    default: flipIn<16>(p, count); break;
    }
}

// ---- integer test signals -----------------------------------------------------
// Eight elements per step, computed in single precision, widened to double
// for rounding and clamping (exact, since every float is a double and every
// bound an integer), then narrowed to the type. A short tail runs through the
// same code into a small buffer, so every element gets identical arithmetic
// wherever it lies. Written with 256-bit registers; the AVX-512 row compiles
// the same code.

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

// ---- channel interleaving -----------------------------------------------------
// Each channel is converted in blocks into a small buffer and scattered to its
// interleaved slots; two and four channels interleave in registers instead.
// Tails run through the same vector conversion on a padded copy, so every
// sample gets identical arithmetic. The float-to-integer conversions round to
// nearest even: the kernels force that rounding mode for their duration and
// restore the caller's control word.

constexpr int kBlock = 64;  // samples per channel and pass; a multiple of 8

// ---- 8 floats -> 8 int16 --------------------------------------------------

inline __m128i packInt32(__m256i v) { return _mm_packs_epi32(_mm256_castsi256_si128(v), _mm256_extractf128_si256(v, 1)); }

// Nearest even with 16-bit saturation; NaN gives -32768.
struct Round16 {
    __m128i operator()(const float* p) const
    {
        __m256 x = _mm256_max_ps(_mm256_loadu_ps(p), _mm256_set1_ps(-32768.0f));
        x = _mm256_min_ps(x, _mm256_set1_ps(32767.0f));
        return packInt32(_mm256_cvtps_epi32(x));
    }
};

// Full scale: [-1, 1] onto [-32768, 32767] by x * 32767.5 - 0.5; NaN gives -32768.
struct Scaled16 {
    __m128i operator()(const float* p) const
    {
        __m256 x = _mm256_max_ps(_mm256_loadu_ps(p), _mm256_set1_ps(-1.0f));
        x = _mm256_min_ps(x, _mm256_set1_ps(1.0f));
        x = _mm256_sub_ps(_mm256_mul_ps(x, _mm256_set1_ps(32767.5f)), _mm256_set1_ps(0.5f));
        return packInt32(_mm256_cvtps_epi32(x));
    }
};

template <class Conv>
void convertRun(const float* s, Orv16s* d, int n, Conv conv)
{
    int i = 0;
    for (; n - i >= 8; i += 8) _mm_storeu_si128(reinterpret_cast<__m128i*>(d + i), conv(s + i));
    if (i < n) {
        float in[8] = {};
        Orv16s out[8];
        std::memcpy(in, s + i, static_cast<std::size_t>(n - i) * sizeof(float));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out), conv(in));
        std::memcpy(d + i, out, static_cast<std::size_t>(n - i) * sizeof(Orv16s));
    }
}

// Samples [begin, end) of every channel; N > 0 fixes the channel count at
// compile time so that the scatter stride is a constant.
template <int N, class Conv>
void joinStrided(const float* const* src, int nCh, int begin, int end, Orv16s* dst, Conv conv)
{
    const std::size_t ch = N > 0 ? static_cast<std::size_t>(N) : static_cast<std::size_t>(nCh);
    alignas(32) Orv16s tmp[kBlock];
    for (int i0 = begin, n = 0; i0 < end; i0 += n) {
        n = std::min(kBlock, end - i0);
        for (std::size_t c = 0; c < ch; ++c) {
            convertRun(src[c] + i0, tmp, n, conv);
            Orv16s* d = dst + static_cast<std::size_t>(i0) * ch + c;
            for (int i = 0; i < n; ++i) d[static_cast<std::size_t>(i) * ch] = tmp[i];
        }
    }
}

template <class Conv>
void join2(const float* const* src, int len, Orv16s* dst, Conv conv)
{
    int i = 0;
    for (; len - i >= 8; i += 8) {
        const __m128i a = conv(src[0] + i), b = conv(src[1] + i);
        __m128i* d = reinterpret_cast<__m128i*>(dst + 2 * static_cast<std::size_t>(i));
        _mm_storeu_si128(d, _mm_unpacklo_epi16(a, b));
        _mm_storeu_si128(d + 1, _mm_unpackhi_epi16(a, b));
    }
    joinStrided<2>(src, 2, i, len, dst, conv);
}

template <class Conv>
void join4(const float* const* src, int len, Orv16s* dst, Conv conv)
{
    int i = 0;
    for (; len - i >= 8; i += 8) {
        const __m128i a = conv(src[0] + i), b = conv(src[1] + i), c = conv(src[2] + i), e = conv(src[3] + i);
        const __m128i ab0 = _mm_unpacklo_epi16(a, b), ab1 = _mm_unpackhi_epi16(a, b);
        const __m128i ce0 = _mm_unpacklo_epi16(c, e), ce1 = _mm_unpackhi_epi16(c, e);
        __m128i* d = reinterpret_cast<__m128i*>(dst + 4 * static_cast<std::size_t>(i));
        _mm_storeu_si128(d, _mm_unpacklo_epi32(ab0, ce0));
        _mm_storeu_si128(d + 1, _mm_unpackhi_epi32(ab0, ce0));
        _mm_storeu_si128(d + 2, _mm_unpacklo_epi32(ab1, ce1));
        _mm_storeu_si128(d + 3, _mm_unpackhi_epi32(ab1, ce1));
    }
    joinStrided<4>(src, 4, i, len, dst, conv);
}

template <class Conv>
void join16(const float* const* src, int nCh, int len, Orv16s* dst, Conv conv)
{
    FpControlGuard guard(FpRound::Nearest);
    switch (nCh) {
    case 1: convertRun(src[0], dst, len, conv); break;
    case 2: join2(src, len, dst, conv); break;
    case 3: joinStrided<3>(src, 3, 0, len, dst, conv); break;
    case 4: join4(src, len, dst, conv); break;
    case 5: joinStrided<5>(src, 5, 0, len, dst, conv); break;
    case 6: joinStrided<6>(src, 6, 0, len, dst, conv); break;
    case 7: joinStrided<7>(src, 7, 0, len, dst, conv); break;
    default: joinStrided<0>(src, nCh, 0, len, dst, conv); break;
    }
}

// ---- 24-bit ------------------------------------------------------------------

// 4 floats -> 4 int32 in [-8388608, 8388607]: x * 8388607.5 - 0.5 in double
// (exact for every float), rounded to nearest even.
inline __m128i scaled24(const float* p)
{
    __m128 x = _mm_max_ps(_mm_loadu_ps(p), _mm_set1_ps(-1.0f));
    x = _mm_min_ps(x, _mm_set1_ps(1.0f));
    const __m256d y = _mm256_sub_pd(_mm256_mul_pd(_mm256_cvtps_pd(x), _mm256_set1_pd(8388607.5)), _mm256_set1_pd(0.5));
    return _mm256_cvtpd_epi32(y);
}

inline void put24(Orv8u* d, Orv32s v)
{
    const auto u = static_cast<Orv32u>(v);
    d[0] = static_cast<Orv8u>(u);
    d[1] = static_cast<Orv8u>(u >> 8);
    d[2] = static_cast<Orv8u>(u >> 16);
}

inline Orv32s get24(const Orv8u* s)
{
    const Orv32u u = static_cast<Orv32u>(s[0]) | (static_cast<Orv32u>(s[1]) << 8) | (static_cast<Orv32u>(s[2]) << 16);
    return static_cast<Orv32s>(u << 8) >> 8;  // sign-extend bit 23
}

// ---- splits ------------------------------------------------------------------

// y = x * (1 / 32767.5) + 0.5 / 32767.5 in single precision, 8 at a time.
inline void unscale16(const Orv16s* s, float* d)
{
    const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s));
    const __m128i lo = _mm_cvtepi16_epi32(x);
    const __m128i hi = _mm_cvtepi16_epi32(_mm_unpackhi_epi64(x, x));
    const __m256 f = _mm256_cvtepi32_ps(_mm256_insertf128_si256(_mm256_castsi128_si256(lo), hi, 1));
    const __m256 factor = _mm256_set1_ps(static_cast<float>(1.0 / 32767.5));
    const __m256 offset = _mm256_set1_ps(static_cast<float>(0.5 / 32767.5));
    _mm256_storeu_ps(d, _mm256_add_ps(_mm256_mul_ps(f, factor), offset));
}

// Double precision, rounded once to single.
inline void unscale24(const Orv32s* s, float* d)
{
    const __m256d x = _mm256_cvtepi32_pd(_mm_loadu_si128(reinterpret_cast<const __m128i*>(s)));
    const __m256d y = _mm256_add_pd(_mm256_mul_pd(x, _mm256_set1_pd(1.0 / 8388607.5)), _mm256_set1_pd(0.5 / 8388607.5));
    _mm_storeu_ps(d, _mm256_cvtpd_ps(y));
}

// Gathers channel c of samples [i0, i0+n) into a block, converts it with
// `unscale` (which takes `step` samples at a time) and writes the channel.
template <int N, class Sample, class Gather, class Unscale>
void splitStrided(int nCh, int len, Orv32f* const* dst, Gather gather, Unscale unscale, int step)
{
    const std::size_t ch = N > 0 ? static_cast<std::size_t>(N) : static_cast<std::size_t>(nCh);
    alignas(32) Sample tmp[kBlock];
    alignas(32) float out[kBlock];
    for (int i0 = 0, n = 0; i0 < len; i0 += n) {
        n = std::min(kBlock, len - i0);
        const int padded = (n + step - 1) / step * step;
        for (std::size_t c = 0; c < ch; ++c) {
            for (int i = 0; i < n; ++i) tmp[i] = gather(static_cast<std::size_t>(i0 + i) * ch + c);
            for (int i = n; i < padded; ++i) tmp[i] = 0;
            for (int i = 0; i < padded; i += step) unscale(tmp + i, out + i);
            std::memcpy(dst[c] + i0, out, static_cast<std::size_t>(n) * sizeof(float));
        }
    }
}

template <class Sample, class Gather, class Unscale>
void splitAny(int nCh, int len, Orv32f* const* dst, Gather gather, Unscale unscale, int step)
{
    FpControlGuard guard(FpRound::Nearest);
    switch (nCh) {
    case 1: splitStrided<1, Sample>(1, len, dst, gather, unscale, step); break;
    case 2: splitStrided<2, Sample>(2, len, dst, gather, unscale, step); break;
    case 3: splitStrided<3, Sample>(3, len, dst, gather, unscale, step); break;
    case 4: splitStrided<4, Sample>(4, len, dst, gather, unscale, step); break;
    default: splitStrided<0, Sample>(nCh, len, dst, gather, unscale, step); break;
    }
}

void join32f16s(const Orv32f* const* src, int nChannels, int chanLen, Orv16s* dst)
{
    join16(src, nChannels, chanLen, dst, Round16{});
}

void joinScaled32f16s(const Orv32f* const* src, int nChannels, int chanLen, Orv16s* dst)
{
    join16(src, nChannels, chanLen, dst, Scaled16{});
}

void joinScaled32f24s(const Orv32f* const* src, int nChannels, int chanLen, Orv8u* dst)
{
    FpControlGuard guard(FpRound::Nearest);
    const std::size_t ch = static_cast<std::size_t>(nChannels);
    alignas(32) Orv32s tmp[kBlock];
    for (int i0 = 0, n = 0; i0 < chanLen; i0 += n) {
        n = std::min(kBlock, chanLen - i0);
        for (std::size_t c = 0; c < ch; ++c) {
            const float* s = src[c] + i0;
            int i = 0;
            for (; n - i >= 4; i += 4) _mm_store_si128(reinterpret_cast<__m128i*>(tmp + i), scaled24(s + i));
            if (i < n) {
                float in[4] = {};
                std::memcpy(in, s + i, static_cast<std::size_t>(n - i) * sizeof(float));
                _mm_store_si128(reinterpret_cast<__m128i*>(tmp + i), scaled24(in));
            }
            Orv8u* d = dst + (static_cast<std::size_t>(i0) * ch + c) * 3;
            for (int k = 0; k < n; ++k) put24(d + static_cast<std::size_t>(k) * ch * 3, tmp[k]);
        }
    }
}

void splitScaled16s32f(const Orv16s* src, Orv32f* const* dst, int nChannels, int chanLen)
{
    splitAny<Orv16s>(nChannels, chanLen, dst, [src](std::size_t k) { return src[k]; }, unscale16, 8);
}

void splitScaled24s32f(const Orv8u* src, Orv32f* const* dst, int nChannels, int chanLen)
{
    splitAny<Orv32s>(nChannels, chanLen, dst, [src](std::size_t k) { return get24(src + 3 * k); }, unscale24, 4);
}

} // namespace

const KernelTable table = {
#define ORVS_VEC_ROW(name, params) &name,
    ORVS_VEC_KERNELS(ORVS_VEC_ROW)
#undef ORVS_VEC_ROW
#define ORVS_VEC_ROW(T) {&rampInt<T>, &slopeAccumulate<T>},
    ORVS_VEC_SIGNAL_TYPES(ORVS_VEC_ROW)
#undef ORVS_VEC_ROW
};

} // namespace orvs::vec::ORVS_TARGET
