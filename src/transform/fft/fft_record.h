// Record construction and lifecycle of the complex FFT (sizes, Init,
// InitAlloc, Free, GetBufSize), generic over the record kinds.
#pragma once
#include <cstdint>

#include "transform/fft/fft_kernels.h"

namespace orvs::fft {

// Record kinds: which record an entry works on.
enum class Kind { Float32, Float64, Int16, Int32 };

OrvStatus getSize(Kind kind, int order, int flag, int hint, int* pSpecSize, int* pSpecBufferSize,
                  int* pBufferSize);

// Builds a record of `kind` in caller memory; `id` distinguishes the
// interleaved and split members of a kind.
OrvStatus init(Kind kind, std::uint32_t id, void** ppSpec, int order, int flag, int hint, Orv8u* pMemSpec,
               Orv8u* pMemInit);
OrvStatus initAlloc(Kind kind, std::uint32_t id, void** ppSpec, int order, int flag, int hint);
OrvStatus freeRecord(Kind kind, std::uint32_t id, void* pSpec);
OrvStatus getBufSize(std::uint32_t id, const void* pSpec, int* pBufferSize);

// Typed forwarders for the entries.
template <class Rec>
inline OrvStatus initT(Kind kind, std::uint32_t id, Rec** pp, int order, int flag, int hint, Orv8u* mem,
                       Orv8u* initMem)
{
    return init(kind, id, reinterpret_cast<void**>(pp), order, flag, hint, mem, initMem);
}
template <class Rec>
inline OrvStatus initAllocT(Kind kind, std::uint32_t id, Rec** pp, int order, int flag, int hint)
{
    return initAlloc(kind, id, reinterpret_cast<void**>(pp), order, flag, hint);
}

} // namespace orvs::fft
