/* Draws every window of the library and its spectrum as SVG pictures,
   from the library's own output: the weights are the 64f in-place windows
   applied to a vector of ones, the spectrum the real FFT of the weights
   zero-padded to 4096 points. For each window it prints the main-lobe
   half-width (to the first null, in bins of the window length) and the
   highest side lobe, and writes window_<name>.svg into the directory given
   as the first argument (default: the current directory). */
#include <math.h>
#include <stdio.h>
#include <string.h>

#include "orvs.h"

#define N 64          /* window length */
#define ORDER 12      /* spectrum of 4096 points */
#define M (1 << ORDER)
#define FLOOR_DB -140.0

typedef struct {
    const char* name;
    const char* title;
    int kind;
    double alpha;
} Window;

static OrvStatus applyWindow(const Window* w, Orv64f* x)
{
    switch (w->kind) {
    case 0: return orvsWinBartlett_64f_I(x, N);
    case 1: return orvsWinHann_64f_I(x, N);
    case 2: return orvsWinHamming_64f_I(x, N);
    case 3: return orvsWinBlackmanStd_64f_I(x, N);
    case 4: return orvsWinBlackmanOpt_64f_I(x, N);
    default: return orvsWinKaiser_64f_I(x, N, w->alpha);
    }
}

/* A polyline of n points scaled into the box (x0, y0, width, height). */
static void polyline(FILE* f, const double* v, int n, double lo, double hi, double x0, double y0, double width, double height,
                     const char* colour)
{
    int i;
    fprintf(f, "<polyline fill=\"none\" stroke=\"%s\" stroke-width=\"1.5\" points=\"", colour);
    for (i = 0; i < n; ++i) {
        double y = v[i] < lo ? lo : v[i];
        fprintf(f, "%.1f,%.1f ", x0 + width * i / (n - 1), y0 + height * (hi - y) / (hi - lo));
    }
    fprintf(f, "\"/>\n");
}

static int writeSvg(const char* dir, const Window* w, const double* weights, const double* db, int bins, double lobe, double side)
{
    char path[512];
    FILE* f;
    const double pw = 300, ph = 180, top = 40, left = 60;
    snprintf(path, sizeof path, "%s/window_%s.svg", dir, w->name);
    f = fopen(path, "w");
    if (!f) return 0;
    fprintf(f, "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"760\" height=\"280\" font-family=\"sans-serif\" font-size=\"12\">\n");
    fprintf(f, "<rect width=\"760\" height=\"280\" fill=\"white\"/>\n");
    fprintf(f, "<text x=\"%g\" y=\"20\" font-size=\"14\">%s, N = %d</text>\n", left, w->title, N);
    fprintf(f, "<text x=\"%g\" y=\"%g\">weights w[n], n = 0 .. %d</text>\n", left, top + ph + 30, N - 1);
    fprintf(f, "<text x=\"%g\" y=\"%g\">|W(f)| in dB, f = 0 .. 0.5 cycles per sample</text>\n", left + pw + 60, top + ph + 30);
    fprintf(f, "<text x=\"%g\" y=\"%g\">main lobe to %.2f bins, highest side lobe %.1f dB</text>\n", left + pw + 60, top + ph + 48,
            lobe, side);
    fprintf(f, "<text x=\"%g\" y=\"%g\" text-anchor=\"end\">1</text><text x=\"%g\" y=\"%g\" text-anchor=\"end\">0</text>\n",
            left - 4, top + 10, left - 4, top + ph);
    fprintf(f, "<text x=\"%g\" y=\"%g\" text-anchor=\"end\">0 dB</text><text x=\"%g\" y=\"%g\" text-anchor=\"end\">%g dB</text>\n",
            left + pw + 56, top + 10, left + pw + 56, top + ph, FLOOR_DB);
    fprintf(f, "<rect x=\"%g\" y=\"%g\" width=\"%g\" height=\"%g\" fill=\"none\" stroke=\"#999\"/>\n", left, top, pw, ph);
    fprintf(f, "<rect x=\"%g\" y=\"%g\" width=\"%g\" height=\"%g\" fill=\"none\" stroke=\"#999\"/>\n", left + pw + 60, top, pw, ph);
    polyline(f, weights, N, 0.0, 1.0, left, top, pw, ph, "#1f5fa8");
    polyline(f, db, bins, FLOOR_DB, 0.0, left + pw + 60, top, pw, ph, "#b0341f");
    fprintf(f, "</svg>\n");
    return fclose(f) == 0;
}

int main(int argc, char** argv)
{
    static const Window windows[] = {
        {"bartlett", "Bartlett", 0, 0},          {"hann", "Hann", 1, 0},
        {"hamming", "Hamming", 2, 0},            {"blackman_std", "Blackman, alpha = -0.16", 3, 0},
        {"blackman_opt", "Blackman, optimal alpha", 4, 0},
        {"kaiser", "Kaiser, alpha = 0.25 (beta = 7.875)", 5, 0.25},
    };
    const char* dir = argc > 1 ? argv[1] : ".";
    static Orv64f weights[N], padded[M + 2], db[M / 2 + 1];
    OrvsFFTSpec_R_64f* spec = NULL;
    int w, i;
    if (orvsFFTInitAlloc_R_64f(&spec, ORDER, ORV_FFT_NORM_NONE, orvHintAccurate) != orvStsOk) return 1;
    printf("%-26s %16s %18s\n", "window", "main lobe (bins)", "side lobe (dB)");
    for (w = 0; w < (int)(sizeof windows / sizeof windows[0]); ++w) {
        double peak, lobe = 0, side = FLOOR_DB;
        int firstNull = 0;
        for (i = 0; i < N; ++i) weights[i] = 1.0;
        if (applyWindow(&windows[w], weights) != orvStsOk) return 1;
        memset(padded, 0, sizeof padded);
        memcpy(padded, weights, sizeof weights);
        if (orvsFFTFwd_RToCCS_64f_I(padded, spec, NULL) != orvStsOk) return 1;
        peak = hypot(padded[0], padded[1]);
        for (i = 0; i <= M / 2; ++i) {
            double mag = hypot(padded[2 * i], padded[2 * i + 1]) / peak;
            db[i] = mag > 0 ? 20.0 * log10(mag) : FLOOR_DB;
            if (db[i] < FLOOR_DB) db[i] = FLOOR_DB;
        }
        /* The main lobe ends at the first local minimum; the side lobes follow. */
        for (i = 1; i < M / 2 && !firstNull; ++i)
            if (db[i] <= db[i - 1] && db[i] <= db[i + 1]) firstNull = i;
        lobe = (double)firstNull * N / M;
        for (i = firstNull; i <= M / 2; ++i)
            if (db[i] > side) side = db[i];
        printf("%-26s %16.2f %18.1f\n", windows[w].title, lobe, side);
        if (!writeSvg(dir, &windows[w], weights, db, M / 2 + 1, lobe, side)) return 1;
    }
    orvsFFTFree_R_64f(spec);
    return 0;
}
