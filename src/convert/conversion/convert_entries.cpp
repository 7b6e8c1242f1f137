// The conversion family's exported entries, defined from its list.
#include "convert/conversion/convert_engine.h"
#include "core/entry_list.h"
#include "orvs/convert.h"

using namespace orvs::convert;

#define ORVS_ENTRY ORVS_DEFINE_ENTRY
#include "convert/conversion/conversion_entries.def"
#undef ORVS_ENTRY
