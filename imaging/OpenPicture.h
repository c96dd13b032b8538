#pragma once
// Turning a picture the user picks into bitmap files: OpenPictureFile (the
// picture dialog) and MakeLogoPicture (a logo of exact size and depth,
// asking before it reformats). Windows only.

#include <windows.h>

#include <string>

#include "imaging/BitmapInfo.h"

namespace imaging {

// Shows the picture dialog; a picture that loads is saved as the temporary
// directory's "tmpbmp.bmp" and fileName is set to it. False when cancelled
// (fileName untouched) or, after "Unrecognised picture file format.", when
// the picture does not load.
bool OpenPictureFile(std::string& fileName, HWND owner = nullptr);

// Makes the temporary directory's "_tempbmp.bmp" from pictureFile, reporting
// each step in statusLabel (may be null) and asking before reformatting.
// outFileName is the logo file, or empty when the user declined or the
// picture could not be read.
void MakeLogoPicture(const std::string& pictureFile, int logoWidth, int logoHeight,
                     std::string& outFileName, bool keepPalette, bool fit, COLORREF background,
                     HWND statusLabel, int logoBpp);

}  // namespace imaging
