// Transform and filter state records: placement in caller memory, identifier
// checks, the owned flag, and the InitAlloc/Free pattern every stateful
// family follows. A family declares its record as a struct deriving from
// RecordHeader and describes only its own layout and contents.
#pragma once
#include <cstddef>
#include <cstdint>

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

struct RecordHeader {
    std::uint32_t id;     // checked first by every user of the record
    std::uint32_t owned;  // 1 when ...InitAlloc allocated the block
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

// Returns the record when the identifier matches, null otherwise.
template <class R>
inline R* open(void* p, std::uint32_t id)
{
    auto* r = static_cast<R*>(p);
    return (r && r->id == id) ? r : nullptr;
}
template <class R>
inline const R* open(const void* p, std::uint32_t id)
{
    auto* r = static_cast<const R*>(p);
    return (r && r->id == id) ? r : nullptr;
}

// Null first (-8), then the identifier (-17).
inline OrvStatus checkId(const void* p, std::uint32_t id)
{
    if (!p) return orvStsErrNullPtr;
    return static_cast<const RecordHeader*>(p)->id == id ? orvStsOk : orvStsErrContextMatch;
}

// Builds a record at the aligned start of caller memory: the header is set
// (identifier, owned clear) and the typed pointer returned.
template <class R>
inline R* place(void* mem, std::size_t alignment, std::uint32_t id)
{
    auto* r = reinterpret_cast<R*>(alignUp(static_cast<std::uint8_t*>(mem), alignment));
    r->id = id;
    r->owned = 0;
    return r;
}

// The InitAlloc pattern: allocate bytes through orvsMalloc_8u, let the
// family's Init build the record inside, mark it owned. On any failure the
// block is released and nothing is written through `out`.
template <class R, class Init>
inline OrvStatus initAlloc(R** out, std::size_t bytes, Init&& init)
{
    if (bytes > 0x7FFFFFFFu) return orvStsErrMemAlloc;
    void* mem = orvsMalloc_8u(static_cast<int>(bytes ? bytes : 1));
    if (!mem) return orvStsErrMemAlloc;
    R* rec = nullptr;
    OrvStatus s = init(mem, &rec);
    if (s < 0 || !rec) {
        orvsFree(mem);
        return s < 0 ? s : orvStsErrMemAlloc;
    }
    rec->owned = 1;
    // The block start is kept so Free can release it whatever the alignment shift.
    rec->block = mem;
    *out = rec;
    return s;
}

// The Free pattern: -8 for null, -17 for a foreign or released record;
// releases what the record owns, clears the identifier when asked (so later
// calls refuse the record) and frees the block only if InitAlloc made it.
template <class R, class Release>
inline OrvStatus release(R* rec, std::uint32_t id, bool clearId, Release&& releaseInner)
{
    if (OrvStatus s = checkId(rec, id); s) return s;
    releaseInner(*rec);
    void* block = rec->owned ? rec->block : nullptr;
    if (clearId) rec->id = 0;
    if (block) orvsFree(block);
    return orvStsOk;
}

template <class R>
inline OrvStatus release(R* rec, std::uint32_t id, bool clearId)
{
    return release(rec, id, clearId, [](R&) {});
}

// Records that can be library-allocated carry the block start after the header.
struct OwnedRecord : RecordHeader {
    void* block = nullptr;
};

} // namespace orvs::record
