// Register-width edges of the conversion kernels: every length 1..70 at an
// aligned and a one-element-offset address (single and paired blocks of
// 8 and 16 elements and every tail after them), awkward values rotated
// through every lane of three 512-bit registers, and no byte written
// outside the destination. Each result is compared bit for bit with an
// element-wise model of the conversion rules.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "convert_ref.h"

using namespace orvs_test;
using namespace convert_ref;

namespace {

constexpr float kInf = std::numeric_limits<float>::infinity();

// Element storage inside a 0xA5-filled buffer, `offset` elements past a
// 64-byte boundary, with 64 guard bytes on either side.
template <class T>
class Guarded {
public:
    Guarded(std::size_t n, std::size_t offset) : raw_(n * sizeof(T) + 256, 0xA5), n_(n)
    {
        const auto base = reinterpret_cast<std::uintptr_t>(raw_.data());
        begin_ = ((base + 63) & ~std::uintptr_t(63)) + 64 + offset * sizeof(T) - base;
        ptr_ = reinterpret_cast<T*>(raw_.data() + begin_);
    }
    T* data() { return ptr_; }
    bool guardsIntact() const
    {
        for (std::size_t b = 0; b < raw_.size(); ++b)
            if ((b < begin_ || b >= begin_ + n_ * sizeof(T)) && raw_[b] != 0xA5) return false;
        return true;
    }

private:
    std::vector<unsigned char> raw_;
    std::size_t n_, begin_;
    T* ptr_;
};

// A conversion under test: run(src, dst, n) and the expected storage units
// of one element (ref(x, out)).
template <class S, class D>
struct Case {
    std::string name;
    int unitsOut;  // D storage units per element (3 for packed 24-bit)
    std::function<OrvStatus(const S*, D*, int)> run;
    std::function<void(const S* x, D* out)> ref;  // x: the element's units in the source
    int unitsIn = 1;
};

template <class S, class D>
void check(const Case<S, D>& c, const std::vector<S>& src, std::size_t offset, const char* what)
{
    const int n = int(src.size()) / c.unitsIn;
    Guarded<S> in(src.size(), offset);
    std::memcpy(in.data(), src.data(), src.size() * sizeof(S));
    Guarded<D> out(std::size_t(n) * c.unitsOut, offset);
    ASSERT_EQ(c.run(in.data(), out.data(), n), orvStsOk) << c.name;
    std::vector<D> want(std::size_t(n) * c.unitsOut);
    for (int k = 0; k < n; ++k) c.ref(&src[std::size_t(k) * c.unitsIn], &want[std::size_t(k) * c.unitsOut]);
    for (int k = 0; k < n; ++k) {
        const std::size_t u = std::size_t(k) * c.unitsOut;
        ASSERT_EQ(std::memcmp(out.data() + u, &want[u], sizeof(D) * c.unitsOut), 0)
            << c.name << " " << what << " n=" << n << " offset=" << offset << " element " << k;
    }
    ASSERT_TRUE(out.guardsIntact()) << c.name << " " << what << " n=" << n << " offset=" << offset;
}

// Every length 1..70 at offsets 0 and 1 over random data with specials
// mixed in, then the specials rotated through every position of 48
// elements (three 512-bit registers of 32-bit lanes, six of doubles).
template <class S, class D>
void sweep(const Case<S, D>& c, const std::function<std::vector<S>(int n, std::uint32_t seed)>& data,
           const std::vector<S>& specials)
{
    for (int n = 1; n <= 70; ++n) {
        const auto src = data(n, std::uint32_t(n * 7919));
        for (std::size_t offset : {0u, 1u}) check(c, src, offset, "length");
    }
    if (specials.empty()) return;
    const int n = 48;
    const auto background = data(n, 4242);
    const int ns = int(specials.size()) / c.unitsIn;
    for (int r = 0; r < ns; ++r) {
        auto src = background;
        for (int p = 0; p < n; ++p)
            if ((p + r) % 3 != 0)  // keep some ordinary neighbours in every register
                for (int u = 0; u < c.unitsIn; ++u)
                    src[std::size_t(p) * c.unitsIn + u] = specials[std::size_t((p + r) % ns) * c.unitsIn + u];
        check(c, src, std::size_t(r & 1), "lanes");
    }
}

std::vector<float> floats(int n, std::uint32_t seed, float range)
{
    auto v = randomVector<float>(std::size_t(n), seed, -range, range);
    std::mt19937 rng(seed);
    for (int k = 0; k < n; k += 4) v[k] = float(int(rng() % 20001) - 10000) + 0.5f;  // ties
    return v;
}

const std::vector<float> kFloatSpecials = {
    0.5f, -0.5f, 1.5f, -2.5f, 0.49999997f, -0.0f, 2147483648.0f, -2147483648.0f, 2147483520.0f, -2147483904.0f,
    32767.5f, -32768.5f, 32766.5f, 65535.5f, 255.5f, -128.5f, 127.5f, 8388607.5f, -8388608.5f, 16777215.5f,
    1e-45f, -1e-40f, 1e10f, -1e10f, kInf, -kInf, std::nanf(""), -std::nanf(""), 3.4e38f, 65520.0f, 65519.996f};

template <class T>
std::vector<T> integers(int n, std::uint32_t seed)
{
    auto v = randomVector<T>(std::size_t(n), seed);
    std::mt19937 rng(seed);
    for (int k = 1; k < n; k += 3) v[k] = T(int(rng() % 2001) - 1000);  // small values, exactly representable
    return v;
}

template <class T>
std::vector<T> integerSpecials()
{
    using L = std::numeric_limits<T>;
    return {L::min(), L::max(), T(L::min() + 1), T(L::max() - 1), T(0), T(1), T(-1), T(L::max() / 2 + 1)};
}

void put24(std::int64_t v, Orv8u* out)
{
    out[0] = Orv8u(v);
    out[1] = Orv8u(v >> 8);
    out[2] = Orv8u(v >> 16);
}

std::int64_t int24(const Orv8u* p, bool isSigned) { return read24(p, isSigned); }

// Exact binary16 -> binary32 bits: a NaN keeps its payload and becomes quiet.
float halfToFloatRef(Orv16f h)
{
    const std::uint32_t sign = std::uint32_t(h & 0x8000u) << 16, e = (h >> 10) & 31u, m = h & 1023u;
    if (e == 31) return floatOf(sign | 0x7F800000u | (m << 13) | (m ? 0x400000u : 0u));
    return float(halfValue(h));
}

} // namespace

