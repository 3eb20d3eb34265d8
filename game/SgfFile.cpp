#include "SgfFile.h"

#include <cctype>
#include <optional>
#include <vector>

namespace wuziqi {

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view WithoutLeadingSpace(std::string_view text) {
    while (!text.empty() && IsSpace(text.front()))
        text.remove_prefix(1);
    return text;
}

std::string_view Trim(std::string_view text) {
    text = WithoutLeadingSpace(text);
    while (!text.empty() && IsSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string Escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c == ']' || c == '\\') out += '\\';
        out += c;
    }
    return out;
}

// A board coordinate from one letter: a..z are 1..26, A..Z 27..52, anything else 0.
int Coordinate(char letter) {
    if (letter >= 'a' && letter <= 'z') return letter - 'a' + 1;
    if (letter >= 'A' && letter <= 'Z') return letter - 'A' + 27;
    return 0;
}

// One property as read: the name (its upper-case letters; older files mix in lower-case ones,
// which do not count) and the values with their escapes undone.
struct Property {
    std::string name;
    std::vector<std::string> values;
    std::size_t offset = 0;
};

TextGameFile BrokenAt(std::size_t offset) {
    TextGameFile broken;
    broken.problem = GameFileProblem::BrokenSgf;
    broken.offset = offset;
    return broken;
}

class SgfReader {
  public:
    SgfReader(std::string_view text, SgfPlayers* players) : text(text), players(players) {}

    TextGameFile Read();

  private:
    // A game tree: whether it has had a node and a subtree yet, and whether it is on the
    // main line (the first tree, and the first subtree of a tree on it).
    struct Tree {
        bool hasNode = false;
        bool hasChild = false;
        bool mainLine = false;
    };

    void SkipSpace() {
        while (pos < text.size() && IsSpace(text[pos]))
            ++pos;
    }
    bool ReadNode(std::vector<Property>& properties);
    bool ReadValue(std::string& value);
    // Takes the moves of a main-line node; false when the structure is broken at `pos`.
    bool PlayNode(const std::vector<Property>& properties, bool root);
    void CheckGameInfo(const std::vector<Property>& properties);
    void PlayMove(const Property& move);

    std::string_view text;
    SgfPlayers* players;
    std::size_t pos = 0;
    MoveCollector moves;
};

TextGameFile SgfReader::Read() {
    if (text.substr(0, ByteOrderMark.size()) == ByteOrderMark) pos = ByteOrderMark.size();
    SkipSpace();
    if (pos >= text.size() || text[pos] != '(') {
        moves.Refuse(GameFileProblem::NotSgf, {}, false);
        return moves.Finish();
    }
    // Read without recursion, so that no nesting depth can exhaust the stack.
    std::vector<Tree> open;
    int games = 0;
    bool rootRead = false;
    for (SkipSpace(); pos < text.size(); SkipSpace()) {
        const char c = text[pos];
        if (c == '(') {
            Tree tree;
            if (open.empty()) {
                tree.mainLine = games++ == 0;
            } else {
                Tree& parent = open.back();
                if (!parent.hasNode) return BrokenAt(pos);
                tree.mainLine = parent.mainLine && !parent.hasChild;
                parent.hasChild = true;
            }
            open.push_back(tree);
            ++pos;
        } else if (c == ')') {
            if (open.empty() || !open.back().hasNode) return BrokenAt(pos);
            open.pop_back();
            ++pos;
        } else if (c == ';') {
            // Nodes come before the subtrees of their tree.
            if (open.empty() || open.back().hasChild) return BrokenAt(pos);
            open.back().hasNode = true;
            ++pos;
            std::vector<Property> properties;
            if (!ReadNode(properties)) return BrokenAt(pos);
            if (open.back().mainLine) {
                if (!PlayNode(properties, !rootRead)) return BrokenAt(pos);
                if (moves.Refused()) return moves.Finish();
            }
            rootRead = true;
        } else {
            return BrokenAt(pos);
        }
    }
    if (!open.empty()) return BrokenAt(pos);
    return moves.Finish();
}

bool SgfReader::ReadNode(std::vector<Property>& properties) {
    for (SkipSpace(); pos < text.size() && std::isalpha(static_cast<unsigned char>(text[pos]));
         SkipSpace()) {
        Property property;
        property.offset = pos;
        for (; pos < text.size() && std::isalpha(static_cast<unsigned char>(text[pos])); ++pos)
            if (std::isupper(static_cast<unsigned char>(text[pos]))) property.name += text[pos];
        if (property.name.empty()) {
            pos = property.offset;
            return false;
        }
        SkipSpace();
        if (pos >= text.size() || text[pos] != '[') return false;
        while (pos < text.size() && text[pos] == '[') {
            property.values.emplace_back();
            if (!ReadValue(property.values.back())) return false;
            SkipSpace();
        }
        properties.push_back(std::move(property));
    }
    return true;
}

