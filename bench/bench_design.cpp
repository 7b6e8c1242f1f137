// Filter design: windowed-FIR lowpass and Butterworth IIR lowpass beside
// liquid-dsp's window and IIR design routines in the same process (liquid
// designs in single precision; ours in double).
#include <vector>

#include "bench_util.h"
#include "orvs.h"

#ifdef ORVS_HAVE_LIQUID
#include <complex.h>
#include <liquid/liquid.h>
#endif

namespace {

void firOrvs(benchmark::State& st)
{
    std::vector<double> h(static_cast<std::size_t>(st.range(0)));
    for (auto _ : st) {
        orvsFIRGenLowpass_64f(0.1, h.data(), static_cast<int>(h.size()), orvWinHamming, 1);
        benchmark::DoNotOptimize(h.data());
    }
}

void iirOrvs(benchmark::State& st)
{
    std::vector<double> t(2 * (st.range(0) + 1));
    for (auto _ : st) {
        orvsIIRGenLowpass_64f(0.1, 0, static_cast<int>(st.range(0)), t.data(), orvButterworth);
        benchmark::DoNotOptimize(t.data());
    }
}

BENCHMARK(firOrvs)->Name("FIRGenLowpass_Hamming:orvs")->Arg(31)->Arg(255)->Arg(1023);
BENCHMARK(iirOrvs)->Name("IIRGenLowpass_Butterworth:orvs")->Arg(4)->Arg(8)->Arg(12);

#ifdef ORVS_HAVE_LIQUID
void firLiquid(benchmark::State& st)
{
    std::vector<float> h(static_cast<std::size_t>(st.range(0)));
    for (auto _ : st) {
        liquid_firdes_windowf(LIQUID_WINDOW_HAMMING, static_cast<unsigned>(h.size()), 0.1f, 0, h.data());
        benchmark::DoNotOptimize(h.data());
    }
}

void iirLiquid(benchmark::State& st)
{
    const unsigned n = static_cast<unsigned>(st.range(0));
    std::vector<float> b(n + 1), a(n + 1);
    for (auto _ : st) {
        liquid_iirdes(LIQUID_IIRDES_BUTTER, LIQUID_IIRDES_LOWPASS, LIQUID_IIRDES_TF, n, 0.1f, 0, 1, 60, b.data(), a.data());
        benchmark::DoNotOptimize(a.data());
    }
}

BENCHMARK(firLiquid)->Name("FIRGenLowpass_Hamming:liquid")->Arg(31)->Arg(255)->Arg(1023);
BENCHMARK(iirLiquid)->Name("IIRGenLowpass_Butterworth:liquid")->Arg(4)->Arg(8)->Arg(12);
#endif

} // namespace

ORVS_BENCH_MAIN()
