/* G.711 companding: A-law and mu-law. */
#ifndef ORVS_G711_H
#define ORVS_G711_H
#include "types.h"

#ifdef __cplusplus
extern "C" {
#endif

#ifdef __cplusplus
}
#endif
#endif /* ORVS_G711_H */
