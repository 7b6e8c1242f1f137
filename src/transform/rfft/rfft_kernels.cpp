// Recombination passes of the real FFT, compiled once per instruction-set
// target (the build defines ORVS_TARGET); targets with FMA fuse the
// products. See rfft_engine.h for the table layout and rfft_kernels.h for
// the contract.
//
// Each block takes kLanes values k, k+1, ... from the front half of the
// spectrum and their mirrors N/2-k, N/2-k-1, ... from the back half, so one
// pass streams the array from both ends. Blocks cover k = 1 .. N/4; the
// last block's last lane meets its own mirror (k = N/4), where both lanes
// compute the same value and store it to the same place.
#include <immintrin.h>

#include "core/simd/wide_vec.h"
#include "transform/rfft/rfft_kernels.h"

namespace orvs::rfft::ORVS_TARGET {

namespace {

// Fused where the target has FMA (the shared 256-bit helpers).
using simd::lanes256::fmadd;
using simd::lanes256::fmsub;

// Reverse the order of the complex values in a register.
inline __m256 reverseComplex(__m256 v)
{
    v = _mm256_permute2f128_ps(v, v, 0x01);
    return _mm256_permute_ps(v, _MM_SHUFFLE(1, 0, 3, 2));
}
inline __m256d reverseComplex(__m256d v) { return _mm256_permute2f128_pd(v, v, 0x01); }

// Split two registers of interleaved complex values into real and imaginary
// lanes, and back. Lane order (float): k+0,1,4,5,2,3,6,7; (double) k+0,2,1,3.
struct Split32 {
    __m256 re, im;
};
inline Split32 split(__m256 lo, __m256 hi)
{
    return {_mm256_shuffle_ps(lo, hi, 0x88), _mm256_shuffle_ps(lo, hi, 0xDD)};
}
inline void join(__m256 re, __m256 im, __m256& lo, __m256& hi)
{
    lo = _mm256_unpacklo_ps(re, im);
    hi = _mm256_unpackhi_ps(re, im);
}
struct Split64 {
    __m256d re, im;
};
inline Split64 split(__m256d lo, __m256d hi) { return {_mm256_unpacklo_pd(lo, hi), _mm256_unpackhi_pd(lo, hi)}; }
inline void join(__m256d re, __m256d im, __m256d& lo, __m256d& hi)
{
    lo = _mm256_unpacklo_pd(re, im);
    hi = _mm256_unpackhi_pd(re, im);
}

inline __m256 loadu(const float* p) { return _mm256_loadu_ps(p); }
inline __m256d loadu(const double* p) { return _mm256_loadu_pd(p); }
inline void storeu(float* p, __m256 v) { _mm256_storeu_ps(p, v); }
inline void storeu(double* p, __m256d v) { _mm256_storeu_pd(p, v); }
inline __m256 broadcast(float f) { return _mm256_set1_ps(f); }
inline __m256d broadcast(double f) { return _mm256_set1_pd(f); }
inline __m256 add(__m256 a, __m256 b) { return _mm256_add_ps(a, b); }
inline __m256d add(__m256d a, __m256d b) { return _mm256_add_pd(a, b); }
inline __m256 sub(__m256 a, __m256 b) { return _mm256_sub_ps(a, b); }
inline __m256d sub(__m256d a, __m256d b) { return _mm256_sub_pd(a, b); }
inline __m256 mul(__m256 a, __m256 b) { return _mm256_mul_ps(a, b); }
inline __m256d mul(__m256d a, __m256d b) { return _mm256_mul_pd(a, b); }

template <class T>
struct Vec;
template <>
struct Vec<float> {
    using type = __m256;
};
template <>
struct Vec<double> {
    using type = __m256d;
};

// Forward: X[k] = 1/2 (Z[k] + conj Z[j]) - 1/2 i exp(-i t)(Z[k] - conj Z[j]),
// j = N/2 - k, written with d = Re a - Re b, s = Im a + Im b, a = Z[k], b = Z[j]:
//   P = B d + A s, Q = B s - A d,
//   X[k] = (Re b + P, Q - Im b), X[j] = (Re a - P, Q - Im a).
template <class T, bool Scaled>
void forwardRecombine(T* z, const T* table, int n, T f)
{
    using V = typename Vec<T>::type;
    constexpr int W = sizeof(V) / sizeof(T);  // complex values per block
    constexpr int C = W / 2;                  // complex values per register

    const T re0 = z[0] + z[1];
    const T reHalf = z[0] - z[1];
    z[0] = Scaled ? re0 * f : re0;
    z[1] = Scaled ? reHalf * f : reHalf;

    const V vf = broadcast(f);
    const int quarter = n / 4;
    for (int k = 1; k <= quarter; k += W, table += 2 * W) {
        const int j = n / 2 - k;
        T* pa = z + 2 * k;
        T* pb = z + 2 * (j - (W - 1));
        const V a0 = loadu(pa), a1 = loadu(pa + 2 * C);
        const V b0 = reverseComplex(loadu(pb + 2 * C));
        const V b1 = reverseComplex(loadu(pb));
        const auto a = split(a0, a1);
        const auto b = split(b0, b1);
        const V A = loadu(table), B = loadu(table + W);
        const V d = sub(a.re, b.re);
        const V s = add(a.im, b.im);
        const V P = fmadd(B, d, mul(A, s));
        const V Q = fmsub(B, s, mul(A, d));
        V kr = add(b.re, P), ki = sub(Q, b.im);
        V jr = sub(a.re, P), ji = sub(Q, a.im);
        if constexpr (Scaled) {
            kr = mul(kr, vf);
            ki = mul(ki, vf);
            jr = mul(jr, vf);
            ji = mul(ji, vf);
        }
        V k0, k1, j0, j1;
        join(kr, ki, k0, k1);
        join(jr, ji, j0, j1);
        storeu(pa, k0);
        storeu(pa + 2 * C, k1);
        storeu(pb + 2 * C, reverseComplex(j0));
        storeu(pb, reverseComplex(j1));
    }
}

// Inverse: with a = X[k], b = X[j], u = a + conj b, v = a - conj b,
//   P = cos t Im v + sin t Re v, Q = cos t Re v - sin t Im v,
//   Z[k] = (Re u - P, Im u + Q), Z[j] = (Re u + P, Q - Im u),
// twice the half-length spectrum.
template <class T, bool Scaled>
void inverseRecombine(const T* x, T* z, const T* table, int n, T re0, T reHalf, T f)
{
    using V = typename Vec<T>::type;
    constexpr int W = sizeof(V) / sizeof(T);
    constexpr int C = W / 2;

    const V vf = broadcast(f);
    const int quarter = n / 4;
    for (int k = 1; k <= quarter; k += W, table += 2 * W) {
        const int j = n / 2 - k;
        const int ia = 2 * k;
        const int ib = 2 * (j - (W - 1));
        const V a0 = loadu(x + ia), a1 = loadu(x + ia + 2 * C);
        const V b0 = reverseComplex(loadu(x + ib + 2 * C));
        const V b1 = reverseComplex(loadu(x + ib));
        const auto a = split(a0, a1);
        const auto b = split(b0, b1);
        const V cs = loadu(table), sn = loadu(table + W);
        const V ur = add(a.re, b.re), ui = sub(a.im, b.im);
        const V vr = sub(a.re, b.re), vi = add(a.im, b.im);
        const V P = fmadd(cs, vi, mul(sn, vr));
        const V Q = fmsub(cs, vr, mul(sn, vi));
        V kr = sub(ur, P), ki = add(ui, Q);
        V jr = add(ur, P), ji = sub(Q, ui);
        if constexpr (Scaled) {
            kr = mul(kr, vf);
            ki = mul(ki, vf);
            jr = mul(jr, vf);
            ji = mul(ji, vf);
        }
        V k0, k1, j0, j1;
        join(kr, ki, k0, k1);
        join(jr, ji, j0, j1);
        storeu(z + ia, k0);
        storeu(z + ia + 2 * C, k1);
        storeu(z + ib + 2 * C, reverseComplex(j0));
        storeu(z + ib, reverseComplex(j1));
    }
    const T y0 = re0 + reHalf;
    const T y1 = re0 - reHalf;
    z[0] = Scaled ? y0 * f : y0;
    z[1] = Scaled ? y1 * f : y1;
}

}  // namespace

const KernelTable table = {
    {forwardRecombine<float, false>, forwardRecombine<float, true>, inverseRecombine<float, false>,
     inverseRecombine<float, true>},
    {forwardRecombine<double, false>, forwardRecombine<double, true>, inverseRecombine<double, false>,
     inverseRecombine<double, true>},
};

}  // namespace orvs::rfft::ORVS_TARGET
