// The 512-bit-shaped vectors of the SIMD layer. Everywhere: the pair form of
// the baseline target against a scalar model of every operation's lane
// semantics. Where AVX-512 exists: the native form against the pair form,
// operation by operation, bit by bit (wide_vec_check.h).
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

#include "core/simd/wide_vec.h"
#include "transform/fft/fft_kernels.h"
#include "wide_vec_check.h"

namespace {

using namespace orvs::simd::avx;

template <class T>
std::vector<T> inputs(int count, unsigned seed)
{
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> d(-4.0, 4.0);
    std::vector<T> v(count);
    for (auto& x : v) x = T(d(rng));
    // a few values whose products round, cancel or overflow
    v[1] = T(-0.0);
    v[2] = std::numeric_limits<T>::max();
    v[5] = T(1) / T(3);
    v[7] = std::numeric_limits<T>::infinity();
    return v;
}

template <class T>
bool sameBits(const T* a, const T* b, int n) { return std::memcmp(a, b, sizeof(T) * n) == 0; }

// Every operation of X (W lanes of T) against its lane model.
template <class X, class T>
void checkPairModel()
{
    constexpr int W = X::W, L = 16 / int(sizeof(T));  // lanes per 128 bits
    const auto in = inputs<T>(W * W, 7 + W);
    const T* a = in.data();
    const T* b = a + W;
    const T* c = a + 2 * W;
    T got[W], got2[W], want[W], want2[W];
    auto run1 = [&](auto op, auto model, const char* name) {
        X::store(got, op());
        for (int i = 0; i < W; ++i) want[i] = model(i);
        EXPECT_TRUE(sameBits(got, want, W)) << name;
    };
    run1([&] { return X::load(a); }, [&](int i) { return a[i]; }, "load");
    run1([&] { return X::set1(a[3]); }, [&](int) { return a[3]; }, "set1");
    run1([&] { return X::add(X::load(a), X::load(b)); }, [&](int i) { return T(a[i] + b[i]); }, "add");
    run1([&] { return X::sub(X::load(a), X::load(b)); }, [&](int i) { return T(a[i] - b[i]); }, "sub");
    run1([&] { return X::mul(X::load(a), X::load(b)); }, [&](int i) { return T(a[i] * b[i]); }, "mul");
    // The baseline target has no FMA: the fused forms round twice.
    run1([&] { return X::fmadd(X::load(a), X::load(b), X::load(c)); }, [&](int i) { return T(T(a[i] * b[i]) + c[i]); },
         "fmadd");
    run1([&] { return X::fmsub(X::load(a), X::load(b), X::load(c)); }, [&](int i) { return T(T(a[i] * b[i]) - c[i]); },
         "fmsub");
    run1([&] { return X::fnmadd(X::load(a), X::load(b), X::load(c)); }, [&](int i) { return T(c[i] - T(a[i] * b[i])); },
         "fnmadd");
    // Per 128-bit lane k: even then odd values of a's lane, then of b's lane.
    {
        typename X::V re, im;
        X::deinterleave(X::load(a), X::load(b), re, im);
        X::store(got, re);
        X::store(got2, im);
        for (int i = 0; i < W; ++i) {
            const int k = i / L, j = i % L;
            const T* src = j < L / 2 ? a : b;
            const int e = k * L + 2 * (j % (L / 2));
            want[i] = src[e];
            want2[i] = src[e + 1];
        }
        EXPECT_TRUE(sameBits(got, want, W) && sameBits(got2, want2, W)) << "deinterleave";
        // and interleave restores both registers
        typename X::V lo, hi;
        X::interleave(re, im, lo, hi);
        X::store(got, lo);
        X::store(got2, hi);
        EXPECT_TRUE(sameBits(got, a, W) && sameBits(got2, b, W)) << "interleave";
    }
    // Permutations: the chunk orders of the FFT and a scrambled one.
    {
        int scrambled[W];
        for (int i = 0; i < W; ++i) scrambled[i] = (i * 5 + 3) % W;
        const int* order = W == 16 ? orvs::fft::kChunkOrder16 : orvs::fft::kChunkOrder8d;
        for (const int* idx : {order, static_cast<const int*>(scrambled)}) {
            X::store(got, X::permute(X::load(a), idx));
            for (int i = 0; i < W; ++i) want[i] = a[idx[i]];
            EXPECT_TRUE(sameBits(got, want, W)) << "permute";
        }
    }
    {
        typename X::V v[W];
        for (int i = 0; i < W; ++i) v[i] = X::load(a + i * W);
        X::transpose(v);
        bool ok = true;
        for (int j = 0; j < W; ++j) {
            X::store(got, v[j]);
            for (int i = 0; i < W; ++i) ok &= sameBits(&got[i], &a[i * W + j], 1);
        }
        EXPECT_TRUE(ok) << "transpose";
    }
    // The chunk order the FFT tables assume is what deinterleave delivers.
    {
        T pairs[2 * W];
        for (int i = 0; i < 2 * W; ++i) pairs[i] = T(i / 2);  // complex value i/2
        typename X::V re, im;
        X::deinterleave(X::load(pairs), X::load(pairs + W), re, im);
        X::store(got, re);
        const int* order = W == 16 ? orvs::fft::kChunkOrder16 : orvs::fft::kChunkOrder8d;
        for (int l = 0; l < W; ++l) EXPECT_EQ(got[l], T(order[l])) << "chunk lane " << l;
    }
}

bool hasAvx512()
{
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
           __builtin_cpu_supports("avx512dq") && __builtin_cpu_supports("avx512vl");
}

template <class T>
void checkNative(int (*mismatches)(const T*, const int* const*, int, const char**))
{
    constexpr int W = 64 / int(sizeof(T));
    int scrambled[W], inverse[W];
    const int* order = W == 16 ? orvs::fft::kChunkOrder16 : orvs::fft::kChunkOrder8d;
    for (int i = 0; i < W; ++i) {
        scrambled[i] = (i * 5 + 3) % W;
        inverse[order[i]] = i;
    }
    const int* perms[] = {order, inverse, scrambled};
    for (unsigned seed = 0; seed < 16; ++seed) {
        const auto in = inputs<T>(W * W, seed);
        const char* failed = nullptr;
        EXPECT_EQ(mismatches(in.data(), perms, 3, &failed), 0) << (failed ? failed : "") << " seed " << seed;
    }
}

} // namespace

TEST(WideVec, PairFormMatchesLaneModelFloat) { checkPairModel<X16fPair, float>(); }
TEST(WideVec, PairFormMatchesLaneModelDouble) { checkPairModel<X8dPair, double>(); }

TEST(WideVec, NativeFormMatchesPairForm)
{
    if (!hasAvx512()) GTEST_SKIP() << "no AVX-512 on this processor";
    checkNative<float>(wideVecMismatchesFloat);
    checkNative<double>(wideVecMismatchesDouble);
}
