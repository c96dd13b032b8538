#pragma once
// The platform's HTML Help control (hhctrl.ocx), found through its registered
// class id and loaded the first time a page is shown.

#include <windows.h>

#include <string>

namespace help {

// The control's file from the default value of its InprocServer32 key under
// HKEY_CLASSES_ROOT, expanded; empty when it is not registered or the file is missing.
std::string LocateHtmlHelpControl();

// The file's version text (FileVersion of its version information); empty when none.
std::string FileVersionText(const std::string& path);

class HtmlHelpControl {
 public:
  HtmlHelpControl() = default;
  ~HtmlHelpControl();
  HtmlHelpControl(const HtmlHelpControl&) = delete;
  HtmlHelpControl& operator=(const HtmlHelpControl&) = delete;

  // Registered, present and carrying version information. Decided once.
  bool Installed();
  // HtmlHelpA; loads the control on first need. Null when it cannot be loaded.
  HWND Call(HWND owner, const char* address, UINT command, DWORD_PTR data);
  bool Loaded() const { return htmlHelp_ != nullptr; }

 private:
  using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);

  bool checked_ = false;
  std::string path_;
  HMODULE library_ = nullptr;
  HtmlHelpFunction htmlHelp_ = nullptr;
};

}  // namespace help
