// Complex FFT: record sizes and lifecycle, check order, accuracy against an
// independent long-double reference, in-place/out-of-place/unaligned
// agreement, normalisation flags, integer flavours and concurrent use.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <thread>
#include <type_traits>
#include <unistd.h>
#include <vector>

#include "test_util.h"

using namespace orvs_test;
using cld = std::complex<long double>;

namespace {


// ---- reference model ----------------------------------------------------------

// Iterative radix-2 FFT in long double with directly computed twiddles.
std::vector<cld> referenceFft(std::vector<cld> a, bool inverse)
{
    const std::size_t n = a.size();
    for (std::size_t i = 1, j = 0; i < n; ++i) {
        std::size_t bit = n >> 1;
        for (; j & bit; bit >>= 1) j ^= bit;
        j ^= bit;
        if (i < j) std::swap(a[i], a[j]);
    }
    const long double pi = 3.141592653589793238462643383279502884L;
    for (std::size_t len = 2; len <= n; len <<= 1) {
        std::vector<cld> w(len / 2);
        for (std::size_t k = 0; k < len / 2; ++k) {
            long double ang = 2 * pi * (long double)k / (long double)len * (inverse ? 1 : -1);
            w[k] = cld(std::cos(ang), std::sin(ang));
        }
        for (std::size_t i = 0; i < n; i += len)
            for (std::size_t k = 0; k < len / 2; ++k) {
                cld u = a[i + k], v = a[i + k + len / 2] * w[k];
                a[i + k] = u + v;
                a[i + k + len / 2] = u - v;
            }
    }
    return a;
}

// Direct DFT for small lengths (checks the reference itself).
std::vector<cld> directDft(const std::vector<cld>& x, bool inverse)
{
    const std::size_t n = x.size();
    const long double pi = 3.141592653589793238462643383279502884L;
    std::vector<cld> y(n);
    for (std::size_t k = 0; k < n; ++k) {
        cld s = 0;
        for (std::size_t j = 0; j < n; ++j) {
            long double ang = 2 * pi * (long double)((j * k) % n) / (long double)n * (inverse ? 1 : -1);
            s += x[j] * cld(std::cos(ang), std::sin(ang));
        }
        y[k] = s;
    }
    return y;
}

long double normFactor(int flag, int order, bool inverse)
{
    const long double n = (long double)(1ull << order);
    switch (flag) {
    case 1: return inverse ? 1 : 1 / n;
    case 2: return inverse ? 1 / n : 1;
    case 4: return 1 / std::sqrt(n);
    default: return 1;
    }
}

template <class T>
double relRms(const std::vector<cld>& ref, const T* got)
{
    long double err = 0, mag = 0;
    for (std::size_t i = 0; i < ref.size(); ++i) {
        cld g((long double)got[i].re, (long double)got[i].im);
        err += std::norm(g - ref[i]);
        mag += std::norm(ref[i]);
    }
    return mag > 0 ? (double)std::sqrt(err / mag) : (double)std::sqrt(err);
}

// ---- typed front ends over the exported entries ---------------------------------

struct F32c {
    using Spec = OrvsFFTSpec_C_32fc;
    using Elem = Orv32fc;
    static constexpr double tol = 1e-6;
    static constexpr int maxOrder = 27;
    static OrvStatus getSize(int o, int f, int* a, int* b, int* c) { return orvsFFTGetSize_C_32fc(o, f, orvHintNone, a, b, c); }
    static OrvStatus init(Spec** s, int o, int f, Orv8u* m, Orv8u* i) { return orvsFFTInit_C_32fc(s, o, f, orvHintNone, m, i); }
    static OrvStatus initAlloc(Spec** s, int o, int f) { return orvsFFTInitAlloc_C_32fc(s, o, f, orvHintNone); }
    static OrvStatus free(Spec* s) { return orvsFFTFree_C_32fc(s); }
    static OrvStatus bufSize(const Spec* s, int* b) { return orvsFFTGetBufSize_C_32fc(s, b); }
    static OrvStatus run(bool inv, const Elem* x, Elem* y, const Spec* s, Orv8u* b)
    { return inv ? orvsFFTInv_CToC_32fc(x, y, s, b) : orvsFFTFwd_CToC_32fc(x, y, s, b); }
    static OrvStatus runI(bool inv, Elem* x, const Spec* s, Orv8u* b)
    { return inv ? orvsFFTInv_CToC_32fc_I(x, s, b) : orvsFFTFwd_CToC_32fc_I(x, s, b); }
};

struct F64c {
    using Spec = OrvsFFTSpec_C_64fc;
    using Elem = Orv64fc;
    static constexpr double tol = 1e-15;
    static constexpr int maxOrder = 26;
    static OrvStatus getSize(int o, int f, int* a, int* b, int* c) { return orvsFFTGetSize_C_64fc(o, f, orvHintNone, a, b, c); }
    static OrvStatus init(Spec** s, int o, int f, Orv8u* m, Orv8u* i) { return orvsFFTInit_C_64fc(s, o, f, orvHintNone, m, i); }
    static OrvStatus initAlloc(Spec** s, int o, int f) { return orvsFFTInitAlloc_C_64fc(s, o, f, orvHintNone); }
    static OrvStatus free(Spec* s) { return orvsFFTFree_C_64fc(s); }
    static OrvStatus bufSize(const Spec* s, int* b) { return orvsFFTGetBufSize_C_64fc(s, b); }
    static OrvStatus run(bool inv, const Elem* x, Elem* y, const Spec* s, Orv8u* b)
    { return inv ? orvsFFTInv_CToC_64fc(x, y, s, b) : orvsFFTFwd_CToC_64fc(x, y, s, b); }
    static OrvStatus runI(bool inv, Elem* x, const Spec* s, Orv8u* b)
    { return inv ? orvsFFTInv_CToC_64fc_I(x, s, b) : orvsFFTFwd_CToC_64fc_I(x, s, b); }
};

// Split forms presented through the same interface: the test keeps the data
// interleaved and splits it around each call.
template <class Real>
struct SplitOf;
template <>
struct SplitOf<float> {
    using Spec = OrvsFFTSpec_C_32f;
    using Elem = Orv32fc;
    static constexpr double tol = 1e-6;
    static constexpr int maxOrder = 27;
    static OrvStatus getSize(int o, int f, int* a, int* b, int* c) { return orvsFFTGetSize_C_32f(o, f, orvHintNone, a, b, c); }
    static OrvStatus init(Spec** s, int o, int f, Orv8u* m, Orv8u* i) { return orvsFFTInit_C_32f(s, o, f, orvHintNone, m, i); }
    static OrvStatus initAlloc(Spec** s, int o, int f) { return orvsFFTInitAlloc_C_32f(s, o, f, orvHintNone); }
    static OrvStatus free(Spec* s) { return orvsFFTFree_C_32f(s); }
    static OrvStatus bufSize(const Spec* s, int* b) { return orvsFFTGetBufSize_C_32f(s, b); }
    static OrvStatus call(bool inv, const float* a, const float* b, float* c, float* d, const Spec* s, Orv8u* w)
    { return inv ? orvsFFTInv_CToC_32f(a, b, c, d, s, w) : orvsFFTFwd_CToC_32f(a, b, c, d, s, w); }
    static OrvStatus callI(bool inv, float* a, float* b, const Spec* s, Orv8u* w)
    { return inv ? orvsFFTInv_CToC_32f_I(a, b, s, w) : orvsFFTFwd_CToC_32f_I(a, b, s, w); }
};
template <>
struct SplitOf<double> {
    using Spec = OrvsFFTSpec_C_64f;
    using Elem = Orv64fc;
    static constexpr double tol = 1e-15;
    static constexpr int maxOrder = 26;
    static OrvStatus getSize(int o, int f, int* a, int* b, int* c) { return orvsFFTGetSize_C_64f(o, f, orvHintNone, a, b, c); }
    static OrvStatus init(Spec** s, int o, int f, Orv8u* m, Orv8u* i) { return orvsFFTInit_C_64f(s, o, f, orvHintNone, m, i); }
    static OrvStatus initAlloc(Spec** s, int o, int f) { return orvsFFTInitAlloc_C_64f(s, o, f, orvHintNone); }
    static OrvStatus free(Spec* s) { return orvsFFTFree_C_64f(s); }
    static OrvStatus bufSize(const Spec* s, int* b) { return orvsFFTGetBufSize_C_64f(s, b); }
    static OrvStatus call(bool inv, const double* a, const double* b, double* c, double* d, const Spec* s, Orv8u* w)
    { return inv ? orvsFFTInv_CToC_64f(a, b, c, d, s, w) : orvsFFTFwd_CToC_64f(a, b, c, d, s, w); }
    static OrvStatus callI(bool inv, double* a, double* b, const Spec* s, Orv8u* w)
    { return inv ? orvsFFTInv_CToC_64f_I(a, b, s, w) : orvsFFTFwd_CToC_64f_I(a, b, s, w); }
};

template <class Real>
struct Split : SplitOf<Real> {
    using B = SplitOf<Real>;
    using Elem = typename B::Elem;
    using Spec = typename B::Spec;
    static OrvStatus run(bool inv, const Elem* x, Elem* y, const Spec* s, Orv8u* b)
    {
        const std::size_t n = std::size_t(1) << orderOf(s);
        std::vector<Real> re(n + 1), im(n + 1), ore(n + 1), oim(n + 1);
        for (std::size_t i = 0; i < n; ++i) re[i + 1] = x[i].re, im[i + 1] = x[i].im;  // unaligned
        OrvStatus st = B::call(inv, re.data() + 1, im.data() + 1, ore.data(), oim.data(), s, b);
        for (std::size_t i = 0; i < n; ++i) y[i].re = ore[i], y[i].im = oim[i];
        return st;
    }
    static OrvStatus runI(bool inv, Elem* x, const Spec* s, Orv8u* b)
    {
        const std::size_t n = std::size_t(1) << orderOf(s);
        std::vector<Real> re(n), im(n);
        for (std::size_t i = 0; i < n; ++i) re[i] = x[i].re, im[i] = x[i].im;
        OrvStatus st = B::callI(inv, re.data(), im.data(), s, b);
        for (std::size_t i = 0; i < n; ++i) x[i].re = re[i], x[i].im = im[i];
        return st;
    }
    // The order is the second word of every record.
    static int orderOf(const Spec* s) { return reinterpret_cast<const int*>(s)[1]; }
};

template <class T>
std::vector<typename T::Elem> randomSignal(std::size_t n, std::uint32_t seed)
{
    auto v = randomVector<typename T::Elem>(n, seed, -1.0, 1.0);
    return v;
}

template <class E>
std::vector<cld> toLd(const std::vector<E>& v)
{
    std::vector<cld> r(v.size());
    for (std::size_t i = 0; i < v.size(); ++i) r[i] = cld(v[i].re, v[i].im);
    return r;
}

// Record built in caller memory with deliberately unaligned blocks.
template <class T>
struct CallerRecord {
    std::vector<Orv8u> spec, initBuf, work;
    typename T::Spec* rec = nullptr;
    OrvStatus status;
    CallerRecord(int order, int flag)
    {
        int a = 0, b = 0, c = 0;
        status = T::getSize(order, flag, &a, &b, &c);
        if (status) return;
        spec.resize(a + 3);
        initBuf.resize(b + 3);
        work.resize(c + 3);
        status = T::init(&rec, order, flag, spec.data() + 3, b ? initBuf.data() + 3 : nullptr);
    }
    Orv8u* buffer() { return work.data() + 3; }
};

} // namespace

