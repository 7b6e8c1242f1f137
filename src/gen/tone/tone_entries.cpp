// The generators' exported entries, defined from their list.
#include "core/entry_list.h"
#include "gen/tone/tone_engine.h"
#include "orvs/tone.h"

using namespace orvs::tone;

#define ORVS_ENTRY ORVS_DEFINE_ENTRY
#define ORVS_FUNCTION ORVS_DEFINE_FUNCTION
#include "gen/tone/tone_entries.def"
#undef ORVS_FUNCTION
#undef ORVS_ENTRY
