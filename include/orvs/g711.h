/* G.711 companding: A-law and mu-law. */
#ifndef ORVS_G711_H
#define ORVS_G711_H
#include "types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Decoding: the 16-bit value of every A-law or mu-law code; the 32f forms
   give that value times 2^-15. */
ORVS_API OrvStatus orvsALawToLin_8u16s(const Orv8u* pSrc, Orv16s* pDst, int len);
ORVS_API OrvStatus orvsALawToLin_8u32f(const Orv8u* pSrc, Orv32f* pDst, int len);
ORVS_API OrvStatus orvsMuLawToLin_8u16s(const Orv8u* pSrc, Orv16s* pDst, int len);
ORVS_API OrvStatus orvsMuLawToLin_8u32f(const Orv8u* pSrc, Orv32f* pDst, int len);

/* Encoding of 16-bit samples; the 32f forms encode v*32768 limited to
   -32768 .. 32767 and rounded half away from zero (mu-law keeps the sign of
   the float, so small negative values give 0x7F). */
ORVS_API OrvStatus orvsLinToALaw_16s8u(const Orv16s* pSrc, Orv8u* pDst, int len);
ORVS_API OrvStatus orvsLinToALaw_32f8u(const Orv32f* pSrc, Orv8u* pDst, int len);
ORVS_API OrvStatus orvsLinToMuLaw_16s8u(const Orv16s* pSrc, Orv8u* pDst, int len);
ORVS_API OrvStatus orvsLinToMuLaw_32f8u(const Orv32f* pSrc, Orv8u* pDst, int len);

/* Transcoding between the laws: the code of the other law for the decoded value. */
ORVS_API OrvStatus orvsALawToMuLaw_8u(const Orv8u* pSrc, Orv8u* pDst, int len);
ORVS_API OrvStatus orvsMuLawToALaw_8u(const Orv8u* pSrc, Orv8u* pDst, int len);

#ifdef __cplusplus
}
#endif
#endif /* ORVS_G711_H */
