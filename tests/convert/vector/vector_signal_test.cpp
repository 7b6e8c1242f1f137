// Ramp (half away from zero) and Slope (nearest even, accumulated in single
// precision) against models, saturation, the caller's rounding mode.
#include <gtest/gtest.h>

#include <algorithm>
#include <cfenv>
#include <cmath>
#include <limits>

#include "test_util.h"

using namespace orvs_test;

namespace {

template <class T> struct Sig;
#define ORVS_VEC_SIG(code, T) \
    template <> struct Sig<T> { static constexpr auto ramp = orvsVectorRamp_##code; static constexpr auto slope = orvsVectorSlope_##code; };
ORVS_VEC_SIG(8u, Orv8u) ORVS_VEC_SIG(8s, Orv8s) ORVS_VEC_SIG(16u, Orv16u) ORVS_VEC_SIG(16s, Orv16s)
ORVS_VEC_SIG(32u, Orv32u) ORVS_VEC_SIG(32s, Orv32s) ORVS_VEC_SIG(32f, Orv32f) ORVS_VEC_SIG(64f, Orv64f)
#undef ORVS_VEC_SIG

template <class T>
T clampTo(double v)
{
    using L = std::numeric_limits<T>;
    if (std::isnan(v) || v <= double(L::min())) return L::min();
    return v >= double(L::max()) ? L::max() : T(v);
}

double halfAway(double v) { return v > 0 ? std::trunc(v + 0.5) : std::trunc(v - 0.5); }

template <class T>
T rampModel(float offset, float slope, int n)
{
    const float v = offset + slope * float(n);
    if constexpr (std::is_same_v<T, Orv32f>) return v;
    else if constexpr (std::is_same_v<T, Orv64f>) return double(offset) + double(slope) * n;
    else return clampTo<T>(halfAway(v));
}

// The head accumulated in single precision (k*slope, +4*slope per group,
// +16*slope per block), plus the offset, nearest even; then the limit.
template <class T>
std::vector<T> slopeModel(double offset, double slope, int len)
{
    std::vector<T> out(len);
    if constexpr (std::is_floating_point_v<T>) {
        for (int n = 0; n < len; ++n) out[n] = T(offset + slope * n);
    } else {
        using L = std::numeric_limits<T>;
        if (slope == 0) return std::vector<T>(len, clampTo<T>(halfAway(offset)));
        const double bound = slope > 0 ? double(L::max()) : double(L::min());
        const double exit = std::trunc(1 + (bound - offset) / slope);
        const long long head = !(exit > 0) ? 0 : exit > 2147483647.0 ? 2147483647LL : (long long)exit;
        const float s = float(slope), o = float(offset);
        for (long long n = 0; n < len; ++n) {
            float acc = float(n % 4) * s;
            for (long long g = 0; g < (n % 16) / 4; ++g) acc += 4.0f * s;
            for (long long b = 0; b < n / 16 && n < head; ++b) acc += 16.0f * s;
            out[n] = n >= head ? (slope > 0 ? L::max() : L::min()) : clampTo<T>(std::nearbyint(double(acc + o)));
        }
    }
    return out;
}

template <class T> class VectorSignal : public ::testing::Test {};
using SignalTypes = ::testing::Types<Orv8u, Orv8s, Orv16u, Orv16s, Orv32u, Orv32s, Orv32f, Orv64f>;
TYPED_TEST_SUITE(VectorSignal, SignalTypes);

} // namespace

TYPED_TEST(VectorSignal, RampAndSlopeMatchModels)
{
    using T = TypeParam;
    std::mt19937 rng(11);
    const double range = std::is_floating_point_v<T> ? 1e6 : double(std::numeric_limits<T>::max());
    std::uniform_real_distribution<double> off(-1.5 * range, 1.5 * range), sl(-range / 50, range / 50), sl2(-range / 300, range / 300);
    for (int len : oddLengths()) {
        for (int trial = 0; trial < 5; ++trial) {
            const float o = trial == 0 ? 0.5f : trial == 1 ? -0.5f : float(off(rng));
            const float s = trial == 0 ? 0.25f : trial == 1 ? -0.5f : float(sl(rng));  // exact halves first
            const double so = trial == 0 ? 0.5 : trial == 1 ? 2.5 : off(rng) / 1.25;
            const double ss = trial == 0 ? 1.0 : trial <= 2 ? 0.0 : sl2(rng);
            Unaligned<T> r(len), d(len);
            ASSERT_EQ(Sig<T>::ramp(r.data(), len, o, s) | Sig<T>::slope(d.data(), len, so, ss), orvStsOk);
            const std::vector<T> expect = slopeModel<T>(so, ss, len);
            for (int n = 0; n < len; ++n)
                ASSERT_TRUE(r[n] == rampModel<T>(o, s, n) && d[n] == expect[n]) << "len " << len << " n " << n << " ramp " << o << " " << s << " slope " << so << " " << ss;
            // near the exact line: the rounding plus each addition's single-precision error
            for (int n = 0; !std::is_floating_point_v<T> && n < std::min(len, 257); ++n) {
                const double exact = std::clamp(so + ss * n, double(std::numeric_limits<T>::min()), double(std::numeric_limits<T>::max()));
                ASSERT_LE(std::fabs(double(d[n]) - exact), 1.0 + (n / 16 + 6) * (std::fabs(so) + std::fabs(ss) * n) * 0x1p-23) << n;
            }
        }
    }
}

TEST(VectorSignalEdges, RoundingSaturationAndCallerMode)
{
    auto ramp = [](float o, float s, int n) { std::vector<Orv16s> d(n); EXPECT_EQ(orvsVectorRamp_16s(d.data(), n, o, s), orvStsOk); return d; };
    auto slope = [](double o, double s, int n) { std::vector<Orv16s> d(n); EXPECT_EQ(orvsVectorSlope_16s(d.data(), n, o, s), orvStsOk); return d; };
    EXPECT_TRUE(ramp(0.5f, 1.0f, 3) == (std::vector<Orv16s>{1, 2, 3}) && slope(0.5, 1.0, 3) == (std::vector<Orv16s>{0, 2, 2}));  // the two roundings
    // 32-bit lines are computed in single precision: 4294967290 is 2^32 there
    Orv32u q[3];
    EXPECT_TRUE(orvsVectorSlope_32u(q, 3, 4294967290.0, -1.0) == orvStsOk && q[0] == 4294967295u);
    // the chirp: len 1 writes 0, a negative magnitude is refused after the other checks
    Orv16s j[3] = {7, 7, 7};
    EXPECT_EQ(orvsVectorJaehne_16s(j, 3, -1), orvStsErrJaehneMagnitude);
    ASSERT_EQ(orvsVectorJaehne_16s(j, 1, 100), orvStsOk);
    EXPECT_TRUE(j[0] == 0 && j[1] == 7);
    const auto ref = slope(0.5, 0.3, 37);
    const int saved = std::fegetround();
    std::fesetround(FE_UPWARD);
    const auto got = slope(0.5, 0.3, 37);
    EXPECT_EQ(std::fegetround(), FE_UPWARD);
    std::fesetround(saved);
    EXPECT_EQ(ref, got);
}
