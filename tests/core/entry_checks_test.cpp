// Every status-returning entry of every entry list, driven through its
// exported symbol (roles from the parameter names, values from the types):
// required pointers -8, then lengths -6, records -8/-17, nothing written on
// an error, scale factor extremes saturate. Then headers, exports and lists agree.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cctype>
#include <climits>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <memory>
#include <regex>
#include <set>
#include <tuple>

#include "core/entry_list.h"
#include "test_util.h"

namespace {
using orvs_test::Guarded;

enum class Role { Len, Scale, Param, Record, Optional, Required, Phase };

// Whether a pointer parameter can be a record: a pointer to a struct that is
// not a complex element (records are opaque), never to a number or pointer.
template <class A, class P = std::remove_cv_t<std::remove_pointer_t<A>>>
constexpr bool recordType = std::is_pointer_v<A> && !std::is_arithmetic_v<P> && !std::is_pointer_v<P> &&
                            !std::is_void_v<P> && !requires(P p) { p.re; };

// The last identifier at bracket depth 0 of each piece of "(T a, U<V, W> b, ...)".
std::vector<std::string> parameterNames(const std::string& params)
{
    std::vector<std::string> names;
    std::string word, last;
    int depth = 0;
    for (char c : params.substr(1, params.size() - 2) + ",") {
        if (std::isalnum(static_cast<unsigned char>(c)) || c == '_') {
            word += c;
            continue;
        }
        if (depth == 0 && !word.empty()) last = word;
        word.clear();
        depth += (c == '(' || c == '<') - (c == ')' || c == '>');
        if (c != ',' || depth != 0) continue;
        if (!last.empty() && last != "void") names.push_back(last);
        last.clear();
    }
    return names;
}

Role roleOf(const std::string& name, bool pointer, bool recordLike)
{
    if (pointer && recordLike && (name.ends_with("Spec") || name.ends_with("State"))) return Role::Record;
    if (pointer && name == "pPhase") return Role::Phase;
    if (pointer) return name.ends_with("Opt") ? Role::Optional : Role::Required;
    if (name == "tapsLen") return Role::Param;  // a tap count has its own status (-26)
    if (name == "len" || name.ends_with("Len")) return Role::Len;
    return name == "scaleFactor" ? Role::Scale : Role::Param;
}

// What one call passes: the regular length and scale factor, and at most
// one deviation (a null pointer, one length or all lengths changed).
struct Setting {
    int len = 17, scale = 0, nullAt = -1, lenAt = -1 /* -2: every length */, lenValue = 0;
    std::uint32_t seed = 1;
};

// The buffers of one call: ample for 64 bytes per element, random contents
// (records: the guard pattern, so never a valid identifier).
class Arena {
public:
    unsigned char* add(const Setting& s, bool pattern)
    {
        const std::size_t bytes = 64 * static_cast<std::size_t>(s.len > 0 ? s.len : 1) + 4096;
        auto& b = *bufs_.emplace_back(std::make_unique<Guarded<unsigned char>>(bytes, 8 * (bufs_.size() % 7)));  // element-aligned, varied within a line
        if (!pattern) b.assign(orvs_test::randomVector<unsigned char>(bytes, s.seed * 977 + bufs_.size()));
        return b.data();
    }
    // Every buffer's bytes; an empty one where a guard byte changed.
    std::vector<std::vector<unsigned char>> contents() const
    {
        std::vector<std::vector<unsigned char>> v;
        for (auto& b : bufs_) v.push_back(b->guardsIntact() ? b->vec() : std::vector<unsigned char>{});
        return v;
    }
    void snapshot() { before_ = contents(); }
    bool unchanged() const { return contents() == before_; }

private:
    std::vector<std::unique_ptr<Guarded<unsigned char>>> bufs_;
    std::vector<std::vector<unsigned char>> before_;
};

template <class A>
A argument(Role role, bool nulled, const Setting& s, bool lenChanged, Arena& arena)
{
    if constexpr (std::is_pointer_v<A>) {
        if (nulled) return nullptr;
        using P = std::remove_cv_t<std::remove_pointer_t<A>>;
        unsigned char* p = arena.add(s, role == Role::Record);
        if constexpr (std::is_floating_point_v<P>) {
            if (role == Role::Phase) *reinterpret_cast<P*>(p) = P(0.25);  // a valid phase
        }
        if constexpr (std::is_pointer_v<P>) {  // per-channel or per-row pointers
            for (int k = 0; k < 8; ++k) {
                unsigned char* row = arena.add(s, false);
                std::memcpy(p + k * sizeof(void*), &row, sizeof(void*));
            }
        }
        return reinterpret_cast<A>(p);
    } else if constexpr (std::is_enum_v<A> || std::is_integral_v<A>) {
        if (role == Role::Len) return static_cast<A>(lenChanged ? s.lenValue : s.len);
        return static_cast<A>(role == Role::Scale ? s.scale : 1);
    } else if constexpr (std::is_floating_point_v<A>) {
        return A(0.25);
    } else {
        A a{};  // a complex constant
        a.re = a.im = std::is_floating_point_v<decltype(a.re)> ? decltype(a.re)(0.25) : decltype(a.re)(1);
        return a;
    }
}

struct Entry {
    std::string name;
    std::vector<std::string> names;
    std::vector<Role> roles;
    std::vector<bool> isUnsigned;
    std::vector<bool> isPointerArray;
    std::function<OrvStatus(const Setting&, Arena&)> call;
    bool has(Role r) const { return std::find(roles.begin(), roles.end(), r) != roles.end(); }
};

template <class... A, std::size_t... I>
OrvStatus invoke(OrvStatus (*fn)(A...), const std::vector<Role>& roles, const Setting& s, Arena& arena, std::index_sequence<I...>)
{
    // Braces evaluate the arguments in order, so the buffers are reproducible.
    std::tuple<A...> args{argument<A>(roles[I], s.nullAt == int(I), s, s.lenAt == -2 || s.lenAt == int(I), arena)...};
    arena.snapshot();
    return std::apply(fn, args);
}

// Filled by the registrations below, which run after these in this file.
std::vector<Entry> entries;
std::set<std::string> listedNames;

template <class... A>
int addEntry(const char* name, OrvStatus (*fn)(A...), const char* params)
{
    Entry e{name, parameterNames(params), {}, {std::is_unsigned_v<A>...}, {std::is_pointer_v<std::remove_pointer_t<A>>...}, {}};
    const bool pointer[] = {std::is_pointer_v<A>..., false};
    const bool recordLike[] = {recordType<A>..., false};
    if (e.names.size() != sizeof...(A)) ADD_FAILURE() << name << ": cannot read the names in " << params;
    for (std::size_t i = 0; i < e.names.size() && i < sizeof...(A); ++i)
        e.roles.push_back(roleOf(e.names[i], pointer[i], recordLike[i]));
    e.call = [fn, roles = e.roles](const Setting& s, Arena& a) { return invoke(fn, roles, s, a, std::index_sequence_for<A...>{}); };
    entries.push_back(std::move(e));
    listedNames.insert(name);
    return 0;
}

long drivenCalls = 0;
std::vector<int> positions(const Entry& e, Role r)
{
    std::vector<int> v;
    for (std::size_t i = 0; i < e.roles.size(); ++i)
        if (e.roles[i] == r || (r == Role::Required && e.roles[i] == Role::Phase)) v.push_back(static_cast<int>(i));
    return v;
}
} // namespace

