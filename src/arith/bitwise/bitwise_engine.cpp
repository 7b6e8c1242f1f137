// The bitwise family's kernel row and the bit packer.
#include <array>
#include <climits>
#include <cstdint>
#include <cstring>

#include "arith/bitwise/bitwise_engine.h"
#include "core/dispatch.h"

namespace orvs::bits {

const KernelTable& kernels() { return dispatch::pick<KernelTable>(avx::table, avx2::table, avx512::table); }

namespace {
constexpr auto kCodeMasks = [] {
    std::array<std::uint32_t, 33> m{};
    for (int k = 0; k < 33; ++k) m[k] = k == 32 ? 0xFFFFFFFFu : (1u << k) - 1;
    return m;
}();

inline void storeBigEndian32(Orv8u* p, std::uint32_t v)
{
    v = __builtin_bswap32(v);
    std::memcpy(p, &v, 4);
}
} // namespace

// The codes go into the low end of a 64-bit accumulator, most significant
// bit first; whenever 32 bits are complete they leave as four bytes, high
// byte first. The accumulator starts with the kept high bits of the first
// byte, and the last partial byte is merged with the low bits it does not
// cover.
OrvStatus packBits(const Orv32u* src, const Orv32s* bitLens, int len, Orv8u* dst, int dstBitOffset, int* dstLenBit)
{
    ORVS_CHECK(check::pointers(src, bitLens, dst, dstLenBit));
    if (len < 1 || dstBitOffset < 0) return orvStsErrSize;

    const int offset = dstBitOffset & 7;
    std::uint64_t acc = offset ? dst[0] >> (8 - offset) : 0;
    int held = offset;  // bits in acc, below 32 between codes
    bool clamped = false;
    std::int64_t written = 0;
    Orv8u* out = dst;
    for (int i = 0; i < len; ++i) {
        int k = bitLens[i];
        if (k < 0 || k > 32) {
            clamped = true;
            k = k < 0 ? 0 : 32;
        }
        acc = (acc << k) | (src[i] & kCodeMasks[k]);
        held += k;
        written += k;
        if (held >= 32) {
            held -= 32;
            storeBigEndian32(out, static_cast<std::uint32_t>(acc >> held));
            out += 4;
        }
    }
    for (; held >= 8; held -= 8) *out++ = static_cast<Orv8u>(acc >> (held - 8));
    if (held > 0) {
        const unsigned low = (1u << (8 - held)) - 1;
        *out = static_cast<Orv8u>((static_cast<unsigned>(acc << (8 - held)) & ~low) | (*out & low));
    }
    *dstLenBit = written > INT_MAX ? INT_MAX : static_cast<int>(written);
    return clamped ? orvStsWarnBitLenClamped : orvStsOk;
}

} // namespace orvs::bits
