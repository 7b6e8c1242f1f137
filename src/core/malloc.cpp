// Typed aligned allocation over the core support library. The byte count is
// len (widened to 64 bits) times the element size; len < 1 returns null
// without calling the allocator.
#include <cstdint>

#include "orvcore.h"
#include "orvs/core.h"

namespace {
template <class T>
T* typedMalloc(int len)
{
    if (len < 1) return nullptr;
    const std::uint64_t bytes = static_cast<std::uint64_t>(len) * sizeof(T);
    return static_cast<T*>(orvMalloc(static_cast<size_t>(bytes)));
}
} // namespace

extern "C" {
ORVS_API Orv8u* orvsMalloc_8u(int len) { return typedMalloc<Orv8u>(len); }
ORVS_API Orv8s* orvsMalloc_8s(int len) { return typedMalloc<Orv8s>(len); }
ORVS_API Orv16u* orvsMalloc_16u(int len) { return typedMalloc<Orv16u>(len); }
ORVS_API Orv16s* orvsMalloc_16s(int len) { return typedMalloc<Orv16s>(len); }
ORVS_API Orv8sc* orvsMalloc_8sc(int len) { return typedMalloc<Orv8sc>(len); }
ORVS_API Orv32u* orvsMalloc_32u(int len) { return typedMalloc<Orv32u>(len); }
ORVS_API Orv32s* orvsMalloc_32s(int len) { return typedMalloc<Orv32s>(len); }
ORVS_API Orv32f* orvsMalloc_32f(int len) { return typedMalloc<Orv32f>(len); }
ORVS_API Orv16sc* orvsMalloc_16sc(int len) { return typedMalloc<Orv16sc>(len); }
ORVS_API Orv64s* orvsMalloc_64s(int len) { return typedMalloc<Orv64s>(len); }
ORVS_API Orv64f* orvsMalloc_64f(int len) { return typedMalloc<Orv64f>(len); }
ORVS_API Orv32sc* orvsMalloc_32sc(int len) { return typedMalloc<Orv32sc>(len); }
ORVS_API Orv32fc* orvsMalloc_32fc(int len) { return typedMalloc<Orv32fc>(len); }
ORVS_API Orv64sc* orvsMalloc_64sc(int len) { return typedMalloc<Orv64sc>(len); }
ORVS_API Orv64fc* orvsMalloc_64fc(int len) { return typedMalloc<Orv64fc>(len); }
ORVS_API void orvsFree(void* ptr) { orvFree(ptr); }
}
