#include "controls/myGrdBtn.h"

namespace controls {

TmyGrdBtn::TmyGrdBtn() : TmyGrdBtn(std::make_unique<TButtonGradient>()) {}

TmyGrdBtn::TmyGrdBtn(std::unique_ptr<TButtonGradient> gradient)
    : TAPHeadLabel(std::unique_ptr<TGradient>(gradient.get())),
      buttonGradient_(gradient.release()) {}

void TmyGrdBtn::SetFontColor(TColor color) {
  fontColor_ = color;
  Invalidate();
}

void TmyGrdBtn::SetFontHoverColor(TColor color) {
  fontHoverColor_ = color;
  Invalidate();
}

void TmyGrdBtn::UseWindowButtonColors() {
  TButtonGradient& gradient = ButtonGradient();
  gradient.SetColorSteps(128);
  gradient.SetNormalStart(13995776);
  gradient.SetNormalEnd(16769476);
  gradient.SetHoverStart(8541952);
  gradient.SetHoverEnd(16769476);
  gradient.SetStyle(gsTop);
  if (hovered_) {
    gradient.UseHoverColors();
  } else {
    gradient.UseNormalColors();
  }
  SetFontHoverColor(clWhite);
  SetHandCursor(true);
}

void TmyGrdBtn::MouseEntered() {
  hovered_ = true;
  ButtonGradient().UseHoverColors();
  Invalidate();
}

void TmyGrdBtn::MouseLeft() {
  hovered_ = false;
  ButtonGradient().UseNormalColors();
  Invalidate();
}

}  // namespace controls
