// Straight-line real transforms for N = 1 .. 16. Each length is a template
// instance of a split into even and odd samples; all loops have constant
// bounds and the twiddles are constants, so every instance compiles to
// straight-line code. Twiddles of 0, a quarter and a half turn are applied
// as exact sign changes and swaps.
#pragma once
#include <utility>

namespace orvs::rfft::small {

template <class T>
struct Cx {
    T re, im;
};

// cos and sin of 2 pi m / 16, m = 0..8.
inline constexpr long double kCos16[9] = {
    1.0L, 0.923879532511286756128183189396788933L, 0.707106781186547524400844362104849039L,
    0.382683432365089771728459984030398866L, 0.0L, -0.382683432365089771728459984030398866L,
    -0.707106781186547524400844362104849039L, -0.923879532511286756128183189396788933L, -1.0L};
inline constexpr long double kSin16[9] = {
    0.0L, 0.382683432365089771728459984030398866L, 0.707106781186547524400844362104849039L,
    0.923879532511286756128183189396788933L, 1.0L, 0.923879532511286756128183189396788933L,
    0.707106781186547524400844362104849039L, 0.382683432365089771728459984030398866L, 0.0L};

template <int Begin, int End, class F>
inline void staticFor(F&& f)
{
    if constexpr (Begin < End) {
        f(std::integral_constant<int, Begin>{});
        staticFor<Begin + 1, End>(f);
    }
}

// w * o for w = exp(-2 pi i m / 16) (Inverse: exp(+2 pi i m / 16)).
template <int M, bool Inverse, class T>
inline Cx<T> turn(Cx<T> o)
{
    constexpr T c = static_cast<T>(kCos16[M]);
    constexpr T s = Inverse ? -static_cast<T>(kSin16[M]) : static_cast<T>(kSin16[M]);
    if constexpr (M == 0) return o;
    else if constexpr (M == 8) return {-o.re, -o.im};
    else if constexpr (M == 4) {
        if constexpr (Inverse) return {-o.im, o.re};
        else return {o.im, -o.re};
    } else {
        return {c * o.re + s * o.im, c * o.im - s * o.re};
    }
}

// Half spectrum X[0..N/2] of the N real values x[0], x[S], x[2S], ...
template <int N, int S, class T>
inline void forwardHalf(const T* x, Cx<T>* X)
{
    if constexpr (N == 1) {
        X[0] = {x[0], T(0)};
    } else if constexpr (N == 2) {
        X[0] = {x[0] + x[S], T(0)};
        X[1] = {x[0] - x[S], T(0)};
    } else {
        Cx<T> E[N / 4 + 1], O[N / 4 + 1];
        forwardHalf<N / 2, 2 * S>(x, E);
        forwardHalf<N / 2, 2 * S>(x + S, O);
        staticFor<0, N / 2 + 1>([&](auto kc) {
            constexpr int k = decltype(kc)::value;
            // E and O have period N/2 and conjugate symmetry.
            constexpr bool mirrored = k > N / 4;
            constexpr int i = mirrored ? N / 2 - k : k;
            const Cx<T> e = mirrored ? Cx<T>{E[i].re, -E[i].im} : E[i];
            const Cx<T> o = mirrored ? Cx<T>{O[i].re, -O[i].im} : O[i];
            const Cx<T> t = turn<k * 16 / N, false>(o);
            X[k] = {e.re + t.re, e.im + t.im};
        });
        X[0].im = T(0);
        X[N / 2].im = T(0);
    }
}

// x[0], x[S], ... (N values) from the half spectrum H[0..N/2]; the imaginary
// parts of H[0] and H[N/2] are not read.
template <int N, int S, class T>
inline void inverseHalf(const Cx<T>* H, T* x)
{
    if constexpr (N == 1) {
        x[0] = H[0].re;
    } else if constexpr (N == 2) {
        x[0] = H[0].re + H[1].re;
        x[S] = H[0].re - H[1].re;
    } else {
        // Even outputs: inverse of H[k] + H[k + N/2]; odd outputs: inverse of
        // (H[k] - H[k + N/2]) exp(+2 pi i k / N); H[k + N/2] = conj H[N/2 - k].
        Cx<T> E[N / 4 + 1], O[N / 4 + 1];
        E[0] = {H[0].re + H[N / 2].re, T(0)};
        O[0] = {H[0].re - H[N / 2].re, T(0)};
        staticFor<1, N / 4 + 1>([&](auto kc) {
            constexpr int k = decltype(kc)::value;
            const Cx<T> a = H[k];
            const Cx<T> b = {H[N / 2 - k].re, -H[N / 2 - k].im};
            E[k] = {a.re + b.re, a.im + b.im};
            O[k] = turn<k * 16 / N, true>(Cx<T>{a.re - b.re, a.im - b.im});
        });
        E[N / 4].im = T(0);
        O[N / 4].im = T(0);
        inverseHalf<N / 2, 2 * S>(E, x);
        inverseHalf<N / 2, 2 * S>(O, x + S);
    }
}

// Forward transform of order 0..4 into a CCS array of N + 2 values.
template <class T>
inline void forwardCcs(int order, const T* x, T* ccs)
{
    Cx<T> X[9];
    switch (order) {
    case 0: forwardHalf<1, 1>(x, X); break;
    case 1: forwardHalf<2, 1>(x, X); break;
    case 2: forwardHalf<4, 1>(x, X); break;
    case 3: forwardHalf<8, 1>(x, X); break;
    default: forwardHalf<16, 1>(x, X); break;
    }
    const int half = (1 << order) / 2;
    if (order == 0) {
        ccs[0] = X[0].re;
        ccs[1] = T(0);
        return;
    }
    for (int k = 0; k <= half; ++k) {
        ccs[2 * k] = X[k].re;
        ccs[2 * k + 1] = X[k].im;
    }
}

// Inverse transform of order 0..4 from a CCS array of N + 2 values.
template <class T>
inline void inverseCcs(int order, const T* ccs, T* x)
{
    Cx<T> H[9];
    const int half = (1 << order) / 2;
    for (int k = 0; k <= half; ++k) H[k] = {ccs[2 * k], ccs[2 * k + 1]};
    switch (order) {
    case 0: inverseHalf<1, 1>(H, x); break;
    case 1: inverseHalf<2, 1>(H, x); break;
    case 2: inverseHalf<4, 1>(H, x); break;
    case 3: inverseHalf<8, 1>(H, x); break;
    default: inverseHalf<16, 1>(H, x); break;
    }
}

}  // namespace orvs::rfft::small
