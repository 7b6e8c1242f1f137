// Kernels of the G.711 family, compiled once per instruction-set target
// (namespace orvs::g711::ORVS_TARGET).
//
// The laws are computed, not looked up, on 32-bit lanes. Their segments are
// binary exponents and their steps the four bits below the leading one, which
// is exactly what a single-precision number holds in its exponent and top
// mantissa bits: converting the magnitude to float and shifting its bits
// right by 19 gives (biased exponent << 4) | step in one integer, from which
// the code is a subtraction. Decoding goes the other way: the step and bias
// as an integer, converted to float, the segment added to the exponent.
#if defined(__AVX512F__)
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#pragma GCC diagnostic ignored "-Wuninitialized"
#endif
#include <cmath>
#include <cstdint>

#include "core/simd/simd.h"
#include "speech/g711/g711_kernels.h"

namespace orvs::g711::ORVS_TARGET {
namespace {

using L = simd::Lanes32;
using I = L::I;
using F = L::F;

// ---- decoding ------------------------------------------------------------------
// Both laws decode to (8·step + 132)·2^segment less a per-law offset:
// mu-law subtracts its bias 132; A-law, whose first segment has the step
// size of the second, computes segment 0 as segment 1 less 256.

template <Law law>
I decodeLanes(I code)
{
    const I c = law == Law::A ? L::bxor(code, L::set(0x55)) : L::bxor(code, L::set(0xFF));
    const I seg = L::band(L::srli(c, 4), L::set(7));
    const I base = L::add(L::slli(L::band(c, L::set(15)), 3), L::set(132));
    const I exponent = law == Law::A ? L::max(seg, L::set(1)) : seg;
    const I scaled = L::truncF(L::fromBits(L::add(L::bits(L::toF(base)), L::slli(exponent, 23))));
    const I mag = law == Law::A ? L::sub(scaled, L::ifEqual(seg, L::set(0), L::set(256))) : L::sub(scaled, L::set(132));
    // A-law's sign bit (after the inversion) marks positive values, mu-law's negative ones.
    const I bit7 = L::srai(L::slli(c, 24), 31);
    const I neg = law == Law::A ? L::bxor(bit7, L::set(-1)) : bit7;
    return L::sub(L::bxor(mag, neg), neg);
}

template <Law law>
void decode16Of(const Orv8u* s, Orv16s* d, int n)
{
    int i = 0;
    for (; i + 2 * L::W <= n; i += 2 * L::W)
        L::store16x2(d + i, decodeLanes<law>(L::load8(s + i)), decodeLanes<law>(L::load8(s + i + L::W)));
    for (; i + L::W <= n; i += L::W) L::store16(d + i, decodeLanes<law>(L::load8(s + i)));
    for (; i < n; ++i) d[i] = law == Law::A ? aLawDecode(s[i]) : muLawDecode(s[i]);
}

template <Law law>
void decode32fOf(const Orv8u* s, Orv32f* d, int n)
{
    const F unit = L::setF(1.0f / 32768.0f);
    int i = 0;
    for (; i + L::W <= n; i += L::W) L::storeF(d + i, L::mulF(L::toF(decodeLanes<law>(L::load8(s + i))), unit));
    for (; i < n; ++i) d[i] = static_cast<float>(law == Law::A ? aLawDecode(s[i]) : muLawDecode(s[i])) * (1.0f / 32768.0f);
}

// ---- encoding --------------------------------------------------------------------
// (float bits >> 19) = ((exponent + 127) << 4) | step for the magnitude.

// A-law: magnitudes below 32 are in segment 0, whose code is mag >> 1 (which
// also holds for segment 1); from 32 on, segment = exponent - 4.
I aLawLanes(I x)
{
    const I y = L::srai(x, 3);
    const I neg = L::srai(y, 31);
    const I mag = L::bxor(y, neg);
    const I fromFloat = L::sub(L::srli(L::bits(L::toF(mag)), 19), L::set((127 + 4) << 4));
    const I code = L::ifLess(mag, L::set(32), L::srai(mag, 1), fromFloat);
    return L::bxor(code, L::bxor(L::band(neg, L::set(0x55 ^ 0xD5)), L::set(0xD5)));
}

// mu-law: the biased magnitude (|x| >> 2) + 33 is (|x| + 132) >> 2, and the
// shift only moves the exponent: with v = |x| + 132 (at most 32767, the
// limit 8191 before the shift), segment k = exponent - 6 and the code
// (8 - k)·16 + 15 - step is ((14 + 127) << 4) + 15 minus the float bits.
// |x| is x ^ sign, one below the magnitude for negative x.
I muLawLanes(I x, I neg)
{
    const I v = L::min(L::add(L::bxor(x, neg), L::set(132)), L::set(32767));
    const I code = L::sub(L::set(((14 + 127) << 4) + 15), L::srli(L::bits(L::toF(v)), 19));
    return L::bor(code, L::band(L::bxor(neg, L::set(-1)), L::set(0x80)));
}

template <Law law>
void encode16Of(const Orv16s* s, Orv8u* d, int n)
{
    const auto code = [](I x) { return law == Law::A ? aLawLanes(x) : muLawLanes(x, L::srai(x, 31)); };
    int i = 0;
    for (; i + 4 * L::W <= n; i += 4 * L::W)
        L::store8x4(d + i, code(L::load16(s + i)), code(L::load16(s + i + L::W)), code(L::load16(s + i + 2 * L::W)),
                    code(L::load16(s + i + 3 * L::W)));
    for (; i + L::W <= n; i += L::W) L::store8(d + i, code(L::load16(s + i)));
    for (; i < n; ++i) d[i] = law == Law::A ? aLawEncode(s[i]) : muLawEncode(s[i]);
}

// v·32768 limited to the 16-bit range and rounded half away from zero: the
// truncated value moves one away from zero where the dropped part is at
// least one half.
I linear16(F v)
{
    const F w = L::clampF(L::mulF(v, L::setF(32768.0f)), L::setF(-32768.0f), L::setF(32767.0f));
    const F t = L::truncTowardZero(w);
    const F signMask = L::fromBits(L::set(INT32_MIN));
    const F awayOne = L::orF(L::setF(1.0f), L::andF(w, signMask));
    const F frac = L::andF(L::subF(w, t), L::fromBits(L::set(INT32_MAX)));
    return L::truncF(L::addF(t, L::andF(L::geF(frac, L::setF(0.5f)), awayOne)));
}

template <Law law>
void encode32fOf(const Orv32f* s, Orv8u* d, int n)
{
    const auto code = [](F v) {
        const I x = linear16(v);
        return law == Law::A ? aLawLanes(x) : muLawLanes(x, L::srai(L::bits(v), 31));
    };
    int i = 0;
    for (; i + 4 * L::W <= n; i += 4 * L::W)
        L::store8x4(d + i, code(L::loadF(s + i)), code(L::loadF(s + i + L::W)), code(L::loadF(s + i + 2 * L::W)),
                    code(L::loadF(s + i + 3 * L::W)));
    for (; i + L::W <= n; i += L::W) L::store8(d + i, code(L::loadF(s + i)));
    for (; i < n; ++i)
        d[i] = law == Law::A ? aLawEncode(toLinear16(s[i])) : muLawEncode(toLinear16(s[i]), std::signbit(s[i]));
}

// Code to code: the decoded value encoded by the other law, on the lanes.
template <Law from>
void transcodeOf(const Orv8u* s, Orv8u* d, int n)
{
    const auto code = [](I c) {
        const I x = decodeLanes<from>(c);
        return from == Law::A ? muLawLanes(x, L::srai(x, 31)) : aLawLanes(x);
    };
    int i = 0;
    for (; i + 4 * L::W <= n; i += 4 * L::W)
        L::store8x4(d + i, code(L::load8(s + i)), code(L::load8(s + i + L::W)), code(L::load8(s + i + 2 * L::W)),
                    code(L::load8(s + i + 3 * L::W)));
    for (; i + L::W <= n; i += L::W) L::store8(d + i, code(L::load8(s + i)));
    for (; i < n; ++i) d[i] = from == Law::A ? muLawEncode(aLawDecode(s[i])) : aLawEncode(muLawDecode(s[i]));
}

void transcode(Law from, const Orv8u* s, Orv8u* d, int n)
{
    from == Law::A ? transcodeOf<Law::A>(s, d, n) : transcodeOf<Law::Mu>(s, d, n);
}

void decode16(Law law, const Orv8u* s, Orv16s* d, int n)
{
    law == Law::A ? decode16Of<Law::A>(s, d, n) : decode16Of<Law::Mu>(s, d, n);
}
void decode32f(Law law, const Orv8u* s, Orv32f* d, int n)
{
    law == Law::A ? decode32fOf<Law::A>(s, d, n) : decode32fOf<Law::Mu>(s, d, n);
}
void encode16(Law law, const Orv16s* s, Orv8u* d, int n)
{
    law == Law::A ? encode16Of<Law::A>(s, d, n) : encode16Of<Law::Mu>(s, d, n);
}
void encode32f(Law law, const Orv32f* s, Orv8u* d, int n)
{
    law == Law::A ? encode32fOf<Law::A>(s, d, n) : encode32fOf<Law::Mu>(s, d, n);
}

} // namespace

#define ORVS_G711_ENTRY(name, params) name,
const KernelTable table = {ORVS_G711_KERNELS(ORVS_G711_ENTRY)};
#undef ORVS_G711_ENTRY

} // namespace orvs::g711::ORVS_TARGET
