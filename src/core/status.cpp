// Status codes as text, from the one list of codes.
#include "core/status.h"

#include "core/status_list.h"

namespace orvs {

const char* statusText(OrvStatus status)
{
    switch (status) {
#define ORVS_STATUS_TEXT(name, meaning) \
    case name: return #name ": " meaning;
        ORVS_STATUS_LIST(ORVS_STATUS_TEXT)
#undef ORVS_STATUS_TEXT
    default: return "unknown status";
    }
}

} // namespace orvs
