// The native-against-pair comparison of the 512-bit-shaped vectors, compiled
// for the AVX-512 target in its own file. in: at least W*W values (W = 16
// floats or 8 doubles); perms: index tables of W entries. Returns the number
// of operations whose results differ and names the first in *failed.
#pragma once

int wideVecMismatchesFloat(const float* in, const int* const* perms, int permCount, const char** failed);
int wideVecMismatchesDouble(const double* in, const int* const* perms, int permCount, const char** failed);
