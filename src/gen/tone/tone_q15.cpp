// The Q15 generators: integer parameters scaled by 2^15, generated directly
// or from a state record that carries the wave from call to call.
#include <cmath>
#include <cstdint>

#include "core/check.h"
#include "core/record.h"
#include "gen/tone/tone_engine.h"

struct OrvsToneState_16s {
    std::uint32_t id;
    std::uint32_t owned;
    double magn, rFreq, phase;
    std::int32_t counter;  // samples generated so far, modulo 2^32
    std::int32_t started;  // 1 after the first generation
};

struct OrvsTriangleState_16s {
    std::uint32_t id;
    std::uint32_t owned;
    double magn, rFreq, phase, asym;
    std::int32_t counter, calls;
    double area[8];
    std::uint8_t areaTail[12];
};

namespace orvs::tone {

namespace {

constexpr std::uint32_t kToneId = 0x5A585148;
constexpr std::uint32_t kTriangleId = 0x5A585149;
constexpr int kToneStateBytes = 48;
constexpr int kTriangleStateBytes = static_cast<int>(record::alignUp(sizeof(OrvsTriangleState_16s), 8) + 8);
static_assert(sizeof(OrvsToneState_16s) <= kToneStateBytes);

constexpr double kQ15 = 1.0 / 32768.0;

OrvStatus toneParams(Orv16s magn, Orv16s rFreqQ15, Orv32s phaseQ15)
{
    if (magn < 1) return orvStsErrToneMagn;
    if (rFreqQ15 < 0 || rFreqQ15 > 16383) return orvStsErrToneFreq;
    if (phaseQ15 < 0 || phaseQ15 > 205886) return orvStsErrTonePhase;
    return orvStsOk;
}

OrvStatus triangleParamsQ15(Orv16s magn, Orv16s rFreqQ15, Orv32s phaseQ15, Orv32s asymQ15)
{
    if (magn < 1) return orvStsErrTrnglMagn;
    if (rFreqQ15 < 0 || rFreqQ15 > 16383) return orvStsErrTrnglFreq;
    if (asymQ15 < -102943 || asymQ15 > 102943) return orvStsErrTrnglAsym;
    if (phaseQ15 < 0 || phaseQ15 > 205886) return orvStsErrTrnglPhase;
    return orvStsOk;
}

// Every sample evaluated directly. The frequency is a multiple of 2^-15
// cycles, so k * f modulo one cycle is exact in integers (2^15 divides 2^32,
// so the counter may wrap).
void toneSamples(Orv16s* d, int len, double magn, int rFreqQ15, double phase, std::uint32_t k0)
{
    for (int j = 0; j < len; ++j) {
        const std::uint32_t k = k0 + static_cast<std::uint32_t>(j);
        const std::uint32_t cycle = (k * static_cast<std::uint32_t>(rFreqQ15)) & 32767u;
        const double v = magn * std::cos(kTwoPi * (cycle * kQ15) + phase);
        d[j] = static_cast<Orv16s>(std::clamp(std::round(v), -32768.0, 32767.0));
    }
}

template <class R>
R* openMutable(void* p, std::uint32_t id, OrvStatus& st)
{
    st = record::check(p, id);
    return st ? nullptr : static_cast<R*>(p);
}

} // namespace

OrvStatus toneQ15Direct(Orv16s* pDst, int len, Orv16s magn, Orv16s rFreqQ15, Orv32s phaseQ15)
{
    ORVS_CHECK(check::vectors(len, pDst));
    ORVS_CHECK(toneParams(magn, rFreqQ15, phaseQ15));
    toneSamples(pDst, len, magn, rFreqQ15, phaseQ15 * kQ15, 0);
    return orvStsOk;
}

OrvStatus toneStateSize(int* pSize)
{
    ORVS_CHECK(check::pointers(pSize));
    *pSize = kToneStateBytes;
    return orvStsOk;
}

namespace {
OrvsToneState_16s* buildTone(void* mem, Orv16s magn, Orv16s rFreqQ15, Orv32s phaseQ15)
{
    auto* r = record::place<OrvsToneState_16s>(mem, 1);
    r->magn = magn;
    r->rFreq = rFreqQ15 * kQ15;
    r->phase = phaseQ15 * kQ15;
    r->id = kToneId;
    return r;
}
} // namespace

OrvStatus toneInit(OrvsToneState_16s* pStateMem, Orv16s magn, Orv16s rFreqQ15, Orv32s phaseQ15)
{
    ORVS_CHECK(check::pointers(pStateMem));
    ORVS_CHECK(toneParams(magn, rFreqQ15, phaseQ15));
    buildTone(pStateMem, magn, rFreqQ15, phaseQ15);
    return orvStsOk;
}

OrvStatus toneInitAlloc(OrvsToneState_16s** ppState, Orv16s magn, Orv16s rFreqQ15, Orv32s phaseQ15)
{
    ORVS_CHECK(check::pointers(ppState));
    ORVS_CHECK(toneParams(magn, rFreqQ15, phaseQ15));
    return record::initAlloc<OrvsToneState_16s>(ppState, kToneStateBytes, 0, [&](Orv8u* mem, Orv8u*, OrvsToneState_16s** out) {
        *out = buildTone(mem, magn, rFreqQ15, phaseQ15);
        return orvStsOk;
    });
}

OrvStatus toneFree(OrvsToneState_16s* pState)
{
    return record::release<OrvsToneState_16s>(pState, kToneId, record::OnFree::clearId);
}

OrvStatus toneQ15(Orv16s* pDst, int len, OrvsToneState_16s* pState)
{
    OrvStatus st;
    OrvsToneState_16s* r = openMutable<OrvsToneState_16s>(pState, kToneId, st);
    if (st) return st;
    ORVS_CHECK(check::vectors(len, pDst));
    const auto k0 = static_cast<std::uint32_t>(r->counter);
    toneSamples(pDst, len, r->magn, static_cast<int>(r->rFreq * 32768.0), r->phase, k0);
    r->counter = static_cast<std::int32_t>(k0 + static_cast<std::uint32_t>(len));
    r->started = 1;
    return orvStsOk;
}

// ---- triangle ---------------------------------------------------------------

OrvStatus triangleQ15Direct(Orv16s* pDst, int len, Orv16s magn, Orv16s rFreqQ15, Orv32s phaseQ15, Orv32s asymQ15)
{
    ORVS_CHECK(check::vectors(len, pDst));
    ORVS_CHECK(triangleParamsQ15(magn, rFreqQ15, phaseQ15, asymQ15));
    // Q15 values convert exactly in single precision.
    Orv32f phase = static_cast<Orv32f>(phaseQ15 * static_cast<float>(kQ15));
    return triangleDirect<Orv16s>(pDst, len, magn, static_cast<Orv32f>(rFreqQ15 * static_cast<float>(kQ15)),
                                  static_cast<Orv32f>(asymQ15 * static_cast<float>(kQ15)), &phase);
}

OrvStatus triangleStateSize(int* pSize)
{
    ORVS_CHECK(check::pointers(pSize));
    *pSize = kTriangleStateBytes;
    return orvStsOk;
}

namespace {
OrvsTriangleState_16s* buildTriangle(void* mem, Orv16s magn, Orv16s rFreqQ15, Orv32s phaseQ15, Orv32s asymQ15)
{
    auto* r = record::place<OrvsTriangleState_16s>(mem, 1);
    r->magn = magn;
    r->rFreq = rFreqQ15 * kQ15;
    r->phase = phaseQ15 * kQ15;
    r->asym = asymQ15 * kQ15;
    r->id = kTriangleId;
    return r;
}
} // namespace

OrvStatus triangleInit(OrvsTriangleState_16s* pStateMem, Orv16s magn, Orv16s rFreqQ15, Orv32s phaseQ15, Orv32s asymQ15)
{
    ORVS_CHECK(check::pointers(pStateMem));
    ORVS_CHECK(triangleParamsQ15(magn, rFreqQ15, phaseQ15, asymQ15));
    buildTriangle(pStateMem, magn, rFreqQ15, phaseQ15, asymQ15);
    return orvStsOk;
}

OrvStatus triangleInitAlloc(OrvsTriangleState_16s** ppState, Orv16s magn, Orv16s rFreqQ15, Orv32s phaseQ15, Orv32s asymQ15)
{
    ORVS_CHECK(check::pointers(ppState));
    ORVS_CHECK(triangleParamsQ15(magn, rFreqQ15, phaseQ15, asymQ15));
    return record::initAlloc<OrvsTriangleState_16s>(ppState, kTriangleStateBytes, 0,
        [&](Orv8u* mem, Orv8u*, OrvsTriangleState_16s** out) {
            *out = buildTriangle(mem, magn, rFreqQ15, phaseQ15, asymQ15);
            return orvStsOk;
        });
}

OrvStatus triangleFree(OrvsTriangleState_16s* pState)
{
    return record::release<OrvsTriangleState_16s>(pState, kTriangleId, record::OnFree::clearId);
}

OrvStatus triangleQ15(Orv16s* pDst, int len, OrvsTriangleState_16s* pState)
{
    OrvStatus st;
    OrvsTriangleState_16s* r = openMutable<OrvsTriangleState_16s>(pState, kTriangleId, st);
    if (st) return st;
    ORVS_CHECK(check::vectors(len, pDst));
    triangle(pDst, len, r->magn, r->rFreq, r->asym, r->phase);
    r->phase = nextPhase<double>(r->phase, r->rFreq, len);
    r->counter = static_cast<std::int32_t>(static_cast<std::uint32_t>(r->counter) + static_cast<std::uint32_t>(len));
    r->calls = 1;
    return orvStsOk;
}

} // namespace orvs::tone
