/* IIR filters: AR and biquad cascades, transposed direct form II and DF1. */
#ifndef ORVS_IIR_H
#define ORVS_IIR_H
#include "types.h"

#ifdef __cplusplus
extern "C" {
#endif

#ifdef __cplusplus
}
#endif
#endif /* ORVS_IIR_H */
