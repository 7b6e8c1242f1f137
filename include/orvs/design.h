/* Filter design: windowed FIR and Butterworth / Chebyshev IIR. */
#ifndef ORVS_DESIGN_H
#define ORVS_DESIGN_H
#include "types.h"

#ifdef __cplusplus
extern "C" {
#endif

#ifdef __cplusplus
}
#endif
#endif /* ORVS_DESIGN_H */
