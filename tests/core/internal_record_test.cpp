// The record lifecycle (core/record.h) on a record whose allocated flag is
// not next to the identifier, as the transform records lay theirs out.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "core/record.h"

namespace {
using namespace orvs::record;
constexpr std::uint32_t kDummyId = fourcc('D', 'M', 'Y', '1');

struct Dummy {
    std::uint32_t id;
    std::int32_t payload;
    std::uint8_t owned;
    std::int32_t inner;
};

constexpr std::size_t kAlign = 32;
constexpr std::size_t kBytes = sizeof(Dummy) + kAlign - 1;

OrvStatus dummyInit(std::uint8_t* mem, std::uint8_t*, Dummy** out)
{
    if (!mem || !out) return orvStsErrNullPtr;
    Dummy* d = place<Dummy>(mem, kAlign);
    d->payload = 42;
    d->id = kDummyId;
    *out = d;
    return orvStsOk;
}
} // namespace

TEST(Record, FourccPutsTheFirstCharacterInTheHighByte)
{
    EXPECT_EQ(fourcc('F', 'I', '0', '1'), 0x46493031u);
    EXPECT_EQ(fourcc('Z', 'X', 'Q', 'L'), 0x5A58514Cu);
}

TEST(Record, PlaceAlignsInsideCallerMemoryAndClearsTheRecord)
{
    for (std::size_t shift = 0; shift < kAlign; ++shift) {
        std::vector<std::uint8_t> mem(kBytes + kAlign, 0xEE);
        Dummy* d = place<Dummy>(mem.data() + shift, kAlign);
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(d) % kAlign, 0u);
        EXPECT_GE(reinterpret_cast<std::uint8_t*>(d), mem.data() + shift);
        EXPECT_LE(reinterpret_cast<std::uint8_t*>(d + 1), mem.data() + shift + kBytes);
        EXPECT_EQ(d->id, 0u);
        EXPECT_EQ(d->owned, 0u);
        // Nothing before the aligned start is touched.
        for (auto* p = mem.data(); p < reinterpret_cast<std::uint8_t*>(d); ++p) EXPECT_EQ(*p, 0xEE);
    }
}

TEST(Record, CheckAndOpenRefuseNullThenForeignRecords)
{
    std::vector<std::uint8_t> mem(kBytes);
    Dummy* d = nullptr;
    ASSERT_EQ(dummyInit(mem.data(), nullptr, &d), orvStsOk);
    int calls = 0;
    auto body = [&](const Dummy& r) { ++calls; return r.payload == 42 ? OrvStatus(orvStsOk) : OrvStatus(orvStsErrSize); };
    EXPECT_EQ(check(nullptr, kDummyId), orvStsErrNullPtr);
    EXPECT_EQ(open<Dummy>(nullptr, kDummyId, body), orvStsErrNullPtr);
    EXPECT_EQ(open<Dummy>(d, kDummyId + 1, body), orvStsErrContextMatch);
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(open<Dummy>(d, kDummyId, body), orvStsOk);
    EXPECT_EQ(calls, 1);
}

TEST(Record, FreeOfCallerMemoryReleasesInnerPartsAndKeepsOrClearsTheIdentifier)
{
    std::vector<std::uint8_t> mem(kBytes);
    Dummy* d = nullptr;
    ASSERT_EQ(dummyInit(mem.data(), nullptr, &d), orvStsOk);
    int inner = 0;
    EXPECT_EQ(release<Dummy>(d, kDummyId, OnFree::keepId, [&](Dummy&) { ++inner; }), orvStsOk);
    EXPECT_EQ(d->id, kDummyId);
    EXPECT_EQ(release<Dummy>(d, kDummyId, OnFree::clearId, [&](Dummy&) { ++inner; }), orvStsOk);
    EXPECT_EQ(d->id, 0u);
    EXPECT_EQ(inner, 2);
    // Released: refused, nothing released again.
    EXPECT_EQ(release<Dummy>(d, kDummyId, OnFree::clearId, [&](Dummy&) { ++inner; }), orvStsErrContextMatch);
    EXPECT_EQ(release<Dummy>(nullptr, kDummyId, OnFree::clearId), orvStsErrNullPtr);
    EXPECT_EQ(inner, 2);
}

TEST(Record, InitAllocOwnsTheBlockAndPassesScratchOnlyWhenAsked)
{
    for (std::int64_t initBytes : {0, 64}) {
        Dummy* d = nullptr;
        std::uint8_t* seen = reinterpret_cast<std::uint8_t*>(1);
        ASSERT_EQ(initAlloc(&d, kBytes, initBytes,
                            [&](std::uint8_t* mem, std::uint8_t* ini, Dummy** out) {
                                seen = ini;
                                return dummyInit(mem, ini, out);
                            }),
                  orvStsOk);
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(seen != nullptr, initBytes > 0);
        EXPECT_EQ(d->owned, 1u);
        EXPECT_EQ(d->payload, 42);
        // The block starts at the record; Free hands it back (the sanitizer build checks this).
        EXPECT_EQ(release<Dummy>(d, kDummyId, OnFree::clearId), orvStsOk);
    }
}

TEST(Record, InitAllocFailureWritesNothing)
{
    Dummy* d = reinterpret_cast<Dummy*>(0x1);
    auto failing = [](std::uint8_t*, std::uint8_t*, Dummy**) { return OrvStatus(orvStsErrFftFlag); };
    EXPECT_EQ(initAlloc(&d, kBytes, 0, failing), orvStsErrFftFlag);
    EXPECT_EQ(d, reinterpret_cast<Dummy*>(0x1));
    EXPECT_EQ(initAlloc(&d, std::int64_t(1) << 40, 0, dummyInit), orvStsErrMemAlloc);
    EXPECT_EQ(initAlloc(&d, kBytes, std::int64_t(1) << 40, dummyInit), orvStsErrMemAlloc);
    EXPECT_EQ(d, reinterpret_cast<Dummy*>(0x1));
}
