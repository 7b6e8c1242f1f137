/* Filter design demo: a windowed-FIR lowpass and a Butterworth IIR lowpass
   designed at the same cut-off clean up a noisy two-tone signal. Writes an
   SVG with both magnitude responses and the spectra before and after
   filtering, all computed with the library's real FFT and windows.

       ./build/examples/filter_design docs/filter_design.svg

   Prints the level of each tone before and after each filter and returns
   non-zero if the stopband tone is not attenuated by the designed amount. */
#include <math.h>
#include <stdio.h>
#include <stdlib.h>

#include "orvs.h"

enum { ORDER = 12, N = 1 << ORDER, BINS = N / 2 + 1, FIR_LEN = 101, IIR_ORDER = 8 };
/* Tones on FFT bins, so each shows as one clean line. */
static const double kCutoff = 0.1, kPassTone = 200.0 / N, kStopTone = 0.25;

/* 20 log10 |X[k]| of a real signal: Hann window, real FFT (CCS layout). */
static void spectrum(const OrvsFFTSpec_R_64f* spec, const double* x, double* dB, double* work)
{
    orvsCopy_64f(x, work, N);
    orvsWinHann_64f_I(work, N);
    double* ccs = work + N;
    orvsFFTFwd_RToCCS_64f(work, ccs, spec, NULL);
    for (int k = 0; k < BINS; ++k) {
        const double re = ccs[2 * k], im = ccs[2 * k + 1];
        /* Hann's coherent gain is 1/2: a unit sine reads 0 dB. */
        dB[k] = 10 * log10((re * re + im * im) / (N * N / 16.0) + 1e-30);
    }
}

/* |H| in dB of taps b (and a, or NULL) from their zero-padded spectra. */
static void response(const OrvsFFTSpec_R_64f* spec, const double* b, int nb, const double* a, int na, double* dB, double* work)
{
    double* fb = work + N;
    double* fa = work + 3 * N;
    orvsZero_64f(work, N);
    orvsCopy_64f(b, work, nb);
    orvsFFTFwd_RToCCS_64f(work, fb, spec, NULL);
    orvsZero_64f(work, N);
    if (a) orvsCopy_64f(a, work, na); else work[0] = 1;
    orvsFFTFwd_RToCCS_64f(work, fa, spec, NULL);
    for (int k = 0; k < BINS; ++k) {
        const double nb2 = fb[2 * k] * fb[2 * k] + fb[2 * k + 1] * fb[2 * k + 1];
        const double na2 = fa[2 * k] * fa[2 * k] + fa[2 * k + 1] * fa[2 * k + 1];
        dB[k] = 10 * log10(nb2 / na2 + 1e-30);
    }
}

/* One panel of curves (dB against relative frequency 0 .. 0.5). */
static void panel(FILE* svg, int top, const char* title, const double* const* curves, const char* const* names,
                  const char* const* colours, int count, double lo)
{
    const int left = 60, width = 640, height = 220;
    fprintf(svg, "<text x='%d' y='%d' font-size='14'>%s</text>\n", left, top - 8, title);
    fprintf(svg, "<rect x='%d' y='%d' width='%d' height='%d' fill='none' stroke='#888'/>\n", left, top, width, height);
    for (int t = 0; t <= 5; ++t) {
        const double f = 0.1 * t, x = left + width * f / 0.5;
        fprintf(svg, "<text x='%.1f' y='%d' font-size='11' text-anchor='middle'>%.1f</text>\n", x, top + height + 14, f);
    }
    for (double level = 0; level >= lo; level -= 20) {
        const double y = top + height * level / lo;
        fprintf(svg, "<line x1='%d' x2='%d' y1='%.1f' y2='%.1f' stroke='#ddd'/>", left, left + width, y, y);
        fprintf(svg, "<text x='%d' y='%.1f' font-size='11' text-anchor='end'>%g dB</text>\n", left - 4, y + 4, level);
    }
    for (int c = 0; c < count; ++c) {
        fprintf(svg, "<polyline fill='none' stroke='%s' stroke-width='1.2' points='", colours[c]);
        for (int k = 0; k < BINS; ++k) {
            const double v = curves[c][k] > 0 ? 0 : curves[c][k] < lo ? lo : curves[c][k];
            fprintf(svg, "%.1f,%.1f ", left + width * (double)k / (BINS - 1), top + height * v / lo);
        }
        fprintf(svg, "'/>\n<text x='%d' y='%d' font-size='12' fill='%s'>%s</text>\n", left + width - 150, top + 18 + 16 * c,
                colours[c], names[c]);
    }
}

static double at(const double* dB, double f) { return dB[(int)(f * N + 0.5)]; }

