// The threshold family's exported entries, defined from its list.
#include "convert/threshold/threshold_engine.h"
#include "core/entry_list.h"
#include "orvs/threshold.h"

using namespace orvs;
using namespace orvs::threshold;

#define ORVS_ENTRY ORVS_DEFINE_ENTRY
#include "convert/threshold/threshold_entries.def"
#undef ORVS_ENTRY
