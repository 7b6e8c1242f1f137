// Integer division entries: vector by vector (scaled, and with a rounding
// mode), vector by constant, constant by vector.
#include "arith/division/division_engine.h"

namespace orvs::division {

namespace {
// Element-by-element scale ranges; outside them the result is known without
// dividing (zeros above, sign saturation below).
constexpr ScaleRange k8u{-15, 8};
constexpr ScaleRange k16s{-30, 15};
constexpr ScaleRange k16sRound{-30, 16};
constexpr ScaleRange k16u{-31, 16};
constexpr ScaleRange k32s{-62, 32};
constexpr ScaleRange k32s16s{-29, 31};
} // namespace

OrvStatus divCRev16u(const Orv16u* pSrc, Orv16u val, Orv16u* pDst, int len)
{
    ORVS_CHECK(check::vectors(len, pSrc, pDst));
    if (val == 0) {
        // 0 / x is 0 everywhere; only 0 / 0 is worth the warning. The source
        // is scanned before the destination (possibly the same) is cleared.
        bool zeroDivisor = false;
        for (int i = 0; i < len; ++i) zeroDivisor |= pSrc[i] == 0;
        ORVS_CHECK(zeroVector(pDst, len));
        return warnIf(zeroDivisor);
    }
    IntJob<Orv16u, Orv16u, Orv16u> job;
    job.xConst = val;
    job.d = pSrc;
    job.dst = pDst;
    const auto fn = intKernel<IntCfg<Orv16u, Orv16u, Orv16u, true, false, Path::Single, Rnd::Near, Phase::Quotient>>();
    return runChunks(len, Split{2048}, [&](int b, int c) { return fn(job, b, c); });
}

} // namespace orvs::division

using namespace orvs::division;

