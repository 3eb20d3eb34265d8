#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "LinePatterns.h"

namespace wuziqi::search {

// The searches' own board: stones, and for every empty point the line keys, patterns and shapes
// of both colours, the evaluation sums and the hash, all kept current stone by stone. Make and
// Unmake change only the points within four of the stone, so nothing is copied per node.
//
// Colours are 1 (black) and 2 (white); a point is an index into a 30 x 30 array that holds
// any board up to 20 x 20, whose frame of five points lets the line updates run off the board
// without a test. Points past a smaller board's edge read as off the board.
class SearchBoard {
  public:
    static constexpr int MaxSide = 20;
    static constexpr int MaxPoints = MaxSide * MaxSide;
    static constexpr int Frame = 5;
    static constexpr int Stride = MaxSide + 2 * Frame;
    static constexpr int Cells = Stride * Stride;
    static constexpr std::array<int, 4> Step = {1, Stride + 1, Stride, Stride - 1};
    static constexpr std::uint8_t OffBoard = 3;  // also a dead stone that blocks both colours

    // A board of 1..MaxSide points a side, 15 x 15 freestyle unless told.
    explicit SearchBoard(int width = 15, int height = 15, FiveRule rule = FiveRule::Freestyle);

    static constexpr int Index(int x, int y) { return (x - 1 + Frame) + (y - 1 + Frame) * Stride; }
    static constexpr int X(int index) { return index % Stride - Frame + 1; }
    static constexpr int Y(int index) { return index / Stride - Frame + 1; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    FiveRule Rule() const { return rule_; }
    // The board's points, column by column.
    const std::vector<int>& Points() const { return points_; }
    bool IsFull() const { return StoneCount() >= static_cast<int>(points_.size()); }

    std::uint8_t Stone(int index) const { return stone_[index]; }
    bool IsEmpty(int index) const { return stone_[index] == 0; }
    // An empty point within two of a stone: where moves are looked for.
    bool IsNear(int index) const { return stone_[index] == 0 && near_[index] != 0; }
    int StoneCount() const { return static_cast<int>(history_.size()); }
    const std::vector<int>& History() const { return history_; }
    int LastMove() const { return history_.empty() ? -1 : history_.back(); }

    Shape ShapeAt(int colour, int index) const { return shape_[colour - 1][index]; }
    int ScoreAt(int colour, int index) const { return score_[colour - 1][index]; }
    Pattern PatternAt(int colour, int index, int direction) const {
        return static_cast<Pattern>((word_[colour - 1][index] >> (4 * direction)) & 0xF);
    }
    LineKey KeyAt(int index, int direction) const { return key_[index][direction]; }
    // How many empty points give the colour this shape.
    int ShapeCount(int colour, Shape shape) const { return count_[colour - 1][shape]; }
    // The sum of the colour's point scores over the empty points.
    int ScoreTotal(int colour) const { return total_[colour - 1]; }
    std::uint64_t Hash() const { return hash_; }

    // A stone of the colour on an empty point, and its removal (the last one placed first).
    void Make(int index, int colour);
    void Unmake();
    // A stone that blocks both colours for good (a finished line in a continuous game).
    void PlaceDead(int index);

    // The empty points where the colour has an open three or better, in no particular order.
    const std::int16_t* ThreatBegin(int colour) const { return threats_[colour - 1].data(); }
    const std::int16_t* ThreatEnd(int colour) const {
        return threats_[colour - 1].data() + threatCount_[colour - 1];
    }
    // An empty point where the colour has the shape (an open three or better), or -1.
    int FindShape(int colour, Shape shape) const;
    // The empty point where the colour's last four (the stone at `index`) would make five.
    int FivePointAfter(int index, int colour) const;

  private:
    // The keys of the points within `Reach` of the stone, and what follows from them.
    template <int Reach>
    void SetKeys(int index, std::uint8_t code);
    void UpdateKeys(int index, std::uint8_t code);
    // A new pattern word for an empty point: its shape, score, count and threat list follow.
    void Reshape(int side, int index, PatternWord word, int& totalChange);
    void Retire(int side, int index);
    void Enter(int side, int index);
    void ReadPoint(int index);

    int width_, height_;
    FiveRule rule_;
    std::vector<int> points_;
    // The rule's line tables, read with the rule's key mask, and the shapes of pattern words.
    const Pattern* line_[2];
    const std::uint8_t* both_;
    LineKey keyMask_;
    const ShapeInfo* shapes_;
    std::array<std::uint8_t, Cells> stone_{};
    std::array<std::uint8_t, Cells> near_{};
    std::array<std::array<LineKey, 4>, Cells> key_{};
    std::array<std::array<PatternWord, Cells>, 2> word_{};
    std::array<std::array<Shape, Cells>, 2> shape_{};
    std::array<std::array<std::int16_t, Cells>, 2> score_{};
    std::array<std::array<int, ShapeFive + 1>, 2> count_{};
    std::array<int, 2> total_{};
    // The points of each colour's threats, with each point's place in its list.
    std::array<std::array<std::int16_t, MaxPoints>, 2> threats_{};
    std::array<std::array<std::int16_t, Cells>, 2> threatSlot_{};
    std::array<int, 2> threatCount_{};
    std::uint64_t hash_ = 0;
    std::vector<int> history_;
};

// The random keys of the hash, one per colour and point.
std::uint64_t ZobristKey(int colour, int index);

}  // namespace wuziqi::search
