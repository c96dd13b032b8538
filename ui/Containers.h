#pragma once
// Windows that hold controls: a group box and the pages of a page control.
// Controls placed on them send their notifications to them, and the window
// base hands those back to each control's object, as a form does.

#include "ui/StandardControls.h"

namespace ui {

// A group box that shows what lies beneath it. The standard one paints only
// its frame and caption and never erases; under a parent that clips its
// children its inside would keep whatever the screen held before.
class GroupBox : public Button {
 public:
  bool Create(HWND parent, const std::string& caption, int x, int y, int width, int height);

 protected:
  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
};

// One page of a page control: shown while its tab is selected.
class Page : public Control {
 public:
  // Placed over the page control's display area.
  bool Create(TabControl& pages, const std::string& tabText);

 protected:
  const char* ClassName() const override { return "QuorloPage"; }
  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace ui
