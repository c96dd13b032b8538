#pragma once
// The Start Button Manager's small question windows: a few lines of text,
// two options, OK (modal result 1) and Cancel (2). Each keeps the user's
// last option between uses, as it lives as long as the program.

#include "ui/Form.h"

class TChoiceDialog : public ui::Form {
 public:
  static constexpr int kClientWidth = 430;

  // Handlers, bound by the windows' control tables.
  void bOKClick(ui::Control& sender);
  void bCancelClick(ui::Control& sender);

 protected:
  // Spec() of a choice dialog with this height.
  static ui::FormSpec ChoiceSpec(int clientHeight);
  // Marks the first option and makes OK and Cancel answer Enter and Escape.
  void FinishChoices(const char* firstOption);
  bool OptionChecked(const char* name) const;
  void bCloseClick(ui::Control& sender) override;
};
