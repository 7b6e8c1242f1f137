// Exported entries of the real FFT, defined from the entry list.
#include "core/entry_list.h"
#include "transform/rfft/rfft_record.h"

namespace rfft = orvs::rfft;

#define ORVS_ENTRY ORVS_DEFINE_ENTRY
#include "transform/rfft/rfft_entries.def"
#undef ORVS_ENTRY
