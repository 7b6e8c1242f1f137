// Helpers shared by the test programs: seeded random vectors, buffers that
// are deliberately misaligned, and a scoped thread-count override.
#pragma once
#include <cstddef>
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

// Random values over the whole range of T (integers) or in [lo, hi] (floats).
template <class T>
std::vector<T> randomVector(std::size_t n, std::uint32_t seed, double lo = -1000.0, double hi = 1000.0)
{
    std::mt19937_64 rng(seed);
    std::vector<T> v(n);
    if constexpr (std::is_floating_point_v<T>) {
        std::uniform_real_distribution<double> d(lo, hi);
        for (auto& x : v) x = static_cast<T>(d(rng));
    } else if constexpr (std::is_integral_v<T>) {
        for (auto& x : v) {
            std::uint64_t bits = rng();
            std::memcpy(&x, &bits, sizeof(T));
        }
    } else {
        // complex structs: fill the raw bytes from the base type
        using Base = decltype(T{}.re);
        auto parts = randomVector<Base>(2 * n, seed, lo, hi);
        std::memcpy(v.data(), parts.data(), n * sizeof(T));
    }
    return v;
}

// GCC 12 loses track of the object behind the re-aligned pointer below and
// warns about writes "into a region of size 0"; the buffer is large enough.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wstringop-overflow"

// A buffer whose data() is offset by `offsetBytes` from a 64-byte boundary,
// so kernels meet every alignment.
template <class T>
class Unaligned {
public:
    Unaligned(std::size_t n, std::size_t offsetBytes = sizeof(T) == 1 ? 1 : sizeof(T))
        : raw_((n + 2) * sizeof(T) + 128), n_(n)
    {
        auto base = reinterpret_cast<std::uintptr_t>(raw_.data());
        std::uintptr_t aligned = (base + 63) & ~std::uintptr_t(63);
        ptr_ = reinterpret_cast<T*>(aligned + offsetBytes);
    }
    T* data() { return ptr_; }
    const T* data() const { return ptr_; }
    std::size_t size() const { return n_; }
    T& operator[](std::size_t i) { return ptr_[i]; }
    const T& operator[](std::size_t i) const { return ptr_[i]; }
    void assign(const std::vector<T>& v)
    {
        const std::size_t n = v.size() < n_ ? v.size() : n_;
        for (std::size_t i = 0; i < n; ++i) ptr_[i] = v[i];
    }
    std::vector<T> vec() const { return std::vector<T>(ptr_, ptr_ + n_); }

private:
    std::vector<unsigned char> raw_;
    std::size_t n_;
    T* ptr_;
};

#pragma GCC diagnostic pop

// Storage for n elements `offset` elements past a 64-byte boundary inside a
// buffer filled with a guard pattern, kGuardBytes on either side; intact()
// says whether anything outside the n elements (or, after fill(), inside
// them too) was written.
template <class T>
class Guarded {
public:
    static constexpr std::size_t kGuardBytes = 128;
    static constexpr unsigned char kPattern = 0xA5;

    explicit Guarded(std::size_t n, std::size_t offset = 0) : raw_(n * sizeof(T) + 2 * kGuardBytes + 64 + offset * sizeof(T), kPattern), n_(n)
    {
        const auto base = reinterpret_cast<std::uintptr_t>(raw_.data());
        begin_ = ((base + kGuardBytes + 63) & ~std::uintptr_t(63)) + offset * sizeof(T) - base;
        ptr_ = reinterpret_cast<T*>(raw_.data() + begin_);
    }
    T* data() { return ptr_; }
    const T* data() const { return ptr_; }
    std::size_t size() const { return n_; }
    T& operator[](std::size_t i) { return ptr_[i]; }
    const T& operator[](std::size_t i) const { return ptr_[i]; }
    void assign(const T* v, std::size_t n) { std::memcpy(ptr_, v, (n < n_ ? n : n_) * sizeof(T)); }
    void assign(const std::vector<T>& v) { assign(v.data(), v.size()); }
    std::vector<T> vec() const { return std::vector<T>(ptr_, ptr_ + n_); }
    // Fills the elements with the guard pattern too.
    void fill() { std::memset(ptr_, kPattern, n_ * sizeof(T)); }
    // Nothing outside the elements changed.
    bool guardsIntact() const { return untouched(0, begin_) && untouched(begin_ + n_ * sizeof(T), raw_.size()); }
    // Nothing at all changed since fill().
    bool intact() const { return untouched(0, raw_.size()); }

private:
    bool untouched(std::size_t from, std::size_t to) const
    {
        for (std::size_t b = from; b < to; ++b)
            if (raw_[b] != kPattern) return false;
        return true;
    }
    std::vector<unsigned char> raw_;
    std::size_t n_, begin_;
    T* ptr_;
};

