#include "help/HookHelpSystem.h"

#include <utility>

#include "help/HelpAddress.h"

namespace help {

namespace {

// HtmlHelp commands (htmlhelp.h is not part of every MinGW installation).
constexpr UINT kHhDisplayTopic = 0x0000;
constexpr UINT kHhHelpContext = 0x000F;
constexpr UINT kHhCloseAll = 0x0012;

constexpr char kNotInstalledMessage[] = "MS Html Help is not installed on this PC.";

const char* HelpCommandName(unsigned command) {
  switch (command) {
    case HELP_CONTEXT:
      return "HELP_CONTEXT";
    case HELP_QUIT:
      return "HELP_QUIT";
    case HELP_CONTENTS:
      return "HELP_CONTENTS";
    case HELP_CONTEXTPOPUP:
      return "HELP_CONTEXTPOPUP";
    case HELP_FINDER:
      return "HELP_FINDER";
    default:
      return "HELP_OTHER";
  }
}

}  // namespace

THookHelpSystem::THookHelpSystem(std::string helpFile, std::string windowName, DisplayMode mode,
                                 std::string logPath, Warning warning)
    : helpFile_(std::move(helpFile)),
      windowName_(std::move(windowName)),
      mode_(mode),
      log_(std::move(logPath)),
      warning_(std::move(warning)) {
  log_.Line(FormatLine("THookHelpSystem.Create(\"%s\",\"%s\", %d)", helpFile_.c_str(),
                       windowName_.c_str(), static_cast<int>(mode_)));
  previousHandler_ = SetApplicationHelpHandler(
      [this](unsigned command, uintptr_t data) { return HelpHook(command, data); });
}

THookHelpSystem::~THookHelpSystem() {
  log_.Line("THookHelpSystem.Destroy");
  // A control that was never loaded opened no windows.
  if (mode_ == DisplayMode::HtmlHelp && control_.Loaded()) {
    control_.Call(nullptr, nullptr, kHhCloseAll, 0);
    // Lets the control's windows finish closing before its library goes.
    Sleep(0);
  }
  SetApplicationHelpHandler(std::move(previousHandler_));
}

int THookHelpSystem::HelpTopic(const std::string& topic) {
  const int result = ShowTopic(BuildHelpAddress(helpFile_, topic, windowName_));
  HHShowError(result);
  return result;
}

int THookHelpSystem::ShowTopic(const std::string& address) {
  log_.Line(FormatLine("ShowTopic(\"%s\", %d)", address.c_str(), static_cast<int>(mode_)));
  int result = kHtmlHelpMissing;
  if (control_.Installed()) {
    const HWND window = control_.Call(GetDesktopWindow(), address.c_str(), kHhDisplayTopic, 0);
    if (window != nullptr) SetForegroundWindow(window);
    result = kShown;
  }
  log_.Line(FormatLine("  returned - %d", result));
  return result;
}

void THookHelpSystem::HHShowError(int result) {
  if (result == kShown) return;
  log_.Line(FormatLine("HHShowError(%d), \"%s\"", result, kNotInstalledMessage));
  if (warning_) warning_(kNotInstalledMessage, "Warning");
}

bool THookHelpSystem::HelpHook(unsigned command, uintptr_t data) {
  log_.Line(FormatLine("THookHelpSystem.HelpHook(%s, %d)", HelpCommandName(command),
                       static_cast<int>(data)));
  switch (command) {
    case HELP_CONTEXT:
    case HELP_CONTEXTPOPUP: {
      if (!control_.Installed()) {
        HHShowError(kHtmlHelpMissing);
        return true;
      }
      const std::string address = BuildHelpAddress(helpFile_, "", windowName_);
      control_.Call(GetDesktopWindow(), address.c_str(), kHhHelpContext, data);
      return true;
    }
    case HELP_CONTENTS:
    case HELP_FINDER:
      HHShowError(ShowTopic(BuildHelpAddress(helpFile_, "", windowName_)));
      return true;
    case HELP_QUIT:
      if (control_.Loaded()) control_.Call(nullptr, nullptr, kHhCloseAll, 0);
      return true;
    default:
      return false;
  }
}

}  // namespace help
