// The elementary members with rules of their own: the complex integer
// square root, the 64-bit exponential, decibels and the integer cube root.
#include "arith/elementary/elementary_engine.h"

namespace orvs::elementary {

OrvStatus sqrt16sc(const Orv16sc* pSrc, Orv16sc* pDst, int len, int s)
{
    ORVS_CHECK(check::vectors(len, pSrc, pDst));
    // The largest root has modulus sqrt(32768 sqrt 2) < 216: from s = 9 on
    // every part rounds to 0. Far below, the smallest non-zero part (about
    // 1 / 362) saturates as well, so s is clamped there.
    if (s > 8) return zeroAll(pDst, len);
    const double scale = std::ldexp(1.0, -std::max(s, -40));
    parallel::forChunks(len, 256, 2, [&](int b, int c) {
        for (int i = b; i < b + c; ++i) {
            const std::complex<double> r = std::sqrt(std::complex<double>(pSrc[i].re, pSrc[i].im));
            pDst[i].re = saturate<Orv16s>(roundNearestEven(r.real() * scale));
            pDst[i].im = saturate<Orv16s>(roundNearestEven(r.imag() * scale));
        }
        return false;
    });
    return orvStsOk;
}

// In extended precision: e^x 2^-s, limited, one half added, truncated.
OrvStatus exp64sSfs(const Orv64s* pSrc, Orv64s* pDst, int len, int s)
{
    ORVS_CHECK(check::vectors(len, pSrc, pDst));
    const int sc = std::clamp(s, -20000, 20000);
    constexpr long double kMax = 0x1p63L - 1;
    for (int i = 0; i < len; ++i) {
        const long double v = std::ldexp(std::exp(static_cast<long double>(pSrc[i])), -sc);
        if (!(v < kMax)) {
            pDst[i] = INT64_MAX;
        } else {
            const long double f = std::floor(v);
            pDst[i] = static_cast<Orv64s>(f) + (v - f >= 0.5L ? 1 : 0);
        }
    }
    return orvStsOk;
}

namespace {

// The smallest x whose 10 log10 x rounds to k + 1, for k = 0 .. 92 (no
// integer lies on a boundary 10^(k/10 + 0.05): its exponent has an odd
// numerator over 20).
const std::array<std::int64_t, 93>& decibelSteps()
{
    static const auto steps = [] {
        std::array<std::int64_t, 93> t{};
        for (int k = 0; k < 93; ++k)
            t[k] = static_cast<std::int64_t>(std::floor(std::pow(10.0L, (k + 0.5L) / 10))) + 1;
        return t;
    }();
    return steps;
}

template <class T>
OrvStatus firstNonPositive(const T* p, int n)
{
    for (int i = 0; i < n; ++i)
        if (p[i] <= 0) return p[i] == 0 ? orvStsWarnLnZeroArg : orvStsWarnLnNegArg;
    return orvStsOk;
}

} // namespace

OrvStatus tenLog10Sfs(const Orv32s* pSrc, Orv32s* pDst, int len, int s)
{
    ORVS_CHECK(check::vectors(len, pSrc, pDst));
    const OrvStatus st = firstNonPositive(pSrc, len);
    if (s >= 0) {
        // Whole decibels by comparison with the rounding boundaries, then
        // shifted right by s (the rounded value truncated).
        const auto& steps = decibelSteps();
        const int sh = std::min(s, 31);
        for (int i = 0; i < len; ++i) {
            const Orv32s x = pSrc[i];
            if (x <= 0) {
                pDst[i] = INT32_MIN;
                continue;
            }
            const int db = static_cast<int>(std::upper_bound(steps.begin(), steps.end(), x) - steps.begin());
            pDst[i] = db >> sh;
        }
        return st;
    }
    const double factor = std::ldexp(10.0 / std::log(10.0), -std::max(s, -1000));
    alignas(64) double x[kBlock], y[kBlock];
    for (int b = 0; b < len; b += kBlock) {
        const int m = std::min(kBlock, len - b);
        for (int j = 0; j < m; ++j) x[j] = static_cast<double>(pSrc[b + j]);
        kernels().ln64f(x, y, m);
        for (int j = 0; j < m; ++j)
            pDst[b + j] = x[j] > 0 ? saturate<Orv32s>(roundNearestEven(y[j] * factor)) : INT32_MIN;
    }
    return st;
}

namespace {

// floor(cbrt(n)) for n < 2^80.
std::uint64_t icbrt(u128 n)
{
    std::uint64_t r = static_cast<std::uint64_t>(std::cbrt(static_cast<long double>(n)));
    auto cube = [](std::uint64_t v) { return u128(v) * v * v; };
    while (r > 0 && cube(r) > n) --r;
    while (cube(r + 1) <= n) ++r;
    return r;
}

// Nearest integer to cbrt(a) 2^-s for a >= 1, ties to even, s in -14 .. 11.
// With N = 8a 2^-3s, the candidates are floor(cbrt(N)) = c -> (c + 1) / 2;
// a tie is an exact N = c^3 with c odd.
std::uint64_t cubeRootRounded(std::uint64_t a, int s)
{
    u128 n = u128(a) << 3;
    bool exact = true;
    if (s >= 0) {
        exact = (n & ((u128(1) << (3 * s)) - 1)) == 0;
        n >>= 3 * s;
    } else {
        n <<= -3 * s;
    }
    const std::uint64_t c = icbrt(n);
    if (exact && (c & 1) && u128(c) * c * c == n) {
        const std::uint64_t down = (c - 1) / 2, up = (c + 1) / 2;
        return (down & 1) ? up : down;
    }
    return (c + 1) / 2;
}

} // namespace

OrvStatus cubrtSfs(const Orv32s* pSrc, Orv16s* pDst, int len, int s)
{
    ORVS_CHECK(check::vectors(len, pSrc, pDst));
    // cbrt(2^31) 2^-12 < 1/2: zeros from s = 12; 1 * 2^15 saturates from s = -15 down.
    if (s >= 12) return zeroAll(pDst, len);
    for (int i = 0; i < len; ++i) {
        const Orv32s x = pSrc[i];
        if (x == 0) {
            pDst[i] = 0;
        } else if (s <= -15) {
            pDst[i] = x > 0 ? INT16_MAX : INT16_MIN;
        } else {
            const std::uint64_t a = x > 0 ? std::uint64_t(x) : std::uint64_t(-std::int64_t(x));
            const std::uint64_t m = cubeRootRounded(a, s);
            pDst[i] = x > 0 ? static_cast<Orv16s>(std::min<std::uint64_t>(m, 32767))
                            : static_cast<Orv16s>(-static_cast<std::int64_t>(std::min<std::uint64_t>(m, 32768)));
        }
    }
    return orvStsOk;
}

} // namespace orvs::elementary
