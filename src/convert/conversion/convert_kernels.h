// Conversion kernels. The loops live in convert_kernels.cpp, compiled once
// per instruction-set target; the entries reach them through the table row
// chosen once for the process. Only declarations and plain types are here,
// so no inline code compiled for a wider set can leak into a narrower one
// through the linker.
#pragma once
#include <cstddef>
#include <cstdint>
#include <limits>

#include "core/saturate.h"
#include "core/vocabulary.h"
#include "orvs/types.h"

namespace orvs::convert {

// Element tags for formats without a C type of their own.
struct Int24s {};  // packed, 3 bytes, two's complement
struct Int24u {};  // packed, 3 bytes, unsigned
struct Half {};    // IEEE binary16 bit pattern

template <class T> struct Storage { using type = T; };
template <> struct Storage<Int24s> { using type = Orv8u; };
template <> struct Storage<Int24u> { using type = Orv8u; };
template <> struct Storage<Half> { using type = Orv16f; };
template <class T> using Store = typename Storage<T>::type;

} // namespace orvs::convert

// The ranges of the packed 24-bit formats, beside those of the C types.
namespace orvs {
template <> struct IntRange<convert::Int24s> { static constexpr std::int64_t min = -8388608, max = 8388607; };
template <> struct IntRange<convert::Int24u> { static constexpr std::int64_t min = 0, max = 16777215; };
} // namespace orvs

namespace orvs::convert {

using Count = std::ptrdiff_t;

// widen:        exact or IEEE-rounded element conversion (S -> D).
// scaleToFloat: integer S converted to float D and multiplied by factor.
// floatToInt:   S (float, double or Half) times factor, rounded by mode,
//               saturated to D; NaN gives the maximum of D.
// narrowInt:    integer S times 2^-s, rounded by mode (s > 0), saturated to D.
// toHalf:       S (Orv16s or Orv32f) to binary16, nearest-even or truncated.
// Each list names the (source, destination) pairs the entries use.
#define ORVS_CONVERT_WIDEN(X)                                                                      \
    X(Orv8s, Orv16s) X(Orv8s, Orv32f) X(Orv8u, Orv32f) X(Orv16s, Orv32s) X(Orv16s, Orv32f)        \
    X(Orv16u, Orv32f) X(Orv32s, Orv64f) X(Orv16s, Orv64f) X(Orv32f, Orv64f) X(Int24u, Orv32u)     \
    X(Int24s, Orv32s) X(Int24u, Orv32f) X(Int24s, Orv32f) X(Half, Orv32f) X(Orv32s, Orv32f)       \
    X(Orv64s, Orv64f) X(Orv64f, Orv32f)
#define ORVS_CONVERT_SCALE(X) X(Orv16s, Orv32f) X(Orv16s, Orv64f) X(Orv32s, Orv32f) X(Orv32s, Orv64f)
#define ORVS_CONVERT_FLOAT_TO_INT(X)                                                               \
    X(Orv32f, Orv8s) X(Orv32f, Orv8u) X(Orv32f, Orv16s) X(Orv32f, Orv16u) X(Orv32f, Orv32s)       \
    X(Orv32f, Int24s) X(Orv32f, Int24u) X(Orv64f, Orv16s) X(Orv64f, Orv32s) X(Orv64f, Orv64s)     \
    X(Half, Orv16s)
#define ORVS_CONVERT_NARROW(X) \
    X(Orv32s, Orv16s) X(Orv32s, Int24s) X(Orv32u, Int24u) X(Orv16s, Orv8s) X(Orv64s, Orv32s)
#define ORVS_CONVERT_TO_HALF(X) X(Orv16s, Half) X(Orv32f, Half)

struct KernelTable {
#define ORVS_MEMBER(S, D) void (*widen_##S##_##D)(const Store<S>*, Store<D>*, Count);
    ORVS_CONVERT_WIDEN(ORVS_MEMBER)
#undef ORVS_MEMBER
#define ORVS_MEMBER(S, D) void (*scale_##S##_##D)(const S*, D*, Count, D);
    ORVS_CONVERT_SCALE(ORVS_MEMBER)
#undef ORVS_MEMBER
#define ORVS_MEMBER(S, D) void (*floatToInt_##S##_##D)(const Store<S>*, Store<D>*, Count, Rnd, float);
    ORVS_CONVERT_FLOAT_TO_INT(ORVS_MEMBER)
#undef ORVS_MEMBER
#define ORVS_MEMBER(S, D) void (*narrow_##S##_##D)(const Store<S>*, Store<D>*, Count, Rnd, int);
    ORVS_CONVERT_NARROW(ORVS_MEMBER)
#undef ORVS_MEMBER
#define ORVS_MEMBER(S, D) void (*toHalf_##S)(const S*, Orv16f*, Count, bool);
    ORVS_CONVERT_TO_HALF(ORVS_MEMBER)
#undef ORVS_MEMBER
};

namespace avx { extern const KernelTable table; }
namespace avx2 { extern const KernelTable table; }
namespace avx512 { extern const KernelTable table; }

// The row of this process (core/dispatch.h).
const KernelTable& kernels();

// The table member of each kernel, by kind and type pair: Slot<Kind, S, D>::member.
enum class Kind { Widen, Scale, FloatToInt, Narrow, ToHalf };
template <Kind K, class S, class D> struct Slot;
#define ORVS_SLOT_WIDEN(S, D) template <> struct Slot<Kind::Widen, S, D> { static constexpr auto member = &KernelTable::widen_##S##_##D; };
#define ORVS_SLOT_SCALE(S, D) template <> struct Slot<Kind::Scale, S, D> { static constexpr auto member = &KernelTable::scale_##S##_##D; };
#define ORVS_SLOT_F2I(S, D) template <> struct Slot<Kind::FloatToInt, S, D> { static constexpr auto member = &KernelTable::floatToInt_##S##_##D; };
#define ORVS_SLOT_NARROW(S, D) template <> struct Slot<Kind::Narrow, S, D> { static constexpr auto member = &KernelTable::narrow_##S##_##D; };
#define ORVS_SLOT_HALF(S, D) template <> struct Slot<Kind::ToHalf, S, D> { static constexpr auto member = &KernelTable::toHalf_##S; };
ORVS_CONVERT_WIDEN(ORVS_SLOT_WIDEN)
ORVS_CONVERT_SCALE(ORVS_SLOT_SCALE)
ORVS_CONVERT_FLOAT_TO_INT(ORVS_SLOT_F2I)
ORVS_CONVERT_NARROW(ORVS_SLOT_NARROW)
ORVS_CONVERT_TO_HALF(ORVS_SLOT_HALF)
#undef ORVS_SLOT_WIDEN
#undef ORVS_SLOT_SCALE
#undef ORVS_SLOT_F2I
#undef ORVS_SLOT_NARROW
#undef ORVS_SLOT_HALF

// Calls the kernel of kind K for the pair (S, D) from this process's row.
template <Kind K, class S, class D, class... A>
inline void run(A... args)
{
    (kernels().*Slot<K, S, D>::member)(args...);
}

} // namespace orvs::convert
