// IIR block kernels, compiled once per instruction-set target.
//
// A group of G outputs (four; eight in single precision, one 256-bit
// register) is produced per step. With t[n] the numerator part of the
// output, h the impulse response of the recursion 1/A(z) and y[n-1] ..
// y[n-N] the outputs before the group,
//     y[n+k] = sum_j h[k-j]·t[n+j] (j <= k) + sum_m C_m[k]·y[n-m],
// so a group costs one short dependency chain instead of G. The
// look-ahead rows (h shifted per column, C_m) are built with the taps.
#include "filter/iir/iir_kernels.h"

#include "filter/iir/iir_lanes.h"

#include <algorithm>
#include <type_traits>

namespace orvs::iir::ORVS_TARGET {
namespace {

// G lanes of the internal type: one group of outputs.
template <class R>
struct Lanes;

// The real types: the 256-bit vectors of the SIMD layer.
template <class L, int g>
struct RealLanes : L {
    using V = typename L::V;
    using S = typename L::S;
    static constexpr int G = g;
    static V set1(S v) { return L::set1(v); }
    static V bcast(const S* p) { return simd::broadcastFrom(p); }
    static V last(V v) { return simd::broadcastLast(v); }
    static V prev(V v) { return simd::broadcastPrev(v); }
    static void transpose(V (&t)[g]) { simd::transpose(t); }
};
template <>
struct Lanes<float> : RealLanes<simd::F32, 8> {};
template <>
struct Lanes<double> : RealLanes<simd::F64, 4> {};

// Complex lanes: plain arrays the compiler may vectorise as it can.
template <class F>
struct Lanes<Cx<F>> {
    using R = Cx<F>;
    static constexpr int G = 4;
    struct V {
        R v[4];
    };
    static V load(const R* p) { return V{{p[0], p[1], p[2], p[3]}}; }
    static void store(R* p, const V& v)
    {
        for (int k = 0; k < 4; ++k) p[k] = v.v[k];
    }
    static V set1(R x) { return V{{x, x, x, x}}; }
    static V bcast(const R* p) { return set1(*p); }
    static V add(const V& a, const V& b)
    {
        V r;
        for (int k = 0; k < 4; ++k) r.v[k] = a.v[k] + b.v[k];
        return r;
    }
    static V mul(const V& a, const V& b)
    {
        V r;
        for (int k = 0; k < 4; ++k) r.v[k] = a.v[k] * b.v[k];
        return r;
    }
    static V last(const V& v) { return set1(v.v[3]); }
    static V prev(const V& v) { return set1(v.v[2]); }
};

// The in-group part of a group of outputs: sum over j of column j of the
// shifted impulse response times t[n+j], in two chains.
template <class Q, class R>
inline typename Q::V feedForward(const typename Q::V* col, const R* t)
{
    auto even = Q::mul(col[0], Q::bcast(t)), odd = Q::mul(col[1], Q::bcast(t + 1));
    for (int j = 2; j < Q::G; j += 2) {
        even = Q::add(even, Q::mul(col[j], Q::bcast(t + j)));
        odd = Q::add(odd, Q::mul(col[j + 1], Q::bcast(t + j + 1)));
    }
    return Q::add(even, odd);
}

// What a section carries from one stretch of samples to the next: its last
// two inputs and outputs.
template <class R>
struct Carry {
    R xm1, xm2, ym1, ym2;
};

// One section over m >= 1 samples continuing from its carry; in == out is
// allowed. rec: h shifted (0 0 0 h0 h1 h2 h3 0), then the weights of y[n-1]
// and y[n-2]; row: b0 b1 b2 0 -a1 -a2 0 0; t holds m values.
template <class R>
void sectionRun(const R* rec, const R* row, Carry<R>& c, const R* in, R* out, int m, R* t)
{
    using Q = Lanes<R>;
    // The inputs before the stretch may already be outputs (in place): they
    // come from the carry, and the carry's new inputs are read up front.
    const R xLast = m >= 1 ? in[m - 1] : c.xm1, xPrev = m >= 2 ? in[m - 2] : c.xm1;
    t[0] = (row[0] * in[0] + row[1] * c.xm1) + row[2] * c.xm2;
    if (m > 1) t[1] = (row[0] * in[1] + row[1] * in[0]) + row[2] * c.xm1;
    const auto b0 = Q::set1(row[0]), b1 = Q::set1(row[1]), b2 = Q::set1(row[2]);
    int i = 2;
    for (; i + Q::G <= m; i += Q::G)
        Q::store(t + i, Q::add(Q::add(Q::mul(b0, Q::load(in + i)), Q::mul(b1, Q::load(in + i - 1))), Q::mul(b2, Q::load(in + i - 2))));
    for (; i < m; ++i) t[i] = (row[0] * in[i] + row[1] * in[i - 1]) + row[2] * in[i - 2];

    constexpr int g = Q::G;
    typename Q::V col[g];
    for (int j = 0; j < g; ++j) col[j] = Q::load(rec + g - 1 - j);
    const auto c1 = Q::load(rec + 2 * g), c2 = Q::load(rec + 3 * g);
    auto ym1 = Q::set1(c.ym1), ym2 = Q::set1(c.ym2);
    R y1 = c.ym1, y2 = c.ym2;
    for (i = 0; i + g <= m; i += g) {
        const auto y = Q::add(feedForward<Q>(col, t + i), Q::add(Q::mul(c1, ym1), Q::mul(c2, ym2)));
        Q::store(out + i, y);
        ym1 = Q::last(y);
        ym2 = Q::prev(y);
    }
    if (i > 0) y1 = out[i - 1], y2 = out[i - 2];
    for (; i < m; ++i) {
        const R y = (t[i] + row[4] * y1) + row[5] * y2;
        out[i] = y;
        y2 = y1, y1 = y;
    }
    c = {xLast, xPrev, y1, y2};
}

// A cascade over a block of L > 2 samples. The first two samples go through
// the single-sample step; then the block advances in stretches of kStretch
// samples, every section in turn over each stretch, so that the recursions
// of neighbouring sections overlap in the processor instead of each
// section's dependency chain running alone over the whole block. The delay
// lines are rebuilt from the carries at the end.
constexpr int kStretch = 128;

template <class R>
bool cascadeFits(int k) { return 4 * k + kStretch <= kBlock; }

template <class R>
void cascadeBlock(const R* rec, const R* rows, R* d, int k, const R* x, R* y, int len, R* work, R* hist)
{
    auto* carry = reinterpret_cast<Carry<R>*>(work);
    R* t = work + 4 * k;
    for (int s = 0; s < k; ++s) {
        const R* in = s == 0 ? x : y;
        const R xa = in[0], xb = in[1];
        const R y0 = biquadStep(rows + 8 * s, d + 2 * s, xa);
        const R y1 = biquadStep(rows + 8 * s, d + 2 * s, xb);
        y[0] = y0, y[1] = y1;
        carry[s] = {xb, xa, y1, y0};
    }
    for (int j = 2; j < len; j += kStretch) {
        const int m = std::min(kStretch, len - j);
        for (int s = 0; s < k; ++s) sectionRun(rec + 4 * kGroup<R> * s, rows + 8 * s, carry[s], (s == 0 ? x : y) + j, y + j, m, t);
    }
    for (int s = 0; s < k; ++s) {
        const Carry<R>& c = carry[s];
        const R* row = rows + 8 * s;
        d[2 * s] = ((row[1] * c.xm1 + row[2] * c.xm2) + row[4] * c.ym1) + row[5] * c.ym2;
        d[2 * s + 1] = row[2] * c.xm1 + row[5] * c.ym1;
        if (hist) hist[4 * s] = c.xm2, hist[4 * s + 1] = c.xm1, hist[4 * s + 2] = c.ym2, hist[4 * s + 3] = c.ym1;
    }
}

// Sub-block lanes. A stretch of M = kSub·rn samples is seen as kSub
// sub-blocks of rn consecutive samples, one per vector lane, and held
// transposed in the work buffer (row r: sample r of every sub-block), so
// that one vector step advances kSub independent recursions at once. Each
// section first runs from a zero state in every sub-block but the first
// (which starts from the section's delay line), in the state-space form
//     y = b0·x + d0,  d0' = -a1·d0 + d1 + (b1 - a1·b0)·x,  d1' = -a2·d0 + (b2 - a2·b0)·x
// with explicit multiply-adds. The recursion is linear, so the true start
// state of sub-block p is then carried across the sub-blocks in double
// precision (S[p+1] = e[p] + A^rn·S[p], e the zero-state end states, A the
// state matrix) and its free response A^r·S[p] is added to the outputs
// while they feed the next section (or leave the block). Only the carried
// states pass between sub-blocks, so the vector recursions never wait for
// each other.
constexpr int kSub = 16;

template <class R>
constexpr int kLaneStretch = kSub * kGroup<R>;  // rn a multiple of the tile

// A^n for the state matrix A = [[-a1, 1], [-a2, 0]], by squaring.
inline void statePower(double na1, double na2, int n, double (&p)[4])
{
    double b[4] = {na1, 1, na2, 0};
    p[0] = 1, p[1] = 0, p[2] = 0, p[3] = 1;
    auto mul = [](const double (&u)[4], const double (&v)[4], double (&o)[4]) {
        const double r[4] = {u[0] * v[0] + u[1] * v[2], u[0] * v[1] + u[1] * v[3], u[2] * v[0] + u[3] * v[2], u[2] * v[1] + u[3] * v[3]};
        for (int i = 0; i < 4; ++i) o[i] = r[i];
    };
    for (; n > 0; n >>= 1) {
        if (n & 1) mul(p, b, p);
        mul(b, b, b);
    }
}

template <class R>
void cascadeLanes(const R* rows, R* d, int k, const R* x, R* y, int m, R* buf)
{
    using Q = Lanes<R>;
    using V = typename Q::V;
    constexpr int g = Q::G, nv = kSub / g;
    const int rn = m / kSub;

    for (int r0 = 0; r0 < rn; r0 += g)
        for (int v = 0; v < nv; ++v) {
            V t[g];
            for (int i = 0; i < g; ++i) t[i] = Q::load(x + (v * g + i) * rn + r0);
            Q::transpose(t);
            for (int i = 0; i < g; ++i) Q::store(buf + (r0 + i) * kSub + v * g, t[i]);
        }

    // Free response of the previous section still to be added to its
    // outputs (c0 is the correction of the current row).
    V c0[nv], c1[nv], pa1 = Q::set1(R(0)), pa2 = Q::set1(R(0));
    alignas(32) R e0[kSub], e1[kSub];
    for (int s = 0; s < k; ++s) {
        const R* row = rows + 8 * s;
        const R b0 = row[0], na1 = row[4], na2 = row[5];
        const auto vb0 = Q::set1(b0), va1 = Q::set1(na1), va2 = Q::set1(na2);
        const auto vB0 = Q::set1(row[1] + na1 * b0), vB1 = Q::set1(row[2] + na2 * b0);
        double a[4];  // A^rn, before the rows so that it overlaps them
        statePower(double(na1), double(na2), rn, a);
        // d1 is kept as its two parts, -a2·d0 of the row before (dp) and
        // (b2 - a2·b0)·x of the row before (bx), so that no dependency chain
        // is longer than one multiply-add per row.
        V d0[nv], dp[nv], bx[nv];
        std::fill(e0, e0 + kSub, R(0));
        std::fill(e1, e1 + kSub, R(0));
        e0[0] = d[2 * s], e1[0] = d[2 * s + 1];
        for (int v = 0; v < nv; ++v) d0[v] = Q::load(e0 + v * g), bx[v] = Q::load(e1 + v * g), dp[v] = Q::set1(R(0));
        auto step = [&](R* at, int v, auto fix) {
            auto xv = Q::load(at);
            if constexpr (decltype(fix)::value) {
                xv = Q::add(xv, c0[v]);
                const auto n0 = Q::fma(pa1, c0[v], c1[v]);
                c1[v] = Q::mul(pa2, c0[v]);
                c0[v] = n0;
            }
            Q::store(at, Q::fma(vb0, xv, d0[v]));
            const auto n0 = Q::fma(va1, d0[v], Q::fma(va2, dp[v], Q::fma(vB0, xv, bx[v])));
            dp[v] = d0[v];
            d0[v] = n0;
            bx[v] = Q::mul(vB1, xv);
        };
        for (int r = 0; r < rn; ++r)
            for (int v = 0; v < nv; ++v) {
                if (s == 0) step(buf + r * kSub + v * g, v, std::false_type{});
                else step(buf + r * kSub + v * g, v, std::true_type{});
            }
        for (int v = 0; v < nv; ++v) Q::store(e0 + v * g, d0[v]), Q::store(e1 + v * g, Q::fma(va2, dp[v], bx[v]));

        // True start states: sub-block 0 ran from the delay line, so its end
        // state is exact.
        double s0 = double(e0[0]), s1 = double(e1[0]);
        e0[0] = R(0), e1[0] = R(0);
        for (int p = 1; p < kSub; ++p) {
            const double n0 = double(e0[p]) + (a[0] * s0 + a[1] * s1), n1 = double(e1[p]) + (a[2] * s0 + a[3] * s1);
            e0[p] = R(s0), e1[p] = R(s1);
            s0 = n0, s1 = n1;
        }
        d[2 * s] = R(s0), d[2 * s + 1] = R(s1);
        for (int v = 0; v < nv; ++v) c0[v] = Q::load(e0 + v * g), c1[v] = Q::load(e1 + v * g);
        pa1 = va1, pa2 = va2;
    }

    for (int r0 = 0; r0 < rn; r0 += g)
        for (int v = 0; v < nv; ++v) {
            V t[g];
            for (int i = 0; i < g; ++i) {
                t[i] = Q::add(Q::load(buf + (r0 + i) * kSub + v * g), c0[v]);
                const auto n0 = Q::fma(pa1, c0[v], c1[v]);
                c1[v] = Q::mul(pa2, c0[v]);
                c0[v] = n0;
            }
            Q::transpose(t);
            for (int i = 0; i < g; ++i) Q::store(y + (v * g + i) * rn + r0, t[i]);
        }
}

// A cascade over a block of L > 2 samples: the longest multiple of the
// lane stretch through the sub-block lanes (real types, no DF1 history to
// keep), the rest through the look-ahead stretches.
template <class R>
void cascade(const R* rec, const R* rows, R* d, int k, const R* x, R* y, int len, R* work, R* hist)
{
    if constexpr (!Real<R>::complex) {
        const int m = hist ? 0 : len / kLaneStretch<R> * kLaneStretch<R>;
        if (m > 0) {
            cascadeLanes(rows, d, k, x, y, m, work);
            if (len - m > 2) cascadeBlock(rec, rows, d, k, x + m, y + m, len - m, work, hist);
            else
                for (int i = m; i < len; ++i) y[i] = cascadeStep(rows, d, k, x[i], hist);
            return;
        }
    }
    cascadeBlock(rec, rows, d, k, x, y, len, work, hist);
}

template <class R>
void biquadBlock(IirState& st, const R* x, R* y, int len)
{
    const int k = st.numBq;
    const R* rows = at<const R>(st.rows);
    R* d = at<R>(st.dly);
    R* hist = at<R>(st.df1Hist);
    if (len <= 4 * k || !cascadeFits<R>(k)) {
        for (int i = 0; i < len; ++i) y[i] = cascadeStep(rows, d, k, x[i], hist);
        return;
    }
    cascade(at<const R>(st.recTab), rows, d, k, x, y, len, at<R>(st.work1), hist);
}

template <class R>
void arBlock(IirState& st, const R* x, R* y, int len)
{
    const int n = st.order;
    const R* taps = at<const R>(st.taps);
    R* d = at<R>(st.dly);
    if (st.dedicated2 && len > 2) {
        // Order two: the section kernel works on inputs and outputs directly.
        const R* a = taps + 3;
        const R row[8] = {taps[0], taps[1], taps[2], R(0), -a[0], -a[1], R(0), R(0)};
        cascade(at<const R>(st.recTab), row, d, 1, x, y, len, at<R>(st.work1), static_cast<R*>(nullptr));
        return;
    }
    if (st.dedicated2 || len <= 4 * n) {
        for (int i = 0; i < len; ++i) y[i] = arStep(taps, d, n, x[i]);
        return;
    }
    using Q = Lanes<R>;
    const R* b = taps;
    const R* a = taps + n + 1;
    const R* rec = at<const R>(st.recTab);
    R* t = at<R>(st.work1);

    // Numerator part for n..L-1, and the input share of the final delay
    // line (into t[0..n-1], unused by the recursion), before any output
    // overwrites an in-place source.
    constexpr int g = Q::G;
    int i = n;
    for (; i + g <= len; i += g) {
        auto acc = Q::mul(Q::bcast(b), Q::load(x + i));
        for (int j = 1; j <= n; ++j) acc = Q::add(acc, Q::mul(Q::bcast(b + j), Q::load(x + i - j)));
        Q::store(t + i, acc);
    }
    for (; i < len; ++i) {
        R acc = b[0] * x[i];
        for (int j = 1; j <= n; ++j) acc = acc + b[j] * x[i - j];
        t[i] = acc;
    }
    for (int k = 0; k < n; ++k) {
        R acc = b[k + 1] * x[len - 1];
        for (int m = 1; m <= n - 1 - k; ++m) acc = acc + b[k + 1 + m] * x[len - 1 - m];
        t[k] = acc;
    }

    for (i = 0; i < n; ++i) y[i] = arStep(taps, d, n, x[i]);

    typename Q::V col[g];
    for (int j = 0; j < g; ++j) col[j] = Q::load(rec + g - 1 - j);
    const R* c = rec + 2 * g;
    for (i = n; i + g <= len; i += g) {
        auto acc = feedForward<Q>(col, t + i);
        for (int m = 1; m <= n; ++m) acc = Q::add(acc, Q::mul(Q::load(c + g * (m - 1)), Q::bcast(y + i - m)));
        Q::store(y + i, acc);
    }
    for (; i < len; ++i) {
        R acc = t[i];
        for (int m = 1; m <= n; ++m) acc = acc - a[m - 1] * y[i - m];
        y[i] = acc;
    }

    // Output share: the delay line the single-sample step would have left.
    for (int k = 0; k < n; ++k) {
        R acc = t[k];
        for (int m = 0; m <= n - 1 - k; ++m) acc = acc - a[k + m] * y[len - 1 - m];
        d[k] = acc;
    }
    d[n] = R(0);
}

// DF1: each section over the whole vector in the order of summation
// ((b2·x2 + b1·x1) - a1·y1 - a2·y2) + b0·x.
template <class R>
void df1(IirState& st, const R* x, R* y, int len)
{
    const R* taps = at<const R>(st.taps);
    R* dly = at<R>(st.dly);
    for (int s = 0; s < st.order; ++s) {
        const R *c = taps + 5 * s, *in = s == 0 ? x : y;
        const R b0 = c[0], b1 = c[1], b2 = c[2], a1 = c[3], a2 = c[4];
        R* h = dly + 4 * s;
        R x2 = h[0], x1 = h[1], y2 = h[2], y1 = h[3];
        for (int i = 0; i < len; ++i) {
            const R xi = in[i];
            const R yi = (((b2 * x2 + b1 * x1) - a1 * y1) - a2 * y2) + b0 * xi;
            y[i] = yi;
            x2 = x1, x1 = xi, y2 = y1, y1 = yi;
        }
        h[0] = x2, h[1] = x1, h[2] = y2, h[3] = y1;
    }
}

template <class R>
constexpr Fns<R> row() { return {arBlock<R>, biquadBlock<R>, df1<R>}; }

} // namespace

extern const KernelTable table;
const KernelTable table = {row<float>(), row<double>(), row<Cx<float>>(), row<Cx<double>>()};

} // namespace orvs::iir::ORVS_TARGET
