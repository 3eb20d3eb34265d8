#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "SelfPlayCorpus.h"
#include "Verdict.h"

namespace wuziqi {

// The answer the plain search gave to one corpus position when the answers were written,
// with what identifies the position, so that a change of the player shows up either as a
// changed answer or as a changed corpus (the corpus is built from the player's own replies).
struct PinnedAnswer {
    std::uint64_t positionHash = 0;  // PositionHash of the position
    int stones = 0;
    int x = 0, y = 0;
    Verdict verdict = Verdict::Unchanged;
    int lineLength = 0;  // the forced line's length, 0 where the verdict proves no win

    friend bool operator==(const PinnedAnswer&, const PinnedAnswer&) = default;
};

// The pinned answers of one corpus, in corpus order, with the seed that built it.
struct PinnedAnswers {
    std::uint64_t seed = 0;
    std::vector<PinnedAnswer> answers;
};

// FNV-1a of the position's analyze line: the same on every platform.
std::uint64_t PositionHash(const CorpusPosition& position);

// The answer, ready to compare or to write; the line length counts only for the plain search,
// which records the line.
PinnedAnswer AnswerOf(const CorpusPosition& position, int x, int y, Verdict verdict,
                      int lineLength);

// "IWin", "None", … as the file spells them; nothing for an unknown name.
const char* VerdictName(Verdict verdict);
std::optional<Verdict> VerdictNamed(const std::string& name);

// The file: comment lines starting with '#', a line "corpus seed S positions N", then one line
// per position "index hash stones x,y verdict line-length". Writing returns false when the
// file cannot be written; reading gives an error text for a file that cannot be read.
bool WritePinnedAnswers(const std::string& path, const PinnedAnswers& pinned);
std::optional<PinnedAnswers> ReadPinnedAnswers(const std::string& path, std::string& error);

// One answer as the file writes it, without the index: "hash stones x,y verdict line-length".
std::string AnswerText(const PinnedAnswer& answer);

}  // namespace wuziqi
