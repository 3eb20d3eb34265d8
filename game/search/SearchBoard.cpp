#include "SearchBoard.h"

#include <algorithm>

namespace wuziqi::search {

namespace {

struct Zobrist {
    std::array<std::array<std::uint64_t, SearchBoard::Cells>, 3> keys{};
    Zobrist() {
        std::uint64_t state = 0x5EED5EED12345678ULL;
        for (auto& colour : keys)
            for (auto& key : colour) {
                // splitmix64
                state += 0x9E3779B97F4A7C15ULL;
                std::uint64_t z = state;
                z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
                z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
                key = z ^ (z >> 31);
            }
    }
};

const Zobrist& ZobristTable() {
    static const Zobrist table;
    return table;
}

}  // namespace

std::uint64_t ZobristKey(int colour, int index) {
    return ZobristTable().keys[colour - 1][index];
}

SearchBoard::SearchBoard(int width, int height, FiveRule rule)
    : width_(std::clamp(width, 1, MaxSide)), height_(std::clamp(height, 1, MaxSide)), rule_(rule) {
    const LineTables& lines = Lines(rule);
    line_[0] = lines.line[0].data();
    line_[1] = lines.line[1].data();
    both_ = lines.both.data();
    keyMask_ = KeyMask(rule);
    shapes_ = Shapes().data();
    ZobristTable();
    for (int x = 1; x <= width_; ++x)
        for (int y = 1; y <= height_; ++y)
            points_.push_back(Index(x, y));
    stone_.fill(OffBoard);
    for (const int p : points_)
        stone_[p] = 0;
    // The frame reads as blocked in every line that reaches it.
    for (const int p : points_)
        for (int d = 0; d < 4; ++d)
            for (int k = -Frame; k <= Frame; ++k)
                if (k != 0 && stone_[p + k * Step[d]] == OffBoard)
                    key_[p][d] |= static_cast<LineKey>(OffBoard) << KeyShift(k);
    for (const int p : points_) {
        ReadPoint(p);
        Enter(0, p);
        Enter(1, p);
    }
    history_.reserve(points_.size());
}

void SearchBoard::Retire(int side, int index) {
    const Shape shape = shape_[side][index];
    if (IsThreeOrFour(shape)) {
        // The last point of the list takes the leaving point's place.
        const int slot = threatSlot_[side][index];
        const int last = threats_[side][--threatCount_[side]];
        threats_[side][slot] = static_cast<std::int16_t>(last);
        threatSlot_[side][last] = static_cast<std::int16_t>(slot);
    }
    --count_[side][shape];
    total_[side] -= score_[side][index];
}

void SearchBoard::Enter(int side, int index) {
    const ShapeInfo info = shapes_[word_[side][index]];
    shape_[side][index] = info.shape;
    score_[side][index] = info.score;
    if (IsThreeOrFour(info.shape)) {
        threatSlot_[side][index] = static_cast<std::int16_t>(threatCount_[side]);
        threats_[side][threatCount_[side]++] = static_cast<std::int16_t>(index);
    }
    ++count_[side][info.shape];
    total_[side] += info.score;
}

void SearchBoard::ReadPoint(int index) {
    for (int side = 0; side < 2; ++side) {
        PatternWord word = 0;
        for (int d = 0; d < 4; ++d)
            word |= static_cast<PatternWord>(line_[side][key_[index][d] & keyMask_] << (4 * d));
        word_[side][index] = word;
    }
}

void SearchBoard::Reshape(int side, int index, PatternWord word, int& totalChange) {
    word_[side][index] = word;
    const ShapeInfo info = shapes_[word];
    totalChange += info.score - score_[side][index];
    score_[side][index] = info.score;
    const Shape old = shape_[side][index];
    if (info.shape == old) return;
    // The shape's count and the threat list follow a change of shape only.
    --count_[side][old];
    ++count_[side][info.shape];
    shape_[side][index] = info.shape;
    const bool wasThreat = IsThreeOrFour(old), isThreat = IsThreeOrFour(info.shape);
    if (wasThreat == isThreat) return;
    if (isThreat) {
        threatSlot_[side][index] = static_cast<std::int16_t>(threatCount_[side]);
        threats_[side][threatCount_[side]++] = static_cast<std::int16_t>(index);
    } else {
        const int slot = threatSlot_[side][index];
        const int last = threats_[side][--threatCount_[side]];
        threats_[side][slot] = static_cast<std::int16_t>(last);
        threatSlot_[side][last] = static_cast<std::int16_t>(slot);
    }
}

template <int Reach>
void SearchBoard::SetKeys(int index, std::uint8_t code) {
    // The sums are kept in registers while the points change, and stored once.
    int blackChange = 0, whiteChange = 0;
    for (int d = 0; d < 4; ++d) {
        const int step = Step[d];
        const int shift4 = 4 * d;
        for (int k = -Reach; k <= Reach; ++k) {
            if (k == 0) continue;
            const int q = index + k * step;
            LineKey& key = key_[q][d];
            const int shift = KeyShift(-k);
            key = (key & ~(LineKey{3} << shift)) | (LineKey{code} << shift);
            if (stone_[q] != 0) continue;
            const PatternWord black = word_[0][q], white = word_[1][q];
            const int both = both_[key & keyMask_];
            const auto newBlack =
                static_cast<PatternWord>((black & ~(0xF << shift4)) | ((both & 0xF) << shift4));
            const auto newWhite =
                static_cast<PatternWord>((white & ~(0xF << shift4)) | ((both >> 4) << shift4));
            if (newBlack != black) Reshape(0, q, newBlack, blackChange);
            if (newWhite != white) Reshape(1, q, newWhite, whiteChange);
        }
    }
    total_[0] += blackChange;
    total_[1] += whiteChange;
}

void SearchBoard::UpdateKeys(int index, std::uint8_t code) {
    // Freestyle reads four points each way; the exact rule must also see the fifth.
    if (rule_ == FiveRule::Exact)
        SetKeys<5>(index, code);
    else
        SetKeys<4>(index, code);
}

void SearchBoard::Make(int index, int colour) {
    stone_[index] = static_cast<std::uint8_t>(colour);
    hash_ ^= ZobristKey(colour, index);
    Retire(0, index);
    Retire(1, index);
    UpdateKeys(index, static_cast<std::uint8_t>(colour));
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx)
            ++near_[index + dx + dy * Stride];
    history_.push_back(index);
}

