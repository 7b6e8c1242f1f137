// IIR block kernels, compiled once per instruction-set target.
//
// Long blocks of the real types go through the sub-block lanes (lanesRun
// below); what is left of a block, and the complex types, through the
// look-ahead groups: a group of G outputs (four; eight in single precision,
// one 256-bit register) is produced per step. With t[n] the numerator part
// of the output, h the impulse response of the recursion 1/A(z) and y[n-1] ..
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

// Sub-block lanes. A stretch of M samples is seen as nl sub-blocks of rn
// consecutive samples, one per vector lane, and held transposed in the work
// buffer (row r: sample r of every sub-block), so that one vector step
// advances nl independent recursions. A stage (one biquad section, or a
// whole AR filter of order N) first runs from a zero state in every
// sub-block but the first, which starts from the stage's delay line, in the
// state-space form of the transposed form II
//     y = b0·x + d0,   dk' = -a(k+1)·d0 + d(k+1) + (b(k+1) - a(k+1)·b0)·x   (dN = 0)
// with explicit multiply-adds. The recursion is linear, so the true start
// state of sub-block p is then carried across the sub-blocks in double
// precision (S[p+1] = e[p] + A^rn·S[p], e the zero-state end states, A the
// state matrix), and its free response A^r·S[p] is added to the outputs
// while they feed the next stage (or leave the block). Only the carried
// states pass between sub-blocks, so the vector recursions never wait for
// each other.
constexpr int kMaxLaneOrder = 8;

// Vectors per row: enough independent recursions to cover the latency of
// a multiply-add while the state stays in registers.
template <class R, int N>
constexpr int kLaneVectors = N <= 4 ? 2 : 1;
// Samples per stretch: rn must be a multiple of the transposed tile.
template <class R, int N>
constexpr int kLaneStretch = kLaneVectors<R, N> * kGroup<R> * kGroup<R>;

// The samples of a block the lanes take: whole stretches, and only when
// every sub-block has at least 16 rows (shorter ones lose more to carrying
// the states than they gain; at 8 rows the look-ahead groups are faster).
template <class R, int N>
int lanesLength(int len)
{
    constexpr int stretch = kLaneStretch<R, N>, lanes = kLaneVectors<R, N> * kGroup<R>;
    const int m = len / stretch * stretch;
    return m >= 16 * lanes ? m : 0;
}

// One stage: b0, B[k] = b(k+1) - a(k+1)·b0 and na[k] = -a(k+1).
template <class R, int N>
struct Stage {
    R b0, B[N], na[N];
};

// b: b0..bN; na: -a1..-aN.
template <class R, int N>
Stage<R, N> stageOf(const R* b, const R* na)
{
    Stage<R, N> st;
    st.b0 = b[0];
    for (int k = 0; k < N; ++k) st.na[k] = na[k], st.B[k] = b[k + 1] + na[k] * b[0];
    return st;
}

// p = A^e for the state matrix of order n (A[k][0] = na[k], A[k][k+1] = 1).
// Order two by squaring. Higher orders step by step as the recursion itself
// runs (column j is A applied e times to the unit vector j; the columns are
// independent chains advanced side by side): their powers grow a long way
// before they decay, and squaring loses too much on the way.
inline void statePower(const double* na, int n, int e, double* p)
{
    if (n <= 2) {
        double b[4] = {na[0], 1, n == 2 ? na[1] : 0, 0}, q[4] = {1, 0, 0, 1};
        auto mul = [](const double* u, const double* v, double* o) {
            const double r[4] = {u[0] * v[0] + u[1] * v[2], u[0] * v[1] + u[1] * v[3], u[2] * v[0] + u[3] * v[2], u[2] * v[1] + u[3] * v[3]};
            std::copy(r, r + 4, o);
        };
        for (; e > 0; e >>= 1) {
            if (e & 1) mul(q, b, q);
            if (e > 1) mul(b, b, b);
        }
        if (n == 2) std::copy(q, q + 4, p);
        else p[0] = q[0];
        return;
    }
    double v[kMaxLaneOrder][kMaxLaneOrder] = {};  // v[j]: column j
    for (int j = 0; j < n; ++j) v[j][j] = 1;
    for (int t = 0; t < e; ++t)
        for (int j = 0; j < n; ++j) {
            const double v0 = v[j][0];
            for (int k = 0; k + 1 < n; ++k) v[j][k] = na[k] * v0 + v[j][k + 1];
            v[j][n - 1] = na[n - 1] * v0;
        }
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) p[i * n + j] = v[j][i];
}

// A^rn of stage s: from the call's cache when it holds it, else worked out
// (and kept when there is room).
inline const double* powerOf(LaneCache& c, int s, const double* na, int n, int rn, double* local)
{
    const int size = n * n, fits = LaneCache::kValues / size;
    if (c.rows == rn && s < c.stages) return c.p + s * size;
    statePower(na, n, rn, local);
    if (s < fits && (c.rows != rn ? s == 0 : s == c.stages)) {
        c.rows = rn, c.stages = s + 1;
        std::copy(local, local + size, c.p + s * size);
    }
    return local;
}

