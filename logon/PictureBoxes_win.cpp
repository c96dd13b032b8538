#include "logon/PictureBoxes_win.h"

#include "imaging/FastDIBDraw_win.h"

namespace logon {

std::unique_ptr<imaging::TFastDIB> PictureFromBitmapFile(const std::vector<uint8_t>& file) {
  if (file.empty()) return nullptr;
  auto picture = std::make_unique<imaging::TFastDIB>();
  if (picture->LoadFromMemory(file.data(), file.size()) != imaging::BmpStatus::kOk) return nullptr;
  return picture;
}

bool PictureBox::Create(HWND parent, int x, int y, int width, int height, Placement placement) {
  placement_ = placement;
  // The paint box of the animation lies on this box and paints itself.
  return Window::Create(ui::ChildArgs(parent, nullptr, "", x, y, width, height, WS_CLIPCHILDREN));
}

bool PictureBox::ShowBitmapFile(const std::vector<uint8_t>& file) {
  picture_ = PictureFromBitmapFile(file);
  Invalidate();
  return picture_ != nullptr;
}

void PictureBox::Clear() {
  picture_.reset();
  Invalidate();
}

void PictureBox::OnPaint(HDC dc) {
  PaintHostBackground(dc);
  if (!picture_) return;
  int x = 0;
  int y = 0;
  if (placement_ == Placement::kCentre) {
    const RECT client = ClientRect();
    x = (client.right - picture_->Width()) / 2;
    y = (client.bottom - picture_->AbsHeight) / 2;
  }
  imaging::DrawToDC(*picture_, dc, x, y);
}

bool PaintBox::Create(HWND parent, int x, int y, int width, int height) {
  return Window::Create(ui::ChildArgs(parent, nullptr, "", x, y, width, height));
}

void PaintBox::Repaint() {
  if (IsCreated()) RedrawWindow(Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void PaintBox::OnPaint(HDC dc) {
  PaintHostBackground(dc);
  if (onPaint) onPaint(*this, dc);
}

}  // namespace logon
