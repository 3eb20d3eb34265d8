#include "PinnedAnswers.h"

#include <array>
#include <cinttypes>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <utility>

namespace wuziqi {

namespace {

constexpr std::array<std::pair<Verdict, const char*>, 6> VerdictNames = {{
    {Verdict::Unchanged, "Unchanged"},
    {Verdict::None, "None"},
    {Verdict::IWin, "IWin"},
    {Verdict::YouWin, "YouWin"},
    {Verdict::YouMightWin, "YouMightWin"},
    {Verdict::IMightWin, "IMightWin"},
}};

std::string Hex(std::uint64_t value) {
    char text[17];
    std::snprintf(text, sizeof text, "%016" PRIx64, value);
    return text;
}

}  // namespace

std::uint64_t PositionHash(const CorpusPosition& position) {
    std::uint64_t hash = 0xCBF29CE484222325ull;
    for (const char c : AnalyzeLine(position)) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001B3ull;
    }
    return hash;
}

PinnedAnswer AnswerOf(const CorpusPosition& position, int x, int y, Verdict verdict,
                      int lineLength) {
    return {
        PositionHash(position), static_cast<int>(position.moves.size()), x, y, verdict, lineLength};
}

const char* VerdictName(Verdict verdict) {
    for (const auto& [v, name] : VerdictNames)
        if (v == verdict) return name;
    return "?";
}

std::optional<Verdict> VerdictNamed(const std::string& name) {
    for (const auto& [v, n] : VerdictNames)
        if (name == n) return v;
    return std::nullopt;
}

std::string AnswerText(const PinnedAnswer& a) {
    return Hex(a.positionHash) + ' ' + std::to_string(a.stones) + ' ' + std::to_string(a.x) + ',' +
           std::to_string(a.y) + ' ' + VerdictName(a.verdict) + ' ' + std::to_string(a.lineLength);
}

bool WritePinnedAnswers(const std::string& path, const PinnedAnswers& pinned) {
    std::ofstream out(path, std::ios::binary);
    out << "# The plain search's answers to the reply_bench corpus, written by\n"
           "#   reply_bench --write-answers FILE [--positions N] [--seed S]\n"
           "# and checked by reply_bench --expect FILE. Each line: index, position hash (FNV-1a\n"
           "# of its analyze line), stones, point, verdict, length of the forced line.\n";
    out << "corpus seed " << pinned.seed << " positions " << pinned.answers.size() << '\n';
    for (std::size_t i = 0; i < pinned.answers.size(); ++i)
        out << i << ' ' << AnswerText(pinned.answers[i]) << '\n';
    out.close();
    return static_cast<bool>(out);
}

std::optional<PinnedAnswers> ReadPinnedAnswers(const std::string& path, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot read " + path;
        return std::nullopt;
    }
    PinnedAnswers pinned;
    std::size_t count = 0;
    bool headerSeen = false;
    std::string text;
    for (int lineNumber = 1; std::getline(in, text); ++lineNumber) {
        if (text.empty() || text[0] == '#') continue;
        std::istringstream line(text);
        const std::string where = path + ":" + std::to_string(lineNumber) + ": ";
        if (!headerSeen) {
            std::string corpus, seedWord, positionsWord;
            if (!(line >> corpus >> seedWord >> pinned.seed >> positionsWord >> count) ||
                corpus != "corpus" || seedWord != "seed" || positionsWord != "positions") {
                error = where + "expected \"corpus seed S positions N\"";
                return std::nullopt;
            }
            headerSeen = true;
            continue;
        }
        std::size_t index = 0;
        std::string hash, verdict;
        PinnedAnswer a;
        char comma = 0;
        if (!(line >> index >> hash >> a.stones >> a.x >> comma >> a.y >> verdict >>
              a.lineLength) ||
            comma != ',' || index != pinned.answers.size() || hash.size() != 16) {
            error = where + "expected \"index hash stones x,y verdict line-length\" for index " +
                    std::to_string(pinned.answers.size());
            return std::nullopt;
        }
        std::size_t used = 0;
        try {
            a.positionHash = std::stoull(hash, &used, 16);
        } catch (const std::exception&) {
        }
        const std::optional<Verdict> named = VerdictNamed(verdict);
        if (used != hash.size() || !named) {
            error = where + "bad hash or verdict";
            return std::nullopt;
        }
        a.verdict = *named;
        pinned.answers.push_back(a);
    }
    if (!headerSeen || pinned.answers.size() != count) {
        error = path + ": " + std::to_string(pinned.answers.size()) + " answers, the header says " +
                std::to_string(count);
        return std::nullopt;
    }
    return pinned;
}

}  // namespace wuziqi