TEST(ConvertLanes, WideningAndIntegerToFloat)
{
    auto i8 = [](int n, std::uint32_t s) { return integers<Orv8s>(n, s); };
    auto u8 = [](int n, std::uint32_t s) { return integers<Orv8u>(n, s); };
    auto i16 = [](int n, std::uint32_t s) { return integers<Orv16s>(n, s); };
    auto u16 = [](int n, std::uint32_t s) { return integers<Orv16u>(n, s); };
    auto i32 = [](int n, std::uint32_t s) { return integers<Orv32s>(n, s); };
    auto u24 = [](int n, std::uint32_t s) { return randomVector<Orv8u>(std::size_t(n) * 3, s); };

    sweep<Orv8s, Orv16s>({"8s16s", 1, orvsConvert_8s16s, [](const Orv8s* x, Orv16s* o) { *o = *x; }}, i8,
                         integerSpecials<Orv8s>());
    sweep<Orv8s, Orv32f>({"8s32f", 1, orvsConvert_8s32f, [](const Orv8s* x, Orv32f* o) { *o = float(*x); }}, i8,
                         integerSpecials<Orv8s>());
    sweep<Orv8u, Orv32f>({"8u32f", 1, orvsConvert_8u32f, [](const Orv8u* x, Orv32f* o) { *o = float(*x); }}, u8,
                         integerSpecials<Orv8u>());
    sweep<Orv16s, Orv32s>({"16s32s", 1, orvsConvert_16s32s, [](const Orv16s* x, Orv32s* o) { *o = *x; }}, i16,
                          integerSpecials<Orv16s>());
    sweep<Orv16s, Orv32f>({"16s32f", 1, orvsConvert_16s32f, [](const Orv16s* x, Orv32f* o) { *o = float(*x); }},
                          i16, integerSpecials<Orv16s>());
    sweep<Orv16u, Orv32f>({"16u32f", 1, orvsConvert_16u32f, [](const Orv16u* x, Orv32f* o) { *o = float(*x); }},
                          u16, integerSpecials<Orv16u>());
    sweep<Orv32s, Orv32f>({"32s32f", 1, orvsConvert_32s32f, [](const Orv32s* x, Orv32f* o) { *o = float(*x); }},
                          i32, integerSpecials<Orv32s>());
    sweep<Orv32s, Orv64f>({"32s64f", 1, orvsConvert_32s64f, [](const Orv32s* x, Orv64f* o) { *o = double(*x); }},
                          i32, integerSpecials<Orv32s>());
    sweep<Orv8u, Orv32u>({"24u32u", 1, orvsConvert_24u32u,
                          [](const Orv8u* x, Orv32u* o) { *o = Orv32u(int24(x, false)); }, 3},
                         u24, {});
    sweep<Orv8u, Orv32f>({"24s32f", 1, orvsConvert_24s32f,
                          [](const Orv8u* x, Orv32f* o) { *o = float(int24(x, true)); }, 3},
                         u24, {0xFF, 0xFF, 0x7F, 0x00, 0x00, 0x80, 0xFF, 0xFF, 0xFF, 0x01, 0x00, 0x00});
    for (int s : {3, -5}) {
        const float f = std::ldexp(1.0f, -s);
        const double d = std::ldexp(1.0, -s);
        sweep<Orv16s, Orv32f>({"16s32f_Sfs", 1, [s](const Orv16s* x, Orv32f* o, int n) {
                                   return orvsConvert_16s32f_Sfs(x, o, n, s);
                               },
                               [f](const Orv16s* x, Orv32f* o) { *o = float(*x) * f; }},
                              i16, integerSpecials<Orv16s>());
        sweep<Orv32s, Orv32f>({"32s32f_Sfs", 1, [s](const Orv32s* x, Orv32f* o, int n) {
                                   return orvsConvert_32s32f_Sfs(x, o, n, s);
                               },
                               [f](const Orv32s* x, Orv32f* o) { *o = float(*x) * f; }},
                              i32, integerSpecials<Orv32s>());
        sweep<Orv32s, Orv64f>({"32s64f_Sfs", 1, [s](const Orv32s* x, Orv64f* o, int n) {
                                   return orvsConvert_32s64f_Sfs(x, o, n, s);
                               },
                               [d](const Orv32s* x, Orv64f* o) { *o = double(*x) * d; }},
                              i32, integerSpecials<Orv32s>());
    }
}

