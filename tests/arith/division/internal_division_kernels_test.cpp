// The AVX, AVX2 and AVX-512 compilations of the division kernels agree: bit
// for bit on integer quotients and double division, within the reciprocal's
// error on single precision, where the AVX-512 kernel gives the correctly
// rounded quotient.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "arith/division/division_kernels.h"
#include "core/cpu.h"
#include "test_util.h"

namespace dv = orvs::div;

namespace {
template <class Cfg>
void sameIntKernels(double scale)
{
    using X = typename Cfg::X;
    using D = typename Cfg::D;
    using O = typename Cfg::O;
    for (int len : orvs_test::oddLengths()) {
        auto x = orvs_test::randomVector<X>(len, 31 + len);
        auto d = orvs_test::randomVector<D>(len, 32 + len);
        for (int i = 0; i < len; i += 9) d[i] = 0;
        std::vector<O> a(len), b(len);
        dv::IntJob job;
        job.x = x.data();
        job.d = d.data();
        job.dConst = 3;
        job.xConst = 1000;
        job.scale = scale;
        job.dst = a.data();
        const bool wa = dv::avx::intKernel<Cfg>(job, 0, len);
        job.dst = b.data();
        const bool wb = dv::avx2::intKernel<Cfg>(job, 0, len);
        EXPECT_EQ(wa, wb);
        EXPECT_EQ(a, b) << len;
        if (orvs::cpu::hasAvx512()) {
            std::vector<O> c(len);
            job.dst = c.data();
            EXPECT_EQ(dv::avx512::intKernel<Cfg>(job, 0, len), wb);
            EXPECT_EQ(c, b) << len;
        }
    }
}
} // namespace

TEST(DivKernels, IntegerVariantsAgree)
{
    using dv::IntCfg;
    using dv::Path;
    using dv::Phase;
    using dv::Rnd;
    sameIntKernels<IntCfg<Orv16s, Orv16s, Orv16s, false, false, Path::Single, Rnd::Near, Phase::Quotient>>(0.125);
    sameIntKernels<IntCfg<Orv16s, Orv16s, Orv16s, false, false, Path::Double, Rnd::Away, Phase::Quotient>>(64.0);
    sameIntKernels<IntCfg<Orv8u, Orv8u, Orv8u, false, false, Path::Single, Rnd::Zero, Phase::Quotient>>(1.0);
    sameIntKernels<IntCfg<Orv16u, Orv16u, Orv16u, false, true, Path::Double, Rnd::Near, Phase::Quotient>>(8.0);
    sameIntKernels<IntCfg<Orv16u, Orv16u, Orv16u, true, false, Path::Single, Rnd::Near, Phase::Quotient>>(1.0);
    sameIntKernels<IntCfg<Orv32s, Orv32s, Orv32s, false, false, Path::Double, Rnd::Near, Phase::Quotient>>(0x1p-7);
    sameIntKernels<IntCfg<Orv32s, Orv16s, Orv16s, false, false, Path::Double, Rnd::Near, Phase::SignSat>>(1.0);
}

TEST(DivKernels, FloatVariantsAgree)
{
    for (int len : orvs_test::oddLengths()) {
        auto x = orvs_test::randomVector<float>(len, 41, -1e4, 1e4);
        auto d = orvs_test::randomVector<float>(len, 42, -10, 10);
        d[len / 2] = 0.0f;
        std::vector<float> a(len), b(len);
        dv::F32Job job{x.data(), d.data(), a.data(), 0.0f};
        const bool wa = dv::avx::div32f<false>(job, 0, len);
        job.dst = b.data();
        const bool wb = dv::avx2::div32f<false>(job, 0, len);
        EXPECT_TRUE(wa && wb);
        for (int i = 0; i < len; ++i) {
            if (d[i] == 0) EXPECT_EQ(std::isnan(a[i]), std::isnan(b[i]));
            else EXPECT_NEAR(a[i], b[i], 4e-7 * std::fabs(double(x[i]) / d[i]));
        }
        auto xd = orvs_test::randomVector<double>(len, 43), dd = orvs_test::randomVector<double>(len, 44);
        std::vector<double> ad(len), bd(len);
        dv::F64Job jd{xd.data(), dd.data(), ad.data()};
        dv::avx::div64f(jd, 0, len);
        jd.dst = bd.data();
        dv::avx2::div64f(jd, 0, len);
        EXPECT_EQ(ad, bd);
        if (orvs::cpu::hasAvx512()) {
            // Correctly rounded single precision; double division as above.
            std::vector<float> c(len);
            job.dst = c.data();
            EXPECT_TRUE(dv::avx512::div32f<false>(job, 0, len));
            for (int i = 0; i < len; ++i) {
                if (d[i] == 0) EXPECT_TRUE(std::isinf(c[i]) && (c[i] > 0) == (x[i] > 0)) << i;
                else EXPECT_EQ(c[i], static_cast<float>(double(x[i]) / d[i])) << i;
            }
            const float val = -3.25f;
            dv::F32Job rev{nullptr, d.data(), c.data(), val};
            EXPECT_TRUE(dv::avx512::div32f<true>(rev, 0, len));
            for (int i = 0; i < len; ++i)
                if (d[i] != 0) EXPECT_EQ(c[i], val / d[i]) << i;
            std::vector<double> cd(len);
            jd.dst = cd.data();
            dv::avx512::div64f(jd, 0, len);
            EXPECT_EQ(cd, bd);
        }
        // Complex single precision: the same double-precision operations in
        // every variant, so the same bits.
        std::vector<Orv32fc> xc(len), dc(len), oc[3];
        for (int i = 0; i < len; ++i) {
            xc[i] = {x[i], x[len - 1 - i]};
            dc[i] = {d[i], i % 5 ? d[len - 1 - i] : 0.0f};
        }
        dv::C32Job jc{xc.data(), dc.data(), nullptr};
        bool wc[3];
        for (int v = 0; v < 3; ++v) {
            if (v == 2 && !orvs::cpu::hasAvx512()) break;
            oc[v].resize(len);
            jc.dst = oc[v].data();
            wc[v] = v == 0 ? dv::avx::div32fc(jc, 0, len) : v == 1 ? dv::avx2::div32fc(jc, 0, len) : dv::avx512::div32fc(jc, 0, len);
            EXPECT_EQ(wc[v], wc[0]);
            EXPECT_EQ(std::memcmp(oc[v].data(), oc[0].data(), len * sizeof(Orv32fc)), 0) << "variant " << v << " len " << len;
        }
    }
}
