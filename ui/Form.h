#pragma once
// Form: every window of the program. Borderless, centred on the screen,
// shown modally over the main window with a modal result, created on first
// use and then kept (closing hides it). It carries what every window shares:
// the frame (the gradient heading with the program's small icon and bold
// title, "?" opening the window's help page, "_" minimising the program and
// "Close"), the hint line that shows the long part of the hint of the
// control under the mouse, OK/Cancel closing with their modal results, the
// reload when the window is opened (not when it comes back from its own
// dialogs and message boxes), message boxes with the window's caption and
// owner, and timers.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/Control.h"
#include "ui/ControlTable.h"
#include "ui/Font.h"
#include "ui/Shape.h"
#include "ui/Window.h"

namespace ui {

class GradientLabel;
class Label;
class TreeView;

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
  bool frame = true;         // heading strip, icon, title, "?", "_", "Close"
  bool frameButtons = true;  // without them, a chooser that must be answered
  // The heading strip: managers with a welcome text under the title have a taller one.
  std::string headingName = "topgr";
  int headingHeight = 25;
  std::string title;  // bold title in the heading; empty: the caption
  std::string titleName = "lCaption";
  bool hintLine = true;    // footer strip `grd1` with `lHint`
  // A footer taller than kFooterHeight breaks long hints into lines.
  int footerHeight = 20;  // kFooterHeight
  std::string formHint;   // the background's hint
  std::string helpPage;   // opened by "?"
  std::string helpHint = "Get some more help";
  std::string minimiseHint = "Minimise Quorlo";
  std::string closeHint;  // empty: "Closes " + caption
};

class Form : public Window, public ControlHost {
 public:
  static constexpr int kHeadingHeight = 25;
  static constexpr int kFooterHeight = 20;

  // Creates the window, its frame and (through FormCreate) its controls.
  // The owner is the main window for every window but the main one. False
  // when Windows refuses the window or a control of its table.
  bool CreateForm(HWND owner);