TEST(ConvertLanes, FloatPrecisionAndHalf)
{
    auto f32 = [](int n, std::uint32_t s) { return floats(n, s, 1e6f); };
    auto f64 = [](int n, std::uint32_t s) {
        auto v = randomVector<double>(std::size_t(n), s, -1e6, 1e6);
        for (int k = 0; k < n; k += 3) v[k] = double(k) + 1.0000000596046448;  // float ties
        return v;
    };
    const std::vector<double> doubleSpecials = {1e300, -1e300, 3.4028235677973366e38, -3.4028235677973366e38,
                                                1e-310, 1.0000000596046448, -0.0, std::nan(""), -INFINITY,
                                                2147483647.5, -2147483648.5, 32767.5, -1e-45};
    sweep<Orv32f, Orv64f>({"32f64f", 1, orvsConvert_32f64f, [](const Orv32f* x, Orv64f* o) { *o = double(*x); }},
                          f32, kFloatSpecials);
    sweep<Orv64f, Orv32f>({"64f32f", 1, orvsConvert_64f32f, [](const Orv64f* x, Orv32f* o) { *o = float(*x); }},
                          f64, doubleSpecials);
    auto h16 = [](int n, std::uint32_t s) { return randomVector<Orv16f>(std::size_t(n), s); };
    sweep<Orv16f, Orv32f>({"16f32f", 1, orvsConvert_16f32f,
                           [](const Orv16f* x, Orv32f* o) { *o = halfToFloatRef(*x); }},
                          h16, {0x7C00, 0xFC00, 0x7C01, 0xFE55, 0x0001, 0x83FF, 0x7BFF, 0x8000});
    for (int mode : {0, 1}) {
        const bool nearest = mode == 1;
        auto finite = [](int n, std::uint32_t s) { return floats(n, s, 70000.0f); };
        std::vector<float> specials;
        for (float x : kFloatSpecials)
            if (!std::isnan(x)) specials.push_back(x);
        sweep<Orv32f, Orv16f>({"32f16f", 1, [mode](const Orv32f* x, Orv16f* o, int n) {
                                   return orvsConvert_32f16f(x, o, n, OrvRoundMode(mode));
                               },
                               [nearest](const Orv32f* x, Orv16f* o) { *o = halfOf(*x, nearest); }},
                              finite, specials);
        sweep<Orv16s, Orv16f>({"16s16f", 1, [mode](const Orv16s* x, Orv16f* o, int n) {
                                   return orvsConvert_16s16f(x, o, n, OrvRoundMode(mode));
                               },
                               [nearest](const Orv16s* x, Orv16f* o) { *o = halfOf(*x, nearest); }},
                              [](int n, std::uint32_t s) { return integers<Orv16s>(n, s); },
                              integerSpecials<Orv16s>());
    }
}

