// The reductions family's exported entries, defined from its list.
#include "core/entry_list.h"
#include "orvs/stats.h"
#include "stats/reduce/reduce_engine.h"

using namespace orvs::stats;

#define ORVS_ENTRY ORVS_DEFINE_ENTRY
#include "stats/reduce/reduce_entries.def"
#undef ORVS_ENTRY
