#pragma once
// GradientButton (registered as `TmyGrdBtn`): a gradient label that acts as a
// small push button and shows its hover colours while the mouse is over it.

#include "controls/GradientLabel.h"

namespace controls {

class GradientButton : public GradientLabel {
 public:
  GradientButton();

  TButtonGradient& ButtonGradient() { return *buttonGradient_; }
  TColor FontColor() const { return fontColor_; }
  void SetFontColor(TColor color);
  TColor FontHoverColor() const { return fontHoverColor_; }
  void SetFontHoverColor(TColor color);
  bool Hovered() const { return hovered_; }

  // The small buttons of every window: "?", "_", "Close", the link buttons.
  void UseWindowButtonColors();

  int Layer() const override { return 2; }

 protected:
  const char* ClassName() const override { return "TmyGrdBtn"; }
  int BoundLineShortening() const override { return 1; }
  TColor CurrentTextColor() const override { return hovered_ ? fontHoverColor_ : fontColor_; }
  void MouseEntered() override;
  void MouseLeft() override;

 private:
  explicit GradientButton(std::unique_ptr<TButtonGradient> gradient);

  TButtonGradient* buttonGradient_;
  TColor fontColor_ = clWindowText;
  TColor fontHoverColor_ = clWindowText;
  bool hovered_ = false;
};

}  // namespace controls