// Registration of every row; each list expands its shapes before the name
// and parameters reach this macro.
#define ORVS_ENTRY(name, ...) ORVS_TEST_ENTRY_(name, __VA_ARGS__)
#define ORVS_TEST_ENTRY_(name, params, ...) [[maybe_unused]] static const int registered_##name = addEntry(#name, &name, #params);
#define ORVS_FUNCTION(name, ...) [[maybe_unused]] static const bool listed_##name = listedNames.insert(#name).second;
#include "all_entry_lists.h"
#undef ORVS_ENTRY
#undef ORVS_FUNCTION

namespace {
// One call with setting s: an error status out of `allowed`, and nothing written.
void expectRefused(const Entry& e, const Setting& s, const std::string& what, std::initializer_list<OrvStatus> allowed)
{
    Arena arena;
    ++drivenCalls;
    const OrvStatus st = e.call(s, arena);
    const bool refused = std::find(allowed.begin(), allowed.end(), st) != allowed.end();
    EXPECT_TRUE(refused) << e.name << ", " << what << ": status " << st;
    if (refused) EXPECT_TRUE(arena.unchanged()) << e.name << ", " << what << ": wrote on error";
}

// The few entries whose order deliberately differs: pointers they check
// after the lengths.
bool checkedAfterLengths(const Entry& e, int at)
{
    // Channel pointer arrays come after the interleaved buffer and the sizes.
    if (e.name.ends_with("_D2L") && e.isPointerArray[at]) return true;
    // The polar split runs the magnitude entry, length included, before the
    // phase entry looks at its destination.
    if (e.name.starts_with("orvsCartToPolar_") && e.names[at] == "pDstPhase") return true;
    // The optimal Blackman window needs N >= 4 before its parameter exists.
    if (e.name.starts_with("orvsWinBlackmanOpt_")) return true;
    return e.name.starts_with("orvsMaxOrder_");  // the length comes first there
}
} // namespace

TEST(EntryChecks, RequiredPointersComeFirst)
{
    for (const Entry& e : entries) {
        // Entries on records check the record first; their data pointers
        // are their families' business.
        const bool onRecord = e.has(Role::Record);
        for (int at : positions(e, onRecord ? Role::Record : Role::Required))
            for (int lenAt : {-1, -2}) {
                const bool lengthFirst = lenAt == -2 && checkedAfterLengths(e, at);
                expectRefused(e, Setting{.nullAt = at, .lenAt = lenAt}, e.names[at] + " null" + (lenAt == -2 ? ", lengths 0" : ""),
                              {lengthFirst ? orvStsErrSize : orvStsErrNullPtr});
            }
    }
}

