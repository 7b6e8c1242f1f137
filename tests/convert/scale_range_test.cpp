// Every entry of the conversion, complex and vector lists that takes a scale
// factor, driven from the lists themselves: INT_MIN must give what -2000
// gives and INT_MAX what +2000 gives (statuses and every output byte), for
// random inputs of odd lengths and every rounding mode.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "core/entry_list.h"
#include "test_util.h"

namespace {

// The arguments of one call: a buffer per pointer parameter, the length, the
// rounding mode and the value of the scale factor under test (the other
// scale factors of the entry stay 0).
struct Call {
    std::vector<std::string> names;
    std::vector<std::vector<unsigned char>> buffers;
    int len = 1, scale = 0, scaleIndex = 0;
    OrvRoundMode mode = orvRndNear;
};

bool isScale(const std::string& n) { return n == "scaleFactor" || n.find("ScaleFactor") != std::string::npos; }

template <class T>
T argument(Call& c, std::size_t i)
{
    if constexpr (std::is_pointer_v<T>) {
        return reinterpret_cast<T>(c.buffers[i].data());
    } else if constexpr (std::is_same_v<T, OrvRoundMode>) {
        return c.mode;
    } else if constexpr (std::is_integral_v<T>) {
        if (isScale(c.names[i])) return T(int(i) == c.scaleIndex ? c.scale : 0);
        return T(c.len);  // the length (no other integer parameter in the scaled entries)
    } else {
        return T(1);
    }
}

template <class... A, std::size_t... I>
OrvStatus invoke(OrvStatus (*fn)(A...), Call& c, std::index_sequence<I...>)
{
    return fn(argument<A>(c, I)...);
}

struct Entry {
    std::string name;
    std::vector<std::string> names;
    std::function<OrvStatus(Call&)> call;
};

std::vector<std::string> parameterNames(std::string text)
{
    std::vector<std::string> names;
    text = text.substr(1, text.size() - 2);
    std::size_t at = 0;
    while (at <= text.size()) {
        const std::size_t comma = std::min(text.find(',', at), text.size());
        const std::string p = text.substr(at, comma - at);
        const std::size_t end = p.find_last_not_of(' ');
        const std::size_t start = p.find_last_of(" *", end);
        names.push_back(p.substr(start + 1, end - start));
        at = comma + 1;
    }
    return names;
}

template <class... A>
Entry entry(const char* name, const char* params, OrvStatus (*fn)(A...))
{
    return {name, parameterNames(params),
            [fn](Call& c) { return invoke(fn, c, std::index_sequence_for<A...>{}); }};
}

const std::vector<Entry>& scaledEntries()
{
    static const std::vector<Entry> all = [] {
        std::vector<Entry> v;
// The indirection expands the shape macros into (params), (args) first.
#define ORVS_ENTRY(name, ...) ORVS_ROW(name, __VA_ARGS__)
#define ORVS_ROW(name, params, args, ...) v.push_back(entry(#name, #params, &name));
#include "convert/complex/complex_entries.def"
#include "convert/conversion/conversion_entries.def"
#include "convert/vector/vector_entries.def"
#undef ORVS_ENTRY
#undef ORVS_ROW
        std::vector<Entry> scaled;
        for (auto& e : v)
            for (const auto& n : e.names)
                if (isScale(n)) {
                    scaled.push_back(e);
                    break;
                }
        return scaled;
    }();
    return all;
}

// Statuses and buffers of one call; inputs filled from `seed`, outputs with
// a guard pattern first.
std::pair<OrvStatus, std::vector<std::vector<unsigned char>>> run(const Entry& e, int len, int scaleIndex, int scale,
                                                                  OrvRoundMode mode, std::uint32_t seed)
{
    Call c{e.names, {}, len, scale, scaleIndex, mode};
    std::mt19937 rng(seed);
    for (std::size_t i = 0; i < e.names.size(); ++i) {
        std::vector<unsigned char> b(std::size_t(len) * 16 + 64, 0xA5);
        if (e.names[i].rfind("pSrc", 0) == 0 && e.names[i].rfind("pSrcDst", 0) != 0)
            for (auto& x : b) x = static_cast<unsigned char>(rng());
        c.buffers.push_back(std::move(b));
    }
    const OrvStatus s = e.call(c);
    return {s, c.buffers};
}

TEST(ScaleFactorRange, ExtremesActLikeTwoThousand)
{
    const auto& entries = scaledEntries();
    ASSERT_GE(entries.size(), 30u);
    for (const auto& e : entries) {
        for (std::size_t i = 0; i < e.names.size(); ++i) {
            if (!isScale(e.names[i])) continue;
            for (int len : {1, 7, 33, 257}) {
                for (OrvRoundMode mode : {orvRndZero, orvRndNear, orvRndFinancial}) {
                    const std::uint32_t seed = std::uint32_t(len * 131 + int(mode));
                    for (auto [extreme, bounded] : {std::pair{INT_MIN, -2000}, std::pair{INT_MAX, 2000}}) {
                        const auto a = run(e, len, int(i), extreme, mode, seed);
                        const auto b = run(e, len, int(i), bounded, mode, seed);
                        ASSERT_EQ(a.first, b.first) << e.name << " " << e.names[i] << "=" << extreme;
                        ASSERT_TRUE(a.second == b.second) << e.name << " " << e.names[i] << "=" << extreme << " len " << len;
                    }
                }
            }
        }
    }
}

} // namespace
