// The record lifecycle every stateful family follows: placement in caller
// memory, the identifier check, the allocated flag, InitAlloc and Free.
//
// A family declares its record as a standard-layout struct whose first field
// is the 32-bit identifier `id` and which has an allocated flag `owned`
// (where the family's layout puts it; new records can simply start with
// `Header`). Everything else here is shared:
//
//     R* r = record::place<R>(pMem, 32);               // Init, in caller memory
//     ... fill r, then r->id = kId;                    // valid only when complete
//     record::initAlloc(ppSpec, specBytes, initBytes,  // InitAlloc
//         [&](std::uint8_t* mem, std::uint8_t* init, R** out) { return buildIn(mem, init, out); });
//     record::open<R>(pSpec, kId, [&](const R& r) { ... });   // every use: -8, -17, then the body
//     record::release<R>(pSpec, kId, record::OnFree::clearId, releaseInner);   // Free
#pragma once
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>

#include "orvs/core.h"
#include "orvs/types.h"

namespace orvs::record {

// Four-character identifier, first character in the most significant byte
// ('F','I','0','1' is 0x46493031).
constexpr std::uint32_t fourcc(char a, char b, char c, char d)
{
    return (std::uint32_t(std::uint8_t(a)) << 24) | (std::uint32_t(std::uint8_t(b)) << 16) |
           (std::uint32_t(std::uint8_t(c)) << 8) | std::uint32_t(std::uint8_t(d));
}

// The header of records whose layout is free to choose.
struct Header {
    std::uint32_t id;
    std::uint32_t owned;
};

template <class R>
concept Record = std::is_standard_layout_v<R> && requires(R& r) {
    { r.id } -> std::same_as<std::uint32_t&>;
    r.owned = 1;
};

template <class P>
inline P* alignUp(P* p, std::size_t alignment)
{
    auto v = reinterpret_cast<std::uintptr_t>(p);
    v = (v + alignment - 1) & ~(std::uintptr_t(alignment) - 1);
    return reinterpret_cast<P*>(v);
}

constexpr std::size_t alignUp(std::size_t n, std::size_t alignment)
{
    return (n + alignment - 1) & ~(alignment - 1);
}

// Null first (-8), then the identifier (-17).
inline OrvStatus check(const void* p, std::uint32_t id)
{
    if (!p) return orvStsErrNullPtr;
    std::uint32_t word;
    std::memcpy(&word, p, sizeof word);
    return word == id ? orvStsOk : orvStsErrContextMatch;
}

// Checks the record, then runs body on it and returns the body's status.
template <Record R, class Body>
inline OrvStatus open(const void* p, std::uint32_t id, Body&& body)
{
    if (OrvStatus s = check(p, id); s) return s;
    return body(*static_cast<const R*>(p));
}

// Builds a record at caller memory rounded up to `alignment`: `bytes` (at
// least the record) are zeroed, so the identifier reads 0 and the allocated
// flag is clear until the family completes the record.
template <Record R>
inline R* place(void* mem, std::size_t alignment, std::size_t bytes = sizeof(R))
{
    static_assert(offsetof(R, id) == 0, "the identifier is the first word of a record");
    auto* r = alignUp(static_cast<std::uint8_t*>(mem), alignment);
    std::memset(r, 0, bytes < sizeof(R) ? sizeof(R) : bytes);
    return reinterpret_cast<R*>(r);
}

// InitAlloc: one block of specBytes for the record and, when initBytes is
// positive, scratch for the construction that is released again. build(mem,
// init, &rec) is the family's Init. The library's blocks are 64-byte aligned,
// so the record starts its block and Free hands the record address back.
// On failure nothing stays allocated and nothing is written through out.
template <Record R, class Build>
inline OrvStatus initAlloc(R** out, std::int64_t specBytes, std::int64_t initBytes, Build&& build)
{
    if (specBytes > 0x7FFFFFFF || initBytes > 0x7FFFFFFF) return orvStsErrMemAlloc;
    Orv8u* mem = orvsMalloc_8u(static_cast<int>(specBytes > 0 ? specBytes : 1));
    if (!mem) return orvStsErrMemAlloc;
    Orv8u* init = nullptr;
    if (initBytes > 0 && !(init = orvsMalloc_8u(static_cast<int>(initBytes)))) {
        orvsFree(mem);
        return orvStsErrMemAlloc;
    }
    R* rec = nullptr;
    const OrvStatus s = build(mem, init, &rec);
    orvsFree(init);
    if (s < 0 || !rec) {
        orvsFree(mem);
        return s < 0 ? s : orvStsErrMemAlloc;
    }
    rec->owned = 1;
    *out = rec;
    return s;
}

// Free: -8 for null, -17 for a foreign or released record; releases what the
// record holds, clears the identifier when the family's records do (so later
// calls refuse them) and frees the block only if InitAlloc made it.
enum class OnFree { keepId, clearId };

template <Record R, class ReleaseInner>
inline OrvStatus release(void* p, std::uint32_t id, OnFree onFree, ReleaseInner&& releaseInner)
{
    if (OrvStatus s = check(p, id); s) return s;
    R* rec = static_cast<R*>(p);
    releaseInner(*rec);
    const bool owned = rec->owned != 0;
    if (onFree == OnFree::clearId) rec->id = 0;
    if (owned) orvsFree(rec);
    return orvStsOk;
}

template <Record R>
inline OrvStatus release(void* p, std::uint32_t id, OnFree onFree)
{
    return release<R>(p, id, onFree, [](R&) {});
}

} // namespace orvs::record