// ns stages of order N over m samples (a multiple of the stretch); d holds
// N delay values per stage; coef(s) gives stage s.
template <class R, int N, class Coef>
void lanesRun(Coef coef, int ns, R* d, const R* x, R* y, int m, R* buf, LaneCache& cache)
{
    using Q = Lanes<R>;
    using V = typename Q::V;
    constexpr int g = Q::G, nv = kLaneVectors<R, N>, nl = nv * g;
    const int rn = m / nl;

    for (int r0 = 0; r0 < rn; r0 += g)
        for (int v = 0; v < nv; ++v) {
            V t[g];
            for (int i = 0; i < g; ++i) t[i] = Q::load(x + (v * g + i) * rn + r0);
            Q::transpose(t);
            for (int i = 0; i < g; ++i) Q::store(buf + (r0 + i) * nl + v * g, t[i]);
        }

    // Free response of the previous stage still to be added to its outputs
    // (c[0] is the correction of the current row), with its denominator.
    V c[N][nv], pa[N];
    for (int k = 0; k < N; ++k) pa[k] = Q::set1(R(0));
    auto advance = [&](int v) {
        const auto c0 = c[0][v];
        for (int k = 0; k + 1 < N; ++k) c[k][v] = Q::fma(pa[k], c0, c[k + 1][v]);
        c[N - 1][v] = Q::mul(pa[N - 1], c0);
    };
    alignas(32) R e[N][nl];
    for (int s = 0; s < ns; ++s) {
        const Stage<R, N> st = coef(s);
        double na[N], local[N * N];
        for (int k = 0; k < N; ++k) na[k] = double(st.na[k]);
        const double* a = powerOf(cache, s, na, N, rn, local);
        V vB[N], va[N];
        const auto vb0 = Q::set1(st.b0);
        for (int k = 0; k < N; ++k) vB[k] = Q::set1(st.B[k]), va[k] = Q::set1(st.na[k]);
        for (int k = 0; k < N; ++k) {
            std::fill(e[k], e[k] + nl, R(0));
            e[k][0] = d[N * s + k];
        }
        // Order two keeps d1 as its two parts, -a2·d0 of the row before (dp)
        // and (b2 - a2·b0)·x of the row before (bx), so that no dependency
        // chain is longer than one multiply-add per row.
        V dv[N][nv], dp[nv], bx[nv];
        for (int v = 0; v < nv; ++v) {
            for (int k = 0; k < N; ++k) dv[k][v] = Q::load(e[k] + v * g);
            bx[v] = dv[N - 1][v], dp[v] = Q::set1(R(0));
        }
        auto step = [&](R* at, int v, auto fix) {
            auto xv = Q::load(at);
            if constexpr (decltype(fix)::value) {
                xv = Q::add(xv, c[0][v]);
                advance(v);
            }
            const auto d0 = dv[0][v];
            Q::store(at, Q::fma(vb0, xv, d0));
            if constexpr (N == 2) {
                dv[0][v] = Q::fma(va[0], d0, Q::fma(va[1], dp[v], Q::fma(vB[0], xv, bx[v])));
                dp[v] = d0;
                bx[v] = Q::mul(vB[1], xv);
            } else {
                for (int k = 0; k + 1 < N; ++k) dv[k][v] = Q::fma(va[k], d0, Q::fma(vB[k], xv, dv[k + 1][v]));
                dv[N - 1][v] = Q::fma(va[N - 1], d0, Q::mul(vB[N - 1], xv));
            }
        };
        for (int r = 0; r < rn; ++r) {
            // The first stage also asks for the samples after these (the
            // next block of a long call), one row's worth at a time.
            if (s == 0) __builtin_prefetch(x + m + r * nl);
            for (int v = 0; v < nv; ++v) {
                if (s == 0) step(buf + r * nl + v * g, v, std::false_type{});
                else step(buf + r * nl + v * g, v, std::true_type{});
            }
        }
        if constexpr (N == 2)
            for (int v = 0; v < nv; ++v) dv[1][v] = Q::fma(va[1], dp[v], bx[v]);
        for (int k = 0; k < N; ++k)
            for (int v = 0; v < nv; ++v) Q::store(e[k] + v * g, dv[k][v]);

        // True start states: sub-block 0 ran from the delay line, so its end
        // state is exact. e then holds each sub-block's start state.
        double sv[N], nx[N];
        for (int k = 0; k < N; ++k) sv[k] = double(e[k][0]), e[k][0] = R(0);
        for (int p = 1; p < nl; ++p) {
            for (int i = 0; i < N; ++i) {
                double acc = 0;
                for (int j = 0; j < N; ++j) acc += a[i * N + j] * sv[j];
                nx[i] = double(e[i][p]) + acc;
            }
            for (int k = 0; k < N; ++k) e[k][p] = R(sv[k]), sv[k] = nx[k];
        }
        for (int k = 0; k < N; ++k) d[N * s + k] = R(sv[k]);
        for (int k = 0; k < N; ++k) {
            pa[k] = va[k];
            for (int v = 0; v < nv; ++v) c[k][v] = Q::load(e[k] + v * g);
        }
    }

    for (int r0 = 0; r0 < rn; r0 += g)
        for (int v = 0; v < nv; ++v) {
            V t[g];
            for (int i = 0; i < g; ++i) {
                t[i] = Q::add(Q::load(buf + (r0 + i) * nl + v * g), c[0][v]);
                advance(v);
            }
            Q::transpose(t);
            for (int i = 0; i < g; ++i) Q::store(y + (v * g + i) * rn + r0, t[i]);
        }
}

