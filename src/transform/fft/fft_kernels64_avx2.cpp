// FFT kernels for double data, compiled for AVX2.
#define ORVS_FFT_FMA 1
#define ORVS_FFT_NS avx2
#define ORVS_FFT_REAL double
#define ORVS_FFT_GETTER kernels64
#include "transform/fft/fft_kernels.inc"
