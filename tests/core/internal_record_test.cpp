// The record lifecycle helpers with a dummy record kind.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "core/record.h"

namespace {
using namespace orvs::record;
constexpr std::uint32_t kDummyId = fourcc('D', 'M', 'Y', '1');

struct Dummy : OwnedRecord {
    int payload;
    int released;
};

constexpr std::size_t kAlign = 32;
constexpr std::size_t dummySize() { return sizeof(Dummy) + kAlign - 1; }

OrvStatus dummyInit(void* mem, Dummy** out)
{
    if (!mem || !out) return orvStsErrNullPtr;
    Dummy* d = place<Dummy>(mem, kAlign, kDummyId);
    d->payload = 42;
    d->released = 0;
    *out = d;
    return orvStsOk;
}
} // namespace

TEST(Record, FourccMatchesDocumentedByteOrder)
{
    EXPECT_EQ(fourcc('F', 'I', '0', '1'), 0x46493031u);
}

TEST(Record, InitPlacesAtAlignedAddressInCallerMemory)
{
    std::vector<unsigned char> mem(dummySize() + 1);
    for (std::size_t shift = 0; shift < 2; ++shift) {
        Dummy* d = nullptr;
        ASSERT_EQ(dummyInit(mem.data() + shift, &d), orvStsOk);
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(d) % kAlign, 0u);
        EXPECT_GE(reinterpret_cast<unsigned char*>(d), mem.data() + shift);
        EXPECT_LE(reinterpret_cast<unsigned char*>(d + 1), mem.data() + shift + dummySize());
        EXPECT_EQ(d->owned, 0u);
        EXPECT_EQ(checkId(d, kDummyId), orvStsOk);
        EXPECT_EQ(checkId(d, kDummyId + 1), orvStsErrContextMatch);
        // Free on caller memory releases nothing but still checks the identifier.
        EXPECT_EQ(release(d, kDummyId, false), orvStsOk);
        EXPECT_EQ(d->id, kDummyId);
    }
}

TEST(Record, InitAllocOwnsAndFreeClearsTheIdentifier)
{
    Dummy* d = nullptr;
    ASSERT_EQ(initAlloc<Dummy>(&d, dummySize(), dummyInit), orvStsOk);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->owned, 1u);
    EXPECT_EQ(d->payload, 42);
    int inner = 0;
    EXPECT_EQ(release(d, kDummyId, true, [&](Dummy&) { ++inner; }), orvStsOk);
    EXPECT_EQ(inner, 1);
    EXPECT_EQ(release<Dummy>(nullptr, kDummyId, true), orvStsErrNullPtr);
}

TEST(Record, FreeOfForeignRecordIsRefused)
{
    std::vector<unsigned char> mem(dummySize());
    Dummy* d = nullptr;
    ASSERT_EQ(dummyInit(mem.data(), &d), orvStsOk);
    d->id = fourcc('X', 'X', 'X', 'X');
    EXPECT_EQ(release(d, kDummyId, true), orvStsErrContextMatch);
}

TEST(Record, InitAllocFailureWritesNothing)
{
    Dummy* d = reinterpret_cast<Dummy*>(0x1);
    auto failing = [](void*, Dummy**) { return OrvStatus(orvStsErrSize); };
    EXPECT_EQ(initAlloc<Dummy>(&d, dummySize(), failing), orvStsErrSize);
    EXPECT_EQ(d, reinterpret_cast<Dummy*>(0x1));
    EXPECT_EQ(initAlloc<Dummy>(&d, std::size_t(1) << 40, dummyInit), orvStsErrMemAlloc);
}
