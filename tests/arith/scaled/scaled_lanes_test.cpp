// The register-wide integer paths at every length up to a few 64-byte
// registers and at every element offset within a register: the last partial
// register (masked in the widest variant, scalar in the others) must give the
// same values as the model and write nothing outside the destination. Also
// the ties of the Q15 product path (s = 15 on 16-bit products), which random
// operands almost never reach.
#include <cmath>
#include <cstring>

#include "scaled_model.h"

using namespace arith_test;

namespace {

constexpr int kMaxLen = 130;
constexpr int kGuard = 40;      // elements checked on each side of the destination
constexpr int kOffsets = 32;    // 16-bit elements in a 64-byte register

// One buffer with room for every offset and a guard band on both sides.
template <class T>
struct Guarded {
    std::vector<T> raw;
    T* base;
    Guarded() : raw(kMaxLen + 2 * kGuard + kOffsets + 64)
    {
        auto p = reinterpret_cast<std::uintptr_t>(raw.data() + kGuard);
        base = reinterpret_cast<T*>((p + 63) & ~std::uintptr_t(63));
    }
};

template <class T>
T sentinel()
{
    T v;
    std::memset(&v, 0x5A, sizeof(T));
    return v;
}

// f(a, b, d, n, s) against the model for every n in 1..kMaxLen and every
// offset of the destination (the sources at other offsets), with the bytes
// around the destination unchanged. The operands may differ in type (a real
// first operand meets both parts of a complex second one).
template <class T, class B = T, class D = T, class F, class E>
void sweep(const char* name, F f, E exact, Cut cut, std::initializer_list<int> scales)
{
    Guarded<T> ga;
    Guarded<B> gb;
    Guarded<D> gd;
    const auto va = edgyVector<T>(kMaxLen + kOffsets, 101u);
    const auto vb = edgyVector<B>(kMaxLen + kOffsets, 202u);
    const int step = quick() ? 5 : 1;
    for (int s : scales) {
        for (int o = 0; o < kOffsets; o += step) {
            T* a = ga.base + o;
            B* b = gb.base + (o * 7 + 3) % kOffsets;
            D* d = gd.base + (o * 13 + 5) % kOffsets;
            std::copy(va.begin(), va.begin() + kMaxLen, a);
            std::copy(vb.begin() + o, vb.begin() + o + kMaxLen, b);
            for (int n = 1; n <= kMaxLen; ++n) {
                std::fill(d - kGuard, d + n + kGuard, sentinel<D>());
                ASSERT_EQ(f(a, b, d, n, s), orvStsOk);
                for (int i = 0; i < n; ++i) {
                    std::array<Comp<D>, 2> want{};
                    for (int k = 0; k < kParts<D>; ++k)
                        want[k] = modelScale<Comp<D>>(exact(part(a[i], k), part(b[i], k)), s, cut);
                    for (int k = 0; k < kParts<D>; ++k)
                        ASSERT_EQ(static_cast<long long>(part(d[i], k)), static_cast<long long>(want[k]))
                            << name << " s=" << s << " n=" << n << " offset=" << o << " element " << i;
                }
                const D guard = sentinel<D>();
                for (int i = 1; i <= kGuard; ++i) {
                    ASSERT_EQ(std::memcmp(d - i, &guard, sizeof(D)), 0) << name << " wrote before, n=" << n;
                    ASSERT_EQ(std::memcmp(d + n - 1 + i, &guard, sizeof(D)), 0) << name << " wrote past, n=" << n;
                }
            }
        }
    }
}

const auto sum = [](i128 a, i128 b) { return a + b; };
const auto diffBA = [](i128 a, i128 b) { return b - a; };
const auto prod = [](i128 a, i128 b) { return a * b; };

TEST(LaneTails, Sums16)
{
    sweep<Orv16s>("Add_16s", orvsAdd_16s_Sfs, sum, Cut{-16, 17}, {0, 1, 3, 16, -3});
    sweep<Orv16s>("Sub_16s", orvsSub_16s_Sfs, diffBA, Cut{-16, 17}, {1, 5});
    sweep<Orv16u>("Add_16u", orvsAdd_16u_Sfs, sum, Cut{-16, 18}, {0, 2});
    sweep<Orv16u>("Sub_16u", orvsSub_16u_Sfs, diffBA, Cut{-16, 17}, {0, 1});
    sweep<Orv16sc>("Add_16sc", orvsAdd_16sc_Sfs, sum, Cut{-16, 17}, {0, 3, -5});
    sweep<Orv16sc>("Sub_16sc", orvsSub_16sc_Sfs, diffBA, Cut{-16, 17}, {-1, -15});
    sweep<Orv16s>("Sub_16s", orvsSub_16s_Sfs, diffBA, Cut{-16, 17}, {-1, -8, -15});
}

TEST(LaneTails, Products16)
{
    sweep<Orv16s>("Mul_16s", orvsMul_16s_Sfs, prod, Cut{-16, 31}, {0, 1, 4, 15, 20, -2});
}

TEST(LaneTails, Constants16)
{
    const Orv16s c = -12345;
    auto addC = [c](const Orv16s* a, const Orv16s*, Orv16s* d, int n, int s) { return orvsAddC_16s_Sfs(a, c, d, n, s); };
    auto mulC = [c](const Orv16s* a, const Orv16s*, Orv16s* d, int n, int s) { return orvsMulC_16s_Sfs(a, c, d, n, s); };
    auto subCRev = [c](const Orv16s* a, const Orv16s*, Orv16s* d, int n, int s) {
        return orvsSubCRev_16s_Sfs(a, c, d, n, s);
    };
    sweep<Orv16s>("AddC_16s", addC, [c](i128 a, i128) { return a + c; }, Cut{-16, 17}, {2});
    sweep<Orv16s>("SubCRev_16s", subCRev, [c](i128 a, i128) { return c - a; }, Cut{-16, 17}, {1});
    sweep<Orv16s>("MulC_16s", mulC, [c](i128 a, i128) { return a * c; }, Cut{-16, 31}, {15, 7});
}

TEST(LaneTails, Wide32)
{
    sweep<Orv32s>("Add_32s", orvsAdd_32s_Sfs, sum, Cut{-31, 33}, {0, 3, -1, -7, -30});
    sweep<Orv32s>("Sub_32s", orvsSub_32s_Sfs, diffBA, Cut{-31, 33}, {-2});
    sweep<Orv32sc>("Add_32sc", orvsAdd_32sc_Sfs, sum, Cut{-31, 33}, {-4});
    sweep<Orv32s>("Mul_32s", orvsMul_32s_Sfs, prod, Cut{-32, 63}, {0, 3, 40, -1, -9, -31});
}

// Complex 32-bit products: components up to 2^63, scaled in 64-bit lanes.
TEST(LaneTails, ComplexProducts32)
{
    Guarded<Orv32sc> ga, gb, gd;
    auto va = edgyVector<Orv32sc>(kMaxLen, 505u);
    auto vb = edgyVector<Orv32sc>(kMaxLen, 606u);
    va[2] = vb[2] = Orv32sc{INT32_MIN, INT32_MIN};  // the component 2^63
    va[3] = Orv32sc{INT32_MIN, INT32_MAX}, vb[3] = Orv32sc{INT32_MIN, INT32_MIN};
    const Cut cut{-32, 64};
    const int step = quick() ? 9 : 3;
    for (int s : {0, 1, 2, 31, 32, 62, 63, -1, -17, -31, -32, -90}) {
        for (int o = 0; o < 16; o += step) {
            Orv32sc* a = ga.base + o;
            Orv32sc* b = gb.base + (o * 5 + 1) % 16;
            Orv32sc* d = gd.base + (o * 3 + 2) % 16;
            std::copy(va.begin(), va.end(), a);
            std::copy(vb.begin(), vb.end(), b);
            for (int n = 1; n <= kMaxLen; n += 1 + (n > 40) * 4) {
                std::fill(d, d + n + kGuard, Orv32sc{0x5A5A5A5A, 0x5A5A5A5A});
                ASSERT_EQ(orvsMul_32sc_Sfs(a, b, d, n, s), orvStsOk);
                for (int i = 0; i < n; ++i) {
                    const i128 re = i128(a[i].re) * b[i].re - i128(a[i].im) * b[i].im;
                    const i128 im = i128(a[i].re) * b[i].im + i128(a[i].im) * b[i].re;
                    ASSERT_EQ(d[i].re, modelScale<Orv32s>(re, s, cut)) << "s=" << s << " n=" << n << " i=" << i;
                    ASSERT_EQ(d[i].im, modelScale<Orv32s>(im, s, cut)) << "s=" << s << " n=" << n << " i=" << i;
                }
                for (int i = n; i < n + kGuard; ++i) ASSERT_EQ(d[i].re, 0x5A5A5A5A) << "wrote past, n=" << n;
            }
            const Orv32sc c = vb[o % 4];
            ASSERT_EQ(orvsMulC_32sc_Sfs(a, c, d, kMaxLen, s), orvStsOk);
            for (int i = 0; i < kMaxLen; ++i) {
                const i128 re = i128(a[i].re) * c.re - i128(a[i].im) * c.im;
                const i128 im = i128(a[i].re) * c.im + i128(a[i].im) * c.re;
                ASSERT_EQ(d[i].re, modelScale<Orv32s>(re, s, cut)) << "MulC s=" << s << " i=" << i;
                ASSERT_EQ(d[i].im, modelScale<Orv32s>(im, s, cut)) << "MulC s=" << s << " i=" << i;
            }
        }
    }
}

// Complex 16-bit products: both components are sums of two products.
TEST(LaneTails, ComplexProducts16)
{
    const auto cre = [](const Orv16sc& a, const Orv16sc& b) { return i128(a.re) * b.re - i128(a.im) * b.im; };
    const auto cim = [](const Orv16sc& a, const Orv16sc& b) { return i128(a.re) * b.im + i128(a.im) * b.re; };
    Guarded<Orv16sc> ga, gb, gd;
    auto va = edgyVector<Orv16sc>(kMaxLen + kOffsets, 303u);
    const auto vb = edgyVector<Orv16sc>(kMaxLen + kOffsets, 404u);
    va[0] = va[1] = Orv16sc{-32768, -32768};  // the component 2^31
    const Cut cut{-16, 32};
    const int step = quick() ? 7 : 1;
    for (int s : {0, 1, 2, 9, 16, 30, 31, -1, -15, -16}) {
        for (int o = 0; o < kOffsets; o += step) {
            Orv16sc* a = ga.base + o;
            Orv16sc* b = gb.base + (o * 5 + 1) % kOffsets;
            Orv16sc* d = gd.base + (o * 3 + 2) % kOffsets;
            std::copy(va.begin(), va.begin() + kMaxLen, a);
            std::copy(vb.begin() + o, vb.begin() + o + kMaxLen, b);
            b[1] = Orv16sc{-32768, -32768};
            for (int n = 1; n <= kMaxLen; n += 1 + (n > 40) * 3) {
                std::fill(d, d + n + kGuard, Orv16sc{0x5A5A, 0x5A5A});
                ASSERT_EQ(orvsMul_16sc_Sfs(a, b, d, n, s), orvStsOk);
                for (int i = 0; i < n; ++i) {
                    ASSERT_EQ(d[i].re, modelScale<Orv16s>(cre(a[i], b[i]), s, cut)) << "s=" << s << " n=" << n << " i=" << i;
                    ASSERT_EQ(d[i].im, modelScale<Orv16s>(cim(a[i], b[i]), s, cut)) << "s=" << s << " n=" << n << " i=" << i;
                }
                for (int i = n; i < n + kGuard; ++i) ASSERT_EQ(d[i].re, 0x5A5A) << "wrote past, n=" << n;
            }
            const Orv16sc c = vb[o];
            ASSERT_EQ(orvsMulC_16sc_Sfs(a, c, d, kMaxLen, s), orvStsOk);
            for (int i = 0; i < kMaxLen; ++i) {
                ASSERT_EQ(d[i].re, modelScale<Orv16s>(cre(a[i], c), s, cut)) << "MulC s=" << s << " i=" << i;
                ASSERT_EQ(d[i].im, modelScale<Orv16s>(cim(a[i], c), s, cut)) << "MulC s=" << s << " i=" << i;
            }
        }
    }
}

TEST(LaneTails, UnsignedProducts16)
{
    sweep<Orv16u>("Mul_16u", orvsMul_16u_Sfs, prod, Cut{-16, 33}, {0, 1, 3, 16, 31, 32, -1, -15});
    const Orv16u c = 65535;
    auto mulC = [c](const Orv16u* a, const Orv16u*, Orv16u* d, int n, int s) { return orvsMulC_16u_Sfs(a, c, d, n, s); };
    sweep<Orv16u>("MulC_16u", mulC, [c](i128 a, i128) { return a * c; }, Cut{-16, 33}, {0, 17, 31, -3});
}

// acc + a b, the accumulator also the destination (16-bit or 32-bit).
template <class A, class D, class F>
void sweepAcc(const char* name, F f, Cut cut, std::initializer_list<int> scales)
{
    Guarded<A> ga, gb;
    Guarded<D> gd;
    const auto va = edgyVector<A>(kMaxLen, 11u), vb = edgyVector<A>(kMaxLen, 12u);
    const auto vd = edgyVector<D>(kMaxLen, 13u);
    const int step = quick() ? 7 : 2;
    for (int s : scales) {
        for (int o = 0; o < kOffsets; o += step) {
            A* a = ga.base + o;
            A* b = gb.base + (o * 7 + 3) % kOffsets;
            D* d = gd.base + (o * 13 + 5) % kOffsets;
            std::copy(va.begin(), va.end(), a);
            std::copy(vb.begin(), vb.end(), b);
            for (int n = 1; n <= kMaxLen; n += 1 + (n > 40) * 2) {
                std::fill(d - kGuard, d + n + kGuard, sentinel<D>());
                std::copy(vd.begin(), vd.begin() + n, d);
                ASSERT_EQ(f(a, b, d, n, s), orvStsOk);
                for (int i = 0; i < n; ++i)
                    ASSERT_EQ(d[i], modelScale<D>(i128(vd[i]) + i128(a[i]) * b[i], s, cut))
                        << name << " s=" << s << " n=" << n << " i=" << i;
                const D guard = sentinel<D>();
                for (int i = 1; i <= kGuard; ++i) {
                    ASSERT_EQ(std::memcmp(d - i, &guard, sizeof(D)), 0) << name << " wrote before, n=" << n;
                    ASSERT_EQ(std::memcmp(d + n - 1 + i, &guard, sizeof(D)), 0) << name << " wrote past, n=" << n;
                }
            }
        }
    }
}

TEST(LaneTails, AddProducts)
{
    sweepAcc<Orv16s, Orv16s>("AddProduct_16s", orvsAddProduct_16s_Sfs, Cut{-15, 32}, {0, 1, 2, 15, 30, 31, -1, -14, -15, -40});
    sweepAcc<Orv16s, Orv32s>("AddProduct_16s32s", orvsAddProduct_16s32s_Sfs, Cut{-31, 33},
                             {0, 1, 2, 17, 31, 32, -1, -30, -31, -99});
    sweepAcc<Orv32s, Orv32s>("AddProduct_32s", orvsAddProduct_32s_Sfs, Cut{-31, 63}, {0, 1, 2, 31, 61, 62, -1, -30, -31});
}

// Operands of mixed types: 16-bit products into 32-bit or 16-bit
// destinations, a real 32-bit vector times a complex one.
TEST(LaneTails, MixedProducts)
{
    sweep<Orv16s, Orv16s, Orv32s>("Mul_16s32s", orvsMul_16s32s_Sfs, prod, Cut{-31, 31}, {0, 1, 2, 15, 30, -1, -16, -30, -31});
    sweep<Orv16u, Orv16s, Orv16s>("Mul_16u16s", orvsMul_16u16s_Sfs, prod, Cut{-15, 32}, {0, 1, 3, 16, 31, -1, -14, -15});
    sweep<Orv32s, Orv32sc, Orv32sc>("Mul_32s32sc", orvsMul_32s32sc_Sfs, prod, Cut{-32, 63}, {0, 1, 5, 40, 62, -1, -31, -32});
    // In place: the complex operand is the destination.
    auto inPlace = [](const Orv32s* a, const Orv32sc* b, Orv32sc* d, int n, int s) {
        std::copy(b, b + n, d);
        return orvsMul_32s32sc_ISfs(a, d, n, s);
    };
    sweep<Orv32s, Orv32sc, Orv32sc>("Mul_32s32sc_I", inPlace, prod, Cut{-32, 63}, {3, -7});
}

// A 16-bit vector added into a 32-bit accumulator, saturating.
TEST(LaneTails, WideningSum)
{
    auto addInto = [](const Orv16s* a, const Orv32s* b, Orv32s* d, int n, int) {
        std::copy(b, b + n, d);
        return orvsAdd_16s32s_I(a, d, n);
    };
    sweep<Orv16s, Orv32s, Orv32s>("Add_16s32s_I", addInto, sum, Cut{-1000, 1000}, {0});
}

// Unsigned bytes, widened to 16-bit lanes inside the register.
TEST(LaneTails, Bytes)
{
    sweep<Orv8u>("Add_8u", orvsAdd_8u_Sfs, sum, Cut{-8, 10}, {0, 1, 2, 9, -1, -7, -8});
    sweep<Orv8u>("Sub_8u", orvsSub_8u_Sfs, diffBA, Cut{-8, 9}, {0, 1, 8, -3, -8});
    sweep<Orv8u>("Mul_8u", orvsMul_8u_Sfs, prod, Cut{-8, 17}, {0, 1, 4, 8, 15, 16, -1, -7, -8});
    const Orv8u c = 201;
    auto subCRev = [c](const Orv8u* a, const Orv8u*, Orv8u* d, int n, int s) { return orvsSubCRev_8u_Sfs(a, c, d, n, s); };
    auto mulC = [c](const Orv8u* a, const Orv8u*, Orv8u* d, int n, int s) { return orvsMulC_8u_Sfs(a, c, d, n, s); };
    sweep<Orv8u>("SubCRev_8u", subCRev, [c](i128 a, i128) { return c - a; }, Cut{-8, 9}, {0, 2, -2, -9});
    sweep<Orv8u>("MulC_8u", mulC, [c](i128 a, i128) { return a * c; }, Cut{-8, 17}, {0, 7, 16, -4, -12});
}

// Below the scaled range the lane paths map their s = 0 result by sign.
TEST(LaneTails, SignSaturation)
{
    sweep<Orv16sc>("Add_16sc", orvsAdd_16sc_Sfs, sum, Cut{-16, 17}, {-16, -1000});
    sweep<Orv32s>("Sub_32s", orvsSub_32s_Sfs, diffBA, Cut{-31, 33}, {-31});
    sweep<Orv32sc>("Add_32sc", orvsAdd_32sc_Sfs, sum, Cut{-31, 33}, {-45});
    sweep<Orv32s>("Mul_32s", orvsMul_32s_Sfs, prod, Cut{-32, 63}, {-32, -77});
    sweep<Orv16u>("Mul_16u", orvsMul_16u_Sfs, prod, Cut{-16, 33}, {-16, -300});
    sweep<Orv16u>("Sub_16u", orvsSub_16u_Sfs, diffBA, Cut{-16, 17}, {-16});
}

// Single-precision products to 16 bits: every length around the 16-element
// registers, at every offset, nothing written outside the destination.
TEST(LaneTails, FloatTo16)
{
    std::vector<Orv32f> raw(200);
    std::vector<Orv16s> out(240);
    for (int off = 0; off < 16; off += quick() ? 5 : 1) {
        Orv32f* x = raw.data() + off;
        for (int i = 0; i < 120; ++i) x[i] = static_cast<float>((i * 7919) % 90001 - 45000) * 0.73f;
        x[3] = std::nanf("");
        Orv16s* d = out.data() + 40 + (off * 3) % 16;
        for (int n = 1; n <= 100; ++n) {
            for (int low = 0; low < 2; ++low) {
                std::fill(out.begin(), out.end(), Orv16s(0x5A5A));
                ASSERT_EQ(low ? orvsMulC_Low_32f16s(x, 0.5f, d, n) : orvsMulC_32f16s_Sfs(x, 1.0f, d, n, 1), orvStsOk);
                for (int i = 0; i < n; ++i) {
                    const float p = x[i] * 0.5f;
                    const long long q = std::isnan(p) ? (low ? -32768 : 32767) : static_cast<long long>(std::nearbyint(p));
                    ASSERT_EQ(d[i], static_cast<Orv16s>(q < -32768 ? -32768 : (q > 32767 ? 32767 : q)))
                        << "low=" << low << " n=" << n << " i=" << i;
                }
                for (Orv16s* g = out.data(); g < d; ++g) ASSERT_EQ(*g, 0x5A5A) << "wrote before, n=" << n;
                for (Orv16s* g = d + n; g < out.data() + out.size(); ++g) ASSERT_EQ(*g, 0x5A5A) << "wrote past, n=" << n;
            }
        }
    }
}

// Products that are odd multiples of 2^14 are the ties of s = 15; every one
// must round to the even quotient, and (-32768)^2 saturates.
TEST(Q15Products, TiesRoundToEven)
{
    std::mt19937 rng(77);
    const int n = quick() ? 4001 : 40001;
    std::vector<Orv16s> a(n), b(n), d(n), dc(n);
    for (int i = 0; i < n; ++i) {
        const int k = static_cast<int>(rng() % 15);  // a = m 2^k, b = q 2^(14-k), m and q odd
        const int m = static_cast<int>(rng() % (32768u >> k)) | 1, q = static_cast<int>(rng() % (32768u >> (14 - k))) | 1;
        a[i] = static_cast<Orv16s>((rng() & 1 ? -m : m) * (1 << k));
        b[i] = static_cast<Orv16s>((rng() & 1 ? -q : q) * (1 << (14 - k)));
    }
    a[0] = b[0] = -32768;
    a[1] = -32768, b[1] = 32767;
    a[2] = 32767, b[2] = 32767;
    ASSERT_EQ(orvsMul_16s_Sfs(a.data(), b.data(), d.data(), n, 15), orvStsOk);
    for (int i = 0; i < n; ++i)
        ASSERT_EQ(d[i], modelScale<Orv16s>(i128(a[i]) * b[i], 15, Cut{-16, 31})) << a[i] << " * " << b[i];
    EXPECT_EQ(d[0], 32767);
    // In place, and a constant that makes ties with every odd multiple of 2^k.
    for (Orv16s c : {Orv16s(16384), Orv16s(-16384), Orv16s(8192 * 3), Orv16s(-32768), Orv16s(1)}) {
        ASSERT_EQ(orvsMulC_16s_Sfs(a.data(), c, dc.data(), n, 15), orvStsOk);
        for (int i = 0; i < n; ++i)
            ASSERT_EQ(dc[i], modelScale<Orv16s>(i128(a[i]) * c, 15, Cut{-16, 31})) << a[i] << " * " << c;
    }
    std::vector<Orv16s> inPlace = b;
    ASSERT_EQ(orvsMul_16s_ISfs(a.data(), inPlace.data(), n, 15), orvStsOk);
    EXPECT_EQ(inPlace, d);
}

} // namespace

