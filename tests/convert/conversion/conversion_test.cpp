// Conversions against element-wise models (exact rounding in wide integers
// and long double, a search over the ordered half-precision values).
#include <gtest/gtest.h>
#include <xmmintrin.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>

#include "test_util.h"

using namespace orvs_test;

namespace {
using i128 = __int128;

// x / 2^s (s > 0) rounded by mode (0 toward zero, 1 ties to even, 2 ties away).
i128 divPow2(i128 x, int s, int mode)
{
    if (s >= 120) return 0;  // |x| < 2^64 here: far below one half
    const i128 unit = i128(1) << s, q = x >> s, r = x - q * unit;
    if (r == 0) return q;
    if (mode == 0) return x < 0 ? q + 1 : q;
    if (2 * r != unit) return 2 * r > unit ? q + 1 : q;
    return mode == 1 ? q + (q & 1) : (x < 0 ? q : q + 1);
}

std::int64_t sat(i128 v, std::int64_t lo, std::int64_t hi) { return v < lo ? lo : v > hi ? hi : std::int64_t(v); }

// Integer x scaled by 2^-s, rounded (s > 0) and saturated to [lo, hi].
std::int64_t scaleInt(i128 x, int s, int mode, std::int64_t lo, std::int64_t hi)
{
    if (s > 0) return sat(divPow2(x, s, mode), lo, hi);
    if (s == 0 || x == 0) return sat(x, lo, hi);
    if (s < -60) return x > 0 ? hi : lo;
    return sat(x * (i128(1) << -s), lo, hi);
}

// A floating value already scaled: NaN to hi, rounded by mode, saturated.
std::int64_t roundFloat(long double v, int mode, std::int64_t lo, std::int64_t hi)
{
    if (std::isnan(v) || v >= (long double)hi + 1) return hi;
    if (v <= (long double)lo - 1) return lo;
    const long double f = std::floor(v), d = v - f;
    long double r = d < 0.5L ? f : d > 0.5L ? f + 1 : mode == 1 ? (std::fmod(f, 2.0L) == 0 ? f : f + 1) : (v < 0 ? f : f + 1);
    if (mode == 0) r = std::trunc(v);
    return sat(i128(r), lo, hi);
}

// 2^-s in single precision: zero beyond 2^-149, infinite beyond the float range.
float factorOf(int s) { return s > 149 ? 0.0f : s < -127 ? std::numeric_limits<float>::infinity() : std::ldexp(1.0f, -s); }

double halfValue(std::uint16_t h)
{
    const int e = (h >> 10) & 31, m = h & 1023;
    double v = e == 0 ? std::ldexp(double(m), -24) : std::ldexp(double(1024 + m), e - 25);
    if (e == 31) v = m ? std::nan("") : INFINITY;
    return (h & 0x8000) ? -v : v;
}

// Binary16 of a double by search over the positive halves (ordered like their patterns).
std::uint16_t halfOf(double x, bool nearest)
{
    const std::uint16_t sign = std::signbit(x) ? 0x8000 : 0;
    const double a = std::fabs(x);
    if (std::isinf(a)) return sign | 0x7C00;
    static const std::vector<double> table = [] {
        std::vector<double> t(0x7C01);
        for (int h = 0; h < 0x7C00; ++h) t[h] = halfValue(std::uint16_t(h));
        t[0x7C00] = 65536.0;  // the next step above 65504, standing for overflow
        return t;
    }();
    const int lo = std::min(int(std::upper_bound(table.begin(), table.end(), a) - table.begin()) - 1, 0x7C00);
    if (!nearest) return sign | std::uint16_t(std::min(lo, 0x7BFF));
    if (lo == 0x7C00) return sign | 0x7C00;
    const double dl = a - table[lo], dh = table[lo + 1] - a;
    return sign | std::uint16_t(dl < dh ? lo : dh < dl ? lo + 1 : lo + (lo & 1));
}

float floatOf(std::uint32_t b) { float f; std::memcpy(&f, &b, 4); return f; }

// Binary16 of a float: a NaN stays quiet with its sign and the top of its payload.
std::uint16_t halfOfFloat(float x, bool nearest)
{
    std::uint32_t b;
    std::memcpy(&b, &x, 4);
    return std::isnan(x) ? std::uint16_t(((b >> 16) & 0x8000) | 0x7E00 | ((b >> 13) & 0x3FF)) : halfOf(x, nearest);
}

// binary16 -> binary32 bits: a NaN keeps its payload and becomes quiet.
float halfToFloat(Orv16f h)
{
    const std::uint32_t sign = std::uint32_t(h & 0x8000u) << 16, e = (h >> 10) & 31u, m = h & 1023u;
    return e == 31 ? floatOf(sign | 0x7F800000u | (m << 13) | (m ? 0x400000u : 0u)) : float(halfValue(h));
}

std::int32_t read24(const Orv8u* p, bool isSigned)
{
    const std::uint32_t u = p[0] | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16);
    return isSigned && (u & 0x800000u) ? std::int32_t(u) - 0x1000000 : std::int32_t(u);
}

