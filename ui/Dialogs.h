#pragma once
// The common colour and file dialogs.

#include <windows.h>

#include <optional>
#include <string>

namespace ui {

// The chosen colour (0x00BBGGRR), or nothing when the user cancels.
std::optional<COLORREF> ChooseColour(HWND owner, COLORREF initial);

struct FileDialogOptions {
  std::string title;
  // Pairs separated by '|': "Bitmaps (*.bmp)|*.bmp|All files (*.*)|*.*".
  std::string filter;
  std::string initialDirectory;
  std::string defaultExtension;
};

// The chosen file's full path, or nothing when the user cancels.
std::optional<std::string> ChooseFileToOpen(HWND owner, const FileDialogOptions& options);
std::optional<std::string> ChooseFileToSave(HWND owner, const FileDialogOptions& options);

}  // namespace ui
