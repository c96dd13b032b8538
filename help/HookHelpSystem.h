#pragma once
// The help bridge: shows pages of the program's compiled help file through the
// HTML Help control, takes over the application's help requests while it
// lives, and closes every help window it opened when it goes.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "help/ApplicationHelp.h"
#include "help/HelpLog.h"
#include "help/HtmlHelpControl.h"

namespace help {

class THookHelpSystem {
 public:
  // Pages are shown through HtmlHelpA; the only way this program uses.
  enum class DisplayMode { HtmlHelp = 0 };

  enum ShowResult { kShown = 0, kHtmlHelpMissing = 1 };

  // How the bridge's warning reaches the user: the program passes its
  // message box (text, caption); empty for none.
  using Warning = std::function<void(const std::string& text, const std::string& caption)>;

  // logPath: where diagnostic lines go; empty for none.
  THookHelpSystem(std::string helpFile, std::string windowName, DisplayMode mode,
                  std::string logPath, Warning warning);
  ~THookHelpSystem();
  THookHelpSystem(const THookHelpSystem&) = delete;
  THookHelpSystem& operator=(const THookHelpSystem&) = delete;

  // Shows the page topic (for example "html\Welcome.htm") of the help file and
  // reports a failure to the user through the warning. Returns a ShowResult.
  int HelpTopic(const std::string& topic);
  // Shows a built address ("file::/page"); returns a ShowResult.
  int ShowTopic(const std::string& address);
  void HHShowError(int result);
  // The application's help requests (WinHelp commands); true when handled.
  bool HelpHook(unsigned command, uintptr_t data);

  const std::string& HelpFile() const { return helpFile_; }

 private:
  std::string helpFile_;
  std::string windowName_;
  DisplayMode mode_;
  HelpLog log_;
  Warning warning_;
  HtmlHelpControl control_;
  HelpHandler previousHandler_;
};

}  // namespace help