bool SgfReader::ReadValue(std::string& value) {
    const std::size_t start = pos++;
    while (pos < text.size()) {
        const char c = text[pos++];
        if (c == ']') return true;
        if (c != '\\') {
            value += c;
            continue;
        }
        if (pos >= text.size()) break;
        const char escaped = text[pos++];
        // A backslash before a line break joins the lines.
        if (escaped == '\r' || escaped == '\n') {
            if (pos < text.size() && (text[pos] == '\r' || text[pos] == '\n') &&
                text[pos] != escaped)
                ++pos;
            continue;
        }
        value += escaped;
    }
    pos = start;
    return false;
}

bool SgfReader::PlayNode(const std::vector<Property>& properties, bool root) {
    if (root) CheckGameInfo(properties);
    const Property* move = nullptr;
    for (const Property& property : properties) {
        if (property.name == "AB" || property.name == "AW" || property.name == "AE")
            moves.Refuse(GameFileProblem::SetupStones, property.name, false);
        if (property.name != "B" && property.name != "W") continue;
        // One move per node, with one point.
        if (move || property.values.size() != 1) {
            pos = property.offset;
            return false;
        }
        move = &property;
    }
    if (move) PlayMove(*move);
    return true;
}

void SgfReader::CheckGameInfo(const std::vector<Property>& properties) {
    std::optional<std::string_view> game, size;
    for (const Property& property : properties) {
        if (property.name == "GM" && !game) game = Trim(property.values.front());
        if (property.name == "SZ" && !size) size = Trim(property.values.front());
        if (players && property.name == "PB") players->black = property.values.front();
        if (players && property.name == "PW") players->white = property.values.front();
    }
    // A file without GM is a game of Go.
    if (!game || (*game != "4" && *game != "04")) {
        moves.Refuse(GameFileProblem::NotGomoku, std::string(game.value_or("")), false);
    } else if (size && *size != "15" && *size != "15:15") {
        moves.Refuse(GameFileProblem::WrongSize, std::string(*size), false);
    }
}

void SgfReader::PlayMove(const Property& move) {
    const std::string& point = move.values.front();
    const char* const turn = moves.Count() % 2 == 0 ? "B" : "W";
    if (move.name != turn) {
        moves.Refuse(GameFileProblem::WrongColour, move.name);
    } else if (point.empty() || point == "tt") {
        // "tt" is how older files pass on boards up to 19 x 19.
        moves.Refuse(GameFileProblem::Pass, point);
    } else if (point.size() != 2) {
        moves.Refuse(GameFileProblem::MoveOffBoard, point);
    } else {
        moves.Add(Coordinate(point[0]), Coordinate(point[1]), point);
    }
}

}  // namespace

std::string EncodeSgf(std::span<const MoveRecord> moves, const SgfPlayers& players) {
    std::string text = "(;FF[4]GM[4]SZ[15]CA[UTF-8]";
    if (!players.black.empty()) text += "PB[" + Escaped(players.black) + "]";
    if (!players.white.empty()) text += "PW[" + Escaped(players.white) + "]";
    text += "\n";
    for (std::size_t i = 0; i < moves.size(); ++i) {
        text += i % 2 == 0 ? ";B[" : ";W[";
        text += static_cast<char>('a' + moves[i].x - 1);
        text += static_cast<char>('a' + moves[i].y - 1);
        text += "]";
    }
    return text + ")\n";
}

TextGameFile DecodeSgf(std::string_view text, SgfPlayers* players) {
    if (text.size() > LargestTextGameFile) {
        MoveCollector refused;
        refused.Refuse(GameFileProblem::TooLarge, {}, false);
        return refused.Finish();
    }
    return SgfReader(text, players).Read();
}

bool StartsLikeSgf(std::string_view text) {
    if (text.substr(0, ByteOrderMark.size()) == ByteOrderMark)
        text.remove_prefix(ByteOrderMark.size());
    text = WithoutLeadingSpace(text);
    if (text.empty() || text.front() != '(') return false;
    text = WithoutLeadingSpace(text.substr(1));
    return !text.empty() && text.front() == ';';
}

}  // namespace wuziqi
