// The G.711 family's exported entries, defined from its list.
#include "core/entry_list.h"
#include "orvs/g711.h"
#include "speech/g711/g711_engine.h"

using namespace orvs;
using namespace orvs::g711;

#define ORVS_ENTRY ORVS_DEFINE_ENTRY
#include "speech/g711/g711_entries.def"
#undef ORVS_ENTRY
