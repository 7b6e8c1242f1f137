// Kernels of the G.711 family. One source (g711_kernels.cpp) is compiled for
// AVX, for AVX2 and for AVX-512; the entries call through the row chosen
// once for the process. Any length >= 1, any alignment.
#pragma once
#include "orvs/types.h"
#include "speech/g711/g711_rules.h"

namespace orvs::g711 {

#define ORVS_G711_KERNELS(X)                                              \
    X(decode16, (Law law, const Orv8u* s, Orv16s* d, int n))               \
    X(decode32f, (Law law, const Orv8u* s, Orv32f* d, int n))              \
    X(encode16, (Law law, const Orv16s* s, Orv8u* d, int n))               \
    X(encode32f, (Law law, const Orv32f* s, Orv8u* d, int n))             \
    /* the code of the other law for the decoded value */                \
    X(transcode, (Law from, const Orv8u* s, Orv8u* d, int n))

#define ORVS_G711_MEMBER(name, params) void(*name) params;
struct KernelTable {
    ORVS_G711_KERNELS(ORVS_G711_MEMBER)
};
#undef ORVS_G711_MEMBER

namespace avx { extern const KernelTable table; }
namespace avx2 { extern const KernelTable table; }
namespace avx512 { extern const KernelTable table; }

const KernelTable& kernels();

} // namespace orvs::g711
