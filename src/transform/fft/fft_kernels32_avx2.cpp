// FFT kernels for float data, compiled for AVX2.
#define ORVS_FFT_FMA 1
#define ORVS_FFT_NS avx2
#define ORVS_FFT_REAL float
#define ORVS_FFT_GETTER kernels32
#include "transform/fft/fft_kernels.inc"
