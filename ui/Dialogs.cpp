#include "ui/Dialogs.h"

#include <commdlg.h>

#include <vector>

namespace ui {

std::optional<COLORREF> ChooseColour(HWND owner, COLORREF initial) {
  static COLORREF customColours[16] = {};
  CHOOSECOLORA choose{};
  choose.lStructSize = sizeof choose;
  choose.hwndOwner = owner;
  choose.rgbResult = initial;
  choose.lpCustColors = customColours;
  choose.Flags = CC_RGBINIT | CC_FULLOPEN;
  if (!ChooseColorA(&choose)) return std::nullopt;
  return choose.rgbResult;
}

namespace {

std::optional<std::string> RunFileDialog(HWND owner, const FileDialogOptions& options, bool save) {
  // The filter's '|' separators become the NULs the dialog expects.
  std::vector<char> filter(options.filter.begin(), options.filter.end());
  for (char& c : filter) {
    if (c == '|') c = '\0';
  }
  filter.push_back('\0');
  filter.push_back('\0');
  std::vector<char> file(MAX_PATH * 4, '\0');
  OPENFILENAMEA ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = options.filter.empty() ? nullptr : filter.data();
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = DWORD(file.size());
  ofn.lpstrTitle = options.title.empty() ? nullptr : options.title.c_str();
  ofn.lpstrInitialDir =
      options.initialDirectory.empty() ? nullptr : options.initialDirectory.c_str();
  ofn.lpstrDefExt = options.defaultExtension.empty() ? nullptr : options.defaultExtension.c_str();
  ofn.Flags =
      OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
  const BOOL chosen = save ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn);
  if (!chosen) return std::nullopt;
  return std::string(file.data());
}

}  // namespace

std::optional<std::string> ChooseFileToOpen(HWND owner, const FileDialogOptions& options) {
  return RunFileDialog(owner, options, false);
}

std::optional<std::string> ChooseFileToSave(HWND owner, const FileDialogOptions& options) {
  return RunFileDialog(owner, options, true);
}

}  // namespace ui
