#include <windows.h>

#include "imaging/IconFile.h"
#include "imaging/JpegFile.h"
#include "imaging/MetafilePicture_win.h"
#include "imaging/OpenPicture.h"
#include "imaging/PictureDialog_win.h"
#include "imaging/PictureFile.h"
#include "ui/Dialogs.h"
#include "ui/MessageBox.h"
#include "win/SystemFacts.h"

namespace imaging {

namespace {

constexpr const char* kCaption = "Quorlo";

// The icon's transparent parts show a colour the user picks; black when the
// colour dialog is cancelled. The icon is read first, so a damaged one is
// refused before any question.
bool LoadIconPicture(const std::string& path, HWND owner, TFastDIB& out) {
  IconImage icon;
  if (ParseIconFile(path, icon) != IconStatus::kOk) return false;
  ui::ShowMessageBox(
      "Please select the background colour you would like to see\r\nin the transparent area of "
      "the icon you selected.",
      kCaption, MB_OK, owner);
  const COLORREF background = ui::ChooseColour(owner, RGB(0, 0, 0)).value_or(RGB(0, 0, 0));
  return ComposeIcon(icon, background, out);
}

bool LoadPicture(const std::string& path, HWND owner, TFastDIB& out) {
  switch (PictureKindOf(path)) {
    case PictureKind::kBitmap:
      return out.LoadFromFile(path) == BmpStatus::kOk;
    case PictureKind::kJpeg:
      return LoadJpegFile(path, out) == JpegStatus::kOk;
    case PictureKind::kIcon:
      return LoadIconPicture(path, owner, out);
    case PictureKind::kEnhancedMetafile:
      return LoadMetafilePicture(path, true, out);
    case PictureKind::kMetafile:
      return LoadMetafilePicture(path, false, out);
    case PictureKind::kUnknown:
      break;
  }
  return false;
}

}  // namespace

bool OpenPictureFile(std::string& fileName, HWND owner) {
  const std::optional<std::string> chosen = ShowPictureDialog(owner);
  if (!chosen) return false;
  TFastDIB picture;
  const std::string picked = win::GetTempDir() + "tmpbmp.bmp";
  if (!LoadPicture(*chosen, owner, picture) || !picture.SaveToFile(picked)) {
    ui::ShowMessageBox("Unrecognised picture file format.", kCaption, MB_ICONERROR, owner);
    return false;
  }
  fileName = picked;
  return true;
}

}  // namespace imaging
