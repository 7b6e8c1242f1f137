// The complex FFT kernels of every target the machine runs (AVX, AVX2 + FMA,
// AVX-512), whatever the dispatch picks, against the long-double reference:
// interleaved and split, out of place into aligned and unaligned
// destinations, and in place, at every order up to two past the blocked
// threshold, on tables built by the library's records. Each target has a
// 256-bit set and a 512-bit-shaped set (pairs of 256-bit vectors where
// AVX-512 is missing), each run on a record laid out for its chunks.
#include <gtest/gtest.h>

#include <algorithm>

#include "../transform_test_util.h"
#include "core/dispatch.h"
#include "transform/fft/fft_record.h"

using namespace transform_test;

namespace {

namespace fft = orvs::fft;
using orvs::dispatch::Isa;

template <class Real>
std::vector<std::pair<std::string, const fft::KernelSet<Real>*>> targets()
{
    std::vector<std::pair<std::string, const fft::KernelSet<Real>*>> k;
    auto add = [&](const char* name, const fft::KernelTable& t) {
        if constexpr (sizeof(Real) == 4) {
            k.push_back({name, &t.f32});
            k.push_back({std::string(name) + " wide", &t.f32w});
        } else {
            k.push_back({name, &t.f64});
            k.push_back({std::string(name) + " wide", &t.f64w});
        }
    };
    add("avx", fft::avx::table);
    if (orvs::dispatch::isa() >= Isa::avx2) add("avx2", fft::avx2::table);
    if (orvs::dispatch::isa() == Isa::avx512) add("avx512", fft::avx512::table);
    return k;
}

TEST(FftKernel, ChunkSizesAndLowestOrders)
{
    for (const auto& [name, k] : targets<float>()) {
        const bool wide = name.find("wide") != std::string::npos;
        EXPECT_EQ(k->chunk, wide ? 16 : 8) << name;
        EXPECT_EQ(k->minOrder, wide ? 8 : 6) << name;
    }
    for (const auto& [name, k] : targets<double>()) {
        const bool wide = name.find("wide") != std::string::npos;
        EXPECT_EQ(k->chunk, wide ? 8 : 4) << name;
        EXPECT_EQ(k->minOrder, 6) << name;
    }
}

// Runs one kernel the way the engine does: straight-line below order 6, a
// work buffer below the blocked orders. Interleaved data when im is null.
template <class Real>
void transform(const fft::KernelSet<Real>& k, const fft::FloatRecord<Real>& r, bool inv, const Real* re, const Real* im,
               Real* dre, Real* dim)
{
    const bool scale = (inv ? r.invNorm : r.fwdNorm) != 0;
    if (r.order <= 5) {
        if (im) k.smallSplit[inv](r.order, re, im, dre, dim, r.factor, scale);
        else k.smallInterleaved[inv](r.order, re, dre, r.factor, scale);
        return;
    }
    Guarded<Real> work(r.order < fft::largeOrder<Real>() ? std::size_t(2) << r.order : 0);
    Real* w = r.order < fft::largeOrder<Real>() ? work.data() : nullptr;
    const fft::View<Real> v{r.order, r.bitrev, r.twiddles, r.factor, scale};
    if (im) k.split[inv](v, re, im, dre, dim, w);
    else k.interleaved[inv](v, re, dre, w);
}

template <class Real, class Spec>
void checkTargets(OrvStatus (*alloc)(Spec**, int, int, OrvHintAlgorithm), OrvStatus (*release)(Spec*))
{
    const double tol = sizeof(Real) == 4 ? 1e-6 : 1e-15;
    for (int order = 0; order <= fft::largeOrder<Real>() + (orvs_test::quick() ? 0 : 2); ++order) {
        const int flag = 1 << (order % 4);
        const std::size_t n = std::size_t(1) << order;
        // One record per chunk layout: 256-bit chunks, 512-bit-shaped chunks.
        Spec* spec = nullptr;
        Spec* wideSpec = nullptr;
        ASSERT_EQ(alloc(&spec, order, flag, orvHintNone), orvStsOk);
        ASSERT_EQ(alloc(&wideSpec, order, flag, orvHintNone), orvStsOk);
        std::vector<Orv8u> scratch(sizeof(Real) * (n / 4 + 1) + 64);
        auto& rec = *reinterpret_cast<fft::FloatRecord<Real>*>(spec);
        auto& wideRec = *reinterpret_cast<fft::FloatRecord<Real>*>(wideSpec);
        fft::layoutTwiddles<Real>(&rec, fft::chunkSize<Real>(), scratch.data());
        fft::layoutTwiddles<Real>(&wideRec, fft::wideChunkSize<Real>(), scratch.data());
        const auto x = randomVector<Real>(2 * n, 10 + order, -1.0, 1.0);
        std::vector<CLD> xc(n);
        for (std::size_t i = 0; i < n; ++i) xc[i] = CLD(x[2 * i], x[2 * i + 1]);
        for (int inv = 0; inv < 2; ++inv) {
            auto ref = referenceFft(xc, inv);
            for (auto& v : ref) v *= normFactor(flag, n, inv);
            for (const auto& [name, k] : targets<Real>()) {
                if (order > 5 && order < k->minOrder) continue;
                const auto& r = k->chunk == fft::chunkSize<Real>() ? rec : wideRec;
                const std::string at = name + " order " + std::to_string(order) + " inv " + std::to_string(inv);
                // Interleaved: into an unaligned destination, then in place.
                Guarded<Real> out(2 * n, 2), inPlace(2 * n, 0);
                inPlace.assign(x);
                transform<Real>(*k, r, inv, x.data(), nullptr, out.data(), nullptr);
                transform<Real>(*k, r, inv, inPlace.data(), nullptr, inPlace.data(), nullptr);
                std::vector<CLD> got(n);
                for (std::size_t i = 0; i < n; ++i) got[i] = CLD(out[2 * i], out[2 * i + 1]);
                EXPECT_LT(relRms(ref, got.data()), tol * std::max(1, order)) << at;
                EXPECT_TRUE(sameBits(out.data(), inPlace.data(), 2 * n)) << at;
                // Split: out of place, then in place.
                Guarded<Real> re(n), im(n, 1), ore(n), oim(n, 3);
                for (std::size_t i = 0; i < n; ++i) re[i] = x[2 * i], im[i] = x[2 * i + 1];
                transform<Real>(*k, r, inv, re.data(), im.data(), ore.data(), oim.data());
                for (std::size_t i = 0; i < n; ++i) got[i] = CLD(ore[i], oim[i]);
                EXPECT_LT(relRms(ref, got.data()), tol * std::max(1, order)) << at << " split";
                transform<Real>(*k, r, inv, re.data(), im.data(), re.data(), im.data());
                EXPECT_TRUE(sameBits(re.data(), ore.data(), n) && sameBits(im.data(), oim.data(), n)) << at << " split";
                EXPECT_TRUE(out.guardsIntact() && inPlace.guardsIntact() && re.guardsIntact() && im.guardsIntact() &&
                            ore.guardsIntact() && oim.guardsIntact()) << at;
            }
        }
        EXPECT_EQ(release(spec), orvStsOk);
        EXPECT_EQ(release(wideSpec), orvStsOk);
    }
}

} // namespace

TEST(FftKernel, EveryTargetMatchesReferenceSingle) { checkTargets<float>(orvsFFTInitAlloc_C_32fc, orvsFFTFree_C_32fc); }
TEST(FftKernel, EveryTargetMatchesReferenceDouble) { checkTargets<double>(orvsFFTInitAlloc_C_64fc, orvsFFTFree_C_64fc); }
