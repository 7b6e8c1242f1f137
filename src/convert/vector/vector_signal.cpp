// Test signals: the Jaehne chirp, Ramp (rounded half away from zero) and
// Slope (rounded to nearest even, saturated tails filled directly).
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <limits>
#include <type_traits>

#include "convert/vector/vector_kernels.h"
#include "core/check.h"
#include "core/saturate.h"
#include "orvs/vector.h"

namespace orvs::vec {
namespace {

constexpr double kHalfPi = 1.5707963267948966;

template <class T>
void fillValue(T* dst, std::size_t n, T v)
{
    if constexpr (sizeof(T) == 1) {
        unsigned char b;
        std::memcpy(&b, &v, 1);
        std::memset(dst, b, n);
    } else {
        kernels().fillPattern(dst, &v, sizeof(T), n * sizeof(T));
    }
}

template <class T>
OrvStatus jaehne(T* dst, int len, T magn)
{
    ORVS_CHECK(check::vectors(len, dst));
    if (magn < T(0)) return orvStsErrJaehneMagnitude;
    if (len == 1) {
        dst[0] = T(0);
        return orvStsOk;
    }
    const double m = static_cast<double>(magn);
    const double l = static_cast<double>(len);
    for (int n = 0; n < len; ++n) {
        const double v = m * std::sin(kHalfPi * n * n / l);
        if constexpr (std::is_floating_point_v<T>)
            dst[n] = static_cast<T>(v);
        else  // |v| <= magn; unsigned types clamp the negative half-waves at 0
            dst[n] = saturate<T>(roundHalfAway(v));
    }
    return orvStsOk;
}

template <class T>
OrvStatus ramp(T* dst, int len, float offset, float slope)
{
    ORVS_CHECK(check::vectors(len, dst));
    if constexpr (std::is_same_v<T, Orv32f>) {
        for (int n = 0; n < len; ++n) dst[n] = offset + slope * static_cast<float>(n);
    } else if constexpr (std::is_same_v<T, Orv64f>) {
        const double o = offset, s = slope;
        for (int n = 0; n < len; ++n) dst[n] = o + s * n;
    } else {
        signalKernels<T>().ramp(dst, 0, len, offset, slope);
    }
    return orvStsOk;
}

// First index at which the line has left the type's range, within [0, INT_MAX].
inline int exitIndex(double bound, double offset, double reciprocal)
{
    const double i = std::trunc(1.0 + (bound - offset) * reciprocal);
    if (!(i > 0.0)) return 0;
    return i >= static_cast<double>(INT_MAX) ? INT_MAX : static_cast<int>(i);
}

template <class T>
OrvStatus slopeLine(T* dst, int len, double offset, double slope)
{
    ORVS_CHECK(check::vectors(len, dst));
    if constexpr (std::is_floating_point_v<T>) {
        for (int n = 0; n < len; ++n) dst[n] = static_cast<T>(offset + slope * n);
    } else {
        constexpr double lo = static_cast<double>(std::numeric_limits<T>::min());
        constexpr double hi = static_cast<double>(std::numeric_limits<T>::max());
        if (slope == 0.0) {
            fillValue(dst, static_cast<std::size_t>(len), saturate<T>(roundHalfAway(offset)));
            return orvStsOk;
        }
        const double r = 1.0 / slope;
        int head = len;
        if (slope > 0.0) {
            head = std::min(len, exitIndex(hi, offset, r));
            if (head < len) fillValue(dst + head, static_cast<std::size_t>(len - head), std::numeric_limits<T>::max());
        } else {
            head = std::min(len, exitIndex(lo, offset, r));
            if (head < len) fillValue(dst + head, static_cast<std::size_t>(len - head), std::numeric_limits<T>::min());
        }
        if (head > 0) signalKernels<T>().slope(dst, head, static_cast<float>(offset), static_cast<float>(slope));
    }
    return orvStsOk;
}

} // namespace
} // namespace orvs::vec

using namespace orvs;

#define ORVS_VEC_SIGNALS(code, T)                                                                          \
    ORVS_API OrvStatus orvsVectorJaehne_##code(T* pDst, int len, T magn) { return vec::jaehne(pDst, len, magn); } \
    ORVS_API OrvStatus orvsVectorRamp_##code(T* pDst, int len, Orv32f offset, Orv32f slope)                \
    { return vec::ramp(pDst, len, offset, slope); }                                                        \
    ORVS_API OrvStatus orvsVectorSlope_##code(T* pDst, int len, Orv64f offset, Orv64f slope)               \
    { return vec::slopeLine(pDst, len, offset, slope); }

extern "C" {
ORVS_VEC_SIGNALS(8u, Orv8u)
ORVS_VEC_SIGNALS(8s, Orv8s)
ORVS_VEC_SIGNALS(16u, Orv16u)
ORVS_VEC_SIGNALS(16s, Orv16s)
ORVS_VEC_SIGNALS(32u, Orv32u)
ORVS_VEC_SIGNALS(32s, Orv32s)
ORVS_VEC_SIGNALS(32f, Orv32f)
ORVS_VEC_SIGNALS(64f, Orv64f)
}