// ---- sizes ------------------------------------------------------------------------

namespace {
long long a32(long long x) { return (x + 31) / 32 * 32; }

// Sizes written out from the published formulas.
void expectedFloat(int order, bool dbl, long long& spec, long long& init, long long& work)
{
    if (order <= 5) { spec = 168; init = 0; work = 0; return; }
    long long n = 1ll << order, q = n / 4, e = dbl ? 16 : 8, qe = dbl ? 8 : 4;
    if (order <= (dbl ? 16 : 17)) {
        spec = a32(e * n + e) + a32(4 * q + 4) + 192;
        init = order >= 11 ? a32(qe * q + qe) + 32 : 0;
        work = a32(e * n) + 32;
        return;
    }
    // block / buffer orders
    auto bw = [dbl](int o, int& b, int& w) {
        if (!dbl) { if (o <= 19) b = 4, w = 10; else if (o <= 22) b = 6, w = 13; else b = 8, w = 14; }
        else { if (o <= 18) b = 6, w = 10; else if (o <= 21) b = 6, w = 12; else b = 8, w = 13; }
    };
    std::function<void(int, long long&, long long&)> large = [&](int o, long long& r, long long& wk) {
        int b, w;
        bw(o, b, w);
        int m = o - b;
        if (m < (dbl ? 17 : 18)) { r = a32(e * (1ll << m) + e); wk = a32(e * (1ll << m)); }
        else large(m, r, wk);
        r += e * (1ll << o);
        wk = std::max(wk, e * (1ll << w));
    };
    long long r, wk;
    large(order, r, wk);
    if (order >= (dbl ? 18 : 19)) wk = std::max(wk, dbl ? 32768ll : 65536ll);
    spec = r + a32(4 * q + 4) + 192;
    init = a32(qe * q + qe) + 32;
    work = wk + 32;
}
} // namespace

