// The window functions: argument checks in the family's order, the weights
// produced block by block (only the first half: every weight serves sample n
// and sample N-1-n), and the product kernels of the window family.
#pragma once
#include <algorithm>
#include <cmath>
#include <type_traits>

#include "core/check.h"
#include "gen/tone/phasor.h"
#include "gen/window/window_kernels.h"
#include "orvs/types.h"

namespace orvs::win {

enum class Kind { Bartlett, Hann, Hamming, Blackman, Kaiser };

using tone::kBlock;

// Weights w[n] for n = k .. k+m-1 of a window of length len, in blocks
// taken in order (the Bartlett lanes carry from block to block). W is float
// where the weight is rounded to single precision, double otherwise.
template <class W>
class Weights {
public:
    // beta: the Kaiser argument whose I0 normalises the weights.
    Weights(Kind kind, int len, double alpha, double beta = 0);
    void fill(int k, int m, W* w);

private:
    Kind kind_;
    int len_;
    double alpha_;
    W lanes_[4], laneStep_;   // Bartlett: four running sums
    double theta_;            // cosine series
    tone::Steps steps_;
    double inv_;              // Kaiser: 1 / I0(beta)
};
extern template class Weights<float>;
extern template class Weights<double>;

// I0 by the Abramowitz and Stegun polynomials.
double besselI0(double x);

// Per sample type: the part type, parts per element, and the product
// kernels for single- and double-precision weights.
template <class T> struct Sample;
template <> struct Sample<Orv64f> { using P = double; static constexpr int parts = 1; using W = double; };
template <> struct Sample<Orv64fc> { using P = double; static constexpr int parts = 2; using W = double; };
template <> struct Sample<Orv32f> { using P = float; static constexpr int parts = 1; using W = float; };
template <> struct Sample<Orv32fc> { using P = float; static constexpr int parts = 2; using W = float; };
template <> struct Sample<Orv16s> { using P = Orv16s; static constexpr int parts = 1; using W = float; };
template <> struct Sample<Orv16sc> { using P = Orv16s; static constexpr int parts = 2; using W = float; };

// Samples k .. k+m-1 and len-1-k .. len-k-m times w[0 .. m-1]; the scaled
// 16-bit product when factor is not 1.
template <class T, class W>
inline void multiplyEnds(const T* src, T* dst, int len, int k, const W* w, int m, double factor)
{
    using P = typename Sample<T>::P;
    constexpr bool cplx = Sample<T>::parts == 2;
    const KernelTable& K = kernels();
    const P* s = reinterpret_cast<const P*>(src);
    P* d = reinterpret_cast<P*>(dst);
    if constexpr (std::is_same_v<P, double>) (cplx ? K.ends_64fc : K.ends_64f)(s, d, len, k, w, m);
    else if constexpr (std::is_same_v<P, float> && std::is_same_v<W, float>) (cplx ? K.ends_32fc : K.ends_32f)(s, d, len, k, w, m);
    else if constexpr (std::is_same_v<P, float>) (cplx ? K.ends_32fc64f : K.ends_32f64f)(s, d, len, k, w, m);
    else if constexpr (std::is_same_v<W, double>) (cplx ? K.ends_16sc64f : K.ends_16s64f)(s, d, len, k, w, m);
    else if (factor != 1.0) K.ends_16s32f_Sfs(s, d, len, k, w, m, factor);
    else (cplx ? K.ends_16sc32f : K.ends_16s32f)(s, d, len, k, w, m);
}

// Weights n = 0 .. len/2 - 1 multiply samples n and len-1-n; the middle
// sample of an odd length is copied.
template <class T, class W>
void applyWindow(const T* pSrc, T* pDst, int len, Weights<W>& weights, double factor = 1.0)
{
    alignas(64) W w[kBlock];
    const int half = len / 2;
    for (int k = 0; k < half; k += kBlock) {
        const int m = std::min(kBlock, half - k);
        weights.fill(k, m, w);
        multiplyEnds(pSrc, pDst, len, k, w, m, factor);
    }
    if ((len & 1) && pSrc != pDst) pDst[half] = pSrc[half];
}

template <class T, class W = typename Sample<T>::W>
OrvStatus windowRun(const T* pSrc, T* pDst, int len, int minLen, Kind kind, double alpha, double factor = 1.0)
{
    ORVS_CHECK(check::pointers(pSrc, pDst));
    if (len < minLen) return orvStsErrSize;
    Weights<W> weights(kind, len, alpha);
    applyWindow(pSrc, pDst, len, weights, factor);
    return orvStsOk;
}

// ---- the families ------------------------------------------------------------

template <class T> OrvStatus bartlett(const T* s, T* d, int len) { return windowRun(s, d, len, 3, Kind::Bartlett, 0); }
template <class T> OrvStatus hann(const T* s, T* d, int len) { return windowRun(s, d, len, 3, Kind::Hann, 0); }
template <class T> OrvStatus hamming(const T* s, T* d, int len) { return windowRun(s, d, len, 3, Kind::Hamming, 0); }

// The Blackman parameter in the precision of the weights.
template <class T> using Alpha = std::conditional_t<std::is_same_v<typename Sample<T>::W, double>, double, float>;

template <class T, class A>
OrvStatus blackman(const T* s, T* d, int len, A alpha)
{
    return windowRun(s, d, len, 3, Kind::Blackman, static_cast<Alpha<T>>(alpha));
}

template <class T>
OrvStatus blackmanStd(const T* s, T* d, int len)
{
    return windowRun(s, d, len, 3, Kind::Blackman, static_cast<Alpha<T>>(-0.16));
}

// The length comes before the pointers here: the parameter needs N >= 4.
template <class T>
OrvStatus blackmanOpt(const T* s, T* d, int len)
{
    if (len < 4) return orvStsErrSize;
    const double c = 0.5 / std::cos(tone::kTwoPi / 2.0 / (len - 1));
    return windowRun(s, d, len, 4, Kind::Blackman, static_cast<Alpha<T>>(-(c * c)));
}

template <class T>
OrvStatus blackmanQ15(const T* s, T* d, int len, int alphaQ15)
{
    return windowRun(s, d, len, 3, Kind::Blackman, static_cast<float>(alphaQ15) * (1.0f / 32768.0f));
}

// The product times 2^-scaleFactor; beyond +-1000 every product rounds to 0
// or saturates exactly as at +-1000, where the factor is still a double.
inline OrvStatus blackmanQ15Sfs(const Orv16s* s, Orv16s* d, int len, int alphaQ15, int scaleFactor)
{
    const int sf = std::clamp(scaleFactor, -1000, 1000);
    return windowRun(s, d, len, 3, Kind::Blackman, static_cast<float>(alphaQ15) * (1.0f / 32768.0f), std::ldexp(1.0, -sf));
}

// Kaiser: weights in double precision for every sample type. beta =
// |alpha| (N-1) / 2, with (N-1) alpha formed in single precision for the
// single-precision samples, must stay within the range I0 can be evaluated
// in that precision.
template <class T>
OrvStatus kaiserRun(const T* s, T* d, int len, double alpha, double beta, double limit)
{
    ORVS_CHECK(check::pointers(s, d));
    if (len < 1) return orvStsErrSize;
    if (beta > limit) return orvStsErrKaiserAlpha;
    Weights<double> weights(Kind::Kaiser, len, alpha, beta);
    applyWindow(s, d, len, weights);
    return orvStsOk;
}

template <class T, class A>
OrvStatus kaiser(const T* s, T* d, int len, A alpha)
{
    if constexpr (std::is_same_v<typename Sample<T>::P, float>) {
        const float product = static_cast<float>(static_cast<double>(len) - 1.0) * alpha;
        return kaiserRun(s, d, len, alpha, std::fabs(static_cast<double>(product)) / 2.0, 38.0);
    } else {
        return kaiserRun(s, d, len, alpha, std::fabs(static_cast<double>(alpha)) * (len - 1.0) / 2.0, 308.0);
    }
}

template <class T>
OrvStatus kaiserQ15(const T* s, T* d, int len, int alphaQ15)
{
    return kaiser(s, d, len, alphaQ15 / 32768.0);
}

} // namespace orvs::win
