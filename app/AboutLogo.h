#pragma once
// The About window's logo: a 230 x 50 picture drawn at run time.

#include <windows.h>

namespace app {

constexpr int kAboutLogoWidth = 230;
constexpr int kAboutLogoHeight = 50;

// A new bitmap the caller owns; nullptr when GDI refuses.
HBITMAP DrawAboutLogo();

}  // namespace app
