#pragma once
// The vertical logo's preview (registered as `TfDialog6`): the logo at its
// own size in a window sized to it, never smaller than the picture area
// the window was drawn for.

#include "ui/Form.h"
#include "win/ScopedGdi.h"

namespace ui {
class Image;
}

namespace startmenu {

class VerticalLogoPreview : public ui::Form {
 public:
  // The picture `Img` is never smaller than this.
  static constexpr int kMinPictureWidth = 218;
  static constexpr int kMinPictureHeight = 179;
  static constexpr int kPictureLeft = 7;
  static constexpr int kPictureTop = 32;

  // Shows the bitmap modally, the window sized and centred for it; the
  // picture is let go when the window closes.
  int ShowLogo(win::ScopedBitmap logo);

 protected:
  const char* ClassName() const override { return "TfDialog6"; }
  ui::FormSpec Spec() const override;
  void FormCreate() override;
  void FormClose() override;

 private:
  static const ui::ControlDef<VerticalLogoPreview> kControls[];

  ui::Image* Img = nullptr;
};

}  // namespace startmenu
