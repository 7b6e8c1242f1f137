/* Bitwise logic, shifts, byte order and bit packing. */
#ifndef ORVS_BITWISE_H
#define ORVS_BITWISE_H
#include "types.h"

#ifdef __cplusplus
extern "C" {
#endif

#ifdef __cplusplus
}
#endif
#endif /* ORVS_BITWISE_H */
