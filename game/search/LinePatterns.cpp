#include "LinePatterns.h"

#include <algorithm>
#include <array>
#include <memory>

namespace wuziqi::search {

namespace {

// A line seen by one colour, centre always its own stone: nine points for freestyle, eleven
// for the exact rule.
enum Seen : std::uint8_t { Free, Own, Blocked };
constexpr int MaxWidth = 11;
using Line = std::array<Seen, MaxWidth>;

// Whether the run of own stones through the centre wins: five or more, or exactly five. A run
// of exactly five never reaches the ends of the eleven points, so the points past it are seen.
bool FiveThroughCentre(const Line& line, int width, FiveRule rule) {
    const int centre = width / 2;
    int first = centre, last = centre;
    while (first > 0 && line[first - 1] == Own)
        --first;
    while (last < width - 1 && line[last + 1] == Own)
        ++last;
    const int run = last - first + 1;
    return rule == FiveRule::Exact ? run == 5 : run >= 5;
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

// Memoised over the 3^width lines: a pattern is the best its lines with one more stone reach,
// one step weaker; fours and fives are counted directly.
class Classifier {
  public:
    explicit Classifier(FiveRule rule)
        : rule_(rule),
          width_(rule == FiveRule::Exact ? 11 : 9),
          memo_(rule == FiveRule::Exact ? 177147 : 19683, 0xFF) {}

    int Width() const { return width_; }

    Pattern Classify(Line line) {
        const int index = Index(line);
        if (memo_[index] != 0xFF) return static_cast<Pattern>(memo_[index]);
        Pattern result = PatNone;
        if (FiveThroughCentre(line, width_, rule_)) {
            result = PatFive;
        } else {
            int fivePoints = 0;
            for (int i = 0; i < width_; ++i) {
                if (line[i] != Free) continue;
                line[i] = Own;
                fivePoints += FiveThroughCentre(line, width_, rule_);
                line[i] = Free;
            }
            if (fivePoints >= 2) {
                result = PatFlex4;
            } else if (fivePoints == 1) {
                result = PatBlock4;
            } else {
                for (int i = 0; i < width_; ++i) {
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
    int Index(const Line& line) const {
        int index = 0;
        for (int i = 0; i < width_; ++i)
            index = index * 3 + line[i];
        return index;
    }

    FiveRule rule_;
    int width_;
    std::vector<std::uint8_t> memo_;
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

std::unique_ptr<LineTables> BuildLines(FiveRule rule) {
    Classifier classifier(rule);
    const int reach = classifier.Width() / 2;
    const int keyBits = 4 * reach;
    auto tables = std::make_unique<LineTables>(keyBits);
    for (int colour = 1; colour <= 2; ++colour) {
        for (LineKey key = 0; key < (LineKey{1} << keyBits); ++key) {
            Line line{};
            line[reach] = Own;
            for (int offset = -reach; offset <= reach; ++offset) {
                if (offset == 0) continue;
                const LineKey code = (key >> KeyShift(offset)) & 3;
                line[reach + offset] = code == 0 ? Free : code == LineKey(colour) ? Own : Blocked;
            }
            tables->line[colour - 1][key] = classifier.Classify(line);
        }
    }
    for (std::size_t key = 0; key < tables->both.size(); ++key)
        tables->both[key] =
            static_cast<std::uint8_t>(tables->line[0][key] | (tables->line[1][key] << 4));
    return tables;
}

std::vector<ShapeInfo> BuildShapes() {
    std::vector<ShapeInfo> shapes(1 << 16);
    for (int word = 0; word < (1 << 16); ++word)
        shapes[word] = ReadShape(static_cast<PatternWord>(word));
    return shapes;
}

}  // namespace

const LineTables& Lines(FiveRule rule) {
    // Each rule's tables are built on first use, once (static initialisation is thread-safe).
    if (rule == FiveRule::Exact) {
        static const std::unique_ptr<LineTables> exact = BuildLines(FiveRule::Exact);
        return *exact;
    }
    static const std::unique_ptr<LineTables> freestyle = BuildLines(FiveRule::Freestyle);
    return *freestyle;
}

const std::vector<ShapeInfo>& Shapes() {
    static const std::vector<ShapeInfo> shapes = BuildShapes();
    return shapes;
}

}  // namespace wuziqi::search
