// Reference models of the transform tests: the DFT and a radix-2 FFT in long
// double with angles reduced exactly (n k mod N), the flags' factors, one
// front end over the complex records, the packed real-spectrum layouts as
// index maps, and a concurrency harness.
#pragma once
#include <cmath>
#include <complex>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "test_util.h"

namespace transform_test {
using namespace orvs_test;

using LD = long double;
using CLD = std::complex<LD>;

// exp(-2 pi i m / n), inverse: exp(+2 pi i m / n), for any integer m.
struct TurnTable {
    std::vector<CLD> w;
    explicit TurnTable(std::size_t n) : w(n)
    {
        const LD twoPi = 6.283185307179586476925286766559005768L;
        for (std::size_t m = 0; m < n; ++m) w[m] = CLD(cosl(twoPi * LD(m) / LD(n)), -sinl(twoPi * LD(m) / LD(n)));
    }
    CLD operator()(unsigned long long m, bool inverse = false) const { return inverse ? std::conj(w[m % w.size()]) : w[m % w.size()]; }
};

// The definition, O(N^2): for small N and to check referenceFft.
inline std::vector<CLD> directDft(const std::vector<CLD>& x, bool inverse)
{
    const std::size_t n = x.size();
    const TurnTable w(n);
    std::vector<CLD> y(n);
    for (std::size_t k = 0; k < n; ++k)
        for (std::size_t j = 0; j < n; ++j) y[k] += x[j] * w((unsigned long long)j * k, inverse);
    return y;
}

// Iterative radix-2 FFT in long double.
inline std::vector<CLD> referenceFft(std::vector<CLD> a, bool inverse)
{
    const std::size_t n = a.size();
    for (std::size_t i = 1, j = 0; i < n; ++i) {
        std::size_t bit = n >> 1;
        for (; j & bit; bit >>= 1) j ^= bit;
        j ^= bit;
        if (i < j) std::swap(a[i], a[j]);
    }
    const TurnTable w(n);
    for (std::size_t len = 2; len <= n; len <<= 1)
        for (std::size_t i = 0; i < n; i += len)
            for (std::size_t k = 0; k < len / 2; ++k) {
                const CLD u = a[i + k], v = a[i + k + len / 2] * w(k * (n / len), inverse);
                a[i + k] = u + v;
                a[i + k + len / 2] = u - v;
            }
    return a;
}

// Factor a flag applies in one direction (1 forward /N, 2 inverse /N,
// 4 both /sqrt N, 8 none).
inline LD normFactor(int flag, std::size_t n, bool inverse)
{
    if (flag == ORV_FFT_NORM_SQRT_N) return 1.0L / sqrtl(LD(n));
    return flag == (inverse ? ORV_FFT_NORM_INV_N : ORV_FFT_NORM_FWD_N) ? 1.0L / LD(n) : 1.0L;
}

template <class T>
CLD toCld(const T& v)
{
    if constexpr (std::is_same_v<T, CLD> || std::is_arithmetic_v<T>) return CLD(v);
    else return CLD(LD(v.re), LD(v.im));
}

// ||got - ref|| / ||ref|| over whole vectors (complex structs, reals or CLD).
template <class T>
double relRms(const std::vector<CLD>& ref, const T* got)
{
    LD err = 0, mag = 0;
    for (std::size_t i = 0; i < ref.size(); ++i) {
        err += std::norm(toCld(got[i]) - ref[i]);
        mag += std::norm(ref[i]);
    }
    return double(mag > 0 ? sqrtl(err / mag) : sqrtl(err));
}

template <class T>
std::vector<CLD> toCld(const std::vector<T>& v)
{
    std::vector<CLD> r(v.size());
    for (std::size_t i = 0; i < v.size(); ++i) r[i] = toCld(v[i]);
    return r;
}

// Integers in [-range, range] with every seventh zero (scaled far up they
// saturate, far down they vanish).
template <class T>
std::vector<T> smallInts(std::size_t n, std::uint32_t seed, int range)
{
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> d(-range, range);
    std::vector<T> v(n);
    for (std::size_t i = 0; i < n; ++i) v[i] = i % 7 == 3 ? T(0) : T(d(rng));
    return v;
}

// A library-allocated record released at scope exit.
template <class S, auto Alloc, auto Free>
struct Owned {
    S* p = nullptr;
    OrvStatus status;
    Owned(int order, int flag, int hint = 0) : status(Alloc(&p, order, flag, OrvHintAlgorithm(hint))) {}
    ~Owned() { if (p) Free(p); }
};

// ---- complex FFT record types behind one interface ------------------------------

// Data kept as complex structs E; split types get the parts split around
// each call. run() transforms x on guarded buffers `off` elements past a
// 64-byte boundary, in place or out of place (integer types take the scale
// factor as the last argument), and checks that nothing outside the data
// changed, nor the source of an out-of-place call.
template <bool SplitData, class S, class E, auto Alloc, auto Free, auto Buf, auto Fwd, auto Inv, auto FwdI, auto InvI>
struct FftFront {
    using Spec = S;
    using Rec = Owned<S, Alloc, Free>;
    using Elem = E;
    static constexpr bool split = SplitData;
    using Part = decltype(E{}.re);
    static constexpr auto fwd = Fwd, inv = Inv;
    static OrvStatus bufSize(const S* s, int* b) { return Buf(s, b); }
    template <class... Sf>
    static OrvStatus run(bool inverse, bool inPlace, std::size_t off, const std::vector<E>& x, std::vector<E>& y,
                         const S* s, Orv8u* b, Sf... sf)
    {
        const std::size_t n = x.size();
        OrvStatus st;
        y.resize(n);
        if constexpr (SplitData) {
            Guarded<Part> re(n, off), im(n, off + 1), ore(n, off + 2), oim(n, off);
            for (std::size_t i = 0; i < n; ++i) re[i] = x[i].re, im[i] = x[i].im;
            st = inPlace ? (inverse ? InvI : FwdI)(re.data(), im.data(), s, sf..., b)
                         : (inverse ? Inv : Fwd)(re.data(), im.data(), ore.data(), oim.data(), s, sf..., b);
            for (std::size_t i = 0; i < n; ++i) y[i] = {inPlace ? re[i] : ore[i], inPlace ? im[i] : oim[i]};
            EXPECT_TRUE(re.guardsIntact() && im.guardsIntact() && ore.guardsIntact() && oim.guardsIntact());
        } else {
            Guarded<E> in(n, off), out(n, off + 1);
            in.assign(x);
            st = inPlace ? (inverse ? InvI : FwdI)(in.data(), s, sf..., b)
                         : (inverse ? Inv : Fwd)(in.data(), out.data(), s, sf..., b);
            y = inPlace ? in.vec() : out.vec();
            EXPECT_TRUE(in.guardsIntact() && out.guardsIntact());
            if (!inPlace) EXPECT_TRUE(sameBits(in.data(), x.data(), n));
        }
        return st;
    }
};
#define ORVS_FFT_FRONT(SplitData, S, E, sfx, isfx)                                                                 \
    transform_test::FftFront<SplitData, OrvsFFTSpec_C_##S, E, orvsFFTInitAlloc_C_##S, orvsFFTFree_C_##S,           \
                             orvsFFTGetBufSize_C_##S, orvsFFTFwd_CToC_##S##sfx, orvsFFTInv_CToC_##S##sfx,         \
                             orvsFFTFwd_CToC_##S##isfx, orvsFFTInv_CToC_##S##isfx>

// ---- real spectra ------------------------------------------------------------

enum Layout { kPack = 0, kPerm = 1, kCcs = 2 };
inline const char* layoutName(int l) { return l == kPack ? "Pack" : l == kPerm ? "Perm" : "CCS"; }

// Real values a layout holds for length n (CCS of one value is the value and one zero).
inline int layoutLength(int n, int layout) { return layout == kCcs ? (n == 1 ? 2 : n + 2) : n; }

// X[0..N/2] of real x.
template <class T>
std::vector<CLD> halfSpectrum(const std::vector<T>& x)
{
    auto full = referenceFft(toCld(x), false);
    full.resize(x.size() / 2 + 1);
    return full;
}

// The real signal of a Hermitian spectrum given by its half h (X[0] and
// X[N/2] count with their real parts only), unnormalised.
inline std::vector<LD> inverseFromHalf(const std::vector<CLD>& h, int n)
{
    std::vector<CLD> full(n);
    full[0] = h[0].real();
    if (n > 1) full[n / 2] = h[n / 2].real();
    for (int k = 1; k < n / 2; ++k) full[k] = h[k], full[n - k] = std::conj(h[k]);
    const auto t = referenceFft(full, true);
    std::vector<LD> x(n);
    for (int i = 0; i < n; ++i) x[i] = t[i].real();
    return x;
}

template <class T>
std::vector<CLD> unpackLayout(const T* v, int n, int layout)
{
    std::vector<CLD> h(n / 2 + 1);
    h[0] = LD(v[0]);
    if (n == 1) return h;
    for (int k = 1; k < n / 2; ++k) {
        const int re = layout == kPack ? 2 * k - 1 : 2 * k;
        h[k] = CLD(LD(v[re]), LD(v[re + 1]));
    }
    h[n / 2] = LD(v[layout == kPack ? n - 1 : layout == kPerm ? 1 : n]);
    return h;
}

template <class T>
std::vector<T> packLayout(const std::vector<CLD>& h, int n, int layout)
{
    std::vector<T> v(layoutLength(n, layout), T(0));
    v[0] = T(h[0].real());
    if (n == 1) return v;
    for (int k = 1; k < n / 2; ++k) {
        const int re = layout == kPack ? 2 * k - 1 : 2 * k;
        v[re] = T(h[k].real());
        v[re + 1] = T(h[k].imag());
    }
    v[layout == kPack ? n - 1 : layout == kPerm ? 1 : n] = T(h[n / 2].real());
    return v;
}

// ---- concurrency ---------------------------------------------------------------

// Runs call(t) 4 times on each of 1, 2 and 4 threads at once (with the
// library's thread count set alike); true when every call returned true.
template <class Call>
bool concurrently(Call call)
{
    for (int threads : {1, 2, 4}) {
        ThreadCount tc(threads);
        std::vector<int> ok(threads, 1);
        std::vector<std::thread> pool;
        for (int t = 0; t < threads; ++t)
            pool.emplace_back([&, t] {
                for (int rep = 0; rep < 4; ++rep) ok[t] &= call(t) ? 1 : 0;
            });
        for (auto& th : pool) th.join();
        for (int v : ok)
            if (!v) return false;
    }
    return true;
}

} // namespace transform_test
