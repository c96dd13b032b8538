#pragma once
// The robot's steps on the program's own windows, shared by the scenarios
// of the managers: controls by name, message boxes answered, the choice
// dialogs answered, a window seen to close.

#include <windows.h>

#include <string>

#include "ui/ChoiceDialog.h"
#include "ui/Form.h"

namespace apptest {

HWND ControlOf(const ui::Form& form, const char* name);
std::string ControlText(const ui::Form& form, const char* name);

// Answers the next message box of this process with button; its caption,
// "|" and its text, or "<no message box>".
std::string AnswerNextMessageBox(int button);

// Waits for dialog to show, checks option and presses button; true once the
// dialog has closed.
bool Choose(ui::ChoiceDialog& dialog, const char* option, const char* button);

// Whether the window is hidden (closed) within the robot's wait.
bool Hidden(const ui::Form& form);

}  // namespace apptest
