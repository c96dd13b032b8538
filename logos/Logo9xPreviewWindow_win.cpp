#include "logos/Logo9xPreviewWindow_win.h"

#include "ui/Image.h"

namespace logos {

const ui::ControlDef<Logo9xPreviewWindow> Logo9xPreviewWindow::kControls[] = {
    {ui::Kind::kImage, "imgPreview", 0, 0, 0, 0, "", "", 0, &Logo9xPreviewWindow::imgPreviewClick,
     ui::Bind<&Logo9xPreviewWindow::imgPreview>},
};

ui::FormSpec Logo9xPreviewWindow::Spec() const {
  ui::FormSpec spec;
  spec.caption = "Quorlo - Preview";
  spec.clientWidth = GetSystemMetrics(SM_CXSCREEN);
  spec.clientHeight = GetSystemMetrics(SM_CYSCREEN);
  spec.frame = false;
  spec.hintLine = false;
  return spec;
}

void Logo9xPreviewWindow::FormCreate() {
  Build(this, kControls);
  if (imgPreview == nullptr) return;
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  // The whole screen, not the work area the form would centre on.
  SetBounds(0, 0, width, height);
  imgPreview->SetBounds(0, 0, width, height);
  imgPreview->onDblClick = [this](ui::Control& sender) { imgPreviewClick(sender); };
  SetCancelButton(imgPreview);
}

void Logo9xPreviewWindow::ShowPicture(HBITMAP picture) {
  if (imgPreview == nullptr) {
    DeleteObject(picture);
    return;
  }
  imgPreview->SetBitmap(picture, true);
  ShowModal();
}

void Logo9xPreviewWindow::FormActivate() {
  // Once per showing: the display count of ShowCursor must come back to
  // where it was when the preview closes.
  if (cursorHidden_) return;
  ShowCursor(FALSE);
  cursorHidden_ = true;
}

void Logo9xPreviewWindow::FormClose() {
  if (cursorHidden_) {
    ShowCursor(TRUE);
    cursorHidden_ = false;
  }
  imgPreview->SetBitmap(nullptr);
}

void Logo9xPreviewWindow::imgPreviewClick(ui::Control&) {
  Close();
}

}  // namespace logos
