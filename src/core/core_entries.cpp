// The version record and typed aligned allocation over the core support
// library, defined from core/core_entries.def.
#include <cstdint>

#include "core/entry_list.h"
#include "core/status.h"
#include "orvcore.h"
#include "orvs/core.h"

namespace {
// Constant data of the library; the same address on every call.
const OrvLibraryVersion kVersion = {
    6, 1, 137, 847, {'k', '1', '\0', '\0'}, "liborvsk1.so.6.1", "6.1 build 137.56", "Mar 17 2010",
};
const OrvLibraryVersion* libVersion() { return &kVersion; }

// len < 1 returns null without calling the allocator; widening len to 64
// bits first keeps the byte count of every int length exact.
template <class T>
T* typedMalloc(int len)
{
    if (len < 1) return nullptr;
    const std::uint64_t bytes = static_cast<std::uint64_t>(len) * sizeof(T);
    return static_cast<T*>(orvMalloc(static_cast<size_t>(bytes)));
}
} // namespace

using orvs::statusText;

#define ORVS_FUNCTION ORVS_DEFINE_FUNCTION
#include "core/core_entries.def"
#undef ORVS_FUNCTION
