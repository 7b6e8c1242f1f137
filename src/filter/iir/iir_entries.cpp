// The IIR family's exported entries, defined from its list.
#include "core/entry_list.h"
#include "filter/iir/iir_engine.h"

using namespace orvs;

#define ORVS_ENTRY ORVS_DEFINE_ENTRY
#include "filter/iir/iir_entries.def"
#undef ORVS_ENTRY
