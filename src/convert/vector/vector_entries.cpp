// The vector family's exported entries, defined from its list.
#include "convert/vector/vector_engine.h"
#include "core/entry_list.h"
#include "orvs/vector.h"

using namespace orvs;
using namespace orvs::vec;

#define ORVS_ENTRY ORVS_DEFINE_ENTRY
#include "convert/vector/vector_entries.def"
#undef ORVS_ENTRY
