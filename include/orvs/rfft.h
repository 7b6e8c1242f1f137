/* Real FFT and the Pack, Perm and CCS spectrum layouts. */
#ifndef ORVS_RFFT_H
#define ORVS_RFFT_H
#include "types.h"

#ifdef __cplusplus
extern "C" {
#endif

#ifdef __cplusplus
}
#endif
#endif /* ORVS_RFFT_H */
