// The companding rules of the two laws on one value at a time: the source of
// the code tables, and of the last elements of the vector kernels.
#pragma once
#include <cstdint>

#include "orvs/types.h"

namespace orvs::g711 {

enum class Law : int { A, Mu };

// A-law: sign, a three-bit segment and a four-bit step inside it, the even
// bits inverted on the line (0x55). Segment 0 and 1 share the step size 16,
// each further segment doubles it; the value is the middle of its step.
constexpr Orv16s aLawDecode(Orv8u code)
{
    const int c = code ^ 0x55, step = c & 15, seg = (c >> 4) & 7;
    const int mag = seg == 0 ? step * 16 + 8 : (step * 16 + 264) << (seg - 1);
    return static_cast<Orv16s>(c & 0x80 ? mag : -mag);
}

// mu-law: biased by 33 (132 at 16 bits) so that every segment is a power of
// two wide; all bits inverted on the line.
constexpr Orv16s muLawDecode(Orv8u code)
{
    const int c = ~code & 0xFF;
    const int biased = ((c & 15) * 8 + 132) << ((c >> 4) & 7);
    return static_cast<Orv16s>(c & 0x80 ? 132 - biased : biased - 132);
}

// 13 significant bits: segment = how far above 31 the magnitude reaches,
// then the four bits below its leading one (two steps per code in the
// first two segments).
constexpr Orv8u aLawEncode(int x)
{
    const int y = x >> 3;
    const int mask = y >= 0 ? 0xD5 : 0x55;
    const int mag = y >= 0 ? y : ~y;
    int seg = 0;
    while (seg < 8 && mag >= (32 << seg)) ++seg;  // segment ends 255, 511, ..., 32767 at 13 bits
    if (seg == 8) return static_cast<Orv8u>(0x7F ^ mask);
    const int step = (seg < 2 ? mag >> 1 : mag >> seg) & 15;
    return static_cast<Orv8u>(((seg << 4) | step) ^ mask);
}

// 14 significant bits plus the bias of 33, limited to 8191; the segment is
// the position of the leading one above bit 5. `negative` is the sign to
// encode, which the floating-point encoder takes from the float (so that a
// negative value rounded to 0 stays negative).
constexpr Orv8u muLawEncode(int x, bool negative)
{
    int mag = ((negative ? ~x : x) >> 2) + 33;
    if (mag > 8191) mag = 8191;
    int k = 1;
    while ((mag >> 6) >> (k - 1)) ++k;
    const int code = ((8 - k) << 4) | (15 - ((mag >> k) & 15));
    return static_cast<Orv8u>(negative ? code : code | 0x80);
}
constexpr Orv8u muLawEncode(int x) { return muLawEncode(x, x < 0); }

// v * 32768 limited to the 16-bit range, rounded half away from zero; NaN
// counts as 0.
inline int toLinear16(float v)
{
    float w = v * 32768.0f;
    if (!(w == w)) w = 0.0f;
    w = w < -32768.0f ? -32768.0f : w > 32767.0f ? 32767.0f : w;
    const float t = static_cast<float>(static_cast<int>(w));
    const float frac = w - t;
    return static_cast<int>(t) + (frac >= 0.5f ? 1 : frac <= -0.5f ? -1 : 0);
}

} // namespace orvs::g711