  // Shows the window modally and returns its modal result.
  int ShowModal();
  // Shows it modally after LoadOnOpening has read afresh what it shows.
  int Execute();
  // From Execute until LoadOnOpening has run.
  bool Opening() const { return openingPending_ || loading_; }
  void ShowModeless();
  // Modal: ends with mrCancel unless a result is set. Modeless: destroys.
  void Close();
  // Ends the modal loop with `result`.
  void CloseWith(int result);
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int result) { modalResult_ = result; }
  bool IsModal() const { return modal_; }

  // By name, for tests and the robot; windows use the members their
  // control table fills.
  Control* Find(const std::string& name) const;
  template <class T>
  T& Get(const std::string& name) const {
    return dynamic_cast<T&>(*Find(name));
  }
  // Which row of the control table could not be made, after CreateForm failed.
  const std::string& BuildFailure() const { return buildFailure_; }

  // The frame's heading strip `topgr` and hint line `lHint`; nullptr without them.
  GradientLabel* Heading() const { return heading_; }
  Label* HintLine() const { return hintLine_; }
  const SharedFont& FormFont() const { return font_; }
  const SharedFont& BoldFont() const { return boldFont_; }

  // A window sized to what it shows: the new client size, the frame laid
  // out for it again, and the window centred on the screen.
  void SetClientSize(int width, int height);

  // Decorative shapes: above the headings, under every other control.
  Control* AddShape(const std::string& name, const Shape& shape);

  // The button Enter presses and the one Escape presses.
  void SetDefaultButton(Control* button);
  void SetCancelButton(Control* button) { cancelButton_ = button; }

  // Message boxes titled with the window's caption, owned by the window.
  int ShowMessage(const std::string& text, UINT flags) const;
  void ShowError(const std::string& text) const;
  void ShowInformation(const std::string& text) const;
  // Yes/No with the question icon unless another is given; true on Yes.
  bool AskYesNo(const std::string& text, UINT icon = MB_ICONQUESTION) const;

  // OnTimer(id) every `milliseconds` until StopTimer or the window ends.
  void StartTimer(UINT_PTR id, UINT milliseconds);
  void StopTimer(UINT_PTR id);

  // ControlHost
  void ControlMouseMoved(Control& control) override;
  void PaintBackground(HDC dc, const RECT& area) override;

 protected:
  virtual FormSpec Spec() const = 0;
  virtual void FormCreate() {}
  virtual void FormActivate() {}
  // After a modal showing ended, before ShowModal returns.
  virtual void FormClose() {}
  // While the window ends (Destroy, or closing a modeless window).
  virtual void FormDestroy() {}
  // The reload of an opening by Execute, at its first activation.
  virtual void LoadOnOpening() {}
  virtual void OnTimer(UINT_PTR id);

  // The frame's buttons, and OK and Cancel (modal results mrOk, mrCancel).
  virtual void bHelpcnrClick(Control& sender);
  virtual void bMinClick(Control& sender);
  virtual void bCloseClick(Control& sender);
  virtual void bOKClick(Control& sender);
  virtual void bCancelClick(Control& sender);

  template <class F, size_t N>
  void Build(F* self, const ControlDef<F> (&rows)[N]) {
    for (const ControlDef<F>& row : rows) {
      Control* control = CreateControl(row.kind, row.name, row.left, row.top, row.width, row.height,
                                       row.caption ? row.caption : "", row.hint ? row.hint : "",
                                       row.tag, row.parent);
      if (control == nullptr) continue;
      if (row.bind != nullptr && !row.bind(*self, *control)) {
        // The member's type is not the row's kind.
        if (buildFailure_.empty()) buildFailure_ = row.name;
        continue;
      }
      if (auto handler = row.handler) {
        BindUsualEvent(*control, [self, handler](Control& sender) { (self->*handler)(sender); });
      }
      if (auto handler = row.mouseMove) {
        control->onMouseMove = [self, handler](Control& sender, MouseButton, int, int) {
          (self->*handler)(sender);
        };
      }
      if (auto handler = row.labelEdited) {
        BindLabelEdit(*control, [self, handler](TreeView& tree, HTREEITEM item, const char* text) {
          return (self->*handler)(tree, item, text);
        });
      }
    }
  }

  // Creates one control; nullptr when Windows refuses it or `parent` names
  // no container made before.
  Control* CreateControl(Kind kind, const std::string& name, int x, int y, int width, int height,
                         const std::string& caption, const std::string& hint, int tag,
                         const char* parent = nullptr);
  // Takes a control created by the window itself into the form.
  Control& Adopt(std::unique_ptr<Control> control, const std::string& name,
                 const std::string& hint = "", int tag = 0);

  const char* ClassName() const override { return "QuorloForm"; }
  bool PaintsItself() const override { return true; }
  bool PaintsOnPrintClient() const override { return false; }
  void OnPaint(HDC dc) override;
  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  // Runs LoadOnOpening once for an Execute that has not loaded yet.
  void LoadPendingOpening();
  void CreateFrame(const FormSpec& spec);
  void SendHeadingsToBack();
  void ShowHintOf(const std::string& hint);
  void BindUsualEvent(Control& control, Control::Event handler);
  void BindLabelEdit(Control& control,
                     std::function<bool(TreeView&, HTREEITEM, const char*)> handler);

  std::vector<std::unique_ptr<Control>> controls_;
  SharedFont font_;
  SharedFont boldFont_;
  GradientLabel* heading_ = nullptr;
  Label* hintLine_ = nullptr;
  Control* defaultButton_ = nullptr;
  Control* cancelButton_ = nullptr;
  std::string formHint_;
  std::string helpPage_;
  std::string buildFailure_;
  HWND owner_ = nullptr;
  int modalResult_ = mrNone;
  bool modal_ = false;
  bool openingPending_ = false;
  bool loading_ = false;
  int nextId_ = 100;
  Kind lastKind_ = Kind::kLabel;
};

}  // namespace ui
