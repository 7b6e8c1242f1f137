// The constant dividend over a 16u vector.
#include "arith/division/division_engine.h"

namespace orvs::division {


OrvStatus divCRev16u(const Orv16u* pSrc, Orv16u val, Orv16u* pDst, int len)
{
    ORVS_CHECK(check::vectors(len, pSrc, pDst));
    if (val == 0) {
        // 0 / x is 0 everywhere; only 0 / 0 is worth the warning. The source
        // is scanned before the destination (possibly the same) is cleared.
        bool zeroDivisor = false;
        for (int i = 0; i < len; ++i) zeroDivisor |= pSrc[i] == 0;
        ORVS_CHECK(zeroAll(pDst, len));
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
