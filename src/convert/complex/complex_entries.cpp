// The complex family's exported entries, defined from its list.
#include "convert/complex/complex_engine.h"
#include "core/entry_list.h"
#include "orvs/complex.h"

using namespace orvs;
using namespace orvs::cplx;
using K = KernelTable;

#define ORVS_ENTRY ORVS_DEFINE_ENTRY
#include "convert/complex/complex_entries.def"
#undef ORVS_ENTRY
