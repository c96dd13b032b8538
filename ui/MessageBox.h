#pragma once
// The one way the program's windows ask and tell the user something, and
// the questions every manager window asks alike.

#include <windows.h>

#include <string>

namespace ui {

// MessageBoxA; owner may be null. Returns the id of the button pressed.
int ShowMessageBox(const std::string& text, const std::string& caption, UINT flags, HWND owner);

// Shows text as an error with window's own caption, then asks window to
// close: what a manager does when it cannot go on before Windows restarts
// (no free name for a new copy).
void ShowErrorAndClose(HWND window, const std::string& text);

// The question after a change that takes effect on the next start of
// Windows: the wording after an OK or apply, or after a restore, then
// "Restart now?". True when the user said Yes; restarting is the caller's.
bool AskToRestart(HWND owner, const std::string& caption, bool afterRestore);

}  // namespace ui
