/* Element-wise division with rounding modes and zero-divisor warnings. */
#ifndef ORVS_DIVISION_H
#define ORVS_DIVISION_H
#include "types.h"

#ifdef __cplusplus
extern "C" {
#endif

#ifdef __cplusplus
}
#endif
#endif /* ORVS_DIVISION_H */
