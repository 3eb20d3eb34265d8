#include "LinePatterns.h"

#include <algorithm>
#include <array>
#include <memory>

namespace wuziqi::search {

namespace {

// A line of nine points seen by one colour, centre (index 4) always its own stone.
enum Seen : std::uint8_t { Free, Own, Blocked };
constexpr int Width = 9;
constexpr int Centre = 4;

bool FiveThroughCentre(const std::array<Seen, Width>& line) {
    for (int start = 0; start + 5 <= Width; ++start) {
        if (start > Centre || start + 4 < Centre) continue;
        bool all = true;
        for (int i = start; i < start + 5; ++i)
            all = all && line[i] == Own;
        if (all) return true;
    }
    return false;
}

// One more stone anywhere turns a pattern into the next-stronger one; this is its inverse.
Pattern OneWeaker(Pattern p) {
    switch (p) {
        case PatFlex4: return PatFlex3;
        case PatBlock4: return PatBlock3;
        case PatFlex3: return PatFlex2;
        case PatBlock3: return PatBlock2;
        case PatFlex2: return PatFlex1;
        case PatBlock2: return PatBlock1;
        default: return PatNone;
    }
}

int Index(const std::array<Seen, Width>& line) {
    int index = 0;
    for (const Seen s : line)
        index = index * 3 + s;
    return index;
}

// Memoised over the 3^9 lines: a pattern is the best its lines with one more stone reach,
// one step weaker; fours and fives are counted directly.
class Classifier {
  public:
    Classifier() { memo_.fill(0xFF); }

    Pattern Classify(std::array<Seen, Width> line) {
        const int index = Index(line);
        if (memo_[index] != 0xFF) return static_cast<Pattern>(memo_[index]);
        Pattern result = PatNone;
        if (FiveThroughCentre(line)) {
            result = PatFive;
        } else {
            int fivePoints = 0;
            for (int i = 0; i < Width; ++i) {
                if (line[i] != Free) continue;
                line[i] = Own;
                fivePoints += FiveThroughCentre(line);
                line[i] = Free;
            }
            if (fivePoints >= 2) {
                result = PatFlex4;
            } else if (fivePoints == 1) {
                result = PatBlock4;
            } else {
                for (int i = 0; i < Width; ++i) {
                    if (line[i] != Free) continue;
                    line[i] = Own;
                    result = std::max(result, OneWeaker(Classify(line)));
                    line[i] = Free;
                }
            }
        }
        memo_[index] = result;
        return result;
    }

  private:
    std::array<std::uint8_t, 19683> memo_;
};

// Weights of the patterns at a point, and of the combinations that decide a game.
constexpr std::array<int, PatternCount> PatternScore = {0, 1, 4, 6, 20, 24, 100, 130, 1200, 10000};

ShapeInfo ReadShape(PatternWord word) {
    int counts[PatternCount] = {};
    int score = 0;
    for (int d = 0; d < 4; ++d) {
        const int p = (word >> (4 * d)) & 0xF;
        if (p >= PatternCount) return {ShapeNone, 0};
        ++counts[p];
        score += PatternScore[p];
    }
    const int fours = counts[PatBlock4];
    Shape shape = ShapeNone;
    if (counts[PatFive]) {
        shape = ShapeFive;
    } else if (counts[PatFlex4] || fours >= 2) {
        shape = ShapeFlex4;
        score += 3000;
    } else if (fours && counts[PatFlex3]) {
        shape = ShapeFour3;
        score += 2000;
    } else if (fours) {
        shape = ShapeBlock4;
    } else if (counts[PatFlex3] >= 2) {
        shape = ShapeThree3;
        score += 800;
    } else if (counts[PatFlex3]) {
        shape = ShapeFlex3;
    }
    // A four with a closed three beside it, or an open three with open twos, is worth more
    // than its parts: both make the next threat double.
    if (fours && counts[PatBlock3]) score += 60;
    if (counts[PatFlex3] && counts[PatFlex2]) score += 40;
    return {shape, static_cast<std::int16_t>(std::min(score, 20000))};
}

std::unique_ptr<PatternTables> Build() {
    auto tables = std::make_unique<PatternTables>();
    Classifier classifier;
    for (int colour = 1; colour <= 2; ++colour) {
        for (int key = 0; key < (1 << 16); ++key) {
            std::array<Seen, Width> line{};
            line[Centre] = Own;
            for (int offset = -4; offset <= 4; ++offset) {
                if (offset == 0) continue;
                const int code = (key >> KeyShift(offset)) & 3;
                line[Centre + offset] = code == 0 ? Free : code == colour ? Own : Blocked;
            }
            tables->line[colour - 1][key] = classifier.Classify(line);
        }
    }
    for (int key = 0; key < (1 << 16); ++key)
        tables->both[key] =
            static_cast<std::uint8_t>(tables->line[0][key] | (tables->line[1][key] << 4));
    for (int word = 0; word < (1 << 16); ++word)
        tables->shape[word] = ReadShape(static_cast<PatternWord>(word));
    return tables;
}

}  // namespace

const PatternTables& Patterns() {
    static const std::unique_ptr<PatternTables> tables = Build();
    return *tables;
}

}  // namespace wuziqi::search
