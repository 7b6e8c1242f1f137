// Exported entries of the complex FFT, defined from the entry list.
#include "core/entry_list.h"
#include "transform/fft/fft_engine.h"

namespace fft = orvs::fft;

#define ORVS_ENTRY ORVS_DEFINE_ENTRY
#include "transform/fft/fft_entries.def"
#undef ORVS_ENTRY
