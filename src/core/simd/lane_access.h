// Loads that serve a value to every lane, and first-match searches, on the
// vectors of the target.
//
//   repeated<A, kCopies>(p)  a vector of A with p[0] in every lane, where p
//                            holds kCopies copies of it: a plain load when
//                            the vector is no wider than the copies, else a
//                            broadcast of the scalar
//   firstEqual(p, n, v)      the first i < n with p[i] == v (== compares,
//                            so -0 finds +0 and NaN finds nothing), else n
#pragma once
#if !defined(ORVS_TARGET)
#error "core/simd/lane_access.h belongs to kernel sources compiled per target"
#endif

namespace orvs::simd {
inline namespace ORVS_TARGET {

template <class A, int kCopies>
inline typename A::V repeated(const typename A::S* p)
{
    if constexpr (A::W <= kCopies) return A::load(p);
    else return A::set1(*p);
}

// Chunks are screened without an early exit so that the screen vectorises;
// the chunk that holds a match is then walked element by element.
template <class T>
inline long firstEqual(const T* p, long n, T v)
{
    constexpr long kChunk = 64;
    long i = 0;
    for (; i + kChunk <= n; i += kChunk) {
        int hit = 0;
        for (long j = 0; j < kChunk; ++j) hit |= p[i + j] == v;
        if (hit) break;
    }
    while (i < n && !(p[i] == v)) ++i;
    return i;
}

} // namespace ORVS_TARGET
} // namespace orvs::simd
