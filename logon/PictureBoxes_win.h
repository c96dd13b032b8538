#pragma once
// The picture controls of the Logon Dialogs Manager: a box that shows a
// bitmap file centred or from its top-left corner, and the paint box the
// window draws the moving bar into.

#include <functional>
#include <memory>
#include <vector>

#include "imaging/FastDIB.h"
#include "ui/Control.h"

namespace logon {

class PictureBox : public ui::Control {
 public:
  enum class Placement { kTopLeft, kCentre };

  bool Create(HWND parent, int x, int y, int width, int height, Placement placement);
  // Shows the picture of a bitmap file. A file that cannot be read leaves the
  // box empty (a library without that bitmap) and returns false.
  bool ShowBitmapFile(const std::vector<uint8_t>& file);
  void Clear();
  // nullptr while the box is empty.
  const imaging::TFastDIB* Picture() const { return picture_.get(); }

 protected:
  const char* ClassName() const override { return "QuorloPicture"; }
  void OnPaint(HDC dc) override;

 private:
  Placement placement_ = Placement::kTopLeft;
  std::unique_ptr<imaging::TFastDIB> picture_;
};

// Opaque: it paints the window's background, then whatever onPaint draws.
class PaintBox : public ui::Control {
 public:
  bool Create(HWND parent, int x, int y, int width, int height);
  std::function<void(PaintBox& sender, HDC dc)> onPaint;
  // Paints now rather than when the message queue is next empty, so every
  // tick of an animation is seen.
  void Repaint();

 protected:
  const char* ClassName() const override { return "QuorloPaintBox"; }
  void OnPaint(HDC dc) override;
};

// The picture of a bitmap file, or nullptr when it cannot be read.
std::unique_ptr<imaging::TFastDIB> PictureFromBitmapFile(const std::vector<uint8_t>& file);

}  // namespace logon
