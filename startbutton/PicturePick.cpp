#include "startbutton/PicturePick.h"

#include "ui/Dialogs.h"

// Bitmap files only, taken as they are: the bytes after the file header
// become the resource. The picture dialog of the image pipeline, which turns
// other picture types into such a file, replaces this chooser once it exists.
bool OpenPictureForButton(HWND owner, std::string& fileName) {
  ui::FileDialogOptions options;
  options.title = "Open Picture File";
  options.filter = "Bitmaps (*.bmp)|*.bmp";
  const std::optional<std::string> chosen = ui::ChooseFileToOpen(owner, options);
  if (!chosen) return false;
  fileName = *chosen;
  return true;
}
