// Kernels of the IIR family: one block (at most kBlock samples) of the
// internal type, in place or not. iir_kernels.cpp is compiled once per
// instruction-set target; the engine reaches its row through kernels().
#pragma once
#include "filter/iir/iir_state.h"

namespace orvs::iir {

// Single-sample steps, shared by IIROne and the kernels.

// Transposed form II of order N; d has N+1 values, d[N] stays 0.
template <class R>
inline R arStep(const R* taps, R* d, int n, R x)
{
    const R* b = taps;
    const R* a = taps + n + 1;
    const R y = b[0] * x + d[0];
    for (int k = 0; k < n; ++k) d[k] = (b[k + 1] * x - a[k] * y) + d[k + 1];
    return y;
}

// One section from its row b0 b1 b2 0 -a1 -a2 0 0 and its two delays.
template <class R>
inline R biquadStep(const R* row, R* d, R x)
{
    const R y = row[0] * x + d[0];
    d[0] = (row[1] * x + row[4] * y) + d[1];
    d[1] = row[2] * x + row[5] * y;
    return y;
}

// The cascade; hist (null unless the record keeps DF1 history) receives
// each section's last two inputs and outputs.
template <class R>
inline R cascadeStep(const R* rows, R* d, int k, R x, R* hist)
{
    for (int s = 0; s < k; ++s) {
        const R y = biquadStep(rows + 8 * s, d + 2 * s, x);
        if (hist) {
            R* h = hist + 4 * s;
            h[0] = h[1], h[1] = x, h[2] = h[3], h[3] = y;
        }
        x = y;
    }
    return x;
}

// What the blocks of one filtering call share: the powers of the state
// matrices over the sub-block length of a full block (the first stages
// that fit), worked out by the first block that needs them.
struct LaneCache {
    static constexpr int kValues = 256;
    int rows = 0, stages = 0;
    double p[kValues];
};

template <class R>
struct Fns {
    // One block of L <= kBlock samples; x == y is allowed.
    void (*ar)(IirState& st, const R* x, R* y, int len, LaneCache& cache);
    void (*biquad)(IirState& st, const R* x, R* y, int len, LaneCache& cache);
    // A whole vector, section after section (DF1 has no blocks).
    void (*df1)(IirState& st, const R* x, R* y, int len, LaneCache& cache);
};

struct KernelTable {
    Fns<float> f32;
    Fns<double> f64;
    Fns<Cx<float>> c32;
    Fns<Cx<double>> c64;
};

const KernelTable& kernels();

template <class R>
inline const Fns<R>& fns()
{
    if constexpr (std::is_same_v<R, float>) return kernels().f32;
    else if constexpr (std::is_same_v<R, double>) return kernels().f64;
    else if constexpr (std::is_same_v<R, Cx<float>>) return kernels().c32;
    else return kernels().c64;
}

} // namespace orvs::iir