// A cascade over a block of L > 2 samples: the longest multiple of the
// lane stretch through the sub-block lanes (real types, no DF1 history to
// keep), the rest through the look-ahead stretches.
template <class R>
void cascade(const R* rec, const R* rows, R* d, int k, const R* x, R* y, int len, R* work, R* hist, LaneCache& cache)
{
    if constexpr (!Real<R>::complex) {
        const int m = hist ? 0 : lanesLength<R, 2>(len);
        if (m > 0) {
            auto coef = [rows](int s) { return stageOf<R, 2>(rows + 8 * s, rows + 8 * s + 4); };
            lanesRun<R, 2>(coef, k, d, x, y, m, work, cache);
            if (len - m > 2) cascadeBlock(rec, rows, d, k, x + m, y + m, len - m, work, hist);
            else
                for (int i = m; i < len; ++i) y[i] = cascadeStep(rows, d, k, x[i], hist);
            return;
        }
    }
    cascadeBlock(rec, rows, d, k, x, y, len, work, hist);
}

template <class R>
void biquadBlock(IirState& st, const R* x, R* y, int len, LaneCache& cache)
{
    const int k = st.numBq;
    const R* rows = at<const R>(st.rows);
    R* d = at<R>(st.dly);
    R* hist = at<R>(st.df1Hist);
    if (len <= 4 * k || !cascadeFits<R>(k)) {
        for (int i = 0; i < len; ++i) y[i] = cascadeStep(rows, d, k, x[i], hist);
        return;
    }
    cascade(at<const R>(st.recTab), rows, d, k, x, y, len, at<R>(st.work1), hist, cache);
}

// An AR filter of order N through the sub-block lanes over the longest
// multiple of the stretch; returns the samples done.
template <class R, int N>
int arLanes(IirState& st, const R* x, R* y, int len, LaneCache& cache)
{
    const int m = lanesLength<R, N>(len);
    if (m == 0) return 0;
    const R* taps = at<const R>(st.taps);
    R na[N];
    for (int k = 0; k < N; ++k) na[k] = -taps[N + 1 + k];
    const Stage<R, N> stage = stageOf<R, N>(taps, na);
    lanesRun<R, N>([&stage](int) { return stage; }, 1, at<R>(st.dly), x, y, m, at<R>(st.work1), cache);
    return m;
}

template <class R>
int arLanesAny(IirState& st, const R* x, R* y, int len, LaneCache& cache)
{
    if constexpr (Real<R>::complex) return 0;
    else switch (st.order) {
        case 1: return arLanes<R, 1>(st, x, y, len, cache);
        case 2: return arLanes<R, 2>(st, x, y, len, cache);
        case 3: return arLanes<R, 3>(st, x, y, len, cache);
        case 4: return arLanes<R, 4>(st, x, y, len, cache);
        case 5: return arLanes<R, 5>(st, x, y, len, cache);
        case 6: return arLanes<R, 6>(st, x, y, len, cache);
        case 7: return arLanes<R, 7>(st, x, y, len, cache);
        case 8: return arLanes<R, 8>(st, x, y, len, cache);
        default: return 0;
    }
}

template <class R>
void arLookAhead(IirState& st, const R* x, R* y, int len);

template <class R>
void arBlock(IirState& st, const R* x, R* y, int len, LaneCache& cache)
{
    const int n = st.order;
    const R* taps = at<const R>(st.taps);
    R* d = at<R>(st.dly);
    if (st.dedicated2 && len > 2) {
        // Order two: the section kernel works on inputs and outputs directly.
        const R* a = taps + 3;
        const R row[8] = {taps[0], taps[1], taps[2], R(0), -a[0], -a[1], R(0), R(0)};
        cascade(at<const R>(st.recTab), row, d, 1, x, y, len, at<R>(st.work1), static_cast<R*>(nullptr), cache);
        return;
    }
    if (st.dedicated2 || len <= 4 * n) {
        for (int i = 0; i < len; ++i) y[i] = arStep(taps, d, n, x[i]);
        return;
    }
    const int m = arLanesAny(st, x, y, len, cache);
    if (len - m <= 4 * n)
        for (int i = m; i < len; ++i) y[i] = arStep(taps, d, n, x[i]);
    else
        arLookAhead(st, x + m, y + m, len - m);
}

// Numerator pass and look-ahead recursion over L > 4N samples.
template <class R>
void arLookAhead(IirState& st, const R* x, R* y, int len)
{
    const int n = st.order;
    const R* taps = at<const R>(st.taps);
    R* d = at<R>(st.dly);
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
void df1(IirState& st, const R* x, R* y, int len, LaneCache&)
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
