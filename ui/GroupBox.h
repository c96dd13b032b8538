#pragma once
// A group box that shows what lies beneath it. The standard one paints only
// its frame and caption and never erases; under a parent that clips its
// children its inside would keep whatever the screen held before.

#include "ui/StandardControls.h"

namespace ui {

class GroupBox : public Button {
 public:
  bool Create(HWND parent, const std::string& caption, int x, int y, int width, int height);

 protected:
  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace ui
