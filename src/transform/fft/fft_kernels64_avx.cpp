// FFT kernels for double data, compiled for AVX.
#define ORVS_FFT_NS avx
#define ORVS_FFT_REAL double
#define ORVS_FFT_GETTER kernels64
#include "transform/fft/fft_kernels.inc"