// Destinations of a megabyte or more take the non-temporal store path, which
// starts at the first register-aligned destination element: every element
// offset of the destination, the sizes on both sides of the cut-over, the
// in-place form (ordinary stores) and the bytes around the destination.
template <class T, class F, class E>
void longSweep(const char* name, F f, E exact, Cut cut, int s)
{
    const int cutLen = static_cast<int>((std::size_t(1) << 20) / sizeof(T));
    const std::vector<int> lens = quick() ? std::vector<int>{cutLen + 77}
                                          : std::vector<int>{cutLen - 1, cutLen, cutLen + 77, 3 * cutLen / 2 + 5};
    const int maxLen = lens.back();
    const auto va = edgyVector<T>(maxLen + 64, 707u);
    const auto vb = edgyVector<T>(maxLen + 64, 808u);
    std::vector<T> dbuf(maxLen + 2 * kGuard + 64), src(maxLen + 64);
    auto alignedAt = [](std::vector<T>& v, int o) {
        auto p = reinterpret_cast<std::uintptr_t>(v.data() + kGuard);
        return reinterpret_cast<T*>((p + 63) & ~std::uintptr_t(63)) + o;
    };
    const int offsets = static_cast<int>(64 / sizeof(T));
    for (int len : lens) {
        for (int o = 0; o < offsets; o += quick() ? 5 : 1) {
            T* d = alignedAt(dbuf, o);
            std::fill(d - kGuard, d + len + kGuard, sentinel<T>());
            const T* a = va.data() + (o * 3) % 16;
            const T* b = vb.data() + 1;
            ASSERT_EQ(f(a, b, d, len, s), orvStsOk);
            for (int i = 0; i < len; ++i)
                for (int k = 0; k < kParts<T>; ++k)
                    ASSERT_EQ(static_cast<long long>(part(d[i], k)),
                              static_cast<long long>(modelScale<Comp<T>>(exact(part(a[i], k), part(b[i], k)), s, cut)))
                        << name << " len=" << len << " offset=" << o << " element " << i;
            const T guard = sentinel<T>();
            for (int i = 1; i <= kGuard; ++i) {
                ASSERT_EQ(std::memcmp(d - i, &guard, sizeof(T)), 0) << name << " wrote before, offset " << o;
                ASSERT_EQ(std::memcmp(d + len - 1 + i, &guard, sizeof(T)), 0) << name << " wrote past, offset " << o;
            }
        }
        // In place: the destination is the first source.
        std::copy(va.begin(), va.begin() + len, src.begin());
        ASSERT_EQ(f(src.data(), vb.data(), src.data(), len, s), orvStsOk);
        for (int i = 0; i < len; i += 97)
            ASSERT_EQ(static_cast<long long>(part(src[i], 0)),
                      static_cast<long long>(modelScale<Comp<T>>(exact(part(va[i], 0), part(vb[i], 0)), s, cut)))
                << name << " in place, len=" << len << " element " << i;
    }
}

