#pragma once
// The animated previews of the 2000/XP start-up screen (registered as
// `TLogo2kPreview` and `TLogoXPPreview`): the 640 x 480 logo as the boot
// screen shows it, with the band of the 2000 screen turning or the blocks
// of XP's progress bar running, painted from a window timer. A click on the
// picture, or Escape, closes it.

#include <windows.h>

#include "logos/BootPalette.h"
#include "ui/Form.h"

namespace logos {

class BootScreen;

class BootPreviewWindow : public ui::Form {
 public:
  enum class Screen { kWindows2000, kWindowsXP };
  explicit BootPreviewWindow(Screen screen);

  // Shows picture (640 x 480; the window takes it) modally, animated; XP's
  // bar in the colours of palette for xpEdition. The picture is let go when
  // the preview closes.
  void ShowPicture(HBITMAP picture, const BootPalette& palette, int xpEdition);

  // What the picture shows now: the 2000 band's offset or XP's bar step.
  int Frame() const;

 protected:
  const char* ClassName() const override;
  ui::FormSpec Spec() const override;
  void FormCreate() override;
  void FormClose() override;
  void OnTimer(UINT_PTR id) override;

 private:
  void imgPreviewClick(ui::Control& sender);

  Screen screen_;
  BootScreen* picture_ = nullptr;
};

}  // namespace logos
