// Helpers shared by the test programs: seeded random vectors, misaligned and
// guarded buffers, sweeps, a scoped thread count and the variant reruns.
#pragma once
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <type_traits>
#include <vector>
#include <unistd.h>

#include "orvcore.h"
#include "orvs.h"

namespace orvs_test {

// ORVS_TEST_QUICK thins the long sweeps (the sanitizer build sets it).
inline bool quick() { return std::getenv("ORVS_TEST_QUICK") != nullptr; }

// Bit-for-bit equality (tells -0.0 from 0.0 and compares NaN payloads).
template <class T>
bool sameBits(const T& a, const T& b) { return std::memcmp(&a, &b, sizeof(T)) == 0; }
template <class T>
bool sameBits(const T* a, const T* b, std::size_t n) { return std::memcmp(a, b, n * sizeof(T)) == 0; }

// Lengths that exercise vector bodies, remainders and tiny inputs.
inline const std::vector<int>& oddLengths()
{
    static const std::vector<int> v = {1, 2, 3, 5, 7, 8, 15, 16, 17, 31, 33, 63, 64, 65, 127, 255, 257, 1000, 1023, 4097};
    return v;
}

// Random values over the whole range of T (integers) or in [lo, hi] (floats);
// complex structs take 2n values of their base type.
template <class T>
std::vector<T> randomVector(std::size_t n, std::uint32_t seed, double lo = -1000.0, double hi = 1000.0)
{
    std::mt19937_64 rng(seed);
    std::vector<T> v(n);
    if constexpr (std::is_floating_point_v<T>) {
        std::uniform_real_distribution<double> d(lo, hi);
        for (auto& x : v) x = static_cast<T>(d(rng));
    } else if constexpr (std::is_integral_v<T>) {
        for (auto& x : v) x = static_cast<T>(rng());  // the low bits, every value equally likely
    } else {
        auto parts = randomVector<decltype(T{}.re)>(2 * n, seed, lo, hi);
        std::memcpy(v.data(), parts.data(), n * sizeof(T));
    }
    return v;
}

// GCC 12 loses track of the object behind the re-aligned pointer and warns
// about writes "into a region of size 0"; the buffer is large enough.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wstringop-overflow"
// n elements `offset` elements past a 64-byte boundary, kGuardBytes of guard
// pattern on either side; guardsIntact(): nothing outside the elements was
// written; intact(): nothing at all since fill().
template <class T>
class Guarded {
public:
    static constexpr std::size_t kGuardBytes = 128;
    static constexpr unsigned char kPattern = 0xA5;
    explicit Guarded(std::size_t n, std::size_t offset = 0) : Guarded(n, kGuardBytes, offset * sizeof(T), kPattern) {}
    T* data() { return ptr_; }
    const T* data() const { return ptr_; }
    std::size_t size() const { return n_; }
    T& operator[](std::size_t i) { return ptr_[i]; }
    const T& operator[](std::size_t i) const { return ptr_[i]; }
    void assign(const T* v, std::size_t n) { std::copy(v, v + (n < n_ ? n : n_), ptr_); }
    void assign(const std::vector<T>& v) { assign(v.data(), v.size()); }
    std::vector<T> vec() const { return std::vector<T>(ptr_, ptr_ + n_); }
    void fill() { std::memset((void*)ptr_, kPattern, n_ * sizeof(T)); }
    bool guardsIntact() const { return untouched(0, begin_) && untouched(begin_ + n_ * sizeof(T), raw_.size()); }
    bool intact() const { return untouched(0, raw_.size()); }

protected:
    // The elements `offsetBytes` past a 64-byte boundary at least `lead` bytes into storage full of `pattern`.
    Guarded(std::size_t n, std::size_t lead, std::size_t offsetBytes, unsigned char pattern)
        : raw_(n * sizeof(T) + 2 * lead + 64 + offsetBytes + 2 * sizeof(T), pattern), n_(n)
    {
        const auto base = reinterpret_cast<std::uintptr_t>(raw_.data());
        begin_ = ((base + lead + 63) & ~std::uintptr_t(63)) + offsetBytes - base;
        ptr_ = reinterpret_cast<T*>(raw_.data() + begin_);
    }

private:
    bool untouched(std::size_t from, std::size_t to) const
    {
        return std::all_of(raw_.begin() + from, raw_.begin() + to, [](unsigned char b) { return b == kPattern; });
    }
    std::vector<unsigned char> raw_;
    std::size_t n_, begin_;
    T* ptr_;
};

// A zeroed buffer whose data() is `offsetBytes` past a 64-byte boundary, so
// kernels meet every alignment.
template <class T>
struct Unaligned : Guarded<T> {
    Unaligned(std::size_t n, std::size_t offsetBytes = sizeof(T) == 1 ? 1 : sizeof(T)) : Guarded<T>(n, 0, offsetBytes, 0) {}
};
#pragma GCC diagnostic pop

// f(len, offset) for every length 1..maxLen and every element offset
// 0..offsets-1 (every fifth offset in quick runs).
template <class F>
void lengthOffsetSweep(int maxLen, int offsets, F&& f)
{
    for (int o = 0; o < offsets; o += quick() ? 5 : 1)
        for (int n = 1; n <= maxLen; ++n) f(n, o);
}

// Sets the configured thread count for a scope and restores it afterwards.
struct ThreadCount {
    explicit ThreadCount(int n) : saved(orvGetNumThreads()) { orvSetNumThreads(n); }
    ~ThreadCount() { orvSetNumThreads(saved); }
    const int saved;
};

// ---- kernel variants: chosen once per process, so the narrower ones run in
// a child process of the same program with ORVS_CPU capping the choice.
inline bool machineHasAvx512()
{
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
           __builtin_cpu_supports("avx512dq") && __builtin_cpu_supports("avx512vl");
}

// Why `variant` needs no rerun here (null when it does): this process is a
// forced rerun, or without AVX-512 the default run already took AVX2.
inline const char* variantRerunSkipReason(const char* variant)
{
    if (std::getenv("ORVS_CPU")) return "already running a forced variant";
    if (std::string(variant) == "avx2" && !machineHasAvx512()) return "the default run already used the AVX2 kernels";
    return nullptr;
}

// Reruns this program under ORVS_CPU=variant with a gtest filter (and extra
// environment assignments). 0 when it passed and ran at least one test, so
// renaming a suite cannot silently drop a variant's coverage.
inline int rerunUnderVariant(const char* variant, const std::string& filter, const std::string& extraEnv = "")
{
    char self[4096] = {};
    if (readlink("/proc/self/exe", self, sizeof(self) - 1) <= 0) return -1;
    const std::string cmd = "ORVS_CPU=" + std::string(variant) + " " + extraEnv + " '" + self +
                            "' --gtest_brief=1 --gtest_filter='" + filter + "' 2>&1";
    FILE* out = popen(cmd.c_str(), "r");
    std::string text;
    for (char line[512]; out && std::fgets(line, sizeof(line), out);) text += line;
    if (const int status = out ? pclose(out) : -1) return status;
    const auto at = text.rfind("[  PASSED  ] ");  // "[  PASSED  ] N test(s)."
    return at == std::string::npos ? -2 : std::atoi(text.c_str() + at + 13) > 0 ? 0 : -3;
}

#define ORVS_RERUN_UNDER_VARIANT(variant, ...)                                                    \
    do {                                                                                          \
        if (const char* why = ::orvs_test::variantRerunSkipReason(variant)) GTEST_SKIP() << why;  \
        EXPECT_EQ(::orvs_test::rerunUnderVariant(variant, __VA_ARGS__), 0)                        \
            << "ORVS_CPU=" << (variant) << " rerun failed or selected no test; run it by hand";  \
    } while (0)

} // namespace orvs_test
