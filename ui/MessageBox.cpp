#include "ui/MessageBox.h"

#include "core/Text.h"

namespace ui {

int ShowMessageBox(const std::string& text, const std::string& caption, UINT flags, HWND owner) {
  return MessageBoxA(owner, text.c_str(), caption.c_str(), flags);
}

void ShowErrorAndClose(HWND window, const std::string& text) {
  char caption[256] = {};
  if (window) GetWindowTextA(window, caption, sizeof caption);
  ShowMessageBox(text, caption, MB_ICONERROR, window);
  if (window) PostMessageA(window, WM_CLOSE, 0, 0);
}

bool AskToRestart(HWND owner, const std::string& caption, bool afterRestore) {
  const std::string first = afterRestore
                                ? "The restoration will take effect after restarting your computer."
                                : "Changes will take effect after you restart your computer.";
  return ShowMessageBox(first + core::LineBreaks(2) + "Restart now?", caption,
                        MB_YESNO | MB_ICONQUESTION, owner) == IDYES;
}

}  // namespace ui