void write24(std::int64_t v, Orv8u* out) { out[0] = Orv8u(v), out[1] = Orv8u(v >> 8), out[2] = Orv8u(v >> 16); }

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
    const long bad = std::mismatch(want.begin(), want.end(), out.data()).first - want.begin();
    ASSERT_TRUE(bad == long(want.size()) && out.guardsIntact()) << c.name << " " << what << " n=" << n << " offset=" << offset << " element " << bad / long(c.out);
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

// 64-bit values of every magnitude: the edges shifted right by 0..39 bits
const std::vector<Orv64s> kWide64 = {0, 1, -1, 3, -5, INT64_MAX, INT64_MIN, 2147483648LL, -2147483649LL, 6442450943LL};
std::vector<Orv64s> wide64(int n, std::uint32_t seed)
{
    auto v = randomVector<Orv64s>(n, seed);
    for (int k = 0; k < n; k += 2) v[k] = kWide64[(k / 2) % kWide64.size()] >> ((k * 7) % 40);
    return v;
}

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
        const std::vector<Orv8u> sp = {0xFF, 0xFF, 0x7F, 0x00, 0x00, 0x80, 0xFF, 0xFF, 0xFF, 0x01, 0x00, 0x00};
        c.push_back(make<Orv8u, Orv32f>(sgn ? "24s32f" : "24u32f", sgn ? orvsConvert_24s32f : orvsConvert_24u32f,
                                        [sgn](const Orv8u* x, Orv32f* o) { *o = float(read24(x, sgn)); }, raw<Orv8u>, sp, 3));
        c.push_back(make<Orv8u, Orv32s>(sgn ? "24s32s" : "24u32u",
                                        [sgn](const Orv8u* s, Orv32s* d, int n) {
                                            return sgn ? orvsConvert_24s32s(s, d, n) : orvsConvert_24u32u(s, reinterpret_cast<Orv32u*>(d), n);
                                        },
                                        [sgn](const Orv8u* x, Orv32s* o) { *o = read24(x, sgn); }, raw<Orv8u>, sp, 3));
    }
    // integer to floating point times 2^-s, s clamped to the exponent range first
    for (int s : {3, -5, -15, 15, -111, -112, -113, 126, 127, 300, -300, -993, 1023, -2000, 2000}) {
        auto toFloat = [&]<class S, class D>(const char* name, OrvStatus (*conv)(const S*, D*, int, int), int lo, int hi) {
            const D f = std::ldexp(D(1), -std::clamp(s, lo, hi));
            c.push_back(make<S, D>(name, [=](const S* x, D* o, int n) { return conv(x, o, n, s); }, [f](const S* x, D* o) { *o = D(*x) * f; },
                                   ints<S>, intSpecials<S>()));
        };
        toFloat("16s32f_Sfs", orvsConvert_16s32f_Sfs, -112, 126);
        toFloat("16s64f_Sfs", orvsConvert_16s64f_Sfs, -1008, 1022);
        toFloat("32s32f_Sfs", orvsConvert_32s32f_Sfs, -112, 126);
        toFloat("32s64f_Sfs", orvsConvert_32s64f_Sfs, -992, 1022);
    }
    auto f32 = [](int n, std::uint32_t s) { return floats(n, s, n % 2 ? 100000.0f : 300.0f); };
    c.push_back(make<Orv32f, Orv64f>("32f64f", orvsConvert_32f64f, [](const Orv32f* x, Orv64f* o) { *o = *x; }, f32, kFloatSpecials));
    c.push_back(make<Orv64f, Orv32f>("64f32f", orvsConvert_64f32f, [](const Orv64f* x, Orv32f* o) { *o = float(*x); }, doubles, kDoubleSpecials));
    c.push_back(make<Orv16f, Orv32f>("16f32f", orvsConvert_16f32f, [](const Orv16f* x, Orv32f* o) { *o = halfToFloat(*x); },
                                     raw<Orv16f>, kHalfSpecials));
    // other modes round ties away; the half members refuse that and truncate under other modes
    for (int mode : {0, 1, 2, 3}) {
        const int rm = std::min(mode, 2);  // 0 truncates, 1 ties to even, others ties away
        const auto m = OrvRoundMode(mode);
        if (mode != 2) {
            c.push_back(make<Orv32f, Orv16f>("32f16f", [m](const Orv32f* x, Orv16f* o, int n) { return orvsConvert_32f16f(x, o, n, m); },
                                             [m](const Orv32f* x, Orv16f* o) { *o = halfOfFloat(*x, m == 1); },
                                             [](int n, std::uint32_t s) { return floats(n, s, 70000.0f); }, kFloatSpecials));
            c.push_back(make<Orv16s, Orv16f>("16s16f", [m](const Orv16s* x, Orv16f* o, int n) { return orvsConvert_16s16f(x, o, n, m); },
                                             [m](const Orv16s* x, Orv16f* o) { *o = halfOf(*x, m == 1); }, ints<Orv16s>, intSpecials<Orv16s>()));
        }
        for (int s = -9; s <= 20; ++s)
            c.push_back(make<Orv16s, Orv8s>("16s8s_Sfs", [=](const Orv16s* x, Orv8s* o, int n) { return orvsConvert_16s8s_Sfs(x, o, Orv32u(n), m, s); },
                                            [=](const Orv16s* x, Orv8s* o) { *o = Orv8s(scaleInt(*x, s, rm, -128, 127)); }, ints<Orv16s>, intSpecials<Orv16s>()));
        for (int s : {-64, -32, -31, -1, 0, 1, 2, 31, 32, 33, 62, 63, 64, 65, 200})
            c.push_back(make<Orv64s, Orv32s>("64s32s_Sfs", [=](const Orv64s* x, Orv32s* o, int n) { return orvsConvert_64s32s_Sfs(x, o, n, m, s); },
                                             [=](const Orv64s* x, Orv32s* o) { *o = Orv32s(scaleInt(*x, s, rm, INT32_MIN, INT32_MAX)); }, wide64, kWide64));
        for (int s : {0, 1, -1, 3, -2, -10, 16, 30, 31, 127, 140, 149, 150, -127, -128, -200}) {
            const float f = factorOf(s);
            if (mode != 2)
                c.push_back(make<Orv16f, Orv16s>("16f16s", [=](const Orv16f* x, Orv16s* o, int n) { return orvsConvert_16f16s_Sfs(x, o, n, m, s); },
                                                 [=](const Orv16f* x, Orv16s* o) { *o = Orv16s(roundFloat(halfToFloat(*x) * f, m == 1, -32768, 32767)); },
                                                 raw<Orv16f>, kHalfSpecials));
            if (mode == 5) continue;  // the float sources meet the other modes in the checks
            auto toInt = [&]<class S, class D, class N>(const char* name, OrvStatus (*conv)(const S*, D*, N, OrvRoundMode, int), std::int64_t lo, std::int64_t hi) {
                auto run = [=](const S* x, D* o, int n) { return conv(x, o, N(n), m, s); };
                auto ref = [=](const S* x, D* o) { *o = D(roundFloat(*x * S(f), rm, lo, hi)); };
                if constexpr (sizeof(S) == 4) c.push_back(make<S, D>(name, run, ref, f32, kFloatSpecials));
                else c.push_back(make<S, D>(name, run, ref, doubles, kDoubleSpecials));
            };
            toInt("32f8s", orvsConvert_32f8s_Sfs, -128, 127);
            toInt("32f8u", orvsConvert_32f8u_Sfs, 0, 255);
            toInt("32f16s", orvsConvert_32f16s_Sfs, -32768, 32767);
            toInt("32f16u", orvsConvert_32f16u_Sfs, 0, 65535);
            toInt("32f32s", orvsConvert_32f32s_Sfs, INT32_MIN, INT32_MAX);
            toInt("64f16s", orvsConvert_64f16s_Sfs, -32768, 32767);
            toInt("64f32s", orvsConvert_64f32s_Sfs, INT32_MIN, INT32_MAX);
            toInt("64f64s", orvsConvert_64f64s_Sfs, INT64_MIN, INT64_MAX);
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

// Also every 16-bit source pattern, and floats at, around and between halves.
TEST(ConversionLanes, EveryLengthOffsetLaneAndSixteenBitPattern)
{
    std::vector<Orv16u> all(65536);
    for (int k = 0; k < 65536; ++k) all[k] = Orv16u(k);
    std::vector<float> f = {kInf, -kInf, 1e-45f, -1e-40f, 3e-8f, 2.9802322e-08f, 1e6f, 65519.996f, 65520.0f, 1e38f, floatOf(0xFF812345u), floatOf(0x7F800001u)};
    for (int h = 0; h < 0x7C00; ++h) {
        const double v = halfValue(Orv16f(h)), next = h + 1 < 0x7C00 ? halfValue(Orv16f(h + 1)) : 65536.0;
        const float mid = float((v + next) / 2);
        for (float x : {float(v), mid, std::nextafter(mid, 0.0f), std::nextafter(mid, kInf)}) f.push_back(x), f.push_back(-x);
    }
    for (const Case& c : cases()) {
        sweep(c);
        if (c.in == 2) check(c, bytesOf(all), 1, "every pattern");
        if (c.name == "32f16f") check(c, bytesOf(f), 3, "half neighbourhood");
        if (HasFatalFailure()) return;
    }
}

// The family's own checks, and the modes on ties, NaN and infinities.
TEST(ConversionChecks, RoundModesTiesAndLimits)
{
    Orv16s s16[4] = {1, 2, 3, 4}, d16[4] = {99, 99, 99, 99};
    float f32[4] = {1, 2, 3, 4};
    Orv16f h[4] = {0x3C00, 0x3C00, 0x3C00, 0x3C00}, dh[4] = {7, 7, 7, 7};
    // the half-precision members refuse ties away, after the pointer and length checks
    EXPECT_TRUE(orvsConvert_16s16f(s16, dh, 4, orvRndFinancial) == orvStsErrRoundMode && orvsConvert_32f16f(f32, dh, 4, orvRndFinancial) == orvStsErrRoundMode &&
                orvsConvert_16f16s_Sfs(h, d16, 4, orvRndFinancial, 0) == orvStsErrRoundMode);
    for (int k = 0; k < 4; ++k) EXPECT_TRUE(d16[k] == 99 && dh[k] == 7);
    const float x[7] = {2.5f, 3.5f, -2.5f, -3.5f, std::nanf(""), -kInf, 1.0e10f};
    Orv16s y[7];
    for (int mode : {7, -3}) {  // the float sources meet modes 0, 1 and 2 in the sweep
        ASSERT_EQ(orvsConvert_32f16s_Sfs(x, y, 7, OrvRoundMode(mode), 0), orvStsOk);
        for (int k = 0; k < 7; ++k) EXPECT_EQ(y[k], roundFloat(x[k], 2, -32768, 32767)) << mode << " " << x[k];
    }
}

// The caller's rounding, flush-to-zero and denormals-are-zero settings are ignored and kept.
TEST(ConversionControlWord, CallerSettingsIgnoredAndRestored)
{
    const unsigned saved = _mm_getcsr();
    const unsigned caller = (saved & ~0x6000u) | 0x2000u | 0x8040u;
    _mm_setcsr(caller);
    const float x[9] = {2.5f, -2.5f, 1.5f, 0.7f, -0.7f, 1.1e-38f, 33.3f, 16777217.0f, 0.5f};
    Orv16s y[9];
    Orv32s z[9];
    Orv32f w[1];
    Orv16f h[1];
    const Orv32s big = 16777217;
    const OrvStatus st[4] = {orvsConvert_32f16s_Sfs(x, y, 9, orvRndNear, 0),
                             orvsConvert_32f32s_Sfs(x, z, 9, orvRndNear, -127),  // subnormal input scaled up
                             orvsConvert_32s32f(&big, w, 1), orvsConvert_32f16f(&x[6], h, 1, orvRndNear)};
    const unsigned after = _mm_getcsr();
    _mm_setcsr(saved);
    for (OrvStatus s : st) ASSERT_EQ(s, orvStsOk);
    EXPECT_EQ(after & ~0x3Fu, caller & ~0x3Fu);
    for (int k = 0; k < 9; ++k) EXPECT_EQ(y[k], roundFloat(x[k], 1, -32768, 32767)) << k;
    EXPECT_EQ(z[5], 2);  // 1.1e-38 * 2^127 = 1.87: the subnormal was not flushed
    EXPECT_EQ(w[0], 16777216.0f);
    EXPECT_EQ(h[0], halfOf(33.3f, true));
}

// The kernel variant is chosen once per process: every value suite of this
// program runs again under each narrower variant the machine offers.
TEST(Variants, AvxKernelsPassTheValueSuites) { ORVS_RERUN_UNDER_VARIANT("avx", "Conversion*:Complex*:Vector*"); }
TEST(Variants, Avx2KernelsPassTheValueSuites) { ORVS_RERUN_UNDER_VARIANT("avx2", "Conversion*:Complex*:Vector*"); }