void SearchBoard::Unmake() {
    const int index = history_.back();
    history_.pop_back();
    const int colour = stone_[index];
    stone_[index] = 0;
    hash_ ^= ZobristKey(colour, index);
    UpdateKeys(index, 0);
    ReadPoint(index);
    Enter(0, index);
    Enter(1, index);
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx)
            --near_[index + dx + dy * Stride];
}

void SearchBoard::PlaceDead(int index) {
    stone_[index] = OffBoard;
    hash_ ^= ZobristKey(3, index);
    Retire(0, index);
    Retire(1, index);
    UpdateKeys(index, OffBoard);
}

int SearchBoard::FindShape(int colour, Shape shape) const {
    if (count_[colour - 1][shape] == 0) return -1;
    for (const std::int16_t* p = ThreatBegin(colour); p != ThreatEnd(colour); ++p)
        if (shape_[colour - 1][*p] == shape) return *p;
    return -1;
}

int SearchBoard::FivePointAfter(int index, int colour) const {
    for (int d = 0; d < 4; ++d)
        for (int k = -4; k <= 4; ++k) {
            const int q = index + k * Step[d];
            if (k != 0 && stone_[q] == 0 && shape_[colour - 1][q] == ShapeFive) return q;
        }
    return -1;
}

}  // namespace wuziqi::search
