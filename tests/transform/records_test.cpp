// The complex and real FFT records, one table of the 13 record types: their
// identifiers, placement in caller memory, sizes reported back by
// GetBufSize, results equal to library-allocated records, Free clearing the
// identifier, refusal of foreign and released records, the order, flag and
// pointer checks of GetSize, Init and InitAlloc, and concurrent use.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "transform_test_util.h"

using namespace orvs_test;

namespace {

struct Row {
    const char* name;
    std::uint32_t id;
    int maxOrder;
    OrvStatus (*getSize)(int, int, OrvHintAlgorithm, int*, int*, int*);
    OrvStatus (*init)(void**, int, int, OrvHintAlgorithm, Orv8u*, Orv8u*);
    OrvStatus (*initAlloc)(void**, int, int, OrvHintAlgorithm);
    OrvStatus (*release)(void*);
    OrvStatus (*bufSize)(const void*, int*);
    // A forward transform of a fixed signal of length n through the record.
    OrvStatus (*run)(const void*, int n, Orv8u* buffer, std::vector<unsigned char>& out);
};

template <class In, class Out, class Call>
OrvStatus transformInto(std::size_t inLen, std::size_t outLen, std::vector<unsigned char>& bytes, Call call)
{
    const auto x = randomVector<In>(inLen, 99, -100.0, 100.0);
    std::vector<Out> y(outLen);
    const OrvStatus s = call(x.data(), y.data());
    bytes.assign(reinterpret_cast<unsigned char*>(y.data()), reinterpret_cast<unsigned char*>(y.data() + outLen));
    return s;
}

#define ORVS_RUN(In, Out, inLen, outLen, call) \
    transformInto<In, Out>(inLen, outLen, out, [&](const In* x, Out* y) { return call; })
#define ORVS_SPEC(S, p) reinterpret_cast<OrvsFFTSpec_##S**>(p)
#define ORVS_RECORD_ROW(S, id, maxOrder, run)                                                                       \
    Row{#S, id, maxOrder, orvsFFTGetSize_##S,                                                                      \
        [](void** p, int o, int f, OrvHintAlgorithm h, Orv8u* m, Orv8u* i) { return orvsFFTInit_##S(ORVS_SPEC(S, p), o, f, h, m, i); }, \
        [](void** p, int o, int f, OrvHintAlgorithm h) { return orvsFFTInitAlloc_##S(ORVS_SPEC(S, p), o, f, h); }, \
        [](void* p) { return orvsFFTFree_##S(static_cast<OrvsFFTSpec_##S*>(p)); },                                 \
        [](const void* p, int* b) { return orvsFFTGetBufSize_##S(static_cast<const OrvsFFTSpec_##S*>(p), b); },    \
        [](const void* p, int n, Orv8u* buf, std::vector<unsigned char>& out) {                                    \
            [[maybe_unused]] const auto* spec = static_cast<const OrvsFFTSpec_##S*>(p);                            \
            return run;                                                                                            \
        }}

const std::vector<Row>& rows()
{
    static const std::vector<Row> r = {
        ORVS_RECORD_ROW(C_16sc, 1, 27, ORVS_RUN(Orv16sc, Orv16sc, n, n, orvsFFTFwd_CToC_16sc_Sfs(x, y, spec, 1, buf))),
        ORVS_RECORD_ROW(C_16s, 2, 27, ORVS_RUN(Orv16s, Orv16s, 2 * n, 2 * n, orvsFFTFwd_CToC_16s_Sfs(x, x + n, y, y + n, spec, 1, buf))),
        ORVS_RECORD_ROW(C_32fc, 4, 27, ORVS_RUN(Orv32fc, Orv32fc, n, n, orvsFFTFwd_CToC_32fc(x, y, spec, buf))),
        ORVS_RECORD_ROW(C_32f, 5, 27, ORVS_RUN(Orv32f, Orv32f, 2 * n, 2 * n, orvsFFTFwd_CToC_32f(x, x + n, y, y + n, spec, buf))),
        ORVS_RECORD_ROW(C_64fc, 7, 26, ORVS_RUN(Orv64fc, Orv64fc, n, n, orvsFFTFwd_CToC_64fc(x, y, spec, buf))),
        ORVS_RECORD_ROW(C_64f, 8, 26, ORVS_RUN(Orv64f, Orv64f, 2 * n, 2 * n, orvsFFTFwd_CToC_64f(x, x + n, y, y + n, spec, buf))),
        ORVS_RECORD_ROW(C_32sc, 0x5A58514C, 26, ORVS_RUN(Orv32sc, Orv32sc, n, n, orvsFFTFwd_CToC_32sc_Sfs(x, y, spec, 1, buf))),
        ORVS_RECORD_ROW(C_32s, 0x5A58514D, 26, ORVS_RUN(Orv32s, Orv32s, 2 * n, 2 * n, orvsFFTFwd_CToC_32s_Sfs(x, x + n, y, y + n, spec, 1, buf))),
        ORVS_RECORD_ROW(R_16s, 3, 27, ORVS_RUN(Orv16s, Orv16s, n, n + 2, orvsFFTFwd_RToCCS_16s_Sfs(x, y, spec, 1, buf))),
        ORVS_RECORD_ROW(R_32f, 6, 27, ORVS_RUN(Orv32f, Orv32f, n, n + 2, orvsFFTFwd_RToCCS_32f(x, y, spec, buf))),
        ORVS_RECORD_ROW(R_64f, 9, 26, ORVS_RUN(Orv64f, Orv64f, n, n + 2, orvsFFTFwd_RToCCS_64f(x, y, spec, buf))),
        ORVS_RECORD_ROW(R_32s, 0x5A58514E, 26, ORVS_RUN(Orv32s, Orv32s, n, n + 2, orvsFFTFwd_RToCCS_32s_Sfs(x, y, spec, 1, buf))),
        ORVS_RECORD_ROW(R_16s32s, 0x5A58514F, 27, ORVS_RUN(Orv16s, Orv32s, n, n + 2, orvsFFTFwd_RToCCS_16s32s_Sfs(x, y, spec, 1, buf))),
    };
    return r;
}

void* up32(void* p) { return reinterpret_cast<void*>((reinterpret_cast<std::uintptr_t>(p) + 31) & ~std::uintptr_t(31)); }

std::uint32_t idOf(const void* p)
{
    std::uint32_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

} // namespace

// Records built in caller memory at odd offsets, around every size
// threshold, for both hints: placed at the next 32-byte boundary, written
// only inside their blocks, independent of the init buffer once built, and
// giving what a library-allocated record gives. Free clears the identifier.
TEST(FftRecords, CallerMemoryRecordsMatchAllocatedOnes)
{
    for (const Row& row : rows())
        for (int order : {0, 1, 2, 3, 4, 5, 6, 7, 10, 11, 12, 16})
            for (OrvHintAlgorithm hint : {orvHintFast, orvHintAccurate}) {
                const int flag = 1 << (order % 4), n = 1 << order;
                const std::string at = std::string(row.name) + " order " + std::to_string(order) + " hint " + std::to_string(hint);
                int s = 0, i = 0, w = 0, b = -1;
                ASSERT_EQ(row.getSize(order, flag, hint, &s, &i, &w), orvStsOk) << at;
                Guarded<Orv8u> mem(s, 3 + order), ini(i, 5), work(w, 7);
                void* rec = nullptr;
                ASSERT_EQ(row.init(&rec, order, flag, hint, mem.data(), i ? ini.data() : nullptr), orvStsOk) << at;
                EXPECT_EQ(rec, up32(mem.data())) << at;
                EXPECT_EQ(idOf(rec), row.id) << at;
                EXPECT_TRUE(mem.guardsIntact() && ini.guardsIntact()) << at;
                ini.fill();  // construction scratch only
                EXPECT_EQ(row.bufSize(rec, &b), orvStsOk) << at;
                EXPECT_EQ(b, w) << at;

                void* owned = nullptr;
                ASSERT_EQ(row.initAlloc(&owned, order, flag, hint), orvStsOk) << at;
                std::vector<unsigned char> mine, theirs;
                ASSERT_EQ(row.run(rec, n, w ? work.data() : nullptr, mine), orvStsOk) << at;
                ASSERT_EQ(row.run(owned, n, nullptr, theirs), orvStsOk) << at;
                EXPECT_EQ(mine, theirs) << at;
                EXPECT_TRUE(mem.guardsIntact() && work.guardsIntact()) << at;
                EXPECT_EQ(row.release(owned), orvStsOk) << at;

                EXPECT_EQ(row.release(rec), orvStsOk) << at;
                EXPECT_EQ(idOf(rec), 0u) << at;
                EXPECT_EQ(row.release(rec), orvStsErrContextMatch) << at;
                EXPECT_EQ(row.bufSize(rec, &b), orvStsErrContextMatch) << at;
                EXPECT_EQ(row.run(rec, n, nullptr, mine), orvStsErrContextMatch) << at;
            }
}

// Every entry refuses a record of every other type and leaves it valid.
TEST(FftRecords, ForeignRecordsAreRefusedUntouched)
{
    const auto& all = rows();
    std::vector<void*> recs(all.size());
    for (std::size_t r = 0; r < all.size(); ++r)
        ASSERT_EQ(all[r].initAlloc(&recs[r], 7, ORV_FFT_NORM_NONE, orvHintNone), orvStsOk) << all[r].name;
    for (std::size_t a = 0; a < all.size(); ++a)
        for (std::size_t b = 0; b < all.size(); ++b) {
            if (a == b) continue;
            int size = -1;
            std::vector<unsigned char> out;
            EXPECT_EQ(all[a].bufSize(recs[b], &size), orvStsErrContextMatch) << all[a].name << " on " << all[b].name;
            EXPECT_EQ(size, -1);
            EXPECT_EQ(all[a].run(recs[b], 128, nullptr, out), orvStsErrContextMatch) << all[a].name << " on " << all[b].name;
            EXPECT_EQ(all[a].release(recs[b]), orvStsErrContextMatch) << all[a].name << " on " << all[b].name;
            EXPECT_EQ(idOf(recs[b]), all[b].id);
        }
    for (std::size_t r = 0; r < all.size(); ++r) EXPECT_EQ(all[r].release(recs[r]), orvStsOk);
}

// The order is looked at before the pointers when it is outside 0..30 and
// after the flag when it only exceeds the type's limit; an order that builds
// tables needs the init buffer; refusals write nothing.
TEST(FftRecords, OrderFlagAndPointerChecks)
{
    for (const Row& row : rows()) {
        const int max = row.maxOrder;
        const OrvHintAlgorithm none = orvHintNone;
        int s = 0, i = 0, w = 0;
        EXPECT_EQ(row.getSize(-1, 99, none, nullptr, &i, &w), orvStsErrFftOrder) << row.name;
        EXPECT_EQ(row.getSize(31, 2, none, &s, &i, &w), orvStsErrFftOrder) << row.name;
        EXPECT_EQ(row.getSize(max + 1, 3, none, &s, nullptr, &w), orvStsErrNullPtr) << row.name;
        EXPECT_EQ(row.getSize(max + 1, 3, none, &s, &i, &w), orvStsErrFftFlag) << row.name;
        EXPECT_EQ(row.getSize(max + 1, 2, none, &s, &i, &w), orvStsErrFftOrder) << row.name;
        EXPECT_EQ(row.getSize(max, 2, none, &s, &i, &w), orvStsOk) << row.name;
        for (int flag : {0, 3, 5, 16, -1}) EXPECT_EQ(row.getSize(4, flag, none, &s, &i, &w), orvStsErrFftFlag) << row.name;

        void* const sentinel = &s;
        void* rec = sentinel;
        EXPECT_EQ(row.initAlloc(&rec, max + 1, 2, none), orvStsErrFftOrder) << row.name;
        EXPECT_EQ(row.initAlloc(&rec, 4, 0, none), orvStsErrFftFlag) << row.name;

        // Order 12 computes its tables in the init buffer.
        ASSERT_EQ(row.getSize(12, 2, none, &s, &i, &w), orvStsOk);
        ASSERT_GT(i, 0) << row.name;
        Guarded<Orv8u> mem(s, 1), ini(i);
        mem.fill();
        ini.fill();
        EXPECT_EQ(row.init(&rec, max + 1, 2, none, mem.data(), ini.data()), orvStsErrFftOrder) << row.name;
        EXPECT_EQ(row.init(&rec, 6, 7, none, mem.data(), ini.data()), orvStsErrFftFlag) << row.name;
        EXPECT_EQ(row.init(&rec, 12, 2, none, mem.data(), nullptr), orvStsErrNullPtr) << row.name;
        EXPECT_EQ(rec, sentinel) << row.name;
        EXPECT_TRUE(mem.intact() && ini.intact()) << row.name;
    }
}

// One record of every type serves 1, 2 and 4 threads at once, each with its
// own work buffer or none: every call gives the single-thread result.
TEST(FftRecords, OneRecordServesConcurrentCalls)
{
    for (const Row& row : rows())
        for (int order : {6, 12, 18}) {
            void* rec = nullptr;
            int w = 0;
            ASSERT_EQ(row.initAlloc(&rec, order, ORV_FFT_NORM_SQRT_N, orvHintNone), orvStsOk);
            ASSERT_EQ(row.bufSize(rec, &w), orvStsOk);
            std::vector<unsigned char> expect;
            ASSERT_EQ(row.run(rec, 1 << order, nullptr, expect), orvStsOk);
            EXPECT_TRUE(transform_test::concurrently([&](int t) {
                std::vector<Orv8u> buf(w + 1);
                std::vector<unsigned char> out;
                return row.run(rec, 1 << order, t % 2 ? nullptr : buf.data() + 1, out) == orvStsOk && out == expect;
            })) << row.name << " order " << order;
            EXPECT_EQ(row.release(rec), orvStsOk);
        }
}
