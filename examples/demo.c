/* A short first use of the library. Each printed line says what it shows;
   the run also writes demo_spectrum.svg: a test signal and the magnitude of
   its spectrum from the real FFT. */
#include <math.h>
#include <stdio.h>

#include "orvcore.h"
#include "orvs.h"

#define N_ORDER 7
#define N (1 << N_ORDER) /* 128 samples */
#define PI 3.14159265358979323846

static void show16s(const char* what, const Orv16s* v, int n)
{
    int i;
    printf("  %-44s", what);
    for (i = 0; i < n; ++i) printf(" %6d", v[i]);
    printf("\n");
}

/* Two stacked panels: the signal as a line, the spectrum as bars. */
static int writeSvg(const char* path, const Orv32f* signal, const Orv32f* mag, int bins)
{
    const double w = 640, h = 200, left = 40, gap = 40;
    double peak = 0;
    int i;
    FILE* f = fopen(path, "w");
    if (!f) return 0;
    for (i = 0; i < bins; ++i)
        if (mag[i] > peak) peak = mag[i];
    fprintf(f, "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%g\" height=\"%g\" font-family=\"sans-serif\" font-size=\"12\">\n",
            w + left + 10, 2 * h + gap + 40);
    fprintf(f, "<rect width=\"100%%\" height=\"100%%\" fill=\"white\"/>\n");
    fprintf(f, "<text x=\"%g\" y=\"14\">signal x[n], n = 0..%d</text>\n", left, N - 1);
    fprintf(f, "<line x1=\"%g\" y1=\"%g\" x2=\"%g\" y2=\"%g\" stroke=\"#999\"/>\n", left, 20 + h / 2, left + w, 20 + h / 2);
    fprintf(f, "<polyline fill=\"none\" stroke=\"#1f5fbf\" stroke-width=\"1.5\" points=\"");
    for (i = 0; i < N; ++i) fprintf(f, "%.1f,%.1f ", left + w * i / (N - 1), 20 + h / 2 - signal[i] * (h / 2 - 4) / 1.6);
    fprintf(f, "\"/>\n");
    fprintf(f, "<text x=\"%g\" y=\"%g\">|X[k]| from orvsFFTFwd_RToCCS_32f + orvsMagnitude_32fc, k = 0..%d</text>\n", left,
            20 + h + gap - 6, bins - 1);
    for (i = 0; i < bins; ++i) {
        const double bh = peak > 0 ? mag[i] / peak * (h - 10) : 0;
        fprintf(f, "<rect x=\"%.1f\" y=\"%.1f\" width=\"%.1f\" height=\"%.1f\" fill=\"#bf5f1f\"/>\n", left + w * i / bins,
                20 + h + gap + h - bh, w / bins * 0.8, bh);
    }
    fprintf(f, "<text x=\"%g\" y=\"%g\">bin k (cycles per %d samples)</text>\n", left, 2 * h + gap + 36, N);
    fprintf(f, "</svg>\n");
    return fclose(f) == 0;
}

int main(void)
{
    const OrvLibraryVersion* v = orvsGetLibVersion();
    Orv16s a[6] = {1, 3, -1, -3, 32767, 5}, b[6] = {0, 0, 0, 0, 32767, 2}, d[6];
    Orv32f signal[N], spectrum[N + 2], mag[N / 2 + 1];
    OrvsFFTSpec_R_32f* spec = NULL;
    OrvStatus st;
    int n;

    /* The version record: library name, version numbers and the processor
       target the library was built for ("k1": x86-64 with AVX). */
    printf("%s %d.%d, target %s, %d thread(s) for long vectors\n\n", v->Name, v->major, v->minor, v->targetCpu,
           orvGetNumThreads());

    printf("Scaled 16-bit arithmetic: d = saturate(round((a + b) / 2^s))\n");
    show16s("a", a, 6);
    show16s("b", b, 6);
    orvsAdd_16s_Sfs(a, b, d, 6, 1);
    show16s("s = 1: halves round to even: 1/2->0 3/2->2", d, 6);
    orvsAdd_16s_Sfs(a, b, d, 6, 0);
    show16s("s = 0: 32767 + 32767 saturates", d, 6);

    printf("\nDivision a / b: a zero divisor is a warning, not an error:\n");
    st = orvsDiv_16s_Sfs(b, a, d, 6, 0); /* the quotient is pSrc2 / pSrc1 */
    show16s("x / 0 saturates by sign, 5 / 2 rounds to even", d, 6);
    printf("  status %d = %s\n", st, orvsGetStatusString(st));
    st = orvsAdd_16s_Sfs(a, b, d, 0, 0);
    printf("  a length of 0 is an error, nothing is written: %s\n", orvsGetStatusString(st));

    /* A test signal: a cosine at bin 5 plus a weaker sine between bins 20
       and 21, whose energy leaks into the neighbouring bins. */
    for (n = 0; n < N; ++n)
        signal[n] = (Orv32f)(cos(2 * PI * 5 * n / N) + 0.5 * sin(2 * PI * 20.5 * n / N));
    if (orvsFFTInitAlloc_R_32f(&spec, N_ORDER, ORV_FFT_NORM_INV_N, orvHintNone) != orvStsOk) return 1;
    orvsFFTFwd_RToCCS_32f(signal, spectrum, spec, NULL);
    orvsFFTFree_R_32f(spec);
    orvsMagnitude_32fc((const Orv32fc*)spectrum, mag, N / 2 + 1);
    printf("\nReal FFT of %d samples: |X[5]| = %.1f (a cosine of amplitude 1 gives about N/2 = %d), "
           "|X[20]| = %.1f and |X[21]| = %.1f share the sine between them\n",
           N, mag[5], N / 2, mag[20], mag[21]);
    if (!writeSvg("demo_spectrum.svg", signal, mag, N / 2 + 1)) return 1;
    printf("wrote demo_spectrum.svg (the signal and its magnitude spectrum)\n");
    return 0;
}
