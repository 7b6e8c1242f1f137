// Copy, Move, Set and Zero. Copy and Move are byte moves of len times the
// element size (the C library's copy routines run at memory bandwidth);
// Zero is a zero fill of the same bytes; Set fills a repeating element
// pattern with 256-bit stores.
#include <cstring>

#include "convert/vector/vector_kernels.h"
#include "core/check.h"
#include "orvs/vector.h"

namespace orvs::vec {
namespace {

template <class T>
OrvStatus copy(const T* src, T* dst, int len)
{
    ORVS_CHECK(check::vectors(len, src, dst));
    std::memcpy(dst, src, static_cast<std::size_t>(len) * sizeof(T));
    return orvStsOk;
}

template <class T>
OrvStatus move(const T* src, T* dst, int len)
{
    ORVS_CHECK(check::vectors(len, src, dst));
    std::memmove(dst, src, static_cast<std::size_t>(len) * sizeof(T));
    return orvStsOk;
}

template <class T>
OrvStatus zero(T* dst, int len)
{
    ORVS_CHECK(check::vectors(len, dst));
    std::memset(dst, 0, static_cast<std::size_t>(len) * sizeof(T));
    return orvStsOk;
}

// Every element type is filled by its bits: 16s goes through the same
// two-byte pattern as 16u, complex types through their re/im pair.
template <class T>
OrvStatus set(const T& val, T* dst, int len)
{
    ORVS_CHECK(check::vectors(len, dst));
    const std::size_t bytes = static_cast<std::size_t>(len) * sizeof(T);
    if constexpr (sizeof(T) == 1) {
        unsigned char b;
        std::memcpy(&b, &val, 1);
        std::memset(dst, b, bytes);
    } else {
        kernels().fillPattern(dst, &val, sizeof(T), bytes);
    }
    return orvStsOk;
}

} // namespace
} // namespace orvs::vec

using namespace orvs;

#define ORVS_VEC_MOVEMENT(code, T)                                                                           \
    ORVS_API OrvStatus orvsCopy_##code(const T* pSrc, T* pDst, int len) { return vec::copy(pSrc, pDst, len); } \
    ORVS_API OrvStatus orvsMove_##code(const T* pSrc, T* pDst, int len) { return vec::move(pSrc, pDst, len); } \
    ORVS_API OrvStatus orvsSet_##code(T val, T* pDst, int len) { return vec::set(val, pDst, len); }           \
    ORVS_API OrvStatus orvsZero_##code(T* pDst, int len) { return vec::zero(pDst, len); }

extern "C" {
ORVS_VEC_MOVEMENT(8u, Orv8u)
ORVS_VEC_MOVEMENT(16s, Orv16s)
ORVS_VEC_MOVEMENT(32s, Orv32s)
ORVS_VEC_MOVEMENT(64s, Orv64s)
ORVS_VEC_MOVEMENT(32f, Orv32f)
ORVS_VEC_MOVEMENT(64f, Orv64f)
ORVS_VEC_MOVEMENT(16sc, Orv16sc)
ORVS_VEC_MOVEMENT(32sc, Orv32sc)
ORVS_VEC_MOVEMENT(64sc, Orv64sc)
ORVS_VEC_MOVEMENT(32fc, Orv32fc)
ORVS_VEC_MOVEMENT(64fc, Orv64fc)
}
