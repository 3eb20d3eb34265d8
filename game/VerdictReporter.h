#pragma once

#include <string>
#include <string_view>

#include "GameReporter.h"

namespace wuziqi {

// A reporter for running the model without a window: it keeps the computer's last verdict
// (status panel 0) and drops everything else, messages included.
class VerdictReporter : public GameReporter {
  public:
    void ShowMessage(std::string_view) override {}
    void SetStatusText(int panel, std::string_view text) override {
        if (panel == 0) verdict = std::string(text);
    }

    std::string verdict;
};

}  // namespace wuziqi
