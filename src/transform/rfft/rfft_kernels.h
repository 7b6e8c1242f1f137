// Recombination kernels of the real FFT: the table type and its rows.
#pragma once

namespace orvs::rfft {

// ---- recombination kernels (one set per instruction-set target) -----------
//
// fwd: z holds the N/2 complex results Z of the half-length transform; it is
//      turned into the Perm spectrum in place (times f when scaled).
// inv: x holds a Perm-ordered spectrum (its positions 0 and 1 are not read;
//      Re X0 and Re X(N/2) are passed); z receives twice the half-length
//      spectrum (times f when scaled), ready for the inverse complex FFT.
//      x may equal z.
template <class T>
struct RecombKernels {
    void (*fwd)(T* z, const T* table, int n, T f);
    void (*fwdScaled)(T* z, const T* table, int n, T f);
    void (*inv)(const T* x, T* z, const T* table, int n, T re0, T reHalf, T f);
    void (*invScaled)(const T* x, T* z, const T* table, int n, T re0, T reHalf, T f);
};

// The family's kernel table, one row per instruction-set target compiled
// from rfft_kernels.cpp.
struct KernelTable {
    RecombKernels<float> f32;
    RecombKernels<double> f64;
};
namespace avx { extern const KernelTable table; }
namespace avx2 { extern const KernelTable table; }
namespace avx512 { extern const KernelTable table; }

// The recombination kernels of this process's variant.
template <class T>
const RecombKernels<T>& recombKernels();

}  // namespace orvs::rfft
