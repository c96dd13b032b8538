#include "app/AboutLogo.h"

#include "controls/Colours.h"
#include "controls/GradientMath.h"
#include "controls/GradientPaint.h"
#include "ui/Font.h"
#include "win/ScopedGdi.h"
#include "win/ScopedHandle.h"

namespace app {

HBITMAP DrawAboutLogo() {
  win::ScopedBitmap bitmap;
  {
    win::ScopedWindowDc screen;
    bitmap.Reset(CreateCompatibleBitmap(screen.Get(), kAboutLogoWidth, kAboutLogoHeight));
  }
  if (!bitmap) return nullptr;
  win::ScopedCompatibleDc dc(nullptr);
  {
    win::ScopedSelect select(dc.Get(), bitmap.Get());
    // White on the left fading into the heading blue, which the gradient
    // label beside the logo continues.
    controls::FillBands(dc.Get(), controls::GradientBands(controls::gsLeft, controls::clWhite,
                                                          controls::kHeadingBlue, 128,
                                                          kAboutLogoWidth, kAboutLogoHeight));
    // A mark: three stacked bars in the button blues.
    const COLORREF bars[] = {controls::kDeepBlue, controls::kButtonBlue, controls::kLightBlue};
    for (int i = 0; i < 3; ++i) {
      win::ScopedBrush brush(CreateSolidBrush(bars[i]));
      RECT bar{10 + i * 4, 10 + i * 11, 40 + i * 4, 18 + i * 11};
      FillRect(dc.Get(), &bar, brush.Get());
    }
    SetBkMode(dc.Get(), TRANSPARENT);
    ui::FontSpec nameSpec;
    nameSpec.face = "Tahoma";
    nameSpec.pixels = 30;
    nameSpec.bold = true;
    ui::SharedFont nameFont = ui::MakeFont(nameSpec);
    {
      win::ScopedSelect selectFont(dc.Get(), nameFont.get());
      SetTextColor(dc.Get(), controls::kDeepBlue);
      TextOutA(dc.Get(), 56, 5, "Quorlo", 6);
    }
    ui::FontSpec versionSpec;
    versionSpec.face = "Tahoma";
    versionSpec.pixels = 11;
    ui::SharedFont versionFont = ui::MakeFont(versionSpec);
    win::ScopedSelect selectFont(dc.Get(), versionFont.get());
    SetTextColor(dc.Get(), controls::kDeepBlue);
    TextOutA(dc.Get(), 58, 35, "version 4.1", 11);
  }
  return bitmap.Release();
}

}  // namespace app