TEST(FftSizes, FloatRecordsFollowFormulas)
{
    for (int order = 0; order <= 27; ++order)
        for (int dbl = 0; dbl < 2; ++dbl) {
            if (dbl && order > 26) continue;
            long long es, ei, ew;
            expectedFloat(order, dbl, es, ei, ew);
            int s, i, w;
            ASSERT_EQ(dbl ? orvsFFTGetSize_C_64fc(order, 2, orvHintNone, &s, &i, &w)
                          : orvsFFTGetSize_C_32fc(order, 2, orvHintNone, &s, &i, &w), orvStsOk);
            EXPECT_EQ(s, es) << order << " " << dbl;
            EXPECT_EQ(i, ei) << order << " " << dbl;
            EXPECT_EQ(w, ew) << order << " " << dbl;
            int s2, i2, w2;
            ASSERT_EQ(dbl ? orvsFFTGetSize_C_64f(order, 8, orvHintFast, &s2, &i2, &w2)
                          : orvsFFTGetSize_C_32f(order, 8, orvHintFast, &s2, &i2, &w2), orvStsOk);
            EXPECT_EQ(s2, s);
            EXPECT_EQ(i2, i);
            EXPECT_EQ(w2, w);
        }
    // Spot values worked out by hand.
    int s, i, w;
    orvsFFTGetSize_C_32fc(6, 1, orvHintNone, &s, &i, &w);
    EXPECT_EQ(s, 544 + 96 + 192);
    EXPECT_EQ(w, 512 + 32);
    orvsFFTGetSize_C_32fc(18, 1, orvHintNone, &s, &i, &w);
    EXPECT_EQ(w, 131072 + 32);  // block 2^14 of 8-byte elements
}

