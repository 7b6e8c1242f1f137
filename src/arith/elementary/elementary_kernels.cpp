// Elementary-function kernels, compiled once per instruction-set target
// (ORVS_TARGET). Every map runs whole registers of the widest vectors of the
// target over the vector and finishes the last partial register through a
// small buffer padded with ones, so the tail takes the same code as the body
// and nothing past the vector is read or written.
#if defined(__AVX512F__)
// GCC 12 reports the placeholder operand of some AVX-512 intrinsics as
// possibly uninitialised (a false positive of its headers).
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#pragma GCC diagnostic ignored "-Wuninitialized"
#endif
#include <type_traits>

#include "arith/elementary/elementary_kernels.h"
#include "arith/elementary/elementary_math.h"
#include "core/fpguard.h"

namespace orvs::elementary::ORVS_TARGET {

namespace {

using namespace orvs::simd::ORVS_TARGET;

// Which inputs a map reports: none, a set sign bit on anything but -0
// (square roots), zero or below (logarithms; NaN does not count).
enum class Flag { None, Negative, NonPositive };

template <class A, Flag F>
inline typename A::M flagged(typename A::V x)
{
    if constexpr (F == Flag::Negative) return A::mand(A::signs(x), A::neq(x, A::zero()));
    else if constexpr (F == Flag::NonPositive) return A::le(x, A::zero());
    else return A::none();
}

template <class A, class In>
inline typename A::V loadAs(const In* p)
{
    if constexpr (std::is_same_v<In, typename A::S>) return A::load(p);
    else return A::loadWidened(p);
}

template <class A, class Out>
inline void storeAs(Out* p, typename A::V v)
{
    if constexpr (std::is_same_v<Out, typename A::S>) A::store(p, v);
    else A::storeNarrowed(p, v);
}

// dst[i] = fn(src[i]) over registers of A (A's lanes may be wider than In
// or Out: single-precision data evaluated in double precision).
template <class A, Flag F, class In, class Out, class Fn>
inline bool mapAll(const In* src, Out* dst, int n, Fn fn)
{
    constexpr int W = A::W;
    typename A::M hit = A::none();
    int i = 0;
    for (; i + 2 * W <= n; i += 2 * W) {
        const auto x0 = loadAs<A>(src + i), x1 = loadAs<A>(src + i + W);
        hit = A::mor(hit, A::mor(flagged<A, F>(x0), flagged<A, F>(x1)));
        storeAs<A>(dst + i, fn(x0));
        storeAs<A>(dst + i + W, fn(x1));
    }
    for (; i + W <= n; i += W) {
        const auto x = loadAs<A>(src + i);
        hit = A::mor(hit, flagged<A, F>(x));
        storeAs<A>(dst + i, fn(x));
    }
    if (i < n) {
        In in[W];
        Out out[W];
        for (int j = 0; j < W; ++j) in[j] = j < n - i ? src[i + j] : In(1);
        const auto x = loadAs<A>(in);
        hit = A::mor(hit, flagged<A, F>(x));
        storeAs<A>(out, fn(x));
        for (int j = 0; j < n - i; ++j) dst[i + j] = out[j];
    }
    return A::mask(hit) != 0;
}

#define ORVS_MAP(name, A, F, In, Out, expr) \
    bool name(const In* s, Out* d, int n) { return mapAll<A, F>(s, d, n, [](typename A::V x) { return expr; }); }

ORVS_MAP(exp32f, WF32, Flag::None, Orv32f, Orv32f, expF32<WF32>(x))
ORVS_MAP(exp64f, WF64, Flag::None, Orv64f, Orv64f, expF64<WF64>(x))
ORVS_MAP(exp32f64f, WF64, Flag::None, Orv32f, Orv64f, expF64<WF64>(x))
ORVS_MAP(ln32f, WF32, Flag::NonPositive, Orv32f, Orv32f, logF32<WF32>(x))
ORVS_MAP(ln64f, WF64, Flag::NonPositive, Orv64f, Orv64f, logF64<WF64>(x))
ORVS_MAP(ln64f32f, WF64, Flag::NonPositive, Orv64f, Orv32f, logF64<WF64>(x))
ORVS_MAP(atan32f, WF32, Flag::None, Orv32f, Orv32f, atanF32<WF32>(x))
ORVS_MAP(atan64f, WF64, Flag::None, Orv64f, Orv64f, atanF64<WF64>(x))
ORVS_MAP(cbrt32f, WF64, Flag::None, Orv32f, Orv32f, cbrtWidened<WF64>(x))
ORVS_MAP(sqrt64f, WF64, Flag::Negative, Orv64f, Orv64f, WF64::sqrt(x))
#undef ORVS_MAP

// Square roots of single precision: every exception masked and subnormals
// kept, for this thread's part of the vector.
bool sqrt32f(const Orv32f* s, Orv32f* d, int n)
{
    const FpControlGuard guard(FpRound::Nearest, true, true, true);
    return mapAll<WF32, Flag::Negative>(s, d, n, [](WF32::V x) { return WF32::sqrt(x); });
}

// Sums of logarithms in double precision, a block at a time through the
// double-precision logarithm; four partial sums per lane.
template <class In>
double sumLn(const In* src, int n, bool* hit)
{
    using A = WF64;
    constexpr int kBlock = 256;
    alignas(64) double x[kBlock], y[kBlock];
    typename A::V acc = A::zero();
    bool met = false;
    for (int b = 0; b < n; b += kBlock) {
        const int m = n - b < kBlock ? n - b : kBlock;
        for (int j = 0; j < m; ++j) x[j] = static_cast<double>(src[b + j]);
        for (int j = m; j < (m + A::W - 1) / A::W * A::W; ++j) x[j] = 1.0;
        met |= mapAll<A, Flag::NonPositive>(x, y, m, [](A::V v) { return logF64<A>(v); });
        for (int j = m; j < (m + A::W - 1) / A::W * A::W; ++j) y[j] = 0.0;
        for (int j = 0; j < m; j += A::W) acc = A::add(acc, A::load(y + j));
    }
    *hit = met;
    return A::hsum(acc);
}

} // namespace

#define ORVS_ELEMENTARY_ENTRY(name, S, D) .name = &name,
extern const KernelTable table = {
    ORVS_ELEMENTARY_MAPS(ORVS_ELEMENTARY_ENTRY)
    .sumLn32f = &sumLn<Orv32f>,
    .sumLn64f = &sumLn<Orv64f>,
    .sumLn16s = &sumLn<Orv16s>,
};
#undef ORVS_ELEMENTARY_ENTRY

} // namespace orvs::elementary::ORVS_TARGET
