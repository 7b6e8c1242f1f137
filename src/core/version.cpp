#include "orvs/core.h"

namespace {
// Constant data of the library; the same address on every call.
const OrvLibraryVersion kVersion = {
    6, 1, 137, 847, {'k', '1', '\0', '\0'}, "liborvsk1.so.6.1", "6.1 build 137.56", "Mar 17 2010",
};
} // namespace

extern "C" ORVS_API const OrvLibraryVersion* orvsGetLibVersion(void) { return &kVersion; }