TEST(FftSizes, IntegerRecordsFollowFormulas)
{
    for (int order = 0; order <= 26; ++order)
        for (int hint = 0; hint <= 2; ++hint) {
            long long fs, fi, fw;
            expectedFloat(order, false, fs, fi, fw);
            long long n = 1ll << order, q = n / 4;
            long long es, ei, ew;
            if (order == 0) { es = 104; ei = 0; ew = 0; }
            else if (order <= 3 && hint <= 1) { es = a32(8 * n) + a32(4 * q + 4) + 128; ei = a32(2 * q + 2) + 32; ew = 8 * n + 32; }
            else { es = fs + 128; ei = fi + 32; ew = fw + 8 * n + 32; }
            int s, i, w;
            ASSERT_EQ(orvsFFTGetSize_C_16sc(order, 4, (OrvHintAlgorithm)hint, &s, &i, &w), orvStsOk);
            EXPECT_EQ(s, es) << order;
            EXPECT_EQ(i, ei) << order;
            EXPECT_EQ(w, ew) << order;
            ASSERT_EQ(orvsFFTGetSize_C_16s(order, 4, (OrvHintAlgorithm)hint, &s, &i, &w), orvStsOk);
            EXPECT_EQ(s, es);

            long long ds, di, dw;
            expectedFloat(order, true, ds, di, dw);
            ASSERT_EQ(orvsFFTGetSize_C_32sc(order, 1, (OrvHintAlgorithm)hint, &s, &i, &w), orvStsOk);
            EXPECT_EQ(s, ds + 64) << order;
            EXPECT_EQ(i, di ? di + 32 : 0) << order;
            EXPECT_EQ(w, dw + 16 * n + 32) << order;
            ASSERT_EQ(orvsFFTGetSize_C_32s(order, 1, (OrvHintAlgorithm)hint, &s, &i, &w), orvStsOk);
            EXPECT_EQ(w, dw + 16 * n + 32);
        }
}

TEST(FftSizes, BufSizeMatchesGetSize)
{
    for (int order : {0, 3, 5, 6, 10, 11, 16, 17, 18}) {
        CallerRecord<F32c> r(order, 2);
        ASSERT_EQ(r.status, orvStsOk);
        int s, i, w, b = -1;
        F32c::getSize(order, 2, &s, &i, &w);
        ASSERT_EQ(F32c::bufSize(r.rec, &b), orvStsOk);
        EXPECT_EQ(b, order <= 5 ? 0 : w) << order;
        CallerRecord<F64c> d(order, 2);
        F64c::getSize(order, 2, &s, &i, &w);
        ASSERT_EQ(F64c::bufSize(d.rec, &b), orvStsOk);
        EXPECT_EQ(b, order <= 5 ? 0 : w) << order;
    }
    for (int order : {0, 2, 4, 12}) {
        int s, i, w, b = -1;
        OrvsFFTSpec_C_16sc* r16 = nullptr;
        ASSERT_EQ(orvsFFTInitAlloc_C_16sc(&r16, order, 8, orvHintFast), orvStsOk);
        orvsFFTGetSize_C_16sc(order, 8, orvHintFast, &s, &i, &w);
        orvsFFTGetBufSize_C_16sc(r16, &b);
        EXPECT_EQ(b, w) << order;
        orvsFFTFree_C_16sc(r16);
        OrvsFFTSpec_C_32sc* r32 = nullptr;
        ASSERT_EQ(orvsFFTInitAlloc_C_32sc(&r32, order, 8, orvHintFast), orvStsOk);
        orvsFFTGetSize_C_32sc(order, 8, orvHintFast, &s, &i, &w);
        orvsFFTGetBufSize_C_32sc(r32, &b);
        EXPECT_EQ(b, w) << order;
        orvsFFTFree_C_32sc(r32);
    }
}

// ---- checks and lifecycle ---------------------------------------------------------

TEST(FftChecks, GetSizeOrder)
{
    int s, i, w;
    EXPECT_EQ(orvsFFTGetSize_C_32fc(-1, 9, orvHintNone, nullptr, &i, &w), orvStsErrFftOrder);
    EXPECT_EQ(orvsFFTGetSize_C_32fc(31, 2, orvHintNone, &s, &i, &w), orvStsErrFftOrder);
    EXPECT_EQ(orvsFFTGetSize_C_32fc(28, 3, orvHintNone, &s, nullptr, &w), orvStsErrNullPtr);
    EXPECT_EQ(orvsFFTGetSize_C_32fc(28, 3, orvHintNone, &s, &i, &w), orvStsErrFftFlag);
    EXPECT_EQ(orvsFFTGetSize_C_32fc(28, 2, orvHintNone, &s, &i, &w), orvStsErrFftOrder);
    EXPECT_EQ(orvsFFTGetSize_C_64fc(27, 2, orvHintNone, &s, &i, &w), orvStsErrFftOrder);
    EXPECT_EQ(orvsFFTGetSize_C_64fc(26, 2, orvHintNone, &s, &i, &w), orvStsOk);
    EXPECT_EQ(orvsFFTGetSize_C_16sc(28, 2, orvHintNone, &s, &i, &w), orvStsErrFftOrder);
    EXPECT_EQ(orvsFFTGetSize_C_32sc(27, 2, orvHintNone, &s, &i, &w), orvStsErrFftOrder);
    for (int flag : {0, 3, 5, 16, -1})
        EXPECT_EQ(orvsFFTGetSize_C_16s(4, flag, orvHintNone, &s, &i, &w), orvStsErrFftFlag);
}

