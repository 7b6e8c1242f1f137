/* Complex-vector and packed-spectrum operations. */
#ifndef ORVS_COMPLEX_H
#define ORVS_COMPLEX_H
#include "types.h"

#ifdef __cplusplus
extern "C" {
#endif

#ifdef __cplusplus
}
#endif
#endif /* ORVS_COMPLEX_H */
