// Linear-phase FIR design by the window method.
//
// The sine series come from the library's tone generator and the window
// from its in-place window entries, so designed taps carry exactly the
// weights a caller would get by windowing them afterwards. The second half
// of pTaps serves as scratch for the series (it is zeroed before windowing
// and refilled by mirroring), so the design allocates nothing.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/check.h"
#include "filter/design/design_engine.h"
#include "orvs/tone.h"
#include "orvs/window.h"

namespace orvs::design {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kTwoPi = 2 * std::numbers::pi;

bool inBand(double f) { return f > 0 && f < 0.5; }

// A start phase in [0, 2 pi) for the tone generator.
double wrapped(double phase)
{
    if (phase < 0) phase += kTwoPi;
    if (phase >= kTwoPi) phase -= kTwoPi;
    return phase >= 0 && phase < kTwoPi ? phase : 0.0;
}

// series[k] = g(2 pi f d_k) / (pi d_k) for the distances d_k = k + 1 (odd
// length) or k + 0.5 (even length), k = 0 .. m-1, with g = sin, or cos when
// `cosine`: a tone started at the phase that turns its cos(2 pi f k + phase)
// into g(2 pi f d_k).
OrvStatus series(double* out, int m, double f, double offset, bool cosine)
{
    double phase = wrapped(kTwoPi * f * offset - (cosine ? 0.0 : kPi / 2));
    ORVS_CHECK(orvsTone_Direct_64f(out, m, 1.0, f, &phase, orvHintAccurate));
    for (int k = 0; k < m; ++k) out[k] /= kPi * (k + offset);
    return orvStsOk;
}

OrvStatus applyWindow(double* taps, int len, OrvWinType win)
{
    switch (win) {
    case orvWinBartlett: return orvsWinBartlett_64f_I(taps, len);
    case orvWinBlackman: return orvsWinBlackmanOpt_64f_I(taps, len);
    case orvWinHamming: return orvsWinHamming_64f_I(taps, len);
    case orvWinHann: return orvsWinHann_64f_I(taps, len);
    default: return orvStsOk;  // rectangular
    }
}

} // namespace

OrvStatus firDesign(Response r, double f1, double f2, double* pTaps, int tapsLen, OrvWinType win, int doNormal)
{
    ORVS_CHECK(check::pointers(pTaps));
    const bool band = r == Response::bandpass || r == Response::bandstop;
    if (tapsLen < 5 || !inBand(f1) || !inBand(f2) || (band && !(f1 < f2))) return orvStsErrSize;

    const int len = tapsLen, m = len / 2;
    const bool odd = len % 2;
    const double offset = odd ? 1.0 : 0.5;  // distance from the centre of the tap nearest it
    double* half = pTaps;                   // h[m-1] nearest the centre, h[0] outermost
    double* scratch = pTaps + (len + 1) / 2;

    // The first half, nearest the centre first: h[m-1-k] at distance k + offset.
    if (!band) {
        const bool cosine = r == Response::highpass && !odd;
        ORVS_CHECK(series(scratch, m, f1, offset, cosine));
        const double sign = r == Response::highpass && odd ? -1.0 : 1.0;
        for (int k = 0; k < m; ++k) half[m - 1 - k] = sign * scratch[k];
    } else {
        // Upper series into the first half, reversed into tap order; lower
        // series in the scratch half.
        ORVS_CHECK(series(half, m, f2, offset, false));
        std::reverse(half, half + m);
        ORVS_CHECK(series(scratch, m, f1, offset, false));
        const double sign = r == Response::bandstop && odd ? -1.0 : 1.0;
        for (int k = 0; k < m; ++k) half[m - 1 - k] = sign * (half[m - 1 - k] - scratch[k]);
    }
    std::fill(scratch, pTaps + len, 0.0);
    if (odd) {
        const double passWidth = 2 * (f2 - f1);
        pTaps[m] = r == Response::lowpass    ? 2 * f1
                   : r == Response::highpass ? 1 - 2 * f1
                   : r == Response::bandpass ? passWidth
                                             : 1 - passWidth;
    }
    ORVS_CHECK(applyWindow(pTaps, len, win));

    if (doNormal) {
        // Response at the reference frequency from the first half alone.
        double s = 0;
        for (int k = 0; k < m; ++k) {
            const double d = k + offset;
            const double ref = r == Response::highpass   ? (k % 2 ? 1.0 : -1.0)
                               : r == Response::bandpass ? std::cos(kPi * (f1 + f2) * d)
                                                         : 1.0;
            s += half[m - 1 - k] * ref;
        }
        const double g = std::fabs(odd ? 2 * s + pTaps[m] : 2 * s);
        // A zero (or non-finite) reference response cannot be normalised to;
        // the taps are then left as designed.
        if (g > 0 && std::isfinite(g)) {
            const double scale = 1 / g;
            for (int n = 0; n < m + (odd ? 1 : 0); ++n) pTaps[n] *= scale;
        }
    }
    for (int n = 0; n < m; ++n) pTaps[len - 1 - n] = pTaps[n];
    return orvStsOk;
}

} // namespace orvs::design
