// The IIR family's non-template pieces: kernel dispatch, state sizes and
// the look-ahead tables.
#include "filter/iir/iir_engine.h"

#include <vector>

#include "core/dispatch.h"

namespace orvs::iir {
namespace avx { extern const KernelTable table; }
namespace avx2 { extern const KernelTable table; }
namespace avx512 { extern const KernelTable table; }

const KernelTable& kernels() { return dispatch::pick<KernelTable>(avx::table, avx2::table, avx512::table); }

std::int64_t formulaBytes(bool complex, bool dbl, Form form, int n, bool native, bool dedicated2)
{
    const std::int64_t N = n, K = n, W = native ? 1024 : 2048;
    auto a16 = [](std::int64_t v) { return (v + 15) & ~std::int64_t(15); };
    auto a32 = [](std::int64_t v) { return (v + 31) & ~std::int64_t(31); };
    if (!complex && !dbl) {
        if (form == kAr) {
            const std::int64_t t = dedicated2 ? std::max<std::int64_t>(4 * N + 12, 120) : 4 * N + 12;
            return a16(4 * (2 * N + 1)) + 4 * (t + 4 * N + 4 + W + 10) + 96 + a16(4 * (N + 1)) + 32;
        }
        if (form == kBiquad) return a16(20 * K) + 4 * (40 * K + W + 10) + 96 + a16(8 * K) + 32;
        return a16(20 * K) + 16 * K + 128;
    }
    if (complex && !dbl) {
        if (form == kAr) return a32(8 * (2 * N + 1)) + 8 * (20 * N + 40 + W + 10) + 96 + a32(8 * (N + 1)) + 32;
        return a32(40 * K) + 8 * (148 * K + W) + 96 + a32(16 * K) + 64;
    }
    if (!complex) {
        if (form == kAr) return a16(8 * (2 * N + 1)) + 8 * (6 * N + 14 + W) + 96 + a16(8 * (N + 1)) + 32;
        return a16(40 * K) + 16 * K + 8 * (32 * K + W) + 96;
    }
    if (form == kAr) {
        const std::int64_t w = native ? N + 1024 : 2 * (N + 1024);
        return 16 * (2 * N + 1 + 14 * N + 10 + w) + 96 + 16 * (N + 1) + 32;
    }
    return 16 * (5 * K + 64 * K + W) + 96 + 32 * K + 32;
}

namespace {
// Impulse response h[0..g-1] of 1/A(z), and c[(m-1)·g + k], the weight of
// y[n-m] in y[n+k] (a holds a1..aN), in double precision.
template <class W>
void lookAhead(const W* a, int n, int g, W* h, W* c)
{
    auto coef = [&](int i) { return i <= n ? a[i - 1] : W(0); };
    h[0] = W(1);
    for (int k = 1; k < g; ++k) {
        W acc(0);
        for (int i = 1; i <= std::min(k, n); ++i) acc = acc - coef(i) * h[k - i];
        h[k] = acc;
    }
    for (int m = 1; m <= n; ++m)
        for (int k = 0; k < g; ++k) {
            W acc = -coef(m + k);
            for (int i = 1; i <= std::min(k, n); ++i) acc = acc - coef(i) * c[g * (m - 1) + k - i];
            c[g * (m - 1) + k] = acc;
        }
}

// rec: g - 1 zeros, h[0..g-1], a zero (so that the column of t[n+j] is
// the g values from rec + g - 1 - j), then the weights of the past outputs.
template <class R>
void fillTables(R* rec, const Wide<R>* a, int n)
{
    using W = Wide<R>;
    constexpr int g = kGroup<R>;
    std::vector<W> h(g), c(static_cast<std::size_t>(g) * n);
    lookAhead(a, n, g, h.data(), c.data());
    for (int k = 0; k < 2 * g; ++k) rec[k] = R(0);
    for (int k = 0; k < g; ++k) rec[g - 1 + k] = R(h[k]);
    for (int i = 0; i < g * n; ++i) rec[2 * g + i] = R(c[i]);
}
} // namespace

template <class R>
void buildArTables(IirState& st)
{
    using W = Wide<R>;
    const int n = st.order;
    const R* taps = at<const R>(st.taps);
    std::vector<W> a(n);
    for (int i = 0; i < n; ++i) a[i] = W(taps[n + 1 + i]);
    fillTables<R>(at<R>(st.recTab), a.data(), n);
}

template <class R>
void buildSection(IirState& st, int s, const R* five)
{
    using W = Wide<R>;
    R* row = at<R>(st.rows) + 8 * s;
    const R z(0);
    const R r[8] = {five[0], five[1], five[2], z, -five[3], -five[4], z, z};
    std::copy(r, r + 8, row);
    const W a[2] = {W(five[3]), W(five[4])};
    fillTables<R>(at<R>(st.recTab) + 4 * kGroup<R> * s, a, 2);
}

#define ORVS_IIR_TABLES(R)                         \
    template void buildArTables<R>(IirState&);     \
    template void buildSection<R>(IirState&, int, const R*);
ORVS_IIR_TABLES(float)
ORVS_IIR_TABLES(double)
ORVS_IIR_TABLES(Cx<float>)
ORVS_IIR_TABLES(Cx<double>)

} // namespace orvs::iir
