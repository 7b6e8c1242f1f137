// Compiled for the AVX-512 target only (see tests/CMakeLists.txt) and called
// only on processors that have it: every operation of the 512-bit-shaped
// vectors in its native form and in its pair form on the same inputs,
// results compared bit by bit. Nothing here runs at load time.
// GCC 12 reports the deliberately undefined pass-through operand of the
// 512-bit intrinsics (shuffles, permutes, unpacks) as uninitialised.
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#pragma GCC diagnostic ignored "-Wuninitialized"
#include "core/simd/wide_vec.h"
#include "wide_vec_check.h"

namespace {

using namespace orvs::simd::avx512;

template <class T>
int differs(const T* a, const T* b, int n)
{
    const auto* x = reinterpret_cast<const unsigned char*>(a);
    const auto* y = reinterpret_cast<const unsigned char*>(b);
    for (int i = 0; i < int(n * sizeof(T)); ++i)
        if (x[i] != y[i]) return 1;
    return 0;
}

// Runs op(X, out) for the native type N and the pair type P and counts the
// outputs (of n values each) that differ.
template <class N, class P, class T, class Op>
int compare(Op op, int outputs, T* bufN, T* bufP)
{
    op(N{}, bufN);
    op(P{}, bufP);
    return differs(bufN, bufP, outputs * N::W);
}

template <class N, class P, class T>
int checkAll(const T* in, const int* const* perms, int permCount, const char** failed)
{
    constexpr int W = N::W;
    T outN[2 * W * W], outP[2 * W * W];
    int bad = 0;
    auto note = [&](int d, const char* name) {
        if (d && !*failed) *failed = name;
        bad += d;
    };
    const T* a = in;
    const T* b = in + W;
    const T* c = in + 2 * W;
    note(compare<N, P>([&](auto X, T* o) { X.store(o, X.load(a)); }, 1, outN, outP), "load/store");
    note(compare<N, P>([&](auto X, T* o) { X.store(o, X.set1(a[3])); }, 1, outN, outP), "set1");
    note(compare<N, P>([&](auto X, T* o) { X.store(o, X.add(X.load(a), X.load(b))); }, 1, outN, outP), "add");
    note(compare<N, P>([&](auto X, T* o) { X.store(o, X.sub(X.load(a), X.load(b))); }, 1, outN, outP), "sub");
    note(compare<N, P>([&](auto X, T* o) { X.store(o, X.mul(X.load(a), X.load(b))); }, 1, outN, outP), "mul");
    note(compare<N, P>([&](auto X, T* o) { X.store(o, X.fmadd(X.load(a), X.load(b), X.load(c))); }, 1, outN, outP),
         "fmadd");
    note(compare<N, P>([&](auto X, T* o) { X.store(o, X.fmsub(X.load(a), X.load(b), X.load(c))); }, 1, outN, outP),
         "fmsub");
    note(compare<N, P>([&](auto X, T* o) { X.store(o, X.fnmadd(X.load(a), X.load(b), X.load(c))); }, 1, outN, outP),
         "fnmadd");
    note(compare<N, P>(
             [&](auto X, T* o) {
                 typename decltype(X)::V re, im;
                 X.deinterleave(X.load(a), X.load(b), re, im);
                 X.store(o, re);
                 X.store(o + W, im);
             },
             2, outN, outP),
         "deinterleave");
    note(compare<N, P>(
             [&](auto X, T* o) {
                 typename decltype(X)::V lo, hi;
                 X.interleave(X.load(a), X.load(b), lo, hi);
                 X.store(o, lo);
                 X.store(o + W, hi);
             },
             2, outN, outP),
         "interleave");
    for (int p = 0; p < permCount; ++p)
        note(compare<N, P>([&](auto X, T* o) { X.store(o, X.permute(X.load(a), perms[p])); }, 1, outN, outP),
             "permute");
    note(compare<N, P>(
             [&](auto X, T* o) {
                 typename decltype(X)::V v[W];
                 for (int i = 0; i < W; ++i) v[i] = X.load(in + i * W);
                 X.transpose(v);
                 for (int i = 0; i < W; ++i) X.store(o + i * W, v[i]);
             },
             W, outN, outP),
         "transpose");
    return bad;
}

} // namespace

int wideVecMismatchesFloat(const float* in, const int* const* perms, int permCount, const char** failed)
{
    return checkAll<X16fNative, X16fPair>(in, perms, permCount, failed);
}

int wideVecMismatchesDouble(const double* in, const int* const* perms, int permCount, const char** failed)
{
    return checkAll<X8dNative, X8dPair>(in, perms, permCount, failed);
}
