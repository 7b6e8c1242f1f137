// Kernels of the bitwise family, compiled once per instruction-set target
// (namespace orvs::bits::ORVS_TARGET). Everything here is a pass over memory:
// whole registers in the body, two per step so that loads run ahead of
// stores, and the last partial register masked (AVX-512) or element by
// element.
#if defined(__AVX512F__)
// GCC 12 reports the deliberately undefined pass-through operand of the
// unmasked 512-bit intrinsics as (maybe) uninitialized; nothing reads it.
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#pragma GCC diagnostic ignored "-Wuninitialized"
#endif

#include <cstdint>
#include <cstring>

#include "arith/bitwise/bitwise_kernels.h"
#include "core/simd/simd.h"

namespace orvs::bits::ORVS_TARGET {
namespace {

using simd::IntVec;
using V = IntVec::V;

// d[i] = vop(s[i]...) register by register, sop(value, index) for the rest.
// Both loads of a step come before its stores, so d may equal a source.
template <class C, class VOp, class SOp>
inline void map1(const C* s, C* d, std::size_t n, VOp vop, SOp sop)
{
    constexpr std::size_t per = sizeof(V) / sizeof(C);
    std::size_t i = 0;
    for (; i + 2 * per <= n; i += 2 * per) {
        const V x0 = IntVec::load(s + i), x1 = IntVec::load(s + i + per);
        IntVec::store(d + i, vop(x0));
        IntVec::store(d + i + per, vop(x1));
    }
    for (; i + per <= n; i += per) IntVec::store(d + i, vop(IntVec::load(s + i)));
    if (i == n) return;
#if defined(__AVX512BW__)
    (void)sop;
    if constexpr (sizeof(C) == 8) {  // the masked forms know lanes up to 32 bits
        const auto m = static_cast<std::ptrdiff_t>(2 * (n - i));
        auto* d32 = reinterpret_cast<std::uint32_t*>(d + i);
        IntVec::storePart(d32, m, vop(IntVec::loadPart(reinterpret_cast<const std::uint32_t*>(s + i), m)));
    } else {
        const auto m = static_cast<std::ptrdiff_t>(n - i);
        IntVec::storePart(d + i, m, vop(IntVec::loadPart(s + i, m)));
    }
#else
    for (; i < n; ++i) d[i] = sop(s[i], i);
#endif
}

template <class C, class VOp, class SOp>
inline void map2(const C* a, const C* b, C* d, std::size_t n, VOp vop, SOp sop)
{
    constexpr std::size_t per = sizeof(V) / sizeof(C);
    std::size_t i = 0;
    for (; i + 2 * per <= n; i += 2 * per) {
        const V r0 = vop(IntVec::load(a + i), IntVec::load(b + i));
        const V r1 = vop(IntVec::load(a + i + per), IntVec::load(b + i + per));
        IntVec::store(d + i, r0);
        IntVec::store(d + i + per, r1);
    }
    for (; i + per <= n; i += per) IntVec::store(d + i, vop(IntVec::load(a + i), IntVec::load(b + i)));
    if (i == n) return;
#if defined(__AVX512BW__)
    (void)sop;
    const auto m = static_cast<std::ptrdiff_t>(n - i);
    IntVec::storePart(d + i, m, vop(IntVec::loadPart(a + i, m), IntVec::loadPart(b + i, m)));
#else
    for (; i < n; ++i) d[i] = sop(a[i], b[i]);
#endif
}

// ---- logic -------------------------------------------------------------------

template <Logic op> V logicV(V a, V b)
{
    if constexpr (op == Logic::And) return IntVec::band(a, b);
    else if constexpr (op == Logic::Or) return IntVec::bor(a, b);
    else return IntVec::bxor(a, b);
}
template <Logic op> std::uint8_t logicS(std::uint8_t a, std::uint8_t b)
{
    if constexpr (op == Logic::And) return a & b;
    else if constexpr (op == Logic::Or) return a | b;
    else return a ^ b;
}

template <Logic op>
void logicOf(const void* a, const void* b, void* d, std::size_t bytes)
{
    map2(static_cast<const std::uint8_t*>(a), static_cast<const std::uint8_t*>(b), static_cast<std::uint8_t*>(d), bytes,
         logicV<op>, logicS<op>);
}

// The register body starts at byte 0 and covers whole registers, so every
// block sees the pattern in phase; the scalar rest picks byte i mod 4.
template <Logic op>
void logicCOf(const void* a, std::uint32_t pattern, void* d, std::size_t bytes)
{
    const V c = IntVec::set32(static_cast<int>(pattern));
    std::uint8_t pb[4];
    std::memcpy(pb, &pattern, 4);
    map1(static_cast<const std::uint8_t*>(a), static_cast<std::uint8_t*>(d), bytes,
         [c](V x) { return logicV<op>(x, c); },
         [&pb](std::uint8_t x, std::size_t i) { return logicS<op>(x, pb[i & 3]); });
}

void logic(Logic op, const void* a, const void* b, void* d, std::size_t bytes)
{
    switch (op) {
    case Logic::And: return logicOf<Logic::And>(a, b, d, bytes);
    case Logic::Or: return logicOf<Logic::Or>(a, b, d, bytes);
    case Logic::Xor: return logicOf<Logic::Xor>(a, b, d, bytes);
    }
}

void logicC(Logic op, const void* a, std::uint32_t pattern, void* d, std::size_t bytes)
{
    switch (op) {
    case Logic::And: return logicCOf<Logic::And>(a, pattern, d, bytes);
    case Logic::Or: return logicCOf<Logic::Or>(a, pattern, d, bytes);
    case Logic::Xor: return logicCOf<Logic::Xor>(a, pattern, d, bytes);
    }
}

// ---- shifts ------------------------------------------------------------------
// Counts are below the element width here; the entries handle the rest.

// Bytes shift inside 16-bit lanes; the mask clears what crossed from the
// neighbouring byte.
void shift8(Shift kind, const Orv8u* s, Orv8u* d, int n, int count)
{
    const simd::ShiftCount c = simd::shiftCount(count);
    const auto len = static_cast<std::size_t>(n);
    if (kind == Shift::Left) {
        const V keep = IntVec::set8((0xFF << count) & 0xFF);
        map1(s, d, len, [=](V x) { return IntVec::band(IntVec::sll16(x, c), keep); },
             [=](Orv8u x, std::size_t) { return static_cast<Orv8u>(x << count); });
    } else {
        const V keep = IntVec::set8(0xFF >> count);
        map1(s, d, len, [=](V x) { return IntVec::band(IntVec::srl16(x, c), keep); },
             [=](Orv8u x, std::size_t) { return static_cast<Orv8u>(x >> count); });
    }
}

void shift16(Shift kind, const Orv16u* s, Orv16u* d, int n, int count)
{
    const simd::ShiftCount c = simd::shiftCount(count);
    const auto len = static_cast<std::size_t>(n);
    switch (kind) {
    case Shift::Left:
        return map1(s, d, len, [=](V x) { return IntVec::sll16(x, c); },
                    [=](Orv16u x, std::size_t) { return static_cast<Orv16u>(x << count); });
    case Shift::Right:
        return map1(s, d, len, [=](V x) { return IntVec::srl16(x, c); },
                    [=](Orv16u x, std::size_t) { return static_cast<Orv16u>(x >> count); });
    case Shift::RightArith:
        return map1(s, d, len, [=](V x) { return IntVec::sra16(x, c); },
                    [=](Orv16u x, std::size_t) { return static_cast<Orv16u>(static_cast<Orv16s>(x) >> count); });
    }
}

void shift32(Shift kind, const Orv32u* s, Orv32u* d, int n, int count)
{
    const simd::ShiftCount c = simd::shiftCount(count);
    const auto len = static_cast<std::size_t>(n);
    switch (kind) {
    case Shift::Left:
        return map1(s, d, len, [=](V x) { return IntVec::sll(x, c); }, [=](Orv32u x, std::size_t) { return x << count; });
    case Shift::Right:
        return map1(s, d, len, [=](V x) { return IntVec::srl32(x, c); }, [=](Orv32u x, std::size_t) { return x >> count; });
    case Shift::RightArith:
        return map1(s, d, len, [=](V x) { return IntVec::sra(x, c); },
                    [=](Orv32u x, std::size_t) { return static_cast<Orv32u>(static_cast<Orv32s>(x) >> count); });
    }
}

// ---- byte order --------------------------------------------------------------

template <class C>
void swapOf(const C* s, C* d, int n)
{
    const V c = simd::ByteShuffle::lanes(simd::reversalControl<sizeof(C)>());
    map1(s, d, static_cast<std::size_t>(n), [c](V x) { return simd::ByteShuffle::apply(x, c); },
         [](C x, std::size_t) {
             if constexpr (sizeof(C) == 2) return static_cast<C>(__builtin_bswap16(x));
             else if constexpr (sizeof(C) == 4) return static_cast<C>(__builtin_bswap32(x));
             else return static_cast<C>(__builtin_bswap64(x));
         });
}

void swap16(const Orv16u* s, Orv16u* d, int n)
{
    swapOf(s, d, n);
}
void swap32(const Orv32u* s, Orv32u* d, int n)
{
    swapOf(s, d, n);
}
void swap64(const Orv64u* s, Orv64u* d, int n)
{
    swapOf(s, d, n);
}

// Five three-byte elements per 16-byte load, advancing 15 bytes. The 16th
// byte goes back unchanged, so the overlapping stores (and an in-place pass,
// whose next load starts on that byte) see only original data there.
void swap24(const Orv8u* s, Orv8u* d, int n)
{
    const simd::Bytes16::V ctl = simd::reversalControl<3>();
    const std::size_t bytes = 3 * static_cast<std::size_t>(n);
    std::size_t i = 0;
    for (; i + 16 <= bytes; i += 15)
        simd::Bytes16::store(d + i, simd::Bytes16::apply(simd::Bytes16::load(s + i), ctl));
    for (; i < bytes; i += 3) {
        const Orv8u b0 = s[i], b1 = s[i + 1], b2 = s[i + 2];
        d[i] = b2;
        d[i + 1] = b1;
        d[i + 2] = b0;
    }
}

} // namespace

#define ORVS_BITS_ENTRY(name, params) name,
const KernelTable table = {ORVS_BITS_KERNELS(ORVS_BITS_ENTRY)};
#undef ORVS_BITS_ENTRY

} // namespace orvs::bits::ORVS_TARGET
