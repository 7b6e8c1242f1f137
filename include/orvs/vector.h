/* Vector initialisation, movement, test signals and channel interleaving. */
#ifndef ORVS_VECTOR_H
#define ORVS_VECTOR_H
#include "types.h"

#ifdef __cplusplus
extern "C" {
#endif

#ifdef __cplusplus
}
#endif
#endif /* ORVS_VECTOR_H */
