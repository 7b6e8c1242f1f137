/* Statistics: sums, means, deviations, norms, dot products, extrema and normalisation. */
#ifndef ORVS_STATS_H
#define ORVS_STATS_H
#include "types.h"

#ifdef __cplusplus
extern "C" {
#endif

#ifdef __cplusplus
}
#endif
#endif /* ORVS_STATS_H */
