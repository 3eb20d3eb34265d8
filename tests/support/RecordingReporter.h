#pragma once

#include <cstdint>
#include <vector>

#include "GameReporter.h"

namespace wuziqi::testing {

// Records everything the model reports, by kind, in order.
class RecordingReporter : public GameReporter {
  public:
    struct Win {
        std::uint8_t colour;
        int x, y;
        friend bool operator==(const Win&, const Win&) = default;
    };

    void PlacementRefused(PlaceRefusal reason) override { refusals.push_back(reason); }
    void StoneWins(std::uint8_t colour, int x, int y) override { wins.push_back({colour, x, y}); }
    void WrongColour() override { ++wrongColours; }
    void PatternMismatch(int count) override { mismatches.push_back(count); }

    bool Quiet() const {
        return refusals.empty() && wins.empty() && wrongColours == 0 && mismatches.empty();
    }
    void Clear() { *this = RecordingReporter(); }

    std::vector<PlaceRefusal> refusals;
    std::vector<Win> wins;
    int wrongColours = 0;
    std::vector<int> mismatches;
};

}  // namespace wuziqi::testing
