// Jaehne chirp, Ramp and Slope: check order, exact values against reference
// models written from the rules, saturation, and the rounding difference
// between Ramp (half away from zero) and Slope (nearest even).
#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <type_traits>
#include <vector>

#include "test_util.h"

namespace {

template <class T> struct Sig;
#define VEC_SIG(code, T)                                                                                   \
    template <> struct Sig<T> {                                                                            \
        static OrvStatus jaehne(T* d, int n, T m) { return orvsVectorJaehne_##code(d, n, m); }             \
        static OrvStatus ramp(T* d, int n, float o, float s) { return orvsVectorRamp_##code(d, n, o, s); } \
        static OrvStatus slope(T* d, int n, double o, double s) { return orvsVectorSlope_##code(d, n, o, s); } \
    };
VEC_SIG(8u, Orv8u)
VEC_SIG(8s, Orv8s)
VEC_SIG(16u, Orv16u)
VEC_SIG(16s, Orv16s)
VEC_SIG(32u, Orv32u)
VEC_SIG(32s, Orv32s)
VEC_SIG(32f, Orv32f)
VEC_SIG(64f, Orv64f)

template <class T>
T clampToType(double v)
{
    if (std::isnan(v)) return std::numeric_limits<T>::min();
    if (v >= static_cast<double>(std::numeric_limits<T>::max())) return std::numeric_limits<T>::max();
    if (v <= static_cast<double>(std::numeric_limits<T>::min())) return std::numeric_limits<T>::min();
    return static_cast<T>(v);
}

double halfAway(double v) { return v > 0 ? std::trunc(v + 0.5) : std::trunc(v - 0.5); }

template <class T>
T rampModel(float offset, float slope, int n)
{
    const float v = offset + slope * static_cast<float>(n);
    if constexpr (std::is_same_v<T, Orv32f>) return v;
    else if constexpr (std::is_same_v<T, Orv64f>) return static_cast<double>(offset) + static_cast<double>(slope) * n;
    else return clampToType<T>(halfAway(static_cast<double>(v)));
}

// The slope rule: saturated tail from the exit index, the head accumulated in
// single precision lane by lane (k*slope, +4*slope per group, +16*slope per
// block of sixteen), offset added last, rounded to nearest even.
template <class T>
std::vector<T> slopeModel(double offset, double slope, int len)
{
    std::vector<T> out(static_cast<std::size_t>(len));
    if constexpr (std::is_floating_point_v<T>) {
        for (int n = 0; n < len; ++n) out[n] = static_cast<T>(offset + slope * n);
    } else {
        const double lo = std::numeric_limits<T>::min(), hi = std::numeric_limits<T>::max();
        if (slope == 0) {
            const T v = clampToType<T>(halfAway(offset));
            for (auto& x : out) x = v;
            return out;
        }
        auto exitAt = [&](double bound) -> long long {
            double i = std::trunc(1 + (bound - offset) / slope);
            if (!(i > 0)) return 0;
            return i > 2147483647.0 ? 2147483647LL : static_cast<long long>(i);
        };
        const long long head = std::min<long long>(len, slope > 0 ? exitAt(hi) : exitAt(lo));
        const float s = static_cast<float>(slope), o = static_cast<float>(offset);
        for (long long n = 0; n < len; ++n) {
            if (n >= head) {
                out[n] = slope > 0 ? std::numeric_limits<T>::max() : std::numeric_limits<T>::min();
                continue;
            }
            float acc = static_cast<float>(n % 4) * s;
            for (long long g = 0; g < (n % 16) / 4; ++g) acc += 4.0f * s;
            for (long long b = 0; b < n / 16; ++b) acc += 16.0f * s;
            out[n] = clampToType<T>(std::nearbyint(static_cast<double>(acc + o)));
        }
    }
    return out;
}

template <class T>
class VectorSignal : public ::testing::Test {};
using SignalTypes = ::testing::Types<Orv8u, Orv8s, Orv16u, Orv16s, Orv32u, Orv32s, Orv32f, Orv64f>;
TYPED_TEST_SUITE(VectorSignal, SignalTypes);

TYPED_TEST(VectorSignal, ChecksInOrderAndWritesNothing)
{
    using T = TypeParam;
    T d[3] = {T(7), T(7), T(7)};
    EXPECT_EQ(Sig<T>::jaehne(nullptr, 0, T(1)), orvStsErrNullPtr);
    EXPECT_EQ(Sig<T>::jaehne(d, 0, T(1)), orvStsErrSize);
    EXPECT_EQ(Sig<T>::ramp(nullptr, -1, 0, 1), orvStsErrNullPtr);
    EXPECT_EQ(Sig<T>::ramp(d, 0, 0, 1), orvStsErrSize);
    EXPECT_EQ(Sig<T>::slope(nullptr, 0, 0, 1), orvStsErrNullPtr);
    EXPECT_EQ(Sig<T>::slope(d, -5, 0, 1), orvStsErrSize);
    if constexpr (std::is_signed_v<T> || std::is_floating_point_v<T>) {
        EXPECT_EQ(Sig<T>::jaehne(nullptr, 0, T(-1)), orvStsErrNullPtr);
        EXPECT_EQ(Sig<T>::jaehne(d, 0, T(-1)), orvStsErrSize);
        EXPECT_EQ(Sig<T>::jaehne(d, 3, T(-1)), orvStsErrJaehneMagnitude);
    }
    for (T x : d) EXPECT_EQ(x, T(7));
}

TYPED_TEST(VectorSignal, JaehneMatchesChirpFormula)
{
    using T = TypeParam;
    T one = T(5);
    ASSERT_EQ(Sig<T>::jaehne(&one, 1, T(100)), orvStsOk);
    EXPECT_EQ(one, T(0));
    const T magn = std::is_floating_point_v<T> ? T(3.25) : std::numeric_limits<T>::max();
    for (int len : orvs_test::oddLengths()) {
        orvs_test::Unaligned<T> d(static_cast<std::size_t>(len));
        ASSERT_EQ(Sig<T>::jaehne(d.data(), len, magn), orvStsOk);
        for (int n = 0; n < len; ++n) {
            const double v = len == 1 ? 0.0 : static_cast<double>(magn) * std::sin(1.5707963267948966 * n * n / len);
            T expect;
            if constexpr (std::is_floating_point_v<T>) expect = static_cast<T>(v);
            else expect = std::is_unsigned_v<T> && v < 0 ? T(0) : static_cast<T>(halfAway(v));
            ASSERT_EQ(d[n], expect) << "len " << len << " n " << n;
        }
    }
}

TYPED_TEST(VectorSignal, RampMatchesSinglePrecisionModel)
{
    using T = TypeParam;
    std::mt19937 rng(11);
    const double range = std::is_floating_point_v<T> ? 1e6 : static_cast<double>(std::numeric_limits<T>::max());
    std::uniform_real_distribution<double> off(-1.5 * range, 1.5 * range), sl(-range / 50, range / 50);
    for (int len : orvs_test::oddLengths()) {
        for (int trial = 0; trial < 4; ++trial) {
            float o = static_cast<float>(off(rng)), s = static_cast<float>(sl(rng));
            if (trial == 0) { o = 0.5f; s = 0.25f; }  // every quarter: exact halves included
            if (trial == 1) { o = -0.5f; s = -0.5f; }
            orvs_test::Unaligned<T> d(static_cast<std::size_t>(len));
            ASSERT_EQ(Sig<T>::ramp(d.data(), len, o, s), orvStsOk);
            for (int n = 0; n < len; ++n)
                ASSERT_EQ(d[n], rampModel<T>(o, s, n)) << "len " << len << " n " << n << " o " << o << " s " << s;
        }
    }
}

TYPED_TEST(VectorSignal, SlopeMatchesAccumulationModel)
{
    using T = TypeParam;
    std::mt19937 rng(12);
    const double range = std::is_floating_point_v<T> ? 1e6 : static_cast<double>(std::numeric_limits<T>::max());
    std::uniform_real_distribution<double> off(-1.2 * range, 1.2 * range), sl(-range / 300, range / 300);
    for (int len : orvs_test::oddLengths()) {
        for (int trial = 0; trial < 5; ++trial) {
            double o = off(rng), s = sl(rng);
            if (trial == 0) { o = 0.5; s = 1.0; }
            if (trial == 1) { o = 2.5; s = 0.0; }
            if (trial == 2) s = 0.0;
            orvs_test::Unaligned<T> d(static_cast<std::size_t>(len));
            ASSERT_EQ(Sig<T>::slope(d.data(), len, o, s), orvStsOk);
            const std::vector<T> expect = slopeModel<T>(o, s, len);
            for (int n = 0; n < len; ++n)
                ASSERT_EQ(d[n], expect[n]) << "len " << len << " n " << n << " o " << o << " s " << s;
            if constexpr (!std::is_floating_point_v<T>) {
                // The accumulated line stays close to the exact line: one for the
                // rounding plus the single-precision error of each addition.
                for (int n = 0; n < std::min(len, 257); ++n) {
                    const double exact = o + s * n;
                    const double lo = std::numeric_limits<T>::min(), hi = std::numeric_limits<T>::max();
                    const double clamped = std::min(hi, std::max(lo, exact));
                    const double tol = 1.0 + (n / 16 + 6) * (std::fabs(o) + std::fabs(s) * n) * 0x1p-23;
                    ASSERT_LE(std::fabs(static_cast<double>(d[n]) - clamped), tol)
                        << "len " << len << " n " << n;
                }
            }
        }
    }
}

TEST(VectorSignalEdges, RampAndSlopeRoundHalvesDifferently)
{
    Orv16s d[5];
    ASSERT_EQ(orvsVectorRamp_16s(d, 1, 0.5f, 0.0f), orvStsOk);
    EXPECT_EQ(d[0], 1);
    ASSERT_EQ(orvsVectorRamp_16s(d, 1, -0.5f, 0.0f), orvStsOk);
    EXPECT_EQ(d[0], -1);
    ASSERT_EQ(orvsVectorRamp_16s(d, 5, 0.5f, 1.0f), orvStsOk);
    EXPECT_EQ(std::vector<Orv16s>(d, d + 5), (std::vector<Orv16s>{1, 2, 3, 4, 5}));
    ASSERT_EQ(orvsVectorSlope_16s(d, 5, 0.5, 1.0), orvStsOk);
    EXPECT_EQ(std::vector<Orv16s>(d, d + 5), (std::vector<Orv16s>{0, 2, 2, 4, 4}));
    // slope 0 fills the offset rounded half away from zero
    ASSERT_EQ(orvsVectorSlope_16s(d, 5, 0.5, 0.0), orvStsOk);
    EXPECT_EQ(std::vector<Orv16s>(d, d + 5), (std::vector<Orv16s>(5, 1)));
    ASSERT_EQ(orvsVectorRamp_16s(d, 3, 32766.0f, 1.0f), orvStsOk);
    EXPECT_EQ(std::vector<Orv16s>(d, d + 3), (std::vector<Orv16s>{32766, 32767, 32767}));
}

TEST(VectorSignalEdges, SlopeSaturatesTheTail)
{
    std::vector<Orv8u> u(40);
    ASSERT_EQ(orvsVectorSlope_8u(u.data(), 40, 250.0, 3.0), orvStsOk);
    EXPECT_EQ(u[0], 250);
    EXPECT_EQ(u[1], 253);
    for (std::size_t i = 2; i < u.size(); ++i) EXPECT_EQ(u[i], 255);
    std::vector<Orv8s> s(20);
    ASSERT_EQ(orvsVectorSlope_8s(s.data(), 20, 0.0, -50.0), orvStsOk);
    EXPECT_EQ(std::vector<Orv8s>(s.begin(), s.begin() + 4), (std::vector<Orv8s>{0, -50, -100, -128}));
    std::vector<Orv16u> w(5);
    ASSERT_EQ(orvsVectorSlope_16u(w.data(), 5, 65530.0, 3.0), orvStsOk);
    EXPECT_EQ(w, (std::vector<Orv16u>{65530, 65533, 65535, 65535, 65535}));
    // 32-bit lines are computed in single precision: 4294967290 is 2^32 there.
    std::vector<Orv32u> q(3);
    ASSERT_EQ(orvsVectorSlope_32u(q.data(), 3, 4294967290.0, -1.0), orvStsOk);
    EXPECT_EQ(q[0], 4294967295u);
    std::vector<Orv32s> i(3);
    ASSERT_EQ(orvsVectorSlope_32s(i.data(), 3, -2147483000.0, -1000.0), orvStsOk);
    EXPECT_EQ(i[2], -2147483647 - 1);
    ASSERT_EQ(orvsVectorRamp_32s(i.data(), 3, 2.2e9f, 0.0f), orvStsOk);
    EXPECT_EQ(i[0], 2147483647);
}

TEST(VectorSignalEdges, ResultsIgnoreTheCallersRoundingMode)
{
    std::vector<Orv16s> ref(37), got(37);
    ASSERT_EQ(orvsVectorSlope_16s(ref.data(), 37, 0.5, 0.3), orvStsOk);
    const int saved = std::fegetround();
    std::fesetround(FE_UPWARD);
    ASSERT_EQ(orvsVectorSlope_16s(got.data(), 37, 0.5, 0.3), orvStsOk);
    EXPECT_EQ(std::fegetround(), FE_UPWARD);
    std::fesetround(saved);
    EXPECT_EQ(ref, got);
}

} // namespace
