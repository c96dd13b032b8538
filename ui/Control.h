#pragma once
// A control on a form: a Window with the name, tag and hint the window
// definitions give it, and the events the program's handlers bind to.
// Custom controls derive from it; standard controls are subclassed into it,
// so mouse moves over any control reach the form's hint line.

#include <windows.h>

#include <functional>
#include <string>

#include "ui/Font.h"
#include "ui/Window.h"

namespace ui {

class Control;

// What a control needs from the window that holds it.
class ControlHost {
 public:
  virtual ~ControlHost() = default;
  // The mouse moved over `control`: the hint line follows it.
  virtual void ControlMouseMoved(Control& control) = 0;
  // Paints what lies under `area` (host client coordinates) into dc, whose
  // origin is the area's top-left corner; transparent controls start with it.
  virtual void PaintBackground(HDC dc, const RECT& area) = 0;
};

enum class MouseButton { kLeft, kRight, kMiddle };

class Control : public Window {
 public:
  using Event = std::function<void(Control& sender)>;
  using MouseEvent = std::function<void(Control& sender, MouseButton button, int x, int y)>;

  const std::string& Name() const { return name_; }
  void SetName(const std::string& name) { name_ = name; }
  int Tag() const { return tag_; }
  void SetTag(int tag) { tag_ = tag; }
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint) { hint_ = hint; }
  ControlHost* Host() const { return host_; }
  void SetHost(ControlHost* host) { host_ = host; }

  HFONT Font() const { return font_ ? font_.get() : nullptr; }
  virtual void SetFont(SharedFont font);

  // The hand cursor of the program's link and gradient buttons.
  void SetHandCursor(bool hand) { handCursor_ = hand; }

  // Pressing the mouse here drags the top-level window, like its heading.
  void SetDragsWindow(bool drags) { dragsWindow_ = drags; }

  bool MouseInside() const { return mouseInside_; }

  Event onClick;
  Event onDblClick;
  Event onMouseEnter;
  Event onMouseLeave;
  MouseEvent onMouseMove;
  MouseEvent onMouseDown;
  MouseEvent onMouseUp;

  // Fires onClick, as a user's click would.
  void Click();

  // A button's click (BN_CLICKED) fires onClick.
  bool OnCommand(WORD notifyCode) override;

  // Headings and shapes paint under the controls placed on them (see
  // ControlHost): layer 0 headings, 1 shapes, 2 everything else.
  virtual int Layer() const { return 2; }
  bool IsBackground() const { return Layer() < 2; }
  virtual void PaintOnto(HDC dc, int offsetX, int offsetY);

  RECT BoundsInParent() const;
  // Bounds in the client area of the top-level window, where the host paints.
  RECT BoundsInHost() const;

 protected:
  // Controls of our own classes paint themselves (by default what lies
  // beneath them); subclassed standard controls paint as Windows does.
  bool PaintsItself() const override { return !IsSubclassed(); }
  void OnPaint(HDC dc) override { PaintHostBackground(dc); }
  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
  virtual void MouseEntered() {}
  virtual void MouseLeft() {}
  // Whether a left press here starts a click (custom controls do; standard
  // ones report clicks through WM_COMMAND).
  virtual bool ClicksOnMouseUp() const { return false; }
  // Fills dc (origin at the control's top-left) with what is under it.
  void PaintHostBackground(HDC dc);
  // Handles msg as Control does, then repaints: for messages that change
  // what the control shows (its text, font, focus, enabled state).
  LRESULT PassOnAndRepaint(UINT msg, WPARAM wParam, LPARAM lParam);

 private:
  void TrackLeave();

  std::string name_;
  std::string hint_;
  int tag_ = 0;
  ControlHost* host_ = nullptr;
  SharedFont font_;
  bool handCursor_ = false;
  bool dragsWindow_ = false;
  bool mouseInside_ = false;
  bool pressed_ = false;
};

// Moves a borderless window with the mouse, as its caption bar would.
void DragWindow(HWND anyChild);

// The windows' white background for a WM_CTLCOLOR* answer: sets the DC's
// background colour and returns the stock brush.
HBRUSH WhiteBackground(HDC dc);

}  // namespace ui
