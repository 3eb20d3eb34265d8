#pragma once

#include <string_view>

namespace wuziqi {

// How the game model talks to whoever shows it. The model never opens a message box itself:
// the main window implements this with message boxes and status-bar panels, the engine and
// the tests record what arrives.
class GameReporter {
  public:
    virtual ~GameReporter() = default;

    // A message that needs the person's attention (" Set Wrong!", "Black Win!", ...).
    // Returns once the person has seen it.
    virtual void ShowMessage(std::string_view text) = 0;

    // Running information for one panel of the status bar: 0 the computer's verdict,
    // 4 the pattern-table diagnostic.
    virtual void SetStatusText(int panel, std::string_view text) = 0;
};

}  // namespace wuziqi
