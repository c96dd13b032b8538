#include "startmenu/VerticalLogoPreview_win.h"

#include <algorithm>

#include "startmenu/LogoBitmap_win.h"
#include "ui/Image.h"

namespace startmenu {

const ui::ControlDef<VerticalLogoPreview> VerticalLogoPreview::kControls[] = {
    {ui::Kind::kImage, "Img", kPictureLeft, kPictureTop, kMinPictureWidth, kMinPictureHeight, "",
     "", 0, nullptr, ui::Bind<&VerticalLogoPreview::Img>},
};

ui::FormSpec VerticalLogoPreview::Spec() const {
  ui::FormSpec spec;
  spec.caption = "Start Menu Vertical Logo";
  spec.clientWidth = kPictureLeft + kMinPictureWidth + 7;
  spec.clientHeight = kPictureTop + kMinPictureHeight + 7;
  spec.hintLine = false;
  spec.helpPage = "Start Menu Manager Introduction.htm";
  spec.closeHint = "Closes the preview";
  return spec;
}

void VerticalLogoPreview::FormCreate() {
  Build(this, kControls);
  // A picture window: its heading holds the title and "Close" only, which
  // also leaves the title room on the narrowest preview.
  for (const char* name : {"bHelpcnr", "bMin"}) {
    if (ui::Control* button = Find(name)) button->SetVisible(false);
  }
}

int VerticalLogoPreview::ShowLogo(win::ScopedBitmap logo) {
  if (Img == nullptr) return ui::mrCancel;
  const SIZE size = BitmapSize(logo.Get());
  const int width = std::max<int>(size.cx, kMinPictureWidth);
  const int height = std::max<int>(size.cy, kMinPictureHeight);
  Img->SetBounds(kPictureLeft, kPictureTop, width, height);
  Img->SetBitmap(logo.Release());
  SetClientSize(width + 14, kPictureTop + height + 7);
  return ShowModal();
}

void VerticalLogoPreview::FormClose() {
  if (Img != nullptr) Img->SetBitmap(nullptr);
}

}  // namespace startmenu
