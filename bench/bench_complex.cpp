// Complex and packed-spectrum operations beside VOLK's kernels for the same
// job, at an L1-resident size (4096) and an out-of-cache size (1M).
#include <cstring>
#include <vector>

#include "bench_util.h"
#include "orvcore.h"
#include "orvs.h"
#include "../tests/common/test_util.h"

#if defined(ORVS_HAVE_VOLK)
#include <volk/volk.h>
#endif

namespace {

using orvs_test::randomVector;

struct Data {
    std::vector<Orv32fc> a, b, c;
    std::vector<Orv32f> f;
    explicit Data(int n) : a(randomVector<Orv32fc>(n, 1)), b(randomVector<Orv32fc>(n, 2)), c(n), f(n) {}
};

template <class Fn>
void loop(benchmark::State& st, Fn&& fn)
{
    const int n = static_cast<int>(st.range(0));
    Data d(n);
    for (auto _ : st) {
        fn(d, n);
        benchmark::ClobberMemory();
    }
    st.SetItemsProcessed(st.iterations() * n);
}

void registerCase(const char* name, void (*fn)(benchmark::State&))
{
    benchmark::RegisterBenchmark(name, fn)->Arg(4096)->Arg(1 << 20)->UseRealTime();
}

// The magnitude splits across two threads from 2048 elements on; the
// single-thread figure shows what the split brings.
void magOrvs(benchmark::State& st) { loop(st, [](Data& d, int n) { orvsMagnitude_32fc(d.a.data(), d.f.data(), n); }); }
void magOrvs1(benchmark::State& st)
{
    orvs_test::ThreadCount one(1);
    loop(st, [](Data& d, int n) { orvsMagnitude_32fc(d.a.data(), d.f.data(), n); });
}
void phaseOrvs(benchmark::State& st) { loop(st, [](Data& d, int n) { orvsPhase_32fc(d.a.data(), d.f.data(), n); }); }
void powerOrvs(benchmark::State& st) { loop(st, [](Data& d, int n) { orvsPowerSpectr_32fc(d.a.data(), d.f.data(), n); }); }
void conjOrvs(benchmark::State& st) { loop(st, [](Data& d, int n) { orvsConj_32fc(d.a.data(), d.c.data(), n); }); }
// A packed product of real length 2n does n - 1 complex products plus two reals.
void mulPackConjOrvs(benchmark::State& st)
{
    loop(st, [](Data& d, int n) {
        std::memcpy(d.c.data(), d.b.data(), n * sizeof(Orv32fc));
        orvsMulPackConj_32f_I(reinterpret_cast<const Orv32f*>(d.a.data()), reinterpret_cast<Orv32f*>(d.c.data()), 2 * n);
    });
}
void mulPackOrvs(benchmark::State& st)
{
    loop(st, [](Data& d, int n) {
        orvsMulPack_32f(reinterpret_cast<const Orv32f*>(d.a.data()), reinterpret_cast<const Orv32f*>(d.b.data()),
                        reinterpret_cast<Orv32f*>(d.c.data()), 2 * n);
    });
}

#if defined(ORVS_HAVE_VOLK)
const lv_32fc_t* lv(const Orv32fc* p) { return reinterpret_cast<const lv_32fc_t*>(p); }
lv_32fc_t* lv(Orv32fc* p) { return reinterpret_cast<lv_32fc_t*>(p); }
void magVolk(benchmark::State& st) { loop(st, [](Data& d, int n) { volk_32fc_magnitude_32f(d.f.data(), lv(d.a.data()), n); }); }
void phaseVolk(benchmark::State& st) { loop(st, [](Data& d, int n) { volk_32fc_s32f_atan2_32f(d.f.data(), lv(d.a.data()), 1.0f, n); }); }
void powerVolk(benchmark::State& st) { loop(st, [](Data& d, int n) { volk_32fc_magnitude_squared_32f(d.f.data(), lv(d.a.data()), n); }); }
void conjVolk(benchmark::State& st) { loop(st, [](Data& d, int n) { volk_32fc_conjugate_32fc(lv(d.c.data()), lv(d.a.data()), n); }); }
void mulConjVolk(benchmark::State& st)
{
    loop(st, [](Data& d, int n) {
        std::memcpy(d.c.data(), d.b.data(), n * sizeof(Orv32fc));
        volk_32fc_x2_multiply_conjugate_32fc(lv(d.c.data()), lv(d.a.data()), lv(d.c.data()), n);
    });
}
void mulVolk(benchmark::State& st)
{
    loop(st, [](Data& d, int n) { volk_32fc_x2_multiply_32fc(lv(d.c.data()), lv(d.a.data()), lv(d.b.data()), n); });
}
#endif

const int kRegistered = [] {
    registerCase("Magnitude_32fc:orvs", magOrvs);
    registerCase("Magnitude_32fc:orvs-1thread", magOrvs1);
    registerCase("Phase_32fc:orvs", phaseOrvs);
    registerCase("PowerSpectr_32fc:orvs", powerOrvs);
    registerCase("Conj_32fc:orvs", conjOrvs);
    registerCase("MulPackConj_32f_I:orvs", mulPackConjOrvs);
    registerCase("MulPack_32f:orvs", mulPackOrvs);
#if defined(ORVS_HAVE_VOLK)
    registerCase("Magnitude_32fc:volk", magVolk);
    registerCase("Phase_32fc:volk", phaseVolk);
    registerCase("PowerSpectr_32fc:volk", powerVolk);
    registerCase("Conj_32fc:volk", conjVolk);
    registerCase("MulPackConj_32f_I:volk", mulConjVolk);
    registerCase("MulPack_32f:volk", mulVolk);
#endif
    return 0;
}();

} // namespace

ORVS_BENCH_MAIN()
