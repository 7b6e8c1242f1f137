// The exported entries of the scaled arithmetic family, defined from its list.
#include "arith/scaled/scaled_engine.h"
#include "core/entry_list.h"
#include "orvs/arith.h"

using namespace orvs::scaled;
using namespace orvs::scaled::members;

#define ORVS_ENTRY ORVS_DEFINE_ENTRY
#include "arith/scaled/scaled_entries.def"
#undef ORVS_ENTRY
