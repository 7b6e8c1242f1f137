/* Elementary functions: square roots, squares, exponentials, logarithms, cube roots, arctangents. */
#ifndef ORVS_ELEMENTARY_H
#define ORVS_ELEMENTARY_H
#include "types.h"

#ifdef __cplusplus
extern "C" {
#endif

#ifdef __cplusplus
}
#endif
#endif /* ORVS_ELEMENTARY_H */
