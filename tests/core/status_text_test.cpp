// Every status code has its own name and meaning; anything else is unknown.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <utility>

#include "core/status_list.h"
#include "orvs.h"

namespace {
#define ORVS_STATUS_ROW(name, meaning) {name, #name},
const std::pair<OrvStatus, const char*> kCodes[] = {ORVS_STATUS_LIST(ORVS_STATUS_ROW)};
#undef ORVS_STATUS_ROW
} // namespace

TEST(StatusText, EveryCodeNamesItselfAndSaysWhatItMeans)
{
    std::set<std::string> texts;
    std::set<OrvStatus> values;
    for (const auto& [value, name] : kCodes) {
        const std::string text = orvsGetStatusString(value);
        EXPECT_EQ(text.rfind(std::string(name) + ": ", 0), 0u) << text;
        EXPECT_GT(text.size(), std::strlen(name) + 6) << name;
        EXPECT_TRUE(texts.insert(text).second) << "duplicate text " << text;
        EXPECT_TRUE(values.insert(value).second) << "duplicate value " << value;
    }
    EXPECT_EQ(values.size(), 48u);
    // Values callers meet most, spelled out independently of the list.
    EXPECT_STREQ(orvsGetStatusString(0), "orvStsOk: success");
    EXPECT_STREQ(orvsGetStatusString(-8), "orvStsErrNullPtr: a required pointer is null");
    EXPECT_EQ(std::string(orvsGetStatusString(-6)).rfind("orvStsErrSize: ", 0), 0u);
    EXPECT_EQ(std::string(orvsGetStatusString(6)).rfind("orvStsWarnDivByZero: ", 0), 0u);
}

TEST(StatusText, ValuesOutsideTheSetAreUnknown)
{
    for (OrvStatus v : {1, 2, 10, 28, -1, -4, -12, -14, -20, -214, 1000, -2147483647 - 1, 2147483647})
        EXPECT_STREQ(orvsGetStatusString(v), "unknown status") << v;
}
