/* Element-wise arithmetic with integer scaling and saturation. */
#ifndef ORVS_ARITH_H
#define ORVS_ARITH_H
#include "types.h"

#ifdef __cplusplus
extern "C" {
#endif

#ifdef __cplusplus
}
#endif
#endif /* ORVS_ARITH_H */