int main(int argc, char** argv)
{
    const char* path = argc > 1 ? argv[1] : "filter_design.svg";
    double* x = orvsMalloc_64f(N);
    double* yFir = orvsMalloc_64f(N);
    double* yIir = orvsMalloc_64f(N);
    double* work = orvsMalloc_64f(5 * N + 2);
    double* dB = orvsMalloc_64f(5 * BINS);
    double fir[FIR_LEN], iir[2 * (IIR_ORDER + 1)], phase = 0;

    /* Two unit tones, one in the passband and one in the stopband, plus
       uniform noise at about -50 dB. */
    orvsTone_Direct_64f(x, N, 1.0, kPassTone, &phase, orvHintAccurate);
    phase = 1.0;
    orvsTone_Direct_64f(work, N, 1.0, kStopTone, &phase, orvHintAccurate);
    orvsAdd_64f_I(work, x, N);
    unsigned seed = 12345;
    for (int i = 0; i < N; ++i) {
        seed = seed * 1664525u + 1013904223u;
        x[i] += 0.01 * ((double)(seed >> 8) / (1 << 24) - 0.5);
    }

    OrvStatus st = orvsFIRGenLowpass_64f(kCutoff, fir, FIR_LEN, orvWinBlackman, 1);
    if (st == orvStsOk) st = orvsIIRGenLowpass_64f(kCutoff, 0, IIR_ORDER, iir, orvButterworth);
    OrvsFIRState_64f* firState = NULL;
    OrvsIIRState_64f* iirState = NULL;
    if (st == orvStsOk) st = orvsFIRInitAlloc_64f(&firState, fir, FIR_LEN, NULL);
    if (st == orvStsOk) st = orvsIIRInitAlloc_64f(&iirState, iir, IIR_ORDER, NULL);
    if (st == orvStsOk) st = orvsFIR_64f(x, yFir, N, firState);
    if (st == orvStsOk) st = orvsIIR_64f(x, yIir, N, iirState);
    OrvsFFTSpec_R_64f* spec = NULL;
    if (st == orvStsOk) st = orvsFFTInitAlloc_R_64f(&spec, ORDER, ORV_FFT_NORM_NONE, orvHintAccurate);
    if (st != orvStsOk) {
        printf("%s\n", orvsGetStatusString(st));
        return 1;
    }

    double* hFir = dB;
    double* hIir = dB + BINS;
    double* sIn = dB + 2 * BINS;
    double* sFir = dB + 3 * BINS;
    double* sIir = dB + 4 * BINS;
    response(spec, fir, FIR_LEN, NULL, 0, hFir, work);
    response(spec, iir, IIR_ORDER + 1, iir + IIR_ORDER + 1, IIR_ORDER + 1, hIir, work);
    spectrum(spec, x, sIn, work);
    spectrum(spec, yFir, sFir, work);
    spectrum(spec, yIir, sIir, work);

    int failed = 0;
    const char* names[] = {"FIR", "IIR"};
    const double* h[] = {hFir, hIir};
    const double* s[] = {sFir, sIir};
    for (int i = 0; i < 2; ++i) {
        const double designed = at(h[i], kStopTone), measured = at(s[i], kStopTone) - at(sIn, kStopTone);
        printf("%s: pass tone %+.2f dB, stop tone %+.1f dB (designed %+.1f dB)\n", names[i],
               at(s[i], kPassTone) - at(sIn, kPassTone), measured, designed);
        failed |= fabs(measured - designed) > 1.0;
    }

    FILE* svg = fopen(path, "w");
    if (!svg) return 1;
    fprintf(svg, "<svg xmlns='http://www.w3.org/2000/svg' width='740' height='600' font-family='sans-serif'>\n"
                 "<rect width='100%%' height='100%%' fill='white'/>\n");
    const double* responses[] = {hFir, hIir};
    const char* responseNames[] = {"FIR 101 taps, Blackman", "Butterworth order 8"};
    const char* responseColours[] = {"#1f77b4", "#d62728"};
    panel(svg, 40, "Magnitude responses, cut-off 0.1", responses, responseNames, responseColours, 2, -140);
    const double* spectra[] = {sIn, sFir, sIir};
    const char* spectraNames[] = {"input", "after FIR", "after IIR"};
    const char* spectraColours[] = {"#999999", "#1f77b4", "#d62728"};
    panel(svg, 330, "Spectra: tones at 0.049 and 0.25 in noise (Hann window)", spectra, spectraNames, spectraColours, 3, -160);
    fprintf(svg, "<text x='370' y='590' font-size='12' text-anchor='middle'>frequency (cycles per sample)</text>\n</svg>\n");
    fclose(svg);

    orvsFFTFree_R_64f(spec);
    orvsFIRFree_64f(firState);
    orvsIIRFree_64f(iirState);
    orvsFree(x);
    orvsFree(yFir);
    orvsFree(yIir);
    orvsFree(work);
    orvsFree(dB);
    return failed;
}
