/* FIR filters: state records, direct and FFT-based filtering. */
#ifndef ORVS_FIR_H
#define ORVS_FIR_H
#include "types.h"

#ifdef __cplusplus
extern "C" {
#endif

#ifdef __cplusplus
}
#endif
#endif /* ORVS_FIR_H */
