// The float kernels at every vector width: tails of every length up to a few
// 16-lane vectors at unaligned addresses, overflow/underflow lanes in the
// middle of a vector, results that do not depend on an element's position,
// and the same bits from every kernel variant of this machine.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

#include "complex_test_util.h"

namespace {

using cplx_test::quick;
using cplx_test::ulpError;
using cplx_test::wideRange;
using orvs_test::randomVector;
using orvs_test::Unaligned;

template <class T> struct Api;
template <> struct Api<float> {
    using C = Orv32fc;
    static constexpr auto mag = orvsMagnitude_32f;
    static constexpr auto magC = orvsMagnitude_32fc;
    static constexpr auto pow = orvsPowerSpectr_32f;
    static constexpr auto powC = orvsPowerSpectr_32fc;
    static constexpr auto phase = orvsPhase_32f;
    static constexpr auto phaseC = orvsPhase_32fc;
    static constexpr auto conj = orvsConj_32fc;
    static constexpr auto mulPack = orvsMulPack_32f;
    static constexpr auto mulPackConj = orvsMulPackConj_32f_I;
};
template <> struct Api<double> {
    using C = Orv64fc;
    static constexpr auto mag = orvsMagnitude_64f;
    static constexpr auto magC = orvsMagnitude_64fc;
    static constexpr auto pow = orvsPowerSpectr_64f;
    static constexpr auto powC = orvsPowerSpectr_64fc;
    static constexpr auto phase = orvsPhase_64f;
    static constexpr auto phaseC = orvsPhase_64fc;
    static constexpr auto conj = orvsConj_64fc;
    static constexpr auto mulPack = orvsMulPack_64f;
    static constexpr auto mulPackConj = orvsMulPackConj_64f_I;
};

template <class T>
bool sameBits(T a, T b) { return std::memcmp(&a, &b, sizeof(T)) == 0; }

// Parts with values near the overflow and underflow limits of the sum of
// squares (2^63 and 2^-63 for float, 2^511 and 2^-511 for double) scattered
// over ordinary values, so screened lanes sit anywhere inside a vector.
template <class T>
std::vector<T> screenParts(int n, std::uint32_t seed)
{
    auto v = randomVector<T>(n, seed);
    const int e = sizeof(T) == 4 ? 63 : 511;
    const T edge[] = {std::ldexp(T(1), e), std::ldexp(T(1.5), e - 1), std::ldexp(T(1), -e),
                      std::ldexp(T(1.75), -e - 1), std::ldexp(T(1), sizeof(T) == 4 ? 100 : 1000),
                      std::ldexp(T(1), sizeof(T) == 4 ? -140 : -1070), T(0)};
    std::uint32_t r = seed;
    for (int k = 0; k < n; ++k) {
        r = r * 1664525u + 1013904223u;
        if ((r >> 28) < 3) v[k] = edge[(r >> 8) % 7] * ((r >> 4) & 1 ? T(-1) : T(1));
    }
    return v;
}

template <class T>
class ComplexWide : public ::testing::Test {};
using WideTypes = ::testing::Types<float, double>;
TYPED_TEST_SUITE(ComplexWide, WideTypes);

// Lengths 1..70 at one- and three-element offsets: magnitude and power
// against exact or long-double references, and every element equal to the
// result of the same element computed alone (the one-element call runs the
// tail path), so no lane depends on its neighbours or its position.
TYPED_TEST(ComplexWide, TailsScreenLanesAndPositionIndependence)
{
    using T = TypeParam;
    using A = Api<T>;
    using C = typename A::C;
    for (int n = 1; n <= 70; ++n) {
        for (std::size_t offset : {sizeof(T), 3 * sizeof(T)}) {
            const auto re = screenParts<T>(n, 9000 + n), im = screenParts<T>(n, 9100 + n);
            Unaligned<T> ur(n, offset), ui(n, offset), m1(n, offset), m2(n, offset), p1(n, offset), p2(n, offset),
                a1(n, offset), a2(n, offset);
            Unaligned<C> uc(n, offset);
            ur.assign(re);
            ui.assign(im);
            for (int k = 0; k < n; ++k) uc[k] = {re[k], im[k]};
            ASSERT_EQ(A::mag(ur.data(), ui.data(), m1.data(), n), orvStsOk);
            ASSERT_EQ(A::magC(uc.data(), m2.data(), n), orvStsOk);
            ASSERT_EQ(A::pow(ur.data(), ui.data(), p1.data(), n), orvStsOk);
            ASSERT_EQ(A::powC(uc.data(), p2.data(), n), orvStsOk);
            ASSERT_EQ(A::phase(ur.data(), ui.data(), a1.data(), n), orvStsOk);
            ASSERT_EQ(A::phaseC(uc.data(), a2.data(), n), orvStsOk);
            for (int k = 0; k < n; ++k) {
                const T x = re[k], y = im[k];
                const long double h = std::hypot((long double)x, (long double)y);
                ASSERT_LE(ulpError<T>(m1[k], h), 1.5) << "n " << n << " k " << k << " (" << x << ", " << y << ")";
                const T pw = x * x + y * y;
                ASSERT_TRUE(sameBits(p1[k], pw)) << "n " << n << " k " << k;
                ASSERT_LE(ulpError<T>(a1[k], std::atan2((long double)y, (long double)x)), 2.0) << "n " << n << " k " << k;
                T one[4];
                const C c1 = {x, y};
                ASSERT_EQ(A::mag(&x, &y, &one[0], 1), orvStsOk);
                ASSERT_EQ(A::magC(&c1, &one[1], 1), orvStsOk);
                ASSERT_EQ(A::phase(&x, &y, &one[2], 1), orvStsOk);
                ASSERT_EQ(A::phaseC(&c1, &one[3], 1), orvStsOk);
                ASSERT_TRUE(sameBits(m1[k], one[0]) && sameBits(m2[k], one[1])) << "n " << n << " k " << k;
                ASSERT_TRUE(sameBits(a1[k], one[2]) && sameBits(a2[k], one[3])) << "n " << n << " k " << k;
                ASSERT_TRUE(sameBits(m1[k], m2[k]) && sameBits(p1[k], p2[k]) && sameBits(a1[k], a2[k]));
            }
        }
    }
}

// 16- and 32-bit integer sources at lengths 1..70, unaligned: exact sums of
// squares (the pair (-32768, -32768) reaches 2^31) rounded once, roots within
// half an ulp, scaled roots and powers against integer rounding, and angles
// equal to the angle of the same element computed alone.
TEST(ComplexWideInt, TailsOfIntegerSources)
{
    auto roundEven = [](long double v) {  // v >= 0
        long double f = std::floor(v), r = v - f;
        if (r > 0.5L || (r == 0.5L && std::fmod(f, 2.0L) != 0)) f += 1;
        return f > 32767 ? 32767.0L : f;
    };
    for (int n = 1; n <= 70; ++n) {
        auto c = randomVector<Orv16sc>(n, 9600 + n);
        auto w = randomVector<Orv32sc>(n, 9700 + n);
        c[n / 2] = {-32768, -32768};
        for (int k = 0; k < n; k += 4) c[k] = {Orv16s(c[k].re % 50), Orv16s(c[k].im % 50)};  // small roots to round
        Unaligned<Orv16sc> uc(n);
        Unaligned<Orv16s> ur(n), ui(n), h1(n), h2(n);
        Unaligned<Orv32sc> uw(n);
        Unaligned<Orv32f> m1(n), m2(n), p1(n), a1(n), a2(n), a3(n);
        uc.assign(c);
        uw.assign(w);
        for (int k = 0; k < n; ++k) { ur[k] = c[k].re; ui[k] = c[k].im; }
        ASSERT_EQ(orvsMagnitude_16sc32f(uc.data(), m1.data(), n), orvStsOk);
        ASSERT_EQ(orvsMagnitude_16s32f(ur.data(), ui.data(), m2.data(), n), orvStsOk);
        ASSERT_EQ(orvsPowerSpectr_16sc32f(uc.data(), p1.data(), n), orvStsOk);
        ASSERT_EQ(orvsMagnitude_16sc_Sfs(uc.data(), h1.data(), n, 1), orvStsOk);
        ASSERT_EQ(orvsPowerSpectr_16s_Sfs(ur.data(), ui.data(), h2.data(), n, 3), orvStsOk);
        ASSERT_EQ(orvsPhase_16sc32f(uc.data(), a1.data(), n), orvStsOk);
        ASSERT_EQ(orvsPhase_16s32f(ur.data(), ui.data(), a2.data(), n), orvStsOk);
        std::vector<Orv32s> ph(n);
        for (int k = 0; k < n; ++k) {
            const long long re = c[k].re, im = c[k].im, r = re * re + im * im;
            ASSERT_EQ(p1[k], (float)r) << "n " << n << " k " << k;
            ASSERT_LE(ulpError<float>(m1[k], std::sqrt((long double)r)), 0.5001) << "n " << n << " k " << k;
            ASSERT_TRUE(sameBits(m1[k], m2[k]));
            ASSERT_EQ(h1[k], (Orv16s)roundEven(std::sqrt((long double)r) / 2)) << "n " << n << " k " << k;
            ASSERT_EQ(h2[k], (Orv16s)roundEven((long double)r / 8)) << "n " << n << " k " << k;
            float alone = 0;
            ASSERT_EQ(orvsPhase_16sc32f(&c[k], &alone, 1), orvStsOk);
            ASSERT_TRUE(sameBits(a1[k], alone) && sameBits(a2[k], alone)) << "n " << n << " k " << k;
            ASSERT_LE(ulpError<float>(a1[k], std::atan2((long double)im, (long double)re)), 2.0);
        }
        // 32-bit pairs: the angle in double, rounded to float, scaled by 2^10
        ASSERT_EQ(orvsPhase_32sc_Sfs(uw.data(), ph.data(), n, -10), orvStsOk);
        for (int k = 0; k < n; ++k) {
            Orv32s alone = 0;
            ASSERT_EQ(orvsPhase_32sc_Sfs(&w[k], &alone, 1, -10), orvStsOk);
            ASSERT_EQ(ph[k], alone) << "n " << n << " k " << k;
            const double ref = std::atan2((double)w[k].im, (double)w[k].re) * 1024.0;
            ASSERT_LE(std::fabs(ph[k] - ref), 0.5 + 1e-3) << "n " << n << " k " << k;
        }
    }
}

// Conjugates and packed products over every real length 1..140 (pairs up to
// 69), unaligned, against the plain formulas with each product rounded.
TYPED_TEST(ComplexWide, ConjugatesAndPackedProductsAtEveryLength)
{
    using T = TypeParam;
    using A = Api<T>;
    using C = typename A::C;
    for (int n = 1; n <= 140; ++n) {
        const auto a = randomVector<T>(n, 9200 + n), b = randomVector<T>(n, 9300 + n);
        Unaligned<T> ua(n), ub(n), ud(n);
        ua.assign(a);
        ub.assign(b);
        ASSERT_EQ(A::mulPack(ua.data(), ub.data(), ud.data(), n), orvStsOk);
        ASSERT_EQ(A::mulPackConj(ua.data(), ub.data(), n), orvStsOk);  // ub = a * conj(b)
        ASSERT_TRUE(sameBits(ud[0], T(a[0] * b[0])) && sameBits(ub[0], T(a[0] * b[0])));
        for (int k = 1; k + 1 < n; k += 2) {
            const T re = a[k] * b[k] - a[k + 1] * b[k + 1], im = a[k] * b[k + 1] + a[k + 1] * b[k];
            const T cre = a[k] * b[k] + a[k + 1] * b[k + 1], cim = a[k + 1] * b[k] - a[k] * b[k + 1];
            ASSERT_TRUE(sameBits(ud[k], re) && sameBits(ud[k + 1], im)) << "n " << n << " k " << k;
            ASSERT_TRUE(sameBits(ub[k], cre) && sameBits(ub[k + 1], cim)) << "n " << n << " k " << k;
        }
        if (n % 2 == 0) ASSERT_TRUE(sameBits(ud[n - 1], T(a[n - 1] * b[n - 1])));
        if (n > 70) continue;
        Unaligned<C> uc(n), uo(n);
        for (int k = 0; k < n; ++k) uc[k] = {a[k], b[k]};
        ASSERT_EQ(A::conj(uc.data(), uo.data(), n), orvStsOk);
        for (int k = 0; k < n; ++k) ASSERT_TRUE(sameBits(uo[k].re, a[k]) && sameBits(uo[k].im, T(-b[k]))) << n;
    }
}

// Long packed products (more than 2^19 pairs) take the streaming blocks;
// every pair still equals the plain formula.
TYPED_TEST(ComplexWide, PackedProductsOfStreamingLength)
{
    using T = TypeParam;
    using A = Api<T>;
    const int n = (1 << 20) + 5;
    const auto a = randomVector<T>(n, 9800), b = randomVector<T>(n, 9801);
    Unaligned<T> ua(n), ub(n), ud(n);
    ua.assign(a);
    ub.assign(b);
    ASSERT_EQ(A::mulPack(ua.data(), ub.data(), ud.data(), n), orvStsOk);
    ASSERT_EQ(A::mulPackConj(ua.data(), ub.data(), n), orvStsOk);
    const int step = quick() ? 7 : 1;
    for (int k = 1; k + 1 < n; k += 2 * step) {
        const T re = a[k] * b[k] - a[k + 1] * b[k + 1], im = a[k] * b[k + 1] + a[k + 1] * b[k];
        const T cre = a[k] * b[k] + a[k + 1] * b[k + 1], cim = a[k + 1] * b[k] - a[k] * b[k + 1];
        ASSERT_TRUE(sameBits(ud[k], re) && sameBits(ud[k + 1], im)) << k;
        ASSERT_TRUE(sameBits(ub[k], cre) && sameBits(ub[k + 1], cim)) << k;
    }
}

// ---- the same bits from every kernel variant ------------------------------

// Outputs of the float kernels over mixed data (ordinary, wide-range and
// special values), as named byte blocks. Blocks marked `fused` come from the
// arctangent, whose polynomial uses fused multiply-adds where the target has
// them: those equal between the AVX2 and AVX-512 kernels; every other block
// is exact per operation and equal in all three variants.
struct Block {
    std::string name;
    bool fused;
    std::vector<unsigned char> bytes;
};

template <class T>
void keep(std::vector<Block>& out, const char* name, bool fused, const Unaligned<T>& v)
{
    const auto* p = reinterpret_cast<const unsigned char*>(v.data());
    out.push_back({name, fused, std::vector<unsigned char>(p, p + v.size() * sizeof(T))});
}

template <class T>
void floatBlocks(std::vector<Block>& out, const char* tag)
{
    using A = Api<T>;
    using C = typename A::C;
    const int n = 1531;
    auto re = screenParts<T>(n, 9400), im = screenParts<T>(n, 9401);
    const auto w1 = sizeof(T) == 4 ? wideRange<T>(n, 9402, -150, 127) : wideRange<T>(n, 9402, -1075, 1023);
    const auto w2 = sizeof(T) == 4 ? wideRange<T>(n, 9403, -150, 127) : wideRange<T>(n, 9403, -1075, 1023);
    for (int k = 0; k < n; k += 5) { re[k] = w1[k]; im[k] = w2[k]; }
    const T inf = std::numeric_limits<T>::infinity(), nan = std::numeric_limits<T>::quiet_NaN();
    const T sp[][2] = {{inf, 1}, {1, -inf}, {-inf, -inf}, {nan, 1}, {1, nan}, {inf, nan}, {nan, -inf}, {-T(0), 0}, {0, -T(0)}};
    for (int k = 0; k < 9; ++k) { re[100 + 7 * k] = sp[k][0]; im[100 + 7 * k] = sp[k][1]; }
    Unaligned<T> ur(n), ui(n), d(n);
    Unaligned<C> uc(n), dc(n);
    ur.assign(re);
    ui.assign(im);
    for (int k = 0; k < n; ++k) uc[k] = {re[k], im[k]};
    const std::string t = tag;
    auto name = [&](const char* op) { return (std::string(op) + "_" + t); };
    A::mag(ur.data(), ui.data(), d.data(), n), keep(out, name("mag").c_str(), false, d);
    A::magC(uc.data(), d.data(), n), keep(out, name("magC").c_str(), false, d);
    A::pow(ur.data(), ui.data(), d.data(), n), keep(out, name("pow").c_str(), false, d);
    A::powC(uc.data(), d.data(), n), keep(out, name("powC").c_str(), false, d);
    A::phase(ur.data(), ui.data(), d.data(), n), keep(out, name("phase").c_str(), true, d);
    A::phaseC(uc.data(), d.data(), n), keep(out, name("phaseC").c_str(), true, d);
    A::conj(uc.data(), dc.data(), n), keep(out, name("conj").c_str(), false, dc);
    A::mulPack(ur.data(), ui.data(), d.data(), n), keep(out, name("mulPack").c_str(), false, d);
    A::mulPackConj(ur.data(), ui.data(), n), keep(out, name("mulPackConj").c_str(), false, ui);
}

std::vector<Block> allBlocks()
{
    std::vector<Block> out;
    floatBlocks<float>(out, "32f");
    floatBlocks<double>(out, "64f");
    const int n = 1531;
    const auto c16 = randomVector<Orv16sc>(n, 9500);
    const auto c32 = randomVector<Orv32sc>(n, 9501);
    const auto c32f = randomVector<Orv32fc>(n, 9502);
    Unaligned<Orv16sc> u16(n);
    Unaligned<Orv32sc> u32(n);
    Unaligned<Orv32fc> u32f(n);
    u16.assign(c16);
    u32.assign(c32);
    u32f.assign(c32f);
    Unaligned<Orv32f> f(n);
    Unaligned<Orv64f> g(n);
    orvsPhase_16sc32f(u16.data(), f.data(), n), keep(out, "phase_16sc32f", true, f);
    Unaligned<Orv32s> w(n);
    orvsPhase_32sc_Sfs(u32.data(), w.data(), n, -10), keep(out, "phase_32sc_Sfs", true, w);
    Unaligned<Orv16s> re16(n), im16(n), h(n);
    for (int k = 0; k < n; ++k) { re16[k] = c16[k].re; im16[k] = c16[k].im; }
    re16[7] = im16[7] = -32768;  // the one sum of squares that needs 32 unsigned bits
    orvsPhase_16s32f(re16.data(), im16.data(), f.data(), n), keep(out, "phase_16s32f", true, f);
    orvsPhase_16s_Sfs(re16.data(), im16.data(), h.data(), n, -13), keep(out, "phase_16s_Sfs", true, h);
    orvsMagnitude_16sc32f(u16.data(), f.data(), n), keep(out, "mag_16sc32f", false, f);
    orvsMagnitude_16s32f(re16.data(), im16.data(), f.data(), n), keep(out, "mag_16s32f", false, f);
    orvsPowerSpectr_16sc32f(u16.data(), f.data(), n), keep(out, "pow_16sc32f", false, f);
    orvsMagnitude_16sc_Sfs(u16.data(), h.data(), n, 3), keep(out, "mag_16sc_Sfs", false, h);
    orvsMagnitude_16s_Sfs(re16.data(), im16.data(), h.data(), n, -2), keep(out, "mag_16s_Sfs", false, h);
    orvsPowerSpectr_16s_Sfs(re16.data(), im16.data(), h.data(), n, 14), keep(out, "pow_16s_Sfs", false, h);
    orvsMagSquared_32fc64f(u32f.data(), g.data(), n), keep(out, "magsq_32fc64f", false, g);
    return out;
}

std::vector<unsigned char> readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
}

