// FFT kernels for float data, compiled for AVX.
#define ORVS_FFT_NS avx
#define ORVS_FFT_REAL float
#define ORVS_FFT_GETTER kernels32
#include "transform/fft/fft_kernels.inc"
