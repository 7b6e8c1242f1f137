/* Tone and triangle generators. */
#ifndef ORVS_TONE_H
#define ORVS_TONE_H
#include "types.h"

#ifdef __cplusplus
extern "C" {
#endif

#ifdef __cplusplus
}
#endif
#endif /* ORVS_TONE_H */
