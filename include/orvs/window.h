/* Window functions. */
#ifndef ORVS_WINDOW_H
#define ORVS_WINDOW_H
#include "types.h"

#ifdef __cplusplus
extern "C" {
#endif

#ifdef __cplusplus
}
#endif
#endif /* ORVS_WINDOW_H */
