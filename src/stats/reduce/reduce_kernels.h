// Kernels of the reductions family. One source (reduce_kernels.cpp) is
// compiled for AVX, for AVX2/FMA and for AVX-512; the engine calls through
// the row chosen once for the process. Every kernel accepts any length >= 1
// (counts are in base elements unless said otherwise) and any alignment.
#pragma once
#include <cstdint>

#include "orvs/types.h"

namespace orvs::stats {

using i128 = __int128;

// Norm kinds shared by the engine and the kernels.
enum NormKind : int { kInf = 0, kL1 = 1, kL2 = 2 };
// Float dot-product layouts: real by real, complex by complex, real by complex.
enum DotMode : int { kRR = 0, kCC = 1, kRC = 2 };

// X(name, result, parameter list). The extrema and bit-pattern kernels
// report a condition, the searches a position; all others return nothing.
#define ORVS_STATS_KERNELS(X)                                                                        \
    /* sums of the even and of the odd elements: accurate (double per element) or */                 \
    /* fast (single-precision lanes, added in double every `block` elements) */                      \
    X(sumF32, void, (const float* p, long n, bool fast, long block, double out[2]))                         \
    /* S = sum x, Q = sum x^2, both in double */                                                      \
    X(sumSqF32, void, (const float* p, long n, double* s, double* q))                                       \
    /* Inf: max |a-b|, L1: sum |a-b|, L2: sum (a-b)^2; b null reads as zeros; in double */           \
    X(normF32, void, (const float* a, const float* b, long n, int kind, double* out))                       \
    X(normF64, void, (const double* a, const double* b, long n, int kind, double* out))                     \
    /* dot products in single or in double precision; n in complex elements for kCC and kRC */      \
    X(dotF32, void, (const float* a, const float* b, long n, int mode, float out[2]))                       \
    X(dotF32D, void, (const float* a, const float* b, long n, int mode, double out[2]))                     \
    /* smallest and largest element; true when a NaN was met (the values are then unspecified) */    \
    X(extremaF32, bool, (const float* p, long n, float* mn, float* mx))                                     \
    X(extremaF64, bool, (const double* p, long n, double* mn, double* mx))                                  \
    /* first position holding v (==), or n */                                                     \
    X(findF32, long, (const float* p, long n, float v))                                               \
    X(findF64, long, (const double* p, long n, double v))                                             \
    X(find16s, long, (const Orv16s* p, long n, Orv16s v))                                             \
    X(extrema16s, void, (const Orv16s* p, long n, Orv16s* mn, Orv16s* mx))                                  \
    /* smallest and largest magnitude, |-32768| = 32768 */                                           \
    X(absExtrema16s, void, (const Orv16s* p, long n, int* mn, int* mx))                                     \
    X(maxAbs32s, void, (const Orv32s* p, long n, std::uint32_t* mx))                                        \
    /* largest magnitude bit pattern among the finite elements; true when any is not finite */      \
    X(maxAbsBitsF32, bool, (const float* p, long n, std::uint32_t* bits))                                   \
    X(maxAbsBitsF64, bool, (const double* p, long n, std::uint64_t* bits))                                  \
    /* exact integer sums: even/odd elements; 32s; S and Q of 16s data */                            \
    X(sum16s, void, (const Orv16s* p, long n, std::int64_t out[2]))                                         \
    X(sum32s, void, (const Orv32s* p, long n, std::int64_t* out))                                           \
    X(sumSq16s, void, (const Orv16s* p, long n, std::int64_t* s, std::uint64_t* q))                         \
    /* exact integer dot products */                                                                  \
    X(dot16s, void, (const Orv16s* a, const Orv16s* b, long n, std::int64_t* out))                          \
    X(dot16s32s, void, (const Orv16s* a, const Orv32s* b, long n, i128* out))                               \
    /* exact norms of a or of a-b (b may be null): Inf, L1, or the sum of squares for kL2 */          \
    X(norm16s, void, (const Orv16s* a, const Orv16s* b, long n, int kind, std::uint64_t* out))              \
    X(countInRange32s, void, (const Orv32s* p, long n, int lo, int hi, long* count))                        \
    X(every16s, void, (const Orv16s* s, Orv16s* d, long n, bool takeMax))                                   \
    /* d = (s - sub) / div, sub alternating sub0, sub1 (complex data as pairs) */                     \
    X(normalizeF32, void, (const float* s, float* d, long n, float sub0, float sub1, float div))           \
    X(normalizeF64, void, (const double* s, double* d, long n, double sub0, double sub1, double div))     \
    /* d = saturate(roundEven((s - sub) / div * factor)), computed in double */                       \
    X(normalize16s, void, (const Orv16s* s, Orv16s* d, long n, int sub0, int sub1, int div, double factor))

#define ORVS_STATS_MEMBER(name, ret, params) ret(*name) params;
struct KernelTable {
    ORVS_STATS_KERNELS(ORVS_STATS_MEMBER)
};
#undef ORVS_STATS_MEMBER

namespace avx { extern const KernelTable table; }
namespace avx2 { extern const KernelTable table; }
namespace avx512 { extern const KernelTable table; }

// The row of this process (core/dispatch.h).
const KernelTable& kernels();

} // namespace orvs::stats
