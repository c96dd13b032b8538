#pragma once
// A window's controls declared as a table, like a form definition: each row
// names the kind, the name, the place, the caption, the hint, the tag and the
// click handler. Form::Build creates the rows in order.

#include <windows.h>

namespace ui {

class Control;

enum class Kind {
  kHeading,     // TAPHeadLabel with the heading/footer strip colours
  kGradButton,  // TmyGrdBtn with the small-button colours and bound lines
  kLinkButton,  // TmyGrdBtn with the small-button colours, no bound lines
  kPushButton,  // TKorvButton
  kLabel,       // transparent text; width 0 sizes it to the text
  kBoldLabel,
  kImage,
  kRadio,  // consecutive radio rows form one group
  kCheck,
  kGroupBox,
  kEdit,
  kListBox,
  kTree,  // label editing and dragging
  kTab,
  kProgress,
};

template <class F>
struct ControlDef {
  Kind kind;
  const char* name;
  int left, top, width, height;
  const char* caption;
  const char* hint;
  int tag;
  void (F::*handler)(Control& sender);
};

}  // namespace ui