TEST(LongVectors, StreamedStores)
{
    longSweep<Orv16s>("Add_16s", orvsAdd_16s_Sfs, sum, Cut{-16, 17}, 1);
    longSweep<Orv16s>("Mul_16s", orvsMul_16s_Sfs, prod, Cut{-16, 31}, 15);
    longSweep<Orv32s>("Sub_32s", orvsSub_32s_Sfs, diffBA, Cut{-31, 33}, -3);
    longSweep<Orv16sc>("Add_16sc", orvsAdd_16sc_Sfs, sum, Cut{-16, 17}, 2);
}

// The float-to-16-bit products stream long destinations too.
TEST(LongVectors, StreamedFloatTo16)
{
    const int len = (1 << 19) + 45;
    std::vector<Orv32f> x(len + 16);
    for (int i = 0; i < len + 16; ++i) x[i] = static_cast<float>((i * 7919LL) % 90001 - 45000) * 0.73f;
    std::vector<Orv16s> out(len + 2 * kGuard + 16);
    for (int off = 0; off < 16; off += quick() ? 5 : 1) {
        Orv16s* d = out.data() + kGuard + off;
        for (int low = 0; low < 2; ++low) {
            std::fill(out.begin(), out.end(), Orv16s(0x5A5A));
            ASSERT_EQ(low ? orvsMulC_Low_32f16s(x.data() + off, 0.5f, d, len)
                          : orvsMulC_32f16s_Sfs(x.data() + off, 1.0f, d, len, 1), orvStsOk);
            for (int i = 0; i < len; ++i) {
                const long long q = static_cast<long long>(std::nearbyint(x[off + i] * 0.5f));
                ASSERT_EQ(d[i], static_cast<Orv16s>(q < -32768 ? -32768 : (q > 32767 ? 32767 : q)))
                    << "low=" << low << " offset=" << off << " i=" << i;
            }
            for (Orv16s* g = out.data(); g < d; ++g) ASSERT_EQ(*g, 0x5A5A) << "wrote before, offset " << off;
            for (Orv16s* g = d + len; g < out.data() + out.size(); ++g) ASSERT_EQ(*g, 0x5A5A) << "wrote past";
        }
    }
}
