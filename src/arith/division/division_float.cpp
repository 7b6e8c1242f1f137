// Real floating-point division entries.
#include "arith/division/division_engine.h"

using namespace orvs::division;

extern "C" {

ORVS_API OrvStatus orvsDiv_32f(const Orv32f* pSrc1, const Orv32f* pSrc2, Orv32f* pDst, int len)
{ return div32f(pSrc1, pSrc2, pDst, len); }
ORVS_API OrvStatus orvsDiv_32f_I(const Orv32f* pSrc, Orv32f* pSrcDst, int len)
{ return div32f(pSrc, pSrcDst, pSrcDst, len); }
ORVS_API OrvStatus orvsDiv_64f(const Orv64f* pSrc1, const Orv64f* pSrc2, Orv64f* pDst, int len)
{ return div64f(pSrc1, pSrc2, pDst, len); }
ORVS_API OrvStatus orvsDiv_64f_I(const Orv64f* pSrc, Orv64f* pSrcDst, int len)
{ return div64f(pSrc, pSrcDst, pSrcDst, len); }

ORVS_API OrvStatus orvsDivC_32f(const Orv32f* pSrc, Orv32f val, Orv32f* pDst, int len)
{ return divCReal(pSrc, val, pDst, len); }
ORVS_API OrvStatus orvsDivC_32f_I(Orv32f val, Orv32f* pSrcDst, int len)
{ return divCReal(pSrcDst, val, pSrcDst, len); }
ORVS_API OrvStatus orvsDivC_64f(const Orv64f* pSrc, Orv64f val, Orv64f* pDst, int len)
{ return divCReal(pSrc, val, pDst, len); }
ORVS_API OrvStatus orvsDivC_64f_I(Orv64f val, Orv64f* pSrcDst, int len)
{ return divCReal(pSrcDst, val, pSrcDst, len); }

ORVS_API OrvStatus orvsDivCRev_32f(const Orv32f* pSrc, Orv32f val, Orv32f* pDst, int len)
{ return divCRev32f(pSrc, val, pDst, len); }
ORVS_API OrvStatus orvsDivCRev_32f_I(Orv32f val, Orv32f* pSrcDst, int len)
{ return divCRev32f(pSrcDst, val, pSrcDst, len); }

} // extern "C"
