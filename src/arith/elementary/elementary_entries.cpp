// The exported entries of the elementary functions, defined from their list.
#include "arith/elementary/elementary_engine.h"
#include "core/entry_list.h"
#include "orvs/elementary.h"

using namespace orvs::elementary;

#define ORVS_ENTRY ORVS_DEFINE_ENTRY
#include "arith/elementary/elementary_entries.def"
#undef ORVS_ENTRY
