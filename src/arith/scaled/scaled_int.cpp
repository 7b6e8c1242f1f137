// Exported entries of the scaled arithmetic family: 8u, 16u and 16s members.
#include "arith/scaled/scaled_engine.h"
#include "orvs/arith.h"

using namespace orvs::scaled;
using namespace orvs::scaled::members;

extern "C" {

ORVS_API OrvStatus orvsAdd_8u_Sfs(const Orv8u* pSrc1, const Orv8u* pSrc2, Orv8u* pDst, int len, int scaleFactor)
{ return scaledVV<Add8u>(pSrc1, pSrc2, pDst, len, scaleFactor); }
ORVS_API OrvStatus orvsAdd_8u_ISfs(const Orv8u* pSrc, Orv8u* pSrcDst, int len, int scaleFactor)
{ return scaledVV<Add8u>(pSrc, pSrcDst, pSrcDst, len, scaleFactor); }
ORVS_API OrvStatus orvsSub_8u_Sfs(const Orv8u* pSrc1, const Orv8u* pSrc2, Orv8u* pDst, int len, int scaleFactor)
{ return scaledVV<Sub8u>(pSrc1, pSrc2, pDst, len, scaleFactor); }
ORVS_API OrvStatus orvsSub_8u_ISfs(const Orv8u* pSrc, Orv8u* pSrcDst, int len, int scaleFactor)
{ return scaledVV<Sub8u>(pSrc, pSrcDst, pSrcDst, len, scaleFactor); }
ORVS_API OrvStatus orvsMul_8u_Sfs(const Orv8u* pSrc1, const Orv8u* pSrc2, Orv8u* pDst, int len, int scaleFactor)
{ return scaledVV<Mul8u>(pSrc1, pSrc2, pDst, len, scaleFactor); }
ORVS_API OrvStatus orvsMul_8u_ISfs(const Orv8u* pSrc, Orv8u* pSrcDst, int len, int scaleFactor)
{ return scaledVV<Mul8u>(pSrc, pSrcDst, pSrcDst, len, scaleFactor); }
ORVS_API OrvStatus orvsAddC_8u_Sfs(const Orv8u* pSrc, Orv8u val, Orv8u* pDst, int len, int scaleFactor)
{ return scaledVC<AddC8u>(pSrc, val, pDst, len, scaleFactor); }
ORVS_API OrvStatus orvsAddC_8u_ISfs(Orv8u val, Orv8u* pSrcDst, int len, int scaleFactor)
{ return scaledVC<AddC8u>(pSrcDst, val, pSrcDst, len, scaleFactor); }
ORVS_API OrvStatus orvsSubC_8u_Sfs(const Orv8u* pSrc, Orv8u val, Orv8u* pDst, int len, int scaleFactor)
{ return scaledVC<SubC8u>(pSrc, val, pDst, len, scaleFactor); }
ORVS_API OrvStatus orvsSubC_8u_ISfs(Orv8u val, Orv8u* pSrcDst, int len, int scaleFactor)
{ return scaledVC<SubC8u>(pSrcDst, val, pSrcDst, len, scaleFactor); }
ORVS_API OrvStatus orvsSubCRev_8u_Sfs(const Orv8u* pSrc, Orv8u val, Orv8u* pDst, int len, int scaleFactor)
{ return scaledVC<SubCRev8u>(pSrc, val, pDst, len, scaleFactor); }
ORVS_API OrvStatus orvsSubCRev_8u_ISfs(Orv8u val, Orv8u* pSrcDst, int len, int scaleFactor)
{ return scaledVC<SubCRev8u>(pSrcDst, val, pSrcDst, len, scaleFactor); }
ORVS_API OrvStatus orvsMulC_8u_Sfs(const Orv8u* pSrc, Orv8u val, Orv8u* pDst, int len, int scaleFactor)
{ return scaledVC<MulC8u>(pSrc, val, pDst, len, scaleFactor); }
ORVS_API OrvStatus orvsMulC_8u_ISfs(Orv8u val, Orv8u* pSrcDst, int len, int scaleFactor)
{ return scaledVC<MulC8u>(pSrcDst, val, pSrcDst, len, scaleFactor); }
ORVS_API OrvStatus orvsAdd_16u_Sfs(const Orv16u* pSrc1, const Orv16u* pSrc2, Orv16u* pDst, int len, int scaleFactor)
{ return scaledVV<Add16u>(pSrc1, pSrc2, pDst, len, scaleFactor); }
ORVS_API OrvStatus orvsAdd_16u_ISfs(const Orv16u* pSrc, Orv16u* pSrcDst, int len, int scaleFactor)
{ return scaledVV<Add16u>(pSrc, pSrcDst, pSrcDst, len, scaleFactor); }
ORVS_API OrvStatus orvsSub_16u_Sfs(const Orv16u* pSrc1, const Orv16u* pSrc2, Orv16u* pDst, int len, int scaleFactor)
{ return scaledVV<Sub16u>(pSrc1, pSrc2, pDst, len, scaleFactor); }
ORVS_API OrvStatus orvsSub_16u_ISfs(const Orv16u* pSrc, Orv16u* pSrcDst, int len, int scaleFactor)
{ return scaledVV<Sub16u>(pSrc, pSrcDst, pSrcDst, len, scaleFactor); }
ORVS_API OrvStatus orvsMul_16u_Sfs(const Orv16u* pSrc1, const Orv16u* pSrc2, Orv16u* pDst, int len, int scaleFactor)
{ return scaledVV<Mul16u>(pSrc1, pSrc2, pDst, len, scaleFactor); }
ORVS_API OrvStatus orvsMul_16u_ISfs(const Orv16u* pSrc, Orv16u* pSrcDst, int len, int scaleFactor)
{ return scaledVV<Mul16u>(pSrc, pSrcDst, pSrcDst, len, scaleFactor); }
ORVS_API OrvStatus orvsAddC_16u_Sfs(const Orv16u* pSrc, Orv16u val, Orv16u* pDst, int len, int scaleFactor)
{ return scaledVC<AddC16u>(pSrc, val, pDst, len, scaleFactor); }
ORVS_API OrvStatus orvsAddC_16u_ISfs(Orv16u val, Orv16u* pSrcDst, int len, int scaleFactor)
{ return scaledVC<AddC16u>(pSrcDst, val, pSrcDst, len, scaleFactor); }
ORVS_API OrvStatus orvsSubC_16u_Sfs(const Orv16u* pSrc, Orv16u val, Orv16u* pDst, int len, int scaleFactor)
{ return scaledVC<SubC16u>(pSrc, val, pDst, len, scaleFactor); }
ORVS_API OrvStatus orvsSubC_16u_ISfs(Orv16u val, Orv16u* pSrcDst, int len, int scaleFactor)
{ return scaledVC<SubC16u>(pSrcDst, val, pSrcDst, len, scaleFactor); }
ORVS_API OrvStatus orvsSubCRev_16u_Sfs(const Orv16u* pSrc, Orv16u val, Orv16u* pDst, int len, int scaleFactor)
{ return scaledVC<SubCRev16u>(pSrc, val, pDst, len, scaleFactor); }
ORVS_API OrvStatus orvsSubCRev_16u_ISfs(Orv16u val, Orv16u* pSrcDst, int len, int scaleFactor)
{ return scaledVC<SubCRev16u>(pSrcDst, val, pSrcDst, len, scaleFactor); }
ORVS_API OrvStatus orvsMulC_16u_Sfs(const Orv16u* pSrc, Orv16u val, Orv16u* pDst, int len, int scaleFactor)
{ return scaledVC<MulC16u>(pSrc, val, pDst, len, scaleFactor); }
ORVS_API OrvStatus orvsMulC_16u_ISfs(Orv16u val, Orv16u* pSrcDst, int len, int scaleFactor)
{ return scaledVC<MulC16u>(pSrcDst, val, pSrcDst, len, scaleFactor); }
ORVS_API OrvStatus orvsAdd_16u(const Orv16u* pSrc1, const Orv16u* pSrc2, Orv16u* pDst, int len)
{ return scaledVV<Add16u>(pSrc1, pSrc2, pDst, len, 0); }
ORVS_API OrvStatus orvsAdd_16s_Sfs(const Orv16s* pSrc1, const Orv16s* pSrc2, Orv16s* pDst, int len, int scaleFactor)
{ return scaledVV<Add16s>(pSrc1, pSrc2, pDst, len, scaleFactor); }
ORVS_API OrvStatus orvsAdd_16s_ISfs(const Orv16s* pSrc, Orv16s* pSrcDst, int len, int scaleFactor)
{ return scaledVV<Add16s>(pSrc, pSrcDst, pSrcDst, len, scaleFactor); }
ORVS_API OrvStatus orvsSub_16s_Sfs(const Orv16s* pSrc1, const Orv16s* pSrc2, Orv16s* pDst, int len, int scaleFactor)
{ return scaledVV<Sub16s>(pSrc1, pSrc2, pDst, len, scaleFactor); }
ORVS_API OrvStatus orvsSub_16s_ISfs(const Orv16s* pSrc, Orv16s* pSrcDst, int len, int scaleFactor)
{ return scaledVV<Sub16s>(pSrc, pSrcDst, pSrcDst, len, scaleFactor); }
ORVS_API OrvStatus orvsMul_16s_Sfs(const Orv16s* pSrc1, const Orv16s* pSrc2, Orv16s* pDst, int len, int scaleFactor)
{ return scaledVV<Mul16s>(pSrc1, pSrc2, pDst, len, scaleFactor); }
ORVS_API OrvStatus orvsMul_16s_ISfs(const Orv16s* pSrc, Orv16s* pSrcDst, int len, int scaleFactor)
{ return scaledVV<Mul16s>(pSrc, pSrcDst, pSrcDst, len, scaleFactor); }
ORVS_API OrvStatus orvsAddC_16s_Sfs(const Orv16s* pSrc, Orv16s val, Orv16s* pDst, int len, int scaleFactor)
{ return scaledVC<AddC16s>(pSrc, val, pDst, len, scaleFactor); }
ORVS_API OrvStatus orvsAddC_16s_ISfs(Orv16s val, Orv16s* pSrcDst, int len, int scaleFactor)
{ return scaledVC<AddC16s>(pSrcDst, val, pSrcDst, len, scaleFactor); }
ORVS_API OrvStatus orvsSubC_16s_Sfs(const Orv16s* pSrc, Orv16s val, Orv16s* pDst, int len, int scaleFactor)
{ return scaledVC<SubC16s>(pSrc, val, pDst, len, scaleFactor); }
ORVS_API OrvStatus orvsSubC_16s_ISfs(Orv16s val, Orv16s* pSrcDst, int len, int scaleFactor)
{ return scaledVC<SubC16s>(pSrcDst, val, pSrcDst, len, scaleFactor); }
ORVS_API OrvStatus orvsSubCRev_16s_Sfs(const Orv16s* pSrc, Orv16s val, Orv16s* pDst, int len, int scaleFactor)
{ return scaledVC<SubCRev16s>(pSrc, val, pDst, len, scaleFactor); }
ORVS_API OrvStatus orvsSubCRev_16s_ISfs(Orv16s val, Orv16s* pSrcDst, int len, int scaleFactor)
{ return scaledVC<SubCRev16s>(pSrcDst, val, pSrcDst, len, scaleFactor); }
ORVS_API OrvStatus orvsMulC_16s_Sfs(const Orv16s* pSrc, Orv16s val, Orv16s* pDst, int len, int scaleFactor)
{ return scaledVC<MulC16s>(pSrc, val, pDst, len, scaleFactor); }
ORVS_API OrvStatus orvsMulC_16s_ISfs(Orv16s val, Orv16s* pSrcDst, int len, int scaleFactor)
{ return scaledVC<MulC16s>(pSrcDst, val, pSrcDst, len, scaleFactor); }
ORVS_API OrvStatus orvsAdd_16s(const Orv16s* pSrc1, const Orv16s* pSrc2, Orv16s* pDst, int len)
{ return scaledVV<Add16s>(pSrc1, pSrc2, pDst, len, 0); }
ORVS_API OrvStatus orvsAdd_16s_I(const Orv16s* pSrc, Orv16s* pSrcDst, int len)
{ return scaledVV<Add16s>(pSrc, pSrcDst, pSrcDst, len, 0); }
ORVS_API OrvStatus orvsSub_16s(const Orv16s* pSrc1, const Orv16s* pSrc2, Orv16s* pDst, int len)
{ return scaledVV<Sub16s>(pSrc1, pSrc2, pDst, len, 0); }
ORVS_API OrvStatus orvsSub_16s_I(const Orv16s* pSrc, Orv16s* pSrcDst, int len)
{ return scaledVV<Sub16s>(pSrc, pSrcDst, pSrcDst, len, 0); }
ORVS_API OrvStatus orvsMul_16s(const Orv16s* pSrc1, const Orv16s* pSrc2, Orv16s* pDst, int len)
{ return scaledVV<Mul16s>(pSrc1, pSrc2, pDst, len, 0); }
ORVS_API OrvStatus orvsMul_16s_I(const Orv16s* pSrc, Orv16s* pSrcDst, int len)
{ return scaledVV<Mul16s>(pSrc, pSrcDst, pSrcDst, len, 0); }
ORVS_API OrvStatus orvsAddC_16s_I(Orv16s val, Orv16s* pSrcDst, int len)
{ return scaledVC<AddC16s>(pSrcDst, val, pSrcDst, len, 0); }
ORVS_API OrvStatus orvsSubC_16s_I(Orv16s val, Orv16s* pSrcDst, int len)
{ return scaledVC<SubC16s>(pSrcDst, val, pSrcDst, len, 0); }
ORVS_API OrvStatus orvsMulC_16s_I(Orv16s val, Orv16s* pSrcDst, int len)
{ return scaledVC<MulC16s>(pSrcDst, val, pSrcDst, len, 0); }

} // extern "C"
