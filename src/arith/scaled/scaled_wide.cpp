// Exported entries of the scaled arithmetic family: 16sc, 32s, 32sc, 64s and mixed integer members.
#include "arith/scaled/scaled_engine.h"
#include "orvs/arith.h"

using namespace orvs::scaled;
using namespace orvs::scaled::members;

extern "C" {

ORVS_API OrvStatus orvsAdd_16sc_Sfs(const Orv16sc* pSrc1, const Orv16sc* pSrc2, Orv16sc* pDst, int len, int scaleFactor)
{ return scaledVV<Add16sc>(pSrc1, pSrc2, pDst, len, scaleFactor); }
ORVS_API OrvStatus orvsAdd_16sc_ISfs(const Orv16sc* pSrc, Orv16sc* pSrcDst, int len, int scaleFactor)
{ return scaledVV<Add16sc>(pSrc, pSrcDst, pSrcDst, len, scaleFactor); }
ORVS_API OrvStatus orvsSub_16sc_Sfs(const Orv16sc* pSrc1, const Orv16sc* pSrc2, Orv16sc* pDst, int len, int scaleFactor)
{ return scaledVV<Sub16sc>(pSrc1, pSrc2, pDst, len, scaleFactor); }
ORVS_API OrvStatus orvsSub_16sc_ISfs(const Orv16sc* pSrc, Orv16sc* pSrcDst, int len, int scaleFactor)
{ return scaledVV<Sub16sc>(pSrc, pSrcDst, pSrcDst, len, scaleFactor); }
ORVS_API OrvStatus orvsMul_16sc_Sfs(const Orv16sc* pSrc1, const Orv16sc* pSrc2, Orv16sc* pDst, int len, int scaleFactor)
{ return scaledVV<Mul16sc>(pSrc1, pSrc2, pDst, len, scaleFactor); }
ORVS_API OrvStatus orvsMul_16sc_ISfs(const Orv16sc* pSrc, Orv16sc* pSrcDst, int len, int scaleFactor)
{ return scaledVV<Mul16sc>(pSrc, pSrcDst, pSrcDst, len, scaleFactor); }
ORVS_API OrvStatus orvsAddC_16sc_Sfs(const Orv16sc* pSrc, Orv16sc val, Orv16sc* pDst, int len, int scaleFactor)
{ return scaledVC<AddC16sc>(pSrc, val, pDst, len, scaleFactor); }
ORVS_API OrvStatus orvsAddC_16sc_ISfs(Orv16sc val, Orv16sc* pSrcDst, int len, int scaleFactor)
{ return scaledVC<AddC16sc>(pSrcDst, val, pSrcDst, len, scaleFactor); }
ORVS_API OrvStatus orvsSubC_16sc_Sfs(const Orv16sc* pSrc, Orv16sc val, Orv16sc* pDst, int len, int scaleFactor)
{ return scaledVC<SubC16sc>(pSrc, val, pDst, len, scaleFactor); }
ORVS_API OrvStatus orvsSubC_16sc_ISfs(Orv16sc val, Orv16sc* pSrcDst, int len, int scaleFactor)
{ return scaledVC<SubC16sc>(pSrcDst, val, pSrcDst, len, scaleFactor); }
ORVS_API OrvStatus orvsSubCRev_16sc_Sfs(const Orv16sc* pSrc, Orv16sc val, Orv16sc* pDst, int len, int scaleFactor)
{ return scaledVC<SubCRev16sc>(pSrc, val, pDst, len, scaleFactor); }
ORVS_API OrvStatus orvsSubCRev_16sc_ISfs(Orv16sc val, Orv16sc* pSrcDst, int len, int scaleFactor)
{ return scaledVC<SubCRev16sc>(pSrcDst, val, pSrcDst, len, scaleFactor); }
ORVS_API OrvStatus orvsMulC_16sc_Sfs(const Orv16sc* pSrc, Orv16sc val, Orv16sc* pDst, int len, int scaleFactor)
{ return scaledVC<MulC16sc>(pSrc, val, pDst, len, scaleFactor); }
ORVS_API OrvStatus orvsMulC_16sc_ISfs(Orv16sc val, Orv16sc* pSrcDst, int len, int scaleFactor)
{ return scaledVC<MulC16sc>(pSrcDst, val, pSrcDst, len, scaleFactor); }
ORVS_API OrvStatus orvsAdd_32s_Sfs(const Orv32s* pSrc1, const Orv32s* pSrc2, Orv32s* pDst, int len, int scaleFactor)
{ return scaledVV<Add32s>(pSrc1, pSrc2, pDst, len, scaleFactor); }
ORVS_API OrvStatus orvsAdd_32s_ISfs(const Orv32s* pSrc, Orv32s* pSrcDst, int len, int scaleFactor)
{ return scaledVV<Add32s>(pSrc, pSrcDst, pSrcDst, len, scaleFactor); }
ORVS_API OrvStatus orvsSub_32s_Sfs(const Orv32s* pSrc1, const Orv32s* pSrc2, Orv32s* pDst, int len, int scaleFactor)
{ return scaledVV<Sub32s>(pSrc1, pSrc2, pDst, len, scaleFactor); }
ORVS_API OrvStatus orvsSub_32s_ISfs(const Orv32s* pSrc, Orv32s* pSrcDst, int len, int scaleFactor)
{ return scaledVV<Sub32s>(pSrc, pSrcDst, pSrcDst, len, scaleFactor); }
ORVS_API OrvStatus orvsMul_32s_Sfs(const Orv32s* pSrc1, const Orv32s* pSrc2, Orv32s* pDst, int len, int scaleFactor)
{ return scaledVV<Mul32s>(pSrc1, pSrc2, pDst, len, scaleFactor); }
ORVS_API OrvStatus orvsMul_32s_ISfs(const Orv32s* pSrc, Orv32s* pSrcDst, int len, int scaleFactor)
{ return scaledVV<Mul32s>(pSrc, pSrcDst, pSrcDst, len, scaleFactor); }
ORVS_API OrvStatus orvsAddC_32s_Sfs(const Orv32s* pSrc, Orv32s val, Orv32s* pDst, int len, int scaleFactor)
{ return scaledVC<AddC32s>(pSrc, val, pDst, len, scaleFactor); }
ORVS_API OrvStatus orvsAddC_32s_ISfs(Orv32s val, Orv32s* pSrcDst, int len, int scaleFactor)
{ return scaledVC<AddC32s>(pSrcDst, val, pSrcDst, len, scaleFactor); }
ORVS_API OrvStatus orvsSubC_32s_Sfs(const Orv32s* pSrc, Orv32s val, Orv32s* pDst, int len, int scaleFactor)
{ return scaledVC<SubC32s>(pSrc, val, pDst, len, scaleFactor); }
ORVS_API OrvStatus orvsSubC_32s_ISfs(Orv32s val, Orv32s* pSrcDst, int len, int scaleFactor)
{ return scaledVC<SubC32s>(pSrcDst, val, pSrcDst, len, scaleFactor); }
ORVS_API OrvStatus orvsSubCRev_32s_Sfs(const Orv32s* pSrc, Orv32s val, Orv32s* pDst, int len, int scaleFactor)
{ return scaledVC<SubCRev32s>(pSrc, val, pDst, len, scaleFactor); }
ORVS_API OrvStatus orvsSubCRev_32s_ISfs(Orv32s val, Orv32s* pSrcDst, int len, int scaleFactor)
{ return scaledVC<SubCRev32s>(pSrcDst, val, pSrcDst, len, scaleFactor); }
ORVS_API OrvStatus orvsMulC_32s_Sfs(const Orv32s* pSrc, Orv32s val, Orv32s* pDst, int len, int scaleFactor)
{ return scaledVC<MulC32s>(pSrc, val, pDst, len, scaleFactor); }
ORVS_API OrvStatus orvsMulC_32s_ISfs(Orv32s val, Orv32s* pSrcDst, int len, int scaleFactor)
{ return scaledVC<MulC32s>(pSrcDst, val, pSrcDst, len, scaleFactor); }
ORVS_API OrvStatus orvsAdd_32sc_Sfs(const Orv32sc* pSrc1, const Orv32sc* pSrc2, Orv32sc* pDst, int len, int scaleFactor)
{ return scaledVV<Add32sc>(pSrc1, pSrc2, pDst, len, scaleFactor); }
ORVS_API OrvStatus orvsAdd_32sc_ISfs(const Orv32sc* pSrc, Orv32sc* pSrcDst, int len, int scaleFactor)
{ return scaledVV<Add32sc>(pSrc, pSrcDst, pSrcDst, len, scaleFactor); }
ORVS_API OrvStatus orvsSub_32sc_Sfs(const Orv32sc* pSrc1, const Orv32sc* pSrc2, Orv32sc* pDst, int len, int scaleFactor)
{ return scaledVV<Sub32sc>(pSrc1, pSrc2, pDst, len, scaleFactor); }
ORVS_API OrvStatus orvsSub_32sc_ISfs(const Orv32sc* pSrc, Orv32sc* pSrcDst, int len, int scaleFactor)
{ return scaledVV<Sub32sc>(pSrc, pSrcDst, pSrcDst, len, scaleFactor); }
ORVS_API OrvStatus orvsMul_32sc_Sfs(const Orv32sc* pSrc1, const Orv32sc* pSrc2, Orv32sc* pDst, int len, int scaleFactor)
{ return scaledVV<Mul32sc>(pSrc1, pSrc2, pDst, len, scaleFactor); }
ORVS_API OrvStatus orvsMul_32sc_ISfs(const Orv32sc* pSrc, Orv32sc* pSrcDst, int len, int scaleFactor)
{ return scaledVV<Mul32sc>(pSrc, pSrcDst, pSrcDst, len, scaleFactor); }
ORVS_API OrvStatus orvsAddC_32sc_Sfs(const Orv32sc* pSrc, Orv32sc val, Orv32sc* pDst, int len, int scaleFactor)
{ return scaledVC<AddC32sc>(pSrc, val, pDst, len, scaleFactor); }
ORVS_API OrvStatus orvsAddC_32sc_ISfs(Orv32sc val, Orv32sc* pSrcDst, int len, int scaleFactor)
{ return scaledVC<AddC32sc>(pSrcDst, val, pSrcDst, len, scaleFactor); }
ORVS_API OrvStatus orvsSubC_32sc_Sfs(const Orv32sc* pSrc, Orv32sc val, Orv32sc* pDst, int len, int scaleFactor)
{ return scaledVC<SubC32sc>(pSrc, val, pDst, len, scaleFactor); }
ORVS_API OrvStatus orvsSubC_32sc_ISfs(Orv32sc val, Orv32sc* pSrcDst, int len, int scaleFactor)
{ return scaledVC<SubC32sc>(pSrcDst, val, pSrcDst, len, scaleFactor); }
ORVS_API OrvStatus orvsSubCRev_32sc_Sfs(const Orv32sc* pSrc, Orv32sc val, Orv32sc* pDst, int len, int scaleFactor)
{ return scaledVC<SubCRev32sc>(pSrc, val, pDst, len, scaleFactor); }
ORVS_API OrvStatus orvsSubCRev_32sc_ISfs(Orv32sc val, Orv32sc* pSrcDst, int len, int scaleFactor)
{ return scaledVC<SubCRev32sc>(pSrcDst, val, pSrcDst, len, scaleFactor); }
ORVS_API OrvStatus orvsMulC_32sc_Sfs(const Orv32sc* pSrc, Orv32sc val, Orv32sc* pDst, int len, int scaleFactor)
{ return scaledVC<MulC32sc>(pSrc, val, pDst, len, scaleFactor); }
ORVS_API OrvStatus orvsMulC_32sc_ISfs(Orv32sc val, Orv32sc* pSrcDst, int len, int scaleFactor)
{ return scaledVC<MulC32sc>(pSrcDst, val, pSrcDst, len, scaleFactor); }
ORVS_API OrvStatus orvsAdd_64s_Sfs(const Orv64s* pSrc1, const Orv64s* pSrc2, Orv64s* pDst, int len, int scaleFactor)
{ return scaledVV<Add64s>(pSrc1, pSrc2, pDst, len, scaleFactor); }
ORVS_API OrvStatus orvsMulC_64s_ISfs(Orv64s val, Orv64s* pSrcDst, int len, int scaleFactor)
{ return scaledVC<MulC64s>(pSrcDst, val, pSrcDst, len, scaleFactor); }
ORVS_API OrvStatus orvsMul_16u16s_Sfs(const Orv16u* pSrc1, const Orv16s* pSrc2, Orv16s* pDst, int len, int scaleFactor)
{ return scaledVV<Mul16u16s>(pSrc1, pSrc2, pDst, len, scaleFactor); }
ORVS_API OrvStatus orvsMul_16s32s_Sfs(const Orv16s* pSrc1, const Orv16s* pSrc2, Orv32s* pDst, int len, int scaleFactor)
{ return scaledVV<Mul16s32s>(pSrc1, pSrc2, pDst, len, scaleFactor); }
ORVS_API OrvStatus orvsMul_32s32sc_Sfs(const Orv32s* pSrc1, const Orv32sc* pSrc2, Orv32sc* pDst, int len, int scaleFactor)
{ return scaledVV<Mul32s32sc>(pSrc1, pSrc2, pDst, len, scaleFactor); }
ORVS_API OrvStatus orvsMul_32s32sc_ISfs(const Orv32s* pSrc, Orv32sc* pSrcDst, int len, int scaleFactor)
{ return scaledVV<Mul32s32sc>(pSrc, pSrcDst, pSrcDst, len, scaleFactor); }
ORVS_API OrvStatus orvsMul_Low_32s_Sfs(const Orv32s* pSrc1, const Orv32s* pSrc2, Orv32s* pDst, int len, int scaleFactor)
{ return scaledVV<MulLow32s>(pSrc1, pSrc2, pDst, len, scaleFactor); }
ORVS_API OrvStatus orvsAddProduct_16s_Sfs(const Orv16s* pSrc1, const Orv16s* pSrc2, Orv16s* pSrcDst, int len, int scaleFactor)
{ return scaledVV<AddProduct16s>(pSrc1, pSrc2, pSrcDst, len, scaleFactor); }
ORVS_API OrvStatus orvsAddProduct_16s32s_Sfs(const Orv16s* pSrc1, const Orv16s* pSrc2, Orv32s* pSrcDst, int len, int scaleFactor)
{ return scaledVV<AddProduct16s32s>(pSrc1, pSrc2, pSrcDst, len, scaleFactor); }
ORVS_API OrvStatus orvsAddProduct_32s_Sfs(const Orv32s* pSrc1, const Orv32s* pSrc2, Orv32s* pSrcDst, int len, int scaleFactor)
{ return scaledVV<AddProduct32s>(pSrc1, pSrc2, pSrcDst, len, scaleFactor); }
ORVS_API OrvStatus orvsAdd_8u16u(const Orv8u* pSrc1, const Orv8u* pSrc2, Orv16u* pDst, int len)
{ return plainVV<Add8u16u>(pSrc1, pSrc2, pDst, len); }
ORVS_API OrvStatus orvsMul_8u16u(const Orv8u* pSrc1, const Orv8u* pSrc2, Orv16u* pDst, int len)
{ return plainVV<Mul8u16u>(pSrc1, pSrc2, pDst, len); }
ORVS_API OrvStatus orvsAdd_16s32s_I(const Orv16s* pSrc, Orv32s* pSrcDst, int len)
{ return plainVV<Add16s32sInto>(pSrc, pSrcDst, pSrcDst, len); }
ORVS_API OrvStatus orvsAdd_32u(const Orv32u* pSrc1, const Orv32u* pSrc2, Orv32u* pDst, int len)
{ return plainVV<Add32u>(pSrc1, pSrc2, pDst, len); }
ORVS_API OrvStatus orvsAbs_16s(const Orv16s* pSrc, Orv16s* pDst, int len)
{ return plainV<Abs16s>(pSrc, pDst, len); }
ORVS_API OrvStatus orvsAbs_16s_I(Orv16s* pSrcDst, int len)
{ return plainV<Abs16s>(pSrcDst, pSrcDst, len); }
ORVS_API OrvStatus orvsAbs_32s(const Orv32s* pSrc, Orv32s* pDst, int len)
{ return plainV<Abs32s>(pSrc, pDst, len); }
ORVS_API OrvStatus orvsAbs_32s_I(Orv32s* pSrcDst, int len)
{ return plainV<Abs32s>(pSrcDst, pSrcDst, len); }

} // extern "C"
