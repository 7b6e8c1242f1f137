// Members with a rule of their own: single-precision products converted to
// 16 bits, and 64-bit integers times a double constant formed exactly.
#include <bit>
#include <cstdint>

#include "arith/scaled/scaled_engine.h"
#include "core/fpguard.h"
#include "orvs/arith.h"

namespace orvs::scaled {

namespace {

// The constant times 2^-s in single precision; the power of two is built
// from its exponent bits with s clamped to the normal range [-127, 126].
Orv32f scaledConstant(Orv32f val, int s)
{
    if (s == 0) return val;
    const int c = s < -127 ? -127 : (s > 126 ? 126 : s);
    return val * std::bit_cast<Orv32f>(static_cast<std::uint32_t>(127 - c) << 23);
}

} // namespace

OrvStatus mulC32f16s(const Orv32f* src, Orv32f val, Orv16s* dst, int len, int s)
{
    ORVS_CHECK(check::vectors(len, src, dst));
    const Orv32f v = scaledConstant(val, s);
    // Ties to even whatever rounding the caller has set.
    FpControlGuard guard(FpRound::Nearest);
    kernels().mulCTo16s(src, v, dst, len);
    return orvStsOk;
}

OrvStatus mulCLow32f16s(const Orv32f* src, Orv32f val, Orv16s* dst, int len)
{
    ORVS_CHECK(check::vectors(len, src, dst));
    kernels().mulCTo16sLow(src, val, dst, len);  // the caller's rounding mode
    return orvStsOk;
}

// val = m * 2^e exactly with a 53-bit integer m, so x * val scaled by s is
// x * m scaled by s - e: the 64s-by-64s product path with an exact constant.
OrvStatus mulC64f64s(Orv64f val, Orv64s* srcDst, int len, int s)
{
    ORVS_CHECK(check::vectors(len, srcDst));
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(val);
    const bool negative = (bits >> 63) != 0;
    const int biased = static_cast<int>((bits >> 52) & 0x7FF);
    const std::uint64_t fraction = bits & ((std::uint64_t(1) << 52) - 1);
    // Scale factors this far out zero or sign-saturate every product; the
    // clamp keeps the arithmetic in int.
    constexpr long long kFar = 400;
    Orv64s m;
    long long shift;
    if (biased == 0x7FF) {
        // Not a number: zeros. Infinity: every non-zero element saturates
        // by the sign of its product.
        if (fraction != 0) return zeroAll(srcDst, len);
        m = 1;
        shift = -kFar;
    } else {
        m = static_cast<Orv64s>(biased ? (fraction | (std::uint64_t(1) << 52)) : fraction);
        const int e = (biased ? biased : 1) - 1075;
        shift = static_cast<long long>(s) - e;
    }
    if (negative) m = -m;
    shift = shift < -kFar ? -kFar : (shift > kFar ? kFar : shift);
    return scaledVC<members::MulC64s>(srcDst, m, srcDst, len, static_cast<int>(shift));
}

} // namespace orvs::scaled
