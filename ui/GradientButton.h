#pragma once
// GradientButton (registered as `TmyGrdBtn`): a gradient label that acts as a
// small push button and shows its hover colours while the mouse is over it.

#include "ui/GradientLabel.h"

namespace ui {

class GradientButton : public GradientLabel {
 public:
  GradientButton();

  controls::TButtonGradient& ButtonGradient() { return *buttonGradient_; }
  controls::TColor FontColor() const { return fontColor_; }
  void SetFontColor(controls::TColor color);
  controls::TColor FontHoverColor() const { return fontHoverColor_; }
  void SetFontHoverColor(controls::TColor color);
  bool Hovered() const { return hovered_; }

  // The small buttons of every window: "?", "_", "Close", the link buttons.
  void UseWindowButtonColors();

  int Layer() const override { return 2; }

 protected:
  const char* ClassName() const override { return "TmyGrdBtn"; }
  int BoundLineShortening() const override { return 1; }
  controls::TColor CurrentTextColor() const override {
    return hovered_ ? fontHoverColor_ : fontColor_;
  }
  void MouseEntered() override;
  void MouseLeft() override;

 private:
  explicit GradientButton(std::unique_ptr<controls::TButtonGradient> gradient);

  controls::TButtonGradient* buttonGradient_;
  controls::TColor fontColor_ = controls::clWindowText;
  controls::TColor fontHoverColor_ = controls::clWindowText;
  bool hovered_ = false;
};

}  // namespace ui
