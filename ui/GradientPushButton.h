#pragma once
// GradientPushButton (`TKorvButton` of the window definitions): a standard
// push button drawn by its owner, with a vertical gradient while it is
// hovered, focused or pressed (every OK, Cancel, Apply).

#include "controls/Colours.h"
#include "ui/Control.h"

namespace ui {

class GradientPushButton : public Control {
 public:
  static constexpr int kDefaultWidth = 75;
  static constexpr int kDefaultHeight = 25;

  bool Create(HWND parent, const std::string& caption, int x, int y, int width = kDefaultWidth,
              int height = kDefaultHeight, int id = 0);

  controls::TColor BeginColor() const { return beginColor_; }
  void SetBeginColor(controls::TColor color);
  controls::TColor EndColor() const { return endColor_; }
  void SetEndColor(controls::TColor color);
  bool DrawFocus() const { return drawFocus_; }
  void SetDrawFocus(bool drawFocus);
  // The button Enter presses.
  bool Default() const { return default_; }
  void SetDefault(bool isDefault);
  bool Hovered() const { return hovered_; }

  bool OnCommand(WORD notifyCode) override;
  bool OnDrawItem(const DRAWITEMSTRUCT& item) override;

 protected:
  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void MouseEntered() override;
  void MouseLeft() override;

 private:
  bool ActiveDefault() const;
  bool PointerInside() const;

  controls::TColor beginColor_ = controls::clWhite;
  controls::TColor endColor_ = controls::kHeadingBlue;
  bool drawFocus_ = false;
  bool default_ = false;
  bool hovered_ = false;
};

}  // namespace ui
