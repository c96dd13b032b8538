#pragma once
// The full-screen preview of a 9x/ME logo (registered as `TLogo9xPreview`):
// the logo stretched over the whole screen, as Windows shows it, with the
// mouse pointer hidden; a click, a double-click or Escape closes it.

#include <windows.h>

#include "ui/Form.h"

namespace ui {
class Image;
}

namespace logos {

class Logo9xPreviewWindow : public ui::Form {
 public:
  // Shows picture (which the window takes) modally, then lets it go.
  void ShowPicture(HBITMAP picture);
  bool CursorHidden() const { return cursorHidden_; }

 protected:
  const char* ClassName() const override { return "TLogo9xPreview"; }
  ui::FormSpec Spec() const override;
  void FormCreate() override;
  void FormActivate() override;
  void FormClose() override;

 private:
  static const ui::ControlDef<Logo9xPreviewWindow> kControls[];
  void imgPreviewClick(ui::Control& sender);

  ui::Image* imgPreview = nullptr;
  bool cursorHidden_ = false;
};

}  // namespace logos
