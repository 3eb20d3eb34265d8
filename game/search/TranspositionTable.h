#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

namespace wuziqi::search {

// What a stored score says about the position's true score.
enum class Bound : std::uint8_t { None, Upper, Lower, Exact };

struct TableEntry {
    std::uint32_t check = 0;  // the hash's upper half, to tell positions of one bucket apart
    std::int16_t score = 0;
    std::int16_t move = -1;  // a board index, -1 for none
    std::int8_t depth = 0;
    Bound bound = Bound::None;
    std::uint8_t generation = 0;
    std::uint8_t padding = 0;
};

// The positions searched, kept across replies in buckets of four entries within a byte size
// told. Replacement: the same position is overwritten; otherwise the entry whose depth, less
// eight plies for each search since it was written, is lowest makes room.
class TranspositionTable {
  public:
    static constexpr std::size_t BucketSize = 4;
    static constexpr std::size_t BucketBytes = BucketSize * sizeof(TableEntry);

    // At least one bucket, at most `bytes` (rounded down to a power of two of buckets).
    explicit TranspositionTable(std::size_t bytes);

    std::size_t Bytes() const { return buckets_ * BucketBytes; }
    // Starts a new search: older entries age.
    void NewSearch() { ++generation_; }
    void Clear();

    // The entry for the position, or nullptr.
    const TableEntry* Probe(std::uint64_t hash) const;
    void Store(std::uint64_t hash, int score, int move, int depth, Bound bound);

  private:
    TableEntry* Bucket(std::uint64_t hash) const {
        return entries_.get() + (hash & mask_) * BucketSize;
    }
    static std::uint32_t Check(std::uint64_t hash) {
        return static_cast<std::uint32_t>(hash >> 32);
    }

    struct Free {
        void operator()(TableEntry* entries) const { std::free(entries); }
    };
    // Zeroed pages from the system: nothing is written until the search gets there, so that
    // a large table costs no time before the first move.
    std::unique_ptr<TableEntry, Free> entries_;
    std::size_t buckets_ = 1;
    std::uint64_t mask_ = 0;
    std::uint8_t generation_ = 1;
};

}  // namespace wuziqi::search
