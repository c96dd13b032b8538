#pragma once
// How the Start Button Manager asks the user for the XP Start button's
// picture: true with the path of a bitmap file.

#include <windows.h>

#include <string>

bool OpenPictureForButton(HWND owner, std::string& fileName);
