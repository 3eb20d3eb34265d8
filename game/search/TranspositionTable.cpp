#include "TranspositionTable.h"

#include <algorithm>
#include <new>

namespace wuziqi::search {

static_assert(sizeof(TableEntry) == 12);

TranspositionTable::TranspositionTable(std::size_t bytes) {
    buckets_ = 1;
    while (buckets_ * 2 * BucketBytes <= bytes)
        buckets_ *= 2;
    mask_ = buckets_ - 1;
    entries_.reset(
        static_cast<TableEntry*>(std::calloc(buckets_ * BucketSize, sizeof(TableEntry))));
    if (!entries_) throw std::bad_alloc();
}

void TranspositionTable::Clear() {
    std::fill(entries_.get(), entries_.get() + buckets_ * BucketSize, TableEntry{});
}

const TableEntry* TranspositionTable::Probe(std::uint64_t hash) const {
    const TableEntry* bucket = Bucket(hash);
    const std::uint32_t check = Check(hash);
    for (std::size_t i = 0; i < BucketSize; ++i)
        if (bucket[i].bound != Bound::None && bucket[i].check == check) return &bucket[i];
    return nullptr;
}

void TranspositionTable::Store(std::uint64_t hash, int score, int move, int depth, Bound bound) {
    TableEntry* bucket = Bucket(hash);
    const std::uint32_t check = Check(hash);
    TableEntry* victim = nullptr;
    int victimWorth = 0;
    for (std::size_t i = 0; i < BucketSize; ++i) {
        TableEntry& entry = bucket[i];
        if (entry.bound == Bound::None || entry.check == check) {
            victim = &entry;
            break;
        }
        const int age = static_cast<std::uint8_t>(generation_ - entry.generation);
        const int worth = entry.depth - 8 * age;
        if (!victim || worth < victimWorth) {
            victim = &entry;
            victimWorth = worth;
        }
    }
    // A shallower result for the same position keeps the deeper one's move when it has none.
    if (victim->bound != Bound::None && victim->check == check && move < 0) move = victim->move;
    victim->check = check;
    victim->score = static_cast<std::int16_t>(score);
    victim->move = static_cast<std::int16_t>(move);
    victim->depth = static_cast<std::int8_t>(std::clamp(depth, -100, 100));
    victim->bound = bound;
    victim->generation = generation_;
}

}  // namespace wuziqi::search