TEST(FftChecks, InitAndFree)
{
    std::vector<Orv8u> mem(4096 + 64), initMem(8192);
    OrvsFFTSpec_C_32fc* rec = nullptr;
    EXPECT_EQ(orvsFFTInit_C_32fc(nullptr, 6, 2, orvHintNone, mem.data(), nullptr), orvStsErrNullPtr);
    EXPECT_EQ(orvsFFTInit_C_32fc(&rec, 6, 2, orvHintNone, nullptr, nullptr), orvStsErrNullPtr);
    EXPECT_EQ(orvsFFTInit_C_32fc(&rec, 28, 2, orvHintNone, mem.data(), nullptr), orvStsErrFftOrder);
    EXPECT_EQ(orvsFFTInit_C_32fc(&rec, 6, 7, orvHintNone, mem.data() + 1, nullptr), orvStsErrFftFlag);
    EXPECT_EQ(rec, nullptr);
    // A quarter table must be computed above order 10.
    std::vector<Orv8u> big(40000);
    EXPECT_EQ(orvsFFTInit_C_32fc(&rec, 11, 2, orvHintNone, big.data(), nullptr), orvStsErrNullPtr);
    ASSERT_EQ(orvsFFTInit_C_32fc(&rec, 10, 2, orvHintNone, big.data() + 5, nullptr), orvStsOk);
    // The record starts at the caller's memory rounded up to 32 bytes.
    auto addr = reinterpret_cast<std::uintptr_t>(big.data() + 5);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(rec), (addr + 31) & ~std::uintptr_t(31));
    EXPECT_EQ(reinterpret_cast<const Orv32u*>(rec)[0], 4u);
    // Free of a caller-memory record only invalidates it.
    EXPECT_EQ(orvsFFTFree_C_32fc(rec), orvStsOk);
    EXPECT_EQ(orvsFFTFree_C_32fc(rec), orvStsErrContextMatch);
    EXPECT_EQ(orvsFFTFree_C_32fc(nullptr), orvStsErrNullPtr);
    std::vector<Orv32fc> x(1024);
    EXPECT_EQ(orvsFFTFwd_CToC_32fc(x.data(), x.data(), rec, nullptr), orvStsErrContextMatch);
    int b;
    EXPECT_EQ(orvsFFTGetBufSize_C_32fc(rec, &b), orvStsErrContextMatch);
    EXPECT_EQ(orvsFFTGetBufSize_C_32fc(nullptr, &b), orvStsErrNullPtr);
}

TEST(FftChecks, IdentifiersAndForeignRecords)
{
    OrvsFFTSpec_C_32fc* c32 = nullptr;
    OrvsFFTSpec_C_32f* s32 = nullptr;
    OrvsFFTSpec_C_64fc* c64 = nullptr;
    OrvsFFTSpec_C_64f* s64 = nullptr;
    OrvsFFTSpec_C_16sc* c16 = nullptr;
    OrvsFFTSpec_C_16s* s16 = nullptr;
    OrvsFFTSpec_C_32sc* c32s = nullptr;
    OrvsFFTSpec_C_32s* s32s = nullptr;
    ASSERT_EQ(orvsFFTInitAlloc_C_32fc(&c32, 7, 8, orvHintNone), orvStsOk);
    ASSERT_EQ(orvsFFTInitAlloc_C_32f(&s32, 7, 8, orvHintNone), orvStsOk);
    ASSERT_EQ(orvsFFTInitAlloc_C_64fc(&c64, 7, 8, orvHintNone), orvStsOk);
    ASSERT_EQ(orvsFFTInitAlloc_C_64f(&s64, 7, 8, orvHintNone), orvStsOk);
    ASSERT_EQ(orvsFFTInitAlloc_C_16sc(&c16, 7, 8, orvHintNone), orvStsOk);
    ASSERT_EQ(orvsFFTInitAlloc_C_16s(&s16, 7, 8, orvHintNone), orvStsOk);
    ASSERT_EQ(orvsFFTInitAlloc_C_32sc(&c32s, 7, 8, orvHintNone), orvStsOk);
    ASSERT_EQ(orvsFFTInitAlloc_C_32s(&s32s, 7, 8, orvHintNone), orvStsOk);
    auto id = [](const void* r) { return *static_cast<const Orv32u*>(r); };
    EXPECT_EQ(id(c16), 1u);
    EXPECT_EQ(id(s16), 2u);
    EXPECT_EQ(id(c32), 4u);
    EXPECT_EQ(id(s32), 5u);
    EXPECT_EQ(id(c64), 7u);
    EXPECT_EQ(id(s64), 8u);
    EXPECT_EQ(id(c32s), 0x5A58514Cu);
    EXPECT_EQ(id(s32s), 0x5A58514Du);

    std::vector<Orv64fc> x(128);
    std::vector<Orv32f> re(128), im(128);
    // A record of another type is refused, before the data pointers are looked at.
    EXPECT_EQ(orvsFFTFwd_CToC_64fc(x.data(), x.data(), reinterpret_cast<OrvsFFTSpec_C_64fc*>(c32), nullptr),
              orvStsErrContextMatch);
    EXPECT_EQ(orvsFFTFwd_CToC_32f(re.data(), im.data(), re.data(), im.data(),
                                  reinterpret_cast<OrvsFFTSpec_C_32f*>(c32), nullptr), orvStsErrContextMatch);
    EXPECT_EQ(orvsFFTFwd_CToC_32fc(nullptr, nullptr, reinterpret_cast<OrvsFFTSpec_C_32fc*>(s32), nullptr),
              orvStsErrContextMatch);
    EXPECT_EQ(orvsFFTFwd_CToC_32fc(nullptr, nullptr, nullptr, nullptr), orvStsErrNullPtr);
    EXPECT_EQ(orvsFFTFwd_CToC_32fc(nullptr, reinterpret_cast<Orv32fc*>(x.data()), c32, nullptr), orvStsErrNullPtr);
    EXPECT_EQ(orvsFFTInv_CToC_16sc_Sfs(nullptr, nullptr, reinterpret_cast<OrvsFFTSpec_C_16sc*>(s16), 0, nullptr),
              orvStsErrContextMatch);
    EXPECT_EQ(orvsFFTFree_C_64fc(reinterpret_cast<OrvsFFTSpec_C_64fc*>(c32)), orvStsErrContextMatch);
    EXPECT_EQ(orvsFFTFree_C_32sc(reinterpret_cast<OrvsFFTSpec_C_32sc*>(s32s)), orvStsErrContextMatch);

    EXPECT_EQ(orvsFFTFree_C_32fc(c32), orvStsOk);
    EXPECT_EQ(orvsFFTFree_C_32f(s32), orvStsOk);
    EXPECT_EQ(orvsFFTFree_C_64fc(c64), orvStsOk);
    EXPECT_EQ(orvsFFTFree_C_64f(s64), orvStsOk);
    EXPECT_EQ(orvsFFTFree_C_16sc(c16), orvStsOk);
    EXPECT_EQ(orvsFFTFree_C_16s(s16), orvStsOk);
    EXPECT_EQ(orvsFFTFree_C_32sc(c32s), orvStsOk);
    EXPECT_EQ(orvsFFTFree_C_32s(s32s), orvStsOk);
}

