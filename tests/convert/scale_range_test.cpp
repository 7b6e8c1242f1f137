// Every entry of the conversion, complex and vector lists that takes a scale
// factor, driven from the lists themselves: INT_MIN must give what -2000
// gives and INT_MAX what +2000 gives (statuses and every output byte), for
// random inputs of odd lengths and every rounding mode.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <functional>
#include <random>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "core/entry_list.h"
#include "test_util.h"

namespace {

// One call: a buffer per parameter (pointers point into theirs), the length,
// the rounding mode and the scale factor under test (other scale factors 0).
struct Call {
    std::vector<std::string> names;
    std::vector<std::vector<unsigned char>> buffers;
    int len, scale, scaleIndex;
    OrvRoundMode mode;
};

bool isScale(const std::string& n) { return n == "scaleFactor" || n.find("ScaleFactor") != std::string::npos; }

template <class T>
T argument(Call& c, std::size_t i)
{
    if constexpr (std::is_pointer_v<T>) return reinterpret_cast<T>(c.buffers[i].data());
    else if constexpr (std::is_same_v<T, OrvRoundMode>) return c.mode;
    else if (isScale(c.names[i])) return T(int(i) == c.scaleIndex ? c.scale : 0);
    else return T(c.len);  // the scaled entries have no other scalar parameter
}

struct Entry {
    std::string name;
    std::vector<std::string> names;
    std::function<OrvStatus(Call&)> call;
};

template <class... A>
Entry entry(const char* name, std::string params, OrvStatus (*fn)(A...))
{
    std::vector<std::string> names;  // the last word of each parameter in "(T* a, int b)"
    for (std::size_t at = 1; at < params.size();) {
        const std::size_t end = std::min(params.find(',', at), params.size() - 1);
        const std::string p = params.substr(at, end - at);
        names.push_back(p.substr(p.find_last_of(" *") + 1));
        at = end + 1;
    }
    return {name, names, [fn](Call& c) {
                return [&]<std::size_t... I>(std::index_sequence<I...>) { return fn(argument<A>(c, I)...); }(std::index_sequence_for<A...>{});
            }};
}

std::vector<Entry> scaledEntries()
{
    std::vector<Entry> all, scaled;
// The indirection expands the shape macros into (params), (args) first.
#define ORVS_ENTRY(name, ...) ORVS_ROW(name, __VA_ARGS__)
#define ORVS_ROW(name, params, args, ...) all.push_back(entry(#name, #params, &name));
#include "convert/complex/complex_entries.def"
#include "convert/conversion/conversion_entries.def"
#include "convert/vector/vector_entries.def"
#undef ORVS_ENTRY
#undef ORVS_ROW
    for (auto& e : all)
        if (std::any_of(e.names.begin(), e.names.end(), isScale)) scaled.push_back(e);
    return scaled;
}

// The status and every buffer after one call; sources random from `seed`,
// everything else a guard pattern.
std::pair<OrvStatus, std::vector<std::vector<unsigned char>>> run(const Entry& e, Call c, std::uint32_t seed)
{
    std::mt19937 rng(seed);
    for (const auto& n : e.names) {
        c.buffers.emplace_back(std::size_t(c.len) * 16 + 64, 0xA5);
        if (n.rfind("pSrc", 0) == 0 && n.rfind("pSrcDst", 0) != 0)
            for (auto& x : c.buffers.back()) x = static_cast<unsigned char>(rng());
    }
    const OrvStatus s = e.call(c);
    return {s, c.buffers};
}

} // namespace

TEST(ScaleFactorRange, ExtremesActLikeTwoThousand)
{
    const auto entries = scaledEntries();
    ASSERT_GE(entries.size(), 30u);
    for (const auto& e : entries)
        for (std::size_t i = 0; i < e.names.size(); ++i)
            if (isScale(e.names[i]))
                for (int len : {1, 7, 33, 257})
                    for (OrvRoundMode mode : {orvRndZero, orvRndNear, orvRndFinancial})
                        for (auto [extreme, bounded] : {std::pair{INT_MIN, -2000}, std::pair{INT_MAX, 2000}}) {
                            const std::uint32_t seed = std::uint32_t(len * 131 + int(mode));
                            const auto a = run(e, {e.names, {}, len, extreme, int(i), mode}, seed);
                            const auto b = run(e, {e.names, {}, len, bounded, int(i), mode}, seed);
                            ASSERT_TRUE(a == b) << e.name << " " << e.names[i] << "=" << extreme << " len " << len << " mode " << mode;
                        }
}
