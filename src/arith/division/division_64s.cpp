// 64-bit dividends divided by a 64-bit constant, in place, with the exact
// quotient scaled by 2^-scaleFactor, rounded to nearest (ties to even) and
// saturated. Integer arithmetic throughout: no double rounding.
#include <algorithm>

#include "arith/division/division_engine.h"
#include "orvs/arith.h"

namespace orvs::division {

namespace {

using u64 = std::uint64_t;
using u128 = unsigned __int128;

inline u64 magnitude(Orv64s v) { return v < 0 ? u64(0) - static_cast<u64>(v) : static_cast<u64>(v); }

// Rounds q + r / v (0 <= r < v) to nearest, ties to even.
inline u128 roundRemainder(u128 q, u64 r, u64 v)
{
    const u128 twice = u128(r) * 2;
    return (twice > v || (twice == v && (q & 1))) ? q + 1 : q;
}

// |x| * 2^-s / v rounded to nearest, ties to even; anything of 2^64 or more
// comes back as 2^64 - 1 (it saturates for either sign).
u64 roundedQuotient(u64 ax, u64 v, int s)
{
    if (s >= 64) return 0;  // |q| <= 2^63 / 2^64: at most one half, which ties to 0
    const u64 q1 = ax / v;
    const u64 r1 = ax % v;
    if (s == 0) return static_cast<u64>(roundRemainder(q1, r1, v));  // q1 <= 2^63: no overflow
    if (s > 0) {
        // (q1 + r1/v) / 2^s: the bits shifted out of q1 and the remainder
        // together decide the rounding.
        u64 q = q1 >> s;
        const u64 low = q1 & ((u64(1) << s) - 1);
        const u64 half = u64(1) << (s - 1);
        if (low > half || (low == half && (r1 != 0 || (q & 1)))) q += 1;
        return q;
    }
    // Left shift by k = -s: long division, 64 bits of quotient at a time,
    // stopping as soon as the quotient cannot fit.
    u128 q = q1;
    u64 r = r1;
    for (int k = -s; k > 0;) {
        const int step = k < 64 ? k : 64;
        const u128 t = u128(r) << step;  // r < v <= 2^63: below 2^127
        q = (q << step) + t / v;
        r = static_cast<u64>(t % v);
        k -= step;
        if (q >> 64) return ~u64(0);
    }
    q = roundRemainder(q, r, v);
    return (q >> 64) ? ~u64(0) : static_cast<u64>(q);
}

inline Orv64s signedResult(u64 mag, bool negative)
{
    constexpr u64 kMaxPos = static_cast<u64>(std::numeric_limits<Orv64s>::max());
    if (negative) return mag > kMaxPos ? std::numeric_limits<Orv64s>::min() : -static_cast<Orv64s>(mag);
    return mag > kMaxPos ? std::numeric_limits<Orv64s>::max() : static_cast<Orv64s>(mag);
}

} // namespace

OrvStatus divC64s(Orv64s val, Orv64s* pSrcDst, Orv32u len, int s)
{
    ORVS_CHECK(check::pointers(pSrcDst));
    if (len == 0) return orvStsErrSize;
    if (val == 0) {
        // Every non-zero element saturates by its sign; zeros stay.
        for (Orv32u i = 0; i < len; ++i) {
            const Orv64s x = pSrcDst[i];
            pSrcDst[i] = x > 0 ? std::numeric_limits<Orv64s>::max() : x < 0 ? std::numeric_limits<Orv64s>::min() : 0;
        }
        return orvStsWarnDivByZero;
    }
    if (val == 1 || val == -1) {
        // Division by +-1 is the multiplication by it; that entry counts in
        // int, so very long vectors go over in pieces.
        constexpr Orv32u kPiece = static_cast<Orv32u>(std::numeric_limits<int>::max());
        for (Orv32u done = 0; done < len;) {
            const Orv32u n = std::min(len - done, kPiece);
            ORVS_CHECK(orvsMulC_64s_ISfs(val, pSrcDst + done, static_cast<int>(n), s));
            done += n;
        }
        return orvStsOk;
    }
    // Below -128 every non-zero quotient (at least 2^-63 in magnitude)
    // saturates already; the clamp keeps the shift count in int.
    if (s < -128) s = -128;
    const u64 v = magnitude(val);
    for (Orv32u i = 0; i < len; ++i) {
        const Orv64s x = pSrcDst[i];
        if (x == 0) continue;
        pSrcDst[i] = signedResult(roundedQuotient(magnitude(x), v, s), (x < 0) != (val < 0));
    }
    return orvStsOk;
}

} // namespace orvs::division
