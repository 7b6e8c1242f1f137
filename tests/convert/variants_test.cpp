// The kernel variant is chosen once per process: the value suites of this
// program run again under each narrower variant the machine offers.
#include <gtest/gtest.h>

#include "test_util.h"

namespace {
constexpr const char* kValueSuites = "Conversion*:Complex*:Vector*";
} // namespace

TEST(Variants, AvxKernelsPassTheValueSuites) { ORVS_RERUN_UNDER_VARIANT("avx", kValueSuites); }
TEST(Variants, Avx2KernelsPassTheValueSuites) { ORVS_RERUN_UNDER_VARIANT("avx2", kValueSuites); }
