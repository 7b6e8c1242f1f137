/* A tour of the library: version record, vector fills, scaled arithmetic,
   division with its zero-divisor warning, conversion, and a real FFT whose
   spectrum magnitudes are printed. */
#include <math.h>
#include <stdio.h>
#include "orvs.h"
#include "orvcore.h"

static void show16s(const char* what, const Orv16s* v, int n, OrvStatus st)
{
    int i;
    printf("%-34s status %3d :", what, st);
    for (i = 0; i < n; ++i) printf(" %d", v[i]);
    printf("\n");
}

int main(void)
{
    const OrvLibraryVersion* v = orvsGetLibVersion();
    Orv16s a[6] = {1, 3, -1, -3, 32767, 5}, b[6] = {0, 0, 0, 0, 32767, 2}, d[6];
    Orv16s ramp[6];
    Orv32f f[6];
    OrvsFFTSpec_R_32f* spec = NULL;
    Orv32f signal[16], spectrum[18], mag[9];
    int n, k;

    printf("%s %d.%d (build %d.%d, \"%s\", target %s, %s)\n", v->Name, v->major, v->minor,
           v->majorBuild, v->build, v->Version, v->targetCpu, v->BuildDate);
    printf("threads available to parallel paths: %d\n\n", ownGetNumThreads());

    show16s("VectorSlope_16s(offset 0.5, 1)", ramp, 6, orvsVectorSlope_16s(ramp, 6, 0.5, 1.0));
    show16s("Add_16s_Sfs(a, b, s=1)", d, 6, orvsAdd_16s_Sfs(a, b, d, 6, 1));
    show16s("Add_16s_Sfs(a, b, s=0) saturates", d, 6, orvsAdd_16s_Sfs(a, b, d, 6, 0));
    show16s("Div_16s_Sfs(a / b, b has zeros)", d, 6, orvsDiv_16s_Sfs(b, a, d, 6, 0));
    show16s("Add_16s_Sfs with len 0", d, 0, orvsAdd_16s_Sfs(a, b, d, 0, 0));

    orvsConvert_16s32f(a, f, 6);
    printf("%-34s            :", "Convert_16s32f(a)");
    for (n = 0; n < 6; ++n) printf(" %g", f[n]);
    printf("\n\n");

    /* A 16-point real FFT of a cosine at bin 3: the spectrum has one peak. */
    for (n = 0; n < 16; ++n) signal[n] = (Orv32f)cos(2.0 * 3.14159265358979 * 3.0 * n / 16.0);
    if (orvsFFTInitAlloc_R_32f(&spec, 4, ORV_FFT_NORM_INV_N, orvHintNone) != orvStsOk) return 1;
    orvsFFTFwd_RToCCS_32f(signal, spectrum, spec, NULL);
    orvsMagnitude_32fc((const Orv32fc*)spectrum, mag, 9);
    printf("|FFT| of cos(2 pi 3 n / 16), bins 0..8:");
    for (k = 0; k < 9; ++k) printf(" %.3g", mag[k]);
    printf("\n");
    orvsFFTFree_R_32f(spec);

    printf("orvsMalloc_8u(-5) -> %p\n", (void*)orvsMalloc_8u(-5));
    return 0;
}
