#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

namespace wuziqi::search {

// Up to every point of the board with a sort key each, on the stack: no allocation per node.
struct MoveList {
    struct Entry {
        int point;
        int key;
    };
    std::array<Entry, 400> entries;  // the points of the largest board, 20 x 20
    int size = 0;

    void Add(int point, int key) { entries[size++] = {point, key}; }
    // The points of a threat list whose shape for the colour passes the test.
    template <typename Board, typename Test, typename Key>
    void AddThreats(const Board& board, int colour, Test test, Key key) {
        for (const std::int16_t* p = board.ThreatBegin(colour); p != board.ThreatEnd(colour); ++p)
            if (test(*p)) Add(*p, key(*p));
    }
    bool Contains(int point) const {
        return std::any_of(begin(), end(), [point](const Entry& e) { return e.point == point; });
    }
    // Highest key first, equal keys in the order added. Insertion sort: the lists are short
    // and nothing is allocated.
    void SortByKey() {
        for (int i = 1; i < size; ++i) {
            const Entry e = entries[i];
            int j = i;
            for (; j > 0 && entries[j - 1].key < e.key; --j)
                entries[j] = entries[j - 1];
            entries[j] = e;
        }
    }
    const Entry* begin() const { return entries.data(); }
    const Entry* end() const { return entries.data() + size; }
};

}  // namespace wuziqi::search
