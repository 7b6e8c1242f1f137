// The G.711 family's kernel row and the transcoding tables.
#include <array>

#include "core/dispatch.h"
#include "speech/g711/g711_engine.h"

namespace orvs::g711 {

const KernelTable& kernels() { return dispatch::pick<KernelTable>(avx::table, avx2::table, avx512::table); }

namespace {
constexpr std::array<Orv8u, 256> kAToMu = transcodeTable(Law::A);
constexpr std::array<Orv8u, 256> kMuToA = transcodeTable(Law::Mu);
} // namespace

// A byte-indexed table in L1: one load per code, faster than any arithmetic.
OrvStatus transcode(Law from, const Orv8u* src, Orv8u* dst, int len)
{
    ORVS_CHECK(check::vectors(len, src, dst));
    const Orv8u* t = from == Law::A ? kAToMu.data() : kMuToA.data();
    for (int i = 0; i < len; ++i) dst[i] = t[src[i]];
    return orvStsOk;
}

} // namespace orvs::g711