extern "C" {

ORVS_API OrvStatus orvsDiv_8u_Sfs(const Orv8u* pSrc1, const Orv8u* pSrc2, Orv8u* pDst, int len, int scaleFactor)
{ return divSfs(pSrc1, pSrc2, pDst, len, scaleFactor, k8u, Split{1024}); }
ORVS_API OrvStatus orvsDiv_8u_ISfs(const Orv8u* pSrc, Orv8u* pSrcDst, int len, int scaleFactor)
{ return divSfs<Orv8u, Orv8u, Orv8u>(pSrc, pSrcDst, pSrcDst, len, scaleFactor, k8u, Split{1024}); }
ORVS_API OrvStatus orvsDiv_16s_Sfs(const Orv16s* pSrc1, const Orv16s* pSrc2, Orv16s* pDst, int len, int scaleFactor)
{ return divSfs(pSrc1, pSrc2, pDst, len, scaleFactor, k16s, Split{1024}); }
ORVS_API OrvStatus orvsDiv_16s_ISfs(const Orv16s* pSrc, Orv16s* pSrcDst, int len, int scaleFactor)
{ return divSfs<Orv16s, Orv16s, Orv16s>(pSrc, pSrcDst, pSrcDst, len, scaleFactor, k16s, Split{1024}); }
ORVS_API OrvStatus orvsDiv_16u_Sfs(const Orv16u* pSrc1, const Orv16u* pSrc2, Orv16u* pDst, int len, int scaleFactor)
{ return divSfs(pSrc1, pSrc2, pDst, len, scaleFactor, k16u, Split{kSerial}); }
ORVS_API OrvStatus orvsDiv_16u_ISfs(const Orv16u* pSrc, Orv16u* pSrcDst, int len, int scaleFactor)
{ return divSfs<Orv16u, Orv16u, Orv16u>(pSrc, pSrcDst, pSrcDst, len, scaleFactor, k16u, Split{kSerial}); }
ORVS_API OrvStatus orvsDiv_32s_Sfs(const Orv32s* pSrc1, const Orv32s* pSrc2, Orv32s* pDst, int len, int scaleFactor)
{ return divSfs(pSrc1, pSrc2, pDst, len, scaleFactor, k32s, Split{1024}); }
ORVS_API OrvStatus orvsDiv_32s_ISfs(const Orv32s* pSrc, Orv32s* pSrcDst, int len, int scaleFactor)
{ return divSfs<Orv32s, Orv32s, Orv32s>(pSrc, pSrcDst, pSrcDst, len, scaleFactor, k32s, Split{1024}); }
ORVS_API OrvStatus orvsDiv_32s16s_Sfs(const Orv16s* pSrc1, const Orv32s* pSrc2, Orv16s* pDst, int len, int scaleFactor)
{ return divSfs(pSrc1, pSrc2, pDst, len, scaleFactor, k32s16s, Split{1024}); }

ORVS_API OrvStatus orvsDiv_Round_8u_Sfs(const Orv8u* pSrc1, const Orv8u* pSrc2, Orv8u* pDst, int len,
                                        OrvRoundMode rndMode, int scaleFactor)
{ return divRoundSfs(pSrc1, pSrc2, pDst, len, rndMode, scaleFactor, k8u, 512); }
ORVS_API OrvStatus orvsDiv_Round_8u_ISfs(const Orv8u* pSrc, Orv8u* pSrcDst, int len, OrvRoundMode rndMode,
                                         int scaleFactor)
{ return divRoundSfs<Orv8u>(pSrc, pSrcDst, pSrcDst, len, rndMode, scaleFactor, k8u, 512); }
ORVS_API OrvStatus orvsDiv_Round_16s_Sfs(const Orv16s* pSrc1, const Orv16s* pSrc2, Orv16s* pDst, int len,
                                         OrvRoundMode rndMode, int scaleFactor)
{ return divRoundSfs(pSrc1, pSrc2, pDst, len, rndMode, scaleFactor, k16sRound, 1024); }
ORVS_API OrvStatus orvsDiv_Round_16s_ISfs(const Orv16s* pSrc, Orv16s* pSrcDst, int len, OrvRoundMode rndMode,
                                          int scaleFactor)
{ return divRoundSfs<Orv16s>(pSrc, pSrcDst, pSrcDst, len, rndMode, scaleFactor, k16sRound, 1024); }
ORVS_API OrvStatus orvsDiv_Round_16u_Sfs(const Orv16u* pSrc1, const Orv16u* pSrc2, Orv16u* pDst, int len,
                                         OrvRoundMode rndMode, int scaleFactor)
{ return divRoundSfs(pSrc1, pSrc2, pDst, len, rndMode, scaleFactor, k16u, 1024); }
ORVS_API OrvStatus orvsDiv_Round_16u_ISfs(const Orv16u* pSrc, Orv16u* pSrcDst, int len, OrvRoundMode rndMode,
                                          int scaleFactor)
{ return divRoundSfs<Orv16u>(pSrc, pSrcDst, pSrcDst, len, rndMode, scaleFactor, k16u, 1024); }

ORVS_API OrvStatus orvsDivC_8u_Sfs(const Orv8u* pSrc, Orv8u val, Orv8u* pDst, int len, int scaleFactor)
{ return divCSfs(pSrc, val, pDst, len, scaleFactor, k8u, Split{4096}, BelowRange::SignSat); }
ORVS_API OrvStatus orvsDivC_8u_ISfs(Orv8u val, Orv8u* pSrcDst, int len, int scaleFactor)
{ return divCSfs<Orv8u>(pSrcDst, val, pSrcDst, len, scaleFactor, k8u, Split{4096}, BelowRange::SignSat); }
ORVS_API OrvStatus orvsDivC_16s_Sfs(const Orv16s* pSrc, Orv16s val, Orv16s* pDst, int len, int scaleFactor)
{ return divCSfs(pSrc, val, pDst, len, scaleFactor, k16s, Split{4096}, BelowRange::SignSat); }
ORVS_API OrvStatus orvsDivC_16s_ISfs(Orv16s val, Orv16s* pSrcDst, int len, int scaleFactor)
{ return divCSfs<Orv16s>(pSrcDst, val, pSrcDst, len, scaleFactor, k16s, Split{4096}, BelowRange::SignSat); }
ORVS_API OrvStatus orvsDivC_16u_Sfs(const Orv16u* pSrc, Orv16u val, Orv16u* pDst, int len, int scaleFactor)
{ return divCSfs(pSrc, val, pDst, len, scaleFactor, k16u, Split{kSerial}, BelowRange::AllMax); }
ORVS_API OrvStatus orvsDivC_16u_ISfs(Orv16u val, Orv16u* pSrcDst, int len, int scaleFactor)
{ return divCSfs<Orv16u>(pSrcDst, val, pSrcDst, len, scaleFactor, k16u, Split{kSerial}, BelowRange::AllMax); }

ORVS_API OrvStatus orvsDivCRev_16u(const Orv16u* pSrc, Orv16u val, Orv16u* pDst, int len)
{ return divCRev16u(pSrc, val, pDst, len); }
ORVS_API OrvStatus orvsDivCRev_16u_I(Orv16u val, Orv16u* pSrcDst, int len)
{ return divCRev16u(pSrcDst, val, pSrcDst, len); }

} // extern "C"
