// Register-width edges of the conversion kernels: every length 1..70 at the
// first element offsets from a 64-byte boundary (single and paired blocks of
// 8 and 16 elements and every tail after them), awkward values rotated
// through every lane of three 512-bit registers, and no byte written outside
// the destination. Each result is compared bit for bit with an element-wise
// model of the conversion rules.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "convert_ref.h"

using namespace convert_ref;

namespace {

constexpr float kInf = std::numeric_limits<float>::infinity();
using Bytes = std::vector<unsigned char>;

// One conversion, type-erased to bytes: `in` and `out` bytes per element.
struct Case {
    std::string name;
    std::size_t in, out;
    std::function<OrvStatus(const void*, void*, int)> run;
    std::function<void(const void*, void*)> ref;
    std::function<Bytes(int n, std::uint32_t seed)> data;
    Bytes specials;
};

template <class T>
Bytes bytesOf(const std::vector<T>& v)
{
    Bytes b(v.size() * sizeof(T));
    std::memcpy(b.data(), v.data(), b.size());
    return b;
}

template <class S, class D, class Run, class Ref>
Case make(std::string name, Run run, Ref ref, std::function<std::vector<S>(int, std::uint32_t)> data,
          std::vector<S> specials, std::size_t units = 1, std::size_t unitsOut = 1)
{
    return {name, sizeof(S) * units, sizeof(D) * unitsOut,
            [run](const void* s, void* d, int n) { return run(static_cast<const S*>(s), static_cast<D*>(d), n); },
            [ref](const void* s, void* d) { ref(static_cast<const S*>(s), static_cast<D*>(d)); },
            [data, units](int n, std::uint32_t seed) { return bytesOf(data(int(units) * n, seed)); }, bytesOf(specials)};
}

void check(const Case& c, const Bytes& src, int offset, const char* what)
{
    const int n = int(src.size() / c.in);
    Guarded<unsigned char> in(src.size(), offset * c.in), out(n * c.out, offset * c.out);
    in.assign(src);
    ASSERT_EQ(c.run(in.data(), out.data(), n), orvStsOk) << c.name;
    Bytes want(n * c.out);
    for (int k = 0; k < n; ++k) c.ref(&src[k * c.in], &want[k * c.out]);
    for (int k = 0; k < n; ++k)
        ASSERT_EQ(std::memcmp(out.data() + k * c.out, &want[k * c.out], c.out), 0)
            << c.name << " " << what << " n=" << n << " offset=" << offset << " element " << k;
    ASSERT_TRUE(out.guardsIntact()) << c.name << " " << what << " n=" << n << " offset=" << offset;
}

void sweep(const Case& c)
{
    lengthOffsetSweep(70, 3, [&](int n, int offset) { check(c, c.data(n, std::uint32_t(n * 7919)), offset, "length"); });
    const int n = 48, ns = int(c.specials.size() / c.in);
    const Bytes background = c.data(n, 4242);
    for (int r = 0; r < ns; ++r) {
        Bytes src = background;
        for (int p = 0; p < n; ++p)
            if ((p + r) % 3 != 0)  // keep some ordinary neighbours in every register
                std::memcpy(&src[p * c.in], &c.specials[((p + r) % ns) * c.in], c.in);
        check(c, src, r & 1, "lanes");
    }
}

std::vector<float> floats(int n, std::uint32_t seed, float range)
{
    auto v = randomVector<float>(n, seed, -range, range);
    std::mt19937 rng(seed);
    for (int k = 0; k < n; k += 4) v[k] = float(int(rng() % 20001) - 10000) + 0.5f;  // ties
    return v;
}

std::vector<double> doubles(int n, std::uint32_t seed)
{
    auto v = randomVector<double>(n, seed, -3e9, 3e9);
    for (int k = 1; k < n; k += 3) v[k] = double(int(k * 977 % 70001) - 35000) + 0.5;
    for (int k = 2; k < n; k += 3) v[k] = double(k) + 1.0000000596046448;  // float ties
    return v;
}

template <class T>
std::vector<T> ints(int n, std::uint32_t seed)
{
    auto v = randomVector<T>(n, seed);
    std::mt19937 rng(seed);
    for (int k = 1; k < n; k += 3) v[k] = T(int(rng() % 2001) - 1000);  // small values
    return v;
}

template <class T>
std::vector<T> raw(int n, std::uint32_t seed) { return randomVector<T>(n, seed); }

template <class T>
std::vector<T> intSpecials()
{
    using L = std::numeric_limits<T>;
    return {L::min(), L::max(), T(L::min() + 1), T(L::max() - 1), T(0), T(1), T(-1), T(L::max() / 2 + 1)};
}

const std::vector<float> kFloatSpecials = {
    0.5f, -0.5f, 1.5f, -2.5f, 0.49999997f, -0.0f, 2147483648.0f, -2147483648.0f, 2147483520.0f, -2147483904.0f,
    32767.5f, -32768.5f, 65535.5f, 255.5f, -128.5f, 8388607.5f, -8388608.5f, 16777215.5f, 1e-45f, -1e-40f,
    1e10f, kInf, -kInf, std::nanf(""), -std::nanf(""), 3.4e38f, 65520.0f, 65519.996f};
const std::vector<double> kDoubleSpecials = {0.5, -2.5, 2147483647.5, -2147483648.5, -2147483649.0, 32767.49999999,
                                             1e300, -1e300, 3.4028235677973366e38, 1e-310, 1.0000000596046448,
                                             -0.0, std::nan(""), INFINITY, -INFINITY, 4.9e-324};
const std::vector<Orv16f> kHalfSpecials = {0x7C00, 0xFC00, 0x7C01, 0xFE55, 0x0001, 0x83FF, 0x7BFF, 0x8000, 0x3800, 0xBE00};

template <class S, class D>
auto widening(const char* name, OrvStatus (*fn)(const S*, D*, int))
{
    return make<S, D>(name, fn, [](const S* x, D* o) { *o = D(*x); }, ints<S>, intSpecials<S>());
}

std::vector<Case> cases()
{
    std::vector<Case> c = {widening("8s16s", orvsConvert_8s16s), widening("8s32f", orvsConvert_8s32f),
                           widening("8u32f", orvsConvert_8u32f), widening("16s32s", orvsConvert_16s32s),
                           widening("16s32f", orvsConvert_16s32f), widening("16u32f", orvsConvert_16u32f),
                           widening("32s32f", orvsConvert_32s32f), widening("32s64f", orvsConvert_32s64f)};
    c.push_back(make<Orv64s, Orv64f>("64s64f", [](const Orv64s* s, Orv64f* d, int n) { return orvsConvert_64s64f(s, d, Orv32u(n)); },
                                     [](const Orv64s* x, Orv64f* o) { *o = double(*x); }, ints<Orv64s>, intSpecials<Orv64s>()));
    for (bool sgn : {false, true}) {
        const Bytes s24 = {0xFF, 0xFF, 0x7F, 0x00, 0x00, 0x80, 0xFF, 0xFF, 0xFF, 0x01, 0x00, 0x00};
        const std::vector<Orv8u> sp(s24.begin(), s24.end());
        c.push_back(make<Orv8u, Orv32f>(sgn ? "24s32f" : "24u32f", sgn ? orvsConvert_24s32f : orvsConvert_24u32f,
                                        [sgn](const Orv8u* x, Orv32f* o) { *o = float(read24(x, sgn)); }, raw<Orv8u>, sp, 3));
        c.push_back(make<Orv8u, Orv32s>(sgn ? "24s32s" : "24u32u",
                                        [sgn](const Orv8u* s, Orv32s* d, int n) {
                                            return sgn ? orvsConvert_24s32s(s, d, n) : orvsConvert_24u32u(s, reinterpret_cast<Orv32u*>(d), n);
                                        },
                                        [sgn](const Orv8u* x, Orv32s* o) { *o = read24(x, sgn); }, raw<Orv8u>, sp, 3));
    }
    // integer to floating point times 2^-s, s clamped to the exponent range first
    for (int s : {3, -5, -113, 127, -993, 1023, 5000, -5000}) {
        const float f = std::ldexp(1.0f, -std::clamp(s, -112, 126));
        const double d = std::ldexp(1.0, -std::clamp(s, -992, 1022));
        c.push_back(make<Orv16s, Orv32f>("16s32f_Sfs", [s](const Orv16s* x, Orv32f* o, int n) { return orvsConvert_16s32f_Sfs(x, o, n, s); },
                                         [f](const Orv16s* x, Orv32f* o) { *o = float(*x) * f; }, ints<Orv16s>, intSpecials<Orv16s>()));
        c.push_back(make<Orv32s, Orv32f>("32s32f_Sfs", [s](const Orv32s* x, Orv32f* o, int n) { return orvsConvert_32s32f_Sfs(x, o, n, s); },
                                         [f](const Orv32s* x, Orv32f* o) { *o = float(*x) * f; }, ints<Orv32s>, intSpecials<Orv32s>()));
        c.push_back(make<Orv32s, Orv64f>("32s64f_Sfs", [s](const Orv32s* x, Orv64f* o, int n) { return orvsConvert_32s64f_Sfs(x, o, n, s); },
                                         [d](const Orv32s* x, Orv64f* o) { *o = double(*x) * d; }, ints<Orv32s>, intSpecials<Orv32s>()));
    }
    auto f32 = [](int n, std::uint32_t s) { return floats(n, s, n % 2 ? 100000.0f : 300.0f); };
    c.push_back(make<Orv32f, Orv64f>("32f64f", orvsConvert_32f64f, [](const Orv32f* x, Orv64f* o) { *o = *x; }, f32, kFloatSpecials));
    c.push_back(make<Orv64f, Orv32f>("64f32f", orvsConvert_64f32f, [](const Orv64f* x, Orv32f* o) { *o = float(*x); }, doubles, kDoubleSpecials));
    c.push_back(make<Orv16f, Orv32f>("16f32f", orvsConvert_16f32f, [](const Orv16f* x, Orv32f* o) { *o = halfToFloat(*x); },
                                     raw<Orv16f>, kHalfSpecials));
    for (int mode : {0, 1, 2}) {
        const int rm = rndNear(mode);
        if (mode < 2) {
            std::vector<float> finite;
            for (float x : kFloatSpecials) if (!std::isnan(x)) finite.push_back(x);
            c.push_back(make<Orv32f, Orv16f>("32f16f", [mode](const Orv32f* x, Orv16f* o, int n) { return orvsConvert_32f16f(x, o, n, OrvRoundMode(mode)); },
                                             [mode](const Orv32f* x, Orv16f* o) { *o = halfOf(*x, mode == 1); },
                                             [](int n, std::uint32_t s) { return floats(n, s, 70000.0f); }, finite));
            c.push_back(make<Orv16s, Orv16f>("16s16f", [mode](const Orv16s* x, Orv16f* o, int n) { return orvsConvert_16s16f(x, o, n, OrvRoundMode(mode)); },
                                             [mode](const Orv16s* x, Orv16f* o) { *o = halfOf(*x, mode == 1); }, ints<Orv16s>, intSpecials<Orv16s>()));
        }
        for (int s : {0, 3, -2, 16, 31, 127, 140, 150, -127, -128, -200}) {
            const float f = factorOf(s);
            auto f2i = [&](const char* name, auto conv, std::int64_t lo, std::int64_t hi, auto tag) {
                using D = decltype(tag);
                c.push_back(make<Orv32f, D>(name, [=](const Orv32f* x, D* o, int n) { return conv(x, o, n, OrvRoundMode(mode), s); },
                                            [=](const Orv32f* x, D* o) { *o = D(roundFloat(*x * f, rm, lo, hi)); }, f32, kFloatSpecials));
            };
            f2i("32f8s", orvsConvert_32f8s_Sfs, -128, 127, Orv8s{});
            f2i("32f8u", orvsConvert_32f8u_Sfs, 0, 255, Orv8u{});
            f2i("32f16s", orvsConvert_32f16s_Sfs, -32768, 32767, Orv16s{});
            f2i("32f16u", orvsConvert_32f16u_Sfs, 0, 65535, Orv16u{});
            f2i("32f32s", orvsConvert_32f32s_Sfs, INT32_MIN, INT32_MAX, Orv32s{});
            auto d2i = [&](const char* name, auto conv, std::int64_t lo, std::int64_t hi, auto tag) {
                using D = decltype(tag);
                c.push_back(make<Orv64f, D>(name, [=](const Orv64f* x, D* o, int n) { return conv(x, o, n, OrvRoundMode(mode), s); },
                                            [=](const Orv64f* x, D* o) { *o = D(roundFloat(*x * double(f), rm, lo, hi)); }, doubles, kDoubleSpecials));
            };
            d2i("64f16s", orvsConvert_64f16s_Sfs, -32768, 32767, Orv16s{});
            d2i("64f32s", orvsConvert_64f32s_Sfs, INT32_MIN, INT32_MAX, Orv32s{});
            d2i("64f64s", [](const Orv64f* x, Orv64s* o, int n, OrvRoundMode m, int sf) { return orvsConvert_64f64s_Sfs(x, o, Orv32u(n), m, sf); },
                INT64_MIN, INT64_MAX, Orv64s{});
            if (mode < 2)
                c.push_back(make<Orv16f, Orv16s>("16f16s", [=](const Orv16f* x, Orv16s* o, int n) { return orvsConvert_16f16s_Sfs(x, o, n, OrvRoundMode(mode), s); },
                                                 [=](const Orv16f* x, Orv16s* o) { *o = Orv16s(roundFloat(halfToFloat(*x) * f, rm, -32768, 32767)); },
                                                 raw<Orv16f>, kHalfSpecials));
        }
    }
    for (int s : {0, 1, 4, -3, 150, -130}) {
        const float f = factorOf(s);
        c.push_back(make<Orv32f, Orv8u>("32f24s", [s](const Orv32f* x, Orv8u* o, int n) { return orvsConvert_32f24s_Sfs(x, o, n, s); },
                                        [f](const Orv32f* x, Orv8u* o) { write24(roundFloat(*x * f, 1, -8388608, 8388607), o); }, f32, kFloatSpecials, 1, 3));
        c.push_back(make<Orv32f, Orv8u>("32f24u", [s](const Orv32f* x, Orv8u* o, int n) { return orvsConvert_32f24u_Sfs(x, o, n, s); },
                                        [f](const Orv32f* x, Orv8u* o) { write24(roundFloat(*x * f, 1, 0, 16777215), o); }, f32, kFloatSpecials, 1, 3));
    }
    // integer narrowing: nearest even at every scale, the 24-bit forms with s clamped to [-31, 31]
    for (int s : {0, 1, 4, -3, 15, 16, 31, 32, 33, -16, -31, -40, -50, 60, 80}) {
        const int c24 = std::clamp(s, -31, 31);
        c.push_back(make<Orv32s, Orv16s>("32s16s_Sfs", [s](const Orv32s* x, Orv16s* o, int n) { return orvsConvert_32s16s_Sfs(x, o, n, s); },
                                         [s](const Orv32s* x, Orv16s* o) { *o = Orv16s(scaleInt(*x, s, 1, -32768, 32767)); }, ints<Orv32s>, intSpecials<Orv32s>()));
        c.push_back(make<Orv32s, Orv8u>("32s24s_Sfs", [s](const Orv32s* x, Orv8u* o, int n) { return orvsConvert_32s24s_Sfs(x, o, n, s); },
                                        [c24](const Orv32s* x, Orv8u* o) { write24(scaleInt(*x, c24, 1, -8388608, 8388607), o); }, ints<Orv32s>, intSpecials<Orv32s>(), 1, 3));
        c.push_back(make<Orv32u, Orv8u>("32u24u_Sfs", [s](const Orv32u* x, Orv8u* o, int n) { return orvsConvert_32u24u_Sfs(x, o, n, s); },
                                        [c24](const Orv32u* x, Orv8u* o) { write24(scaleInt(*x, c24, 1, 0, 16777215), o); }, ints<Orv32u>, intSpecials<Orv32u>(), 1, 3));
    }
    return c;
}

} // namespace

TEST(ConversionLanes, EveryLengthOffsetAndLane)
{
    for (const Case& c : cases()) {
        sweep(c);
        if (HasFatalFailure()) return;
    }
}
