// The record lifecycle (core/record.h) on a record whose allocated flag is
// not next to the identifier, as the transform records lay theirs out.
#include <gtest/gtest.h>

#include <algorithm>
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
    Dummy* d = place<Dummy>(mem, kAlign);
    d->payload = 42;
    d->id = kDummyId;
    *out = d;
    return orvStsOk;
}
} // namespace

TEST(Record, PlaceAlignsInsideCallerMemoryAndClearsTheRecord)
{
    EXPECT_EQ(fourcc('F', 'I', '0', '1'), 0x46493031u);  // first character in the high byte
    for (std::size_t shift = 0; shift < kAlign; ++shift) {
        std::vector<std::uint8_t> mem(kBytes + kAlign, 0xEE);
        Dummy* d = place<Dummy>(mem.data() + shift, kAlign);
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(d) % kAlign, 0u);
        EXPECT_GE(reinterpret_cast<std::uint8_t*>(d), mem.data() + shift);
        EXPECT_LE(reinterpret_cast<std::uint8_t*>(d + 1), mem.data() + shift + kBytes);
        EXPECT_TRUE(d->id == 0 && d->owned == 0);
        // Nothing before the aligned start is touched.
        EXPECT_EQ(std::count(mem.data(), reinterpret_cast<std::uint8_t*>(d), 0xEE), reinterpret_cast<std::uint8_t*>(d) - mem.data());
    }
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

TEST(Record, InitAllocOwnsTheBlockPassesScratchOnlyWhenAskedAndWritesNothingOnFailure)
{
    for (std::int64_t initBytes : {0, 64}) {
        Dummy* d = nullptr;
        std::uint8_t* seen = reinterpret_cast<std::uint8_t*>(1);
        auto init = [&](std::uint8_t* mem, std::uint8_t* ini, Dummy** out) { return seen = ini, dummyInit(mem, ini, out); };
        ASSERT_EQ(initAlloc(&d, kBytes, initBytes, init), orvStsOk);
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(seen != nullptr, initBytes > 0);
        EXPECT_EQ(d->owned, 1u);
        EXPECT_EQ(d->payload, 42);
        // The block starts at the record; Free hands it back (the sanitizer build checks this).
        EXPECT_EQ(release<Dummy>(d, kDummyId, OnFree::clearId), orvStsOk);
    }
    Dummy* d = reinterpret_cast<Dummy*>(0x1);
    auto failing = [](std::uint8_t*, std::uint8_t*, Dummy**) { return OrvStatus(orvStsErrFftFlag); };
    EXPECT_EQ(initAlloc(&d, kBytes, 0, failing), orvStsErrFftFlag);
    EXPECT_EQ(initAlloc(&d, std::int64_t(1) << 40, 0, dummyInit), orvStsErrMemAlloc);
    EXPECT_EQ(initAlloc(&d, kBytes, std::int64_t(1) << 40, dummyInit), orvStsErrMemAlloc);
    EXPECT_EQ(d, reinterpret_cast<Dummy*>(0x1));
}
