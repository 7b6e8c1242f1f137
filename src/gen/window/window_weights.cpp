// Window weights, block by block: running sums for Bartlett, a cosine series
// for Hann, Hamming and Blackman, I0 ratios for Kaiser.
#include <cmath>
#include <type_traits>

#include "gen/window/window_engine.h"

namespace orvs::win {

double besselI0(double x)
{
    if (x < 3.75) {
        const double t = x / 3.75, t2 = t * t;
        return 1.0 + t2 * (3.5156229 + t2 * (3.0899424 + t2 * (1.2067492 + t2 * (0.2659732 + t2 * (0.0360768 + t2 * 0.0045813)))));
    }
    const double u = 3.75 / x;
    const double p = 0.39894228 +
                     u * (0.01328592 + u * (0.00225319 + u * (-0.00157565 + u * (0.00916281 +
                     u * (-0.02057706 + u * (0.02635537 + u * (-0.01647633 + u * 0.00392377)))))));
    return std::exp(x) / std::sqrt(x) * p;
}

template <class W>
Weights<W>::Weights(Kind kind, int len, double alpha, double beta)
    : kind_(kind), len_(len), alpha_(alpha), lanes_{}, laneStep_(0), theta_(0), steps_{}, inv_(1)
{
    if (kind == Kind::Bartlett) {
        // The step rounded once to the weight precision; four lanes start at
        // 0..3 steps and advance by four steps.
        const W step = static_cast<W>(2.0 / (len - 1));
        for (int j = 0; j < 4; ++j) lanes_[j] = static_cast<W>(j) * step;
        laneStep_ = W(4) * step;
    } else if (kind == Kind::Kaiser) {
        inv_ = 1.0 / besselI0(beta);
        alpha_ = std::fabs(alpha);
    } else {
        theta_ = tone::kTwoPi / (len - 1);
        steps_ = tone::stepsOf(1.0 / (len - 1));
    }
}

template <class W>
void Weights<W>::fill(int k, int m, W* w)
{
    switch (kind_) {
    case Kind::Bartlett:
        for (int i = 0; i < m; i += 4)
            for (int j = 0; j < 4; ++j) {
                if (i + j < m) w[i + j] = lanes_[j];
                lanes_[j] += laneStep_;
            }
        return;
    case Kind::Kaiser:
        for (int i = 0; i < m; ++i) {
            const double n = k + i;
            w[i] = static_cast<W>(besselI0(alpha_ * std::sqrt(n * (len_ - 1 - n))) * inv_);
        }
        return;
    default:
        break;
    }
    const CosShape shape = kind_ == Kind::Hann      ? CosShape{false, 0.5, 0.5, 0}
                           : kind_ == Kind::Hamming ? CosShape{false, 0.54, 0.46, 0}
                                                    : CosShape{true, 0, 0, alpha_};
    if constexpr (std::is_same_v<W, float>) kernels().cosWeights_32f(w, m, k * theta_, steps_, shape);
    else kernels().cosWeights_64f(w, m, k * theta_, steps_, shape);
}

template class Weights<float>;
template class Weights<double>;

} // namespace orvs::win