// Floating to integer: every destination, every rounding, a plain and a
// scaled factor.
TEST(ConvertLanes, FloatToInteger)
{
    auto f32 = [](int n, std::uint32_t s) { return floats(n, s, n % 2 ? 100000.0f : 300.0f); };
    auto f64 = [](int n, std::uint32_t s) {
        auto v = randomVector<double>(std::size_t(n), s, -3e9, 3e9);
        for (int k = 1; k < n; k += 3) v[k] = double(int(k * 977 % 70001) - 35000) + 0.5;
        return v;
    };
    const std::vector<double> doubleSpecials = {0.5, -0.5, 2.5, -3.5, 2147483647.5, 2147483646.5, -2147483648.5,
                                                -2147483649.0, 32767.49999999, -32768.5, 1e300, -1e300,
                                                std::nan(""), INFINITY, -INFINITY, 4.9e-324};
    for (int mode : {0, 1, 2}) {
        const int rm = rndNear(mode);
        for (int s : {0, 3, -2}) {
            const float f = factorOf(s);
            auto f2i = [&](const char* name, auto conv, std::int64_t lo, std::int64_t hi, auto tag) {
                using D = decltype(tag);
                sweep<Orv32f, D>({name, 1, [=](const Orv32f* x, D* o, int n) { return conv(x, o, n, OrvRoundMode(mode), s); },
                                  [=](const Orv32f* x, D* o) { *o = D(roundFloat(*x * f, rm, lo, hi)); }},
                                 f32, kFloatSpecials);
            };
            f2i("32f8s", orvsConvert_32f8s_Sfs, -128, 127, Orv8s{});
            f2i("32f8u", orvsConvert_32f8u_Sfs, 0, 255, Orv8u{});
            f2i("32f16s", orvsConvert_32f16s_Sfs, -32768, 32767, Orv16s{});
            f2i("32f16u", orvsConvert_32f16u_Sfs, 0, 65535, Orv16u{});
            f2i("32f32s", orvsConvert_32f32s_Sfs, INT32_MIN, INT32_MAX, Orv32s{});
            const double d = double(f);
            sweep<Orv64f, Orv16s>({"64f16s", 1, [=](const Orv64f* x, Orv16s* o, int n) {
                                       return orvsConvert_64f16s_Sfs(x, o, n, OrvRoundMode(mode), s);
                                   },
                                   [=](const Orv64f* x, Orv16s* o) { *o = Orv16s(roundFloat(*x * d, rm, -32768, 32767)); }},
                                  f64, doubleSpecials);
            sweep<Orv64f, Orv32s>({"64f32s", 1, [=](const Orv64f* x, Orv32s* o, int n) {
                                       return orvsConvert_64f32s_Sfs(x, o, n, OrvRoundMode(mode), s);
                                   },
                                   [=](const Orv64f* x, Orv32s* o) {
                                       *o = Orv32s(roundFloat(*x * d, rm, INT32_MIN, INT32_MAX));
                                   }},
                                  f64, doubleSpecials);
            if (mode != 2) {
                auto h16 = [](int n, std::uint32_t seed) { return randomVector<Orv16f>(std::size_t(n), seed); };
                sweep<Orv16f, Orv16s>({"16f16s", 1, [=](const Orv16f* x, Orv16s* o, int n) {
                                           return orvsConvert_16f16s_Sfs(x, o, n, OrvRoundMode(mode), s);
                                       },
                                       [=](const Orv16f* x, Orv16s* o) {
                                           *o = Orv16s(roundFloat(halfToFloatRef(*x) * f, rm, -32768, 32767));
                                       }},
                                      h16, {0x7C00, 0xFC00, 0x7E00, 0x7800, 0xF800, 0x3800, 0xBC00, 0x3E00});
            }
        }
        sweep<Orv32f, Orv8u>({"32f24s", 3, [](const Orv32f* x, Orv8u* o, int n) { return orvsConvert_32f24s_Sfs(x, o, n, -4); },
                              [](const Orv32f* x, Orv8u* o) { put24(roundFloat(*x * 16.0f, 1, -8388608, 8388607), o); }},
                             f32, kFloatSpecials);
        sweep<Orv32f, Orv8u>({"32f24u", 3, [](const Orv32f* x, Orv8u* o, int n) { return orvsConvert_32f24u_Sfs(x, o, n, 0); },
                              [](const Orv32f* x, Orv8u* o) { put24(roundFloat(*x, 1, 0, 16777215), o); }},
                             f32, kFloatSpecials);
    }
}

TEST(ConvertLanes, IntegerNarrowing)
{
    auto i32 = [](int n, std::uint32_t s) { return integers<Orv32s>(n, s); };
    for (int s : {0, 1, 4, -3}) {
        sweep<Orv32s, Orv16s>({"32s16s_Sfs", 1, [s](const Orv32s* x, Orv16s* o, int n) {
                                   return orvsConvert_32s16s_Sfs(x, o, n, s);
                               },
                               [s](const Orv32s* x, Orv16s* o) { *o = Orv16s(scaleInt(*x, s, 1, -32768, 32767)); }},
                              i32, integerSpecials<Orv32s>());
        sweep<Orv32s, Orv8u>({"32s24s_Sfs", 3, [s](const Orv32s* x, Orv8u* o, int n) {
                                  return orvsConvert_32s24s_Sfs(x, o, n, s);
                              },
                              [s](const Orv32s* x, Orv8u* o) { put24(scaleInt(*x, s, 1, -8388608, 8388607), o); }},
                             i32, integerSpecials<Orv32s>());
    }
}
