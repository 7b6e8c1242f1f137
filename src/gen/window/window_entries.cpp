// The window functions' exported entries, defined from their list.
#include "core/entry_list.h"
#include "gen/window/window_engine.h"
#include "orvs/window.h"

using namespace orvs::win;

#define ORVS_ENTRY ORVS_DEFINE_ENTRY
#include "gen/window/window_entries.def"
#undef ORVS_ENTRY