TEST(EntryChecks, LengthsBelowOne)
{
    for (const Entry& e : entries)
        for (int at : positions(e, Role::Len))
            for (int value : {0, -1, INT_MIN}) {
                if (value < 0 && e.isUnsigned[at]) continue;  // an unsigned count: only 0 is out of range
                // A foreign record may be refused before or after the length.
                const OrvStatus alsoAllowed = e.has(Role::Record) ? orvStsErrContextMatch : orvStsErrSize;
                expectRefused(e, Setting{.lenAt = at, .lenValue = value}, e.names[at] + " = " + std::to_string(value),
                              {orvStsErrSize, alsoAllowed});
            }
}

TEST(EntryChecks, ForeignRecords)
{
    for (const Entry& e : entries)
        if (e.has(Role::Record)) expectRefused(e, Setting{}, "foreign record", {orvStsErrContextMatch});
}

// INT_MIN and INT_MAX saturate like any factor far beyond every cut-over;
// negating or widening them must not wrap.
TEST(EntryChecks, ScaleFactorExtremesActLikeFarFactors)
{
    for (const Entry& e : entries) {
        if (!e.has(Role::Scale)) continue;
        for (int len : {1, 17, 1001})
            for (auto [extreme, far] : {std::pair{INT_MIN, -2000}, std::pair{INT_MAX, 2000}}) {
                Arena a, b;
                const OrvStatus sa = e.call(Setting{.len = len, .scale = extreme, .seed = 7u + len}, a);
                const OrvStatus sb = e.call(Setting{.len = len, .scale = far, .seed = 7u + len}, b);
                drivenCalls += 2;
                EXPECT_EQ(sa, sb) << e.name << " len " << len << " scale " << extreme;
                EXPECT_TRUE(a.contents() == b.contents()) << e.name << " len " << len << " scale " << extreme;
                if (e.has(Role::Record)) EXPECT_TRUE(a.unchanged()) << e.name << ": wrote with a foreign record";
            }
    }
}

// Each kernel variant meets the same checks.
TEST(EntryChecksVariants, Avx) { ORVS_RERUN_UNDER_VARIANT("avx", "EntryChecks.*"); }
TEST(EntryChecksVariants, Avx2) { ORVS_RERUN_UNDER_VARIANT("avx2", "EntryChecks.*"); }

// Last in this file: how much the checks above covered.
TEST(EntryChecks, Coverage)
{
    std::printf("entry checks: %zu status entries on the lists, %ld calls\n", entries.size(), drivenCalls);
    EXPECT_GT(listedNames.size(), 0u);
}

// ---- the listing: public headers, exports and entry lists agree ------------
namespace {
// Every orvs name a public header declares (a name followed by a bracket
// outside comments).
std::set<std::string> declaredNames()
{
    std::vector<std::string> files = {ORVS_INCLUDE_DIR "/orvs.h"};
    for (const auto& f : std::filesystem::directory_iterator(ORVS_INCLUDE_DIR "/orvs"))
        if (f.path().extension() == ".h") files.push_back(f.path().string());
    std::set<std::string> names;
    static const std::regex declared(R"(\b(orvs[A-Za-z0-9_]*)\s*\()");
    for (const auto& file : files) {
        std::ifstream in(file);
        const std::string text{std::istreambuf_iterator<char>(in), {}};
        std::string code;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text.compare(i, 2, "/*") == 0) i = std::min(text.find("*/", i + 2), text.size()) + 1;
            else if (text.compare(i, 2, "//") == 0) i = std::min(text.find('\n', i), text.size());
            else code += text[i];
        }
        for (std::sregex_iterator m(code.begin(), code.end(), declared), end; m != end; ++m) names.insert((*m)[1]);
    }
    return names;
}

} // namespace

TEST(EntriesListed, HeadersExportsAndListsAgree)
{
    const std::set<std::string> declared = declaredNames();
    ASSERT_GT(declared.size(), 17u);
    void* lib = dlopen(ORVS_LIBRARY, RTLD_NOW);
    ASSERT_NE(lib, nullptr) << dlerror();
    std::map<std::string, std::set<std::string>> odd;  // what is wrong -> names
    for (const auto& n : declared) {
        if (!dlsym(lib, n.c_str())) odd["declared but not exported"].insert(n);
        if (!listedNames.count(n)) odd["declared but on no entry list"].insert(n);
    }
    for (const auto& n : listedNames)
        if (!declared.count(n)) odd["listed but declared in no public header"].insert(n);
    dlclose(lib);
    for (const auto& [what, names] : odd) {
        std::string all;
        for (const auto& n : names) all += "\n  " + n;
        ADD_FAILURE() << names.size() << " names " << what << ":" << all;
    }
}
