// Transitional: the families still being moved onto core/dispatch.h ask
// these two questions. Removed once no family includes it.
#pragma once
#include "core/dispatch.h"

namespace orvs::cpu {
inline bool hasAvx2() { return dispatch::isa() != dispatch::Isa::avx; }
inline bool hasAvx512() { return dispatch::isa() == dispatch::Isa::avx512; }
} // namespace orvs::cpu
