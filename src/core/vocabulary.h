// Words every family shares: how a value is rounded to an integer, the
// packed layouts of real spectra, and whole-vector results written through
// the exported vector entries (a scale factor that zeroes every output calls
// the zero entry, a neutral operation the copy entry, and the caller returns
// that entry's status).
#pragma once
#include "orvs/types.h"
#include "orvs/vector.h"

namespace orvs {

// Rounding of a real value to an integer: toward zero, to nearest with ties
// to even, to nearest with ties away from zero (the "financial" mode).
enum class Rnd : int { Zero, Near, Away };

inline Rnd rndFrom(OrvRoundMode mode)
{
    return mode == orvRndZero ? Rnd::Zero : mode == orvRndFinancial ? Rnd::Away : Rnd::Near;
}

// Packed spectra of real signals.
enum class Layout : int { Pack, Perm, Ccs };

// ---- whole-vector results ----------------------------------------------------
// Unsigned and signed types of one width share the bits, and the entries.

inline OrvStatus zeroAll(Orv8u* d, int n) { return orvsZero_8u(d, n); }
inline OrvStatus zeroAll(Orv16s* d, int n) { return orvsZero_16s(d, n); }
inline OrvStatus zeroAll(Orv16u* d, int n) { return orvsZero_16s(reinterpret_cast<Orv16s*>(d), n); }
inline OrvStatus zeroAll(Orv16sc* d, int n) { return orvsZero_16sc(d, n); }
inline OrvStatus zeroAll(Orv32s* d, int n) { return orvsZero_32s(d, n); }
inline OrvStatus zeroAll(Orv32u* d, int n) { return orvsZero_32s(reinterpret_cast<Orv32s*>(d), n); }
inline OrvStatus zeroAll(Orv32sc* d, int n) { return orvsZero_32sc(d, n); }
inline OrvStatus zeroAll(Orv64s* d, int n) { return orvsZero_64s(d, n); }
inline OrvStatus zeroAll(Orv32f* d, int n) { return orvsZero_32f(d, n); }
inline OrvStatus zeroAll(Orv32fc* d, int n) { return orvsZero_32fc(d, n); }
inline OrvStatus zeroAll(Orv64f* d, int n) { return orvsZero_64f(d, n); }
inline OrvStatus zeroAll(Orv64fc* d, int n) { return orvsZero_64fc(d, n); }

inline OrvStatus copyAll(const Orv8u* s, Orv8u* d, int n) { return orvsCopy_8u(s, d, n); }
inline OrvStatus copyAll(const Orv16s* s, Orv16s* d, int n) { return orvsCopy_16s(s, d, n); }
inline OrvStatus copyAll(const Orv16u* s, Orv16u* d, int n)
{
    return orvsCopy_16s(reinterpret_cast<const Orv16s*>(s), reinterpret_cast<Orv16s*>(d), n);
}
inline OrvStatus copyAll(const Orv16sc* s, Orv16sc* d, int n) { return orvsCopy_16sc(s, d, n); }
inline OrvStatus copyAll(const Orv32s* s, Orv32s* d, int n) { return orvsCopy_32s(s, d, n); }
inline OrvStatus copyAll(const Orv32u* s, Orv32u* d, int n)
{
    return orvsCopy_32s(reinterpret_cast<const Orv32s*>(s), reinterpret_cast<Orv32s*>(d), n);
}
inline OrvStatus copyAll(const Orv32sc* s, Orv32sc* d, int n) { return orvsCopy_32sc(s, d, n); }
inline OrvStatus copyAll(const Orv64s* s, Orv64s* d, int n) { return orvsCopy_64s(s, d, n); }
inline OrvStatus copyAll(const Orv32f* s, Orv32f* d, int n) { return orvsCopy_32f(s, d, n); }
inline OrvStatus copyAll(const Orv32fc* s, Orv32fc* d, int n) { return orvsCopy_32fc(s, d, n); }
inline OrvStatus copyAll(const Orv64f* s, Orv64f* d, int n) { return orvsCopy_64f(s, d, n); }
inline OrvStatus copyAll(const Orv64fc* s, Orv64fc* d, int n) { return orvsCopy_64fc(s, d, n); }

} // namespace orvs