// In a child process (ORVS_CPLX_DUMP set) the blocks are written to files;
// the parent runs itself under each lower variant and compares.
TEST(ComplexVariants, SameBitsInEveryVariant)
{
    const auto mine = allBlocks();
    if (const char* dir = std::getenv("ORVS_CPLX_DUMP")) {
        for (const auto& b : mine) {
            std::ofstream o(std::string(dir) + "/" + b.name + ".bin", std::ios::binary);
            o.write(reinterpret_cast<const char*>(b.bytes.data()), static_cast<std::streamsize>(b.bytes.size()));
        }
        return;
    }
    if (std::getenv("ORVS_CPU")) GTEST_SKIP() << "already running a forced variant";
    char self[4096];
    const ssize_t len = readlink("/proc/self/exe", self, sizeof(self) - 1);
    ASSERT_GT(len, 0);
    self[len] = '\0';
    for (const char* variant : {"avx2", "avx"}) {
        char dir[] = "/tmp/orvs_cplx_XXXXXX";
        ASSERT_NE(mkdtemp(dir), nullptr);
        const std::string cmd = std::string("ORVS_CPU=") + variant + " ORVS_CPLX_DUMP=" + dir + " '" + self +
                                "' --gtest_filter='ComplexVariants.*' > /dev/null 2>&1";
        ASSERT_EQ(std::system(cmd.c_str()), 0) << cmd;
        const bool fusedComparable = std::string(variant) == "avx2";
        for (const auto& b : mine) {
            const std::string path = std::string(dir) + "/" + b.name + ".bin";
            const auto theirs = readFile(path);
            std::remove(path.c_str());
            if (b.fused && !fusedComparable) continue;
            EXPECT_TRUE(theirs == b.bytes) << b.name << " differs under ORVS_CPU=" << variant;
        }
        rmdir(dir);
    }
}

} // namespace
