#pragma once
// A window's controls declared as a table, like a form definition: each row
// names the kind, the name, the place, the caption, the hint, the tag, the
// handler of the kind's usual event and the typed member it fills.
// Form::Build creates the rows in order.
//
//   const ui::ControlDef<StartButtonWindow> StartButtonWindow::kControls[] = {
//       {ui::Kind::kEdit, "tStart", 72, 62, 200, 21, "", kStartHint, 0,
//        &StartButtonWindow::tStartChange, ui::Bind<&StartButtonWindow::tStart>},
//       ...
//   };
//
// The usual event of each kind: buttons, check boxes, radio buttons,
// headings and images are clicked; an edit changes (not when the window
// fills it itself); a list box's selection changes; a tree's selection
// changes; a page control's tab changes. A row's parent names a group box
// or page control declared above it; its place is then relative to that.

#include <windows.h>
// After <windows.h>, which it needs.
#include <commctrl.h>

namespace ui {

class Control;
class TreeView;

enum class Kind {
  kHeading,     // gradient label with the heading/footer strip colours
  kGradButton,  // gradient button with the small-button colours and bound lines
  kLinkButton,  // gradient button with the small-button colours, no bound lines
  kPushButton,  // owner-drawn push button (OK, Cancel, Apply ...)
  kLabel,       // transparent text; width 0 sizes it to the text
  kBoldLabel,
  kRightLabel,  // sized to its text, its right edge at `left`
  kWrapLabel,   // transparent text broken into lines inside width x height
  kImage,
  kRadio,  // consecutive radio rows form one group
  kCheck,
  kGroupBox,  // a container: rows naming it as parent are placed inside
  kEdit,
  kMemo,  // an edit of several lines that wraps its words
  kListBox,
  kTree,          // label editing and dragging
  kReadOnlyTree,  // a tree the user only browses: no label editing, no dragging
  kPages,         // a page control: its pages are kPage rows naming it as parent
  kPage,          // one page (caption: the tab's text), a container
  kProgress,
};

// The handler of a row's usual event, named control + event (`bOKClick`).
template <class F>
using Handler = void (F::*)(Control& sender);
// A tree's label edit ended: whether the new text (nullptr: cancelled) is taken.
template <class F>
using LabelEditHandler = bool (F::*)(TreeView& tree, HTREEITEM item, const char* text);
// Fills a member of the window with the created control; false when the
// control is not of the member's type.
template <class F>
using Binder = bool (*)(F& window, Control& control);

template <class Member>
struct MemberOf;
template <class F, class T>
struct MemberOf<T * F::*> {
  using Owner = F;
  using Type = T;
};

// ui::Bind<&Window::member>: the binder of a `T* member` of the window.
template <auto Member>
bool Bind(typename MemberOf<decltype(Member)>::Owner& window, Control& control) {
  using T = typename MemberOf<decltype(Member)>::Type;
  T* typed = dynamic_cast<T*>(&control);
  window.*Member = typed;
  return typed != nullptr;
}

template <class F>
struct ControlDef {
  Kind kind;
  const char* name;
  int left, top, width, height;
  const char* caption;
  const char* hint;
  int tag;
  Handler<F> handler = nullptr;
  Binder<F> bind = nullptr;
  const char* parent = nullptr;  // nullptr: the window itself
  Handler<F> mouseMove = nullptr;
  LabelEditHandler<F> labelEdited = nullptr;
};

}  // namespace ui
