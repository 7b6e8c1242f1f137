// The FIR family's exported entries, defined from its list.
#include "core/entry_list.h"
#include "filter/fir/fir_engine.h"
#include "orvs/fir.h"

using namespace orvs::fir;

#define ORVS_ENTRY ORVS_DEFINE_ENTRY
#include "filter/fir/fir_entries.def"
#undef ORVS_ENTRY
