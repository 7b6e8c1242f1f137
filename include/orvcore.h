/* Core support library (liborvcorezx64): aligned allocation and the thread
   count that parallel code in liborvsk1 may use. */
#ifndef ORVCORE_H
#define ORVCORE_H
#include <stddef.h>

#if defined(ORVCORE_BUILDING)
#  define ORVCORE_API __attribute__((visibility("default")))
#else
#  define ORVCORE_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* 64-byte aligned block of at least size bytes, or null. */
ORVCORE_API void* orvMalloc(size_t size);
/* Releases a block from orvMalloc; null is accepted. */
ORVCORE_API void  orvFree(void* ptr);

/* Number of threads parallel code may use (at least 1). Initialised once at
   load from the environment variable ORV_NUM_THREADS when it holds a positive
   integer, otherwise from the processors available to the process. */
ORVCORE_API int   ownGetNumThreads(void);
ORVCORE_API int   orvGetNumThreads(void);
/* Sets the thread count; values below 1 restore the default. Takes effect at
   the next parallel-capable call. */
ORVCORE_API void  orvSetNumThreads(int n);

#ifdef __cplusplus
}
#endif
#endif /* ORVCORE_H */
