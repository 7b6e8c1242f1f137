// The name and meaning of a status code as one constant string.
#pragma once
#include "orvs/types.h"

namespace orvs {
const char* statusText(OrvStatus status);
}