TEST(FftChecks, InitAllocStatuses)
{
    OrvsFFTSpec_C_64fc* r = nullptr;
    EXPECT_EQ(orvsFFTInitAlloc_C_64fc(&r, 27, 2, orvHintNone), orvStsErrFftOrder);
    EXPECT_EQ(orvsFFTInitAlloc_C_64fc(&r, 5, 0, orvHintNone), orvStsErrFftFlag);
    EXPECT_EQ(orvsFFTInitAlloc_C_64fc(nullptr, 5, 2, orvHintNone), orvStsErrNullPtr);
    EXPECT_EQ(r, nullptr);
}

// ---- floating-point accuracy -----------------------------------------------------

template <class T>
class FftFloat : public ::testing::Test {};
using FloatKinds = ::testing::Types<F32c, F64c, Split<float>, Split<double>>;
TYPED_TEST_SUITE(FftFloat, FloatKinds);

// Reference check across orders, both directions, every flag.
TYPED_TEST(FftFloat, MatchesReference)
{
    using T = TypeParam;
    const int maxOrder = quick() ? 13 : 17;
    for (int order = 0; order <= maxOrder; ++order) {
        const int flag = 1 << (order % 4);
        CallerRecord<T> r(order, flag);
        ASSERT_EQ(r.status, orvStsOk) << order;
        const std::size_t n = std::size_t(1) << order;
        auto x = randomSignal<T>(n, 100 + order);
        const auto xl = toLd(x);
        for (int inv = 0; inv < 2; ++inv) {
            auto ref = referenceFft(xl, inv);
            const long double f = normFactor(flag, order, inv);
            for (auto& v : ref) v *= f;
            Unaligned<typename T::Elem> y(n, order % 2 ? sizeof(typename T::Elem) : 0);
            ASSERT_EQ(T::run(inv, x.data(), y.data(), r.rec, r.buffer()), orvStsOk);
            EXPECT_LT(relRms(ref, y.data()), T::tol * std::max(1, order)) << "order " << order << " inv " << inv;
        }
    }
}

// Guards the long-double reference model itself, once, against the
// definition in both directions and at several lengths.
TEST(FftReference, AgreesWithDirectDft)
{
    for (std::size_t n : {1u, 2u, 8u, 32u, 64u})
        for (bool inv : {false, true}) {
            std::vector<cld> x(n);
            for (std::size_t i = 0; i < n; ++i) x[i] = cld(std::sin(i * 0.7L), std::cos(i * 1.3L));
            auto a = referenceFft(x, inv), b = directDft(x, inv);
            for (std::size_t i = 0; i < n; ++i) EXPECT_LT(std::abs(a[i] - b[i]), 1e-15L * n) << n << " " << i;
        }
}

TYPED_TEST(FftFloat, InPlaceEqualsOutOfPlaceAndUnaligned)
{
    using T = TypeParam;
    for (int order : {0, 1, 2, 3, 4, 5, 6, 7, 9, 12, 16, 17, 18}) {
        CallerRecord<T> r(order, 4);
        ASSERT_EQ(r.status, orvStsOk);
        const std::size_t n = std::size_t(1) << order;
        auto x = randomSignal<T>(n, 7 + order);
        for (int inv = 0; inv < 2; ++inv) {
            std::vector<typename T::Elem> out(n);
            ASSERT_EQ(T::run(inv, x.data(), out.data(), r.rec, r.buffer()), orvStsOk);
            Unaligned<typename T::Elem> un(n);
            ASSERT_EQ(T::run(inv, x.data(), un.data(), r.rec, nullptr), orvStsOk);
            auto inpl = x;
            ASSERT_EQ(T::runI(inv, inpl.data(), r.rec, r.buffer()), orvStsOk);
            Unaligned<typename T::Elem> inun(n);
            inun.assign(x);
            ASSERT_EQ(T::runI(inv, inun.data(), r.rec, nullptr), orvStsOk);
            // Every output, both parts, bit for bit.
            ASSERT_TRUE(sameBits(out.data(), inpl.data(), n)) << "in place, order " << order;
            ASSERT_TRUE(sameBits(out.data(), un.data(), n)) << "unaligned, order " << order;
            ASSERT_TRUE(sameBits(out.data(), inun.data(), n)) << "unaligned in place, order " << order;
        }
    }
}

