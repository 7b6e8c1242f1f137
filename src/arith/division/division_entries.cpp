// The exported entries of the division family, defined from its list.
#include "arith/division/division_engine.h"
#include "core/entry_list.h"
#include "orvs/arith.h"
#include "orvs/division.h"

using namespace orvs::division;

namespace {
// Element-by-element scale ranges; outside them the result is known without
// dividing (zeros above, sign saturation below).
constexpr ScaleRange k8u{-15, 8};
constexpr ScaleRange k16s{-30, 15};
constexpr ScaleRange k16sRound{-30, 16};
constexpr ScaleRange k16u{-31, 16};
constexpr ScaleRange k32s{-62, 32};
constexpr ScaleRange k32s16s{-29, 31};
} // namespace

#define ORVS_ENTRY ORVS_DEFINE_ENTRY
#include "arith/division/division_entries.def"
#undef ORVS_ENTRY
