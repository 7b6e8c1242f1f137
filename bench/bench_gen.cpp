// Windows and tones beside their peers in the same process: the Hann window
// against a multiply by the same window precomputed (the cost the weights
// add), Hann and Kaiser against per-sample window formulas, the 32f tone
// against a numerically controlled oscillator and a cosf loop.
#include <xmmintrin.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "bench_util.h"
#include "orvs.h"

#if defined(ORVS_HAVE_LIQUID)
#include <complex.h>
#include <liquid/liquid.h>
#endif
#if defined(ORVS_HAVE_VOLK)
#include <volk/volk.h>
#endif

namespace {

const std::vector<long> kSizes = {4096, 1048576};

struct Vec {
    float* p;
    int n;
    explicit Vec(int count) : p(static_cast<float*>(std::aligned_alloc(64, (count * 4 + 63) / 64 * 64))), n(count)
    {
        for (int i = 0; i < n; ++i) p[i] = 1.0f + static_cast<float>(i % 97);
    }
    ~Vec() { std::free(p); }
};

// Repeated in-place windowing drives the ends toward zero: flush subnormals
// so that every implementation runs at its normal speed.
struct FlushDenormals {
    unsigned saved = _mm_getcsr();
    FlushDenormals() { _mm_setcsr(saved | 0x8040); }
    ~FlushDenormals() { _mm_setcsr(saved); }
};

template <class F>
void reg(const std::string& name, F fn)
{
    auto* b = benchmark::RegisterBenchmark(name.c_str(), [fn](benchmark::State& st) {
        const int n = static_cast<int>(st.range(0));
        Vec src(n), dst(n);
        FlushDenormals flush;
        for (auto _ : st) {
            fn(src.p, dst.p, n);
            benchmark::ClobberMemory();
        }
        st.SetItemsProcessed(st.iterations() * n);
    });
    for (long s : kSizes) b->Arg(s);
}

// A precomputed window per length, built outside the timed loop.
const float* hannTable(int n)
{
    static std::vector<float> w;
    if (static_cast<int>(w.size()) != n) {
        w.resize(n);
        for (int i = 0; i < n; ++i) w[i] = static_cast<float>(0.5 - 0.5 * std::cos(2 * M_PI * i / (n - 1)));
    }
    return w.data();
}

float kaiserAlpha(int n) { return 20.0f / static_cast<float>(n - 1); }  // beta = 10

void registerAll()
{
    reg("WinHann_32f:orvs", [](const float* s, float* d, int n) { orvsWinHann_32f(s, d, n); });
    reg("WinHann_32f:precomputed", [](const float* s, float* d, int n) {
        const float* w = hannTable(n);
#if defined(ORVS_HAVE_VOLK)
        volk_32f_x2_multiply_32f(d, s, w, static_cast<unsigned>(n));
#else
        for (int i = 0; i < n; ++i) d[i] = s[i] * w[i];
#endif
    });
    reg("WinHann_32f_I:orvs", [](const float*, float* d, int n) { orvsWinHann_32f_I(d, n); });
    reg("WinHann_32f_I:precomputed", [](const float*, float* d, int n) {
        const float* w = hannTable(n);
#if defined(ORVS_HAVE_VOLK)
        volk_32f_x2_multiply_32f(d, d, w, static_cast<unsigned>(n));
#else
        for (int i = 0; i < n; ++i) d[i] *= w[i];
#endif
    });
    reg("WinKaiser_32f:orvs", [](const float* s, float* d, int n) { orvsWinKaiser_32f(s, d, n, kaiserAlpha(n)); });
    reg("Tone_32f:orvs", [](const float*, float* d, int n) {
        float phase = 0.25f;
        orvsTone_Direct_32f(d, n, 1.0f, 0.0123f, &phase, orvHintAccurate);
    });
    reg("Tone_32f_fast:orvs", [](const float*, float* d, int n) {
        float phase = 0.25f;
        orvsTone_Direct_32f(d, n, 1.0f, 0.0123f, &phase, orvHintFast);
    });
    auto cosLoop = [](const float*, float* d, int n) {
        const double w = 2 * M_PI * 0.0123;
        for (int i = 0; i < n; ++i) d[i] = std::cos(static_cast<float>(std::fmod(0.25 + w * i, 2 * M_PI)));
    };
    reg("Tone_32f:cosf", cosLoop);
    reg("Tone_32f_fast:cosf", cosLoop);
#if defined(ORVS_HAVE_LIQUID)
    reg("WinHann_32f:liquid", [](const float* s, float* d, int n) {
        for (int i = 0; i < n; ++i) d[i] = s[i] * liquid_hann(static_cast<unsigned>(i), static_cast<unsigned>(n));
    });
    reg("WinKaiser_32f:liquid", [](const float* s, float* d, int n) {
        const float beta = kaiserAlpha(n) * (n - 1) / 2;
        for (int i = 0; i < n; ++i) d[i] = s[i] * liquid_kaiser(static_cast<unsigned>(i), static_cast<unsigned>(n), beta);
    });
    auto nco = [](const float*, float* d, int n) {
        static nco_crcf q = [] {
            nco_crcf o = nco_crcf_create(LIQUID_VCO);
            nco_crcf_set_frequency(o, static_cast<float>(2 * M_PI * 0.0123));
            return o;
        }();
        nco_crcf_set_phase(q, 0.25f);
        for (int i = 0; i < n; ++i) {
            d[i] = nco_crcf_cos(q);
            nco_crcf_step(q);
        }
    };
    reg("Tone_32f:liquid", nco);
    reg("Tone_32f_fast:liquid", nco);
#endif
}

const int registered = (registerAll(), 0);

} // namespace

ORVS_BENCH_MAIN()