TYPED_TEST(FftFloat, RoundTripsUnderEveryFlag)
{
    using T = TypeParam;
    for (int order : {0, 4, 6, 11, 15}) {
        const std::size_t n = std::size_t(1) << order;
        auto x = randomSignal<T>(n, 33 + order);
        for (int flag : {1, 2, 4, 8}) {
            typename T::Spec* rec = nullptr;
            ASSERT_EQ(T::initAlloc(&rec, order, flag), orvStsOk);
            std::vector<typename T::Elem> y(n), z(n);
            ASSERT_EQ(T::run(false, x.data(), y.data(), rec, nullptr), orvStsOk);
            ASSERT_EQ(T::run(true, y.data(), z.data(), rec, nullptr), orvStsOk);
            const double scale = flag == 8 ? double(n) : 1.0;
            std::vector<cld> ref = toLd(x);
            for (auto& v : ref) v *= scale;
            EXPECT_LT(relRms(ref, z.data()), 2 * T::tol * std::max(1, order)) << order << " flag " << flag;
            EXPECT_EQ(T::free(rec), orvStsOk);
        }
    }
}

TYPED_TEST(FftFloat, OrderZeroCopies)
{
    using T = TypeParam;
    for (int flag : {1, 2, 4, 8}) {
        CallerRecord<T> r(0, flag);
        typename T::Elem x{1.25, -3.5}, y{0, 0};
        ASSERT_EQ(T::run(false, &x, &y, r.rec, nullptr), orvStsOk);
        EXPECT_EQ(y.re, 1.25);
        EXPECT_EQ(y.im, -3.5);
        ASSERT_EQ(T::run(true, &x, &y, r.rec, nullptr), orvStsOk);
        EXPECT_EQ(y.re, 1.25);
    }
}

// A tone on bin k: every other bin stays at rounding level (large orders).
TYPED_TEST(FftFloat, LargeOrdersKnownSpectrum)
{
    using T = TypeParam;
    using E = typename T::Elem;
    const int top = std::is_same_v<E, Orv32fc> ? (quick() ? 19 : 21) : (quick() ? 18 : 20);
    for (int order = std::is_same_v<E, Orv32fc> ? 18 : 17; order <= top; ++order) {
        typename T::Spec* rec = nullptr;
        ASSERT_EQ(T::initAlloc(&rec, order, 2), orvStsOk);
        const std::size_t n = std::size_t(1) << order;
        const std::size_t k1 = 12345 % n, k2 = n - 777;
        std::vector<E> x(n), y(n), z(n);
        const double pi = 3.14159265358979323846;
        for (std::size_t i = 0; i < n; ++i) {
            double a1 = 2 * pi * double((i * k1) % n) / double(n), a2 = 2 * pi * double((i * k2) % n) / double(n);
            x[i].re = std::cos(a1) + 0.5 * std::cos(a2);
            x[i].im = std::sin(a1) + 0.5 * std::sin(a2);
        }
        ASSERT_EQ(T::run(false, x.data(), y.data(), rec, nullptr), orvStsOk);
        std::vector<cld> ref(n, cld(0, 0));
        ref[k1] = cld(n, 0);
        ref[k2] = cld(0.5L * n, 0);
        EXPECT_LT(relRms(ref, y.data()), T::tol * order) << order;
        // out-of-place back, then in place forward and back again
        ASSERT_EQ(T::run(true, y.data(), z.data(), rec, nullptr), orvStsOk);
        EXPECT_LT(relRms(toLd(x), z.data()), 2 * T::tol * order) << order;
        ASSERT_EQ(T::runI(false, z.data(), rec, nullptr), orvStsOk);
        EXPECT_LT(relRms(ref, z.data()), 2 * T::tol * order) << order;
        ASSERT_EQ(T::free(rec), orvStsOk);
    }
}

// Random data at a large order against the reference (one order per precision).
TYPED_TEST(FftFloat, LargeOrderMatchesReference)
{
    using T = TypeParam;
    using E = typename T::Elem;
    const int order = std::is_same_v<E, Orv32fc> ? (quick() ? 18 : 19) : (quick() ? 17 : 18);
    CallerRecord<T> r(order, 8);
    ASSERT_EQ(r.status, orvStsOk);
    const std::size_t n = std::size_t(1) << order;
    auto x = randomSignal<T>(n, 4242);
    for (int inv = 0; inv < 2; ++inv) {
        auto ref = referenceFft(toLd(x), inv);
        std::vector<E> y(n);
        ASSERT_EQ(T::run(inv, x.data(), y.data(), r.rec, r.buffer()), orvStsOk);
        EXPECT_LT(relRms(ref, y.data()), T::tol * order);
        auto z = x;
        ASSERT_EQ(T::runI(inv, z.data(), r.rec, r.buffer()), orvStsOk);
        EXPECT_LT(relRms(ref, z.data()), T::tol * order);
    }
}

