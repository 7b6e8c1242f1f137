/* Power-of-two complex FFT: specification records and transforms. */
#ifndef ORVS_FFT_H
#define ORVS_FFT_H
#include "types.h"

#ifdef __cplusplus
extern "C" {
#endif

#ifdef __cplusplus
}
#endif
#endif /* ORVS_FFT_H */
