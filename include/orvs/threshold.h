/* Thresholds: clamping below or above a level, with or without a replacement value. */
#ifndef ORVS_THRESHOLD_H
#define ORVS_THRESHOLD_H
#include "types.h"

#ifdef __cplusplus
extern "C" {
#endif

#ifdef __cplusplus
}
#endif
#endif /* ORVS_THRESHOLD_H */
