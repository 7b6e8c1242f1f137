// Every scale factor is legal: INT_MIN gives exactly what -2000 gives and
// INT_MAX what +2000 gives, for every scaled entry of both families (taken
// from their entry lists), on random operands of odd length.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <deque>
#include <random>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "orvs.h"
#include "test_util.h"

namespace {

constexpr int kLen = 37;

// Parameter names of a stringised parameter list "(const T* a, int len, ...)".
std::vector<std::string> namesOf(const std::string& params)
{
    std::vector<std::string> names;
    std::string cur;
    for (char c : params.substr(1, params.size() - 2) + ",") {
        if (c == ',') {
            const auto at = cur.find_last_of(" *");
            names.push_back(cur.substr(at + 1));
            cur.clear();
        } else {
            cur += c;
        }
    }
    return names;
}

// One call of an entry on operands drawn from `seed`; every pointer operand
// is a fresh buffer, compared afterwards byte for byte.
struct Outcome {
    OrvStatus status;
    std::deque<std::vector<unsigned char>> buffers;
};

template <class P>
P argument(const std::string& name, Outcome& out, std::mt19937& rng, int s)
{
    auto bytes = [&](std::size_t n) {
        std::vector<unsigned char> b(n);
        for (auto& x : b) x = static_cast<unsigned char>(rng());
        return b;
    };
    if constexpr (std::is_pointer_v<P>) {
        using U = std::remove_cv_t<std::remove_pointer_t<P>>;
        out.buffers.push_back(bytes(kLen * sizeof(U)));
        return reinterpret_cast<P>(out.buffers.back().data());
    } else if constexpr (std::is_enum_v<P>) {
        return orvRndNear;
    } else {
        if (name == "len") return P(kLen);
        if (name == "scaleFactor") return P(s);
        P v;  // the constant operand: random bits
        const auto b = bytes(sizeof(P));
        std::memcpy(&v, b.data(), sizeof(P));
        return v;
    }
}

template <class... P, std::size_t... I>
Outcome callWith(OrvStatus (*fn)(P...), const std::vector<std::string>& names, unsigned seed, int s,
                 std::index_sequence<I...>)
{
    Outcome out;
    std::mt19937 rng(seed);
    // Braced initialisation evaluates left to right: the same seed gives the
    // same operands in every call.
    std::tuple<P...> args{argument<P>(names[I], out, rng, s)...};
    out.status = std::apply(fn, args);
    return out;
}

struct Entry {
    const char* name;
    std::vector<std::string> params;
    Outcome (*run)(const Entry&, unsigned seed, int s);
};

template <class F> struct Arity;
template <class... P> struct Arity<OrvStatus (*)(P...)> { static constexpr std::size_t value = sizeof...(P); };

template <auto Fn>
Outcome runScaled(const Entry& e, unsigned seed, int s)
{
    return callWith(Fn, e.params, seed, s, std::make_index_sequence<Arity<decltype(Fn)>::value>{});
}

#define ORVS_ENTRY(name, ...) ORVS_TEST_ENTRY_(name, __VA_ARGS__)
#define ORVS_TEST_ENTRY_(name, params, args, ...) {#name, namesOf(#params), &runScaled<&name>},
const std::vector<Entry>& scaledEntries()
{
    static const std::vector<Entry> all = [] {
        const std::vector<Entry> every = {
#include "arith/scaled/scaled_entries.def"
#include "arith/division/division_entries.def"
        };
        std::vector<Entry> out;
        for (const Entry& e : every)
            for (const auto& n : e.params)
                if (n == "scaleFactor") out.push_back(e);
        return out;
    }();
    return all;
}
#undef ORVS_ENTRY
#undef ORVS_TEST_ENTRY_

} // namespace

TEST(ExtremeScale, IntLimitsActLikeFarScaleFactors)
{
    ASSERT_GT(scaledEntries().size(), 100u);
    for (const Entry& e : scaledEntries()) {
        for (unsigned seed : {1u, 2u, 3u}) {
            for (auto [extreme, far] : {std::pair{INT_MIN, -2000}, std::pair{INT_MAX, 2000}}) {
                const Outcome a = e.run(e, seed, extreme);
                const Outcome b = e.run(e, seed, far);
                EXPECT_EQ(a.status, b.status) << e.name << " s=" << extreme;
                EXPECT_TRUE(a.buffers == b.buffers) << e.name << " s=" << extreme << " seed " << seed;
            }
        }
    }
}

TEST(ExtremeScale, DivC64sAtIntMinSaturates)
{
    Orv64s v[1] = {10};
    EXPECT_EQ(orvsDivC_64s_ISfs(3, v, 1, INT_MIN), orvStsOk);
    EXPECT_EQ(v[0], INT64_MAX);
}
