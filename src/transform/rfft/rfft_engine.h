// Real FFT records and the pieces shared by the floating and integer paths.
//
// A floating record (R_32f, R_64f) is a 32-byte header followed by the
// recombination tables and a complex record of half the length, built with
// the exported complex initialiser and used through the exported complex
// transforms. Block layout from the 32-aligned record start r:
//   order <= 4   header only (straight-line kernels, no tables)
//   order 5, 6   header, complex record at r + 32; the recombination tables
//                of these two orders are compile-time constants
//   order >= 7   header, forward table, inverse table, complex record
// Each recombination table holds N/4 pairs of T (N/2 values).
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "core/vocabulary.h"
#include "orvs/rfft.h"
#include "transform/rfft/rfft_kernels.h"

namespace orvs::rfft {


constexpr std::uint32_t kIdR16s = 3;
constexpr std::uint32_t kIdR32f = 6;
constexpr std::uint32_t kIdR64f = 9;
constexpr std::uint32_t kIdR32s = 0x5A58514E;
constexpr std::uint32_t kIdR16s32s = 0x5A58514F;

constexpr std::size_t align32(std::size_t n) { return (n + 31) & ~std::size_t(31); }

// Highest order of each precision (the length limit of the complex FFT).
template <class T>
constexpr int maxOrder() { return sizeof(T) == 4 ? 27 : 26; }

constexpr bool validFlag(int flag)
{
    return flag == ORV_FFT_NORM_FWD_N || flag == ORV_FFT_NORM_INV_N || flag == ORV_FFT_NORM_SQRT_N ||
           flag == ORV_FFT_NORM_NONE;
}

template <class T>
struct alignas(32) FloatSpec {
    std::uint32_t id;
    std::int32_t order;
    std::int32_t hint;
    std::uint32_t workSize;  // bytes of work the complex transform needs, 0 for none
    T factor;                // normalisation factor of the flag
    std::uint8_t fwdScale;   // 1: forward results are multiplied by factor
    std::uint8_t invScale;   // 1: inverse results are multiplied by factor
    std::uint8_t owned;      // 1: the block came from InitAlloc
    std::uint8_t flag;
};
static_assert(sizeof(FloatSpec<float>) == 32 && sizeof(FloatSpec<double>) == 32);

// Bytes of one recombination table of a real order.
template <class T>
constexpr std::size_t tableBytes(int order)
{
    return align32((std::size_t(1) << order) / 2 * sizeof(T));
}

// Where the complex record of half length starts inside the block.
template <class T>
inline std::uint8_t* complexRegion(const FloatSpec<T>* r, int order)
{
    auto* base = reinterpret_cast<std::uint8_t*>(const_cast<FloatSpec<T>*>(r)) + sizeof(FloatSpec<T>);
    return order >= 7 ? base + 2 * tableBytes<T>(order) : base;
}

// ---- recombination tables --------------------------------------------------
//
// The kernels take k = 1..N/4 in blocks of kLanes; inside a block the lanes
// are in the order in which the kernels' de-interleaving shuffles deliver the
// complex values (float: k+0,1,4,5,2,3,6,7; double: k+0,2,1,3). Each block
// holds kLanes first values, then kLanes second values:
//   forward (A, B) = (0.5 cos t, 0.5 - 0.5 sin t), inverse (cos t, sin t),
//   t = 2 pi k / N. The last lane of the last block is k = N/4, where the
//   pair degenerates to (0, 0) forward and (0, 1) inverse.
template <class T>
constexpr int kLanes = sizeof(T) == 4 ? 8 : 4;

template <class T>
constexpr int laneOffset(int lane)
{
    if constexpr (sizeof(T) == 4) {
        constexpr int p[8] = {0, 1, 4, 5, 2, 3, 6, 7};
        return p[lane];
    } else {
        constexpr int p[4] = {0, 2, 1, 3};
        return p[lane];
    }
}

// quarter(k) = sin(2 pi k / N) for k = 0..N/4 in the record's precision.
template <class T, class Quarter>
constexpr void buildRecombTables(int order, Quarter quarter, T* fwd, T* inv)
{
    const int q = (1 << order) / 4;
    constexpr int W = kLanes<T>;
    for (int b = 0; b < q / W; ++b) {
        for (int l = 0; l < W; ++l) {
            const int k = 1 + b * W + laneOffset<T>(l);
            const T s = quarter(k);
            const T c = quarter(q - k);
            fwd[b * 2 * W + l] = T(0.5) * c;
            fwd[b * 2 * W + W + l] = T(0.5) - T(0.5) * s;
            inv[b * 2 * W + l] = c;
            inv[b * 2 * W + W + l] = s;
        }
    }
}

// Sine and cosine of 2 pi k / n evaluated at compile time (Taylor series in
// long double on an argument of at most pi/4), for the constant tables.
constexpr long double constTrigTurn(int k, int n, bool cosine)
{
    constexpr long double twoPi = 6.283185307179586476925286766559005768L;
    const long double x = twoPi * k / n;
    long double term = cosine ? 1.0L : x;
    long double sum = term;
    for (int i = 1; i < 30; ++i) {
        const int a = cosine ? 2 * i - 1 : 2 * i;
        term *= -x * x / (static_cast<long double>(a) * (a + 1));
        sum += term;
    }
    return sum;
}

// Quarter-wave value with the same split as the run-time tables: sin up to
// N/8, cos of the complement above it.
constexpr long double constQuarter(int k, int n)
{
    const int q = n / 4;
    return 8 * k <= n ? constTrigTurn(k, n, false) : constTrigTurn(q - k, n, true);
}

template <class T, int Order>
struct ConstTables {
    std::array<T, (1 << Order) / 2> fwd{};
    std::array<T, (1 << Order) / 2> inv{};
};

template <class T, int Order>
constexpr ConstTables<T, Order> makeConstTables()
{
    ConstTables<T, Order> t;
    buildRecombTables<T>(Order, [](int k) { return T(double(constQuarter(k, 1 << Order))); }, t.fwd.data(),
                         t.inv.data());
    return t;
}

template <class T, int Order>
inline constexpr ConstTables<T, Order> kConstTables = makeConstTables<T, Order>();

template <class T>
inline const T* forwardTable(const FloatSpec<T>* r)
{
    if (r->order == 5) return kConstTables<T, 5>.fwd.data();
    if (r->order == 6) return kConstTables<T, 6>.fwd.data();
    return reinterpret_cast<const T*>(r + 1);
}

template <class T>
inline const T* inverseTable(const FloatSpec<T>* r)
{
    if (r->order == 5) return kConstTables<T, 5>.inv.data();
    if (r->order == 6) return kConstTables<T, 6>.inv.data();
    return reinterpret_cast<const T*>(reinterpret_cast<const std::uint8_t*>(r + 1) + tableBytes<T>(r->order));
}

// ---- layout moves ------------------------------------------------------------

// Writes a CCS spectrum (N + 2 values) in the requested layout. dst may
// equal ccs for CCS only.
template <class T>
inline void storeLayout(const T* ccs, T* dst, int n, Layout layout)
{
    if (n == 1) {
        dst[0] = ccs[0];
        if (layout == Layout::Ccs) dst[1] = T(0);
        return;
    }
    switch (layout) {
    case Layout::Ccs:
        std::memcpy(dst, ccs, sizeof(T) * (n + 2));
        dst[1] = T(0);
        dst[n + 1] = T(0);
        break;
    case Layout::Perm:
        dst[0] = ccs[0];
        dst[1] = ccs[n];
        std::memcpy(dst + 2, ccs + 2, sizeof(T) * (n - 2));
        break;
    case Layout::Pack:
        dst[0] = ccs[0];
        std::memcpy(dst + 1, ccs + 2, sizeof(T) * (n - 2));
        dst[n - 1] = ccs[n];
        break;
    }
}

// Reads a spectrum in the given layout into CCS order (N + 2 values).
template <class T>
inline void loadLayout(const T* src, T* ccs, int n, Layout layout)
{
    ccs[0] = src[0];
    ccs[1] = T(0);
    if (n == 1) return;
    switch (layout) {
    case Layout::Ccs:
        std::memcpy(ccs + 2, src + 2, sizeof(T) * (n - 2));
        ccs[n] = src[n];
        break;
    case Layout::Perm:
        std::memcpy(ccs + 2, src + 2, sizeof(T) * (n - 2));
        ccs[n] = src[1];
        break;
    case Layout::Pack:
        std::memcpy(ccs + 2, src + 1, sizeof(T) * (n - 2));
        ccs[n] = src[n - 1];
        break;
    }
    ccs[n + 1] = T(0);
}


// ---- the transforms the entry list names ----------------------------------

// Checked transforms on a record of the element type's kind: floating
// (float/double), R_16s, R_32s, and the two directions of R_16s32s.
template <class T>
OrvStatus runFloat(bool forward, Layout layout, const T* src, T* dst, const void* spec, Orv8u* buffer);
OrvStatus runInt(bool forward, Layout layout, const Orv16s* src, Orv16s* dst, const void* spec, int scaleFactor,
                 Orv8u* buffer);
OrvStatus runInt(bool forward, Layout layout, const Orv32s* src, Orv32s* dst, const void* spec, int scaleFactor,
                 Orv8u* buffer);
OrvStatus forward16s32s(const Orv16s* src, Orv32s* dst, const void* spec, int scaleFactor, Orv8u* buffer);
OrvStatus inverse32s16s(const Orv32s* src, Orv16s* dst, const void* spec, int scaleFactor, Orv8u* buffer);

enum Direction : bool { kInv = false, kFwd = true };

template <Direction D, Layout L, class T, class Spec>
OrvStatus real(const T* src, T* dst, const Spec* spec, Orv8u* buffer)
{ return runFloat<T>(D, L, src, dst, spec, buffer); }
template <Direction D, Layout L, class T, class Spec>
OrvStatus realI(T* srcDst, const Spec* spec, Orv8u* buffer)
{ return runFloat<T>(D, L, srcDst, srcDst, spec, buffer); }
template <Direction D, Layout L, class T, class Spec>
OrvStatus real(const T* src, T* dst, const Spec* spec, int scaleFactor, Orv8u* buffer)
{ return runInt(D, L, src, dst, spec, scaleFactor, buffer); }
template <Direction D, Layout L, class T, class Spec>
OrvStatus realI(T* srcDst, const Spec* spec, int scaleFactor, Orv8u* buffer)
{ return runInt(D, L, srcDst, srcDst, spec, scaleFactor, buffer); }

// ---- floating engine (used by the exported entries and the integer paths) --

// Transforms with checked arguments; `work` is 32-aligned and holds at least
// spec->workSize bytes (or is unused when that is 0).
template <class T>
OrvStatus forwardCore(const FloatSpec<T>* spec, const T* src, T* dst, Layout layout, std::uint8_t* work);
template <class T>
OrvStatus inverseCore(const FloatSpec<T>* spec, const T* src, T* dst, Layout layout, std::uint8_t* work);

// Sizes and record construction.
struct Sizes {
    std::int64_t spec = 0, init = 0, work = 0;
};
template <class T>
OrvStatus floatSizes(int order, int hint, Sizes& out);
template <class T>
OrvStatus floatInit(FloatSpec<T>** out, int order, int flag, int hint, std::uint8_t* mem, std::uint8_t* init);
template <class T>
void floatRelease(FloatSpec<T>* r);

// A work buffer for one call: the caller's (aligned up to 32) or, when the
// caller passed none and work is needed, one allocated for the call.
class WorkBuffer {
public:
    WorkBuffer(std::uint8_t* given, std::size_t bytes);
    ~WorkBuffer();
    WorkBuffer(const WorkBuffer&) = delete;
    WorkBuffer& operator=(const WorkBuffer&) = delete;
    bool failed() const { return failed_; }
    std::uint8_t* get() const { return ptr_; }

private:
    std::uint8_t* owned_ = nullptr;
    std::uint8_t* ptr_ = nullptr;
    bool failed_ = false;
};

}  // namespace orvs::rfft
