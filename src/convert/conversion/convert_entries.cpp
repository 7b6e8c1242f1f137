// Exported conversion entries: one line each onto the generic engine.
#include "convert/conversion/convert_engine.h"
#include "orvs/convert.h"

using namespace orvs::convert;

extern "C" {

// ---- exact widening and IEEE conversions
ORVS_API OrvStatus orvsConvert_8s16s(const Orv8s* s, Orv16s* d, int n) { return widen<Orv8s, Orv16s>(s, d, n); }
ORVS_API OrvStatus orvsConvert_8s32f(const Orv8s* s, Orv32f* d, int n) { return widen<Orv8s, Orv32f>(s, d, n); }
ORVS_API OrvStatus orvsConvert_8u32f(const Orv8u* s, Orv32f* d, int n) { return widen<Orv8u, Orv32f>(s, d, n); }
ORVS_API OrvStatus orvsConvert_16s32s(const Orv16s* s, Orv32s* d, int n) { return widen<Orv16s, Orv32s>(s, d, n); }
ORVS_API OrvStatus orvsConvert_16s32f(const Orv16s* s, Orv32f* d, int n) { return widen<Orv16s, Orv32f>(s, d, n); }
ORVS_API OrvStatus orvsConvert_16u32f(const Orv16u* s, Orv32f* d, int n) { return widen<Orv16u, Orv32f>(s, d, n); }
ORVS_API OrvStatus orvsConvert_32s64f(const Orv32s* s, Orv64f* d, int n) { return widen<Orv32s, Orv64f>(s, d, n); }
ORVS_API OrvStatus orvsConvert_32f64f(const Orv32f* s, Orv64f* d, int n) { return widen<Orv32f, Orv64f>(s, d, n); }
ORVS_API OrvStatus orvsConvert_24u32u(const Orv8u* s, Orv32u* d, int n) { return widen<Int24u, Orv32u>(s, d, n); }
ORVS_API OrvStatus orvsConvert_24s32s(const Orv8u* s, Orv32s* d, int n) { return widen<Int24s, Orv32s>(s, d, n); }
ORVS_API OrvStatus orvsConvert_24u32f(const Orv8u* s, Orv32f* d, int n) { return widen<Int24u, Orv32f>(s, d, n); }
ORVS_API OrvStatus orvsConvert_24s32f(const Orv8u* s, Orv32f* d, int n) { return widen<Int24s, Orv32f>(s, d, n); }
ORVS_API OrvStatus orvsConvert_16f32f(const Orv16f* s, Orv32f* d, int n) { return widen<Half, Orv32f>(s, d, n); }
ORVS_API OrvStatus orvsConvert_32s32f(const Orv32s* s, Orv32f* d, int n) { return widen<Orv32s, Orv32f>(s, d, n); }
ORVS_API OrvStatus orvsConvert_64s64f(const Orv64s* s, Orv64f* d, Orv32u n) { return widen<Orv64s, Orv64f>(s, d, n); }
ORVS_API OrvStatus orvsConvert_64f32f(const Orv64f* s, Orv32f* d, int n) { return widen<Orv64f, Orv32f>(s, d, n); }

// ---- integer narrowing
ORVS_API OrvStatus orvsConvert_32s16s(const Orv32s* s, Orv16s* d, int n)
{ return narrowInt<Orv32s, Orv16s>(s, d, n, Rnd::Near, 0); }
ORVS_API OrvStatus orvsConvert_32s16s_Sfs(const Orv32s* s, Orv16s* d, int n, int sf)
{ return narrowInt<Orv32s, Orv16s>(s, d, n, Rnd::Near, sf); }
ORVS_API OrvStatus orvsConvert_32s24s_Sfs(const Orv32s* s, Orv8u* d, int n, int sf)
{ return narrowInt<Orv32s, Int24s>(s, d, n, Rnd::Near, clampInt(sf, -31, 31)); }
ORVS_API OrvStatus orvsConvert_32u24u_Sfs(const Orv32u* s, Orv8u* d, int n, int sf)
{ return narrowInt<Orv32u, Int24u>(s, d, n, Rnd::Near, clampInt(sf, -31, 31)); }
ORVS_API OrvStatus orvsConvert_16s8s_Sfs(const Orv16s* s, Orv8s* d, Orv32u n, OrvRoundMode rm, int sf)
{ return narrowInt<Orv16s, Orv8s>(s, d, n, integerRounding(rm), sf); }
ORVS_API OrvStatus orvsConvert_64s32s_Sfs(const Orv64s* s, Orv32s* d, int n, OrvRoundMode rm, int sf)
{ return narrowInt<Orv64s, Orv32s>(s, d, n, integerRounding(rm), sf); }

// ---- integer to floating point with scale
ORVS_API OrvStatus orvsConvert_16s32f_Sfs(const Orv16s* s, Orv32f* d, int n, int sf)
{ return scaleToFloat<Orv16s, Orv32f, -112, 126>(s, d, n, sf); }
ORVS_API OrvStatus orvsConvert_32s32f_Sfs(const Orv32s* s, Orv32f* d, int n, int sf)
{ return scaleToFloat<Orv32s, Orv32f, -112, 126>(s, d, n, sf); }
ORVS_API OrvStatus orvsConvert_16s64f_Sfs(const Orv16s* s, Orv64f* d, int n, int sf)
{ return scaleToFloat<Orv16s, Orv64f, -1008, 1022>(s, d, n, sf); }
ORVS_API OrvStatus orvsConvert_32s64f_Sfs(const Orv32s* s, Orv64f* d, int n, int sf)
{ return scaleToFloat<Orv32s, Orv64f, -992, 1022>(s, d, n, sf); }

// ---- floating point to integer with rounding mode and scale
ORVS_API OrvStatus orvsConvert_32f8s_Sfs(const Orv32f* s, Orv8s* d, int n, OrvRoundMode rm, int sf)
{ return floatToInt<Orv32f, Orv8s>(s, d, n, rm, sf); }
ORVS_API OrvStatus orvsConvert_32f8u_Sfs(const Orv32f* s, Orv8u* d, int n, OrvRoundMode rm, int sf)
{ return floatToInt<Orv32f, Orv8u>(s, d, n, rm, sf); }
ORVS_API OrvStatus orvsConvert_32f16s_Sfs(const Orv32f* s, Orv16s* d, int n, OrvRoundMode rm, int sf)
{ return floatToInt<Orv32f, Orv16s>(s, d, n, rm, sf); }
ORVS_API OrvStatus orvsConvert_32f16u_Sfs(const Orv32f* s, Orv16u* d, int n, OrvRoundMode rm, int sf)
{ return floatToInt<Orv32f, Orv16u>(s, d, n, rm, sf); }
ORVS_API OrvStatus orvsConvert_32f32s_Sfs(const Orv32f* s, Orv32s* d, int n, OrvRoundMode rm, int sf)
{ return floatToInt<Orv32f, Orv32s>(s, d, n, rm, sf); }
ORVS_API OrvStatus orvsConvert_64f16s_Sfs(const Orv64f* s, Orv16s* d, int n, OrvRoundMode rm, int sf)
{ return floatToInt<Orv64f, Orv16s>(s, d, n, rm, sf); }
ORVS_API OrvStatus orvsConvert_64f32s_Sfs(const Orv64f* s, Orv32s* d, int n, OrvRoundMode rm, int sf)
{ return floatToInt<Orv64f, Orv32s>(s, d, n, rm, sf); }
ORVS_API OrvStatus orvsConvert_64f64s_Sfs(const Orv64f* s, Orv64s* d, Orv32u n, OrvRoundMode rm, int sf)
{ return floatToInt<Orv64f, Orv64s>(s, d, n, rm, sf); }
ORVS_API OrvStatus orvsConvert_32f24s_Sfs(const Orv32f* s, Orv8u* d, int n, int sf)
{ return floatTo24<Int24s>(s, d, n, sf); }
ORVS_API OrvStatus orvsConvert_32f24u_Sfs(const Orv32f* s, Orv8u* d, int n, int sf)
{ return floatTo24<Int24u>(s, d, n, sf); }

// ---- half precision
ORVS_API OrvStatus orvsConvert_16s16f(const Orv16s* s, Orv16f* d, int n, OrvRoundMode rm)
{ return toHalf<Orv16s>(s, d, n, rm); }
ORVS_API OrvStatus orvsConvert_32f16f(const Orv32f* s, Orv16f* d, int n, OrvRoundMode rm)
{ return toHalf<Orv32f>(s, d, n, rm); }
ORVS_API OrvStatus orvsConvert_16f16s_Sfs(const Orv16f* s, Orv16s* d, int n, OrvRoundMode rm, int sf)
{ return halfTo16s(s, d, n, rm, sf); }

} // extern "C"
