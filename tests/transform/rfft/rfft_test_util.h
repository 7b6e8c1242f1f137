// Reference model for the real FFT tests: the definition of the DFT summed in
// long double, with angles reduced exactly (n k mod N) before the table
// lookup, and the three packed layouts described independently of the
// library.
#pragma once
#include <cmath>
#include <complex>
#include <cstdlib>
#include <vector>

#include "test_util.h"

namespace rfft_test {
using orvs_test::quick;

using LD = long double;
using CLD = std::complex<LD>;

enum Layout { kPack = 0, kPerm = 1, kCcs = 2 };
inline const char* layoutName(int l) { return l == kPack ? "Pack" : l == kPerm ? "Perm" : "CCS"; }

// Number of real values a layout holds for length n (CCS of one value is
// the value and one zero).
inline int layoutLength(int n, int layout) { return layout == kCcs ? (n == 1 ? 2 : n + 2) : n; }

class TurnTable {
public:
    explicit TurnTable(int n) : n_(n), c_(n), s_(n)
    {
        const LD twoPi = 6.283185307179586476925286766559005768L;
        for (int m = 0; m < n; ++m) {
            c_[m] = cosl(twoPi * m / n);
            s_[m] = sinl(twoPi * m / n);
        }
    }
    // exp(-2 pi i m / n)
    CLD fwd(long long m) const
    {
        const int i = static_cast<int>(m % n_);
        return {c_[i], -s_[i]};
    }

private:
    int n_;
    std::vector<LD> c_, s_;
};

// X[k] = sum x[t] exp(-2 pi i t k / N) for the requested bins.
template <class T>
std::vector<CLD> dftBins(const std::vector<T>& x, const std::vector<int>& bins)
{
    const int n = static_cast<int>(x.size());
    TurnTable w(n);
    std::vector<CLD> out;
    for (int k : bins) {
        CLD acc = 0;
        for (int t = 0; t < n; ++t) acc += static_cast<LD>(x[t]) * w.fwd(static_cast<long long>(t) * k);
        out.push_back(acc);
    }
    return out;
}

// X[0..N/2].
template <class T>
std::vector<CLD> halfSpectrum(const std::vector<T>& x)
{
    std::vector<int> bins;
    for (int k = 0; k <= static_cast<int>(x.size()) / 2; ++k) bins.push_back(k);
    return dftBins(x, bins);
}

// x[t] = sum over the full Hermitian spectrum of X[k] exp(+2 pi i t k / N);
// X[0] and X[N/2] count with their real parts only.
inline std::vector<LD> inverseFromHalf(const std::vector<CLD>& h, int n)
{
    TurnTable w(n);
    std::vector<LD> x(n);
    for (int t = 0; t < n; ++t) {
        LD acc = h[0].real();
        if (n > 1) acc += ((t & 1) ? -1 : 1) * h[n / 2].real();
        for (int k = 1; k < n / 2; ++k) {
            const CLD e = std::conj(w.fwd(static_cast<long long>(t) * k));
            acc += 2 * (h[k] * e).real();
        }
        x[t] = acc;
    }
    return x;
}

// The layouts as plain index maps.
template <class T>
std::vector<CLD> unpackLayout(const T* v, int n, int layout)
{
    std::vector<CLD> h(n / 2 + 1);
    h[0] = static_cast<LD>(v[0]);
    if (n == 1) return h;
    for (int k = 1; k < n / 2; ++k) {
        const int re = layout == kPack ? 2 * k - 1 : 2 * k;
        h[k] = CLD(static_cast<LD>(v[re]), static_cast<LD>(v[re + 1]));
    }
    const int nyq = layout == kPack ? n - 1 : layout == kPerm ? 1 : n;
    h[n / 2] = static_cast<LD>(v[nyq]);
    return h;
}

template <class T>
std::vector<T> packLayout(const std::vector<CLD>& h, int n, int layout)
{
    std::vector<T> v(layoutLength(n, layout), T(0));
    v[0] = static_cast<T>(h[0].real());
    if (n == 1) return v;
    for (int k = 1; k < n / 2; ++k) {
        const int re = layout == kPack ? 2 * k - 1 : 2 * k;
        v[re] = static_cast<T>(h[k].real());
        v[re + 1] = static_cast<T>(h[k].imag());
    }
    const int nyq = layout == kPack ? n - 1 : layout == kPerm ? 1 : n;
    v[nyq] = static_cast<T>(h[n / 2].real());
    return v;
}


}  // namespace rfft_test
