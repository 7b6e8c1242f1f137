// Conversion kernels. The loops live in convert_kernels.inc, compiled once
// for the AVX baseline (namespace avx), once for AVX2/FMA/F16C (namespace
// avx2) and once for AVX-512 F/BW/DQ/VL (namespace avx512); the entries pick
// one set at run time. Only declarations and plain types are here, so no
// inline code compiled for a wider set can leak into a narrower one through
// the linker.
#pragma once
#include <cstddef>
#include <cstdint>
#include <limits>

#include "orvs/types.h"

namespace orvs::convert {

// Rounding of floating values to integers.
enum class Rnd : int { Zero, Near, Away };

// Element tags for formats without a C type of their own.
struct Int24s {};  // packed, 3 bytes, two's complement
struct Int24u {};  // packed, 3 bytes, unsigned
struct Half {};    // IEEE binary16 bit pattern

template <class T> struct Storage { using type = T; };
template <> struct Storage<Int24s> { using type = Orv8u; };
template <> struct Storage<Int24u> { using type = Orv8u; };
template <> struct Storage<Half> { using type = Orv16f; };
template <class T> using Store = typename Storage<T>::type;

// Integer range of a destination, as 64-bit values.
template <class T> struct Range {
    static constexpr std::int64_t min = static_cast<std::int64_t>(std::numeric_limits<T>::min());
    static constexpr std::int64_t max = static_cast<std::int64_t>(std::numeric_limits<T>::max());
};
template <> struct Range<Int24s> { static constexpr std::int64_t min = -8388608, max = 8388607; };
template <> struct Range<Int24u> { static constexpr std::int64_t min = 0, max = 16777215; };
template <> struct Range<Orv32u> { static constexpr std::int64_t min = 0, max = 4294967295LL; };

using Count = std::ptrdiff_t;

// widen:        exact or IEEE-rounded element conversion (S -> D).
// scaleToFloat: integer S converted to float D and multiplied by factor.
// floatToInt:   S (float, double or Half) times factor, rounded by mode,
//               saturated to D; NaN gives the maximum of D.
// narrowInt:    integer S times 2^-s, rounded by mode (s > 0), saturated to D.
// toHalf:       S (Orv16s or Orv32f) to binary16, nearest-even or truncated.
#define ORVS_CONVERT_DECLARE_KERNELS                                                                      \
    template <class S, class D> void widen(const Store<S>* src, Store<D>* dst, Count n);                  \
    template <class S, class D> void scaleToFloat(const S* src, D* dst, Count n, D factor);               \
    template <class S, class D>                                                                           \
    void floatToInt(const Store<S>* src, Store<D>* dst, Count n, Rnd mode, float factor);                 \
    template <class S, class D> void narrowInt(const Store<S>* src, Store<D>* dst, Count n, Rnd mode, int s); \
    template <class S> void toHalf(const S* src, Orv16f* dst, Count n, bool nearest);

namespace avx { ORVS_CONVERT_DECLARE_KERNELS }
namespace avx2 { ORVS_CONVERT_DECLARE_KERNELS }
namespace avx512 { ORVS_CONVERT_DECLARE_KERNELS }

} // namespace orvs::convert
