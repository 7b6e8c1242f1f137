// Channel interleaving kernels. Each channel is converted in blocks into a
// small buffer and scattered to its interleaved slots; two and four channels
// interleave in registers instead. Tails run through the same vector
// conversion on a padded copy, so every sample gets identical arithmetic.
// The float-to-integer conversions round to nearest even: the kernels force
// that rounding mode for their duration and restore the caller's control word.
#include <immintrin.h>

#include <algorithm>
#include <cstring>

#include "convert/vector/vector_kernels.h"
#include "core/fpguard.h"

namespace orvs::vec {
namespace {

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

} // namespace

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

} // namespace orvs::vec
