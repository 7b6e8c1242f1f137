// Helpers shared by the test programs: seeded random vectors, buffers that
// are deliberately misaligned, and a scoped thread-count override.
#pragma once
#include <cstddef>
#include <cstdint>
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
// (and any extra environment assignments); returns the shell's status, 0
// when every selected test passed.
inline int rerunUnderVariant(const char* variant, const std::string& filter, const std::string& extraEnv = "")
{
    char self[4096] = {};
    if (readlink("/proc/self/exe", self, sizeof(self) - 1) <= 0) return -1;
    const std::string cmd = "ORVS_CPU=" + std::string(variant) + " " + extraEnv + " '" + self +
                            "' --gtest_brief=1 --gtest_filter='" + filter + "' > /dev/null 2>&1";
    return std::system(cmd.c_str());
}

// The body of a variant test: skips when not needed, else reruns the filter.
#define ORVS_RERUN_UNDER_VARIANT(variant, ...)                                                    \
    do {                                                                                          \
        if (const char* why = ::orvs_test::variantRerunSkipReason(variant)) GTEST_SKIP() << why;  \
        EXPECT_EQ(::orvs_test::rerunUnderVariant(variant, __VA_ARGS__), 0)                        \
            << "ORVS_CPU=" << (variant) << " rerun failed; run it by hand to see which test";     \
    } while (0)

} // namespace orvs_test