// One record, many threads with their own buffers: identical results.
TEST(FftThreads, ConcurrentCallsShareOneRecord)
{
    for (int order : {6, 12, 18}) {
        OrvsFFTSpec_C_32fc* rec = nullptr;
        ASSERT_EQ(orvsFFTInitAlloc_C_32fc(&rec, order, 4, orvHintNone), orvStsOk);
        int bs = 0;
        orvsFFTGetBufSize_C_32fc(rec, &bs);
        const std::size_t n = std::size_t(1) << order;
        auto x = randomVector<Orv32fc>(n, 5, -1, 1);
        std::vector<Orv32fc> expect(n);
        ASSERT_EQ(orvsFFTFwd_CToC_32fc(x.data(), expect.data(), rec, nullptr), orvStsOk);
        for (int threads : {1, 2, 4}) {
            ThreadCount tc(threads);
            std::vector<std::vector<Orv32fc>> outs(threads, std::vector<Orv32fc>(n));
            std::vector<int> ok(threads, 1);
            std::vector<std::thread> pool;
            for (int t = 0; t < threads; ++t)
                pool.emplace_back([&, t] {
                    std::vector<Orv8u> buf(bs + 1);
                    for (int rep = 0; rep < 4; ++rep) {
                        if (orvsFFTFwd_CToC_32fc(x.data(), outs[t].data(), rec, t % 2 ? nullptr : buf.data()))
                            ok[t] = 0;
                        if (std::memcmp(outs[t].data(), expect.data(), n * sizeof(Orv32fc))) ok[t] = 0;
                    }
                });
            for (auto& th : pool) th.join();
            for (int t = 0; t < threads; ++t) EXPECT_TRUE(ok[t]) << "order " << order << " thread " << t;
        }
        orvsFFTFree_C_32fc(rec);
    }
}

// The AVX baseline kernels give the same accuracy: rerun the accuracy suite
// in a child process with the baseline forced.
TEST(FftVariants, AvxPathPassesAccuracySuite)
{
    ORVS_RERUN_UNDER_VARIANT("avx", "FftFloat*MatchesReference:FftFloat*InPlace*:FftInt*:ScaleExtremes*:RealFft*",
                             "ORVS_TEST_QUICK=1");
}
TEST(FftVariants, Avx2PathPassesAccuracySuite)
{
    ORVS_RERUN_UNDER_VARIANT("avx2", "FftFloat*MatchesReference:FftFloat*InPlace*:FftInt*:ScaleExtremes*:RealFft*",
                             "ORVS_TEST_QUICK=1");
}

// Split calls whose destination arrays are the source arrays swapped (re
// written where im was read) give the same bits as separate arrays.
template <class Real, class Spec, class InitA, class Call, class Free>
void checkSwappedSplit(InitA initAlloc, Call call, Free freeRec)
{
    for (int order : {0, 2, 3, 4, 5, 6, 9}) {
        const std::size_t n = std::size_t(1) << order;
        Spec* rec = nullptr;
        ASSERT_EQ(initAlloc(&rec, order, 4, orvHintNone), orvStsOk);
        auto re = randomVector<Real>(n, 500 + order, -1.0, 1.0), im = randomVector<Real>(n, 600 + order, -1.0, 1.0);
        for (int inv = 0; inv < 2; ++inv) {
            std::vector<Real> ore(n), oim(n);
            ASSERT_EQ(call(inv, re.data(), im.data(), ore.data(), oim.data(), rec), orvStsOk);
            auto a = re, b = im;
            ASSERT_EQ(call(inv, a.data(), b.data(), b.data(), a.data(), rec), orvStsOk);
            for (std::size_t i = 0; i < n; ++i) {
                ASSERT_EQ(b[i], ore[i]) << order << " " << i;
                ASSERT_EQ(a[i], oim[i]) << order << " " << i;
            }
        }
        EXPECT_EQ(freeRec(rec), orvStsOk);
    }
}

TEST(FftSplit, SwappedArraysMatchSeparateArrays)
{
    checkSwappedSplit<float, OrvsFFTSpec_C_32f>(
        orvsFFTInitAlloc_C_32f,
        [](int inv, const float* a, const float* b, float* c, float* d, const OrvsFFTSpec_C_32f* s) {
            return inv ? orvsFFTInv_CToC_32f(a, b, c, d, s, nullptr) : orvsFFTFwd_CToC_32f(a, b, c, d, s, nullptr);
        },
        orvsFFTFree_C_32f);
    checkSwappedSplit<double, OrvsFFTSpec_C_64f>(
        orvsFFTInitAlloc_C_64f,
        [](int inv, const double* a, const double* b, double* c, double* d, const OrvsFFTSpec_C_64f* s) {
            return inv ? orvsFFTInv_CToC_64f(a, b, c, d, s, nullptr) : orvsFFTFwd_CToC_64f(a, b, c, d, s, nullptr);
        },
        orvsFFTFree_C_64f);
}
