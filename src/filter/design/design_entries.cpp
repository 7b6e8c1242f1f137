// The filter-design family's exported entries, defined from its list.
#include "core/entry_list.h"
#include "filter/design/design_engine.h"
#include "orvs/design.h"

using namespace orvs::design;

#define ORVS_ENTRY ORVS_DEFINE_ENTRY
#include "filter/design/design_entries.def"
#undef ORVS_ENTRY
