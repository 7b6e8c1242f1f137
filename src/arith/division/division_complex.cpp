// Complex division: element-wise on 16sc (scaled), 32fc and 64fc, and the
// 16sc division by a constant.
#include <algorithm>

#include "arith/division/division_engine.h"
#include "core/saturate.h"

namespace orvs::division {

namespace {

constexpr ScaleRange k16sc{-32, 32};
constexpr ScaleRange k16scConst{-16, 15};

// The zero-divisor rule, part by part: max / min by the dividend part's sign.
inline Orv16s zeroDivisorPart(Orv16s x) { return x > 0 ? Orv16s(32767) : x < 0 ? Orv16s(-32768) : Orv16s(0); }

inline Orv16s signSaturate(std::int64_t n) { return n > 0 ? Orv16s(32767) : n < 0 ? Orv16s(-32768) : Orv16s(0); }

// N * 2^-s / M rounded to nearest, ties to even, saturated. N (< 2^32 in
// magnitude) and M (< 2^32) are exact in double and so is N * 2^-s for
// |s| <= 32; the correctly rounded double quotient is never on the wrong
// side of a half (its distance to one is at least 1 / (2M) relative to a
// value below 2^16), so the result is the exact rule.
inline Orv16s scaledPart(std::int64_t n, double m, double scale)
{
    return saturate<Orv16s>(__builtin_roundeven(static_cast<double>(n) * scale / m));
}

// The exact numerators of x * conj(d) and the squared magnitude of d.
struct CplxTerms {
    std::int64_t re, im, mag2;
};
inline CplxTerms terms(Orv16sc x, Orv16sc d)
{
    const std::int64_t xr = x.re, xi = x.im, dr = d.re, di = d.im;
    return {xr * dr + xi * di, xi * dr - xr * di, dr * dr + di * di};
}

} // namespace

OrvStatus div16sc(const Orv16sc* pDivisor, const Orv16sc* pDividend, Orv16sc* pDst, int len, int s)
{
    ORVS_CHECK(check::vectors(len, pDivisor, pDividend, pDst));
    // Outside the range the phase alone decides; the clamp keeps -s in int.
    s = std::clamp(s, k16sc.lo - 1, k16sc.hi + 1);
    const double scale = std::ldexp(1.0, -s);
    const int phase = s > k16sc.hi ? 1 : s < k16sc.lo ? -1 : 0;
    return runChunks(len, Split{256}, [&](int begin, int count) {
        bool zeroDivisor = false;
        for (int i = begin; i < begin + count; ++i) {
            const Orv16sc x = pDividend[i];
            const CplxTerms t = terms(x, pDivisor[i]);
            Orv16sc q{0, 0};
            if (t.mag2 == 0) {
                zeroDivisor = true;
                if (phase <= 0) q = {zeroDivisorPart(x.re), zeroDivisorPart(x.im)};
            } else if (phase < 0) {
                q = {signSaturate(t.re), signSaturate(t.im)};
            } else if (phase == 0) {
                const double m = static_cast<double>(t.mag2);
                q = {scaledPart(t.re, m, scale), scaledPart(t.im, m, scale)};
            }
            pDst[i] = q;
        }
        return zeroDivisor;
    });
}

OrvStatus divC16sc(const Orv16sc* pSrc, Orv16sc val, Orv16sc* pDst, int len, int s)
{
    ORVS_CHECK(check::vectors(len, pSrc, pDst));
    if (val.re == 0 && val.im == 0) return orvStsErrDivByZero;
    if (s > k16scConst.hi) return zeroAll(pDst, len);
    const double m = static_cast<double>(std::int64_t(val.re) * val.re + std::int64_t(val.im) * val.im);
    if (s < k16scConst.lo) {
        // Far left shifts: multiply by the scaled reciprocal in double
        // precision. The shift is capped where every non-zero part has long
        // saturated, so no product overflows to infinity.
        const double scale = std::ldexp(1.0, -std::max(s, -1000));
        const double cr = val.re / m * scale;
        const double ci = -val.im / m * scale;
        parallel::forChunks(len, 1024, 2, [&](int begin, int count) {
            for (int i = begin; i < begin + count; ++i) {
                const double xr = pSrc[i].re, xi = pSrc[i].im;
                pDst[i] = {saturate<Orv16s>(__builtin_roundeven(xr * cr - xi * ci)),
                           saturate<Orv16s>(__builtin_roundeven(xr * ci + xi * cr))};
            }
            return false;
        });
        return orvStsOk;
    }
    const double scale = std::ldexp(1.0, -s);
    parallel::forChunks(len, 1024, 2, [&](int begin, int count) {
        for (int i = begin; i < begin + count; ++i) {
            const CplxTerms t = terms(pSrc[i], val);
            pDst[i] = {scaledPart(t.re, m, scale), scaledPart(t.im, m, scale)};
        }
        return false;
    });
    return orvStsOk;
}

namespace {
template <class F>
inline bool zeroDivisorComplex(F xr, F xi, F& qr, F& qi)
{
    qr = zeroDivisorValue(xr);
    qi = zeroDivisorValue(xi);
    return true;
}
} // namespace

// Single precision: the quotient is formed in double precision (no overflow
// of |d|^2, one final rounding to single), by the vector kernels.
OrvStatus div32fc(const Orv32fc* pDivisor, const Orv32fc* pDividend, Orv32fc* pDst, int len)
{
    ORVS_CHECK(check::vectors(len, pDivisor, pDividend, pDst));
    const C32Job job{pDividend, pDivisor, pDst};
    const C32KernelFn fn = kernels().div32fc;
    return runChunks(len, Split{1024}, [&](int b, int c) { return fn(job, b, c); });
}

// Double precision: scaled by the larger divisor part so that |d|^2 neither
// overflows nor underflows.
OrvStatus div64fc(const Orv64fc* pDivisor, const Orv64fc* pDividend, Orv64fc* pDst, int len)
{
    ORVS_CHECK(check::vectors(len, pDivisor, pDividend, pDst));
    return runChunks(len, Split{1024}, [&](int begin, int count) {
        bool zeroDivisor = false;
        for (int i = begin; i < begin + count; ++i) {
            const Orv64fc x = pDividend[i], d = pDivisor[i];
            if (d.re == 0.0 && d.im == 0.0) {
                zeroDivisor = zeroDivisorComplex(x.re, x.im, pDst[i].re, pDst[i].im);
                continue;
            }
            double qr, qi;
            if (std::fabs(d.re) >= std::fabs(d.im)) {
                const double r = d.im / d.re, den = d.re + d.im * r;
                qr = (x.re + x.im * r) / den;
                qi = (x.im - x.re * r) / den;
            } else {
                const double r = d.re / d.im, den = d.re * r + d.im;
                qr = (x.re * r + x.im) / den;
                qi = (x.im * r - x.re) / den;
            }
            pDst[i] = {qr, qi};
        }
        return zeroDivisor;
    });
}

} // namespace orvs::division
