#include "ui/Font.h"

#include <cstring>

#include "win/ScopedGdi.h"
#include "win/ScopedHandle.h"

namespace ui {

SharedFont MakeFont(const FontSpec& spec) {
  int height = -spec.pixels;
  if (spec.pixels == 0) {
    win::ScopedWindowDc screen;
    height = -MulDiv(spec.points, GetDeviceCaps(screen.Get(), LOGPIXELSY), 72);
  }
  LOGFONTA logFont{};
  logFont.lfHeight = height;
  logFont.lfWeight = spec.bold ? FW_BOLD : FW_NORMAL;
  logFont.lfUnderline = spec.underline ? TRUE : FALSE;
  logFont.lfCharSet = DEFAULT_CHARSET;
  logFont.lfQuality = DEFAULT_QUALITY;
  std::strncpy(logFont.lfFaceName, spec.face.c_str(), LF_FACESIZE - 1);
  HFONT font = CreateFontIndirectA(&logFont);
  return SharedFont(font, [](HFONT f) {
    if (f != nullptr) DeleteObject(f);
  });
}

FontSpec FormFontSpec() {
  return FontSpec{};
}

int TextWidth(HDC dc, HFONT font, const std::string& text) {
  win::ScopedSelect select(dc, font != nullptr ? font : GetStockObject(DEFAULT_GUI_FONT));
  SIZE size{};
  GetTextExtentPoint32A(dc, text.c_str(), int(text.size()), &size);
  return size.cx;
}

}  // namespace ui
