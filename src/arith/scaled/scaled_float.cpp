// Exported entries of the scaled arithmetic family: floating-point members.
#include "arith/scaled/scaled_engine.h"
#include "orvs/arith.h"

using namespace orvs::scaled;
using namespace orvs::scaled::members;

extern "C" {

ORVS_API OrvStatus orvsAbs_32f(const Orv32f* pSrc, Orv32f* pDst, int len)
{ return plainV<Abs32f>(pSrc, pDst, len); }
ORVS_API OrvStatus orvsAbs_32f_I(Orv32f* pSrcDst, int len)
{ return plainV<Abs32f>(pSrcDst, pSrcDst, len); }
ORVS_API OrvStatus orvsAbs_64f(const Orv64f* pSrc, Orv64f* pDst, int len)
{ return plainV<Abs64f>(pSrc, pDst, len); }
ORVS_API OrvStatus orvsAbs_64f_I(Orv64f* pSrcDst, int len)
{ return plainV<Abs64f>(pSrcDst, pSrcDst, len); }
ORVS_API OrvStatus orvsAdd_32f(const Orv32f* pSrc1, const Orv32f* pSrc2, Orv32f* pDst, int len)
{ return plainVV<Add32f>(pSrc1, pSrc2, pDst, len); }
ORVS_API OrvStatus orvsAdd_32f_I(const Orv32f* pSrc, Orv32f* pSrcDst, int len)
{ return plainVV<Add32f>(pSrc, pSrcDst, pSrcDst, len); }
ORVS_API OrvStatus orvsSub_32f(const Orv32f* pSrc1, const Orv32f* pSrc2, Orv32f* pDst, int len)
{ return plainVV<Sub32f>(pSrc1, pSrc2, pDst, len); }
ORVS_API OrvStatus orvsSub_32f_I(const Orv32f* pSrc, Orv32f* pSrcDst, int len)
{ return plainVV<Sub32f>(pSrc, pSrcDst, pSrcDst, len); }
ORVS_API OrvStatus orvsMul_32f(const Orv32f* pSrc1, const Orv32f* pSrc2, Orv32f* pDst, int len)
{ return plainVV<Mul32f>(pSrc1, pSrc2, pDst, len); }
ORVS_API OrvStatus orvsMul_32f_I(const Orv32f* pSrc, Orv32f* pSrcDst, int len)
{ return plainVV<Mul32f>(pSrc, pSrcDst, pSrcDst, len); }
ORVS_API OrvStatus orvsAddC_32f(const Orv32f* pSrc, Orv32f val, Orv32f* pDst, int len)
{ return plainVC<AddC32f>(pSrc, val, pDst, len); }
ORVS_API OrvStatus orvsAddC_32f_I(Orv32f val, Orv32f* pSrcDst, int len)
{ return plainVC<AddC32f>(pSrcDst, val, pSrcDst, len); }
ORVS_API OrvStatus orvsSubC_32f(const Orv32f* pSrc, Orv32f val, Orv32f* pDst, int len)
{ return plainVC<SubC32f>(pSrc, val, pDst, len); }
ORVS_API OrvStatus orvsSubC_32f_I(Orv32f val, Orv32f* pSrcDst, int len)
{ return plainVC<SubC32f>(pSrcDst, val, pSrcDst, len); }
ORVS_API OrvStatus orvsSubCRev_32f(const Orv32f* pSrc, Orv32f val, Orv32f* pDst, int len)
{ return plainVC<SubCRev32f>(pSrc, val, pDst, len); }
ORVS_API OrvStatus orvsSubCRev_32f_I(Orv32f val, Orv32f* pSrcDst, int len)
{ return plainVC<SubCRev32f>(pSrcDst, val, pSrcDst, len); }
ORVS_API OrvStatus orvsMulC_32f(const Orv32f* pSrc, Orv32f val, Orv32f* pDst, int len)
{ return plainVC<MulC32f>(pSrc, val, pDst, len); }
ORVS_API OrvStatus orvsMulC_32f_I(Orv32f val, Orv32f* pSrcDst, int len)
{ return plainVC<MulC32f>(pSrcDst, val, pSrcDst, len); }
ORVS_API OrvStatus orvsAddProduct_32f(const Orv32f* pSrc1, const Orv32f* pSrc2, Orv32f* pSrcDst, int len)
{ return plainVV<AddProduct32f>(pSrc1, pSrc2, pSrcDst, len); }
ORVS_API OrvStatus orvsAdd_64f(const Orv64f* pSrc1, const Orv64f* pSrc2, Orv64f* pDst, int len)
{ return plainVV<Add64f>(pSrc1, pSrc2, pDst, len); }
ORVS_API OrvStatus orvsAdd_64f_I(const Orv64f* pSrc, Orv64f* pSrcDst, int len)
{ return plainVV<Add64f>(pSrc, pSrcDst, pSrcDst, len); }
ORVS_API OrvStatus orvsSub_64f(const Orv64f* pSrc1, const Orv64f* pSrc2, Orv64f* pDst, int len)
{ return plainVV<Sub64f>(pSrc1, pSrc2, pDst, len); }
ORVS_API OrvStatus orvsSub_64f_I(const Orv64f* pSrc, Orv64f* pSrcDst, int len)
{ return plainVV<Sub64f>(pSrc, pSrcDst, pSrcDst, len); }
ORVS_API OrvStatus orvsMul_64f(const Orv64f* pSrc1, const Orv64f* pSrc2, Orv64f* pDst, int len)
{ return plainVV<Mul64f>(pSrc1, pSrc2, pDst, len); }
ORVS_API OrvStatus orvsMul_64f_I(const Orv64f* pSrc, Orv64f* pSrcDst, int len)
{ return plainVV<Mul64f>(pSrc, pSrcDst, pSrcDst, len); }
ORVS_API OrvStatus orvsAddC_64f(const Orv64f* pSrc, Orv64f val, Orv64f* pDst, int len)
{ return plainVC<AddC64f>(pSrc, val, pDst, len); }
ORVS_API OrvStatus orvsAddC_64f_I(Orv64f val, Orv64f* pSrcDst, int len)
{ return plainVC<AddC64f>(pSrcDst, val, pSrcDst, len); }
ORVS_API OrvStatus orvsSubC_64f(const Orv64f* pSrc, Orv64f val, Orv64f* pDst, int len)
{ return plainVC<SubC64f>(pSrc, val, pDst, len); }
ORVS_API OrvStatus orvsSubC_64f_I(Orv64f val, Orv64f* pSrcDst, int len)
{ return plainVC<SubC64f>(pSrcDst, val, pSrcDst, len); }
ORVS_API OrvStatus orvsSubCRev_64f(const Orv64f* pSrc, Orv64f val, Orv64f* pDst, int len)
{ return plainVC<SubCRev64f>(pSrc, val, pDst, len); }
ORVS_API OrvStatus orvsSubCRev_64f_I(Orv64f val, Orv64f* pSrcDst, int len)
{ return plainVC<SubCRev64f>(pSrcDst, val, pSrcDst, len); }
ORVS_API OrvStatus orvsMulC_64f(const Orv64f* pSrc, Orv64f val, Orv64f* pDst, int len)
{ return plainVC<MulC64f>(pSrc, val, pDst, len); }
ORVS_API OrvStatus orvsMulC_64f_I(Orv64f val, Orv64f* pSrcDst, int len)
{ return plainVC<MulC64f>(pSrcDst, val, pSrcDst, len); }
ORVS_API OrvStatus orvsAddProduct_64f(const Orv64f* pSrc1, const Orv64f* pSrc2, Orv64f* pSrcDst, int len)
{ return plainVV<AddProduct64f>(pSrc1, pSrc2, pSrcDst, len); }
ORVS_API OrvStatus orvsAdd_32fc(const Orv32fc* pSrc1, const Orv32fc* pSrc2, Orv32fc* pDst, int len)
{ return plainVV<Add32fc>(pSrc1, pSrc2, pDst, len); }
ORVS_API OrvStatus orvsAdd_32fc_I(const Orv32fc* pSrc, Orv32fc* pSrcDst, int len)
{ return plainVV<Add32fc>(pSrc, pSrcDst, pSrcDst, len); }
ORVS_API OrvStatus orvsSub_32fc(const Orv32fc* pSrc1, const Orv32fc* pSrc2, Orv32fc* pDst, int len)
{ return plainVV<Sub32fc>(pSrc1, pSrc2, pDst, len); }
ORVS_API OrvStatus orvsSub_32fc_I(const Orv32fc* pSrc, Orv32fc* pSrcDst, int len)
{ return plainVV<Sub32fc>(pSrc, pSrcDst, pSrcDst, len); }
ORVS_API OrvStatus orvsMul_32fc(const Orv32fc* pSrc1, const Orv32fc* pSrc2, Orv32fc* pDst, int len)
{ return plainVV<Mul32fc>(pSrc1, pSrc2, pDst, len); }
ORVS_API OrvStatus orvsMul_32fc_I(const Orv32fc* pSrc, Orv32fc* pSrcDst, int len)
{ return plainVV<Mul32fc>(pSrc, pSrcDst, pSrcDst, len); }
ORVS_API OrvStatus orvsAddC_32fc(const Orv32fc* pSrc, Orv32fc val, Orv32fc* pDst, int len)
{ return plainVC<AddC32fc>(pSrc, val, pDst, len); }
ORVS_API OrvStatus orvsAddC_32fc_I(Orv32fc val, Orv32fc* pSrcDst, int len)
{ return plainVC<AddC32fc>(pSrcDst, val, pSrcDst, len); }
ORVS_API OrvStatus orvsSubC_32fc(const Orv32fc* pSrc, Orv32fc val, Orv32fc* pDst, int len)
{ return plainVC<SubC32fc>(pSrc, val, pDst, len); }
ORVS_API OrvStatus orvsSubC_32fc_I(Orv32fc val, Orv32fc* pSrcDst, int len)
{ return plainVC<SubC32fc>(pSrcDst, val, pSrcDst, len); }
ORVS_API OrvStatus orvsSubCRev_32fc(const Orv32fc* pSrc, Orv32fc val, Orv32fc* pDst, int len)
{ return plainVC<SubCRev32fc>(pSrc, val, pDst, len); }
ORVS_API OrvStatus orvsSubCRev_32fc_I(Orv32fc val, Orv32fc* pSrcDst, int len)
{ return plainVC<SubCRev32fc>(pSrcDst, val, pSrcDst, len); }
ORVS_API OrvStatus orvsMulC_32fc(const Orv32fc* pSrc, Orv32fc val, Orv32fc* pDst, int len)
{ return plainVC<MulC32fc>(pSrc, val, pDst, len); }
ORVS_API OrvStatus orvsMulC_32fc_I(Orv32fc val, Orv32fc* pSrcDst, int len)
{ return plainVC<MulC32fc>(pSrcDst, val, pSrcDst, len); }
ORVS_API OrvStatus orvsAddProduct_32fc(const Orv32fc* pSrc1, const Orv32fc* pSrc2, Orv32fc* pSrcDst, int len)
{ return plainVV<AddProduct32fc>(pSrc1, pSrc2, pSrcDst, len); }
ORVS_API OrvStatus orvsAdd_64fc(const Orv64fc* pSrc1, const Orv64fc* pSrc2, Orv64fc* pDst, int len)
{ return plainVV<Add64fc>(pSrc1, pSrc2, pDst, len); }
ORVS_API OrvStatus orvsAdd_64fc_I(const Orv64fc* pSrc, Orv64fc* pSrcDst, int len)
{ return plainVV<Add64fc>(pSrc, pSrcDst, pSrcDst, len); }
ORVS_API OrvStatus orvsSub_64fc(const Orv64fc* pSrc1, const Orv64fc* pSrc2, Orv64fc* pDst, int len)
{ return plainVV<Sub64fc>(pSrc1, pSrc2, pDst, len); }
ORVS_API OrvStatus orvsSub_64fc_I(const Orv64fc* pSrc, Orv64fc* pSrcDst, int len)
{ return plainVV<Sub64fc>(pSrc, pSrcDst, pSrcDst, len); }
ORVS_API OrvStatus orvsMul_64fc(const Orv64fc* pSrc1, const Orv64fc* pSrc2, Orv64fc* pDst, int len)
{ return plainVV<Mul64fc>(pSrc1, pSrc2, pDst, len); }
ORVS_API OrvStatus orvsMul_64fc_I(const Orv64fc* pSrc, Orv64fc* pSrcDst, int len)
{ return plainVV<Mul64fc>(pSrc, pSrcDst, pSrcDst, len); }
ORVS_API OrvStatus orvsAddC_64fc(const Orv64fc* pSrc, Orv64fc val, Orv64fc* pDst, int len)
{ return plainVC<AddC64fc>(pSrc, val, pDst, len); }
ORVS_API OrvStatus orvsAddC_64fc_I(Orv64fc val, Orv64fc* pSrcDst, int len)
{ return plainVC<AddC64fc>(pSrcDst, val, pSrcDst, len); }
ORVS_API OrvStatus orvsSubC_64fc(const Orv64fc* pSrc, Orv64fc val, Orv64fc* pDst, int len)
{ return plainVC<SubC64fc>(pSrc, val, pDst, len); }
ORVS_API OrvStatus orvsSubC_64fc_I(Orv64fc val, Orv64fc* pSrcDst, int len)
{ return plainVC<SubC64fc>(pSrcDst, val, pSrcDst, len); }
ORVS_API OrvStatus orvsSubCRev_64fc(const Orv64fc* pSrc, Orv64fc val, Orv64fc* pDst, int len)
{ return plainVC<SubCRev64fc>(pSrc, val, pDst, len); }
ORVS_API OrvStatus orvsSubCRev_64fc_I(Orv64fc val, Orv64fc* pSrcDst, int len)
{ return plainVC<SubCRev64fc>(pSrcDst, val, pSrcDst, len); }
ORVS_API OrvStatus orvsMulC_64fc(const Orv64fc* pSrc, Orv64fc val, Orv64fc* pDst, int len)
{ return plainVC<MulC64fc>(pSrc, val, pDst, len); }
ORVS_API OrvStatus orvsMulC_64fc_I(Orv64fc val, Orv64fc* pSrcDst, int len)
{ return plainVC<MulC64fc>(pSrcDst, val, pSrcDst, len); }
ORVS_API OrvStatus orvsAddProduct_64fc(const Orv64fc* pSrc1, const Orv64fc* pSrc2, Orv64fc* pSrcDst, int len)
{ return plainVV<AddProduct64fc>(pSrc1, pSrc2, pSrcDst, len); }
ORVS_API OrvStatus orvsAddProductC_32f(const Orv32f* pSrc, Orv32f val, Orv32f* pSrcDst, int len)
{ return plainVC<AddProduct32f>(pSrc, val, pSrcDst, len); }
ORVS_API OrvStatus orvsMul_32f32fc(const Orv32f* pSrc1, const Orv32fc* pSrc2, Orv32fc* pDst, int len)
{ return plainVV<Mul32f32fc>(pSrc1, pSrc2, pDst, len); }
ORVS_API OrvStatus orvsMul_32f32fc_I(const Orv32f* pSrc, Orv32fc* pSrcDst, int len)
{ return plainVV<Mul32f32fc>(pSrc, pSrcDst, pSrcDst, len); }
ORVS_API OrvStatus orvsAdd_16s32f(const Orv16s* pSrc1, const Orv16s* pSrc2, Orv32f* pDst, int len)
{ return plainVV<Add16s32f>(pSrc1, pSrc2, pDst, len); }
ORVS_API OrvStatus orvsSub_16s32f(const Orv16s* pSrc1, const Orv16s* pSrc2, Orv32f* pDst, int len)
{ return plainVV<Sub16s32f>(pSrc1, pSrc2, pDst, len); }
ORVS_API OrvStatus orvsMul_16s32f(const Orv16s* pSrc1, const Orv16s* pSrc2, Orv32f* pDst, int len)
{ return plainVV<Mul16s32f>(pSrc1, pSrc2, pDst, len); }

} // extern "C"
