#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "GameReporter.h"

namespace wuziqi::testing {

// Records every message and status text the model reports, in order.
class RecordingReporter : public GameReporter {
  public:
    void ShowMessage(std::string_view text) override { messages.emplace_back(text); }
    void SetStatusText(int panel, std::string_view text) override {
        panels[panel] = std::string(text);
        statusWrites.emplace_back(panel, std::string(text));
    }

    void Clear() {
        messages.clear();
        panels.clear();
        statusWrites.clear();
    }

    std::vector<std::string> messages;
    std::map<int, std::string> panels;
    std::vector<std::pair<int, std::string>> statusWrites;
};

}  // namespace wuziqi::testing
