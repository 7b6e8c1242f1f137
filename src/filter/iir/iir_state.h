// The IIR state record, its memory layout and the arithmetic types the
// filters run in. Shared by the engine and the kernel sources (no
// intrinsics here).
#pragma once
#include <cstddef>
#include <cstdint>

#include "core/record.h"
#include "orvs/types.h"

namespace orvs::iir {

// A complex value laid out like Orv32fc / Orv64fc.
template <class F>
struct Cx {
    F re, im;
    Cx() = default;
    constexpr Cx(F r, F i = F(0)) : re(r), im(i) {}
    template <class G>
    constexpr explicit Cx(const Cx<G>& o) : re(F(o.re)), im(F(o.im)) {}
    friend constexpr Cx operator+(Cx a, Cx b) { return {a.re + b.re, a.im + b.im}; }
    friend constexpr Cx operator-(Cx a, Cx b) { return {a.re - b.re, a.im - b.im}; }
    friend constexpr Cx operator-(Cx a) { return {-a.re, -a.im}; }
    // The products pass through a register barrier: otherwise the vectoriser
    // may fuse a product with its sum into one multiply-add, which the
    // library never does implicitly.
    friend Cx operator*(Cx a, Cx b)
    {
        F rr = a.re * b.re, ii = a.im * b.im, ri = a.re * b.im, ir = a.im * b.re;
        __asm__("" : "+x"(rr), "+x"(ii), "+x"(ri), "+x"(ir));
        return {rr - ii, ri + ir};
    }
    friend constexpr bool operator==(Cx a, Cx b) { return a.re == b.re && a.im == b.im; }
};

template <class R> struct Real { using type = R; static constexpr bool complex = false; };
template <class F> struct Real<Cx<F>> { using type = F; static constexpr bool complex = true; };
// The same value type in double precision (tables are derived there).
template <class R> using Wide = std::conditional_t<Real<R>::complex, Cx<double>, double>;

enum Form : std::int32_t { kAr = 0, kBiquad = 1, kDf1 = 2 };

// Outputs produced per step of the block recursion: one 256-bit register
// of single-precision values, four of the wider types.
constexpr int groupFor(std::size_t elem) { return elem == 4 ? 8 : 4; }
template <class R>
constexpr int kGroup = groupFor(sizeof(R));

// Blocks of this many samples bound the work buffers.
constexpr int kBlock = 1024;

// Kind kk is "II" followed by its two decimal digits.
constexpr std::uint32_t kindId(int kk) { return record::fourcc('I', 'I', char('0' + kk / 10), char('0' + kk % 10)); }

// Fields in the order callers and tools expect, 96 bytes; the few fields
// of our own sit in what would be padding. The arrays follow in the same
// block (see layout()).
struct IirState {
    std::uint32_t id;
    std::int32_t order;       // N, or the number of sections
    void* taps;               // AR: b0..bN, a1..aN; biquad/DF1: b0 b1 b2 a1 a2 per section (all / a0)
    void* dly;                // AR: d0..dN (dN stays 0); biquad: d0 d1 per section; DF1: x2 x1 y2 y1 per section
    std::int32_t dlyLen;
    std::int32_t form;        // Form
    void* numTab;             // numerator taps the block pass broadcasts (in taps or rows)
    void* recTab;             // look-ahead rows, see the kernels
    std::int32_t numBq;
    std::int32_t dedicated2;  // second-order AR of kind 01: the section kernel
    void* rows;               // biquad: b0 b1 b2 0 -a1 -a2 0 0 per section
    void* work1;              // kBlock values of the internal type
    void* work2;              // second block for sample types other than the internal one
    std::uint32_t owned;
    void* df1Hist;            // DF1 history of the integer DF1 kind (x2 x1 y2 y1 per section)
};
static_assert(sizeof(IirState) == 96);

// Byte offsets of the arrays behind the header for one kind and order.
struct Layout {
    std::size_t taps, dly, recTab, rows, work1, work2, df1Hist, end;
};

// elem: bytes of one internal value. Every array starts on 16 bytes, the
// record on 32: the sizes callers are told leave no more room than that.
inline Layout layout(std::size_t elem, Form form, int n, bool twoBuffers, bool df1Hist)
{
    const std::size_t un = static_cast<std::size_t>(n);
    Layout l{};
    std::size_t at = sizeof(IirState);
    auto take = [&](std::size_t count) {
        const std::size_t here = at;
        at = record::alignUp(at + count * elem, 16);
        return here;
    };
    const std::size_t g = static_cast<std::size_t>(groupFor(elem));
    const bool biquadArrays = form == kBiquad || df1Hist;  // the integer DF1 kind filters as a biquad
    if (form == kAr) {
        l.taps = take(2 * un + 1);
        l.dly = take(un + 1);
        l.recTab = take(g * un + 2 * g);
    } else {
        l.taps = take(5 * un);
        l.dly = take((biquadArrays ? 2 : 4) * un);
    }
    if (biquadArrays) {
        l.recTab = take(4 * g * un);
        l.rows = take(8 * un);
    }
    if (df1Hist) l.df1Hist = take(4 * un);
    if (form != kDf1 || df1Hist) {
        l.work1 = take(kBlock);
        if (twoBuffers) l.work2 = take(kBlock);
    }
    l.end = at;
    return l;
}

template <class R>
R* at(void* p) { return static_cast<R*>(p); }

} // namespace orvs::iir
