/* Conversion between sample formats. */
#ifndef ORVS_CONVERT_H
#define ORVS_CONVERT_H
#include "types.h"

#ifdef __cplusplus
extern "C" {
#endif

#ifdef __cplusplus
}
#endif
#endif /* ORVS_CONVERT_H */
