// The bitwise family's exported entries, defined from its list.
#include "arith/bitwise/bitwise_engine.h"
#include "core/entry_list.h"
#include "orvs/bitwise.h"

using namespace orvs;
using namespace orvs::bits;

#define ORVS_ENTRY ORVS_DEFINE_ENTRY
#include "arith/bitwise/bitwise_entries.def"
#undef ORVS_ENTRY
