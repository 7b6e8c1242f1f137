// Kernels of the bitwise family. One source (bitwise_kernels.cpp) is compiled
// for AVX, for AVX2 and for AVX-512; the entries call through the row chosen
// once for the process. Every kernel takes any length >= 1 and any
// alignment, and accepts the destination equal to a source.
#pragma once
#include <cstddef>
#include <cstdint>

#include "orvs/types.h"

namespace orvs::bits {

enum class Logic : int { And, Or, Xor };
// Left, logical right, arithmetic right; counts below the element width.
enum class Shift : int { Left, Right, RightArith };

#define ORVS_BITS_KERNELS(X)                                                                        \
    /* d = a op b over whole bytes: the logical operations do not see element borders */          \
    X(logic, (Logic op, const void* a, const void* b, void* d, std::size_t bytes))                 \
    /* d = a op c, c the element constant repeated to 32 bits (byte k uses byte k mod 4) */       \
    X(logicC, (Logic op, const void* a, std::uint32_t pattern, void* d, std::size_t bytes))        \
    X(shift8, (Shift kind, const Orv8u* s, Orv8u* d, int n, int count))                            \
    X(shift16, (Shift kind, const Orv16u* s, Orv16u* d, int n, int count))                         \
    X(shift32, (Shift kind, const Orv32u* s, Orv32u* d, int n, int count))                         \
    /* reversal of the bytes of every element; 24: three-byte elements */                         \
    X(swap16, (const Orv16u* s, Orv16u* d, int n))                                                 \
    X(swap24, (const Orv8u* s, Orv8u* d, int n))                                                   \
    X(swap32, (const Orv32u* s, Orv32u* d, int n))                                                 \
    X(swap64, (const Orv64u* s, Orv64u* d, int n))

#define ORVS_BITS_MEMBER(name, params) void(*name) params;
struct KernelTable {
    ORVS_BITS_KERNELS(ORVS_BITS_MEMBER)
};
#undef ORVS_BITS_MEMBER

namespace avx { extern const KernelTable table; }
namespace avx2 { extern const KernelTable table; }
namespace avx512 { extern const KernelTable table; }

const KernelTable& kernels();

} // namespace orvs::bits
