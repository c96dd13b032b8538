#pragma once
// What the windows share about the running program: its main window, the
// way help pages are opened.

#include <windows.h>

#include <functional>
#include <string>

namespace ui {

void SetMainWindow(HWND hwnd);
HWND MainWindow();

// "_" on every window minimises the whole program: the main window, and
// with it the windows it owns.
void MinimizeApplication();

// How "?" opens a help page; the program installs ShowHelpTopic.
using HelpHandler = std::function<void(const std::string& page)>;
void SetHelpHandler(HelpHandler handler);
void ShowHelpPage(const std::string& page);

// The program's small icon (the executable's first icon), owned by the caller.
HICON LoadProgramSmallIcon();

}  // namespace ui
