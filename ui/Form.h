#pragma once
// Form: every window of the program. Borderless, centred on the screen,
// shown modally over the main window with a modal result, created on first
// use and then kept (closing hides it). It carries the common frame: the
// gradient heading with the program's small icon and bold title, "?", "_"
// and "Close", and the hint line that shows the long part of the hint of
// the control under the mouse.

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "ui/Control.h"
#include "ui/ControlTable.h"
#include "ui/Font.h"
#include "ui/Shape.h"
#include "ui/Window.h"

namespace ui {

class Label;

// Modal results, numbered as the program's windows return them.
constexpr int mrNone = 0;
constexpr int mrOk = 1;
constexpr int mrCancel = 2;
constexpr int mrYes = 6;
constexpr int mrNo = 7;

struct FormSpec {
  std::string caption;  // the window's text, e.g. "Quorlo - About"
  int clientWidth = 0;
  int clientHeight = 0;
  bool frame = true;  // heading strip, icon, title, "?", "_", "Close"
  std::string title;  // bold title in the heading; empty: the caption
  std::string titleName = "lCaption";
  bool hintLine = true;  // footer strip `grd1` with `lHint`
  std::string formHint;  // the background's hint
  std::string helpPage;  // opened by "?"
  std::string helpHint = "Get some more help";
  std::string minimiseHint = "Minimise Quorlo";
  std::string closeHint;  // empty: "Closes " + caption
};

class Form : public Window, public ControlHost {
 public:
  static constexpr int kHeadingHeight = 25;
  static constexpr int kFooterHeight = 20;

  // Creates the window, its frame and (through FormCreate) its controls.
  // The owner is the main window for every window but the main one.
  bool CreateForm(HWND owner);

  // Shows the window modally and returns its modal result.
  int ShowModal();
  void ShowModeless();
  // Modal: ends with mrCancel unless a result is set. Modeless: destroys.
  void Close();
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int result) { modalResult_ = result; }
  bool IsModal() const { return modal_; }

  Control* Find(const std::string& name) const;
  template <class T>
  T& Get(const std::string& name) const {
    return dynamic_cast<T&>(*Find(name));
  }
  Label* HintLine() const { return hintLine_; }
  const SharedFont& FormFont() const { return font_; }
  const SharedFont& BoldFont() const { return boldFont_; }

  // Decorative shapes: above the headings, under every other control.
  Control* AddShape(const std::string& name, const Shape& shape);

  // The button Enter presses and the one Escape presses.
  void SetDefaultButton(Control* button);
  void SetCancelButton(Control* button) { cancelButton_ = button; }

  // ControlHost
  void ControlMouseMoved(Control& control) override;
  void PaintBackground(HDC dc, const RECT& area) override;

 protected:
  virtual FormSpec Spec() const = 0;
  virtual void FormCreate() {}
  virtual void FormActivate() {}
  virtual void FormDestroy() {}

  // The frame's buttons.
  virtual void bHelpcnrClick(Control& sender);
  virtual void bMinClick(Control& sender);
  virtual void bCloseClick(Control& sender);

  template <class F, size_t N>
  void Build(F* self, const ControlDef<F> (&rows)[N]) {
    for (const ControlDef<F>& row : rows) {
      Control* control =
          CreateControl(row.kind, row.name, row.left, row.top, row.width, row.height,
                        row.caption ? row.caption : "", row.hint ? row.hint : "", row.tag);
      if (control != nullptr && row.handler != nullptr) {
        auto handler = row.handler;
        control->onClick = [self, handler](Control& sender) { (self->*handler)(sender); };
      }
    }
  }

  // Creates one control of the table; nullptr when Windows refuses it.
  Control* CreateControl(Kind kind, const std::string& name, int x, int y, int width, int height,
                         const std::string& caption, const std::string& hint, int tag);
  // Takes a control created by the window itself into the form.
  Control& Adopt(std::unique_ptr<Control> control, const std::string& name,
                 const std::string& hint = "", int tag = 0);

  const char* ClassName() const override { return "QuorloForm"; }
  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  void CreateFrame(const FormSpec& spec);
  void SendHeadingsToBack();
  void ShowHintOf(const std::string& hint);

  std::vector<std::unique_ptr<Control>> controls_;
  SharedFont font_;
  SharedFont boldFont_;
  Label* hintLine_ = nullptr;
  Control* defaultButton_ = nullptr;
  Control* cancelButton_ = nullptr;
  std::string formHint_;
  std::string helpPage_;
  HWND owner_ = nullptr;
  int modalResult_ = mrNone;
  bool modal_ = false;
  int nextId_ = 100;
  Kind lastKind_ = Kind::kLabel;
};

}  // namespace ui
