#pragma once
// Fonts as the window definitions name them: face, size, bold.

#include <windows.h>

#include <memory>
#include <string>

namespace ui {

struct FontSpec {
  std::string face = "Tahoma";
  int points = 8;  // used when pixels is 0
  int pixels = 0;  // character height in pixels
  bool bold = false;
  bool underline = false;
};

// Shared, because several controls of a window use one font and the font
// must live as long as the last of them.
using SharedFont = std::shared_ptr<std::remove_pointer_t<HFONT>>;

SharedFont MakeFont(const FontSpec& spec);

// The form font of every window: Tahoma 8 point.
FontSpec FormFontSpec();

int TextWidth(HDC dc, HFONT font, const std::string& text);

}  // namespace ui
