/* Version query and typed aligned allocation. */
#ifndef ORVS_CORE_H
#define ORVS_CORE_H
#include "types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* The constant version record of the loaded library; never null. */
ORVS_API const OrvLibraryVersion* orvsGetLibVersion(void);

/* The name and meaning of a status code, as one constant string:
   "orvStsErrNullPtr: a required pointer is null". Never null; a value that
   is not a status code of the library gives "unknown status". */
ORVS_API const char* orvsGetStatusString(OrvStatus status);

/* Aligned vectors of len elements (uninitialised); null when len < 1 or
   the allocation fails. Release with orvsFree. */
ORVS_API Orv8u*   orvsMalloc_8u(int len);
ORVS_API Orv8s*   orvsMalloc_8s(int len);
ORVS_API Orv16u*  orvsMalloc_16u(int len);
ORVS_API Orv16s*  orvsMalloc_16s(int len);
ORVS_API Orv8sc*  orvsMalloc_8sc(int len);
ORVS_API Orv32u*  orvsMalloc_32u(int len);
ORVS_API Orv32s*  orvsMalloc_32s(int len);
ORVS_API Orv32f*  orvsMalloc_32f(int len);
ORVS_API Orv16sc* orvsMalloc_16sc(int len);
ORVS_API Orv64s*  orvsMalloc_64s(int len);
ORVS_API Orv64f*  orvsMalloc_64f(int len);
ORVS_API Orv32sc* orvsMalloc_32sc(int len);
ORVS_API Orv32fc* orvsMalloc_32fc(int len);
ORVS_API Orv64sc* orvsMalloc_64sc(int len);
ORVS_API Orv64fc* orvsMalloc_64fc(int len);
ORVS_API void     orvsFree(void* ptr);

#ifdef __cplusplus
}
#endif
#endif /* ORVS_CORE_H */
