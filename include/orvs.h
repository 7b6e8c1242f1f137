/* orvs: signal-processing primitives for x86-64 with AVX.
   Umbrella header; compiles as C99 and as C++. */
#ifndef ORVS_H
#define ORVS_H
#include "orvs/types.h"
#include "orvs/core.h"
#include "orvs/vector.h"
#include "orvs/arith.h"
#include "orvs/division.h"
#include "orvs/convert.h"
#include "orvs/complex.h"
#include "orvs/fft.h"
#include "orvs/rfft.h"
#include "orvs/elementary.h"
#include "orvs/bitwise.h"
#include "orvs/threshold.h"
#include "orvs/stats.h"
#include "orvs/window.h"
#include "orvs/tone.h"
#include "orvs/fir.h"
#include "orvs/iir.h"
#include "orvs/design.h"
#include "orvs/g711.h"
#endif /* ORVS_H */
