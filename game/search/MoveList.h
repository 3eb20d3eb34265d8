#pragma once

#include <algorithm>
#include <array>

namespace wuziqi::search {

// Up to every point of the board with a sort key each, on the stack: no allocation per node.
struct MoveList {
    struct Entry {
        int point;
        int key;
    };
    std::array<Entry, 225> entries;
    int size = 0;

    void Add(int point, int key) { entries[size++] = {point, key}; }
    bool Contains(int point) const {
        return std::any_of(begin(), end(), [point](const Entry& e) { return e.point == point; });
    }
    void SortByKey() {
        std::stable_sort(entries.begin(), entries.begin() + size,
                         [](const Entry& a, const Entry& b) { return a.key > b.key; });
    }
    const Entry* begin() const { return entries.data(); }
    const Entry* end() const { return entries.data() + size; }
};

}  // namespace wuziqi::search