// Calls f(len, offset) for every length 1..maxLen and every element offset
// 0..offsets-1 from a 64-byte boundary (every `quick() ? 5 : 1`-th offset in
// quick runs): the tails and alignments every kernel variant meets.
template <class F>
void lengthOffsetSweep(int maxLen, int offsets, F&& f)
{
    const int step = quick() ? 5 : 1;
    for (int o = 0; o < offsets; o += step)
        for (int n = 1; n <= maxLen; ++n) f(n, o);
}

// Sets the configured thread count for a scope and restores it afterwards.
class ThreadCount {
public:
    explicit ThreadCount(int n) : saved_(orvGetNumThreads()) { orvSetNumThreads(n); }
    ~ThreadCount() { orvSetNumThreads(saved_); }

private:
    int saved_;
};

// ---- kernel variants ------------------------------------------------------
// The kernel variant is chosen once per process, so the narrower variants are
// tested by running the same test program again in a child process with
// ORVS_CPU capping the choice ("avx" or "avx2").

inline bool machineHasAvx512()
{
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
           __builtin_cpu_supports("avx512dq") && __builtin_cpu_supports("avx512vl");
}

// Why `variant` needs no run of its own in this process, or null when it
// does: the process is itself a forced rerun, or (for "avx2") the machine
// has no AVX-512 and the default run already took the AVX2 kernels.
inline const char* variantRerunSkipReason(const char* variant)
{
    if (std::getenv("ORVS_CPU")) return "already running a forced variant";
    if (std::string(variant) == "avx2" && !machineHasAvx512()) return "the default run already used the AVX2 kernels";
    return nullptr;
}

// Runs this test program under ORVS_CPU=variant with the given gtest filter
// (and any extra environment assignments). Returns 0 when the rerun passed
// and ran at least one test; a filter that selects nothing is a failure, so
// renaming a suite cannot silently drop a variant's coverage.
inline int rerunUnderVariant(const char* variant, const std::string& filter, const std::string& extraEnv = "")
{
    char self[4096] = {};
    if (readlink("/proc/self/exe", self, sizeof(self) - 1) <= 0) return -1;
    const std::string cmd = "ORVS_CPU=" + std::string(variant) + " " + extraEnv + " '" + self +
                            "' --gtest_brief=1 --gtest_filter='" + filter + "' 2>&1";
    FILE* out = popen(cmd.c_str(), "r");
    if (!out) return -1;
    std::string text;
    char line[512];
    while (std::fgets(line, sizeof(line), out)) text += line;
    const int status = pclose(out);
    if (status != 0) return status;
    // gtest closes with "[  PASSED  ] N test(s)."
    const auto at = text.rfind("[  PASSED  ] ");
    if (at == std::string::npos) return -2;
    return std::atoi(text.c_str() + at + 13) > 0 ? 0 : -3;
}

// The body of a variant test: skips when not needed, else reruns the filter.
#define ORVS_RERUN_UNDER_VARIANT(variant, ...)                                                    \
    do {                                                                                          \
        if (const char* why = ::orvs_test::variantRerunSkipReason(variant)) GTEST_SKIP() << why;  \
        EXPECT_EQ(::orvs_test::rerunUnderVariant(variant, __VA_ARGS__), 0)                        \
            << "ORVS_CPU=" << (variant) << " rerun failed or selected no test; run it by hand";  \
    } while (0)

} // namespace orvs_test
