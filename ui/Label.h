#pragma once
// Static text painted by the program: transparent over headings and shapes
// (the host paints what lies beneath), or opaque for text that changes often.

#include "controls/CaptionFit.h"
#include "controls/GradientMath.h"
#include "ui/Control.h"

namespace ui {

class Label : public Control {
 public:
  struct Options {
    controls::TTextAlignmt alignment = controls::taLeft;
    bool wordWrap = false;
    bool transparent = true;
    // Width and height follow the text; with taRight the right edge stays.
    bool autoSize = true;
    controls::TColor color = controls::clWindowText;
    controls::TColor background = controls::clWhite;
  };

  bool Create(HWND parent, const std::string& text, int x, int y, int width, int height,
              const Options& options);

  void SetCaption(const std::string& text);
  void SetTransparent(bool transparent);
  void SetFont(SharedFont font) override;
  void SetColor(controls::TColor color);

 protected:
  const char* ClassName() const override { return "QuorloLabel"; }
  void OnPaint(HDC dc) override;
  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  void FitToText();

  Options options_;
  int anchorRight_ = 0;
};

}  // namespace ui
