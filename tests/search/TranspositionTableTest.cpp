// The transposition table: its size bound, and which entry makes room in a full bucket.
#include <gtest/gtest.h>

#include "TranspositionTable.h"

namespace wuziqi::search {
namespace {

// Hashes that share a bucket (same low bits) but not a position (different high halves).
std::uint64_t InBucket(std::uint64_t bucket, std::uint64_t position) {
    return (position << 32) | bucket;
}

TEST(TranspositionTable, StaysWithinTheBytesItIsGiven) {
    EXPECT_EQ(TranspositionTable(1).Bytes(), TranspositionTable::BucketBytes);
    for (const std::size_t bytes :
         {std::size_t{1000}, std::size_t{1} << 20, std::size_t{3} << 20}) {
        const TranspositionTable table(bytes);
        EXPECT_LE(table.Bytes(), bytes);
        EXPECT_GT(table.Bytes() * 2, bytes);
    }
}

TEST(TranspositionTable, KeepsWhatWasStoredAndTellsPositionsApart) {
    TranspositionTable table(1 << 16);
    table.Store(InBucket(5, 1), -123, 42, 7, Bound::Lower);
    const TableEntry* entry = table.Probe(InBucket(5, 1));
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->score, -123);
    EXPECT_EQ(entry->move, 42);
    EXPECT_EQ(entry->depth, 7);
    EXPECT_EQ(entry->bound, Bound::Lower);
    EXPECT_EQ(table.Probe(InBucket(5, 2)), nullptr);
    // The same position again replaces its own entry, keeping the move when none is given.
    table.Store(InBucket(5, 1), 10, -1, 3, Bound::Upper);
    entry = table.Probe(InBucket(5, 1));
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->depth, 3);
    EXPECT_EQ(entry->move, 42);
}

TEST(TranspositionTable, AFullBucketGivesUpItsShallowestEntry) {
    TranspositionTable table(1 << 16);
    const int depths[] = {6, 2, 9, 4};
    for (std::uint64_t i = 0; i < 4; ++i)
        table.Store(InBucket(9, i + 1), 0, 0, depths[i], Bound::Exact);
    table.Store(InBucket(9, 10), 0, 0, 1, Bound::Exact);
    EXPECT_NE(table.Probe(InBucket(9, 10)), nullptr);
    EXPECT_EQ(table.Probe(InBucket(9, 2)), nullptr) << "depth 2 was the shallowest";
    for (const std::uint64_t kept : {1, 3, 4})
        EXPECT_NE(table.Probe(InBucket(9, kept)), nullptr);
}

TEST(TranspositionTable, OldSearchesMakeRoomBeforeDeepEntriesOfThisOne) {
    TranspositionTable table(1 << 16);
    table.Store(InBucket(3, 1), 0, 0, 12, Bound::Exact);  // deep, but two searches ago
    table.NewSearch();
    table.NewSearch();
    for (std::uint64_t i = 2; i <= 4; ++i)
        table.Store(InBucket(3, i), 0, 0, 5, Bound::Exact);
    table.Store(InBucket(3, 5), 0, 0, 5, Bound::Exact);
    EXPECT_EQ(table.Probe(InBucket(3, 1)), nullptr);
    for (std::uint64_t i = 2; i <= 5; ++i)
        EXPECT_NE(table.Probe(InBucket(3, i)), nullptr);
}

}  // namespace
}  // namespace wuziqi::search
