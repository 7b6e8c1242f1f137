// Interleaved (re, im) pairs on the floating-point vectors of float_vec.h
// (any A of F32, F64, F32x16, F64x8):
//
//   pairs<A>(re, im)       (re, im) repeated over the vector
//   cmulNegated<A>(a, b)   a * b pair by pair like cmul<A, false>, each
//                          product rounded once and then one addition, but
//                          the even-lane difference formed as the sum with
//                          the product negated by its sign bit. The values
//                          are those of cmul; a NaN coming from the negated
//                          product alone carries the opposite sign.
#pragma once
#if !defined(ORVS_TARGET)
#error "core/simd/complex_lanes.h belongs to kernel sources compiled per target"
#endif

#include "core/simd/float_vec.h"

namespace orvs::simd {
inline namespace ORVS_TARGET {

template <class A>
inline typename A::V pairs(typename A::S re, typename A::S im)
{
    alignas(64) typename A::S t[A::W];
    for (int k = 0; k < A::W; ++k) t[k] = k & 1 ? im : re;
    return A::load(t);
}

template <class A>
inline typename A::V cmulNegated(typename A::V a, typename A::V b)
{
    const typename A::V t1 = A::mul(a, A::dupRe(b));                  // ar*br, ai*br
    const typename A::V t2 = A::mul(A::swapParts(a), A::dupIm(b));  // ai*bi, ar*bi
    return A::add(t1, A::xor_(t2, pairs<A>(-0.0, 0.0)));
}

} // namespace ORVS_TARGET
} // namespace orvs::simd
